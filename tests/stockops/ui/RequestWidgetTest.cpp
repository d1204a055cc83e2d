// The request form as the clerk sees it: buttons and menus, the price
// columns following the kind of request, the total caption following the
// currency, and the printout after a save.
#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "sales/ui/CSellDlg.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "stockops/ui/CRequestDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/ScriptedChoosers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
class RequestWidgetTest : public DatabaseTest {};

QAction* actionNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text().remove('&') == text)
            return action;
        if (action->menu())
            if (QAction* inner = actionNamed(action->menu(), text))
                return inner;
    }
    return nullptr;
}

TEST_F(RequestWidgetTest, MenusColumnsAndTheTotalCaption) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO requests_main (doc_id, transported_by) VALUES(4, 'Спиди');"
        "INSERT INTO partners (partner_id, partner_is_supplier, partner_name) VALUES(1, 1, 'Алфа');"));
    FakeFormHost host(prompter, *settings);
    CRequestDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ЗАЯВКИ");
    QStringList captions;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        captions << button->text();
    for (const char* caption :
         {" [F6] зареждане...", " [F7] нова заявка", " [F8] избор на доставчик...", " [F2] стоки...",
          " [F3]  промяна...", " [F4]  изтрий", " [F9]  запис и печат", " [F10] изход", "допълн. функции"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    QStringList fields;
    for (QLineEdit* field : form.findChildren<QLineEdit*>())
        fields << field->text();
    EXPECT_TRUE(fields.contains("0000000005"));
    EXPECT_FALSE(form.EditButton()->isEnabled());
    EXPECT_FALSE(form.DeleteButton()->isEnabled());
    EXPECT_TRUE(form.List()->isColumnHidden(6));
    EXPECT_TRUE(form.List()->isColumnHidden(0));
    EXPECT_EQ(form.Carrier()->count(), 1);
    EXPECT_TRUE(form.Carrier()->isEditable());

    QAction* priced = actionNamed(form.NewMenu(), "Заявка с цени");
    ASSERT_NE(priced, nullptr);
    EXPECT_EQ(priced->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
    EXPECT_EQ(actionNamed(form.NewMenu(), "Заявка без доставни цени")->shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_F7));
    priced->trigger();
    EXPECT_TRUE(form.Behaviour().Request().hasPrices);
    EXPECT_FALSE(form.List()->isColumnHidden(6));
    EXPECT_FALSE(form.List()->isColumnHidden(7));
    EXPECT_EQ(form.TotalCaption()->text(), "ТОТАЛ (BGL):");
    EXPECT_EQ(form.Total()->text(), "0.00");

    for (const char* entry :
         {"български език", "английски език", "BGL", "EUR", "USD", "GBP", "Експорт в CSV..."})
        EXPECT_NE(actionNamed(form.ExtraMenu(), entry), nullptr) << entry;
    actionNamed(form.ExtraMenu(), "EUR")->trigger();
    EXPECT_EQ(form.TotalCaption()->text(), "ТОТАЛ (EUR):");
    EXPECT_EQ(form.Behaviour().Request().currency, "EUR");
    actionNamed(form.ExtraMenu(), "английски език")->trigger();
    EXPECT_EQ(settings->OrdersPrnLang(), 1);

    // Typing a new carrier reaches the request.
    form.Carrier()->setEditText("Еконт");
    EXPECT_EQ(form.Behaviour().Request().carrier, "Еконт");
}

TEST_F(RequestWidgetTest, TheMenuOpensTheForm) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kRequests);
    EXPECT_NE(qobject_cast<CRequestDlg*>(frame.centralWidget()), nullptr);
}
} // namespace

namespace {
// Alt+F7 and Ctrl+F7, pressed anywhere in the shown form, pick their entry
// of the new-request menu; the same keys of the sale form's menu work too.
TEST_F(RequestWidgetTest, TheMenuKeysWorkOnTheWholeForm) {
    FakeFormHost host(prompter, *settings);
    CRequestDlg form(*doc, host);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.List()->setFocus();
    QTest::keyClick(form.List(), Qt::Key_F7, Qt::ControlModifier);
    EXPECT_TRUE(form.Behaviour().Request().hasPrices);
    QTest::keyClick(form.List(), Qt::Key_F7, Qt::AltModifier);
    EXPECT_FALSE(form.Behaviour().Request().hasPrices);

    CSellDlg sale(*doc, host);
    sale.show();
    sale.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sale));
    QTest::keyClick(&sale, Qt::Key_F7, Qt::AltModifier);
    EXPECT_EQ(sale.Behaviour().Op(), SaleOp::InvoiceWithNote);
    QTest::keyClick(&sale, Qt::Key_F7, Qt::ControlModifier);
    EXPECT_EQ(sale.Behaviour().Op(), SaleOp::GoodsNote);
}
} // namespace

#include "base/ui/DecimalSpinBox.h"
#include "masterdata/Item.h"
#include "stockops/ui/CRequestLineDlg.h"

#include <QCheckBox>

namespace {
// The line dialog: the price kinds with their captions, the price field
// only in a request with prices, and OK kept open on a refusal.
TEST(RequestLineDialogTest, PriceKindsAndRefusals) {
    Item item;
    item.costPrice = 1.1;
    item.price1 = 2.5;
    item.lastPrice = 1.9;
    const SaleLinePricing pricing(item, 1.75);
    RequestLineDialog::Request request;
    request.name = "Кабел";
    request.code = "K1";
    request.supplierCodes = {"A'1", "B-77"};
    request.supplierCode = "B-77";
    request.quantity = 0;
    request.withPrices = true;
    request.start = pricing.Select(SaleLinePricing::LastPrice);
    request.pricing = &pricing;
    std::vector<RequestLineDialog::Answer> offered;
    CRequestLineDlg dialog(request, [&offered](const RequestLineDialog::Answer& a) {
        offered.push_back(a);
        return a.quantity <= 0 ? RequestLineDialog::Refusal::Quantity : RequestLineDialog::Refusal::None;
    });
    EXPECT_EQ(dialog.windowTitle(), "количество и цена");
    EXPECT_FALSE(dialog.SupplierCodes()->isEnabled());
    EXPECT_EQ(dialog.SupplierCodes()->currentText(), "B-77");
    dialog.UseSupplierCode()->setChecked(true);
    EXPECT_TRUE(dialog.SupplierCodes()->isEnabled());
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("посл. доставна:"));
    EXPECT_DOUBLE_EQ(dialog.Answer().price, 1.9);
    dialog.ChooseKind(SaleLinePricing::PartnerPrice);
    EXPECT_DOUBLE_EQ(dialog.Answer().price, 1.75);
    EXPECT_EQ(dialog.Answer().kind, SaleLinePricing::PartnerPrice);

    static_cast<QDialog&>(dialog).accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_TRUE(offered[0].useSupplierCode);
    dialog.Quantity()->setValue(4);
    static_cast<QDialog&>(dialog).accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    request.withPrices = false;
    CRequestLineDlg plain(request,
                          [](const RequestLineDialog::Answer&) { return RequestLineDialog::Refusal::None; });
    plain.ChooseKind(SaleLinePricing::Price1);
    EXPECT_DOUBLE_EQ(plain.Answer().price, 0);
    EXPECT_EQ(plain.Answer().kind, SaleLinePricing::Typed);
}
} // namespace
