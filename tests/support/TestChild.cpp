// A second copy of the program's own classes in a separate process, driven by
// the tests that need two real processes: the single running copy, two
// writers on one database file, and two clerks racing for the same check.
#include "app/InitCommand.h"
#include "app/SingleInstance.h"
#include "base/Clock.h"
#include "base/ConsolePrompter.h"
#include "base/DirectoryChooser.h"
#include "base/ProcessExit.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "db/DatabaseArchive.h"
#include "db/SeatLock.h"
#include "db/WriteTransaction.h"
#include "masterdata/Catalogue.h"
#include "masterdata/ItemForm.h"
#include "masterdata/PartnerStore.h"
#include "masterdata/PartnersForm.h"
#include "sales/SaleFakes.h"
#include "sales/SellForm.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "stockops/DeliveryFakes.h"
#include "stockops/DeliveryForm.h"
#include "stockops/ProductionForm.h"
#include "support/ScriptedNumbers.h"
#include "support/YesPrompter.h"

#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <vector>

namespace {

// Waits until the parent writes a line or closes the pipe.
void waitForParent() {
    std::string line;
    std::getline(std::cin, line);
}

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

int holdInstance(const QString& lockPath) {
    ConsolePrompter prompter;
    SingleInstance instance(lockPath);
    if (!instance.Acquire(prompter))
        return 3;
    say("locked");
    waitForParent();
    return 0;
}

int tryInstance(const QString& lockPath) {
    ConsolePrompter prompter;
    SingleInstance instance(lockPath);
    return instance.Acquire(prompter) ? 0 : 3;
}

// Writes `count` rows, each in its own transaction that first reads and then
// writes: the pattern that deadlocks two copies when the write lock is only
// asked for at the first write.
int writer(const QString& path, const QString& label, int count, RetryPolicy policy) {
    Connection connection;
    if (connection.Open(path, false).Failed())
        return 2;
    FixedConnectionSource source(connection);
    ThreadSleeper sleeper;
    ConsolePrompter prompter;
    Database db(source, sleeper, prompter, policy);
    for (int i = 0; i < count; ++i) {
        WriteTransaction transaction(db);
        if (!transaction.Begin())
            return 4;
        ResultTable table;
        if (db.QueryWithRetry("SELECT COUNT(*) FROM units;", table).Failed())
            return 5;
        if (!transaction.ExecPrintf("INSERT INTO units VALUES(?);", QString("%1 %2").arg(label).arg(i)) ||
            !transaction.ExecPrintf("INSERT INTO groups (name, parent_id) VALUES(?, ?);", label, i) ||
            !transaction.Commit())
            return 6;
    }
    return 0;
}

// Marks the file as used, as a running window does, until the parent says go.
int holdSeat(const QString& path) {
    SeatLock seat;
    if (!seat.Share(path))
        return 2;
    say("ready");
    waitForParent();
    return 0;
}

// A restore that stops just before the new file is renamed into place and
// waits there until the parent kills it.
int restoreAndStop(const QString& archive, const QString& path) {
    const QString error = RestoreDatabase(
        archive, path,
        [] {
            say("ready");
            std::this_thread::sleep_for(std::chrono::seconds(60));
        },
        nullptr);
    return error.isEmpty() ? 0 : 3;
}

// Holds the write lock with one row written until the parent says go, then commits.
int holdWrite(const QString& path) {
    Connection connection;
    if (connection.Open(path, false).Failed())
        return 2;
    if (connection.Exec("BEGIN IMMEDIATE; INSERT INTO units VALUES('holder');").Failed())
        return 5;
    say("holding");
    waitForParent();
    return connection.Exec("COMMIT;").Failed() ? 6 : 0;
}

// A seat of the program on the file, whose clerk answers Yes to every question.
struct Seat {
    Connection connection;
    std::unique_ptr<FixedConnectionSource> source;
    ThreadSleeper sleeper;
    YesPrompter prompter;
    std::unique_ptr<Database> db;

    // Every read takes a little longer than on a quiet machine, so that the
    // other seat gets a chance to act between a check and the write after it.
    static int SlowReads(unsigned, void*, void* statement, void*) {
        if (sqlite3_stmt_readonly(static_cast<sqlite3_stmt*>(statement)))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return 0;
    }

