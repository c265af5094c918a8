// Every element kind drawn once into a page image and once into a PDF that poppler's pdftoppm
// draws, both at 150 dots per inch: one drawing routine per kind, so the ink lands in the
// same box (within a pixel) and few pixels differ. Where a file format differs from the
// screen on purpose, the row says how.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "support/Ink.h"
#include "support/Tools.h"

using namespace kalder;

namespace {

constexpr double kDpi = 150;

bool ink(QRgb p) { return qGray(p) < 245; }

// What a file draws differently from the screen, on purpose.
enum class InPdf {
    Same,
    Whole,    // an arc prints as its whole ellipse: the PDF's box holds the screen's
    Nothing,  // references are left out of files
};

struct Row {
    const char* name;
    std::function<void(Preview&)> build;
    double maxDiffering;  // differing ink pixels / ink pixels of either
    InPdf pdf = InPdf::Same;
    // How far the ink boxes may stand apart, in pixels. Figures agree within 1. Text is drawn
    // by two font rasterisers: poppler substitutes our unembedded base fonts by name and
    // rasterises them with its own hinting, so glyph edges move by a few pixels at large sizes.
    int slack = 1;
};

void pen(Preview& pv, std::int32_t width, std::int32_t fillStyle = 1, std::int32_t fill = 0xFFFFFF) {
    pv.DrawWidth(width);
    pv.LineColor(0x202020);
    pv.FillStyle(fillStyle);
    pv.FillColor(fill);
}

void text(Preview& pv, std::int32_t size) {
    pv.FontName("Arial");
    pv.FontSize(size);
    pv.FontBold(false);
    pv.FontUnderline(false);
}

const std::initializer_list<Row> kRows = {
    {"line", [](Preview& pv) { pen(pv, 30); pv.DrawLine("1 in", "1 in", "4 in", "2 in"); }, 0.40},
    {"box", [](Preview& pv) { pen(pv, 30); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBox); }, 0.35},
    {"box filled",
     [](Preview& pv) { pen(pv, 30, 0, 0x3060C0); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBoxFill); }, 0.05},
    {"box hatched",
     [](Preview& pv) { pen(pv, 30, 6, 0x3060C0); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBoxFill); }, 0.85},
    {"box with transparent fill",
     [](Preview& pv) { pen(pv, 30, 1, 0x3060C0); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBoxFill); }, 0.35},
    {"circle", [](Preview& pv) { pen(pv, 30); pv.DrawCircle("3 in", "3 in", "1 in"); }, 0.40},
    {"circle filled", [](Preview& pv) { pen(pv, 30, 0, 0x3060C0); pv.DrawCircle("3 in", "3 in", "1 in"); }, 0.08},
    {"ellipse filled", [](Preview& pv) { pen(pv, 30, 0, 0x3060C0); pv.DrawEllipse("3 in", "3 in", "2 in", "1 in"); }, 0.08},
    {"arc", [](Preview& pv) { pen(pv, 30); pv.DrawArc("3 in", "3 in", "1 in", 0, 3.1415926f, 1); }, 1.0, InPdf::Whole},
    {"rounded rectangle", [](Preview& pv) { pen(pv, 30); pv.DrawRoundRect("1 in", "1 in", "4 in", "3 in", "0.5 in"); }, 0.35},
    {"rounded rectangle filled",
     [](Preview& pv) { pen(pv, 30, 0, 0x3060C0); pv.DrawRoundRect("1 in", "1 in", "4 in", "3 in", "0.5 in"); }, 0.08},
    {"polygon", [](Preview& pv) { pen(pv, 30); pv.DrawPolygon({{1440, 1440}, {5760, 2160}, {2880, 4320}}); }, 0.35},
    {"polygon filled",
     [](Preview& pv) { pen(pv, 30, 0, 0x3060C0); pv.DrawPolygon({{1440, 1440}, {5760, 2160}, {2880, 4320}}); }, 0.08},
    {"point", [](Preview& pv) { pen(pv, 30); pv.DrawPSet("2 in", "2 in"); }, 0.5},
    {"symbol box", [](Preview& pv) { pen(pv, 20); pv.DrawSymbol("internal", "box", false, "2 in", "2 in", "1 in"); }, 0.30},
    {"symbol checkbox checked",
     [](Preview& pv) { pen(pv, 20); pv.DrawSymbol("internal", "checkbox", true, "2 in", "2 in", "1 in"); }, 0.35},
    {"symbol radio checked",
     [](Preview& pv) { pen(pv, 20); pv.DrawSymbol("internal", "radio", true, "2 in", "2 in", "1 in"); }, 0.25},
    {"symbol radio on a solid fill",
     [](Preview& pv) { pen(pv, 20, 0, 0x3060C0); pv.DrawSymbol("internal", "radio", false, "2 in", "2 in", "1 in"); },
     0.45},
    {"symbol from a font", [](Preview& pv) { pen(pv, 20); pv.DrawSymbol("Arial", "Q", false, "2 in", "2 in", "1 in"); }, 0.45, InPdf::Same, 12},
    {"arrow with sharp heads",
     [](Preview& pv) { pen(pv, 20); pv.DrawArrow(prARSharp, "0.3 in", prARSharp, "0.3 in", "1 in", "1 in", "4 in", "3 in"); },
     0.35},
    {"arrow with angled heads",
     [](Preview& pv) { pen(pv, 20); pv.DrawArrow(prARAngle, "0.3 in", prARAngle, "0.3 in", "1 in", "3 in", "4 in", "1 in"); },
     0.40},
    {"page number", [](Preview& pv) { text(pv, 20); pv.AddPageNumberAt("Page ??", "1 in", "1 in"); }, 0.40, InPdf::Same, 8},
    {"page number of pages, centred",
     [](Preview& pv) { text(pv, 20); pv.AddPageNumberAt("Page ??", "3 in", "1 in", true, prALCenter); }, 0.40, InPdf::Same, 8},
    {"page number in Roman",
     [](Preview& pv) {
         text(pv, 20);
         pv.PageNumberType(prPTRoman);
         pv.AddPageNumberAt("-??-", "3 in", "1 in", false, prALRight);
     },
     0.40, InPdf::Same, 4},
    {"text line", [](Preview& pv) { text(pv, 24); pv.AddTextAt("Kalder draws HHH", "1 in", "1 in"); }, 0.25, InPdf::Same, 2},
    {"graphic text turned",
     [](Preview& pv) { text(pv, 24); pv.TextRotation(30); pv.AddTextAt("Turned text", "2 in", "3 in"); }, 0.30, InPdf::Same, 3},
    {"paragraph",
     [](Preview& pv) {
         text(pv, 12);
         std::string p = "A paragraph of <bd>bold<bd 0> and <it>italic<it 0> words, wrapped inside its "
                         "rectangle and <ce>centred<nl>on the second line.";
         pv.ParaText(p, "1 in", "1 in", "3 in", "2 in");
     },
     0.35, InPdf::Same, 2},
    {"reference",
     [](Preview& pv) {
         pen(pv, 30, 0, 0x3060C0);
         pv.AddPage();
         const std::string box = pv.DrawLine("1 in", "1 in", "3 in", "2 in", prLBBoxFill);
         pv.CurrentPage("Page 1");
         pv.CurrentFrame("inside");
         pv.AddReference("Page 2", "inside", box);
     },
     1.0, InPdf::Nothing},
    {"watermark", [](Preview& pv) { pv.Watermark("DRAFT"); }, 0.45, InPdf::Same, 14},
};

