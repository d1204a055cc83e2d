#include "documents/WarrantyCardForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "documents/WarrantyCardSettingsStore.h"
#include "documents/WarrantyCardStore.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "masterdata/ItemKinds.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerStore.h"
#include "masterdata/UnitStore.h"
#include "settings/LocalSettings.h"
#include "trade/DocumentBrowser.h"
#include "trade/DocumentChooser.h"
#include "trade/DocumentListStore.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

WarrantyCardForm::WarrantyCardForm(Database& db, Prompter& prompter, LocalSettings& settings,
                                   const Clock& clock)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_clock(clock) {}

std::vector<ListColumn> WarrantyCardForm::Columns() {
    return {{"номeнклатурен код", 120, Qt::AlignLeft, SortType::Text},
            {"наименование", 250, Qt::AlignLeft, SortType::Text},
            {"мярка", 70, Qt::AlignHCenter, SortType::Text},
            {"количество", 80, Qt::AlignRight, SortType::Decimal},
            {"сериен номер", 150, Qt::AlignLeft, SortType::Text},
            // Whole months, sorted as numbers.
            {"гаранция (мес.)", 100, Qt::AlignHCenter, SortType::Integer},
            {"забележка", 300, Qt::AlignLeft, SortType::Text}};
}

QStringList WarrantyCardForm::Cells(const WarrantyLine& line) {
    return {line.code,   line.name,
            line.units,  QString::number(line.quantity),
            line.serial, QString::number(line.months),
            line.notes};
}

QString WarrantyCardForm::LineProblem(const WarrantyLine& line) {
    if (line.name.trimmed().isEmpty() || line.units.trimmed().isEmpty() || line.quantity < 1 ||
        line.months < 0)
        return "Оставили сте някои от полетата непопълнени.";
    return QString();
}

QString WarrantyCardForm::HeadFolderProblem(const QString& folder) {
    return QFileInfo(QDir(folder).filePath("head.bmp")).isFile()
               ? QString()
               : QString(
                     "В избраната директория не съществува файл с името \"head.bmp\". Моля, добавете го.");
}

void WarrantyCardForm::Fresh(int baseKind, int baseNumber) {
    WarrantyCardSettingsStore settings(m_db);
    const int customer = m_card.customerId;
    const QString name = m_card.customerName;
    const QString received = m_card.receivedBy;
    std::vector<WarrantyLine> lines = std::move(m_card.lines);
    m_card = WarrantyCard();
    m_card.customerId = customer;
    m_card.customerName = name;
    m_card.receivedBy = received;
    m_card.lines = std::move(lines);
    m_card.date = m_clock.Now().date();
    m_card.number = WarrantyCardStore::NextNumber(m_db).value_or(0);
    m_card.baseKind = baseKind;
    m_card.baseNumber = baseNumber;
    m_card.term = settings.GkTerm();
    m_card.conditions = settings.CondText();
    m_card.placement = settings.CondPlacement();
    m_modified = false;
}

void WarrantyCardForm::Start() {
    m_card = WarrantyCard();
    Fresh(WarrantyCard::NoBase, 0);
}

bool WarrantyCardForm::NewFromDocument(int baseKind, DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const bool goodsNote = baseKind == WarrantyCard::GoodsNote;
    const auto choice = documents.ChooseDocument(
        goodsNote ? DocumentKind::GoodsNotes : DocumentKind::Invoices, m_card.customerId);
    if (!choice)
        return false;
    Fresh(baseKind, choice->number);
    m_card.lines.clear();
    const int partner = PartnerStore(m_db).DocumentPartnerId(choice->number, goodsNote ? 1 : 2);
    if (partner != m_card.customerId &&
        m_prompter.AskYesNo(
            "Желаете ли името на контрагента да бъде автоматично избрано, на базата на избрания "
            "от Вас документ?",
            MessageIcon::Question) == Answer::Yes) {
        // A partner deleted since the document was issued cannot be taken.
        const std::optional<QString> name = partner == 0 ? std::nullopt : PartnerStore(m_db).Name(partner);
        if (!name) {
            m_prompter.Message("Грешка: Програмата не успя да извлече името на клиента.", MessageIcon::Stop);
        } else {
            m_card.customerId = partner;
            m_card.customerName = *name;
        }
    }
    const auto lines = DocumentListStore(m_db).PieceLines(
        goodsNote ? DocumentKind::GoodsNotes : DocumentKind::Invoices, choice->number);
    if (!lines)
        return false;
    for (const DocumentListStore::PieceLine& line : *lines) {
        // A piece is a piece: a quantity that rounds to 0 counts as one.
        const int quantity = std::max(1, static_cast<int>(std::lround(std::abs(line.pieces))));
        m_card.lines.push_back(
            {line.code, line.name, line.units, quantity, QString(), m_card.term, QString()});
    }
    m_modified = true;
    return true;
}