    bool Open(const QString& path) {
        if (connection.Open(path, false).Failed())
            return false;
        if (connection.Handle())
            sqlite3_trace_v2(connection.Handle(), SQLITE_TRACE_PROFILE, &Seat::SlowReads, nullptr);
        source = std::make_unique<FixedConnectionSource>(connection);
        db = std::make_unique<Database>(*source, sleeper, prompter, RetryPolicy{2500, 2});
        return true;
    }
};

// Tells the parent it is ready and waits for the word to start, so that two
// children race for the same check.
void startTogether() {
    say("ready");
    waitForParent();
}

// Each racing command works through `count` names or codes ("<base> 0",
// "<base> 1", ...) as fast as it can while the other child does the same, and
// prints how many of its saves succeeded. A negative count walks the same
// names from the last to the first, so the two children meet half-way.
std::vector<int> order(int count) {
    std::vector<int> numbers;
    for (int step = 0; step < std::abs(count); ++step)
        numbers.push_back(count < 0 ? -count - 1 - step : step);
    return numbers;
}

int report(int won) {
    std::printf("won %d\n", won);
    std::fflush(stdout);
    return 0;
}

int createPartners(const QString& path, const QString& base, int count) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    class Editor : public PartnerEditor {
    public:
        QString name;
        bool EditPartner(Partner& record, const Save& save) override {
            record.name = name;
            record.isCustomer = 1;
            return save(record);
        }
    } editor;
    PartnersForm form(*seat.db, seat.prompter);
    startTogether();
    int won = 0;
    for (int i : order(count)) {
        editor.name = QString("%1 %2").arg(base).arg(i);
        won += form.Create(editor) >= 0;
    }
    return report(won);
}

int createItems(const QString& path, const QString& base, int count) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    startTogether();
    int won = 0;
    for (int i : order(count)) {
        ItemForm form(*seat.db, seat.prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item());
        ItemForm::Fields fields;
        fields.code = QString("%1%2").arg(base).arg(i);
        fields.name = "Артикул " + fields.code;
        fields.group = 1;
        fields.units = "бр.";
        won += form.Save(fields) == ItemForm::Field::None;
    }
    return report(won);
}

int deleteItems(const QString& path, const QString& base, int count) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    LocalSettings settings(path + ".ini");
    Catalogue catalogue(*seat.db, seat.prompter, settings);
    startTogether();
    int won = 0;
    for (int i : order(count)) {
        if (!catalogue.Reload())
            return 2;
        const QString code = QString("%1%2").arg(base).arg(i);
        for (size_t row = 0; row < catalogue.Rows().size(); ++row)
            if (catalogue.Rows()[row].item.code == code)
                won += catalogue.Delete(static_cast<int>(row));
    }
    return report(won);
}

// Opens the recipe of owner as the product dialog does and saves it with one
// more component, for each code in turn.
int addComponents(const QString& path, const QString& owner, const QString& base, int count) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    startTogether();
    int won = 0;
    for (int i : order(count)) {
        Item source;
        RecipeEditor recipe(*seat.db, seat.prompter);
        if (!LoadItem(*seat.db, owner, source) || !recipe.Load(owner))
            return 2;
        std::vector<ComponentLine> lines = recipe.Lines();
        const QString code = QString("%1%2").arg(base).arg(i);
        lines.push_back({code, code, "бр.", 1, 0, 0});
        ItemForm form(*seat.db, seat.prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, source);
        won += form.Save(form.Initial(), lines) == ItemForm::Field::None;
    }
    return report(won);
}

// A seat that finds no database and answers Yes to creating one (as two
// computers may at the same moment), then writes a partner into whatever
// database it opened.
int createAndWrite(const QString& directory, const QString& name) {
    class NoChooser : public DirectoryChooser {
    public:
        QString ChooseDirectory(const QString&, const QString&) override { return QString(); }
    } chooser;
    class RecordingExit : public ProcessExit {
    public:
        void Exit(int status) override { std::exit(10 + status); }
    } exit;
    YesPrompter prompter;
    ThreadSleeper sleeper;
    LocalSettings settings(directory + "/" + name + ".ini");
    CTarvoDoc doc(SessionServices{prompter, exit, sleeper, settings, chooser}, directory,
                  RetryPolicy{2500, 2});
    startTogether();
    if (!doc.GetDatabase())
        return 1;
    Partner partner;
    partner.name = name;
    return PartnerStore(doc.Db()).Insert(partner) ? 0 : 1;
}

