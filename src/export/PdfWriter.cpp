#include "export/PdfWriter.h"

#include <QImage>
#include <cmath>
#include <cstdlib>

#include "core/AtomicFile.h"
#include "core/TextMeasurer.h"
#include "core/Version.h"
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
    QImage picture;
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
    pageObjects_.clear();
    fonts_.clear();
    images_.clear();
    replaced_ = 0;

    writeLine("%PDF-1.4 ");
    const std::string creator = info(doc, "Creator");
    beginObject(allocate());  // 1: information
    lines({"<<", "/Author (" + info(doc, "Author") + ")", "/CreationDate (D:" + pdfDate(creationTime(options_)) + ")",
           "/Creator (" + (creator.empty() ? std::string("Kalder") : creator) + ")",
           std::string("/Producer (Kalder " KALDER_VERSION_STRING ")"), "/Title (" + info(doc, "Title") + ")",
           "/Subject (" + info(doc, "Subject") + ")", "/Keywords (" + info(doc, "Keywords") + ")", ">>", "endobj"});
    for (int i = 0; i < 4; ++i) allocate();  // catalog, page tree, encoding, resources
    beginObject(kEncoding);
    lines({"<<", "/Type /Encoding", "/BaseEncoding /WinAnsiEncoding", ">>", "endobj"});

    content_.reserve(kContentReserve);
    for (const auto& page : doc.pages()) writePage(*page);
    writeImages();
    writeResources();
    writeFonts();
    beginObject(kCatalog);
    lines({"<<", "/Type /Catalog", "/Pages " + ref(kPages), ">>", "endobj"});
    writeTrailer();
    file.commit();

    PdfResult result;
    result.pages = static_cast<int>(pageObjects_.size());
    result.bytes = file.written();
    result.replacedCharacters = replaced_;
    file_ = nullptr;
    doc_ = nullptr;
    page_ = nullptr;
    return result;
}

void PdfWriter::writePage(const cPage& page) {
    page_ = &page;
    pageHeight_ = page.PageHeight();
    std::string media = "/MediaBox [ 0 0 ";
    appendTwips(media, page.PageWidth());
    media += ' ';
    appendTwips(media, page.PageHeight());
    media += " ]";

    const int pageObject = allocate();
    beginObject(pageObject);
    lines({"<<", "/Type /Page", "/Parent " + ref(kPages), "/Resources " + ref(kResources),
           "/Contents " + ref(pageObject + 1), media, ">>", "endobj"});
    pageObjects_.push_back(pageObject);

    const int contentObject = allocate();
    beginObject(contentObject);
    lines({"<<", "/Length " + ref(contentObject + 1), "/Filter /FlateDecode", ">>", "stream"});

    content_.clear();
    // "Wholepage" first, then "watermark", then the others in their order.
    auto& frames = const_cast<cPage&>(page).Frames();
    auto wholePage = frames.Item("WholePage");
    auto watermark = frames.Item("watermark");
    if (wholePage) exportFrame(*wholePage);
    if (watermark) exportFrame(*watermark);
    for (const auto& f : frames)
        if (f != wholePage && f != watermark) exportFrame(*f);

    deflater_.compress(content_, compressed_);
    file_->write(compressed_.data(), compressed_.size());
    lines({"", "endstream", "endobj"});
    beginObject(allocate());
    lines({std::to_string(compressed_.size()), "endobj"});
}

void PdfWriter::exportFrame(cFrame& frame) {
    frame.CurrentStyle = frame.Style;
    for (const ElementPtr& e : frame.Elements()) {
        frame.CurrentStyle.Orientation = frame.Style.Orientation;
        try {
            e->ExportPDF(frame, *this);
        } catch (const std::exception&) {
            // An element that cannot be written is left out; the page goes on.
        }
    }
    if (frame.ShowBorder) {
        // The border the preview shows is printed too.
        cStyle border = frame.CurrentStyle;
        border.LineStyle = frame.Border;
        rectangle(frame.xPos, frame.yPos, frame.xPos + frame.Width, frame.yPos + frame.Height, border, false);
    }
}

