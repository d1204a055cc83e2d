#include "base/ui/TabOrder.h"

#include <QWidget>

void SetTabOrder(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget* FirstInTabOrder(QWidget* form) {
    for (QWidget* widget = form->nextInFocusChain(); widget && widget != form; widget = widget->nextInFocusChain())
        if (form->isAncestorOf(widget) && widget->isEnabled() && widget->isVisibleTo(form) &&
            (widget->focusPolicy() & Qt::TabFocus))
            return widget;
    return nullptr;
}
