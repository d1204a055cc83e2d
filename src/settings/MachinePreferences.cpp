#include "settings/MachinePreferences.h"

QString MachinePreferences::BackupDir() const {
    return Text(kSettings, "BackupDir", QString());
}
void MachinePreferences::SetBackupDir(const QString& value) {
    SetText(kSettings, "BackupDir", value);
}
QString MachinePreferences::DBPath() const {
    return Text(kSettings, "DBPath");
}
void MachinePreferences::SetDBPath(const QString& value) {
    SetText(kSettings, "DBPath", value);
}
QString MachinePreferences::HeadFileLocation() const {
    return Text(kSettings, "HeadFileLocation", "./head.bmp");
}
void MachinePreferences::SetHeadFileLocation(const QString& value) {
    SetText(kSettings, "HeadFileLocation", value);
}
QString MachinePreferences::SessionHeadFileLocation() const {
    return Text(kSessionData, "HeadFileLocation");
}
void MachinePreferences::SetSessionHeadFileLocation(const QString& value) {
    SetText(kSessionData, "HeadFileLocation", value);
}
QString MachinePreferences::FiscalDevice(const QString& key, const QString& fallback) const {
    return Text(kFiscalDevice, key, fallback);
}
void MachinePreferences::SetFiscalDevice(const QString& key, const QString& value) {
    SetText(kFiscalDevice, key, value);
}
