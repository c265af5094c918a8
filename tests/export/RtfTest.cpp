// RTF files as LibreOffice reads them. Each document is written as RTF and as our own PDF; one
// soffice call turns every RTF file into a PDF; pdfinfo, pdftotext and pdftoppm then compare
// LibreOffice's pages with ours: page count and sizes, the text, the words' boxes, and the ink
// of every element kind (one kind a page), within 2 points.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>

#include "kalder/Preview.h"
#include "support/Ink.h"
#include "support/TableTest.h"
#include "support/Tools.h"

using namespace kalder;
using namespace kalder::test;

namespace {

struct Kind {
    const char* name;
    std::function<void(Preview&)> build;
    // What is compared: everything; for turned text the ink only (pdftotext splits turned
    // words apart). Turned text beyond Windows-1252 is WordArt, which our PDF, single-byte,
    // shows as "?": LibreOffice's ink is only checked to be there and turned (WordArt turns
    // about its centre, as LibreOffice's own files write it; LibreOffice 7.4 turns it about
    // its top left, so its place is not compared).
    enum { All, Ink, Turned } compare = All;
};

void pen(Preview& pv, std::int32_t fillStyle = 1) {
    pv.DrawWidth(30), pv.LineColor(0x202020), pv.FillStyle(fillStyle), pv.FillColor(0x3060C0);
}

void turned(Preview& pv, std::int32_t degrees) {
    pv.FontSize(30), pv.FontUnderline(false), pv.TextRotation(degrees);  // WordArt has no underline
}

// A picture as the file holds it: every pixel differs, some are see-through.
QImage tiny() {
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) image.setPixel(x, y, qRgba(x * 40, y * 60, 255 - x * y * 7, x == y ? 0 : 255 - x));
    return image;
}

const std::initializer_list<Kind> kKinds = {
    {"line rising", [](Preview& pv) { pen(pv); pv.DrawLine("1 in", "3 in", "4 in", "2 in"); }},
    {"dashed line", [](Preview& pv) { pen(pv); pv.LineType(1); pv.DrawLine("1 in", "1 in", "4 in", "2 in"); }},
    {"box", [](Preview& pv) { pen(pv); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBox); }},
    {"box filled", [](Preview& pv) { pen(pv, 0); pv.DrawLine("1 in", "1 in", "4 in", "2 in", prLBBoxFill); }},
    {"ellipse filled", [](Preview& pv) { pen(pv, 0); pv.DrawEllipse("3 in", "3 in", "2 in", "1 in"); }},
    {"rounded rectangle", [](Preview& pv) { pen(pv, 0); pv.DrawRoundRect("1 in", "1 in", "4 in", "3 in", "1 in"); }},
    {"polygon", [](Preview& pv) { pen(pv, 0); pv.DrawPolygon({{1440, 1440}, {5760, 2160}, {2880, 4320}}); }},
    {"point", [](Preview& pv) { pv.DrawPSet("2 in", "2 in"); }},
    {"symbols", [](Preview& pv) {
         pen(pv);
         pv.DrawSymbol("internal", "checkbox", true, "2 in", "2 in", "1 in");
         pv.DrawSymbol("internal", "radio", true, "4 in", "2 in", "1 in");
     }},
    {"arrow", [](Preview& pv) { pen(pv), pv.DrawArrow(prARSharp, 432, prARAngle, 432, 1440, 1440, 5760, 4320); }},
    {"barcode", [](Preview& pv) { pv.DrawWidth(28), pv.AddBarCode("400638133393", prEAN13, 1440, 1440, 2660, 1100); }},
    {"page number at the right edge",
     [](Preview& pv) { pv.FontSize(14); pv.AddPageNumberAt("Page ?? of pages", "8 in", "1 in", true, prALRight); }},
    {"text line",
     [](Preview& pv) { pv.FontSize(24), pv.FontItalic(true), pv.AddTextAt("Kalder draws HHH", "1 in", "1 in"); }},
    {"paragraph", [](Preview& pv) {
         std::string p = "A paragraph of <bd>bold<bd 0> and <it>italic<it 0> words, wrapped inside its "
                         "rectangle and <ce>centred<nl>on the second line.";
         pv.ParaText(p, "1 in", "1 in", "3 in", "2 in");
     }},
    {"picture", [](Preview& pv) { pv.DrawPictureMemory(tiny(), "1 in", "1 in", "4 in", "2 in"); }},
    {"jpeg picture", [](Preview& pv) {
         const auto file = std::filesystem::temp_directory_path() / ("kalder-" + std::to_string(getpid()) + ".jpg");
         tiny().save(QString::fromStdString(file.string()), "JPG");
         pv.DrawPicture(file.string(), prSTInternal, "2 in", "1 in", "2 in", "2 in");
         std::filesystem::remove(file);
     }},
    {"frame border", [](Preview& pv) { pv.AddFrame("box", "2 in", "2 in", "3 in", "1 in"); pv.ShowBorder(true); }},
    {"text turned upwards", [](Preview& pv) { turned(pv, 90); pv.AddTextAt("Upwards", "3 in", "6 in"); }, Kind::Ink},
    {"text turned by 30 degrees", [](Preview& pv) { turned(pv, 30); pv.AddTextAt("Turned", "2 in", "4 in"); },
     Kind::Ink},
    {"Cyrillic turned by 30 degrees",
     [](Preview& pv) { turned(pv, 30); pv.AddTextAt("\xD0\x9A\xD0\xB8\xD1\x80", "2 in", "4 in"); }, Kind::Turned},
};

