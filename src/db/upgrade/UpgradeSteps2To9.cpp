// The steps to formats 2 to 9: new tables, the bank accounts' VAT twins, the
// settings' key/value form and wider number columns.
#include "db/upgrade/UpgradeStep.h"
#include "db/upgrade/UpgradeSteps.h"

bool UpgradeTo2(UpgradeContext& context) {
    UpgradeStep step(context, 2);
    return step.Begin() && step.Create("requests_main") && step.Create("requests_items") && step.Finish();
}

namespace {
// Every old bank account gets a VAT twin after the highest id; the firm data
// of the documents point their VAT bank at the twin of their bank.
bool splitVatAccounts(UpgradeStep& step) {
    ResultTable banks;
    if (!step.Query("SELECT id, name, branch, vat_code, vat_acc FROM banks ORDER BY ROWID;", banks))
        return false;
    ResultTable highest;
    if (!step.Query("SELECT MAX(id) FROM banks;", highest))
        return false;
    if (!step.Rebuild("banks") || !step.Rebuild("stokovi_firmdata") || !step.Rebuild("invoices_firmdata") ||
        !step.Rebuild("proforms_firmdata"))
        return false;
    int next = highest.Int(1, 0);
    for (int r = 1; r <= banks.Rows(); ++r) {
        const int old = banks.Int(r, 0);
        ++next;
        if (!step.ExecPrintf("INSERT INTO [banks] VALUES(?, ?, ?, ?, ?, '1');", next,
                             banks.Text(r, 1), banks.Text(r, 2), banks.Text(r, 3), banks.Text(r, 4)))
            return false;
        for (const char* table : {"stokovi_firmdata", "invoices_firmdata", "proforms_firmdata"})
            if (!step.ExecPrintf("UPDATE [%s] SET firm_vat_bank_id = ? WHERE firm_bank_id = ?;", table,
                                 next, old))
                return false;
    }
    return true;
}
} // namespace

bool UpgradeTo3(UpgradeContext& context) {
    UpgradeStep step(context, 3);
    ResultTable settings;
    if (!step.Begin() || !step.Query("SELECT use_accounts, sells_on_zero FROM settings;", settings))
        return false;
    if (!step.Exec("DROP TABLE [settings];") || !step.Create("settings") ||
        !step.ExecPrintf("INSERT INTO [settings] (use_accounts, sells_on_zero) VALUES(?, ?);",
                         settings.Empty() ? 1 : settings.Int(1, 0, 1),
                         settings.Empty() ? 1 : settings.Int(1, 1, 1)))
        return false;
    if (!step.Create("stock_codes") ||
        !step.Indexes("stock_codes",
                      {"IDX_stock_codes_stock_code:stock_code", "IDX_stock_codes_partner_id:partner_id"}) ||
        !step.Indexes("production_cmp", {"IDX_production_cmp_dt:doc_dt", "IDX_production_cmp_code:code"}) ||
        !step.Indexes("soldmat", {"IDX_soldmat_dt:doc_dt", "IDX_soldmat_part_of_code:part_of_code"}))
        return false;
    if (!splitVatAccounts(step))
        return false;
    for (const char* table : {"stokovi_firmdata", "invoices_firmdata", "proforms_firmdata"})
        if (!step.Indexes(table, {QString("!IDX_%1_doc_id:doc_id").arg(table).toUtf8().constData()}))
            return false;
    if (!step.Rebuild("stocks") || !step.Rebuild("stokovi_items") || !step.Rebuild("invoices_main") ||
        !step.Rebuild("invoices_items") || !step.Rebuild("partners"))
        return false;
    if (!step.Indexes("stokovi_items",
                      {"IDX_stokovi_items_doc_dt:doc_dt", "IDX_stokovi_items_item_code:item_code",
                       "IDX_stokovi_items_doc_id:doc_id", "IDX_stokovi_items_invoiced:invoiced",
                       "IDX_stokovi_items_invoice_id:invoice_id"}) ||
        !step.Indexes("partners", {"!IDX_partners_id:partner_id", "IDX_partners_name:partner_name"}))
        return false;
    // The lines of invoiced goods notes are marked in the same change, so a
    // failure never leaves format 3 with unmarked lines.
    ResultTable invoiced;
    if (!step.Query("SELECT DISTINCT doc_id, invoice_id FROM stokovi_main WHERE invoiced = '1';", invoiced))
        return false;
    for (int r = 1; r <= invoiced.Rows(); ++r)
        if (!step.ExecPrintf(
                "UPDATE stokovi_items SET invoiced = '1', invoice_id = ? WHERE doc_id = ?;",
                invoiced.Int(r, 1), invoiced.Int(r, 0)))
            return false;
    return step.Finish();
}

bool UpgradeTo4(UpgradeContext& context) {
    UpgradeStep step(context, 4);
    return step.Begin() &&
           step.Indexes("stocks", {"!idx_stocks_code:code", "idx_stocks_recipe:is_recipe",
                                   "idx_stocks_service:is_service", "idx_stocks_hidden:is_hidden",
                                   "idx_stocks_name:stock_name", "idx_stocks_group:stock_group"}) &&
           step.Finish();
}

