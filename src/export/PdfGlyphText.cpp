// PdfWriter's text in embedded fonts: a run laid out by Qt as the screen lays it out, its
// glyphs placed where Qt placed them, and the Type 0 fonts that carry them.
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/AtomicFile.h"
#include "core/TextMeasurer.h"
#include "export/PdfNumbers.h"
#include "export/PdfWriter.h"

namespace kalder {

using pdf::appendFixed3;
using pdf::appendInt;

namespace {

// How far a glyph may stand from where Qt placed it before a TJ adjustment moves it back.
constexpr double kDriftTwips = 0.25;

std::string ref(int object) { return std::to_string(object) + " 0 R"; }

// A glyph's two-byte code inside a literal string: half the bytes of a hex string, and the
// content compresses to about a fifth less.
void appendCode(std::string& out, std::uint32_t glyph) {
    for (const char byte : {static_cast<char>(glyph >> 8), static_cast<char>(glyph)}) {
        if (byte == '\r') out += "\\r";
        else if (byte == '\n') out += "\\n";
        else {
            if (byte == '(' || byte == ')' || byte == '\\') out += '\\';
            out += byte;
        }
    }
}

// Code points of `s` with the index of their first UTF-16 unit.
template <class Each>
void forEachCodePoint(const QString& s, Each each) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        const qsizetype at = i;
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), s[++i].unicode());
        each(c, at, i + 1 - at);
    }
}

}  // namespace

bool PdfWriter::glyphText(std::string_view text, double baseX, double baseY, double cosA, double sinA,
                          const cStyle& style) {
    if (!subsets_) subsets_ = std::make_unique<pdf::FontSubsets>(options_.fontTableFilter);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Laid out as QPainter::drawText lays out a run on the screen: left to right as the base
    // direction (the bidirectional algorithm orders right-to-left stretches), one line, in the
    // measurer's font on its 1440-dpi device, so that a pixel is a twip.
    QTextLayout layout(s, TextMeasurer::font(style, style.FontSize / 20.0), &TextMeasurer::device());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    layout.endLayout();
    if (!line.isValid()) return true;  // no text: nothing to draw
    const QList<QGlyphRun> runs = layout.glyphRuns();
    std::vector<int> fonts;
    for (const QGlyphRun& run : runs) {
        const int f = subsets_->fontFor(run.rawFont());
        if (!f) return false;
        fonts.push_back(f);
    }
    const double ascent = line.ascent();

    // The glyphs in the order they stand on the line, whatever font each is in: Qt groups a
    // line's glyphs by font, and readers take the text in the order it is drawn.
    struct Placed {
        double x, y, em;
        int font;
        std::uint32_t glyph;
    };
    std::vector<Placed> placed;
    for (qsizetype r = 0; r < runs.size(); ++r) {
        const QList<quint32> glyphs = runs[r].glyphIndexes();
        const QList<QPointF> positions = runs[r].positions();
        const double em = runs[r].rawFont().pixelSize();
        if (em <= 0) continue;
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            placed.push_back({positions[i].x(), positions[i].y() - ascent, em, fonts[static_cast<std::size_t>(r)],
                              glyphs[i]});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.x < b.x; });

    content_ += "BT\r\n";
    color(style.ForeColor, false);
    // (font, glyph) pairs whose text is not known yet.
    std::vector<std::pair<int, std::uint32_t>> untexted;
    // Glyphs are shown in stretches of one font on one baseline; a stretch starts with its own
    // text matrix. Within it a glyph's advance is the font's; where Qt placed the next glyph
    // elsewhere (marks, rounding), a TJ adjustment moves it there.
    bool open = false, inString = false;
    int font = 0;
    double em = 0, startX = 0, startY = 0, pen = 0;
    for (const Placed& p : placed) {
        if (p.glyph == 0) ++replaced_;  // no installed font has the character: the missing-glyph box
        if (!subsets_->use(p.font, p.glyph) && p.glyph != 0) untexted.emplace_back(p.font, p.glyph);
        if (!open || p.font != font || p.em != em || std::abs(p.y - startY) > 0.01) {
            if (open) content_ += inString ? ")] TJ\r\n" : "] TJ\r\n";
            if (p.font != font || p.em != em) {
                content_ += "/E";
                appendInt(content_, p.font);
                content_ += ' ';
                appendFixed3(content_, p.em / 20.0);
                content_ += " Tf\r\n";
                font = p.font, em = p.em;
            }
            const double px = baseX + p.x * cosA + p.y * sinA, py = baseY - p.x * sinA + p.y * cosA;
            textMatrix(sinA != 0 || cosA != 1, cosA, sinA, px, py);
            content_ += '[';
            open = true, inString = false;
            startX = p.x, startY = p.y, pen = 0;
        }
        // Advances are whole thousandths and Qt's positions are in 64ths of a twip, so the
        // two drift apart by rounding; a quarter twip (about 0.004 mm) is let pass before an
        // adjustment, which would otherwise stand between most glyphs and cost a third of the
        // content's size.
        const double drift = pen - (p.x - startX) * 1000.0 / em;
        const long adjust = std::abs(drift) * em / 1000.0 > kDriftTwips ? std::lround(drift) : 0;
        if (adjust != 0) {
            if (inString) content_ += ')', inString = false;
            appendInt(content_, adjust);
            pen -= static_cast<double>(adjust);
        }
        if (!inString) content_ += '(', inString = true;
        appendCode(content_, p.glyph);
        pen += subsets_->advance(p.font, p.glyph);
    }
    if (open) content_ += inString ? ")] TJ\r\n" : "] TJ\r\n";
    content_ += "ET\r\n";
    if (untexted.empty()) return true;

    // The text of glyphs met for the first time, for the ToUnicode maps: a character's
    // nominal glyph first; the rest (ligatures, contextual forms) from the characters whose
    // own layout holds the glyph.
    forEachCodePoint(s, [&](char32_t c, qsizetype, qsizetype) {
        for (auto& [f, g] : untexted) {
            if (g == UINT32_MAX || subsets_->glyphOf(f, c) != g) continue;
            std::u16string t;
            for (QChar u : QString::fromUcs4(&c, 1)) t += u.unicode();
            subsets_->setText(f, g, t);
            g = UINT32_MAX;
        }
    });
    // A glyph's text is the characters of its first cluster: those next to each other whose
    // layout holds it (a glyph met again further on, as a repeated letter, adds nothing).
    struct Piece {
        std::u16string text;
        qsizetype next = -1;  // the index a further character of the cluster would have
    };
    std::map<std::pair<int, std::uint32_t>, Piece> pieces;
    for (const auto& [f, g] : untexted)
        if (g != UINT32_MAX) pieces[{f, g}];
    if (pieces.empty()) return true;
    forEachCodePoint(s, [&](char32_t, qsizetype at, qsizetype length) {
        for (const QGlyphRun& run : layout.glyphRuns(static_cast<int>(at), static_cast<int>(length))) {
            const int f = subsets_->fontFor(run.rawFont());
            for (quint32 g : run.glyphIndexes()) {
                auto it = pieces.find({f, g});
                if (it == pieces.end() || (it->second.next >= 0 && it->second.next != at)) continue;
                for (qsizetype k = at; k < at + length; ++k) it->second.text += s[k].unicode();
                it->second.next = at + length;
            }
        }
    });
    for (const auto& [key, piece] : pieces)
        if (!piece.text.empty()) subsets_->setText(key.first, key.second, piece.text);
    return true;
}

