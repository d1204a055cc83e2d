#include "format/Rounding.h"

#include "format/FormatNumber.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundHalfUp, HalvesGoUpAlsoForNegativeNumbers) {
    EXPECT_EQ(RoundHalfUp(1.5, 0), 2);
    EXPECT_EQ(RoundHalfUp(2.5, 0), 3);
    EXPECT_EQ(RoundHalfUp(-2.5, 0), -2);
    EXPECT_EQ(RoundHalfUp(-2.51, 0), -3);
    EXPECT_EQ(RoundHalfUp(0.125, 2), 0.13);
    EXPECT_EQ(RoundHalfUp(3.14159, 3), 3.142);
    EXPECT_EQ(RoundHalfUp(1234567.125, 2), 1234567.13);
}

TEST(RoundHalfUp, DecimalsThatBinaryCannotHoldRoundAsWritten) {
    // Each of these is stored a hair below its half; the firm wrote the half.
    EXPECT_EQ(RoundHalfUp(2.675, 2), 2.68);
    EXPECT_EQ(RoundHalfUp(1.005, 2), 1.01);
    EXPECT_EQ(RoundHalfUp(8.345, 2), 8.35);
    EXPECT_EQ(RoundHalfUp(0.285 * 100, 0), 29);
    EXPECT_EQ(RoundHalfUp(-2.675, 2), -2.67);
    // Clearly below the half stays below.
    EXPECT_EQ(RoundHalfUp(1.0049999, 2), 1.0);
    EXPECT_EQ(RoundHalfUp(2.67499, 2), 2.67);
    // Sums of many tenths.
    double sum = 0;
    for (int i = 0; i < 1000; ++i)
        sum += 0.1;
    EXPECT_EQ(RoundHalfUp(sum, 2), 100.0);
    EXPECT_EQ(RoundHalfUp(0.1 + 0.2, 2), 0.3);
    double halves = 0;
    for (int i = 0; i < 7; ++i)
        halves += 0.145; // 1.015
    EXPECT_EQ(RoundHalfUp(halves, 2), 1.02);
}

TEST(FormatNumber, WritesTheRoundedValueWithTheGivenDecimals) {
    EXPECT_EQ(FormatNumber(1.5, 0), "2");
    EXPECT_EQ(FormatNumber(-2.5, 0), "-2");
    EXPECT_EQ(FormatNumber(3.14159, 3), "3.142");
    EXPECT_EQ(FormatNumber(3.14159, 7), "3.14");
    EXPECT_EQ(FormatNumber(3.14159, -1), "0.00"); // rounded to tens, written with two decimals
    EXPECT_EQ(FormatNumber(15, -1), "20.00");
    EXPECT_EQ(FormatNumber(2.675, 2), "2.68");
    EXPECT_EQ(FormatNumber(2.675, 7), "2.68"); // the same on every document
    EXPECT_EQ(FormatNumber(12, 5), "12.00000");
    EXPECT_EQ(FormatNumber(0.1234, 1), "0.1");
    EXPECT_EQ(FormatNumber(-0.4, 0), "0");
    EXPECT_EQ(FormatNumber(-0.001, 2), "0.00");
    EXPECT_EQ(FormatNumber(999999.995, 2), "1000000.00");
}

} // namespace
