#include "trade/DocumentBrowser.h"

#include "base/Prompter.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/SqlDates.h"
#include "trade/DocumentKinds.h"
#include "trade/DocumentListStore.h"
#include "trade/DocumentMarks.h"

DocumentBrowser::DocumentBrowser(Database& db, DocumentKind kind, int partnerId, DocumentMarks* marks)
    : m_db(db), m_kind(kind), m_partnerId(partnerId), m_marks(marks),
      m_marksTitle(marks ? marks->Title(kind) : QString()) {}

std::vector<ListColumn> DocumentBrowser::Columns(DocumentKind kind) {
    return DocumentKinds::Of(kind).columns;
}

std::vector<ListColumn> DocumentBrowser::ShownColumns() const {
    std::vector<ListColumn> columns = Columns(m_kind);
    if (!m_marksTitle.isEmpty())
        columns.push_back({m_marksTitle, 135, Qt::AlignLeft, SortType::Text});
    return columns;
}

void DocumentBrowser::SetPeriod(bool on, const QDate& from, const QDate& to) {
    m_period = on;
    m_from = from;
    m_to = to;
}

DocumentListFilter DocumentBrowser::Filter() const {
    return {m_kind, m_partnerId, m_search.Text(), m_bySerial, m_period, m_from, m_to};
}

SqlStatement DocumentBrowser::Statement() const {
    return DocumentListStore(m_db).Statement(Filter());
}

bool DocumentBrowser::Reload() {
    m_rows.clear();
    std::vector<DocumentListStore::Row> listed;
    if (!DocumentListStore(m_db).Load(Filter(), listed))
        return false;
    const std::map<int, QString> marks = Marks() ? m_marks->Cells(m_kind) : std::map<int, QString>();
    m_rows.reserve(listed.size());
    // Each row goes to the top: the list shows the reverse of the query's order.
    for (auto it = listed.rbegin(); it != listed.rend(); ++it) {
        Row row;
        row.number = it->number;
        row.date = SqlToDate(it->date);
        row.cells << FormatDocNumber(row.number) << SqlToDisplayDate(it->date) << it->text;
        if (m_kind == DocumentKind::Stocktakings)
            row.note = it->text;
        if (it->amount) {
            row.negative = *it->amount < 0;
            row.cells << FormatNumber(*it->amount, m_kind == DocumentKind::Production ? 3 : 2);
        }
        if (m_kind == DocumentKind::Deliveries)
            row.cells << it->extra;
        if (Marks()) {
            const auto mark = marks.find(row.number);
            row.cells << (mark == marks.end() ? QString() : mark->second);
        }
        m_rows.push_back(std::move(row));
    }
    return true;
}

std::optional<DocumentChoice> DocumentBrowser::Choose(const std::vector<int>& rows,
                                                      Prompter& prompter) const {
    std::vector<int> chosen;
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(m_rows.size()))
            chosen.push_back(row);
    if (chosen.empty()) {
        prompter.Message("Необходимо е да изберете запис от списъка!", MessageIcon::Stop);
        return std::nullopt;
    }
    const Row& first = m_rows[static_cast<size_t>(chosen.front())];
    DocumentChoice choice{first.number, first.cells.value(1), first.date, first.note, {}};
    for (int row : chosen)
        choice.numbers.push_back(m_rows[static_cast<size_t>(row)].number);
    return choice;
}
