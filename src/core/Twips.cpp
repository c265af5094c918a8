#include "core/Twips.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/Locale.h"
#include "kalder/AutomationError.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {
// The millimetre factor is 56.7, not 1440/25.4: documents made by earlier callers rely on it.
constexpr double kInch = 1440.0;
constexpr double kMillimetre = 56.7;
constexpr double kCentimetre = 567.0;
constexpr double kPoint = 20.0;

float localeSingle(const std::string& text) { return Variant(text).toSingle(); }

// The number of a measure written the plain way ("72", "523.276", "0,5"): digits, then at
// most one decimal mark followed by digits. Builders pass such measures by the thousand, and
// going through a Variant and the locale for each costs more than the element they place.
// Anything else (signs, exponents, long numbers) answers nothing and takes the general path;
// at 15 digits or fewer the value is the one that path gives.
std::optional<float> plainNumber(std::string_view text) {
    if (text.empty() || text.size() > 15) return std::nullopt;
    char buf[16];
    std::size_t i = 0, mark = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            buf[i] = c;
        } else if ((c == '.' || c == ',') && i > 0 && mark == 0 && i + 1 < text.size()) {
            buf[i] = '.';
            mark = i;
        } else {
            return std::nullopt;
        }
    }
    double v = 0;
    const auto res = std::from_chars(buf, buf + i, v);
    if (res.ec != std::errc{} || res.ptr != buf + i) return std::nullopt;
    return static_cast<float>(v);
}

float toSingleChecked(double product) {
    if (std::fabs(product) > FLT_MAX) raiseStandard(err::Overflow, "CTwips");
    return static_cast<float>(product);
}
}  // namespace

float CTwips(const Variant& value) {
    if (!value.isString()) {
        // A NaN (or a single infinity) passes through the Variant's conversion, but no position
        // or size can be one: every caller goes on to round the measure or hand it to fonts.
        const float twips = value.toSingle();
        if (!std::isfinite(twips)) raiseStandard(err::Overflow, "CTwips");
        return twips;
    }

    const std::string& original = value.toString();
    const std::string_view trimmed = trimBlanks(original);
    if (const std::size_t blank = trimmed.find(' '); blank != std::string_view::npos) {
        if (const auto number = plainNumber(trimmed.substr(0, blank))) {
            const std::string unit = lowerAscii(trimBlanks(trimmed.substr(blank + 1)));
            if (unit == "pt") return toSingleChecked(*number * kPoint);
            if (unit == "in") return toSingleChecked(*number * kInch);
            if (unit == "mm") return toSingleChecked(*number * kMillimetre);
            if (unit == "cm") return toSingleChecked(*number * kCentimetre);
            if (unit == "tw") return toSingleChecked(*number);
        }
    }

    std::string text(trimmed);
    if (!text.empty() && text[0] == '.') text.insert(text.begin(), '0');
    if (!text.empty() && text[0] == ',') text.insert(text.begin(), '0');
    // Both marks are decimal marks whatever the locale: "1,000" is one, not a thousand.
    const char mark = decimalMark();
    for (char& c : text)
        if (c == '.' || c == ',') c = mark;

    std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return localeSingle(text);

    std::string unit = lowerAscii(trimBlanks(std::string_view(text).substr(blank + 1)));
    double number = localeSingle(text.substr(0, blank));
    if (unit == "in") return toSingleChecked(number * kInch);
    if (unit == "mm") return toSingleChecked(number * kMillimetre);
    if (unit == "cm") return toSingleChecked(number * kCentimetre);
    if (unit == "tw") return toSingleChecked(number);
    if (unit == "pt") return toSingleChecked(number * kPoint);
    throw AutomationError(1000, "CTwips", "Error converting : " + value.toString());
}

std::int32_t C_Twips(const Variant& value) { return roundToLong(CTwips(value)); }

float ConvertToTwip(std::int32_t scale, float value) {
    switch (scale) {
        case prTwip: return value;
        case prInch: return static_cast<float>(value * kInch);
        case prMillimeter: return static_cast<float>(value * kMillimetre);
        case prCentimeter: return static_cast<float>(value * kCentimetre);
        default: return 0;
    }
}

float ConvertFromTwip(std::int32_t scale, float value) {
    switch (scale) {
        case prTwip: return value;
        case prInch: return static_cast<float>(value / kInch);
        case prMillimeter: return static_cast<float>(value / kMillimetre);
        case prCentimeter: return static_cast<float>(value / kCentimetre);
        default: return 0;
    }
}

}  // namespace kalder