// What LibreOffice made of the RTF files, converted once for every test below.
class RtfFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new ScratchDir;
        auto both = [&](const std::string& name, Preview& pv) {
            pv.ExportRTF(dir->file(name + ".rtf"));
            pv.ExportPDF(dir->file(name + ".pdf"));
            files += " '" + dir->file(name + ".rtf") + "'";
        };
        Preview kinds;
        for (const Kind& k : kKinds) {
            if (&k != kKinds.begin()) kinds.AddPage();
            k.build(kinds);
        }
        both("kinds", kinds);
        // Three pages of three sizes, with text outside Windows-1252, and one page.
        Preview pages;
        pages.FontName("Times New Roman"), pages.ForeColor(255), pages.FontSize(12), pages.FontBold(false);
        pages.FontUnderline(false), pages.AddTextAt("Première page, 12 points", "1 in", "1 in");
        pages.FontName("Arial"), pages.ForeColor(0xFF0000), pages.AddTextAt("Ελληνικά and € {braces}");
        pages.FontName("Times New Roman"), pages.ForeColor(255), pages.AddTextAt("Times again");
        pages.AddPage(), pages.PageSize(prPSLetter), pages.AddTextAt("Letter page", "1 in", "1 in");
        pages.AddPage(), pages.PageSize(prPSA5), pages.Orientation(prORLandscape);
        pages.AddTextAt("Landscape A5 \xF0\x9F\x98\x80 Кириллица", "1 in", "1 in");
        both("pages", pages);
        Preview one;
        one.AddTextAt("One page");
        one.DrawPictureMemory(tiny(), "1 in", "2 in");
        both("one", one);
    }
    // LibreOffice is slow to start: every file goes through one call, when first needed.
    static const ToolResult& converted() {
        static const ToolResult result = [] {
            const std::string profile = "/tmp/kalder-lo-" + std::to_string(::getpid());
            ToolResult r = runTool("soffice --headless -env:UserInstallation=file://" + profile +
                                   " --convert-to pdf --outdir '" + dir->file("lo") + "'" + files);
            runTool("rm -rf " + profile);
            return r;
        }();
        return result;
    }
    static void TearDownTestSuite() { delete dir; }
    static std::string lo(const std::string& name) { return dir->file("lo/" + name + ".pdf"); }
    static std::string ours(const std::string& name) { return dir->file(name + ".pdf"); }

    static ScratchDir* dir;
    static std::string files;
};
ScratchDir* RtfFile::dir = nullptr;
std::string RtfFile::files;

// Each page's width and height in points, as pdfinfo gives them.
std::vector<double> pageSizes(const std::string& pdf) {
    const std::string out = runTool("pdfinfo -f 1 -l 9999 '" + pdf + "'").output;
    static const std::regex size(R"(Page +\d+ size: +([\d.]+) x ([\d.]+))");
    std::vector<double> sizes;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), size); it != std::sregex_iterator(); ++it)
        sizes.push_back(std::stod((*it)[1])), sizes.push_back(std::stod((*it)[2]));
    return sizes;
}

// The words of each page, as pdftotext -bbox finds them, with their left and right edges.
struct Word {
    std::string text;
    double xMin, xMax;
};
std::vector<std::vector<Word>> wordsOf(const std::string& pdf) {
    std::vector<std::vector<Word>> pages;
    const std::string out = runTool("pdftotext -bbox '" + pdf + "' -").output;
    static const std::regex item(R"re(<page |<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)"[^>]*>([^<]*)<)re");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), item); it != std::sregex_iterator(); ++it) {
        if ((*it)[1].length() == 0) pages.emplace_back();
        else pages.back().push_back({(*it)[3], std::stod((*it)[1]), std::stod((*it)[2])});
    }
    return pages;
}

