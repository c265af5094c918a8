// RTF import: what each keyword writes, tables, groups, escapes, line ends, the result codes and
// hostile input; RtfImport and ShowRTF with files; and RTF files LibreOffice wrote.
#include "richtext/RtfReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "core/Limits.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/RtfKeywords.h"
#include "richtext/cParaText.h"
#include "support/ErrorMatchers.h"
#include "support/Paragraphs.h"
#include "support/RecordedCalls.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using namespace test;
using ::testing::ElementsAre;

// Each page: its key, margins, and its "inside" frame's paragraphs as "y height width next",
// "empty" after a paragraph without lines.
std::string insideParagraphs(Preview& pv) {
    std::string out;
    for (const auto& page : pv.document().pages()) {
        out += page->Key + " " + std::to_string(page->PageMarginLeft) + "," + std::to_string(page->PageMarginRight) +
               "," + std::to_string(page->PageMarginTop) + "," + std::to_string(page->PageMarginBottom) + ":";
        for (const auto& e : page->Frames().Item(std::string_view("inside"))->Elements())
            if (auto p = std::dynamic_pointer_cast<cParaText>(e))
                out += " " + std::to_string(p->yPos) + " " + std::to_string(p->Height) + " " +
                       std::to_string(p->Width) + " " + std::to_string(p->NextY) +
                       (p->TextLines.empty() ? " empty" : "");
        out += "\n";
    }
    return out;
}

// The words every page prints, page after page.
std::vector<std::string> wordsDrawn(Preview& pv) {
    std::string all;
    for (const auto& page : pv.document().pages()) {
        const std::string calls = drawn(pageCalls(pv, *page));
        for (std::size_t at = calls.find('\''), end; at != std::string::npos; at = calls.find('\'', end + 1)) {
            end = calls.find('\'', at + 1);
            all += calls.substr(at + 1, end - at - 1) + " ";
        }
    }
    return wordsOfText(all);
}

