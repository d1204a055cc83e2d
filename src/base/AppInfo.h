#pragma once

// Fixed texts and names of the program.
namespace AppInfo {
// The one version of the program: the build reads it from here for the
// package, and the label of the start view and the about box carries it.
inline constexpr const char* kVersion = "0.12.1-14";
inline constexpr const char* kVersionLabel = "ВЕРСИЯ: 0.12.1-14";

constexpr bool EndsWith(const char* text, const char* end) {
    int t = 0, e = 0;
    while (text[t])
        ++t;
    while (end[e])
        ++e;
    while (e > 0 && t > 0)
        if (text[--t] != end[--e])
            return false;
    return e == 0;
}
static_assert(EndsWith(kVersionLabel, kVersion), "the version label carries the version");
inline constexpr const char* kWindowTitle = "TARVO";
// The organisation and application names under which the local settings live.
inline constexpr const char* kSettingsOrganization = "Tarvo";
inline constexpr const char* kSettingsApplication = "tarvo";
inline constexpr const char* kDatabaseFileName = "tarvo.db";
inline constexpr int kSchemaVersion = 14;
} // namespace AppInfo
