#include "export/HtmlWriter.h"

#include <cmath>
#include <system_error>

#include "core/AtomicFile.h"
#include "core/Progress.h"
#include "core/TaskPipeline.h"
#include "core/Version.h"
#include "document/cDocument.h"
#include "export/PdfNumbers.h"
#include "kalder/AutomationError.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {
constexpr const char* kSource = "ExportHTML";
constexpr std::size_t kPageReserve = 16 * 1024;

#define KALDER_STR2(x) #x
#define KALDER_STR(x) KALDER_STR2(x)
constexpr const char* kHead =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n"
        "<HTML>\r\n"
        "<HEAD>\r\n"
        "   <META NAME=\"GENERATOR\" CONTENT=\"Kalder " KALDER_STR(KALDER_VERSION_MAJOR) "." KALDER_STR(
                KALDER_VERSION_MINOR) "." KALDER_STR(KALDER_VERSION_PATCH) "\">\r\n"
        "</HEAD>\r\n"
        "<body bgcolor=\"#FFFFFF\" text=\"#000000\">\r\n";
#undef KALDER_STR
#undef KALDER_STR2

// Page twips to whole CSS pixels, halves to even as every pixel of the surfaces.
std::int64_t pixels(double twips) { return static_cast<std::int64_t>(std::nearbyint(twips / kHtmlTwipsPerPixel)); }

void appendPixels(std::string& out, std::int64_t px) {
    pdf::appendInt(out, px);
    out += "px";
}

void appendCodeReference(std::string& out, char32_t c) {
    out += "&#";
    pdf::appendInt(out, c);
    out += ';';
}

// A font name inside a single-quoted CSS string inside a double-quoted attribute.
void appendFontFamily(std::string& out, std::string_view name) {
    out += '\'';
    for (char ch : name) {
        if (ch == '\'' || ch == '\\') out += ch == '\'' ? "\\27 " : "\\5c ";
        else appendHtmlText(out, std::string_view(&ch, 1));
    }
    out += '\'';
}

// The colour as the drawing surfaces take it: red in the low byte; 0 and the values just
// below it are black.
void appendColor(std::string& out, std::int32_t c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto u = c > 0 || c < -255 ? static_cast<std::uint32_t>(c) : 0U;
    out += '#';
    for (int shift : {0, 8, 16}) {
        const unsigned byte = (u >> shift) & 0xFF;
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

// Points with up to two decimals, "." whatever the locale: 200 twentieths -> "10".
void appendPoints(std::string& out, float twentieths) {
    const auto hundredths = static_cast<std::int64_t>(std::llround(static_cast<double>(twentieths) * 5.0));
    pdf::appendInt(out, hundredths / 100);
    if (const std::int64_t frac = hundredths % 100) {
        out += '.';
        out += static_cast<char>('0' + frac / 10);
        if (frac % 10) out += static_cast<char>('0' + frac % 10);
    }
}
}  // namespace

bool isPlainFileName(std::string_view key) {
    return !key.empty() && key != "." && key != ".." && key.find_first_of(std::string_view("/\\\0", 3)) == key.npos;
}

void appendHtmlText(std::string& out, std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            switch (b) {
                case '&': out += "&amp;"; break;
                case '<': out += "&lt;"; break;
                case '>': out += "&gt;"; break;
                case '"': out += "&quot;"; break;
                default: out += b < 0x20 && b != '\t' ? ' ' : static_cast<char>(b);
            }
            ++p;
            continue;
        }
        const int len = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        char32_t c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = len > 0 && end - p >= len;
        for (int i = 1; valid && i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80) valid = false;
            else c = (c << 6) | (p[i] & 0x3F);
        }
        // A surrogate or a value beyond Unicode is no character a reference may name.
        valid = valid && c >= 0x80 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        appendCodeReference(out, valid ? c : 0xFFFD);
        p += valid ? len : 1;
    }
}

int HtmlWriter::write(const cDocument& doc, const std::string& folder) {
    if (folder.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    for (const auto& page : doc.pages())
        if (!isPlainFileName(page->Key)) throw AutomationError(52, kSource, "Bad file name or number : " + page->Key);
    const std::filesystem::path dir(folder);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir, ec))
        throw AutomationError(75, kSource,
                              "Path/File access error : " + folder + ": " + (ec ? ec.message() : "not a folder"));
    // Creating and renaming a file is most of a page's time: one worker does it while the
    // next page is built. One, not more, so that a failure leaves exactly the pages before it.
    TaskPipeline pipeline(1);
    pipeline_ = &pipeline;
    int files = 0;
    for (const auto& page : doc.pages()) {
        writePage(*page, dir);
        reportPage(++files, static_cast<std::int32_t>(doc.PagesCount()));
    }
    pipeline.finish();
    pipeline_ = nullptr;
    return files;
}

void HtmlWriter::writePage(const cPage& page, const std::filesystem::path& folder) {
    page_.reserve(kPageReserve);
    page_.assign(kHead);
    int layer = 0;
    for (const auto& frame : page.Frames()) {
        ++layer;
        frameX_ = frame->xPos;
        frameY_ = frame->yPos;
        page_ += "<div id=\"Layer";
        pdf::appendInt(page_, layer);
        page_ += "\" style=\"position:absolute; left:";
        appendPixels(page_, pixels(frame->xPos));
        page_ += "; top:";
        appendPixels(page_, pixels(frame->yPos));
        page_ += "; width:";
        appendPixels(page_, pixels(frame->Width));
        page_ += "; height:";
        appendPixels(page_, pixels(frame->Height));
        page_ += "; z-index:";
        pdf::appendInt(page_, layer);
        page_ += "\">\r\n";
        writeFrame(*frame);
        page_ += "</div>\r\n";
    }
    page_ += "</BODY>\r\n</HTML>\r\n";
    pipeline_->submit([path = (folder / (page.Key + ".htm")).string(), text = std::move(page_)] {
        AtomicFile file(path, kSource);
        file.write(text);
        file.commit();
    });
    page_ = std::string();
}

void HtmlWriter::textLine(std::string_view text, std::int32_t x, std::int32_t y, std::int32_t align) {
    // The place inside the layer, from the rounded page place, so a line lands on the pixel
    // the page would put it on.
    page_ += "<div style=\"position:absolute; left:";
    appendPixels(page_, pixels(static_cast<double>(frameX_) + x) - pixels(frameX_));
    page_ += "; top:";
    appendPixels(page_, pixels(static_cast<double>(frameY_) + y) - pixels(frameY_));
    page_ += "; white-space:pre; font:";
    if (style.Italic) page_ += "italic ";
    if (style.Bold) page_ += "bold ";
    appendPoints(page_, style.FontSize);
    page_ += "pt ";
    appendFontFamily(page_, style.FontName);
    page_ += "; color:";
    appendColor(page_, style.ForeColor);
    if (style.Underline || style.Strikethru) {
        page_ += "; text-decoration:";
        page_ += style.Underline && style.Strikethru ? "underline line-through"
                 : style.Underline                    ? "underline"
                                                      : "line-through";
    }
    // A turned line ignores its alignment, as on every other output.
    if (style.TextRotation != 0) {
        page_ += "; transform-origin:0 0; transform:rotate(";
        pdf::appendInt(page_, -static_cast<std::int64_t>(style.TextRotation));  // CSS turns clockwise
        page_ += "deg)";
    } else if (align == prALRight || align == prALCenter) {
        page_ += align == prALRight ? "; transform:translateX(-100%)" : "; transform:translateX(-50%)";
    }
    page_ += "\">";
    appendHtmlText(page_, text);
    page_ += "</div>\r\n";
}

}  // namespace kalder
