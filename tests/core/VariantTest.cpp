// kalder::Variant: what each constructor holds and the conversions callers of an automation
// interface rely on (half-to-even rounding, overflow 6, type mismatch 13, True = -1, strings
// in the locale's number format).
#include "kalder/Variant.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Locale.h"
#include "kalder/AutomationError.h"
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
using Type = Variant::Type;

constexpr std::int32_t kNone = 0;  // a row that converts without error

struct Thing : Object {
    int id = 0;
    explicit Thing(int i) : id(i) {}
};
struct OtherThing : Object {};

// Rows write numeric strings with "."; they take the mark of the locale in force when checked,
// so the same rows hold under a "." and a "," locale.
Variant inLocale(const Variant& v) {
    if (!v.isString()) return v;
    std::string text = v.toString();
    for (char& c : text)
        if (c == '.') c = decimalMark();
    return Variant(text);
}

Variant anObject() { return Variant(std::shared_ptr<Object>(std::make_shared<Thing>(7))); }

// ---------------------------------------------------------------------------------------
// What each constructor holds

struct TypeRow {
    const char* name;
    Variant value;
    Type type;
};

void checkVariantType(const TypeRow& row) { EXPECT_EQ(row.value.type(), row.type); }

TEST(VariantType, ConstructorPicksTheType) {
    forEachRow<TypeRow>(
        {TypeRow{"Default", Variant(), Type::Empty}, TypeRow{"Missing", Variant::missing(), Type::Missing},
         TypeRow{"Bool", Variant(true), Type::Boolean}, TypeRow{"Int16", Variant(std::int16_t{3}), Type::Integer},
         TypeRow{"Int", Variant(3), Type::Long}, TypeRow{"LongFits", Variant(5L), Type::Long},
         // A long keeps 32 bits when it fits and becomes a Double beyond them.
         TypeRow{"LongLongMax32", Variant(static_cast<long long>(INT32_MAX)), Type::Long},
         TypeRow{"LongLongAboveMax32", Variant(static_cast<long long>(INT32_MAX) + 1), Type::Double},
         TypeRow{"LongLongMin32", Variant(static_cast<long long>(INT32_MIN)), Type::Long},
         TypeRow{"LongLongBelowMin32", Variant(static_cast<long long>(INT32_MIN) - 1), Type::Double},
         TypeRow{"LongAboveMax32", Variant(static_cast<long>(1) << 40), Type::Double},
         TypeRow{"Float", Variant(1.5f), Type::Single}, TypeRow{"Double", Variant(1.5), Type::Double},
         TypeRow{"Date", Variant::date(45000), Type::Date}, TypeRow{"CString", Variant("x"), Type::String},
         TypeRow{"NullCString", Variant(static_cast<const char*>(nullptr)), Type::String},
         TypeRow{"StdString", Variant(std::string("x")), Type::String},
         TypeRow{"StringView", Variant(std::string_view("x")), Type::String},
         TypeRow{"Object", anObject(), Type::Object}, TypeRow{"Array", Variant(Variant::Array{1, "a"}), Type::Array}},
        checkVariantType);
}

TEST(VariantValue, LargeLongKeepsItsValueAsDouble) {
    EXPECT_EQ(Variant(static_cast<long long>(INT32_MAX) + 1).toDouble(), 2147483648.0);
    EXPECT_EQ(Variant(static_cast<long long>(INT32_MIN) - 1).toDouble(), -2147483649.0);
}

TEST(VariantValue, NullCStringIsEmptyText) { EXPECT_EQ(Variant(static_cast<const char*>(nullptr)).toString(), ""); }

TEST(VariantValue, EqualityComparesTypeAndValue) {
    EXPECT_EQ(Variant(1), Variant(1));
    EXPECT_NE(Variant(1), Variant(1.0));
    EXPECT_NE(Variant(std::int16_t{1}), Variant(1));
    EXPECT_NE(Variant(1.5f), Variant(1.5));
    EXPECT_NE(Variant(), Variant::missing());
    EXPECT_EQ(Variant::date(2), Variant::date(2));
    EXPECT_NE(Variant::date(2), Variant(2.0));
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
    EXPECT_EQ(Variant(Variant::Array{1, "a"}), Variant(Variant::Array{1, "a"}));
}

