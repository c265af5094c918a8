// The text of a value in a report cell. A column formats each cell by its FormatType and Fmt
// (formatEntry); the general type with a text Fmt, and text in a number column, go through
// the Visual Basic style pattern formatter (formatPattern, FormatPattern.h).
//
// Everything follows the C library's locale at the time of the call: LC_NUMERIC for the
// decimal mark and the thousands separator, LC_MONETARY for currency, LC_TIME for date
// formats and the names of months and days. All functions are pure apart from reading the
// locale, and no safer for threads than localeconv() (core/Locale.h reads it the same way):
// glibc refills one static structure, with the same values while nobody changes the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kalder/Variant.h"
#include "reports/FormatPattern.h"

namespace kalder {

// The text of `value` in a report cell, by the column's eFormatType (prFMGeneral,
// prFMPercent, prFMNumber, prFMDateTime, prFMCurrency) and `fmt`:
//  - general: formatPattern(value, fmt) with a non-empty text (or number) fmt, else the
//    value's plain text;
//  - percent, number, currency: fmt is the digit count after the decimal mark (number,
//    numeric text, empty for the default) or an array {digits, leading digit, parentheses
//    for negatives, group digits}; text that is no number in a number column is formatted
//    with fmt as a pattern;
//  - date/time: fmt is the named format 0 general, 1 long date, 2 short date, 3 long time,
//    4 short time (or an array holding it first); the value is a date, a serial number or
//    ISO text ("2024-01-15", "2024-01-15 13:45[:30]", "2024-01-15T13:45:30").
// An empty value gives "" whatever the format (a NULL field leaves its cell blank).
// Throws AutomationError(13, "FormatEntry", "Error in Format") when the value or fmt does
// not fit the format; the caller shows "Error in format" in the cell.
std::string formatEntry(const Variant& value, std::int32_t formatType, const Variant& fmt);

// The Fmt of a column made from a database field of `fieldType` (fieldtype:: numbers of
// Recordset.h): {0, true, false, true} for integers, {2, true, false, true} for the other
// numbers and currency, {0} (general date) for dates, Empty for anything else.
Variant defaultFormatArguments(std::int32_t fieldType);

// ---- Pieces the pattern formatter shares with the column formats -------------------------

// The digits of |value| x 10^shift rounded half away from zero, taken from its 15 significant
// digits as the automation run-time shows a double (so 1.005 rounds to 1.01 at two places).
// Fixed: the integer digits ("" below 1) and exactly `fraction` digits after the point.
struct FixedDigits {
    std::string whole, fraction;
    bool isZero() const;
};
FixedDigits fixedDigits(double magnitude, long long shift, long long fraction);
// Scientific: `whole` integer digits (at least 1), `fraction` digits, and the exponent of ten.
struct ScientificDigits {
    std::string whole, fraction;
    long long exponent = 0;
};
ScientificDigits scientificDigits(double magnitude, long long shift, long long whole, long long fraction);

// An integer's digits with the locale's thousands separator (LC_NUMERIC, or LC_MONETARY
// when `money`) wherever its grouping puts one; `digits` unchanged when it has none.
std::string groupedDigits(const std::string& digits, bool money = false);
// The same places one by one: true at i when a separator follows digits[i].
std::vector<bool> groupBreaks(std::size_t count, bool money = false);
std::string thousandsSeparator(bool money = false);

// How a number is laid out: digits after the decimal mark and Visual Basic's FormatNumber
// switches.
struct NumberStyle {
    int digits = 2;
    bool leadingDigit = true;  // "0.5" rather than ".5"
    bool parentheses = false;  // "(5.00)" rather than "-5.00"
    bool group = true;         // thousands separators of the locale
};

// A finite number laid out by `style` (grouped by LC_NUMERIC's separator and grouping).
std::string numberText(double value, const NumberStyle& style);
// value x 100 laid out by `style`, followed by "%".
std::string percentText(double value, const NumberStyle& style);
// A finite number as an amount of the locale's currency (LC_MONETARY).
std::string currencyText(double value, const NumberStyle& style);
// The currency's usual digits after the decimal mark (2 when the locale has none).
int currencyDigits();

// A date serial taken apart; hasTime is false at midnight.
struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    int weekday = 6;    // 0 Sunday .. 6 Saturday
    int dayOfYear = 1;  // 1 .. 366
    bool hasDate = false, hasTime = false;
};

// The serial a value stands for as a date: a date, a number, numeric text or ISO text.
std::optional<double> dateSerialOf(const Variant& value);
// `serial` taken apart to the second; none outside the years 100 .. 9999 or when not finite.
std::optional<DateParts> splitDate(double serial);

// The named date formats: 0 general, 1 long date, 2 short date, 3 long time, 4 short time.
std::string namedDateText(const DateParts& date, int named);
std::string longDateText(const DateParts& date);
std::string shortDateText(const DateParts& date);
std::string longTimeText(const DateParts& date);

}  // namespace kalder
