// Page lists typed by people: "1,3,5-12" and the like, as the print run and the printer setup
// dialog take them. Pure functions, no printer needed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kalder {

// The pages of a list, in the order written, duplicates kept. Digits build a number; ","
// ends an item; "-" after a number starts a range, and a second "-" while a range is open
// ends it like ","; any other character is skipped (so "1-3x,7" is 1, 2, 3, 7 and "1 2" is
// 12). A range whose start exceeds its end adds nothing, and so does an item whose number
// does not fit 16 bits. A blank text gives no pages.
std::vector<std::int16_t> parsePageRange(std::string_view text);

// The number a text starts with, after blanks and an optional sign ("12abc" is 12, "" and
// "x" are 0), as a page number is read from PageRange for the current page. Numbers beyond
// 32 bits give 0.
std::int32_t leadingPageNumber(std::string_view text);

}  // namespace kalder
