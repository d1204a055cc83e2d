#pragma once

#include "settings/SettingsFile.h"

// How lists and reports show on this computer: hidden items and costs, the
// focus colour, the stock report's filters, the CSV separator, the favourite
// periods and the column widths a user dragged.
class ListPreferences : public virtual SettingsFile {
public:
    int UseFocusColor() const;
    void SetUseFocusColor(int value);
    int ShowHiddenItems() const;
    void SetShowHiddenItems(int value);
    int ShowItemCostPrice() const;
    void SetShowItemCostPrice(int value);
    int RptQttysDoNotShowNegativeVals() const;
    void SetRptQttysDoNotShowNegativeVals(int value);
    int RptQttysShowOnlyCritical() const;
    void SetRptQttysShowOnlyCritical(int value);
    int RptQttysDoNotShowZeroVals() const;
    void SetRptQttysDoNotShowZeroVals(int value);
    QString CsvSeparator() const;
    void SetCsvSeparator(const QString& value);
    // The favourite periods, slots 1 to 5 (empty by default).
    QString UsrFavDate(int slot) const;
    void SetUsrFavDate(int slot, const QString& value);
    // The column widths a user dragged in one list, as "120,80,...";
    // empty while the list keeps its own.
    QString ListColumnWidths(const QString& list) const;
    void SetListColumnWidths(const QString& list, const QString& widths);
};
