// Paragraph layout: line breaking and justification measured against the text measurer's
// widths, alignment, tabs, indents and leading, the continuation prefix, pouring a long text
// through frames and pages with ParaText, and hostile markup.
#include "richtext/ParaFlow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/ParaState.h"
#include "richtext/cParaText.h"
#include "support/TableTest.h"
#include "ParaTestSupport.h"

namespace kalder {
namespace {

using test::arial;
using test::forEachRow;
using test::lineWords;
using test::LoremWords;
using test::widthOf;
using test::wordsOf;
using test::wordsOfText;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

ParaFlowResult flow(const std::string& text, std::int32_t width, std::int32_t height = 100000,
                    const cStyle& style = arial(), bool autoPara = false) {
    return flowParagraph(text, style, {0, 0, width, height}, autoPara, {});
}

std::int32_t lineHeight(const cStyle& s = arial()) {
    const auto m = TextMeasurer::metrics(s);
    return static_cast<std::int32_t>(std::nearbyint(m.ascent) + std::nearbyint(m.descent));
}

// Greedy filling with the measurer's widths: the lines a reader expects of left-aligned text.
std::vector<std::vector<std::string>> greedyLines(const std::vector<std::string>& words, std::int32_t width,
                                                  const cStyle& s = arial()) {
    std::vector<std::vector<std::string>> lines;
    long long x = 0;
    for (const auto& w : words) {
        const long long start = lines.empty() || lines.back().empty() ? 0 : x + widthOf(s, " ");
        if (lines.empty() || (start + widthOf(s, w) > width && !lines.back().empty())) {
            lines.emplace_back();
            x = 0;
            lines.back().push_back(w);
            x = widthOf(s, w);
            continue;
        }
        lines.back().push_back(w);
        x = start + widthOf(s, w);
    }
    return lines;
}

// Where the words that show something start (words of tags alone left out).
std::vector<std::int32_t> shownPositions(const cTextLine& line) {
    const auto x = line.wordPositions();
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!test::shownOf(line.Words[i]).empty()) out.push_back(x[i]);
    return out;
}

// ---------------------------------------------------------------------------------------
// Line breaking and justification

TEST(ParagraphLines, BreakWhereTheMeasuredWordsNoLongerFit) {
    LoremWords gen(7);
    const std::string text = gen.text(120);
    for (const std::int32_t width : {1500, 3000, 5000, 9000}) {
        SCOPED_TRACE(width);
        const auto r = flow(text, width);
        EXPECT_EQ(lineWords(r.lines), greedyLines(wordsOfText(text), width));
        EXPECT_EQ(r.rest, "");
    }
}

TEST(ParagraphLines, JustifiedLinesReachTheRightEdgeAndTheLastLineDoesNot) {
    LoremWords gen(11);
    const std::string words = gen.text(150);
    const std::int32_t width = 6000;
    const auto r = flow("<ju>" + words, width);
    ASSERT_GT(r.lines.size(), 3u);
    const cStyle s = arial();
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        SCOPED_TRACE(i);
        const cTextLine& line = r.lines[i];
        const auto x = line.wordPositions();
        const std::int32_t right = x.back() + line.Words.back().Width;
        const auto gaps = static_cast<std::int32_t>(line.Words.size()) - 1;
        if (i + 1 < r.lines.size()) {
            // The free width is shared out truncated: what is left over is less than one
            // twip per gap.
            EXPECT_LE(right, width);
            EXPECT_GT(right, width - std::max(gaps, 1));
        } else {
            EXPECT_TRUE(line.LineEnd);
            EXPECT_EQ(x.front(), 0);
            for (std::size_t k = 1; k < x.size(); ++k)
                EXPECT_EQ(x[k], x[k - 1] + line.Words[k - 1].Width + widthOf(s, " "));
        }
    }
    // The same words as left-aligned text, line for line.
    EXPECT_EQ(lineWords(r.lines), greedyLines(wordsOfText(words), width));
}

