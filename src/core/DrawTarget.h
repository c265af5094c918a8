// DrawTarget: the drawing surface every renderer draws on, with the properties and methods of
// a printer or picture-box drawing object, and the device operations that work in device
// pixels. Implementations: QtDrawTarget (any QPaintDevice: a page image, a printer) and
// RecordingDrawTarget (records every call, for tests).
//
// Units: the object methods take the target's logical units, twips (1/1440 inch) at the
// target's scale; the device operations (RoundRect, Polygon, RotatedText) take device pixels.
// Colours are RGB with red in the low byte. The drawing layer (DrawingLayer) is the only
// caller; elements never draw on a target directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QImage;

namespace kalder {

// Line styles of DrawStyle.
enum DrawStyleType : std::int32_t {
    vbSolid = 0,
    vbDash = 1,
    vbDot = 2,
    vbDashDot = 3,
    vbDashDotDot = 4,
    vbInvisible = 5,
    vbInsideSolid = 6,
};

// Fill styles of FillStyle.
enum FillStyleType : std::int32_t {
    vbFSSolid = 0,
    vbFSTransparent = 1,
    vbHorizontalLine = 2,
    vbVerticalLine = 3,
    vbUpwardDiagonal = 4,
    vbDownwardDiagonal = 5,
    vbCross = 6,
    vbDiagonalCross = 7,
};

struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A brush of the device operations: solid in a colour, or hollow.
struct Brush {
    bool hollow = true;
    std::int32_t color = 0;
};

// A font for the device's rotated text, as a device font is created.
struct DeviceFont {
    std::string name;
    std::int32_t height = 0;  // cell height in device pixels; negative: character height
    // The size in points before it was rounded to whole pixels, for devices that can draw
    // the glyphs at the size every other output uses.
    double points = 0;
    std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::int32_t charset = 0;
};

class DrawTarget {
public:
    virtual ~DrawTarget() = default;

    // Properties of the drawing object (set only; the layer keeps what it set).
    virtual void FontName(const std::string& name) = 0;
    virtual void FontSize(double points) = 0;
    virtual void FontBold(bool on) = 0;
    virtual void FontItalic(bool on) = 0;
    virtual void FontStrikethru(bool on) = 0;
    virtual void FontUnderline(bool on) = 0;
    virtual void FontCharset(std::int32_t charset) = 0;
    virtual void ForeColor(std::int32_t color) = 0;
    virtual void CurrentX(double x) = 0;
    virtual void CurrentY(double y) = 0;
    virtual void DrawWidth(std::int32_t pixels) = 0;
    virtual void DrawStyle(std::int32_t style) = 0;
    virtual void FillStyle(std::int32_t style) = 0;
    virtual void FillColor(std::int32_t color) = 0;

    // Methods of the drawing object (logical units).
    // A line, or with `box` a rectangle whose interior follows FillStyle and FillColor.
    virtual void Line(double x1, double y1, double x2, double y2, std::int32_t color, bool box) = 0;
    // A circle or ellipse: `aspect` is height / width; the radius is the larger of the two
    // half-axes (horizontal when aspect < 1, vertical otherwise). Filled per FillStyle.
    virtual void Circle(double x, double y, double radius, std::int32_t color, double aspect) = 0;
    // An arc from `start` to `end` (radians, counter-clockwise from 3 o'clock).
    virtual void Arc(double x, double y, double radius, std::int32_t color, double start, double end,
                     double aspect) = 0;
    virtual void PSet(double x, double y, std::int32_t color) = 0;
    virtual void PaintPicture(const QImage& picture, double x, double y, double width, double height) = 0;
    // Prints `text` with its top left at (CurrentX, CurrentY), without a line break.
    virtual void Print(const std::string& text) = 0;

    // Device operations (device pixels). The outline uses DrawWidth and DrawStyle in `penColor`.
    virtual void RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t cornerWidth,
                           std::int32_t cornerHeight, Brush brush, std::int32_t penColor) = 0;
    virtual void Polygon(const std::vector<DevicePoint>& points, Brush brush, std::int32_t penColor) = 0;
    // Text whose reference point (the top left of its cell) is at (x, y), turned by the
    // font's escapement.
    virtual void RotatedText(std::int32_t x, std::int32_t y, const std::string& text, const DeviceFont& font,
                             std::int32_t color) = 0;
    // Vertical resolution of the device (the LOGPIXELSY device capability).
    virtual std::int32_t LogPixelsY() const = 0;
};

}  // namespace kalder
