#include "core/DrawingLayer.h"

#include <climits>
#include <cmath>

#include "kalder/AutomationError.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
std::int32_t checked(long long v) {
    if (v < INT32_MIN || v > INT32_MAX) raiseStandard(err::Overflow, "PutGraphics");
    return static_cast<std::int32_t>(v);
}
// Device pixels of a twip value: rounded half to even, as the conversions of the run-time are.
std::int32_t toPixels(double twips, double twipsPerPixel) { return roundToLong(twips / twipsPerPixel); }
}  // namespace

DrawingLayer::DrawingLayer(DrawTarget& target, std::int32_t mode, double zoom)
    : target_(&target), mode_(mode), zoom_(zoom > 0 ? zoom : 1.0) {}

const OutputRules& DrawingLayer::rules() const {
    static const OutputRules surfaces{};
    return surfaces;
}

void DrawingLayer::setScreenResolution(double twipsPerPixelX, double twipsPerPixelY) noexcept {
    if (twipsPerPixelX > 0) screenX_ = twipsPerPixelX;
    if (twipsPerPixelY > 0) screenY_ = twipsPerPixelY;
}

std::int32_t DrawingLayer::targetX(std::int32_t x, const cStyle& style) const {
    long long v = roundToLong(ZoomX(x));
    if (!onScreen()) v -= style.Orientation == prORPortrait ? printer_.MarginWidth : printer_.MarginHeight;
    return checked(v);
}

std::int32_t DrawingLayer::targetY(std::int32_t y, const cStyle& style) const {
    long long v = roundToLong(ZoomY(y));
    if (!onScreen()) v -= style.Orientation == prORPortrait ? printer_.MarginHeight : printer_.MarginWidth;
    return checked(v);
}

std::int32_t DrawingLayer::deviceX(std::int32_t x, const cStyle& style) const {
    return onScreen() ? toPixels(ZoomX(x), screenX_) : toPixels(targetX(x, style), printer_.TwipsPerPixelX);
}

std::int32_t DrawingLayer::deviceY(std::int32_t y, const cStyle& style) const {
    return onScreen() ? toPixels(ZoomY(y), screenY_) : toPixels(targetY(y, style), printer_.TwipsPerPixelY);
}

std::int32_t DrawingLayer::penWidth(const cLineStyle& line) const {
    std::int32_t w = onScreen() ? roundToLong(roundToLong(line.LineWidth / screenX_) * zoom_)
                                : roundToLong(line.LineWidth / printer_.TwipsPerPixelX);
    return w < 1 ? 1 : w;
}

void DrawingLayer::applyPen(const cLineStyle& line) {
    target_->DrawStyle(line.LineType);
    target_->DrawWidth(penWidth(line));
}

Brush DrawingLayer::brushOf(const cStyle& style) const {
    const Fill fill = fillOf(style, false);
    return fill.kind == Fill::Solid ? Brush{false, fill.color} : Brush{true, 0};
}

void DrawingLayer::PutText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) {
    DrawTarget& t = *target_;
    t.FontName(style.FontName);
    t.FontSize(ZoomSingle(style.FontSize) / 20.0);
    t.FontBold(style.Bold);
    t.FontItalic(style.Italic);
    t.FontStrikethru(style.Strikethru);
    t.FontUnderline(style.Underline);
    t.ForeColor(style.ForeColor);
    t.FontCharset(style.Charset);
    const std::int32_t tx = targetX(x, style);
    const std::int32_t ty = targetY(y, style);
    t.CurrentX(tx);
    t.CurrentY(ty);
    const bool inside = style.Orientation == prORPortrait ? (ty >= 0 && ty <= ZoomY(printer_.PrintHeight))
                                                          : (tx >= 0 && tx <= ZoomX(printer_.PrintWidth));
    if (inside) t.Print(text);
}

void DrawingLayer::PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    applyPen(style.LineStyle);
    target_->Line(targetX(x1, style), targetY(y1, style), targetX(x2, style), targetY(y2, style),
                  style.LineStyle.Color, false);
}

void DrawingLayer::PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    target_->DrawWidth(penWidth(style.LineStyle));
    target_->DrawStyle(style.LineStyle.LineType);
    target_->FillStyle(vbFSTransparent);
    target_->Line(targetX(x1, style), targetY(y1, style), targetX(x2, style), targetY(y2, style),
                  style.LineStyle.Color, true);
}

