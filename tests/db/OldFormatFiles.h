#pragma once

// Files of the old formats 1 to 13, built from the layouts of each format
// (not by running the upgrade steps), with the rows the upgrade must carry.
#include "db/Connection.h"
#include "db/ResultTable.h"
#include "db/upgrade/TableLayouts.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace OldFormatFiles {

using Row = std::map<QString, QString>;

inline QStringList columnsOf(Connection& file, const QString& table) {
    ResultTable info;
    file.Query(QString("PRAGMA table_info([%1]);").arg(table).toUtf8(), info);
    QStringList columns;
    for (int r = 1; r <= info.Rows(); ++r)
        columns << info.Text(r, info.Column("name"));
    return columns;
}

// Inserts the values of the row whose columns the table has in this format.
inline void insert(Connection& file, const QString& table, const Row& row) {
    const QStringList present = columnsOf(file, table);
    QStringList names, values;
    for (const auto& [column, value] : row) {
        if (!present.contains(column))
            continue;
        names << "[" + column + "]";
        values << "'" + QString(value).replace("'", "''") + "'";
    }
    const QString sql =
        QString("INSERT INTO [%1] (%2) VALUES (%3);").arg(table, names.join(", "), values.join(", "));
    ASSERT_TRUE(file.Exec(sql.toUtf8()).Ok()) << sql.toStdString();
}

