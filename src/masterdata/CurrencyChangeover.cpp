#include "masterdata/CurrencyChangeover.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/FirmCurrency.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/StockSettings.h"

#include <array>

namespace {
constexpr const char* kAlreadyEuro = "Фирмата вече работи в евро. Цените не са променени.";

// The price columns of the catalogue, in the order they are read.
constexpr std::array<const char*, 5> kItemPrices = {"price_1", "price_2", "last_price", "cost_price",
                                                    "work_costs"};
// A price in leva as the statement writes it in euro.
QString euroText(double leva, int decimals) {
    return QString::number(LevaToEuro(leva, decimals), 'f', decimals);
}
} // namespace

double LevaToEuro(double leva, int decimals) {
    return RoundHalfUp(leva / kLevaPerEuro, decimals);
}

bool CurrencyChangeover::CatalogueHasPrices() {
    return m_db.QueryInt(
               0, "SELECT (SELECT COUNT(*) FROM stocks WHERE price_1 <> 0 OR price_2 <> 0 OR last_price <> 0 "
                  "OR cost_price <> 0 OR work_costs <> 0) + (SELECT COUNT(*) FROM stock_prices WHERE "
                  "partner_price <> 0);") > 0;
}

bool CurrencyChangeover::Choose(Currency wanted, const QDate& today) {
    const FirmCurrency firm = LoadFirmCurrency(m_db);
    if (wanted == firm.current)
        return true;
    if (wanted == Currency::BGN) {
        m_prompter.Message("Връщането от евро към лева не е възможно: цените вече са превърнати в евро.",
                           MessageIcon::Stop);
        return false;
    }
    if (!CatalogueHasPrices()) {
        WriteTransaction t(m_db);
        if (!t.Begin())
            return false;
        if (LoadFirmCurrency(m_db).current == Currency::EUR)
            return t.Commit();
        return StoreEuro(m_db, today) && t.Commit();
    }
    // The currency of a document follows its date: documents already issued
    // today would read as euro.
    const QString todayText = DateToSql(today);
    const bool issuedToday =
        m_db.QueryInt(
            0,
            "SELECT (SELECT COUNT(*) FROM stokovi_main WHERE doc_dt >= ?) + (SELECT COUNT(*) FROM "
            "invoices_main WHERE doc_dt >= ?) + (SELECT COUNT(*) FROM proforms_main WHERE doc_dt >= "
            "?);",
            todayText, todayText, todayText) > 0;
    QString question =
        "Всички цени в каталога и цените за контрагенти ще бъдат превърнати от лева в евро "
        "по курс 1.95583 лв. за 1 евро и закръглени до евроцент. Издадените документи остават "
        "в лева. Преди промяната ще бъде направен архив на базата данни. Връщане назад няма.\n";
    if (issuedToday)
        question +=
            "Внимание: има документи с днешна или по-късна дата; те ще се показват и отпечатват в евро. "
            "Преминете към евро в началото на деня, преди първия документ.\n";
    if (m_prompter.AskYesNo(question + "Преминавате ли към евро?", MessageIcon::Question) != Answer::Yes)
        return false;
    QString archive;
    const std::optional<int> changed = Run(today, &archive);
    if (!changed)
        return false;
    m_prompter.Message(QString("Фирмата премина към евро. Променени цени: %1.\nАрхив на базата данни отпреди "
                               "промяната: %2")
                           .arg(*changed)
                           .arg(archive),
                       MessageIcon::Information);
    return true;
}

std::optional<int> CurrencyChangeover::Run(const QDate& today, QString* archive) {
    if (LoadFirmCurrency(m_db).current == Currency::EUR) {
        m_prompter.Message(kAlreadyEuro, MessageIcon::Exclamation);
        return std::nullopt;
    }
    const std::optional<QString> made = m_makeArchive();
    if (!made)
        return std::nullopt;
    *archive = *made;
    return ConvertCatalogue(today);
}

std::optional<int> CurrencyChangeover::ConvertCatalogue(const QDate& today) {
    const int decimals = GetPricePrecision();
    WriteTransaction t(m_db);
    if (!t.Begin())
        return std::nullopt;
    // Checked under the lock: another seat may have gone over meanwhile.
    if (LoadFirmCurrency(m_db).current == Currency::EUR) {
        t.Refuse(kAlreadyEuro, MessageIcon::Exclamation);
        return std::nullopt;
    }
    int changed = 0;
    ResultTable items;
    if (!m_db.Query(items, "SELECT rowid, price_1, price_2, last_price, cost_price, work_costs FROM stocks;"))
        return std::nullopt;
    for (int r = 1; r <= items.Rows(); ++r) {
        QString assignments;
        for (size_t c = 0; c < kItemPrices.size(); ++c) {
            const double leva = items.Double(r, static_cast<int>(c) + 1);
            changed += leva != 0 ? 1 : 0;
            assignments += QString("%1%2 = %3").arg(c ? ", " : "", kItemPrices[c], euroText(leva, decimals));
        }
        if (!t.ExecPrintf("UPDATE stocks SET %s WHERE rowid = ?;", assignments, items.Int(r, 0)))
            return std::nullopt;
    }
    ResultTable partnerPrices;
    if (!m_db.Query(partnerPrices,
                    "SELECT rec_id, partner_price FROM stock_prices WHERE partner_price <> 0;"))
        return std::nullopt;
    for (int r = 1; r <= partnerPrices.Rows(); ++r) {
        if (!t.ExecPrintf("UPDATE stock_prices SET partner_price = %s WHERE rec_id = ?;",
                          euroText(partnerPrices.Double(r, 1), decimals), partnerPrices.Int(r, 0)))
            return std::nullopt;
        ++changed;
    }
    if (!t.Exec("UPDATE stocks SET is_dirty = '1' WHERE is_recipe = '1';") || !StoreEuro(m_db, today) ||
        !t.Commit())
        return std::nullopt;
    return changed;
}
