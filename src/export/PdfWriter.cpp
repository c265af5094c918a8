#include "export/PdfWriter.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/AtomicFile.h"
#include "core/Progress.h"
#include "core/TaskPipeline.h"
#include "core/TextMeasurer.h"
#include "core/Version.h"
#include "core/DrawTarget.h"
#include "document/RenderContext.h"
#include "document/cDocument.h"
#include "export/JpegWriter.h"
#include "export/PdfFonts.h"
#include "export/PdfNumbers.h"
#include "export/WinAnsi.h"
#include "kalder/AutomationError.h"

namespace kalder {

using pdf::appendFixed3;
using pdf::appendInt;
using pdf::appendTwips;

namespace {
constexpr int kInfo = 1, kCatalog = 2, kPages = 3, kEncoding = 4, kResources = 5;
constexpr double kKappa = 0.552;  // control-point distance of a quarter ellipse, as a share of the radius
constexpr std::size_t kContentReserve = 4096;

std::string ref(int object) { return std::to_string(object) + " 0 R"; }

std::string info(const cDocument& doc, const char* name) {
    for (const auto& [k, v] : doc.DocInfo)
        if (k == name) return v;
    return "";
}

// An information value as a PDF string: literal, in Windows-1252 with "(", ")" and "\"
// escaped, when it can be (so plain values keep their bytes); otherwise UTF-16 with a byte
// order mark, in hexadecimal, which every reader shows. Either way no value can end the
// string early or bring in a key of its own.
std::string pdfText(std::string_view utf8) {
    std::string single;
    if (appendWinAnsi(single, utf8) == 0) {
        std::string out = "(";
        for (const char c : single) {
            if (c == '(' || c == ')' || c == '\\') out += '\\';
            if (c == '\r') out += "\\r";
            else if (c == '\n') out += "\\n";
            else out += c;
        }
        return out + ")";
    }
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string out = "<FEFF";
    for (const QChar c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", c.unicode());
        out += hex;
    }
    return out + ">";
}

std::string pdfDate(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d%H%M%S", &tm);
    return buf;
}

std::time_t creationTime(const PdfOptions& o) {
    if (o.creationTime) return *o.creationTime;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        long long v = std::strtoll(epoch, &end, 10);
        if (end && *end == '\0' && v >= 0) return static_cast<std::time_t>(v);
    }
    return std::time(nullptr);
}
}  // namespace

struct PdfWriter::Image {
    Picture picture;
    int number = 0;
};

PdfWriter::PdfWriter(PdfOptions options) : options_(options), deflater_(options.compressionLevel) {}
PdfWriter::~PdfWriter() = default;

int PdfWriter::allocate() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size() - 1);
}

void PdfWriter::writeLine(std::string_view text) {
    file_->write(text);
    file_->write("\r\n", 2);
}

void PdfWriter::lines(std::initializer_list<std::string_view> text) {
    for (std::string_view t : text) writeLine(t);
}

void PdfWriter::beginObject(int number) {
    offsets_[static_cast<std::size_t>(number)] = file_->written();
    writeLine(std::to_string(number) + " 0 obj");
}

