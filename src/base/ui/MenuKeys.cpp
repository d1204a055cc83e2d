#include "base/ui/MenuKeys.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

void BindMenuKeys(QWidget* form, QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->shortcut().isEmpty())
            continue;
        action->setShortcutContext(Qt::WidgetShortcut);
        auto* key = new QShortcut(action->shortcut(), form);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(key, &QShortcut::activated, action, [action] {
            if (action->isEnabled())
                action->trigger();
        });
    }
}
