// The month reports read a year in one grouped statement. The statements a
// cell of the description are kept here as the reference: on a generated
// firm of several years, the rows, their order, every cell, the month sums
// and "ВСИЧКО:" must come out the same.
#include "reports/MonthGridReport.h"

#include "genfirm/GeneratedFirm.h"
#include "reports/ReferenceQueries.h"
#include "support/DatabaseTest.h"

namespace {

struct Grid {
    std::vector<QStringList> rows;
    QStringList bottom;
    QString total;
};

// "общо" of a row, the bottom list and "ВСИЧКО:", each the sum of the
// figures shown beside or above it, as a bookkeeper adds them up.
void addTotals(Grid& grid, int firstMonth) {
    for (QStringList& row : grid.rows)
        row << GridTotal(row.mid(firstMonth));
    long long year = 0;
    for (int m = 0; m < 12; ++m) {
        long long sum = 0;
        for (const QStringList& row : grid.rows)
            sum += GridCellCents(row[firstMonth + m]);
        year += sum;
        grid.bottom << GridCents(sum);
    }
    grid.bottom << GridCents(year);
    grid.total = GridCents(year) + " BGL ";
}

class MonthGridReportTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(GenerateFirm(*doc->GetDatabase(), 0.01));
    }
    ResultTable Read(const SqlStatement& statement) { return ReadAll(Db(), statement); }

    // One statement a customer and month.
    Grid CustomersReference(int year, const QString& search) {
        SqlStatement rows =
            "SELECT DISTINCT sm.partner_id, p.partner_name FROM stokovi_main AS sm LEFT JOIN (SELECT * "
            "FROM partners) AS p ON sm.partner_id = p.partner_id ";
        rows += sql(" WHERE (sm.doc_dt >= ? AND sm.doc_dt <= ?) ", QString("%1-01-01").arg(year), QString("%1-12-31").arg(year));
        if (!search.isEmpty())
            rows += sql(" AND (p.partner_name LIKE ?) ", LikeAnywhere(search));
        rows += " GROUP BY sm.partner_id, p.partner_name ORDER BY p.partner_name ASC;";
        Grid grid;
        const ResultTable customers = Read(rows);
        for (int r = 1; r <= customers.Rows(); ++r) {
            QStringList row{customers.Text(r, 0), customers.Text(r, 1)};
            for (int m = 1; m <= 12; ++m) {
                const ResultTable cell = Read(sql(
                    "SELECT ROUND(SUM(oblagaema_sum), 2) FROM stokovi_main WHERE (doc_dt >= ? AND "
                    "doc_dt <= ?) AND partner_id = ?;",
                    QString("%1-%2-01").arg(year).arg(m, 2, 10, QChar('0')),
                    QString("%1-%2-31").arg(year).arg(m, 2, 10, QChar('0')), customers.Int(r, 0)));
                row << GridCell(cell.Double(1, 0));
            }
            grid.rows.push_back(row);
        }
        addTotals(grid, 2);
        return grid;
    }

    // One statement an item and month; a month not above 0 shows "-" and
    // counts 0 in "общо".
    Grid ItemsReference(int year, const QString& search, const GroupFilter& filter) {
        const SqlStatement condition =
            search.isEmpty()
                ? SqlStatement()
                : sql("AND (si.item_code LIKE ? OR s.stock_name LIKE ? OR si.item_name LIKE "
                      "?)",
                      LikeAnywhere(search), LikeAnywhere(search), LikeAnywhere(search));
        const ResultTable items = Read(sql("SELECT si.item_code, MAX(s.stock_name) AS stock_name, "
                                           "MAX(s.stock_group) AS stock_group, MAX(g.name) AS group_name, "
                                           "MAX(s.is_hidden) AS is_hidden, MAX(si.item_name) AS item_name FROM "
                                           "stokovi_items AS "
                                           "si LEFT JOIN (SELECT code, stock_name, stock_group, is_hidden "
                                           "FROM stocks) AS s ON si.item_code = s.code "
                                           "LEFT JOIN (SELECT id, name FROM groups) AS g ON s.stock_group = "
                                           "g.id WHERE si.item_code IS NOT NULL AND "
                                           "(si.doc_dt >= ? AND si.doc_dt <= ?) %s GROUP "
                                           "BY si.item_code ORDER BY stock_name NULLS FIRST, "
                                           "item_name ASC;",
                                           QString("%1-01-01").arg(year), QString("%1-12-31").arg(year), condition));
        Grid grid;
        for (int r = 1; r <= items.Rows(); ++r) {
            if (items.Int(r, 4) == 1 ||
                (filter.Active() && (items.IsNull(r, 2) || !filter.Passes(items.Int(r, 2)))))
                continue;
            QStringList row{items.Text(r, 0), items.IsNull(r, 1) ? items.Text(r, 5) : items.Text(r, 1),
                            items.IsNull(r, 3) ? QString("ф-ри своб. текст") : items.Text(r, 3)};
            for (int m = 1; m <= 12; ++m) {
                const ResultTable lines =
                    Read(sql("SELECT stokovi_items.end_price, stokovi_main.discount FROM stokovi_items INNER JOIN "
                             "stokovi_main ON "
                             "stokovi_items.doc_id = stokovi_main.doc_id WHERE (stokovi_items.doc_dt >= "
                             "? AND "
                             "stokovi_items.doc_dt <= ?) AND stokovi_items.item_code = ?;",
                             QString("%1-%2-01").arg(year).arg(m, 2, 10, QChar('0')),
                    QString("%1-%2-31").arg(year).arg(m, 2, 10, QChar('0')), items.Text(r, 0)));
                double value = 0;
                for (int l = 1; l <= lines.Rows(); ++l)
                    value += lines.Double(l, 0) - lines.Double(l, 0) * lines.Double(l, 1) * 0.01;
                row << (value > 0 ? GridCell(value) : QString("-"));
            }
            grid.rows.push_back(row);
        }
        addTotals(grid, 3);
        return grid;
    }

    void ExpectSame(MonthGridReport& report, const Grid& reference, const std::string& what) {
        ASSERT_TRUE(report.Reload()) << what;
        ASSERT_EQ(report.Rows().size(), reference.rows.size()) << what;
        for (size_t k = 0; k < reference.rows.size(); ++k)
            ASSERT_EQ(report.Rows()[k], reference.rows[k]) << what << " row " << k;
        EXPECT_EQ(report.BottomRow(), reference.bottom) << what;
        EXPECT_EQ(report.YearTotalText(), reference.total) << what;
    }
};

