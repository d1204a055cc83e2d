#pragma once

#include "masterdata/GroupChooser.h"

class Database;
class Prompter;
class QWidget;

// The group tree the item dialogs open to choose a group.
class GuiGroupChooser : public GroupChooser {
public:
    GuiGroupChooser(Database& db, Prompter& prompter, QWidget* parent)
        : m_db(db), m_prompter(prompter), m_parent(parent) {}
    std::optional<int> ChooseGroup(int currentGroup) override;

private:
    Database& m_db;
    Prompter& m_prompter;
    QWidget* m_parent;
};
