#pragma once

#include <QString>

class Database;

// A node of the tree of goods groups; parent 0 marks a top-level group.
struct Group {
    int id = 0;
    QString name;
    int parentId = 0;
};

// True when found; when missing, false with name "-" and parent 0.
bool LoadGroup(Database& db, int id, Group& record);
// "-" when missing or unreadable.
QString GetGroupName(Database& db, int id);
