// Cash sales registered on a fiscal device through a Net.FP print server:
// the fake server records what the program sends and answers as the
// protocol documents, also with refusals, lost answers and slow devices.
#include "db/Database.h"
#include "net/NetworkFiscalRegister.h"
#include "sales/SaleTestBase.h"
#include "sales/fiscal/FiscalMarks.h"
#include "sales/fiscal/FiscalRegister.h"
#include "sales/fiscal/ReceiptRequest.h"
#include "support/FailureInjector.h"
#include "support/FakeNetFpServer.h"
#include "support/ScriptedChoosers.h"
#include "trade/DocumentBrowser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <array>
#include <sqlite3.h>

namespace {

constexpr const char* kPassword = "s3cr3t!pw";
constexpr const char* kReceipt = "/printers/dt279013/receipt";

class FiscalTest : public SaleTest {
protected:
    void SetUp() override {
        SaleTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(server.Listen());
        FiscalDeviceSettings device;
        device.serverUrl = server.Url();
        device.printerId = "dt279013";
        device.model = "FP-2000";
        device.serialNumber = "DT279013";
        device.fiscalMemoryNumber = "02279013";
        device.itemTextMaxLength = 22;
        device.operatorNumber = "1";
        device.operatorPassword = kPassword;
        StoreFiscalDevice(*settings, device);
        ASSERT_TRUE(FiscalReceiptStore(Db()).Create());
        Restart();
    }
    // A new register, as after the program was started again.
    void Restart() {
        form->SetFiscalRegister(nullptr);
        wiring = std::make_unique<NetworkFiscalRegister>(Db(), prompter, *settings, nullptr, nullptr);
        fiscal = &wiring->Register();
        fiscal->SetTimeouts(300, 1000, 1500);
        form->SetFiscalRegister(fiscal);
    }
    void SaleOf(SaleOp op, const std::vector<std::pair<const char*, double>>& sold, int payBy = 0) {
        Begin(op);
        if (payBy != 0) {
            ASSERT_TRUE(Db().Exec("INSERT INTO banks (id, name, code, acc) VALUES(3, 'Банка ДСК', "
                                  "'STSABGSF', 'BG80STSA') ON CONFLICT (id) DO NOTHING;"));
            details.edits.push_back([](SaleDetails& d) {
                d.payBy = 1;
                d.bankId = 3;
            });
            ASSERT_TRUE(form->EditDetails(details));
        }
        for (const auto& [code, quantity] : sold)
            Add(code, quantity);
    }
    QString Row(const char* family, int docId) {
        return Scalar(
            QByteArray("SELECT sequence || '|' || unique_sale_number || '|' || state || '|' || "
                       "receipt_number || '|' || receipt_amount FROM fiscal_receipts WHERE state <> 2 "
                       "AND family = ") +
            family + " AND doc_id = " + QByteArray::number(docId) + ";");
    }
    // The last box but the question about printing the document.
    QString LastBox() const {
        QStringList texts = prompter.Texts();
        texts.removeAll(kPrintQuestion);
        return texts.value(texts.size() - 1);
    }
    bool PasswordShown() const {
        for (const QString& text : prompter.Texts())
            if (text.contains(kPassword))
                return true;
        return false;
    }

