#include "settings/PrintPreferences.h"

namespace {
const char* cashPrintFieldName(PrintPreferences::CashPrintField field) {
    static const char* const names[] = {
        "CasePrnFldOpID",      "CasePrnFldOpType",      "CasePrnFldOpDocID",
        "CasePrnFldOpDate",    "CasePrnFldOpPayDate",   "CasePrnFldOpDescription",
        "CasePrnFldOpPartner", "CasePrnFldOpTotal",     "CasePrnFldOpPaid",
        "CasePrnFldOpUnpaid",  "CasePrnFldOpOsnovanie", "CasePrnFldOpPaymentMethod"};
    return names[static_cast<int>(field)];
}
} // namespace

int PrintPreferences::AutoSetPrintOrientation() const {
    return Int(kSettings, "AutoSetPrintOrientation", 1);
}
void PrintPreferences::SetAutoSetPrintOrientation(int value) {
    SetInt(kSettings, "AutoSetPrintOrientation", value);
}
int PrintPreferences::NoStockNotePrices() const {
    return Int(kSettings, "NoStockNotePrices", 0);
}
void PrintPreferences::SetNoStockNotePrices(int value) {
    SetInt(kSettings, "NoStockNotePrices", value);
}
int PrintPreferences::AllowStockNotesWithoutCodes() const {
    return Int(kSettings, "AllowStockNotesWithoutCodes", 0);
}
void PrintPreferences::SetAllowStockNotesWithoutCodes(int value) {
    SetInt(kSettings, "AllowStockNotesWithoutCodes", value);
}
int PrintPreferences::AllowInvoicesWithoutCodes() const {
    return Int(kSettings, "AllowInvoicesWithoutCodes", 0);
}
void PrintPreferences::SetAllowInvoicesWithoutCodes(int value) {
    SetInt(kSettings, "AllowInvoicesWithoutCodes", value);
}
int PrintPreferences::EconomicPrintMode() const {
    return Int(kSettings, "EconomicPrintMode", 0);
}
void PrintPreferences::SetEconomicPrintMode(int value) {
    SetInt(kSettings, "EconomicPrintMode", value);
}
int PrintPreferences::OrdersPrnLang() const {
    return Int(kSettings, "OrdersPrnLang", 0);
}
void PrintPreferences::SetOrdersPrnLang(int value) {
    SetInt(kSettings, "OrdersPrnLang", value);
}
int PrintPreferences::CasePrnFld(CashPrintField field) const {
    return Int(kSettings, cashPrintFieldName(field), 1);
}
void PrintPreferences::SetCasePrnFld(CashPrintField field, int value) {
    SetInt(kSettings, cashPrintFieldName(field), value);
}
