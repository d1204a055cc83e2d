#include "net/NetworkFiscalRegister.h"

NetworkFiscalRegister::NetworkFiscalRegister(Database& db, Prompter& prompter,
                                             const MachinePreferences& settings, TextInput* input,
                                             const Clock* clock)
    : m_register(db, prompter, settings, m_transport) {
    m_register.SetInteraction(input, clock);
}
