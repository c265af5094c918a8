// PdfWriter: writes a whole document as one PDF 1.4 file, and is the PdfExport the element
// kinds draw through while their page is written.
//
// The file: "%PDF-1.4 ", the information object (1), four reserved objects (catalog 2, page
// tree 3, encoding 4, resources 5), then per page a page object, its content stream (zlib,
// one reused deflate stream) and the stream's length object, then image objects, the
// resources, the fonts, the catalog, the page tree, the cross-reference table (20-byte
// entries) and the trailer. Every line ends with CR LF. The file is written beside the target
// and renamed when complete, so a failed export leaves any previous file as it was.
//
// One writer per export: two exports may run at once on two documents in two threads.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "document/PdfExport.h"
#include "export/Deflater.h"

namespace kalder {

class AtomicFile;
class cFrame;

// Pages one PDF file may hold: the page table of the writer is this long.
constexpr int kMaxPdfPages = 5000;

struct PdfOptions {
    // The creation date; when empty: SOURCE_DATE_EPOCH when set (reproducible output), else now.
    std::optional<std::time_t> creationTime;
    int compressionLevel = -1;  // zlib level; -1 is zlib's default (6)
};

struct PdfResult {
    int pages = 0;
    std::size_t bytes = 0;
    // Characters the single-byte text encoding does not have, written as "?".
    std::size_t replacedCharacters = 0;
};

class PdfWriter final : public PdfExport {
public:
    explicit PdfWriter(PdfOptions options = {});
    ~PdfWriter() override;

    // Writes `doc` to `path`. Errors: -69 "The filename is missing" for an empty path; 9
    // "ExportPDF" beyond kMaxPdfPages pages; 75 when the file cannot be written.
    PdfResult write(const cDocument& doc, const std::string& path);

    void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) override;
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style,
                   bool filled) override;
    void ellipse(std::int32_t cx, std::int32_t cy, std::int32_t rx, std::int32_t ry, const cStyle& style,
                 bool filled) override;
    void roundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                   const cStyle& style, bool filled) override;
    void polygon(const std::vector<POLYVERT>& vertices, const cStyle& style) override;
    void textRun(std::string_view text, std::int32_t x, std::int32_t top, const cStyle& style) override;
    void image(const QImage& picture, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height) override;
    const cDocument& document() const override { return *doc_; }
    const cPage& page() const override { return *page_; }

private:
    struct Image;

    int allocate();
    void beginObject(int number);
    void lines(std::initializer_list<std::string_view> text);
    void writeLine(std::string_view text);
    void writePage(const cPage& page);
    void exportFrame(cFrame& frame);
    void writeImages();
    void writeResources();
    void writeFonts();
    void writeTrailer();

    // Content helpers (into the current page's stream).
    void x(std::int32_t twips);
    void y(std::int32_t twips);
    void lineWidth(const cStyle& style);
    void color(std::int32_t c, bool stroke);
    int fontIndex(const std::string& baseFont);

    PdfOptions options_;
    Deflater deflater_;
    AtomicFile* file_ = nullptr;
    const cDocument* doc_ = nullptr;
    const cPage* page_ = nullptr;
    std::int32_t pageHeight_ = 0;
    std::string content_;
    std::string compressed_;
    std::vector<std::size_t> offsets_;  // index = object number
    std::vector<int> pageObjects_;
    std::vector<std::string> fonts_;
    std::vector<Image> images_;
    std::size_t replaced_ = 0;
};

}  // namespace kalder
