// Canvas: the drawing primitives every element kind draws through, whatever the output. The
// surfaces (preview window, printer, page images) implement it in DrawingLayer over a
// DrawTarget; the PDF writer implements it with PDF content operators. An element kind has
// one drawing routine, written against this interface only.
//
// Coordinates are page twips (elements add their frame's position); pens, fills and fonts
// come from the style given. What the outputs are allowed to do differently is stated once,
// in OutputRules, and read by the drawing code that must know; everything else an output
// does differently stays inside its own primitives (a file format's mapping of a figure).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Picture.h"
#include "core/cStyle.h"
#include "kalder/Enums.h"


namespace kalder {

struct PrinterMetrics;

// The order in which a page's frames are drawn.
enum class FrameOrder {
    // The page's own order: an underlay frame (the watermark's) first, later frames over
    // earlier ones. The surfaces use it, so the screen shows what the printer prints.
    Collection,
    // "WholePage", then "watermark", then the others in their order: the file formats.
    WholePageFirst,
};

// Where outputs differ, and why. Each surface and each file format says which rules it
// follows; the drawing code consults these and nothing else.
struct OutputRules {
    FrameOrder frameOrder = FrameOrder::Collection;
    // A reference element draws the element it names. Files leave references out: a file
    // holds each element once, where it was placed.
    bool drawsReferences = true;
    // Paragraphs are laid out again for the page being written (a file's "pg" tags show the
    // page they land on), instead of drawing the lines kept from building.
    bool relayoutParagraphs = false;
    // Spaces between words are drawn as text runs. A PDF leaves them as gaps: readers find
    // word breaks by position, and a run of spaces would only add bytes.
    bool everySpace = true;
};

// How a figure's interior is painted, from the style: the one fill policy of every output.
struct Fill {
    enum Kind { None, Solid, Hatch } kind = None;
    std::int32_t pattern = 1;  // FillStyleType of a hatch
    std::int32_t color = 0;
};
// Boxes and circles follow FillStyle with its hatches; rounded rectangles and polygons (a
// brush, not a fill style) are solid or hollow.
Fill fillOf(const cStyle& style, bool hatches = true);

// The half-axes of a circle or ellipse given, as PutCircle takes it, by its larger half-axis
// `radius` and `aspect` (height / width).
struct HalfAxes {
    double rx, ry;
};
inline HalfAxes halfAxesOf(double radius, double aspect) {
    return aspect > 1 ? HalfAxes{radius / aspect, radius} : HalfAxes{radius, radius * aspect};
}

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual const OutputRules& rules() const = 0;
    // The printer's printable area when this output can show it (the screen); else nullptr.
    virtual const PrinterMetrics* printableArea() const { return nullptr; }

    // Text with the top left of its cell at (x, y), in the style's font and ForeColor.
    virtual void PutText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) = 0;
    // A straight line with the style's line style.
    virtual void PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) = 0;
    // A rectangle outline, never filled.
    virtual void PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) = 0;
    // A rectangle outlined with `line` and filled per the style (fillOf with hatches).
    virtual void PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            const cLineStyle& line, const cStyle& style) = 0;
    // A rounded rectangle, solid or hollow (fillOf without hatches).
    virtual void PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                              std::int32_t radius, const cStyle& style) = 0;
    // One point in the style's ForeColor.
    virtual void PutPoint(std::int32_t x, std::int32_t y, const cStyle& style) = 0;
    // A whole circle or ellipse when start and end are both 0 (`aspect` is height / width,
    // `radius` the larger half-axis), else an arc from start to end (radians).
    virtual void PutCircle(std::int32_t x, std::int32_t y, float radius, float start, float end, float aspect,
                           const cStyle& style) = 0;
    // A picture stretched to the rectangle (x, y, width, height).
    virtual void PutPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, const cStyle& style) = 0;
    // A closed polygon, solid or hollow (fillOf without hatches).
    virtual void PutPolygon(const std::vector<POLYVERT>& vertices, const cStyle& style) = 0;
    // Text turned about the top left of its cell by the style's TextRotation.
    virtual void PutRotatedText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) = 0;
};

}  // namespace kalder
