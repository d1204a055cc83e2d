// The supplier request form: numbering, lines with and without prices,
// supplier codes, the save checks, saving under a second writer, rewriting
// a loaded request, and a failed save that keeps the form's data.
#include "stockops/RequestForm.h"

#include "db/Connection.h"
#include "stockops/RequestPrintout.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"
#include "support/TestFirm.h"

#include <deque>
#include <memory>

namespace {

// The line dialog answered from a queue: each answer is offered to OK until
// one is accepted; the refusals are kept.
class ScriptedRequestLines : public RequestLineDialog {
public:
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<Refusal(const Answer&)>& accept) override {
        requests.push_back(request);
        ownPrices.push_back(request.pricing->Select(SaleLinePricing::PartnerPrice).price);
        while (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            const Refusal refusal = accept(answer);
            refusals.push_back(refusal);
            if (refusal == Refusal::None)
                return answer;
        }
        return std::nullopt;
    }
    std::deque<Answer> answers;
    std::vector<Request> requests; // their pricing is gone once the dialog closed
    std::vector<double> ownPrices; // the supplier's own price each offered
    std::vector<Refusal> refusals;
};

class RequestTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO firmdata VALUES('Тарво ООД', 'Tarvo Ltd', 'Русе', 'Ruse', 'ул. Дунав 5', 'Dunav 5', "
            "'Петър Петров', 'Petar Petrov', '111222333', 'BG111222333', 1, 20);"
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city, partner_mol) VALUES(1, 0, 1, 'Д''Артанян ООД', 'Варна', 'О''Нийл');"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name) "
            "VALUES(2, 0, 1, 'Втори ЕООД');"
            "INSERT INTO stock_codes VALUES(1, 'G''2', 2, 'B-77');"
            "INSERT INTO stock_codes VALUES(2, 'G''2', 1, 'A''1');"
            "INSERT INTO stock_codes VALUES(3, 'G1', 2, '');"
            "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES('G1', 1, 1.75);"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(2).Prices(2.5, 2.2).Last(1.9),
                   StockRow("G'2", "Щепсел \"Б\"").Quantity(4).Cost(1).Prices(2, 2).Last(1)}));
        settings->SetRequestPreparedBy("Мария");
        form = std::make_unique<RequestForm>(Db(), prompter, *settings, clock);
        form->Start();
    }

    void Fill(bool withPrices) {
        ASSERT_TRUE(form->New(withPrices));
        partners.ids.push_back(1);
        ASSERT_TRUE(form->ChooseSupplier(partners));
        form->SetCarrier("Спиди");
        Add("G1", 3, 2.5);
        Add("G'2", 2, 1.25, "A'1");
    }
    void Add(const QString& code, double quantity, double price, const QString& supplierCode = QString()) {
        items.codes.push_back(code);
        lines.answers.push_back(
            {!supplierCode.isEmpty(), supplierCode, quantity, price, SaleLinePricing::Typed, "бележка 50%"});
        ASSERT_TRUE(form->AddLine(items, lines)) << code.toStdString();
    }
    int Count(const char* sql) { return Scalar(sql).toInt(); }

    std::unique_ptr<RequestForm> form;
    ScriptedItems items;
    ScriptedPartners partners;
    ScriptedDocuments documents;
    ScriptedRequestLines lines;
};

TEST_F(RequestTest, ARequestWithoutPricesStoresZerosAndHidesThePriceColumns) {
    EXPECT_EQ(form->Request().number, 1);
    Fill(false);
    EXPECT_EQ(items.masks.back(), ItemKind::Goods | ItemKind::Materials | ItemKind::Products);
    EXPECT_FALSE(lines.requests.back().withPrices);
    EXPECT_EQ(form->TotalText(), "0.00");
    EXPECT_EQ(form->TotalCaption(), "ТОТАЛ (BGL):");
    const auto columns = RequestForm::Columns(false);
    EXPECT_EQ(columns[6].width, 0);
    EXPECT_EQ(columns[7].width, 0);
    EXPECT_EQ(RequestForm::Columns(true)[7].width, 80);
    EXPECT_EQ(RequestForm::Cells(form->Request().lines[0], false).value(6), "");

    ASSERT_TRUE(form->Save());
    EXPECT_EQ(
        Scalar("SELECT doc_id || '|' || has_prices || '|' || total || '|' || curr || '|' || prepared_by "
               "FROM requests_main;"),
        "1|0|0|BGL|Мария");
    EXPECT_EQ(Scalar("SELECT group_concat(price || '/' || sumprice, ',') FROM requests_items;"), "0/0,0/0");
    EXPECT_EQ(Scalar("SELECT group_concat(supplier_code, ',') FROM (SELECT * FROM requests_items ORDER BY "
                     "seq_id) AS t;"),
              ",A'1");
    EXPECT_FALSE(form->IsNew());
    EXPECT_FALSE(form->HasUnsavedChanges());
}

