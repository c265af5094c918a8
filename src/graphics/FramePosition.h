// Element coordinates are relative to their frame; the drawing primitives take page twips.
// These helpers add the frame position (and any other offset) with the 32-bit range
// checked: a sum outside it raises the run-time's overflow error (6), which the frame's
// drawing loop turns into an undrawn element.
#pragma once

#include <cstdint>

#include "document/cFrame.h"
#include "kalder/AutomationError.h"

namespace kalder {

// `v` as a 32-bit twip value; error 6 from `source` outside the range.
inline std::int32_t checkedTwips(long long v, const char* source) {
    if (v < INT32_MIN || v > INT32_MAX) raiseStandard(err::Overflow, source);
    return static_cast<std::int32_t>(v);
}

inline std::int32_t pageX(const cFrame& frame, std::int32_t x, const char* source) {
    return checkedTwips(static_cast<long long>(frame.xPos) + x, source);
}

inline std::int32_t pageY(const cFrame& frame, std::int32_t y, const char* source) {
    return checkedTwips(static_cast<long long>(frame.yPos) + y, source);
}

}  // namespace kalder
