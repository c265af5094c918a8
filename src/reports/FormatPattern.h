// Visual Basic style format patterns: what Format(value, pattern) gives.
//
// A pattern is one of
//  - a named format, case-insensitive: "General Number", "Currency", "Fixed", "Standard",
//    "Percent", "Scientific", "Yes/No", "True/False", "On/Off", "General Date",
//    "Long Date", "Medium Date", "Short Date", "Long Time", "Medium Time", "Short Time";
//  - a text pattern (it holds @ & < > or !): @ a character or a space, & a character or
//    nothing, filled from the right unless ! asks for the left; < lower case, > upper case;
//    a second section ("...;...") is used for empty text;
//  - a date pattern (it holds d m y h n s, AM/PM or A/P): d dd ddd dddd ddddd dddddd, m mm
//    mmm mmmm (minutes right after an hour), y (day of the year) yy yyyy, h hh, n nn, s ss;
//  - otherwise a number pattern, "positive;negative;zero": 0 and # digit places, "." the
//    decimal mark, "," thousands separators (or, right before the decimal mark, a division
//    by 1000), % (x 100), E+ E- e+ e- scientific.
// In all kinds "\x" and "..." are literal, as is any character without a meaning.
// A value the pattern does not fit (text with a number pattern, a number out of the date
// range with a date pattern) comes back as its plain text; an empty value gives "". Only an
// object or array value raises (error 13). The work is linear in the pattern's length.
#pragma once

#include <string>
#include <string_view>

#include "kalder/Variant.h"

namespace kalder {

std::string formatPattern(const Variant& value, std::string_view pattern);

}  // namespace kalder
