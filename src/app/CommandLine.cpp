#include "app/CommandLine.h"

#include "app/ReportCommand.h"
#include "base/AppInfo.h"

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    if (arguments.isEmpty())
        return line;
    const QString& first = arguments.first();
    if (first == "--help" || first == "-h") {
        line.mode = Mode::Help;
    } else if (first == "--version" || first == "-v") {
        line.mode = Mode::Version;
    } else if (first == "init" || first == "backup" || first == "euro") {
        line.mode = first == "init" ? Mode::Init : first == "backup" ? Mode::Backup : Mode::Euro;
        line.directory = arguments.size() > 1 ? arguments[1] : QString(".");
        if (arguments.size() > 2) {
            line.mode = Mode::Invalid;
            line.error = QString("Излишен аргумент: %1").arg(arguments[2]);
        }
    } else if (first == "import-dump") {
        line.mode = Mode::ImportDump;
        QStringList places;
        for (const QString& argument : arguments.mid(1))
            (argument.startsWith("--") ? line.options : places) << argument;
        line.file = places.value(0);
        line.directory = places.size() > 1 ? places[1] : QString(".");
        if (line.file.isEmpty() || places.size() > 2) {
            line.mode = Mode::Invalid;
            line.error = "Употреба: tarvo import-dump ФАЙЛ [ДИРЕКТОРИЯ] [--ВЪПРОС=yes|no ...]";
        }
    } else if (first == "report" || first == "pdf") {
        const bool report = first == "report";
        line.mode = report ? Mode::Report : Mode::Pdf;
        QStringList places;
        const QStringList rest = arguments.mid(1);
        for (int k = 0; k < rest.size(); ++k) {
            const QString& argument = rest[k];
            if (!argument.startsWith("--")) {
                places << argument;
            } else if (report && ReportValueOptions().contains(argument) && k + 1 < rest.size()) {
                line.options << argument + "=" + rest[++k];
            } else {
                line.options << argument;
            }
        }
        const int named = report ? 1 : 3;
        line.places = places.mid(0, named);
        line.directory = places.size() > named ? places[named] : QString(".");
        if (places.size() < named || places.size() > named + 1) {
            line.mode = Mode::Invalid;
            line.error = report ? "Употреба: tarvo report СПРАВКА [ДИРЕКТОРИЯ] [опции]"
                                : "Употреба: tarvo pdf ВИД НОМЕР ФАЙЛ.pdf [ДИРЕКТОРИЯ] [--copy]";
        }
    } else if (first == "copy") {
        line.mode = Mode::Copy;
        line.directory = arguments.value(1);
        line.file = arguments.value(2);
        if (arguments.size() != 3) {
            line.mode = Mode::Invalid;
            line.error = "Употреба: tarvo copy ОТКЪДЕ КЪДЕ";
        }
    } else if (first == "restore") {
        line.mode = Mode::Restore;
        line.file = arguments.value(1);
        line.directory = arguments.size() > 2 ? arguments[2] : QString(".");
        if (line.file.isEmpty()) {
            line.mode = Mode::Invalid;
            line.error = "Липсва архивният файл: tarvo restore ФАЙЛ [ДИРЕКТОРИЯ]";
        } else if (arguments.size() > 3) {
            line.mode = Mode::Invalid;
            line.error = QString("Излишен аргумент: %1").arg(arguments[3]);
        }
    } else if (first.startsWith('-')) {
        line.mode = Mode::Invalid;
        line.error = QString("Непозната опция: %1").arg(first);
    } else {
        line.directory = first;
        if (arguments.size() > 1) {
            line.mode = Mode::Invalid;
            line.error = QString("Излишен аргумент: %1").arg(arguments[1]);
        }
    }
    return line;
}

bool CommandLine::MayHoldToolkitOptions(const QStringList& arguments) {
    static const QStringList toolkitOptions = {"-platform",
                                               "-platformpluginpath",
                                               "-platformtheme",
                                               "-plugin",
                                               "-qwindowgeometry",
                                               "-qwindowicon",
                                               "-qwindowtitle",
                                               "-style",
                                               "-stylesheet",
                                               "-display",
                                               "-geometry",
                                               "-session",
                                               "-reverse",
                                               "-widgetcount",
                                               "-nograb",
                                               "-dograb",
                                               "-sync"};
    for (const QString& argument : arguments)
        if (toolkitOptions.contains(argument.section('=', 0, 0)) ||
            toolkitOptions.contains("-" + argument.section('=', 0, 0)))
            return true;
    return false;
}

