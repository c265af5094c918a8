// Text in scripts beyond Windows-1252, judged by poppler and qpdf: the fonts are embedded
// subsets with ToUnicode maps (pdffonts), the text reads back exactly (pdftotext), the file is
// sound (qpdf --check), and pdftoppm draws the glyphs where the page image has them, within
// the tolerance of the Latin text line in PdfPixelsTest.
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "export/PdfWriter.h"
#include "kalder/Preview.h"
#include "support/Ink.h"
#include "support/TableTest.h"
#include "support/Tools.h"

using namespace kalder;
using namespace kalder::test;

namespace {

struct Row {
    const char* name;
    const char* text;
    bool readsBack = true;  // right-to-left text: poppler's reading order is its own
};

// Lines of pdffonts' table whose emb, sub and uni columns are not all "yes"; -1 without fonts.
int fontsNotEmbedded(const std::string& pdf) {
    std::istringstream table(runTool("pdffonts '" + pdf + "'").output);
    std::string line;
    int fonts = 0, bad = 0;
    for (int n = 0; std::getline(table, line); ++n) {
        if (n < 2) continue;
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        ++fonts;
        bad += w.size() < 5 || w[w.size() - 5] != "yes" || w[w.size() - 4] != "yes" || w[w.size() - 3] != "yes";
    }
    return fonts ? bad : -1;
}

// pdftoppm's page 1 against our page image at 150 dpi: how far the ink boxes stand apart, and
// the share of ink pixels that differ.
std::pair<int, double> pixels(Preview& pv, const std::string& pdf, const ScratchDir& dir) {
    runTool("pdftoppm -r 150 -f 1 -l 1 -png -singlefile '" + pdf + "' '" + dir.file("page") + "'");
    const QImage theirs(dir.file("page.png").c_str()), ours = pageImage(pv, 1, 1.0, "", 150);
    const auto ink = [](QRgb p) { return qGray(p) < 245; };
    const int w = std::min(ours.width(), theirs.width()), h = std::min(ours.height(), theirs.height());
    long either = 0, differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) either += ink(ours.pixel(x, y)) || ink(theirs.pixel(x, y)),
                                    differing += ink(ours.pixel(x, y)) != ink(theirs.pixel(x, y));
    return {offBy(inkOf(ours, ink, w, h), inkOf(theirs, ink, w, h)), either ? double(differing) / either : 1.0};
}

TEST(PdfScripts, EmbeddedSubsetsReadBackAndDrawWhereThePageImageDoes) {
    forEachRow<Row>(
        {{"Russian", "Съешь же ещё этих мягких французских булок"},
         {"Greek", "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία"},
         {"Polish", "Zażółć gęślą jaźń"},
         {"Turkish", "Pijamalı hasta yağız şoföre çabucak güvendi"},
         {"Chinese", "我能吞下玻璃而不伤身体"},
         {"symbols beyond Windows-1252", "Go → next, x ≤ 5, 10 € paid ✓"},
         {"Hebrew, right to left", "שלום עולם", false},
         {"Arabic, shaped and right to left", "مرحبا بالعالم", false}},
        [](const Row& row) {
            const ScratchDir dir;
            const std::string pdf = dir.file("s.pdf");
            Preview pv;
            pv.FontUnderline(false);
            pv.FontSize(20);
            pv.AddTextAt(row.text, "1 in", "1 in");
            pv.ExportPDF(pdf);
            EXPECT_EQ(pv.PDFReplacedCharacters(), 0);
            ASSERT_TRUE(PassesQpdf(pdf));
            EXPECT_EQ(fontsNotEmbedded(pdf), 0);
            if (row.readsBack)
                EXPECT_EQ(runTool("pdftotext -enc UTF-8 '" + pdf + "' -").output, std::string(row.text) + "\n\n\f");
            const auto [off, share] = pixels(pv, pdf, dir);
            EXPECT_LE(off, 2);
            EXPECT_LT(share, 0.25);
        });
}

TEST(PdfScripts, TheOptionEmbedsTheBaseFamiliesAndLatinTextStaysAsItWasWithout) {
    const ScratchDir dir;
    Preview pv;
    pv.FontSize(24);
    pv.FontUnderline(false);
    pv.AddTextAt("Plain Latin text, caf\xC3\xA9 5 \xE2\x82\xAC", "1 in", "1 in");
    pv.ExportPDF(dir.file("plain.pdf"));
    EXPECT_EQ(runTool("pdffonts '" + dir.file("plain.pdf") + "'").output.find("yes"), std::string::npos);
    pv.PDFEmbedFonts(true);
    pv.ExportPDF(dir.file("embedded.pdf"));
    EXPECT_EQ(fontsNotEmbedded(dir.file("embedded.pdf")), 0);
    EXPECT_EQ(runTool("pdftotext -enc UTF-8 '" + dir.file("embedded.pdf") + "' -").output,
              "Plain Latin text, caf\xC3\xA9 5 \xE2\x82\xAC\n\n\f");
    EXPECT_LT(pixels(pv, dir.file("embedded.pdf"), dir).second, 0.25);
}

TEST(PdfScripts, ABrokenFontFallsBackToTheSingleByteTextAndAMissingCharacterIsCounted) {
    const ScratchDir dir;
    Preview pv;
    pv.AddTextAt("Abc \xD0\x96\xD0\xB6");  // two Cyrillic letters
    PdfOptions options;
    // Every table cut to half its length: HarfBuzz cannot read the font.
    options.fontTableFilter = [](std::uint32_t, QByteArray& table) { table.truncate(table.size() / 2); };
    EXPECT_EQ(PdfWriter(options).write(pv.document(), dir.file("broken.pdf")).replacedCharacters, 2u);
    ASSERT_TRUE(PassesQpdf(dir.file("broken.pdf")));
    EXPECT_EQ(fontsNotEmbedded(dir.file("broken.pdf")), 1);
    EXPECT_EQ(runTool("pdftotext '" + dir.file("broken.pdf") + "' -").output, "Abc ??\n\n\f");

    Preview missing;
    missing.AddTextAt("x \xF4\x8F\xBF\xBD y");  // a private-use character no font has
    missing.ExportPDF(dir.file("missing.pdf"));
    EXPECT_EQ(missing.PDFReplacedCharacters(), 1);
    ASSERT_TRUE(PassesQpdf(dir.file("missing.pdf")));
}

}  // namespace
