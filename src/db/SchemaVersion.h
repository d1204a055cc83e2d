#pragma once

class Database;

// The format version of an open file: 1 to 14, or 0 when it cannot be read.
// Versions 9 and later keep it in `settings`, older files in `version`.
int GetSchemaVersion(Database& db);
