#pragma once

#include <QString>
#include <functional>
#include <vector>

class Prompter;

// Another tab of a tabbed list: its title and how many rows the search
// finds in it.
struct OtherTab {
    QString title;
    std::function<int()> matches;
};

// After a search that left the current tab empty: the first of the other
// tabs where it finds rows is offered ("show it?"). The index of the tab to
// show, or -1 when none has rows or the user keeps the current one.
int OfferTabWithMatches(Prompter& prompter, const QString& search, const QString& current,
                        const std::vector<OtherTab>& others);
