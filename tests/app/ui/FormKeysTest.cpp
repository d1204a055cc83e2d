// Every form's keys as the window holds them: a key that two shortcuts
// answer at once is ambiguous, and Qt then fires neither of them.
#include "app/ui/CMainFrame.h"
#include "base/ui/DateField.h"
#include "sales/SaleTestBase.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QMenuBar>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

namespace {
class FormKeysTest : public SaleTest {};

// Every form of the main window.
const int kForms[] = {
    ViewType::kCatalogue, ViewType::kDeliveries, ViewType::kRequests, ViewType::kSales,
    ViewType::kStockQuantitiesReport, ViewType::kSalesByItemReport, ViewType::kDeliveriesReport,
    ViewType::kConsumedMaterialsReport, ViewType::kIncomeExpenseDiagram, ViewType::kStocktaking,
    ViewType::kProduction, ViewType::kOffers, ViewType::kStockMovementReport, ViewType::kProductionReport,
    ViewType::kCashRegister, ViewType::kTurnoverByPartnerReport, ViewType::kTurnoverByMonthsAndItemsReport,
    ViewType::kTurnoverByMonthsAndCustomersReport, ViewType::kProfitByCustomersReport,
    ViewType::kProfitByMonthsAndItemsReport, ViewType::kWarrantyCards, ViewType::kPartners};

// The arrow keys change only a highlighted part of a date: the cursor
// standing in the year highlights it first; Tab highlights the day.
TEST(DateFieldKeys, TheYearNeverChangesUnseen) {
    QWidget window;
    auto* before = new QLineEdit(&window);
    QDateEdit* date = MakeDateField(&window, "дата:");
    date->move(0, 40);
    date->setDate(QDate(2026, 12, 9));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    date->setFocus();
    date->findChild<QLineEdit*>()->deselect();
    date->findChild<QLineEdit*>()->setCursorPosition(10); // in the year, nothing highlighted
    QTest::keyClick(date, Qt::Key_Down);
    EXPECT_EQ(date->date(), QDate(2026, 12, 9));
    EXPECT_EQ(date->findChild<QLineEdit*>()->selectedText(), "2026");
    QTest::keyClick(date, Qt::Key_Down);
    EXPECT_EQ(date->date(), QDate(2025, 12, 9));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(date->hasFocus());
    QTest::keyClick(date, Qt::Key_Down);
    EXPECT_EQ(date->date(), QDate(2025, 12, 8));
}

TEST_F(FormKeysTest, NoFormAnswersAKeyTwice) {
    PrinterSettings printerSettings;
    CMainFrame frame(*doc, *settings, prompter, printerSettings);
    for (int view : kForms) {
        frame.SwitchView(view);
        ASSERT_EQ(frame.ActiveViewType(), view);
        QMap<QString, int> owners;
        for (const QShortcut* shortcut : frame.findChildren<QShortcut*>()) {
            const auto* owner = qobject_cast<const QWidget*>(shortcut->parent());
            // Keys of the form's own window only: a filter window has its own.
            const bool live = owner && owner->window() == &frame &&
                              (shortcut->context() != Qt::WidgetWithChildrenShortcut ||
                               owner == frame.centralWidget() || frame.centralWidget()->isAncestorOf(owner));
            if (shortcut->isEnabled() && live)
                ++owners[shortcut->key().toString()];
        }
        // The menu's keys count as well (the form takes over those it uses).
        for (const QAction* action : frame.menuBar()->findChildren<QAction*>())
            if (!action->shortcut().isEmpty())
                ++owners[action->shortcut().toString()];
        for (auto it = owners.begin(); it != owners.end(); ++it)
            EXPECT_EQ(it.value(), 1) << "view " << view << ": " << it.key().toStdString();
        frame.SwitchView(ViewType::kStart);
    }
    EXPECT_TRUE(prompter.Texts().isEmpty()) << prompter.Texts().join("\n").toStdString();
}

// On a screen of 1024 x 768 every form fits the main window: nothing is cut
// at its right edge.
TEST_F(FormKeysTest, EveryFormFitsA1024PixelScreen) {
    PrinterSettings printerSettings;
    CMainFrame frame(*doc, *settings, prompter, printerSettings);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    for (int view : kForms) {
        frame.SwitchView(view);
        EXPECT_LE(frame.centralWidget()->minimumSizeHint().width(), 1024) << "view " << view;
        // A form opens with the focus in one of its fields or lists, so its
        // keys work at once.
        const QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused && frame.centralWidget()->isAncestorOf(focused) &&
                    focused->focusPolicy() != Qt::NoFocus)
            << "view " << view << ": " << (focused ? focused->metaObject()->className() : "none");
        frame.SwitchView(ViewType::kStart);
    }
}
} // namespace
