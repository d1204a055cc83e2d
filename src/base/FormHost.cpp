#include "base/FormHost.h"

#include "base/Prompter.h"

bool WantsPrintout(Prompter& prompter) {
    return prompter.AskYesNo("Желаете ли да отпечатите документа на принтер?", MessageIcon::Question) ==
           Answer::Yes;
}

bool DocumentForm::MayDiscard(Prompter& prompter) const {
    return !HasUnsavedChanges() ||
           prompter.AskYesNo(
               "В документа има незаписани данни. Ако продължите ще ги загубите.\nСигурни ли сте, "
               "че желаете да продължите?",
               MessageIcon::Exclamation) == Answer::Yes;
}
