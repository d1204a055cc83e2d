#include "db/upgrade/UpgradeDatabase.h"

#include "base/ProcessExit.h"
#include "base/Prompter.h"
#include "db/upgrade/UpgradeStep.h"
#include "db/upgrade/UpgradeSteps.h"

namespace {
constexpr const char* kArchiveQuestion = "ВНИМАНИЕ!!!\n\nЗа да се осигури съвместимост на данните Ви с "
                                         "новата версия на програмата, Вашата база данни "
                                         "трябва да бъде преструктурирана. Крайният резултат няма да бъде "
                                         "съвместим със старите версии на продукта, "
                                         "затова е желателно да направите архивно копие преди да "
                                         "продължите.\n\nЖелаете ли да направите архивно копие "
                                         "сега?";
constexpr const char* kConsent =
    "Предстои преструктуриране на данните Ви.\nВ зависимост от големината на Вашата "
    "база данни, операцията може да отнеме известно време.\n\nЖелаете ли да "
    "продължите?";
} // namespace

bool UpgradeDatabase(int version, UpgradeContext& context, UpgradeHost& host, ProcessExit& exit,
                     Connection& connection, const QString& databasePath) {
    if (context.prompter.AskYesNo(kArchiveQuestion, MessageIcon::Exclamation) == Answer::Yes)
        host.MakeArchive(connection, databasePath);
    if (context.prompter.AskYesNo(kConsent, MessageIcon::Exclamation) != Answer::Yes)
        return false;
    for (int next = version + 1; next <= 14; ++next) {
        host.ShowWaitBox();
        const bool stepped = UpgradeTo(next, context);
        host.HideWaitBox();
        if (!stepped) {
            exit.Exit(-1);
            return true;
        }
    }
    exit.Exit(0);
    return true;
}
