#include "base/ui/GuiPrompter.h"

#include "base/AppInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton show(const QString& text, MessageIcon icon, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton escape, const QString& caption = QString(),
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(toQt(icon), caption.isEmpty() ? QString(AppInfo::kWindowTitle) : caption, text, buttons,
                    QApplication::activeWindow());
    box.setEscapeButton(escape);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    // A box that comes in the middle of long work is answered with the
    // ordinary pointer, not the wait cursor.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    QApplication::restoreOverrideCursor();
    return answer;
}

} // namespace

void GuiPrompter::Message(const QString& text, MessageIcon icon, const QString& caption) {
    show(text, icon, QMessageBox::Ok, QMessageBox::Ok, caption);
}

Answer GuiPrompter::AskYesNo(const QString& text, MessageIcon icon, const QString& caption) {
    return show(text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, caption) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Answer GuiPrompter::AskYesNoDefaultNo(const QString& text, MessageIcon icon) {
    return show(text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QString(),
                QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Answer GuiPrompter::AskYesNoCancel(const QString& text, MessageIcon icon) {
    switch (show(text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
