#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Names a widget as the user sees it: by its accessible name or the label
// that stands for it, else a button or check box by its text.
inline QString DescribeWidget(QWidget* widget) {
    if (!widget)
        return "(none)";
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    for (QLabel* label : widget->window()->findChildren<QLabel*>())
        if (label->buddy() == widget)
            return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return widget->objectName().isEmpty() ? QString(widget->metaObject()->className()) : widget->objectName();
}

// Shows the dialog and walks its focus chain with real Tab presses, from the
// widget that has the focus when it opens, until the focus comes back to it
// (or after `limit` presses): the widgets in the order a clerk meets them.
inline QStringList FocusChain(QWidget& dialog, int limit = 60) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QStringList chain;
    QWidget* first = QApplication::focusWidget();
    chain << DescribeWidget(first);
    QWidget* current = first;
    for (int step = 0; step < limit && current; ++step) {
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        if (current == first)
            break;
        chain << DescribeWidget(current);
    }
    return chain;
}
