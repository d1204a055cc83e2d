// The profit reports read a year in one pass; the description's statements
// a cell are the reference, on the generated firm and on a small one.
#include "reports/ProfitReports.h"

#include "genfirm/GeneratedFirm.h"
#include "masterdata/CostPrices.h"
#include "reports/ReferenceQueries.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

#include <QHash>

namespace {

class ProfitReportsTest : public DatabaseTest {
protected:
    ResultTable Read(const SqlStatement& statement) { return ReadAll(Db(), statement); }
    QHash<QString, double> Costs(const SqlStatement& statement) {
        QHash<QString, double> costs;
        const ResultTable codes = Read(statement);
        for (int r = 1; r <= codes.Rows(); ++r)
            costs.insert(codes.Text(r, 0), GetItemCostPrice(Db(), codes.Text(r, 0)));
        return costs;
    }

    std::vector<QStringList> CustomersReference(int year, const QString& search) {
        const QHash<QString, double> costs = Costs("SELECT code FROM stocks");
        SqlStatement rows =
            "SELECT DISTINCT sm.partner_id, p.partner_name FROM stokovi_main AS sm LEFT JOIN (SELECT * "
            "FROM partners) AS p ON sm.partner_id = p.partner_id ";
        rows += sql(" WHERE (sm.doc_dt >= ? AND sm.doc_dt <= ?) ", QString("%1-01-01").arg(year), QString("%1-12-31").arg(year));
        if (!search.isEmpty())
            rows += sql(" AND (p.partner_name LIKE ?) ", LikeAnywhere(search));
        rows += " GROUP BY sm.partner_id, p.partner_name ORDER BY p.partner_name ASC;";
        std::vector<QStringList> out;
        const ResultTable customers = Read(rows);
        for (int r = 1; r <= customers.Rows(); ++r) {
            QStringList row{customers.Text(r, 0), customers.Text(r, 1)};
            for (int m = 1; m <= 12; ++m) {
                const QString from = QString::asprintf("%d-%.2d-01", year, m),
                              to = QString::asprintf("%d-%.2d-31", year, m);
                const double net = Read(sql("SELECT ROUND(SUM(oblagaema_sum), 2) FROM stokovi_main WHERE "
                                            "(doc_dt >= ? AND "
                                            "doc_dt <= ?) AND partner_id = ?;",
                                            QString("%1-%2-01").arg(year).arg(m, 2, 10, QChar('0')),
                    QString("%1-%2-31").arg(year).arg(m, 2, 10, QChar('0')), customers.Int(r, 0)))
                                       .Double(1, 0);
                const ResultTable items = Read(sql(
                    "SELECT DISTINCT sm.partner_id, si.item_code, SUM(si.quantity) FROM stokovi_main AS sm "
                    "INNER JOIN (SELECT * FROM stokovi_items WHERE doc_dt >= ? AND doc_dt <= ?) AS si "
                    "ON "
                    "si.doc_id = sm.doc_id WHERE sm.doc_dt >= ? AND sm.doc_dt <= ? AND sm.partner_id = "
                    "? GROUP BY sm.partner_id, si.item_code",
                    from, to, from, to, customers.Int(r, 0)));
                double cost = 0;
                for (int i = 1; i <= items.Rows(); ++i)
                    if (items.Double(i, 2) != 0)
                        cost += items.Double(i, 2) * costs.value(items.Text(i, 1), 0);
                row << GridCell(net - cost);
            }
            row << GridTotal(row.mid(2));
            out.push_back(row);
        }
        return out;
    }

