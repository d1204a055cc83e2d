#include "db/WriteTransaction.h"
#include "format/DocNumber.h"
#include "sales/SaleTestBase.h"
#include "support/FailureInjector.h"

namespace {

TEST(SaleTotals, EachStepIsRoundedAsTheScreenShowsIt) {
    std::vector<SaleLine> lines(1);
    lines[0].value = 33.33;
    SaleTotals t = ComputeSaleTotals(lines, 10, true, 20, Currency::BGN);
    EXPECT_DOUBLE_EQ(t.allSum, 33.33);
    EXPECT_DOUBLE_EQ(t.discountSum, 3.33);
    EXPECT_DOUBLE_EQ(t.base, 30.00);
    EXPECT_DOUBLE_EQ(t.vat, 6.00);
    EXPECT_DOUBLE_EQ(t.total, 36.00);
    EXPECT_EQ(t.words, "тридесет и шест лева");

    t = ComputeSaleTotals(lines, 0, false, 20, Currency::BGN); // no VAT: the total is the base
    EXPECT_DOUBLE_EQ(t.vat, 0);
    EXPECT_DOUBLE_EQ(t.total, 33.33);

    // Lines of half a cent round each line first: 0.005 is 0.01.
    EXPECT_DOUBLE_EQ(SaleLine::ValueOf(1, 0.005), 0.01);
    std::vector<SaleLine> halves(3);
    for (SaleLine& line : halves)
        line.value = SaleLine::ValueOf(1, 0.005);
    EXPECT_DOUBLE_EQ(ComputeSaleTotals(halves, 0, false, 0, Currency::BGN).allSum, 0.03);
}

using SellFormTest = SaleTest;

TEST_F(SellFormTest, TheFormStartsWithTheDefaultOperationAndItsNextNumber) {
    form->Start();
    EXPECT_EQ(form->Op(), SaleOp::GoodsNote);
    EXPECT_EQ(form->NumberText(), "0000000001");
    EXPECT_EQ(form->Caption(), "ДОКУМЕНТ: СТОКОВА РАЗПИСКА");
    EXPECT_EQ(form->Header().osnovanie, "продажба");
    EXPECT_EQ(form->Header().docDate, clock.now.date());
    EXPECT_EQ(form->Firm().name, "Тарво ООД");
    EXPECT_EQ(form->Firm().vatRate, 20);

    ASSERT_TRUE(Db().Exec("INSERT INTO invoices_main (doc_id, doc_type) VALUES(41, 1);"
                          "INSERT INTO invoices_main (doc_id, doc_type) VALUES(-3, 0);"));
    settings->SetDefaultSellOp(1);
    settings->SetSellCity("Русе");
    settings->SetAutoCompleteCompNameMode(1);
    settings->SetSellsLastAutoCompleteCompName("Мария");
    form->Start();
    EXPECT_EQ(form->Op(), SaleOp::InvoiceWithNote);
    EXPECT_EQ(form->NumberText(), "0000000042"); // notes share the invoices' numbers
    EXPECT_EQ(form->Caption(), "ДОКУМЕНТ: ФАКТУРА + СТ. РАЗПИСКА");
    EXPECT_EQ(form->Header().place, "Русе");
    EXPECT_EQ(form->Header().compiledBy, "Мария");

    // An eleventh digit is refused: the rightmost ten stay.
    EXPECT_EQ(form->SetNumberText("00000001234"), "0000001234");
    EXPECT_EQ(form->Header().docId, 1234);
    EXPECT_EQ(prompter.Texts().last(),
              "Грешка: задали сте номер на документ, който превишава ограничението от 10 цифри.");
}

TEST_F(SellFormTest, LinesTakeTheCustomersPriceKindAndCodes) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 2);
    ASSERT_EQ(lines.shown.size(), 1u);
    EXPECT_EQ(lines.shown[0].start.kind, 1);
    EXPECT_DOUBLE_EQ(lines.shown[0].start.price, 2.5);
    const SaleLine& line = form->Lines()[0];
    EXPECT_EQ(line.seq, 1);
    EXPECT_EQ(line.visCode, "К-77");
    EXPECT_DOUBLE_EQ(line.value, 5);
    EXPECT_EQ(items.masks, std::vector<ItemKinds>{ItemKinds::All()});

    // The customer's own price falls back to price #1 while there is none.
    ASSERT_EQ(lines.kinds.size(), 1u);
    EXPECT_EQ(lines.kinds[0][5].kind, 1);
    EXPECT_DOUBLE_EQ(lines.kinds[0][0].price, 1.2);
    EXPECT_DOUBLE_EQ(lines.kinds[0][4].price, 1.1);
    EXPECT_TRUE(lines.kinds[0][3].editable);
    EXPECT_EQ(SaleLinePricing::StartKind(9), 0);
    EXPECT_EQ(SaleLinePricing::Label(4), "посл. доставна:");

    // A quantity of 0 is refused and asked again; a typed price is kept.
    lines.replies.push_back({0, 3, 4.444});
    lines.replies.push_back({3, 3, 4.444});
    items.codes.push_back("M1");
    ASSERT_TRUE(form->AddLine(items, lines));
    EXPECT_EQ(prompter.Texts().last(), "Количеството трябва да бъде положително число!");
    EXPECT_DOUBLE_EQ(form->Lines()[1].price, 4.44);
    EXPECT_DOUBLE_EQ(form->Lines()[1].value, 13.32);
    EXPECT_DOUBLE_EQ(form->Totals().allSum, 18.32);

    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->DeleteLines({0}));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(form->DeleteLines({0}));
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете това?");
    ASSERT_EQ(form->Lines().size(), 1u);
    EXPECT_DOUBLE_EQ(form->Totals().allSum, 13.32);

    EXPECT_FALSE(form->SetDiscount(-5));
    EXPECT_FALSE(form->SetDiscount(100.5));
    EXPECT_TRUE(form->SetDiscount(10));
    EXPECT_DOUBLE_EQ(form->Totals().discountSum, 1.33);
}

