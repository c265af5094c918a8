#include "export/PdfFonts.h"

#include <cmath>
#include <cstring>

#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "export/WinAnsi.h"

namespace kalder::pdf {

namespace {

bool contains(const std::string& haystack, const char* needle) { return haystack.find(needle) != std::string::npos; }

std::string emphasis(bool bold, bool italic, const char* boldText, const char* italicText) {
    std::string s;
    if (bold) s += boldText;
    if (italic) s += italicText;
    return s;
}

constexpr TrueTypeFont kTrueType[] = {
    {"tahoma", "Tahoma", "Tahoma", "-604 -207 1338 1034", 32, 666, 765, -207, 87, 0, 0, false},
    {"tahoma,bold", "Tahoma,bold", "Tahoma,Bold", "-698 -208 1625 1065", 32, 666, 765, -207, 87, 0, 0, false},
    {"verdana", "Verdana", "Verdana", "-50 -207 1447 1000", 34, 726, 1000, -207, 96, 0, 544, false},
    {"verdana,bold", "Verdana,Bold", "Verdana,Bold", "-73 -208 1707 1000", 34, 726, 1000, -208, 204, 0, 547, false},
    {"wingdings", "Wingdings", "Wingdings", "0 -211 1359 899", 32, 666, 771, 205, 87, 0, 0, true},
    {"wingdings-symbol", "Wingdings-Symbol", "Wingdings", "0 -211 1359 899", 32, 666, 771, 205, 87, 0, 0, true},
};

// Verdana's advances for the printable ASCII codes 32..126.
constexpr int kVerdanaAscii[95] = {
    352, 394, 459, 818, 636, 1076, 727, 269, 454, 454, 636, 818, 364, 454, 364, 454,  // 32..47
    636, 636, 636, 636, 636, 636, 636, 636, 636, 636, 454, 454, 818, 818, 818, 545,   // 48..63
    1000, 684, 686, 698, 771, 632, 575, 775, 751, 421, 455, 693, 557, 843, 748, 787,  // 64..79
    603, 787, 695, 684, 616, 732, 684, 989, 685, 615, 685, 454, 454, 454, 818, 636,   // 80..95
    636, 601, 623, 521, 623, 596, 352, 623, 633, 274, 344, 592, 274, 973, 633, 607,   // 96..111
    623, 623, 427, 521, 394, 633, 592, 818, 592, 592, 525, 635, 454, 635, 818,        // 112..126
};

}  // namespace

std::string baseFontName(const cStyle& style) {
    const std::string n = lowerAscii(style.FontName);
    const bool b = style.Bold, i = style.Italic;
    if (contains(n, "courier")) return b || i ? "Courier-" + emphasis(b, i, "Bold", "Oblique") : "Courier";
    if (contains(n, "verdana")) return b ? "Verdana,Bold" : "Verdana";
    if (contains(n, "tahoma")) return b ? "Tahoma,Bold" : "Tahoma";
    if (contains(n, "wingdings")) return b ? "Wingdings-symbol" : "Wingdings";
    if (contains(n, "helvetica")) return b || i ? "Helvetica-" + emphasis(b, i, "Bold", "Oblique") : "Helvetica";
    if (contains(n, "times")) return b || i ? "Times-" + emphasis(b, i, "Bold", "Italic") : "Times-Roman";
    if (contains(n, "zapfdingbats")) return "ZapfDingbats";
    if (contains(n, "symbol")) return "Symbol";
    return b || i ? "Arial," + emphasis(b, i, "Bold", "Italic") : "Arial";
}

bool knownFamily(const std::string& fontName) {
    const std::string n = lowerAscii(fontName);
    for (const char* family : {"arial", "courier", "times", "helvetica", "verdana", "tahoma", "wingdings", "symbol",
                               "zapfdingbats"})
        if (contains(n, family)) return true;
    return false;
}

const TrueTypeFont* trueTypeFont(std::string_view baseFont) {
    const std::string key = lowerAscii(baseFont);
    for (const TrueTypeFont& f : kTrueType)
        if (key == f.key) return &f;
    return nullptr;
}

std::array<int, 256> widthsOf(const TrueTypeFont& font) {
    // Widths the tables do not fix come from the font the text measurer uses for that name, so
    // that a reader places every glyph where the layout placed it.
    cStyle s;
    s.FontName = std::strncmp(font.key, "tahoma", 6) == 0    ? "Tahoma"
                 : std::strncmp(font.key, "verdana", 7) == 0 ? "Verdana"
                                                             : "Wingdings";
    s.Bold = std::strchr(font.key, ',') != nullptr || std::strstr(font.key, "-symbol") != nullptr;
    s.FontSize = 1000;  // an em of 1000 twips: widths come out in thousandths of the em
    std::array<int, 256> w{};
    for (int code = 0; code < 256; ++code) {
        if (code < 32) {
            w[code] = 1000;
            continue;
        }
        std::string utf8;
        const char byte = static_cast<char>(code);
        // The Windows-1252 character of the code, as UTF-8.
        static const char32_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                          0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
        char32_t cp = code >= 0x80 && code < 0xA0 ? high[code - 0x80] : static_cast<char32_t>(static_cast<unsigned char>(byte));
        if (cp == 0) continue;
        if (cp < 0x80) utf8 += static_cast<char>(cp);
        else if (cp < 0x800) utf8 += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        else utf8 += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                      static_cast<char>(0x80 | (cp & 0x3F))};
        w[code] = static_cast<int>(std::lround(TextMeasurer::width(s, utf8)));
    }
    const std::string key = font.key;
    if (key == "verdana") {
        for (int c = 32; c <= 126; ++c) w[c] = kVerdanaAscii[c - 32];
    } else if (key == "verdana,bold") {
        w[' '] = 342;
        for (int c = '0'; c <= '9'; ++c) w[c] = 711;
        w['A'] = 776;
    } else if (key == "tahoma") {
        w[' '] = 313;
        w[','] = w['.'] = 303;
        for (int c = '0'; c <= '9'; ++c) w[c] = 546;
        w[':'] = 354;
        w['a'] = 525;
        w['e'] = 526;
        w['i'] = w['l'] = 229;
        w['o'] = 543;
        w['w'] = 742;
        w[128] = 471;
    } else if (key == "tahoma,bold") {
        w[' '] = 293;
        w[','] = w['.'] = 313;
        for (int c = '0'; c <= '9'; ++c) w[c] = 637;
        w[':'] = 363;
        w['a'] = 599;
    } else {
        w[32] = 1000;
    }
    return w;
}

}  // namespace kalder::pdf