void DrawingLayer::PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                              const cLineStyle& line, const cStyle& style) {
    target_->FillColor(style.FillColor);
    target_->FillStyle(style.FillStyle);
    target_->DrawWidth(penWidth(line));
    target_->DrawStyle(line.LineType);
    target_->Line(targetX(x1, style), targetY(y1, style), targetX(x2, style), targetY(y2, style), line.Color, true);
}

void DrawingLayer::PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                std::int32_t radius, const cStyle& style) {
    // The outline is drawn with the style's line style, so the figure does not depend on what
    // was drawn before it.
    applyPen(style.LineStyle);
    const double tpp = onScreen() ? screenX_ : printer_.TwipsPerPixelX;
    const std::int32_t corner = toPixels(ZoomSingle(static_cast<float>(radius)), tpp);
    target_->RoundRect(deviceX(x1, style), deviceY(y1, style), deviceX(x2, style), deviceY(y2, style), corner, corner,
                       brushOf(style), style.LineStyle.Color);
}

void DrawingLayer::PutPoint(std::int32_t x, std::int32_t y, const cStyle& style) {
    target_->PSet(targetX(x, style), targetY(y, style), style.ForeColor);
}

void DrawingLayer::PutCircle(std::int32_t x, std::int32_t y, float radius, float start, float end, float aspect,
                             const cStyle& style) {
    DrawTarget& t = *target_;
    t.DrawWidth(penWidth(style.LineStyle));
    t.DrawStyle(style.LineStyle.LineType);
    t.FillStyle(style.FillStyle);
    t.FillColor(style.FillColor);
    const double cx = targetX(x, style), cy = targetY(y, style);
    const double r = ZoomSingle(radius);
    if (start == 0 && end == 0) {
        t.Circle(cx, cy, r, style.LineStyle.Color, aspect);
        return;
    }
    // The end is brought to a hundredth of a radian and stopped just short of it, so that a
    // full turn (6.2831853) draws as an open arc ending at 6.27.
    const double drawnEnd = std::nearbyint(end / 0.01) * 0.01 - 0.01;
    t.Arc(cx, cy, r, style.LineStyle.Color, start, drawnEnd, aspect);
}

void DrawingLayer::PutPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height, const cStyle& style) {
    if (picture.isNull()) return;
    target_->PaintPicture(picture.image(), targetX(x, style), targetY(y, style), roundToLong(ZoomWidth(width)),
                          roundToLong(ZoomHeight(height)));
}

void DrawingLayer::PutPolygon(const std::vector<POLYVERT>& vertices, const cStyle& style) {
    if (vertices.empty()) return;
    std::vector<DevicePoint> points;
    points.reserve(vertices.size());
    for (const POLYVERT& v : vertices) points.push_back({deviceX(v.X, style), deviceY(v.Y, style)});
    applyPen(style.LineStyle);
    target_->Polygon(points, brushOf(style), style.LineStyle.Color);
}

void DrawingLayer::PutRotatedText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) {
    DrawTarget& t = *target_;
    t.Print("");  // makes the device live, as the drawing object needs before device calls
    DeviceFont font;
    font.name = style.FontName;
    const double points = ZoomSingle(style.FontSize) / 20.0;
    // -MulDiv(points, LOGPIXELSY, 72): a character height in device pixels.
    font.height = -static_cast<std::int32_t>(std::lround(points * t.LogPixelsY() / 72.0));
    font.points = points;
    // Degrees -> tenths of a degree; a rotation whose tenths 32 bits cannot hold is first taken
    // modulo a full turn, which draws the same.
    const std::int64_t tenths = std::int64_t{style.TextRotation} * 10;
    font.escapement = tenths >= INT32_MIN && tenths <= INT32_MAX ? static_cast<std::int32_t>(tenths)
                                                                 : style.TextRotation % 360 * 10;
    font.bold = style.Bold;
    font.italic = style.Italic;
    font.underline = style.Underline;
    font.strikeout = style.Strikethru;
    font.charset = style.Charset;
    t.RotatedText(deviceX(x, style), deviceY(y, style), text, font, style.ForeColor);
}

}  // namespace kalder
