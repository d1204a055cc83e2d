#pragma once

#include "settings/SettingsFile.h"

// Where things are for this computer: the database, the archives, the
// warranty card's header picture, and the fiscal device.
class MachinePreferences : public virtual SettingsFile {
public:
    // The directory chosen for archives; empty while none was chosen (the
    // archives then go beside the database).
    QString BackupDir() const;
    void SetBackupDir(const QString& value);
    QString DBPath() const;
    void SetDBPath(const QString& value);
    QString HeadFileLocation() const;
    void SetHeadFileLocation(const QString& value);
    QString SessionHeadFileLocation() const;
    void SetSessionHeadFileLocation(const QString& value);
    // Section FiscalDevice: the fiscal print server and device of this
    // computer, one text per key; the fallback while the key is absent.
    QString FiscalDevice(const QString& key, const QString& fallback = QString()) const;
    void SetFiscalDevice(const QString& key, const QString& value);
};
