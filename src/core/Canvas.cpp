#include "core/Canvas.h"

#include "core/DrawTarget.h"

namespace kalder {

Fill fillOf(const cStyle& style, bool hatches) {
    if (style.FillStyle == vbFSSolid) return {Fill::Solid, vbFSSolid, style.FillColor};
    if (hatches && style.FillStyle >= vbHorizontalLine && style.FillStyle <= vbDiagonalCross)
        return {Fill::Hatch, style.FillStyle, style.FillColor};
    return {};
}

}  // namespace kalder
