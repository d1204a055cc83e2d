#include "app/ImportDumpCommand.h"

#include "app/DumpValues.h"
#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "db/DatabaseFile.h"
#include "db/DumpGuard.h"
#include "db/SchemaVersion.h"
#include "db/upgrade/UpgradeStep.h"
#include "db/upgrade/UpgradeSteps.h"
#include "format/Cp1251.h"
#include "session/UpgradeValues.h"
#include "settings/LocalSettings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace {
// Each option answers the question that begins with its text.
const std::vector<std::pair<QString, QString>>& answerOptions() {
    static const std::vector<std::pair<QString, QString>> options = {
        {"firm-tax-id", "Желаете ли програмата да въведе вашия БУЛСТАТ/ЕИК"},
        {"firm-vat-prefix", "В случай, че сте регистрирани по ЗДДС"},
        {"partner-tax-ids", "Желаете ли програмата да въведе БУЛСТАТ/ЕИК"},
        {"partner-vat-prefix", "Желаете ли програмата да добави префикс 'BG'"},
        {"keep-invoices", "Във връзка с влезлите в сила от 01.01.2007"},
        {"renumber-goods-notes", "Желаете ли стоковите разписки също"},
        {"optimize", "Предстои извършване на оптимизация"},
        {"resolve-duplicates", "В таблица "},
    };
    return options;
}

// Answers the chain's questions from the options, else on the terminal.
class ImportPrompter : public Prompter {
public:
    ImportPrompter(Prompter& console, std::map<QString, bool> answers)
        : m_console(console), m_answers(std::move(answers)) {}
    void Message(const QString& text, MessageIcon icon, const QString& caption) override {
        m_console.Message(text, icon, caption);
    }
    Answer AskYesNo(const QString& text, MessageIcon, const QString&) override {
        for (const auto& [option, start] : answerOptions())
            if (text.startsWith(start) && m_answers.count(option))
                return m_answers.at(option) ? Answer::Yes : Answer::No;
        std::fprintf(stderr, "%s (y/n) ", text.toUtf8().constData());
        std::string reply;
        // Asked again until the answer is clear; the end of the input is No.
        while (std::getline(std::cin, reply)) {
            if (const std::optional<bool> yes = TerminalAnswer(QString::fromUtf8(reply)))
                return *yes ? Answer::Yes : Answer::No;
            std::fprintf(stderr, "Отговорете с y (да) или n (не): ");
        }
        return Answer::No;
    }
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
        return AskYesNo(text, icon, QString());
    }

private:
    Prompter& m_console;
    std::map<QString, bool> m_answers;
};

// Runs the dump statement by statement in one transaction, each line read
// once, only the statements a dump holds allowed; the error with its line
// number, empty on success.
QString runDump(Connection& connection, const QString& text, const std::function<void(int)>& percentDone) {
    if (connection.Begin().Failed())
        return "Временната база данни не може да бъде записана.";
    auto guard = std::make_unique<DumpGuard>(connection);
    std::map<QString, QSet<int>> memoColumns; // by table, read once
    DumpScanner scanner;
    const QStringList lines = text.split('\n');
    QByteArray statement;
    int firstLine = 0;
    int percent = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (const int now = static_cast<int>(100LL * i / lines.size()); now != percent)
            percentDone(percent = now);
        if (statement.isEmpty() && lines[i].trimmed().isEmpty())
            continue;
        if (statement.isEmpty())
            firstLine = i + 1;
        const QByteArray line = lines[i].toUtf8() + '\n';
        statement += line;
        if (!scanner.AddLine(line, i + 1) || !IsCompleteStatement(statement))
            continue;
        const QString whole = QString::fromUtf8(statement);
        const QString word = whole.trimmed().section(QRegularExpression("[\\s;]+"), 0, 0).toUpper();
        // A shell that met errors while dumping ends its dump so.
        if (word == "ROLLBACK")
            return QString("Дъмпът е непълен: в ред %1 той завършва с ROLLBACK, защото при създаването "
                           "му е имало грешки.")
                .arg(firstLine);
        // The dump's own transaction is replaced by this one.
        if (word != "BEGIN" && word != "COMMIT" && word != "END") {
            guard->ClearRefusal();
            const QString table = InsertTable(whole);
            if (!table.isEmpty() && !memoColumns.count(table))
                memoColumns[table] = guard->MemoColumns(table);
            const DbResult result = connection.Exec(SqlStatement(QuoteBareNumbers(whole, table.isEmpty() ? QSet<int>() : memoColumns[table]).toUtf8()));
            if (result.Failed() && guard->Refused())
                return QString("Ред %1 на дъмпа съдържа заявка, каквато дъмп не съдържа (допускат се само "
                               "CREATE TABLE, INDEX, VIEW, TRIGGER и INSERT INTO): %2")
                    .arg(firstLine)
                    .arg(whole.simplified().left(80));
            if (result.Failed())
                return QString("Грешка в ред %1 на дъмпа: %2")
                    .arg(firstLine)
                    .arg(QString::fromUtf8(result.error));
        }
        statement.clear();
        scanner.StatementDone();
    }
    guard.reset(); // the change is the program's own again
    if (const int quote = scanner.OpenQuoteLine(); quote != 0)
        return QString("Незавършена заявка в края на дъмпа (от ред %1): кавичката, отворена на ред %2, не "
                       "е затворена.")
            .arg(firstLine)
            .arg(quote);
    if (!statement.trimmed().isEmpty())
        return QString("Незавършена заявка в края на дъмпа (от ред %1).").arg(firstLine);
    return connection.Commit().Failed()
               ? "Временната база данни не може да бъде записана."
               : QString();
}
} // namespace

