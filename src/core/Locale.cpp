#include "core/Locale.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace kalder {

char decimalMark() {
    // localeconv() answers what the C library itself would print for 0.5.
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && conv->decimal_point[0] != '\0') return conv->decimal_point[0];
    return '.';
}

namespace {
void applyMark(std::string& text) {
    const char mark = decimalMark();
    if (mark == '.') return;
    for (char& c : text)
        if (c == '.') c = mark;
}
}  // namespace

std::string formatNumber(double value, int significant) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significant);
    std::string text(buf, res.ptr);
    // to_chars writes "1e+20"; the automation run-time writes "1E+20".
    for (char& c : text)
        if (c == 'e') c = 'E';
    applyMark(text);
    return text;
}

std::string formatFixed(double value, int decimals) {
    char buf[384];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc{}) return formatNumber(value);
    std::string text(buf, res.ptr);
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);  // no "-0.0"
    applyMark(text);
    return text;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return std::nullopt;
    const char mark = decimalMark();
    std::string s;
    s.reserve(text.size() + 1);
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    bool digits = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            s += c;
        } else if (c == mark) {
            s += '.';
        } else if ((c == 'e' || c == 'E') && digits) {
            s += 'e';
            if (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) s += text[++i];
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (s[0] == '.') s.insert(s.begin(), '0');
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond a double is an overflow for the caller's conversion to report; below the
        // smallest double is zero. from_chars leaves the value alone here, and the exponent
        // alone does not tell which ("1" and 400 zeros "e-10" is beyond); strtod in the C
        // locale answers HUGE_VAL or 0.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        v = strtod_l(s.c_str(), nullptr, cLocale);
    } else if (res.ec != std::errc{} || res.ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return negative ? -v : v;
}

std::string shortDateToday() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    std::size_t n = std::strftime(buf, sizeof buf, "%x", &tm);
    return std::string(buf, n);
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    std::size_t b = text.find_last_not_of(' ');
    return text.substr(a, b - a + 1);
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace kalder
