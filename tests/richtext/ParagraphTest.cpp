// Paragraphs: line breaking, alignment, tabs, indents, leading, the continuation, ParaText,
// hostile markup, what the lines draw, XML round trips, and the PDF as qpdf and poppler read it.
#include "richtext/ParaFlow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/cParaText.h"
#include "support/RecordedCalls.h"
#include "support/Paragraphs.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using namespace test;

ParaFlowResult flow(const std::string& text, std::int32_t width, std::int32_t height = 100000, bool autoPara = false,
                    std::int32_t top = 0) {
    return flowParagraph(text, arial(), {0, top, width, height}, autoPara, {});
}

// Greedy filling with the measurer's widths: the lines and positions a reader expects of
// left-aligned text, as linesText writes them without geometry.
std::string greedyLines(const std::string& text, std::int32_t width) {
    std::string out;
    std::int32_t end = -1;  // where the line's last word ends; -1 before the first word
    for (const auto& w : wordsOfText(text)) {
        std::int32_t at = end < 0 ? 0 : end + widthOf(arial(), " ");
        if (end >= 0) out += at + widthOf(arial(), w) > width ? (at = 0, "\n") : " ";
        out += w + "@" + std::to_string(at);
        end = at + widthOf(arial(), w);
    }
    return out + " |\n";
}

TEST(ParagraphLines, BreakWhereTheMeasuredWordsNoLongerFitAndJustifyToTheEdge) {
    const std::string words = LoremWords(7).text(150);
    const auto bare = [](const cTextLines& lines) {
        return std::regex_replace(linesText(lines, false), std::regex("@[0-9]+"), "");  // the words alone
    };
    for (const std::int32_t width : {1500, 3000, 6000, 9000}) {
        SCOPED_TRACE(width);
        const auto plain = flow(words, width), justified = flow("<ju>" + words, width);
        EXPECT_EQ(linesText(plain.lines, false), greedyLines(words, width));
        EXPECT_EQ(bare(justified.lines), bare(plain.lines));
        for (std::size_t i = 0; i < justified.lines.size(); ++i) {
            const cTextLine& line = justified.lines[i];
            const auto x = line.wordPositions();
            const std::int32_t right = x.back() + line.Words.back().Width;
            if (i + 1 < justified.lines.size() && x.size() > 1) {
                // The free width is shared out truncated: less than a twip per gap is left.
                EXPECT_LE(right, width) << i;
                EXPECT_GT(right, width - static_cast<std::int32_t>(x.size() - 1)) << i;
            } else {
                EXPECT_EQ(x, plain.lines[i].wordPositions()) << i;  // the last line is left-aligned
            }
        }
    }
}

