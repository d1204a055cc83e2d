#pragma once

#include "base/TextInput.h"

class QWidget;

// A one-field input dialog of the desktop.
class GuiTextInput : public TextInput {
public:
    explicit GuiTextInput(QWidget* parent) : m_parent(parent) {}
    std::optional<QString> AskText(const QString& title, const QString& label,
                                   const QString& initial) override;

private:
    QWidget* m_parent;
};
