#include "base/Mnemonics.h"

#include <gtest/gtest.h>

namespace {

TEST(Mnemonics, EachCaptionTakesTheFirstLetterNoOneBeforeItTook) {
    const QStringList marked = WithMnemonics({"Справки", "Склад", "спад", "С & Н", "", "1 ред", "сс"});
    EXPECT_EQ(marked, (QStringList{"&Справки", "С&клад", "с&пад", "С && &Н", "", "&1 ред", "сс"}));
    EXPECT_EQ(MnemonicOf(marked[0]), QChar(u'с'));
    EXPECT_EQ(MnemonicOf(marked[3]), QChar(u'н'));
    EXPECT_TRUE(MnemonicOf(marked[6]).isNull()); // no letter left: none rather than a repeat
    EXPECT_TRUE(MnemonicOf("А && Б").isNull());
}

} // namespace
