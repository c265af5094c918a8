// Caller measures to twips: numbers pass as twips, strings carry a unit, "." and "," are
// both decimal marks whatever the locale; rounding to whole twips is half to even.
#include "core/Twips.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>

#include "kalder/AutomationError.h"
#include "kalder/Enums.h"
#include "support/ErrorMatchers.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::errorOf;
using test::forEachRow;
using test::IsError;
using test::kCommaLocale;
using test::kOverflowText;
using test::kPointLocale;
using test::kTypeMismatchText;
using test::ScopedLocale;

// ---------------------------------------------------------------------------------------
// CTwips: the float before rounding

struct MeasureRow {
    const char* name;
    Variant value;
    float twips;
};

void checkCTwipsValue(const MeasureRow& row) { EXPECT_FLOAT_EQ(CTwips(row.value), row.twips); }

TEST(CTwipsValue, Numbers) {
    forEachRow<MeasureRow>(
        {MeasureRow{"Long", Variant(720), 720}, MeasureRow{"Int16", Variant(std::int16_t{-15}), -15},
         MeasureRow{"DoubleNotRounded", Variant(720.5), 720.5f}, MeasureRow{"Single", Variant(0.25f), 0.25f},
         MeasureRow{"True", Variant(true), -1}, MeasureRow{"Empty", Variant(), 0}},
        checkCTwipsValue);
}

TEST(CTwipsValue, Units) {
    forEachRow<MeasureRow>(
        {MeasureRow{"BareNumber", Variant("720"), 720}, MeasureRow{"Twips", Variant("720 tw"), 720},
         MeasureRow{"Inch", Variant("1 in"), 1440}, MeasureRow{"Points", Variant("10 pt"), 200},
         MeasureRow{"Centimetre", Variant("1 cm"), 567},
         // 56.7 twips to the millimetre: ten of them are one centimetre exactly.
         MeasureRow{"TenMillimetres", Variant("10 mm"), 567}, MeasureRow{"OneMillimetre", Variant("1 mm"), 56.7f},
         MeasureRow{"InchInCentimetres", Variant("2.54 cm"), 1440.18f},
         MeasureRow{"FractionOfTwip", Variant("0.5 tw"), 0.5f}, MeasureRow{"Negative", Variant("-1 in"), -1440},
         MeasureRow{"Plus", Variant("+1 in"), 1440}, MeasureRow{"Exponent", Variant("1e3 tw"), 1000},
         MeasureRow{"Zero", Variant("0 in"), 0}, MeasureRow{"MarkAloneIsZero", Variant(". in"), 0}},
        checkCTwipsValue);
}

TEST(CTwipsValue, DecimalMarks) {
    forEachRow<MeasureRow>(
        {MeasureRow{"Point", Variant("0.5 in"), 720}, MeasureRow{"Comma", Variant("0,5 in"), 720},
         MeasureRow{"LeadingPoint", Variant(".5 in"), 720}, MeasureRow{"LeadingComma", Variant(",5 in"), 720},
         MeasureRow{"BarePoint", Variant("2.5"), 2.5f}, MeasureRow{"BareComma", Variant("2,5"), 2.5f},
         MeasureRow{"BareLeadingComma", Variant(",5"), 0.5f},
         // There is no thousands separator: "1,000" is one.
         MeasureRow{"CommaIsNoThousands", Variant("1,000"), 1},
         MeasureRow{"PointIsNoThousands", Variant("1.000 in"), 1440}},
        checkCTwipsValue);
}

TEST(CTwipsValue, Blanks) {
    forEachRow<MeasureRow>(
        {MeasureRow{"UpperCaseUnit", Variant("1 IN"), 1440}, MeasureRow{"MixedCaseUnit", Variant("1 Pt"), 20},
         MeasureRow{"SeveralBlanksAndTrailing", Variant("1   in "), 1440},
         MeasureRow{"LeadingBlanks", Variant("   1 in"), 1440},
         MeasureRow{"LeadingBlanksBeforeMark", Variant("  .5 in"), 720},
         MeasureRow{"BareWithBlanks", Variant("  720  "), 720}},
        checkCTwipsValue);
}

