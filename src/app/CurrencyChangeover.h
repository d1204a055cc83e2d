#pragma once

#include "format/Currency.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Prompter;

// The firm's move from leva to euro: every price of the catalogue and every
// partner price divided by the fixed rate and rounded to the price
// precision, the recipes marked for recomputation and the currency stored,
// all in one change after an archive of the database. Stored documents are
// never touched: they were issued in leva and stay so. There is no way back.
class CurrencyChangeover {
public:
    // makeArchive makes the archive copy and gives its file name, or nothing
    // when it was not made (the reason has been shown).
    CurrencyChangeover(Database& db, Prompter& prompter, std::function<std::optional<QString>()> makeArchive)
        : m_db(db), m_prompter(prompter), m_makeArchive(std::move(makeArchive)) {}

    // The menu's choice of currency on `today`: euro runs the changeover
    // (with its question and archive; on a catalogue without prices it only
    // stores the setting), leva is refused once the firm is in euro. True
    // when the firm's currency is now the chosen one.
    bool Choose(Currency wanted, const QDate& today);

    // The changeover without questions, for the command line: refused when
    // the firm is already in euro. The prices changed, or nothing on a
    // refusal or failure (reported). `archive` receives the archive's name.
    std::optional<int> Run(const QDate& today, QString* archive);

    // The conversion alone, in one change: how many prices changed, or
    // nothing when it failed or another seat had already moved the firm to
    // euro (reported; nothing was changed).
    std::optional<int> ConvertCatalogue(const QDate& today);

    // True when the catalogue or the partner prices hold a price.
    bool CatalogueHasPrices();

private:
    Database& m_db;
    Prompter& m_prompter;
    std::function<std::optional<QString>()> m_makeArchive;
};

// A price in leva in euro, rounded to `decimals` halves up.
double LevaToEuro(double leva, int decimals);
