// Warranty cards: lines split into pieces for their serial numbers and
// merged again, cards made from stored documents, stored and found again.
#include "documents/WarrantyCardForm.h"
#include "documents/WarrantyCardStore.h"
#include "sales/SaleTestBase.h"
#include "support/FailureInjector.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"
#include "trade/DocumentBrowser.h"

#include <QDir>
#include <QFile>

namespace {
// The line dialog: applies an edit and answers OK, or cancels when none is left.
class ScriptedLineEditor : public WarrantyLineEditor {
public:
    bool EditLine(WarrantyLine& line, const QStringList& units) override {
        unitsSeen = units;
        if (edits.empty())
            return false;
        edits.front()(line);
        edits.pop_front();
        return true;
    }
    std::deque<std::function<void(WarrantyLine&)>> edits;
    QStringList unitsSeen;
};

class ScriptedDetailsEditor : public WarrantyDetailsEditor {
public:
    bool EditDetails(WarrantyDetails& details) override {
        details = answer;
        return true;
    }
    WarrantyDetails answer;
};

class WarrantyCardTest : public SaleTest {
protected:
    void SetUp() override {
        SaleTest::SetUp();
        if (IsSkipped())
            return;
        card = std::make_unique<WarrantyCardForm>(Db(), prompter, *settings, clock);
        card->Start();
    }
    // A free line of the code with the quantity (and serial).
    void AddFree(const QString& code, int quantity, const QString& serial = QString()) {
        items.codes.push_back(code);
        editor.edits.push_back([quantity, serial](WarrantyLine& line) {
            line.quantity = quantity;
            line.serial = serial;
        });
        ASSERT_TRUE(card->AddLine(items, editor));
    }
    void Customer(int id) {
        partners.ids.push_back(id);
        ASSERT_TRUE(card->ChooseCustomer(partners));
    }
    std::unique_ptr<WarrantyCardForm> card;
    ScriptedLineEditor editor;
    ScriptedPartners partners;
    ScriptedDocuments cards;
};
} // namespace

TEST_F(WarrantyCardTest, SplitGivesSinglePiecesAndMergeJoinsTwoOfThem) {
    AddFree("G1", 3);
    AddFree("M1", 1);
    EXPECT_TRUE(editor.unitsSeen.contains("бр.") || editor.unitsSeen.isEmpty());
    ASSERT_TRUE(card->Card().lines[0].months == 12);

    EXPECT_FALSE(WarrantyCardForm::MaySplit(card->Card(), {1})); // quantity 1
    EXPECT_FALSE(WarrantyCardForm::MaySplit(card->Card(), {0, 1}));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->Split({0}));
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете да разделите реда на 3 отделни записа?");
    ASSERT_EQ(card->Card().lines.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        const WarrantyLine& piece = card->Card().lines[static_cast<size_t>(i)];
        EXPECT_EQ(WarrantyCardForm::Cells(piece), (QStringList{"G1", "Кабел", "м", "1", "", "12", ""}));
    }
    // Merge: exactly two lines of one code.
    EXPECT_FALSE(WarrantyCardForm::MayMerge(card->Card(), {0}));
    EXPECT_FALSE(WarrantyCardForm::MayMerge(card->Card(), {0, 1, 2}));
    EXPECT_FALSE(WarrantyCardForm::MayMerge(card->Card(), {2, 3}));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->Merge({0, 2}));
    EXPECT_EQ(prompter.Texts().last(),
              "Сигурни ли сте, че желаете да обедините в един, двата маркирани реда с общо количество 2?");
    ASSERT_EQ(card->Card().lines.size(), 3u);
    EXPECT_EQ(card->Card().lines[0].quantity, 2);

    // Two different serial numbers are never merged into one.
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET quantity = 900 WHERE code = 'G1';"));
    AddFree("G1", 1, "SN-1");
    AddFree("G1", 1, "SN-2");
    prompter.Clear();
    EXPECT_FALSE(card->Merge({3, 4}));
    EXPECT_EQ(prompter.Texts(),
              QStringList{"Двата реда имат различни серийни номера и не могат да бъдат обединени."});
    EXPECT_EQ(card->Card().lines.size(), 5u);

    // A split of 500 pieces.
    AddFree("G1", 500);
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->Split({5}));
    EXPECT_EQ(card->Card().lines.size(), 505u);

    // Deleting the chosen lines.
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->DeleteLines({0, 1, 2}));
    EXPECT_EQ(card->Card().lines.size(), 502u);
    EXPECT_EQ(prompter.Texts().last(), "Сигурни ли сте, че желаете да изтриете избраните записи?");
}