// A new operation on a document with lines asks first; No keeps it.
TEST_F(SellFormTest, UnsavedLinesAreNotLostWithoutAsking) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 1);
    EXPECT_TRUE(form->HasUnsavedChanges());
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->NewOperation(SaleOp::Proforma, documents));
    EXPECT_EQ(form->Op(), SaleOp::GoodsNote);
    EXPECT_EQ(form->Lines().size(), 1u);
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(form->NewOperation(SaleOp::Proforma, documents));
    EXPECT_TRUE(form->Lines().empty());
    EXPECT_EQ(form->Caption(), "ДОКУМЕНТ: ФАКТУРА - ПРОФОРМА");
}

TEST_F(SellFormTest, TheChecksBeforeASaveComeInOrder) {
    ASSERT_TRUE(form->NewOperation(SaleOp::GoodsNote, documents));
    details.edits.push_back([](SaleDetails& d) { d.compiledBy = ""; });
    EXPECT_FALSE(Save());
    details.edits.clear();
    EXPECT_EQ(prompter.Texts().last(), "Не е въведено името на лицето, което е съставило документа.");
    EXPECT_EQ(prompter.Boxes().back().icon, MessageIcon::Stop);

    details.edits.push_back([](SaleDetails& d) { d.compiledBy = "Съставил"; });
    ASSERT_TRUE(form->EditDetails(details));
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Не са въведени артикули по тази операция.");
    Add("G1", 1);
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Моля, изберете клиент!");
    EXPECT_EQ(form->RefusedAt(), SellForm::Fix::Customer);
    partners.ids.push_back(1);
    ASSERT_TRUE(form->ChooseCustomer(partners));
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Моля, укажете името на лицето, което е предало стоките!");
    // The refusal sends the clerk to the details, which open in the field it names.
    EXPECT_EQ(form->RefusedAt(), SellForm::Fix::Details);
    details.edits.push_back([](SaleDetails& d) { d.givenBy = "Предал"; });
    ASSERT_TRUE(form->EditDetails(details));
    EXPECT_EQ(details.focused, SaleDetails::Field::GivenBy);
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Моля, укажете името на лицето, което е приело стоките!");
    details.edits.push_back([](SaleDetails& d) {
        d.receivedBy = "Приел";
        d.place = "";
    });
    ASSERT_TRUE(form->EditDetails(details));
    // A missing place is asked about; No still saves nothing.
    prompter.Expect(Answer::No);
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(),
              "Не е указано място на извършване на сделката. Желаете ли да го попълните сега?");
    const int opened = details.opened;
    prompter.Expect(Answer::Yes);
    details.edits.push_back([](SaleDetails& d) { d.place = "Русе"; });
    EXPECT_FALSE(Save()); // Yes opens the details, and the save still ends
    EXPECT_EQ(details.opened, opened + 1);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");

    // The details dialog has its own checks: a bank transfer needs an account.
    details.edits.push_back([](SaleDetails& d) { d.payBy = 1; });
    EXPECT_FALSE(form->EditDetails(details));
    EXPECT_EQ(prompter.Texts().last(),
              "Избрали сте плащане с платежно нареждане, но не сте избрали банкова сметка!");
    EXPECT_EQ(details.refused, SaleDetails::Field::Account);
    EXPECT_EQ(details.focused, SaleDetails::Field::None); // a plain F5 opens at the first field
}

