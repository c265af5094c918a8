#include "export/WinAnsi.h"

#include <algorithm>
#include <cstdint>

namespace kalder {

namespace {
// Code points of Windows-1252 0x80..0x9F; 0 where the code is unassigned.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int toWinAnsi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c && c != 0) return 0x80 + i;
    return -1;
}
}  // namespace

std::size_t appendWinAnsi(std::string& out, std::string_view s) {
    std::size_t replaced = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        unsigned char b = *p;
        if (b < 0x80) {
            // ASCII is most text: a stretch of it is appended in one piece.
            const auto* from = p;
            while (p < end && *p < 0x80) ++p;
            out.append(reinterpret_cast<const char*>(from), static_cast<std::size_t>(p - from));
            continue;
        }
        int len = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        char32_t c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = len > 0 && end - p >= len;
        for (int i = 1; valid && i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80) valid = false;
            else c = (c << 6) | (p[i] & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++replaced;
            ++p;
            continue;
        }
        p += len;
        int code = toWinAnsi(c);
        if (code < 0) {
            out += '?';
            ++replaced;
        } else {
            out += static_cast<char>(code);
        }
    }
    return replaced;
}

bool winAnsiCovers(std::string_view s) {
    // ASCII is most text, and Windows-1252 has all of it.
    if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return true;
    std::string scratch;
    return appendWinAnsi(scratch, s) == 0;
}

}  // namespace kalder