void PdfWriter::finishSubsets() {
    if (!subsets_) return;
    for (std::size_t i = 1; i <= subsets_->size(); ++i) subsetFonts_.push_back(subsets_->finish(static_cast<int>(i)));
    subsets_.reset();  // the fonts' tables are no longer needed
}

void PdfWriter::writeEmbeddedFonts() {
    for (const pdf::SubsetFont& font : subsetFonts_) {
        const int type0 = allocate(), cid = allocate(), descriptor = allocate(), toUnicode = allocate();
        const int file = font.file.empty() ? 0 : allocate();
        beginObject(type0);
        lines({"<<", "/Type /Font", "/Subtype /Type0", "/BaseFont /" + font.name, "/Encoding /Identity-H",
               "/DescendantFonts [ " + ref(cid) + " ]", "/ToUnicode " + ref(toUnicode), ">>", "endobj"});
        beginObject(cid);
        // TrueType outlines: CIDFontType2, CIDs being glyph ids. CFF outlines (OpenType fonts
        // such as Noto CJK): CIDFontType0 with the whole OpenType subset as FontFile3
        // /OpenType; a reader takes the glyph of a CID from the CFF's charset, and the subset
        // keeps glyph ids, so a CID is the glyph id the font's own charset gives it.
        lines({"<<", "/Type /Font", font.cff ? "/Subtype /CIDFontType0" : "/Subtype /CIDFontType2",
               "/BaseFont /" + font.name, "/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>",
               "/FontDescriptor " + ref(descriptor), "/DW 1000", "/W [ " + font.widths + " ]"});
        if (!font.cff) writeLine("/CIDToGIDMap /Identity");
        lines({">>", "endobj"});
        beginObject(descriptor);
        std::string bbox = "/FontBBox [ ";
        for (int v : font.bbox) bbox += std::to_string(v) + ' ';
        bbox += ']';
        lines({"<<", "/Type /FontDescriptor", "/FontName /" + font.name, "/Flags " + std::to_string(font.flags), bbox,
               "/ItalicAngle " + std::to_string(font.italicAngle), "/Ascent " + std::to_string(font.ascent),
               "/Descent " + std::to_string(font.descent), "/CapHeight " + std::to_string(font.capHeight),
               "/StemV 80"});
        // A font whose subset could not be cut is named without its program: readers draw a
        // substitute, and the text still reads and copies.
        if (file) writeLine((font.cff ? "/FontFile3 " : "/FontFile2 ") + ref(file));
        lines({">>", "endobj"});
        const auto stream = [this](int object, const std::string& data, const std::string& extra) {
            deflater_.compress(data, compressed_);
            beginObject(object);
            lines({"<<", "/Length " + std::to_string(compressed_.size()) + extra, "/Filter /FlateDecode", ">>",
                   "stream"});
            file_->write(compressed_.data(), compressed_.size());
            lines({"", "endstream", "endobj"});
        };
        stream(toUnicode, font.toUnicode, "");
        if (file)
            stream(file, font.file,
                   font.cff ? std::string(" /Subtype /OpenType") : " /Length1 " + std::to_string(font.file.size()));
    }
}

}  // namespace kalder