// A firm's file at `version`: firm data, two bank accounts (with their VAT
// accounts, or the twins the step to 3 made), goods and a product, a
// customer whose name holds an apostrophe, goods note 1 of 2006 invoiced by
// invoice 15, goods note 2, delivery 1 with the same number as the goods
// note and a cash operation with payments for each, a request, a stocktaking.
inline void Build(const QString& path, int version, bool emptyVersionTable = false) {
    Connection file;
    ASSERT_TRUE(file.Open(path, true).Ok());
    Connection& h = file;
    for (const QString& table : TableLayouts::AllTables()) {
        const auto create = TableLayouts::CreateStatement(table, version);
        if (create) {
            ASSERT_TRUE(file.Exec(create->toUtf8()).Ok()) << create->toStdString();
        }
    }

    if (version <= 8 && !emptyVersionTable)
        insert(h, "version", {{"version", QString::number(version)}});
    if (version <= 5) {
        insert(h, "settings", {{"use_accounts", "1"}, {"sells_on_zero", "0"}, {"use_partner_codes", "1"}});
    } else {
        for (const auto& [key, value] : std::map<QString, QString>{{"use_accounts", "1"},
                                                                   {"sells_on_zero", "0"},
                                                                   {"use_partner_codes", "1"},
                                                                   {"allow_inv_qtty_changes", "0"}})
            insert(h, "settings", {{"key_name", key}, {"key_value", value}});
        if (version <= 9)
            insert(h, "settings", {{"key_name", "use_new_id"}, {"key_value", "0"}});
        if (version >= 9) {
            insert(h, "settings", {{"key_name", "dbversion"}, {"key_value", QString::number(version)}});
            insert(h, "settings", {{"key_name", "cost_price_precision"}, {"key_value", "2"}});
        }
    }
    if (version >= 8)
        for (const auto& [key, value] :
             std::map<QString, QString>{{"cond_placement", "0"}, {"cond_text", ""}, {"gk_term", "12"}})
            insert(h, "gk_settings", {{"key_name", key}, {"key_value", value}});

    insert(h, "firmdata",
           {{"firm_name", "Тарво ООД"},
            {"city", "Русе"},
            {"address", "ул. Дунав 5"},
            {"mol", "Петър"},
            {"firm_name_lat", "Tarvo Ltd"},
            {"city_lat", "Ruse"},
            {"address_lat", "Dunav 5"},
            {"mol_lat", "Petar"},
            {"tax_id", "0"},
            {"bulstat", "111222333"},
            {"vat_registered", "1"},
            {"vat_value", "20"}});
    insert(h, "banks",
           {{"id", "1"},
            {"name", "ДСК"},
            {"branch", "Русе"},
            {"code", "STSA"},
            {"acc", "1001"},
            {"vat_code", "STSV"},
            {"vat_acc", "2001"},
            {"is_vat", "0"}});
    insert(h, "banks",
           {{"id", "2"},
            {"name", "О'Банк"},
            {"branch", "Варна"},
            {"code", "OBAN"},
            {"acc", "1002"},
            {"vat_code", "OBAV"},
            {"vat_acc", "2002"},
            {"is_vat", "0"}});
    if (version >= 3 && version <= 9) {
        insert(h, "banks",
               {{"id", "3"},
                {"name", "ДСК"},
                {"branch", "Русе"},
                {"code", "STSV"},
                {"acc", "2001"},
                {"is_vat", "1"}});
        insert(h, "banks",
               {{"id", "4"},
                {"name", "О'Банк"},
                {"branch", "Варна"},
                {"code", "OBAV"},
                {"acc", "2002"},
                {"is_vat", "1"}});
    }
    insert(h, "units", {{"unit", "бр."}});
    insert(h, "groups", {{"id", "1"}, {"name", "Стоки"}, {"parent_id", "0"}});
    insert(h, "stocks",
           {{"code", "G1"},
            {"stock_name", "Кабел 'А'"},
            {"stock_group", "1"},
            {"units", "м"},
            {"quantity", "10"},
            {"cost_price", "1.25"},
            {"price_1", "2"},
            {"is_recipe", "0"},
            {"is_dirty", "0"}});
    insert(h, "stocks",
           {{"code", "P1"},
            {"stock_name", "Удължител"},
            {"stock_group", "1"},
            {"quantity", "3"},
            {"cost_price", "4.5"},
            {"price_1", "9"},
            {"is_recipe", "1"},
            {"is_dirty", "1"}});
    insert(h, "stocks_cmp", {{"owner_code", "P1"}, {"code", "G1"}, {"quantity", "2"}});
    insert(h, "partners",
           {{"partner_id", "1"},
            {"partner_is_customer", "1"},
            {"partner_is_supplier", "1"},
            {"partner_name", "Д'Артанян ООД"},
            {"partner_city", "Варна"},
            {"partner_tax_id", "0"},
            {"partner_bulstat", "123456789"},
            {"partner_vat_registered", "1"},
            {"partner_vat_code", "X"},
            {"partner_vat_acc", "Y"},
            {"partner_prefer_payment", "0"}});

    for (const char* number : {"1", "2"}) {
        const bool invoiced = QString(number) == "1";
        insert(h, "stokovi_main",
               {{"doc_id", number},
                {"doc_dt", "2006-12-20"},
                {"partner_id", "1"},
                {"invoiced", invoiced ? "1" : "0"},
                {"invoice_id", invoiced ? "15" : "0"},
                {"total_sum", "24"}});
        insert(h, "stokovi_partners",
               {{"doc_id", number}, {"doc_dt", "2006-12-20"}, {"partner_name", "Д'Артанян"}});
        insert(h, "stokovi_firmdata",
               {{"doc_id", number},
                {"doc_dt", "2006-12-20"},
                {"firm_name", "Тарво ООД"},
                {"firm_bank_id", "2"},
                {"firm_vat_bank_id", "4"},
                {"firm_bank_name", "О'Банк"},
                {"firm_bank_vat_acc", "2002"}});
        for (const char* code : {"G1", "P1"})
            insert(h, "stokovi_items",
                   {{"doc_id", number},
                    {"doc_dt", "2006-12-20"},
                    {"item_code", code},
                    {"quantity", "2"},
                    {"price", "6"},
                    {"end_price", "12"},
                    {"invoiced", invoiced ? "1" : "0"},
                    {"invoice_id", invoiced ? "15" : "0"}});
    }
    insert(h, "soldmat",
           {{"doc_id", "1"},
            {"doc_dt", "2006-12-20"},
            {"part_of_code", "P1"},
            {"code", "G1"},
            {"quantity", "4"}});
    insert(h, "invoices_main",
           {{"doc_id", "15"},
            {"doc_dt", "2006-12-21"},
            {"partner_id", "1"},
            {"total_sum", "24"},
            {"invoiced", "0"},
            {"invoice_id", "0"}});
    insert(h, "invoices_items",
           {{"doc_id", "15"}, {"doc_dt", "2006-12-21"}, {"item_code", "G1"}, {"quantity", "2"}});
    insert(h, "invoices_firmdata",
           {{"doc_id", "15"}, {"doc_dt", "2006-12-21"}, {"firm_bank_id", "1"}, {"firm_vat_bank_id", "3"}});
    insert(h, "invoices_partners",
           {{"doc_id", "15"}, {"doc_dt", "2006-12-21"}, {"partner_name", "Д'Артанян"}});
    insert(h, "supplies_main", {{"doc_id", "1"}, {"doc_dt", "2006-11-01"}, {"partner_id", "1"}});
    insert(h, "supplies_items",
           {{"doc_id", "1"}, {"doc_dt", "2006-11-01"}, {"item_code", "G1"}, {"quantity", "5"}});
    insert(h, "cash_register",
           {{"rec_id", "1"},
            {"op_type", "0"},
            {"osnovanie", "продажба"},
            {"doc_dt", "2006-12-20"},
            {"pay_to_dt", "2006-12-20"},
            {"description", ""},
            {"amount", "24"},
            {"based_on_doc_id", "1"}});
    insert(h, "cash_register",
           {{"rec_id", "2"},
            {"op_type", "1"},
            {"osnovanie", "доставка"},
            {"doc_dt", "2006-11-01"},
            {"pay_to_dt", "2006-11-01"},
            {"description", ""},
            {"amount", "10"},
            {"based_on_doc_id", "1"}});
    insert(h, "cash_register_cmp",
           {{"rec_id", "1"}, {"id", "1"}, {"pay_dt", "2006-12-20"}, {"amount", "24"}});
    insert(h, "cash_register_cmp",
           {{"rec_id", "2"}, {"id", "2"}, {"pay_dt", "2006-11-01"}, {"amount", "10"}});
    if (version >= 2)
        insert(h, "requests_main",
               {{"doc_id", "1"}, {"doc_dt", "2006-10-01"}, {"partner_name", "Д'Артанян"}});
    insert(h, "revisions", {{"doc_id", "1"}, {"doc_dt", "2006-09-01"}});
}

