#include "export/RtfWriter.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/AtomicFile.h"
#include "core/Progress.h"
#include "core/TextMeasurer.h"
#include "document/RenderContext.h"
#include "document/cDocument.h"
#include "export/PdfNumbers.h"
#include "export/RtfText.h"
#include "kalder/AutomationError.h"

namespace kalder {

using pdf::appendInt;

namespace {
constexpr const char* kSource = "ExportRTF";
// Body bytes kept in memory before they go to the temporary file: a few pages' worth, so a
// short document never touches the disk and a long one holds little.
constexpr std::size_t kSpillBytes = 1 << 20;
// Word numbers the shapes of a document from 1025; readers take any number, and starting where
// Word does keeps the numbers familiar to whoever reads the file.
constexpr std::int64_t kFirstShape = 1025;
// The least a text box is given beyond its run's width, for the rounding of other readers.
constexpr std::int64_t kFitTwips = 40;

[[noreturn]] void fail(const std::string& what) {
    throw AutomationError(75, kSource, "Path/File access error : " + what + ": " + std::strerror(errno));
}

// An unnamed file in the temporary folder: removed by the system however the export ends.
std::FILE* anonymousFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalder-rtf-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) fail(pattern);
    ::unlink(pattern.c_str());
    std::FILE* f = ::fdopen(fd, "w+b");
    if (!f) ::close(fd), fail(pattern);
    return f;
}
}  // namespace

std::int32_t rtfColor(std::int32_t color) { return color > 0 || color < -255 ? color & 0xFFFFFF : 0; }

RtfWriter::RtfWriter() = default;
RtfWriter::~RtfWriter() {
    if (spill_) std::fclose(spill_);
}

const OutputRules& RtfWriter::rules() const {
    static const OutputRules kRules{FrameOrder::WholePageFirst, false, true, false};
    return kRules;
}

RtfResult RtfWriter::write(const cDocument& doc, const std::string& path) {
    if (path.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    AtomicFile file(path, kSource);
    body_.clear();
    fonts_.clear();
    colors_.clear();
    pictures_.clear();
    lastAdvances_ = nullptr;
    shapeNumber_ = kFirstShape;
    shapes_ = 0;
    if (spill_) std::fclose(spill_), spill_ = nullptr;

    RtfResult result;
    for (const auto& page : doc.pages()) {
        if (result.pages++ > 0) body_ += "\\sect\r\n";
        writePage(doc, *page);
        if (body_.size() >= kSpillBytes) spill();
        reportPage(result.pages, static_cast<std::int32_t>(doc.PagesCount()));
    }
    pictures_.clear();

    writeTables(file);
    if (spill_) {
        std::rewind(spill_);
        std::string block(kSpillBytes, '\0');
        while (const std::size_t n = std::fread(block.data(), 1, block.size(), spill_)) file.write(block.data(), n);
        if (std::ferror(spill_)) fail("temporary file");
        std::fclose(spill_), spill_ = nullptr;
    }
    file.write(body_);
    file.write("}\r\n");
    file.commit();
    body_.clear();
    body_.shrink_to_fit();
    result.shapes = shapes_;
    result.bytes = file.written();
    return result;
}

void RtfWriter::writePage(const cDocument& doc, const cPage& page) {
    pageWidth_ = page.PageWidth();
    body_ += "\\pgwsxn";
    appendInt(body_, pageWidth_);
    body_ += "\\pghsxn";
    appendInt(body_, page.PageHeight());
    body_ += "\r\n";
    RenderContext ctx(*this, &doc);
    page.Preview(ctx);
}

void RtfWriter::spill() {
    if (!spill_) spill_ = anonymousFile();
    if (std::fwrite(body_.data(), 1, body_.size(), spill_) != body_.size()) fail("temporary file");
    body_.clear();
}

void RtfWriter::writeTables(AtomicFile& file) {
    std::string head = "{\\rtf\r\n{\\fonttbl\r\n";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        head += "{\\f";
        appendInt(head, static_cast<std::int64_t>(i + 1));
        head += ' ';
        appendRtfText(head, fonts_[i]);
        head += ";}\r\n";
    }
    head += "}\r\n{\\colortbl;\r\n";
    for (const std::int32_t c : colors_) {
        head += "\\red";
        appendInt(head, c & 0xFF);
        head += "\\green";
        appendInt(head, (c >> 8) & 0xFF);
        head += "\\blue";
        appendInt(head, (c >> 16) & 0xFF);
        head += ";\r\n";
    }
    head += "}\r\n\\ansi\\ftnbj\\sectd\r\n";
    file.write(head);
}

int RtfWriter::fontIndex(const std::string& name) {
    // Runs come in long stretches of one font: the last entry is looked at first.
    if (!fonts_.empty() && fonts_.back() == name) return static_cast<int>(fonts_.size());
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i] == name) return static_cast<int>(i + 1);
    fonts_.push_back(name);
    return static_cast<int>(fonts_.size());
}

