// The one text measurer of the library: layout, rendering and every exporter measure text
// here, so that what the layout decided is what every output draws.
//
// Metrics are Qt font metrics on a 1440-dot-per-inch device, so one device pixel is one twip,
// with hinting off (hinting would make widths depend on the output resolution). Results are
// twips at the style's font and size; the style's zoom is not applied.
#pragma once

#include <string_view>

#include <QFont>

#include "core/cStyle.h"

namespace kalder {

struct FontMetricsTwips {
    double ascent = 0;
    double descent = 0;
    double height = 0;   // ascent + descent
    double leading = 0;  // the font's line gap
};

class TextMeasurer {
public:
    // Width of `text` (UTF-8) in the style's font.
    static double width(const cStyle& style, std::string_view text);
    // Line height of the style's font: ascent, descent and the font's line gap.
    static double height(const cStyle& style);
    static FontMetricsTwips metrics(const cStyle& style);

    // The Qt font for a style at `points` (renderers pass the zoomed size); hinting off.
    static QFont font(const cStyle& style, double points);
    // The 1440-dpi device the metrics are taken on, for callers that lay text out themselves
    // (one per thread).
    static const QPaintDevice& device();
};

}  // namespace kalder