    FakeNetFpServer server;
    std::unique_ptr<NetworkFiscalRegister> wiring;
    FiscalRegister* fiscal = nullptr;
};

TEST_F(FiscalTest, ACashGoodsNoteWithADiscountPrintsItsReceipt) {
    SaleOf(SaleOp::GoodsNote, {{"G1", 2}, {"P1", 1}, {"S1", 1}});
    ASSERT_TRUE(form->SetDiscount(10));
    ASSERT_TRUE(Save());

    const std::vector<FakeNetFpServer::Request> sent = server.To(kReceipt);
    ASSERT_EQ(sent.size(), 1u);
    const QString taskId = Scalar("SELECT task_id FROM fiscal_receipts;");
    EXPECT_EQ(sent[0].path, QString(kReceipt) + "?asyncTimeout=300&taskId=" + taskId);
    EXPECT_EQ(taskId.size(), 22);
    // Prices with the firm's 20 % VAT, the discount on every line, the
    // document named in a comment, one cash payment of the total.
    const QJsonObject expected = QJsonDocument::fromJson(R"({
        "uniqueSaleNumber": "DT279013-0001-0000001",
        "operator": "1", "operatorPassword": "s3cr3t!pw",
        "items": [
            {"type": "comment", "text": "Стокова разписка № 0000000001"},
            {"text": "Кабел", "quantity": 2, "unitPrice": 3, "taxGroup": 2,
             "priceModifierValue": 10, "priceModifierType": "discount-percent"},
            {"text": "Удължител", "quantity": 1, "unitPrice": 24, "taxGroup": 2,
             "priceModifierValue": 10, "priceModifierType": "discount-percent"},
            {"text": "Монтаж", "quantity": 1, "unitPrice": 36, "taxGroup": 2,
             "priceModifierValue": 10, "priceModifierType": "discount-percent"}],
        "payments": [{"amount": 59.4, "paymentType": "cash"}]})")
                                     .object();
    EXPECT_EQ(sent[0].json, expected) << sent[0].body.toStdString();

    EXPECT_EQ(Row("0", 1), "1|DT279013-0001-0000001|1|0000085|59.4");
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000085");
    EXPECT_EQ(prompter.Texts(),
              (QStringList{"Продажбата беше успешно обработена и съхранена.", kPrintQuestion}));
    // A second try of a printed document prints nothing.
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(server.printed, 1);
    EXPECT_TRUE(LastBox().startsWith("Документът вече има фискален бон № 0000085"));
}

TEST_F(FiscalTest, NamesAreCutToTheDeviceAndTaxGroupsFollowTheFirm) {
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET stock_name = 'Удължител с шест гнезда и ключ' WHERE code = 'P1';"
                          "UPDATE firmdata SET vat_registered = 0;"));
    SaleOf(SaleOp::InvoiceWithNote, {{"P1", 1}});
    ASSERT_TRUE(Save());
    ASSERT_EQ(server.To(kReceipt).size(), 1u);
    const QJsonObject item = server.To(kReceipt)[0].json["items"].toArray()[1].toObject();
    EXPECT_EQ(item["text"].toString(), "Удължител с шест гнезд"); // 22 characters
    EXPECT_EQ(item["unitPrice"].toDouble(), 20);                  // no VAT on top
    EXPECT_EQ(item["taxGroup"].toInt(), 1);                       // "А"
    EXPECT_EQ(server.To(kReceipt)[0].json["items"].toArray()[0].toObject()["text"].toString(),
              "Фактура № 0000000001");

    const FiscalDeviceSettings device;
    EXPECT_EQ(device.TaxGroupFor(true, 20), 2);
    EXPECT_EQ(device.TaxGroupFor(true, 9), 4);
    EXPECT_EQ(device.TaxGroupFor(true, 0), 1);
    EXPECT_EQ(device.TaxGroupFor(false, 20), 1);
    EXPECT_EQ(TaxGroupLetter(2), "Б");
    EXPECT_EQ(TaxGroupLetter(4), "Г");
}

