// The locale helper: the decimal mark of LC_NUMERIC, numbers to text and back.
#include "core/Locale.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "support/ScopedLocale.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::forEachRow;
using test::kCommaLocale;
using test::kPointLocale;
using test::ScopedLocale;

// Expected texts are written with "."; this puts in the mark of the locale in force.
std::string withMark(std::string text) {
    for (char& c : text)
        if (c == '.') c = decimalMark();
    return text;
}

// ---------------------------------------------------------------------------------------
// Decimal mark

TEST(DecimalMark, PointLocaleGivesPoint) {
    ScopedLocale numeric(kPointLocale);
    ASSERT_TRUE(numeric.ok());
    EXPECT_EQ(decimalMark(), '.');
}

TEST(DecimalMark, CommaLocaleGivesComma) {
    ScopedLocale numeric(kCommaLocale);
    ASSERT_TRUE(numeric.ok());
    EXPECT_EQ(decimalMark(), ',');
}

TEST(DecimalMark, FollowsLcNumericAlone) {
    // Only the numeric category counts: a German time or message locale changes nothing.
    ScopedLocale all("C", LC_ALL);
    ScopedLocale time(kCommaLocale, LC_TIME);
    ASSERT_TRUE(all.ok() && time.ok());
    EXPECT_EQ(decimalMark(), '.');
    ScopedLocale numeric(kCommaLocale);
    ASSERT_TRUE(numeric.ok());
    EXPECT_EQ(decimalMark(), ',');
}

TEST(DecimalMark, IsTheMarkTheCLibraryPrints) {
    // Text written with the C library's own formatting must read back with this mark.
    for (const char* name : {kPointLocale, kCommaLocale, "en_US.UTF-8"}) {
        ScopedLocale numeric(name);
        ASSERT_TRUE(numeric.ok()) << name;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%g", 1.0 / 2);
        EXPECT_EQ(decimalMark(), buf[1]) << name;
    }
}