QString CommandLine::Usage() {
    return QString(
               "TARVO %1 - склад, продажби и документи на малката фирма\n\n"
               "Употреба:\n"
               "  tarvo [ДИРЕКТОРИЯ]     стартира програмата с базата данни tarvo.db в ДИРЕКТОРИЯ\n"
               "                         (по подразбиране: последно избраната или текущата директория)\n"
               "  tarvo init [ДИРЕКТОРИЯ] създава нова празна база данни в ДИРЕКТОРИЯ (по подразбиране: .)\n"
               "  tarvo copy ОТКЪДЕ КЪДЕ премества цялата фирма между директория и сървър (или обратно) в\n"
               "                         една транзакция; целта трябва да е празна, а броят на редовете и\n"
               "                         сборовете се проверяват\n"
               "                         навсякъде вместо ДИРЕКТОРИЯ може да стои сървър PostgreSQL:\n"
               "                         postgresql://сървър/фирма\n"
               "  tarvo backup [ДИРЕКТОРИЯ]\n"
               "                         архивира базата данни на ДИРЕКТОРИЯ (по подразбиране: .) в\n"
               "                         директорията за архивите или в ДИРЕКТОРИЯ и извежда името на "
               "архива\n"
               "  tarvo restore ФАЙЛ [ДИРЕКТОРИЯ]\n"
               "                         възстановява базата данни на ДИРЕКТОРИЯ (по подразбиране: .) от\n"
               "                         архива ФАЙЛ; отказва, докато друго копие на програмата я използва\n"
               "  tarvo import-dump ФАЙЛ [ДИРЕКТОРИЯ] [--ВЪПРОС=yes|no ...]\n"
               "                         създава базата данни на ДИРЕКТОРИЯ (по подразбиране: .) от SQL дъмп "
               "на\n"
               "                         стар файл (CP1251 или UTF-8) и я преструктурира до днешния формат;\n"
               "                         въпросите се задават на терминала или се отговарят с опциите\n"
               "                         --firm-tax-id, --firm-vat-prefix, --partner-tax-ids,\n"
               "                         --partner-vat-prefix, --keep-invoices, --renumber-goods-notes,\n"
               "                         --optimize (без терминал са задължителни)\n"
               "  tarvo euro [ДИРЕКТОРИЯ] преминава към евро: архивира базата данни на ДИРЕКТОРИЯ (по\n"
               "                         подразбиране: .), превръща цените в евро по курс 1.95583 и извежда\n"
               "                         броя на променените цени и името на архива\n"
               "  tarvo report СПРАВКА [ДИРЕКТОРИЯ] [опции]\n"
               "                         извежда редовете на справка като CSV (разделителят от\n"
               "                         настройките, UTF-8), с ред на заглавията и ред на сборовете;\n"
               "                         СПРАВКА: stock, sales, turnover-customers,\n"
               "                         turnover-months-customers, turnover-months-items, "
               "profit-customers,\n"
               "                         profit-items, movement, deliveries, production, materials, cash;\n"
               "                         опции: --from ДАТА --to ДАТА (дд.мм.гггг или гггг-мм-дд),\n"
               "                         --year ГОДИНА, --group ID, --partner ID (повторими),\n"
               "                         --source goods-notes|invoices, --summary, --search ТЕКСТ,\n"
               "                         --only-critical|--all-items, --no-zero|--with-zero,\n"
               "                         --no-negative|--with-negative (без тях: както във формата)\n"
               "                         пример: tarvo report turnover-customers /srv/firma --from "
               "01.11.2026 --to "
               "30.11.2026\n"
               "  tarvo pdf ВИД НОМЕР ФАЙЛ.pdf [ДИРЕКТОРИЯ] [--copy]\n"
               "                         записва документ като PDF, както се отпечатва; ВИД: goods-note,\n"
               "                         invoice, proforma, debit-note, credit-note, delivery, production,\n"
               "                         stocktaking, request, offer, warranty-card; --copy: копие вместо\n"
               "                         оригинал; пример: tarvo pdf invoice 123 /tmp/f123.pdf /srv/firma\n"
               "  tarvo --help           показва този текст\n"
               "  tarvo --version        показва версията\n")
        .arg(AppInfo::kVersion);
}
