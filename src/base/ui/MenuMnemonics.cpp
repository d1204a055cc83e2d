#include "base/ui/MenuMnemonics.h"

#include "base/Mnemonics.h"

#include <QMenu>

void GiveMnemonics(QMenu* menu) {
    QList<QAction*> entries;
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        entries << action;
        captions << action->text();
        if (action->menu())
            GiveMnemonics(action->menu());
    }
    const QStringList marked = WithMnemonics(captions);
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setText(marked[i]);
}
