#include "db/upgrade/TableLayouts.h"

#include "db/Schema.h"

#include <QRegularExpression>
#include <map>

namespace {

// A table's column definitions and table constraints, editable by name.
struct Layout {
    QString table;
    QStringList parts; // "[name] TYPE ..." or a constraint such as "PRIMARY KEY ([id])"

    static QString NameOf(const QString& part) {
        return part.startsWith('[') ? part.mid(1, part.indexOf(']') - 1) : QString();
    }
    Layout& Without(const QStringList& columns) {
        parts.erase(std::remove_if(parts.begin(), parts.end(),
                                   [&](const QString& part) { return columns.contains(NameOf(part)); }),
                    parts.end());
        return *this;
    }
    // Adds a column definition after the named column (at the end of the
    // columns when `after` is empty).
    Layout& With(const QString& definition, const QString& after = QString()) {
        qsizetype at = 0;
        if (after.isEmpty()) {
            while (at < parts.size() && !NameOf(parts[at]).isEmpty())
                ++at;
        } else {
            while (at < parts.size() && NameOf(parts[at]) != after)
                ++at;
            ++at;
        }
        parts.insert(qMin(at, parts.size()), definition);
        return *this;
    }
    Layout& Retyped(const QString& column, const QString& definition) {
        for (QString& part : parts)
            if (NameOf(part) == column)
                part = definition;
        return *this;
    }
    QString Create() const { return QString("CREATE TABLE [%1] (%2);").arg(table, parts.join(", ")); }
};

// Splits the body of a CREATE TABLE statement at the commas outside brackets.
QStringList splitParts(const QString& body) {
    QStringList parts;
    int depth = 0;
    QString current;
    for (const QChar c : body) {
        if (c == '(')
            ++depth;
        if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

const std::map<QString, QString>& finalStatements() {
    static const std::map<QString, QString> statements = [] {
        std::map<QString, QString> byName;
        static const QRegularExpression name(R"(^CREATE TABLE \[(\w+)\])");
        for (const char* statement : Schema::CreateTableStatements()) {
            const QString text = QString::fromUtf8(statement);
            byName[name.match(text).captured(1)] = text;
        }
        return byName;
    }();
    return statements;
}

Layout finalLayout(const QString& table) {
    const QString statement = finalStatements().at(table);
    const int open = statement.indexOf('(');
    const int close = statement.lastIndexOf(')');
    return Layout{table, splitParts(statement.mid(open + 1, close - open - 1))};
}

const QStringList kLatin = {"partner_name_lat", "partner_city_lat", "partner_address_lat", "partner_mol_lat"};
const QStringList kFirmLatin = {"firm_name_lat", "city_lat", "address_lat", "mol_lat"};
const QStringList kBankCopies = {"[firm_bank_name] VARCHAR (255)",    "[firm_bank_branch] VARCHAR (255)",
                                 "[firm_bank_code] VARCHAR (20)",     "[firm_bank_acc] VARCHAR (20)",
                                 "[firm_bank_vat_code] VARCHAR (20)", "[firm_bank_vat_acc] VARCHAR (20)"};

// The layout of a table that has one in `version` (the table exists then).
std::optional<Layout> layoutAt(const QString& table, int v) {
    if (table == "version")
        return v <= 8 ? std::optional<Layout>(Layout{"version", {"[version] VARCHAR (10)"}}) : std::nullopt;
    if (!finalStatements().count(table))
        return std::nullopt;
    Layout layout = finalLayout(table);
    if (table == "requests_main") {
        if (v < 2)
            return std::nullopt;
        if (v <= 12)
            layout.Without({"has_prices", "total"});
        if (v <= 13)
            layout.Without({"curr"});
    } else if (table == "requests_items") {
        if (v < 2)
            return std::nullopt;
        if (v <= 12)
            layout.Without({"price", "sumprice"});
    } else if (table == "stock_codes") {
        if (v < 3)
            return std::nullopt;
    } else if (table.startsWith("gk_")) {
        if (v < 8)
            return std::nullopt;
    } else if (table == "stock_prices") {
        if (v < 14)
            return std::nullopt;
    } else if (table == "settings") {
        // Guess: before 3 the settings row had the two switches the step to 3 copies.
        if (v <= 2)
            layout = Layout{
                "settings",
                {"[use_accounts] BOOLEAN NOT NULL DEFAULT 1", "[sells_on_zero] BOOLEAN NOT NULL DEFAULT 1"}};
        else if (v <= 5)
            layout = Layout{"settings",
                            {"[use_accounts] BOOLEAN NOT NULL DEFAULT 1",
                             "[sells_on_zero] BOOLEAN NOT NULL DEFAULT 1",
                             "[use_partner_codes] BOOLEAN NOT NULL DEFAULT 1"}};
    } else if (table == "banks") {
        if (v <= 2)
            layout.With("[vat_code] VARCHAR (20)", "acc").With("[vat_acc] VARCHAR (20)", "vat_code");
        else if (v <= 9)
            layout.With("[is_vat] BOOLEAN NOT NULL DEFAULT 0", "acc");
    } else if (table == "stokovi_firmdata" || table == "invoices_firmdata" || table == "proforms_firmdata") {
        if (v <= 2) {
            // Guess: the copied bank details stood before the bank's id.
            layout.Retyped("firm_bank_id", "[firm_bank_id] INTEGER");
            for (int i = kBankCopies.size() - 1; i >= 0; --i)
                layout.With(kBankCopies[i], "firm_vat_value");
        } else if (v <= 9) {
            layout.With("[firm_vat_bank_id] INTEGER NOT NULL DEFAULT 0", "firm_bank_id");
        }
    } else if (table == "stocks") {
        if (v <= 8) {
            // Guess: formats 1 and 2 had the columns the step to 3 rebuilds.
            layout.Without({"is_dirty"});
            for (const char* column : {"min_quantity", "cost_price", "work_costs", "last_price"})
                layout.Retyped(column, QString("[%1] NUMERIC (13, 2) NOT NULL DEFAULT 0").arg(column));
        }
    } else if (table == "stokovi_items" || table == "invoices_items") {
        if (v <= 2)
            layout.Without(table == "stokovi_items" ? QStringList{"vis_code", "invoiced", "invoice_id"}
                                                    : QStringList{"vis_code"});
        if (v <= 13)
            layout.Without({"cost_price"});
    } else if (table == "invoices_main") {
        if (v <= 10)
            layout.Without({"doc_type", "to_invoice", "to_invoice_dt"});
        if (v <= 9)
            layout.Without({"tax_event_dt", "osnovanie_vat", "new_vehicle"});
        if (v <= 2)
            layout.With("[invoiced] BOOLEAN", "slovom").With("[invoice_id] INTEGER", "invoiced");
    } else if (table == "stokovi_main") {
        if (v <= 10)
            layout.Without({"doc_type"});
        if (v <= 9)
            layout.Without({"tax_event_dt", "osnovanie_vat", "new_vehicle"});
    } else if (table == "proforms_main") {
        // Guess: the pro-formas gained the VAT fields with the step to 10, as the invoices did.
        if (v <= 9)
            layout.Without({"tax_event_dt", "osnovanie_vat", "new_vehicle"});
    } else if (table == "partners") {
        if (v <= 13)
            layout.Without(kLatin);
        if (v <= 9)
            layout.With("[partner_vat_code] VARCHAR (20)", "partner_vat_registered")
                .With("[partner_vat_acc] VARCHAR (20)", "partner_vat_code");
        if (v == 9)
            layout.With("[use_eik] BOOL NOT NULL DEFAULT 0");
        if (v <= 2)
            layout.Without({"default_price"}); // guess: the step to 3 adds it
    } else if (table == "supplies_partners") {
        // Guess: the supplier's snapshot carried its VAT account until the step to 10.
        if (v <= 9)
            layout.With("[partner_vat_code] VARCHAR (20)", "partner_bank_acc")
                .With("[partner_vat_acc] VARCHAR (20)", "partner_vat_code");
    } else if (table == "supplies_main" || table == "supplies_items") {
        if (v <= 13)
            layout.Without({"invoice_no"});
    } else if (table == "cash_register") {
        if (v <= 8)
            layout.Without({"bank_payment"});
    } else if (table == "revisions") {
        if (v <= 6)
            layout.Without({"notes"});
    } else if (table == "firmdata") {
        if (v <= 12)
            layout.Without(kFirmLatin);
    }
    // Guess for the rest (production_cmp, production_cmp_entries, soldmat,
    // revisions_cmp, offers, offers_cmp before 9, and the tables no step
    // touches): today's columns.
    return layout;
}
} // namespace

namespace TableLayouts {

std::optional<QString> CreateStatement(const QString& table, int version) {
    const std::optional<Layout> layout = layoutAt(table, version);
    return layout ? std::optional<QString>(layout->Create()) : std::nullopt;
}

QStringList AllTables() {
    QStringList tables;
    static const QRegularExpression name(R"(^CREATE TABLE \[(\w+)\])");
    for (const char* statement : Schema::CreateTableStatements())
        tables << name.match(QString::fromUtf8(statement)).captured(1);
    tables << "version";
    return tables;
}

} // namespace TableLayouts
