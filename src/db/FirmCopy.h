#pragma once

#include "db/GzipStream.h"

#include <QString>

class Connection;

// Moves a whole firm from one place to another, between any two engines:
// every table of the program the source holds is made on the target in the
// target's words, filled in the source's row order, and given its indexes,
// all in one transaction on the target, read from one consistent state of
// the source. Before the transaction commits, the row count and the sum of
// every amount column of each table are compared on both sides. The target
// must hold no table, unless `replace` is set: the firm on the target then
// gives way to the source's in the same transaction (a restore). The error
// text, empty on success.
QString CopyFirm(Connection& source, Connection& target, const WorkProgress& progress, bool replace = false);
