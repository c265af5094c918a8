// libFuzzer target for whole documents: the fuzz bytes are a program of public builder calls
// (pages, frames, text, paragraphs, shapes, barcodes, page numbers, references, styles) with
// fuzzed arguments, and the document is then exported to every format. A call either works or
// raises kalder's AutomationError; each export either works or raises it too, and what it
// wrote is well-formed: the PDF passes libqpdf's checks (as `qpdf --check` does them) with
// one page per document page, RTF groups balance, HTML, text and XML are UTF-8, the XML loads
// again to the same document, and page images decode at their computed size.
// Seeds: fuzz/corpus/structure/.
#include <QImage>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "PdfCheck.h"
#include "document/cDocument.h"
#include "export/PageImages.h"
#include "kalder/Preview.h"

namespace {

using kalder::Variant;
using kalder::fuzz::Bytes;
using kalder::fuzz::check;

// Small documents keep an execution fast: few pages, few calls.
constexpr std::int32_t kMaxPages = 5;
constexpr int kMaxCalls = 40;

// Text is made of these pieces, so that it is valid UTF-8 (the model's encoding) and reaches
// the markup tags, the page-number marks and scripts beyond Latin-1.
const char* const kPieces[] = {
    "a", "b", "W", " ", " ", "  ", "1", "9", ".", ",", "-", "%", "&", "<", ">", "\"", "'", "\\", "{", "}", "\t",
    "\n", "\r\n", "??", "é", "€", "ß", "Ω", "ж", "中文", "ا", "ע", "😀", "e\u0301", "\u00a0", "\ufeff", "<bd>", "<bd 0>",
    "<it>", "<ul>", "<nl>", "<tb>", "<ts 1500>", "<ce>", "<rl>", "<ju>", "<fs 30>", "<fs 2>", "<pg>", "<pg 0>",
    "<co 255;0;0>", "<ff Courier New>", "<ac 65>", "<sl>", "<ss>", "<zl>", "<zr>", "<dm>", "<dn>", "word ",
    "Lorem ipsum dolor sit amet ", "Wide_unbroken_word_that_needs_room"};
const char* const kFonts[] = {"Arial", "Times New Roman", "Courier New", "DejaVu Sans", "Symbol", "NoSuchFont", ""};
const char* const kFrames[] = {"inside", "header", "footer", "wholepage", "f1", "f2"};
const char* const kUnits[] = {"cm", "mm", "in", "pt", "tw", "px"};
const char* const kStyles[] = {"Normal", "Heading1", "Heading5", "s1", "s2", "nostyle"};
const char* const kStyleProps[] = {"fontname",  "fontsize",  "fontbold",  "rotation", "forecolor", "linewidth",
                                   "fillstyle", "fillcolor", "leading",   "val",      "pagesize",  "bogus"};

// Calls `f` with arguments read from the bytes in the order written. A call's arguments are
// evaluated in an order each compiler picks, a braced list's left to right; the replay (gcc)
// must read an input as the fuzzer (clang) did.
#define IN_ORDER(f, ...) std::apply([&](auto&&... a) { f(std::forward<decltype(a)>(a)...); }, std::tuple{__VA_ARGS__})

template <class T, std::size_t N>
T pick(Bytes& in, T (&table)[N]) { return table[in.below(N)]; }

std::string text(Bytes& in, std::size_t maxPieces) {
    std::string s;
    for (std::size_t n = in.below(static_cast<std::uint32_t>(maxPieces + 1)); n > 0; --n) s += pick(in, kPieces);
    return s;
}

// A number: mostly one that fits a page, now and then an extreme one.
std::int32_t number(Bytes& in) {
    switch (in.below(8)) {
        case 0: return in.int32();
        case 1: return -static_cast<std::int32_t>(in.below(3000));
        default: return static_cast<std::int32_t>(in.below(16000));
    }
}

// A measure as callers pass it: twips, a string with a unit, a float, or left out.
Variant measure(Bytes& in) {
    switch (in.below(8)) {
        case 0: return Variant::missing();
        case 1: {
            const std::string whole = std::to_string(in.below(300));
            const std::string tenths = std::to_string(in.below(10));
            return Variant(whole + "." + tenths + " " + pick(in, kUnits));
        }
        case 2: return Variant(static_cast<float>(number(in)) / 7.0F);
        default: return Variant(number(in));
    }
}

void call(kalder::Preview& p, Bytes& in) {
    const bool roomForPage = p.TotalPages() < kMaxPages;
    switch (in.below(34)) {
        case 0:
            if (roomForPage) IN_ORDER(p.AddPage, measure(in), measure(in), measure(in), measure(in), measure(in), measure(in),
                                       static_cast<std::int32_t>(in.below(44)));
            break;
        case 1:
            if (roomForPage) IN_ORDER(p.AddPageTemplate, in.flag() ? "" : "Page " + std::to_string(in.below(4)));
            break;
        case 2: IN_ORDER(p.AddFrame, pick(in, kFrames), measure(in), measure(in), measure(in), measure(in)); break;
        case 3: p.CurrentFrame(pick(in, kFrames)); break;
        case 4: p.CurrentPage("Page " + std::to_string(1 + in.below(kMaxPages))); break;
        case 5: {
            const std::int32_t step = static_cast<std::int32_t>(in.below(6));
            if (roomForPage || step < kalder::prASPage)
                IN_ORDER(p.AddTextAt, text(in, 6), measure(in), measure(in), static_cast<std::int32_t>(in.below(5)), step);
            break;
        }
        case 6: {
            std::string markup = text(in, 24);
            const Variant x = measure(in), y = measure(in), width = measure(in), height = measure(in);
            p.ParaText(markup, x, y, width, height);
            break;
        }
        case 7: IN_ORDER(p.AddPageNumberAt, text(in, 3), measure(in), measure(in), in.flag(), static_cast<std::int32_t>(in.below(4))); break;
        case 8:
            IN_ORDER(p.AddReference, "Page " + std::to_string(1 + in.below(3)), pick(in, kFrames),
                           "El " + std::to_string(1 + in.below(8)));
            break;
        case 9: IN_ORDER(p.DrawLine, measure(in), measure(in), measure(in), measure(in), static_cast<std::int32_t>(in.below(3))); break;
        case 10: IN_ORDER(p.DrawCircle, measure(in), measure(in), measure(in)); break;
        case 11:
            IN_ORDER(p.DrawArc, measure(in), measure(in), measure(in), static_cast<float>(number(in)) / 1000.0F,
                      static_cast<float>(number(in)) / 1000.0F, static_cast<float>(in.below(400)) / 100.0F);
            break;
        case 12: IN_ORDER(p.DrawEllipse, measure(in), measure(in), measure(in), measure(in)); break;
        case 13: IN_ORDER(p.DrawRoundRect, measure(in), measure(in), measure(in), measure(in), measure(in)); break;
        case 14: {
            std::vector<kalder::POLYVERT> points(in.below(8));
            for (auto& v : points) v = {number(in), number(in)};
            p.DrawPolygon(points);
            break;
        }
        case 15: IN_ORDER(p.DrawPSet, measure(in), measure(in)); break;
        case 16: {
            const char* const ids[] = {"box", "radio", "checkbox", "X"};
            IN_ORDER(p.DrawSymbol, in.flag() ? "internal" : pick(in, kFonts), pick(in, ids), Variant(in.flag()), measure(in),
                         measure(in), measure(in));
            break;
        }
        case 17:
            IN_ORDER(p.DrawArrow, static_cast<std::int32_t>(in.below(3)), measure(in), static_cast<std::int32_t>(in.below(3)),
                        measure(in), measure(in), measure(in), measure(in), measure(in));
            break;
        case 18:
            IN_ORDER(p.AddBarCode, text(in, 8), static_cast<std::int32_t>(in.below(11)), measure(in), measure(in), measure(in),
                         measure(in), in.flag(), static_cast<std::int32_t>(in.below(5)));
            break;
        case 19:
            IN_ORDER(p.AddStyle, pick(in, kStyles), Variant(pick(in, kFonts)), measure(in), Variant(in.flag()), Variant(in.flag()),
                       Variant(in.flag()), Variant(number(in)), Variant(number(in)));
            break;
        case 20: IN_ORDER(p.ModifyStyle, pick(in, kStyles), pick(in, kStyleProps), measure(in)); break;
        case 21: p.ApplyStyle(pick(in, kStyles)); break;
        case 22: p.FontName(pick(in, kFonts)); break;
        case 23: p.FontSize(measure(in)); break;
        case 24:
            switch (in.below(6)) {
                case 0: p.FontBold(in.flag()); break;
                case 1: p.FontItalic(in.flag()); break;
                case 2: p.FontUnderline(in.flag()); break;
                case 3: p.FontStrikethru(in.flag()); break;
                case 4: p.ForeColor(number(in)); break;
                default: p.BackColor(number(in)); break;
            }
            break;
        case 25:
            switch (in.below(6)) {
                case 0: p.FillColor(number(in)); break;
                case 1: p.FillStyle(static_cast<std::int32_t>(in.below(9))); break;
                case 2: p.LineColor(number(in)); break;
                case 3: p.LineType(static_cast<std::int32_t>(in.below(7))); break;
                case 4: IN_ORDER(p.DrawWidth, in.flag() ? number(in) : static_cast<std::int32_t>(in.below(60))); break;
                default: p.TextRotation(number(in)); break;
            }
            break;
        case 26:
            p.LeadingType(static_cast<std::int32_t>(in.below(4)));
            p.LeadingVal(static_cast<double>(number(in)) / 100.0);
            break;
        case 27: IN_ORDER(p.Watermark, text(in, 4), number(in), pick(in, kFonts), in.flag(), in.flag()); break;
        case 28: p.PageNumberType(static_cast<std::int32_t>(in.below(3))); break;
        case 29:
            switch (in.below(4)) {
                case 0: p.FrameLeft(measure(in)); break;
                case 1: p.FrameTop(measure(in)); break;
                case 2: p.FrameWidth(measure(in)); break;
                default: p.FrameHeight(measure(in)); break;
            }
            break;
        case 30:
            switch (in.below(6)) {
                case 0: p.PageMarginLeft(measure(in)); break;
                case 1: p.PageMarginTop(measure(in)); break;
                case 2: p.PageHeaderSize(measure(in)); break;
                case 3: p.PageFooterSize(measure(in)); break;
                case 4: p.Orientation(static_cast<std::int32_t>(in.below(3))); break;
                default:
                    p.PageWidth(number(in));
                    p.PageHeight(number(in));
                    p.PageSize(static_cast<std::int32_t>(in.below(44)));
                    break;
            }
            break;
        case 31:
            switch (in.below(4)) {
                case 0: p.ShowBorder(in.flag()); break;
                case 1: p.BorderColor(number(in)); break;
                case 2: p.CurrentX(number(in)); break;
                default: p.CurrentY(number(in)); break;
            }
            break;
        case 32:
            switch (in.below(3)) {
                case 0: IN_ORDER(p.DeletePage, 1 + static_cast<std::int32_t>(in.below(kMaxPages)), in.flag() ? -1 : 2); break;
                case 1: p.ClearPage(1 + static_cast<std::int32_t>(in.below(kMaxPages))); break;
                default: p.ClearFrame(); break;
            }
            break;
        default: IN_ORDER(p.DocInfoSet, in.flag() ? "Title" : "Author", text(in, 4)); break;
    }
}

// RTF groups open and close in pairs, outside escapes and binary data.
bool rtfBalanced(const std::string& rtf) {
    if (rtf.compare(0, 5, "{\\rtf") != 0) return false;
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

template <class F>
void tolerate(F f) {
    try {
        f();
    } catch (const kalder::AutomationError&) {
        // kalder's own error is an answer
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kalder::fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    Bytes in(data, size);
    kalder::Preview p;
    for (int calls = 0; calls < kMaxCalls && !in.empty(); ++calls) tolerate([&] { call(p, in); });
    const std::int32_t pages = p.TotalPages();
    if (pages > kMaxPages + 1) return 0;  // a single call may add one page past the cap

    namespace fs = std::filesystem;
    const fs::path dir = kalder::fuzz::scratchFolder();
    const std::string pdf = (dir / "d.pdf").string();
    bool wrote = false;
    tolerate([&] { p.ExportPDF(pdf), wrote = true; });
    if (wrote) kalder::fuzz::checkPdf(pdf, pages);

    wrote = false;
    tolerate([&] { p.ExportRTF((dir / "d.rtf").string()), wrote = true; });
    if (wrote) check(rtfBalanced(kalder::fuzz::readFile(dir / "d.rtf")), "RTF groups balance");

    wrote = false;
    tolerate([&] { p.ExportText((dir / "d.txt").string()), wrote = true; });
    if (wrote) check(kalder::fuzz::isUtf8(kalder::fuzz::readFile(dir / "d.txt")), "the text file is UTF-8");

    tolerate([&] { p.ExportHTML((dir / "html").string()); });
    if (fs::is_directory(dir / "html"))
        for (const auto& entry : fs::directory_iterator(dir / "html"))
            check(kalder::fuzz::isUtf8(kalder::fuzz::readFile(entry.path())), "HTML files are UTF-8");

    const std::string saved = p.SaveXMLString();
    check(kalder::fuzz::isUtf8(saved), "the XML is UTF-8");
    wrote = false;
    tolerate([&] { p.SaveXML((dir / "d.xml").string()), wrote = true; });
    if (wrote) {
        kalder::Preview q;
        try {
            q.LoadXMLFromFile((dir / "d.xml").string());
        } catch (const kalder::AutomationError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            check(false, "the saved XML loads");
        }
        check(q.SaveXMLString() == saved, "the loaded XML is the same document");
    }

    // Page images at a tenth of their size, unless a page is so large that it would take long.
    kalder::PageImageOptions small;
    small.zoom = 0.1;
    for (const auto& page : p.document().pages()) {
        const QSize size = kalder::pageImageSize(*page, small);
        if (static_cast<double>(size.width()) * size.height() > 1e6) return 0;
    }
    int images = 0;
    tolerate([&] { images = kalder::exportPageImages(p.document(), (dir / "p").string(), kalder::PageImageFormat::Png, small); });
    for (int n = 1; n <= images; ++n) {
        const QImage image(QString::fromStdString((dir / ("p" + std::to_string(n) + ".png")).string()));
        const QSize expected = kalder::pageImageSize(*p.document().pages().Item(n), small);
        check(!image.isNull() && image.size() == expected, "a page image decodes at its size");
    }
    return 0;
}