TEST_F(FiscalTest, TheSaleNumberSequenceSurvivesRestartsAndFailures) {
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    server.refuseNext = {{"E301", "Out of paper"}};
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save()); // the sale stays saved
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "2");
    EXPECT_EQ(LastBox(), "Фискалното устройство не издаде бона. Документът е записан без "
                         "фискален бон.\n\nГрешка E301: Няма хартия.");
    EXPECT_EQ(form->FiscalMark(), "без фискален бон");
    EXPECT_EQ(Row("0", 2), "2|DT279013-0001-0000002|0||0");

    Restart();
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_EQ(Row("0", 3), "3|DT279013-0001-0000003|1|0000086|3");

    // The document list shows the marks; the retry of the refused one from
    // there keeps its number.
    FiscalMarks marks(Db(), *fiscal);
    DocumentBrowser notes(Db(), DocumentKind::GoodsNotes, 0, &marks);
    ASSERT_TRUE(notes.Reload());
    ASSERT_EQ(notes.ShownColumns().back().title, "фискален бон");
    EXPECT_EQ(notes.Rows()[1].cells.back(), "без фискален бон");
    EXPECT_EQ(notes.Rows()[0].cells.back(), "0000086");
    EXPECT_EQ(DocumentBrowser(Db(), DocumentKind::Proformas, 0, &marks).ShownColumns().size(), 4u);
    marks.Mend(DocumentKind::GoodsNotes, 2);
    EXPECT_EQ(Row("0", 2), "2|DT279013-0001-0000002|1|0000087|3");
    const std::vector<FakeNetFpServer::Request> sent = server.To(kReceipt);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[3].json["uniqueSaleNumber"].toString(), "DT279013-0001-0000002");
    EXPECT_NE(sent[3].path, sent[1].path); // a new task for the new attempt
    EXPECT_FALSE(PasswordShown());
}

TEST_F(FiscalTest, ALostAnswerThenARetryPrintsExactlyOnce) {
    // The device prints, then the connection closes unanswered: the request
    // is not sent again, and the task's result is fetched and recorded. The
    // awkward prices and the discount make the document's total differ from
    // the items' own rounding: the receipt still adds up to the payment.
    server.dropNext = true;
    SaleOf(SaleOp::GoodsNote, {});
    Add("G1", 2, SaleLinePricing::Typed, 1.37);
    Add("P1", 3, SaleLinePricing::Typed, 0.83);
    Add("S1", 5, SaleLinePricing::Typed, 2.19);
    ASSERT_TRUE(form->SetDiscount(10));
    ASSERT_TRUE(Save());
    EXPECT_EQ(server.printed, 1);
    EXPECT_EQ(server.To(kReceipt).size(), 1u);
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000085");
    EXPECT_EQ(Row("0", 1), "1|DT279013-0001-0000001|1|0000085|17.47");
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(server.printed, 1);

    // No answer at all, and the task question fails too: the outcome is
    // unknown, so the clerk is told so, never that nothing printed.
    server.silent = true;
    server.taskInfoDown = true;
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_EQ(form->FiscalMark(), "без фискален бон");
    EXPECT_TRUE(LastBox().contains("Не е известно дали бонът на продажба DT279013-0001-0000002 е отпечатан"))
        << LastBox().toStdString();
    server.silent = server.taskInfoDown = false;
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000086");
    EXPECT_EQ(server.printed, 2);
    EXPECT_EQ(server.To(kReceipt).size(), 2u);

    // A device slower than the program follows it: marked, then taken when
    // it is done.
    server.printMs = 2500;
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_EQ(form->FiscalMark(), "без фискален бон");
    QtHttpTransport().Wait(1200);
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000087");
    EXPECT_EQ(server.printed, 3);
    EXPECT_EQ(server.To(kReceipt).size(), 3u);
    EXPECT_FALSE(PasswordShown());
}

TEST_F(FiscalTest, AForgottenTaskIsNeverSentAgainWithoutTheClerk) {
    ScriptedTextInput input;
    fiscal->SetInteraction(&input, nullptr);
    // The answer is lost, then the server restarts and forgets the task.
    server.silent = server.taskInfoDown = true;
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    server.silent = server.taskInfoDown = false;
    server.Restart();

    prompter.Expect(Answer::Cancel);
    EXPECT_FALSE(form->IssueFiscalReceipt());
    EXPECT_TRUE(LastBox().startsWith("Бонът на продажба DT279013-0001-0000001 е изпратен на ")) << LastBox().toStdString();
    EXPECT_EQ(server.To(kReceipt).size(), 1u);

    // The clerk found it printed: its number is recorded by hand.
    prompter.Expect(Answer::Yes);
    input.answers.push_back("0000085");
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000085");
    EXPECT_EQ(Scalar("SELECT by_hand FROM fiscal_receipts WHERE doc_id = 1;"), "1");
    EXPECT_EQ(server.To(kReceipt).size(), 1u);

    // Another one was not printed: the clerk has it printed again, under a
    // new task and the same sale number.
    server.silent = server.taskInfoDown = true;
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    server.silent = server.taskInfoDown = false;
    server.Restart();
    prompter.Expect(Answer::No);
    EXPECT_TRUE(form->IssueFiscalReceipt());
    const std::vector<FakeNetFpServer::Request> sent = server.To(kReceipt);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].json["uniqueSaleNumber"].toString(), "DT279013-0001-0000002");
    EXPECT_NE(sent[2].path, sent[1].path);
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000087");
}

