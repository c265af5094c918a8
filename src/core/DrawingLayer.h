// DrawingLayer: the canvas of the drawing surfaces. A renderer makes one per render (the
// preview window's page, a printed page, a page image), sets its target, mode, zoom and
// printer metrics, and hands it to every element; the element draws through the primitives
// below, which take document twips and a style and turn them into DrawTarget calls.
//
// Coordinates: each x and y is multiplied by the zoom and rounded half to even; on the
// printer the unprintable margin is then removed (portrait: x - MarginWidth, y - MarginHeight;
// landscape: x - MarginHeight, y - MarginWidth). A result beyond 32 bits raises error 6.
// Pen width: printer: LineWidth / printer twips-per-pixel; screen: LineWidth / screen
// twips-per-pixel, rounded, times the zoom, rounded again; never below 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/DrawTarget.h"
#include "core/cStyle.h"
#include "kalder/Enums.h"

class QImage;

namespace kalder {

// Printer metrics (twips), as read from the current printer; these are the values used
// until a printer is read.
struct PrinterMetrics {
    double TwipsPerPixelX = 2.4;  // 600 dots per inch
    double TwipsPerPixelY = 2.4;
    std::int32_t MarginWidth = 360;
    std::int32_t MarginHeight = 240;
    std::int32_t PrintWidth = 11508;
    std::int32_t PrintHeight = 15363;

    friend bool operator==(const PrinterMetrics&, const PrinterMetrics&) = default;
};

class DrawingLayer final : public Canvas {
public:
    explicit DrawingLayer(DrawTarget& target, std::int32_t mode = prOTScreen, double zoom = 1.0);

    DrawTarget& target() noexcept { return *target_; }
    void setTarget(DrawTarget& target) noexcept { target_ = &target; }

    // prOTScreen (2) for the preview and page images; any other value means the printer.
    std::int32_t mode() const noexcept { return mode_; }
    void setMode(std::int32_t mode) noexcept { mode_ = mode; }
    bool onScreen() const noexcept { return mode_ == prOTScreen; }

    double ZoomFactor() const noexcept { return zoom_; }
    // A zoom of 0 or less is taken as 1.
    void setZoomFactor(double zoom) noexcept { zoom_ = zoom > 0 ? zoom : 1.0; }

    const PrinterMetrics& printer() const noexcept { return printer_; }
    void setPrinter(const PrinterMetrics& metrics) noexcept { printer_ = metrics; }

    // Twips per pixel of the screen (15 at 96 dots per inch).
    double screenTwipsPerPixelX() const noexcept { return screenX_; }
    double screenTwipsPerPixelY() const noexcept { return screenY_; }
    void setScreenResolution(double twipsPerPixelX, double twipsPerPixelY) noexcept;

    const OutputRules& rules() const override;
    // On the screen: the printer metrics, whose printable area a page may show.
    const PrinterMetrics* printableArea() const override { return onScreen() ? &printer_ : nullptr; }

    float ZoomX(std::int32_t v) const noexcept { return static_cast<float>(v * zoom_); }
    float ZoomY(std::int32_t v) const noexcept { return static_cast<float>(v * zoom_); }
    float ZoomWidth(std::int32_t v) const noexcept { return static_cast<float>(v * zoom_); }
    float ZoomHeight(std::int32_t v) const noexcept { return static_cast<float>(v * zoom_); }
    float ZoomSingle(float v) const noexcept { return static_cast<float>(v * zoom_); }

    // The primitives. Text whose top lies outside the printable extent is not drawn, on the
    // screen as on the printer, so the preview shows what the printer will print.
    void PutText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) override;
    void PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) override;
    void PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) override;
    void PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cLineStyle& line,
                    const cStyle& style) override;
    void PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                      const cStyle& style) override;
    void PutPoint(std::int32_t x, std::int32_t y, const cStyle& style) override;
    // An arc's end is drawn to Round(end / 0.01) x 0.01 - 0.01, so a full turn leaves a gap.
    void PutCircle(std::int32_t x, std::int32_t y, float radius, float start, float end, float aspect,
                   const cStyle& style) override;
    void PutPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    const cStyle& style) override;
    void PutPolygon(const std::vector<POLYVERT>& vertices, const cStyle& style) override;
    void PutRotatedText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) override;

    // Conversions the primitives use, exposed for tests and for renderers that place marks.
    std::int32_t targetX(std::int32_t x, const cStyle& style) const;
    std::int32_t targetY(std::int32_t y, const cStyle& style) const;
    // Device pixels, as the device operations take them.
    std::int32_t deviceX(std::int32_t x, const cStyle& style) const;
    std::int32_t deviceY(std::int32_t y, const cStyle& style) const;
    std::int32_t penWidth(const cLineStyle& line) const;

private:
    void applyPen(const cLineStyle& line);
    Brush brushOf(const cStyle& style) const;

    DrawTarget* target_;
    std::int32_t mode_;
    double zoom_;
    PrinterMetrics printer_;
    double screenX_ = 15.0;
    double screenY_ = 15.0;
};

}  // namespace kalder
