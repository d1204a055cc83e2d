// The cash register: the summary, the payment rules in whole cents, the
// payment numbers, new/edited/deleted operations each in one change, the
// filter's choices and period, the partner check list, and the print flags.
#include "base/TextInput.h"
#include "documents/CashOperationForm.h"
#include "documents/CashRegisterForm.h"
#include "masterdata/FirmCurrency.h"
#include "print/CashRegisterPrint.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedChoosers.h"
#include "trade/CashRegisterStore.h"

#include <deque>
#include <memory>

namespace {

// Answers the payment dialog with amounts offered to its OK in turn.
class ScriptedPayments : public CashPaymentEditor {
public:
    std::optional<CashPayment> EditPayment(const Request& request,
                                           const std::function<bool(double)>& accept) override {
        requests.push_back(request);
        while (!amounts.empty()) {
            const double amount = amounts.front();
            amounts.pop_front();
            if (accept(amount))
                return CashPayment{0, date.isValid() ? date : request.date, amount};
        }
        return std::nullopt;
    }
    std::deque<double> amounts;
    QDate date;
    std::vector<Request> requests;
};

// The operation dialog: applies the next edit, or cancels when none is left.
class ScriptedOperations : public CashOperationEditor {
public:
    bool EditOperation(CashOperation& op) override {
        shown.push_back(op);
        if (edits.empty())
            return false;
        edits.front()(op);
        edits.pop_front();
        return true;
    }
    std::deque<std::function<void(CashOperation&)>> edits;
    std::vector<CashOperation> shown;
};

class CashRegisterTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name) "
            "VALUES(1, 1, 0, 'Д''Артанян ООД');"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name) "
            "VALUES(2, 0, 1, 'Бета 100% ЕООД');"
            // A small set: 1 income unpaid, 2 income paid by bank, 3 expense part paid, 4 outside the week.
            "INSERT INTO cash_register VALUES(1, 0, 'ф-ра 1', '2026-12-02', '2026-12-10', 'Продажба', 1, "
            "100, 0, 0);"
            "INSERT INTO cash_register VALUES(2, 0, '', '2026-12-08', '2026-12-08', 'Услуга', 1, 0.3, 0, 1);"
            "INSERT INTO cash_register VALUES(3, 1, '', '2026-12-05', '2026-12-31', 'Доставка', 2, 250, 7, "
            "0);"
            "INSERT INTO cash_register VALUES(4, 1, '', '2026-12-01', '2026-12-01', 'Наем', 0, 40, 0, 0);"
            "INSERT INTO cash_register_cmp VALUES(2, 1, '2026-12-08', 0.1);"
            "INSERT INTO cash_register_cmp VALUES(2, 2, '2026-12-08', 0.2);"
            "INSERT INTO cash_register_cmp VALUES(3, 3, '2026-12-06', 50);"));
        form = std::make_unique<CashRegisterForm>(Db(), prompter, *settings, clock);
    }
    QList<int> Shown() const {
        QList<int> ids;
        for (const CashRow& row : form->Rows())
            ids << row.recId;
        return ids;
    }
    QList<int> With(int show, int type, int method, std::vector<int> partners = {}) {
        CashFilter filter = form->Filter();
        filter.show = show;
        filter.type = type;
        filter.method = method;
        filter.partners = std::move(partners);
        EXPECT_TRUE(form->ApplyFilter(filter));
        return Shown();
    }

    std::unique_ptr<CashRegisterForm> form;
    ScriptedOperations operations;
    ScriptedPayments payments;
};

