#include "settings/LocalSettings.h"

#include "session/DatabaseLocation.h"
#include "session/FolderBrowser.h"
#include "settings/PrinterSettings.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LocalSettingsTest : public ::testing::Test {
protected:
    QString IniPath() const { return dir.filePath("tarvo.ini"); }
    QTemporaryDir dir;
};

TEST_F(LocalSettingsTest, AbsentValuesReadAsTheirDefaultsAndNothingIsWritten) {
    LocalSettings settings(IniPath());
    EXPECT_EQ(settings.AutoSetPrintOrientation(), 1);
    EXPECT_EQ(settings.UseFocusColor(), 1);
    EXPECT_EQ(settings.ShowHiddenItems(), 0);
    EXPECT_EQ(settings.EconomicPrintMode(), 0);
    EXPECT_EQ(settings.DefaultSellOp(), 0);
    EXPECT_EQ(settings.RptQttysDoNotShowNegativeVals(), 1);
    EXPECT_EQ(settings.RptQttysShowOnlyCritical(), 0);
    EXPECT_EQ(settings.RptQttysDoNotShowZeroVals(), 1);
    EXPECT_EQ(settings.CasePrnFld(LocalSettings::CashPrintField::OpPaymentMethod), 1);
    EXPECT_EQ(settings.CsvSeparator(), ";");
    EXPECT_EQ(settings.BackupDir(), ""); // archives go beside the database
    EXPECT_EQ(settings.HeadFileLocation(), "./head.bmp");
    EXPECT_TRUE(settings.DBPath().isEmpty());
    EXPECT_TRUE(settings.UsrFavDate(3).isEmpty());
    EXPECT_TRUE(settings.SellCity().isEmpty());
    EXPECT_FALSE(settings.SellCity().isNull());
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(LocalSettingsTest, ValuesSurviveARestartInTheirSections) {
    {
        LocalSettings settings(IniPath());
        settings.SetShowHiddenItems(1);
        settings.SetAutoSetPrintOrientation(0);
        settings.SetCasePrnFld(LocalSettings::CashPrintField::OpTotal, 0);
        settings.SetCsvSeparator(",");
        settings.SetDBPath("/данни/фирма/");
        settings.SetUsrFavDate(5, "от 01.03.2007 до 31.03.2007");
        settings.SetSellCity("Велико Търново");
        settings.SetSessionHeadFileLocation("/картинки/");
    }
    LocalSettings settings(IniPath());
    EXPECT_EQ(settings.ShowHiddenItems(), 1);
    EXPECT_EQ(settings.AutoSetPrintOrientation(), 0);
    EXPECT_EQ(settings.CasePrnFld(LocalSettings::CashPrintField::OpTotal), 0);
    EXPECT_EQ(settings.CasePrnFld(LocalSettings::CashPrintField::OpID), 1);
    EXPECT_EQ(settings.CsvSeparator(), ",");
    EXPECT_EQ(settings.DBPath(), "/данни/фирма/");
    EXPECT_EQ(settings.UsrFavDate(5), "от 01.03.2007 до 31.03.2007");
    EXPECT_EQ(settings.SellCity(), "Велико Търново");
    EXPECT_EQ(settings.SessionHeadFileLocation(), "/картинки/");
    EXPECT_EQ(settings.HeadFileLocation(), "./head.bmp"); // the other section's value of the same name
    settings.SetCsvSeparator(""); // "CsvSeparator=" keeps the fields apart all the same
    EXPECT_EQ(settings.CsvSeparator(), ";");

    QSettings raw(IniPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/ShowHiddenItems").toInt(), 1);
    EXPECT_EQ(raw.value("Settings/CasePrnFldOpTotal").toInt(), 0);
    EXPECT_EQ(raw.value("SessionData/UsrFavDate5").toString(), "от 01.03.2007 до 31.03.2007");
}

TEST_F(LocalSettingsTest, PrintOrientationFollowsTheSettingOnly) {
    LocalSettings settings(IniPath());
    PrinterSettings printer;
    SetPrintOrientation(1, settings, &printer);
    EXPECT_EQ(printer.orientation, PrinterSettings::Orientation::Landscape);
    SetPrintOrientation(2, settings, &printer);
    EXPECT_EQ(printer.orientation, PrinterSettings::Orientation::Landscape);
    SetPrintOrientation(0, settings, &printer);
    EXPECT_EQ(printer.orientation, PrinterSettings::Orientation::Portrait);
    SetPrintOrientation(1, settings, nullptr); // no printer: nothing to change

    settings.SetAutoSetPrintOrientation(0);
    SetPrintOrientation(1, settings, &printer);
    EXPECT_EQ(printer.orientation, PrinterSettings::Orientation::Portrait);
}

TEST_F(LocalSettingsTest, TheFolderBrowserHasACaptionAndAStartForEachPurpose) {
    LocalSettings settings(IniPath());
    settings.SetDBPath("/db/");
    settings.SetSessionHeadFileLocation("/img/");
    ScriptedChooser chooser;
    chooser.answers = {"/a", "/b/", ""};

    EXPECT_EQ(BrowseForFolder(FolderPurpose::Database, settings, chooser), "/a/");
    EXPECT_EQ(BrowseForFolder(FolderPurpose::Archives, settings, chooser), "/b/");
    EXPECT_EQ(BrowseForFolder(FolderPurpose::HeadImage, settings, chooser), "");
    EXPECT_EQ(chooser.captions, (QStringList{"Моля, изберете директория за БД:",
                                             "Моля, изберете директория за съхранение на архивите:",
                                             "Директория, съдържаща файла \"head.bmp\""}));
    EXPECT_EQ(chooser.starts, (QStringList{"/db/", "/db/", "/img/"}));

    settings.SetBackupDir("");
    BrowseForFolder(FolderPurpose::Archives, settings, chooser);
    EXPECT_EQ(chooser.starts.last(), "/db/");
}

TEST_F(LocalSettingsTest, TheDatabaseDirectoryComesFromTheArgumentThenTheRememberedOne) {
    LocalSettings settings(IniPath());
    EXPECT_EQ(ResolveDatabaseDirectory("", settings), QDir::currentPath());
    settings.SetDBPath(dir.path() + "/");
    EXPECT_EQ(ResolveDatabaseDirectory("", settings), dir.path());
    EXPECT_EQ(ResolveDatabaseDirectory("/tmp", settings), "/tmp");
    settings.SetDBPath(dir.filePath("изтрита/"));
    EXPECT_EQ(ResolveDatabaseDirectory("", settings), QDir::currentPath());
}

} // namespace