PdfResult PdfWriter::write(const cDocument& doc, const std::string& path) {
    if (path.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    if (doc.PagesCount() > kMaxPdfPages)
        throw AutomationError(err::SubscriptOutOfRange, "ExportPDF",
                              "More than " + std::to_string(kMaxPdfPages) + " pages cannot be written to one PDF file");
    AtomicFile file(path, "ExportPDF");
    file_ = &file;
    doc_ = &doc;
    offsets_.assign(1, 0);
    lastWidth_ = lastHeight_ = 0;
    lastFont_ = {};
    pageObjects_.clear();
    fonts_.clear();
    images_.clear();
    imageIndex_.clear();
    replaced_ = 0;
    subsets_.reset();
    subsetFonts_.clear();
    familyName_.clear();
    knownFamily_ = true;

    writeLine("%PDF-1.4 ");
    const std::string creator = info(doc, "Creator");
    beginObject(allocate());  // 1: information
    lines({"<<", "/Author " + pdfText(info(doc, "Author")), "/CreationDate (D:" + pdfDate(creationTime(options_)) + ")",
           "/Creator " + pdfText(creator.empty() ? std::string("Kalder") : creator),
           std::string("/Producer (Kalder " KALDER_VERSION_STRING ")"), "/Title " + pdfText(info(doc, "Title")),
           "/Subject " + pdfText(info(doc, "Subject")), "/Keywords " + pdfText(info(doc, "Keywords")), ">>", "endobj"});
    for (int i = 0; i < 4; ++i) allocate();  // catalog, page tree, encoding, resources
    beginObject(kEncoding);
    lines({"<<", "/Type /Encoding", "/BaseEncoding /WinAnsiEncoding", ">>", "endobj"});

    TaskPipeline pipeline;
    pipeline_ = &pipeline;
    const auto total = static_cast<std::int32_t>(doc.PagesCount());
    std::int32_t done = 0;
    for (const auto& page : doc.pages()) {
        writePage(*page);
        reportPage(++done, total);
    }
    pipeline.finish();
    pipeline_ = nullptr;
    writeImages();
    finishSubsets();
    writeResources();
    writeFonts();
    writeEmbeddedFonts();
    beginObject(kCatalog);
    // OpenType fonts with CFF outlines (FontFile3 /OpenType) came with PDF 1.6; the header
    // is written before the fonts are known, and the catalog's version overrides it.
    const bool openType = std::any_of(subsetFonts_.begin(), subsetFonts_.end(),
                                      [](const pdf::SubsetFont& f) { return f.cff && !f.file.empty(); });
    if (openType) lines({"<<", "/Type /Catalog", "/Version /1.6", "/Pages " + ref(kPages), ">>", "endobj"});
    else lines({"<<", "/Type /Catalog", "/Pages " + ref(kPages), ">>", "endobj"});
    writeTrailer();
    file.commit();

    PdfResult result;
    result.pages = static_cast<int>(pageObjects_.size());
    result.bytes = file.written();
    result.replacedCharacters = replaced_;
    file_ = nullptr;
    doc_ = nullptr;
    return result;
}

void PdfWriter::writePage(const cPage& page) {
    pageHeight_ = page.PageHeight();
    lastWidth_ = page.PageWidth();
    lastHeight_ = pageHeight_;
    std::string media = "/MediaBox [ 0 0 ";
    appendTwips(media, lastWidth_);
    media += ' ';
    appendTwips(media, lastHeight_);
    media += " ]";

    content_.clear();
    content_.reserve(kContentReserve);
    dash_ = vbSolid;
    penWidth_ = penColor_ = kUnknown;
    RenderContext ctx(*this, doc_);
    page.Preview(ctx);

    // The page's objects are written when its content comes back compressed; their numbers
    // are taken now, so the file is the same whichever thread finishes first.
    const int pageObject = allocate();
    const int contentObject = allocate();
    const int lengthObject = allocate();
    pageObjects_.push_back(pageObject);
    struct Stream {
        std::string content, compressed;
    };
    auto stream = std::make_shared<Stream>();
    stream->content = std::move(content_);
    const int level = options_.compressionLevel;
    pipeline_->submit(
        [stream, level] {
            Deflater::forThisThread(level).compress(stream->content, stream->compressed);
            stream->content = std::string();
        },
        [this, stream, pageObject, contentObject, lengthObject, media = std::move(media)] {
            const std::string& compressed = stream->compressed;
            beginObject(pageObject);
            lines({"<<", "/Type /Page", "/Parent " + ref(kPages), "/Resources " + ref(kResources),
                   "/Contents " + ref(contentObject), media, ">>", "endobj"});
            beginObject(contentObject);
            lines({"<<", "/Length " + ref(lengthObject), "/Filter /FlateDecode", ">>", "stream"});
            file_->write(compressed.data(), compressed.size());
            lines({"", "endstream", "endobj"});
            beginObject(lengthObject);
            lines({std::to_string(compressed.size()), "endobj"});
        });
}

void PdfWriter::writeImages() {
    for (Image& img : images_) {
        // A JPEG file goes in as it is (no second loss of quality, and no time spent); other
        // pictures are encoded, over white where they are transparent, with their alpha as a
        // soft mask.
        const QImage& picture = img.picture.image();
        JpegHeader header;
        const std::string& type = img.picture.type();
        const bool asRead = (type == "jpg" || type == "jpeg" || type == "jfif") &&
                            readJpegHeader(img.picture.bytes(), header);
        const bool alpha = !asRead && picture.hasAlphaChannel();
        std::string encoded;
        if (asRead) {
            encoded = img.picture.bytes();
        } else if (alpha) {
            QImage flat(picture.size(), QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter(&flat).drawImage(0, 0, picture);
            encoded = encodeJpeg(flat);
            header = {picture.width(), picture.height(), false};
        } else {
            encoded = encodeJpeg(picture);
            header = {picture.width(), picture.height(), false};
        }
        if (encoded.empty()) {
            img.picture = Picture();
            img.number = 0;  // left out: no object, no resource
            continue;
        }
        const int mask = alpha ? writeSoftMask(picture) : 0;
        img.picture = Picture();
        const int object = allocate();
        beginObject(object);
        writeLine("<< /Type /XObject /Subtype /Image /Name /im1 /Filter [ /DCTDecode ]");
        if (mask) writeLine("   /SMask " + ref(mask));
        writeLine("   /Width " + std::to_string(header.width) + " /Height " + std::to_string(header.height) +
                  " /BitsPerComponent 8 /ColorSpace " + (header.gray ? "/DeviceGray" : "/DeviceRGB") + " /Length " +
                  std::to_string(encoded.size()));
        lines({">>", "stream"});
        file_->write(encoded);
        lines({"", "endstream", "endobj"});
        img.number = object;  // from here on: the object number
    }
}

int PdfWriter::writeSoftMask(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::string alpha;
    alpha.reserve(static_cast<std::size_t>(argb.width()) * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) alpha += static_cast<char>(qAlpha(row[x]));
    }
    deflater_.compress(alpha, compressed_);
    const int object = allocate();
    beginObject(object);
    writeLine("<< /Type /XObject /Subtype /Image /Width " + std::to_string(argb.width()) + " /Height " +
              std::to_string(argb.height()) + " /BitsPerComponent 8 /ColorSpace /DeviceGray /Filter /FlateDecode" +
              " /Length " + std::to_string(compressed_.size()));
    lines({">>", "stream"});
    file_->write(compressed_.data(), compressed_.size());
    lines({"", "endstream", "endobj"});
    return object;
}

void PdfWriter::writeResources() {
    beginObject(kResources);
    writeLine("<<");
    writeLine("  /Font << ");
    // Font objects follow the resources; TrueType fonts take two numbers (font, descriptor).
    int next = static_cast<int>(offsets_.size());
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        writeLine("  /F" + std::to_string(i + 1) + " " + ref(next));
        next += pdf::trueTypeFont(fonts_[i]) ? 2 : 1;
    }
    // Embedded subsets after them, named apart so the base fonts' names stay as they were.
    for (std::size_t i = 0; i < subsetFonts_.size(); ++i) {
        writeLine("  /E" + std::to_string(i + 1) + " " + ref(next));
        next += subsetFonts_[i].file.empty() ? 4 : 5;
    }
    writeLine("  >>");
    bool anyImage = false;
    for (const Image& img : images_) anyImage = anyImage || img.number > 0;
    if (!anyImage) {
        writeLine("  /ProcSet [ /PDF /Text ]");
    } else {
        writeLine("  /ProcSet [ /PDF /Text /ImageC ]");
        writeLine("  /XObject <<");
        for (std::size_t i = 0; i < images_.size(); ++i)
            if (images_[i].number > 0) writeLine("  /im" + std::to_string(i + 1) + " " + ref(images_[i].number));
        writeLine("  >>");
    }
    lines({">>", "endobj"});
}

