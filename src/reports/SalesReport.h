#pragma once

#include "lists/ListColumn.h"
#include "reports/Report.h"

#include <QDate>
#include <QHash>
#include <set>

// The conditions of the sales report, as its filter dialog keeps them.
struct SalesFilter {
    QDate from;
    QDate to;
    bool invoices = false;        // "издадени фактури" instead of goods notes
    bool notInvoicedOnly = false; // "без фактура" (goods notes only)
    std::set<int> priceKinds{0, 1, 2, 3, 4, 5};
    bool merged = true;         // "обобщена"
    std::vector<int> customers; // none: every customer
};

// "СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ": every sold line of the goods notes or
// invoices of a period, or the lines merged per item, with discount, VAT,
// total and cost.
class SalesReport : public Report {
public:
    SalesReport(Database& db, Prompter& prompter, const Clock& clock);

    SalesFilter& Conditions() { return m_filter; }
    static std::vector<ListColumn> Columns();
    // The width column k has under the current conditions (0: hidden).
    int ColumnWidth(int k) const;
    std::vector<int> SumColumns() const override { return {6, 8, 12}; }

    // The six totals, each as its field shows it.
    QString CostText() const;
    QString ValueText() const { return QString::asprintf("%.2f ", m_value); }
    QString DiscountText() const { return QString::asprintf("%.2f ", m_discount); }
    QString TaxableText() const { return QString::asprintf("%.2f ", m_total - m_vat); }
    QString VatText() const { return QString::asprintf("%.2f ", m_vat); }
    QString TotalText() const { return QString::asprintf("%.2f ", m_total); }
    std::vector<std::pair<QString, QString>> TotalFields() const override {
        return {{"СЕБЕСТ:", CostText()},    {"СУМА:", ValueText()}, {"Т.О.:", DiscountText()},
                {"ОБЛАГ.:", TaxableText()}, {"ДДС:", VatText()},    {"ВСИЧКО:", TotalText()}};
    }

    // What a double-click on a cell opens: the preview of a document (a goods
    // note or an invoice by its number), a column sum, or nothing.
    struct Click {
        enum class Action { None, PreviewGoodsNote, PreviewInvoice, ColumnSum } action = Action::None;
        int number = 0;
    };
    Click ClickAt(int row, int column) const;

    SqlStatement Statement() override;

    // The customers of the filter's list whose names contain the text.
    static std::vector<std::pair<int, QString>> Customers(Database& db, const QString& nameSearch);
    // The window title after a reload, by the data source.
    QString WindowTitle() const;

protected:
    bool MayLoad() const override { return !m_filter.priceKinds.empty(); }
    bool BeforeRows() override;
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    struct Entry {
        QString code, name, group, units;
        double quantity = 0, price = 0, value = 0, discount = 0, vat = 0, total = 0, cost = 0;
        bool mergedLines = false;
    };
    bool ShowsInvoiceColumn() const;
    QStringList MergedCells(const Entry& entry) const;

    SalesFilter m_filter;
    int m_precision = 2;
    std::vector<Entry> m_entries;
    QHash<QString, size_t> m_entryIndex; // merge key to entry
    double m_cost = 0, m_value = 0, m_discount = 0, m_vat = 0, m_total = 0;
};