void PdfWriter::writeImages() {
    for (Image& img : images_) {
        const std::string jpeg = encodeJpeg(img.picture);
        const int width = img.picture.width(), height = img.picture.height();
        img.picture = QImage();
        if (jpeg.empty()) {
            img.number = -img.number;  // left out: no object, no resource
            continue;
        }
        const int object = allocate();
        beginObject(object);
        writeLine("<< /Type /XObject /Subtype /Image /Name /im1 /Filter [ /DCTDecode ]");
        writeLine("   /Width " + std::to_string(width) + " /Height " + std::to_string(height) +
                  " /BitsPerComponent 8 /ColorSpace /DeviceRGB /Length " + std::to_string(jpeg.size()));
        lines({">>", "stream"});
        file_->write(jpeg);
        lines({"", "endstream", "endobj"});
        img.number = object;  // from here on: the object number
    }
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
    appendTwips(media, page_ ? page_->PageWidth() : 0);
    media += ' ';
    appendTwips(media, page_ ? page_->PageHeight() : 0);
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

// ---- Content primitives -------------------------------------------------------------------

void PdfWriter::x(std::int32_t twips) { appendTwips(content_, twips); }
void PdfWriter::y(std::int32_t twips) { appendTwips(content_, static_cast<std::int64_t>(pageHeight_) - twips); }

void PdfWriter::lineWidth(const cStyle& style) {
    appendTwips(content_, style.LineStyle.LineWidth);
    content_ += " w\r\n";
}

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

void PdfWriter::line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style) {
    lineWidth(style);
    color(style.LineStyle.Color, true);
    x(x1), content_ += ' ', y(y1), content_ += " m\r\n";
    x(x2), content_ += ' ', y(y2), content_ += " l S\r\n";
}

void PdfWriter::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const cStyle& style,
                          bool filled) {
    lineWidth(style);
    color(style.LineStyle.Color, true);
    if (filled) color(style.FillColor, false);
    const std::int32_t left = std::min(x1, x2), bottom = std::max(y1, y2);
    x(left), content_ += ' ', y(bottom), content_ += ' ';
    appendTwips(content_, std::abs(static_cast<std::int64_t>(x2) - x1));
    content_ += ' ';
    appendTwips(content_, std::abs(static_cast<std::int64_t>(y2) - y1));
    content_ += filled ? " re B\r\n" : " re S\r\n";
}

void PdfWriter::ellipse(std::int32_t cx, std::int32_t cy, std::int32_t rx, std::int32_t ry, const cStyle& style,
                        bool filled) {
    const auto kx = static_cast<std::int32_t>(std::lround(rx * kKappa));
    const auto ky = static_cast<std::int32_t>(std::lround(ry * kKappa));
    auto pt = [&](std::int32_t px, std::int32_t py) { x(px), content_ += ' ', y(py), content_ += ' '; };
    content_ += "q\r\n";
    lineWidth(style);
    color(style.LineStyle.Color, true);
    color(style.FillColor, false);
    pt(cx + rx, cy), content_ += "m\r\n";
    pt(cx + rx, cy - ky), pt(cx + kx, cy - ry), pt(cx, cy - ry), content_ += "c\r\n";
    pt(cx - kx, cy - ry), pt(cx - rx, cy - ky), pt(cx - rx, cy), content_ += "c\r\n";
    pt(cx - rx, cy + ky), pt(cx - kx, cy + ry), pt(cx, cy + ry), content_ += "c\r\n";
    pt(cx + kx, cy + ry), pt(cx + rx, cy + ky), pt(cx + rx, cy), content_ += "c\r\n";
    content_ += filled ? "b\r\nQ\r\n" : "s\r\nQ\r\n";
}

void PdfWriter::roundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t radius,
                          const cStyle& style, bool filled) {
    const std::int32_t l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    radius = std::max(0, std::min({radius, (r - l) / 2, (b - t) / 2}));
    const auto k = static_cast<std::int32_t>(std::lround(radius * (1 - kKappa)));
    auto pt = [&](std::int32_t px, std::int32_t py) { x(px), content_ += ' ', y(py), content_ += ' '; };
    lineWidth(style);
    color(style.LineStyle.Color, true);
    if (filled) color(style.FillColor, false);
    pt(l + radius, t), content_ += "m\r\n";
    pt(r - radius, t), content_ += "l\r\n";
    pt(r - k, t), pt(r, t + k), pt(r, t + radius), content_ += "c\r\n";
    pt(r, b - radius), content_ += "l\r\n";
    pt(r, b - k), pt(r - k, b), pt(r - radius, b), content_ += "c\r\n";
    pt(l + radius, b), content_ += "l\r\n";
    pt(l + k, b), pt(l, b - k), pt(l, b - radius), content_ += "c\r\n";
    pt(l, t + radius), content_ += "l\r\n";
    pt(l, t + k), pt(l + k, t), pt(l + radius, t), content_ += "c\r\n";
    content_ += filled ? "h\r\nB\r\n" : "h\r\nS\r\n";
}

