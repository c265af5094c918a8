#include "richtext/TagArguments.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "richtext/MarkupTags.h"

namespace kalder {

namespace {

// A whole decimal number, "," read as ".", nothing else around it; empty when malformed.
std::optional<double> decimalNumber(std::string_view arg) {
    if (!arg.empty() && arg.front() == '+') arg.remove_prefix(1);
    if (arg.empty() || arg.size() > 64) return std::nullopt;
    std::array<char, 64> buf{};
    for (std::size_t i = 0; i < arg.size(); ++i) {
        const char c = arg[i];
        // Only a plain decimal: digits, a sign in front, one decimal mark (no exponent, no
        // "inf" or "nan", which from_chars would take).
        if (!(c >= '0' && c <= '9') && c != '.' && c != ',' && !(c == '-' && i == 0)) return std::nullopt;
        buf[i] = c == ',' ? '.' : c;
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(buf.data(), buf.data() + arg.size(), v);
    if (ec != std::errc() || end != buf.data() + arg.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::int32_t clampedRound(double v, double lo, double hi) {
    if (!(v >= lo)) return static_cast<std::int32_t>(lo);  // NaN too
    if (v > hi) return static_cast<std::int32_t>(hi);
    return static_cast<std::int32_t>(std::nearbyint(v));  // the default rounding mode: half to even
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 codes 128..159 as Unicode; the five codes the code page leaves undefined map to
// the C1 control of the same number, as Windows' own conversion does.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool tagBoolean(std::string_view arg) noexcept { return arg != "0"; }

std::int32_t tagWhole(std::string_view arg) noexcept {
    const auto v = decimalNumber(arg);
    if (!v) return 0;
    const double r = std::nearbyint(*v);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(r);
}

float tagPoints(std::string_view arg) noexcept {
    const auto v = decimalNumber(arg);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return 0;
    return static_cast<float>(*v);
}

double leadingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    text.remove_prefix(i);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits may start the number: from_chars would also read "inf" and "nan".
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) return 0;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Beyond the double range: as large as a double goes; below it: 0.
        const bool huge = text.find_first_of("eE") == std::string_view::npos ||
                          text.find('-', text.find_first_of("eE")) == std::string_view::npos;
        v = huge ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        return 0;
    }
    (void)end;
    return negative ? -v : v;
}

std::optional<std::int32_t> tagColor(std::string_view arg) noexcept {
    const std::size_t first = arg.find(';');
    if (first == std::string_view::npos) return std::nullopt;
    auto component = [](std::string_view part) { return clampedRound(leadingNumber(part), 0, 255); };
    const std::int32_t red = component(arg.substr(0, first));
    std::int32_t green = 0, blue = 0;
    const std::size_t second = arg.find(';', first + 1);
    if (second != std::string_view::npos) {
        green = component(arg.substr(first + 1, second - first - 1));
        const std::string_view rest = arg.substr(second + 1);
        blue = component(rest.substr(0, rest.find(';')));
    }
    return red + 256 * green + 65536 * blue;
}

std::optional<std::pair<std::int32_t, double>> tagLeading(std::string_view arg) noexcept {
    const std::size_t semi = arg.find(';');
    if (semi == std::string_view::npos) return std::nullopt;
    const std::int32_t type = clampedRound(leadingNumber(arg.substr(0, semi)), std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max());
    const std::string_view rest = arg.substr(semi + 1);
    return std::pair{type, leadingNumber(rest.substr(0, rest.find(';')))};
}

std::string characterOfCode(std::int32_t code) {
    std::string out;
    if (code <= 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return out;
    std::uint32_t cp = static_cast<std::uint32_t>(code);
    if (cp >= 128 && cp < 160) cp = kCp1252High[cp - 128];
    appendUtf8(out, cp);
    return out;
}

Variant tagParam(std::int32_t code, std::string_view arg) {
    switch (code) {
        case tagBd:
        case tagIt:
        case tagUl:
        case tagSt:
        case tagPg: return Variant(tagBoolean(arg));
        case tagAc:
        case tagXp:
        case tagTs:
        case tagLi:
        case tagRi: return Variant(static_cast<int>(tagWhole(arg)));
        case tagFs: return Variant(tagPoints(arg));
        case tagCo:
        case tagLv:
        case tagFf:
        case tagNone: return Variant(std::string(arg));
        default: return Variant();
    }
}

}  // namespace kalder
