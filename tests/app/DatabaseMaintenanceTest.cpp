// The archive commands as the menu and the start view run them, with the
// dialog's start button pressed by the test.
#include "app/DatabaseMaintenance.h"

#include "base/OpenFileChooser.h"
#include "app/ArchiveDialog.h"
#include "db/DatabaseArchive.h"
#include "db/DbSettings.h"
#include "support/DatabaseTest.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

namespace {
constexpr const char* kReminder = "Програмата установи, че последният архив на данните е бил създаден преди "
                                  "повече от 1 ден.\nЖелаете ли да направите нов архив сега?";

// The dialog: pressed start (or closed at once), remembering what it showed.
class PressingHost : public ArchiveDialogHost {
public:
    void ShowArchiveDialog(ArchiveDialog& dialog) override {
        shown.push_back(dialog.Destination());
        if (press)
            dialog.Start(nullptr);
    }
    bool press = true;
    QStringList shown;
};

class ScriptedOpenFile : public OpenFileChooser {
public:
    QString ChooseOpenFile(const QString& start, const QString& filter, const QString&) override {
        startedIn = start;
        filterSeen = filter;
        return answer;
    }
    QString answer;
    QString startedIn;
    QString filterSeen;
};

class DatabaseMaintenanceTest : public DatabaseTest {
protected:
    DatabaseMaintenance Maintenance() {
        return DatabaseMaintenance(*doc, Db(),
                                   MaintenanceServices{prompter, clock, [this] { return settings->BackupDir(); }, processExit, host, files});
    }
    QString LastArchiveDay() {
        return Scalar("SELECT key_value FROM settings WHERE key_name = 'archive_last_time';");
    }
    PressingHost host;
    ScriptedOpenFile files;
};
} // namespace

TEST_F(DatabaseMaintenanceTest, ReminderFollowsTheDayOfTheLastArchive) {
    SKIP_ON_SERVER("the file's age");
    const QDateTime fixed = clock.now;
    if (QFileInfo(QDir(Dir()).filePath("tarvo.db")).birthTime().isValid()) {
        // A file made today with no archive yet: not asked on its first day.
        clock.now = QDateTime::currentDateTime();
        Maintenance().RunArchiveReminder();
        EXPECT_EQ(prompter.Count(), 0);
    }
    // Days later, still no archive: asked; No changes nothing.
    clock.now = QDateTime::currentDateTime().addDays(2);
    prompter.Expect(Answer::No);
    Maintenance().RunArchiveReminder();
    EXPECT_EQ(prompter.Texts(), QStringList{kReminder});
    EXPECT_EQ(LastArchiveDay(), "");
    EXPECT_TRUE(host.shown.isEmpty());

    // Yes: the archive is made beside the database and today is stored.
    clock.now = fixed;
    ASSERT_TRUE(DbSettings(Db()).SetArchiveLastTime(QDate(2026, 12, 1)));
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    Maintenance().RunArchiveReminder();
    ASSERT_EQ(host.shown.size(), 1);
    EXPECT_EQ(host.shown[0], QDir(Dir()).filePath("TV20261208103000.Z"));
    EXPECT_TRUE(QFile::exists(host.shown[0]));
    EXPECT_EQ(LastArchiveDay(), "20261208");
    EXPECT_EQ(prompter.Texts().last(),
              "Базата данни беше архивирана успешно във файла " + host.shown[0] + ".");

    // The same day, late in the evening: not asked.
    prompter.Clear();
    clock.now = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59));
    Maintenance().RunArchiveReminder();
    EXPECT_EQ(prompter.Count(), 0);

    // After midnight it is asked again.
    clock.now = QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1));
    prompter.Expect(Answer::No);
    Maintenance().RunArchiveReminder();
    EXPECT_EQ(prompter.Texts(), QStringList{kReminder});

    // Switched off in the menu: never asked.
    prompter.Clear();
    ASSERT_TRUE(DbSettings(Db()).SetArchiveAutoPrompt(0));
    Maintenance().RunArchiveReminder();
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(DatabaseMaintenanceTest, ArchiveNowGoesToTheChosenDirectoryAndAFailureStoresNothing) {
    QDir(Dir()).mkdir("архиви");
    settings->SetBackupDir(QDir(Dir()).filePath("архиви") + "/");
    EXPECT_TRUE(Maintenance().MakeArchiveNow());
    EXPECT_TRUE(QFile::exists(QDir(Dir()).filePath("архиви/TV20261208103000.Z")));
    EXPECT_EQ(LastArchiveDay(), "20261208");

    // A directory that is gone: the message says so, no day is stored.
    ASSERT_TRUE(Db().Exec("DELETE FROM settings WHERE key_name = 'archive_last_time';"));
    settings->SetBackupDir(QDir(Dir()).filePath("изтрита") + "/");
    prompter.Clear();
    EXPECT_FALSE(Maintenance().MakeArchiveNow());
    EXPECT_EQ(LastArchiveDay(), "");
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Texts()[0].startsWith("Архивното копие не беше създадено."));
    EXPECT_FALSE(QFile::exists(QDir(Dir()).filePath("изтрита")));

    // Closing the dialog without starting makes no archive either.
    settings->SetBackupDir(QString());
    host.press = false;
    EXPECT_FALSE(Maintenance().MakeArchiveNow());
    EXPECT_EQ(LastArchiveDay(), "");
}

