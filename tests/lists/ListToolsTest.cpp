#include "base/SaveFileChooser.h"
#include "base/TextInput.h"
#include "lists/CsvExport.h"
#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "lists/SortRules.h"
#include "settings/LocalSettings.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedChoosers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The rule the lists run when a header is clicked.
TEST(SortRules, EachColumnTypeSortsItsOwnWay) {
    using Order = std::vector<int>;
    EXPECT_EQ(SortOrder({"10", "9", "-3"}, SortType::Integer, true), (Order{2, 1, 0}));
    EXPECT_EQ(SortOrder({"10", "9", "-3"}, SortType::Text, true), (Order{2, 0, 1}));
    EXPECT_EQ(SortOrder({"10.25", "2.5", "2.49"}, SortType::Decimal, true), (Order{2, 1, 0}));
    EXPECT_EQ(SortOrder({"10.25", "2.5", "2.49"}, SortType::Decimal, false), (Order{0, 1, 2}));
    // Case is ignored, and equal cells keep their order either way.
    EXPECT_EQ(SortOrder({"ябълка", "Круша", "ЯБЪЛКА"}, SortType::Text, true), (Order{1, 0, 2}));
    EXPECT_EQ(SortOrder({"ябълка", "Круша", "ЯБЪЛКА"}, SortType::Text, false), (Order{0, 2, 1}));
    EXPECT_EQ(SortOrder({"05.03.2024", "28.02.2024", "01.01.2025", "31.12.2024"}, SortType::Date, true),
              (Order{1, 0, 3, 2}));
    // A cell that is no date (or no real date) stays where it is.
    EXPECT_EQ(SortOrder({"05.03.2024", "няма", "28.02.2024"}, SortType::Date, true), (Order{0, 1, 2}));
    EXPECT_EQ(SortOrder({"31.02.2024", "01.01.2000"}, SortType::Date, true), (Order{0, 1}));
    EXPECT_TRUE(SortOrder({}, SortType::Decimal, true).empty());
}

TEST(ListColumns, WidthsFollowTheFontAndNeverClipTheTitle) {
    EXPECT_EQ(ScaledColumnWidth(175, kDesignCharWidth, 40), 175);
    EXPECT_EQ(ScaledColumnWidth(175, 8, 40), 233); // a wider font, a wider column
    EXPECT_EQ(ScaledColumnWidth(30, 8, 60), 60);   // "рег. по ДДС" over a 30-wide column
    EXPECT_EQ(ScaledColumnWidth(0, 8, 60), 0);     // a hidden helper column stays hidden

    EXPECT_EQ(JoinColumnWidths({120, 0, 85}), "120,0,85");
    EXPECT_EQ(SplitColumnWidths("120,0,85", 3), (std::vector<int>{120, 0, 85}));
    EXPECT_TRUE(SplitColumnWidths("120,0,85", 4).empty()); // the list has changed since
    EXPECT_TRUE(SplitColumnWidths("120,x,85", 3).empty());
    EXPECT_TRUE(SplitColumnWidths("", 3).empty());
}

TEST(ListRows, AfterARemovalTheNextRowOrTheNewLastIsSelected) {
    EXPECT_EQ(RowAfterRemoval(2, 5), 2);
    EXPECT_EQ(RowAfterRemoval(4, 4), 3); // the last row went
    EXPECT_EQ(RowAfterRemoval(0, 0), -1);
}

TEST(SortRules, ASecondClickFlipsAndAnotherColumnStartsAscending) {
    SortState state;
    EXPECT_TRUE(state.Click(2));
    EXPECT_FALSE(state.Click(2));
    EXPECT_TRUE(state.Click(2));
    EXPECT_TRUE(state.Click(0));
    EXPECT_EQ(state.Column(), 0);
    EXPECT_FALSE(state.Click(0));
}

TEST(SearchText, F3AsksPrefilledAndRowsMatchByCodeOrName) {
    SearchText search;
    ScriptedTextInput input;
    EXPECT_TRUE(search.Matches("A1", "нещо"));
    input.answer = QString("кабел");
    EXPECT_TRUE(search.Ask(input));
    input.answer = std::nullopt;
    EXPECT_FALSE(search.Ask(input)); // cancel keeps the text
    EXPECT_EQ(search.Text(), "кабел");
    EXPECT_EQ(input.titles, (QStringList{"ТЪРСЕНЕ", "ТЪРСЕНЕ"}));
    EXPECT_EQ(input.initials, (QStringList{"", "кабел"}));
    EXPECT_TRUE(search.Matches("X", "КАБЕЛ ШВПС"));
    EXPECT_TRUE(search.Matches("кабел-1", ""));
    EXPECT_FALSE(search.Matches("X", "контакт"));
    search.Clear();
    EXPECT_TRUE(search.Matches("X", "контакт"));
}

// Reads a CSV text back as a spreadsheet program does.
std::vector<QStringList> parseCsv(const QString& text, QChar separator) {
    std::vector<QStringList> rows(1);
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            rows.back() << field;
            field.clear();
        } else if (c == '\r') {
        } else if (c == '\n') {
            rows.back() << field;
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (rows.back().isEmpty() && field.isEmpty())
        rows.pop_back();
    return rows;
}

TEST(CsvExport, AwkwardFieldsSurviveTheRoundTrip) {
    QTemporaryDir dir;
    LocalSettings settings(dir.filePath("s.ini"));
    ScriptedPrompter prompter;
    ScriptedSaveFile chooser;
    const QStringList titles = {"код", "име", "цена"};
    const std::vector<QStringList> rows = {
        {"A;1", "Кабел \"НН\"\nвтори ред", "12.50"},
        {"B", "обикновен", ""},
        {"\"", ";", "1;2"},
    };

    chooser.path = dir.filePath("списък.csv");
    EXPECT_EQ(ExportListToCsv(titles, rows, settings, prompter, chooser),
              "Записани са 3 реда в " + chooser.path);
    QFile file(chooser.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const auto back = parseCsv(QString::fromUtf8(bytes.mid(3)), ';');
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back[0], titles);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(back[i + 1], rows[i]);

    EXPECT_EQ(CsvLine({"a,b", "c"}, ","), "\"a,b\",c");
    EXPECT_EQ(CsvLine({"a;b", "c"}, ","), "a;b,c");
    EXPECT_EQ(CsvLine({"x", "y"}, "\t"), "x\ty");

    chooser.path.clear(); // cancelled
    EXPECT_TRUE(ExportListToCsv(titles, rows, settings, prompter, chooser).isEmpty());
    chooser.path = dir.filePath("няма/списък.csv");
    EXPECT_TRUE(ExportListToCsv(titles, rows, settings, prompter, chooser).isEmpty());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Texts()[0].startsWith("Файлът"));
}

} // namespace
