#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Prompter;

// After a search that left the current tab of a tabbed list empty: the
// first other tab where it finds rows (`matches` counts them; 0 for a tab
// the list does not offer) is offered ("show it?"). The index of the tab to
// show, or -1 when none has rows or the user keeps the current one.
int OfferTabWithMatches(Prompter& prompter, const QString& search, const QStringList& titles, int current,
                        const std::function<int(int)>& matches);
