#include "reports/FormatPattern.h"

#include <langinfo.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <iterator>
#include <optional>
#include <vector>

#include "core/Locale.h"
#include "kalder/AutomationError.h"
#include "reports/ValueFormat.h"

namespace kalder {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    return text.size() - at >= word.size() && lowerAscii(text.substr(at, word.size())) == word;
}

// A literal at `at` ("\x", or text in double quotes) is appended to `out`; gives the index
// after it, or `at` when none starts there.
std::size_t takeLiteral(std::string_view p, std::size_t at, std::string& out) {
    if (p[at] == '\\') {
        if (at + 1 < p.size()) out += p[at + 1];
        return std::min(at + 2, p.size());
    }
    if (p[at] == '"') {
        std::size_t end = p.find('"', at + 1);
        if (end == std::string_view::npos) end = p.size();
        out.append(p.substr(at + 1, end - at - 1));
        return std::min(end + 1, p.size());
    }
    return at;
}

// The pattern's sections, split at the semicolons outside literals.
std::vector<std::string_view> sections(std::string_view p) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    std::string scratch;
    for (std::size_t i = 0; i < p.size();) {
        if (const std::size_t next = takeLiteral(p, i, scratch); next != i) {
            i = next;
        } else if (p[i] == ';') {
            out.push_back(p.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
        scratch.clear();
    }
    out.push_back(p.substr(start));
    return out;
}

enum class Kind { Number, Date, Text };

Kind kindOf(std::string_view p) {
    bool date = false;
    std::string scratch;
    for (std::size_t i = 0; i < p.size();) {
        if (const std::size_t next = takeLiteral(p, i, scratch); next != i) {
            i = next;
            continue;
        }
        const char c = lower(p[i]);
        if (c == '@' || c == '&' || c == '<' || c == '>' || c == '!') return Kind::Text;
        if (std::string_view("dmyhns").find(c) != std::string_view::npos || startsWithNoCase(p, i, "am/pm") ||
            startsWithNoCase(p, i, "a/p"))
            date = true;
        ++i;
    }
    return date ? Kind::Date : Kind::Number;
}

// ---- Numbers ----------------------------------------------------------------------------

struct NumberSection {
    enum class Item { Literal, Whole, Fraction, Point, Exponent };
    struct Piece {
        Item item;
        std::string text;
    };
    std::vector<Piece> pieces;
    long long wholePlaces = 0, fractionPlaces = 0;
    long long firstWholeZero = -1, lastFractionZero = -1;
    long long scale = 0, percent = 0, exponentZeros = 0;
    bool group = false, scientific = false, exponentPlus = false;
    char exponentLetter = 'E';

    void literal(std::string_view text) {
        if (!pieces.empty() && pieces.back().item == Item::Literal)
            pieces.back().text += text;
        else
            pieces.push_back({Item::Literal, std::string(text)});
    }
};

NumberSection parseNumberSection(std::string_view p) {
    NumberSection s;
    enum { Whole, Fraction, Exponent } part = Whole;
    // Commas between whole places group the digits; commas after the last whole place (before
    // the decimal mark or the end) divide by 1000 each, as "#,##0,," shows millions.
    long long commas = 0;
    auto settle = [&](bool placeFollows) {
        if (commas > 0 && s.wholePlaces > 0) {
            if (placeFollows)
                s.group = true;
            else
                s.scale += commas;
        }
        commas = 0;
    };
    std::string text;
    for (std::size_t i = 0; i < p.size();) {
        text.clear();
        if (const std::size_t next = takeLiteral(p, i, text); next != i) {
            settle(false);
            s.literal(text);
            i = next;
            continue;
        }
        const char c = p[i];
        if (c == '0' || c == '#') {
            if (part == Exponent) {
                s.exponentZeros += c == '0';
            } else if (part == Fraction) {
                if (c == '0') s.lastFractionZero = s.fractionPlaces;
                ++s.fractionPlaces;
                s.pieces.push_back({NumberSection::Item::Fraction, {}});
            } else {
                settle(true);
                if (c == '0' && s.firstWholeZero < 0) s.firstWholeZero = s.wholePlaces;
                ++s.wholePlaces;
                s.pieces.push_back({NumberSection::Item::Whole, {}});
            }
        } else if (c == ',' && part != Exponent) {
            if (part == Whole) ++commas;  // after the decimal mark a comma means nothing
        } else if (c == '.' && part == Whole) {
            settle(false);
            part = Fraction;
            s.pieces.push_back({NumberSection::Item::Point, {}});
        } else if ((c == 'E' || c == 'e') && part != Exponent && i + 1 < p.size() &&
                   (p[i + 1] == '+' || p[i + 1] == '-')) {
            settle(false);
            s.scientific = true;
            s.exponentLetter = c;
            s.exponentPlus = p[i + 1] == '+';
            part = Exponent;
            s.pieces.push_back({NumberSection::Item::Exponent, {}});
            ++i;
        } else {
            settle(false);
            if (c == '%') ++s.percent;
            s.literal(std::string_view(&c, 1));
        }
        ++i;
    }
    settle(false);
    return s;
}

std::string renderNumber(const NumberSection& s, double magnitude, bool minus) {
    const long long shift = 2 * s.percent - 3 * s.scale;
    std::string whole, fraction, exponent;
    bool zero = false;
    if (s.scientific) {
        const ScientificDigits d = scientificDigits(magnitude, shift, s.wholePlaces, s.fractionPlaces);
        whole = d.whole;
        fraction = d.fraction;
        zero = (whole + fraction).find_first_not_of('0') == std::string::npos;
        std::string digits = std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
        if (static_cast<long long>(digits.size()) < s.exponentZeros)
            digits.insert(0, static_cast<std::size_t>(s.exponentZeros) - digits.size(), '0');
        exponent = std::string(1, s.exponentLetter) + (d.exponent < 0 ? "-" : s.exponentPlus ? "+" : "") + digits;
    } else {
        const FixedDigits d = fixedDigits(magnitude, shift, s.fractionPlaces);
        whole = d.whole;
        fraction = d.fraction;
        zero = d.isZero();
        const long long least = s.firstWholeZero < 0 ? 0 : s.wholePlaces - s.firstWholeZero;
        if (static_cast<long long>(whole.size()) < least)
            whole.insert(0, static_cast<std::size_t>(least) - whole.size(), '0');
    }
    // "#" places after the last "0" drop trailing zeros; the decimal mark stays ("1." for "0.##").
    std::size_t keep = fraction.find_last_not_of('0') + 1;  // npos + 1 is 0
    fraction.resize(std::max<std::size_t>(keep, static_cast<std::size_t>(s.lastFractionZero + 1)));

    const long long n = static_cast<long long>(whole.size());
    const std::vector<bool> breaks = s.group ? groupBreaks(whole.size()) : std::vector<bool>(whole.size(), false);
    const std::string separator = s.group ? thousandsSeparator() : std::string();
    std::string out = minus && !zero ? "-" : "";
    auto emitWhole = [&](long long from, long long to) {
        for (long long k = std::max(from, 0LL); k < std::min(to, n); ++k) {
            out += whole[static_cast<std::size_t>(k)];
            if (breaks[static_cast<std::size_t>(k)]) out += separator;
        }
    };
    // Whole digits fill the places from the right; digits beyond the places go to the first.
    const long long offset = n - s.wholePlaces;
    long long wholeAt = 0;
    std::size_t fractionAt = 0;
    for (const NumberSection::Piece& piece : s.pieces) {
        switch (piece.item) {
            case NumberSection::Item::Literal: out += piece.text; break;
            case NumberSection::Item::Whole:
                emitWhole(wholeAt == 0 ? 0 : wholeAt + offset, wholeAt + offset + 1);
                ++wholeAt;
                break;
            case NumberSection::Item::Fraction:
                if (fractionAt < fraction.size()) out += fraction[fractionAt];
                ++fractionAt;
                break;
            case NumberSection::Item::Point:
                if (s.wholePlaces == 0) emitWhole(0, n);  // ".00" still shows 12.50
                out += decimalMark();
                break;
            case NumberSection::Item::Exponent: out += exponent; break;
        }
    }
    return out;
}

std::string numberPattern(double v, std::string_view pattern) {
    if (!std::isfinite(v)) return formatNumber(v);
    const std::vector<std::string_view> parts = sections(pattern);
    std::string_view chosen = parts[0];
    bool minus = v < 0;
    // An empty negative or zero section means the positive one, as ";;" leaves it.
    if (v < 0 && parts.size() > 1 && !parts[1].empty()) {
        chosen = parts[1];
        minus = false;
    } else if (v == 0 && parts.size() > 2 && !parts[2].empty()) {
        chosen = parts[2];
    }
    if (chosen.empty()) return formatNumber(v);
    return renderNumber(parseNumberSection(chosen), std::fabs(v), minus);
}

// ---- Dates ------------------------------------------------------------------------------

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string datePattern(const DateParts& date, std::string_view p) {
    struct Token {
        char kind;  // 0 literal, d m y h n s, M minutes written as m, A a P p the AM/PM markers
        std::size_t count = 0;
        std::string text;
    };
    std::vector<Token> tokens;
    bool twelveHours = false;
    char lastField = 0;
    std::string text;
    for (std::size_t i = 0; i < p.size();) {
        text.clear();
        if (const std::size_t next = takeLiteral(p, i, text); next != i) {
            tokens.push_back({0, 0, text});
            i = next;
            continue;
        }
        const char c = lower(p[i]);
        if (c == 'a' && (startsWithNoCase(p, i, "am/pm") || startsWithNoCase(p, i, "a/p"))) {
            const bool full = startsWithNoCase(p, i, "am/pm");
            tokens.push_back({full ? (p[i] == 'A' ? 'A' : 'a') : (p[i] == 'A' ? 'P' : 'p'), 0, {}});
            twelveHours = true;
            i += full ? 5 : 3;
            continue;
        }
        if (std::string_view("dmyhns").find(c) == std::string_view::npos) {
            tokens.push_back({0, 0, std::string(1, p[i++])});
            continue;
        }
        std::size_t run = 1;
        while (i + run < p.size() && lower(p[i + run]) == c) ++run;
        i += run;
        // A long run is taken as its longest fields: "yyy" is "yy" then "y".
        const std::size_t longest = c == 'd' ? 6 : c == 'm' ? 4 : c == 'y' ? 4 : 2;
        while (run > 0) {
            std::size_t count = std::min(run, longest);
            if (c == 'y' && count == 3) count = 2;
            const char kind = c == 'm' && count <= 2 && lastField == 'h' ? 'M' : c;
            tokens.push_back({kind, count, {}});
            lastField = c;
            run -= count;
        }
    }
    const int hour = twelveHours ? (date.hour % 12 == 0 ? 12 : date.hour % 12) : date.hour;
    const bool am = date.hour < 12;
    std::string out;
    for (const Token& t : tokens) {
        const bool one = t.count == 1;
        switch (t.kind) {
            case 'd':
                if (t.count <= 2) out += one ? std::to_string(date.day) : twoDigits(date.day);
                else if (t.count == 3) out += nl_langinfo(static_cast<nl_item>(ABDAY_1 + date.weekday));
                else if (t.count == 4) out += nl_langinfo(static_cast<nl_item>(DAY_1 + date.weekday));
                else out += t.count == 5 ? shortDateText(date) : longDateText(date);
                break;
            case 'm':
                if (t.count <= 2) out += one ? std::to_string(date.month) : twoDigits(date.month);
                else out += nl_langinfo(static_cast<nl_item>((t.count == 3 ? ABMON_1 : MON_1) + date.month - 1));
                break;
            case 'y':
                if (one) out += std::to_string(date.dayOfYear);
                else out += t.count == 2 ? twoDigits(date.year % 100) : std::to_string(date.year);
                break;
            case 'h': out += one ? std::to_string(hour) : twoDigits(hour); break;
            case 'n':
            case 'M': out += one ? std::to_string(date.minute) : twoDigits(date.minute); break;
            case 's': out += one ? std::to_string(date.second) : twoDigits(date.second); break;
            case 'A': out += am ? "AM" : "PM"; break;
            case 'a': out += am ? "am" : "pm"; break;
            case 'P': out += am ? "A" : "P"; break;
            case 'p': out += am ? "a" : "p"; break;
            default: out += t.text;
        }
    }
    return out;
}

// ---- Text -------------------------------------------------------------------------------

// The UTF-8 characters of `text` (a byte that starts none is a character of its own), in
// upper or lower case by the C library's LC_CTYPE when `change` is '>' or '<'.
std::vector<std::string> characters(std::string_view text, char change) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t len = b < 0x80 ? 1 : b >= 0xF0 && b < 0xF8 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 1;
        if (b >= 0xF8) len = 1;
        std::size_t k = 1;
        while (k < len && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) ++k;
        if (k < len) len = 1;
        char32_t code = len == 1 ? b : b & (0xFF >> (len + 1));
        for (k = 1; k < len; ++k) code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        std::string ch(text.substr(i, len));
        if (change && (len > 1 || b < 0x80)) {
            const auto mapped = static_cast<char32_t>(change == '>' ? std::towupper(static_cast<wint_t>(code))
                                                                    : std::towlower(static_cast<wint_t>(code)));
            ch.clear();
            if (mapped < 0x80) {
                ch += static_cast<char>(mapped);
            } else {
                const std::size_t n = mapped < 0x800 ? 2 : mapped < 0x10000 ? 3 : 4;
                ch += static_cast<char>((0xF00 >> n) | (mapped >> (6 * (n - 1))));
                for (std::size_t j = n - 1; j-- > 0;) ch += static_cast<char>(0x80 | ((mapped >> (6 * j)) & 0x3F));
            }
        }
        out.push_back(std::move(ch));
        i += len;
    }
    return out;
}

