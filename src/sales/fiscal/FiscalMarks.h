#pragma once

#include "trade/DocumentMarks.h"

class Database;
class FiscalRegister;

// The "фискален бон" column of goods notes, invoices and credit notes once
// the file keeps receipts, and "Издаване на фискален бон ..." under it.
class FiscalMarks : public DocumentMarks {
public:
    FiscalMarks(Database& db, FiscalRegister& fiscal) : m_db(db), m_fiscal(fiscal) {}

    QString Title(DocumentKind kind) override;
    std::map<int, QString> Cells(DocumentKind kind) override;
    QString CommandCaption() const override;
    QString CommandHint() const override;
    void Mend(DocumentKind kind, int number) override;

private:
    Database& m_db;
    FiscalRegister& m_fiscal;
};