// Receipts of random sales add up to their payment as the reference server
// checks it, whatever the quantities, prices, discount and VAT.
TEST(ReceiptItems, EveryRandomSaleAddsUpToItsPayment) {
    QRandomGenerator random(20261209);
    FiscalDeviceSettings device;
    for (int round = 0; round < 4000; ++round) {
        SaleDocument doc;
        doc.op = round % 5 == 0 ? SaleOp::CreditNote : SaleOp::GoodsNote;
        doc.firm.vatRegistered = round % 7 != 0;
        doc.firm.vatRate = std::array<double, 3>{20, 9, 0}[round % 3];
        doc.header.discount = round % 4 == 0 ? 0 : random.bounded(10001) / 100.0;
        const int count = 1 + static_cast<int>(random.bounded(6));
        for (int i = 0; i < count; ++i) {
            SaleLine line;
            line.name = "Артикул";
            line.quantity = (1 + random.bounded(20000)) / 1000.0;
            line.price = (1 + random.bounded(100000)) / 100.0;
            line.value = SaleLine::ValueOf(line.quantity, line.price);
            doc.lines.push_back(line);
        }
        const double total = ComputeSaleTotals(doc.lines, doc.header.discount, doc.firm.vatRegistered != 0,
                                               doc.firm.vatRate, Currency::BGN)
                                 .total;
        const QJsonObject body = SaleReceiptBody(doc, total, device, "DT279013-0001-0000001");
        ASSERT_EQ(FakeNetFpServer::ItemsTotalCents(body["items"].toArray()), std::llround(total * 100))
            << "round " << round << ": " << QJsonDocument(body).toJson().toStdString();
        for (const QJsonValue& item : body["items"].toArray()) {
            if (item.toObject().contains("priceModifierValue")) {
                ASSERT_GT(item.toObject()["priceModifierValue"].toDouble(), 0);
            }
        }
    }
}

TEST_F(FiscalTest, ACashCreditNoteReversesItsInvoicesReceipt) {
    SaleOf(SaleOp::InvoiceWithNote, {{"G1", 4}});
    ASSERT_TRUE(Save());
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    SaleOf(SaleOp::CreditNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    const std::vector<FakeNetFpServer::Request> sent = server.To("/printers/dt279013/reversalreceipt");
    ASSERT_EQ(sent.size(), 1u);
    const QJsonObject& body = sent[0].json;
    EXPECT_EQ(body["uniqueSaleNumber"].toString(), "DT279013-0001-0000001");
    EXPECT_EQ(body["receiptNumber"].toString(), "0000085");
    EXPECT_EQ(body["receiptDateTime"].toString(), "2026-12-08T10:31:00");
    EXPECT_EQ(body["fiscalMemorySerialNumber"].toString(), "02279013");
    EXPECT_EQ(body["reason"].toString(), "refund");
    const QJsonObject item = body["items"].toArray()[1].toObject();
    EXPECT_EQ(item["quantity"].toDouble(), 1);
    EXPECT_EQ(item["unitPrice"].toDouble(), 3);
    EXPECT_FALSE(body.contains("payments")); // the device pays a refund out itself
    EXPECT_EQ(form->FiscalMark(), "фискален бон № 0000086");
    EXPECT_EQ(LastBox(), "Продажбата беше успешно обработена и съхранена."); // no warning W302
    EXPECT_EQ(Scalar("SELECT sequence || '|' || reversal FROM fiscal_receipts WHERE doc_id = 2;"), "0|1");
}

TEST_F(FiscalTest, BankTransfersAndOtherDocumentsSendNothing) {
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}}, 1);
    ASSERT_TRUE(Save());
    SaleOf(SaleOp::Proforma, {{"G1", 1}});
    ASSERT_TRUE(Save());
    // A credit note to an invoice paid by bank has no receipt to reverse.
    SaleOf(SaleOp::InvoiceWithNote, {{"G1", 1}}, 1);
    ASSERT_TRUE(Save());
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    SaleOf(SaleOp::CreditNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM fiscal_receipts;"), "0");
    EXPECT_EQ(form->FiscalMark(), "");
    EXPECT_FALSE(fiscal->IssueFor(SaleFamily::GoodsNotes, 1, false));
    EXPECT_TRUE(LastBox().startsWith("За този документ не се издава фискален бон"));
}

