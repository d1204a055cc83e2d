#pragma once

#include <vector>

class QWidget;

// Sets the order in which Tab visits the widgets of a dialog: the reading
// order, fields top to bottom and left to right, the buttons after them.
// A null entry (a widget the dialog does not have) is passed over.
void SetTabOrder(const std::vector<QWidget*>& widgets);

// The first widget inside `form` that Tab reaches (enabled and not hidden),
// or none.
QWidget* FirstInTabOrder(QWidget* form);
