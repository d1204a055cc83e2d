#include "sales/fiscal/FiscalMarks.h"

#include "sales/fiscal/FiscalReceiptStore.h"
#include "sales/fiscal/FiscalRegister.h"

namespace {
bool hasReceipts(DocumentKind kind) {
    return kind == DocumentKind::GoodsNotes || kind == DocumentKind::Invoices ||
           kind == DocumentKind::CreditNotes;
}

SaleFamily familyOf(DocumentKind kind) {
    return kind == DocumentKind::GoodsNotes ? SaleFamily::GoodsNotes : SaleFamily::Invoices;
}
} // namespace

QString FiscalMarks::Title(DocumentKind kind) {
    return hasReceipts(kind) && FiscalReceiptStore(m_db).Exists() ? QString("фискален бон") : QString();
}

std::map<int, QString> FiscalMarks::Cells(DocumentKind kind) {
    std::map<int, QString> cells;
    for (const auto& [number, receipt] : FiscalReceiptStore(m_db).OfFamily(familyOf(kind)))
        cells[number] =
            receipt.state == FiscalReceipt::Printed ? receipt.receiptNumber : QString("без фискален бон");
    return cells;
}

QString FiscalMarks::CommandCaption() const {
    return "Издаване на фискален бон ...";
}

QString FiscalMarks::CommandHint() const {
    return "Издава фискалния бон на избрания документ или го издава отново";
}

void FiscalMarks::Mend(DocumentKind kind, int number) {
    m_fiscal.IssueFor(familyOf(kind), number, kind == DocumentKind::CreditNotes);
}
