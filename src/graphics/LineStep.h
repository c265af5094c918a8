// The step from one text line to the next in a style: the height of its font (the one text
// measurer, twips) and the style's leading, rounded half to even:
//   percent leading    height x LeadingVal / 100
//   absolute leading   LeadingVal
//   increment leading  height + LeadingVal
// Text lines and the rows of column reports step by it.
#pragma once

#include <cstdint>

#include "core/TextMeasurer.h"
#include "core/cStyle.h"
#include "kalder/Enums.h"
#include "kalder/Variant.h"

namespace kalder {

inline std::int32_t lineStep(const cStyle& style) {
    const double height = TextMeasurer::height(style);
    switch (style.LeadingType) {
        case prLTPercent: return roundToLong(height * style.LeadingVal / 100.0);
        case prLTAbsolute: return roundToLong(style.LeadingVal);
        case prLTIncrement: return roundToLong(height + style.LeadingVal);
        default: return 0;
    }
}

}  // namespace kalder
