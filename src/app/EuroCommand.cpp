#include "app/EuroCommand.h"

#include "app/ArchiveCommands.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "db/DatabaseArchive.h"
#include "app/CurrencyChangeover.h"
#include "settings/LocalSettings.h"

int RunEuroCommand(const QString& directory, LocalSettings& settings, const Clock& clock, Prompter& prompter,
                   Sleeper& sleeper) {
    Connection connection;
    const QString path = OpenCurrentDatabaseOf(directory, prompter, connection);
    if (path.isEmpty())
        return 1;
    FixedConnectionSource source(connection);
    Database db(source, sleeper, prompter);
    CurrencyChangeover changeover(db, prompter, [&]() -> std::optional<QString> {
        QString archive;
        const QString error = ArchiveDatabase(
            connection, ArchiveFileName(ArchiveDirectoryOf(settings.BackupDir(), path), clock.Now()), nullptr, &archive);
        if (!error.isEmpty()) {
            prompter.Message("Архивното копие не беше създадено; цените не са променени.\n" + error,
                             MessageIcon::Stop);
            return std::nullopt;
        }
        return archive;
    });
    QString archive;
    const std::optional<int> changed = changeover.Run(clock.Now().date(), &archive);
    if (!changed)
        return 1;
    PrintLine(QString("Фирмата премина към евро от %1. Променени цени: %2.")
                  .arg(clock.Now().date().toString("dd.MM.yyyy"))
                  .arg(*changed));
    PrintLine(QString("Архив на базата данни отпреди промяната: %1").arg(archive));
    return 0;
}
