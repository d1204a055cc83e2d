#pragma once

#include "net/QtHttpTransport.h"
#include "sales/fiscal/FiscalRegister.h"

// The fiscal register as the program runs it: over HTTP to the print server,
// the clerk asked through the given input, the time read from the given clock.
// The sale window, the main window's fiscal commands, the document lists'
// marks and the tests all build their register here.
class NetworkFiscalRegister {
public:
    NetworkFiscalRegister(Database& db, Prompter& prompter, const MachinePreferences& settings,
                          TextInput* input, const Clock* clock);
    NetworkFiscalRegister(const NetworkFiscalRegister&) = delete;
    NetworkFiscalRegister& operator=(const NetworkFiscalRegister&) = delete;

    FiscalRegister& Register() { return m_register; }

private:
    QtHttpTransport m_transport;
    FiscalRegister m_register;
};