TEST(VariantValue, ObjectAccess) {
    auto thing = std::make_shared<Thing>(42);
    Variant v{std::shared_ptr<Object>(thing)};
    EXPECT_EQ(v.toObject().get(), thing.get());
    ASSERT_NE(v.objectAs<Thing>(), nullptr);
    EXPECT_EQ(v.objectAs<Thing>()->id, 42);
    EXPECT_EQ(v.objectAs<OtherThing>(), nullptr);
    EXPECT_THAT(errorOf([] { Variant(1).toObject(); }), IsError(13, "", kTypeMismatchText));
    EXPECT_THAT(errorOf([] { Variant().objectAs<Thing>(); }), IsError(13, "", kTypeMismatchText));
}

TEST(VariantValue, ArrayAccess) {
    Variant v(Variant::Array{1, "a", 2.5});
    ASSERT_EQ(v.array().size(), 3u);
    EXPECT_EQ(v.array()[1], Variant("a"));
    EXPECT_THAT(errorOf([] { Variant("a").array(); }), IsError(13, "", kTypeMismatchText));
}

// ---------------------------------------------------------------------------------------
// Numeric tests

struct NumericRow {
    const char* name;
    Variant value;
    bool isNumber;
    bool isNumeric;
};

void checkVariantNumeric(const NumericRow& row) {
    Variant v = inLocale(row.value);
    EXPECT_EQ(v.isNumber(), row.isNumber);
    EXPECT_EQ(v.isNumeric(), row.isNumeric);
}

TEST(VariantNumeric, Classifies) {
    forEachRow<NumericRow>(
        {NumericRow{"Empty", Variant(), false, true}, NumericRow{"Missing", Variant::missing(), false, false},
         NumericRow{"Bool", Variant(false), true, true}, NumericRow{"Int16", Variant(std::int16_t{1}), true, true},
         NumericRow{"Long", Variant(1), true, true}, NumericRow{"Single", Variant(1.5f), true, true},
         NumericRow{"Double", Variant(1.5), true, true}, NumericRow{"Date", Variant::date(1), true, true},
         NumericRow{"NumericString", Variant(" -1.5e3 "), false, true},
         NumericRow{"WordString", Variant("abc"), false, false}, NumericRow{"EmptyString", Variant(""), false, false},
         NumericRow{"Object", anObject(), false, false}, NumericRow{"Array", Variant(Variant::Array{1}), false, false}},
        checkVariantNumeric);
}

// ---------------------------------------------------------------------------------------
// toLong: half to even, 32-bit range

struct LongRow {
    const char* name;
    Variant value;
    std::int32_t expected;
    std::int32_t error;  // kNone, 6 or 13
};

void checkToLong(const LongRow& row) {
    Variant v = inLocale(row.value);
    if (row.error == kNone) {
        EXPECT_EQ(v.toLong(), row.expected);
    } else {
        EXPECT_THAT(errorOf([&] { v.toLong(); }),
                    IsError(row.error, "", row.error == 6 ? kOverflowText : kTypeMismatchText));
    }
}

TEST(ToLong, HalfToEven) {
    forEachRow<LongRow>(
        {LongRow{"Half", Variant(0.5), 0, kNone}, LongRow{"OneAndHalf", Variant(1.5), 2, kNone},
         LongRow{"TwoAndHalf", Variant(2.5), 2, kNone}, LongRow{"ThreeAndHalf", Variant(3.5), 4, kNone},
         LongRow{"NegativeHalf", Variant(-0.5), 0, kNone}, LongRow{"NegativeOneAndHalf", Variant(-1.5), -2, kNone},
         LongRow{"NegativeTwoAndHalf", Variant(-2.5), -2, kNone},
         LongRow{"JustBelowHalf", Variant(2.4999999), 2, kNone}, LongRow{"JustAboveHalf", Variant(2.5000001), 3, kNone},
         LongRow{"SingleTie", Variant(2.5f), 2, kNone}, LongRow{"SingleTieUp", Variant(3.5f), 4, kNone},
         LongRow{"DateTie", Variant::date(45000.5), 45000, kNone},
         LongRow{"DateTieUp", Variant::date(45001.5), 45002, kNone}},
        checkToLong);
}

