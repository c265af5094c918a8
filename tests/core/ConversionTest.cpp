// Numbers and text as callers of an automation interface see them: Variant's conversions
// (half-to-even rounding, overflow 6, type mismatch 13, True = -1), the error texts, the
// locale helper's number text both ways, and caller measures in twips. The program runs under a
// "." and under a "," locale; rows write numeric strings with "." for the locale's mark.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "core/Locale.h"
#include "core/Twips.h"
#include "kalder/Enums.h"
#include "kalder/Variant.h"
#include "support/CoreOutcome.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using namespace test;
using V = Variant;

V inLocale(const V& v) { return v.isString() ? V(withMark(v.toString())) : v; }

struct Thing : Object { int id = 7; };
V anObject() { return V(std::shared_ptr<Object>(std::make_shared<Thing>())); }

// The type each constructor holds, and whether it counts as a number (isNumber) or converts
// to one (isNumeric).
TEST(Variant, TypeAndNumberness) {
    struct Row { const char* name; V value; V::Type type; bool number, numeric; };
    using enum V::Type;
    forEachRow<Row>(
        {{"Default", V(), Empty, false, true}, {"Missing", V::missing(), Missing, false, false}, {"Bool", true, Boolean, true, true},
         {"Int16", std::int16_t{3}, Integer, true, true}, {"Int", 3, Long, true, true}, {"LongFits", 5L, Long, true, true},
         // A long keeps 32 bits when it fits and becomes a Double beyond them.
         {"LongLongMax", static_cast<long long>(INT32_MAX), Long, true, true},
         {"LongLongAboveMax", static_cast<long long>(INT32_MAX) + 1, Double, true, true},
         {"LongLongMin", static_cast<long long>(INT32_MIN), Long, true, true},
         {"LongLongBelowMin", static_cast<long long>(INT32_MIN) - 1, Double, true, true},
         {"LongAboveMax", 1L << 40, Double, true, true}, {"Float", 1.5f, Single, true, true},
         {"Double", 1.5, Double, true, true}, {"Date", V::date(45000), Date, true, true},
         {"NumericString", " -1.5e3 ", String, false, true}, {"WordString", "x", String, false, false},
         {"NullCString", static_cast<const char*>(nullptr), String, false, false},
         {"StdString", std::string("1"), String, false, true}, {"View", std::string_view("1"), String, false, true},
         {"Object", anObject(), Object, false, false}, {"Array", V(V::Array{1}), Array, false, false}},
        [](const Row& row) {
            EXPECT_EQ(row.value.type(), row.type);
            EXPECT_EQ(inLocale(row.value).isNumber(), row.number);
            EXPECT_EQ(inLocale(row.value).isNumeric(), row.numeric);
        });
    EXPECT_EQ(V(static_cast<const char*>(nullptr)).toString(), "");
}

TEST(Variant, EqualityObjectsAndArrays) {
    // Equal values of another type are another value.
    for (const auto& [a, b] : {std::pair<V, V>{1, 1.0}, {std::int16_t{1}, 1}, {1.5f, 1.5}, {V(), V::missing()}, {V::date(2), 2.0}})
        EXPECT_FALSE(a == b) << a.toString();
    EXPECT_EQ(V(V::Array{1, "a"}), V(V::Array{1, "a"}));
    auto thing = std::make_shared<Thing>();
    const V v{std::shared_ptr<Object>(thing)};
    EXPECT_EQ(v.toObject().get(), thing.get());
    EXPECT_EQ(v.objectAs<Thing>()->id, 7);
    EXPECT_EQ(v.objectAs<V>(), nullptr);
    EXPECT_EQ(V(V::Array{1, "a", 2.5}).array().at(1), V("a"));
    EXPECT_EQ(outcomeOf([] { return V(1).toObject() != nullptr; }) + outcomeOf([] { return V("a").array().size(); }) +
                  outcomeOf([] { return V().objectAs<Thing>() != nullptr; }),
              "!13!13!13");
}