// ---------------------------------------------------------------------------------------
// C_Twips: rounded half to even, 32-bit range after single precision

struct RoundRow {
    const char* name;
    Variant value;
    std::int32_t twips;
};

void checkCTwipsRounded(const RoundRow& row) { EXPECT_EQ(C_Twips(row.value), row.twips); }

TEST(CTwipsRounded, HalfToEven) {
    forEachRow<RoundRow>(
        {RoundRow{"HundredthInchRoundsDown", Variant("0.01 in"), 14}, RoundRow{"QuarterPoints", Variant("1.25 pt"), 25},
         RoundRow{"InchInCentimetres", Variant("2.54 cm"), 1440}, RoundRow{"TenMillimetres", Variant("10 mm"), 567},
         RoundRow{"OneMillimetreRoundsUp", Variant("1 mm"), 57}, RoundRow{"NumberTieDown", Variant(2.5), 2},
         RoundRow{"NumberTieUp", Variant(3.5), 4}, RoundRow{"NegativeTie", Variant(-2.5), -2},
         RoundRow{"StringTie", Variant("2.5"), 2}, RoundRow{"CommaTieWithUnit", Variant("2,5 tw"), 2},
         RoundRow{"HalfTwipIsZero", Variant("0.5 tw"), 0}, RoundRow{"OneAndHalfTwips", Variant("1.5 tw"), 2}},
        checkCTwipsRounded);
}

// The largest single below 2^31 is 2147483520; 2147483647 itself becomes 2^31 as a single.
TEST(CTwipsRounded, ThirtyTwoBitRange) {
    forEachRow<RoundRow>(
        {RoundRow{"LargestSingleBelowLimit", Variant("2147483520"), 2147483520},
         RoundRow{"Min", Variant("-2147483648"), INT32_MIN}, RoundRow{"MinAsNumber", Variant(INT32_MIN), INT32_MIN}},
        checkCTwipsRounded);
}

TEST(CTwipsRounded, BeyondThirtyTwoBitsOverflows) {
    // Only C_Twips fails: the float itself is fine.
    EXPECT_FLOAT_EQ(CTwips(Variant("2147483648")), 2147483648.0f);
    EXPECT_THAT(errorOf([] { C_Twips(Variant("2147483648")); }), IsError(6, "", kOverflowText));
    // 2147483647 rounds up to 2^31 as a single, so it overflows too.
    EXPECT_THAT(errorOf([] { C_Twips(Variant(INT32_MAX)); }), IsError(6, "", kOverflowText));
    EXPECT_THAT(errorOf([] { C_Twips(Variant("2000000 in")); }), IsError(6, "", kOverflowText));
    // The next single below -2^31.
    EXPECT_THAT(errorOf([] { C_Twips(Variant("-2147483904")); }), IsError(6, "", kOverflowText));
}

// ---------------------------------------------------------------------------------------
// Failures

struct FailureRow {
    const char* name;
    Variant value;
    std::int32_t number;
    const char* source;
    const char* description;
};

void checkCTwipsFailure(const FailureRow& row) {
    EXPECT_THAT(errorOf([&] { CTwips(row.value); }), IsError(row.number, row.source, row.description));
    EXPECT_THAT(errorOf([&] { C_Twips(row.value); }), IsError(row.number, row.source, row.description));
}

TEST(CTwipsFailure, UnknownUnit) {
    forEachRow<FailureRow>(
        {FailureRow{"Word", Variant("1 inch"), 1000, "CTwips", "Error converting : 1 inch"},
         FailureRow{"Other", Variant("1 xx"), 1000, "CTwips", "Error converting : 1 xx"},
         FailureRow{"TwoWords", Variant("1 in extra"), 1000, "CTwips", "Error converting : 1 in extra"},
         FailureRow{"MarkInUnit", Variant("1 mm."), 1000, "CTwips", "Error converting : 1 mm."},
         // The description quotes the caller's value as given, blanks and all.
         FailureRow{"QuotedUntrimmed", Variant(" 1,5 inch "), 1000, "CTwips", "Error converting :  1,5 inch "}},
        checkCTwipsFailure);
}

