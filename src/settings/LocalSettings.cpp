#include "settings/LocalSettings.h"

#include "base/AppInfo.h"

#include <QDir>

namespace {
constexpr const char* kSettings = "Settings";
constexpr const char* kSessionData = "SessionData";
constexpr const char* kFiscalDevice = "FiscalDevice";

const char* cashPrintFieldName(LocalSettings::CashPrintField field) {
    static const char* const names[] = {
        "CasePrnFldOpID",      "CasePrnFldOpType",      "CasePrnFldOpDocID",
        "CasePrnFldOpDate",    "CasePrnFldOpPayDate",   "CasePrnFldOpDescription",
        "CasePrnFldOpPartner", "CasePrnFldOpTotal",     "CasePrnFldOpPaid",
        "CasePrnFldOpUnpaid",  "CasePrnFldOpOsnovanie", "CasePrnFldOpPaymentMethod"};
    return names[static_cast<int>(field)];
}
} // namespace

LocalSettings::LocalSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             AppInfo::kSettingsOrganization, AppInfo::kSettingsApplication)) {
}

LocalSettings::LocalSettings(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString LocalSettings::FileName() const {
    return m_settings->fileName();
}

int LocalSettings::Int(const char* section, const QString& name, int fallback) const {
    const QVariant value = m_settings->value(QString(section) + "/" + name);
    return value.isValid() ? value.toInt() : fallback;
}

void LocalSettings::SetInt(const char* section, const QString& name, int value) {
    m_settings->setValue(QString(section) + "/" + name, value);
    m_settings->sync();
}

QString LocalSettings::Text(const char* section, const QString& name, const QString& fallback) const {
    const QVariant value = m_settings->value(QString(section) + "/" + name);
    return value.isValid() ? value.toString() : fallback;
}

void LocalSettings::SetText(const char* section, const QString& name, const QString& value) {
    m_settings->setValue(QString(section) + "/" + name, value);
    m_settings->sync();
}

int LocalSettings::AutoSetPrintOrientation() const {
    return Int(kSettings, "AutoSetPrintOrientation", 1);
}
void LocalSettings::SetAutoSetPrintOrientation(int value) {
    SetInt(kSettings, "AutoSetPrintOrientation", value);
}
int LocalSettings::NoStockNotePrices() const {
    return Int(kSettings, "NoStockNotePrices", 0);
}
void LocalSettings::SetNoStockNotePrices(int value) {
    SetInt(kSettings, "NoStockNotePrices", value);
}
int LocalSettings::UseFocusColor() const {
    return Int(kSettings, "UseFocusColor", 1);
}
void LocalSettings::SetUseFocusColor(int value) {
    SetInt(kSettings, "UseFocusColor", value);
}
int LocalSettings::ShowHiddenItems() const {
    return Int(kSettings, "ShowHiddenItems", 0);
}
void LocalSettings::SetShowHiddenItems(int value) {
    SetInt(kSettings, "ShowHiddenItems", value);
}
int LocalSettings::ShowItemCostPrice() const {
    return Int(kSettings, "ShowItemCostPrice", 0);
}
void LocalSettings::SetShowItemCostPrice(int value) {
    SetInt(kSettings, "ShowItemCostPrice", value);
}
int LocalSettings::AllowStockNotesWithoutCodes() const {
    return Int(kSettings, "AllowStockNotesWithoutCodes", 0);
}
void LocalSettings::SetAllowStockNotesWithoutCodes(int value) {
    SetInt(kSettings, "AllowStockNotesWithoutCodes", value);
}
int LocalSettings::AllowInvoicesWithoutCodes() const {
    return Int(kSettings, "AllowInvoicesWithoutCodes", 0);
}
void LocalSettings::SetAllowInvoicesWithoutCodes(int value) {
    SetInt(kSettings, "AllowInvoicesWithoutCodes", value);
}
int LocalSettings::EconomicPrintMode() const {
    return Int(kSettings, "EconomicPrintMode", 0);
}
void LocalSettings::SetEconomicPrintMode(int value) {
    SetInt(kSettings, "EconomicPrintMode", value);
}
int LocalSettings::AutoCompleteNameMode() const {
    return Int(kSettings, "AutoCompleteNameMode", 0);
}
void LocalSettings::SetAutoCompleteNameMode(int value) {
    SetInt(kSettings, "AutoCompleteNameMode", value);
}
int LocalSettings::AutoCompleteCompNameMode() const {
    return Int(kSettings, "AutoCompleteCompNameMode", 0);
}
void LocalSettings::SetAutoCompleteCompNameMode(int value) {
    SetInt(kSettings, "AutoCompleteCompNameMode", value);
}
int LocalSettings::AutoSetLastVATReason() const {
    return Int(kSettings, "AutoSetLastVATReason", 0);
}
void LocalSettings::SetAutoSetLastVATReason(int value) {
    SetInt(kSettings, "AutoSetLastVATReason", value);
}
int LocalSettings::DefaultSellOp() const {
    return Int(kSettings, "DefaultSellOp", 0);
}
void LocalSettings::SetDefaultSellOp(int value) {
    SetInt(kSettings, "DefaultSellOp", value);
}
int LocalSettings::InvQttyPriceChanges() const {
    return Int(kSettings, "InvQttyPriceChanges", 0);
}
void LocalSettings::SetInvQttyPriceChanges(int value) {
    SetInt(kSettings, "InvQttyPriceChanges", value);
}
int LocalSettings::RptQttysDoNotShowNegativeVals() const {
    return Int(kSettings, "RptQttysDoNotShowNegativeVals", 1);
}
void LocalSettings::SetRptQttysDoNotShowNegativeVals(int value) {
    SetInt(kSettings, "RptQttysDoNotShowNegativeVals", value);
}
int LocalSettings::RptQttysShowOnlyCritical() const {
    return Int(kSettings, "RptQttysShowOnlyCritical", 0);
}
void LocalSettings::SetRptQttysShowOnlyCritical(int value) {
    SetInt(kSettings, "RptQttysShowOnlyCritical", value);
}
int LocalSettings::RptQttysDoNotShowZeroVals() const {
    return Int(kSettings, "RptQttysDoNotShowZeroVals", 1);
}
void LocalSettings::SetRptQttysDoNotShowZeroVals(int value) {
    SetInt(kSettings, "RptQttysDoNotShowZeroVals", value);
}
int LocalSettings::OrdersPrnLang() const {
    return Int(kSettings, "OrdersPrnLang", 0);
}
void LocalSettings::SetOrdersPrnLang(int value) {
    SetInt(kSettings, "OrdersPrnLang", value);
}

int LocalSettings::CasePrnFld(CashPrintField field) const {
    return Int(kSettings, cashPrintFieldName(field), 1);
}
void LocalSettings::SetCasePrnFld(CashPrintField field, int value) {
    SetInt(kSettings, cashPrintFieldName(field), value);
}

QString LocalSettings::CsvSeparator() const {
    // An empty value is as good as none: fields must stay apart.
    const QString separator = Text(kSettings, "CsvSeparator", ";");
    return separator.isEmpty() ? QString(";") : separator;
}
void LocalSettings::SetCsvSeparator(const QString& value) {
    SetText(kSettings, "CsvSeparator", value);
}
QString LocalSettings::BackupDir() const {
    return Text(kSettings, "BackupDir", QString());
}
void LocalSettings::SetBackupDir(const QString& value) {
    SetText(kSettings, "BackupDir", value);
}
QString LocalSettings::DBPath() const {
    return Text(kSettings, "DBPath");
}
void LocalSettings::SetDBPath(const QString& value) {
    SetText(kSettings, "DBPath", value);
}
QString LocalSettings::HeadFileLocation() const {
    return Text(kSettings, "HeadFileLocation", "./head.bmp");
}
void LocalSettings::SetHeadFileLocation(const QString& value) {
    SetText(kSettings, "HeadFileLocation", value);
}

QString LocalSettings::UsrFavDate(int slot) const {
    return Text(kSessionData, QString("UsrFavDate%1").arg(slot));
}
void LocalSettings::SetUsrFavDate(int slot, const QString& value) {
    SetText(kSessionData, QString("UsrFavDate%1").arg(slot), value);
}
QString LocalSettings::SuppliesLastAutoCompleteName() const {
    return Text(kSessionData, "SuppliesLastAutoCompleteName");
}
void LocalSettings::SetSuppliesLastAutoCompleteName(const QString& value) {
    SetText(kSessionData, "SuppliesLastAutoCompleteName", value);
}
QString LocalSettings::RequestPreparedBy() const {
    return Text(kSessionData, "RequestPreparedBy");
}
void LocalSettings::SetRequestPreparedBy(const QString& value) {
    SetText(kSessionData, "RequestPreparedBy", value);
}
QString LocalSettings::SellCity() const {
    return Text(kSessionData, "SellCity");
}
void LocalSettings::SetSellCity(const QString& value) {
    SetText(kSessionData, "SellCity", value);
}
QString LocalSettings::SellObject() const {
    return Text(kSessionData, "SellObject");
}
void LocalSettings::SetSellObject(const QString& value) {
    SetText(kSessionData, "SellObject", value);
}
QString LocalSettings::SellGivenBy() const {
    return Text(kSessionData, "SellGivenBy");
}
void LocalSettings::SetSellGivenBy(const QString& value) {
    SetText(kSessionData, "SellGivenBy", value);
}
QString LocalSettings::LastVATReason() const {
    return Text(kSessionData, "LastVATReason");
}
void LocalSettings::SetLastVATReason(const QString& value) {
    SetText(kSessionData, "LastVATReason", value);
}
QString LocalSettings::SellsLastAutoCompleteName() const {
    return Text(kSessionData, "SellsLastAutoCompleteName");
}
void LocalSettings::SetSellsLastAutoCompleteName(const QString& value) {
    SetText(kSessionData, "SellsLastAutoCompleteName", value);
}
QString LocalSettings::SellsLastAutoCompleteCompName() const {
    return Text(kSessionData, "SellsLastAutoCompleteCompName");
}
void LocalSettings::SetSellsLastAutoCompleteCompName(const QString& value) {
    SetText(kSessionData, "SellsLastAutoCompleteCompName", value);
}
QString LocalSettings::FirmDataName() const {
    return Text(kSessionData, "FirmDataName");
}
void LocalSettings::SetFirmDataName(const QString& value) {
    SetText(kSessionData, "FirmDataName", value);
}
QString LocalSettings::FirmDataCity() const {
    return Text(kSessionData, "FirmDataCity");
}
void LocalSettings::SetFirmDataCity(const QString& value) {
    SetText(kSessionData, "FirmDataCity", value);
}
QString LocalSettings::FirmDataAddress() const {
    return Text(kSessionData, "FirmDataAddress");
}
void LocalSettings::SetFirmDataAddress(const QString& value) {
    SetText(kSessionData, "FirmDataAddress", value);
}
QString LocalSettings::FirmDataMOL() const {
    return Text(kSessionData, "FirmDataMOL");
}
void LocalSettings::SetFirmDataMOL(const QString& value) {
    SetText(kSessionData, "FirmDataMOL", value);
}
QString LocalSettings::SessionHeadFileLocation() const {
    return Text(kSessionData, "HeadFileLocation");
}
void LocalSettings::SetSessionHeadFileLocation(const QString& value) {
    SetText(kSessionData, "HeadFileLocation", value);
}

QString LocalSettings::ListColumnWidths(const QString& list) const {
    return Text(kSessionData, "ListWidths_" + list);
}
void LocalSettings::SetListColumnWidths(const QString& list, const QString& widths) {
    SetText(kSessionData, "ListWidths_" + list, widths);
}

QString LocalSettings::FiscalDevice(const QString& key, const QString& fallback) const {
    return Text(kFiscalDevice, key, fallback);
}
void LocalSettings::SetFiscalDevice(const QString& key, const QString& value) {
    SetText(kFiscalDevice, key, value);
}