// Each value through every conversion: "toLong toInteger toSingle toDouble toBool | toString".
// Numbers round half to even; a result beyond the type is error 6, no number at all 13.
TEST(Variant, Conversions) {
    struct Row { const char* name; V value; const char* outcomes; };
    forEachRow<Row>(
        {{"Empty", V(), "0 0 0 0 False | "}, {"Missing", V::missing(), "!13 !13 !13 !13 !13 | !13"},
         {"True", true, "-1 -1 -1 -1 True | True"}, {"False", false, "0 0 0 0 False | False"},
         {"Int16", std::int16_t{-7}, "-7 -7 -7 -7 True | -7"},
         {"Long", INT32_MIN, "-2147483648 !6 -2147483648 -2147483648 True | -2147483648"},
         {"SingleTenth", 0.1f, "0 0 0.1 0.10000000149011612 True | 0.1"}, {"SingleTie", 2.5f, "2 2 2.5 2.5 True | 2.5"},
         {"SingleExponent", 16777216.0f, "16777216 !6 16777216 16777216 True | 1.677722E+07"},
         {"OneAndHalf", 1.5, "2 2 1.5 1.5 True | 1.5"}, {"TwoAndHalf", 2.5, "2 2 2.5 2.5 True | 2.5"},
         {"NegativeHalf", -0.5, "0 0 -0.5 -0.5 True | -0.5"},
         {"NegativeOneAndHalf", -1.5, "-2 -2 -1.5 -1.5 True | -1.5"},
         {"NegativeTwoAndHalf", -2.5, "-2 -2 -2.5 -2.5 True | -2.5"},
         {"JustAboveHalf", 2.5000001, "3 3 2.5 2.5000001 True | 2.5000001"},
         {"FifteenDigits", 123456789.123456789, "123456789 !6 123456792 123456789.12345679 True | 123456789.123457"},
         {"Int16Max", 32767, "32767 32767 32767 32767 True | 32767"},
         {"Int16MaxPlusOne", 32768, "32768 !6 32768 32768 True | 32768"},
         {"Int16MaxPlusHalf", 32767.5, "32768 !6 32767.5 32767.5 True | 32767.5"},
         {"Int16MaxMinusHalf", 32766.5, "32766 32766 32766.5 32766.5 True | 32766.5"},
         {"Int16Min", -32768, "-32768 -32768 -32768 -32768 True | -32768"},
         {"Int16MinMinusHalf", -32768.5, "-32768 -32768 -32768.5 -32768.5 True | -32768.5"},
         {"Int16MinMinusOne", -32769, "-32769 !6 -32769 -32769 True | -32769"},
         {"Max", 2147483647.0, "2147483647 !6 2147483648 2147483647 True | 2147483647"},
         {"MaxPlusHalf", 2147483647.5, "!6 !6 2147483648 2147483647.5 True | 2147483647.5"},
         {"MaxMinusHalf", 2147483646.5, "2147483646 !6 2147483648 2147483646.5 True | 2147483646.5"},
         {"LongLongAboveMax", static_cast<long long>(INT32_MAX) + 1, "!6 !6 2147483648 2147483648 True | 2147483648"},
         {"Min", -2147483648.0, "-2147483648 !6 -2147483648 -2147483648 True | -2147483648"},
         {"MinMinusHalf", -2147483648.5, "-2147483648 !6 -2147483648 -2147483648.5 True | -2147483648.5"},
         {"MinMinusMoreThanHalf", -2147483648.51, "!6 !6 -2147483648 -2147483648.51 True | -2147483648.51"},
         {"LongLongBelowMin", static_cast<long long>(INT32_MIN) - 1, "!6 !6 -2147483648 -2147483649 True | -2147483649"},
         {"SingleMax", static_cast<double>(FLT_MAX), "!6 !6 3.4028235e+38 3.4028234663852886e+38 True | 3.40282346638529E+38"},
         {"BeyondSingle", 3.5e38, "!6 !6 !6 3.5e+38 True | 3.5E+38"},
         {"SingleMin", -static_cast<double>(FLT_MAX), "!6 !6 -3.4028235e+38 -3.4028234663852886e+38 True | -3.40282346638529E+38"},
         {"BelowSingle", -3.5e38, "!6 !6 !6 -3.5e+38 True | -3.5E+38"},
         {"TinyIsZeroAsSingle", 1e-50, "0 0 0 1e-50 True | 1E-50"},
         {"Infinity", HUGE_VAL, "!6 !6 !6 inf True | Infinity"}, {"NaN", std::nan(""), "!6 !6 nan nan True | NaN"},
         {"Date", V::date(45000.25), "45000 !6 45000.25 45000.25 True | 2023-03-15 06:00:00"},
         {"DateTie", V::date(45000.5), "45000 !6 45000.5 45000.5 True | 2023-03-15 12:00:00"},
         {"StringTie", "2.5", "2 2 2.5 2.5 True | 2.5"}, {"StringTieUpWithBlanks", " 3.5 ", "4 4 3.5 3.5 True |  3.5 "},
         {"StringNegativeExponent", " -2.5e-3 ", "0 0 -0.0025 -0.0025 True |  -2.5e-3 "},
         {"StringZero", "0", "0 0 0 0 False | 0"},
         {"StringBeyondLong", "2147483648", "!6 !6 2147483648 2147483648 True | 2147483648"},
         {"StringBeyondSingle", "1e39", "!6 !6 !6 1e+39 True | 1e39"},
         {"StringBeyondDouble", "1e400", "!6 !6 !6 !6 True | 1e400"},
         {"StringBelowDouble", "1e-400", "0 0 0 0 False | 1e-400"},
         {"StringTrueAnyCase", " tRUE ", "-1 -1 -1 -1 True |  tRUE "},
         {"StringFalse", " false ", "0 0 0 0 False |  false "},
         {"StringTrueWithTail", "True1", "!13 !13 !13 !13 !13 | True1"}, {"StringEmpty", "", "!13 !13 !13 !13 !13 | "},
         {"StringKeptAsIs", " 1.5 x ", "!13 !13 !13 !13 !13 |  1.5 x "},
         {"Object", anObject(), "!13 !13 !13 !13 !13 | !13"}, {"Array", V(V::Array{1}), "!13 !13 !13 !13 !13 | !13"}},
        [](const Row& row) {
            const V v = inLocale(row.value);
            const std::string want = row.outcomes, bar = " | ";
            EXPECT_EQ(outcomeOf([&] { return v.toLong(); }) + " " + outcomeOf([&] { return v.toInteger(); }) + " " +
                          outcomeOf([&] { return v.toSingle(); }) + " " + outcomeOf([&] { return v.toDouble(); }) +
                          " " + outcomeOf([&] { return v.toBool(); }) + bar + outcomeOf([&] { return v.toString(); }),
                      want.substr(0, want.find(bar)) + withMark(want.substr(want.find(bar))));
        });
}

