#pragma once

class Database;

// The format version of an open file: 1 to 14, 0 when it cannot be read, or
// kSchemaVersionBusy when the file stayed busy for the whole retry (the busy
// message has been shown; a busy file is no wrong version). Versions 9 and
// later keep it in `settings`, older files in `version`.
inline constexpr int kSchemaVersionBusy = -1;
int GetSchemaVersion(Database& db);