TEST(DecimalMark, RestoredWithTheLocale) {
    const char before = decimalMark();
    {
        ScopedLocale numeric(before == '.' ? kCommaLocale : kPointLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_NE(decimalMark(), before);
    }
    EXPECT_EQ(decimalMark(), before);
}

// ---------------------------------------------------------------------------------------
// formatNumber: shortest text with at most N significant digits, no thousands separator,
// exponent written as the automation run-time writes it ("1E+20").

struct FormatRow {
    const char* name;
    double value;
    int significant;
    const char* expected;  // with "." for the locale's mark
};

void checkFormatNumber(const FormatRow& row) {
    EXPECT_EQ(formatNumber(row.value, row.significant), withMark(row.expected));
}

TEST(FormatNumber, ShortestTextInTheLocaleFormat) {
    forEachRow<FormatRow>(
        {FormatRow{"Half", 0.5, 15, "0.5"}, FormatRow{"NegativeHalf", -0.5, 15, "-0.5"},
         FormatRow{"Zero", 0.0, 15, "0"}, FormatRow{"NegativeZero", -0.0, 15, "0"},
         FormatRow{"Integer", 100.0, 15, "100"}, FormatRow{"NoTrailingZeros", 2.50, 15, "2.5"},
         FormatRow{"NoThousandsSeparator", 1234567.25, 15, "1234567.25"},
         FormatRow{"Third", 1.0 / 3, 15, "0.333333333333333"},
         FormatRow{"FifteenDigitsRounded", 0.1234567890123456, 15, "0.123456789012346"},
         FormatRow{"BinaryNoiseHidden", 0.1 + 0.2, 15, "0.3"},
         FormatRow{"SingleNoiseHidden", static_cast<double>(0.1f), 7, "0.1"},
         // Fifteen digits still print in full; the sixteenth switches to an exponent.
         FormatRow{"LargestPlain", 1e14, 15, "100000000000000"}, FormatRow{"FirstExponent", 1e15, 15, "1E+15"},
         FormatRow{"LargeExponent", 1e20, 15, "1E+20"}, FormatRow{"SingleLargestPlain", 9999999.0, 7, "9999999"},
         FormatRow{"SingleFirstExponent", 1e7, 7, "1E+07"}, FormatRow{"SmallExponent", 1.5e-7, 15, "1.5E-07"},
         FormatRow{"NegativeExponent", -2.5e20, 15, "-2.5E+20"}},
        checkFormatNumber);
}

TEST(FormatNumberLocale, PointAndCommaExplicitly) {
    {
        ScopedLocale numeric(kPointLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(formatNumber(0.5), "0.5");
        EXPECT_EQ(formatNumber(-1234.125), "-1234.125");
        EXPECT_EQ(formatNumber(2.5e-20), "2.5E-20");
    }
    {
        ScopedLocale numeric(kCommaLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(formatNumber(0.5), "0,5");
        EXPECT_EQ(formatNumber(-1234.125), "-1234,125");  // no "." as thousands separator
        EXPECT_EQ(formatNumber(2.5e-20), "2,5E-20");
    }
}

// ---------------------------------------------------------------------------------------
// formatFixed

struct FixedRow {
    const char* name;
    double value;
    int decimals;
    const char* expected;  // with "." for the locale's mark
};

void checkFormatFixed(const FixedRow& row) { EXPECT_EQ(formatFixed(row.value, row.decimals), withMark(row.expected)); }

TEST(FormatFixed, FixedDecimalsInTheLocaleFormat) {
    forEachRow<FixedRow>(
        {FixedRow{"PadsZeros", 24.0, 1, "24.0"}, FixedRow{"ZeroTwoDecimals", 0.0, 2, "0.00"},
         FixedRow{"RoundsUp", 3.14159, 3, "3.142"}, FixedRow{"NegativeRoundsAway", -1.26, 1, "-1.3"},
         FixedRow{"NoDecimals", 5.0, 0, "5"}, FixedRow{"NoThousandsSeparator", 1234567.891, 2, "1234567.89"},
         // A negative value that rounds to zero prints without a sign.
         FixedRow{"NoMinusZero", -0.04, 1, "0.0"}, FixedRow{"NegativeZero", -0.0, 2, "0.00"},
         FixedRow{"NoMinusZeroNoDecimals", -0.4, 0, "0"}, FixedRow{"SmallestNegativeKept", -0.06, 1, "-0.1"}},
        checkFormatFixed);
}

TEST(FormatFixedLocale, PointAndCommaExplicitly) {
    {
        ScopedLocale numeric(kPointLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(formatFixed(24, 1), "24.0");
        EXPECT_EQ(formatFixed(-0.5, 2), "-0.50");
    }
    {
        ScopedLocale numeric(kCommaLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(formatFixed(24, 1), "24,0");
        EXPECT_EQ(formatFixed(-0.5, 2), "-0,50");
    }
}

// ---------------------------------------------------------------------------------------
// parseNumber

struct ParseRow {
    const char* name;
    const char* text;  // with "." for the locale's mark
    std::optional<double> expected;
};

void checkParseNumber(const ParseRow& row) {
    std::optional<double> got = parseNumber(withMark(row.text));
    ASSERT_EQ(got.has_value(), row.expected.has_value()) << "\"" << withMark(row.text) << "\"";
    if (row.expected) EXPECT_DOUBLE_EQ(*got, *row.expected);
}

TEST(ParseNumber, ReadsNumbers) {
    forEachRow<ParseRow>(
        {ParseRow{"Decimal", "1.5", 1.5}, ParseRow{"BlanksAround", "  1.5  ", 1.5}, ParseRow{"Plus", "+2", 2.0},
         ParseRow{"Minus", "-2.5", -2.5}, ParseRow{"LeadingMark", ".5", 0.5}, ParseRow{"MinusLeadingMark", "-.5", -0.5},
         ParseRow{"TrailingMark", "5.", 5.0}, ParseRow{"LeadingZeros", "007", 7.0}, ParseRow{"Zero", "0", 0.0},
         ParseRow{"Exponent", "1e3", 1000.0}, ParseRow{"ExponentUpperPlus", "1E+3", 1000.0},
         ParseRow{"ExponentMinus", "2.5e-1", 0.25}, ParseRow{"Subnormal", "1e-310", 1e-310}},
        checkParseNumber);
}

TEST(ParseNumber, RejectsWhatIsNoNumber) {
    forEachRow<ParseRow>(
        {ParseRow{"Empty", "", std::nullopt}, ParseRow{"Blanks", "   ", std::nullopt},
         ParseRow{"MarkAlone", ".", std::nullopt}, ParseRow{"SignAlone", "-", std::nullopt},
         ParseRow{"SignThenBlank", "- 1", std::nullopt}, ParseRow{"DoubleSign", "--1", std::nullopt},
         ParseRow{"TrailingSign", "1-", std::nullopt}, ParseRow{"ExponentAlone", "e5", std::nullopt},
         ParseRow{"ExponentWithoutDigits", "1e", std::nullopt},
         ParseRow{"ExponentSignWithoutDigits", "1e+", std::nullopt},
         ParseRow{"FractionalExponent", "1e3.5", std::nullopt}, ParseRow{"TwoMarks", "1.2.3", std::nullopt},
         ParseRow{"BlankInside", "1 000", std::nullopt}, ParseRow{"Hex", "0x10", std::nullopt},
         ParseRow{"Infinity", "inf", std::nullopt}, ParseRow{"NaN", "nan", std::nullopt},
         ParseRow{"Word", "abc", std::nullopt}, ParseRow{"Unit", "1 in", std::nullopt}},
        checkParseNumber);
}

TEST(ParseNumberLocale, OnlyTheLocaleMarkIsADecimalMark) {
    {
        ScopedLocale numeric(kPointLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(parseNumber("1.5"), 1.5);
        EXPECT_EQ(parseNumber("1,5"), std::nullopt);
        EXPECT_EQ(parseNumber("1,000"), std::nullopt);  // no thousands separator either
    }
    {
        ScopedLocale numeric(kCommaLocale);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(parseNumber("1,5"), 1.5);
        EXPECT_EQ(parseNumber("1.5"), std::nullopt);
        EXPECT_EQ(parseNumber("1.000"), std::nullopt);
        EXPECT_EQ(parseNumber(",25"), 0.25);
    }
}

TEST(ParseNumberRange, BeyondADoubleIsInfinite) {
    // The caller's conversion turns infinity into its overflow error.
    EXPECT_EQ(parseNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(parseNumber("-1e400"), -HUGE_VAL);
    // The exponent alone does not decide: a long mantissa can outweigh it.
    EXPECT_EQ(parseNumber("1" + std::string(400, '0') + "e-10"), HUGE_VAL);
}

TEST(ParseNumberRange, BelowTheSmallestDoubleIsZero) {
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("-1e-400"), 0.0);
    EXPECT_EQ(parseNumber(withMark("0." + std::string(400, '0') + "1")), 0.0);
}

TEST(ParseNumberRoundTrip, FormattedNumbersReadBack) {
    // Numbers written into documents are read back under the same locale.
    for (const char* name : {kPointLocale, kCommaLocale}) {
        ScopedLocale numeric(name);
        ASSERT_TRUE(numeric.ok());
        for (double v : {0.1, -0.001, 1234.5678, 1e20, -2.5e-8, 1e15, 123456789012345.0}) {
            std::optional<double> back = parseNumber(formatNumber(v));
            ASSERT_TRUE(back.has_value()) << name << " " << formatNumber(v);
            EXPECT_EQ(*back, v) << name << " " << formatNumber(v);
        }
        for (float f : {0.1f, 1440.18f, -56.7f, 12345.67f}) {
            std::optional<double> back = parseNumber(formatNumber(f, 7));
            ASSERT_TRUE(back.has_value()) << name;
            EXPECT_EQ(static_cast<float>(*back), f) << name << " " << formatNumber(f, 7);
        }
        std::optional<double> fixed = parseNumber(formatFixed(-12.5, 3));
        EXPECT_EQ(fixed, -12.5) << name;
    }
}

// ---------------------------------------------------------------------------------------
// Small text helpers

struct TrimRow {
    const char* name;
    const char* text;
    const char* expected;
};

void checkTrimBlanks(const TrimRow& row) { EXPECT_EQ(trimBlanks(row.text), row.expected); }

TEST(TrimBlanks, TrimsSpacesOnly) {
    forEachRow<TrimRow>({TrimRow{"Both", "  a b  ", "a b"}, TrimRow{"Empty", "", ""}, TrimRow{"OnlyBlanks", "   ", ""},
                         TrimRow{"Nothing", "x", "x"}, TrimRow{"TabsStay", "\tx\t", "\tx\t"},
                         TrimRow{"InnerBlanksStay", "1   in", "1   in"}},
                        checkTrimBlanks);
}

TEST(LowerAscii, LowersAsciiLettersOnly) {
    EXPECT_EQ(lowerAscii("MiXeD 123 @[`{"), "mixed 123 @[`{");
    EXPECT_EQ(lowerAscii("\xC3\x84PFEL"), "\xC3\x84pfel");  // "Ä" keeps its bytes
    EXPECT_EQ(lowerAscii(""), "");
}

TEST(ShortDateToday, FollowsTheTimeLocale) {
    {
        ScopedLocale time("C", LC_TIME);
        ASSERT_TRUE(time.ok());
        EXPECT_THAT(shortDateToday(), ::testing::MatchesRegex("[0-9]{2}/[0-9]{2}/[0-9]{2}"));
    }
    {
        ScopedLocale time(kCommaLocale, LC_TIME);
        ASSERT_TRUE(time.ok());
        EXPECT_THAT(shortDateToday(), ::testing::MatchesRegex("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}"));
    }
}

}  // namespace
}  // namespace kalder
