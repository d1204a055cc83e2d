#include "base/Clock.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "lists/ui/CSortListCtrl.h"
#include "settings/LocalSettings.h"
#include "support/Fakes.h"
#include "support/QtPrinters.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList column(const CSortListCtrl& list, int k) {
    QStringList cells;
    for (int row = 0; row < list.RowCount(); ++row)
        cells << list.Row(row).value(k);
    return cells;
}

void fill(CSortListCtrl& list) {
    list.AddColumn("код", 60, Qt::AlignLeft, SortType::Integer);
    list.AddColumn("име", 200, Qt::AlignLeft, SortType::Text);
    list.AddColumn("дата", 80, Qt::AlignLeft, SortType::Date);
    list.AddColumn("цена", 80, Qt::AlignRight, SortType::Decimal);
    list.SetRows({{"10", "ябълки", "05.03.2024", "2.5"},
                  {"9", "Банани", "28.02.2024", "10.25"},
                  {"100", "аронии", "01.01.2025", "0.99"}});
}

TEST(SortList, HeaderClicksSortByTypeAndShareTheLastColumn) {
    SortState shared;
    CSortListCtrl first(shared), second(shared);
    fill(first);
    fill(second);
    first.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(column(first, 0), (QStringList{"9", "10", "100"}));
    first.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(column(first, 0), (QStringList{"100", "10", "9"}));
    first.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(column(first, 1), (QStringList{"аронии", "Банани", "ябълки"})); // case does not matter
    EXPECT_EQ(column(first, 0), (QStringList{"100", "9", "10"}));
    first.horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(column(first, 2), (QStringList{"28.02.2024", "05.03.2024", "01.01.2025"}));
    first.horizontalHeader()->sectionClicked(3);
    EXPECT_EQ(column(first, 3), (QStringList{"0.99", "2.5", "10.25"}));
    // The other list clicks the same column: the shared pair flips it.
    second.horizontalHeader()->sectionClicked(3);
    EXPECT_EQ(column(second, 3), (QStringList{"10.25", "2.5", "0.99"}));
}

TEST(SortList, EnterAsksToOpenAndTheExportTakesTheVisibleColumns) {
    SortState shared;
    CSortListCtrl list(shared);
    fill(list);
    QSignalSpy open(&list, &CSortListCtrl::openRequested);
    list.SelectRow(1);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(open.count(), 1);
    EXPECT_EQ(list.CurrentRow(), 1);
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});

    list.setColumnHidden(2, true);
    list.horizontalHeader()->moveSection(3, 0);
    EXPECT_EQ(list.VisibleTitles(), (QStringList{"цена", "код", "име"}));
    EXPECT_EQ(list.VisibleRows()[0], (QStringList{"2.5", "10", "ябълки"}));
}

// Home, End, PgUp and PgDn move the current row; Tab leaves the list.
TEST(SortList, HomeEndAndPagesMoveTheRow) {
    SortState shared;
    CSortListCtrl list(shared);
    list.AddColumn("код", 60, Qt::AlignLeft, SortType::Integer);
    list.AddColumn("име", 200, Qt::AlignLeft, SortType::Text);
    std::vector<QStringList> rows;
    for (int i = 0; i < 100; ++i)
        rows.push_back({QString::number(i), QString("ред %1").arg(i)});
    list.SetRows(std::move(rows));
    list.resize(300, 200);
    list.show();
    list.SelectRow(5);
    list.setCurrentIndex(list.model()->index(5, 1));
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.CurrentRow(), 99);
    EXPECT_EQ(list.currentIndex().column(), 1);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.CurrentRow(), 0);
    QTest::keyClick(&list, Qt::Key_PageDown);
    EXPECT_GT(list.CurrentRow(), 1);
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{list.CurrentRow()});
    QTest::keyClick(&list, Qt::Key_PageUp);
    EXPECT_EQ(list.CurrentRow(), 0);
    EXPECT_FALSE(list.tabKeyNavigation());
}

// A width the user drags is kept for the list and comes back next time.
TEST(SortList, DraggedWidthsAreRemembered) {
    QTemporaryDir dir;
    LocalSettings settings(dir.filePath("s.ini"));
    SortState shared;
    {
        CSortListCtrl list(shared);
        fill(list);
        list.RememberWidths(settings, "Опит");
        EXPECT_GE(list.columnWidth(1), 200);
        list.horizontalHeader()->resizeSection(1, 333);
    }
    CSortListCtrl again(shared);
    fill(again);
    again.RememberWidths(settings, "Опит");
    EXPECT_EQ(again.columnWidth(1), 333);
    CSortListCtrl other(shared);
    fill(other);
    other.RememberWidths(settings, "Друг");
    EXPECT_NE(other.columnWidth(1), 333);
}

// Their speed is measured by the sort-list benchmark.
TEST(SortList, TwentyThousandRowsFillAndSortOnEveryColumn) {
    SortState shared;
    CSortListCtrl list(shared);
    fill(list);
    std::vector<QStringList> rows;
    for (int i = 0; i < 20000; ++i)
        rows.push_back({QString::number((i * 7919) % 20000), QString("Артикул %1").arg((i * 31) % 20000),
                        QString::asprintf("%.2d.%.2d.20%.2d", i % 28 + 1, i % 12 + 1, i % 30),
                        QString::number((i * 13) % 1000 / 7.0, 'f', 2)});
    list.SetRows(std::move(rows));
    list.show();
    for (int k = 0; k < 4; ++k)
        list.horizontalHeader()->sectionClicked(k);
    QApplication::processEvents();
    EXPECT_EQ(list.RowCount(), 20000);
}

TEST(PeriodButton, AppliesAPeriodAndOffersOnlyStoredFavourites) {
    QTemporaryDir dir;
    LocalSettings settings(dir.filePath("s.ini"));
    FixedClock clock;
    clock.now = QDateTime(QDate(2027, 1, 15), QTime(9, 0));
    QDateEdit start, end;
    CDatePeriodsBtn button(&start, &end, settings, clock);
    EXPECT_EQ(button.text(), "От... До...");
    QSignalSpy reload(&button, &CDatePeriodsBtn::reloadRequested);

    QAction* previousMonth = nullptr;
    QAction* favourite = nullptr;
    QAction* storeInThree = nullptr;
    for (QAction* action : button.findChildren<QAction*>()) {
        if (action->text() == "За предишния месец")
            previousMonth = action;
        if (action->text().startsWith("Предпочитан период #3"))
            favourite = action;
        if (action->text() == "В позиция #3")
            storeInThree = action;
    }
    ASSERT_TRUE(previousMonth && favourite && storeInThree);
    EXPECT_FALSE(favourite->isEnabled());
    previousMonth->trigger();
    EXPECT_EQ(start.date(), QDate(2026, 12, 1));
    EXPECT_EQ(end.date(), QDate(2026, 12, 31));
    EXPECT_EQ(reload.count(), 1);

    storeInThree->trigger();
    EXPECT_EQ(settings.UsrFavDate(3), "от 01.12.2026 до 31.12.2026");
    EXPECT_EQ(reload.count(), 1); // storing does not reload
    Q_EMIT button.PeriodMenu()->aboutToShow();
    EXPECT_TRUE(favourite->isEnabled());
    EXPECT_EQ(favourite->text(), "Предпочитан период #3: от 01.12.2026 до 31.12.2026");
    start.setDate(QDate(2020, 1, 1));
    favourite->trigger();
    EXPECT_EQ(start.date(), QDate(2026, 12, 1));
    EXPECT_EQ(reload.count(), 2);
}

} // namespace
