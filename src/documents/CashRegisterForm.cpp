#include "documents/CashRegisterForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "settings/PrintPreferences.h"
#include "trade/CashRegisterStore.h"

#include <algorithm>

CashRegisterForm::CashRegisterForm(Database& db, Prompter& prompter, PrintPreferences& settings,
                                   const Clock& clock)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_clock(clock),
      m_filter(CashFilter::Defaults(clock)) {}

std::vector<ListColumn> CashRegisterForm::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"оп. №", 50, left, SortType::Integer},
            {"тип", 40, centre, SortType::Text},
            {"документ №", 80, centre, SortType::Integer},
            {"дата", 80, centre, SortType::Date},
            {"плащане до", 80, centre, SortType::Date},
            {"описание на операцията", 250, left, SortType::Text},
            {"контрагент", 200, left, SortType::Text},
            {"сума", 80, right, SortType::Decimal},
            {"платени", 80, right, SortType::Decimal},
            {"остатък", 80, right, SortType::Decimal},
            // Sorted as text: a basis is words, not a number.
            {"основание", 200, left, SortType::Text},
            {"банково пл.", 80, centre, SortType::Text},
            {"бр. операции", 80, right, SortType::Integer}};
}

QStringList CashRegisterForm::Cells(const CashRow& row) {
    return {QString::number(row.recId),
            row.opType == CashOperation::Income ? "ПО" : "РО",
            row.basedOn != 0 ? FormatDocNumber(row.basedOn) : QString(),
            DisplayDate(row.date),
            DisplayDate(row.payTo),
            row.description,
            row.partnerName,
            QString::asprintf("%.2f", row.amount),
            QString::asprintf("%.2f", row.paid),
            QString::asprintf("%.2f", row.Remaining()),
            row.basis,
            row.bank ? "X" : "",
            QString::number(row.payments)};
}

RowTone CashRegisterForm::ToneOf(const CashRow& row) {
    return row.opType == CashOperation::Expense ? RowTone::Red : RowTone::Normal;
}

std::vector<ListColumn> CashRegisterForm::SummaryColumns() {
    return {{"тип", 80, Qt::AlignLeft, SortType::Text},
            {"общо", 90, Qt::AlignRight, SortType::Decimal},
            {"изплатени", 90, Qt::AlignRight, SortType::Decimal},
            {"неизплатени", 90, Qt::AlignRight, SortType::Decimal}};
}

std::vector<QStringList> CashRegisterForm::SummaryRows() const {
    double income[3] = {0, 0, 0};
    double expense[3] = {0, 0, 0};
    for (const CashRow& row : m_rows) {
        double* sums = row.opType == CashOperation::Income ? income : expense;
        sums[0] += row.amount;
        sums[1] += row.paid;
        sums[2] += row.Remaining();
    }
    const auto line = [](const QString& title, double a, double b, double c) {
        return QStringList{title, QString::asprintf("%.2f", a), QString::asprintf("%.2f", b),
                           QString::asprintf("%.2f", c)};
    };
    return {line("Приходи", income[0], income[1], income[2]),
            line("Разходи", expense[0], expense[1], expense[2]),
            line("Остатък", income[0] - expense[0], income[1] - expense[1], income[2] - expense[2])};
}

// The search text narrows the rows to those whose description, basis,
// partner or document number holds it.
void CashRegisterForm::Narrow(std::vector<CashRow>& rows) const {
    if (m_search.Text().isEmpty())
        return;
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](const CashRow& row) {
                                  return !m_search.MatchesAny(
                                      {row.description, row.basis, row.partnerName,
                                       row.basedOn != 0 ? FormatDocNumber(row.basedOn) : QString()});
                              }),
               rows.end());
}

bool CashRegisterForm::ApplyFilter(const CashFilter& filter) {
    m_filter = filter;
    return Reload();
}

bool CashRegisterForm::Reload() {
    std::vector<CashRow> rows;
    if (!CashRegisterStore::LoadRows(m_db, m_filter, rows))
        return false;
    Narrow(rows);
    m_rows = std::move(rows);
    return true;
}

bool CashRegisterForm::AskSearch(TextInput& input) {
    return m_search.Ask(input) && Reload();
}

bool CashRegisterForm::Refresh() {
    m_search.Clear();
    return Reload();
}

int CashRegisterForm::New(CashOperationEditor& editor) {
    CashOperation op;
    op.date = m_clock.Now().date();
    op.payTo = op.date;
    if (!editor.EditOperation(op))
        return -1;
    WriteTransaction t(m_db);
    std::optional<int> recId;
    if (t.Begin()) {
        recId = CashRegisterStore::Insert(t, op);
        if (recId && !t.Commit())
            recId.reset();
    }
    if (!recId)
        return -1;
    const std::optional<CashRow> row = CashRegisterStore::LoadRow(m_db, *recId);
    if (!row)
        return -1;
    m_rows.push_back(*row);
    return static_cast<int>(m_rows.size()) - 1;
}

bool CashRegisterForm::Edit(int index, CashOperationEditor& editor) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    std::optional<CashOperation> op =
        CashRegisterStore::LoadOperation(m_db, m_rows[static_cast<size_t>(index)].recId);
    if (!op || !editor.EditOperation(*op))
        return false;
    WriteTransaction t(m_db);
    if (!t.Begin() || !CashRegisterStore::Rewrite(t, *op) || !t.Commit())
        return false;
    const std::optional<CashRow> row = CashRegisterStore::LoadRow(m_db, op->recId);
    if (!row)
        return false;
    m_rows[static_cast<size_t>(index)] = *row;
    return true;
}

bool CashRegisterForm::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()) ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете маркираната операция?",
                            MessageIcon::Exclamation) != Answer::Yes)
        return false;
    WriteTransaction t(m_db);
    if (!t.Begin() || !CashRegisterStore::Delete(t, m_rows[static_cast<size_t>(index)].recId) || !t.Commit())
        return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

std::vector<int> CashRegisterForm::PrintedColumns() const {
    std::vector<int> columns;
    for (int field = 0; field < 12; ++field)
        if (PrintField(field))
            columns.push_back(field);
    return columns;
}

bool CashRegisterForm::PrintField(int field) const {
    return m_settings.CasePrnFld(static_cast<PrintPreferences::CashPrintField>(field)) != 0;
}

void CashRegisterForm::SetPrintField(int field, bool printed) {
    m_settings.SetCasePrnFld(static_cast<PrintPreferences::CashPrintField>(field), printed ? 1 : 0);
}
