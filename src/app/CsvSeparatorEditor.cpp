#include "app/CsvSeparatorEditor.h"

#include "base/Prompter.h"
#include "settings/LocalSettings.h"

bool EditCsvSeparator(LocalSettings& settings, Prompter& prompter, TextInput& input) {
    const std::optional<QString> separator =
        input.AskText("Разделител в CSV", "Разделител на полетата в CSV файловете:", settings.CsvSeparator());
    if (!separator)
        return false;
    if (separator->isEmpty()) {
        prompter.Message("Разделителят не може да има нулева стойност.", MessageIcon::Exclamation);
        return false;
    }
    settings.SetCsvSeparator(*separator);
    return true;
}