void PdfWriter::polygon(const std::vector<POLYVERT>& v, const cStyle& style) {
    if (v.empty()) return;
    lineWidth(style);
    color(style.LineStyle.Color, true);
    color(style.FillColor, false);
    x(v[0].X), content_ += ' ', y(v[0].Y), content_ += " m\r\n";
    for (std::size_t i = 1; i < v.size(); ++i) {
        x(v[i].X), content_ += ' ', y(v[i].Y);
        content_ += i + 1 == v.size() ? " l B\r\n" : " l\r\n";
    }
    if (v.size() == 1) content_ += "B\r\n";
}

int PdfWriter::fontIndex(const std::string& baseFont) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i] == baseFont) return static_cast<int>(i + 1);
    fonts_.push_back(baseFont);
    return static_cast<int>(fonts_.size());
}

void PdfWriter::textRun(std::string_view text, std::int32_t left, std::int32_t top, const cStyle& style) {
    std::string encoded;
    encoded.reserve(text.size());
    replaced_ += appendWinAnsi(encoded, text);
    const FontMetricsTwips m = TextMeasurer::metrics(style);
    const double ascent = m.ascent;
    const double size = style.FontSize / 20.0;
    const double angle = style.TextRotation * 3.14159264 / 180.0;
    const double cosA = style.TextRotation ? std::cos(angle) : 1.0;
    const double sinA = style.TextRotation ? std::sin(angle) : 0.0;
    // The baseline lies the ascent below the run's top; a turned run turns about its top-left
    // corner, so the baseline origin moves along the turned vertical.
    const double baseX = left + ascent * sinA;
    const double baseY = top + ascent * cosA;

    content_ += "BT\r\n";
    color(style.ForeColor, false);
    content_ += "/F";
    appendInt(content_, fontIndex(pdf::baseFontName(style)));
    content_ += ' ';
    appendFixed3(content_, size);
    content_ += " Tf\r\n";
    appendFixed3(content_, cosA), content_ += ' ';
    appendFixed3(content_, sinA), content_ += ' ';
    appendFixed3(content_, -sinA), content_ += ' ';
    appendFixed3(content_, cosA), content_ += ' ';
    appendFixed3(content_, baseX / 20.0), content_ += ' ';
    appendFixed3(content_, (pageHeight_ - baseY) / 20.0);
    content_ += " Tm\r\n(";
    for (char c : encoded) {
        if (c == '\\' || c == '(' || c == ')') content_ += '\\';
        if (c == '\r') {
            content_ += "\\r";
            continue;
        }
        if (c == '\n') {
            content_ += "\\n";
            continue;
        }
        content_ += c;
    }
    content_ += ") Tj\r\nET\r\n";

    if (style.Underline || style.Strikethru) {
        const double width = TextMeasurer::width(style, text);
        cStyle pen = style;
        pen.LineStyle.Color = style.ForeColor;
        pen.LineStyle.LineWidth = std::max(1, static_cast<std::int32_t>(std::lround(style.FontSize * 0.06)));
        auto rule = [&](double below) {
            // A line along the run, `below` twips under the baseline (negative: above it).
            const double sx = baseX - below * sinA, sy = baseY + below * cosA;
            line(static_cast<std::int32_t>(std::lround(sx)), static_cast<std::int32_t>(std::lround(sy)),
                 static_cast<std::int32_t>(std::lround(sx + width * cosA)),
                 static_cast<std::int32_t>(std::lround(sy - width * sinA)), pen);
        };
        if (style.Underline) rule(style.FontSize * 0.1);
        if (style.Strikethru) rule(-style.FontSize * 0.28);
    }
}

void PdfWriter::image(const QImage& picture, std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height) {
    images_.push_back({picture, static_cast<int>(images_.size() + 1)});
    content_ += "q ";
    appendInt(content_, std::lround(width / 20.0));
    content_ += " 0 0 ";
    appendInt(content_, std::lround(height / 20.0));
    content_ += ' ';
    x(left);
    content_ += ' ';
    y(top + height);
    content_ += " cm /im";
    appendInt(content_, static_cast<std::int64_t>(images_.size()));
    content_ += " Do Q\r\n";
}

}  // namespace kalder
