#pragma once

#include "app/ArchiveDialog.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// "архивиране и деархивиране ...": the two files, a progress bar while the
// work runs, "започни изпълнение" and "затвори" (closing only while idle).
class CArchiveDlg : public QDialog {
    Q_OBJECT
public:
    CArchiveDlg(ArchiveDialog& behaviour, QWidget* parent = nullptr);

    QPushButton* StartButton() const { return m_start; }
    QPushButton* CloseButton() const { return m_close; }

    void reject() override;

private:
    void Start();

    ArchiveDialog& m_behaviour;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_close;
};

// Shows the dialog over the given window.
class GuiArchiveDialogHost : public ArchiveDialogHost {
public:
    explicit GuiArchiveDialogHost(QWidget* parent) : m_parent(parent) {}
    void ShowArchiveDialog(ArchiveDialog& dialog) override;

private:
    QWidget* m_parent;
};