// A clerk at the sale form of a seat, with settings of its own.
struct SaleSeat {
    Seat seat;
    std::unique_ptr<LocalSettings> settings;
    SystemClock clock;
    std::unique_ptr<SellForm> form;
    ScriptedDocuments documents;
    ScriptedPartners partners;
    ScriptedDetails details;
    RecordingSalePrinter printer;

    bool Open(const QString& path, int number) {
        if (!seat.Open(path))
            return false;
        settings = std::make_unique<LocalSettings>(path + QString(".%1.ini").arg(number));
        form = std::make_unique<SellForm>(*seat.db, seat.prompter, *settings, clock);
        return true;
    }
    // Saves once the other seat is ready too: 0 when saved, 1 when not.
    int SaveTogether() {
        startTogether();
        return form->Save(details, printer) ? 0 : 1;
    }
};

// Sells `quantity` of an item to partner 1 under the given goods-note number,
// as a clerk does on the sale form.
int sell(const QString& path, int number, const QString& code, double quantity) {
    SaleSeat clerk;
    if (!clerk.Open(path, number))
        return 2;
    SellForm& form = *clerk.form;
    ScriptedItems items;
    ScriptedLines lines;
    ScriptedPartners& partners = clerk.partners;
    ScriptedDetails& details = clerk.details;
    form.NewOperation(SaleOp::GoodsNote, clerk.documents);
    form.SetNumberText(QString::number(number));
    partners.ids.push_back(1);
    items.codes.push_back(code);
    lines.replies.push_back({quantity, -1, 0});
    details.edits.push_back([](SaleDetails& d) {
        d.givenBy = d.receivedBy = d.compiledBy = "Иван";
        d.place = d.object = "Русе";
    });
    if (!form.ChooseCustomer(partners) || !form.AddLine(items, lines) || !form.EditDetails(details))
        return 2;
    return clerk.SaveTogether();
}

// Invoices goods note `note` (code 7) under the given invoice number.
int invoiceNote(const QString& path, int note, int number) {
    SaleSeat clerk;
    if (!clerk.Open(path, number))
        return 2;
    clerk.documents.choices.push_back({note, QString(), QDate(), QString(), {}});
    if (!clerk.form->InvoiceEarlier(SaleOp::InvoiceForNote, clerk.documents, clerk.partners))
        return 2;
    clerk.form->SetNumberText(QString::number(number));
    return clerk.SaveTogether();
}

// Delivers `quantity` of an item at `price` from partner 1 under the given
// number, as a clerk does on the delivery form; a taken number is answered
// Yes, so the next free one is used.
int deliver(const QString& path, int number, const QString& code, double quantity, double price) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    QTemporaryDir home; // each seat its own settings, whatever the firm's location
    LocalSettings settings(home.filePath("tarvo.ini"));
    SystemClock clock;
    DeliveryForm form(*seat.db, seat.prompter, settings, clock);
    form.Start();
    form.SetNumber(number);
    ScriptedPartners partners;
    ScriptedItems items;
    ScriptedDeliveryLines lines;
    RecordingDeliveryPrinter printer;
    partners.ids.push_back(1);
    items.codes.push_back(code);
    lines.replies.push_back({quantity, price, false});
    form.SetReceivedBy("Иван");
    if (!form.ChooseSupplier(partners) || !form.AddLine(items, lines))
        return 2;
    startTogether();
    if (!form.Save(printer))
        return 1;
    say(QString("saved %1").arg(form.Header().docId).toUtf8().constData());
    return 0;
}

