#include "lists/ui/CDatePeriodsBtn.h"

#include "base/Clock.h"
#include "settings/LocalSettings.h"

#include <QDateEdit>
#include <QMenu>

CDatePeriodsBtn::CDatePeriodsBtn(QDateEdit* start, QDateEdit* end, LocalSettings& settings,
                                 const Clock& clock, QWidget* parent)
    : QPushButton("От... До...", parent), m_start(start), m_end(end), m_clock(clock), m_favourites(settings),
      m_menu(new QMenu(this)) {
    auto fixed = [this](const char* text, PeriodCommand command) {
        m_menu->addAction(text, this, [this, command] { Apply(PeriodFor(command, m_clock.Now())); });
    };
    fixed("Всички данни до днес", PeriodCommand::AllUntilToday);
    fixed("Всички от днес", PeriodCommand::Today);
    fixed("Всички данни за последните 7 дни", PeriodCommand::LastSevenDays);
    fixed("Всички данни за този месец", PeriodCommand::ThisMonth);
    fixed("За предишния месец", PeriodCommand::PreviousMonth);
    QMenu* months = m_menu->addMenu("За месец ...");
    const char* const names[] = {"Януари", "Февруари", "Март",      "Април",    "Май",     "Юни",
                                 "Юли",    "Август",   "Септември", "Октомври", "Ноември", "Декември"};
    for (int month = 1; month <= 12; ++month)
        months->addAction(names[month - 1], this,
                          [this, month] { Apply(MonthPeriod(month, m_clock.Now())); });
    fixed("Всички данни за тази година", PeriodCommand::ThisYear);
    fixed("За предишната година", PeriodCommand::PreviousYear);
    m_menu->addSeparator();
    fixed("І-во полугодие", PeriodCommand::FirstHalf);
    fixed("ІІ-ро полугодие", PeriodCommand::SecondHalf);
    fixed("I-во тримесечие", PeriodCommand::FirstQuarter);
    fixed("ІІ-ро тримесечие", PeriodCommand::SecondQuarter);
    fixed("ІІІ-то тримесечие", PeriodCommand::ThirdQuarter);
    fixed("ІV-то тримесечие", PeriodCommand::FourthQuarter);
    m_menu->addSeparator();
    for (int slot = 1; slot <= FavouritePeriods::kSlots; ++slot)
        m_favouriteActions << m_menu->addAction(QString(), this, [this, slot] {
            if (const auto period = m_favourites.Apply(slot))
                Apply(*period);
        });
    QMenu* store = m_menu->addMenu("Запис на текущия период като предпочитан...");
    const char* const positions[] = {"В позиция #1", "В позиция #2", "В позиция #3", "В позиция #4",
                                     "В позиция #5"};
    for (int slot = 1; slot <= FavouritePeriods::kSlots; ++slot)
        store->addAction(positions[slot - 1], this,
                         [this, slot] { m_favourites.Store(slot, m_start->date(), m_end->date()); });
    connect(m_menu, &QMenu::aboutToShow, this, &CDatePeriodsBtn::RefreshFavourites);
    RefreshFavourites();
    setMenu(m_menu);
}

void CDatePeriodsBtn::RefreshFavourites() {
    for (int slot = 1; slot <= FavouritePeriods::kSlots; ++slot) {
        QAction* action = m_favouriteActions[slot - 1];
        action->setText(m_favourites.Caption(slot));
        action->setEnabled(!m_favourites.IsFree(slot));
    }
}

void CDatePeriodsBtn::Apply(const Period& period) {
    m_start->setDate(period.start.date());
    m_end->setDate(period.end.date());
    Q_EMIT reloadRequested();
}