TEST_F(WarrantyCardTest, ACardFromADocumentTakesItsLinesRoundedAndOffersItsCustomer) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO partners (partner_id, partner_is_customer, partner_name) VALUES(2, 1, 'Друг клиент');"
        "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, doc_type) VALUES(7, '2026-12-01', 1, 0);"
        "INSERT INTO invoices_items (doc_id, doc_dt, seq_id, item_code, item_name, item_units, quantity) "
        "VALUES(7, '2026-12-01', 1, 'G1', 'Кабел', 'м', 2.6);"
        "INSERT INTO invoices_items (doc_id, doc_dt, seq_id, item_code, item_name, item_units, quantity) "
        "VALUES(7, '2026-12-01', 2, 'M1', 'Мед', 'кг', 0.3);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id) VALUES(3, '2026-12-01', 2);"
        "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_units, quantity) "
        "VALUES(3, '2026-12-01', 1, 'P1', 'Удължител', 'бр.', 1);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id) VALUES(4, '2026-12-01', 99);"));

    cards.choices.push_back({7, QString(), QDate(), QString(), {}});
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->NewFromDocument(WarrantyCard::Invoice, cards));
    EXPECT_EQ(cards.kinds.back(), 3);
    EXPECT_EQ(card->Card().customerName, "Д'Артанян ООД");
    EXPECT_EQ(BaseDocumentText(card->Card()), "КЪМ Ф-РА №: 0000000007");
    ASSERT_EQ(card->Card().lines.size(), 2u);
    EXPECT_EQ(card->Card().lines[0].quantity, 3);
    EXPECT_EQ(card->Card().lines[1].quantity, 1); // 0.3 of a piece is still one piece

    // A goods note of another customer: Yes takes that customer.
    prompter.Expect(Answer::Yes); // unsaved data
    prompter.Expect(Answer::Yes);
    cards.choices.push_back({3, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(card->NewFromDocument(WarrantyCard::GoodsNote, cards));
    EXPECT_EQ(cards.kinds.back(), 1);
    EXPECT_EQ(cards.partners.back(), 1);
    EXPECT_EQ(card->Card().customerName, "Друг клиент");
    EXPECT_EQ(BaseDocumentText(card->Card()), "КЪМ СТ. Р-КА № 0000000003");

    // A document whose partner cannot be found.
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    prompter.Expect(Answer::Yes);
    cards.choices.push_back({4, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(card->NewFromDocument(WarrantyCard::GoodsNote, cards));
    EXPECT_EQ(prompter.Texts().last(), "Грешка: Програмата не успя да извлече името на клиента.");
    EXPECT_EQ(card->Card().customerName, "Друг клиент");
}

TEST_F(WarrantyCardTest, TermAndConditionsComeFromTheSettings) {
    EXPECT_EQ(card->Card().term, 12);
    EXPECT_EQ(BaseDocumentText(card->Card()), "БЕЗ БАЗОВ ДОКУМЕНТ");
    ASSERT_TRUE(Db().Exec("INSERT INTO gk_settings VALUES('gk_term', '24');"));
    ScriptedDetailsEditor cardDetails;
    cardDetails.answer = {"Гаранцията не покрива 'механични' повреди.", WarrantyCard::BelowTable, "/лого"};
    ASSERT_TRUE(card->EditDetails(cardDetails));
    EXPECT_EQ(settings->HeadFileLocation(), "/лого");
    WarrantyCardForm next(Db(), prompter, *settings, clock);
    next.Start();
    EXPECT_EQ(next.Card().term, 24);
    EXPECT_EQ(next.Card().conditions, "Гаранцията не покрива 'механични' повреди.");
    EXPECT_EQ(next.Card().placement, WarrantyCard::BelowTable);
    EXPECT_NE(WarrantyCardForm::HeadFolderProblem(Dir()), "");
}

TEST_F(WarrantyCardTest, SavedLoadedAndSavedAgainHoldsExactlyItsLines) {
    // Nothing to save without a customer and a line.
    EXPECT_FALSE(card->Save());
    Customer(1);
    EXPECT_FALSE(card->Save());
    AddFree("G1", 1, "S'N \"1\" 100%");
    AddFree("M1", 2, "x_y");
    card->SetReceivedBy("О'Нийл");
    ASSERT_TRUE(card->Save());
    EXPECT_EQ(card->Card().number, 1);
    EXPECT_FALSE(card->HasUnsavedChanges());

    cards.choices.push_back({1, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(card->Load(cards));
    EXPECT_EQ(cards.kinds.back(), 11);
    EXPECT_EQ(card->Card().receivedBy, "О'Нийл");
    ASSERT_EQ(card->Card().lines.size(), 2u);
    EXPECT_EQ(card->Card().lines[0].serial, "S'N \"1\" 100%");
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(card->DeleteLines({0}));
    ASSERT_TRUE(card->Save());
    EXPECT_EQ(Scalar("SELECT group_concat(seq_id || ':' || item_serial) FROM gk_items;"), "1:x_y");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM gk_main;"), "1");

    // A save that fails half-way leaves the stored card as it was.
    AddFree("G1", 1, "A");
    {
        FailureInjector failure(doc->GetDatabase(), SQLITE_INSERT, "gk_items", 1);
        EXPECT_FALSE(card->Save());
    }
    EXPECT_EQ(Scalar("SELECT group_concat(seq_id || ':' || item_serial) FROM gk_items;"), "1:x_y");
    EXPECT_TRUE(card->HasUnsavedChanges());

    // A new card shows the next number; when a second form stores a card
    // first, the number is taken again under the lock and nothing collides.
    card->Start();
    EXPECT_EQ(card->Card().number, 2);
    WarrantyCardForm other(Db(), prompter, *settings, clock);
    other.Start();
    EXPECT_EQ(other.Card().number, 2);
    partners.ids.push_back(1);
    ASSERT_TRUE(other.ChooseCustomer(partners));
    items.codes.push_back("G1");
    editor.edits.push_back([](WarrantyLine&) {});
    ASSERT_TRUE(other.AddLine(items, editor));
    ASSERT_TRUE(other.Save());
    Customer(1);
    AddFree("G1", 1, "Б-2");
    ASSERT_TRUE(card->Save());
    EXPECT_EQ(other.Card().number, 2);
    EXPECT_EQ(card->Card().number, 3);
    EXPECT_EQ(Scalar("SELECT group_concat(doc_id) FROM gk_main;"), "1,2,3");
}

TEST_F(WarrantyCardTest, ASerialFragmentFindsEachCardOnce) {
    Customer(1);
    AddFree("G1", 1, "ABC-123-XYZ");
    AddFree("G1", 1, "ABC-124-XYZ");
    ASSERT_TRUE(card->Save());
    DocumentBrowser browser(Db(), DocumentKind::WarrantyCards, 0);
    browser.SearchSerial(true);
    browser.Search().Set("C-12");
    ASSERT_TRUE(browser.Reload());
    EXPECT_EQ(browser.Rows().size(), 1u);
    browser.Search().Set("O'Brien");
    ASSERT_TRUE(browser.Reload());
    EXPECT_TRUE(browser.Rows().empty());
    browser.Search().Set("няма");
    ASSERT_TRUE(browser.Reload());
    EXPECT_TRUE(browser.Rows().empty());
}

// "head.bmp" is found whether the setting names its folder or the file,
// absolute or from the database's directory, in Windows spelling too; a
// missing image gives no path (the card prints without it).
TEST_F(WarrantyCardTest, TheHeadImageIsFoundByFolderOrFile) {
    const QString base = Dir();
    ASSERT_TRUE(QDir(base).mkpath("лого"));
    const auto touch = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM");
    };
    touch(base + "/head.bmp");
    touch(base + "/лого/head.bmp");
    const std::vector<std::pair<QString, QString>> cases = {
        {"./head.bmp", base + "/head.bmp"},
        {".\\head.bmp", base + "/head.bmp"},
        {base + "/лого", base + "/лого/head.bmp"},
        {"лого", base + "/лого/head.bmp"},
        {base + "/лого/head.bmp", base + "/лого/head.bmp"},
        {base + "/няма", ""},
        {"", ""}};
    for (const auto& [location, found] : cases) {
        settings->SetHeadFileLocation(location);
        EXPECT_EQ(QDir::cleanPath(card->HeadImagePath(base)), QDir::cleanPath(found))
            << location.toStdString();
    }
}