void PdfWriter::writeFonts() {
    for (const std::string& name : fonts_) {
        const pdf::TrueTypeFont* tt = pdf::trueTypeFont(name);
        const int object = allocate();
        beginObject(object);
        if (!tt) {
            lines({"<<", "/Type /Font", "/Subtype /Type1", "/Encoding " + ref(kEncoding), "/BaseFont /" + name, ">>",
                   "endobj"});
            continue;
        }
        lines({"<<", "/Type /Font", "/Subtype /TrueType", std::string("/BaseFont /") + tt->baseFont, "/FirstChar 0",
               "/LastChar 255", tt->macExpert ? "/Encoding /MacExpertEncoding" : "/Encoding /WinAnsiEncoding",
               "/FontDescriptor " + ref(object + 1), "/Widths ["});
        const auto widths = pdf::widthsOf(*tt);
        for (int row = 0; row < 16; ++row) {
            std::string l;
            for (int c = 0; c < 16; ++c) {
                if (c) l += ' ';
                appendInt(l, widths[static_cast<std::size_t>(row * 16 + c)]);
            }
            writeLine(l);
        }
        lines({"]", ">>", "endobj"});
        beginObject(allocate());
        lines({"<<", "/Type /FontDescriptor", std::string("/FontName /") + tt->fontName,
               std::string("/FontBBox [ ") + tt->bbox + " ]", "/Flags " + std::to_string(tt->flags),
               "/CapHeight " + std::to_string(tt->capHeight), "/Ascent " + std::to_string(tt->ascent),
               "/Descent " + std::to_string(tt->descent), "/StemV " + std::to_string(tt->stemV),
               "/ItalicAngle " + std::to_string(tt->italicAngle)});
        if (tt->xHeight) writeLine("/XHeight " + std::to_string(tt->xHeight));
        lines({">>", "endobj"});
    }
}