TEST(CTwipsFailure, NoNumber) {
    forEachRow<FailureRow>({FailureRow{"NoBlankBeforeUnit", Variant("1in"), 13, "", kTypeMismatchText},
                            FailureRow{"WordBeforeUnit", Variant("abc in"), 13, "", kTypeMismatchText},
                            FailureRow{"UnitAlone", Variant(" in"), 13, "", kTypeMismatchText},
                            FailureRow{"EmptyString", Variant(""), 13, "", kTypeMismatchText},
                            FailureRow{"OnlyBlanks", Variant("   "), 13, "", kTypeMismatchText},
                            FailureRow{"TwoMarks", Variant("1.2,3 in"), 13, "", kTypeMismatchText},
                            FailureRow{"Missing", Variant::missing(), 13, "", kTypeMismatchText},
                            FailureRow{"Array", Variant(Variant::Array{1}), 13, "", kTypeMismatchText}},
                           checkCTwipsFailure);
}

TEST(CTwipsFailure, Overflow) {
    forEachRow<FailureRow>(
        {// The number part is a single first, then the product must be one too.
         FailureRow{"NumberBeyondSingle", Variant(1e39), 6, "", kOverflowText},
         FailureRow{"StringBeyondSingle", Variant("1e39"), 6, "", kOverflowText},
         FailureRow{"NumberPartBeyondSingle", Variant("1e39 tw"), 6, "", kOverflowText},
         FailureRow{"ProductBeyondSingle", Variant("1e36 in"), 6, "CTwips", kOverflowText},
         FailureRow{"NegativeProductBeyondSingle", Variant("-3e38 pt"), 6, "CTwips", kOverflowText}},
        checkCTwipsFailure);
}

TEST(CTwipsRange, ProductJustInsideSingle) {
    EXPECT_FLOAT_EQ(CTwips(Variant("1e35 in")), 1.44e38f);
    EXPECT_FLOAT_EQ(CTwips(Variant("3e38 tw")), 3e38f);
}

// ---------------------------------------------------------------------------------------
// Both decimal marks under both locales explicitly

class CTwipsLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(CTwipsLocale, BothMarksAreDecimalMarks) {
    ScopedLocale numeric(GetParam());
    ASSERT_TRUE(numeric.ok());
    EXPECT_FLOAT_EQ(CTwips(Variant("0.5 in")), 720);
    EXPECT_FLOAT_EQ(CTwips(Variant("0,5 in")), 720);
    EXPECT_FLOAT_EQ(CTwips(Variant(".5 in")), 720);
    EXPECT_FLOAT_EQ(CTwips(Variant(",5 in")), 720);
    EXPECT_FLOAT_EQ(CTwips(Variant("2.54 cm")), 1440.18f);
    EXPECT_FLOAT_EQ(CTwips(Variant("2,54 cm")), 1440.18f);
    EXPECT_FLOAT_EQ(CTwips(Variant("1,000")), 1);
    EXPECT_FLOAT_EQ(CTwips(Variant("1.000")), 1);
    EXPECT_EQ(C_Twips(Variant("0.01 in")), 14);
    EXPECT_EQ(C_Twips(Variant("0,01 in")), 14);
    EXPECT_EQ(C_Twips(Variant("1,25 pt")), 25);
    EXPECT_THAT(errorOf([] { CTwips(Variant("1,5 inch")); }), IsError(1000, "CTwips", "Error converting : 1,5 inch"));
    EXPECT_THAT(errorOf([] { CTwips(Variant("1,5in")); }), IsError(13, "", kTypeMismatchText));
}

