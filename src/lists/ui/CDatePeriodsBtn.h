#pragma once

#include "lists/DatePeriods.h"

#include <QPushButton>

class Clock;
class LocalSettings;
class QDateEdit;
class QMenu;

// The button "От... До..." of a filter with a period: its menu sets the two
// date fields of the owner from common and favourite periods, and asks the
// owner to reload.
class CDatePeriodsBtn : public QPushButton {
    Q_OBJECT
public:
    CDatePeriodsBtn(QDateEdit* start, QDateEdit* end, LocalSettings& settings, const Clock& clock,
                    QWidget* parent = nullptr);

    QMenu* PeriodMenu() const { return m_menu; }

Q_SIGNALS:
    void reloadRequested();

private:
    void Apply(const Period& period);
    void RefreshFavourites();

    QDateEdit* m_start;
    QDateEdit* m_end;
    const Clock& m_clock;
    FavouritePeriods m_favourites;
    QMenu* m_menu;
    QList<QAction*> m_favouriteActions;
};