TEST(ParagraphLines, LineBreaksEndJustificationAndSoftBreaksKeepIt) {
    const std::int32_t width = 5000;
    const auto hard = flow("<ju>aa bb cc<nl>dd", width);
    const auto soft = flow("<ju>aa bb cc<sl>dd", width);
    ASSERT_EQ(hard.lines.size(), 2u);
    ASSERT_EQ(soft.lines.size(), 2u);
    EXPECT_TRUE(hard.lines[0].LineEnd);
    EXPECT_FALSE(soft.lines[0].LineEnd);
    const auto hx = hard.lines[0].wordPositions();
    const auto sx = soft.lines[0].wordPositions();
    EXPECT_EQ(hx[1], widthOf(arial(), "aa") + widthOf(arial(), " "));
    EXPECT_GT(sx.back() + soft.lines[0].Words.back().Width, width - 3);
}

TEST(ParagraphLines, AWordWiderThanTheLineStandsAlone) {
    const std::string wide(40, 'W');
    const auto r = flow("a " + wide + " b", 2000);
    EXPECT_THAT(lineWords(r.lines), ElementsAre(ElementsAre("a"), ElementsAre(wide), ElementsAre("b")));
    EXPECT_GT(r.lines[1].Words[0].Width, 2000);
    EXPECT_EQ(r.rest, "");
}

TEST(ParagraphLines, BlankLinesWithAutoPara) {
    const auto with = flow("one\n\ntwo", 5000, 100000, arial(), true);
    EXPECT_THAT(lineWords(with.lines), ElementsAre(ElementsAre("one"), IsEmpty(), ElementsAre("two")));
    EXPECT_EQ(with.lines[1].LineTop, lineHeight());
    const auto without = flow("one\n\ntwo", 5000, 100000, arial(), false);
    EXPECT_THAT(lineWords(without.lines), ElementsAre(ElementsAre("one", "two")));
}

TEST(ParagraphLines, ALineBreakAfterTheLastWordStaysOnItsLine) {
    // The break shows nothing, so it never opens a line of its own, however full the line.
    const cStyle s = arial();
    const std::int32_t width = widthOf(s, "aaa") + widthOf(s, " ") + widthOf(s, "bbb");
    const auto r = flow("aaa bbb <nl>ccc", width);
    EXPECT_THAT(lineWords(r.lines), ElementsAre(ElementsAre("aaa", "bbb"), ElementsAre("ccc")));
    EXPECT_TRUE(r.lines[0].LineEnd);
}

// ---------------------------------------------------------------------------------------
// Alignment, indents, tabs, positions

struct AlignRow {
    const char* name;
    std::string markup;
    std::int32_t (*indent)(std::int32_t width, std::int32_t used);
};

TEST(ParagraphAlignment, LineOffsets) {
    const std::int32_t width = 8000;
    forEachRow<AlignRow>(
        {
            {"Left", "<rr>abc def", [](std::int32_t, std::int32_t) { return 0; }},
            {"LeftIndent", "<li 700>abc def", [](std::int32_t, std::int32_t) { return 700; }},
            {"Right", "<rl>abc def", [](std::int32_t w, std::int32_t used) { return w - used; }},
            // The right indent is taken from the available width and then once more.
            {"RightWithIndent", "<ri 500><rl>abc def",
             [](std::int32_t w, std::int32_t used) { return (w - 500) - used - 500; }},
            {"Centre", "<ce>abc def", [](std::int32_t w, std::int32_t used) { return (w - used) / 2; }},
            {"CentreWithIndents", "<li 1000><ri 200><ce>abc def",
             [](std::int32_t w, std::int32_t used) { return (w - 1200 - used) / 2; }},
            {"JustifiedLastLineAtTheIndent", "<li 300><ju>abc def", [](std::int32_t, std::int32_t) { return 300; }},
        },
        [&](const AlignRow& row) {
            const auto r = flow(row.markup, width);
            ASSERT_EQ(r.lines.size(), 1u);
            const cStyle s = arial();
            const std::int32_t used = widthOf(s, "abc") + widthOf(s, " ") + widthOf(s, "def");
            EXPECT_EQ(r.lines[0].TotalWordWidth, used);
            EXPECT_EQ(r.lines[0].LineIndent, row.indent(width, used));
        });
}

