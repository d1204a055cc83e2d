#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CNomenclaturesDlg.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

class CatalogueWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Кабели', 0);"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("K1", "Кабел")
                                 .Unit("м")
                                 .Quantity(12.5)
                                 .Min(1)
                                 .Cost(1.5)
                                 .Prices(2.675, 3)
                                 .Last(1.4)
                                 .Material(),
                             StockRow("P1", "Удължител").Quantity(4).Prices(20, 0).Work(2).Recipe(),
                             StockRow("S1", "Монтаж").Unit("ч.").Prices(30, 0).Work(15).Recipe().Service()}));
        frame = std::make_unique<CMainFrame>(*doc, *settings, prompter, printer);
    }
    QPushButton* Button(QWidget* parent, const QString& text) {
        for (QPushButton* button : parent->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    PrinterSettings printer;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(CatalogueWidgetTest, TheFormOpensOnGoodsWithTheFirstRowSelected) {
    frame->SwitchView(ViewType::kCatalogue);
    auto* form = qobject_cast<CNomenclaturesDlg*>(frame->centralWidget());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(frame->windowTitle(), "TARVO - СТОКИ, ИЗДЕЛИЯ и УСЛУГИ");
    EXPECT_EQ(form->List()->RowCount(), 1);
    EXPECT_EQ(form->List()->SelectedRows().size(), 1u);
    ASSERT_NE(Button(form, " [F6] промяна..."), nullptr);
    EXPECT_TRUE(Button(form, " [F6] промяна...")->isEnabled());
    EXPECT_TRUE(form->List()->isColumnHidden(6)); // the cost column is off by default

    form->findChild<QTabBar*>()->setCurrentIndex(3);
    EXPECT_EQ(form->List()->RowCount(), 3);
    const QModelIndex service = form->List()->model()->index(1, 0);
    EXPECT_EQ(form->List()->model()->data(service).toString(), "Монтаж");
    EXPECT_EQ(form->List()->model()->data(service, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::blue));
    const QModelIndex product = form->List()->model()->index(2, 0);
    EXPECT_EQ(form->List()->model()->data(product, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::red));
}

// F9 opens the print preview of the list, not the print dialog.
TEST_F(CatalogueWidgetTest, PrintingShowsThePreviewFirst) {
    FakeFormHost host(prompter, *settings);
    CNomenclaturesDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СТОКИ, ИЗДЕЛИЯ и УСЛУГИ");
    ASSERT_NE(Button(&form, " [F9] печат..."), nullptr);
    Button(&form, " [F9] печат...")->click();
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("НОМЕНКЛАТУРА НА МАТЕРИАЛИ, СТОКИ, ИЗДЕЛИЯ И УСЛУГИ"));
    EXPECT_TRUE(host.previewed[0].contains("Кабел"));
    EXPECT_TRUE(host.previewed[0].contains("пр. цена #1"));
}

TEST_F(CatalogueWidgetTest, ThePickerRefusesTabsOutsideItsMask) {
    FakeFormHost host(prompter, *settings);
    CItemPickerDlg picker(*doc, host, ItemKind::Products | ItemKind::Materials, ItemViews::kProducts);
    EXPECT_EQ(picker.windowTitle(), "Избор на артикули");
    auto* tabs = picker.findChild<QTabBar*>();
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(picker.List()->RowCount(), 1);
    tabs->setCurrentIndex(3); // services
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(prompter.Texts(), QStringList{"Избаният изглед не е достъпен в тази част на програмата."});
    tabs->setCurrentIndex(1); // materials
    EXPECT_EQ(picker.List()->RowCount(), 1);
    Button(&picker, " [F9]  избери")->click();
    EXPECT_EQ(picker.ChosenCode(), "K1");

    // By keys alone, from the list: the next allowed tab and back, passing
    // over the refused ones without a word.
    prompter.Clear();
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    picker.List()->setFocus();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(picker.List(), key, modifiers);
        return tabs->currentIndex();
    };
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), 2);      // materials -> products
    EXPECT_EQ(press(Qt::Key_PageDown, Qt::ControlModifier), 1); // services, all refused: round to materials
    EXPECT_EQ(press(Qt::Key_PageUp, Qt::ControlModifier), 2);
    EXPECT_EQ(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 1);
    EXPECT_EQ(picker.List()->RowCount(), 1);
    EXPECT_TRUE(prompter.Texts().isEmpty());
}

// Every row of a large catalogue is listed; its speed is measured by the
// catalogue benchmark.
TEST_F(CatalogueWidgetTest, TenThousandItemsAreAllListed) {
    ASSERT_TRUE(Db().Exec("BEGIN;"));
    for (int g = 2; g <= 200; ++g)
        ASSERT_TRUE(Db().ExecPrintf("INSERT INTO groups VALUES(?, ?, 0);", g, QString("Група %1").arg(g)));
    for (int i = 0; i < 10000; ++i)
        ASSERT_TRUE(AddStocks(Db(), {StockRow(QString("C%1").arg(i), QString("Артикул %1").arg(i))
                                         .Group(i % 200 + 1)
                                         .Quantity(i % 50)
                                         .Cost(1.5)
                                         .Prices(2, 3)
                                         .Last(1)
                                         .Material(i % 3 == 0)}));
    ASSERT_TRUE(Db().Exec("COMMIT;"));
    settings->SetShowItemCostPrice(1);
    frame->SwitchView(ViewType::kCatalogue);
    auto* form = qobject_cast<CNomenclaturesDlg*>(frame->centralWidget());
    form->findChild<QTabBar*>()->setCurrentIndex(3);
    EXPECT_EQ(form->List()->RowCount(), 10003);
}

} // namespace