TEST_F(MonthGridReportTest, ByCustomersEqualsAStatementACell) {
    TurnoverByMonthsAndCustomers report(Db(), prompter, clock, *settings);
    for (int year : {2015, 2016, 2020, 2025})
        for (const QString& search : {QString(), QString("партньор 1"), QString("Д'АРТ")}) {
            report.SetYear(year);
            report.Search().Set(search);
            ExpectSame(report, CustomersReference(year, search),
                       std::to_string(year) + " " + search.toStdString());
        }
    report.SetYear(2025);
    report.Search().Clear();
    ASSERT_TRUE(report.Reload());
    EXPECT_GT(report.Rows().size(), 5u); // the comparison above had rows to compare
    // A year without documents: nothing, zeros.
    report.SetYear(2015);
    report.Search().Clear();
    ASSERT_TRUE(report.Reload());
    EXPECT_TRUE(report.Rows().empty());
    EXPECT_EQ(report.YearTotalText(), "0.00 BGL ");
    EXPECT_EQ(report.BottomRow().size(), 13);
}

TEST_F(MonthGridReportTest, ByItemsEqualsAStatementACell) {
    TurnoverByMonthsAndItems report(Db(), prompter, clock, *settings);
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    GroupFilter none, some;
    some.SetTicked(tree, 1, true, false);
    some.SetTicked(tree, 3, true, false);
    for (int year : {2015, 2016, 2021, 2025})
        for (const QString& search : {QString(), QString("материал"), QString("О'Н")})
            for (const GroupFilter* filter : {&none, &some}) {
                report.SetYear(year);
                report.Search().Set(search);
                report.Filter() = *filter;
                ExpectSame(report, ItemsReference(year, search, *filter),
                           std::to_string(year) + " " + search.toStdString() +
                               (filter->Active() ? " groups" : ""));
            }
    // Hidden items appear only when asked for.
    report.SetYear(2025);
    report.Search().Clear();
    report.Filter().Clear();
    ASSERT_TRUE(report.Reload());
    const size_t shown = report.Rows().size();
    settings->SetShowHiddenItems(1);
    ASSERT_TRUE(report.Reload());
    EXPECT_GE(report.Rows().size(), shown);
}

} // namespace

namespace {

// A year across the changeover to euro: the leva months are given in euro,
// by document date, in both grids, and the year's total says "EUR".
TEST_F(DatabaseTest, MonthGridsOfAYearAcrossTheChangeoverAreInEuro) {
    ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Бета');"
                          "INSERT INTO stocks (code, stock_name) VALUES('A', 'Артикул');"
                          "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, discount) "
                          "VALUES(1, '2026-11-30', 1, 195.58, 0);"
                          "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, discount) "
                          "VALUES(2, '2026-12-10', 1, 10, 0);"
                          "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity, end_price) "
                          "VALUES(1, '2026-11-30', 'A', 1, 195.58);"
                          "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity, end_price) "
                          "VALUES(2, '2026-12-10', 'A', 1, 10);"
                          "INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                          "INSERT INTO settings VALUES('currency_changeover_dt', '2026-12-08') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"));
    TurnoverByMonthsAndCustomers customers(Db(), prompter, clock, *settings);
    ASSERT_TRUE(customers.Reload());
    ASSERT_EQ(customers.Rows().size(), 1u);
    EXPECT_EQ(customers.Rows()[0].mid(12), QStringList({"100.00", "10.00", "110.00"}));
    EXPECT_EQ(customers.YearTotalText(), "110.00 EUR ");
    EXPECT_FALSE(customers.CurrencyNote().isEmpty());

    TurnoverByMonthsAndItems items(Db(), prompter, clock, *settings);
    ASSERT_TRUE(items.Reload());
    ASSERT_EQ(items.Rows().size(), 1u);
    EXPECT_EQ(items.Rows()[0].mid(13), QStringList({"100.00", "10.00", "110.00"}));

    // The year before stays in leva as issued.
    customers.SetYear(2025);
    ASSERT_TRUE(customers.Reload());
    EXPECT_EQ(customers.YearTotalText(), "0.00 BGL ");
    EXPECT_TRUE(customers.CurrencyNote().isEmpty());
}

} // namespace