TEST_F(SellFormTest, AGoodsNoteIsStoredWholeWithItsStockAndMaterials) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 2);
    Add("P1", 1.5);
    Add("S1", 2);
    ASSERT_TRUE(form->SetDiscount(10));
    const SaleTotals screen = form->Totals();
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Texts().mid(prompter.Count() - 2),
              QStringList({"Продажбата беше успешно обработена и съхранена.", kPrintQuestion}));
    EXPECT_TRUE(printer.printed.empty()); // answered No
    EXPECT_FALSE(form->IsNew());
    EXPECT_EQ(settings->LastVATReason(), "чл. 1");

    // The header stores the screen's figures: 5 + 30 + 60 = 95, -9.50, 85.50, 17.10, 102.60.
    EXPECT_DOUBLE_EQ(screen.total, 102.6);
    EXPECT_EQ(
        Scalar("SELECT doc_id || '|' || doc_dt || '|' || all_sum || '|' || discount_sum || '|' || "
               "oblagaema_sum || '|' || vat_sum || '|' || total_sum || '|' || invoiced || '|' || doc_type || "
               "'|' || slovom FROM stokovi_main;"),
        "1|2026-12-08|95|9.5|85.5|17.1|102.6|0|0|сто и два лева и 60 ст.");
    EXPECT_EQ(Scalar("SELECT partner_name || '|' || partner_address FROM stokovi_partners;"),
              "Д'Артанян ООД|ул. \"Първа\" 1");
    EXPECT_EQ(
        Scalar("SELECT firm_name || '|' || firm_vat_reg || '|' || firm_vat_value FROM stokovi_firmdata;"),
        "Тарво ООД|1|20");
    EXPECT_EQ(
        Scalar("SELECT group_concat(item_code || ':' || item_group || ':' || quantity || ':' || price || ':' "
               "|| end_price || ':' || vis_code || ':' || cost_price, ' ') FROM (SELECT * FROM stokovi_items "
               "ORDER BY seq_id) AS t;"),
        "G1:1:2:2.5:5:К-77:1.2 P1:1:1.5:20:30::3.3 S1:1:2:30:60::0");
    // Plain goods go down by their quantity; the product by its recipe:
    // M1 2 x 1.1 = 2.2 a piece, 3.3 in all; G1 1 a piece, 1.5 in all.
    EXPECT_EQ(Stock("G1"), "6.5");
    EXPECT_EQ(Stock("M1"), "96.7");
    EXPECT_EQ(Stock("P1"), "3.0");
    EXPECT_EQ(
        Scalar(
            "SELECT group_concat(doc_id || ':' || customer_id || ':' || group_id || ':' || part_of_code || "
            "':' || code || ':' || quantity || ':' || price || ':' || total, ' ') FROM (SELECT * FROM "
            "soldmat "
            "ORDER BY code) AS t;"),
        "1:1:1:P1:G1:1.5:1.2:1.8 1:1:2:P1:M1:3.3:0.5:1.65");
}

