#include "richtext/PageNumbering.h"

#include <array>

#include "document/cDocument.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {

// Roman numerals are built place by place from the place's one, five and ten letters.
std::string roman(std::int32_t number) {
    if (number <= 0) return "";
    static constexpr std::array<const char*, 10> kPattern = {"",  "1",  "11",  "111",  "15",
                                                             "5", "51", "511", "5111", "1T"};
    std::string out(static_cast<std::size_t>(number / 1000), 'M');
    auto place = [&](std::int32_t digit, char one, char five, char ten) {
        for (const char* p = kPattern[static_cast<std::size_t>(digit)]; *p; ++p)
            out += *p == '1' ? one : *p == '5' ? five : ten;
    };
    place(number / 100 % 10, 'C', 'D', 'M');
    place(number / 10 % 10, 'X', 'L', 'C');
    place(number % 10, 'I', 'V', 'X');
    return out;
}

std::string numberIn(std::int32_t type, std::int32_t n) { return type == prPTRoman ? roman(n) : std::to_string(n); }

}  // namespace

std::string PageNumbering::text(bool maxPages) const {
    if (!document || !page) return "";
    const std::int32_t type = page->PageNoType;
    if (type != prPTArabic && type != prPTRoman) return "error";
    std::string out = numberIn(type, page->LogicalPageNo);
    if (maxPages) out += "/" + numberIn(type, document->PagesCount());
    return out;
}

const cPage* pageHolding(const cDocument& doc, const cFrame& frame) noexcept {
    for (const auto& page : doc.pages())
        for (const auto& f : page->Frames())
            if (f.get() == &frame) return page.get();
    return nullptr;
}

}  // namespace kalder