void PdfWriter::writeTrailer() {
    beginObject(kPages);
    std::string media = "/MediaBox [ 0 0 ";
    appendTwips(media, lastWidth_);
    media += ' ';
    appendTwips(media, lastHeight_);
    media += " ]";
    std::string kids = "/Kids [ ";
    for (int p : pageObjects_) kids += std::to_string(p) + " 0 R ";
    kids += "]";
    lines({"<<", "/Type /Pages", "/Count " + std::to_string(pageObjects_.size()), media, kids, ">>", "endobj"});

    const std::size_t xref = file_->written();
    const std::size_t count = offsets_.size();  // objects + the free entry
    writeLine("xref");
    writeLine("0 " + std::to_string(count));
    writeLine("0000000000 65535 f");
    char entry[24];
    for (std::size_t i = 1; i < count; ++i) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n", offsets_[i]);
        writeLine(entry);
    }
    lines({"trailer", "<<", "/Size " + std::to_string(count), "/Root " + ref(kCatalog), "/Info " + ref(kInfo), ">>",
           "startxref", std::to_string(xref), "%%EOF"});
}

// ---- The canvas: content primitives ----------------------------------------------------

const OutputRules& PdfWriter::rules() const {
    static const OutputRules pdf{FrameOrder::WholePageFirst, false, true, false};
    return pdf;
}

void PdfWriter::x(std::int64_t twips) { appendTwips(content_, twips); }
void PdfWriter::y(std::int64_t twips) { appendTwips(content_, pageHeight_ - twips); }
void PdfWriter::textMatrix(bool turned, double cosA, double sinA, double x, double y) {
    if (turned) {
        appendFixed3(content_, cosA), content_ += ' ';
        appendFixed3(content_, sinA), content_ += ' ';
        appendFixed3(content_, -sinA), content_ += ' ';
        appendFixed3(content_, cosA), content_ += ' ';
    } else {
        content_ += "1.000 0.000 0.000 1.000 ";
    }
    appendFixed3(content_, x / 20.0), content_ += ' ';
    appendFixed3(content_, (pageHeight_ - y) / 20.0);
    content_ += " Tm\r\n";
}

void PdfWriter::point(std::int64_t px, std::int64_t py) { x(px), content_ += ' ', y(py), content_ += ' '; }

void PdfWriter::color(std::int32_t c, bool stroke) {
    if (c > 0 || c < -255) {
        const auto u = static_cast<std::uint32_t>(c);
        appendFixed3(content_, (u & 0xFF) / 255.0);
        content_ += ' ';
        appendFixed3(content_, ((u >> 8) & 0xFF) / 255.0);
        content_ += ' ';
        appendFixed3(content_, ((u >> 16) & 0xFF) / 255.0);
        content_ += stroke ? " RG\r\n" : " rg\r\n";
    } else {
        // Black and the values just below it are a grey level; a negative level is black.
        appendFixed3(content_, 0.0);
        content_ += stroke ? " G\r\n" : " g\r\n";
    }
}

