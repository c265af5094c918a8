// A DrawTarget that records every call as a line of text, for tests:
//   "FontName Arial", "FontSize 10", "CurrentX 1440", "DrawWidth 1",
//   "Line 0 0 100 100 color=255 box=0", "Print Hello", "RoundRect 1 2 3 4 5 5 brush=hollow pen=0"
// Numbers are written in the shortest form that reads back ("%.10g"), always with ".".
// Text metrics answer from the shared text measurer at the set font.
#pragma once

#include <string>
#include <vector>

#include "core/DrawTarget.h"

namespace kalder {

class RecordingDrawTarget final : public DrawTarget {
public:
    std::vector<std::string> calls;

    // The calls whose text starts with `prefix`.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;
    void clear() { calls.clear(); }

    void FontName(const std::string& name) override;
    void FontSize(double points) override;
    void FontBold(bool on) override;
    void FontItalic(bool on) override;
    void FontStrikethru(bool on) override;
    void FontUnderline(bool on) override;
    void FontCharset(std::int32_t charset) override;
    void ForeColor(std::int32_t color) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void DrawWidth(std::int32_t pixels) override;
    void DrawStyle(std::int32_t style) override;
    void FillStyle(std::int32_t style) override;
    void FillColor(std::int32_t color) override;
    void Line(double x1, double y1, double x2, double y2, std::int32_t color, bool box) override;
    void Circle(double x, double y, double radius, std::int32_t color, double aspect) override;
    void Arc(double x, double y, double radius, std::int32_t color, double start, double end, double aspect) override;
    void PSet(double x, double y, std::int32_t color) override;
    void PaintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void Print(const std::string& text) override;
    void RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t cornerWidth,
                   std::int32_t cornerHeight, Brush brush, std::int32_t penColor) override;
    void Polygon(const std::vector<DevicePoint>& points, Brush brush, std::int32_t penColor) override;
    void RotatedText(std::int32_t x, std::int32_t y, const std::string& text, const DeviceFont& font,
                     std::int32_t color) override;
    std::int32_t LogPixelsY() const override { return logPixelsY; }

    std::int32_t logPixelsY = 96;
};

}  // namespace kalder