// The file as the SQLite 2.8 shell's `.dump` writes it: the tables, each
// with its rows, then the indexes, by name; a value that looks like a
// number bare, any other quoted with its apostrophes doubled.
inline QString Sqlite2Dump(const QString& path) {
    Connection file;
    EXPECT_TRUE(file.Open(path, false).Ok());
    ResultTable objects;
    file.Query("SELECT name, type, sql FROM sqlite_master WHERE sql NOT NULL ORDER BY "
                          "substr(type, 2, 1), name;",
                          objects);
    static const QRegularExpression number("^[+-]?[0-9]+(\\.[0-9]*)?([eE][+-]?[0-9]+)?$");
    QString dump = "BEGIN TRANSACTION;\n";
    for (int t = 1; t <= objects.Rows(); ++t) {
        dump += objects.Text(t, 2) + ";\n";
        if (objects.Text(t, 1) != "table")
            continue;
        const QString table = objects.Text(t, 0);
        ResultTable rows;
        file.Query(QString("SELECT * FROM [%1];").arg(table).toUtf8(), rows);
        for (int r = 1; r <= rows.Rows(); ++r) {
            QStringList values;
            for (int c = 0; c < rows.Columns(); ++c) {
                const QString value = rows.Text(r, c);
                values << (rows.IsNull(r, c)                ? QString("NULL")
                           : number.match(value).hasMatch() ? value
                                                            : "'" + QString(value).replace("'", "''") + "'");
            }
            dump += QString("INSERT INTO %1 VALUES(%2);\n").arg(table, values.join(","));
        }
    }
    return dump + "COMMIT;\n";
}

// Text in the old Windows code page of Cyrillic: the letters, "Ёё" and "№".
inline QByteArray ToCp1251(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            bytes += static_cast<char>(c.unicode());
        else if (c == QChar(0x2116))
            bytes += static_cast<char>(0xB9);
        else if (c == QChar(0x401))
            bytes += static_cast<char>(0xA8);
        else if (c == QChar(0x451))
            bytes += static_cast<char>(0xB8);
        else if (c.unicode() >= 0x410 && c.unicode() <= 0x44F)
            bytes += static_cast<char>(0xC0 + (c.unicode() - 0x410));
        else
            ADD_FAILURE() << "no CP1251 byte for " << static_cast<int>(c.unicode());
    }
    return bytes;
}

} // namespace OldFormatFiles