TEST_F(RequestTest, PricesComeFromTheChosenKindAndTheTotalSumsTheValues) {
    ASSERT_TRUE(form->New(true));
    partners.ids.push_back(1);
    ASSERT_TRUE(form->ChooseSupplier(partners));
    items.codes.push_back("G1");
    lines.answers.push_back({false, QString(), 3, 2.2, SaleLinePricing::LastPrice, QString()});
    ASSERT_TRUE(form->AddLine(items, lines));
    // The dialog opens on the last delivery price; the supplier's own price
    // is the one of the chosen supplier.
    const RequestLineDialog::Request& asked = lines.requests.back();
    EXPECT_EQ(asked.start.kind, SaleLinePricing::LastPrice);
    EXPECT_DOUBLE_EQ(asked.start.price, 1.9);
    EXPECT_DOUBLE_EQ(lines.ownPrices.back(), 1.75);
    Add("G'2", 1.5, 0.333);
    EXPECT_EQ(form->TotalText(), "7.10"); // 6.60 + 1.5 × 0.33 = 0.495 → 0.50
    form->SetCurrency("EUR");
    EXPECT_EQ(form->TotalCaption(), "ТОТАЛ (EUR):");
}

TEST_F(RequestTest, TheLineDialogRefusesAQuantityAndACodeThatIsNotChosen) {
    ASSERT_TRUE(form->New(false));
    items.codes.push_back("G'2");
    lines.answers.push_back({false, QString(), 0, 0, SaleLinePricing::Typed, QString()});
    lines.answers.push_back({true, QString(), 1, 0, SaleLinePricing::Typed, QString()});
    lines.answers.push_back({true, "B-77", 1, 0, SaleLinePricing::Typed, QString()});
    ASSERT_TRUE(form->AddLine(items, lines));
    EXPECT_EQ(lines.refusals,
              (std::vector<RequestLineDialog::Refusal>{RequestLineDialog::Refusal::Quantity,
                                                       RequestLineDialog::Refusal::SupplierCode,
                                                       RequestLineDialog::Refusal::None}));
    EXPECT_EQ(prompter.Texts(),
              QStringList({"Необходимо е да укажете количество!",
                           "Изберете код по номенклатурата на доставчика или изключете опцията за неговото "
                           "отпечатване."}));
    // Every partner's code for an item whose code holds an apostrophe; with
    // no supplier chosen they come in the order they were entered.
    EXPECT_EQ(lines.requests.back().supplierCodes, QStringList({"B-77", "A'1"}));
    EXPECT_EQ(form->Request().lines.back().supplierCode, "B-77");
    // The chosen supplier's own code comes first; empty codes never.
    partners.ids.push_back(1);
    ASSERT_TRUE(form->ChooseSupplier(partners));
    items.codes.push_back("G'2");
    lines.answers.push_back({false, QString(), 1, 0, SaleLinePricing::Typed, QString()});
    ASSERT_TRUE(form->AddLine(items, lines));
    EXPECT_EQ(lines.requests.back().supplierCodes, QStringList({"A'1", "B-77"}));
    items.codes.push_back("G1");
    lines.answers.push_back({false, QString(), 1, 0, SaleLinePricing::Typed, QString()});
    ASSERT_TRUE(form->AddLine(items, lines));
    EXPECT_TRUE(lines.requests.back().supplierCodes.isEmpty());
}

