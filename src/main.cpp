#include "app/ArchiveCommands.h"
#include "app/CommandLine.h"
#include "app/CopyCommand.h"
#include "app/EuroCommand.h"
#include "app/ImportDumpCommand.h"
#include "app/InitCommand.h"
#include "app/ReportCommand.h"
#include "app/ui/PdfCommand.h"
#include "app/ui/TarvoApplication.h"
#include "base/AppInfo.h"
#include "base/Clock.h"
#include "base/ConsolePrompter.h"
#include "base/Sleeper.h"
#include "settings/LocalSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>

namespace {
QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// What the commands without a window share: the user's local settings
// (made once the application object has its names), messages on standard
// error.
struct Console {
    Console() {
        QCoreApplication::setApplicationName(AppInfo::kSettingsApplication);
        QCoreApplication::setOrganizationName(AppInfo::kSettingsOrganization);
    }
    ConsolePrompter prompter;
    ThreadSleeper sleeper;
    LocalSettings settings;
    SystemClock clock;
};

// The commands for administrators and scripts.
int runWithoutWindow(int argc, char** argv, const CommandLine& line) {
    QCoreApplication app(argc, argv);
    Console c;
    switch (line.mode) {
    case CommandLine::Mode::Init:
        return RunInitCommand(line.directory, c.prompter, c.sleeper);
    case CommandLine::Mode::Backup:
        return RunBackupCommand(line.directory, c.settings, c.clock, c.prompter, c.sleeper);
    case CommandLine::Mode::Euro:
        return RunEuroCommand(line.directory, c.settings, c.clock, c.prompter, c.sleeper);
    case CommandLine::Mode::Report:
        return RunReportCommand(line.places.value(0), line.directory, line.options, c.settings, c.clock,
                                c.prompter, c.sleeper);
    case CommandLine::Mode::Copy:
        return RunCopyCommand(line.directory, line.file, c.prompter);
    case CommandLine::Mode::ImportDump:
        return RunImportDumpCommand(line.file, line.directory, line.options, c.settings, c.prompter,
                                    c.sleeper);
    default:
        return RunRestoreCommand(line.file, line.directory, c.prompter);
    }
}

// `tarvo pdf`: the print jobs draw with fonts, which need the GUI library,
// but no window is shown.
int runPdfCommand(int argc, char** argv, const CommandLine& line) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Console console;
    for (const QString& option : line.options)
        if (option != "--copy") {
            print(stderr, QString("Непозната опция: %1\n").arg(option));
            return 1;
        }
    return RunPdfCommand(line.places.value(0), line.places.value(1), line.places.value(2), line.directory,
                         line.options.contains("--copy"), console.settings, console.clock, console.prompter,
                         console.sleeper);
}
} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine early = CommandLine::Parse(arguments);
    switch (early.mode) {
    case CommandLine::Mode::Help:
        print(stdout, CommandLine::Usage());
        return 0;
    case CommandLine::Mode::Version:
        print(stdout, QString("TARVO %1\n").arg(AppInfo::kVersion));
        return 0;
    case CommandLine::Mode::Init:
    case CommandLine::Mode::Backup:
    case CommandLine::Mode::Copy:
    case CommandLine::Mode::ImportDump:
    case CommandLine::Mode::Restore:
    case CommandLine::Mode::Euro:
    case CommandLine::Mode::Report:
        return runWithoutWindow(argc, argv, early);
    case CommandLine::Mode::Pdf:
        return runPdfCommand(argc, argv, early);
    case CommandLine::Mode::Invalid:
        if (!CommandLine::MayHoldToolkitOptions(arguments)) {
            print(stderr, early.error + "\n\n" + CommandLine::Usage());
            return 2;
        }
        break;
    case CommandLine::Mode::Window:
        break;
    }
    // Qt takes its own options (-platform, -style ...) out of the arguments.
    QApplication app(argc, argv);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/tarvo-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    const CommandLine line = CommandLine::Parse(QApplication::arguments().mid(1));
    if (line.mode != CommandLine::Mode::Window) {
        print(stderr, line.error + "\n\n" + CommandLine::Usage());
        return 2;
    }
    return RunTarvoWindow(app, line);
}
