#include "masterdata/GroupsEditor.h"
#include "masterdata/UnitsEditor.h"
#include "support/DatabaseTest.h"

namespace {

class GroupsTest : public DatabaseTest {
protected:
    int IdOf(const char* name) {
        return Scalar(QByteArray("SELECT id FROM groups WHERE name = '") + name + "';").toInt();
    }
};

TEST_F(GroupsTest, TheTreeIsBuiltByNameAndNamesRepeatOnlyUnderOtherParents) {
    GroupsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Create("Стоки", 0));
    ASSERT_TRUE(editor.Create("Материали", 0));
    ASSERT_TRUE(editor.Create("Кабели", IdOf("Стоки")));
    ASSERT_TRUE(editor.Create("Кабели", IdOf("Материали")));
    EXPECT_FALSE(editor.Create("Кабели", IdOf("Стоки")));
    EXPECT_TRUE(prompter.Texts().last().startsWith("Групата не може да бъда съхранена"));
    ASSERT_TRUE(editor.Create("Д'Артанян \"груп\"", IdOf("Стоки")));

    ASSERT_EQ(editor.Tree().size(), 2u);
    EXPECT_EQ(editor.Tree()[0].group.name, "Материали");
    EXPECT_EQ(editor.Tree()[1].group.name, "Стоки");
    ASSERT_EQ(editor.Tree()[1].children.size(), 2u);
    EXPECT_EQ(editor.Tree()[1].children[0].group.name, "Д'Артанян \"груп\"");

    // An edit to a duplicate name is not checked.
    const int second = editor.Tree()[1].children[0].group.id;
    EXPECT_TRUE(editor.Update(second, "Кабели", IdOf("Стоки")));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM groups WHERE name = 'Кабели';"), "3");
}

TEST_F(GroupsTest, AParentMayNotLieInTheGroupsOwnSubtree) {
    GroupsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Create("А", 0));
    ASSERT_TRUE(editor.Create("Б", IdOf("А")));
    ASSERT_TRUE(editor.Create("В", IdOf("Б")));
    ASSERT_TRUE(editor.Create("Друга", 0));
    const int a = IdOf("А");
    EXPECT_FALSE(editor.Validate(a, "А", true, a));
    EXPECT_FALSE(editor.Validate(a, "А", true, IdOf("В")));
    EXPECT_TRUE(editor.Validate(a, "А", true, IdOf("Друга")));
    EXPECT_TRUE(editor.Validate(a, "А", false, 0));
    EXPECT_FALSE(editor.Validate(0, " ", false, 0));
    EXPECT_FALSE(editor.Validate(0, "Нова", true, 0));
    EXPECT_EQ(
        prompter.Texts(),
        (QStringList{"Указаната група не може да бъде подгрупа на себе си!",
                     "Указаната група-родител е невалидна, тъй като е от по-ниско ниво.",
                     "Не сте указали наименование за тази група. Моля, попълнете необходимото поле.",
                     "Указали сте, че \"Нова\" е подгрупа на друга група, но не сте указали на коя.\n"}));
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Stop);
}

TEST_F(GroupsTest, OnlyAnEmptyLeafGroupIsDeleted) {
    GroupsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Create("Горе", 0));
    ASSERT_TRUE(editor.Create("Долу", IdOf("Горе")));
    ASSERT_TRUE(editor.Create("С артикул", 0));
    ASSERT_TRUE(
        Db().ExecPrintf("INSERT INTO stocks (code, stock_group) VALUES('A', ?);", IdOf("С артикул")));
    for (const char* refused : {"Горе", "С артикул"}) {
        prompter.Expect(Answer::Yes);
        EXPECT_FALSE(editor.Delete(IdOf(refused))) << refused;
        EXPECT_TRUE(prompter.Texts().last().startsWith("Групата не може да бъде изтрита"));
    }
    prompter.Expect(Answer::No);
    EXPECT_FALSE(editor.Delete(IdOf("Долу")));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(editor.Delete(IdOf("Долу")));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM groups;"), "2");
}

TEST_F(GroupsTest, TheFilterPassesOnlyTickedGroups) {
    GroupsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Create("Горе", 0));
    ASSERT_TRUE(editor.Create("Долу", IdOf("Горе")));
    ASSERT_TRUE(editor.Create("Встрани", 0));
    GroupFilter filter;
    EXPECT_TRUE(filter.Passes(IdOf("Долу")));
    filter.SetTicked(editor.Tree(), IdOf("Горе"), true, false);
    EXPECT_TRUE(filter.Active());
    EXPECT_TRUE(filter.Passes(IdOf("Горе")));
    EXPECT_FALSE(filter.Passes(IdOf("Долу"))); // a ticked parent does not admit its subgroups
    filter.SetTicked(editor.Tree(), IdOf("Горе"), true, true);
    EXPECT_TRUE(filter.Passes(IdOf("Долу")));
    EXPECT_FALSE(filter.Passes(IdOf("Встрани")));
    filter.TickAll(editor.Tree());
    EXPECT_TRUE(filter.Passes(IdOf("Встрани")));
    filter.Clear();
    EXPECT_FALSE(filter.Active());
}

TEST_F(GroupsTest, AParentLoopInOldDataStillLoads) {
    ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Корен', 0);"
                          "INSERT INTO groups VALUES(2, 'А', 3);"
                          "INSERT INTO groups VALUES(3, 'Б', 2);"));
    std::vector<GroupNode> tree;
    EXPECT_TRUE(LoadGroupTree(Db(), tree));
    EXPECT_EQ(tree.size(), 1u); // the loop hangs from nothing at the top
}

