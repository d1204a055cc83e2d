#pragma once

#include "db/GzipStream.h"

#include <QString>
#include <functional>

class ProcessExit;
class Prompter;

// What "архивиране и деархивиране ..." does: it names the two files, runs
// the work once on "започни изпълнение" and tells the outcome. A finished
// restore ends the program, which must be started again on the new file.
class ArchiveDialog {
public:
    enum Mode { Restore = 0, Archive = 1 };
    // The work itself: the error text, empty when it was carried out.
    using Work = std::function<QString(const WorkProgress&)>;

    ArchiveDialog(QString source, QString destination, int mode, Work work, Prompter& prompter,
                  ProcessExit& exit);

    const QString& Source() const { return m_source; }
    const QString& Destination() const { return m_destination; }
    int Mode() const { return m_mode; }
    // True while no work runs: only then may the dialog be closed.
    bool Idle() const { return m_idle; }
    // True once the work has been carried out, and only if it succeeded.
    bool Done() const { return m_done; }

    // "започни изпълнение": runs the work (only while idle) and shows its
    // outcome; a failed work leaves Done() false.
    void Start(const WorkProgress& progress);

private:
    QString m_source;
    QString m_destination;
    int m_mode;
    Work m_work;
    Prompter& m_prompter;
    ProcessExit& m_exit;
    bool m_idle = true;
    bool m_done = false;
};

// Shows the dialog modally until the user closes it; tests press its start
// button themselves.
class ArchiveDialogHost {
public:
    virtual ~ArchiveDialogHost() = default;
    virtual void ShowArchiveDialog(ArchiveDialog& dialog) = 0;
};