    std::vector<QStringList> ItemsReference(int year, const QString& search, const GroupFilter& filter) {
        const QHash<QString, double> costs = Costs("SELECT item_code FROM stokovi_items GROUP BY item_code;");
        const ResultTable items = Read(sql(
            "SELECT si.item_code, MAX(si.item_name) AS item_name, MAX(si.item_group) AS item_group, MAX(g.name) "
            "AS group_name FROM stokovi_items AS si LEFT JOIN "
            "(SELECT id, "
            "name FROM groups) AS g ON si.item_group = g.id WHERE (si.doc_dt >= ? AND si.doc_dt <= "
            "?) AND (si.item_code LIKE ? OR si.item_name LIKE ?) GROUP BY "
            "si.item_code ORDER "
            "BY item_name ASC;",
            QString("%1-01-01").arg(year), QString("%1-12-31").arg(year), LikeAnywhere(search), LikeAnywhere(search)));
        std::vector<QStringList> out;
        for (int r = 1; r <= items.Rows(); ++r) {
            if (filter.Active() && !filter.Passes(items.Int(r, 2)))
                continue;
            const QString code = items.Text(r, 0);
            QStringList row{code, items.Text(r, 1),
                            items.IsNull(r, 3) ? QString("ф-ри св. текст") : items.Text(r, 3)};
            for (int m = 1; m <= 12; ++m) {
                const ResultTable lines = Read(sql(
                    "SELECT si.end_price, sm.discount, si.quantity FROM stokovi_items AS si INNER JOIN "
                    "(SELECT "
                    "doc_id, discount FROM stokovi_main) AS sm ON si.doc_id = sm.doc_id WHERE (si.doc_dt >= "
                    "? AND si.doc_dt <= ?) AND si.item_code = ?;",
                    QString("%1-%2-01").arg(year).arg(m, 2, 10, QChar('0')),
                    QString("%1-%2-31").arg(year).arg(m, 2, 10, QChar('0')), code));
                double profit = 0;
                for (int l = 1; l <= lines.Rows(); ++l)
                    profit += lines.Double(l, 0) - lines.Double(l, 0) * lines.Double(l, 1) * 0.01 -
                              lines.Double(l, 2) * costs.value(code, 0);
                row << GridCell(profit);
            }
            row << GridTotal(row.mid(3));
            out.push_back(row);
        }
        return out;
    }
};

TEST_F(ProfitReportsTest, BothEqualAStatementACellOnTheGeneratedFirm) {
    ASSERT_TRUE(GenerateFirm(*doc->GetDatabase(), 0.01));
    ProfitByCustomers customers(Db(), prompter, clock, *settings);
    ProfitByItems items(Db(), prompter, clock, *settings);
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    GroupFilter some;
    some.SetTicked(tree, 2, true, false);
    for (int year : {2015, 2017, 2025}) {
        for (const QString& search : {QString(), QString("Д'АРТ")}) {
            customers.SetYear(year);
            customers.Search().Set(search);
            ASSERT_TRUE(customers.Reload());
            EXPECT_EQ(customers.Rows(), CustomersReference(year, search)) << year << search.toStdString();
        }
        for (const QString& search : {QString(), QString("о'н")})
            for (const GroupFilter& filter : {GroupFilter(), some}) {
                items.SetYear(year);
                items.Search().Set(search);
                items.Filter() = filter;
                ASSERT_TRUE(items.Reload());
                EXPECT_EQ(items.Rows(), ItemsReference(year, search, filter)) << year << search.toStdString();
            }
    }
    customers.SetYear(2025);
    customers.Search().Clear();
    ASSERT_TRUE(customers.Reload());
    EXPECT_GT(customers.Rows().size(), 5u);
}

TEST_F(ProfitReportsTest, ProfitsLossesTodaysCostsAndDeletedItems) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Алфа');"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, discount, oblagaema_sum) VALUES(1, '2025-03-05', 1, 0, 100);"
        "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, quantity, end_price) VALUES(1, '2025-03-05', 1, 'G1', 'Брава', 0, 10, 100);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, discount, oblagaema_sum) VALUES(2, '2025-04-05', 1, 0, 50);"
        "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, quantity, end_price) VALUES(2, '2025-04-05', 1, 'G1', 'Брава', 0, 10, 50);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, discount, oblagaema_sum) VALUES(3, '2025-05-05', 1, 0, 30);"
        "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, quantity, end_price) VALUES(3, '2025-05-05', 1, 'X9', 'Изтрит', 0, 1, 30);"));
    ASSERT_TRUE(AddStocks(Db(), {StockRow("G1", "Брава").Group(0).Cost(6)}));
    ProfitByCustomers customers(Db(), prompter, clock, *settings);
    customers.SetYear(2025);
    ASSERT_TRUE(customers.Reload());
    ASSERT_EQ(customers.Rows().size(), 1u);
    const QStringList& row = customers.Rows()[0];
    EXPECT_EQ(row.mid(4, 3),
              QStringList({"40.00", "-10.00", "30.00"})); // March, April at a loss, May costed 0
    EXPECT_EQ(row.last(), "60.00");
    EXPECT_EQ(customers.YearTotalText(), "60.00 BGL ");
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET cost_price = 5 WHERE code = 'G1';"));
    ASSERT_TRUE(customers.Reload());
    EXPECT_EQ(customers.Rows()[0].mid(4, 2), QStringList({"50.00", "-"}));

    ProfitByItems items(Db(), prompter, clock, *settings);
    items.SetYear(2025);
    ASSERT_TRUE(items.Reload());
    ASSERT_EQ(items.Rows().size(), 2u);
    EXPECT_EQ(items.Rows()[0], QStringList({"G1", "Брава", "ф-ри св. текст", "-", "-", "50.00", "-", "-", "-",
                                            "-", "-", "-", "-", "-", "-", "50.00"}));
    EXPECT_EQ(items.Rows()[1][7], "30.00"); // May, an item no longer in the catalogue costed 0
}

} // namespace
