#include "app/ui/CArchiveDlg.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CArchiveDlg::CArchiveDlg(ArchiveDialog& behaviour, QWidget* parent)
    : QDialog(parent), m_behaviour(behaviour) {
    setWindowTitle("архивиране и деархивиране ...");
    auto* files = new QFormLayout;
    const bool archiving = behaviour.Mode() == ArchiveDialog::Archive;
    files->addRow(archiving ? "База данни:" : "Архив:", new QLabel(behaviour.Source()));
    files->addRow(archiving ? "Архив:" : "База данни:", new QLabel(behaviour.Destination()));

    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setVisible(false);
    m_start = new QPushButton("започни изпълнение");
    m_close = new QPushButton("затвори");
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &CArchiveDlg::Start);
    connect(m_close, &QPushButton::clicked, this, &CArchiveDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void CArchiveDlg::Start() {
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_start->setVisible(false);
    m_close->setEnabled(false);
    m_behaviour.Start([this](int percent) {
        m_progress->setValue(percent);
        // The window is repainted while the work runs; nothing the user does
        // reaches it before the work ends.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_progress->setVisible(false);
    m_start->setVisible(true);
    m_close->setEnabled(true);
    accept();
}

void CArchiveDlg::reject() {
    if (m_behaviour.Idle())
        QDialog::reject();
}

void GuiArchiveDialogHost::ShowArchiveDialog(ArchiveDialog& dialog) {
    CArchiveDlg(dialog, m_parent).exec();
}