INSTANTIATE_TEST_SUITE_P(Locales, CTwipsLocale, ::testing::Values(kPointLocale, kCommaLocale), [](const auto& info) {
    return std::string(info.param == kPointLocale ? "PointLocale" : "CommaLocale");
});

// ---------------------------------------------------------------------------------------
// ConvertToTwip / ConvertFromTwip

struct ScaleRow {
    const char* name;
    std::int32_t scale;
    float value;
    float result;
};

void checkConvertToTwip(const ScaleRow& row) { EXPECT_FLOAT_EQ(ConvertToTwip(row.scale, row.value), row.result); }

TEST(ConvertToTwip, ByScale) {
    forEachRow<ScaleRow>(
        {ScaleRow{"TwipNotRounded", prTwip, 12.5f, 12.5f}, ScaleRow{"Inch", prInch, 1, 1440},
         ScaleRow{"HalfInch", prInch, 0.5f, 720}, ScaleRow{"NegativeInch", prInch, -1, -1440},
         ScaleRow{"TenMillimetres", prMillimeter, 10, 567}, ScaleRow{"OneMillimetre", prMillimeter, 1, 56.7f},
         ScaleRow{"Centimetre", prCentimeter, 1, 567}, ScaleRow{"InchInCentimetres", prCentimeter, 2.54f, 1440.18f},
         // Scales between and beyond the four units give 0.
         ScaleRow{"ScaleTwo", 2, 10, 0}, ScaleRow{"ScaleThree", 3, 10, 0}, ScaleRow{"ScaleFour", 4, 10, 0},
         ScaleRow{"ScaleZero", 0, 10, 0}, ScaleRow{"ScaleEight", 8, 10, 0}, ScaleRow{"ScaleNegative", -1, 10, 0}},
        checkConvertToTwip);
}

void checkConvertFromTwip(const ScaleRow& row) { EXPECT_FLOAT_EQ(ConvertFromTwip(row.scale, row.value), row.result); }

TEST(ConvertFromTwip, ByScale) {
    forEachRow<ScaleRow>(
        {ScaleRow{"TwipNotRounded", prTwip, 12.5f, 12.5f}, ScaleRow{"HalfInch", prInch, 720, 0.5f},
         ScaleRow{"NegativeInch", prInch, -1440, -1}, ScaleRow{"TenMillimetres", prMillimeter, 567, 10},
         ScaleRow{"TwipInMillimetres", prMillimeter, 1, 1 / 56.7f}, ScaleRow{"Centimetre", prCentimeter, 567, 1},
         ScaleRow{"InchInCentimetres", prCentimeter, 1440, 2.5396825f}, ScaleRow{"ScaleTwo", 2, 720, 0},
         ScaleRow{"ScaleFour", 4, 720, 0}, ScaleRow{"ScaleZero", 0, 720, 0}, ScaleRow{"ScaleEight", 8, 720, 0}},
        checkConvertFromTwip);
}

TEST(ConvertTwip, FromUndoesTo) {
    for (std::int32_t scale : {prTwip, prInch, prMillimeter, prCentimeter})
        for (float v : {0.0f, 1.0f, -2.5f, 10.0f, 123.456f})
            EXPECT_FLOAT_EQ(ConvertFromTwip(scale, ConvertToTwip(scale, v)), v) << "scale " << scale;
}

TEST(ConvertTwip, AgreesWithMeasureStrings) {
    // A number with a scale and the same number with its unit are the same measure.
    EXPECT_EQ(ConvertToTwip(prInch, 2.5f), CTwips(Variant("2.5 in")));
    EXPECT_EQ(ConvertToTwip(prMillimeter, 12.3f), CTwips(Variant("12.3 mm")));
    EXPECT_EQ(ConvertToTwip(prCentimeter, 2.54f), CTwips(Variant("2,54 cm")));
    EXPECT_EQ(ConvertToTwip(prTwip, 720), CTwips(Variant("720 tw")));
}

}  // namespace
}  // namespace kalder