std::optional<bool> TerminalAnswer(const QString& reply) {
    const QString word = reply.trimmed().toLower();
    if (word == "y" || word == "yes" || word == "д" || word == "да")
        return true;
    if (word == "n" || word == "no" || word == "н" || word == "не")
        return false;
    return std::nullopt;
}

QStringList ImportAnswerOptions() {
    QStringList names;
    for (const auto& option : answerOptions())
        names << option.first;
    return names;
}

int RunImportDumpCommand(const QString& dump, const QString& directory, const QStringList& options,
                         LocalSettings& settings, Prompter& prompter, Sleeper& sleeper) {
    std::map<QString, bool> answers;
    for (const QString& option : options) {
        const QString name = option.section('=', 0, 0).mid(2);
        const QString value = option.section('=', 1);
        if (!option.startsWith("--") || !ImportAnswerOptions().contains(name) ||
            (value != "yes" && value != "no")) {
            prompter.Message(QString("Непозната опция: %1").arg(option), MessageIcon::Stop);
            return 1;
        }
        answers[name] = value == "yes";
    }
    const QDir dir(directory);
    const QString path = QDir::cleanPath(dir.absoluteFilePath(AppInfo::kDatabaseFileName));
    if (!dir.exists() || InspectDatabaseFile(path) != DatabaseFileState::Absent) {
        prompter.Message(QString("В %1 вече има база данни или директорията не съществува; дъмпът не беше "
                                 "внесен.")
                             .arg(path),
                         MessageIcon::Stop);
        return 1;
    }
    QFile file(dump);
    if (!file.open(QIODevice::ReadOnly)) {
        prompter.Message(QString("Файлът %1 не може да бъде прочетен.").arg(dump), MessageIcon::Stop);
        return 1;
    }
    const QString building = path + ".import";
    QFile::remove(building);
    QString error;
    int version = 0;
    {
        Connection connection;
        if (connection.Open(building, true).Failed()) {
            prompter.Message(QString("Файлът %1 не може да бъде създаден.").arg(building), MessageIcon::Stop);
            return 1;
        }
        // A large dump takes a while: the share done, on a terminal.
        const bool terminal = ::isatty(STDERR_FILENO);
        error = runDump(connection, DecodeDumpText(file.readAll()), [terminal](int percent) {
            if (terminal)
                std::fprintf(stderr, "\rВнасяне на дъмпа: %d%%", percent);
        });
        if (terminal)
            std::fprintf(stderr, "\r\033[K");
        DbResult failure;
        if (error.isEmpty())
            version = SchemaVersionOf(
                [&connection](const QByteArray& sql, ResultTable& table) {
                    return connection.Query(sql, table);
                },
                failure);
        // A version table alone is no firm: every format keeps its catalogue.
        ResultTable catalogue;
        if (error.isEmpty() &&
            (version < 1 || version > AppInfo::kSchemaVersion ||
             connection.Query(connection.Dialect().CountTables("stocks"), catalogue)
                 .Failed() ||
             catalogue.Int(1, 0) == 0))
            error = "Дъмпът не съдържа база данни на TARVO в поддържан формат.";
        const bool needsAnswers = version < 10 || !answers.count("optimize");
        if (error.isEmpty() && version < AppInfo::kSchemaVersion && needsAnswers && !::isatty(STDIN_FILENO)) {
            QStringList missing;
            for (const QString& name : ImportAnswerOptions())
                if (!answers.count(name) && name != "resolve-duplicates" && (version < 10 || name == "optimize"))
                    missing << "--" + name + "=yes|no";
            if (!missing.isEmpty())
                error = "Без терминал отговорите на въпросите трябва да бъдат дадени като опции: " +
                        missing.join(" ");
        }
        if (error.isEmpty()) {
            FixedConnectionSource source(connection);
            ImportPrompter asking(prompter, answers);
            Database db(source, sleeper, asking);
            UpgradeContext context{db, asking, UpgradeValuesOf(settings), true};
            for (int next = version + 1; next <= AppInfo::kSchemaVersion && error.isEmpty(); ++next)
                if (!UpgradeTo(next, context))
                    error = QString("Преструктурирането до формат %1 не беше извършено.").arg(next);
        }
    }
    if (error.isEmpty() && PublishDatabaseFile(building, path) != PublishResult::Published)
        error = QString("Базата данни не може да бъде записана като %1.").arg(path);
    if (!error.isEmpty()) {
        QFile::remove(building);
        prompter.Message(error, MessageIcon::Stop);
        return 1;
    }
    std::printf("%s\n", QString("Създадена е база данни от дъмпа: %1").arg(path).toUtf8().constData());
    return 0;
}
