// The figures of an RTF export, each one drawing shape: lines and points (shape type 20),
// rectangles (1), rounded rectangles (2), ellipses (3), freeform polygons (0) and turned text
// (a metafile picture, 75, or WordArt, 136). Colours are written as the shape properties
// take them, red in the low byte; widths in English Metric Units, 635 to the twip.
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "core/DrawTarget.h"
#include "core/TextMeasurer.h"
#include "export/PdfNumbers.h"
#include "export/RtfWriter.h"
#include "export/WmfWriter.h"

namespace kalder {

using pdf::appendInt;

namespace {
constexpr std::int64_t kEmuPerTwip = 635;
// Shape properties count angles in 1/65536 degree and WordArt sizes in 1/65536 point.
constexpr double kFixed = 65536.0;
constexpr double kPi = 3.14159265358979;

// The box of the ink of `text` (twips, relative to the start of its baseline): WordArt fills
// its shape with the ink of its text, so the shape must be exactly that box.
QRectF inkBox(const cStyle& style, const std::string& text) {
    thread_local const QImage device = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(56693);  // 1440 dots per inch: a pixel is a twip
        img.setDotsPerMeterY(56693);
        return img;
    }();
    const QFontMetricsF metrics(TextMeasurer::font(style, style.FontSize / 20.0), &device);
    return metrics.tightBoundingRect(QString::fromStdString(text));
}
}  // namespace

void RtfWriter::pen(const cLineStyle& line) {
    if (line.LineType == vbInvisible) return property("fLine", 0);
    property("lineColor", rtfColor(line.Color));
    property("lineWidth", line.LineWidth * kEmuPerTwip);
    // Dash, dot, dash-dot and dash-dot-dot have the numbers of the file's system dashes.
    if (line.LineType >= vbDash && line.LineType <= vbDashDotDot) property("lineDashing", line.LineType);
}

void RtfWriter::fill(const Fill& f) {
    if (f.kind != Fill::Solid) return property("fFilled", 0);
    property("fillColor", rtfColor(f.color));
    property("fFilled", 1);
}

void RtfWriter::PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    if (style.LineStyle.LineType == vbInvisible) return;
    openShape(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    property("shapeType", 20);
    property("fFlipH", 0);
    // A line shape runs from the top left of its box to the bottom right unless flipped: a
    // line rising to the right is the flipped one.
    property("fFlipV", (static_cast<std::int64_t>(x2) - x1) * (static_cast<std::int64_t>(y2) - y1) < 0);
    pen(style.LineStyle);
    closeShape();
}

void RtfWriter::PutPoint(std::int32_t x, std::int32_t y, const cStyle& style) {
    // A point is the size of a pixel of a 144-dpi screen, in the text colour, as in a PDF: a
    // line that long and that wide.
    constexpr std::int32_t kDot = 10;
    cStyle dot = style;
    dot.LineStyle = {vbSolid, kDot, style.ForeColor};
    PutLine(x, y + kDot / 2, x + kDot, y + kDot / 2, dot);
}

void RtfWriter::PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    if (style.LineStyle.LineType == vbInvisible) return;
    openShape(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    property("shapeType", 1);
    property("fFilled", 0);
    pen(style.LineStyle);
    closeShape();
}

void RtfWriter::PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                           const cLineStyle& line, const cStyle& style) {
    const Fill f = fillOf(style);
    if (f.kind != Fill::Solid && line.LineType == vbInvisible) return;
    openShape(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    property("shapeType", 1);
    pen(line);
    fill(f);
    closeShape();
}

void RtfWriter::PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             std::int32_t radius, const cStyle& style) {
    const std::int64_t l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    openShape(l, t, r, b);
    property("shapeType", 2);
    // `radius` is the width of the ellipse that rounds a corner; the shape takes the corner's
    // radius as a share of its shorter side, in 21600ths, at most half of it.
    const std::int64_t side = std::max<std::int64_t>(1, std::min(r - l, b - t));
    property("adjustValue", std::clamp<std::int64_t>(std::llround(radius / 2.0 * 21600 / side), 0, 10800));
    pen(style.LineStyle);
    fill(fillOf(style, false));
    closeShape();
}

void RtfWriter::PutCircle(std::int32_t cx, std::int32_t cy, float radius, float, float, float aspect,
                          const cStyle& style) {
    // One figure for circles, ellipses and arcs, as in a PDF: the whole ellipse of the radii.
    const auto [rx, ry] = halfAxesOf(radius, aspect);
    const std::int64_t irx = std::llround(rx), iry = std::llround(ry);
    openShape(cx - irx, cy - iry, cx + irx, cy + iry);
    property("shapeType", 3);
    pen(style.LineStyle);
    fill(fillOf(style));
    closeShape();
}

