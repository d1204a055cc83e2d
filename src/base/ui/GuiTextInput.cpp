#include "base/ui/GuiTextInput.h"

#include <QInputDialog>

std::optional<QString> GuiTextInput::AskText(const QString& title, const QString& label,
                                             const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