bool PdfWriter::pen(const cLineStyle& line) {
    if (line.LineType == vbInvisible) return false;
    // Width and colour are written when they change: a barcode strokes hundreds of bars with
    // one pen, and the repeated operators would only cost bytes and compression time.
    if (line.LineWidth != penWidth_) {
        appendTwips(content_, line.LineWidth);
        content_ += " w\r\n";
        penWidth_ = line.LineWidth;
    }
    // Dashes in units of the pen's width (at least a screen pixel), as the screen draws them.
    const int dash = line.LineType >= vbDash && line.LineType <= vbDashDotDot ? line.LineType : vbSolid;
    if (dash != dash_) {
        static constexpr const char* kPatterns[] = {"", "4 2", "1 2", "4 2 1 2", "4 2 1 2 1 2"};
        const std::int64_t unit = std::max(line.LineWidth, 15);
        content_ += '[';
        for (const char* p = kPatterns[dash]; *p;) {
            char* end = nullptr;
            appendTwips(content_, std::strtol(p, &end, 10) * unit);
            p = end;
            if (*p == ' ') content_ += *p++;
        }
        content_ += "] 0 d\r\n";
        dash_ = dash;
    }
    if (line.Color != penColor_) {
        color(line.Color, true);
        penColor_ = line.Color;
    }
    return true;
}

void PdfWriter::rectanglePath(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const std::int32_t left = std::min(x1, x2), bottom = std::max(y1, y2);
    point(left, bottom);
    appendTwips(content_, std::abs(static_cast<std::int64_t>(x2) - x1));
    content_ += ' ';
    appendTwips(content_, std::abs(static_cast<std::int64_t>(y2) - y1));
    content_ += " re";
}

void PdfWriter::ellipsePath(std::int64_t cx, std::int64_t cy, std::int64_t rx, std::int64_t ry) {
    // In 64 bits: a centre and a radius each anywhere in 32 bits may sum beyond them.
    const auto kx = std::llround(static_cast<double>(rx) * kKappa);
    const auto ky = std::llround(static_cast<double>(ry) * kKappa);
    point(cx + rx, cy), content_ += "m\r\n";
    point(cx + rx, cy - ky), point(cx + kx, cy - ry), point(cx, cy - ry), content_ += "c\r\n";
    point(cx - kx, cy - ry), point(cx - rx, cy - ky), point(cx - rx, cy), content_ += "c\r\n";
    point(cx - rx, cy + ky), point(cx - kx, cy + ry), point(cx, cy + ry), content_ += "c\r\n";
    point(cx + kx, cy + ry), point(cx + rx, cy + ky), point(cx + rx, cy), content_ += "c";
}

void PdfWriter::hatch(const Fill& fill, std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom) {
    // The spacing and width of the screen's hatch brushes: 8 and 1 pixels at 96 dots per inch.
    constexpr std::int64_t kStep = 120, kWidth = 15;
    const PenState before = penState();  // the Q below restores it
    content_ += " W n\r\n";
    appendTwips(content_, kWidth);
    content_ += " w\r\n";
    if (dash_ != vbSolid) content_ += "[] 0 d\r\n", dash_ = vbSolid;
    color(fill.color, true);
    const bool across = fill.pattern == vbHorizontalLine || fill.pattern == vbCross;
    const bool down = fill.pattern == vbVerticalLine || fill.pattern == vbCross;
    const bool rising = fill.pattern == vbUpwardDiagonal || fill.pattern == vbDiagonalCross;
    const bool falling = fill.pattern == vbDownwardDiagonal || fill.pattern == vbDiagonalCross;
    auto segment = [&](std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) {
        point(static_cast<std::int32_t>(ax), static_cast<std::int32_t>(ay)), content_ += "m ";
        point(static_cast<std::int32_t>(bx), static_cast<std::int32_t>(by)), content_ += "l\r\n";
    };
    // Only the page shows: the box is cut to the page (and a step around it) by whole steps,
    // so the lines keep their places. A box far larger than the page, a circle with a radius
    // of a billion twips, would otherwise take billions of lines.
    auto towards = [](std::int64_t edge, std::int64_t limit) { return edge + (limit - edge) / kStep * kStep; };
    const std::int64_t x0 = left < -kStep ? towards(left, -kStep) : left;
    const std::int64_t y0 = top < -kStep ? towards(top, -kStep) : top;
    const std::int64_t x1 = right > lastWidth_ + kStep ? towards(right, lastWidth_ + kStep) : right;
    const std::int64_t y1 = bottom > pageHeight_ + kStep ? towards(bottom, pageHeight_ + kStep) : bottom;
    const std::int64_t h = y1 - y0;
    if (across)
        for (std::int64_t v = y0 - y0 % kStep; v <= y1; v += kStep) segment(x0, v, x1, v);
    if (down)
        for (std::int64_t v = x0 - x0 % kStep; v <= x1; v += kStep) segment(v, y0, v, y1);
    // Diagonals at 45 degrees, one every kStep along the top edge, starting far enough left
    // (or right) to cover the box.
    if (rising)
        for (std::int64_t v = x0 - x0 % kStep; v <= x1 + h; v += kStep) segment(v, y0, v - h, y1);
    if (falling)
        for (std::int64_t v = x0 - h - (x0 - h) % kStep; v <= x1; v += kStep) segment(v, y0, v + h, y1);
    content_ += "S\r\nQ\r\n";
    restore(before);
}

