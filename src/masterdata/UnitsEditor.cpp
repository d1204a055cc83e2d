#include "masterdata/UnitsEditor.h"

#include "base/Prompter.h"
#include "db/WriteTransaction.h"
#include "masterdata/UnitStore.h"

bool UnitsEditor::Reload() {
    return UnitStore(m_db).All(m_units);
}

bool UnitsEditor::Save(const QString& typed) {
    const QString unit = typed.trimmed();
    if (unit.isEmpty())
        return false;
    UnitStore store(m_db);
    bool saved = false;
    if (m_changing.isEmpty() || m_changing == unit) {
        WriteTransaction t(m_db);
        saved = t.Begin() && store.Add(t, unit) && t.Commit();
    } else {
        // A rename rewrites every item of the unit: the clerk says so first.
        const std::optional<int> items = store.ItemsUsing(m_changing);
        if (!items)
            return false;
        if (*items > 0 &&
            m_prompter.AskYesNo(QString("Мерната единица '%1' ще бъде преименувана на '%2' в %3 артикула.\n"
                                        "Потвърждавате ли промяната?")
                                    .arg(m_changing, unit)
                                    .arg(*items),
                                MessageIcon::Question, "Потвърждение") != Answer::Yes)
            return false;
        // The unit and the items that use it change together.
        WriteTransaction transaction(m_db);
        saved = transaction.Begin() && store.Rename(transaction, m_changing, unit) && transaction.Commit();
    }
    if (!saved)
        return false;
    m_changing.clear();
    m_pending.clear();
    return Reload();
}

bool UnitsEditor::Delete(const QString& selected) {
    if (selected.isEmpty())
        return false;
    if (m_pending.isEmpty()) {
        if (m_prompter.AskYesNo(
                QString::asprintf("Мерната единица '%s' ще бъде изтрита от номенклатурата на мерните "
                                  "единици.\nСигурни ли сте, че желаете това?",
                                  selected.toUtf8().constData()),
                MessageIcon::Question, "Потвърждение") != Answer::Yes)
            return false;
        // The unit is deleted only if no item uses it at the moment of the delete.
        WriteTransaction t(m_db);
        if (!t.Begin())
            return false;
        UnitStore store(m_db);
        const std::optional<int> users = store.ItemsUsing(selected);
        if (!users)
            return false;
        if (*users > 0) {
            t.Rollback();
            m_pending = selected;
            m_prompter.Message(
                QString::asprintf(
                    "Избраната мерна единица се използва от някои артикули в склада.\nМоля, маркирайте "
                    "една мерна единица от списъка, с която желаете да бъде заместена '%s'\nи натиснете "
                    "бутона 'Изтрий' повторно.\n\n(за да откажете изтриването, натиснете бутона "
                    "'Опресни')",
                    selected.toUtf8().constData()),
                MessageIcon::Information, "Изберете");
            return false;
        }
        return store.Delete(t, selected) && t.Commit() && Reload();
    }
    const QString pending = m_pending;
    m_pending.clear();
    if (selected == pending) {
        m_prompter.Message(
            "Не можете да използвате същата мерна единица. Моля, започнете процедурата отначало.",
            MessageIcon::Exclamation);
        return false;
    }
    if (m_prompter.AskYesNo(
            QString::asprintf("Вие избрахте да изтриете мерната единица '%s' и да я замените с '%s' в "
                              "артикулите,\nв които тя е била използвана.\n\nПотвърждавате ли "
                              "изтриването?",
                              pending.toUtf8().constData(), selected.toUtf8().constData()),
            MessageIcon::Question, "Потвърждение") != Answer::Yes)
        return false;
    WriteTransaction transaction(m_db);
    return transaction.Begin() && UnitStore(m_db).Replace(transaction, pending, selected) && transaction.Commit() &&
           Reload();
}

bool UnitsEditor::Refresh() {
    m_pending.clear();
    m_changing.clear();
    return Reload();
}
