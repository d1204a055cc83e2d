#include "lists/OtherTabMatches.h"

#include "base/Prompter.h"

int OfferTabWithMatches(Prompter& prompter, const QString& search, const QString& current,
                        const std::vector<OtherTab>& others) {
    for (size_t k = 0; k < others.size(); ++k) {
        const int found = others[k].matches();
        if (found == 0)
            continue;
        const QString text = QString("В изгледа „%1“ няма редове с „%2“, но в изгледа „%3“ има %4.\n\n"
                                     "Да бъде ли показан изгледът „%3“?")
                                 .arg(current, search, others[k].title)
                                 .arg(found);
        return prompter.AskYesNo(text) == Answer::Yes ? static_cast<int>(k) : -1;
    }
    return -1;
}