void PdfWriter::paint(const Fill& fill, bool stroked, const char* fillStroke, const char* fillOnly,
                      const char* strokeOnly) {
    const bool solid = fill.kind == Fill::Solid;
    if (solid && stroked)
        content_ += fillStroke;
    else if (solid)
        content_ += fillOnly;
    else if (stroked)
        content_ += strokeOnly;
    else
        content_ += "n";
    content_ += "\r\n";
}

void PdfWriter::PutLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    if (!pen(style.LineStyle)) return;
    point(x1, y1), content_ += "m\r\n";
    x(x2), content_ += ' ', y(y2), content_ += " l S\r\n";
}

void PdfWriter::PutBox(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    if (!pen(style.LineStyle)) return;
    rectanglePath(x1, y1, x2, y2);
    content_ += " S\r\n";
}

void PdfWriter::PutBoxFill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                           const cLineStyle& line, const cStyle& style) {
    const Fill fill = fillOf(style);
    if (fill.kind == Fill::Hatch) {
        content_ += "q\r\n";
        rectanglePath(x1, y1, x2, y2);
        hatch(fill, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    }
    const bool stroked = pen(line);
    if (fill.kind == Fill::Solid) color(fill.color, false);
    rectanglePath(x1, y1, x2, y2);
    content_ += ' ';
    paint(fill, stroked, "B", "f", "S");
}

void PdfWriter::PutRoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                             const cStyle& style) {
    const Fill fill = fillOf(style, false);
    const std::int32_t l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    // `radius` is the width of the ellipse that rounds a corner, as device round rectangles
    // take it: the corner's own radius is half of it.
    // The sides in 64 bits: corners far apart may be more than 32 bits apart. The radius is then
    // at most half of each side, so the points below stay between the corners.
    radius = static_cast<std::int32_t>(std::max<std::int64_t>(
            0, std::min({std::int64_t{radius / 2}, (std::int64_t{r} - l) / 2, (std::int64_t{b} - t) / 2})));
    const auto k = static_cast<std::int32_t>(std::lround(radius * (1 - kKappa)));
    const bool stroked = pen(style.LineStyle);
    if (fill.kind == Fill::Solid) color(fill.color, false);
    point(l + radius, t), content_ += "m\r\n";
    point(r - radius, t), content_ += "l\r\n";
    point(r - k, t), point(r, t + k), point(r, t + radius), content_ += "c\r\n";
    point(r, b - radius), content_ += "l\r\n";
    point(r, b - k), point(r - k, b), point(r - radius, b), content_ += "c\r\n";
    point(l + radius, b), content_ += "l\r\n";
    point(l + k, b), point(l, b - k), point(l, b - radius), content_ += "c\r\n";
    point(l, t + radius), content_ += "l\r\n";
    point(l, t + k), point(l + k, t), point(l + radius, t), content_ += "c\r\nh\r\n";
    paint(fill, stroked, "B", "f", "S");
}

