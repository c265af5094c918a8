// HTML pages as headless Chromium shows them (each frame's text inside its layer, at its
// place), their fixed head, the text file against pdftotext's reading of our own PDF, and
// page keys that would leave the export folder.
#include <regex>

#include "core/Version.h"
#include "document/cDocument.h"
#include "support/Ink.h"
#include "support/Printing.h"

using namespace kalder;
using namespace kalder::test;

namespace {

// The words of a text, tags aside, with each page heading or form feed as the word "|".
std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(std::regex_replace(std::regex_replace(text, std::regex("<[^>]*>"), " "),
                                             std::regex("Page: .*|\f"), " | "));
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST(HtmlText, ChromiumShowsEachFramesTextInItsLayerAtItsPlace) {
    ScratchDir dir;
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in");
    pv.AddFrame("box", "4 in", "7 in", "3 in", "1 in");
    pv.AddPage(), pv.AddTextAt("Second page", 0, 0);
    // Text of each colour, and where its ink starts: frame, x (the right end for the box's
    // right-aligned line) and y in twips.
    struct Row { const char* name; const char* frame; std::int32_t color, x, y; int align = prALLeft; };
    const std::vector<Row> rows = {{"inside", "inside", 0x0000FF, 1440, 720}, {"header", "header", 0xFF0000, 2880, 0},
                                   {"box, right-aligned", "box", 0x00C000, 2880, 360, prALRight}};
    pv.CurrentPage("Page 1");
    for (const Row& r : rows)
        pv.CurrentFrame(r.frame), pv.ForeColor(r.color), pv.AddTextAt("Ledger & <sums>", r.x, r.y, r.align);
    const std::string site = dir.file("out/site");  // a missing folder, with its parent
    pv.ExportHTML(site);
    const std::string html = readFile(site + "/Page 1.htm");
    EXPECT_EQ(html.substr(0, html.find("<div style")),  // the head, then the inside frame's layer
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<HTML>\r\n<HEAD>\r\n   <META NAME=\"GENERATOR\" "
              "CONTENT=\"Kalder " KALDER_VERSION_STRING "\">\r\n</HEAD>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">\r\n"
              "<div id=\"Layer1\" style=\"position:absolute; left:96px; top:144px; width:602px; height:883px; z-index:1\">\r\n");
    EXPECT_NE(html.find(">Ledger &amp; &lt;sums&gt;</div>\r\n</div>\r\n</BODY>\r\n</HTML>\r\n"), std::string::npos);
    const auto shot = [&](const std::string& page) {  // as Chromium shows the page
        runTool("chromium --headless --no-sandbox --disable-gpu --window-size=800,1130 --screenshot=" +
                dir.file("shot.png") + " 'file://" + site + "/" + page + "'");
        return QImage(QString::fromStdString(dir.file("shot.png")));
    };
    const InkBox second = inkOf(shot("Page%202.htm"));  // at the corner of its margin-less page
    EXPECT_TRUE(second.left <= 3 && second.top <= 8 && second.right > 50) << second;
    const QImage first = shot("Page%201.htm");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto frame = pv.document().pages().Item(1)->Frames().Item(std::string_view(r.frame));
        const InkBox ink = inkOf(first, [&](QRgb c) {
            return std::abs(qRed(c) - (r.color & 0xFF)) + std::abs(qGreen(c) - (r.color >> 8 & 0xFF)) +
                           std::abs(qBlue(c) - (r.color >> 16)) < 200; });
        const int x = (frame->xPos + r.x) / 15, top = (frame->yPos + r.y) / 15;
        EXPECT_LE(std::abs((r.align == prALRight ? ink.right : ink.left) - x), 3) << ink;
        EXPECT_TRUE(ink.top >= top && ink.top <= top + 8) << ink;
    }
}

TEST(HtmlText, TheTextFileHoldsTheWordsPdftotextReadsPageByPage) {
    ScratchDir dir;
    Preview pv;
    for (int i = 1; i <= 90; ++i)
        pv.AddTextAt("Line " + std::to_string(i) + " of the ledger, & more", Variant::missing(), Variant::missing(),
                     prALLeft, prASPage);
    pv.AddPage();
    std::string para = "A paragraph with <bd 1>bold<bd 0> words";
    pv.ParaText(para);
    pv.AddPage();  // nothing but its heading
    pv.ExportText(dir.file("doc.txt"));
    pv.ExportPDF(dir.file("doc.pdf"));
    const std::string text = dir.read("doc.txt");
    EXPECT_NE(text.find("\r\nPage: Page 3\r\n\r\nA paragraph with <bd 1>bold<bd 0> words\r\nPage: Page 4\r\n\r\n"),
              std::string::npos);
    // A form feed before each page, as the text file has a heading there.
    std::string pdf = "\f" + runTool("pdftotext -enc UTF-8 '" + dir.file("doc.pdf") + "' -").output;
    pdf.pop_back();
    EXPECT_EQ(joined(wordsOf(text).size(), pdfInfo(dir.file("doc.pdf"), "Pages")), "639|4|");
    EXPECT_EQ(wordsOf(text), wordsOf(pdf));
}

TEST(HtmlText, PageKeysThatLeaveTheFolderWriteNothing) {
    struct Row { const char* name; std::string key; };
    forEachRow<Row>({{"empty", ""}, {"parent", ".."}, {"slash", "../up"}, {"backslash", "a\\b"},
                     {"nul", std::string("a\0b", 3)}}, [](const Row& row) {
        ScratchDir dir;
        Preview pv;
        pv.AddPage();
        pv.document().pages().Item(2)->Key = row.key;  // the first page's key is a good one
        EXPECT_THAT(errorOf([&] { pv.ExportHTML(dir.file("site")); }),
                    IsError(52, "ExportHTML", "Bad file name or number : " + row.key));
        EXPECT_TRUE(dir.entries().empty());  // not even the folder
    });
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.ExportHTML(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_EQ(errorOf([&] { pv.ExportText("/nonexistent-folder/doc.txt"); })->number(), 75);
}

}  // namespace
