// The files as readers see them, checked with tools nobody here wrote (qpdf, poppler's pdfinfo
// and pdftotext, file): the simplest PDF's structure, page sizes, the page limit, reproducible
// bytes, text runs, page images, and failures that leave no file behind.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <regex>
#include <string>

#include "export/PdfFonts.h"
#include "export/PdfWriter.h"
#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace fs = std::filesystem;
using kalder::test::errorOf;
using kalder::test::IsError;
using kalder::test::pdfInfo;
using kalder::test::runTool;
using kalder::test::ScratchDir;

namespace {

TEST(PdfFile, OneEmptyPageHasExactlyTheObjectsAndCrossReferenceOfTheSimplestFile) {
    ScratchDir dir;
    kalder::Preview pv;
    pv.ExportPDF(dir.file("empty.pdf"));
    EXPECT_TRUE(kalder::test::PassesQpdf(dir.file("empty.pdf")));
    const std::string pdf = dir.read("empty.pdf");
    ASSERT_EQ(pdf.rfind("%PDF-1.4 \r\n", 0), 0u);
    // Objects in file order: info, encoding, page, content, length, resources, catalog, pages.
    std::regex obj(R"((\d+) 0 obj\r\n)");
    std::vector<int> order;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), obj); it != std::sregex_iterator(); ++it)
        order.push_back(std::stoi((*it)[1]));
    EXPECT_EQ(order, (std::vector<int>{1, 4, 6, 7, 8, 5, 2, 3}));
    // Nine cross-reference entries of twenty bytes, each pointing at its object.
    const std::size_t xref = pdf.find("xref\r\n0 9\r\n");
    ASSERT_NE(xref, std::string::npos);
    const std::size_t entries = xref + std::string("xref\r\n0 9\r\n").size();
    EXPECT_EQ(pdf.substr(entries, 20), "0000000000 65535 f\r\n");
    for (int n = 1; n <= 8; ++n) {
        const std::string entry = pdf.substr(entries + 20 * static_cast<std::size_t>(n), 20);
        ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << entry;
        const std::string obj = std::to_string(n) + " 0 obj";
        EXPECT_EQ(pdf.compare(std::stoul(entry.substr(0, 10)), obj.size(), obj), 0) << n;
    }
    EXPECT_NE(pdf.find("startxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("/Creator (Kalder)"), std::string::npos);
    EXPECT_NE(pdf.find("/Producer (Kalder "), std::string::npos);
    // The creator and title come from the document information.
    pv.DocInfoSet("Creator", "Ledger 2");
    pv.DocInfoSet("Title", "Quarterly");
    pv.ExportPDF(dir.file("creator.pdf"));
    EXPECT_EQ(pdfInfo(dir.file("creator.pdf"), "Creator") + "/" + pdfInfo(dir.file("creator.pdf"), "Title"),
              "Ledger 2/Quarterly");
}

TEST(PdfFile, PdfinfoReadsThePageSizeOfThePaper) {
    struct Row {
        int paperSize, orientation;
        const char* pdfinfoSize;  // as pdfinfo prints it
    };
    ScratchDir dir;
    for (const Row& row : {Row{kalder::prPSA4, kalder::prORPortrait, "595.5 x 841.9 pts (A4)"},
                           Row{kalder::prPSA4, kalder::prORLandscape, "841.9 x 595.5 pts (A4)"},
                           Row{kalder::prPSLetter, kalder::prORPortrait, "612 x 792 pts (letter)"},
                           Row{kalder::prPSLegal, kalder::prORPortrait, "612 x 1008 pts"},
                           Row{kalder::prPSA3, kalder::prORPortrait, "841.9 x 1190.55 pts (A3)"},
                           Row{kalder::prPSA5, kalder::prORLandscape, "595.5 x 419.55 pts"},
                           Row{kalder::prPSEnvDL, kalder::prORPortrait, "311.8 x 623.6 pts"}}) {
        SCOPED_TRACE(row.pdfinfoSize);
        kalder::Preview pv;
        const auto missing = kalder::Variant::missing();
        pv.AddFirstPage(missing, missing, missing, missing, missing, missing, row.paperSize);
        pv.Orientation(row.orientation);
        pv.ExportPDF(dir.file("paper.pdf"));
        EXPECT_TRUE(kalder::test::PassesQpdf(dir.file("paper.pdf")));
        EXPECT_EQ(pdfInfo(dir.file("paper.pdf"), "Page size"), row.pdfinfoSize);
    }
}

TEST(PdfFile, FiveThousandPagesAreWrittenAndOneMoreIsRefusedWithoutTouchingTheTarget) {
    ScratchDir dir;
    const std::string file = dir.file("limit.pdf");
    kalder::Preview pv;
    for (int i = 1; i < kalder::kMaxPdfPages; ++i) pv.AddPage();
    ASSERT_EQ(pv.TotalPages(), kalder::kMaxPdfPages);
    pv.ExportPDF(file);
    EXPECT_EQ(pdfInfo(file, "Pages"), "5000");
    const auto size = fs::file_size(file);
    pv.AddPage();
    EXPECT_THAT(errorOf([&] { pv.ExportPDF(file); }),
                IsError(9, "ExportPDF", "More than 5000 pages cannot be written to one PDF file"));
    EXPECT_EQ(fs::file_size(file), size) << "the previous file stays as it was";
}

TEST(PdfFile, AFixedCreationDateGivesTheSameBytesTwice) {
    ScratchDir dir;
    kalder::Preview pv;
    pv.AddFrame("box", "1 in", "1 in", "2 in", "1 in");
    pv.ShowBorder(true);
    kalder::PdfOptions options;
    options.creationTime = 86400 * 365;
    kalder::PdfWriter(options).write(pv.document(), dir.file("a.pdf"));
    kalder::PdfWriter(options).write(pv.document(), dir.file("b.pdf"));
    EXPECT_EQ(dir.read("a.pdf"), dir.read("b.pdf"));
    EXPECT_NE(dir.read("a.pdf").find("/CreationDate (D:1971"), std::string::npos);
}

TEST(Exports, ReportEachPageAndACancelKeepsThePreviousFileAndNoTemporaryOne) {
    struct Row {
        const char* name;
        void (kalder::Preview::*write)(const std::string&);
    };
    kalder::test::forEachRow<Row>({{"ExportPDF", &kalder::Preview::ExportPDF},
                                   {"ExportRTF", &kalder::Preview::ExportRTF},
                                   {"ExportText", &kalder::Preview::ExportText}},
                                  [](const Row& row) {
        ScratchDir dir;
        const std::string file = dir.file("out");
        kalder::Preview pv;
        for (int i = 0; i < 3; ++i) {
            if (i) pv.AddPage();
            pv.AddTextAt("page");
        }
        std::string seen;
        bool stop = false;
        pv.onProgress = [&](std::int32_t done, std::int32_t total, bool& cancel) {
            seen += std::to_string(done) + "/" + std::to_string(total) + " ";
            cancel = stop && done == 2;
        };
        (pv.*row.write)(file);
        const std::string before = dir.read("out");
        stop = true;
        EXPECT_THAT(errorOf([&] { (pv.*row.write)(file); }), IsError(18, row.name, "User interrupt occurred"));
        EXPECT_EQ(seen, "1/3 2/3 3/3 1/3 2/3 ");
        EXPECT_EQ(dir.read("out"), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
    });
}

TEST(PdfFile, InformationWithParenthesesBackslashesOrGreekReadsBackExactly) {
    ScratchDir dir;
    kalder::Preview pv;
    pv.DocInfoSet("Title", "a) b\\ (c) /Author (x)");
    pv.DocInfoSet("Subject", "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC \xE2\x82\xAC");
    pv.ExportPDF(dir.file("info.pdf"));
    EXPECT_TRUE(kalder::test::PassesQpdf(dir.file("info.pdf")));
    EXPECT_EQ(pdfInfo(dir.file("info.pdf"), "Title"), "a) b\\ (c) /Author (x)");
    EXPECT_EQ(pdfInfo(dir.file("info.pdf"), "Subject"), "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC \xE2\x82\xAC");
    EXPECT_EQ(pdfInfo(dir.file("info.pdf"), "Author"), "");
}

TEST(PdfFile, AMissingFolderOrNameRaisesAndLeavesNothing) {
    ScratchDir dir;
    kalder::Preview pv;
    EXPECT_THAT(errorOf([&] { pv.ExportPDF(""); }), IsError(-69, "Kalder", "The filename is missing"));
    auto e = errorOf([&] { pv.ExportPDF(dir.file("no-such/x.pdf")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 75);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(PdfText, ParenthesesBackslashesAndWindows1252CharactersReadBackAsWritten) {
    ScratchDir dir;
    kalder::Preview pv;
    pv.FontUnderline(false);
    const std::string cafe = "Caf\xC3\xA9 costs 5 \xE2\x82\xAC \xE2\x80\x94 \xE2\x80\x9Cquoted\xE2\x80\x9D";
    pv.AddTextAt("f(x) = (a) \\ b)");
    pv.AddTextAt(cafe);
    const std::string greek = "Omega \xCE\xA9 and alpha \xCE\xB1";  // not in Windows-1252: an embedded font
    pv.AddTextAt(greek);
    pv.ExportPDF(dir.file("text.pdf"));
    const std::string text = runTool("pdftotext -enc UTF-8 '" + dir.file("text.pdf") + "' -").output;
    EXPECT_NE(text.find("f(x) = (a) \\ b)"), std::string::npos) << text;
    EXPECT_NE(text.find(cafe), std::string::npos) << text;
    EXPECT_NE(text.find(greek), std::string::npos) << text;
    EXPECT_EQ(pv.PDFReplacedCharacters(), 0);
}

TEST(PdfFonts, BaseFontsFollowTheNameAndEmphasisAndTrueTypeWidthsAreFixed) {
    struct Row { const char* font; bool bold, italic; const char* base; };
    for (const Row& r :
         {Row{"Courier New", false, false, "Courier"}, {"Courier New", true, true, "Courier-BoldOblique"},
          {"Courier New", false, true, "Courier-Oblique"}, {"Verdana", true, true, "Verdana,Bold"},
          {"Tahoma", true, false, "Tahoma,Bold"}, {"Wingdings", true, false, "Wingdings-symbol"},
          {"Helvetica", true, true, "Helvetica-BoldOblique"}, {"Times New Roman", false, false, "Times-Roman"},
          {"Times New Roman", true, true, "Times-BoldItalic"}, {"ZapfDingbats", true, false, "ZapfDingbats"},
          {"Symbol", false, false, "Symbol"}, {"Liberation Serif", true, true, "Arial,BoldItalic"},
          {"Arial", false, true, "Arial,Italic"}, {"Garamond", false, false, "Arial"}}) {
        kalder::cStyle s;
        s.FontName = r.font;
        s.Bold = r.bold;
        s.Italic = r.italic;
        EXPECT_EQ(kalder::pdf::baseFontName(s), r.base) << r.font << " bold=" << r.bold << " italic=" << r.italic;
    }
    const auto verdana = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Verdana"));
    const auto bold = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Verdana,Bold"));
    const auto tahoma = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Tahoma"));
    EXPECT_EQ(std::vector<int>({verdana[0], verdana[31], verdana[' '], verdana['5'], verdana['A'], bold[' '], bold['0'],
                                bold['A'], tahoma[' '], tahoma['w'], tahoma[128]}),
              std::vector<int>({1000, 1000, 352, 636, 684, 342, 711, 776, 313, 742, 471}));
    for (int c = 32; c < 127; ++c) EXPECT_GT(tahoma[c], 0) << "code " << c << " has a width";
    EXPECT_EQ(kalder::pdf::trueTypeFont("Arial"), nullptr);
}

// Three A4 pages, each with a bordered frame 1 inch from the top left, 2 x 1 in.
void threePages(kalder::Preview& pv) {
    for (int i = 0; i < 3; ++i) {
        if (i > 0) pv.AddPage();
        pv.AddFrame("box", "1 in", "1 in", "2 in", "1 in");
        pv.ShowBorder(true);
    }
}

TEST(PageImages, OneNumberedFileAPageOfThePageSizeAsFileReadsIt) {
    ScratchDir dir;
    kalder::Preview pv;
    threePages(pv);
    pv.ExportBMP(dir.file("page"));
    pv.ExportJPG(dir.path().string() + "/");  // a location ending in a separator names files by number only
    // A4 is 11910 x 16838 twips; 15 twips a pixel at 96 dots per inch.
    for (int n = 1; n <= 3; ++n) {
        const std::string bmp = runTool("file -b '" + dir.file("page" + std::to_string(n) + ".bmp") + "'").output;
        EXPECT_NE(bmp.find("PC bitmap"), std::string::npos) << bmp;
        EXPECT_NE(bmp.find("794 x 1123 x 24"), std::string::npos) << bmp;
        const std::string jpg = runTool("file -b '" + dir.file(std::to_string(n) + ".jpg") + "'").output;
        EXPECT_NE(jpg.find("JPEG image data"), std::string::npos) << jpg;
        EXPECT_NE(jpg.find("794x1123"), std::string::npos) << jpg;
    }
    EXPECT_FALSE(fs::exists(dir.file("page4.bmp")));
    EXPECT_FALSE(fs::exists(dir.file("page0.bmp")));
    // Quality 90 keeps the one-pixel black border dark and the paper white.
    QImage jpeg(dir.file("1.jpg").c_str());
    EXPECT_LT(qGray(jpeg.pixel(96, 144)), 100);
    EXPECT_GT(qGray(jpeg.pixel(400, 700)), 245);
}

TEST(PageImages, AFrameBorderLandsWhereItsTwipsSayAtFullAndHalfZoom) {
    kalder::Preview pv;
    threePages(pv);
    for (double zoom : {1.0, 0.5}) {
        // The box runs from 1 in to 3 in across and 1 in to 2 in down: 96 pixels an inch at 100 %.
        const QImage img = kalder::test::pageImage(pv, 1, zoom);
        const auto ink = kalder::test::inkOf(img);
        EXPECT_EQ(std::vector<int>({ink.left, ink.top, ink.right, ink.bottom}),
                  std::vector<int>({int(96 * zoom), int(96 * zoom), int(288 * zoom), int(192 * zoom)}))
            << zoom;
        EXPECT_EQ(img.pixelColor(int(96 * zoom), int(144 * zoom)), Qt::black) << zoom;
        EXPECT_EQ(img.pixelColor(int(192 * zoom), int(144 * zoom)), Qt::white) << zoom;
    }
}

TEST(PageImages, FailuresRaiseAndLeaveNoLeftovers) {
    ScratchDir dir;
    kalder::Preview pv;
    threePages(pv);
    const std::string missing = dir.file("no-such-folder/p");
    auto jpg = errorOf([&] { pv.ExportJPG(missing); });
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->number(), 26001);
    EXPECT_EQ(jpg->source(), "Kalder.JpegWriter");
    EXPECT_EQ(jpg->description().rfind("Failed to save to JPG " + missing + "1.jpg", 0), 0u) << jpg->description();
    auto bmp = errorOf([&] { pv.ExportBMP(missing); });
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->number(), 75);
    EXPECT_EQ(bmp->source(), "ExportBMP");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    // Page 2's name is taken by a folder: page 1 is written, page 2 fails, page 3 is not tried,
    // and no temporary file is left beside the targets.
    fs::create_directories(dir.path() / "p2.jpg");
    EXPECT_EQ(errorOf([&] { pv.ExportJPG(dir.file("p")); })->number(), 26001);
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "p1.jpg"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    // The largest page (200 inches square) is beyond any image: refused before its pixels are
    // allocated.
    kalder::Preview huge;
    huge.PageSize(kalder::prPSUserDefine), huge.PageWidth(288000), huge.PageHeight(288000);
    EXPECT_THAT(errorOf([&] { huge.ExportBMP(dir.file("huge")); }),
                IsError(7, "ExportBMP", "Page 1 would be an image of 19200 x 19200 pixels, beyond the limit of "
                                        "268435456 pixels"));
}

}  // namespace
