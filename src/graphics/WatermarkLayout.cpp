#include "graphics/WatermarkLayout.h"

#include <algorithm>
#include <cmath>

#include "core/Limits.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
constexpr double kPi = 3.14159;  // the rotation is computed with this value, as documents always had it
constexpr double kDiagonalShare = 0.8;

double radians(std::int32_t degrees) { return degrees * kPi / 180.0; }
}  // namespace

WatermarkPlacement placeWatermark(std::int32_t pageWidth, std::int32_t pageHeight, double width, double height) {
    WatermarkPlacement p;
    if (pageWidth <= 0 || pageHeight <= 0 || width <= 0) return p;
    const double W = pageWidth, H = pageHeight;
    p.rotation = roundToLong((kPi / 2 - std::atan(W / H)) * 180.0 / kPi);
    const double a = radians(p.rotation);
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    const double k = std::min({kDiagonalShare * std::hypot(W, H) / width, W / (width * c + height * s),
                               H / (width * s + height * c)});
    // A short text on a large sheet would ask for more than any font has.
    const double size = std::clamp(kWatermarkMeasuringSize * k, 1.0, double{limits::kFontSizeTwentieths});
    p.fontSize = static_cast<float>(roundToLong(size));
    return p;
}

WatermarkStart watermarkStart(std::int32_t pageWidth, std::int32_t pageHeight, std::int32_t rotation, double width,
                              double height) {
    const double a = radians(rotation);
    return {roundToLong(pageWidth / 2.0 - width / 2 * std::cos(a) - height / 2 * std::sin(a)),
            roundToLong(pageHeight / 2.0 + width / 2 * std::sin(a) - height / 2 * std::cos(a))};
}

}  // namespace kalder
