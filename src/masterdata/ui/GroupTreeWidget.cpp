#include "masterdata/ui/GroupTreeWidget.h"

#include <QTreeWidgetItemIterator>

GroupTreeWidget::GroupTreeWidget(bool checkable, QWidget* parent)
    : QTreeWidget(parent), m_checkable(checkable) {
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
}

int GroupTreeWidget::IdOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void GroupTreeWidget::Add(QTreeWidgetItem* parent, const std::vector<GroupNode>& nodes) {
    for (const GroupNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, node.group.name);
        item->setData(0, Qt::UserRole, node.group.id);
        if (m_checkable)
            item->setCheckState(0, Qt::Unchecked);
        Add(item, node.children);
    }
}

void GroupTreeWidget::Fill(const std::vector<GroupNode>& roots) {
    const QSignalBlocker quiet(this);
    clear();
    Add(nullptr, roots);
    expandAll();
}

int GroupTreeWidget::CurrentGroup() const {
    return IdOf(currentItem());
}

QTreeWidgetItem* GroupTreeWidget::ItemOf(int groupId) const {
    for (QTreeWidgetItemIterator it(const_cast<GroupTreeWidget*>(this)); *it; ++it)
        if (IdOf(*it) == groupId)
            return *it;
    return nullptr;
}

void GroupTreeWidget::SelectGroup(int groupId) {
    if (QTreeWidgetItem* item = ItemOf(groupId)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

void GroupTreeWidget::SetChecks(const std::function<bool(int)>& ticked) {
    const QSignalBlocker quiet(this);
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setCheckState(0, ticked(IdOf(*it)) ? Qt::Checked : Qt::Unchecked);
}