bool UpgradeTo5(UpgradeContext& context) {
    UpgradeStep step(context, 5);
    return step.Begin() &&
           step.Indexes("invoices_main",
                        {"!IDX_invoices_main_doc_id:doc_id", "IDX_invoices_main_doc_dt:doc_dt"}) &&
           step.Indexes("invoices_items",
                        {"IDX_invoices_items_doc_id:doc_id", "IDX_invoices_items_doc_dt:doc_dt"}) &&
           step.Indexes("stokovi_main", {"IDX_stokovi_main_doc_dt:doc_dt"}) &&
           step.Indexes("stokovi_partners", {"IDX_stokovi_partners_doc_id:doc_id"}) &&
           step.Indexes("invoices_partners", {"IDX_invoices_partners_doc_id:doc_id"}) &&
           step.Indexes("stokovi_items", {"IDX_stokovi_items_sel_price:sel_price"}) && step.Finish();
}

bool UpgradeTo6(UpgradeContext& context) {
    UpgradeStep step(context, 6);
    ResultTable old;
    if (!step.Begin() ||
        !step.Query("SELECT use_accounts, sells_on_zero, use_partner_codes FROM settings;", old))
        return false;
    const auto value = [&](int column) { return old.Empty() ? 1 : old.Int(1, column, 1); };
    return step.Exec("DROP TABLE [settings];") && step.Create("settings") &&
           step.ExecPrintf("INSERT INTO [settings] VALUES('use_accounts', ?);", value(0)) &&
           step.ExecPrintf("INSERT INTO [settings] VALUES('sells_on_zero', ?);", value(1)) &&
           step.ExecPrintf("INSERT INTO [settings] VALUES('use_partner_codes', ?);", value(2)) &&
           step.Exec("INSERT INTO [settings] VALUES('use_new_id', '0');") &&
           step.ExecPrintf("INSERT INTO [settings] VALUES('allow_inv_qtty_changes', ?);",
                           context.local.invQttyPriceChanges) &&
           step.Finish();
}

bool UpgradeTo7(UpgradeContext& context) {
    UpgradeStep step(context, 7);
    return step.Begin() && step.Exec("DROP INDEX IF EXISTS IDX_revisions_doc_id;") &&
           step.Rebuild("revisions") && step.Indexes("revisions", {"!IDX_revisions_doc_id:doc_id"}) &&
           step.Finish();
}

bool UpgradeTo8(UpgradeContext& context) {
    UpgradeStep step(context, 8);
    return step.Begin() && step.Create("gk_settings") && step.Create("gk_main") && step.Create("gk_items") &&
           step.Exec("INSERT INTO [gk_settings] VALUES('cond_placement', '0');") &&
           step.Exec("INSERT INTO [gk_settings] VALUES('cond_text', '');") &&
           step.Exec("INSERT INTO [gk_settings] VALUES('gk_term', '12');") &&
           step.Indexes("gk_main",
                        {"!IDX_gk_main_doc_id:doc_id", "IDX_gk_main_doc_dt:doc_dt",
                         "IDX_gk_main_customer_id:customer_id", "IDX_gk_main_customer_name:customer_name"}) &&
           step.Indexes("gk_items",
                        {"IDX_gk_items_doc_id:doc_id", "IDX_gk_items_doc_dt:doc_dt",
                         "IDX_gk_items_customer_id:customer_id", "IDX_gk_items_seq_id:seq_id",
                         "IDX_gk_items_item_code:item_code", "IDX_gk_items_item_serial:item_serial"}) &&
           step.Finish();
}

bool UpgradeTo9(UpgradeContext& context) {
    UpgradeStep step(context, 9);
    if (!step.Begin() || !step.Exec("DROP TABLE [version];") ||
        !step.Exec("REPLACE INTO settings VALUES('cost_price_precision', '2');"))
        return false;
    for (const char* table :
         {"stocks", "production_cmp", "production_cmp_entries", "soldmat", "revisions_cmp", "offers",
          "offers_cmp", "cash_register", "supplies_items", "partners"})
        if (!step.Rebuild(table))
            return false;
    return step.Exec("UPDATE stocks SET is_dirty = 0 WHERE is_recipe = 0;") &&
           step.Indexes("stocks", {"IDX_stocks_is_dirty:is_dirty", "!idx_stocks_code:code",
                                   "idx_stocks_recipe:is_recipe", "idx_stocks_service:is_service",
                                   "idx_stocks_hidden:is_hidden", "idx_stocks_name:stock_name",
                                   "idx_stocks_group:stock_group"}) &&
           step.Indexes("supplies_items",
                        {"IDX_supplies_items_doc_id:doc_id", "IDX_supplies_items_doc_dt:doc_dt",
                         "IDX_supplies_items_code:item_code"}) &&
           step.Indexes("production_cmp", {"IDX_production_cmp_dt:doc_dt", "IDX_production_cmp_code:code"}) &&
           step.Indexes("production_cmp_entries", {"IDX_production_cmp_entries_doc_dt:doc_dt",
                                                   "IDX_production_cmp_entries_name:stock_name",
                                                   "IDX_production_cmp_entries_code:code"}) &&
           step.Indexes("soldmat", {"IDX_soldmat_dt:doc_dt", "IDX_soldmat_part_of_code:part_of_code"}) &&
           step.Indexes("revisions_cmp", {"IDX_revisions_cmp_doc_id:doc_id"}) &&
           step.Indexes("offers", {"!IDX_offers_doc_id:doc_id"}) &&
           step.Indexes("offers_cmp", {"!IDX_offers_cmp_rec_id:rec_id"}) &&
           step.Indexes("cash_register", {"IDX_cash_register_bank_payment:bank_payment"}) &&
           step.Indexes("partners", {"IDX_partners_eik:use_eik", "!IDX_partners_id:partner_id",
                                     "IDX_partners_name:partner_name"}) &&
           step.Finish();
}
