#include "base/ui/FormButton.h"

#include <QPushButton>
#include <QShortcut>

QPushButton* MakeFormButton(QWidget* form, const QString& caption, const QKeySequence& key,
                            const QString& tooltip, std::function<void()> action) {
    auto* button = new QPushButton(caption, form);
    button->setToolTip(tooltip);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, form, std::move(action));
    if (!key.isEmpty()) {
        auto* shortcut = new QShortcut(key, form);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
    return button;
}