TEST(OneDrawingPath, EveryKindInkLandsAlikeInPageImagesAndPdf) {
    const kalder::test::ScratchDir dir;
    const std::string pdf = dir.file("page.pdf"), png = dir.file("page.png");
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        Preview pv;
        row.build(pv);
        pv.ExportPDF(pdf);
        ASSERT_TRUE(kalder::test::PassesQpdf(pdf));
        const std::string cmd = "pdftoppm -r 150 -f 1 -l 1 -png -singlefile '" + pdf + "' '" + dir.file("page") + "'";
        ASSERT_EQ(kalder::test::runTool(cmd).status, 0);
        const QImage theirs(png.c_str());
        ASSERT_FALSE(theirs.isNull());
        const QImage ours = kalder::test::pageImage(pv, 1, 1.0, "", kDpi);
        const int w = std::min(ours.width(), theirs.width()), h = std::min(ours.height(), theirs.height());
        ASSERT_LE(std::abs(ours.height() - theirs.height()), 1);

        const auto a = kalder::test::inkOf(ours, ink, w, h), b = kalder::test::inkOf(theirs, ink, w, h);
        ASSERT_FALSE(a.empty());
        long either = 0, differing = 0, both = 0;
        long redShift = 0, blueShift = 0;  // over the pixels both inked: antialiased edges differ a little, a fill not
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb o = ours.pixel(x, y), t = theirs.pixel(x, y);
                const bool p = ink(o), q = ink(t);
                either += p || q;
                differing += p != q;
                if (p && q) ++both, redShift += qRed(o) - qRed(t), blueShift += qBlue(o) - qBlue(t);
            }
        if (both > 0)
            EXPECT_LE(std::abs(redShift) + std::abs(blueShift), 60 * both)
                << "colours differ by " << (std::abs(redShift) + std::abs(blueShift)) / both;
        const double share = static_cast<double>(differing) / static_cast<double>(either);
        SCOPED_TRACE(::testing::Message() << "image box " << a.left << "," << a.top << "-" << a.right << ","
                                          << a.bottom << ", pdf box " << b.left << "," << b.top << "-" << b.right
                                          << "," << b.bottom << ", differing " << share);
        switch (row.pdf) {
            case InPdf::Same:
                EXPECT_LE(std::abs(a.left - b.left), row.slack);
                EXPECT_LE(std::abs(a.top - b.top), row.slack);
                EXPECT_LE(std::abs(a.right - b.right), row.slack);
                EXPECT_LE(std::abs(a.bottom - b.bottom), row.slack);
                EXPECT_LT(share, row.maxDiffering);
                break;
            case InPdf::Whole:
                EXPECT_TRUE(b.left <= a.left + 1 && b.top <= a.top + 1 && b.right >= a.right - 1 &&
                            b.bottom >= a.bottom + 10);
                break;
            case InPdf::Nothing: EXPECT_TRUE(b.empty()); break;
        }
    }
}

}  // namespace
