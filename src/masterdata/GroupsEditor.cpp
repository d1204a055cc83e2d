#include "masterdata/GroupsEditor.h"

#include "base/Prompter.h"
#include "db/WriteTransaction.h"
#include "masterdata/GroupStore.h"

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
    GroupStore store(m_db);
    const std::optional<bool> taken = store.NameTaken(parentId, name.trimmed());
    if (taken != false)
        return t.Refuse(
            "Групата не може да бъда съхранена по една от следните причини:\n\n- вече съществува група "
            "с това име и същата група-родител;\n- възникнала е грешка в базата данни.",
            MessageIcon::Stop);
    const std::optional<int> id = store.Insert(t, name.trimmed(), parentId);
    if (!id || !t.Commit())
        return false;
    if (newId)
        *newId = *id;
    return Reload();
}

bool GroupsEditor::Update(int groupId, const QString& name, int parentId) {
    WriteTransaction t(m_db);
    return t.Begin() && GroupStore(m_db).Update(t, groupId, name.trimmed(), parentId) && t.Commit() && Reload();
}

bool GroupsEditor::Delete(int groupId) {
    if (m_prompter.AskYesNo("Потвърждавате ли изтриването на тази група?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    GroupStore store(m_db);
    if (store.InUse(groupId) != false)
        return t.Refuse(
            "Групата не може да бъде изтрита по една от следните причини:\n\n- има асоциирани "
            "подгрупи;\n- участва в операции;\n- не съществува;\n- възникнала е непозната грешка.",
            MessageIcon::Stop);
    return store.Delete(t, groupId) && t.Commit() && Reload();
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