// Days counted from 1899-12-30; a time of day is added when there is one.
TEST(Variant, DatesPrintAsIsoDates) {
    struct Row { const char* name; double serial; const char* text; };
    forEachRow<Row>({{"DayZero", 0, "1899-12-30"}, {"DayBefore", -1, "1899-12-29"}, {"NewYear1900", 2, "1900-01-01"},
                     {"NoLeapDay1900", 61, "1900-03-01"}, {"Year2000", 36526, "2000-01-01"},
                     {"LeapDay2000", 36585, "2000-02-29"}, {"Noon", 0.5, "1899-12-30 12:00:00"},
                     {"OneSecond", 1.0 / 86400, "1899-12-30 00:00:01"},
                     {"LastSecond", 2 - 1.0 / 86400, "1899-12-31 23:59:59"},
                     // Less than half a second before midnight is the next day, not "24:00:00".
                     {"RoundsToMidnight", 2 - 0.25 / 86400, "1900-01-01"}},
                    [](const Row& row) { EXPECT_EQ(V::date(row.serial).toString(), row.text); });
}

TEST(AutomationError, WhatAndStandardTexts) {
    EXPECT_EQ(std::string(AutomationError(1000, "CTwips", "Error converting : 1 inch").what()) + "|" +
                  AutomationError(6, "", "Overflow").what() + "|" + AutomationError(5, "ModifyStyle", "").what(),
              "Error 1000 (CTwips): Error converting : 1 inch|Error 6: Overflow|Error 5 (ModifyStyle)");
    std::string texts;
    for (int n : {5, 6, 7, 9, 13, 381, 383, 387, 457, 1000}) texts += std::to_string(n) + " " + standardErrorText(n) + "|";
    EXPECT_EQ(texts,
              "5 Invalid procedure call or argument|6 Overflow|7 Out of memory|9 Subscript out of range|"
              "13 Type mismatch|381 Invalid property-array index|383 Set not supported (read-only property)|"
              "387 Set not permitted|457 This key is already associated with an element of this collection|1000 |");
    EXPECT_EQ(outcomeOf([] { raiseStandard(381, "X.Y"); return 0; }), "!381 X.Y");
}

// Digits: significant ones for formatNumber, decimals for formatFixed; text with "." for the mark.
struct NumberRow { const char* name; double value; int digits; const char* text; };

