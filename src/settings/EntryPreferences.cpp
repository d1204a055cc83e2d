#include "settings/EntryPreferences.h"

int EntryPreferences::AutoCompleteNameMode() const {
    return Int(kSettings, "AutoCompleteNameMode", 0);
}
void EntryPreferences::SetAutoCompleteNameMode(int value) {
    SetInt(kSettings, "AutoCompleteNameMode", value);
}
int EntryPreferences::AutoCompleteCompNameMode() const {
    return Int(kSettings, "AutoCompleteCompNameMode", 0);
}
void EntryPreferences::SetAutoCompleteCompNameMode(int value) {
    SetInt(kSettings, "AutoCompleteCompNameMode", value);
}
int EntryPreferences::AutoSetLastVATReason() const {
    return Int(kSettings, "AutoSetLastVATReason", 0);
}
void EntryPreferences::SetAutoSetLastVATReason(int value) {
    SetInt(kSettings, "AutoSetLastVATReason", value);
}
int EntryPreferences::DefaultSellOp() const {
    return Int(kSettings, "DefaultSellOp", 0);
}
void EntryPreferences::SetDefaultSellOp(int value) {
    SetInt(kSettings, "DefaultSellOp", value);
}
int EntryPreferences::InvQttyPriceChanges() const {
    return Int(kSettings, "InvQttyPriceChanges", 0);
}
void EntryPreferences::SetInvQttyPriceChanges(int value) {
    SetInt(kSettings, "InvQttyPriceChanges", value);
}
QString EntryPreferences::SuppliesLastAutoCompleteName() const {
    return Text(kSessionData, "SuppliesLastAutoCompleteName");
}
void EntryPreferences::SetSuppliesLastAutoCompleteName(const QString& value) {
    SetText(kSessionData, "SuppliesLastAutoCompleteName", value);
}
QString EntryPreferences::RequestPreparedBy() const {
    return Text(kSessionData, "RequestPreparedBy");
}
void EntryPreferences::SetRequestPreparedBy(const QString& value) {
    SetText(kSessionData, "RequestPreparedBy", value);
}
QString EntryPreferences::SellCity() const {
    return Text(kSessionData, "SellCity");
}
void EntryPreferences::SetSellCity(const QString& value) {
    SetText(kSessionData, "SellCity", value);
}
QString EntryPreferences::SellObject() const {
    return Text(kSessionData, "SellObject");
}
void EntryPreferences::SetSellObject(const QString& value) {
    SetText(kSessionData, "SellObject", value);
}
QString EntryPreferences::SellGivenBy() const {
    return Text(kSessionData, "SellGivenBy");
}
void EntryPreferences::SetSellGivenBy(const QString& value) {
    SetText(kSessionData, "SellGivenBy", value);
}
QString EntryPreferences::LastVATReason() const {
    return Text(kSessionData, "LastVATReason");
}
void EntryPreferences::SetLastVATReason(const QString& value) {
    SetText(kSessionData, "LastVATReason", value);
}
QString EntryPreferences::SellsLastAutoCompleteName() const {
    return Text(kSessionData, "SellsLastAutoCompleteName");
}
void EntryPreferences::SetSellsLastAutoCompleteName(const QString& value) {
    SetText(kSessionData, "SellsLastAutoCompleteName", value);
}
QString EntryPreferences::SellsLastAutoCompleteCompName() const {
    return Text(kSessionData, "SellsLastAutoCompleteCompName");
}
void EntryPreferences::SetSellsLastAutoCompleteCompName(const QString& value) {
    SetText(kSessionData, "SellsLastAutoCompleteCompName", value);
}
QString EntryPreferences::FirmDataName() const {
    return Text(kSessionData, "FirmDataName");
}
void EntryPreferences::SetFirmDataName(const QString& value) {
    SetText(kSessionData, "FirmDataName", value);
}
QString EntryPreferences::FirmDataCity() const {
    return Text(kSessionData, "FirmDataCity");
}
void EntryPreferences::SetFirmDataCity(const QString& value) {
    SetText(kSessionData, "FirmDataCity", value);
}
QString EntryPreferences::FirmDataAddress() const {
    return Text(kSessionData, "FirmDataAddress");
}
void EntryPreferences::SetFirmDataAddress(const QString& value) {
    SetText(kSessionData, "FirmDataAddress", value);
}
QString EntryPreferences::FirmDataMOL() const {
    return Text(kSessionData, "FirmDataMOL");
}
void EntryPreferences::SetFirmDataMOL(const QString& value) {
    SetText(kSessionData, "FirmDataMOL", value);
}
