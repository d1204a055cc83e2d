#include "lists/OtherTabMatches.h"

#include "base/Prompter.h"

int OfferTabWithMatches(Prompter& prompter, const QString& search, const QStringList& titles, int current,
                        const std::function<int(int)>& matches) {
    if (search.isEmpty())
        return -1;
    for (int tab = 0; tab < titles.size(); ++tab) {
        const int found = tab == current ? 0 : matches(tab);
        if (found == 0)
            continue;
        const QString text = QString("В изгледа „%1“ няма редове с „%2“, но в изгледа „%3“ има %4.\n\n"
                                     "Да бъде ли показан изгледът „%3“?")
                                 .arg(titles.value(current), search, titles[tab])
                                 .arg(found);
        return prompter.AskYesNo(text) == Answer::Yes ? tab : -1;
    }
    return -1;
}
