#include "masterdata/Catalogue.h"

#include "settings/LocalSettings.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/DbSettings.h"
#include "db/WriteTransaction.h"
#include "masterdata/CostPrices.h"
#include "masterdata/StockLedger.h"
#include "format/FormatNumber.h"

namespace {
QString mark(bool set) { return set ? QString("X") : QString(""); }

CatalogueRow rowFrom(const ResultTable& t, int r) {
    CatalogueRow row;
    Item& item = row.item;
    item.code = t.Text(r, 0, "");
    item.name = t.Text(r, 1, "");
    item.group = t.Int(r, 2);
    item.units = t.Text(r, 3, "");
    item.quantity = t.Double(r, 4);
    item.minQuantity = t.Double(r, 5);
    item.costPrice = t.Double(r, 6);
    item.price1 = t.Double(r, 7);
    item.price2 = t.Double(r, 8);
    item.workCosts = t.Double(r, 9);
    item.lastPrice = t.Double(r, 10);
    item.isMaterial = t.Int(r, 11);
    item.isRecipe = t.Int(r, 12);
    item.isService = t.Int(r, 13);
    item.isHidden = t.Int(r, 14);
    row.groupName = t.Text(r, 15, "");
    item.isDirty = t.Int(r, 16);
    return row;
}
} // namespace

QByteArray Catalogue::ListStatement() const {
    QByteArray sql = "SELECT s.code, s.stock_name, s.stock_group, s.units, s.quantity, s.min_quantity, s.cost_price, "
                     "s.price_1, s.price_2, s.work_costs, s.last_price, s.is_material, s.is_recipe, s.is_service, "
                     "s.is_hidden, g.name, s.is_dirty FROM stocks AS s INNER JOIN (SELECT * FROM groups) AS g ON "
                     "s.stock_group = g.id ";
    const bool hiding = m_settings.ShowHiddenItems() == 0;
    if (hiding)
        sql += " WHERE is_hidden = 0";
    const char* joiner = hiding ? " AND " : " WHERE ";
    switch (m_view) {
    case CatalogueView::Goods:
        sql += QByteArray(joiner) + "is_recipe = 0 ";
        break;
    case CatalogueView::Products:
        sql += QByteArray(joiner) + "is_recipe = '1' AND is_service = '0' ";
        break;
    case CatalogueView::Services:
        sql += QByteArray(joiner) + "is_service = 1 ";
        break;
    case CatalogueView::All:
        break;
    }
    return sql + ";";
}

bool Catalogue::Reload(const std::function<void(int, int)>& progress) {
    m_rows.clear();
    const bool showCost = m_settings.ShowItemCostPrice() != 0;
    // The cost roll-ups of one load may share one transaction.
    const bool optimize = showCost && DbSettings(m_db).ReportOptimizer() != 0 && !m_db.InTransaction();
    WriteTransaction transaction(m_db);
    if (optimize && !transaction.Begin())
        return false;
    ResultTable table;
    if (!m_db.Query(table, "%s", ListStatement()))
        return false;
    m_rows.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r) {
        if (progress && (r % 500 == 0 || r == table.Rows()))
            progress(r, table.Rows());
        CatalogueRow row = rowFrom(table, r);
        if (!m_filter.Passes(row.item.group) || !m_search.Matches(row.item.code, row.item.name))
            continue;
        if (showCost && row.item.isRecipe && row.item.isDirty)
            row.item.costPrice = GetItemCostPrice(m_db, row.item.code);
        m_rows.push_back(std::move(row));
    }
    if (optimize)
        transaction.Commit();
    return true;
}

bool Catalogue::Refresh() {
    m_filter.Clear();
    m_search.Clear();
    return Reload();
}

QStringList Catalogue::Titles() {
    return {"наименование", "код",          "група",        "мярка",         "количество", "мин. колич.", "себестойност",
            "прод. цена 1", "прод. цена 2", "посл.доставна", "материал", "изделие",    "услуга"};
}

QStringList Catalogue::Cells(const CatalogueRow& row) {
    const Item& i = row.item;
    const bool service = row.IsService();
    return {i.name,
            i.code,
            row.groupName,
            i.units,
            service ? QString("-") : FormatNumber(i.quantity, 3),
            service ? QString("-") : FormatNumber(i.minQuantity, 3),
            FormatNumber(i.costPrice, 2),
            FormatNumber(i.price1, 2),
            FormatNumber(i.price2, 2),
            FormatNumber(i.lastPrice, 2),
            mark(i.isMaterial == 1),
            mark(row.IsProduct()),
            mark(service)};
}

QStringList Catalogue::PrintTitles() {
    return {"наименование", "код", "група", "мярка", "количество", "мин. к-во", "себестойност", "пр. цена #1",
            "пр. цена #2"};
}

// The first nine cells of the list.
QStringList Catalogue::PrintCells(const CatalogueRow& row) { return Cells(row).mid(0, 9); }

bool Catalogue::RowFor(const QString& code, CatalogueRow& row) {
    if (!LoadItem(m_db, code, row.item))
        return false;
    row.groupName = GetGroupName(m_db, row.item.group);
    return true;
}

int Catalogue::Append(const CatalogueRow& row) {
    m_rows.push_back(row);
    return static_cast<int>(m_rows.size()) - 1;
}

bool Catalogue::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    if (m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    const QString code = m_rows[static_cast<size_t>(index)].item.code;
    ResultTable users;
    const bool read = m_db.Query(users, "SELECT * FROM stocks_cmp WHERE code = '%q';", code);
    // A stored quantity of 0.0004 still counts as stock, though it shows as 0.000.
    const double stock = m_db.QueryDouble(0, "SELECT quantity FROM stocks WHERE code = '%q' AND is_service = '0';", code);
    if (!read || !users.Empty() || stock > 0) {
        m_prompter.Message("Артикулът не може да бъде изтрит, защото участва в операция или има наличност в склада!",
                           MessageIcon::Stop);
        return false;
    }
    WriteTransaction transaction(m_db);
    if (!transaction.Begin() || !transaction.ExecPrintf("DELETE FROM stocks WHERE code = '%q';", code) ||
        !transaction.ExecPrintf("DELETE FROM stocks_cmp WHERE owner_code = '%q';", code) || !transaction.Commit())
        return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

bool Catalogue::SetHidden(const std::vector<int>& indices, bool hidden) {
    if (indices.empty())
        return false;
    if (hidden && m_prompter.AskYesNo(QString::asprintf("Сигурни ли сте, че желаете да запишете %d артикула като скрити?",
                                                        static_cast<int>(indices.size())),
                                      MessageIcon::Exclamation, "Внимание!") != Answer::Yes)
        return false;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        CatalogueRow& row = m_rows[static_cast<size_t>(*it)];
        if (!m_db.ExecPrintf("UPDATE stocks SET is_hidden = '%d' WHERE code = '%q';", hidden ? 1 : 0, row.item.code))
            return false;
        row.item.isHidden = hidden ? 1 : 0;
    }
    m_prompter.Message(hidden ? "Избраните артикули бяха успешно записани като скрити номенклатури и при следващите "
                                "презареждания на списъка няма да бъдат показвани. Това не важи за случаите, в които "
                                "потребителят изрично е разрешил показване на скритите номенклатури."
                              : "Избраните артикули бяха успешно записани като видими номенклатури и ще бъдат "
                                "показвани във всички списъци и справки, в които участват.",
                       MessageIcon::Information);
    return true;
}
