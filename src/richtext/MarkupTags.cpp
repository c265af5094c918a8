#include "richtext/MarkupTags.h"

#include <array>

namespace kalder {

namespace {
// Indexed by code; the names in the order of the codes.
constexpr std::array<std::string_view, kLastMarkupTag + 1> kNames = {
    "",   "ac", "bd", "ce", "zl", "zr", "co", "xp", "fs", "nl", "sl", "it", "ju", "lv",
    "pg", "rl", "rr", "tb", "tc", "ts", "ul", "ff", "li", "ri", "st", "dm", "dn", "ss"};

constexpr char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::int32_t markupTagCode(char a, char b) noexcept {
    const char la = lower(a), lb = lower(b);
    for (std::int32_t code = 1; code <= kLastMarkupTag; ++code)
        if (kNames[static_cast<std::size_t>(code)][0] == la && kNames[static_cast<std::size_t>(code)][1] == lb)
            return code;
    return tagNone;
}

std::string_view markupTagName(std::int32_t code) noexcept {
    return code > 0 && code <= kLastMarkupTag ? kNames[static_cast<std::size_t>(code)] : std::string_view();
}

}  // namespace kalder
