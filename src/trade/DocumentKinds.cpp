#include "trade/DocumentKinds.h"

#include "db/Database.h"

namespace DocumentKinds {

namespace {
const Qt::Alignment kLeft = Qt::AlignLeft, kRight = Qt::AlignRight;

std::vector<ListColumn> columns(std::initializer_list<ListColumn> own) {
    std::vector<ListColumn> all = {{"документ #", 100, kLeft, SortType::Integer},
                                   {"дата", 85, kLeft, SortType::Date}};
    all.insert(all.end(), own);
    return all;
}

std::vector<ListColumn> saleColumns() {
    return columns({{"клиент", 225, kLeft, SortType::Text}, {"сума", 80, kRight, SortType::Decimal}});
}

const std::vector<const char*> kGoodsNoteTables = {"stokovi_main", "stokovi_firmdata", "stokovi_partners",
                                                   "stokovi_items"};
const std::vector<const char*> kInvoiceTables = {"invoices_main", "invoices_firmdata", "invoices_partners",
                                                 "invoices_items"};
} // namespace

const std::vector<DocumentKindInfo>& All() {
    static const std::vector<DocumentKindInfo> kinds = {
        {DocumentKind::Deliveries,
         "delivery",
         "supplies_main",
         std::nullopt,
         {"supplies_main", "supplies_firmdata", "supplies_partners", "supplies_items"},
         "документи за доставка на стоки",
         columns({{"доставчик", 225, kLeft, SortType::Text},
                  {"сума", 80, kRight, SortType::Decimal},
                  {"по фактура №", 140, kLeft, SortType::Text}})},
        {DocumentKind::GoodsNotes, "goods-note", "stokovi_main", std::nullopt, kGoodsNoteTables,
         "стокови разписки за продажба", saleColumns()},
        {DocumentKind::Invoices, "invoice", "invoices_main", 0, kInvoiceTables, "фактури", saleColumns()},
        {DocumentKind::DebitNotes, "debit-note", "invoices_main", 1, {}, nullptr, saleColumns()},
        {DocumentKind::CreditNotes, "credit-note", "invoices_main", 2, {}, nullptr, saleColumns()},
        {DocumentKind::Proformas,
         "proforma",
         "proforms_main",
         std::nullopt,
         {"proforms_main", "proforms_firmdata", "proforms_partners", "proforms_items"},
         "проформи - фактури",
         saleColumns()},
        {DocumentKind::ConsumedMaterials,
         nullptr,
         nullptr,
         std::nullopt,
         {"soldmat"},
         "данни за вложените материали",
         {}},
        {DocumentKind::Stocktakings,
         "stocktaking",
         "revisions",
         std::nullopt,
         {"revisions", "revisions_cmp"},
         "ревизии",
         columns({{"забележка", 300, kLeft, SortType::Text}})},
        {DocumentKind::Offers,
         "offer",
         "offers",
         std::nullopt,
         {"offers", "offers_cmp"},
         "оферти",
         columns({{"до", 300, kLeft, SortType::Text}})},
        {DocumentKind::Production,
         "production",
         "production",
         std::nullopt,
         {"production", "production_cmp", "production_cmp_entries"},
         "производство",
         columns({{"произведено от", 225, kLeft, SortType::Text},
                  {"количество", 90, kRight, SortType::Decimal}})},
        {DocumentKind::Requests,
         "request",
         "requests_main",
         std::nullopt,
         {"requests_main", "requests_items"},
         "заявки",
         columns({{"доставчик", 300, kLeft, SortType::Text}})},
        // Operations are removed with their payments by the period of either date.
        {DocumentKind::CashOperations, nullptr, nullptr, std::nullopt, {}, "каса", {}},
        {DocumentKind::WarrantyCards,
         "warranty-card",
         "gk_main",
         std::nullopt,
         {"gk_main", "gk_items"},
         "гаранционни карти",
         columns({{"клиент", 300, kLeft, SortType::Text}})},
        {DocumentKind::GoodsNotesNotInvoiced, nullptr, nullptr, std::nullopt, {}, nullptr, saleColumns()},
        {DocumentKind::CustomerLinesNotInvoiced, nullptr, nullptr, std::nullopt, {}, nullptr, saleColumns()},
    };
    return kinds;
}

const DocumentKindInfo& Of(DocumentKind kind) {
    for (const DocumentKindInfo& info : All())
        if (info.kind == kind)
            return info;
    return All().front(); // every enumerator is described above
}

const DocumentKindInfo* Named(const QString& name) {
    for (const DocumentKindInfo& info : All())
        if (info.name && name == info.name)
            return &info;
    return nullptr;
}

QStringList Names() {
    // The order `tarvo pdf --help` has always listed them in.
    QStringList names;
    for (DocumentKind kind : {DocumentKind::GoodsNotes, DocumentKind::Invoices, DocumentKind::Proformas,
                              DocumentKind::DebitNotes, DocumentKind::CreditNotes, DocumentKind::Deliveries,
                              DocumentKind::Production, DocumentKind::Stocktakings, DocumentKind::Requests,
                              DocumentKind::Offers, DocumentKind::WarrantyCards})
        names << Of(kind).name;
    return names;
}

bool Exists(Database& db, DocumentKind kind, int number) {
    const DocumentKindInfo& info = Of(kind);
    return info.numbers && db.HasDocument(info.numbers, number, info.docType);
}

} // namespace DocumentKinds
