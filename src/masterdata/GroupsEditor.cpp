#include "masterdata/GroupsEditor.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"

bool GroupsEditor::Validate(int groupId, const QString& name, bool subgroup, int parentId) {
    if (name.trimmed().isEmpty()) {
        m_prompter.Message("Не сте указали наименование за тази група. Моля, попълнете необходимото поле.",
                           MessageIcon::Exclamation);
        return false;
    }
    if (subgroup && parentId == 0) {
        m_prompter.Message(QString("Указали сте, че ") + "\"" + name.trimmed() + "\"" +
                               " е подгрупа на друга група, но не сте указали на коя." + "\n",
                           MessageIcon::Exclamation);
        return false;
    }
    if (groupId && subgroup) {
        if (parentId == groupId) {
            m_prompter.Message("Указаната група не може да бъде подгрупа на себе си!", MessageIcon::Stop);
            return false;
        }
        if (SubtreeIds(m_tree, groupId).contains(parentId)) {
            m_prompter.Message("Указаната група-родител е невалидна, тъй като е от по-ниско ниво.",
                               MessageIcon::Stop);
            return false;
        }
    }
    return true;
}

bool GroupsEditor::Create(const QString& name, int parentId, int* newId) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    ResultTable table;
    if (!m_db.Query(table, "SELECT * FROM groups WHERE parent_id = ? AND name = ?;", parentId,
                    name.trimmed()) ||
        !table.Empty())
        return t.Refuse(
            "Групата не може да бъда съхранена по една от следните причини:\n\n- вече съществува група "
            "с това име и същата група-родител;\n- възникнала е грешка в базата данни.",
            MessageIcon::Stop);
    const std::optional<long long> id =
        t.InsertReturning(SqlCompose("INSERT INTO groups (name, parent_id) VALUES (?, ?) RETURNING id;",
                                     {name.trimmed(), parentId}));
    if (!id || !t.Commit())
        return false;
    if (newId)
        *newId = static_cast<int>(*id);
    return Reload();
}

bool GroupsEditor::Update(int groupId, const QString& name, int parentId) {
    return m_db.ExecPrintf("UPDATE groups SET name = ?, parent_id = ? WHERE id = ?;", name.trimmed(),
                           parentId, groupId) &&
           Reload();
}

bool GroupsEditor::Delete(int groupId) {
    if (m_prompter.AskYesNo("Потвърждавате ли изтриването на тази група?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    ResultTable children;
    const bool childrenRead = m_db.Query(children, "SELECT * FROM groups WHERE parent_id = ?;", groupId);
    const int items =
        childrenRead ? m_db.QueryInt(-1, "SELECT COUNT(code) FROM stocks WHERE stock_group = ?;", groupId)
                     : -1;
    if (!childrenRead || !children.Empty() || items != 0)
        return t.Refuse(
            "Групата не може да бъде изтрита по една от следните причини:\n\n- има асоциирани "
            "подгрупи;\n- участва в операции;\n- не съществува;\n- възникнала е непозната грешка.",
            MessageIcon::Stop);
    return t.ExecPrintf("DELETE FROM groups WHERE  id = ?;", groupId) && t.Commit() && Reload();
}

namespace {
bool pathTo(const std::vector<GroupNode>& nodes, int id, QStringList& path) {
    for (const GroupNode& node : nodes) {
        path << node.group.name;
        if (node.group.id == id || pathTo(node.children, id, path))
            return true;
        path.removeLast();
    }
    return false;
}
} // namespace

QString GroupsEditor::PathOf(int groupId) const {
    QStringList path;
    return pathTo(m_tree, groupId, path) ? path.join(" › ") : QString();
}
