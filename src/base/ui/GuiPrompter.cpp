#include "base/ui/GuiPrompter.h"

#include "base/AppInfo.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <algorithm>

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
    // A text broken into lines by its author keeps those lines where they
    // fit the screen: the box, which wraps at about 500 pixels, is widened
    // to its longest line.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        int widest = 0;
        for (const QString& line : text.split('\n'))
            widest = std::max(widest, box.fontMetrics().horizontalAdvance(line));
        grid->addItem(new QSpacerItem(std::min(widest, 900) + 90, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