std::string textPattern(const std::string& value, std::string_view pattern) {
    const std::vector<std::string_view> parts = sections(pattern);
    const std::string_view p = value.empty() && parts.size() > 1 ? parts[1] : parts[0];
    struct Piece {
        char place;  // '@' or '&', 0 for literal text
        std::string text;
    };
    std::vector<Piece> pieces;
    char change = 0;
    bool fromLeft = false;
    std::size_t places = 0;
    std::string text;
    for (std::size_t i = 0; i < p.size();) {
        text.clear();
        if (const std::size_t next = takeLiteral(p, i, text); next != i) {
            pieces.push_back({0, text});
            i = next;
            continue;
        }
        const char c = p[i++];
        if (c == '<' || c == '>') change = c;
        else if (c == '!') fromLeft = true;
        else if (c == '@' || c == '&') {
            pieces.push_back({c, {}});
            ++places;
        } else {
            pieces.push_back({0, std::string(1, c)});
        }
    }
    const std::vector<std::string> chars = characters(value, change);
    std::string out;
    if (places == 0) {
        for (const Piece& piece : pieces) out += piece.text;
        for (const std::string& ch : chars) out += ch;
        return out;
    }
    // Characters fill the places from the right (from the left after "!"); characters beyond
    // the places go before the first place (after the last one from the left).
    const std::size_t n = chars.size();
    std::size_t place = 0;
    for (const Piece& piece : pieces) {
        if (!piece.place) {
            out += piece.text;
            continue;
        }
        std::size_t from = 0, to = 0;  // the characters this place shows
        if (fromLeft) {
            from = place;
            to = place + 1 == places ? std::max(n, place + 1) : place + 1;
        } else {
            const long long offset = static_cast<long long>(n) - static_cast<long long>(places);
            from = place == 0 ? 0 : static_cast<std::size_t>(std::max(0LL, static_cast<long long>(place) + offset));
            to = static_cast<std::size_t>(std::max(0LL, static_cast<long long>(place) + offset + 1));
        }
        from = std::min(from, n);
        to = std::min(to, n);
        if (from >= to && piece.place == '@') out += ' ';
        for (std::size_t k = from; k < to; ++k) out += chars[k];
        ++place;
    }
    return out;
}