TEST_F(DatabaseMaintenanceTest, RestoreFromAnotherFolderReplacesTheDatabaseAndEndsTheProgram) {
    SKIP_ON_SERVER("the file replaced");
    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('в архива');"));
    QDir(Dir()).mkdir("другаде");
    const QString archive = QDir(Dir()).filePath("другаде/TV20261201120000.Z");
    ASSERT_EQ(ArchiveDatabase(*doc->GetDatabase(), archive, nullptr), "");
    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('след архива');"));

    // Cancelled chooser: nothing happens.
    Maintenance().RestoreFromArchive();
    EXPECT_EQ(files.filterSeen, "Архиви на TARVO (*.Z)|*.Z||");
    EXPECT_EQ(files.startedIn, Dir());
    EXPECT_TRUE(host.shown.isEmpty());

    files.answer = archive;
    Maintenance().RestoreFromArchive();
    ASSERT_EQ(host.shown, QStringList{QDir(Dir()).filePath("tarvo.db")});
    EXPECT_EQ(prompter.Texts().last(), "Базата данни беше възстановена успешно от файла " + archive +
                                           ".\nМоля, рестартирайте програмата.");
    EXPECT_EQ(processExit.statuses, std::vector<int>{0});
    EXPECT_FALSE(doc->IsOpen());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit IN ('в архива', 'след архива');"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit = 'в архива';"), "1");
}

TEST_F(DatabaseMaintenanceTest, OptimizeAsksTwiceAndTellsTheOutcome) {
    SKIP_ON_SERVER("the file's busy answer");
    // No archive, No to the optimisation: nothing.
    prompter.Expect(Answer::No);
    prompter.Expect(Answer::No);
    Maintenance().OptimizeDatabase();
    EXPECT_EQ(prompter.Count(), 2);
    EXPECT_TRUE(host.shown.isEmpty());

    prompter.Clear();
    prompter.Expect(Answer::Yes);
    prompter.Expect(Answer::Yes);
    Maintenance().OptimizeDatabase();
    EXPECT_EQ(host.shown.size(), 1);
    EXPECT_EQ(prompter.Texts().last(), "Базата данни е оптимизирана успешно.");

    // Another seat holds the file: the busy report, then the refusal.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("BEGIN IMMEDIATE;").Ok());
    prompter.Clear();
    prompter.Expect(Answer::No);
    prompter.Expect(Answer::Yes);
    Maintenance().OptimizeDatabase();
    EXPECT_EQ(
        prompter.Texts().last(),
        "Базата данни не може да бъде оптимизирана в този момент.\nВероятно се използва от друг процес.");
    other->Exec("ROLLBACK;");
}

TEST(FileFilter, ClassicFiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Архиви на TARVO (*.Z)|*.Z||"), "Архиви на TARVO (*.Z)");
    EXPECT_EQ(QtFileFilter("CSV|*.csv|Всички|*.*||"), "CSV (*.csv);;Всички (*.*)");
}
