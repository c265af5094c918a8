// The one place that turns numbers into text and back for the user's locale.
//
// The user locale is the C library's LC_NUMERIC locale: a program that wants the user's
// settings calls setlocale(LC_ALL, "") (a Qt application does so when it starts). Numbers are
// formatted with the locale's decimal mark and read back with the same mark; there is no
// thousands separator. Machine-read formats (PDF, RTF) never come here: they always use ".".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// The one-character decimal separator of the user locale ("." or ",").
char decimalMark();

// A number as text in the user locale's format, with at most `significant` significant
// digits and no trailing zeros: 0.5 -> "0.5" (or "0,5"), 1e20 -> "1E+20".
std::string formatNumber(double value, int significant = 15);

// Fixed number of decimals in the locale's format: formatFixed(24, 1) -> "24.0".
std::string formatFixed(double value, int decimals);

// Reads a number written in the user locale's format: optional blanks, sign, digits with
// the locale's decimal mark, optional exponent. Empty result when the text is no number.
std::optional<double> parseNumber(std::string_view text);

// The current date in the locale's short date format.
std::string shortDateToday();

// Trims leading and trailing blanks (spaces only, as the automation run-time's Trim does).
std::string_view trimBlanks(std::string_view text);

// ASCII lower case; other bytes unchanged.
std::string lowerAscii(std::string_view text);

}  // namespace kalder