TEST(ParagraphAlignment, IndentsNarrowTheLines) {
    LoremWords gen(3);
    const std::string words = gen.text(80);
    const auto r = flow("<li 1000><ri 1500>" + words, 7000);
    EXPECT_EQ(lineWords(r.lines), greedyLines(wordsOfText(words), 7000 - 2500));
    for (const auto& line : r.lines) {
        EXPECT_EQ(line.LineWidth, 4500);
        EXPECT_EQ(line.wordPositions().front(), 1000);
    }
}

TEST(ParagraphAlignment, AnIndentThatMovesToTheNextLineDoesNotNarrowThisOne) {
    const std::string wide(20, 'b');
    const auto r = flow("<rl>aaa <li 1000>" + wide, 3000);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0].LineWidth, 3000);
    EXPECT_EQ(r.lines[0].LineIndent, 3000 - widthOf(arial(), "aaa"));
    EXPECT_EQ(r.lines[1].LineWidth, 2000);
}

TEST(ParagraphAlignment, TabsGoToTheNextStopAfterTheWordsSoFar) {
    const cStyle s = arial();
    const auto r = flow("<ts 4000><ts 100><ts 2000>wide<tb>b<tb>c<tb>d", 9000);
    ASSERT_EQ(r.lines.size(), 1u);
    // "wide" ends beyond the stop at 100, so the first tab goes to 2000.
    // No stop is left for the last tab: that word follows the one before it, a space apart.
    EXPECT_THAT(r.lines[0].wordPositions(), ElementsAre(0, 2000, 4000, 4000 + widthOf(s, "c") + widthOf(s, " ")));
    EXPECT_FALSE(r.lines[0].Words[3].WordStart.has_value());
}

TEST(ParagraphAlignment, PositionTagPlacesTheWordAndAlignsLeft) {
    const auto r = flow("<ce>abc <xp 3000>def", 9000);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].LineAlign, alignLeft);
    EXPECT_THAT(r.lines[0].wordPositions(), ElementsAre(0, 3000));
}

struct LeadingRow {
    const char* name;
    std::string tag;
    std::int32_t (*second)(std::int32_t height);
};

TEST(ParagraphLeading, TheNextLineStartsOneLeadingLower) {
    forEachRow<LeadingRow>(
        {
            {"IncrementZero", "", [](std::int32_t h) { return h; }},
            {"Increment", "<lv 3;100>", [](std::int32_t h) { return h + 100; }},
            {"Percent", "<lv 1;150>", [](std::int32_t h) { return static_cast<std::int32_t>(std::nearbyint(h * 1.5)); }},
            {"Absolute", "<lv 2;300>", [](std::int32_t) { return 300; }},
            {"UnknownTypeIsSingle", "<lv 9;300>", [](std::int32_t h) { return h; }},
        },
        [](const LeadingRow& row) {
            const auto r = flowParagraph(row.tag + "a<nl>b", arial(), {0, 250, 5000, 100000}, false, {});
            ASSERT_EQ(r.lines.size(), 2u);
            EXPECT_EQ(r.lines[0].LineTop, 250);
            EXPECT_EQ(r.lines[1].LineTop, 250 + row.second(lineHeight()));
            EXPECT_EQ(r.nextY, 250 + 2 * row.second(lineHeight()));
        });
}

TEST(ParagraphLeading, LargerTextMakesTheLineHigher) {
    const auto r = flow("a <fs 20>b<fs 10><nl>c", 5000);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[1].LineTop, lineHeight(arial(20)));
}

// ---------------------------------------------------------------------------------------
// The rectangle and the continuation

TEST(ParagraphContinuation, TextThatFitsLeavesNothing) {
    const auto r = flow("a few words", 5000, lineHeight());
    EXPECT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.rest, "");
}