// A shop's seat saving as fast as it can for `seconds`: in turn a goods note
// of one G1, a delivery of one G1 and the production of one P1, each under
// the number its form proposes (a number another seat took meanwhile is
// answered Yes: the next free one). Prints how many of each were saved.
int soak(const QString& path, int seconds) {
    Seat seat;
    if (!seat.Open(path))
        return 2;
    QTemporaryDir home;
    LocalSettings settings(home.filePath("tarvo.ini"));
    SystemClock clock;
    startTogether();
    int sold = 0, delivered = 0, produced = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (int round = 0; std::chrono::steady_clock::now() < end; ++round) {
        ScriptedItems items;
        if (round % 3 == 0) {
            SellForm form(*seat.db, seat.prompter, settings, clock);
            ScriptedDocuments documents;
            ScriptedPartners partners;
            ScriptedLines lines;
            ScriptedDetails details;
            RecordingSalePrinter printer;
            partners.ids.push_back(1);
            items.codes.push_back("G1");
            lines.replies.push_back({1, -1, 0});
            details.edits.push_back([](SaleDetails& d) {
                d.givenBy = d.receivedBy = d.compiledBy = "Иван";
                d.place = d.object = "Русе";
            });
            if (!form.NewOperation(SaleOp::GoodsNote, documents) || !form.ChooseCustomer(partners) ||
                !form.AddLine(items, lines) || !form.EditDetails(details))
                return 2;
            sold += form.Save(details, printer);
        } else if (round % 3 == 1) {
            DeliveryForm form(*seat.db, seat.prompter, settings, clock);
            form.Start();
            ScriptedPartners partners;
            ScriptedDeliveryLines lines;
            RecordingDeliveryPrinter printer;
            partners.ids.push_back(1);
            items.codes.push_back("G1");
            lines.replies.push_back({1, 2, false});
            form.SetReceivedBy("Иван");
            if (!form.ChooseSupplier(partners) || !form.AddLine(items, lines))
                return 2;
            delivered += form.Save(printer);
        } else {
            ProductionForm form(*seat.db, seat.prompter, clock);
            form.Start();
            form.SetOperator("Иван");
            ScriptedNumbers numbers;
            items.codes.push_back("P1");
            numbers.answers.push_back(1);
            if (!form.AddProduct(items, numbers))
                return 2;
            produced += form.Save();
        }
    }
    std::printf("sold %d delivered %d produced %d\n", sold, delivered, produced);
    std::fflush(stdout);
    return 0;
}

int init(const QString& directory) {
    ConsolePrompter prompter;
    ThreadSleeper sleeper;
    startTogether();
    return RunInitCommand(directory, prompter, sleeper);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 64;
    const std::string command = argv[1];
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (command == "hold-instance")
        return holdInstance(target);
    if (command == "try-instance")
        return tryInstance(target);
    if (command == "hold-seat")
        return holdSeat(target);
    if (command == "restore-and-stop" && argc >= 4)
        return restoreAndStop(target, QString::fromLocal8Bit(argv[3]));
    if (command == "hold-write")
        return holdWrite(target);
    if (command == "writer" && argc >= 5)
        return writer(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]), RetryPolicy{2500, 2});
    if (command == "create-and-write" && argc >= 4)
        return createAndWrite(target, QString::fromLocal8Bit(argv[3]));
    if (command == "sell" && argc >= 6)
        return sell(target, std::atoi(argv[3]), QString::fromLocal8Bit(argv[4]), std::atof(argv[5]));
    if (command == "invoice-note" && argc >= 5)
        return invoiceNote(target, std::atoi(argv[3]), std::atoi(argv[4]));
    if (command == "deliver" && argc >= 7)
        return deliver(target, std::atoi(argv[3]), QString::fromLocal8Bit(argv[4]), std::atof(argv[5]),
                       std::atof(argv[6]));
    if (command == "soak" && argc >= 4)
        return soak(target, std::atoi(argv[3]));
    if (command == "init")
        return init(target);
    if (command == "create-partners" && argc >= 5)
        return createPartners(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (command == "create-items" && argc >= 5)
        return createItems(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (command == "delete-items" && argc >= 5)
        return deleteItems(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (command == "add-components" && argc >= 6)
        return addComponents(target, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                             std::atoi(argv[5]));
    if (command == "impatient-writer" && argc >= 5)
        return writer(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]), RetryPolicy{3, 2});
    return 64;
}