TEST_F(RequestTest, TheSaveChecksComeInOrderAndWriteNothing) {
    settings->SetRequestPreparedBy("");
    form->Start();
    const auto refused = [this](const char* text) {
        prompter.Clear();
        EXPECT_FALSE(form->Save());
        EXPECT_EQ(prompter.Texts(), QStringList(text));
    };
    refused("Операцията не може да бъде записана, защото списъкът със стоки е празен.");
    Add("G1", 1, 0);
    refused("Операцията не може да бъде записана, защото не е избран доставчик.");
    partners.ids.push_back(2);
    ASSERT_TRUE(form->ChooseSupplier(partners));
    refused("Операцията не може да бъде записана, защото не е посочено име на лицето, което е изготвило "
            "заявката.");
    form->SetPreparedBy("Иван");
    EXPECT_EQ(settings->RequestPreparedBy(), "Иван");
    refused("Операцията не може да бъде записана, защото не е избран превозвач.");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_main;"), 0);
    form->SetCarrier("  ");
    refused("Операцията не може да бъде записана, защото не е избран превозвач.");
    form->SetCarrier("Еконт");
    prompter.Clear();
    EXPECT_TRUE(form->Save());
    EXPECT_TRUE(prompter.Texts().isEmpty());
}

TEST_F(RequestTest, ANumberTakenMeanwhileIsSavedUnderTheNextOne) {
    Fill(false);
    EXPECT_EQ(form->Request().number, 1);
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other
                    ->Exec("INSERT INTO requests_main (doc_id, doc_dt, partner_id, partner_name) "
                           "VALUES(1, '2026-12-01', 2, 'Втори ЕООД');")
                    .Ok());
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(form->Request().number, 2);
    EXPECT_EQ(Scalar("SELECT partner_name FROM requests_main WHERE doc_id = 1;"), "Втори ЕООД");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_items WHERE doc_id = 2;"), 2);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_items WHERE doc_id = 1;"), 0);
}

TEST_F(RequestTest, CarriersAppearOnceAndTypedTextsSurviveSaveAndLoad) {
    const QString odd = "О'Брайън \"Бърз\" 100% ; DROP";
    for (const char* carrier : {"Спиди", "Спиди", ""}) {
        Fill(true);
        form->SetCarrier(carrier[0] ? QString(carrier) : QString("Еконт"));
        form->SetNotes(odd);
        form->SetPreparedBy("Д'Ор");
        ASSERT_TRUE(form->Save());
    }
    ASSERT_TRUE(Db().Exec("UPDATE requests_main SET transported_by = '' WHERE doc_id = 3;"
                          "INSERT INTO requests_main (doc_id, transported_by) VALUES(9, NULL);"));
    ASSERT_TRUE(form->New(false));
    EXPECT_EQ(form->Carriers(), QStringList({"Спиди"}));

    documents.choices.push_back({2, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    ASSERT_TRUE(form->Load(documents));
    EXPECT_EQ(documents.kinds.back(), 8);
    const SupplierRequest& loaded = form->Request();
    EXPECT_FALSE(form->IsNew());
    EXPECT_EQ(loaded.notes, odd);
    EXPECT_EQ(loaded.preparedBy, "Д'Ор");
    EXPECT_EQ(loaded.partnerName, "Д'Артанян ООД");
    EXPECT_TRUE(loaded.hasPrices);
    ASSERT_EQ(loaded.lines.size(), 2u);
    EXPECT_EQ(loaded.lines[1].name, "Щепсел \"Б\"");
    EXPECT_EQ(loaded.lines[1].code, "G'2");
    EXPECT_EQ(loaded.lines[1].supplierCode, "A'1");
    EXPECT_EQ(loaded.lines[1].notes, "бележка 50%");
    EXPECT_DOUBLE_EQ(loaded.lines[0].value, 7.5);
    EXPECT_EQ(form->TotalText(), "10.00");
}

TEST_F(RequestTest, ARewrittenRequestKeepsExactlyItsLinesAndNeverReusesANumber) {
    Fill(true);
    Add("G1", 5, 1);
    ASSERT_TRUE(form->Save());
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    ASSERT_TRUE(form->Load(documents));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteLine(2)); // the third line, number 3
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете да изтриете този запис?");
    Add("G'2", 7, 2);
    EXPECT_EQ(form->Request().lines.back().seq, 4);
    form->SetCompleted(true);
    form->SetCurrency("USD");
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(
        Scalar("SELECT group_concat(seq_id || ':' || qtty, ',') FROM (SELECT * FROM requests_items WHERE "
               "doc_id = 1 ORDER BY seq_id) AS t;"),
        "1:3,2:2,4:7");
    EXPECT_EQ(Scalar("SELECT completed || curr || total FROM requests_main WHERE doc_id = 1;"), "1USD24");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_main;"), 1);
    // A cancelled delete keeps the line.
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->DeleteLine(0));
    EXPECT_EQ(form->Request().lines.size(), 3u);
}

