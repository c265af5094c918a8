// PdfExport: the drawing primitives of the PDF writer that element kinds call from their
// ExportPDF. Coordinates are twips from the page's top-left corner (elements add their
// frame's position); line widths, colours and fonts come from the style given.
// The writer (export/PdfWriter) implements it; element kinds see only this interface.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/cStyle.h"
#include "kalder/Enums.h"

class QImage;

namespace kalder {

class cDocument;
class cPage;

class PdfExport {
public:
    virtual ~PdfExport() = default;

    // A straight line: the style's line width, " m", " l S".
    virtual void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) = 0;
    // A rectangle from corner to corner: stroked (" re S"), or filled and stroked (" re B")
    // with the style's fill colour.
    virtual void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style,
                           bool filled) = 0;
    // An ellipse of four Bezier quarters around (cx, cy).
    virtual void ellipse(std::int32_t cx, std::int32_t cy, std::int32_t rx, std::int32_t ry, const cStyle& style,
                         bool filled) = 0;
    virtual void roundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                           const cStyle& style, bool filled) = 0;
    // A closed polygon, filled with the style's fill colour and stroked.
    virtual void polygon(const std::vector<POLYVERT>& vertices, const cStyle& style) = 0;
    // One run of text in one style whose cell's top-left corner is at (x, top); turned by the
    // style's TextRotation; underline and strikethrough follow the run.
    virtual void textRun(std::string_view text, std::int32_t x, std::int32_t top, const cStyle& style) = 0;
    // A picture scaled into the rectangle (x, y, width, height).
    virtual void image(const QImage& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height) = 0;

    // The document and the page being written (page numbers, references).
    virtual const cDocument& document() const = 0;
    virtual const cPage& page() const = 0;
};

}  // namespace kalder
