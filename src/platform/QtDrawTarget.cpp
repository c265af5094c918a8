#include "platform/QtDrawTarget.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPolygon>
#include <cmath>

#include "core/Canvas.h"
#include "core/TextMeasurer.h"

namespace kalder {

namespace {
constexpr double kPi = 3.14159265358979323846;
QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

QtDrawTarget::QtDrawTarget(QPainter& painter, double twipsPerPixelX, double twipsPerPixelY)
    : painter_(painter), tppX_(twipsPerPixelX > 0 ? twipsPerPixelX : 15), tppY_(twipsPerPixelY > 0 ? twipsPerPixelY : 15) {
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor QtDrawTarget::color(std::int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void QtDrawTarget::FontName(const std::string& name) {
    if (name != fontName_) fontName_ = name, fontDirty_ = true;
}
void QtDrawTarget::FontSize(double points) {
    if (points != fontPoints_) fontPoints_ = points, fontDirty_ = true;
}
void QtDrawTarget::FontBold(bool on) {
    if (on != bold_) bold_ = on, fontDirty_ = true;
}
void QtDrawTarget::FontItalic(bool on) {
    if (on != italic_) italic_ = on, fontDirty_ = true;
}
void QtDrawTarget::FontStrikethru(bool on) {
    if (on != strike_) strike_ = on, fontDirty_ = true;
}
void QtDrawTarget::FontUnderline(bool on) {
    if (on != underline_) underline_ = on, fontDirty_ = true;
}
void QtDrawTarget::FontCharset(std::int32_t) {}  // Qt picks glyphs by Unicode; text is UTF-8 already
void QtDrawTarget::ForeColor(std::int32_t color) { foreColor_ = color; }

QtDrawTarget::RunFont QtDrawTarget::runFont(cStyle style, double points) const {
    // Points relative to the device's own resolution, so that the glyphs get the size the
    // twip scale says whatever resolution the device reports.
    const double dpi = 1440.0 / tppY_;
    const int deviceDpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
    RunFont run;
    run.font = TextMeasurer::font(style, points * dpi / (deviceDpi > 0 ? deviceDpi : 96));
    // The device draws a font at a whole number of pixels, a little larger or smaller than
    // asked; the glyphs' advances are scaled back to the widths the layout measured (the
    // measurer's twips are the device's pixels times twips per pixel), so text laid out to a
    // margin ends there on every output. Spacing, not a transform: drawing stays on Qt's
    // fast path, and a glyph's own size is off by less than half a pixel.
    style.FontSize = static_cast<float>(points * 20);
    static const QString kSample = QStringLiteral("HHHHHHHHHHnnnnnnnnnn");
    const double measured = TextMeasurer::width(style, "HHHHHHHHHHnnnnnnnnnn") / tppX_;
    run.metrics.emplace(run.font, painter_.device());
    const double drawn = run.metrics->horizontalAdvance(kSample);
    if (measured > 0 && drawn > 0 && std::abs(measured / drawn - 1) > 1e-4) {
        run.font.setLetterSpacing(QFont::PercentageSpacing, 100.0 * measured / drawn);
        run.metrics.emplace(run.font, painter_.device());
    }
    run.ascent = TextMeasurer::metrics(style).ascent / tppY_;
    return run;
}

double QtDrawTarget::drawRun(const RunFont& run, QPointF origin, double degrees, const QString& text,
                             std::int32_t rgb) {
    painter_.setPen(color(rgb));
    // A turned run's transform goes over the painter's and is taken back without saving the
    // whole painter state: this is the hot path of every page drawn.
    if (degrees == 0) {
        painter_.drawText(QPointF(origin.x(), origin.y() + run.ascent), text);
    } else {
        const QTransform base = painter_.transform();
        QTransform t;
        t.translate(origin.x(), origin.y());
        t.rotate(-degrees);  // counter-clockwise on a y-down device
        painter_.setTransform(t * base);
        painter_.drawText(QPointF(0, run.ascent), text);
        painter_.setTransform(base);
    }
    return run.metrics->horizontalAdvance(text);
}

const QtDrawTarget::RunFont& QtDrawTarget::currentFont() {
    if (fontDirty_) {
        cStyle s;
        s.FontName = fontName_;
        s.Bold = bold_;
        s.Italic = italic_;
        s.Underline = underline_;
        s.Strikethru = strike_;
        font_ = runFont(s, fontPoints_);
        fontDirty_ = false;
        ++serial_;
    }
    return font_;
}

QPen QtDrawTarget::pen(std::int32_t rgb) const {
    QPen p(color(rgb));
    p.setWidth(drawWidth_);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    switch (drawStyle_) {
        case vbDash: p.setStyle(Qt::DashLine); break;
        case vbDot: p.setStyle(Qt::DotLine); break;
        case vbDashDot: p.setStyle(Qt::DashDotLine); break;
        case vbDashDotDot: p.setStyle(Qt::DashDotDotLine); break;
        case vbInvisible: p.setStyle(Qt::NoPen); break;
        default: p.setStyle(Qt::SolidLine);
    }
    return p;
}

QBrush QtDrawTarget::fillBrush() const {
    const QColor c = color(fillColor_);
    switch (fillStyle_) {
        case vbFSSolid: return QBrush(c, Qt::SolidPattern);
        case vbHorizontalLine: return QBrush(c, Qt::HorPattern);
        case vbVerticalLine: return QBrush(c, Qt::VerPattern);
        case vbUpwardDiagonal: return QBrush(c, Qt::BDiagPattern);
        case vbDownwardDiagonal: return QBrush(c, Qt::FDiagPattern);
        case vbCross: return QBrush(c, Qt::CrossPattern);
        case vbDiagonalCross: return QBrush(c, Qt::DiagCrossPattern);
        default: return Qt::NoBrush;
    }
}

void QtDrawTarget::Line(double x1, double y1, double x2, double y2, std::int32_t rgb, bool box) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(rgb));
    if (!box) {
        painter_.drawLine(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2)));
        return;
    }
    QRectF r = QRectF(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2))).normalized();
    if (drawStyle_ == vbInsideSolid && drawWidth_ > 1) {
        // The whole pen inside the box.
        const double half = drawWidth_ / 2.0;
        r.adjust(half, half, -half, -half);
    }
    painter_.setBrush(fillBrush());
    painter_.drawRect(r);
    painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::Circle(double x, double y, double radius, std::int32_t rgb, double aspect) {
    const auto [rx, ry] = halfAxesOf(radius, aspect);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(rgb));
    painter_.setBrush(fillBrush());
    painter_.drawEllipse(QPointF(px(x), py(y)), px(rx), py(ry));
    painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::Arc(double x, double y, double radius, std::int32_t rgb, double start, double end, double aspect) {
    const auto [rx, ry] = halfAxesOf(radius, aspect);
    // A negative angle draws a radius to the centre at that end, as a pie slice does.
    const bool pie = start < 0 || end < 0;
    start = std::fabs(start);
    end = std::fabs(end);
    double span = end - start;
    if (span < 0) span += 2 * kPi;
    const QRectF r(px(x - rx), py(y - ry), px(2 * rx), py(2 * ry));
    const int a = static_cast<int>(std::lround(start * 180.0 / kPi * 16.0));
    const int s = static_cast<int>(std::lround(span * 180.0 / kPi * 16.0));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(rgb));
    if (pie) {
        painter_.setBrush(fillBrush());
        painter_.drawPie(r, a, s);
        painter_.setBrush(Qt::NoBrush);
    } else {
        painter_.drawArc(r, a, s);
    }
}

