#include "print/PageRange.h"

#include <limits>

namespace kalder {

namespace {

constexpr std::int32_t kTooBig = -1;

// Digits gathered so far; a number past 16 bits is remembered as too big, not wrapped.
struct NumberBuffer {
    std::int32_t value = 0;
    bool any = false;

    void add(char digit) {
        any = true;
        if (value == kTooBig) return;
        value = value * 10 + (digit - '0');
        if (value > std::numeric_limits<std::int16_t>::max()) value = kTooBig;
    }
    void clear() { value = 0, any = false; }
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::vector<std::int16_t> parsePageRange(std::string_view text) {
    std::vector<std::int16_t> pages;
    NumberBuffer number;
    bool rangeOpen = false;
    std::int32_t rangeStart = 0;

    auto closeItem = [&] {
        if (rangeOpen) {
            if (rangeStart != kTooBig && number.value != kTooBig)
                for (std::int32_t p = rangeStart; p <= number.value; ++p) pages.push_back(static_cast<std::int16_t>(p));
        } else if (number.any && number.value != kTooBig) {
            pages.push_back(static_cast<std::int16_t>(number.value));
        }
        rangeOpen = false;
        number.clear();
    };

    bool blank = true;
    for (char c : text) blank = blank && isBlank(c);
    if (blank) return pages;

    for (char c : text) {
        if (c >= '0' && c <= '9') {
            number.add(c);
        } else if (c == ',') {
            closeItem();
        } else if (c == '-') {
            if (rangeOpen) {
                closeItem();
            } else if (number.any) {
                rangeOpen = true;
                rangeStart = number.value;
                number.clear();
            }
        }
    }
    closeItem();
    return pages;
}

std::int32_t leadingPageNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace kalder
