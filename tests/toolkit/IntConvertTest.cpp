#include "toolkit/core/IntConvert.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

QString conversionError(const QString& text) {
    return errorMessage([&] { StrToInt(text); });
}

} // namespace

TEST(StrToInt, AcceptsDecimalWithBlanksAndSign) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("1000"), 1000);
    EXPECT_EQ(StrToInt("   25"), 25);
    EXPECT_EQ(StrToInt("-5"), -5);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, AcceptsHexadecimalAfterDollarOrX) {
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("x1f"), 31);
    EXPECT_EQ(StrToInt("X10"), 16);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("0XfF"), 255);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(StrToInt("-0x80000000"), -2147483647 - 1);
}

TEST(StrToInt, AcceptsTheWholeSigned32BitRange) {
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsWithTheConversionMessage) {
    EXPECT_EQ(conversionError(""), "'' is not a valid integer value");
    EXPECT_EQ(conversionError("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(conversionError("12 "), "'12 ' is not a valid integer value");
    EXPECT_EQ(conversionError("1,5"), "'1,5' is not a valid integer value");
    EXPECT_EQ(conversionError("   "), "'   ' is not a valid integer value");
    EXPECT_EQ(conversionError("-"), "'-' is not a valid integer value");
    EXPECT_EQ(conversionError("$"), "'$' is not a valid integer value");
    EXPECT_EQ(conversionError("0x"), "'0x' is not a valid integer value");
    EXPECT_EQ(conversionError("$G"), "'$G' is not a valid integer value");
    EXPECT_EQ(conversionError("12a"), "'12a' is not a valid integer value");
    EXPECT_EQ(conversionError("\t5"), "'\t5' is not a valid integer value");
}

TEST(StrToInt, RejectsValuesOutsideTheSigned32BitRangeInEveryNotation) {
    EXPECT_EQ(conversionError("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(conversionError("-2147483649"), "'-2147483649' is not a valid integer value");
    // Not the bit pattern: "$FFFFFFFF" would otherwise read as -1.
    EXPECT_EQ(conversionError("$80000000"), "'$80000000' is not a valid integer value");
    EXPECT_EQ(conversionError("$FFFFFFFF"), "'$FFFFFFFF' is not a valid integer value");
    EXPECT_EQ(conversionError("-x80000001"), "'-x80000001' is not a valid integer value");
    EXPECT_EQ(conversionError("0x1FFFFFFFF"), "'0x1FFFFFFFF' is not a valid integer value");
    EXPECT_EQ(conversionError("99999999999999999999999999"),
              "'99999999999999999999999999' is not a valid integer value");
}
