// The save of the production form: the checks, then one change that takes
// the materials out, puts the products in, numbers and writes the document.
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "masterdata/ItemStore.h"
#include "masterdata/StockSettings.h"
#include "stockops/ProductionForm.h"
#include "stockops/ProductionStore.h"

namespace {
// A stock change that wrote no row (the item was deleted meanwhile) fails
// like one that could not be written.
bool changedOne(WriteTransaction& t) {
    return t.ChangedRows() == 1;
}
} // namespace

bool ProductionForm::MayPrint() {
    if (!m_doc.lines.empty())
        return true;
    m_prompter.Message("Не са въведени изделия.", MessageIcon::Stop);
    return false;
}

bool ProductionForm::Save() {
    if (!MayPrint())
        return false;
    if (m_doc.producedBy.trimmed().isEmpty()) {
        m_prompter.Message("Не е указано името на лицето, което е произвело изделията!", MessageIcon::Stop);
        return false;
    }
    return m_isNew ? SaveNew() : SaveStored();
}

bool ProductionForm::SaveNew() {
    RebuildMaterials();
    if (!ReportShortage())
        return false;
    const bool sellsOnZero = GetSellsOnZero(m_db) != 0;
    WriteTransaction t(m_db);
    if (!t.Begin() || !ConsumeAndProduce(t, sellsOnZero))
        return false;
    // The number is taken under the lock, so two seats never share one.
    const std::optional<int> number = ProductionStore(m_db).NextNumber();
    if (!number)
        return false;
    m_doc.docId = *number;
    if (!ProductionStore(m_db).Insert(t, m_doc) || !t.Commit())
        return false;
    m_prompter.Message("Изделията са произведени и добавени към наличността в склада.",
                       MessageIcon::Information);
    const QString producedBy = m_doc.producedBy;
    Start();
    m_doc.producedBy = producedBy;
    return true;
}

// Materials first, then products: a product made on one line and used by
// another consumes stock that was there before the document.
bool ProductionForm::ConsumeAndProduce(WriteTransaction& t, bool sellsOnZero) {
    for (const MaterialNeed& material : m_doc.materials) {
        if (!sellsOnZero && ItemStore(m_db).Quantity(material.code) < material.need)
            return t.Refuse(Productions::kShortage, MessageIcon::Stop);
        if (!ItemStore(m_db).DecreaseQuantity(t, material.code, material.need) || !changedOne(t))
            return t.Refuse("Количеството на поне един от материалите в склада не беше променено успешно!",
                            MessageIcon::Stop);
    }
    for (const ProductionLine& line : m_doc.lines)
        if (!ItemStore(m_db).IncreaseQuantity(t, line.code, line.quantity) || !changedOne(t))
            return t.Refuse("Количеството на поне едно от изделията в склада не беше променено успешно!",
                            MessageIcon::Stop);
    return true;
}

bool ProductionForm::SaveStored() {
    if (m_prompter.AskYesNo("Не можете да променяте произведените изделия по тази операция, но можете да "
                            "промените името на оператора и датата на документа. Желаете ли да продължите?",
                            MessageIcon::Exclamation) != Answer::Yes)
        return false;
    WriteTransaction t(m_db);
    if (!t.Begin() || !ProductionStore(m_db).UpdateStored(t, m_doc) || !t.Commit())
        return false;
    m_prompter.Message("Документът беше обновен успешно.", MessageIcon::Information);
    return true;
}