TEST(ParagraphContinuation, ARectangleLowerThanTheFirstLinePlacesNothing) {
    const auto r = flowParagraph("<bd>a few words", arial(), {0, 400, 5000, lineHeight() - 1}, false, {});
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(r.nextY, 400);
    EXPECT_EQ(r.rest, "<rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0><bd>a few words");
}

TEST(ParagraphContinuation, PrefixOfBoldCentredFourteenPointText) {
    LoremWords gen(5);
    const std::string words = gen.text(60);
    cStyle bold14 = arial(14);
    bold14.Bold = true;
    const auto r = flow("<ce><fs 14><bd 1>" + words, 4000, 2 * std::max(lineHeight(arial(14)), lineHeight(bold14)));
    ASSERT_EQ(r.lines.size(), 2u);
    const std::string prefix = "<ce><co 0><ff Arial><fs 14><bd 1><it 0><ul 0><st 0>";
    ASSERT_EQ(r.rest.rfind(prefix, 0), 0u) << r.rest;
    // The rest is the input from the first unplaced word on.
    const std::string rest = r.rest.substr(prefix.size());
    EXPECT_EQ(words.substr(words.size() - rest.size()), rest);
    std::vector<std::string> all = wordsOf(r.lines);
    for (const auto& w : wordsOfText(rest)) all.push_back(w);
    EXPECT_EQ(all, wordsOfText(words));
}

TEST(ParagraphContinuation, PrefixTable) {
    struct Row {
        const char* name;
        std::string markup;
        std::string prefix;
    };
    forEachRow<Row>(
        {
            {"StopsAscending", "<ts 300><ts 100>", "<ts 100><ts 300><rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0>"},
            {"ColourComponents", "<co 255;128;1><rl>", "<rl><co 255; 128; 1><ff Arial><fs 10><bd 0><it 0><ul 0><st 0>"},
            {"FontAndHalfPoints", "<ff Courier New><fs 10,5><it><ul><st><ju>",
             "<ju><co 0><ff Courier New><fs 10.5><bd 0><it 1><ul 1><st 1>"},
            {"LeadingWhenChanged", "<lv 1;150.5>", "<rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0><lv 1;150.5>"},
            {"LeadingBackToTheStartIsNotWritten", "<lv 1;150><lv 3;0>",
             "<rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0>"},
            {"PositiveIndents", "<li 300><ri 200>", "<rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0><li 300><ri 200>"},
            {"NegativeIndentsAreNotWritten", "<li -300>", "<rr><co 0><ff Arial><fs 10><bd 0><it 0><ul 0><st 0>"},
        },
        [](const Row& row) {
            // One line of tags and a word, then a word that needs a second line: the rectangle
            // is as high as the first line.
            const std::string text = row.markup + "first<nl>second";
            const auto tall = flow(text, 5000);
            ASSERT_EQ(tall.lines.size(), 2u);
            const auto r = flow(text, 5000, tall.lines[0].ThisLineBottom);
            ASSERT_EQ(r.lines.size(), 1u);
            EXPECT_EQ(r.rest, row.prefix + "second");
        });
}

TEST(ParagraphContinuation, TwoRectanglesShowWhatOneTallRectangleShows) {
    LoremWords gen(13);
    const std::string text = "<ju><ts 1500>" + gen.text(40) + "<nl><tb>" + gen.text(30) + " <bd><co 0;0;255>" +
                             gen.text(40) + "<bd 0><li 400><ri 300>" + gen.text(60);
    const std::int32_t width = 5200;
    const auto whole = flow(text, width);
    ASSERT_GT(whole.lines.size(), 8u);
    for (const std::size_t cut : {1u, 4u, 7u}) {
        SCOPED_TRACE(cut);
        const auto first = flow(text, width, whole.lines[cut - 1].ThisLineBottom);
        ASSERT_EQ(first.lines.size(), cut);
        const auto second = flow(first.rest, width);
        cTextLines both = first.lines;
        both.insert(both.end(), second.lines.begin(), second.lines.end());
        ASSERT_EQ(lineWords(both), lineWords(whole.lines));
        for (std::size_t i = 0; i < both.size(); ++i) {
            // The continuation starts with its prefix, a word of tags alone.
            EXPECT_EQ(shownPositions(both[i]), shownPositions(whole.lines[i])) << i;
            EXPECT_EQ(both[i].LineEnd, whole.lines[i].LineEnd) << i;
        }
    }
}

