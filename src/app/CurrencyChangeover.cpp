#include "app/CurrencyChangeover.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "masterdata/FirmCurrency.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/ItemStore.h"
#include "masterdata/PartnerValueStore.h"
#include "masterdata/RecipeStore.h"
#include "masterdata/StockSettings.h"
#include "sales/SaleStore.h"

namespace {
constexpr const char* kAlreadyEuro = "Фирмата вече работи в евро. Цените не са променени.";
} // namespace

double LevaToEuro(double leva, int decimals) {
    return RoundHalfUp(leva / kLevaPerEuro, decimals);
}

bool CurrencyChangeover::CatalogueHasPrices() {
    if (ItemStore(m_db).HasPrices())
        return true;
    const auto special = PartnerValueStore(m_db, PartnerValueKind::Prices).NonZeroPrices();
    return special && !special->empty();
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
    const bool issuedToday = SaleStore(m_db).IssuedSince(today);
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
    ItemStore items(m_db);
    std::optional<std::vector<ItemStore::RowPrices>> rows = items.AllPrices();
    if (!rows)
        return std::nullopt;
    for (ItemStore::RowPrices& row : *rows) {
        for (double& price : row.prices) {
            changed += price != 0 ? 1 : 0;
            price = LevaToEuro(price, decimals);
        }
        if (!items.SetPrices(t, row, decimals))
            return std::nullopt;
    }
    PartnerValueStore partnerPrices(m_db, PartnerValueKind::Prices);
    const auto special = partnerPrices.NonZeroPrices();
    if (!special)
        return std::nullopt;
    for (const auto& [recId, leva] : *special) {
        if (!partnerPrices.SetPrice(t, recId, LevaToEuro(leva, decimals), decimals))
            return std::nullopt;
        ++changed;
    }
    if (!RecipeStore(m_db).MarkAllDirty(t) || !StoreEuro(m_db, today) || !t.Commit())
        return std::nullopt;
    return changed;
}
