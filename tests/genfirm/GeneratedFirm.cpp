#include "genfirm/GeneratedFirm.h"

#include "base/ConsolePrompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/FirmCopy.h"

#include <sqlite3.h>

#include <QTemporaryDir>
#include <QDate>
#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace {

using Value = std::variant<long long, double, QString>;

// A prepared INSERT run once per row.
class Insert {
public:
    Insert(sqlite3* db, const char* sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            m_failed = true;
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    bool Row(const std::vector<Value>& values) {
        if (m_failed)
            return false;
        for (size_t k = 0; k < values.size(); ++k) {
            const int at = static_cast<int>(k) + 1;
            if (const auto* i = std::get_if<long long>(&values[k]))
                sqlite3_bind_int64(m_statement, at, *i);
            else if (const auto* d = std::get_if<double>(&values[k]))
                sqlite3_bind_double(m_statement, at, *d);
            else {
                const QByteArray text = std::get<QString>(values[k]).toUtf8();
                sqlite3_bind_text(m_statement, at, text.constData(), static_cast<int>(text.size()),
                                  SQLITE_TRANSIENT);
            }
        }
        const bool done = sqlite3_step(m_statement) == SQLITE_DONE;
        sqlite3_reset(m_statement);
        m_failed = !done;
        return done;
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};

double round2(double x) {
    return std::floor(x * 100 + 0.5) / 100;
}
double round3(double x) {
    return std::floor(x * 1000 + 0.5) / 1000;
}
QString day(const QDate& date) {
    return date.toString("yyyy-MM-dd");
}

struct Item {
    QString code;
    QString name;
    long long group = 0;
    QString units;
    double cost = 0;
    double price1 = 0;
    double price2 = 0;
    bool material = false;
    bool recipe = false;
    bool service = false;
    bool hidden = false;
    std::vector<std::pair<int, double>> components; // item index, quantity a unit
};

struct Partner {
    long long id = 0;
    QString name;
    bool vat = false;
};

class Generator {
public:
    Generator(sqlite3* db, double scale, unsigned seed) : m_db(db), m_scale(scale), m_random(seed) {}

    bool Run() {
        return Exec("BEGIN IMMEDIATE;") && Firm() && Groups() && Items() && Partners() && Deliveries() &&
               Productions() && Sales() && Invoices() && Stocktakings() && Cash() && Stock() && Deletions() &&
               Exec("COMMIT;");
    }

private:
    int Count(int atScaleOne, int least) const {
        return std::max(least, static_cast<int>(std::lround(atScaleOne * m_scale)));
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    double Between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    bool Exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    // The day of the n-th of `count` documents spread over the ten years.
    QDate DayOf(int n, int count) const {
        const QDate first(2016, 1, 1);
        return first.addDays(static_cast<qint64>(n) * first.daysTo(QDate(2025, 12, 31)) / std::max(1, count));
    }
    // A good or material that moves; every fiftieth item never does, and
    // keeps a stock of 0.
    int AnyStocked() {
        while (true) {
            const int k = Pick(static_cast<int>(m_items.size()));
            const Item& item = m_items[static_cast<size_t>(k)];
            if (!item.service && !item.recipe && k % 50 != 49)
                return k;
        }
    }
    void Move(int item, double quantity) {
        m_stock[static_cast<size_t>(item)] = round3(m_stock[static_cast<size_t>(item)] + quantity);
    }

    bool Firm() {
        return Exec(
            "INSERT INTO firmdata VALUES('Генерирана фирма ООД', 'Generated', 'Русе', 'Ruse', 'ул. Дунав 1', "
            "'Dunav 1', 'Иван Иванов', 'Ivan', '111222333', 'BG111222333', 1, 20);");
    }

    bool Groups() {
        Insert insert(m_db, "INSERT INTO groups VALUES(?, ?, ?);");
        m_groups = Count(50, 5);
        for (int g = 1; g <= m_groups; ++g)
            if (!insert.Row({static_cast<long long>(g),
                             QString("Група %1%2").arg(g).arg(g % 7 == 0 ? " д'Арт" : ""),
                             static_cast<long long>(g > 10 && g % 3 == 0 ? g / 3 : 0)}))
                return false;
        return true;
    }

    bool Items() {
        const int count = Count(5000, 60);
        for (int k = 0; k < count; ++k) {
            Item item;
            item.code = QString("A%1").arg(k, 5, 10, QChar('0'));
            // Spread over the kinds also on a small firm.
            const int kind = (k * 37) % 100;
            item.material = kind >= 60 && kind < 85;
            item.recipe = kind >= 85 && kind < 95;
            item.service = kind >= 95 && kind < 98;
            item.hidden = kind >= 98;
            item.name = QString(item.recipe     ? "Изделие %1"
                                : item.service  ? "Услуга %1"
                                : item.material ? "Материал %1"
                                                : "Стока %1")
                            .arg(k);
            if (k % 37 == 0)
                item.name += " О'Нийл";
            item.group = 1 + Pick(m_groups);
            item.units = item.material ? "кг" : item.service ? "ч." : "бр.";
            item.cost = round2(Between(0.5, 50));
            item.price1 = round2(item.cost * Between(1.1, 1.6));
            item.price2 = round2(item.price1 * 0.95);
            m_items.push_back(item);
        }
        // Recipes from goods and materials made before them.
        for (size_t k = 0; k < m_items.size(); ++k)
            if (m_items[k].recipe)
                for (int c = 2 + Pick(4); c > 0; --c)
                    m_items[k].components.push_back({AnyStocked(), round3(Between(0.1, 3))});
        m_stock.assign(m_items.size(), 0);
        Insert stocks(m_db, "INSERT INTO stocks VALUES(?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        Insert components(m_db, "INSERT INTO stocks_cmp VALUES(?, ?, ?, ?);");
        for (size_t k = 0; k < m_items.size(); ++k) {
            const Item& i = m_items[k];
            const bool dirty = i.recipe && k % 5 == 0;
            if (!stocks.Row({i.code, i.name, i.group, i.units, static_cast<double>(Pick(3)), i.cost, i.price1,
                             i.price2, i.recipe ? 1.5 : 0.0, i.cost, static_cast<long long>(i.material),
                             static_cast<long long>(i.recipe), static_cast<long long>(i.service),
                             static_cast<long long>(i.hidden), static_cast<long long>(dirty)}))
                return false;
            for (const auto& [part, quantity] : i.components)
                if (!components.Row({i.code, m_items[static_cast<size_t>(part)].code, quantity,
                                     static_cast<double>(Pick(3) * 5)}))
                    return false;
        }
        return true;
    }

    bool Partners() {
        const int count = Count(1000, 20);
        Insert insert(m_db, "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
                            "partner_name, partner_city, partner_address, partner_tax_id, partner_bulstat, "
                            "partner_mol, partner_vat_registered) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        for (int k = 1; k <= count; ++k) {
            Partner p{k, QString("Партньор %1%2 ООД").arg(k).arg(k % 11 == 0 ? " Д'Артанян" : ""),
                      k % 3 != 0};
            const bool supplier = k % 4 == 0;
            if (!insert.Row({p.id, static_cast<long long>(!supplier || k % 8 == 0),
                             static_cast<long long>(supplier), p.name, "Варна", QString("ул. %1").arg(k),
                             QString::number(100000000 + k),
                             p.vat ? QString("BG%1").arg(100000000 + k) : QString(), "Управител",
                             static_cast<long long>(p.vat)}))
                return false;
            (supplier ? m_suppliers : m_customers).push_back(p);
        }
        return true;
    }

    bool Deliveries() {
        const int count = Count(5000, 10);
        Insert main(
            m_db, "INSERT INTO supplies_main VALUES(?, ?, 'Доставчик', 'Склад', ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        Insert items(m_db, "INSERT INTO supplies_items VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        Insert partner(
            m_db,
            "INSERT INTO supplies_partners VALUES(?, ?, ?, 'Варна', '', '', '', '', '', '', '', '', ?);");
        Insert firm(m_db,
                    "INSERT INTO supplies_firmdata VALUES(?, ?, 'Генерирана фирма ООД', 'Русе', '', '', "
                    "'111222333', 'BG111222333', 1, 20);");
        for (int n = 1; n <= count; ++n) {
            const QString date = day(DayOf(n, count));
            const Partner& p = m_suppliers[static_cast<size_t>(Pick(static_cast<int>(m_suppliers.size())))];
            const double discount = n % 10 == 0 ? 2.5 : 0;
            double sum = 0;
            for (int seq = 1, lines = 3 + Pick(10); seq <= lines; ++seq) {
                const int k = AnyStocked();
                const Item& i = m_items[static_cast<size_t>(k)];
                const double quantity = static_cast<double>(10 + Pick(200));
                const double value = round2(quantity * i.cost);
                sum += value;
                Move(k, quantity);
                if (!items.Row({static_cast<long long>(n), date, static_cast<long long>(seq), i.code, i.name,
                                i.group, i.units, quantity, i.cost, value, QString("F%1").arg(n)}))
                    return false;
            }
            sum = round2(sum);
            const double discountSum = round2(sum * discount / 100), taxable = round2(sum - discountSum);
            const double vat = p.vat ? round2(taxable * 0.2) : 0;
            if (!main.Row({static_cast<long long>(n), date, p.id, date, discount, sum, discountSum, taxable,
                           vat, round2(taxable + vat), QString("F%1").arg(n)}) ||
                !partner.Row({static_cast<long long>(n), date, p.name, static_cast<long long>(p.vat)}) ||
                !firm.Row({static_cast<long long>(n), date}))
                return false;
        }
        return true;
    }

    bool Productions() {
        const int count = Count(2000, 5);
        Insert main(m_db, "INSERT INTO production VALUES(?, ?, ?);");
        Insert lines(m_db, "INSERT INTO production_cmp VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        Insert entries(m_db, "INSERT INTO production_cmp_entries VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);");
        std::vector<int> products;
        for (size_t k = 0; k < m_items.size(); ++k)
            if (m_items[k].recipe)
                products.push_back(static_cast<int>(k));
        for (int n = 1; n <= count; ++n) {
            const QString date = day(DayOf(n, count));
            const QString by = n % 2 ? "Петър" : "Д'Ор";
            if (!main.Row({static_cast<long long>(n), date, by}))
                return false;
            for (int seq = 1, made = 1 + Pick(3); seq <= made; ++seq) {
                const int k = products[static_cast<size_t>(Pick(static_cast<int>(products.size())))];
                const Item& product = m_items[static_cast<size_t>(k)];
                const double quantity = static_cast<double>(1 + Pick(20));
                Move(k, quantity);
                if (!lines.Row({static_cast<long long>(n), date, static_cast<long long>(seq), product.code,
                                product.name, product.group, product.units, quantity, product.cost, by}))
                    return false;
                for (const auto& [part, perUnit] : product.components) {
                    const Item& i = m_items[static_cast<size_t>(part)];
                    const double used = round3(quantity * perUnit);
                    Move(part, -used);
                    if (!entries.Row({static_cast<long long>(n), date, static_cast<long long>(seq), i.code,
                                      i.name, i.group, i.units, used, i.cost}))
                        return false;
                }
            }
        }
        return true;
    }

    struct SaleLine {
        int item = -1; // -1: free text
        double quantity = 0;
        double price = 0;
    };

    std::vector<SaleLine> SaleLines(int count, bool withProducts) {
        std::vector<SaleLine> lines;
        for (int k = 0; k < count; ++k) {
            int item = AnyStocked();
            if (withProducts && Chance(0.15)) {
                do
                    item = Pick(static_cast<int>(m_items.size()));
                while (!m_items[static_cast<size_t>(item)].recipe);
            }
            const double quantity = Chance(0.1) ? round3(Between(0.1, 5)) : static_cast<double>(1 + Pick(12));
            lines.push_back({item, quantity, m_items[static_cast<size_t>(item)].price1});
        }
        return lines;
    }

    // Goods notes; every third is invoiced later by one of the invoices.
    bool Sales() {
        const int count = Count(50000, 100);
        Insert main(
            m_db,
            "INSERT INTO stokovi_main VALUES(?, ?, 'Склад', 'Клиент', 'Иван', '', ?, 'продажба', 'Русе', "
            "'Магазин', ?, ?, 0, ?, '', ?, ?, ?, ?, ?, ?, ?, ?, '', '', 0);");
        Insert items(m_db, "INSERT INTO stokovi_items VALUES(?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?);");
        Insert partner(m_db, "INSERT INTO stokovi_partners VALUES(?, ?, ?, 'Варна', '', '', '', '');");
        Insert firm(m_db, "INSERT INTO stokovi_firmdata VALUES(?, ?, 'Генерирана фирма ООД', 'Русе', '', '', "
                          "'111222333', 'BG111222333', 1, 20, 0);");
        Insert soldmat(m_db, "INSERT INTO soldmat VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);");
        const int invoiced = Count(15000, 30);
        for (int n = 1; n <= count; ++n) {
            const QString date = day(DayOf(n, count));
            const Partner& p = m_customers[static_cast<size_t>(Pick(static_cast<int>(m_customers.size())))];
            const double discount = n % 9 == 0 ? 12.5 : n % 5 == 0 ? 5 : 0;
            const bool invoicedLater = n % 3 == 0 && n / 3 <= invoiced;
            const long long invoice = invoicedLater ? n / 3 : 0;
            const std::vector<SaleLine> lines = SaleLines(1 + Pick(19), true);
            double sum = 0;
            for (size_t s = 0; s < lines.size(); ++s) {
                const SaleLine& line = lines[s];
                const Item& i = m_items[static_cast<size_t>(line.item)];
                const double value = round2(line.quantity * line.price);
                sum += value;
                if (!items.Row({static_cast<long long>(n), date, static_cast<long long>(s + 1), i.code,
                                i.name, i.group, i.units, line.quantity, line.price, value,
                                static_cast<long long>(invoicedLater), invoice, i.cost}))
                    return false;
                if (!i.recipe) {
                    Move(line.item, -line.quantity);
                    continue;
                }
                for (const auto& [part, perUnit] : i.components) {
                    const Item& c = m_items[static_cast<size_t>(part)];
                    const double used = round3(perUnit * line.quantity);
                    Move(part, -used);
                    if (!soldmat.Row({static_cast<long long>(n), date, p.id, c.group, i.code, c.code, used,
                                      c.cost, round2(used * c.cost)}))
                        return false;
                }
            }
            sum = round2(sum);
            const double discountSum = round2(sum * discount / 100), taxable = round2(sum - discountSum);
            const double vat = round2(taxable * 0.2);
            if (!main.Row({static_cast<long long>(n), date, p.id, date, date, discount,
                           static_cast<long long>(invoicedLater), invoice, sum, discountSum, taxable, vat,
                           round2(taxable + vat), date}) ||
                !partner.Row({static_cast<long long>(n), date, p.name}) ||
                !firm.Row({static_cast<long long>(n), date}))
                return false;
            if (invoicedLater)
                m_invoicedNotes.push_back({invoice, n, date, p, discount, lines});
        }
        return true;
    }

    struct InvoicedNote {
        long long invoice;
        int note;
        QString date;
        Partner customer;
        double discount;
        std::vector<SaleLine> lines;
    };

    bool WriteInvoice(long long number, const QString& date, const Partner& p, int docType, double discount,
                      const std::vector<SaleLine>& lines, Insert& main, Insert& items, Insert& partner,
                      Insert& firm) {
        const double sign = docType == 2 ? -1 : 1;
        double sum = 0;
        for (size_t s = 0; s < lines.size(); ++s) {
            const SaleLine& line = lines[s];
            const bool free = line.item < 0;
            const Item* i = free ? nullptr : &m_items[static_cast<size_t>(line.item)];
            const double value = round2(line.quantity * line.price);
            sum += value;
            if (!items.Row({number, date, static_cast<long long>(s + 1), free ? QString("ТЕКСТ") : i->code,
                            free ? QString("Консултация по д'оговор") : i->name, free ? 0LL : i->group,
                            free ? QString("бр.") : i->units, sign * line.quantity, sign * line.price,
                            sign * value, QString(), free ? 0.0 : sign * i->cost}))
                return false;
        }
        sum = round2(sum);
        const double discountSum = round2(sum * discount / 100), taxable = round2(sum - discountSum);
        const double vat = round2(taxable * 0.2);
        return main.Row({number, date, p.id, date, date, discount, sign * sum, sign * discountSum,
                         sign * taxable, sign * vat, sign * round2(taxable + vat), date,
                         static_cast<long long>(docType), docType == 0 ? 0LL : number - 1,
                         docType == 0 ? QString() : date}) &&
               partner.Row({number, date, p.name}) && firm.Row({number, date});
    }

    // Invoices of the goods notes invoiced later, free-text invoices, debit
    // notes and credit notes (which take plain goods back into stock).
    bool Invoices() {
        Insert main(
            m_db,
            "INSERT INTO invoices_main VALUES(?, ?, 'Склад', 'Клиент', 'Иван', '', ?, 'продажба', 'Русе', "
            "'Магазин', ?, ?, 0, ?, '', ?, ?, ?, ?, ?, ?, '', '', ?, ?, ?);");
        Insert items(m_db, "INSERT INTO invoices_items VALUES(?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        Insert partner(m_db, "INSERT INTO invoices_partners VALUES(?, ?, ?, 'Варна', '', '', '', '');");
        Insert firm(m_db,
                    "INSERT INTO invoices_firmdata VALUES(?, ?, 'Генерирана фирма ООД', 'Русе', '', '', "
                    "'111222333', 'BG111222333', 1, 20, 0);");
        long long number = 0;
        for (const InvoicedNote& n : m_invoicedNotes) {
            number = n.invoice;
            if (!WriteInvoice(number, n.date, n.customer, 0, n.discount, n.lines, main, items, partner, firm))
                return false;
        }
        const int others = Count(10000, 20);
        for (int k = 0; k < others; ++k) {
            ++number;
            const QString date = day(DayOf(k, others));
            const Partner& p = m_customers[static_cast<size_t>(Pick(static_cast<int>(m_customers.size())))];
            const int kind = k % 4; // 0, 1: free text; 2: debit note; 3: credit note
            std::vector<SaleLine> lines;
            if (kind < 2) {
                for (int l = 1 + Pick(3); l > 0; --l)
                    lines.push_back({-1, 1, round2(Between(10, 500))});
            } else {
                lines = SaleLines(1 + Pick(4), false);
            }
            if (kind == 3)
                for (const SaleLine& line : lines)
                    Move(line.item, line.quantity);
            if (!WriteInvoice(number, date, p, kind < 2 ? 0 : kind - 1, 0, lines, main, items, partner, firm))
                return false;
        }
        return true;
    }

    // Counts saved without changing the stock.
    bool Stocktakings() {
        Insert main(m_db, "INSERT INTO revisions VALUES(?, ?, ?);");
        Insert lines(m_db, "INSERT INTO revisions_cmp VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        const int count = Count(10, 2);
        for (int n = 1; n <= count; ++n) {
            const QString date = day(QDate(2016 + n % 10, 12, 31));
            if (!main.Row({static_cast<long long>(n), date, QString("годишна ревизия %1").arg(n)}))
                return false;
            for (int k = 0; k < std::min<int>(200, static_cast<int>(m_items.size())); ++k) {
                const Item& i = m_items[static_cast<size_t>(k)];
                if (i.service || i.hidden)
                    continue;
                if (!lines.Row({static_cast<long long>(n), date, i.code, i.name, i.group, QString("Група"),
                                i.units, 10.0, 10.0, i.cost}))
                    return false;
            }
        }
        return true;
    }

    bool Cash() {
        Insert insert(m_db, "INSERT INTO cash_register VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
        const int count = Count(10000, 20);
        for (int n = 1; n <= count; ++n) {
            const QString date = day(DayOf(n, count));
            const bool expense = n % 3 == 0;
            const Partner& p = (expense ? m_suppliers : m_customers)[static_cast<size_t>(
                Pick(static_cast<int>((expense ? m_suppliers : m_customers).size())))];
            if (!insert.Row({static_cast<long long>(n), static_cast<long long>(expense), QString("плащане"),
                             date, date, QString("операция %1").arg(n), p.id, round2(Between(5, 2000)), 0LL,
                             static_cast<long long>(n % 5 == 0)}))
                return false;
        }
        return true;
    }

    // The stock of every item is what its movements left.
    bool Stock() {
        sqlite3_stmt* update = nullptr;
        if (sqlite3_prepare_v2(m_db, "UPDATE stocks SET quantity = ? WHERE code = ?;", -1, &update,
                               nullptr) != SQLITE_OK)
            return false;
        bool ok = true;
        for (size_t k = 0; k < m_items.size() && ok; ++k) {
            const Item& i = m_items[k];
            const double quantity = i.service ? 0 : m_stock[k];
            const QByteArray code = i.code.toUtf8();
            sqlite3_bind_double(update, 1, quantity);
            sqlite3_bind_text(update, 2, code.constData(), static_cast<int>(code.size()), SQLITE_TRANSIENT);
            ok = sqlite3_step(update) == SQLITE_DONE;
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        return ok;
    }

    // Some used items and groups are deleted, as firms do.
    bool Deletions() {
        return Exec("DELETE FROM stocks WHERE rowid IN (SELECT rowid FROM stocks WHERE is_recipe = 0 AND "
                    "is_service = 0 ORDER BY code LIMIT 3);") &&
               Exec("DELETE FROM groups WHERE id IN (SELECT id FROM groups ORDER BY id DESC LIMIT 2);");
    }

    sqlite3* m_db;
    double m_scale;
    std::mt19937 m_random;
    int m_groups = 0;
    std::vector<Item> m_items;
    std::vector<double> m_stock;
    std::vector<Partner> m_customers;
    std::vector<Partner> m_suppliers;
    std::vector<InvoicedNote> m_invoicedNotes;
};

} // namespace

bool GenerateFirm(Connection& connection, double scale, unsigned seed) {
    sqlite3* db = connection.Handle();
    if (!db) {
        // A firm on a server is made in a file first and then copied over.
        QTemporaryDir folder;
        const QString file = folder.filePath("tarvo.db");
        Connection made;
        ThreadSleeper sleeper;
        ConsolePrompter prompter;
        if (!folder.isValid() || CreateDatabase(file, made, sleeper, prompter) != CreationResult::Created ||
            !GenerateFirm(made, scale, seed))
            return false;
        return CopyFirm(made, connection, nullptr, true).isEmpty();
    }
    Generator generator(db, scale, seed);
    if (generator.Run())
        return true;
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    return false;
}