bool WarrantyCardForm::NewFree() {
    if (!MayDiscard(m_prompter))
        return false;
    Fresh(WarrantyCard::NoBase, 0);
    if (m_card.customerId != 0 && m_prompter.AskYesNo("Желаете ли да премахнете избрания контрагент?",
                                                      MessageIcon::Question) == Answer::Yes) {
        m_card.customerId = 0;
        m_card.customerName.clear();
    }
    if (!m_card.lines.empty() &&
        m_prompter.AskYesNo(
            "Желаете ли да премахнете артикулите, които са вече въведените в списъка на стоките?",
            MessageIcon::Question) == Answer::Yes)
        m_card.lines.clear();
    return true;
}

bool WarrantyCardForm::ChooseCustomer(PartnerChooser& partners) {
    const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::Customers, m_card.customerId);
    if (!chosen)
        return false;
    const std::optional<QString> name = PartnerStore(m_db).Name(*chosen);
    if (!name)
        return false;
    m_card.customerId = *chosen;
    m_card.customerName = *name;
    m_modified = true;
    return true;
}

QStringList WarrantyCardForm::Units() {
    QStringList units;
    UnitStore(m_db).All(units);
    return units;
}

bool WarrantyCardForm::AddLine(ItemChooser& items, WarrantyLineEditor& editor) {
    const std::optional<Item> chosen = ChooseCatalogueItem(m_db, items, ItemKinds::All(), ItemViews::kAll);
    if (!chosen)
        return false;
    const Item& item = *chosen;
    WarrantyLine line{item.code, item.name, item.units, 1, QString(), m_card.term, QString()};
    if (!editor.EditLine(line, Units()))
        return false;
    m_card.lines.push_back(line);
    m_modified = true;
    return true;
}

bool WarrantyCardForm::EditLine(int index, WarrantyLineEditor& editor) {
    if (index < 0 || index >= static_cast<int>(m_card.lines.size()))
        return false;
    WarrantyLine line = m_card.lines[static_cast<size_t>(index)];
    if (!editor.EditLine(line, Units()))
        return false;
    m_card.lines[static_cast<size_t>(index)] = line;
    m_modified = true;
    return true;
}

bool WarrantyCardForm::MaySplit(const WarrantyCard& card, const std::vector<int>& selected) {
    return selected.size() == 1 && selected[0] >= 0 && selected[0] < static_cast<int>(card.lines.size()) &&
           card.lines[static_cast<size_t>(selected[0])].quantity >= 2;
}

bool WarrantyCardForm::MayMerge(const WarrantyCard& card, const std::vector<int>& selected) {
    if (selected.size() != 2)
        return false;
    for (int index : selected)
        if (index < 0 || index >= static_cast<int>(card.lines.size()))
            return false;
    return card.lines[static_cast<size_t>(selected[0])].code ==
           card.lines[static_cast<size_t>(selected[1])].code;
}

bool WarrantyCardForm::Split(const std::vector<int>& selected) {
    if (!MaySplit(m_card, selected))
        return false;
    const size_t at = static_cast<size_t>(selected[0]);
    WarrantyLine piece = m_card.lines[at];
    const int count = piece.quantity;
    if (m_prompter.AskYesNo(
            QString::asprintf("Сигурни ли сте, че желаете да разделите реда на %d отделни записа?", count),
            MessageIcon::Question) != Answer::Yes)
        return false;
    piece.quantity = 1;
    m_card.lines[at] = piece;
    m_card.lines.insert(m_card.lines.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                        static_cast<size_t>(count - 1), piece);
    m_modified = true;
    return true;
}

