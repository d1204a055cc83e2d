#include "db/Schema.h"

#include <QRegularExpression>

namespace Schema {

// The tables in the order the creation sequence makes them; the version row is
// written after the settings table, the index of which is kSettingsTable.
const std::vector<const char*>& CreateTableStatements() {
    static const std::vector<const char*> statements = {
        "CREATE TABLE [units] ([unit] VARCHAR (50) NOT NULL, PRIMARY KEY ([unit]));",
        "CREATE TABLE [banks] ([id] INTEGER, [name] VARCHAR (255), [branch] VARCHAR (255), [code] VARCHAR "
        "(20), [acc] VARCHAR (20), PRIMARY KEY ([id]));",
        "CREATE TABLE [groups] ([id] INTEGER, [name] VARCHAR (255), [parent_id] INTEGER, PRIMARY KEY "
        "([id]));",
        "CREATE TABLE [stocks] ([code] VARCHAR (50) NOT NULL, [stock_name] VARCHAR (255), [stock_group] "
        "INTEGER NOT NULL DEFAULT 0, [units] VARCHAR (50) NOT NULL DEFAULT 'бр.', [quantity] NUMERIC (13, 3) "
        "NOT NULL DEFAULT 0, [min_quantity] NUMERIC (13, 3) NOT NULL DEFAULT 0, [cost_price] NUMERIC (13, 5) "
        "NOT NULL DEFAULT 0, [price_1] NUMERIC (13, 2) NOT NULL DEFAULT 0, [price_2] NUMERIC (13, 2) NOT "
        "NULL DEFAULT 0, [work_costs] NUMERIC (13, 5) NOT NULL DEFAULT 0, [last_price] NUMERIC (13, 5) NOT "
        "NULL DEFAULT 0, [is_material] BOOLEAN NOT NULL DEFAULT 0, [is_recipe] BOOLEAN NOT NULL DEFAULT 0, "
        "[is_service] BOOLEAN NOT NULL DEFAULT 0, [is_hidden] BOOLEAN NOT NULL DEFAULT 0, [is_dirty] BOOLEAN "
        "NOT NULL DEFAULT 1);",
        "CREATE TABLE [stocks_cmp] ([owner_code] VARCHAR (50) NOT NULL, [code] VARCHAR (50) NOT NULL, "
        "[quantity] NUMERIC (13, 3) NOT NULL DEFAULT 0, [randeman] NUMERIC (2, 2) NOT NULL DEFAULT 0);",
        "CREATE TABLE [requests_main] ([doc_id] INTEGER PRIMARY KEY UNIQUE, [doc_dt] DATETIME, [partner_id] "
        "INTEGER, [partner_name] VARCHAR (255), [prepared_by] VARCHAR (100), [transported_by] VARCHAR (100), "
        "[notes] VARCHAR (255), [completed] BOOLEAN, [has_prices] BOOLEAN DEFAULT 0, [total] NUMERIC (13, 5) "
        "DEFAULT 0, [curr] VARCHAR (10));",
        "CREATE TABLE [requests_items] ([doc_id] INTEGER NOT NULL, [doc_dt] DATETIME, [partner_id] INTEGER, "
        "[seq_id] INTEGER, [name] VARCHAR (100), [code] VARCHAR (100), [supplier_code] VARCHAR (100), "
        "[units] VARCHAR (50), [qtty] NUMERIC (13, 2), [price] NUMERIC (13, 5) DEFAULT 0, [sumprice] NUMERIC "
        "(13, 5) DEFAULT 0, [notes] VARCHAR (255));",
        "CREATE TABLE [users] ([username] VARCHAR (50) NOT NULL, [password] VARCHAR (50) NOT NULL, "
        "[realname] VARCHAR (100), [is_admin] BOOLEAN NOT NULL DEFAULT 0, PRIMARY KEY ([username]));",
        "CREATE TABLE [production] ([doc_id] INTEGER, [doc_dt] DATETIME, [produced_by] VARCHAR (100), "
        "PRIMARY KEY ([doc_id]));",
        "CREATE TABLE [production_cmp_entries] ([doc_id] INTEGER NOT NULL, [doc_dt] DATETIME NOT NULL, "
        "[owner_id] INTEGER NOT NULL, [code] VARCHAR (50) NOT NULL, [stock_name] VARCHAR (255), "
        "[stock_group] INTEGER NOT NULL DEFAULT 0, [units] VARCHAR (50) NOT NULL DEFAULT 'бр..', [quantity] "
        "NUMERIC (13, 3) NOT NULL DEFAULT 0, [cost_price] NUMERIC (13, 5) NOT NULL DEFAULT 0);",
        "CREATE TABLE [production_cmp] ([doc_id] INTEGER NOT NULL, [doc_dt] DATETIME NOT NULL, [seq_id] "
        "INTEGER, [code] VARCHAR (50), [stock_name] VARCHAR (255), [group_id] INTEGER NOT NULL DEFAULT 0, "
        "[units] VARCHAR (50), [quantity] NUMERIC (13, 3) NOT NULL DEFAULT 0, [cost_price] NUMERIC (13, 5) "
        "NOT NULL DEFAULT 0, [produced_by] VARCHAR (100));",
        "CREATE TABLE [cash_register_cmp] ([rec_id] INTEGER NOT NULL DEFAULT 0, [id] INTEGER PRIMARY KEY, "
        "[pay_dt] DATETIME NOT NULL, [amount] NUMERIC (13, 2) NOT NULL DEFAULT 0);",
        "CREATE TABLE [firmdata] ([firm_name] VARCHAR (255) NOT NULL, [firm_name_lat] VARCHAR (255) NOT "
        "NULL, [city] VARCHAR (255), [city_lat] VARCHAR (255), [address] VARCHAR (255), [address_lat] "
        "VARCHAR (255), [mol] VARCHAR (100), [mol_lat] VARCHAR (100), [tax_id] VARCHAR (20), [bulstat] "
        "VARCHAR (20), [vat_registered] BOOLEAN NOT NULL DEFAULT 0, [vat_value] NUMERIC (2, 2) DEFAULT 20);",
        "CREATE TABLE [partners] ([partner_id] INTEGER PRIMARY KEY UNIQUE, [partner_is_customer] BOOLEAN NOT "
        "NULL DEFAULT 1, [partner_is_supplier] BOOLEAN NOT NULL DEFAULT 1, [partner_name] VARCHAR (255) NOT "
        "NULL, [partner_city] VARCHAR (100), [partner_address] VARCHAR (255), [partner_tax_id] VARCHAR (20), "
        "[partner_bulstat] VARCHAR (20), [partner_mol] VARCHAR (100), [partner_phone] VARCHAR (255), "
        "[partner_fax] VARCHAR (100), [partner_email] VARCHAR (100), [partner_url] VARCHAR (255), "
        "[partner_notes] MEMO, [partner_bank_name] VARCHAR (100), [partner_bank_branch] VARCHAR (100), "
        "[partner_bank_code] VARCHAR (20), [partner_bank_acc] VARCHAR (20), [partner_vat_registered] BOOLEAN "
        "DEFAULT 0, [partner_prefer_payment] INTEGER DEFAULT 0, [default_price] INTEGER NOT NULL DEFAULT 1, "
        "[partner_name_lat] VARCHAR (255) NOT NULL DEFAULT '', [partner_city_lat] VARCHAR (100) NOT NULL "
        "DEFAULT '', [partner_address_lat] VARCHAR (255) NOT NULL DEFAULT '', [partner_mol_lat] VARCHAR "
        "(100) NOT NULL DEFAULT '');",
        "CREATE TABLE [stokovi_firmdata] ([doc_id] INTEGER, [doc_dt] DATETIME, [firm_name] VARCHAR (255), "
        "[firm_city] VARCHAR (100), [firm_address] VARCHAR (255), [firm_mol] VARCHAR (100), [firm_tax_id] "
        "VARCHAR (50), [firm_bulstat] VARCHAR (50), [firm_vat_reg] BOOLEAN, [firm_vat_value] NUMERIC (13, "
        "2), [firm_bank_id] INTEGER NOT NULL DEFAULT 0);",
        "CREATE TABLE [stokovi_items] ([doc_id] INTEGER, [doc_dt] DATETIME, [seq_id] INTEGER, [sel_price] "
        "INTEGER, [item_code] VARCHAR (100), [item_name] VARCHAR (255), [item_group] INTEGER, [item_units] "
        "VARCHAR (20), [quantity] NUMERIC (13, 2), [price] NUMERIC (13, 2), [end_price] NUMERIC (13, 2), "
        "[vis_code] VARCHAR (100) NOT NULL DEFAULT '', [invoiced] BOOLEAN NOT NULL DEFAULT 0, [invoice_id] "
        "INTEGER NOT NULL DEFAULT 0, [cost_price] NUMERIC (13, 5) NOT NULL DEFAULT 0);",
        "CREATE TABLE [invoices_main] ([doc_id] INTEGER, [doc_dt] DATETIME, [given_by] VARCHAR (100), "
        "[received_by] VARCHAR (100), [compiled_by] VARCHAR (100), [transported_by] VARCHAR (100), "
        "[partner_id] INTEGER, [osnovanie] VARCHAR (255), [place] VARCHAR (100), [object] VARCHAR (100), "
        "[recv_dt] DATETIME, [pay_dt] DATETIME, [pay_by] INTEGER DEFAULT 0, [discount] NUMERIC (13, 2), "
        "[slovom] VARCHAR (255), [all_sum] NUMERIC (13, 2), [discount_sum] NUMERIC (13, 2), [oblagaema_sum] "
        "NUMERIC (13, 2), [vat_sum] NUMERIC (13, 2), [total_sum] NUMERIC (13, 2), [tax_event_dt] DATETIME, "
        "[osnovanie_vat] VARCHAR (255) NOT NULL DEFAULT '', [new_vehicle] VARCHAR (255) NOT NULL DEFAULT '', "
        "[doc_type] INTEGER NOT NULL DEFAULT 0, [to_invoice] INTEGER NOT NULL DEFAULT 0, [to_invoice_dt] "
        "DATETIME NOT NULL DEFAULT '');",
        "CREATE TABLE [invoices_firmdata] ([doc_id] INTEGER, [doc_dt] DATETIME, [firm_name] VARCHAR (255), "
        "[firm_city] VARCHAR (100), [firm_address] VARCHAR (255), [firm_mol] VARCHAR (100), [firm_tax_id] "
        "VARCHAR (50), [firm_bulstat] VARCHAR (50), [firm_vat_reg] BOOLEAN, [firm_vat_value] NUMERIC (13, "
        "2), [firm_bank_id] INTEGER NOT NULL DEFAULT 0);",
        "CREATE TABLE [invoices_items] ([doc_id] INTEGER, [doc_dt] DATETIME, [seq_id] INTEGER, [sel_price] "
        "INTEGER, [item_code] VARCHAR (100), [item_name] VARCHAR (255), [item_group] INTEGER, [item_units] "
        "VARCHAR (20), [quantity] NUMERIC (13, 2), [price] NUMERIC (13, 2), [end_price] NUMERIC (13, 2), "
        "[vis_code] VARCHAR (100) NOT NULL DEFAULT '', [cost_price] NUMERIC (13, 5) NOT NULL DEFAULT 0);",
        "CREATE TABLE [proforms_main] ([doc_id] INTEGER, [doc_dt] DATETIME, [given_by] VARCHAR (100), "
        "[received_by] VARCHAR (100), [compiled_by] VARCHAR (100), [transported_by] VARCHAR (100), "
        "[partner_id] INTEGER, [osnovanie] VARCHAR (255), [place] VARCHAR (100), [object] VARCHAR (100), "
        "[recv_dt] DATETIME, [pay_dt] DATETIME, [pay_by] INTEGER DEFAULT 0, [discount] NUMERIC (13, 2), "
        "[slovom] VARCHAR (255), [invoiced] BOOLEAN, [invoice_id] INTEGER, [all_sum] NUMERIC (13, 2), "
        "[discount_sum] NUMERIC (13, 2), [oblagaema_sum] NUMERIC (13, 2), [vat_sum] NUMERIC (13, 2), "
        "[total_sum] NUMERIC (13, 2), [tax_event_dt] DATETIME, [osnovanie_vat] VARCHAR (255) NOT NULL "
        "DEFAULT '', [new_vehicle] VARCHAR (255) NOT NULL DEFAULT '');",
        "CREATE TABLE [proforms_firmdata] ([doc_id] INTEGER, [doc_dt] DATETIME, [firm_name] VARCHAR (255), "
        "[firm_city] VARCHAR (100), [firm_address] VARCHAR (255), [firm_mol] VARCHAR (100), [firm_tax_id] "
        "VARCHAR (50), [firm_bulstat] VARCHAR (50), [firm_vat_reg] BOOLEAN, [firm_vat_value] NUMERIC (13, "
        "2), [firm_bank_id] INTEGER NOT NULL DEFAULT 0);",
        "CREATE TABLE [proforms_items] ([doc_id] INTEGER, [doc_dt] DATETIME, [seq_id] INTEGER, [sel_price] "
        "INTEGER, [item_code] VARCHAR (100), [item_name] VARCHAR (255), [item_group] INTEGER, [item_units] "
        "VARCHAR (20), [quantity] NUMERIC (13, 2), [price] NUMERIC (13, 2), [end_price] NUMERIC (13, 2));",
        "CREATE TABLE [supplies_main] ([doc_id] INTEGER PRIMARY KEY UNIQUE, [doc_dt] DATETIME, [given_by] "
        "VARCHAR (100), [received_by] VARCHAR (100), [partner_id] INTEGER, [pay_dt] DATETIME, [discount] "
        "NUMERIC (13, 2), [all_sum] NUMERIC (13, 2), [discount_sum] NUMERIC (13, 2), [oblagaema_sum] NUMERIC "
        "(13, 2), [vat_sum] NUMERIC (13, 2), [total_sum] NUMERIC (13, 2), [invoice_no] varchar (30) NOT NULL "
        "DEFAULT '');",
        "CREATE TABLE [supplies_firmdata] ([doc_id] INTEGER, [doc_dt] DATETIME, [firm_name] VARCHAR (255), "
        "[firm_city] VARCHAR (100), [firm_address] VARCHAR (255), [firm_mol] VARCHAR (100), [firm_tax_id] "
        "VARCHAR (50), [firm_bulstat] VARCHAR (50), [firm_vat_reg] BOOLEAN, [firm_vat_value] NUMERIC (13, "
        "2));",
        "CREATE TABLE [supplies_partners] ([doc_id] INTEGER PRIMARY KEY, [doc_dt] DATETIME, [partner_name] "
        "VARCHAR (255) NOT NULL, [partner_city] VARCHAR (100), [partner_address] VARCHAR (255), "
        "[partner_mol] VARCHAR (100), [partner_tax_id] VARCHAR (20), [partner_bulstat] VARCHAR (20), "
        "[partner_bank_name] VARCHAR (100), [partner_bank_branch] VARCHAR (100), [partner_bank_code] VARCHAR "
        "(20), [partner_bank_acc] VARCHAR (20), [partner_vat_registered] BOOLEAN DEFAULT 0);",
        "CREATE TABLE [supplies_items] ([doc_id] INTEGER DEFAULT 0, [doc_dt] DATETIME, [seq_id] INTEGER "
        "DEFAULT 0, [item_code] VARCHAR (100), [item_name] VARCHAR (255), [item_group] INTEGER DEFAULT 0, "
        "[item_units] VARCHAR (20), [quantity] NUMERIC (13, 3), [price] NUMERIC (13, 5), [end_price] NUMERIC "
        "(13, 5), [invoice_no] varchar (30) NOT NULL DEFAULT '');",
        "CREATE TABLE [stokovi_main] ([doc_id] INTEGER, [doc_dt] DATETIME, [given_by] VARCHAR (100), "
        "[received_by] VARCHAR (100), [compiled_by] VARCHAR (100), [transported_by] VARCHAR (100), "
        "[partner_id] INTEGER, [osnovanie] VARCHAR (255), [place] VARCHAR (100), [object] VARCHAR (100), "
        "[recv_dt] DATETIME, [pay_dt] DATETIME, [pay_by] INTEGER DEFAULT 0, [discount] NUMERIC (13, 2), "
        "[slovom] VARCHAR (255), [invoiced] BOOLEAN, [invoice_id] INTEGER, [all_sum] NUMERIC (13, 2), "
        "[discount_sum] NUMERIC (13, 2), [oblagaema_sum] NUMERIC (13, 2), [vat_sum] NUMERIC (13, 2), "
        "[total_sum] NUMERIC (13, 2), [tax_event_dt] DATETIME, [osnovanie_vat] VARCHAR (255) NOT NULL "
        "DEFAULT '', [new_vehicle] VARCHAR (255) NOT NULL DEFAULT '', [doc_type] INTEGER NOT NULL DEFAULT "
        "0);",
        "CREATE TABLE [stokovi_partners] ([doc_id] INTEGER, [doc_dt] DATETIME, [partner_name] VARCHAR (255), "
        "[partner_city] VARCHAR (100), [partner_address] VARCHAR (255), [partner_mol] VARCHAR (100), "
        "[partner_tax_id] VARCHAR (20), [partner_bulstat] VARCHAR (20));",
        "CREATE TABLE [proforms_partners] ([doc_id] INTEGER, [doc_dt] DATETIME, [partner_name] VARCHAR "
        "(255), [partner_city] VARCHAR (100), [partner_address] VARCHAR (255), [partner_mol] VARCHAR (100), "
        "[partner_tax_id] VARCHAR (20), [partner_bulstat] VARCHAR (20));",
        "CREATE TABLE [invoices_partners] ([doc_id] INTEGER, [doc_dt] DATETIME, [partner_name] VARCHAR "
        "(255), [partner_city] VARCHAR (100), [partner_address] VARCHAR (255), [partner_mol] VARCHAR (100), "
        "[partner_tax_id] VARCHAR (20), [partner_bulstat] VARCHAR (20));",
        "CREATE TABLE [settings] ([key_name] VARCHAR (255) PRIMARY KEY UNIQUE, [key_value] INTEGER NOT NULL "
        "DEFAULT 0);",
        "CREATE TABLE [cash_register] ([rec_id] INTEGER PRIMARY KEY, [op_type] INTEGER NOT NULL DEFAULT 0, "
        "[osnovanie] VARCHAR (255) NOT NULL, [doc_dt] DATETIME NOT NULL, [pay_to_dt] DATETIME NOT NULL, "
        "[description] VARCHAR (255) NOT NULL, [partner_id] INTEGER NOT NULL DEFAULT 0, [amount] NUMERIC "
        "(13, 2) NOT NULL DEFAULT 0, [based_on_doc_id] INTEGER DEFAULT 0, [bank_payment] BOOLEAN NOT NULL "
        "DEFAULT 0);",
        "CREATE TABLE [soldmat] ([doc_id] INTEGER DEFAULT 0, [doc_dt] DATETIME, [customer_id] INTEGER, "
        "[group_id] INTEGER, [part_of_code] VARCHAR (50), [code] VARCHAR (50), [quantity] NUMERIC (13, 3) "
        "DEFAULT 0, [price] NUMERIC (13, 5) DEFAULT 0, [total] NUMERIC (13, 5) DEFAULT 0);",
        "CREATE TABLE [revisions_cmp] ([doc_id] INTEGER, [doc_dt] DATETIME, [item_code] VARCHAR (50), "
        "[item_name] VARCHAR (255), [group_id] INTEGER DEFAULT 0, [group_name] VARCHAR (255), [item_units] "
        "VARCHAR (50), [projected_quantity] NUMERIC (13, 3), [actual_quantity] NUMERIC (13, 3), [cost_price] "
        "NUMERIC (13, 5));",
        "CREATE TABLE [revisions] ([doc_id] INTEGER, [doc_dt] DATETIME, [notes] VARCHAR (255) NOT NULL "
        "DEFAULT '');",
        "CREATE TABLE [offers] ([doc_id] INTEGER NOT NULL DEFAULT 0 PRIMARY KEY UNIQUE, [doc_dt] DATETIME, "
        "[to_person] VARCHAR (100), [subtitle] VARCHAR (255), [note] VARCHAR (255), [validity] VARCHAR "
        "(255), [signed_by] VARCHAR (100), [vat_used] BOOLEAN, [discount] NUMERIC (13, 2));",
        "CREATE TABLE [offers_cmp] ([doc_id] INTEGER, [doc_dt] DATETIME, [rec_id] INTEGER PRIMARY KEY "
        "UNIQUE, [item_name] VARCHAR (255), [item_units] VARCHAR (50), [quantity] NUMERIC (13, 2), [price] "
        "NUMERIC (13, 2));",
        "CREATE TABLE [stock_codes] ([rec_id] INTEGER PRIMARY KEY UNIQUE, [stock_code] VARCHAR (50), "
        "[partner_id] INTEGER, [partner_code] VARCHAR (255));",
        "CREATE TABLE [gk_settings] ([key_name] VARCHAR (255) PRIMARY KEY UNIQUE, [key_value] VARCHAR "
        "(1024));",
        "CREATE TABLE [gk_main] ([doc_id] INTEGER NOT NULL PRIMARY KEY UNIQUE, [doc_dt] DATETIME NOT NULL, "
        "[customer_id] INTEGER NOT NULL, [customer_name] VARCHAR (255) NOT NULL, [received_by] VARCHAR (255) "
        "NOT NULL, [to_doc_mode] INTEGER NOT NULL DEFAULT 0, [to_doc_id] INTEGER NOT NULL DEFAULT 0, "
        "[gk_term] INTEGER NOT NULL DEFAULT 0, [cond_placement] INTEGER NOT NULL DEFAULT 0, [cond_text] "
        "VARCHAR (255));",
        "CREATE TABLE [gk_items] ([doc_id] INTEGER NOT NULL, [doc_dt] DATETIME NOT NULL, [customer_id] "
        "INTEGER NOT NULL, [seq_id] INTEGER NOT NULL, [item_code] VARCHAR (255) NOT NULL, [item_name] "
        "VARCHAR (255) NOT NULL, [item_units] VARCHAR (255) NOT NULL, [item_qtty] NUMERIC (13, 2) NOT NULL "
        "DEFAULT 0, [item_serial] VARCHAR (255), [valid_for] INTEGER NOT NULL DEFAULT 0, [item_notes] "
        "VARCHAR (255));",
        "CREATE TABLE [stock_prices] ([rec_id] INTEGER PRIMARY KEY UNIQUE, [stock_code] VARCHAR (50), "
        "[partner_id] INTEGER, [partner_price] NUMERIC (13, 5) NOT NULL DEFAULT 0);",
    };
    return statements;
}

const std::vector<const char*>& CreateIndexStatements() {
    static const std::vector<const char*> statements = {
        "CREATE INDEX IDX_groups_parent_id ON [groups] (parent_id);",
        "CREATE INDEX IDX_stocks ON [stocks] (code, is_material, is_recipe, is_service, is_dirty);",
        "CREATE INDEX IDX_stocks_cmp ON [stocks_cmp] (owner_code, code);",
        "CREATE INDEX IDX_stock_codes ON [stock_codes] (stock_code, partner_id);",
        "CREATE UNIQUE INDEX IDX_partners ON [partners] (partner_id, partner_is_customer, "
        "partner_is_supplier);",
        "CREATE INDEX IDX_cash_register_doc_dt ON [cash_register] (doc_dt);",
        "CREATE INDEX IDX_cash_register_cmp_rec_id ON [cash_register_cmp] (rec_id);",
        "CREATE UNIQUE INDEX IDX_revisions_doc_id ON [revisions] (doc_id);",
        "CREATE INDEX IDX_revisions_cmp ON [revisions_cmp] (doc_id, item_code);",
        "CREATE UNIQUE INDEX IDX_stokovi_main_doc_id ON [stokovi_main] (doc_id);",
        "CREATE INDEX IDX_stokovi_partners_doc_id ON [stokovi_partners] (doc_id);",
        "CREATE INDEX IDX_stokovi_firmdata_doc_id ON [stokovi_firmdata] (doc_id);",
        "CREATE INDEX IDX_stokovi_items ON [stokovi_items] (doc_id, item_code);",
        "CREATE UNIQUE INDEX IDX_invoices_main ON [invoices_main] (doc_id, doc_type);",
        "CREATE INDEX IDX_invoices_partners_doc_id ON [invoices_partners] (doc_id);",
        "CREATE INDEX IDX_invoices_firmdata_doc_id ON [invoices_firmdata] (doc_id);",
        "CREATE INDEX IDX_invoices_items ON [invoices_items] (doc_id, item_code);",
        "CREATE UNIQUE INDEX IDX_proforms_main_doc_id ON [proforms_main] (doc_id);",
        "CREATE INDEX IDX_supplies_items_doc_id ON [supplies_items] (doc_id);",
        "CREATE INDEX IDX_stock_prices ON [stock_prices] (stock_code, partner_id);",
    };
    return statements;
}

const char* DefinitionOf(const QString& table) {
    static const QRegularExpression name(R"(^CREATE TABLE (IF NOT EXISTS )?\[?(\w+)\]?)");
    std::vector<const char*> all = CreateTableStatements();
    all.push_back(kFiscalReceipts);
    all.push_back(kCreditNoteCash);
    for (const char* definition : all)
        if (name.match(QString::fromUtf8(definition)).captured(2) == table)
            return definition;
    return nullptr;
}

} // namespace Schema