TEST(ParagraphContinuation, TheKeptTextLaysOutToTheSameLines) {
    LoremWords gen(17);
    const std::string text = "<ju>" + gen.text(400);
    cParaText para;
    para.Width = 5000;
    para.Height = 10 * lineHeight();
    const std::string rest = para.FlowParaText(arial(), text);
    ASSERT_FALSE(rest.empty());
    EXPECT_LT(para.Text.size(), text.size() / 2);  // not the whole text
    const cTextLines lines = para.TextLines;
    const std::int32_t nextY = para.NextY;
    cParaText again;
    again.Width = para.Width;
    again.Height = para.Height;
    again.FlowParaText(arial(), para.Text);
    ASSERT_EQ(lineWords(again.TextLines), lineWords(lines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(again.TextLines[i].wordPositions(), lines[i].wordPositions()) << i;
        EXPECT_EQ(again.TextLines[i].LineEnd, lines[i].LineEnd) << i;
    }
    EXPECT_EQ(again.NextY, nextY);
}

// ---------------------------------------------------------------------------------------
// ParaText and ParaNextY

std::shared_ptr<cParaText> lastParagraph(Preview& pv) {
    auto frame = pv.document().currentFrame();
    return std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(frame->Elements().Count()));
}

TEST(ParaText, TextThatFitsEmptiesTheArgument) {
    Preview pv;
    std::string data = "Some words that fit.";
    EXPECT_EQ(pv.ParaText(data, "1 in", 300), "");
    EXPECT_EQ(data, "");
    auto para = lastParagraph(pv);
    ASSERT_TRUE(para);
    EXPECT_EQ(para->Key(), "El 1");
    EXPECT_EQ(para->xPos, 1440);
    EXPECT_EQ(para->yPos, 300);
    EXPECT_EQ(para->Width, pv.FrameWidth());
    EXPECT_EQ(para->Height, pv.FrameHeight());
    EXPECT_EQ(para->TextLines.size(), 1u);
    EXPECT_EQ(pv.ParaNextY(), para->NextY);
    EXPECT_EQ(pv.CurrentY(), para->NextY);
    EXPECT_GT(para->NextY, 300);
}

TEST(ParaText, LineEndsBecomeLineBreaks) {
    Preview pv;
    std::string data = "one\r\ntwo";
    pv.ParaText(data);
    EXPECT_THAT(lineWords(lastParagraph(pv)->TextLines), ElementsAre(ElementsAre("one"), ElementsAre("two")));
}

TEST(ParaText, ARectangleTooSmallForOneLineGivesTheWholeTextBackBehindThePrefix) {
    Preview pv;
    std::string data = "a\r\nb <bd>c";
    EXPECT_EQ(pv.ParaText(data, 0, 100, 5000, 20), "");
    EXPECT_EQ(data, "<rr><co 0><ff Arial><fs 11><bd 1><it 0><ul 1><st 0>a<nl>b <bd>c");
    EXPECT_EQ(pv.ParaNextY(), 100);
    EXPECT_EQ(pv.CurrentY(), 100);
}

TEST(ParaText, WhiteSpaceAloneIsUsedUp) {
    Preview pv;
    std::string data = "  \r\n ";
    pv.ParaText(data, 0, 0, 5000, 20);
    // "<nl>" is a line, too high for 20 twips.
    EXPECT_EQ(data.substr(data.find('>', data.find("<st")) + 1), "  <nl> ");
    // Blanks alone are nothing to place.
    std::string blanks = "   \t ";
    pv.ParaText(blanks, 0, 0, 5000, 20);
    EXPECT_EQ(blanks, "");
}

TEST(ParaText, NextYIsZeroWhenTheLastElementIsNoParagraph) {
    Preview pv;
    std::string data = "text";
    pv.ParaText(data);
    EXPECT_GT(pv.ParaNextY(), 0);
    pv.AddTextAt("line");
    EXPECT_EQ(pv.ParaNextY(), 0);
}

