#pragma once

#include "masterdata/FirmData.h"

class Database;
class Prompter;

// What the dialog of the firm's own data checks and saves. The dialog stays
// open (Save returns false) until the data are valid and stored.
class FirmDataForm {
public:
    FirmDataForm(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    // The stored row, or a cleared record with the rate 20 when there is none.
    FirmData Load();
    // Checks the required fields and the rate, then replaces the one row in a
    // transaction. The rate is stored with 2 decimals.
    bool Save(FirmData record);

private:
    Database& m_db;
    Prompter& m_prompter;
};

// Opens the dialog of the firm's own data (from the menu, and from the view
// switch when the data are incomplete).
class FirmDataEditor {
public:
    virtual ~FirmDataEditor() = default;
    virtual void EditFirmData() = 0;
};
