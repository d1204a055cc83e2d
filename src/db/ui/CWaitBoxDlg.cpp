#include "db/ui/CWaitBoxDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

CWaitBoxDlg::CWaitBoxDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("моля, почакайте...");
    setModal(false);
    auto* frame = new QGroupBox;
    auto* text = new QLabel("ИЗВЪРШВА СЕ ПРЕСТРУКТУРИРАНЕ НА ДАННИТЕ.\nМОЛЯ, ПОЧАКАЙТЕ...");
    text->setAlignment(Qt::AlignCenter);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setMinimumWidth(420);
}

void CWaitBoxDlg::ShowPainted() {
    show();
    raise();
    // Painted now: the step that follows keeps the event loop busy.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