void QtDrawTarget::PSet(double x, double y, std::int32_t rgb) {
    const double w = drawWidth_;
    painter_.fillRect(QRectF(px(x) - (w > 1 ? w / 2 : 0), py(y) - (w > 1 ? w / 2 : 0), w, w), color(rgb));
}

void QtDrawTarget::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(QRectF(px(x), py(y), px(width), py(height)), picture);
}

void QtDrawTarget::Print(const std::string& text) {
    if (text.empty()) return;
    const RunFont& run = currentFont();
    // Runs in one font give it to the painter once.
    if (fontSerial_ != serial_) {
        painter_.setFont(run.font);
        fontSerial_ = serial_;
    }
    x_ += drawRun(run, QPointF(px(x_), py(y_)), 0, qs(text), foreColor_) * tppX_;
}

void QtDrawTarget::RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             std::int32_t cornerWidth, std::int32_t cornerHeight, Brush brush, std::int32_t penColor) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(penColor));
    painter_.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(color(brush.color)));
    painter_.drawRoundedRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(), cornerWidth / 2.0,
                             cornerHeight / 2.0);
    painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::Polygon(const std::vector<DevicePoint>& points, Brush brush, std::int32_t penColor) {
    QPolygon poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) poly << QPoint(p.x, p.y);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(penColor));
    painter_.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(color(brush.color)));
    painter_.drawPolygon(poly);
    painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::RotatedText(std::int32_t x, std::int32_t y, const std::string& text, const DeviceFont& df,
                               std::int32_t rgb) {
    if (text.empty()) return;
    cStyle s;
    s.FontName = df.name;
    s.Bold = df.bold;
    s.Italic = df.italic;
    s.Underline = df.underline;
    s.Strikethru = df.strikeout;
    // The size before the device font's rounding when the caller gives it; else the cell
    // height in pixels, as points on this device.
    const double points = df.points > 0 ? df.points : std::abs(df.height) * 72.0 / LogPixelsY();
    const RunFont run = runFont(s, points);
    painter_.setFont(run.font);
    fontSerial_ = -1;
    drawRun(run, QPointF(x, y), df.escapement / 10.0, qs(text), rgb);
}

std::int32_t QtDrawTarget::LogPixelsY() const { return static_cast<std::int32_t>(std::lround(1440.0 / tppY_)); }

}  // namespace kalder
