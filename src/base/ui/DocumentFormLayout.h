#pragma once

#include <vector>

class QWidget;

// The layout of a document form: the header over the line list with its side
// panel, and the button row under them, the line buttons on the left and the
// save and exit buttons on the right.
void LayOutDocumentForm(QWidget* form, QWidget* header, QWidget* list, QWidget* side,
                        const std::vector<QWidget*>& lineButtons, const std::vector<QWidget*>& endButtons);
