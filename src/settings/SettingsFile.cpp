#include "settings/SettingsFile.h"

#include "base/AppInfo.h"

SettingsFile::SettingsFile()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             AppInfo::kSettingsOrganization, AppInfo::kSettingsApplication)) {
}

SettingsFile::SettingsFile(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::FileName() const {
    return m_settings->fileName();
}

int SettingsFile::Int(const char* section, const QString& name, int fallback) const {
    const QVariant value = m_settings->value(QString(section) + "/" + name);
    return value.isValid() ? value.toInt() : fallback;
}

void SettingsFile::SetInt(const char* section, const QString& name, int value) {
    m_settings->setValue(QString(section) + "/" + name, value);
    m_settings->sync();
}

QString SettingsFile::Text(const char* section, const QString& name, const QString& fallback) const {
    const QVariant value = m_settings->value(QString(section) + "/" + name);
    return value.isValid() ? value.toString() : fallback;
}

void SettingsFile::SetText(const char* section, const QString& name, const QString& value) {
    m_settings->setValue(QString(section) + "/" + name, value);
    m_settings->sync();
}