// At most N significant digits, no trailing zeros, no thousands separator, "1E+20".
TEST(Locale, FormatNumber) {
    forEachRow<NumberRow>(
        {{"NegativeHalf", -0.5, 15, "-0.5"}, {"Zero", 0.0, 15, "0"}, {"NegativeZero", -0.0, 15, "0"},
         {"NoTrailingZeros", 2.50, 15, "2.5"}, {"NoThousands", 1234567.25, 15, "1234567.25"},
         {"FifteenDigitsRounded", 0.1234567890123456, 15, "0.123456789012346"}, {"NoiseHidden", 0.1 + 0.2, 15, "0.3"},
         {"SingleNoiseHidden", static_cast<double>(0.1f), 7, "0.1"},
         // Fifteen digits still print in full; the sixteenth switches to an exponent.
         {"LargestPlain", 1e14, 15, "100000000000000"}, {"FirstExponent", 1e15, 15, "1E+15"},
         {"SingleLargestPlain", 9999999.0, 7, "9999999"}, {"SingleFirstExponent", 1e7, 7, "1E+07"},
         {"SmallExponent", 1.5e-7, 15, "1.5E-07"}, {"NegativeExponent", -2.5e20, 15, "-2.5E+20"},
         {"NaN", std::nan(""), 15, "NaN"}, {"Infinity", HUGE_VAL, 15, "Infinity"}, {"MinusInfinity", -HUGE_VAL, 15, "-Infinity"}},
        [](const NumberRow& row) { EXPECT_EQ(formatNumber(row.value, row.digits), withMark(row.text)); });
}

TEST(Locale, FormatFixed) {
    forEachRow<NumberRow>(
        {{"PadsZeros", 24.0, 1, "24.0"}, {"ZeroTwoDecimals", 0.0, 2, "0.00"}, {"RoundsUp", 3.14159, 3, "3.142"},
         {"NegativeRoundsAway", -1.26, 1, "-1.3"}, {"NoDecimals", 5.0, 0, "5"}, {"NegativeHalf", -0.5, 2, "-0.50"},
         {"NoThousands", 1234567.891, 2, "1234567.89"}, {"TooLongFallsBack", 1e300, 200, "1E+300"},
         // A negative value that rounds to zero prints without a sign.
         {"NoMinusZero", -0.04, 1, "0.0"}, {"NegativeZero", -0.0, 2, "0.00"}, {"NoMinusZeroNoDecimals", -0.4, 0, "0"},
         {"SmallestNegativeKept", -0.06, 1, "-0.1"}},
        [](const NumberRow& row) { EXPECT_EQ(formatFixed(row.value, row.digits), withMark(row.text)); });
}

// The locale's number format: blanks, sign, digits with the locale's mark, exponent.
TEST(Locale, ParseNumber) {
    struct Row { const char* name; std::string text; const char* number; };
    forEachRow<Row>(
        {{"Decimal", "1.5", "1.5"}, {"BlanksAround", "  1.5  ", "1.5"}, {"Plus", "+2", "2"}, {"Minus", "-2.5", "-2.5"},
         {"LeadingMark", ".5", "0.5"}, {"MinusLeadingMark", "-.5", "-0.5"}, {"TrailingMark", "5.", "5"},
         {"LeadingZeros", "007", "7"}, {"Zero", "0", "0"}, {"Exponent", "1e3", "1000"},
         {"ExponentUpperPlus", "1E+3", "1000"}, {"ExponentMinus", "2.5e-1", "0.25"}, {"Subnormal", "1e-310", "1e-310"},
         // Beyond a double is infinite (the caller's conversion reports the overflow), below
         // the smallest is zero; the exponent alone does not decide.
         {"BeyondDouble", "1e400", "inf"}, {"BelowMinusDouble", "-1e400", "-inf"},
         {"LongMantissa", "1" + std::string(400, '0') + "e-10", "inf"}, {"BelowSmallest", "1e-400", "0"},
         {"BelowSmallestNegative", "-1e-400", "-0"}, {"LongFraction", "0." + std::string(400, '0') + "1", "0"}},
        [](const Row& row) { EXPECT_EQ(show(parseNumber(withMark(row.text))), row.number); });
    for (const char* text : {"", "   ", ".", "-", "- 1", "--1", "1-", "e5", "1e", "1e+", "1e3.5", "1.2.3", "1 000", "0x10",
                             "inf", "nan", "1 in"})
        EXPECT_EQ(parseNumber(withMark(text)), std::nullopt) << '"' << text << '"';
}