TEST_F(SellFormTest, AnInvoiceWritesItsGoodsNoteUnderTheNextGoodsNoteNumber) {
    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id) VALUES(7);"));
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 1);
    Add("P1", 1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(
        Scalar(
            "SELECT doc_id || '|' || doc_type || '|' || total_sum || '|' || to_invoice FROM invoices_main;"),
        "1|0|27|0");
    EXPECT_EQ(
        Scalar(
            "SELECT invoiced || '|' || invoice_id || '|' || total_sum FROM stokovi_main WHERE doc_id = 8;"),
        "1|1|27");
    EXPECT_EQ(
        Scalar("SELECT COUNT(*) || '|' || MIN(invoiced) || '|' || MIN(invoice_id) FROM stokovi_items WHERE "
               "doc_id = 8;"),
        "2|1|1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_items WHERE doc_id = 1;"), "2");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_partners WHERE doc_id = 1;"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_firmdata WHERE doc_id = 8;"), "1");
    // The materials are recorded under the goods note that moved them.
    EXPECT_EQ(Scalar("SELECT DISTINCT doc_id FROM soldmat;"), "8");
    EXPECT_EQ(Stock("G1"), "8.0");
}

TEST_F(SellFormTest, AProformaMovesNoStock) {
    Begin(SaleOp::Proforma);
    Add("G1", 20); // more than there is: a pro-forma takes nothing
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT doc_id || '|' || invoiced || '|' || total_sum FROM proforms_main;"), "1|0|60");
    EXPECT_EQ(Scalar("SELECT item_code || '|' || quantity || '|' || end_price FROM proforms_items;"),
              "G1|20|50");
    EXPECT_EQ(Stock("G1"), "10.0");
}