void RtfWriter::PutPolygon(const std::vector<POLYVERT>& v, const cStyle& style) {
    if (v.empty()) return;
    std::int64_t l = v[0].X, r = l, t = v[0].Y, b = t;
    for (const POLYVERT& p : v) l = std::min<std::int64_t>(l, p.X), r = std::max<std::int64_t>(r, p.X),
                                t = std::min<std::int64_t>(t, p.Y), b = std::max<std::int64_t>(b, p.Y);
    openShape(l, t, r, b);
    property("shapeType", 0);
    property("geoLeft", 0);
    property("geoTop", 0);
    property("geoRight", std::max<std::int64_t>(1, r - l));
    property("geoBottom", std::max<std::int64_t>(1, b - t));
    // The vertices relative to the box, the first repeated at the end so the outline closes.
    body_ += "{\\sp{\\sn pVerticies}{\\sv 8;";
    appendInt(body_, static_cast<std::int64_t>(v.size() + 1));
    for (std::size_t i = 0; i <= v.size(); ++i) {
        const POLYVERT& p = v[i % v.size()];
        body_ += ";(";
        appendInt(body_, p.X - l);
        body_ += ',';
        appendInt(body_, p.Y - t);
        body_ += ')';
    }
    body_ += "}}\r\n";
    pen(style.LineStyle);
    fill(fillOf(style, false));
    closeShape();
}

void RtfWriter::PutRotatedText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) {
    // Turned text is a metafile picture: LibreOffice and Word both draw it in place. Its
    // picture width and height are given in hundredths of a millimetre (127 to 72 twips).
    if (auto metafile = turnedTextMetafile(text, x, y, style)) {
        const std::int64_t w = metafile->right - metafile->left, h = metafile->bottom - metafile->top;
        std::string controls = "\\wmetafile8\\picw";
        appendInt(controls, w * 127 / 72);
        controls += "\\pich";
        appendInt(controls, h * 127 / 72);
        controls += "\\picwgoal";
        appendInt(controls, w);
        controls += "\\pichgoal";
        appendInt(controls, h);
        return pictureShape(metafile->left, metafile->top, metafile->right, metafile->bottom,
                            pictGroup(controls, metafile->bytes));
    }
    // A metafile holds single-byte text only: other text is WordArt, which word processors
    // write for watermarks and which turns any text. Its shape is the box of the text's ink
    // (WordArt stretches its text to the shape), given unturned and turned about its centre,
    // as word processors write it (LibreOffice 7 turns it about its top left instead, so there
    // it lands off its place). The run turns about the top left of its cell: the ink box's
    // centre in the run's own frame (y down, from the cell's top left) is turned by the
    // angle, and the shape's centre goes there.
    const QRectF ink = inkBox(style, text);
    if (text.empty() || ink.isEmpty()) return;
    const double ascent = TextMeasurer::metrics(style).ascent;
    const double angle = style.TextRotation * kPi / 180, c = std::cos(angle), s = std::sin(angle);
    const double u = ink.center().x(), w = ascent + ink.center().y();
    const double centreX = x + u * c + w * s, centreY = y - u * s + w * c;
    // Shape rotations turn clockwise. Written between -180 and 180 degrees: LibreOffice turns
    // angles past 327.67 degrees the wrong way (it keeps them in hundredths in 16 bits).
    const double clockwise = std::remainder(-static_cast<double>(style.TextRotation), 360.0);
    openShape(std::llround(centreX - ink.width() / 2), std::llround(centreY - ink.height() / 2),
              std::llround(centreX + ink.width() / 2), std::llround(centreY + ink.height() / 2));
    property("shapeType", 136);
    property("rotation", std::llround(clockwise * kFixed));
    property("fGtext", 1);
    textProperty("gtextUNICODE", text);
    textProperty("gtextFont", style.FontName);
    property("gtextSize", std::llround(style.FontSize / 20.0 * kFixed));
    if (style.Bold) property("gtextFBold", 1);
    if (style.Italic) property("gtextFItalic", 1);
    if (style.Underline) property("gtextFUnderline", 1);
    if (style.Strikethru) property("gtextFStrikethrough", 1);
    property("fLine", 0);
    fill({Fill::Solid, vbFSSolid, style.ForeColor});
    closeShape();
}

}  // namespace kalder
