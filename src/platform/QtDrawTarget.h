// QtDrawTarget: a DrawTarget over a QPainter on any paint device (a page image for the
// preview or a bitmap, a printer page). Logical units are twips; `twipsPerPixel` says how
// many twips one device pixel is (15 at 96 dots per inch, 2.4 at 600).
//
// Lines, boxes and figures are drawn without antialiasing, as a printer or GDI device draws
// them, so a one-pixel line stays one pixel; text is antialiased.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <optional>
#include <QPainter>

#include "core/DrawTarget.h"
#include "core/cStyle.h"

namespace kalder {

class QtDrawTarget final : public DrawTarget {
public:
    QtDrawTarget(QPainter& painter, double twipsPerPixelX, double twipsPerPixelY);

    void FontName(const std::string& name) override;
    void FontSize(double points) override;
    void FontBold(bool on) override;
    void FontItalic(bool on) override;
    void FontStrikethru(bool on) override;
    void FontUnderline(bool on) override;
    void FontCharset(std::int32_t charset) override;
    void ForeColor(std::int32_t color) override;
    void CurrentX(double x) override { x_ = x; }
    void CurrentY(double y) override { y_ = y; }
    void DrawWidth(std::int32_t pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    void DrawStyle(std::int32_t style) override { drawStyle_ = style; }
    void FillStyle(std::int32_t style) override { fillStyle_ = style; }
    void FillColor(std::int32_t color) override { fillColor_ = color; }
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
    std::int32_t LogPixelsY() const override;

    // RGB with red in the low byte, as the document keeps colours.
    static QColor color(std::int32_t rgb);

private:
    QPen pen(std::int32_t color) const;
    QBrush fillBrush() const;
    // The device font for `style` at `points` (zoomed), spaced so that its runs are as wide
    // as the layout measured them, and the ascent (device pixels) the layout gives it.
    struct RunFont {
        QFont font;
        double ascent = 0;
        std::optional<QFontMetricsF> metrics;  // of `font` on the device
    };
    RunFont runFont(cStyle style, double points) const;
    const RunFont& currentFont();
    // Draws `text` in `run` (already the painter's font) with its cell's top left at `origin`
    // (device pixels), turned by `degrees` counter-clockwise; returns its advance in pixels.
    double drawRun(const RunFont& run, QPointF origin, double degrees, const QString& text, std::int32_t rgb);
    double px(double twips) const { return twips / tppX_; }
    double py(double twips) const { return twips / tppY_; }

    QPainter& painter_;
    double tppX_, tppY_;
    double x_ = 0, y_ = 0;
    std::int32_t drawWidth_ = 1, drawStyle_ = 0, fillStyle_ = 1, fillColor_ = 0, foreColor_ = 0;
    std::string fontName_ = "Arial";
    double fontPoints_ = 10;
    bool bold_ = false, italic_ = false, underline_ = false, strike_ = false;
    bool fontDirty_ = true;
    RunFont font_;
    // font_ is made anew at each serial_; the painter has it when fontSerial_ equals serial_.
    int fontSerial_ = -1;
    int serial_ = 0;
};

}  // namespace kalder
