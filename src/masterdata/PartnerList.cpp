#include "masterdata/PartnerList.h"

#include "db/Database.h"
#include "lists/SearchText.h"

namespace {
QString mark(int flag) { return flag ? QString("X") : QString(""); }
} // namespace

bool LoadPartnerList(Database& db, PartnerTab tab, const SearchText& search, std::vector<Partner>& out) {
    out.clear();
    const char* where = tab == PartnerTab::Customers   ? " WHERE partner_is_customer = '1'"
                        : tab == PartnerTab::Suppliers ? " WHERE partner_is_supplier = '1'"
                                                       : "";
    ResultTable table;
    if (!db.Query(table, "SELECT * FROM partners %s ORDER BY partner_name ASC;", where))
        return false;
    const PartnerRowMapper rows(table);
    out.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r) {
        Partner partner = rows.Read(r);
        if (search.MatchesAny({partner.name, partner.city, partner.address, partner.taxId, partner.mol}))
            out.push_back(std::move(partner));
    }
    return true;
}

QString DefaultPriceDialogText(int value) {
    switch (value) {
    case 0:
        return "себестойност";
    case 2:
        return "продажна цена #2";
    case 3:
        return "въведена при продажба";
    case 4:
        return "последна доставна";
    case 5:
        return "собствена цена";
    default:
        return "продажна цена #1";
    }
}

QString DefaultPriceListText(int value) {
    switch (value) {
    case 0:
        return "себестойност";
    case 2:
        return "прод. цена #2";
    case 3:
        return "ръчно въведена";
    case 4:
        return "посл. доставна";
    case 5:
        return "собствена цена";
    default:
        return "прод. цена #1";
    }
}

QStringList PartnerListTitles() {
    return {"наименование", "К",     "Д",       "населено място", "пълен адрес",    "ид. №",          "рег. по ДДС",
            "ид. ДДС №",    "М.О.Л", "телефон", "факс",           "e-mail",         "URL",            "IBAN",
            "банка",        "клон",  "BIC",     "предп. плащане", "цена по подразб.", "забележки"};
}

QStringList PartnerListRow(const Partner& p) {
    return {p.name,     mark(p.isCustomer),      mark(p.isSupplier), p.city,  p.address,
            p.taxId,    mark(p.vatRegistered),   p.bulstat,          p.mol,   p.phone,
            p.fax,      p.email,                 p.url,              p.bankAccount, p.bankName,
            p.bankBranch, p.bankCode, p.preferPayment ? "с платежно" : "в брой", DefaultPriceListText(p.defaultPrice),
            p.notes};
}

QStringList PartnerSelectionTitles() {
    return {"наименование", "К", "Д", "ид. №", "ДДС", "населено място", "пълен адрес", "М.О.Л"};
}

QStringList PartnerSelectionRow(const Partner& p) {
    return {p.name, mark(p.isCustomer), mark(p.isSupplier), p.taxId, mark(p.vatRegistered), p.city, p.address, p.mol};
}

QStringList PartnerPrintTitles() {
    return {"наименование на фирмата/лицето", "населено място", "пълен данъчен адрес", "идент. №", "ДДС",
            "идент. ДДС №", "МОЛ", "телефони", "факс"};
}

QStringList PartnerPrintRow(const Partner& p) {
    return {p.name, p.city, p.address, p.taxId, mark(p.vatRegistered), p.bulstat, p.mol, p.phone, p.fax};
}