TEST_F(GroupsTest, ANewGroupTellsItsIdAndAGroupIsNamedWithItsParents) {
    GroupsEditor editor(Db(), prompter);
    int top = 0, sub = 0;
    ASSERT_TRUE(editor.Create("Кабели", 0, &top));
    ASSERT_TRUE(editor.Create("Силови", top, &sub));
    EXPECT_GT(top, 0);
    EXPECT_GT(sub, top);
    EXPECT_EQ(editor.PathOf(sub), "Кабели › Силови");
    EXPECT_EQ(editor.PathOf(top), "Кабели");
    EXPECT_EQ(editor.PathOf(999), "");
}

using UnitsTest = DatabaseTest;

TEST_F(UnitsTest, RenamingAUnitRewritesItsItems) {
    UnitsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Save("кг"));
    ASSERT_TRUE(editor.Save("бр."));
    EXPECT_EQ(editor.Units(), (QStringList{"бр.", "кг"}));
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, units) VALUES('A', 'кг');"
                          "INSERT INTO stocks (code, units) VALUES('B', 'бр.');"));
    editor.Select("кг");
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(editor.Save("килограм"));
    EXPECT_EQ(editor.Units(), (QStringList{"бр.", "килограм"}));
    EXPECT_EQ(Scalar("SELECT units FROM stocks WHERE code = 'A';"), "килограм");
    EXPECT_EQ(Scalar("SELECT units FROM stocks WHERE code = 'B';"), "бр.");
    EXPECT_TRUE(editor.Changing().isEmpty());
}

// A clerk who opens the editor and types a unit adds it; only a row picked
// from the list is renamed, and a rename that changes items asks first,
// naming both units and how many items change.
TEST_F(UnitsTest, TypingAddsAndARenameOfUsedUnitsAsksFirst) {
    UnitsEditor editor(Db(), prompter);
    ASSERT_TRUE(editor.Save("бр."));
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, units) VALUES('A', 'бр.');"
                          "INSERT INTO stocks (code, units) VALUES('B', 'бр.');"
                          "INSERT INTO stocks (code, units) VALUES('C', 'м');"));
    ASSERT_TRUE(editor.Save("кг"));
    EXPECT_EQ(editor.Units(), (QStringList{"бр.", "кг"}));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE units = 'бр.';"), "2");
    EXPECT_EQ(prompter.Count(), 0);

    editor.Select("бр.");
    prompter.Expect(Answer::No);
    EXPECT_FALSE(editor.Save("брой"));
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(
        prompter.Boxes()[0].text,
        "Мерната единица 'бр.' ще бъде преименувана на 'брой' в 2 артикула.\nПотвърждавате ли промяната?");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Потвърждение");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE units = 'бр.';"), "2");
    EXPECT_EQ(editor.Changing(), "бр."); // still picked, to try again

    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(editor.Save("брой"));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE units = 'брой';"), "2");
    EXPECT_EQ(Scalar("SELECT units FROM stocks WHERE code = 'C';"), "м");

    // An unused unit is renamed without a question.
    editor.Select("кг");
    EXPECT_TRUE(editor.Save("килограм"));
    EXPECT_EQ(editor.Units(), (QStringList{"брой", "килограм"}));
    EXPECT_EQ(prompter.Count(), 2);
}

TEST_F(UnitsTest, DeletingAUsedUnitNeedsAnotherOne) {
    UnitsEditor editor(Db(), prompter);
    for (const char* unit : {"бр.", "кг", "м", "л"})
        ASSERT_TRUE(editor.Save(unit));
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, units) VALUES('A', 'кг');"));

    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(editor.Delete("л")); // unused: gone at once
    prompter.Expect(Answer::Yes);
    EXPECT_FALSE(editor.Delete("кг"));
    EXPECT_EQ(editor.PendingDeletion(), "кг");
    EXPECT_TRUE(prompter.Texts().last().startsWith("Избраната мерна единица се използва"));
    EXPECT_TRUE(prompter.Texts().last().contains("заместена 'кг'"));
    EXPECT_EQ(prompter.Boxes().back().caption, "Изберете");
    EXPECT_EQ(prompter.Boxes()[prompter.Count() - 2].caption, "Потвърждение");

    EXPECT_FALSE(editor.Delete("кг")); // the same unit ends the procedure
    EXPECT_EQ(prompter.Texts().last(),
              "Не можете да използвате същата мерна единица. Моля, започнете процедурата отначало.");
    EXPECT_TRUE(editor.PendingDeletion().isEmpty());

    prompter.Expect(Answer::Yes);
    EXPECT_FALSE(editor.Delete("кг"));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(editor.Delete("м"));
    EXPECT_TRUE(
        prompter.Boxes().back().text.startsWith("Вие избрахте да изтриете мерната единица 'кг' и да я "
                                                "замените с 'м'"));
    EXPECT_EQ(editor.Units(), (QStringList{"бр.", "м"}));
    EXPECT_EQ(Scalar("SELECT units FROM stocks WHERE code = 'A';"), "м");

    prompter.Expect(Answer::Yes);
    editor.Delete("м");
    EXPECT_TRUE(editor.Refresh());
    EXPECT_TRUE(editor.PendingDeletion().isEmpty());
}

} // namespace
