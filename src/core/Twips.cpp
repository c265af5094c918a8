#include "core/Twips.h"

#include <cfloat>
#include <cmath>

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

float toSingleChecked(double product) {
    if (std::fabs(product) > FLT_MAX) raiseStandard(err::Overflow, "CTwips");
    return static_cast<float>(product);
}
}  // namespace

float CTwips(const Variant& value) {
    if (!value.isString()) return value.toSingle();

    std::string text(trimBlanks(value.toString()));
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