void PdfWriter::PutPoint(std::int32_t px, std::int32_t py, const cStyle& style) {
    // A point is the size of a pixel of a 144-dpi screen, at the point and in the text
    // colour, as the screen sets one pixel there.
    constexpr std::int32_t kDot = 10;
    color(style.ForeColor, false);
    rectanglePath(px, py, static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{px} + kDot, INT32_MAX)),
                  static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{py} + kDot, INT32_MAX)));
    content_ += " f\r\n";
}

void PdfWriter::PutCircle(std::int32_t cx, std::int32_t cy, float radius, float, float, float aspect,
                          const cStyle& style) {
    // The file has one figure for circles, ellipses and arcs: the whole ellipse of the two
    // radii, the larger one being `radius` as on the screen. An arc prints as its ellipse.
    const auto [rx, ry] = halfAxesOf(radius, aspect);
    // Radii within 32 bits; the corners of the box around the ellipse may lie beyond them, so
    // they are worked out in 64 bits and the hatch, drawn over the page only, takes them clamped.
    constexpr double kLargest = INT32_MAX;
    const auto irx = static_cast<std::int64_t>(std::llround(std::clamp(static_cast<double>(rx), -kLargest, kLargest)));
    const auto iry = static_cast<std::int64_t>(std::llround(std::clamp(static_cast<double>(ry), -kLargest, kLargest)));
    const auto clamped = [](std::int64_t v) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
    const Fill fill = fillOf(style);
    const PenState before = penState();  // the Q below restores it
    content_ += "q\r\n";
    if (fill.kind == Fill::Hatch) {
        content_ += "q\r\n";
        ellipsePath(cx, cy, irx, iry);
        hatch(fill, clamped(cx - irx), clamped(cy - iry), clamped(cx + irx), clamped(cy + iry));
    }
    const bool stroked = pen(style.LineStyle);
    if (fill.kind == Fill::Solid) color(fill.color, false);
    ellipsePath(cx, cy, irx, iry);
    content_ += "\r\n";
    paint(fill, stroked, "b", "f", "s");
    content_ += "Q\r\n";
    restore(before);
}

void PdfWriter::PutPolygon(const std::vector<POLYVERT>& v, const cStyle& style) {
    if (v.empty()) return;
    const Fill fill = fillOf(style, false);
    const bool stroked = pen(style.LineStyle);
    if (fill.kind == Fill::Solid) color(fill.color, false);
    x(v[0].X), content_ += ' ', y(v[0].Y), content_ += " m\r\n";
    for (std::size_t i = 1; i < v.size(); ++i) {
        x(v[i].X), content_ += ' ', y(v[i].Y);
        content_ += i + 1 == v.size() ? " l " : " l\r\n";
    }
    paint(fill, stroked, "B", "f", "s");
}

void PdfWriter::PutPicture(const Picture& picture, std::int32_t px, std::int32_t py, std::int32_t width,
                           std::int32_t height, const cStyle&) {
    image(picture, px, py, width, height);
}

void PdfWriter::PutText(const std::string& text, std::int32_t px, std::int32_t py, const cStyle& style) {
    textRun(text, px, py, style, 0);
}

void PdfWriter::PutRotatedText(const std::string& text, std::int32_t px, std::int32_t py, const cStyle& style) {
    textRun(text, px, py, style, style.TextRotation);
}

bool PdfWriter::needsGlyphs(std::string_view text, const cStyle& style) {
    if (options_.embedFonts) return true;
    if (style.FontName != familyName_) familyName_ = style.FontName, knownFamily_ = pdf::knownFamily(familyName_);
    return !knownFamily_ || !winAnsiCovers(text);
}

int PdfWriter::fontIndex(const cStyle& style) {
    // Runs come in long stretches of one font; the base font is worked out again only when
    // the name or the emphasis changes.
    if (lastFont_.index > 0 && lastFont_.name == style.FontName && lastFont_.bold == style.Bold &&
        lastFont_.italic == style.Italic)
        return lastFont_.index;
    const std::string baseFont = pdf::baseFontName(style);
    int index = 0;
    for (std::size_t i = 0; i < fonts_.size() && !index; ++i)
        if (fonts_[i] == baseFont) index = static_cast<int>(i + 1);
    if (!index) {
        fonts_.push_back(baseFont);
        index = static_cast<int>(fonts_.size());
    }
    lastFont_ = {style.FontName, style.Bold, style.Italic, index};
    return index;
}

