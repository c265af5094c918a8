#include "export/WmfWriter.h"

#include <algorithm>
#include <cmath>

#include "core/TextMeasurer.h"
#include "export/WinAnsi.h"

namespace kalder {

namespace {
constexpr double kPi = 3.14159265358979;

// Record functions, as the metafile format numbers them.
enum : std::uint16_t {
    kEof = 0x0000,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetTextAlign = 0x012E,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kCreateFontIndirect = 0x02FB,
    kExtTextOut = 0x0A32,
};
constexpr std::uint16_t kAnisotropic = 8, kTransparent = 1, kAlignTopLeft = 0;
constexpr std::size_t kFaceNameBytes = 32;
// Characters of a turned run a metafile holds: far more than reach across any page (a
// metafile's coordinates end at 32,767 twips), few enough to measure each one's advance.
constexpr std::size_t kMaxCharacters = 4096;

std::size_t utf8Length(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

void appendWord(std::string& out, std::int64_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

// Little-endian 16-bit words; a record is its size in words, its function and its words.
class Records {
public:
    void word(std::int64_t v) { appendWord(bytes_, v); }
    void record(std::uint16_t function, std::initializer_list<std::int64_t> words, std::string_view tail = {}) {
        const std::size_t size = 3 + words.size() + (tail.size() + 1) / 2;
        maxRecord_ = std::max(maxRecord_, size);
        word(static_cast<std::int64_t>(size & 0xFFFF));
        word(static_cast<std::int64_t>(size >> 16));
        word(function);
        for (auto w : words) word(w);
        bytes_ += tail;
        if (tail.size() % 2) bytes_ += '\0';
    }
    std::string finish() {
        record(kEof, {});
        // The header: a metafile in memory, 9 words of header, version 3, its size in words,
        // one object (the font), the longest record, no parameters.
        Records header;
        const std::size_t words = 9 + bytes_.size() / 2;
        for (std::int64_t w : {1, 9, 0x0300}) header.word(w);
        header.word(static_cast<std::int64_t>(words & 0xFFFF));
        header.word(static_cast<std::int64_t>(words >> 16));
        header.word(1);
        header.word(static_cast<std::int64_t>(maxRecord_ & 0xFFFF));
        header.word(static_cast<std::int64_t>(maxRecord_ >> 16));
        header.word(0);
        return header.bytes_ + bytes_;
    }

private:
    std::string bytes_;
    std::size_t maxRecord_ = 0;
};

// A twips value in a 16-bit word: a metafile cannot place anything farther.
std::int64_t clamp16(double v) { return std::clamp<std::int64_t>(std::llround(v), -32768, 32767); }
}  // namespace

std::optional<Metafile> turnedTextMetafile(const std::string& utf8, std::int32_t x, std::int32_t y,
                                           const cStyle& style) {
    std::string text;
    if (utf8.empty() || appendWinAnsi(text, utf8) != 0) return std::nullopt;

    // The cell, turned about its top left; screen y grows downwards, so a counter-clockwise
    // turn by a maps (u right, w down) to (u cos a + w sin a, -u sin a + w cos a).
    const double width = TextMeasurer::width(style, utf8), height = TextMeasurer::metrics(style).height;
    const double a = style.TextRotation * kPi / 180, c = std::cos(a), s = std::sin(a);
    double minX = x, maxX = x, minY = y, maxY = y;
    for (auto [u, w] : {std::pair{width, 0.0}, {0.0, height}, {width, height}}) {
        const double px = x + u * c + w * s, py = y - u * s + w * c;
        minX = std::min(minX, px), maxX = std::max(maxX, px);
        minY = std::min(minY, py), maxY = std::max(maxY, py);
    }
    Metafile out;
    out.left = static_cast<std::int64_t>(std::floor(minX));
    out.top = static_cast<std::int64_t>(std::floor(minY));
    out.right = std::max<std::int64_t>(out.left + 1, static_cast<std::int64_t>(std::ceil(maxX)));
    out.bottom = std::max<std::int64_t>(out.top + 1, static_cast<std::int64_t>(std::ceil(maxY)));

    // The window is the bounds in page twips, so the run is drawn at its own page position.
    Records r;
    r.record(kSetMapMode, {kAnisotropic});
    r.record(kSetWindowOrg, {clamp16(out.top), clamp16(out.left)});
    r.record(kSetWindowExt, {clamp16(out.bottom - out.top), clamp16(out.right - out.left)});
    r.record(kSetBkMode, {kTransparent});
    r.record(kSetTextAlign, {kAlignTopLeft});
    const std::int64_t color = style.ForeColor > 0 ? style.ForeColor & 0xFFFFFF : 0;
    r.record(kSetTextColor, {color & 0xFFFF, color >> 16});

    // The font: a negative height is the em size (the style's size in twips); escapement and
    // orientation in tenths of a degree; weight, italic, underline, strike-out; the ANSI
    // character set; then the face name, at most 31 bytes and a terminating zero.
    std::string face;
    appendWinAnsi(face, style.FontName);
    face.resize(std::min(face.size(), kFaceNameBytes - 1));
    face.resize(kFaceNameBytes, '\0');
    const std::int64_t tenths = std::llround(std::remainder(style.TextRotation, 360.0) * 10);
    const std::int64_t escapement = (tenths + 3600) % 3600;
    r.record(kCreateFontIndirect,
             {-clamp16(style.FontSize), 0, escapement, escapement, style.Bold ? 700 : 400,
              (style.Italic ? 1 : 0) | (style.Underline ? 0x100 : 0), (style.Strikethru ? 1 : 0), 0, 0},
             face);
    r.record(kSelectObject, {0});
    // The advance of each character as the layout measures it, so that a reader with other
    // metrics for the font still spaces the run as every other output does. Each advance is
    // the growth of the run's width by that character, which keeps the pairs' kerning.
    text.resize(std::min<std::size_t>(text.size(), kMaxCharacters));
    std::string words(text);
    if (words.size() % 2) words += '\0';
    std::int64_t placed = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        at += utf8Length(static_cast<unsigned char>(utf8[at]));
        const double after = TextMeasurer::width(style, std::string_view(utf8).substr(0, at));
        const std::int64_t next = std::llround(after);  // rounded as the sum goes
        appendWord(words, next - placed);
        placed = next;
    }
    r.record(kExtTextOut, {clamp16(y), clamp16(x), static_cast<std::int64_t>(text.size()), 0}, words);
    r.record(kDeleteObject, {0});
    out.bytes = r.finish();
    return out;
}

}  // namespace kalder
