// The offers form: the totals with their rounding, the VAT rule, the save
// with its checks, replaced lines, loading newest first, printing only what
// is saved, a second writer, and a failed save that keeps the offer.
#include "documents/OffersForm.h"

#include "db/Connection.h"
#include "sales/SaleFakes.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/TestFirm.h"

#include <memory>

namespace {

class ScriptedOfferDetails : public OfferDetailsEditor {
public:
    bool EditDetails(OfferDetails& details) override {
        shown.push_back(details);
        if (replies.empty())
            return false;
        details = replies.front();
        replies.pop_front();
        return true;
    }
    std::deque<OfferDetails> replies;
    std::vector<OfferDetails> shown;
};

class OfferTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db()));
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("G1", "Кабел \"Б\" 100%").Unit("м").Quantity(10).Cost(2).Prices(50, 45).Last(1.9),
                   StockRow("S1", "Монтаж").Unit("час").Prices(0.35, 0).Dirty()}));
        Reopen();
    }
    void Reopen() {
        form = std::make_unique<OffersForm>(Db(), prompter, clock);
        form->Start();
    }
    void Add(const QString& code, double quantity, int kind = -1, double typed = 0) {
        items.codes.push_back(code);
        lines.replies.push_back({quantity, kind, typed});
        ASSERT_TRUE(form->AddLine(items, lines)) << code.toStdString();
    }
    bool Save() { return form->Save(details); }
    static constexpr const char* kDataQuestion =
        "Желаете ли да укажете до кой е адресирана офертата, Вашето име,\nкакто и някои други аспекти на "
        "документа преди да го запишете?";
    int Count(const char* sql) { return Scalar(sql).toInt(); }

    std::unique_ptr<OffersForm> form;
    ScriptedItems items;
    ScriptedLines lines;
    ScriptedDocuments documents;
    ScriptedOfferDetails details;
};

TEST_F(OfferTest, TotalsRoundHalfUpInTheirOrder) {
    EXPECT_EQ(form->TotalTexts(), QStringList({"0.00 ", "0.00 ", "0.00 ", "0.00 "}));
    EXPECT_TRUE(form->VatAllowed());
    Add("G1", 2); // 2 × 50.00 = 100.00 at price #1, the quantity starting at 1
    EXPECT_DOUBLE_EQ(lines.shown.back().quantity, 1);
    EXPECT_EQ(lines.shown.back().start.kind, SaleLinePricing::Price1);
    EXPECT_EQ(items.masks.back(), ItemKinds::All());
    ASSERT_TRUE(form->SetDiscount(10));
    form->SetVatUsed(true);
    EXPECT_EQ(form->TotalTexts(), QStringList({"100.00 ", "10.00 ", "18.00 ", "108.00 "}));
    form->SetVatUsed(false);
    EXPECT_EQ(form->TotalTexts(), QStringList({"100.00 ", "10.00 ", "0.00 ", "90.00 "}));

    // 1.5 × 0.35 = 0.525 → 0.53; 100.53 at 2.5 % = 2.51325 → 2.51; halves go up:
    // 0.05 at 10 % = 0.005 → 0.01.
    Add("S1", 1.5);
    ASSERT_TRUE(form->SetDiscount(2.5));
    EXPECT_EQ(form->TotalTexts().value(0), "100.53 ");
    EXPECT_EQ(form->TotalTexts().value(1), "2.51 ");
    Offer small;
    small.discount = 10;
    small.vatUsed = true;
    small.lines.push_back({1, "x", "бр.", 1, 0.05, QString()});
    const OfferTotals t = ComputeOfferTotals(small, 20);
    EXPECT_DOUBLE_EQ(t.discount, 0.01);
    EXPECT_DOUBLE_EQ(t.vat, 0.01); // 0.04 × 20 % = 0.008 → 0.01
    EXPECT_DOUBLE_EQ(t.total, 0.05);

    // Out of range per cents are refused and change nothing.
    EXPECT_FALSE(form->SetDiscount(100.01));
    EXPECT_FALSE(form->SetDiscount(-1));
    EXPECT_DOUBLE_EQ(form->Current().discount, 2.5);
    EXPECT_EQ(OfferDiscountLabel(10), "- TO 10%:");
    EXPECT_EQ(OfferDiscountLabel(2.5), "- TO 2.5%:");
    EXPECT_EQ(OfferDiscountLabel(12.25), "- TO 12.25%:");
}