TEST_F(FiscalTest, TheClerkIsAskedWhenReceiptsAreNotAutomatic) {
    FiscalDeviceSettings device = LoadFiscalDevice(*settings);
    device.automatic = false;
    device.operatorPassword.clear(); // the operator still prints under its number
    StoreFiscalDevice(*settings, device);
    Restart();
    prompter.Expect(Answer::No);
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_TRUE(prompter.Texts().contains("Да бъде ли издаден фискален бон за продажбата?"));
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(form->FiscalMark(), "без фискален бон"); // reserved: its number is kept
    EXPECT_TRUE(form->IssueFiscalReceipt());
    EXPECT_EQ(Row("0", 1), "1|DT279013-0001-0000001|1|0000085|3");
    EXPECT_EQ(server.To(kReceipt)[0].json["operator"].toString(), "1");
    EXPECT_FALSE(server.To(kReceipt)[0].json.contains("operatorPassword"));
}

TEST_F(FiscalTest, AnAmountTheDeviceRecordsOtherwiseIsReported) {
    server.amountOffset = 0.02;
    server.warning = "W301";
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_EQ(LastBox(), "Фискален бон № 0000085.\n\nСумата на фискалния бон (3.02) се различава от "
                         "сумата на документа (3.00).\nПредупреждение W301: Хартията свършва.");
    server.amountOffset = 0.01; // a cent of rounding is not worth a word
    server.warning.clear();
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    ASSERT_TRUE(Save());
    EXPECT_EQ(LastBox(), "Продажбата беше успешно обработена и съхранена.");
}

