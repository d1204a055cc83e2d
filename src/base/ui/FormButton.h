#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

// A button of a form or dialog whose caption carries its function key: the
// key presses it while the form or one of its children has the focus, so a
// dialog's keys never reach the form below it.
QPushButton* MakeFormButton(QWidget* form, const QString& caption, const QKeySequence& key,
                            const QString& tooltip, std::function<void()> action);