TEST_F(OfferTest, VatMayBeChargedOnlyByARegisteredFirmWithARate) {
    ASSERT_TRUE(Db().Exec("UPDATE firmdata SET vat_registered = 0;"));
    Reopen();
    EXPECT_FALSE(form->VatAllowed());
    ASSERT_TRUE(Db().Exec("UPDATE firmdata SET vat_registered = 1, vat_value = 0;"));
    Reopen();
    EXPECT_FALSE(form->VatAllowed());
    ASSERT_TRUE(Db().Exec("UPDATE firmdata SET vat_value = 9;"));
    Reopen();
    EXPECT_TRUE(form->VatAllowed());
    EXPECT_DOUBLE_EQ(form->VatRate(), 9);
}

TEST_F(OfferTest, SaveChecksTheLinesAsksForTheDataAndSavesOnlyChanges) {
    EXPECT_FALSE(Save()); // nothing changed: nothing to do, nothing said
    EXPECT_EQ(prompter.Count(), 0);
    form->SetDate(QDate(2026, 12, 1));
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts(),
              QStringList("Не сте добавили никакви артикули към този документ. Операцията не може да бъде "
                          "извършена!"));
    Add("G1", 1);
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    details.replies.push_back({"Г-н О'Брайън", "кабели \"Б\"", "50% авансово", "31.12.2026", "Иван"});
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Texts(),
              QStringList({"Желаете ли да укажете до кой е адресирана офертата, Вашето име,\nкакто и някои "
                           "други аспекти на документа преди да го запишете?",
                           "Офертата е съхранена успешно. Натиснете F7, за да създадете нова оферта\nили F8, "
                           "за да отпечатите документа."}));
    EXPECT_FALSE(form->IsModified());
    EXPECT_EQ(
        Scalar("SELECT doc_id || '|' || doc_dt || '|' || to_person || '|' || subtitle || '|' || note || '|' "
               "|| validity || '|' || signed_by FROM offers;"),
        "1|2026-12-01|Г-н О'Брайън|кабели \"Б\"|50% авансово|31.12.2026|Иван");
    EXPECT_EQ(
        Scalar("SELECT item_name || '|' || item_units || '|' || quantity || '|' || price FROM offers_cmp;"),
        "Кабел \"Б\" 100%|м|1|50");
    // With the data given, no question the next time.
    Add("S1", 1);
    prompter.Clear();
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Count(), 1);
}

TEST_F(OfferTest, ResavingReplacesTheLinesAndLoadShowsThemNewestFirst) {
    Add("G1", 1);
    Add("S1", 2);
    prompter.AnswerAlways(kDataQuestion, Answer::No);
    ASSERT_TRUE(Save());
    // A second offer, so that freed line ids are not simply taken again.
    ASSERT_TRUE(form->New());
    Add("G1", 5);
    ASSERT_TRUE(Save());
    const int highest = Count("SELECT MAX(rec_id) FROM offers_cmp;");

    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    Reopen();
    ASSERT_TRUE(form->Load(documents));
    EXPECT_EQ(documents.kinds.back(), 5);
    ASSERT_EQ(form->Current().lines.size(), 2u);
    EXPECT_EQ(form->Current().lines[0].name, "Монтаж");
    EXPECT_EQ(form->Current().lines[1].name, "Кабел \"Б\" 100%");
    EXPECT_FALSE(form->IsNew());

    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteLine(1));
    lines.replies.push_back({4, -1, 0});
    ASSERT_TRUE(form->EditLine(0, lines));
    EXPECT_EQ(lines.shown.back().start.kind, SaleLinePricing::Typed);
    EXPECT_DOUBLE_EQ(lines.shown.back().start.price, 0.35);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Count("SELECT COUNT(*) FROM offers;"), 2);
    EXPECT_EQ(Scalar("SELECT item_name || ':' || quantity FROM offers_cmp WHERE doc_id = 1;"), "Монтаж:4");
    EXPECT_GT(Count("SELECT rec_id FROM offers_cmp WHERE doc_id = 1;"), highest);

    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->DeleteAll());
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteAll());
    EXPECT_TRUE(form->Current().lines.empty());
    EXPECT_EQ(prompter.Texts().last(), "Потвърждавате ли изтриването на всички записи?");
}