TEST_F(RequestTest, AFailedSaveRollsBackAndKeepsTheForm) {
    Fill(true);
    {
        FailureInjector second(doc->GetDatabase(), SQLITE_INSERT, "requests_items", 1);
        prompter.Clear();
        EXPECT_FALSE(form->Save());
    }
    EXPECT_TRUE(prompter.Texts().contains("Грешка: Програмата не може да съхрани тази операция!"));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_main;"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_items;"), 0);
    EXPECT_TRUE(form->IsNew());
    EXPECT_EQ(form->Request().lines.size(), 2u);
    EXPECT_TRUE(form->HasUnsavedChanges());
    ASSERT_TRUE(form->Save());

    // A stored request: the header update and the old lines come back too.
    Add("G1", 9, 1);
    {
        FailureInjector third(doc->GetDatabase(), SQLITE_INSERT, "requests_items", 2);
        prompter.Clear();
        EXPECT_FALSE(form->Save());
    }
    EXPECT_TRUE(
        prompter.Texts().contains("Промените по тази операция не могат да бъдат отразени в момента!"));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_items;"), 2);
    EXPECT_EQ(Scalar("SELECT total FROM requests_main;"), "10");
    EXPECT_EQ(form->Request().lines.size(), 3u);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Count("SELECT COUNT(*) FROM requests_items;"), 3);
}

TEST_F(RequestTest, ThePrintoutTakesThePartiesInTheLanguageOfThePrint) {
    Fill(true);
    const RequestPrintout bulgarian = form->Printout();
    EXPECT_EQ(bulgarian.language, 0);
    EXPECT_EQ(bulgarian.supplier.name, "Д'Артанян ООД");
    EXPECT_EQ(bulgarian.supplier.mol, "О'Нийл");
    EXPECT_EQ(bulgarian.firm.name, "Тарво ООД");
    settings->SetOrdersPrnLang(1);
    const RequestPrintout english = form->Printout();
    EXPECT_EQ(english.language, 1);
    // A supplier without a Latin spelling keeps the Cyrillic one.
    EXPECT_EQ(english.supplier.name, "Д'Артанян ООД");
    EXPECT_EQ(english.firm.name, "Tarvo Ltd");
    EXPECT_EQ(english.firm.city, "Ruse");
}

TEST_F(RequestTest, ANewRequestAsksBeforeUnsavedLinesGo) {
    Fill(false);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->New(true));
    EXPECT_EQ(form->Request().lines.size(), 2u);
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->New(true));
    EXPECT_TRUE(form->Request().lines.empty());
    EXPECT_TRUE(form->Request().hasPrices);
    EXPECT_EQ(form->Request().preparedBy, "Мария");
    EXPECT_EQ(form->Request().currency, "BGL");
    EXPECT_TRUE(prompter.AllAnswersUsed());
}

} // namespace

// A supplier is taken by its stored name, whatever it is; one deleted
// meanwhile is not taken.
TEST_F(RequestTest, ASupplierNamedWithADashIsTakenAndAMissingOneIsNot) {
    ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(3, '-');"));
    ASSERT_TRUE(form->New(false));
    partners.ids = {3, 99};
    ASSERT_TRUE(form->ChooseSupplier(partners));
    EXPECT_FALSE(form->ChooseSupplier(partners));
    EXPECT_EQ(form->Request().partnerId, 3);
    EXPECT_EQ(form->Request().partnerName, "-");
}
