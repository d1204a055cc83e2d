#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings of this computer, in the sections `Settings`
// (preferences) and `SessionData` (values remembered between runs). An absent
// value reads as its default; nothing is written until a setter is called.
class LocalSettings {
public:
    // The user's own settings file.
    LocalSettings();
    // A settings file at the given path (tests, other users).
    explicit LocalSettings(const QString& iniPath);

    QString FileName() const;

    // Section Settings, integers.
    int AutoSetPrintOrientation() const;
    void SetAutoSetPrintOrientation(int value);
    int NoStockNotePrices() const;
    void SetNoStockNotePrices(int value);
    int UseFocusColor() const;
    void SetUseFocusColor(int value);
    int ShowHiddenItems() const;
    void SetShowHiddenItems(int value);
    int ShowItemCostPrice() const;
    void SetShowItemCostPrice(int value);
    int AllowStockNotesWithoutCodes() const;
    void SetAllowStockNotesWithoutCodes(int value);
    int AllowInvoicesWithoutCodes() const;
    void SetAllowInvoicesWithoutCodes(int value);
    int EconomicPrintMode() const;
    void SetEconomicPrintMode(int value);
    int AutoCompleteNameMode() const;
    void SetAutoCompleteNameMode(int value);
    int AutoCompleteCompNameMode() const;
    void SetAutoCompleteCompNameMode(int value);
    int AutoSetLastVATReason() const;
    void SetAutoSetLastVATReason(int value);
    int DefaultSellOp() const;
    void SetDefaultSellOp(int value);
    int InvQttyPriceChanges() const;
    void SetInvQttyPriceChanges(int value);
    int RptQttysDoNotShowNegativeVals() const;
    void SetRptQttysDoNotShowNegativeVals(int value);
    int RptQttysShowOnlyCritical() const;
    void SetRptQttysShowOnlyCritical(int value);
    int RptQttysDoNotShowZeroVals() const;
    void SetRptQttysDoNotShowZeroVals(int value);
    int OrdersPrnLang() const;
    void SetOrdersPrnLang(int value);

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
    int CasePrnFld(CashPrintField field) const;
    void SetCasePrnFld(CashPrintField field, int value);

    // Section Settings, texts.
    QString CsvSeparator() const;
    void SetCsvSeparator(const QString& value);
    // The directory chosen for archives; empty while none was chosen (the
    // archives then go beside the database).
    QString BackupDir() const;
    void SetBackupDir(const QString& value);
    QString DBPath() const;
    void SetDBPath(const QString& value);
    QString HeadFileLocation() const;
    void SetHeadFileLocation(const QString& value);

    // Section SessionData, texts (all empty by default). Slots 1 to 5.
    QString UsrFavDate(int slot) const;
    void SetUsrFavDate(int slot, const QString& value);
    QString SuppliesLastAutoCompleteName() const;
    void SetSuppliesLastAutoCompleteName(const QString& value);
    QString RequestPreparedBy() const;
    void SetRequestPreparedBy(const QString& value);
    QString SellCity() const;
    void SetSellCity(const QString& value);
    QString SellObject() const;
    void SetSellObject(const QString& value);
    QString SellGivenBy() const;
    void SetSellGivenBy(const QString& value);
    QString LastVATReason() const;
    void SetLastVATReason(const QString& value);
    QString SellsLastAutoCompleteName() const;
    void SetSellsLastAutoCompleteName(const QString& value);
    QString SellsLastAutoCompleteCompName() const;
    void SetSellsLastAutoCompleteCompName(const QString& value);
    QString FirmDataName() const;
    void SetFirmDataName(const QString& value);
    QString FirmDataCity() const;
    void SetFirmDataCity(const QString& value);
    QString FirmDataAddress() const;
    void SetFirmDataAddress(const QString& value);
    QString FirmDataMOL() const;
    void SetFirmDataMOL(const QString& value);
    QString SessionHeadFileLocation() const;
    void SetSessionHeadFileLocation(const QString& value);
    // The column widths a user dragged in one list, as "120,80,...";
    // empty while the list keeps its own.
    QString ListColumnWidths(const QString& list) const;
    void SetListColumnWidths(const QString& list, const QString& widths);

    // Section FiscalDevice: the fiscal print server and device of this
    // computer, one text per key; the fallback while the key is absent.
    QString FiscalDevice(const QString& key, const QString& fallback = QString()) const;
    void SetFiscalDevice(const QString& key, const QString& value);

private:
    int Int(const char* section, const QString& name, int fallback) const;
    void SetInt(const char* section, const QString& name, int value);
    QString Text(const char* section, const QString& name, const QString& fallback = QString("")) const;
    void SetText(const char* section, const QString& name, const QString& value);

    std::unique_ptr<QSettings> m_settings;
};
