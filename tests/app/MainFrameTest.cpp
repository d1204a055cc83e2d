#include "app/MainFrame.h"

#include "session/ViewType.h"
#include "support/DatabaseTest.h"

namespace {

// A document form with or without unsaved changes, standing in for the goods note.
class FakeDocumentForm : public DocumentForm {
public:
    bool HasUnsavedChanges() const override { return unsaved; }
    bool unsaved = false;
};

class FakeFirmDataEditor : public FirmDataEditor {
public:
    void EditFirmData() override { ++opened; }
    int opened = 0;
};

class MainFrameTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        frame = std::make_unique<MainFrame>(*doc, prompter);
        frame->SetFirmDataEditor(&editor);
    }
    void StoreFirm(const char* values) {
        ASSERT_TRUE(Db().Exec("DELETE FROM firmdata;"));
        ASSERT_TRUE(Db().Exec(QByteArray("INSERT INTO firmdata VALUES(") + values + ");"));
    }
    FakeFirmDataEditor editor;
    FakeDocumentForm goodsNote;
    std::unique_ptr<MainFrame> frame;
};

TEST_F(MainFrameTest, TheFormThatIsShownAlreadyIsLeftAlone) {
    StoreFirm("'Фирма', '', 'София', '', 'ул. 1', '', 'Иванов', '', '123', '', 0, 20");
    ASSERT_TRUE(frame->OpenForm(ViewType::kSales));
    goodsNote.unsaved = true;
    frame->ViewShown(ViewType::kSales, &goodsNote);

    EXPECT_FALSE(frame->OpenForm(ViewType::kSales));
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(frame->ActiveViewType(), ViewType::kSales);
}

TEST_F(MainFrameTest, LeavingAnUnsavedGoodsNoteAsksOnceAndNoKeepsIt) {
    frame->ViewShown(ViewType::kSales, &goodsNote);
    EXPECT_TRUE(frame->OpenForm(ViewType::kCatalogue)); // nothing unsaved: no question
    EXPECT_EQ(prompter.Count(), 0);

    goodsNote.unsaved = true;
    prompter.Expect(Answer::No);
    EXPECT_FALSE(frame->OpenForm(ViewType::kCatalogue));
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Boxes()[0].text, "В документа има незаписани данни. Ако продължите ще ги загубите.\n"
                                        "Сигурни ли сте, че желаете да продължите?");
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(frame->ActiveViewType(), ViewType::kSales);
    EXPECT_TRUE(goodsNote.unsaved);

    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(frame->SwitchView(ViewType::kStart)); // the form's exit asks the same
    EXPECT_EQ(prompter.Count(), 2);
}

TEST_F(MainFrameTest, SalesAndDeliveriesNeedTheFirmsData) {
    struct Case {
        const char* firm; // the firmdata row, or nullptr for none
        bool complete;
    };
    const Case cases[] = {
        {nullptr, false},
        {"'Фирма', '', 'София', '', 'ул. 1', '', '', '', '123', '', 0, 20", false},    // no mol
        {"'Фирма', '', 'София', '', 'ул. 1', '', 'Иванов', '', '', '', 0, 20", false}, // no tax_id
        {"'Фирма', '', 'София', '', 'ул. 1', '', 'Иванов', '', '123', '', 0, 20", true},
        {"'Фирма', '', 'София', '', 'ул. 1', '', 'Иванов', '', '', 'BG123', 1, 20",
         true}, // VAT: bulstat only
        {"'Фирма', '', 'София', '', 'ул. 1', '', 'Иванов', '', '123', '', 1, 20",
         false}, // VAT without bulstat
        {"'', '', 'София', '', 'ул. 1', '', 'Иванов', '', '123', '', 0, 20", false},
        {"'Фирма', '', '', '', 'ул. 1', '', 'Иванов', '', '123', '', 0, 20", false},
        {"'Фирма', '', 'София', '', '', '', 'Иванов', '', '123', '', 0, 20", false},
    };
    int n = 0;
    for (const Case& c : cases) {
        ++n;
        if (c.firm)
            StoreFirm(c.firm);
        for (int type : {ViewType::kSales, ViewType::kDeliveries}) {
            prompter.Clear();
            editor.opened = 0;
            if (!c.complete)
                prompter.Expect(Answer::Yes);
            EXPECT_EQ(frame->OpenForm(type), c.complete) << "case " << n;
            EXPECT_EQ(prompter.Count(), c.complete ? 0 : 1) << "case " << n;
            EXPECT_EQ(editor.opened, c.complete ? 0 : 1) << "case " << n;
        }
    }
    // No at the question opens nothing; other forms never ask.
    StoreFirm("'Фирма', '', 'София', '', 'ул. 1', '', '', '', '123', '', 0, 20");
    prompter.Clear();
    editor.opened = 0;
    prompter.Expect(Answer::No);
    EXPECT_FALSE(frame->OpenForm(ViewType::kSales));
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(prompter.Boxes()[0].text.startsWith("Програмата установи, че все още не сте въвели"));
    EXPECT_EQ(editor.opened, 0);
    EXPECT_TRUE(frame->OpenForm(ViewType::kPartners));
    EXPECT_EQ(prompter.Count(), 1);
}

} // namespace
