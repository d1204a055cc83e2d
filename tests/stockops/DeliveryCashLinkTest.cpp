// A delivery writes its expense operation in its own save, paid at once when
// "плащане до:" is ticked; the deletion of the delivery takes only it.
#include "app/DocumentDeletion.h"
#include "stockops/DeliveryTestBase.h"
#include "support/FailureInjector.h"

namespace {
using DeliveryCashLinkTest = DeliveryTest;

TEST_F(DeliveryCashLinkTest, ADeliveryWritesItsExpenseAndAPaymentWhenPaid) {
    ChooseSupplier();
    Add("G1", 5, 3);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT op_type || '|' || based_on_doc_id || '|' || partner_id || '|' || amount FROM "
                     "cash_register;"),
              "1|1|1|18"); // 15.00 + 20 % VAT
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register_cmp;"), "0");

    // Saved again: the operation follows the due date, the amount stays.
    documents.choices.push_back({1, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form->Load(documents));
    form->SetPayDate(QDate(2027, 1, 15));
    ASSERT_TRUE(Save()) << prompter.Texts().join('|').toStdString();
    EXPECT_EQ(Scalar("SELECT pay_to_dt || '|' || amount FROM cash_register;"), "2027-01-15|18");

    ASSERT_TRUE(form->NewDelivery());
    ChooseSupplier();
    Add("G2", 2, 1);
    form->SetPayDate(QDate(2026, 12, 20));
    form->SetMarkPaid(true);
    ASSERT_TRUE(Save());
    EXPECT_EQ(
        Scalar("SELECT p.pay_dt || '|' || p.amount FROM cash_register_cmp AS p JOIN cash_register AS c ON "
               "c.rec_id = p.rec_id WHERE c.based_on_doc_id = 2;"),
        "2026-12-20|2.4");

    // A goods note's income operation with the same number stays.
    ASSERT_TRUE(
        Db().Exec("INSERT INTO cash_register VALUES(NULL, 0, '', '2026-12-08', '2026-12-08', 'СР', 0, 5, "
                  "2, 0);"));
    ASSERT_TRUE(DocumentDeletion(Db(), prompter).Delete(DocumentKind::Deliveries, 2));
    EXPECT_EQ(Scalar("SELECT group_concat(op_type) FROM cash_register WHERE based_on_doc_id = 2;"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register_cmp;"), "0");
}

TEST_F(DeliveryCashLinkTest, AFailedOperationLeavesNoDeliveryAndTheStockAsItWas) {
    ChooseSupplier();
    Add("G1", 5, 3);
    {
        FailureInjector refuse(doc->GetDatabase(), SQLITE_INSERT, "cash_register", 0);
        EXPECT_FALSE(Save());
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM supplies_main;"), "0");
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register;"), "1");
}
} // namespace