// Markup of a successful parse; a failed one shows as its error text. Rows are traced by input.
TEST(RtfImport, Markup) {
    struct Row {
        std::string name, markup;  // the RTF and its markup
    };
    const std::string deepest(limits::kRtfGroupDepth, '{');
    forEachRow<Row>(
        {
            {R"(\b word\b0 rest\b2 x\B y)", "<bd 1>word<bd 0>rest<bd 2>xy"},  // keywords are case-sensitive
            {R"(\i x\i0 y\ul x\ulnone y\strike x\strike0 y)", "<it 1>x<it 0>y<ul 1>x<ul 0>y<st 1>x<st 0>y"},
            {R"(\fs24 x\fs21 y\plain z)", "<fs 12>x<fs 10.5>y<bd 0><it 0><ul 0><fs 12>z"},
            {R"(a\tab b\pard x\par b)", "a<tb>b<fi 0><li 0><ri 0><rr>x<nl>\r\nb"},
            {R"(\tx720\tqr\tqc\tqdec\tldot\tlhyh\tlul\tlth\tleq\ql\qr\qc\qj x)", "<ts 720><rr><rl><ce><ju>x"},
            {R"(\fi-360\li720\ri360 x\li y\li-z)", "<fi -360><li 720><ri 360>x<li 0>y<li 0>-z"},
            {R"(\{a\}\\\bullet\lquote\rquote\ldblquote\rdblquote\endash\emdash)",
             "{a}\\<ac 149><ac 145><ac 146><ac 147><ac 148><ac 150><ac 151>"},
            {R"(\emspace\enspace\~\line\deff1\lang1033\sb240 x\unknownword y)", "<dm><dn><ss><sl>xy"},
            {R"({\private1 hidden}{\private2 shown})", "shown"},  // a table name ending in a digit
            {R"(\b  x\{ y)", "<bd 1> x{ y"},  // one blank is eaten after a control word, none after a symbol
            // Fonts: the default font leads, f switches; font 0 is the default without deff
            {R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;}}\deff1 a\f0 b)",
             "<ff Times New Roman>a<ff Arial>b"},
            {R"({\fonttbl\f0 Arial;\f1 Times;}\f1 x\f7 y)", "<ff Arial><ff Times>xy"},
            {R"({\fonttbl{\f0 Liberation Serif{\*\falt Times};}}x)", "<ff Liberation Serif>x"},
            {R"({\fonttbl{\f0  Caf\'e9 ;}}x)", "<ff Café>x"}, {R"({\fonttbl{\f2 Arial;}}x)", "x"},
            {R"({\fonttbl{\f0 A<b>c;}}x)", "<ff Abc>x"},
            {"{\\fonttbl{\\f0 " + std::string(10000, 'n') + ";}}x",
             "<ff " + std::string(limits::kRtfFontNameBytes, 'n') + ">x"},
            // Colours: index 0 is the automatic entry writers put first; beyond the table is black
            {R"({\colortbl;\red255\green0\blue0;\red0\green128\blue255;}\cf1 a\cf2 b\cf0 c\cf3 d\cf-1 e)",
             "<co 255;0;0>a<co 0;128;255>b<co 0;0;0>c<co 0;0;0>d<co 0;0;0>e"},
            {R"({\colortbl\red10\green20\blue30;\red1\green2\blue3;}\cf0 a\cf1 b)", "<co 10;20;30>a<co 1;2;3>b"},
            {R"({\colortbl\red255\green9;\red256\green-4\blue7;}\cf0 a\cf1 b)", "<co 0;0;0>a<co 255;0;7>b"},
            {R"(\cf1 a)", "<co 0;0;0>a"},
            // Groups restore what they changed, in order, to the value saved
            {R"({\i word} after{b}c)", "<it 1>word<it 0> afterbc"},
            {R"({\fonttbl{\f0 A;}{\f1 B;}}{\colortbl;\red255\green0\blue0;}{\b\i\ul\strike\fs30\f1\cf1 x}y)",
             "<ff A><bd 1><it 1><ul 1><st 1><fs 15><ff B><co 255;0;0>x"
             "<bd 0><it 0><ul 0><st 0><fs 12><ff A><co 0;0;0>y"},
            {R"(\b {\b0 x}y{\i{\ul x}y}z{\b0 x\b }y)", "<bd 1><bd 0>x<bd 1>y<it 1><ul 1>x<ul 0>y<it 0>z<bd 0>x<bd 1>y"},
            {R"({\colortbl;\red1\green2\blue3;}\strike\cf1\plain x)",
             "<st 1><co 1;2;3><bd 0><it 0><ul 0><fs 12><st 0><co 0;0;0>x"},
            {R"(\tx100\pard x\pard y)", "<ts 100><fi 0><li 0><ri 0><rr><tc>x<fi 0><li 0><ri 0><rr>y"},
            // \* skips a group only for an unknown keyword right after it
            {R"(a{\*\generator Writer 1.0;}b{\*\b x}y{\unknownthing shown})", "ab<bd 1>x<bd 0>yshown"},
            {R"({\*\b\unknownthing x}{\*\userprops{\propname a}{\staticval b}}c)", "<bd 1>x<bd 0>c"},
            // Characters: escapes, Windows-1252, control characters dropped
            {"a<b>c\\'3c\\'3e\\'09\\'0a\tcaf\\'e9\\'E9", "a<zl>b<zr>c<zl><zr><tb>\r\n<tb>caféé"},
            {"\\'93x\\'94\xe9\x80\x9f\xa0\xff", "\u201Cx\u201D\u00E9\u20AC\u0178\u00A0\u00FF"},
            {"a\\'00\\'07\\'1f\\'7f\\'20b", "a b"},
            // Line ends are never text but end control words; after a backslash a paragraph end
            {"wo\r\nrd\\b\r\nx\\fs30\ny\\'e\r\n9a\\\r\nb", "word<bd 1>x<fs 15>yéa<nl>\r\nb"},
            // Parameters are clamped, not wrapped; sizes that name no size are ignored
            {R"(\li99999999999999999999999 x\li-99999999999999999999999 y)", "<li 2147483647>x<li -2147483648>y"},
            {R"(\fs99999 x\fs3276 y\fs3275 z\fs a\fs0 b\fs-4 c)", "<fs 1638>x<fs 1638>y<fs 1637.5>zabc"},
            // Binary data is skipped unread, line ends included; a negative count skips nothing
            {"{\\pict\\bin6 }}\\'zz}after\\bin2 \r\nx\\bin-5 y", "afterxy"}, {R"(x\bin99999999 {{{)", "x"},
            // Result codes; a truncated input ends where it ends
            {"", ""}, {"some text}", "Error parsing file:-5"}, {"{a}}", "Error parsing file:-5"},
            {R"(text \'zz)", "Error parsing file:-9"}, {R"(\'4g)", "Error parsing file:-9"},
            {R"({\'})", "Error parsing file:-9"},
            {R"({\info \'zz})", "Error parsing file:-9"},  // even in a skipped group
            {deepest + "x" + std::string(limits::kRtfGroupDepth, '}') + "{y}", "xy"},  // closing frees the depth
            {deepest + "{", "Error parsing file:-4"},
            {R"({\rtf1 {\b text)", "<bd 1>text"}, {R"(x\')", "x"}, {R"(x\'4)", "x"}, {"x\\", "x"},
            {R"(\fs2)", "<fs 1>"},
        },
        [](const Row& row) { EXPECT_EQ(rtf::importRtfText(row.name), row.markup); });
    EXPECT_TRUE(rtf::readRtf("x}").markup.empty());
    EXPECT_EQ(rtf::importRtfText("\\" + std::string(1'000'000, 'a') + " x"), "x");
    EXPECT_EQ(rtf::importRtfText("\\li" + std::string(1'000'000, '9') + " x"), "<li 2147483647>x");
    EXPECT_EQ(rtf::importRtfText(std::string(1'000'000, '{')), "Error parsing file:-4");
    EXPECT_EQ(rtf::importRtfText(std::string(1'000'000, '}')), "Error parsing file:-5");
    // A long font name switched on and off many times: the markup grows with the input only.
    std::string input = "{\\fonttbl{\\f0 A;}{\\f1 " + std::string(100'000, 'n') + ";}}";
    for (int i = 0; i < 20'000; ++i) input += "{\\f1}";
    EXPECT_LT(rtf::importRtfText(input).size(), 20'000u * 2 * (limits::kRtfFontNameBytes + 6));
}

TEST(RtfImport, KeywordTable) {
    int destinations = 0;
    for (const auto& k : rtf::keywordTable()) {
        EXPECT_EQ(rtf::findKeyword(k.name), &k) << k.name;
        // Every skipped destination hides its group, formatting inside it included.
        if (k.kind == rtf::KeywordKind::Destination && ++destinations && k.name != "fonttbl" && k.name != "colortbl")
            EXPECT_EQ(rtf::importRtfText("a{\\" + std::string(k.name) + " hidden \\b\\fs40 text{\\i deeper}}b"), "ab")
                << k.name;
    }
    // 31 skipped destinations and the two tables, 49 other keywords.
    EXPECT_EQ(std::to_string(destinations) + " of " + std::to_string(rtf::keywordTable().size()), "33 of 82");
    EXPECT_EQ(rtf::findKeyword("bx"), nullptr);
    EXPECT_EQ(rtf::findKeyword(""), nullptr);
}

// A document in the shape word processors write: header tables, a style sheet, an
// information group, a picture and formatted paragraphs.
TEST(RtfImport, SampleDocument) {
    Preview pv;
    EXPECT_EQ(pv.RtfImport(std::string(KALDER_TEST_DATA) + "/golden/sample.rtf"),
              "<ff Times New Roman><fi 0><li 0><ri 0><rr><ce><ff Arial><fs 16>Title<nl>\r\n"
              "<fi 0><li 0><ri 0><rr><rr><li 720><ts 2880>Name<tb><bd 1>Value<bd 0> été "
              "<co 255;0;0>red<co 0;0;0><sl>next<nl>\r\n"
              "<ac 147>q<ac 148> a{b}c <zl>tag<zr><nl>\r\n"
              "<fs 12><ff Times New Roman>");  // closing the outer group restores its size and font
}

TEST(RtfImportFile, ReadsTheFileInBinaryAndRaisesWhenItCannot) {
    ScratchDir dir;
    Preview pv;
    EXPECT_EQ(pv.RtfImport(dir.write("bad.rtf", "{\\rtf1 x}}")), "Error parsing file:-5");
    EXPECT_EQ(pv.RtfImport(dir.write("empty.rtf", "")), "");
    EXPECT_THAT(errorOf([&] { pv.RtfImport(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_THAT(errorOf([&] { pv.RtfImport(dir.file("none.rtf")); }),
                IsError(53, "RtfImport", "File not found"));
    EXPECT_THAT(errorOf([&] { pv.RtfImport(dir.path().string()); }), IsError(53, "RtfImport", "File not found"));
    EXPECT_THAT(errorOf([&] { pv.ShowRTF("/nonexistent/kalder.rtf"); }), IsError(53, "RtfImport", "File not found"));
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.document().currentPage()->Frames().Item(std::string_view("inside"))->Elements().Count(), 0);
}

TEST(ShowRtf, ALongDocumentFlowsOverPagesWithEveryWordOnce) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\r\n";
    std::vector<std::string> words;
    for (int p = 1; p <= 60; ++p)
        for (int w = 1; w <= 40; ++w) {
            words.push_back("p" + std::to_string(p) + "w" + std::to_string(w));
            rtf += (w == 1 ? "\\pard\\fs24 " : "") + words.back() + (w == 40 ? " \\par\r\n" : " ");
        }
    ScratchDir dir;
    Preview pv;
    pv.AddFirstPage("1 in", "1.5 in", "1 in", "0.75 in");
    pv.ShowRTF(dir.write("long.rtf", rtf + "}"));
    std::string pages;
    for (int n = 1; n <= 7; ++n)
        pages += "Page " + std::to_string(n) + " 1440,2160,1440,1080: 0 14318 8310 " + (n < 7 ? "14098\n" : "8778\n");
    EXPECT_EQ(insideParagraphs(pv), pages);
    EXPECT_EQ(wordsDrawn(pv), words);
    // The position ends below the last line, on the last page.
    EXPECT_EQ(pv.CurrentPage(), "Page " + std::to_string(pv.TotalPages()));
    EXPECT_EQ(pv.CurrentY(), pv.ParaNextY());
}

TEST(ShowRtf, WhereItStartsAndWhereItStops) {
    ScratchDir dir;
    const std::string file = dir.write("short.rtf", "{\\rtf1 one two three\\par}");
    Preview below;  // in "inside": from the current position
    below.CurrentFrame("inside");
    below.CurrentY(3000);
    below.ShowRTF(file);
    EXPECT_EQ(insideParagraphs(below), "Page 1 0,0,0,0: 3000 13838 11910 3492\n");
    Preview other;  // from another frame: at the top of "inside"
    other.AddFrame("box", "1 in", "1 in", "2 in", "2 in");
    other.CurrentY(3000);
    other.ShowRTF(file);
    EXPECT_EQ(other.CurrentFrame(), "inside");
    EXPECT_EQ(insideParagraphs(other), "Page 1 0,0,0,0: 0 16838 11910 492\n");
    Preview full;  // less than a line left: on a new page
    full.CurrentFrame("inside");
    full.CurrentY(full.FrameHeight() - 10);
    full.ShowRTF(file);
    EXPECT_EQ(insideParagraphs(full),
              "Page 1 0,0,0,0: 16828 10 11910 16828 empty\nPage 2 0,0,0,0: 0 16838 11910 492\n");
    EXPECT_THAT(wordsDrawn(full), ElementsAre("one", "two", "three"));
    // An 800-point line is higher than a whole page: no page could take it, so no more are added.
    Preview tall;
    tall.ShowRTF(dir.write("tall.rtf", "{\\rtf1 small\\par\\fs1600 HUGE\\par}"));
    EXPECT_EQ(insideParagraphs(tall), "Page 1 0,0,0,0: 0 16838 11910 492\nPage 2 0,0,0,0: 0 16838 11910 0 empty\n");
    EXPECT_THAT(wordsDrawn(tall), ElementsAre("small"));
    Preview bad;
    bad.ShowRTF(dir.write("bad.rtf", "{\\rtf1 text}}"));
    EXPECT_THAT(wordsDrawn(bad), ElementsAre("Error", "parsing", "file:-5"));
}

// RTF written by LibreOffice from golden/formatting.html and golden/layout.fodt (tab stops,
// indents, a tab, a line break, a formatted span and RTF's own special characters). One
// LibreOffice run converts both (it takes several seconds), so the checks sit in one test.


// Tab stops, indents, a tab, a line break, a formatted span and RTF's own special characters.

TEST(RtfFromLibreOffice, FormattingAndTextComeThrough) {
    if (runTool("command -v soffice").status != 0)
        GTEST_SKIP() << "soffice (LibreOffice, package libreoffice-writer-nogui) is not installed";
    ScratchDir dir;
    const std::string path = dir.path().string(), data = std::string(KALDER_TEST_DATA) + "/golden/";
    const ToolResult run = runTool("timeout 240 soffice -env:UserInstallation=file://" + path + "/profile --headless " +
                                   "--convert-to 'rtf:Rich Text Format' --outdir '" + path + "/out' '" + data +
                                   "formatting.html' '" + data + "layout.fodt'");
    const std::string file = dir.read("out/formatting.rtf"), layout = dir.read("out/layout.rtf");
    ASSERT_FALSE(file.empty() || layout.empty()) << run.output << "\nexit status " << run.status;

    std::string markup = rtf::importRtfText(file);
    // The alignment in force where a word first starts: the last alignment tag before it.
    const auto alignAt = [&](const char* word) {
        const std::string head = markup.substr(0, markup.find(word));
        std::string tag = "none";
        for (std::size_t best = 0; const char* a : {"<rr>", "<rl>", "<ce>", "<ju>"})
            if (const auto at = head.rfind(a); at != std::string::npos && at + 1 > best) best = at + 1, tag = a;
        return tag;
    };
    EXPECT_EQ(alignAt("Bold") + alignAt("Right") + alignAt("Justified"), "<ce><rl><ju>");
    // Every truncation of a real file ends in a named code with UTF-8 markup.
    for (std::size_t n = 0; n < file.size(); ++n) {
        const rtf::ReadResult t = rtf::readRtf(std::string_view(file).substr(0, n));
        ASSERT_THAT(static_cast<int>(t.code), ::testing::AnyOf(-2, -4, -5, -9)) << n;
        // Well-formed UTF-8 survives the round trip through UTF-16.
        ASSERT_EQ(QString::fromUtf8(t.markup).toUtf8().toStdString(), t.markup) << n;
    }
    // Shown in a document, each word is drawn in its font, weight, colour and alignment.
    Preview pv;
    pv.ShowRTF(dir.write("formatting.rtf", file));
    EXPECT_EQ(drawn(pageCalls(pv, *pv.document().currentPage())) + "\n", golden("formatting.calls"));

    // Indents and stops come before the paragraph's text; LibreOffice writes the stops from
    // the page margin, the left indent added. The second paragraph starts without them.
    markup = rtf::importRtfText(layout);
    EXPECT_EQ(
        markup,
        "<ff Liberation Serif><fi 0><li 0><ri 0><rr><bd 0><it 0><ul 0><fs 12><co 0;0;0><ff Liberation Serif><fs "
        "12><rr><ts 4320><ts 5760><li 1440><ri 720><fi 360>Name<tb>Value<sl>Next line<nl>\r\n<fi 0><li 0><ri "
        "0><rr><tc><bd 0><it 0><ul 0><fs 12><co 0;0;0><co 0;0;0><ff Liberation Serif><fs 12><rr>Plain <co 0;0;255><fs "
        "15><bd 1>blue bold<bd 0><fs 12><co 0;0;0> after{brace}\\back space<nl>\r\n<ff Liberation Serif><co 0;0;0>");
}

}  // namespace
}  // namespace kalder