TEST(ParaText, WithoutAFrameNothingHappens) {
    Preview pv;
    pv.document().CurrentFrame("nosuchframe");
    std::string data = "text";
    EXPECT_EQ(pv.ParaText(data), "");
    EXPECT_EQ(data, "text");
    EXPECT_EQ(pv.ParaNextY(), 0);
}

// Every shown word of every paragraph of the document, page by page, frame by frame.
std::vector<std::string> documentWords(Preview& pv) {
    std::vector<std::string> out;
    for (const auto& page : pv.document().pages())
        for (const auto& frame : page->Frames())
            for (const auto& e : frame->Elements())
                if (auto p = std::dynamic_pointer_cast<cParaText>(e))
                    for (auto& w : wordsOf(p->TextLines)) out.push_back(std::move(w));
    return out;
}

TEST(ParaTextPouring, ALongTextThroughPagesLosesNoWordAndRepeatsNone) {
    LoremWords gen(23);
    std::string text = "<ju>";
    std::vector<std::string> expected;
    for (int para = 0; para < 40; ++para) {
        for (int i = 0, n = 20 + static_cast<int>(gen.below(80)); i < n; ++i) {
            std::string w = gen.next();
            expected.push_back(w);
            // Some words in bold, some in a larger size: the prefix carries them over.
            if (gen.below(17) == 0) w = "<bd>" + w + "<bd 0>";
            if (gen.below(29) == 0) w = "<fs 14>" + w + "<fs 10>";
            text += w + " ";
        }
        text += "\r\n";
    }
    Preview pv;
    int pages = 1;
    for (std::string rest = text; pages < 200; ++pages) {
        pv.ParaText(rest);
        if (rest.empty()) break;
        pv.AddPage();
    }
    EXPECT_GT(pages, 2);
    EXPECT_LT(pages, 200);
    EXPECT_EQ(documentWords(pv), expected);
}

TEST(ParaTextPouring, FramesOfDifferentHeightsLoseNoWord) {
    LoremWords gen(31);
    const std::string text = gen.text(1500);
    Preview pv;
    std::string rest = text;
    for (int i = 0; i < 500 && !rest.empty(); ++i) {
        const std::string name = "f" + std::to_string(i);
        // Heights from a fraction of a line to a dozen lines: some frames take nothing.
        const auto height = static_cast<std::int32_t>(50 + gen.below(3000));
        pv.AddFrame(name, 1440, 1440, 2000 + static_cast<std::int32_t>(gen.below(4000)), height);
        pv.ParaText(rest);
        pv.AddPage();
    }
    EXPECT_EQ(rest, "");
    EXPECT_EQ(documentWords(pv), wordsOfText(text));
}

TEST(ParaTextPouring, AWordWiderThanTheFrameStillMovesTheRestOn) {
    // One line per frame, and a word wider than any line: the continuation prefix and that
    // word share a line, so every call places something.
    Preview pv;
    const std::string wide(60, 'W');
    std::string rest = "<ju><bd>aaa " + wide + " bbb " + wide + wide + " ccc";
    int calls = 0;
    for (; calls < 20 && !rest.empty(); ++calls) {
        const std::string before = rest;
        pv.ParaText(rest, 0, 0, 1000, lineHeight(pv.document().currentFrame()->CurrentStyle) + 40);
        ASSERT_NE(rest, before);
        pv.AddPage();
    }
    EXPECT_EQ(rest, "");
    EXPECT_EQ(documentWords(pv), (std::vector<std::string>{"aaa", wide, "bbb", wide + wide, "ccc"}));
}

// ---------------------------------------------------------------------------------------
// Hostile markup: every pass ends, and the rest is a prefix and a tail of the input.

