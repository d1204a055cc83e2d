#include "session/FolderBrowser.h"

#include "settings/MachinePreferences.h"

QString BrowseForFolder(FolderPurpose purpose, const MachinePreferences& settings,
                        DirectoryChooser& chooser) {
    QString caption;
    QString start;
    switch (purpose) {
    case FolderPurpose::Database:
        caption = "Моля, изберете директория за БД:";
        start = settings.DBPath();
        break;
    case FolderPurpose::Archives:
        caption = "Моля, изберете директория за съхранение на архивите:";
        start = settings.BackupDir().isEmpty() ? settings.DBPath() : settings.BackupDir();
        break;
    case FolderPurpose::HeadImage:
        caption = "Директория, съдържаща файла "
                  "\"head.bmp\"";
        start = settings.SessionHeadFileLocation();
        break;
    }
    QString chosen = chooser.ChooseDirectory(caption, start);
    if (!chosen.isEmpty() && !chosen.endsWith('/'))
        chosen += '/';
    return chosen;
}
