#pragma once

#include "lists/ListColumn.h"
#include "reports/Report.h"

#include <QDate>

class DocumentChooser;
class ListPreferences;

// "СРАВНИТЕЛНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ И МАТЕРИАЛИ": per item, what
// came in (delivered, produced) and went out (consumed, sold) in a period,
// and the quantity that results, starting from the counts of a chosen
// stocktaking or, without one, the quantity in stock.
class StockMovementReport : public Report {
public:
    StockMovementReport(Database& db, Prompter& prompter, const Clock& clock, ListPreferences& settings);

    static std::vector<ListColumn> Columns();
    std::vector<int> SumColumns() const override { return {4, 5, 6, 7, 8, 9, 10}; }

    // The conditions of "филтър - обобщена справка".
    struct Conditions {
        QDate from;
        QDate to;
        int stocktaking = 0; // 0: none
        QDate stocktakingDate;
        bool goods = true; // with materials
        bool products = true;
        bool services = true;
    };
    const Conditions& Chosen() const { return m_conditions; }
    void SetConditions(const Conditions& conditions) { m_conditions = conditions; }
    // "Ревизии ...": a stocktaking chosen in the document browser becomes
    // the opening balance; on Yes the period starts on its date.
    static bool ChooseStocktaking(DocumentChooser& documents, Prompter& prompter, Conditions& conditions);
    // "%s / %s" of the chosen stocktaking; empty without one.
    static QString StocktakingText(const Conditions& conditions);

    SqlStatement Statement() override;

protected:
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;

private:
    ListPreferences& m_settings;
    Conditions m_conditions;
};