// ---- Named formats ----------------------------------------------------------------------

std::optional<double> numberOf(const Variant& value) {
    if (value.isNumber()) return value.toDouble();
    if (value.isString()) return parseNumber(value.toString());
    return std::nullopt;
}

std::optional<std::string> namedPattern(const Variant& value, std::string_view pattern) {
    static constexpr std::string_view kNumbers[] = {"general number", "currency", "fixed", "standard", "percent",
                                                    "scientific", "yes/no", "true/false", "on/off"};
    static constexpr std::string_view kDates[] = {"general date", "long date", "short date", "long time",
                                                  "short time", "medium date", "medium time"};
    const std::string name = lowerAscii(pattern);
    const auto number = std::find(std::begin(kNumbers), std::end(kNumbers), name) - std::begin(kNumbers);
    const auto date = std::find(std::begin(kDates), std::end(kDates), name) - std::begin(kDates);
    if (number < std::ssize(kNumbers)) {
        const std::optional<double> v = numberOf(value);
        if (!v || !std::isfinite(*v)) return value.toString();
        switch (number) {
            case 0: return formatNumber(*v);
            case 1: return currencyText(*v, {currencyDigits(), true, false, true});
            case 2: return numberText(*v, {2, true, false, false});
            case 3: return numberText(*v, {2, true, false, true});
            case 4: return percentText(*v, {2, true, false, false});
            case 5: return numberPattern(*v, "0.00E+00");
            case 6: return *v != 0 ? "Yes" : "No";
            case 7: return *v != 0 ? "True" : "False";
            default: return *v != 0 ? "On" : "Off";
        }
    }
    if (date < std::ssize(kDates)) {
        const std::optional<double> serial = dateSerialOf(value);
        const std::optional<DateParts> parts = serial ? splitDate(*serial) : std::nullopt;
        if (!parts) return value.toString();
        if (date == 5) return datePattern(*parts, "dd-mmm-yy");
        if (date == 6) return datePattern(*parts, "hh:mm AM/PM");
        return namedDateText(*parts, static_cast<int>(date));
    }
    return std::nullopt;
}

}  // namespace

std::string formatPattern(const Variant& value, std::string_view pattern) {
    if (value.isEmpty() || value.isMissing()) return "";
    if (value.isObject() || value.isArray()) raiseStandard(err::TypeMismatch, "Format");
    if (pattern.empty()) return value.toString();
    if (std::optional<std::string> named = namedPattern(value, pattern)) return *named;
    switch (kindOf(pattern)) {
        case Kind::Text: return textPattern(value.toString(), pattern);
        case Kind::Date: {
            const std::optional<double> serial = dateSerialOf(value);
            const std::optional<DateParts> parts = serial ? splitDate(*serial) : std::nullopt;
            return parts ? datePattern(*parts, pattern) : value.toString();
        }
        default: {
            const std::optional<double> v = numberOf(value);
            return v ? numberPattern(*v, pattern) : value.toString();
        }
    }
}

}  // namespace kalder