void expectSaneFlow(const std::string& text, const ParaRect& rect) {
    const auto r = flowParagraph(text, arial(), rect, true, {});
    EXPECT_LE(r.lines.size(), text.size() + 1);
    if (r.rest.empty()) return;
    // The rest is tags followed by a tail of the input.
    for (std::size_t k = 0; k <= r.rest.size();) {
        if (text.ends_with(std::string_view(r.rest).substr(k))) return;
        if (r.rest[k] != '<') break;
        const std::size_t close = r.rest.find('>', k);
        if (close == std::string::npos) break;
        k = close + 1;
    }
    ADD_FAILURE() << "rest is no prefix and tail: " << r.rest.substr(0, 200);
}

TEST(ParagraphRobustness, HostileMarkupEnds) {
    struct Row {
        const char* name;
        std::string text;
    };
    forEachRow<Row>(
        {
            {"LoneBracket", "<"},
            {"ManyBrackets", std::string(20000, '<')},
            {"ManyClosers", std::string(20000, '>')},
            {"BracketsAndWords", "a < b > c << d >> e"},
            {"NegativeCharacter", "<ac -5>x"},
            {"HugeSize", "<fs 1e400>x <fs 99999999999999999999>y"},
            {"HugeNegativeLeading", "<lv 2;-1e308>a b c d e f g h"},
            {"HugePercentLeading", "<lv 1;1e308>a b c d e f g h"},
            {"FarPosition", "<xp 2147483647>a <xp -2147483648>b"},
            {"FarTab", "<ts 999999999999>a<tb>b<ts 2147483647>c<tb>d"},
            {"FarIndents", "<li 99999999>word <ri 99999999>word"},
            {"ManyTags", [] {
                 std::string s;
                 for (int i = 0; i < 5000; ++i) s += "<bd><it 0><ul>";
                 return s + "x";
             }()},
            {"ManyStops", [] {
                 std::string s;
                 for (int i = 0; i < 5000; ++i) s += "<ts " + std::to_string(5000 - i) + ">";
                 return s + "a<tb>b";
             }()},
            {"LineFeedsAndReturns", std::string(3000, '\n') + "\r\r\r" + std::string(3000, '\n')},
            {"InvalidUtf8", "\xff\xfe\xc3 \xe2\x82 ok"},
            {"NulBytes", std::string("a\0b\0<bd\0>c", 11)},
        },
        [](const Row& row) {
            for (const ParaRect rect : {ParaRect{0, 0, 5000, 5000}, ParaRect{0, 0, 0, 5000}, ParaRect{0, 0, -500, 5000},
                                        ParaRect{0, 0, 5000, 0}, ParaRect{0, 0, 5000, -1}, ParaRect{0, 0, 1, 1},
                                        ParaRect{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}})
                expectSaneFlow(row.text, rect);
        });
}

TEST(ParagraphRobustness, RandomMarkupNeverHangsAndPouringAlwaysEnds) {
    LoremWords gen(99);
    static const char* kPieces[] = {"<", ">", "<bd>", "<fs ", "9", "<xp 5000>", "<tb>", "<ts 70>", "<nl>",
                                    "<sl>", "<ju>", "<ce>", "<rl>", "<li 300>", "<ri 9000>", "<lv 2;-40>",
                                    "<lv 1;0>", " ", "\n", "\r\n", "word", "<pg 1>", "<ac 9731>", "<dm>",
                                    "<ff Courier New>", "<co 9;9>", "<zl>", "\t"};
    for (int round = 0; round < 150; ++round) {
        std::string text;
        for (int i = 0, n = static_cast<int>(gen.below(120)); i < n; ++i)
            text += kPieces[gen.below(sizeof(kPieces) / sizeof(kPieces[0]))];
        Preview pv;
        std::string rest = text;
        int calls = 0;
        for (; calls < 400 && !rest.empty(); ++calls) {
            const std::string before = rest;
            pv.ParaText(rest, 0, 0, 3000, 2000);
            if (rest == before) {
                // Given back unchanged only when nothing could be placed.
                EXPECT_TRUE(lastParagraph(pv)->TextLines.empty()) << text;
                break;
            }
            pv.AddPage();
        }
        EXPECT_LT(calls, 400) << text;
    }
}

}  // namespace
}  // namespace kalder
