#include "db/ui/CWaitBoxDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

CWaitBoxDlg::CWaitBoxDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("моля, почакайте...");
    setModal(false);
    // It has no parent (the main window may not be up yet): kept above it.
    setWindowFlag(Qt::WindowStaysOnTopHint);
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
    // Above the middle of the screen, where the message of each step (shown
    // in the middle) does not hide it.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - width() / 2, area.top() + area.height() / 4 - height() / 2);
    }
    raise();
    // Painted now: the step that follows keeps the event loop busy.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
