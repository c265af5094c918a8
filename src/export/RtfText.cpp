#include "export/RtfText.h"

#include <cstdint>

#include "export/WinAnsi.h"

namespace kalder {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendUnicode(std::string& out, char32_t c) {
    auto unit = [&out](std::uint32_t u) {
        out += "\\u";
        out += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(u)));
        out += '?';  // what a reader that skips the escape shows (\uc1: one character)
    };
    if (c < 0x10000) return unit(c);
    c -= 0x10000;
    unit(0xD800 + (c >> 10));
    unit(0xDC00 + (c & 0x3FF));
}

// The length of the UTF-8 sequence starting at p (0 when invalid) and its code point.
std::size_t decode(const unsigned char* p, const unsigned char* end, char32_t& c) {
    const unsigned char b = *p;
    const std::size_t len = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || static_cast<std::size_t>(end - p) < len) return 0;
    c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? 0 : len;
}

}  // namespace

void appendRtfText(std::string& out, std::string_view utf8) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    std::string single;
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            if (b == '\\' || b == '{' || b == '}') out += '\\', out += static_cast<char>(b);
            else if (b == '\t') out += "\\tab ";
            else out += b < 0x20 || b == 0x7F ? '?' : static_cast<char>(b);
            ++p;
            continue;
        }
        char32_t c = 0;
        const std::size_t len = decode(p, end, c);
        if (len == 0) {
            out += '?';
            ++p;
            continue;
        }
        single.clear();
        if (appendWinAnsi(single, std::string_view(reinterpret_cast<const char*>(p), len)) == 0) {
            const auto code = static_cast<unsigned char>(single[0]);
            out += "\\'", out += kHex[code >> 4], out += kHex[code & 0xF];
        } else {
            appendUnicode(out, c);
        }
        p += len;
    }
}

}  // namespace kalder