void PdfWriter::textRun(std::string_view text, std::int32_t left, std::int32_t top, const cStyle& style,
                        std::int32_t rotation) {
    const FontMetricsTwips m = TextMeasurer::metrics(style);
    const double ascent = m.ascent;
    const double size = style.FontSize / 20.0;
    const double angle = rotation * 3.14159264 / 180.0;
    const double cosA = rotation ? std::cos(angle) : 1.0;
    const double sinA = rotation ? std::sin(angle) : 0.0;
    // The baseline lies the ascent below the run's top; a turned run turns about its top-left
    // corner, so the baseline origin moves along the turned vertical.
    const double baseX = left + ascent * sinA;
    const double baseY = top + ascent * cosA;

    if (!needsGlyphs(text, style) || !glyphText(text, baseX, baseY, cosA, sinA, style)) {
        content_ += "BT\r\n";
        color(style.ForeColor, false);
        content_ += "/F";
        appendInt(content_, fontIndex(style));
        content_ += ' ';
        appendFixed3(content_, size);
        content_ += " Tf\r\n";
        textMatrix(rotation != 0, cosA, sinA, baseX, baseY);
        content_ += '(';
        // Encoded straight into the content, then escaped in place: "\", "(" and ")" take a
        // backslash, CR and LF their escapes.
        const std::size_t start = content_.size();
        replaced_ += appendWinAnsi(content_, text);
        const auto special = [](char c) { return c == '\\' || c == '(' || c == ')' || c == '\r' || c == '\n'; };
        if (std::any_of(content_.begin() + static_cast<std::ptrdiff_t>(start), content_.end(), special)) {
            std::string escaped;
            escaped.reserve(content_.size() - start + 8);
            for (std::size_t i = start; i < content_.size(); ++i) {
                const char c = content_[i];
                if (c == '\r') escaped += "\\r";
                else if (c == '\n') escaped += "\\n";
                else {
                    if (c == '\\' || c == '(' || c == ')') escaped += '\\';
                    escaped += c;
                }
            }
            content_.resize(start);
            content_ += escaped;
        }
        content_ += ") Tj\r\nET\r\n";
    }

    if (style.Underline || style.Strikethru) {
        const double width = TextMeasurer::width(style, text);
        cStyle rule = style;
        rule.LineStyle.LineType = vbSolid;
        rule.LineStyle.Color = style.ForeColor;
        rule.LineStyle.LineWidth = std::max(1, static_cast<std::int32_t>(std::lround(style.FontSize * 0.06)));
        auto along = [&](double below) {
            // A line along the run, `below` twips under the baseline (negative: above it).
            const double sx = baseX - below * sinA, sy = baseY + below * cosA;
            PutLine(static_cast<std::int32_t>(std::lround(sx)), static_cast<std::int32_t>(std::lround(sy)),
                    static_cast<std::int32_t>(std::lround(sx + width * cosA)),
                    static_cast<std::int32_t>(std::lround(sy - width * sinA)), rule);
        };
        if (style.Underline) along(style.FontSize * 0.1);
        if (style.Strikethru) along(-style.FontSize * 0.28);
    }
}

void PdfWriter::image(const Picture& picture, std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) {
    // A picture of no area shows nothing; its matrix would be singular, which readers reject.
    if (picture.isNull() || std::lround(width / 20.0) == 0 || std::lround(height / 20.0) == 0) return;
    auto [it, added] = imageIndex_.try_emplace(picture.identity(), images_.size());
    if (added) images_.push_back({picture, 0});
    content_ += "q ";
    appendInt(content_, std::lround(width / 20.0));
    content_ += " 0 0 ";
    appendInt(content_, std::lround(height / 20.0));
    content_ += ' ';
    x(left);
    content_ += ' ';
    y(top + height);
    content_ += " cm /im";
    appendInt(content_, static_cast<std::int64_t>(it->second + 1));
    content_ += " Do Q\r\n";
}

}  // namespace kalder
