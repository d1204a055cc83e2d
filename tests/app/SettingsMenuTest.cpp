#include "app/SettingsMenu.h"

#include "app/Calculator.h"
#include "app/CsvSeparatorEditor.h"
#include "masterdata/FirmCurrency.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedChoosers.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace {

class SettingsMenuTest : public DatabaseTest {
protected:
    // Every toggle and choice entry of the menu, wherever it stands.
    static void collect(const std::vector<MenuEntry>& entries, std::vector<MenuEntry>& out) {
        for (const MenuEntry& entry : entries) {
            if (entry.kind == MenuEntry::Kind::Toggle || entry.kind == MenuEntry::Kind::Choice)
                out.push_back(entry);
            collect(entry.children, out);
        }
    }
    static std::vector<MenuEntry> SettingEntries() {
        std::vector<MenuEntry> out;
        collect(MainMenu(), out);
        return out;
    }
};

TEST_F(SettingsMenuTest, EveryToggleRoundTripsThroughItsStoreAndSurvivesARestart) {
    SettingsMenu menu(*settings, Db());
    std::vector<std::pair<Setting, int>> flipped;
    for (const MenuEntry& entry : SettingEntries()) {
        if (entry.kind != MenuEntry::Kind::Toggle)
            continue;
        const int before = menu.Value(entry.setting);
        EXPECT_EQ(menu.IsChecked(entry), before == 1) << entry.text.toStdString();
        ASSERT_TRUE(menu.Activate(entry)) << entry.text.toStdString();
        EXPECT_EQ(menu.Value(entry.setting), before ? 0 : 1) << entry.text.toStdString();
        flipped.emplace_back(entry.setting, before ? 0 : 1);
    }
    EXPECT_EQ(flipped.size(), 11u);

    LocalSettings restarted(tempDir.filePath("settings.ini"));
    SettingsMenu again(restarted, Db());
    for (const auto& [setting, value] : flipped)
        EXPECT_EQ(again.Value(setting), value);
    EXPECT_EQ(restarted.ShowItemCostPrice(), 1);
    EXPECT_EQ(restarted.UseFocusColor(), 0);
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'sells_on_zero';"), "1");
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'archive_auto_prompt';"), "0");
}

TEST_F(SettingsMenuTest, ChoicesStoreTheirValueAndCheckTheStoredOne) {
    SettingsMenu menu(*settings, Db());
    // The currency goes through the changeover, which the frame provides.
    std::vector<Currency> currencies;
    menu.SetCurrencyChoice([this, &currencies](Currency wanted) {
        currencies.push_back(wanted);
        return wanted == Currency::BGN || StoreEuro(Db(), QDate(2026, 12, 8));
    });
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, is_recipe, is_dirty) VALUES('P1', 1, 0);"
                          "INSERT INTO stocks (code, is_recipe, is_dirty) VALUES('G1', 0, 0);"));
    int choices = 0;
    for (const MenuEntry& entry : SettingEntries()) {
        if (entry.kind != MenuEntry::Kind::Choice)
            continue;
        ++choices;
        ASSERT_TRUE(menu.Activate(entry)) << entry.text.toStdString();
        EXPECT_TRUE(menu.IsChecked(entry)) << entry.text.toStdString();
    }
    EXPECT_EQ(choices, 10);
    EXPECT_EQ(currencies, std::vector<Currency>({Currency::BGN, Currency::EUR}));
    // The last choice of each group is the one stored.
    EXPECT_EQ(settings->AutoCompleteNameMode(), 0);
    EXPECT_EQ(settings->DefaultSellOp(), 1);
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'cost_price_precision';"), "2");
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'sell_price_precision';"), "2");
    // Storing the cost precision marks every recipe for recomputation.
    EXPECT_EQ(Scalar("SELECT group_concat(code || is_dirty) FROM (SELECT * FROM stocks ORDER BY code) AS t;"),
              "G10,P11");
}

TEST_F(SettingsMenuTest, AFailedDatabaseWriteShowsTheErrorAndKeepsTheOldValue) {
    SKIP_ON_SERVER("the file's busy answer");
    SettingsMenu menu(*settings, Db());
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("BEGIN EXCLUSIVE;").Ok());
    MenuEntry sellsOnZero;
    for (const MenuEntry& entry : SettingEntries())
        if (entry.setting == Setting::SellsOnZero)
            sellsOnZero = entry;
    ASSERT_EQ(sellsOnZero.text, "Операциите без достатъчна наличност са разрешени");

    // The read waits and gives 0; the write waits, fails and is reported.
    EXPECT_FALSE(menu.Activate(sellsOnZero));
    ASSERT_TRUE(other->Exec("COMMIT;").Ok());
    EXPECT_EQ(prompter.Texts().size(), 2);
    EXPECT_TRUE(prompter.Texts().last().startsWith("Базата данни беше недостъпна"));
    EXPECT_EQ(menu.Value(Setting::SellsOnZero), 0);
}

TEST_F(SettingsMenuTest, TheCsvSeparatorEditorRefusesAnEmptySeparator) {
    ScriptedTextInput input;
    input.answer = QString("");
    EXPECT_FALSE(EditCsvSeparator(*settings, prompter, input));
    EXPECT_EQ(prompter.Texts(), QStringList{"Разделителят не може да има нулева стойност."});
    EXPECT_EQ(settings->CsvSeparator(), ";");

    input.answer = std::nullopt;
    EXPECT_FALSE(EditCsvSeparator(*settings, prompter, input));
    input.answer = QString("\t");
    EXPECT_TRUE(EditCsvSeparator(*settings, prompter, input));
    EXPECT_EQ(settings->CsvSeparator(), "\t");
    EXPECT_EQ(input.initials, (QStringList{";", ";", ";"}));
    EXPECT_EQ(prompter.Count(), 1);
}

TEST(Calculator, TheFirstKnownCalculatorOnThePathIsChosen) {
    QTemporaryDir dir;
    const QByteArray oldPath = qgetenv("PATH");
    auto install = [&](const char* name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    };
    qputenv("PATH", dir.path().toUtf8());
    ScriptedPrompter prompter;
    EXPECT_TRUE(FindCalculator().isEmpty());
    EXPECT_FALSE(StartCalculator(prompter));
    EXPECT_EQ(prompter.Count(), 1);
    install("xcalc");
    install("galculator");
    EXPECT_EQ(FindCalculator(), dir.filePath("galculator"));
    install("kcalc");
    EXPECT_EQ(FindCalculator(), dir.filePath("kcalc"));
    qputenv("PATH", oldPath);
}

} // namespace