int RtfWriter::colorIndex(std::int32_t color) {
    color = rtfColor(color);
    for (std::size_t i = 0; i < colors_.size(); ++i)
        if (colors_[i] == color) return static_cast<int>(i + 1);
    colors_.push_back(color);
    return static_cast<int>(colors_.size());
}

void RtfWriter::openShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    body_ += "{\\shp{\\*\\shpinst\\shpleft";
    appendInt(body_, left);
    body_ += "\\shptop";
    appendInt(body_, top);
    body_ += "\\shpright";
    appendInt(body_, right);
    body_ += "\\shpbottom";
    appendInt(body_, bottom);
    body_ += "\r\n\\shpfhdr0\\shpbxpage\\shpbypage\\shpwr3\\shpwrk0\\shpfblwtxt0\\shpz0\\shplid";
    appendInt(body_, shapeNumber_++);
    body_ += "\r\n";
    ++shapes_;
}

void RtfWriter::property(std::string_view name, std::int64_t value) {
    body_ += "{\\sp{\\sn ";
    body_ += name;
    body_ += "}{\\sv ";
    appendInt(body_, value);
    body_ += "}}\r\n";
}

void RtfWriter::textProperty(std::string_view name, std::string_view utf8) {
    body_ += "{\\sp{\\sn ";
    body_ += name;
    body_ += "}{\\sv ";
    appendRtfText(body_, utf8);
    body_ += "}}\r\n";
}

void RtfWriter::closeShape() { body_ += "}}\r\n"; }

double RtfWriter::runWidth(const cStyle& style, std::string_view text) {
    // Shaping a run costs more than writing its shape, and the box needs only to be wide
    // enough: an ASCII run is measured as the sum of its characters' advances (kerning moves
    // it by little, and the box is twice as wide), with the advances of each font measured once.
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return TextMeasurer::width(style, text);
    const auto same = [&style](const Advances& a) {
        return a.size == style.FontSize && a.bold == style.Bold && a.italic == style.Italic && a.name == style.FontName;
    };
    if (!lastAdvances_ || !same(*lastAdvances_)) {
        auto it = std::find_if(advances_.begin(), advances_.end(), same);
        if (it == advances_.end()) {
            Advances a{style.FontName, style.FontSize, style.Bold, style.Italic, {}};
            for (int c = 0; c < 128; ++c)
                a.width[c] = TextMeasurer::width(style, std::string(1, c < 32 ? '?' : static_cast<char>(c)));
            it = advances_.insert(advances_.end(), std::move(a));
        }
        lastAdvances_ = &*it;
    }
    double width = 0;
    for (const char c : text) width += lastAdvances_->width[static_cast<unsigned char>(c)];
    return width;
}

void RtfWriter::PutText(const std::string& text, std::int32_t x, std::int32_t y, const cStyle& style) {
    if (text.empty()) return;
    // Twice the run's width, so that no reader's font, a little wider than ours, wraps the run;
    // but not past the page's right edge, where readers move the whole box back onto the page.
    const std::int64_t width = std::llround(runWidth(style, text));
    const std::int64_t right = std::min(x + 2 * width, std::max<std::int64_t>(pageWidth_, x + width + kFitTwips));
    openShape(x, y, right, y + std::llround(TextMeasurer::height(style)));
    // The text box's fixed properties: no margins, no border, no fill.
    body_ += "{\\sp{\\sn shapeType}{\\sv 202}}\r\n{\\sp{\\sn dxTextLeft}{\\sv 0}}\r\n{\\sp{\\sn dyTextTop}{\\sv 0}}\r\n"
             "{\\sp{\\sn dxTextRight}{\\sv 0}}\r\n{\\sp{\\sn dyTextBottom}{\\sv 0}}\r\n{\\sp{\\sn fFlipH}{\\sv 0}}\r\n"
             "{\\sp{\\sn fFlipV}{\\sv 0}}\r\n{\\sp{\\sn fLine}{\\sv 0}}\r\n{\\sp{\\sn fFilled}{\\sv 0}}\r\n";
    body_ += "{\\shptxt \\f";
    appendInt(body_, fontIndex(style.FontName));
    body_ += " \\fs";
    appendInt(body_, static_cast<std::int64_t>(style.FontSize / 10));
    body_ += style.Bold ? "\\b" : "\\b0";
    body_ += style.Italic ? "\\i" : "\\i0";
    body_ += style.Strikethru ? "\\strike" : "\\strike0";
    body_ += style.Underline ? "\\ul" : "\\ul0";
    body_ += "{\\cf";
    appendInt(body_, colorIndex(style.ForeColor));
    body_ += ' ';
    appendRtfText(body_, text);
    // No blank before "\par": it would be a space of the text, underlined with it.
    body_ += "\\par }}\r\n";
    closeShape();
}

}  // namespace kalder