TEST(ToLong, ThirtyTwoBitRange) {
    forEachRow<LongRow>(
        {LongRow{"Max", Variant(2147483647.0), INT32_MAX, kNone},
         LongRow{"MaxPlusFraction", Variant(2147483647.4), INT32_MAX, kNone},
         // .5 above the largest odd value rounds to the even value beyond the range.
         LongRow{"MaxPlusHalf", Variant(2147483647.5), 0, 6},
         LongRow{"MaxMinusHalf", Variant(2147483646.5), 2147483646, kNone},
         LongRow{"MaxPlusOne", Variant(2147483648.0), 0, 6}, LongRow{"Min", Variant(-2147483648.0), INT32_MIN, kNone},
         LongRow{"MinMinusHalf", Variant(-2147483648.5), INT32_MIN, kNone},
         LongRow{"MinMinusMoreThanHalf", Variant(-2147483648.51), 0, 6},
         LongRow{"MinMinusOne", Variant(-2147483649.0), 0, 6},
         LongRow{"LongLongBeyond", Variant(static_cast<long long>(INT32_MAX) + 1), 0, 6},
         LongRow{"Infinity", Variant(HUGE_VAL), 0, 6}, LongRow{"NaN", Variant(std::nan("")), 0, 6},
         LongRow{"StringBeyond", Variant("2147483648"), 0, 6}, LongRow{"StringBeyondDouble", Variant("1e400"), 0, 6}},
        checkToLong);
}

TEST(ToLong, FromEachType) {
    forEachRow<LongRow>(
        {LongRow{"True", Variant(true), -1, kNone}, LongRow{"False", Variant(false), 0, kNone},
         LongRow{"Empty", Variant(), 0, kNone}, LongRow{"Int16", Variant(std::int16_t{-5}), -5, kNone},
         LongRow{"Long", Variant(INT32_MIN), INT32_MIN, kNone}, LongRow{"StringTie", Variant("2.5"), 2, kNone},
         LongRow{"StringTieUpWithBlanks", Variant(" 3.5 "), 4, kNone},
         LongRow{"StringExponent", Variant("1.5e2"), 150, kNone}, LongRow{"StringTrue", Variant("True"), -1, kNone},
         LongRow{"StringTrueAnyCase", Variant(" tRUE "), -1, kNone}, LongRow{"StringFalse", Variant("false"), 0, kNone},
         LongRow{"StringWord", Variant("abc"), 0, 13}, LongRow{"StringEmpty", Variant(""), 0, 13},
         LongRow{"StringTrueWithTail", Variant("True1"), 0, 13}, LongRow{"Missing", Variant::missing(), 0, 13},
         LongRow{"Object", anObject(), 0, 13}, LongRow{"Array", Variant(Variant::Array{1}), 0, 13}},
        checkToLong);
}

TEST(RoundToLong, MatchesToLongForDoubles) {
    EXPECT_EQ(roundToLong(2.5), 2);
    EXPECT_EQ(roundToLong(-3.5), -4);
    EXPECT_EQ(roundToLong(-2147483648.5), INT32_MIN);
    EXPECT_THAT(errorOf([] { roundToLong(2147483647.5); }), IsError(6, "", kOverflowText));
    EXPECT_THAT(errorOf([] { roundToLong(std::nan("")); }), IsError(6, "", kOverflowText));
}

// ---------------------------------------------------------------------------------------
// toInteger: 16-bit range

struct IntegerRow {
    const char* name;
    Variant value;
    std::int16_t expected;
    std::int32_t error;
};

void checkToInteger(const IntegerRow& row) {
    Variant v = inLocale(row.value);
    if (row.error == kNone) {
        EXPECT_EQ(v.toInteger(), row.expected);
    } else {
        EXPECT_THAT(errorOf([&] { v.toInteger(); }),
                    IsError(row.error, "", row.error == 6 ? kOverflowText : kTypeMismatchText));
    }
}

