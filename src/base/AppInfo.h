#pragma once

// Fixed texts and names of the program.
namespace AppInfo {
inline constexpr const char* kVersion = "0.12.1-14";
inline constexpr const char* kVersionLabel = "ВЕРСИЯ: 0.12.1-14";
inline constexpr const char* kWindowTitle = "TARVO";
// The organisation and application names under which the local settings live.
inline constexpr const char* kSettingsOrganization = "Tarvo";
inline constexpr const char* kSettingsApplication = "tarvo";
inline constexpr const char* kDatabaseFileName = "tarvo.db";
inline constexpr int kSchemaVersion = 14;
} // namespace AppInfo
