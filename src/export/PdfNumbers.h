// Numbers as PDF content writes them: always "." as the decimal mark, whatever the locale.
#pragma once

#include <cstdint>
#include <string>

namespace kalder::pdf {

// A twip measure as points with exactly three decimals: 1440 -> "72.000", -15 -> "-0.750".
// Twips are whole numbers, so twips / 20 in thousandths (x 50) is exact.
void appendTwips(std::string& out, std::int64_t twips);

// Any value with exactly three decimals, rounded half away from zero.
void appendFixed3(std::string& out, double value);

void appendInt(std::string& out, std::int64_t value);

}  // namespace kalder::pdf