TEST(ToInteger, SixteenBitRange) {
    forEachRow<IntegerRow>(
        {IntegerRow{"Max", Variant(32767), 32767, kNone}, IntegerRow{"MaxPlusOne", Variant(32768), 0, 6},
         IntegerRow{"MaxPlusHalf", Variant(32767.5), 0, 6}, IntegerRow{"MaxMinusHalf", Variant(32766.5), 32766, kNone},
         IntegerRow{"Min", Variant(-32768), -32768, kNone},
         IntegerRow{"MinMinusHalf", Variant(-32768.5), -32768, kNone}, IntegerRow{"MinMinusOne", Variant(-32769), 0, 6},
         IntegerRow{"BeyondLong", Variant(1e10), 0, 6}, IntegerRow{"True", Variant(true), -1, kNone},
         IntegerRow{"String", Variant("-12.5"), -12, kNone}, IntegerRow{"StringWord", Variant("x"), 0, 13}},
        checkToInteger);
}

// ---------------------------------------------------------------------------------------
// toSingle and toDouble

struct RealRow {
    const char* name;
    Variant value;
    double expected;
    std::int32_t error;
};

void checkToSingle(const RealRow& row) {
    Variant v = inLocale(row.value);
    if (row.error == kNone) {
        EXPECT_EQ(v.toSingle(), static_cast<float>(row.expected));
    } else {
        EXPECT_THAT(errorOf([&] { v.toSingle(); }),
                    IsError(row.error, "", row.error == 6 ? kOverflowText : kTypeMismatchText));
    }
}

TEST(ToSingle, SingleRange) {
    forEachRow<RealRow>(
        {RealRow{"Single", Variant(1.25f), 1.25, kNone}, RealRow{"Double", Variant(0.1), 0.1, kNone},
         RealRow{"Max", Variant(static_cast<double>(FLT_MAX)), FLT_MAX, kNone},
         RealRow{"BeyondMax", Variant(3.5e38), 0, 6},
         RealRow{"NegativeMax", Variant(-static_cast<double>(FLT_MAX)), -FLT_MAX, kNone},
         RealRow{"BelowNegativeMax", Variant(-3.5e38), 0, 6}, RealRow{"TinyBecomesZero", Variant(1e-50), 0, kNone},
         RealRow{"StringBeyondMax", Variant("1e39"), 0, 6}, RealRow{"String", Variant("0.1"), 0.1, kNone},
         RealRow{"True", Variant(true), -1, kNone}, RealRow{"Empty", Variant(), 0, kNone},
         RealRow{"Long", Variant(16777217), 16777216, kNone}, RealRow{"Missing", Variant::missing(), 0, 13},
         RealRow{"Object", anObject(), 0, 13}},
        checkToSingle);
}

TEST(ToSingleNaN, PassesThrough) {
    EXPECT_TRUE(std::isnan(Variant(std::nanf("")).toSingle()));
    EXPECT_TRUE(std::isnan(Variant(std::nan("")).toSingle()));
}

void checkToDouble(const RealRow& row) {
    Variant v = inLocale(row.value);
    if (row.error == kNone) {
        EXPECT_EQ(v.toDouble(), row.expected);
    } else {
        EXPECT_THAT(errorOf([&] { v.toDouble(); }),
                    IsError(row.error, "", row.error == 6 ? kOverflowText : kTypeMismatchText));
    }
}

TEST(ToDouble, FromEachType) {
    forEachRow<RealRow>(
        {RealRow{"Single", Variant(0.1f), static_cast<double>(0.1f), kNone},
         RealRow{"Date", Variant::date(45000.25), 45000.25, kNone}, RealRow{"True", Variant(true), -1, kNone},
         RealRow{"Empty", Variant(), 0, kNone}, RealRow{"String", Variant(" -2.5e-3 "), -0.0025, kNone},
         RealRow{"StringFalse", Variant("False"), 0, kNone}, RealRow{"StringBeyondDouble", Variant("1e400"), 0, 6},
         RealRow{"StringBelowDouble", Variant("1e-400"), 0, kNone},
         RealRow{"StringLongFractionBelowDouble", Variant("0." + std::string(400, '0') + "1"), 0, kNone},
         RealRow{"StringWord", Variant("1 in"), 0, 13}, RealRow{"StringEmpty", Variant(""), 0, 13},
         RealRow{"Missing", Variant::missing(), 0, 13}, RealRow{"Array", Variant(Variant::Array{}), 0, 13}},
        checkToDouble);
}

// ---------------------------------------------------------------------------------------
// toBool

struct BoolRow {
    const char* name;
    Variant value;
    bool expected;
    std::int32_t error;
};