TEST(Locale, TextHelpers) {
    struct Row { const char *name, *text, *result; };  // trimBlanks|lowerAscii
    forEachRow<Row>({{"Both", "  a B  ", "a B|  a b  "}, {"Empty", "", "|"}, {"OnlyBlanks", "   ", "|   "},
                     {"TabsStay", "\tX\t", "\tX\t|\tx\t"}, {"InnerBlanksStay", "1   IN", "1   IN|1   in"},
                     {"AsciiOnly", "MiXeD 123 @[`{\xC3\x84", "MiXeD 123 @[`{\xC3\x84|mixed 123 @[`{\xC3\x84"}},
                    [](const Row& row) { EXPECT_EQ(std::string(trimBlanks(row.text)) + "|" + lowerAscii(row.text), row.result); });
}

// What differs between a "." and a "," locale, side by side: the mark, numbers written and
// read (neither mark is a thousands separator), a Variant's text.
TEST(Locale, EachMarkAlone) {
    auto sample = [] {
        std::string out(1, decimalMark());
        for (const std::string& text : {formatNumber(-1234.125), formatNumber(2.5e-20), formatFixed(-0.5, 2),
                                        show(parseNumber("1.5")), show(parseNumber("1,5")), show(parseNumber("1.000")),
                                        show(parseNumber("1,000")), show(parseNumber(",25")),
                                        outcomeOf([] { return V("2.5").toLong(); }),
                                        outcomeOf([] { return V("3,5").toLong(); }), show(V("1,5").isNumeric()),
                                        V(-0.25f).toString()})
            out += " " + text;
        return out;
    };
    for (const char* locale : {kPointLocale, "en_US.UTF-8", kCommaLocale}) {
        ScopedLocale numeric(locale);
        ASSERT_TRUE(numeric.ok()) << locale;
        char buf[8];
        std::snprintf(buf, sizeof buf, "%g", 0.5);  // the mark the C library itself prints
        EXPECT_EQ(decimalMark(), buf[1]) << locale;
        EXPECT_EQ(sample(), locale == kCommaLocale
                                ? ", -1234,125 2,5E-20 -0,50 none 1.5 none 1 0.25 !13 4 True -0,25"
                                : ". -1234.125 2.5E-20 -0.50 1.5 none 1 none none 2 !13 False -0.25")
            << locale;
    }
}

// The mark follows LC_NUMERIC alone, the short date LC_TIME.
TEST(Locale, MarkAndDateFollowTheirCategories) {
    ScopedLocale all("C", LC_ALL);
    ScopedLocale time(kCommaLocale, LC_TIME);
    EXPECT_EQ(decimalMark(), '.');
    EXPECT_THAT(shortDateToday(), ::testing::MatchesRegex("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}"));
    ScopedLocale c("C", LC_TIME);
    EXPECT_THAT(shortDateToday(), ::testing::MatchesRegex("[0-9]{2}/[0-9]{2}/[0-9]{2}"));
}

// Caller measures to twips: numbers pass as twips, strings carry a unit (56.7 twips to the
// millimetre), "." and "," are both decimal marks; C_Twips rounds half to even.

