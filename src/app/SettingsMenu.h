#pragma once

#include "app/CommandTable.h"
#include "format/Currency.h"

#include <functional>

class Database;
class LocalSettings;

// The settings entries of the main menu: what their check marks show and
// what choosing them stores, locally or in the database.
class SettingsMenu {
public:
    SettingsMenu(LocalSettings& settings, Database& db) : m_settings(settings), m_db(db) {}

    // The value in force; for the precision entries the decimals in use.
    int Value(Setting setting);
    // A toggle is checked when its value is 1, a choice when its value is stored.
    bool IsChecked(const MenuEntry& entry);
    // A toggle inverts and stores its value, a choice stores its own. False when
    // the database refused the write (reported); the old value then stays.
    bool Activate(const MenuEntry& entry);
    // What choosing a currency does: the changeover with its question and
    // archive; true when the firm's currency is now the chosen one.
    void SetCurrencyChoice(std::function<bool(Currency)> choose) { m_chooseCurrency = std::move(choose); }

private:
    bool Store(Setting setting, int value);

    LocalSettings& m_settings;
    Database& m_db;
    std::function<bool(Currency)> m_chooseCurrency;
};
