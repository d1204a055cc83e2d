#include "app/ui/TarvoApplication.h"

#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/GuiUpgradeHost.h"
#include "base/AppInfo.h"
#include "base/Clock.h"
#include "base/ProcessExit.h"
#include "base/Sleeper.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "base/ui/GuiPrompter.h"
#include "session/DatabaseLocation.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void loadBulgarianTexts(QApplication& app, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    if (translator.load(QLocale(QLocale::Bulgarian), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}
} // namespace

int RunTarvoWindow(QApplication& app, const CommandLine& commandLine) {
    QTranslator translator;
    loadBulgarianTexts(app, translator);
    QApplication::setApplicationName(AppInfo::kSettingsApplication);
    QApplication::setOrganizationName(AppInfo::kSettingsOrganization);

    GuiPrompter prompter;
    SingleInstance instance;
    if (!instance.Acquire(prompter))
        return 0;

    LocalSettings settings;
    SystemProcessExit processExit;
    ThreadSleeper sleeper;
    GuiDirectoryChooser chooser;
    SystemClock clock;
    GuiUpgradeHost upgrades(prompter, processExit, settings, clock);
    CTarvoDoc doc(SessionServices{prompter, processExit, sleeper, settings, chooser, &upgrades},
                  ResolveDatabaseDirectory(commandLine.directory, settings));

    PrinterSettings printer;
    CMainFrame frame(doc, settings, prompter, printer);
    frame.showMaximized();
    return app.exec();
}