void checkToBool(const BoolRow& row) {
    Variant v = inLocale(row.value);
    if (row.error == kNone)
        EXPECT_EQ(v.toBool(), row.expected);
    else
        EXPECT_THAT(errorOf([&] { v.toBool(); }), IsError(row.error, "", kTypeMismatchText));
}

TEST(ToBool, NonZeroIsTrue) {
    forEachRow<BoolRow>(
        {BoolRow{"True", Variant(true), true, kNone}, BoolRow{"False", Variant(false), false, kNone},
         BoolRow{"Zero", Variant(0), false, kNone}, BoolRow{"MinusOne", Variant(-1), true, kNone},
         BoolRow{"Five", Variant(5), true, kNone}, BoolRow{"SmallFraction", Variant(0.1), true, kNone},
         BoolRow{"DoubleZero", Variant(0.0), false, kNone}, BoolRow{"Empty", Variant(), false, kNone},
         BoolRow{"StringZero", Variant("0"), false, kNone}, BoolRow{"StringFraction", Variant("0.5"), true, kNone},
         BoolRow{"StringTrue", Variant("TRUE"), true, kNone}, BoolRow{"StringFalse", Variant(" false "), false, kNone},
         BoolRow{"StringWord", Variant("yes"), false, 13}, BoolRow{"StringEmpty", Variant(""), false, 13},
         BoolRow{"Missing", Variant::missing(), false, 13}, BoolRow{"Object", anObject(), false, 13}},
        checkToBool);
}

// ---------------------------------------------------------------------------------------
// toString

struct StringRow {
    const char* name;
    Variant value;
    const char* expected;  // with "." for the locale's mark (dates have none)
};

void checkToString(const StringRow& row) {
    std::string expected = row.expected;
    if (!row.value.isString() && row.value.type() != Type::Date)
        for (char& c : expected)
            if (c == '.') c = decimalMark();
    EXPECT_EQ(row.value.toString(), expected);
}

TEST(ToString, InTheLocaleFormat) {
    forEachRow<StringRow>(
        {StringRow{"Empty", Variant(), ""}, StringRow{"True", Variant(true), "True"},
         StringRow{"False", Variant(false), "False"}, StringRow{"Int16", Variant(std::int16_t{-7}), "-7"},
         StringRow{"LongMax", Variant(INT32_MAX), "2147483647"},
         StringRow{"LongMin", Variant(INT32_MIN), "-2147483648"},
         // A single prints with 7 significant digits, a double with 15.
         StringRow{"SingleTenth", Variant(0.1f), "0.1"}, StringRow{"SingleHalf", Variant(1.5f), "1.5"},
         StringRow{"SingleExponent", Variant(16777216.0f), "1.677722E+07"},
         StringRow{"DoubleNoise", Variant(0.1 + 0.2), "0.3"}, StringRow{"DoubleWhole", Variant(1.0), "1"},
         StringRow{"DoubleNegativeZero", Variant(-0.0), "0"}, StringRow{"DoubleExponent", Variant(1e20), "1E+20"},
         StringRow{"DoubleFifteenDigits", Variant(123456789.123456789), "123456789.123457"},
         StringRow{"StringUnchanged", Variant(" 1.5 x "), " 1.5 x "}},
        checkToString);
}

// Dates print as ISO dates, days counted from 1899-12-30; a time of day is added when there is one.
TEST(ToString, IsoDates) {
    forEachRow<StringRow>(
        {StringRow{"DayZero", Variant::date(0), "1899-12-30"}, StringRow{"DayBefore", Variant::date(-1), "1899-12-29"},
         StringRow{"NewYear1900", Variant::date(2), "1900-01-01"},
         StringRow{"NoLeapDay1900", Variant::date(61), "1900-03-01"},
         StringRow{"Year2000", Variant::date(36526), "2000-01-01"},
         StringRow{"LeapDay2000", Variant::date(36585), "2000-02-29"},
         StringRow{"March2023", Variant::date(45000), "2023-03-15"},
         StringRow{"Noon", Variant::date(0.5), "1899-12-30 12:00:00"},
         StringRow{"Morning", Variant::date(45000.25), "2023-03-15 06:00:00"},
         StringRow{"OneSecond", Variant::date(1.0 / 86400), "1899-12-30 00:00:01"},
         StringRow{"LastSecond", Variant::date(2 - 1.0 / 86400), "1899-12-31 23:59:59"},
         // Less than half a second before midnight is the next day, not "24:00:00".
         StringRow{"RoundsToMidnight", Variant::date(2 - 0.25 / 86400), "1900-01-01"}},
        checkToString);
}