TEST_F(CashRegisterTest, TheFilterChoosesByPeriodPaymentTypeMethodAndPartner) {
    // The default week on the fixed clock (8 December): the 2nd to the 8th.
    EXPECT_EQ(form->Filter().from, QDate(2026, 12, 2));
    EXPECT_EQ(form->Filter().to, QDate(2026, 12, 8));
    EXPECT_EQ(With(0, 0, 0), QList<int>({1, 2, 3}));
    // 0.10 + 0.20 pays 0.30 exactly: paid, not unpaid.
    EXPECT_EQ(With(1, 0, 0), QList<int>({2}));
    EXPECT_EQ(With(2, 0, 0), QList<int>({1, 3}));
    EXPECT_EQ(With(0, 1, 0), QList<int>({1, 2}));
    EXPECT_EQ(With(0, 2, 0), QList<int>({3}));
    EXPECT_EQ(With(0, 0, 1), QList<int>({1, 3}));
    EXPECT_EQ(With(0, 0, 2), QList<int>({2}));
    EXPECT_EQ(With(2, 1, 1), QList<int>({1}));
    EXPECT_EQ(With(1, 2, 0), QList<int>());
    EXPECT_EQ(With(0, 0, 0, {2}), QList<int>({3}));
    EXPECT_EQ(With(0, 0, 0, {1, 2}), QList<int>({1, 2, 3}));
    // Both ends inclusive.
    CashFilter day = form->Filter();
    day.from = day.to = QDate(2026, 12, 1);
    day.partners.clear();
    ASSERT_TRUE(form->ApplyFilter(day));
    EXPECT_EQ(Shown(), QList<int>({4}));

    const CashRow& paid = *std::find_if(form->Rows().begin(), form->Rows().end(),
                                        [](const CashRow& r) { return r.recId == 4; });
    EXPECT_EQ(CashRegisterForm::Cells(paid).value(6), "-"); // no partner
}

TEST_F(CashRegisterTest, TheSummaryAndTheCells) {
    EXPECT_EQ(form->SummaryRows(), (std::vector<QStringList>{{"Приходи", "0.00", "0.00", "0.00"},
                                                             {"Разходи", "0.00", "0.00", "0.00"},
                                                             {"Остатък", "0.00", "0.00", "0.00"}}));
    ASSERT_TRUE(form->Reload());
    EXPECT_EQ(form->SummaryRows(), (std::vector<QStringList>{{"Приходи", "100.30", "0.30", "100.00"},
                                                             {"Разходи", "250.00", "50.00", "200.00"},
                                                             {"Остатък", "-149.70", "-49.70", "-100.00"}}));
    const CashRow& expense = form->Rows()[2];
    EXPECT_EQ(CashRegisterForm::Cells(expense),
              QStringList({"3", "РО", "0000000007", "05.12.2026", "31.12.2026", "Доставка", "Бета 100% ЕООД",
                           "250.00", "50.00", "200.00", "", "", "1"}));
    EXPECT_EQ(CashRegisterForm::ToneOf(expense), RowTone::Red);
    EXPECT_EQ(CashRegisterForm::ToneOf(form->Rows()[0]), RowTone::Normal);
    EXPECT_EQ(CashRegisterForm::Cells(form->Rows()[1]).value(11), "X");
    EXPECT_EQ(CashRegisterForm::Cells(form->Rows()[0]).value(2), "");
}

