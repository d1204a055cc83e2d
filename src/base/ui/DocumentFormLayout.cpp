#include "base/ui/DocumentFormLayout.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

void LayOutDocumentForm(QWidget* form, QWidget* header, QWidget* list, QWidget* side,
                        const std::vector<QWidget*>& lineButtons, const std::vector<QWidget*>& endButtons) {
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : lineButtons)
        buttons->addWidget(button);
    buttons->addStretch();
    for (QWidget* button : endButtons)
        buttons->addWidget(button);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list, 1);
    middle->addWidget(side);
    auto* layout = new QVBoxLayout(form);
    layout->addWidget(header);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}