TEST(ToStringErrors, NoTextForMissingObjectOrArray) {
    EXPECT_THAT(errorOf([] { Variant::missing().toString(); }), IsError(13, "", kTypeMismatchText));
    EXPECT_THAT(errorOf([] { anObject().toString(); }), IsError(13, "", kTypeMismatchText));
    EXPECT_THAT(errorOf([] { Variant(Variant::Array{}).toString(); }), IsError(13, "", kTypeMismatchText));
}

// ---------------------------------------------------------------------------------------
// Both decimal marks explicitly

TEST(VariantLocale, PointLocale) {
    ScopedLocale numeric(kPointLocale);
    ASSERT_TRUE(numeric.ok());
    EXPECT_EQ(Variant("1.5").toDouble(), 1.5);
    EXPECT_EQ(Variant("2.5").toLong(), 2);
    EXPECT_THAT(errorOf([] { Variant("1,5").toDouble(); }), IsError(13, "", kTypeMismatchText));
    EXPECT_FALSE(Variant("1,5").isNumeric());
    EXPECT_EQ(Variant(1.5).toString(), "1.5");
    EXPECT_EQ(Variant(-0.25f).toString(), "-0.25");
}

TEST(VariantLocale, CommaLocale) {
    ScopedLocale numeric(kCommaLocale);
    ASSERT_TRUE(numeric.ok());
    EXPECT_EQ(Variant("1,5").toDouble(), 1.5);
    EXPECT_EQ(Variant("3,5").toLong(), 4);
    EXPECT_THAT(errorOf([] { Variant("1.5").toDouble(); }), IsError(13, "", kTypeMismatchText));
    EXPECT_FALSE(Variant("1.5").isNumeric());
    EXPECT_EQ(Variant(1.5).toString(), "1,5");
    EXPECT_EQ(Variant(-0.25f).toString(), "-0,25");
}

TEST(VariantLocale, TextReadsBackUnderTheSameLocale) {
    for (const char* name : {kPointLocale, kCommaLocale}) {
        ScopedLocale numeric(name);
        ASSERT_TRUE(numeric.ok());
        EXPECT_EQ(Variant(Variant(1234.5678).toString()).toDouble(), 1234.5678) << name;
        EXPECT_EQ(Variant(Variant(56.7f).toString()).toSingle(), 56.7f) << name;
        EXPECT_EQ(Variant(Variant(true).toString()).toLong(), -1) << name;
    }
}

// ---------------------------------------------------------------------------------------
// AutomationError

TEST(AutomationErrorText, WhatNamesNumberSourceAndDescription) {
    AutomationError e(1000, "CTwips", "Error converting : 1 inch");
    EXPECT_STREQ(e.what(), "Error 1000 (CTwips): Error converting : 1 inch");
    EXPECT_STREQ(AutomationError(6, "", "Overflow").what(), "Error 6: Overflow");
    EXPECT_STREQ(AutomationError(5, "ModifyStyle", "").what(), "Error 5 (ModifyStyle)");
}

TEST(AutomationErrorText, StandardNumbersKeepTheirTexts) {
    EXPECT_STREQ(standardErrorText(5), "Invalid procedure call or argument");
    EXPECT_STREQ(standardErrorText(6), "Overflow");
    EXPECT_STREQ(standardErrorText(7), "Out of memory");
    EXPECT_STREQ(standardErrorText(9), "Subscript out of range");
    EXPECT_STREQ(standardErrorText(13), "Type mismatch");
    EXPECT_STREQ(standardErrorText(381), "Invalid property-array index");
    EXPECT_STREQ(standardErrorText(383), "Set not supported (read-only property)");
    EXPECT_STREQ(standardErrorText(387), "Set not permitted");
    EXPECT_STREQ(standardErrorText(457), "This key is already associated with an element of this collection");
    EXPECT_STREQ(standardErrorText(1000), "");
    EXPECT_THAT(errorOf([] { raiseStandard(381, "X.Y"); }), IsError(381, "X.Y", "Invalid property-array index"));
}

}  // namespace
}  // namespace kalder
