#include "reports/ValueFormat.h"

#include <langinfo.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "core/Locale.h"
#include "kalder/AutomationError.h"
#include "kalder/Enums.h"
#include "kalder/Recordset.h"

namespace kalder {

namespace {

// Digits after the decimal mark a column may ask for: no cell shows more, and the bound keeps
// a wrong Fmt from asking for megabytes of zeros.
constexpr int kMaxDigits = 99;

// The automation run-time's date range, 100-01-01 .. 9999-12-31, as serials.
constexpr double kFirstDay = -657434, kLastDay = 2958465;

[[noreturn]] void cannotFormat() { throw AutomationError(err::TypeMismatch, "FormatEntry", "Error in Format"); }

// |value| as digits: value = 0.d1d2d3... x 10^point; no leading or trailing zeros, and no
// digits at all for zero.
struct Decimal {
    std::string digits;
    long long point = 0;
};

Decimal decimalOf(double magnitude, long long shift) {
    Decimal d;
    magnitude = std::fabs(magnitude);
    if (!(magnitude > 0) || !std::isfinite(magnitude)) return d;
    // 15 significant digits, as the run-time shows a double: 0.1 + 0.2 is 0.3 here.
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    std::size_t at = e + 1;
    if (text[at] == '+') ++at;
    int exponent = 0;
    std::from_chars(text.data() + at, text.data() + text.size(), exponent);
    d.point = exponent + 1 + shift;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero (the run-time's Format does so,
// unlike its conversions to integers).
void roundAt(Decimal& d, long long keep) {
    if (keep >= static_cast<long long>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') --i;
        d.digits.resize(i);
        if (i == 0) {
            d.digits = "1";
            ++d.point;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// Digits `from` .. `from + count` of d (zeros outside its digits).
std::string digitsAt(const Decimal& d, long long from, long long count) {
    std::string out(static_cast<std::size_t>(std::max(0LL, count)), '0');
    const long long n = static_cast<long long>(d.digits.size());
    for (long long k = std::max(from, 0LL); k < std::min(from + count, n); ++k)
        out[static_cast<std::size_t>(k - from)] = d.digits[static_cast<std::size_t>(k)];
    return out;
}

// Money uses LC_MONETARY's marks when the locale has them (the C locale has none).
bool monetaryMarks(bool money) {
    const std::lconv* lc = std::localeconv();
    return money && lc->mon_decimal_point && *lc->mon_decimal_point;
}

std::string decimalText(bool money) {
    if (monetaryMarks(money)) return std::localeconv()->mon_decimal_point;
    return std::string(1, decimalMark());
}

struct Amount {
    std::string text;
    bool zero = true;
};

// The unsigned digits of |value| x 10^shift laid out by `style`.
Amount amountOf(double value, const NumberStyle& style, long long shift, bool money) {
    const FixedDigits f = fixedDigits(value, shift, style.digits);
    Amount a;
    a.zero = f.isZero();
    if (!f.whole.empty())
        a.text = style.group ? groupedDigits(f.whole, money) : f.whole;
    else if (style.leadingDigit || style.digits == 0)
        a.text = "0";
    if (style.digits > 0) a.text += decimalText(money) + f.fraction;
    return a;
}

// A result that rounds to zero shows no sign, as in "0.00" for -0.001.
std::string withSign(const Amount& a, bool negative, bool parentheses, const std::string& suffix) {
    if (!negative || a.zero) return a.text + suffix;
    return parentheses ? "(" + a.text + suffix + ")" : "-" + a.text + suffix;
}

// A currency amount placed by the POSIX rules for p/n_cs_precedes, p/n_sep_by_space and
// p/n_sign_posn (the sign string goes around, before or after the amount and symbol, or
// right before or after the symbol).
std::string placeCurrency(const std::string& amount, const std::string& symbol, const std::string& sign, int precedes,
                          int space, int position) {
    const std::string signGap = space == 2 && !sign.empty() ? " " : "";
    std::string symbolPart = symbol;
    if (position == 3) symbolPart = sign + signGap + symbol;
    if (position == 4) symbolPart = symbol + signGap + sign;
    const std::string gap = space == 1 ? " " : "";
    const std::string body = precedes ? symbolPart + gap + amount : amount + gap + symbolPart;
    switch (position) {
        case 0: return "(" + body + ")";
        case 2: return body + signGap + sign;
        case 3:
        case 4: return body;
        default: return sign + signGap + body;
    }
}

// A field of lconv, or `fallback` where the locale leaves it unset (CHAR_MAX).
int field(char value, int fallback) { return value == CHAR_MAX || value < 0 ? fallback : value; }

long long daysFromCivil(long long y, int m, int d) {
    // Days-from-civil (H. Hinnant), shifted so that 1899-12-30 is day 0.
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// ISO text as databases hand dates over: "YYYY-MM-DD", then optionally " " or "T" and
// "HH:MM", ":SS" and a fraction of a second.
std::optional<double> isoSerial(std::string_view s) {
    s = trimBlanks(s);
    auto number = [&](std::size_t at, std::size_t count) {
        if (at + count > s.size()) return -1;
        int v = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (s[i] < '0' || s[i] > '9') return -1;
            v = v * 10 + (s[i] - '0');
        }
        return v;
    };
    const int y = number(0, 4), mo = number(5, 2), d = number(8, 2);
    if (y < 100 || mo < 1 || mo > 12 || d < 1 || s[4] != '-' || s[7] != '-' || d > daysInMonth(y, mo))
        return std::nullopt;
    double seconds = 0;
    if (s.size() > 10) {
        const int h = number(11, 2), mi = number(14, 2);
        if ((s[10] != ' ' && s[10] != 'T') || h < 0 || h > 23 || mi < 0 || mi > 59 || s[13] != ':') return std::nullopt;
        seconds = h * 3600.0 + mi * 60.0;
        std::size_t end = 16;
        if (s.size() > end) {
            const int sec = number(17, 2);
            if (s[16] != ':' || sec < 0 || sec > 59) return std::nullopt;
            seconds += sec;
            end = 19;
            if (s.size() > end && s[end] == '.') {
                double scale = 0.1;
                for (++end; end < s.size() && s[end] >= '0' && s[end] <= '9'; ++end, scale /= 10)
                    seconds += (s[end] - '0') * scale;
            }
        }
        if (end != s.size()) return std::nullopt;
    }
    return static_cast<double>(daysFromCivil(y, mo, d)) + seconds / 86400.0;
}

std::tm tmOf(const DateParts& p) {
    std::tm t{};
    t.tm_year = p.year - 1900;
    t.tm_mon = p.month - 1;
    t.tm_mday = p.day;
    t.tm_hour = p.hour;
    t.tm_min = p.minute;
    t.tm_sec = p.second;
    t.tm_wday = p.weekday;
    t.tm_yday = p.dayOfYear - 1;
    return t;
}

std::string timeText(const char* format, const DateParts& p) {
    const std::tm t = tmOf(p);
    char buf[256];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &t);
    return std::string(buf, n);
}

bool isDefault(const Variant& v) {
    return v.isMissing() || v.isEmpty() || (v.isString() && trimBlanks(v.toString()).empty());
}

// One of FormatNumber's tristate switches: true/false, or -2 and missing for the default.
bool switchAt(const Variant::Array& items, std::size_t i, bool fallback) {
    if (i >= items.size() || isDefault(items[i])) return fallback;
    if (items[i].isNumber() && items[i].toDouble() == -2) return fallback;
    return items[i].toBool();
}

NumberStyle styleOf(const Variant& fmt, int defaultDigits) {
    NumberStyle style;
    style.digits = defaultDigits;
    Variant count = fmt;
    if (fmt.isArray()) {
        const Variant::Array& items = fmt.array();
        count = items.empty() ? Variant::missing() : items[0];
        style.leadingDigit = switchAt(items, 1, true);
        style.parentheses = switchAt(items, 2, false);
        style.group = switchAt(items, 3, true);
    }
    if (!isDefault(count)) {
        // -1 is the run-time's "the locale's default".
        const std::int32_t n = count.toLong();
        if (n < -1 || n > kMaxDigits) cannotFormat();
        if (n >= 0) style.digits = n;
    }
    return style;
}

double numberOf(const Variant& value) {
    if (!value.isNumeric()) cannotFormat();
    const double v = value.toDouble();
    if (!std::isfinite(v)) cannotFormat();
    return v;
}

std::string generalText(const Variant& value, const Variant& fmt) {
    if (value.isArray() || value.isObject()) cannotFormat();
    // A number as Fmt is a pattern too (Format(x, "2") writes "2"); an array is no pattern.
    const std::string pattern = fmt.isString() || fmt.isNumber() ? fmt.toString() : std::string();
    return pattern.empty() ? value.toString() : formatPattern(value, pattern);
}

std::string dateText(const Variant& value, const Variant& fmt) {
    const Variant named = fmt.isArray() ? (fmt.array().empty() ? Variant::missing() : fmt.array()[0]) : fmt;
    const std::int32_t n = isDefault(named) ? 0 : named.toLong();
    if (n < 0 || n > 4) cannotFormat();
    const std::optional<double> serial = dateSerialOf(value);
    const std::optional<DateParts> parts = serial ? splitDate(*serial) : std::nullopt;
    if (!parts) cannotFormat();
    return namedDateText(*parts, n);
}

}  // namespace

bool FixedDigits::isZero() const { return whole.empty() && fraction.find_first_not_of('0') == std::string::npos; }

FixedDigits fixedDigits(double magnitude, long long shift, long long fraction) {
    Decimal d = decimalOf(magnitude, shift);
    roundAt(d, d.point + fraction);
    FixedDigits f;
    if (!d.digits.empty() && d.point > 0) f.whole = digitsAt(d, 0, d.point);
    f.fraction = digitsAt(d, d.point, fraction);
    return f;
}

ScientificDigits scientificDigits(double magnitude, long long shift, long long whole, long long fraction) {
    whole = std::max(whole, 1LL);
    Decimal d = decimalOf(magnitude, shift);
    ScientificDigits s;
    if (!d.digits.empty()) {
        roundAt(d, whole + fraction);
        s.exponent = d.point - whole;
    }
    s.whole = digitsAt(d, 0, whole);
    s.fraction = digitsAt(d, whole, fraction);
    return s;
}

std::string thousandsSeparator(bool money) {
    const std::lconv* lc = std::localeconv();
    const char* sep = monetaryMarks(money) ? lc->mon_thousands_sep : lc->thousands_sep;
    return sep ? sep : "";
}

std::vector<bool> groupBreaks(std::size_t count, bool money) {
    std::vector<bool> breaks(count, false);
    const std::lconv* lc = std::localeconv();
    const char* g = monetaryMarks(money) ? lc->mon_grouping : lc->grouping;
    if (!g || thousandsSeparator(money).empty()) return breaks;
    // lconv grouping: sizes from the right; the last one repeats, CHAR_MAX stops grouping.
    std::size_t left = count;
    int size = 0;
    for (;;) {
        if (*g) {
            if (*g == CHAR_MAX || *g < 0) break;
            size = *g++;
        }
        if (size <= 0 || left <= static_cast<std::size_t>(size)) break;
        left -= static_cast<std::size_t>(size);
        breaks[left - 1] = true;
    }
    return breaks;
}

std::string groupedDigits(const std::string& digits, bool money) {
    const std::vector<bool> breaks = groupBreaks(digits.size(), money);
    const std::string sep = thousandsSeparator(money);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out += digits[i];
        if (breaks[i]) out += sep;
    }
    return out;
}

std::string numberText(double value, const NumberStyle& style) {
    if (!std::isfinite(value)) return formatNumber(value);
    return withSign(amountOf(value, style, 0, false), value < 0, style.parentheses, "");
}

std::string percentText(double value, const NumberStyle& style) {
    if (!std::isfinite(value)) return formatNumber(value);
    return withSign(amountOf(value, style, 2, false), value < 0, style.parentheses, "%");
}

int currencyDigits() { return field(std::localeconv()->frac_digits, 2); }

std::string currencyText(double value, const NumberStyle& style) {
    if (!std::isfinite(value)) return formatNumber(value);
    const Amount amount = amountOf(value, style, 0, true);
    const bool negative = value < 0 && !amount.zero;
    const std::lconv* lc = std::localeconv();
    const std::string symbol = lc->currency_symbol ? lc->currency_symbol : "";
    if (symbol.empty()) {
        // The C locale has no currency. Amounts then read as en_US writes dollars ("$1234.50",
        // "-$1234.50"): that is where the component's first users were, and a bare number would
        // not tell a currency column from a number column.
        return withSign({"$" + amount.text, amount.zero}, negative, style.parentheses, "");
    }
    if (negative && style.parentheses)
        return "(" +
               placeCurrency(amount.text, symbol, "", field(lc->p_cs_precedes, 1), field(lc->p_sep_by_space, 0), 1) +
               ")";
    const std::string sign = negative ? (*lc->negative_sign ? lc->negative_sign : "-") : lc->positive_sign;
    return negative ? placeCurrency(amount.text, symbol, sign, field(lc->n_cs_precedes, 1),
                                    field(lc->n_sep_by_space, 0), field(lc->n_sign_posn, 1))
                    : placeCurrency(amount.text, symbol, sign, field(lc->p_cs_precedes, 1),
                                    field(lc->p_sep_by_space, 0), field(lc->p_sign_posn, 1));
}

std::optional<double> dateSerialOf(const Variant& value) {
    if (value.isNumber()) return value.toDouble();
    if (!value.isString()) return std::nullopt;
    const std::string text = value.toString();
    if (auto n = parseNumber(text)) return n;
    return isoSerial(text);
}

std::optional<DateParts> splitDate(double serial) {
    if (!std::isfinite(serial)) return std::nullopt;
    // The whole days are the date and the fraction the time, as Variant::toString reads them.
    double day = std::floor(serial);
    long seconds = std::lround((serial - day) * 86400.0);
    if (seconds == 86400) {  // within half a second of midnight: the next day
        day += 1;
        seconds = 0;
    }
    if (day < kFirstDay || day > kLastDay) return std::nullopt;
    const auto days = static_cast<long long>(day);
    // Civil-from-days (H. Hinnant), epoch shifted from 1970-01-01 to 1899-12-30.
    const long long z = days - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    DateParts p;
    p.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    p.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    p.year = static_cast<int>(yoe + era * 400 + (p.month <= 2));
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    p.weekday = static_cast<int>(((days % 7) + 7 + 6) % 7);  // day 0 was a Saturday
    p.dayOfYear = static_cast<int>(days - daysFromCivil(p.year, 1, 1) + 1);
    p.hasDate = days != 0;
    p.hasTime = seconds != 0;
    return p;
}

std::string shortDateText(const DateParts& date) { return timeText("%x", date); }

std::string longTimeText(const DateParts& date) { return timeText("%X", date); }

std::string longDateText(const DateParts& date) {
    // POSIX locales have no long date format. One is made from the order of the short date's
    // fields and the full names: "Monday, January 15, 2024" where the month comes first,
    // "Montag, 15. Januar 2024" where the day does (with the "." when the short date has it).
    const std::string_view f = nl_langinfo(D_FMT);
    std::string order;
    char daySeparator = ' ';
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%') continue;
        while (i + 1 < f.size() && std::string_view("-_0^#EO").find(f[i + 1]) != std::string_view::npos) ++i;
        if (++i >= f.size()) break;
        const char c = f[i];
        const char kind = c == 'd' || c == 'e' ? 'd' : c == 'm' || c == 'b' || c == 'B' || c == 'h' ? 'm'
                          : c == 'y' || c == 'Y' ? 'y' : c == 'D' ? 'D' : c == 'F' ? 'F' : 0;
        if (kind == 'D' || kind == 'F') {
            order = kind == 'D' ? "mdy" : "ymd";
            break;
        }
        if (kind && order.find(kind) == std::string::npos) order += kind;
        if (kind == 'd' && i + 1 < f.size()) daySeparator = f[i + 1];
    }
    const std::string weekday = nl_langinfo(static_cast<nl_item>(DAY_1 + date.weekday));
    const std::string month = nl_langinfo(static_cast<nl_item>(MON_1 + date.month - 1));
    const std::string day = std::to_string(date.day), year = std::to_string(date.year);
    if (order.rfind("dm", 0) == 0 || order == "d")
        return weekday + ", " + day + (daySeparator == '.' ? ". " : " ") + month + " " + year;
    if (!order.empty() && order[0] == 'y') return weekday + ", " + year + " " + month + " " + day;
    return weekday + ", " + month + " " + day + ", " + year;
}

std::string namedDateText(const DateParts& date, int named) {
    switch (named) {
        case 1: return longDateText(date);
        case 2: return shortDateText(date);
        case 3: return longTimeText(date);
        case 4: {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%02d:%02d", date.hour, date.minute);
            return buf;
        }
        default:
            if (!date.hasDate) return longTimeText(date);
            if (!date.hasTime) return shortDateText(date);
            return shortDateText(date) + " " + longTimeText(date);
    }
}

std::string formatEntry(const Variant& value, std::int32_t formatType, const Variant& fmt) {
    if (formatType < prFMGeneral || formatType > prFMCurrency) cannotFormat();
    if (value.isEmpty() || value.isMissing()) return "";
    try {
        switch (formatType) {
            case prFMGeneral: return generalText(value, fmt);
            case prFMPercent: return percentText(numberOf(value), styleOf(fmt, 2));
            case prFMNumber:
                if (value.isString() && !value.isNumeric())
                    return formatPattern(value, fmt.isString() ? fmt.toString() : std::string());
                return numberText(numberOf(value), styleOf(fmt, 2));
            case prFMDateTime: return dateText(value, fmt);
            default: return currencyText(numberOf(value), styleOf(fmt, currencyDigits()));
        }
    } catch (const AutomationError&) {
        cannotFormat();
    }
}

Variant defaultFormatArguments(std::int32_t fieldType) {
    switch (fieldType) {
        case fieldtype::SmallInt:
        case fieldtype::Integer:
        case fieldtype::BigInt: return Variant::Array{0, true, false, true};
        case fieldtype::Single:
        case fieldtype::Double:
        case fieldtype::Numeric:
        case fieldtype::Currency: return Variant::Array{2, true, false, true};
        case fieldtype::Date: return Variant::Array{0};
        default: return {};
    }
}

}  // namespace kalder
