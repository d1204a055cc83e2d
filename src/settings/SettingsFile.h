#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings file of this computer (INI, sections `Settings`,
// `SessionData` and `FiscalDevice`). Each concern reads and writes its own
// keys through it; an absent value reads as its default, and nothing is
// written until a setter is called.
class SettingsFile {
public:
    QString FileName() const;

protected:
    // The user's own settings file.
    SettingsFile();
    // A settings file at the given path (tests, other users).
    explicit SettingsFile(const QString& iniPath);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    static constexpr const char* kSettings = "Settings";
    static constexpr const char* kSessionData = "SessionData";
    static constexpr const char* kFiscalDevice = "FiscalDevice";

    int Int(const char* section, const QString& name, int fallback) const;
    void SetInt(const char* section, const QString& name, int value);
    QString Text(const char* section, const QString& name, const QString& fallback = QString("")) const;
    void SetText(const char* section, const QString& name, const QString& value);

private:
    std::unique_ptr<QSettings> m_settings;
};
