#include "document/XmlText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace kalder {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence at text[i] (its code point in `cp`), or 0.
std::size_t utf8Length(std::string_view text, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) return cp = b0, 1;
    std::size_t n;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) n = 2, cp = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0) n = 3, cp = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0) n = 4, cp = b0 & 0x07, min = 0x10000;
    else return 0;
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool documentCharacter(char32_t cp) {
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD) ||
           (cp >= 0x10000 && cp <= 0x10FFFF);
}

// A character reference "&#N;" or "&#xH;" at text[i]: its length and value, or 0 when the
// text there is no reference (pugixml judges those as it parses).
std::size_t referenceAt(std::string_view text, std::size_t i, std::uint64_t& value) {
    if (text.substr(i, 2) != "&#") return 0;
    std::size_t start = i + 2;
    int base = 10;
    if (start < text.size() && text[start] == 'x') ++start, base = 16;
    const std::size_t end = text.find(';', start);
    if (end == std::string_view::npos || end == start || end - start > 16) return 0;
    auto res = std::from_chars(text.data() + start, text.data() + end, value, base);
    if (res.ptr != text.data() + end) {
        // Digits beyond any character: say so rather than let it through as "no reference".
        if (res.ec == std::errc::result_out_of_range) return value = UINT64_MAX, end + 1 - i;
        return 0;
    }
    return end + 1 - i;
}

}  // namespace

bool isUtf8(std::string_view text) {
    char32_t cp;
    for (std::size_t i = 0, n; i < text.size(); i += n)
        if ((n = utf8Length(text, i, cp)) == 0) return false;
    return true;
}

BadCharacter findBadCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '&') {
            std::uint64_t value = 0;
            if (const std::size_t n = referenceAt(text, i, value)) {
                const bool control = value >= 1 && value < 0x20;
                if (!control && !documentCharacter(static_cast<char32_t>(std::min<std::uint64_t>(value, 0xFFFFFFFF))))
                    return {i, "the character reference " + std::string(text.substr(i, n)) + " names no character a document can hold"};
                i += n;
                continue;
            }
        }
        if (b < 0x80) {
            if (b == 0) return {i, "a null byte"};
            ++i;
            continue;
        }
        char32_t cp;
        const std::size_t n = utf8Length(text, i, cp);
        if (n == 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", b);
            return {i, "the byte " + std::string(hex) + " is not UTF-8"};
        }
        i += n;
    }
    return {};
}

std::string_view xmlCharacters(std::string_view text, std::string& storage) {
    // The common case: plain text, returned as it is.
    std::size_t i = 0;
    char32_t cp;
    for (std::size_t n; i < text.size(); i += n) {
        n = utf8Length(text, i, cp);
        if (n == 0 || !documentCharacter(cp)) break;
    }
    if (i == text.size()) return text;
    storage.assign(text.substr(0, i));
    while (i < text.size()) {
        const std::size_t n = utf8Length(text, i, cp);
        if (n == 0 || !documentCharacter(cp)) {
            storage += kReplacement;
            i += n == 0 ? 1 : n;
        } else {
            storage.append(text.substr(i, n));
            i += n;
        }
    }
    return storage;
}

}  // namespace kalder