TEST_F(FiscalTest, AReceiptOfADeletedDocumentDoesNotPassToItsNumber) {
    // A printed receipt of goods note 1, which was deleted since.
    ASSERT_TRUE(
        Db().Exec("INSERT INTO fiscal_receipts (family, doc_id, printer_serial, sequence, "
                  "unique_sale_number, task_id, amount, state, receipt_number) VALUES(0, 1, 'DT279013', 5, "
                  "'DT279013-0001-0000005', 'x', 3, 1, '0000050');"));
    SaleOf(SaleOp::GoodsNote, {{"G1", 1}});
    {
        // The save fails half-way: nothing of it stays, the old row neither changes.
        FailureInjector failure(doc->GetDatabase(), SQLITE_UPDATE, "fiscal_receipts", 0);
        EXPECT_FALSE(Save());
        prompter.Clear();
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");
    EXPECT_EQ(Scalar("SELECT state FROM fiscal_receipts;"), "1");
    {
        // The receipt is reserved in the document's own save: no document
        // without its mark, and no mark without its document.
        FailureInjector failure(doc->GetDatabase(), SQLITE_INSERT, "fiscal_receipts", 0);
        EXPECT_FALSE(Save());
        prompter.Clear();
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM fiscal_receipts;"), "1");
    EXPECT_TRUE(server.requests.empty());
    ASSERT_TRUE(Save());
    EXPECT_EQ(Row("0", 1), "6|DT279013-0001-0000006|1|0000085|3");
    EXPECT_EQ(Scalar("SELECT state FROM fiscal_receipts WHERE sequence = 5;"), "2");
}

TEST_F(FiscalTest, DailyReportsAndCashInAndOut) {
    EXPECT_TRUE(fiscal->XReport());
    EXPECT_EQ(LastBox(), "X отчетът е отпечатан.");
    prompter.Expect(Answer::No);
    EXPECT_FALSE(fiscal->ZReport());
    EXPECT_EQ(LastBox(), "Z отчетът приключва деня и нулира дневните суми на фискалното "
                         "устройство. Да бъде ли отпечатан?");
    EXPECT_TRUE(server.To("/printers/dt279013/zreport").empty());
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(fiscal->ZReport());
    EXPECT_EQ(server.To("/printers/dt279013/zreport").size(), 1u);
    EXPECT_TRUE(fiscal->Deposit(150.5));
    EXPECT_EQ(LastBox(), "Служебно въведени 150.50 в касата на фискалното устройство.");
    EXPECT_TRUE(fiscal->Withdraw(20));
    EXPECT_EQ(server.To("/printers/dt279013/deposit")[0].json["amount"].toDouble(), 150.5);
    EXPECT_EQ(server.To("/printers/dt279013/withdraw")[0].json["amount"].toDouble(), 20);
    EXPECT_EQ(server.To("/printers/dt279013/withdraw")[0].json["operatorPassword"].toString(), kPassword);

    server.warning = "W301";
    fiscal->CheckConnection(fiscal->Device());
    EXPECT_EQ(LastBox(), "Връзката с фискалното устройство е наред.\nДата и час на устройството: "
                         "08.12.2026 10:30\n\nПредупреждение W301: Хартията свършва.");
    const std::optional<std::vector<NetFpPrinter>> printers = fiscal->Printers(server.Url());
    ASSERT_TRUE(printers && printers->size() == 1);
    EXPECT_EQ(printers->at(0).serialNumber, "DT279013");
    EXPECT_EQ(printers->at(0).itemTextMaxLength, 22);

    // Cash put in while the answer is lost: the task is asked about, and the
    // clerk never hears that nothing happened.
    server.warning.clear();
    server.dropNext = true;
    EXPECT_TRUE(fiscal->Deposit(10));
    EXPECT_EQ(LastBox(), "Служебно въведени 10.00 в касата на фискалното устройство.");
    server.malformedNext = true;
    server.taskInfoDown = true;
    prompter.Expect(Answer::No);
    EXPECT_FALSE(fiscal->Withdraw(10));
    EXPECT_TRUE(LastBox().startsWith("Не е известно дали фискалното устройство изпълни командата")) << LastBox().toStdString();
    EXPECT_FALSE(LastBox().contains("Нищо не е отпечатано"));
    server.taskInfoDown = false;
    EXPECT_EQ(server.To("/printers/dt279013/deposit").size(), 2u);

    // A server that answers with a problem is quoted, not called silent.
    FiscalDeviceSettings unknown = LoadFiscalDevice(*settings);
    unknown.printerId = "zz000001";
    StoreFiscalDevice(*settings, unknown);
    EXPECT_FALSE(fiscal->XReport());
    EXPECT_EQ(LastBox(), "Сървърът за фискални устройства на " + server.Url() +
                             " отказа заявката.\n\nГрешка: HTTP 404: Not Found");
    StoreFiscalDevice(*settings, LoadFiscalDevice(*settings));
    unknown.printerId = "dt279013";
    StoreFiscalDevice(*settings, unknown);

    server.refuseNext = {{"E502", "24 hours block"}};
    EXPECT_FALSE(fiscal->XReport());
    EXPECT_EQ(
        LastBox(),
        "Фискалното устройство отказа.\n\nГрешка E502: Блокиране: не е пуснат Z отчет за повече от 24 часа.");
    EXPECT_FALSE(PasswordShown());
}

// Without a device the file keeps only the program's own tables.
TEST_F(SaleTest, ASaleWithoutAFiscalDeviceCreatesNoTable) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table';"), "42");
}

} // namespace
