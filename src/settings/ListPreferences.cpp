#include "settings/ListPreferences.h"

int ListPreferences::UseFocusColor() const {
    return Int(kSettings, "UseFocusColor", 1);
}
void ListPreferences::SetUseFocusColor(int value) {
    SetInt(kSettings, "UseFocusColor", value);
}
int ListPreferences::ShowHiddenItems() const {
    return Int(kSettings, "ShowHiddenItems", 0);
}
void ListPreferences::SetShowHiddenItems(int value) {
    SetInt(kSettings, "ShowHiddenItems", value);
}
int ListPreferences::ShowItemCostPrice() const {
    return Int(kSettings, "ShowItemCostPrice", 0);
}
void ListPreferences::SetShowItemCostPrice(int value) {
    SetInt(kSettings, "ShowItemCostPrice", value);
}
int ListPreferences::RptQttysDoNotShowNegativeVals() const {
    return Int(kSettings, "RptQttysDoNotShowNegativeVals", 1);
}
void ListPreferences::SetRptQttysDoNotShowNegativeVals(int value) {
    SetInt(kSettings, "RptQttysDoNotShowNegativeVals", value);
}
int ListPreferences::RptQttysShowOnlyCritical() const {
    return Int(kSettings, "RptQttysShowOnlyCritical", 0);
}
void ListPreferences::SetRptQttysShowOnlyCritical(int value) {
    SetInt(kSettings, "RptQttysShowOnlyCritical", value);
}
int ListPreferences::RptQttysDoNotShowZeroVals() const {
    return Int(kSettings, "RptQttysDoNotShowZeroVals", 1);
}
void ListPreferences::SetRptQttysDoNotShowZeroVals(int value) {
    SetInt(kSettings, "RptQttysDoNotShowZeroVals", value);
}
QString ListPreferences::CsvSeparator() const {
    // An empty value is as good as none: fields must stay apart.
    const QString separator = Text(kSettings, "CsvSeparator", ";");
    return separator.isEmpty() ? QString(";") : separator;
}
void ListPreferences::SetCsvSeparator(const QString& value) {
    SetText(kSettings, "CsvSeparator", value);
}
QString ListPreferences::UsrFavDate(int slot) const {
    return Text(kSessionData, QString("UsrFavDate%1").arg(slot));
}
void ListPreferences::SetUsrFavDate(int slot, const QString& value) {
    SetText(kSessionData, QString("UsrFavDate%1").arg(slot), value);
}
QString ListPreferences::ListColumnWidths(const QString& list) const {
    return Text(kSessionData, "ListWidths_" + list);
}
void ListPreferences::SetListColumnWidths(const QString& list, const QString& widths) {
    SetText(kSessionData, "ListWidths_" + list, widths);
}
