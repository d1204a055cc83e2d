#include "app/ReportCommand.h"

#include "app/ArchiveCommands.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "lists/CsvExport.h"
#include "settings/LocalSettings.h"

#include <QTemporaryDir>
#include <cstdio>

QStringList ReportValueOptions() {
    return {"--from", "--to", "--year", "--group", "--partner", "--source", "--search"};
}

QDate ParseCommandDate(const QString& text) {
    QDate date = QDate::fromString(text, "dd.MM.yyyy");
    if (!date.isValid())
        date = QDate::fromString(text, "yyyy-MM-dd");
    return date;
}

namespace {
// A report only reads; where it also keeps what it computed (the costs of
// changed recipes) and cannot write, the reason is told once, not for
// every recipe, and the figures printed are still whole.
class OnceEachPrompter : public Prompter {
public:
    explicit OnceEachPrompter(Prompter& inner) : m_inner(inner) {}
    void Message(const QString& text, MessageIcon icon, const QString& caption) override {
        if (!m_told.contains(text)) {
            m_told << text;
            m_inner.Message(text, icon, caption);
        }
    }
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override {
        return m_inner.AskYesNo(text, icon, caption);
    }
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
        return m_inner.AskYesNoCancel(text, icon);
    }
    bool Told() const { return !m_told.isEmpty(); }

private:
    Prompter& m_inner;
    QStringList m_told;
};

QString badValue(const QString& option, const QString& value) {
    return QString("Невалидна стойност на %1: \"%2\"").arg(option, value);
}
} // namespace

QString ParseReportOptions(const QStringList& arguments, ReportOptions& options) {
    for (const QString& argument : arguments) {
        const QString name = argument.section('=', 0, 0);
        const bool hasValue = argument.contains('=');
        const QString value = argument.section('=', 1);
        if (ReportValueOptions().contains(name) && !hasValue)
            return QString("Липсва стойност на %1").arg(name);
        bool ok = true;
        if (name == "--from" || name == "--to") {
            const QDate date = ParseCommandDate(value);
            if (!date.isValid())
                return QString("Невалидна дата: \"%1\" (дд.мм.гггг или гггг-мм-дд)").arg(value);
            (name == "--from" ? options.from : options.to) = date;
        } else if (name == "--year") {
            const int year = value.toInt(&ok);
            if (!ok || year < 2000 || year > 2099)
                return badValue(name, value);
            options.year = year;
        } else if (name == "--group" || name == "--partner") {
            const int id = value.toInt(&ok);
            if (!ok || id <= 0)
                return badValue(name, value);
            (name == "--group" ? options.groups : options.partners).push_back(id);
        } else if (name == "--source") {
            if (value != "goods-notes" && value != "invoices")
                return badValue(name, value);
            options.invoices = value == "invoices";
        } else if (name == "--search") {
            options.search = value;
        } else if (argument == "--summary") {
            options.summary = true;
        } else if (argument == "--only-critical" || argument == "--all-items") {
            options.onlyCritical = argument == "--only-critical";
        } else if (argument == "--no-zero" || argument == "--with-zero") {
            options.noZero = argument == "--no-zero";
        } else if (argument == "--no-negative" || argument == "--with-negative") {
            options.noNegative = argument == "--no-negative";
        } else {
            return QString("Непозната опция: %1").arg(argument);
        }
    }
    if (options.from && options.to && *options.from > *options.to)
        return "Началната дата е след крайната.";
    return QString();
}

int RunReportCommand(const QString& name, const QString& directory, const QStringList& arguments,
                     const LocalSettings& settings, const Clock& clock, Prompter& prompter,
                     Sleeper& sleeper) {
    if (!ReportNames().contains(name)) {
        prompter.Message(
            QString("Непозната справка: %1\nСправките са: %2").arg(name, ReportNames().join(", ")),
            MessageIcon::Stop);
        return 1;
    }
    ReportOptions options;
    if (const QString error = ParseReportOptions(arguments, options); !error.isEmpty()) {
        prompter.Message(error, MessageIcon::Stop);
        return 1;
    }
    // An option the report's form has no filter for would be dropped unseen.
    bool repeatsPartner = false;
    const QStringList accepted = OptionsOfReport(name, &repeatsPartner);
    for (const QString& argument : arguments)
        if (!accepted.contains(argument.section('=', 0, 0))) {
            prompter.Message(QString("Справката %1 не приема опцията %2. Приема: %3")
                                 .arg(name, argument.section('=', 0, 0), accepted.join(", ")),
                             MessageIcon::Stop);
            return 1;
        }
    if (options.partners.size() > 1 && !repeatsPartner) {
        prompter.Message(QString("Справката %1 приема един контрагент.").arg(name), MessageIcon::Stop);
        return 1;
    }
    Connection connection;
    if (OpenCurrentDatabaseOf(directory, prompter, connection).isEmpty())
        return 1;
    FixedConnectionSource source(connection);
    OnceEachPrompter onceEach(prompter);
    Database db(source, sleeper, onceEach);
    // The stock report keeps its options in the settings: a copy takes them,
    // so the command starts where the form was left and the user's own
    // choices stay as they are.
    QTemporaryDir scratch;
    LocalSettings reportSettings(scratch.filePath("settings.ini"));
    reportSettings.SetShowHiddenItems(settings.ShowHiddenItems());
    reportSettings.SetRptQttysShowOnlyCritical(settings.RptQttysShowOnlyCritical());
    reportSettings.SetRptQttysDoNotShowZeroVals(settings.RptQttysDoNotShowZeroVals());
    reportSettings.SetRptQttysDoNotShowNegativeVals(settings.RptQttysDoNotShowNegativeVals());
    const std::optional<ReportTable> table =
        RunNamedReport(name, options, db, onceEach, clock, reportSettings);
    if (!table)
        return 1;
    if (onceEach.Told())
        std::fprintf(stderr, "%s\n",
                     "Справката е пълна: себестойностите на изделията са изчислени наново, но не са запазени.");
    const QString separator = settings.CsvSeparator();
    QByteArray csv = CsvText(table->titles, table->rows, separator);
    csv += CsvLine(table->totals, separator).toUtf8() + "\r\n";
    std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
    std::fflush(stdout);
    if (!table->note.isEmpty())
        std::fprintf(stderr, "%s\n", table->note.toUtf8().constData());
    return 0;
}