TEST_F(RtfFile, LibreOfficeShowsWhatOurPdfShows) {
    ASSERT_EQ(converted().status, 0) << converted().output;
    // Pages, their sizes and their text. LibreOffice keeps page sizes in hundredths of a
    // millimetre, and takes a size within a fraction of a point of a paper format as that format.
    for (const char* doc : {"pages", "one"}) {
        SCOPED_TRACE(doc);
        EXPECT_EQ(pdfInfo(lo(doc), "Pages"), pdfInfo(ours(doc), "Pages"));
        const auto a = pageSizes(lo(doc)), b = pageSizes(ours(doc));
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 0.5) << i;
    }
    // Our PDF's single-byte text has no Greek or Cyrillic; LibreOffice's has it all.
    EXPECT_EQ(runTool("pdftotext -layout '" + lo("pages") + "' - | tr -s ' \\n\\f' ' '").output,
              "Première page, 12 points Ελληνικά and € {braces} Times again Letter page Landscape A5 😀 Кириллица ");
    // Every kind, a page each.
    ASSERT_EQ(pdfInfo(lo("kinds"), "Pages"), std::to_string(kKinds.size()));
    // At 72 dots per inch a pixel is a point.
    for (const auto& [name, pdf] : {std::pair{"lo", lo("kinds")}, std::pair{"ours", ours("kinds")}})
        ASSERT_EQ(runTool("pdftoppm -r 72 -png '" + pdf + "' '" + dir->file(name) + "'").status, 0);
    const auto loWords = wordsOf(lo("kinds")), ourWords = wordsOf(ours("kinds"));
    int page = 0;
    forEachRow(kKinds, [&](const Kind& kind) {
        ++page;
        const std::string suffix = (page < 10 ? "-0" : "-") + std::to_string(page) + ".png";
        const QImage loPage(QString::fromStdString(dir->file("lo") + suffix));
        const QImage ourPage(QString::fromStdString(dir->file("ours") + suffix));
        const auto theirs = inkOf(loPage), mine = inkOf(ourPage);
        ASSERT_FALSE(mine.empty());
        SCOPED_TRACE(::testing::Message() << "LibreOffice " << theirs << ", ours " << mine);
        if (kind.compare == Kind::Turned) {
            // Three 30-point letters: taller than a line of them unturned.
            EXPECT_GT(theirs.bottom - theirs.top, 30);
            return;
        }
        EXPECT_LE(offBy(theirs, mine), 2);
        if (kind.compare == Kind::Ink) return;
        // Where the ink lies, not only its box (a line's direction, a fill): ink of one page
        // that the other lacks, as a share of the ink of either. Figures differ by a few
        // per cent, text by what two font rasterisers make of the same glyphs.
        long either = 0, differing = 0;
        for (int y = 0; y < std::min(loPage.height(), ourPage.height()); ++y)
            for (int x = 0; x < std::min(loPage.width(), ourPage.width()); ++x) {
                const bool p = !isWhite(loPage.pixel(x, y)), q = !isWhite(ourPage.pixel(x, y));
                either += p || q, differing += p != q;
            }
        EXPECT_LT(static_cast<double>(differing) / static_cast<double>(either), 0.5);
        const auto& a = loWords.at(page - 1);
        const auto& b = ourWords.at(page - 1);
        ASSERT_EQ(a.size(), b.size());
        // Across, by the words' boxes; up and down, the boxes follow each file's font
        // descriptors, so the ink above says where the text is.
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].text, b[i].text);
            EXPECT_NEAR(a[i].xMin, b[i].xMin, 2) << a[i].text;
            EXPECT_NEAR(a[i].xMax, b[i].xMax, 2) << a[i].text;
        }
    });
}

TEST_F(RtfFile, SectionsAndTablesInTheBytes) {
    const std::string one = dir->read("one.rtf"), pages = dir->read("pages.rtf");
    const std::regex sect("\\\\sect\r\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(one.begin(), one.end(), sect), {}), 0);
    EXPECT_EQ(std::distance(std::sregex_iterator(pages.begin(), pages.end(), sect), {}), 2);
    // Fonts and colours in order of first use, each once; a 12-point run is "\fs24".
    EXPECT_EQ(pages.substr(0, pages.find("\\pgwsxn")),
              "{\\rtf\r\n{\\fonttbl\r\n{\\f1 Times New Roman;}\r\n{\\f2 Arial;}\r\n}\r\n{\\colortbl;\r\n"
              "\\red255\\green0\\blue0;\r\n\\red0\\green0\\blue255;\r\n\\red0\\green0\\blue0;\r\n}\r\n"
              "\\ansi\\ftnbj\\sectd\r\n");
    EXPECT_NE(pages.find("{\\shptxt \\f1 \\fs24\\b0\\i0\\strike0\\ul0{\\cf1 Premi\\'e8re page"), std::string::npos);
    EXPECT_EQ(one.substr(one.size() - 3), "}\r\n");
    // A JPEG file goes in as its own bytes.
    EXPECT_NE(dir->read("kinds.rtf").find("{\\pict\\jpegblip\r\nFFD8FF"), std::string::npos);
    // The picture's PNG, as Qt's PNG reader decodes it: the same pixels.
    const std::size_t png = one.find("{\\pict\\pngblip\r\n");
    ASSERT_NE(png, std::string::npos);
    const std::string hex = one.substr(png + 15, one.find('}', png) - png - 15);
    const QImage decoded = QImage::fromData(QByteArray::fromHex(QByteArray::fromStdString(hex)), "PNG");
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32), tiny());
}

}  // namespace
