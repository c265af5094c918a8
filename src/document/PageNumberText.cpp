#include "document/PageNumberText.h"

#include <array>

#include "document/cDocument.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {

// Digits 1..9 of one decimal place, written with the place's one, five and ten letters.
std::string romanDigit(std::int32_t digit, char one, char five, char ten) {
    static constexpr std::array<const char*, 10> kPattern = {"",   "1",   "11",  "111",  "15",
                                                             "5",  "51",  "511", "5111", "1T"};
    std::string out;
    for (const char* p = kPattern[static_cast<std::size_t>(digit)]; *p; ++p)
        out += *p == '1' ? one : *p == '5' ? five : ten;
    return out;
}

std::string numberIn(std::int32_t type, std::int32_t n) {
    return type == prPTRoman ? romanNumeral(n) : std::to_string(n);
}

}  // namespace

std::string romanNumeral(std::int32_t number) {
    if (number <= 0) return "";
    std::string out(static_cast<std::size_t>(number / 1000), 'M');
    out += romanDigit(number / 100 % 10, 'C', 'D', 'M');
    out += romanDigit(number / 10 % 10, 'X', 'L', 'C');
    out += romanDigit(number % 10, 'I', 'V', 'X');
    return out;
}

std::string pageNumberText(const cDocument& doc, const cPage& page, bool maxPages) {
    const std::int32_t type = page.PageNoType;
    if (type != prPTArabic && type != prPTRoman) return "error";
    std::string text = numberIn(type, page.LogicalPageNo);
    if (maxPages) text += "/" + numberIn(type, doc.PagesCount());
    return text;
}

std::string expandPageNumber(std::string_view definition, std::string_view number) {
    std::string text(definition);
    if (const auto at = text.find("??"); at != std::string::npos) text.replace(at, 2, number);
    return text;
}

}  // namespace kalder
