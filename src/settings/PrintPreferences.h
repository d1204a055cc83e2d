#pragma once

#include "settings/SettingsFile.h"

// How this computer prints: page orientation, economic mode, what a goods
// note or invoice shows, the request's language and the cash register's
// printed columns.
class PrintPreferences : public virtual SettingsFile {
public:
    // The columns printed with the cash register list, all on by default.
    enum class CashPrintField {
        OpID,
        OpType,
        OpDocID,
        OpDate,
        OpPayDate,
        OpDescription,
        OpPartner,
        OpTotal,
        OpPaid,
        OpUnpaid,
        OpOsnovanie,
        OpPaymentMethod
    };

    int AutoSetPrintOrientation() const;
    void SetAutoSetPrintOrientation(int value);
    int NoStockNotePrices() const;
    void SetNoStockNotePrices(int value);
    int AllowStockNotesWithoutCodes() const;
    void SetAllowStockNotesWithoutCodes(int value);
    int AllowInvoicesWithoutCodes() const;
    void SetAllowInvoicesWithoutCodes(int value);
    int EconomicPrintMode() const;
    void SetEconomicPrintMode(int value);
    int OrdersPrnLang() const;
    void SetOrdersPrnLang(int value);
    int CasePrnFld(CashPrintField field) const;
    void SetCasePrnFld(CashPrintField field, int value);
};
