// The save of a stocktaking: a new count, with or without making the counts
// the stock, and a loaded count written again with its corrections. Each is
// one change; the number is taken and the stored counts are read under its
// lock.
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/DocNumber.h"
#include "format/Rounding.h"
#include "masterdata/ItemStore.h"
#include "stockops/StocktakingForm.h"
#include "stockops/StocktakingStore.h"

#include <QHash>

namespace {
// After a line's stock change: a failed change ends the save; one that wrote
// no row (the item was deleted since the count began) names the item.
bool stockChanged(WriteTransaction& t, bool written, const QString& code, QStringList& missing) {
    if (!written)
        return t.Refuse("грешка: количеството на поне един артикул не може да бъде променено.",
                        MessageIcon::Stop);
    if (t.ChangedRows() == 0)
        missing << code;
    return true;
}
} // namespace

bool StocktakingForm::Save() {
    switch (m_state) {
    case State::Saved:
        m_prompter.Message("Грешка: не e активирана опцията за редактиране на издадени документи.",
                           MessageIcon::Stop);
        return false;
    case State::New:
        return SaveNew();
    case State::Loaded:
        break;
    }
    return SaveLoaded();
}

std::optional<int> StocktakingForm::MovedSinceStart() {
    const std::optional<StockMoves> stock = ItemStore(m_db).AllQuantities();
    if (!stock)
        return std::nullopt;
    QHash<QString, double> quantities;
    for (const StockMove& item : *stock)
        quantities.insert(item.code, RoundHalfUp(item.quantity, 3));
    int moved = 0;
    for (const StocktakingLine& line : m_doc.lines) {
        const auto found = quantities.constFind(line.code);
        if (found != quantities.constEnd() && *found != line.projected)
            ++moved;
    }
    return moved;
}

bool StocktakingForm::SaveNew() {
    const Answer answer = m_prompter.AskYesNoCancel(
        "Желаете ли да замените наличностите в склада с новите начални салда?\n\n(Да) - това са новите "
        "начални "
        "салда\n(Не) - само запис на документа, без промяна на наличностите\n(Отказ) - отказвам записа на "
        "операцията.",
        MessageIcon::Question);
    if (answer == Answer::Cancel)
        return false;
    const bool replaceStock = answer == Answer::Yes;
    // Stock that moved since the count began is named before it is replaced;
    // the count is read under the lock, and asked about with the lock released.
    int acknowledged = 0;
    while (true) {
        WriteTransaction t(m_db);
        if (!t.Begin())
            return false;
        if (replaceStock) {
            const std::optional<int> moved = MovedSinceStart();
            if (!moved)
                return false;
            if (*moved > acknowledged) {
                t.Rollback();
                if (m_prompter.AskYesNo(
                        QString::asprintf(
                            "%d от преброените артикула имат движение (продажби, доставки или "
                            "производство) след началото на ревизията. Наличността им ще бъде заменена "
                            "с преброеното количество.\nЖелаете ли да продължите?",
                            *moved),
                        MessageIcon::Exclamation) != Answer::Yes)
                    return false;
                acknowledged = *moved;
                continue;
            }
        }
        QStringList missing;
        const int proposed = m_doc.docId;
        const std::optional<int> number = StocktakingStore(m_db).NextNumber();
        m_doc.docId = number.value_or(proposed);
        if (!number || !WriteNew(t, replaceStock, missing) || !t.Commit()) {
            m_doc.docId = proposed;
            return false;
        }
        m_state = State::Saved;
        m_changed = false;
        Done(missing);
        return true;
    }
}

bool StocktakingForm::WriteNew(WriteTransaction& t, bool replaceStock, QStringList& missing) {
    StocktakingStore store(m_db);
    if (!store.InsertHeader(t, m_doc))
        return false;
    for (const StocktakingLine& line : m_doc.lines) {
        if (replaceStock &&
            !stockChanged(t, ItemStore(m_db).SetQuantity(t, line.code, line.counted), line.code, missing))
            return false;
        if (!store.InsertLine(t, m_doc, line))
            return false;
    }
    return true;
}

bool StocktakingForm::SaveLoaded() {
    const Answer answer = m_prompter.AskYesNoCancel(
        "Желаете ли да промените наличностите в склада съобразно коригираните салда?\n\n(Да) - запис на ново "
        "начално салдо и промяна на текущите наличности съобразно корекцията\n(Не) - само запис на "
        "документа, без "
        "корекция на текущите наличности\n(Отказ) - отказвам записа на операцията.",
        MessageIcon::Question);
    if (answer == Answer::Cancel)
        return false;
    WriteTransaction t(m_db);
    QStringList missing;
    if (!t.Begin() || !WriteLoaded(t, answer == Answer::Yes, missing) || !t.Commit())
        return false;
    for (StocktakingLine& line : m_doc.lines)
        line.loadedCounted = line.counted;
    m_changed = false;
    Done(missing);
    return true;
}

// Each correction is made against the count stored now, read under the lock:
// another seat may have corrected the same document since it was loaded.
bool StocktakingForm::WriteLoaded(WriteTransaction& t, bool correctStock, QStringList& missing) {
    StocktakingStore store(m_db);
    std::vector<double> stored;
    for (const StocktakingLine& line : m_doc.lines)
        stored.push_back(store.StoredCount(m_doc.docId, line.code).value_or(line.loadedCounted));
    if (!store.Delete(t, m_doc.docId) || !store.InsertHeader(t, m_doc))
        return false;
    for (size_t k = 0; k < m_doc.lines.size(); ++k) {
        const StocktakingLine& line = m_doc.lines[k];
        const double correction = RoundHalfUp(line.counted - stored[k], 3);
        if (correctStock && correction != 0 &&
            !stockChanged(t, ItemStore(m_db).IncreaseQuantity(t, line.code, correction), line.code, missing))
            return false;
        if (!store.InsertLine(t, m_doc, line))
            return false;
    }
    return true;
}

// The items deleted since the count began stay in the document; their stock
// is not there to change, and the clerk is told which they are.
void StocktakingForm::Done(const QStringList& missing) {
    QString text = "Операцията приключи успешно";
    if (!missing.isEmpty())
        text +=
            QString(
                "\n\nНаличността на тези артикули не е променена, защото са изтрити от номенклатурата: ") +
            missing.join(", ");
    m_prompter.Message(text, MessageIcon::Information);
}