bool WarrantyCardForm::Merge(const std::vector<int>& selected) {
    if (!MayMerge(m_card, selected))
        return false;
    const size_t first = static_cast<size_t>(std::min(selected[0], selected[1]));
    const size_t second = static_cast<size_t>(std::max(selected[0], selected[1]));
    WarrantyLine& kept = m_card.lines[first];
    const WarrantyLine& gone = m_card.lines[second];
    // Two serial numbers cannot stand in one line: none is lost silently.
    if (!kept.serial.isEmpty() && !gone.serial.isEmpty() && kept.serial != gone.serial) {
        m_prompter.Message("Двата реда имат различни серийни номера и не могат да бъдат обединени.",
                           MessageIcon::Exclamation);
        return false;
    }
    const int total = kept.quantity + gone.quantity;
    if (m_prompter.AskYesNo(
            QString::asprintf("Сигурни ли сте, че желаете да обедините в един, двата маркирани "
                              "реда с общо количество %d?",
                              total),
            MessageIcon::Question) != Answer::Yes)
        return false;
    if (kept.serial.isEmpty())
        kept.serial = gone.serial;
    kept.quantity = total;
    m_card.lines.erase(m_card.lines.begin() + static_cast<std::ptrdiff_t>(second));
    m_modified = true;
    return true;
}

bool WarrantyCardForm::DeleteLines(const std::vector<int>& selected) {
    if (selected.empty() || m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете избраните записи?",
                                                MessageIcon::Question) != Answer::Yes)
        return false;
    std::vector<int> order = selected;
    std::sort(order.rbegin(), order.rend());
    for (int index : order)
        if (index >= 0 && index < static_cast<int>(m_card.lines.size()))
            m_card.lines.erase(m_card.lines.begin() + index);
    m_modified = true;
    return true;
}

bool WarrantyCardForm::EditDetails(WarrantyDetailsEditor& editor) {
    WarrantyDetails details{m_card.conditions, m_card.placement, m_settings.HeadFileLocation()};
    if (!editor.EditDetails(details))
        return false;
    m_card.conditions = details.conditions;
    m_card.placement = details.placement;
    m_settings.SetHeadFileLocation(details.headFolder);
    // The defaults of the next card.
    WarrantyCardSettingsStore(m_db).SetConditions(details.conditions, details.placement);
    m_modified = true;
    return true;
}

void WarrantyCardForm::SetDate(const QDate& date) {
    m_modified = m_modified || date != m_card.date;
    m_card.date = date;
}

void WarrantyCardForm::SetReceivedBy(const QString& name) {
    m_modified = m_modified || name != m_card.receivedBy;
    m_card.receivedBy = name;
}

void WarrantyCardForm::SetTerm(int months) {
    m_modified = m_modified || months != m_card.term;
    m_card.term = months;
}

bool WarrantyCardForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const auto choice = documents.ChooseDocument(DocumentKind::WarrantyCards, 0);
    if (!choice)
        return false;
    const std::optional<WarrantyCard> card = WarrantyCardStore::Load(m_db, choice->number);
    if (!card)
        return false;
    m_card = *card;
    m_modified = false;
    return true;
}

bool WarrantyCardForm::Save() {
    if (m_card.customerId == 0) {
        m_prompter.Message("Моля, изберете клиент (F8).", MessageIcon::Exclamation);
        return false;
    }
    if (m_card.lines.empty()) {
        m_prompter.Message("Гаранционната карта няма артикули. Добавете поне един (F2).",
                           MessageIcon::Exclamation);
        return false;
    }
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const std::optional<int> number = WarrantyCardStore::Write(m_db, t, m_card);
    if (!number || !t.Commit())
        return false;
    m_card.number = *number;
    m_card.stored = true;
    m_modified = false;
    return true;
}

QString WarrantyCardForm::HeadImagePath(const QString& databaseDirectory) const {
    // A location written on Windows (".\\head.bmp") names the same place.
    QString location = m_settings.HeadFileLocation().replace('\\', '/');
    if (location.isEmpty())
        return QString();
    if (QFileInfo(location).isRelative())
        location = QDir(databaseDirectory).filePath(location);
    const QFileInfo info(location);
    const QString file = info.isDir() ? QDir(location).filePath("head.bmp") : location;
    const QFileInfo image(file);
    return image.isFile() && image.isReadable() ? file : QString();
}