TEST_F(OfferTest, PrintingWaitsForTheSaveOfEveryChange) {
    const QString refused = "За да отпечатите офертата е необходимо първо да съхраните промените. Моля, "
                            "натиснете бутона за запис.";
    prompter.AnswerAlways(kDataQuestion, Answer::No);
    Add("G1", 1);
    EXPECT_FALSE(form->MayPrint());
    EXPECT_EQ(prompter.Texts().last(), refused);
    ASSERT_TRUE(Save());
    EXPECT_TRUE(form->MayPrint());
    // Changes of the header alone count as much as line changes.
    const auto changed = [this](const char* what) {
        EXPECT_TRUE(form->IsModified()) << what;
        EXPECT_TRUE(form->HasUnsavedChanges()) << what;
        EXPECT_FALSE(form->MayPrint()) << what;
        ASSERT_TRUE(Save()) << what;
        EXPECT_TRUE(form->MayPrint()) << what;
    };
    form->SetDate(QDate(2026, 11, 30));
    changed("date");
    ASSERT_TRUE(form->SetDiscount(5));
    changed("discount");
    form->SetVatUsed(true);
    changed("VAT");
    details.replies.push_back({"Мария", "", "", "", ""});
    ASSERT_TRUE(form->EditDetails(details));
    changed("details");
    EXPECT_EQ(Scalar("SELECT doc_dt || '|' || discount || '|' || vat_used || '|' || to_person FROM offers;"),
              "2026-11-30|5|1|Мария");
    // Unchanged values do not count.
    form->SetDate(QDate(2026, 11, 30));
    ASSERT_TRUE(form->SetDiscount(5));
    EXPECT_FALSE(form->IsModified());
}

TEST_F(OfferTest, AskBeforeUnsavedChangesGo) {
    Add("G1", 1);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->New());
    EXPECT_EQ(form->Current().lines.size(), 1u);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->Load(documents));
    EXPECT_TRUE(documents.kinds.empty());
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->New());
    EXPECT_TRUE(form->Current().lines.empty());
    EXPECT_TRUE(prompter.AllAnswersUsed());
}

TEST_F(OfferTest, ANumberTakenByAnotherCopyGivesTheNextOne) {
    Add("G1", 1);
    EXPECT_EQ(form->Current().number, 1);
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("INSERT INTO offers (doc_id, to_person) VALUES(1, 'друг');").Ok());
    prompter.AnswerAlways(kDataQuestion, Answer::No);
    ASSERT_TRUE(Save());
    EXPECT_EQ(form->Current().number, 2);
    EXPECT_EQ(Scalar("SELECT to_person FROM offers WHERE doc_id = 1;"), "друг");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM offers_cmp WHERE doc_id = 2;"), 1);
}

TEST_F(OfferTest, AFailedSaveRollsBackAndKeepsTheOffer) {
    Add("G1", 1);
    Add("S1", 1);
    prompter.AnswerAlways(kDataQuestion, Answer::No);
    ASSERT_TRUE(Save());
    Add("G1", 3);
    {
        FailureInjector third(doc->GetDatabase(), SQLITE_INSERT, "offers_cmp", 2);
        EXPECT_FALSE(Save());
    }
    EXPECT_TRUE(form->IsModified());
    EXPECT_EQ(form->Current().lines.size(), 3u);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM offers;"), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM offers_cmp;"), 2);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Count("SELECT COUNT(*) FROM offers_cmp;"), 3);
}

} // namespace
