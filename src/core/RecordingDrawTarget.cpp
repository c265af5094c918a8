#include "core/RecordingDrawTarget.h"

#include <QImage>
#include <charconv>

namespace kalder {

namespace {
// As "%.10g" in the C locale: the recorded text must not depend on the user's decimal mark.
std::string num(double v) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    return std::string(buf, res.ptr);
}
std::string brushText(Brush b) { return b.hollow ? "brush=hollow" : "brush=" + std::to_string(b.color); }
}  // namespace

std::vector<std::string> RecordingDrawTarget::callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

void RecordingDrawTarget::FontName(const std::string& name) { calls.push_back("FontName " + name); }
void RecordingDrawTarget::FontSize(double points) { calls.push_back("FontSize " + num(points)); }
void RecordingDrawTarget::FontBold(bool on) { calls.push_back(std::string("FontBold ") + (on ? "1" : "0")); }
void RecordingDrawTarget::FontItalic(bool on) { calls.push_back(std::string("FontItalic ") + (on ? "1" : "0")); }
void RecordingDrawTarget::FontStrikethru(bool on) {
    calls.push_back(std::string("FontStrikethru ") + (on ? "1" : "0"));
}
void RecordingDrawTarget::FontUnderline(bool on) {
    calls.push_back(std::string("FontUnderline ") + (on ? "1" : "0"));
}
void RecordingDrawTarget::FontCharset(std::int32_t charset) { calls.push_back("FontCharset " + std::to_string(charset)); }
void RecordingDrawTarget::ForeColor(std::int32_t color) { calls.push_back("ForeColor " + std::to_string(color)); }
void RecordingDrawTarget::CurrentX(double x) { calls.push_back("CurrentX " + num(x)); }
void RecordingDrawTarget::CurrentY(double y) { calls.push_back("CurrentY " + num(y)); }
void RecordingDrawTarget::DrawWidth(std::int32_t pixels) { calls.push_back("DrawWidth " + std::to_string(pixels)); }
void RecordingDrawTarget::DrawStyle(std::int32_t style) { calls.push_back("DrawStyle " + std::to_string(style)); }
void RecordingDrawTarget::FillStyle(std::int32_t style) { calls.push_back("FillStyle " + std::to_string(style)); }
void RecordingDrawTarget::FillColor(std::int32_t color) { calls.push_back("FillColor " + std::to_string(color)); }

void RecordingDrawTarget::Line(double x1, double y1, double x2, double y2, std::int32_t color, bool box) {
    calls.push_back("Line " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) +
                    " color=" + std::to_string(color) + " box=" + (box ? "1" : "0"));
}
void RecordingDrawTarget::Circle(double x, double y, double radius, std::int32_t color, double aspect) {
    calls.push_back("Circle " + num(x) + " " + num(y) + " " + num(radius) + " color=" + std::to_string(color) +
                    " aspect=" + num(aspect));
}
void RecordingDrawTarget::Arc(double x, double y, double radius, std::int32_t color, double start, double end,
                              double aspect) {
    calls.push_back("Arc " + num(x) + " " + num(y) + " " + num(radius) + " color=" + std::to_string(color) +
                    " start=" + num(start) + " end=" + num(end) + " aspect=" + num(aspect));
}
void RecordingDrawTarget::PSet(double x, double y, std::int32_t color) {
    calls.push_back("PSet " + num(x) + " " + num(y) + " color=" + std::to_string(color));
}
void RecordingDrawTarget::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    calls.push_back("PaintPicture " + std::to_string(picture.width()) + "x" + std::to_string(picture.height()) + " " +
                    num(x) + " " + num(y) + " " + num(width) + " " + num(height));
}
void RecordingDrawTarget::Print(const std::string& text) { calls.push_back("Print " + text); }
void RecordingDrawTarget::RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                    std::int32_t cornerWidth, std::int32_t cornerHeight, Brush brush,
                                    std::int32_t penColor) {
    calls.push_back("RoundRect " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
                    std::to_string(y2) + " " + std::to_string(cornerWidth) + " " + std::to_string(cornerHeight) +
                    " " + brushText(brush) + " pen=" + std::to_string(penColor));
}
void RecordingDrawTarget::Polygon(const std::vector<DevicePoint>& points, Brush brush, std::int32_t penColor) {
    std::string s = "Polygon";
    for (const auto& p : points) s += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    calls.push_back(s + " " + brushText(brush) + " pen=" + std::to_string(penColor));
}
void RecordingDrawTarget::RotatedText(std::int32_t x, std::int32_t y, const std::string& text, const DeviceFont& font,
                                      std::int32_t color) {
    calls.push_back("RotatedText " + std::to_string(x) + " " + std::to_string(y) + " " + text + " font=" + font.name +
                    " height=" + std::to_string(font.height) + " escapement=" + std::to_string(font.escapement) +
                    " color=" + std::to_string(color));
}

}  // namespace kalder
