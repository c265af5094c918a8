// PdfWriter: writes a whole document as one PDF 1.4 file. While a page is written it is the
// canvas the page's elements draw on, through the same drawing routine as every other
// output; its primitives become PDF content operators.
//
// The file: "%PDF-1.4 ", the information object (1), four reserved objects (catalog 2, page
// tree 3, encoding 4, resources 5), then per page a page object, its content stream (zlib,
// compressed on worker threads while the next page is drawn) and the stream's length object, then image objects, the
// resources, the fonts, the catalog, the page tree, the cross-reference table (20-byte
// entries) and the trailer. Every line ends with CR LF. The file is written beside the target
// and renamed when complete, so a failed export leaves any previous file as it was.
//
// One writer per export: two exports may run at once on two documents in two threads.
#pragma once

#include <climits>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Canvas.h"
#include "export/Deflater.h"
#include "export/PdfFontSubsets.h"

namespace kalder {

class AtomicFile;
class TaskPipeline;
class cDocument;
class cPage;

// Pages one PDF file may hold: the page table of the writer is this long.
constexpr int kMaxPdfPages = 5000;

struct PdfOptions {
    // The creation date; when empty: SOURCE_DATE_EPOCH when set (reproducible output), else now.
    std::optional<std::time_t> creationTime;
    // zlib's level. 3 is the last of zlib's fast levels: pages of barcodes or rulings (tens of
    // kilobytes of operators each) export about twice as fast as at zlib's default 6, for
    // files 2 % (text) to 16 % (barcodes) larger. PDFCompression(9) gives the smallest.
    int compressionLevel = 3;
    // Every text run in embedded font subsets, the base families too (archival files).
    bool embedFonts = false;
    // Changes font tables as they are read for embedding (tests damage fonts with it).
    pdf::FontTableFilter fontTableFilter;
};

struct PdfResult {
    int pages = 0;
    std::size_t bytes = 0;
    // Characters written as "?" (no font could be embedded for them) or as the missing-glyph
    // box (no installed font has them).
    std::size_t replacedCharacters = 0;
};

class PdfWriter final : public Canvas {
public:
    explicit PdfWriter(PdfOptions options = {});
    ~PdfWriter() override;

    // Writes `doc` to `path`. Errors: -69 "The filename is missing" for an empty path; 9
    // "ExportPDF" beyond kMaxPdfPages pages; 75 when the file cannot be written.
    PdfResult write(const cDocument& doc, const std::string& path);

    // How a PDF differs from the surfaces: frames "WholePage" and "watermark" first,
    // references left out, paragraphs laid out again for the page written, and spaces left
    // as gaps. Beyond these, each primitive maps to its PDF operators: text runs in the base
    // fonts, the pen and fill of the style (hatches drawn as clipped lines), and circles,
    // ellipses and arcs alike as the whole ellipse of their radii.
    const OutputRules& rules() const override;
    void PutText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) override;
    void PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) override;
    void PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) override;
    void PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cLineStyle& line,
                    const cStyle& style) override;
    void PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                      const cStyle& style) override;
    void PutPoint(std::int32_t x, std::int32_t y, const cStyle& style) override;
    void PutCircle(std::int32_t x, std::int32_t y, float radius, float start, float end, float aspect,
                   const cStyle& style) override;
    void PutPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    const cStyle& style) override;
    void PutPolygon(const std::vector<POLYVERT>& vertices, const cStyle& style) override;
    void PutRotatedText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) override;

private:
    struct Image;

    int allocate();
    void beginObject(int number);
    void lines(std::initializer_list<std::string_view> text);
    void writeLine(std::string_view text);
    void writePage(const cPage& page);
    void writeImages();
    void writeResources();
    void writeFonts();
    void writeTrailer();

    // Content helpers (into the current page's stream).
    void x(std::int64_t twips);
    void y(std::int64_t twips);
    void point(std::int64_t px, std::int64_t py);
    // A text matrix operator (".. Tm" and a line end): turned by the angle whose cosine and sine
    // are given, or the plain matrix, placing the text at (x, y) in page twips from the top.
    void textMatrix(bool turned, double cosA, double sinA, double x, double y);
    // The pen of `line`: width, dash pattern, stroke colour. False for an invisible pen.
    bool pen(const cLineStyle& line);
    void color(std::int32_t c, bool stroke);
    int fontIndex(const cStyle& style);
    void rectanglePath(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void ellipsePath(std::int64_t cx, std::int64_t cy, std::int64_t rx, std::int64_t ry);
    // Lines of a hatch over the box, clipped to the path just written (which it ends).
    void hatch(const Fill& fill, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    // Paints the path just written: fill (solid) and stroke, with the painting operators of
    // the figure (`fillStroke` and `strokeOnly`, e.g. "B" and "S").
    void paint(const Fill& fill, bool stroked, const char* fillStroke, const char* fillOnly, const char* strokeOnly);
    void textRun(std::string_view text, std::int32_t x, std::int32_t top, const cStyle& style, std::int32_t rotation);
    // Whether a run goes in embedded fonts rather than the base fonts.
    bool needsGlyphs(std::string_view text, const cStyle& style);
    // Writes a run as the glyphs the screen draws (PdfGlyphText.cpp), its baseline starting at
    // (baseX, baseY) and turned by the angle of (cosA, sinA). False, with nothing written,
    // when a font of the run cannot be embedded.
    bool glyphText(std::string_view text, double baseX, double baseY, double cosA, double sinA, const cStyle& style);
    // The embedded fonts' subsets, and their objects after the base fonts' (PdfGlyphText.cpp).
    void finishSubsets();
    void writeEmbeddedFonts();
    void image(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    PdfOptions options_;
    Deflater deflater_;  // for image data; page contents go through the pipeline
    TaskPipeline* pipeline_ = nullptr;
    AtomicFile* file_ = nullptr;
    const cDocument* doc_ = nullptr;
    std::int32_t lastWidth_ = 0;  // of the last page written, for the page tree
    std::int32_t lastHeight_ = 0;
    std::int32_t pageHeight_ = 0;
    int dash_ = 0;  // the dash pattern in force in the page's content (a DrawStyleType)
    // The stroke width and colour in force; kUnknown at a page's start.
    static constexpr std::int64_t kUnknown = INT64_MIN;
    std::int64_t penWidth_ = kUnknown;
    std::int64_t penColor_ = kUnknown;
    struct PenState {
        int dash;
        std::int64_t width, color;
    };
    PenState penState() const { return {dash_, penWidth_, penColor_}; }
    void restore(const PenState& s) { dash_ = s.dash, penWidth_ = s.width, penColor_ = s.color; }
    std::string content_;
    std::string compressed_;
    std::vector<std::size_t> offsets_;  // index = object number
    std::vector<int> pageObjects_;
    std::vector<std::string> fonts_;
    struct {
        std::string name;
        bool bold = false, italic = false;
        int index = 0;  // 0: none yet
    } lastFont_;
    // Each picture once, however often it is placed: the index in images_ by identity.
    std::vector<Image> images_;
    std::unordered_map<const void*, std::size_t> imageIndex_;
    // Writes an image's soft mask (its alpha as grey levels); returns the object number.
    int writeSoftMask(const QImage& picture);
    std::size_t replaced_ = 0;
    std::unique_ptr<pdf::FontSubsets> subsets_;  // made by the first run that needs it
    std::vector<pdf::SubsetFont> subsetFonts_;   // filled at the end by finishSubsets
    std::string familyName_;                     // the font name knownFamily_ is for
    bool knownFamily_ = true;
};

}  // namespace kalder
