#pragma once

#include <QString>

// A node of the tree of goods groups; parent 0 marks a top-level group.
struct Group {
    int id = 0;
    QString name;
    int parentId = 0;
};
