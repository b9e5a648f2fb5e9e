#include "toolkit/core/IntConvert.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalAndHexadecimalWithBlanksAndSignOverTheWholeSigned32BitRange) {
    const std::pair<const char*, int> przypadki[] = {
        {"0", 0}, {"1000", 1000}, {"   25", 25}, {"-5", -5}, {"+7", 7}, {"007", 7},
        // Hexadecimal after "$" or "x".
        {"$1F", 31}, {"x1f", 31}, {"X10", 16}, {"0x10", 16}, {"0XfF", 255}, {"-$10", -16},
        {"$7FFFFFFF", 2147483647}, {"-0x80000000", -2147483647 - 1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [tekst, wartosc] : przypadki)
        EXPECT_EQ(StrToInt(tekst), wartosc) << tekst;
}

TEST(StrToInt, RejectsWithTheConversionMessageWhatIsNoNumberOrOutsideTheRangeInEveryNotation) {
    const char* przypadki[] = {
        "", "abc", "12 ", "1,5", "   ", "-", "$", "0x", "$G", "12a", "\t5",
        "2147483648", "-2147483649",
        // Not the bit pattern: "$FFFFFFFF" would otherwise read as -1.
        "$80000000", "$FFFFFFFF", "-x80000001", "0x1FFFFFFFF", "99999999999999999999999999",
    };
    for (const char* tekst : przypadki)
        EXPECT_EQ(errorMessage([&] { StrToInt(tekst); }), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(tekst)));
}
