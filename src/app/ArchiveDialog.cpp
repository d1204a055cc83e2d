#include "app/ArchiveDialog.h"

#include "base/ProcessExit.h"
#include "base/Prompter.h"

ArchiveDialog::ArchiveDialog(QString source, QString destination, int mode, Work work, Prompter& prompter,
                             ProcessExit& exit)
    : m_source(std::move(source)), m_destination(std::move(destination)), m_mode(mode),
      m_work(std::move(work)), m_prompter(prompter), m_exit(exit) {}

void ArchiveDialog::Start(const WorkProgress& progress) {
    if (!m_idle || m_done)
        return;
    m_idle = false;
    const QString error = m_work(progress);
    m_idle = true;
    if (!error.isEmpty()) {
        if (m_mode == Archive)
            m_prompter.Message("Архивното копие не беше създадено.\n" + error, MessageIcon::Stop);
        else
            m_prompter.Message("Базата данни не беше възстановена; данните не са променени.\n" + error,
                               MessageIcon::Stop);
        return;
    }
    m_done = true;
    if (m_mode == Archive) {
        m_prompter.Message("Базата данни беше архивирана успешно във файла " + m_destination + ".",
                           MessageIcon::Information);
        return;
    }
    m_prompter.Message("Базата данни беше възстановена успешно от файла " + m_source +
                           ".\nМоля, рестартирайте програмата.",
                       MessageIcon::Information);
    m_exit.Exit(0);
}