TEST_F(CashRegisterTest, PaymentsAreCheckedInCentsAndNumberedAfterTheHighest) {
    // The boundary: exactly the remaining passes, a cent more does not.
    EXPECT_TRUE(CashOperationForm::AcceptPayment(prompter, 0.3, 0, 0.1 + 0.2));
    EXPECT_FALSE(CashOperationForm::AcceptPayment(prompter, 0.31, 0, 0.3));
    EXPECT_EQ(prompter.Texts().last(), "Сумата не може да бъде по-голяма от остатъка по тази операция!");
    EXPECT_FALSE(CashOperationForm::AcceptPayment(prompter, 0, 0, 5));
    EXPECT_EQ(prompter.Texts().last(), "Сумата трябва да бъде положително число!");
    // An edited payment may rise to the remaining plus its own amount.
    EXPECT_TRUE(CashOperationForm::AcceptPayment(prompter, 70, 20, 50));
    EXPECT_FALSE(CashOperationForm::AcceptPayment(prompter, 70.01, 20, 50));

    CashOperation op;
    op.amount = 100;
    CashOperationForm dialog(Db(), prompter, op);
    // The amount's currency: the description's "BGL", "EUR" once the firm is in euro.
    EXPECT_EQ(dialog.AmountCurrency(), "BGL");
    ASSERT_TRUE(StoreEuro(Db(), QDate(2026, 12, 8)));
    EXPECT_EQ(dialog.AmountCurrency(), "EUR");
    for (double amount : {10.0, 20.0, 30.0}) {
        payments.amounts.push_back(amount);
        ASSERT_TRUE(dialog.AddPayment(payments, QDate(2026, 12, 8)));
    }
    EXPECT_DOUBLE_EQ(payments.requests.back().remaining, 70);
    EXPECT_DOUBLE_EQ(dialog.Operation().Remaining(), 40);
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(dialog.DeletePayment(2));
    payments.amounts.push_back(5);
    ASSERT_TRUE(dialog.AddPayment(payments, QDate(2026, 12, 8)));
    EXPECT_EQ(dialog.Operation().payments.back().number, 3);
    // Raising payment 1 (10) up to the remaining 65 + 10; one cent more is refused first.
    payments.amounts = {75.01, 75};
    ASSERT_TRUE(dialog.EditPayment(0, payments));
    EXPECT_DOUBLE_EQ(payments.requests.back().previous, 10);
    EXPECT_DOUBLE_EQ(dialog.Operation().Remaining(), 0);
    // Listed by date, then number.
    payments.date = QDate(2026, 12, 1);
    dialog.Edit().amount = 200;
    payments.amounts.push_back(1);
    ASSERT_TRUE(dialog.AddPayment(payments, QDate(2026, 12, 8)));
    EXPECT_EQ(dialog.PaymentOrder().front(), 3);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(dialog.DeleteAllPayments());
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(dialog.DeleteAllPayments());
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете да изтриете плащанията по операцията?");
    EXPECT_TRUE(dialog.Operation().payments.empty());

    // "запиши": a positive amount, not below what is paid.
    dialog.Edit().amount = 0;
    EXPECT_FALSE(dialog.MaySave());
    dialog.Edit().amount = 10;
    dialog.Edit().payments.push_back({1, QDate(2026, 12, 8), 10.01});
    EXPECT_FALSE(dialog.MaySave());
    dialog.Edit().payments.back().amount = 10;
    EXPECT_TRUE(dialog.MaySave());
}

TEST_F(CashRegisterTest, NewEditedAndDeletedOperationsWithTheirPayments) {
    ASSERT_TRUE(form->Reload());
    operations.edits.push_back([](CashOperation& op) {
        op.opType = CashOperation::Expense;
        op.amount = 80;
        op.description = "Ток за 'декември' 100%";
        op.basis = "ф-ра \"ЕВН\"";
        op.partnerId = 2;
        op.bank = true;
        op.payments = {{1, QDate(2026, 12, 8), 30}, {2, QDate(2026, 12, 8), 20}};
    });
    const int row = form->New(operations);
    ASSERT_EQ(row, 3);
    EXPECT_EQ(operations.shown.back().date, QDate(2026, 12, 8));
    const CashRow added = form->Rows()[3];
    EXPECT_EQ(added.recId, 5);
    EXPECT_DOUBLE_EQ(added.paid, 50);
    EXPECT_EQ(added.payments, 2);
    EXPECT_EQ(added.description, "Ток за 'декември' 100%");

    // Edited: the payments replaced, the row rewritten in place.
    operations.edits.push_back([](CashOperation& op) {
        EXPECT_EQ(op.payments.size(), 2u);
        EXPECT_EQ(op.basis, "ф-ра \"ЕВН\"");
        op.payments.pop_back();
        op.amount = 90;
    });
    ASSERT_TRUE(form->Edit(3, operations));
    EXPECT_EQ(CashRegisterForm::Cells(form->Rows()[3]).mid(7, 3), QStringList({"90.00", "30.00", "60.00"}));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register_cmp WHERE rec_id = 5;"), "1");

    // "откажи" writes nothing.
    const QString before = Scalar("SELECT group_concat(amount) FROM cash_register_cmp;");
    EXPECT_FALSE(form->Edit(3, operations));
    EXPECT_EQ(form->New(operations), -1);
    EXPECT_EQ(Scalar("SELECT group_concat(amount) FROM cash_register_cmp;"), before);

    // A failed rewrite (its payment refused) keeps the row and the stored operation.
    operations.edits.push_back([](CashOperation& op) {
        op.amount = 500;
        op.payments.push_back({2, QDate(2026, 12, 8), 5});
    });
    {
        FailureInjector refuse(doc->GetDatabase(), SQLITE_INSERT, "cash_register_cmp", 0);
        EXPECT_FALSE(form->Edit(3, operations));
    }
    EXPECT_EQ(CashRegisterForm::Cells(form->Rows()[3]).value(7), "90.00");
    EXPECT_EQ(Scalar("SELECT amount || '/' || (SELECT COUNT(*) FROM cash_register_cmp WHERE rec_id = 5) FROM "
                     "cash_register WHERE rec_id = 5;"),
              "90/1");

    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->Delete(3));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Delete(3));
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете да изтриете маркираната операция?");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register WHERE rec_id = 5;"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register_cmp WHERE rec_id = 5;"), "0");
    EXPECT_EQ(form->Rows().size(), 3u);
}

