#include "stockops/StocktakingForm.h"

#include "base/Clock.h"
#include "base/NumberInput.h"
#include "base/Prompter.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "stockops/StocktakingStore.h"
#include "trade/DocumentChooser.h"

StocktakingForm::StocktakingForm(Database& db, Prompter& prompter, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_clock(clock) {
    m_doc.date = m_clock.Now().date();
}

QString StocktakingForm::NumberText() const {
    return FormatDocNumber(m_doc.docId);
}

std::vector<ListColumn> StocktakingForm::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"код", 80, left, SortType::Text},
            {"стока", 220, left, SortType::Text},
            {"група", 120, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},
            {"количество", 80, right, SortType::Decimal},
            {"намерено к-во", 90, right, SortType::Decimal},
            {"разлика к-во", 90, right, SortType::Decimal},
            {"ед. цена", 70, right, SortType::Decimal},
            {"об. себест.", 90, right, SortType::Decimal},
            {"разлика ст-ст", 90, right, SortType::Decimal},
            {"об.ст-ст цена 1", 100, right, SortType::Decimal},
            {"об.ст-ст цена 2", 100, right, SortType::Decimal}};
}

QStringList StocktakingForm::Cells(const StocktakingLine& l) {
    const double difference = l.counted - l.projected;
    return {l.code,
            l.name,
            l.groupName,
            l.units,
            QString::asprintf("%.3f", l.projected),
            QString::asprintf("%.3f", l.counted),
            QString::asprintf("%.3f", difference),
            FormatNumber(l.cost, 2),
            FormatNumber(l.counted * l.cost, 2),
            FormatNumber(difference * l.cost, 2),
            QString::asprintf("%.2f", l.counted * l.price1),
            QString::asprintf("%.2f", l.counted * l.price2)};
}

std::vector<int> StocktakingForm::ShownLines() const {
    std::vector<int> shown;
    for (size_t k = 0; k < m_doc.lines.size(); ++k) {
        const StocktakingLine& l = m_doc.lines[k];
        if (m_filter.Passes(l.groupId) && m_search.MatchesAny({l.code, l.name, l.groupName, l.units}))
            shown.push_back(static_cast<int>(k));
    }
    return shown;
}

bool StocktakingForm::NewDocument(const std::function<void(int, int)>& progress) {
    if (!MayDiscard(m_prompter))
        return false;
    StocktakingStore store(m_db);
    const std::optional<std::vector<StocktakingLine>> lines = store.NewLines(progress);
    if (!lines)
        return false;
    const QDate date = m_doc.date;
    m_doc = StocktakingDocument();
    m_doc.docId = store.NextNumber().value_or(1);
    m_doc.date = date.isValid() ? date : m_clock.Now().date();
    m_doc.lines = *lines;
    m_state = State::New;
    m_editingAllowed = false;
    m_changed = false;
    return true;
}

bool StocktakingForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter) || m_prompter.AskYesNo("Зареждане на вече издаден документ за ревизия?",
                                                       MessageIcon::Question) != Answer::Yes)
        return false;
    return LoadChosen(documents);
}

bool StocktakingForm::LoadChosen(DocumentChooser& documents) {
    const std::optional<DocumentChoice> chosen = documents.ChooseDocument(DocumentKind::Stocktakings, 0);
    if (!chosen)
        return false;
    StocktakingDocument loaded;
    if (!StocktakingStore(m_db).Load(chosen->number, loaded.lines))
        return false;
    loaded.docId = chosen->number;
    loaded.date = chosen->date;
    loaded.notes = chosen->note;
    m_doc = loaded;
    m_state = State::Loaded;
    m_editingAllowed = false;
    m_changed = false;
    m_prompter.Message(QString::asprintf("Документът %s беше зареден успешно.", qUtf8Printable(NumberText())),
                       MessageIcon::Information);
    return true;
}

bool StocktakingForm::EditCount(int index, NumberInput& input) {
    if (index < 0 || index >= static_cast<int>(m_doc.lines.size()))
        return false;
    if (!(m_state == State::New || (m_state == State::Loaded && m_editingAllowed))) {
        m_prompter.Message("Грешка: не е активирана опцията за редактиране на издадени документи",
                           MessageIcon::Stop);
        return false;
    }
    StocktakingLine& line = m_doc.lines[static_cast<size_t>(index)];
    const std::optional<double> counted = input.AskNumber("намерено к-во", "намерено к-во:", line.counted, 3);
    if (!counted || RoundHalfUp(*counted, 3) == line.counted)
        return false;
    line.counted = RoundHalfUp(*counted, 3);
    m_changed = true;
    return true;
}

double StocktakingForm::ColumnSum(int column) const {
    double sum = 0;
    for (const StocktakingLine& l : m_doc.lines) {
        switch (column) {
        case 8:
            sum += l.counted * l.cost;
            break;
        case 9:
            sum += (l.counted - l.projected) * l.cost;
            break;
        case 10:
            sum += l.counted * l.price1;
            break;
        case 11:
            sum += l.counted * l.price2;
            break;
        default:
            break;
        }
    }
    return RoundHalfUp(sum, 2);
}

bool StocktakingForm::Activate(int index, int column, NumberInput& input) {
    if (column >= 8 && column <= 11) {
        m_prompter.Message(QString::asprintf("Сумата на артикулите в тази колона е: %.2f", ColumnSum(column)),
                           MessageIcon::Information);
        return false;
    }
    return EditCount(index, input);
}