// A credit note stores every figure negative, brings plain goods and the
// materials of products back, and loads back positive.
TEST_F(SellFormTest, ACreditNoteIsStoredNegativeAndLoadsBackPositive) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, doc_type) VALUES(5, '2026-11-30', 1, "
        "0);"));
    documents.choices.push_back({5, "30.11.2026", QDate(2026, 11, 30), QString(), {}});
    Begin(SaleOp::CreditNote);
    EXPECT_EQ(documents.kinds, std::vector<int>{3});
    EXPECT_EQ(form->Caption(), "ДОКУМЕНТ: КРЕДИТНО ИЗВЕСТИЕ КЪМ Ф-РА № 0000000005 / 30.11.2026");
    EXPECT_EQ(form->NumberText(), "0000000006");
    Add("G1", 2, 3, 5.125); // a typed price
    Add("P1", 1);
    freeText.lines.push_back({"X'1", "Отстъпка \"лоялност\"", "бр.", 1, 3});
    ASSERT_TRUE(form->AddFreeTextLine(freeText));
    ASSERT_TRUE(Save());
    EXPECT_EQ(
        Scalar("SELECT doc_type || '|' || all_sum || '|' || vat_sum || '|' || total_sum || '|' || to_invoice "
               "|| '|' || to_invoice_dt FROM invoices_main WHERE doc_id = 6;"),
        "2|-33.26|-6.65|-39.91|5|2026-11-30");
    EXPECT_EQ(Scalar("SELECT doc_type || '|' || total_sum || '|' || invoice_id FROM stokovi_main;"),
              "2|-39.91|6");
    EXPECT_EQ(
        Scalar("SELECT group_concat(quantity || ':' || price || ':' || end_price || ':' || item_group, ' ') "
               "FROM (SELECT * FROM invoices_items ORDER BY seq_id) AS t;"),
        "-2:-5.13:-10.26:1 -1:-20:-20:1 -1:-3:-3:0");
    EXPECT_EQ(Stock("G1"), "13.0");  // 2 back, and 1 from the product
    EXPECT_EQ(Stock("M1"), "102.2"); // 2.2 back
    EXPECT_EQ(
        Scalar(
            "SELECT group_concat(code || ':' || quantity || ':' || total, ' ') FROM (SELECT * FROM soldmat "
            "ORDER BY code) AS t;"),
        "G1:-1:-1.2 M1:-2.2:-1.1");

    documents.choices.push_back({6, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    ASSERT_TRUE(form->Load(DocumentKind::CreditNotes, documents));
    EXPECT_EQ(prompter.Texts().last(), "Документът 0000000006 беше зареден успешно.");
    EXPECT_EQ(form->Op(), SaleOp::CreditNote);
    EXPECT_FALSE(form->IsNew());
    ASSERT_EQ(form->Lines().size(), 3u);
    EXPECT_DOUBLE_EQ(form->Lines()[0].quantity, 2);
    EXPECT_DOUBLE_EQ(form->Lines()[0].price, 5.13);
    EXPECT_DOUBLE_EQ(form->Lines()[0].value, 10.26);
    EXPECT_TRUE(form->Lines()[2].freeText);
    EXPECT_DOUBLE_EQ(form->Totals().total, 39.91);
    EXPECT_EQ(form->Totals().words, "тридесет и девет лева и 91 ст.");
    EXPECT_EQ(form->Customer().name, "Д'Артанян ООД");
}

TEST_F(SellFormTest, ADebitNoteSellsLikeAGoodsNote) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO invoices_main (doc_id, doc_dt, doc_type) VALUES(5, '2026-11-30', 0);"));
    documents.choices.push_back({5, "30.11.2026", QDate(2026, 11, 30), QString(), {}});
    Begin(SaleOp::DebitNote);
    Add("G1", 1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT doc_type || '|' || total_sum FROM invoices_main WHERE doc_id = 6;"), "1|3");
    EXPECT_EQ(Stock("G1"), "9.0");
}

// Sold goods the stock cannot cover are refused whole: the needs of one item
// are summed over the lines, also when a product uses it.
TEST_F(SellFormTest, ShortStockIsRefusedOverTheWholeDocument) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 6);
    Add("G1", 5); // 11 of 10
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(),
              "Не можете да завършите операцията, защото не разполагате с достатъчна "
              "наличност\nот артикула с номенклатурен код G1.");
    EXPECT_EQ(Stock("G1"), "10.0");
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteLines({1}));
    Add("P1", 5); // 6 + 5 x 1 of the product's G1
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(),
              "Не можете да завършите операцията, защото не разполагате с достатъчна "
              "наличност\nот артикула с номенклатурен код G1.");
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteLines({0}));
    Add("P1", 45); // the material: 45 x 2.2 = 99 of 100, and G1: 5 + 45 = 50
    EXPECT_FALSE(Save());
    EXPECT_EQ(
        prompter.Texts().last(),
        "Не можете да завършите операцията, защото не разполагате с достатъчна наличност\nот материала с "
        "номенклатурен код G1,\nнеобходим за извършване на услугата с код P1.");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");

    // Selling below zero is the firm's choice.
    ASSERT_TRUE(Db().Exec("INSERT INTO settings VALUES('sells_on_zero', 1) ON CONFLICT (key_name) DO UPDATE "
                          "SET key_value = excluded.key_value;"));
    ASSERT_TRUE(Save());
    EXPECT_EQ(Stock("G1"), "-40.0");
}

TEST_F(SellFormTest, ATakenNumberIsRefusedAndAStoredDocumentIsSavedAgain) {
    Begin(SaleOp::GoodsNote);
    Add("P1", 1);
    ASSERT_TRUE(Save());
    Begin(SaleOp::GoodsNote);
    form->SetNumberText("1");
    Add("G1", 1);
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Грешка: вече има стокова разписка с този номер.");
    EXPECT_EQ(Stock("G1"), "9.0"); // only the product's share of the first

    // A stored goods note saved again rewrites its header and moves its materials' date.
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    prompter.Expect(Answer::Yes); // the unsaved line
    ASSERT_TRUE(form->Load(DocumentKind::GoodsNotes, documents));
    form->SetDate(QDate(2026, 12, 1));
    details.edits.push_back([](SaleDetails& d) { d.receivedBy = "Друг 'приел'"; });
    ASSERT_TRUE(form->EditDetails(details));
    const int boxes = prompter.Count();
    ASSERT_TRUE(Save());
    // No success message for a stored document, only the print question.
    EXPECT_EQ(prompter.Texts().mid(boxes), QStringList({kPrintQuestion}));
    EXPECT_EQ(Scalar("SELECT doc_dt || '|' || received_by FROM stokovi_main;"), "2026-12-01|Друг 'приел'");
    EXPECT_EQ(Scalar("SELECT DISTINCT doc_dt FROM soldmat;"), "2026-12-01");
    EXPECT_EQ(Scalar("SELECT DISTINCT doc_dt FROM stokovi_items;"), "2026-12-01");
    EXPECT_EQ(Stock("G1"), "9.0"); // lines and stock stay
}

