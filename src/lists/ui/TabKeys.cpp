#include "lists/ui/TabKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>

namespace {

void step(QTabBar* tabs, int direction, const std::function<bool(int)>& allowed) {
    const int count = tabs->count();
    const int start = tabs->currentIndex();
    for (int k = 1; k < count; ++k) {
        const int next = ((start + direction * k) % count + count) % count;
        if (!tabs->isTabEnabled(next) || (allowed && !allowed(next)))
            continue;
        tabs->setCurrentIndex(next);
        if (tabs->currentIndex() != start)
            return;
    }
}

} // namespace

void BindTabKeys(QWidget* scope, QTabBar* tabs, std::function<bool(int)> allowed) {
    const auto bind = [scope, tabs, allowed](const QKeySequence& keys, int direction) {
        auto* shortcut = new QShortcut(keys, scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, direction, allowed] { step(tabs, direction, allowed); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}
