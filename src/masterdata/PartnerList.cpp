#include "masterdata/PartnerList.h"

#include "lists/SearchText.h"
#include "masterdata/PartnerStore.h"

namespace {
QString mark(int flag) {
    return flag ? QString("X") : QString("");
}
} // namespace

bool LoadPartnerList(Database& db, PartnerTab tab, const SearchText& search, std::vector<Partner>& out) {
    if (!PartnerStore(db).List(tab, out))
        return false;
    std::erase_if(out, [&search](const Partner& partner) {
        return !search.MatchesAny({partner.name, partner.city, partner.address, partner.taxId, partner.mol});
    });
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

std::vector<ListColumn> PartnerListColumns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    const SortType text = SortType::Text;
    return {{"наименование", 250, left, text, "наименование на фирмата/лицето", 0},
            {"К", 30, centre, text},
            {"Д", 30, centre, text},
            {"населено място", 100, left, text, "населено място", 220},
            {"пълен адрес", 200, left, text, "пълен данъчен адрес", 0},
            {"ид. №", 85, centre, text, "идент. №", 160},
            {"рег. по ДДС", 80, centre, text, "ДДС", 70},
            {"ид. ДДС №", 95, centre, text, "идент. ДДС №", 180},
            {"М.О.Л", 150, left, text, "МОЛ", 260},
            {"телефон", 85, left, text, "телефони", 230},
            {"факс", 85, left, text, "факс", 160},
            {"e-mail", 150, left, text},
            {"URL", 200, left, text},
            {"IBAN", 175, left, text},
            {"банка", 150, left, text},
            {"клон", 120, left, text},
            {"BIC", 100, left, text},
            {"предп. плащане", 100, centre, text},
            {"цена по подразб.", 110, centre, text},
            {"забележки", 300, left, text}};
}

QStringList PartnerListRow(const Partner& p) {
    return {p.name,
            mark(p.isCustomer),
            mark(p.isSupplier),
            p.city,
            p.address,
            p.taxId,
            mark(p.vatRegistered),
            p.bulstat,
            p.mol,
            p.phone,
            p.fax,
            p.email,
            p.url,
            p.bankAccount,
            p.bankName,
            p.bankBranch,
            p.bankCode,
            p.preferPayment ? "с платежно" : "в брой",
            DefaultPriceListText(p.defaultPrice),
            p.notes};
}

std::vector<ListColumn> PartnerSelectionColumns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    const SortType text = SortType::Text;
    return {{"наименование", 250, left, text}, {"К", 30, centre, text},   {"Д", 30, centre, text},
            {"ид. №", 85, centre, text},       {"ДДС", 40, centre, text}, {"населено място", 100, left, text},
            {"пълен адрес", 200, left, text},  {"М.О.Л", 150, left, text}};
}

QStringList PartnerSelectionRow(const Partner& p) {
    return {p.name, mark(p.isCustomer), mark(p.isSupplier), p.taxId, mark(p.vatRegistered), p.city, p.address,
            p.mol};
}