// Each row's lines as linesText writes them, "next y" and the rest if any, in golden/layouts.txt.
TEST(ParagraphLines, Layouts) {
    struct Row {
        std::string name, markup;
        std::int32_t width, height = 100000;  // height 0: as high as the first line; -1: a twip less
        bool autoPara = false;
    };
    std::string all;
    for (const Row& row : std::initializer_list<Row>{
             {"HardBreakEndsJustification", "<ju>aa bb cc<nl>dd", 5000},
             {"SoftBreakKeepsIt", "<ju>aa bb cc<sl>dd", 5000},
             // Too wide a word stands alone, and a line of tags alone (a continuation's prefix) takes it.
             {"AWordWiderThanTheLineStandsAlone", "<bd> WWWWWWWWWW a WWWWWWWWWW b", 1500},
             {"BlankLineWithAutoPara", "one\n\ntwo", 5000, 100000, true},
             // The break shows nothing: it never opens a line of its own, however full the line.
             {"BreakAfterAFullLineStaysOnIt", "aaa bbb <nl>ccc",
              widthOf(arial(), "aaa") + widthOf(arial(), " ") + widthOf(arial(), "bbb")},
             {"LeftIndent", "<li 700>abc def", 8000}, {"Right", "<rl>abc def", 8000},
             // The right indent is taken from the available width and then once more.
             {"RightWithIndent", "<ri 500><rl>abc def", 8000}, {"Centre", "<ce>abc def", 8001},
             {"CentreWithIndents", "<li 1000><ri 200><ce>abc def", 8000},
             {"JustifiedLastLineAtTheIndent", "<li 300><ju>abc def", 8000},
             {"AnIndentMovingToTheNextLineLeavesThisOne", "<rl>aaa <li 1000>bbbbbbbbbbbbbbbbbbbb", 3000},
             // "wide" ends beyond the stop at 100; no stop is left for the last tab.
             {"TabsGoToTheNextStop", "<ts 4000><ts 100><ts 2000>wide<tb>b<tb>c<tb>d", 9000},
             {"PositionPlacesTheWordAndAlignsLeft", "<ce>abc <xp 3000>def", 9000},
             // Each line's leading is the one in force at its end; 334.5 twips of percent leading halve to even.
             {"Leadings", "<lv 1;150>a<nl><lv 3;100>b<nl><lv 2;300>c<nl><lv 9;300>d<nl>e", 5000},
             {"LargerTextMakesTheLineHigher", "a <fs 20>b<fs 10><nl>c", 5000},
             {"ExactlyHighEnough", "a few words", 5000, 0}, {"OneTwipTooLow", "<bd>a few words", 5000, -1},
             // The rest: the state where it starts as tags, then the input from the first unplaced word.
             {"BoldCentredFourteenPointContinues", "<ce><fs 14><bd 1>one two three four five six seven", 2000, 0},
             {"StopsAscending", "<ts 300><ts 100>first<nl>second", 5000, 0},
             {"ColourComponents", "<co 255;128;1><rl>first<nl>second", 5000, 0},
             {"FontAndHalfPoints", "<ff Courier New><fs 10,5><it><ul><st><ju>first<nl>second", 5000, 0},
             {"LeadingWhenChanged", "<lv 1;150.5>first<nl>second", 5000, 0},
             {"LeadingBackToTheStartIsNotWritten", "<lv 1;150><lv 3;0>first<nl>second", 5000, 0},
             {"PositiveIndents", "<li 300><ri 200>first<nl>second", 5000, 0},
             {"NegativeIndentsAreNotWritten", "<li -300>first<nl>second", 5000, 0},
         }) {
        const auto tall = flow(row.markup, row.width, 100000, row.autoPara, 100);
        const std::int32_t height = row.height > 0 ? row.height : tall.lines[0].ThisLineBottom - 100 + row.height;
        const auto r = flow(row.markup, row.width, height, row.autoPara, 100);
        all += "== " + row.name + "\n" + linesText(r.lines) + "next " + std::to_string(r.nextY) +
               (r.rest.empty() ? "" : " rest " + r.rest.of(row.markup)) + "\n";
    }
    EXPECT_EQ(all, golden("layouts.txt"));
}

// Cut after any line, the continuation shows the rest as the tall rectangle did: nothing lost,
// nothing repeated, the same positions.
TEST(ParagraphContinuation, TwoRectanglesShowWhatOneTallRectangleShowsAndTheKeptTextTheSame) {
    LoremWords gen(13);
    const std::string text = "<ju><ts 1500>" + gen.text(40) + "<nl><tb>" + gen.text(30) + " <bd><co 0;0;255>" +
                             gen.text(40) + "<bd 0><li 400><ri 300>" + gen.text(60);
    const auto whole = flow(text, 5200);
    ASSERT_GT(whole.lines.size(), 8u);
    for (std::size_t cut = 1; cut < whole.lines.size(); ++cut) {
        SCOPED_TRACE(cut);
        cParaText para;
        para.Width = 5200;
        para.Height = whole.lines[cut - 1].ThisLineBottom;
        const std::string rest = para.FlowParaText(arial(), text).of(text);
        ASSERT_EQ(para.TextLines.size(), cut);
        cTextLines both = para.TextLines;
        for (const auto& line : flow(rest, 5200).lines) both.push_back(line);
        EXPECT_EQ(linesText(both, false), linesText(whole.lines, false));
        // The kept text, laid out again, gives the same lines and no more.
        EXPECT_EQ(text.substr(0, para.Text.size()), para.Text);
        EXPECT_LT(para.Text.size(), text.size() - rest.size() + 200);  // the rest's prefix and a word more
        EXPECT_EQ(linesText(flow(para.Text, 5200, para.Height).lines), linesText(para.TextLines));
    }
}

// The last element of the current frame as a paragraph.
std::shared_ptr<cParaText> lastParagraph(Preview& pv) {
    auto frame = pv.document().currentFrame();
    return std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(frame->Elements().Count()));
}