TEST(Twips, Measures) {
    struct Row { const char* name; V value; const char *ctwips, *rounded = nullptr; };  // rounded: C_Twips if other
    forEachRow<Row>(
        {{"DoubleNotRounded", 720.5, "720.5", "720"}, {"True", true, "-1"}, {"Empty", V(), "0"},
         {"NumberTieDown", 2.5, "2.5", "2"}, {"NumberTieUp", 3.5, "3.5", "4"}, {"NegativeTie", -2.5, "-2.5", "-2"},
         {"BareNumber", "720", "720"}, {"Twips", "720 tw", "720"}, {"Inch", "1 in", "1440"}, {"Points", "10 pt", "200"},
         {"QuarterPoints", "1.25 pt", "25"}, {"OneMillimetre", "1 mm", "56.7", "57"},
         {"InchInCentimetres", "2.54 cm", "1440.1799", "1440"}, {"HundredthInch", "0.01 in", "14.4", "14"},
         {"HalfTwip", "0.5 tw", "0.5", "0"},
         {"Exponent", "1e3 tw", "1000"}, {"MarkAloneIsZero", ". in", "0"}, {"Comma", "0,5 in", "720"},
         {"LeadingPoint", ".5 in", "720"}, {"LeadingComma", ",5 in", "720"}, {"BareCommaTie", "2,5", "2.5", "2"},
         {"CommaTieWithUnit", "2,5 tw", "2.5", "2"}, {"BareLeadingComma", ",5", "0.5", "0"},
         {"CommaIsNoThousands", "1,000", "1"}, {"PointIsNoThousands", "1.000 in", "1440"},
         {"UpperCaseUnit", "1 IN", "1440"}, {"SeveralBlanks", "1   in ", "1440"}, {"LeadingBlanks", "   1 in", "1440"},
         {"LeadingBlanksBeforeMark", "  .5 in", "720"}, {"BareWithBlanks", "  720  ", "720"},
         {"LongNumber", "1234567890.1234567 tw", "1234567936"}, {"LargestSingleBelowLimit", "2147483520", "2147483520"},
         {"LimitAsSingle", "2147483648", "2147483648", "!6"}, {"LongMax", INT32_MAX, "2147483648", "!6"},
         {"Min", "-2147483648", "-2147483648"}, {"MinAsNumber", INT32_MIN, "-2147483648"},
         {"NextSingleBelowMin", "-2147483904", "-2147483904", "!6"},
         {"InchesBeyondLong", "2000000 in", "2.88e+09", "!6"}, {"ProductJustInside", "1e35 in", "1.4400001e+38", "!6"},
         {"TwipsJustInside", "3e38 tw", "3e+38", "!6"}, {"Word", "1 inch", "!1000 CTwips: Error converting : 1 inch"},
         {"TwoWords", "1 in extra", "!1000 CTwips: Error converting : 1 in extra"},
         {"MarkInUnit", "1 mm.", "!1000 CTwips: Error converting : 1 mm."},
         {"QuotedUntrimmed", " 1,5 inch ", "!1000 CTwips: Error converting :  1,5 inch "},
         {"NoBlankBeforeUnit", "1in", "!13"}, {"WordBeforeUnit", "abc in", "!13"}, {"UnitAlone", " in", "!13"},
         {"EmptyString", "", "!13"}, {"OnlyBlanks", "   ", "!13"}, {"TwoMarks", "1.2,3 in", "!13"},
         {"Missing", V::missing(), "!13"}, {"NumberBeyondSingle", 1e39, "!6"}, {"StringBeyondSingle", "1e39", "!6"},
         {"NumberPartBeyondSingle", "1e39 tw", "!6"}, {"ProductBeyondSingle", "1e36 in", "!6 CTwips"},
         {"NegativeProductBeyondSingle", "-3e38 pt", "!6 CTwips"}},
        [](const Row& row) {
            EXPECT_EQ(outcomeOf([&] { return CTwips(row.value); }), row.ctwips);
            EXPECT_EQ(outcomeOf([&] { return C_Twips(row.value); }), row.rounded ? row.rounded : row.ctwips);
        });
}

// A number with a scale and the same number with its unit are the same measure; scales
// other than the four units give 0.
TEST(Twips, ScaleConversions) {
    struct Row { const char* name; std::int32_t scale; float units, twips; const char* measure; };
    forEachRow<Row>({{"Twip", prTwip, 12.5f, 12.5f, "12.5 tw"}, {"HalfInch", prInch, 0.5f, 720, "0.5 in"},
                     {"NegativeInch", prInch, -1, -1440, "-1 in"}, {"TenMillimetres", prMillimeter, 10, 567, "10 mm"},
                     {"Millimetre", prMillimeter, 1, 56.7f, "1 mm"}, {"Centimetre", prCentimeter, 1, 567, "1 cm"},
                     {"InchInCentimetres", prCentimeter, 2.54f, 1440.1799f, "2,54 cm"}},
                    [](const Row& row) {
                        EXPECT_EQ(ConvertToTwip(row.scale, row.units), row.twips);
                        EXPECT_EQ(CTwips(V(row.measure)), row.twips);
                        EXPECT_FLOAT_EQ(ConvertFromTwip(row.scale, row.twips), row.units);
                    });
    EXPECT_FLOAT_EQ(ConvertFromTwip(prMillimeter, 1), 1 / 56.7f);
    for (std::int32_t scale : {-1, 0, 2, 3, 4, 8})
        EXPECT_EQ(show(ConvertToTwip(scale, 10)) + show(ConvertFromTwip(scale, 720)), "00") << scale;
}

}  // namespace
}  // namespace kalder
