// RtfWriter: writes a whole document as one RTF file. While a page is written it is the canvas
// the page's elements draw on, through the same drawing routine as every other output; each
// primitive becomes a drawing shape placed absolutely on the page (RtfShapes.cpp, and
// RtfPictures.cpp for pictures).
//
// The file: "{\rtf", the font table (the fonts of the text in order of first use, numbered
// from 1), the colour table (an empty automatic entry, then the text colours in order of first
// use), "\ansi\ftnbj\sectd", then each page as a section of its own size ("\pgwsxn",
// "\pghsxn", sections separated by "\sect") holding its shapes, and "}". Every line ends with
// CR LF. The tables are only known once the body is written, so the body goes to an unnamed
// temporary file first and is copied after them. The file is written beside the target and
// renamed when complete, so a failed export leaves any previous file as it was.
//
// One writer per export: two exports may run at once on two documents in two threads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Canvas.h"

namespace kalder {

class AtomicFile;
class cDocument;
class cPage;

struct RtfResult {
    int pages = 0;
    int shapes = 0;
    std::size_t bytes = 0;
};

class RtfWriter final : public Canvas {
public:
    RtfWriter();
    ~RtfWriter() override;
    RtfWriter(const RtfWriter&) = delete;
    RtfWriter& operator=(const RtfWriter&) = delete;

    // Writes `doc` to `path`. Errors: -69 "The filename is missing" for an empty path; 75 with
    // the source "ExportRTF" when the file (or the temporary body) cannot be written.
    RtfResult write(const cDocument& doc, const std::string& path);

    // How an RTF file differs from the surfaces: as a PDF (frames "WholePage" and "watermark"
    // first, references left out, paragraphs laid out again, spaces left as gaps, since each
    // run is a shape of its own). Text runs are text boxes, turned text a metafile picture
    // (WordArt beyond Windows-1252); figures are the line, rectangle, ellipse, rounded rectangle and
    // freeform shapes; circles, ellipses and arcs alike are the whole ellipse of their radii,
    // as in a PDF; hatched fills are left unfilled (the file's pattern fills need a bitmap).
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
    void writePage(const cDocument& doc, const cPage& page);
    // Moves the body written so far to the temporary file.
    void spill();
    void writeTables(AtomicFile& file);

    // Shape writing (into the body): the opening common to every shape, its property lines,
    // and its closing.
    void openShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    void property(std::string_view name, std::int64_t value);
    void textProperty(std::string_view name, std::string_view utf8);
    void closeShape();
    // A picture shape (type 75) over the box holding `group`, a "\\pict" group.
    void pictureShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                      std::string_view group);
    // The pen of `line`: lineColor and lineWidth, or no line for an invisible pen.
    void pen(const cLineStyle& line);
    // The fill of a figure: fillColor for a solid fill, else fFilled 0.
    void fill(const Fill& fill);

    // 1-based indexes in the tables, appended on first use.
    int fontIndex(const std::string& name);
    int colorIndex(std::int32_t color);

    // The width a text box is given for a run.
    double runWidth(const cStyle& style, std::string_view text);

    struct Advances {
        std::string name;
        float size;
        bool bold, italic;
        double width[128];  // of each ASCII character
    };
    std::list<Advances> advances_;  // a list: lastAdvances_ points into it
    const Advances* lastAdvances_ = nullptr;

    std::string body_;
    std::FILE* spill_ = nullptr;
    std::vector<std::string> fonts_;
    std::vector<std::int32_t> colors_;
    std::int64_t shapeNumber_ = 0;
    std::int32_t pageWidth_ = 0;  // of the page being written
    int shapes_ = 0;
    // Each picture's "\pict" group, made once however often it is placed, by identity.
    std::unordered_map<const void*, std::pair<Picture, std::string>> pictures_;
};

// The "\\pict" group of picture bytes: "{\\pict", `controls` (the kind, e.g. "\\pngblip"),
// then the bytes as upper-case hexadecimal digits in lines, and "}".
std::string pictGroup(std::string_view controls, std::string_view bytes);

// The RGB value an RTF file stores for a colour: black for the grey levels just below 0.
std::int32_t rtfColor(std::int32_t color);

}  // namespace kalder