TEST(ParaText, PlacesConsumesAndGivesBack) {
    Preview pv;
    std::string data = "one\r\ntwo";
    EXPECT_EQ(pv.ParaText(data, "1 in", 300), "");
    EXPECT_EQ(data, "");
    auto para = lastParagraph(pv);
    EXPECT_EQ(para->Key() + " " + std::to_string(para->xPos) + " " + std::to_string(para->yPos) + " " +
                  std::to_string(para->Width) + "x" + std::to_string(para->Height) + " next " +
                  std::to_string(para->NextY) + " " + std::to_string(pv.ParaNextY()) + " " +
                  std::to_string(pv.CurrentY()) + "\n" + linesText(para->TextLines),
              "El 1 1440 300 11910x16838 next 792 792 792\n300 0/11910/391 a0: one@0 |\n546 0/11910/379 a0: two@0 |\n");
    // Too low for one line: the whole text comes back behind the frame style's prefix.
    data = "a\r\nb <bd>c";
    pv.ParaText(data, 0, 100, 5000, 20);
    EXPECT_EQ(data, "<rr><co 0><ff Arial><fs 11><bd 1><it 0><ul 1><st 0>a<nl>b <bd>c");
    EXPECT_EQ(std::to_string(pv.ParaNextY()) + " " + std::to_string(pv.CurrentY()), "100 100");
    data = "  \r\n ";  // "<nl>" is a line, too high for 20 twips
    pv.ParaText(data, 0, 0, 5000, 20);
    EXPECT_EQ(data.substr(data.find('>', data.find("<st")) + 1), "  <nl> ");
    data = "   \t ";  // blanks alone are nothing to place
    pv.ParaText(data, 0, 0, 5000, 20);
    EXPECT_EQ(data, "");
    pv.AddTextAt("line");
    EXPECT_EQ(pv.ParaNextY(), 0);  // the last element is no paragraph
    pv.document().CurrentFrame("nosuchframe");
    data = "text";
    EXPECT_EQ(pv.ParaText(data) + data + std::to_string(pv.ParaNextY()), "text0");
}

// Every pass ends, and the rest is tags and a tail of the input.
TEST(ParagraphRobustness, HostileMarkupEnds) {
    std::string manyTags, manyStops;
    for (int i = 0; i < 5000; ++i) manyTags += "<bd><it 0><ul>", manyStops += "<ts " + std::to_string(5000 - i) + ">";
    using namespace std::string_literals;
    for (const std::string& text :
         {"<"s, std::string(20000, '<'), std::string(20000, '>'), "a < b > c << d >> e <ac -5>x"s, manyTags + "x",
          manyStops + "a<tb>b", "<fs 1e400>x <fs 99999999999999999999>y"s, "<lv 2;-1e308>a b c d e f g h"s,
          "<lv 1;1e308>a b c d e"s, "<xp 2147483647>a <xp -2147483648>b <li 99999999>word <ri 99999999>w"s,
          "<ts 999999999999>a<tb>b<ts 2147483647>c<tb>d"s, std::string(3000, '\n') + "\r\r\r" + std::string(3000, '\n'),
          "\xff\xfe\xc3 \xe2\x82 ok"s, "a\0b\0<bd\0>c"s}) {
        for (const ParaRect rect : std::initializer_list<ParaRect>{{0, 0, 5000, 5000}, {0, 0, 0, 5000},
                 {0, 0, -500, 5000}, {0, 0, 5000, 0}, {0, 0, 5000, -1}, {0, 0, 1, 1},
                 {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}}) {
            const auto r = flowParagraph(text, arial(), rect, true, {});
            EXPECT_LE(r.lines.size(), text.size() + 1);
            EXPECT_TRUE(r.rest.empty() || r.rest.from <= text.size()) << text.substr(0, 40);
        }
    }
}

std::string drawnPage(Preview& pv, const char* page, bool withDocument = true) {
    return drawn(pageCalls(pv, page, prOTScreen, "", withDocument));
}

// Each row's calls, drawn in a frame of its own, in golden/render.calls.
TEST(ParagraphRender, RunsWhereLayoutPutThem) {
    std::string all;
    for (const auto& [name, markup] : std::initializer_list<std::pair<const char*, const char*>>{
             // No space after "bold" (a tag follows it); a gap is a space of the style measured.
             {"WordsAndSpaces", "Hello <bd>bold<bd 0> world"},
             {"UnderlineGoesOnUnderTheGaps", "<ul>under lined<ul 0> plain"},
             {"FontSizeColourAndInserts", "<ff Courier New><fs 14>x <co 255;0;0>red <zl>tag<zr> <ac 66>"},
             {"SizesShareTheBaseline", "a<fs 20>B"},
             // One em (200 twips at 10 points) before "d".
             {"BlanksTabsAndPositions", "<ts 2000>a<tb>b <xp 4000>c <dm>d<dn>e<ss>f"},
             {"JustifiedAndRightAligned",
              "<ju>aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff gg<nl><rl>right"},
         }) {
        Preview pv;
        pv.AddFrame("para", 1500, 3000, 6000, 6000);
        pv.FontSize(10);  // Arial 10 plain
        pv.FontBold(false);
        pv.FontUnderline(false);
        std::string text = markup;
        pv.ParaText(text, 100, 200);
        all += std::string("== ") + name + "\n" + drawnPage(pv, "Page 1") + "\n";
    }
    EXPECT_EQ(all, golden("render.calls"));
}

