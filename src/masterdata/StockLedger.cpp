#include "masterdata/StockLedger.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

double GetStockQuantity(Database& db, const QString& code) {
    return db.QueryDouble(0, "SELECT ROUND(quantity, 3) AS quantity FROM stocks WHERE code = ? AND is_service = '0';",
                          code);
}

bool SetStockQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ? WHERE code = ?;", SqlDecimal{quantity, 3}, code);
}

// The sum is rounded to 3 decimals again, so that thousands of small changes
// leave no binary residue in the stored quantity.
bool IncreaseStockQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ROUND((quantity + ?), 3) WHERE code = ?;",
                         SqlDecimal{quantity, 3}, code);
}

bool DecreaseStockQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ROUND((quantity - ?), 3) WHERE code = ?;",
                         SqlDecimal{quantity, 3}, code);
}