// A failure half-way through the save leaves every row and quantity as it was.
TEST_F(SellFormTest, AFailureHalfWayWritesNothing) {
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 1);
    Add("P1", 2);
    {
        FailureInjector fail(doc->GetDatabase(), SQLITE_INSERT, "soldmat", 1);
        EXPECT_FALSE(Save());
        EXPECT_EQ(fail.Refused(), 1);
    }
    EXPECT_TRUE(form->IsNew());
    for (const char* table : {"stokovi_main", "stokovi_items", "stokovi_partners", "invoices_main",
                              "invoices_items", "invoices_firmdata", "soldmat"})
        EXPECT_EQ(Scalar(QByteArray("SELECT COUNT(*) FROM ") + table + ";"), "0") << table;
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_EQ(Stock("M1"), "100.0");
    ASSERT_TRUE(Save()); // the document is still there to be saved
    EXPECT_EQ(Stock("G1"), "7.0");
}

// A later feature appends its own statements to the save: when they fail,
// nothing of the document is written; when they succeed, they see its numbers.
TEST_F(SellFormTest, AnAppendedGroupIsPartOfTheSameChange) {
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 1);
    int seenNumber = 0, seenNote = 0;
    double seenTotal = 0;
    form->AddSaveGroup([&](WriteTransaction& t, SaleSaveContext& c) {
        seenNumber = c.number;
        seenNote = c.goodsNoteNumber;
        seenTotal = c.totals.total;
        return t.Exec("INSERT INTO no_such_table VALUES(1);");
    });
    EXPECT_FALSE(Save());
    EXPECT_EQ(seenNumber, 1);
    EXPECT_EQ(seenNote, 1);
    EXPECT_DOUBLE_EQ(seenTotal, 3);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_main;"), "0");
    EXPECT_EQ(Stock("G1"), "10.0");
}

// The server goes away in the middle of a save: the seat is told, nothing of
// the document is stored, the form keeps it, and the same save goes through
// once the connection is back.
TEST_F(SellFormTest, AServerLostHalfWayThroughASaveKeepsTheFormAndSavesAgain) {
    if (!OnServer())
        GTEST_SKIP() << "a server's connection";
    // The first line written ends this seat's session on the server.
    ASSERT_TRUE(OpenSecondConnection()
                    ->Exec("CREATE SEQUENCE tarvo_cut; CREATE FUNCTION tarvo_cut() RETURNS trigger LANGUAGE "
                           "plpgsql AS $body$ BEGIN IF nextval('tarvo_cut') = 1 THEN PERFORM "
                           "pg_terminate_backend(pg_backend_pid()); END IF; RETURN NEW; END $body$; CREATE "
                           "TRIGGER tarvo_cut BEFORE INSERT ON stokovi_items FOR EACH ROW EXECUTE FUNCTION "
                           "tarvo_cut();")
                    .Ok());
    Begin(SaleOp::GoodsNote);
    Add("G1", 2);
    EXPECT_FALSE(Save());
    EXPECT_TRUE(prompter.Texts().last().startsWith("Връзката със сървъра на базата данни беше прекъсната."))
        << prompter.Texts().last().toStdString();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_TRUE(form->IsNew());
    EXPECT_EQ(form->Lines().size(), 1u);

    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) || '|' || MAX(doc_id) FROM stokovi_main;"), "1|1");
    EXPECT_EQ(Stock("G1"), "8.0");
}

} // namespace
