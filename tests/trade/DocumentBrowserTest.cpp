#include "trade/DocumentBrowser.h"

#include "support/DatabaseTest.h"

namespace {

class DocumentBrowserTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Д''Артанян ООД');"
            "INSERT INTO partners (partner_id, partner_name) VALUES(2, 'Бета');"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, total_sum) VALUES(12, '2026-11-02', 1, "
            "10);"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, total_sum) VALUES(112, '2026-12-01', 2, "
            "20);"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, total_sum) VALUES(1200, '2026-12-05', 1, "
            "30);"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, total_sum) VALUES(5, '2026-12-06', 2, "
            "-7.5);"
            "INSERT INTO stokovi_partners (doc_id, partner_name) VALUES(12, 'Д''Артанян ООД');"
            "INSERT INTO stokovi_partners (doc_id, partner_name) VALUES(112, 'Бета');"
            "INSERT INTO stokovi_partners (doc_id, partner_name) VALUES(1200, 'Д''Артанян ООД');"
            "INSERT INTO stokovi_partners (doc_id, partner_name) VALUES(5, 'Фирма 12');"
            "INSERT INTO stokovi_items (doc_id, doc_dt, invoiced) VALUES(12, '2026-11-02', 0);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, invoiced) VALUES(12, '2026-11-02', 0);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, invoiced) VALUES(112, '2026-12-01', 1);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, invoiced) VALUES(1200, '2026-12-05', 0);"
            "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, total_sum, doc_type) VALUES(1, "
            "'2026-12-01', 1, "
            "100, 0);"
            "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, total_sum, doc_type) VALUES(2, "
            "'2026-12-02', 1, "
            "-40, 2);"
            "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, total_sum, doc_type) VALUES(3, "
            "'2026-12-03', 2, "
            "5, 1);"
            "INSERT INTO invoices_partners (doc_id, partner_name) VALUES(1, 'Д''Артанян ООД');"
            "INSERT INTO invoices_partners (doc_id, partner_name) VALUES(2, 'Д''Артанян ООД');"
            "INSERT INTO invoices_partners (doc_id, partner_name) VALUES(3, 'Бета');"
            "INSERT INTO proforms_main (doc_id, total_sum) VALUES(4, 44);"
            "INSERT INTO proforms_partners (doc_id, doc_dt, partner_name) VALUES(4, '2026-12-04', 'Бета');"
            "INSERT INTO supplies_main (doc_id, doc_dt, total_sum, invoice_no) VALUES(8, '2026-12-02', 80, "
            "'F-0099');"
            "INSERT INTO supplies_partners (doc_id, doc_dt, partner_name) VALUES(8, '2026-12-02', "
            "'Доставчик');"
            "INSERT INTO offers (doc_id, doc_dt, to_person) VALUES(3, '2026-12-01', 'Г-н Петров');"
            "INSERT INTO revisions VALUES(6, '2026-12-01', 'годишна ''ревизия''');"
            "INSERT INTO production_cmp (doc_id, doc_dt, quantity, produced_by) VALUES(7, '2026-12-01', 2, "
            "'Иван');"
            "INSERT INTO production_cmp (doc_id, doc_dt, quantity, produced_by) VALUES(7, '2026-12-01', 3.5, "
            "'Иван');"
            "INSERT INTO requests_main (doc_id, doc_dt, partner_name) VALUES(9, '2026-12-01', 'Доставчик');"
            "INSERT INTO gk_main (doc_id, doc_dt, customer_id, customer_name, received_by) VALUES(11, "
            "'2026-12-01', 1, 'Д''Артанян ООД', '');"
            "INSERT INTO gk_items (doc_id, doc_dt, customer_id, seq_id, item_code, item_name, item_units, "
            "item_serial) VALUES(11, '2026-12-01', 1, 1, 'A', 'Б', 'бр.', 'SN-''42''');"));
    }
    QStringList Numbers(DocumentBrowser& browser) {
        EXPECT_TRUE(browser.Reload()) << browser.Statement().text.constData();
        QStringList numbers;
        for (const auto& row : browser.Rows())
            numbers << QString::number(row.number);
        return numbers;
    }
};

// A number or a name containing the text, oldest first (each row goes to
// the top of the list), and the red of a negative amount.
TEST_F(DocumentBrowserTest, GoodsNotesAreFoundByNumberOrCustomer) {
    DocumentBrowser notes(Db(), DocumentKind::GoodsNotes, 0);
    EXPECT_EQ(Numbers(notes), (QStringList{"12", "112", "1200", "5"}));
    EXPECT_EQ(notes.Rows()[0].cells, (QStringList{"0000000012", "02.11.2026", "Д'Артанян ООД", "10.00"}));
    EXPECT_TRUE(notes.Rows()[3].negative);
    notes.Search().Set("12");
    EXPECT_EQ(Numbers(notes), (QStringList{"12", "112", "1200", "5"})); // 5's customer is "Фирма 12"
    notes.Search().Set("д'арт");
    EXPECT_EQ(Numbers(notes), (QStringList{"12", "1200"}));
    notes.SetPeriod(true, QDate(2026, 12, 1), QDate(2026, 12, 31));
    EXPECT_EQ(Numbers(notes), QStringList{"1200"});
    notes.Search().Clear();
    EXPECT_EQ(Numbers(notes), (QStringList{"112", "1200", "5"}));

    DocumentBrowser ofCustomer(Db(), DocumentKind::GoodsNotes, 2);
    ofCustomer.Search().Set("1");
    ofCustomer.SetPeriod(true, QDate(2026, 1, 1), QDate(2026, 12, 31));
    EXPECT_EQ(Numbers(ofCustomer), (QStringList{"112", "5"})); // 5's customer "Фирма 12" has a "1"
    EXPECT_TRUE(ofCustomer.Statement().text.contains(" WHERE (sm.partner_id = ?)  AND (" +
                                                     Db().Dialect().LikeCondition("CAST(sm.doc_id AS TEXT)").text));
}

