#include "toolkit/core/DecimalConvert.h"
#include "tests/support/TestHelpers.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

namespace {

QString conversionError(const QString& text) {
    return errorMessage([&] { StrToFloat(text); });
}

// Sets the default locale for one test and puts the previous one back.
class WithLocale {
public:
    explicit WithLocale(const QLocale& locale) : previous_(QLocale()) { QLocale::setDefault(locale); }
    ~WithLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

const QLocale polish(QLocale::Polish, QLocale::Poland);
const QLocale english(QLocale::English, QLocale::UnitedStates);

} // namespace

TEST(StrToFloat, ReadsTheDialogsDefaultsUnderEitherLocale) {
    for (const QLocale& locale : {polish, english}) {
        WithLocale scope(locale);
        EXPECT_DOUBLE_EQ(StrToFloat("0,3"), 0.3) << locale.name().toStdString();
        EXPECT_DOUBLE_EQ(StrToFloat("0,1"), 0.1) << locale.name().toStdString();
        EXPECT_DOUBLE_EQ(StrToFloat("0.3"), 0.3) << locale.name().toStdString();
    }
}

TEST(StrToFloat, AcceptsSignBlanksExponentAndBareSeparators) {
    WithLocale scope(polish);
    EXPECT_DOUBLE_EQ(StrToFloat("1"), 1.0);
    EXPECT_DOUBLE_EQ(StrToFloat("  -2,5"), -2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+0,75"), 0.75);
    EXPECT_DOUBLE_EQ(StrToFloat(",5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5,"), 5.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1e2"), 100.0);
    EXPECT_DOUBLE_EQ(StrToFloat("2,5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(StrToFloat("0000000000000000000000000000000000000001,5"), 1.5);
}

TEST(StrToFloat, RejectsAnythingElseWithTheConversionMessage) {
    WithLocale scope(polish);
    EXPECT_EQ(conversionError(""), "'' is not a valid floating point value");
    EXPECT_EQ(conversionError("abc"), "'abc' is not a valid floating point value");
    for (const char* text : {" ", "-", ",", "1,2,3", "1.2,3", "1 000", "1 ", "0,3x", "1e", "1e+", "e5", "inf", "nan",
                             "0x1p3", "1e999", "--1", "½"}) {
        EXPECT_EQ(conversionError(QString::fromUtf8(text)),
                  QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromUtf8(text)))
            << text;
    }
}

TEST(FormatOneDecimal, UsesThePolishCommaAndRoundsToOneDecimal) {
    WithLocale scope(polish);
    EXPECT_EQ(FormatOneDecimal(12.34), "12,3");
    EXPECT_EQ(FormatOneDecimal(0.96), "1,0");
    EXPECT_EQ(FormatOneDecimal(0.0), "0,0");
    EXPECT_EQ(FormatOneDecimal(12.0), "12,0");
    EXPECT_EQ(FormatOneDecimal(0.04), "0,0");
    EXPECT_EQ(FormatOneDecimal(99.96), "100,0");
    EXPECT_EQ(FormatOneDecimal(1234567.25), "1234567,3");  // no grouping, half away from zero
    EXPECT_EQ(FormatOneDecimal(0.05), "0,1");
    EXPECT_EQ(FormatOneDecimal(0.15), "0,2");
    EXPECT_EQ(FormatOneDecimal(-2.25), "-2,3");
    EXPECT_EQ(FormatOneDecimal(-0.01), "0,0");
    EXPECT_EQ(FormatOneDecimal(1e20), "100000000000000000000,0");
}

TEST(FormatOneDecimal, FollowsTheLocalesSeparator) {
    WithLocale scope(english);
    EXPECT_EQ(FormatOneDecimal(12.34), "12.3");
    EXPECT_EQ(FormatOneDecimal(1234.5), "1234.5");
}

TEST(FormatOneDecimal, NamesValuesThatAreNotNumbers) {
    EXPECT_EQ(FormatOneDecimal(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatOneDecimal(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FormatOneDecimal(std::numeric_limits<double>::quiet_NaN()), "NAN");
}