TEST_F(CashRegisterTest, TheSearchAndThePartnerCheckList) {
    ASSERT_TRUE(form->Reload());
    struct Typed : TextInput {
        std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
            return text;
        }
        QString text;
    } input;
    input.text = "бета";
    ASSERT_TRUE(form->AskSearch(input));
    EXPECT_EQ(Shown(), QList<int>({3}));
    input.text = "0000000007";
    ASSERT_TRUE(form->AskSearch(input));
    EXPECT_EQ(Shown(), QList<int>({3}));
    ASSERT_TRUE(form->Refresh());
    EXPECT_EQ(Shown(), QList<int>({1, 2, 3}));

    std::vector<std::pair<int, QString>> partners;
    ASSERT_TRUE(CashRegisterStore::LoadFilterPartners(Db(), PartnerTab::All, "", partners));
    EXPECT_EQ(partners.size(), 2u);
    ASSERT_TRUE(CashRegisterStore::LoadFilterPartners(Db(), PartnerTab::Customers, "", partners));
    ASSERT_EQ(partners.size(), 1u);
    EXPECT_EQ(partners[0].first, 1);
    ASSERT_TRUE(CashRegisterStore::LoadFilterPartners(Db(), PartnerTab::Suppliers, "", partners));
    EXPECT_EQ(partners[0].second, "Бета 100% ЕООД");
    // Typed text goes in quoted: an apostrophe finds its partner, no error.
    ASSERT_TRUE(CashRegisterStore::LoadFilterPartners(Db(), PartnerTab::All, "Д'Ар", partners));
    ASSERT_EQ(partners.size(), 1u);
    EXPECT_EQ(partners[0].first, 1);
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(CashRegisterTest, PrintFlagsSurviveARestartAndChooseThePrintedColumns) {
    form->SetPrintField(2, false);
    form->SetPrintField(6, false);
    LocalSettings restarted(tempDir.filePath("settings.ini"));
    CashRegisterForm again(Db(), prompter, restarted, clock);
    EXPECT_FALSE(again.PrintField(2));
    EXPECT_TRUE(again.PrintField(3));
    const std::vector<int> columns = again.PrintedColumns();
    EXPECT_EQ(columns.size(), 10u);
    ASSERT_TRUE(again.Reload());
    std::vector<QStringList> rows;
    for (const CashRow& row : again.Rows())
        rows.push_back(CashRegisterForm::Cells(row));
    auto job = CashRegisterPrint(rows, columns, again.Filter().from, again.Filter().to,
                                 PrinterSettings::Orientation::Landscape, nullptr);
    RecordingCanvas canvas;
    job->DrawPage(1, canvas, PageGeometry{2870, 2000});
    const QStringList texts = canvas.Texts();
    EXPECT_TRUE(texts.join('|').contains("ПРИХОДИ И РАЗХОДИ"));
    EXPECT_TRUE(texts.join('|').contains("описание"));
    EXPECT_FALSE(texts.join('|').contains("контрагент"));
    EXPECT_FALSE(texts.join('|').contains("Бета 100% ЕООД"));
    EXPECT_FALSE(texts.join('|').contains("0000000007"));
    EXPECT_TRUE(texts.join('|').contains("250.00"));
}

} // namespace
