#pragma once

#include <QString>

class Database;

// A partner's own code for an item; empty when there is none.
QString GetPartnerCode(Database& db, int partnerId, const QString& code);
// A partner's special price, rounded to 2 decimals; 0 when there is none (a
// stored 0 reads the same as no special price).
double GetPartnerPrice(Database& db, int partnerId, const QString& code);