// Every kind lists, with every filter on and an apostrophe in the search.
TEST_F(DocumentBrowserTest, EveryKindListsWithEveryFilterOn) {
    struct Case {
        DocumentKind kind;
        int partner;
        const char* search;
        QStringList all;
        QStringList found;
    };
    const Case cases[] = {
        {DocumentKind::Deliveries, 0, "0099", {"8"}, {"8"}},
        {DocumentKind::GoodsNotesNotInvoiced, 0, "д'арт", {"12", "1200"}, {"12", "1200"}},
        {DocumentKind::Invoices, 1, "д'арт", {"1"}, {"1"}},
        {DocumentKind::Proformas, 0, "бета", {"4"}, {"4"}},
        {DocumentKind::Offers, 0, "петров", {"3"}, {"3"}},
        {DocumentKind::Stocktakings, 0, "6", {"6"}, {"6"}},
        {DocumentKind::Production, 0, "иван", {"7"}, {"7"}},
        {DocumentKind::Requests, 0, "доставчик", {"9"}, {"9"}},
        {DocumentKind::CustomerLinesNotInvoiced,
         1,
         "12",
         {"1200", "12"},
         {"1200", "12"}}, // oldest first by its query
        {DocumentKind::WarrantyCards, 0, "д'арт", {"11"}, {"11"}},
        {DocumentKind::DebitNotes, 2, "бета", {"3"}, {"3"}},
        {DocumentKind::CreditNotes, 1, "'", {"2"}, {"2"}},
    };
    for (const Case& c : cases) {
        DocumentBrowser browser(Db(), c.kind, c.partner);
        EXPECT_EQ(Numbers(browser), c.all) << "kind " << static_cast<int>(c.kind);
        browser.Search().Set(QString::fromUtf8(c.search));
        browser.SetPeriod(true, QDate(2026, 11, 1), QDate(2026, 12, 31));
        EXPECT_EQ(Numbers(browser), c.found) << "kind " << static_cast<int>(c.kind);
        browser.SetPeriod(true, QDate(2020, 1, 1), QDate(2020, 12, 31));
        EXPECT_TRUE(Numbers(browser).isEmpty()) << "kind " << static_cast<int>(c.kind);
    }
    EXPECT_EQ(prompter.Count(), 0); // no statement failed
}

TEST_F(DocumentBrowserTest, TheRowsOfEachKindAndWhatIsChosen) {
    DocumentBrowser production(Db(), DocumentKind::Production, 0);
    ASSERT_TRUE(production.Reload());
    EXPECT_EQ(production.Rows()[0].cells, (QStringList{"0000000007", "01.12.2026", "Иван", "5.500"}));
    DocumentBrowser stocktakings(Db(), DocumentKind::Stocktakings, 0);
    ASSERT_TRUE(stocktakings.Reload());
    const auto note = stocktakings.Choose({0}, prompter);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->note, "годишна 'ревизия'");
    EXPECT_EQ(note->date, QDate(2026, 12, 1));
    DocumentBrowser deliveries(Db(), DocumentKind::Deliveries, 0);
    ASSERT_TRUE(deliveries.Reload());
    EXPECT_EQ(deliveries.Rows()[0].cells,
              (QStringList{"0000000008", "02.12.2026", "Доставчик", "80.00", "F-0099"}));
    EXPECT_EQ(DocumentBrowser::Columns(DocumentKind::Deliveries).size(), 5u);

    DocumentBrowser cards(Db(), DocumentKind::WarrantyCards, 0);
    cards.SearchSerial(true);
    cards.Search().Set("'42'");
    EXPECT_EQ(Numbers(cards), QStringList{"11"});

    DocumentBrowser lines(Db(), DocumentKind::CustomerLinesNotInvoiced, 1);
    EXPECT_TRUE(lines.MultipleSelection());
    ASSERT_TRUE(lines.Reload());
    const auto both = lines.Choose({0, 1}, prompter);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->numbers, (std::vector<int>{lines.Rows()[0].number, lines.Rows()[1].number}));

    EXPECT_FALSE(lines.Choose({}, prompter));
    EXPECT_EQ(prompter.Texts().last(), "Необходимо е да изберете запис от списъка!");
}

} // namespace