TEST(ParagraphRender, PageNumbersAreThoseOfThePageDrawn) {
    Preview pv;
    pv.AddFrame("band", 500, 500, 8000, 1000);
    std::string text = "Page <pg 0> of <pg>";  // without an argument (anything but "0") the count follows
    pv.ParaText(text);
    pv.AddPageTemplate();
    pv.AddPageTemplate();
    const auto shows = [](const std::string& page, const std::string& of) {
        return "Size=11 Bold=1 Underline=1 CurrentY=500 'Page'@500 ' '@1026 '" + page + "'@1087 'of'@1270 ' '@1478 '" +
               of + "'@1539 ";
    };
    EXPECT_EQ(drawnPage(pv, "Page 3"), shows("3", "3/3"));
    EXPECT_EQ(drawnPage(pv, "Page 1"), shows("1", "1/3"));
    // Without the document the numbers laid out on the first page, when it had one page, stay.
    EXPECT_EQ(drawnPage(pv, "Page 3", false), shows("1", "1/1"));
    pv.CurrentPage("Page 2");
    pv.PageNumberType(prPTRoman);
    EXPECT_EQ(drawnPage(pv, "Page 2"), shows("II", "II/III"));
}

TEST(ParagraphXml, TheLayoutComesBackAfterLoading) {
    Preview pv;
    pv.AddFrame("para", 1500, 3000, 6000, 6000);
    pv.FontSize(12);  // laid out in the frame's running style at its place
    std::string text = "<ju>Markup & <zl>escapes<zr> " + LoremWords(43).text(40);
    pv.ParaText(text, "0.5 in", 250, 5000, 4000);
    auto para = lastParagraph(pv);
    para->AutoPara = true;  // blank lines are breaks only with it
    para->FlowParaText(pv.document().currentFrame()->CurrentStyle, para->Text + "\n\nnext");
    const auto describe = [](const cParaText& p) {
        return p.Text + "|" + std::to_string(p.xPos) + " " + std::to_string(p.yPos) + " " + std::to_string(p.Width) +
               " " + std::to_string(p.Height) + " " + std::to_string(p.NextY) + "\n" + linesText(p.TextLines);
    };
    Preview loaded;
    loaded.LoadXML(pv.SaveXMLString());
    auto back = std::dynamic_pointer_cast<cParaText>(
        loaded.document().pages().Item(1)->Frames().Item(std::string_view("para"))->Elements().Item(para->Key()));
    ASSERT_TRUE(back);
    EXPECT_EQ(describe(*back), describe(*para));
}

TEST(ParagraphPdf, AJustifiedTextOverPagesReadsBackWordForWord) {
    // About one word in seven underlined and italic, a paragraph end after every 90th.
    LoremWords gen(47);
    std::vector<std::string> expected;
    std::string text = "<ju>";
    for (int i = 0; i < 2700; ++i) {
        expected.push_back(gen.next());
        text += gen.below(7) ? expected.back() : "<ul><it>" + expected.back() + "<it 0><ul 0>";
        text += i % 90 == 89 ? " \r\n" : " ";
    }
    Preview pv;
    // The body ends above the footer band (11.69 - 1.5 in).
    pv.AddFirstPage("1 in", "1 in", "1 in", "1.5 in");
    pv.FontName("Times New Roman");
    pv.FontSize(11);
    pv.FontBold(false);
    pv.FontUnderline(false);
    int pages = 1;
    for (; pages < 50; ++pages) {
        pv.ParaText(text);
        if (text.empty()) break;
        pv.AddPage("1 in", "1 in", "1 in", "1.5 in");
    }
    ASSERT_GE(pages, 3);
    std::string footer = "Page <pg 0> of <pg 1>";
    pv.CurrentPage("Page 2");
    pv.AddFrame("foot", "1 in", "10.5 in", "6 in", "0.5 in");
    pv.ParaText(footer);
    ScratchDir dir;
    const std::string file = dir.file("para.pdf");
    pv.ExportPDF(file);
    EXPECT_TRUE(PassesQpdf(file));
    EXPECT_EQ(pdfInfo(file, "Pages"), std::to_string(pages));
    // The footer on page 2: its words sit after that page's body text.
    std::vector<std::string> words = wordsOfText(runTool("pdftotext -q '" + file + "' -").output);
    const auto footerAt = std::find(words.begin(), words.end(), "Page");
    ASSERT_NE(footerAt, words.end());
    EXPECT_THAT(std::vector<std::string>(footerAt, footerAt + 4),
                ::testing::ElementsAre("Page", "2", "of", "2/" + std::to_string(pages)));
    words.erase(footerAt, footerAt + 4);
    EXPECT_EQ(words, expected);
}

}  // namespace
}  // namespace kalder
