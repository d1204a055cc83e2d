#include "stockops/ProductionForm.h"

#include "base/Clock.h"
#include "base/NumberInput.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "masterdata/ItemStore.h"
#include "masterdata/StockSettings.h"
#include "stockops/ProductionStore.h"
#include "trade/DocumentChooser.h"

ProductionForm::ProductionForm(Database& db, Prompter& prompter, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_clock(clock) {}

QString ProductionForm::NumberText() const {
    return FormatDocNumber(m_doc.docId);
}

QStringList ProductionForm::Operators() {
    return ProductionStore(m_db).Operators();
}

std::vector<ListColumn> ProductionForm::ProductColumns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"#", 0, left, SortType::Integer},           {"код", 100, left, SortType::Text},
            {"наименование", 250, left, SortType::Text}, {"мярка", 50, centre, SortType::Text},
            {"к-во", 60, right, SortType::Decimal},      {"ед. цена", 80, right, SortType::Decimal},
            {"общо", 80, right, SortType::Decimal}};
}

std::vector<ListColumn> ProductionForm::MaterialColumns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"код", 100, left, SortType::Text},           {"наименование", 250, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},        {"налични", 60, right, SortType::Decimal},
            {"необходими", 60, right, SortType::Decimal}, {"ед. цена", 80, right, SortType::Decimal},
            {"общо", 80, right, SortType::Decimal}};
}

QStringList ProductionForm::ProductCells(const ProductionLine& line) {
    return {QString::asprintf("%d", line.seq),
            line.code,
            line.name,
            line.units,
            QString::asprintf("%.3f", line.quantity),
            FormatNumber(line.cost, 2),
            FormatNumber(line.quantity * line.cost, 2)};
}

QStringList ProductionForm::MaterialCells(const MaterialNeed& m) {
    return {m.code,
            m.name,
            m.units,
            QString::asprintf("%.3f", m.stock),
            QString::asprintf("%.3f", m.need),
            FormatNumber(m.cost, 2),
            FormatNumber(RoundHalfUp(m.cost, 2) * m.need, 2)};
}

void ProductionForm::Start() {
    m_doc = ProductionDocument();
    m_doc.docId = ProductionStore(m_db).NextNumber().value_or(1);
    m_doc.date = m_clock.Now().date();
    m_isNew = true;
    m_counter = 0;
}

bool ProductionForm::NewDocument() {
    if (!MayDiscard(m_prompter))
        return false;
    const QString producedBy = m_doc.producedBy;
    Start();
    m_doc.producedBy = producedBy;
    return true;
}

bool ProductionForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const std::optional<DocumentChoice> chosen = documents.ChooseDocument(DocumentKind::Production, 0);
    if (!chosen)
        return false;
    ProductionDocument loaded;
    if (!ProductionStore(m_db).Load(chosen->number, loaded))
        return false;
    m_doc = loaded;
    for (MaterialNeed& material : m_doc.materials)
        material.stock = ItemStore(m_db).Quantity(material.code);
    m_isNew = false;
    m_prompter.Message(QString::asprintf("Документът %s беше зареден успешно.", qUtf8Printable(NumberText())),
                       MessageIcon::Information);
    return true;
}

std::optional<double> ProductionForm::AskQuantity(NumberInput& input, double initial) {
    while (true) {
        const std::optional<double> quantity = input.AskNumber("количество", "количество:", initial, 3);
        if (!quantity)
            return std::nullopt;
        if (RoundHalfUp(*quantity, 3) > 0)
            return RoundHalfUp(*quantity, 3);
        m_prompter.Message("Количеството трябва да бъде положително число!", MessageIcon::Stop);
    }
}

bool ProductionForm::FillEntries(ProductionLine& line) {
    const std::optional<std::vector<ProductionEntry>> entries =
        ProductionStore(m_db).Entries(line.code, line.quantity);
    if (!entries)
        return false;
    line.entries = *entries;
    return true;
}

void ProductionForm::RebuildMaterials() {
    m_doc.materials = Productions::Materials(m_doc.lines);
    for (MaterialNeed& material : m_doc.materials)
        material.stock = ItemStore(m_db).Quantity(material.code);
}

bool ProductionForm::ReportShortage() {
    if (GetSellsOnZero(m_db) != 0)
        return true;
    for (const MaterialNeed& material : m_doc.materials)
        if (material.stock < material.need) {
            m_prompter.Message(Productions::kShortage, MessageIcon::Stop);
            return false;
        }
    return true;
}

// A product without recipe components would come from nothing.
bool ProductionForm::AddProduct(ItemChooser& items, NumberInput& input) {
    if (!m_isNew)
        return false;
    const std::optional<Item> chosen =
        ChooseCatalogueItem(m_db, items, ItemViews::kProducts, ItemViews::kProducts);
    if (!chosen || chosen->name.isEmpty())
        return false;
    const Item& item = *chosen;
    ProductionLine line;
    line.code = item.code;
    line.name = item.name;
    line.group = item.group;
    line.units = item.units;
    line.cost = RoundHalfUp(item.costPrice, 2);
    line.quantity = 1;
    if (!FillEntries(line))
        return false;
    if (line.entries.empty()) {
        m_prompter.Message(
            "Изделието няма рецепта: въведете съставните му части в номенклатурата, преди да го "
            "произвеждате.",
            MessageIcon::Stop);
        return false;
    }
    const std::optional<double> quantity = AskQuantity(input, 1);
    if (!quantity)
        return false;
    line.quantity = *quantity;
    if (!FillEntries(line))
        return false;
    line.seq = ++m_counter;
    m_doc.lines.push_back(line);
    RebuildMaterials();
    ReportShortage();
    return true;
}

bool ProductionForm::ChangeQuantity(int index, NumberInput& input) {
    if (!m_isNew || index < 0 || index >= static_cast<int>(m_doc.lines.size()))
        return false;
    ProductionLine& line = m_doc.lines[static_cast<size_t>(index)];
    const std::optional<double> quantity = AskQuantity(input, line.quantity);
    if (!quantity)
        return false;
    ProductionLine changed = line;
    changed.quantity = *quantity;
    if (!FillEntries(changed))
        return false;
    line = changed;
    RebuildMaterials();
    ReportShortage();
    return true;
}

bool ProductionForm::RemoveProduct(int index) {
    if (!m_isNew || index < 0 || index >= static_cast<int>(m_doc.lines.size()) ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
            Answer::Yes)
        return false;
    m_doc.lines.erase(m_doc.lines.begin() + index);
    RebuildMaterials();
    return true;
}
