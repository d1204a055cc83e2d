#pragma once

#include "db/ConnectionSource.h"

#include <QString>

// The session's database as the archive work needs it: where the file lies,
// its open connection, and closing that connection before the file is
// replaced (the next use opens the file again).
class DatabaseSeat : public ConnectionSource {
public:
    virtual QString DatabasePath() const = 0;
    virtual void CloseDatabase() = 0;
};
