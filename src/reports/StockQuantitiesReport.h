#pragma once

#include "lists/ListColumn.h"
#include "masterdata/SharedRollUps.h"
#include "reports/Report.h"

#include <QHash>
#include <memory>

class ListPreferences;

// "НАЛИЧНОСТИ и ВЛОЖЕНИ СРЕДСТВА": every stocked item with its quantity, unit
// cost, cost value and values at the two selling prices, under the three
// options of the settings menu.
class StockQuantitiesReport : public Report {
public:
    StockQuantitiesReport(Database& db, Prompter& prompter, const Clock& clock, ListPreferences& settings);

    static std::vector<ListColumn> Columns();
    std::vector<int> SumColumns() const override { return {6, 7, 8}; }
    // "ОБЩО К-ВО:" and "СТОЙНОСТ:" as "%.2f ".
    QString TotalQuantityText() const { return QString::asprintf("%.2f ", m_totalQuantity); }
    QString TotalValueText() const { return QString::asprintf("%.2f ", m_totalValue); }
    double TotalValue() const { return m_totalValue; }
    std::vector<std::pair<QString, QString>> TotalFields() const override {
        return {{"ОБЩО К-ВО:", TotalQuantityText()}, {"СТОЙНОСТ:", TotalValueText()}};
    }

    // The settings menu's items flip their option; the next reload uses it.
    void ToggleOnlyCritical();
    void ToggleHideZero();
    void ToggleHideNegative();

    SqlStatement Statement() override;

protected:
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    QString GroupName(int id);

    ListPreferences& m_settings;
    QHash<int, QString> m_groupNames;
    // The roll-ups of one reload, committed together when it ends.
    std::unique_ptr<SharedRollUps> m_rollUps;
    double m_totalQuantity = 0;
    double m_totalValue = 0;
};
