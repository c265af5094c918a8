// Text lines: AddTextAt's placement, line step and page overflow, and how a graphic-text
// element draws (recorded calls and real pixels).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/TextMeasurer.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/RecordedCalls.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::outline;

std::int32_t stepOf(Preview& pv) { return roundToLong(TextMeasurer::height(pv.document().currentFrame()->CurrentStyle)); }

TEST(TextLineStep, TwoLinesWithoutPositionAreOneStepApart) {
    struct Row { const char* name; std::int32_t type; double val; std::int32_t (*step)(double fontHeight); };
    test::forEachRow<Row>({{"increment 0 is one text height", prLTIncrement, 0, [](double h) { return roundToLong(h); }},
                           {"increment adds twips", prLTIncrement, 100, [](double h) { return roundToLong(h + 100); }},
                           {"percent 150 is one and a half heights", prLTPercent, 150, [](double h) { return roundToLong(h * 1.5); }},
                           {"percent 0 stays on the line", prLTPercent, 0, [](double) { return 0; }},
                           {"absolute ignores the font", prLTAbsolute, 300, [](double) { return 300; }},
                           {"absolute .5 rounds down to even", prLTAbsolute, 100.5, [](double) { return 100; }},
                           {"absolute .5 rounds up to even", prLTAbsolute, 101.5, [](double) { return 102; }}},
                          [](const Row& r) {
                              Preview pv;
                              pv.LeadingType(r.type), pv.LeadingVal(r.val);
                              const auto step = r.step(TextMeasurer::height(pv.document().currentFrame()->CurrentStyle));
                              pv.AddTextAt("first"), pv.AddTextAt("second");
                              EXPECT_EQ(outline(pv), "Page 1 (0,0,0,0 h0 f0 top0): inside[style, style, first@0,0, second@0," +
                                                         std::to_string(step) + "] WholePage[]");
                              EXPECT_EQ(pv.CurrentY(), 2 * step);
                              EXPECT_EQ(pv.CurrentX(), 0);
                          });
    // Arial 11 pt (the new document's) is metric-compatible with Liberation Sans, whose line
    // spacing is 1.149 em: 220 x 1.149 = 253 twips; twice that at 22 pt.
    Preview pv, big;
    pv.AddTextAt("a"), big.FontSize(22), big.AddTextAt("big");
    EXPECT_NEAR(pv.CurrentY(), 253, 3);
    EXPECT_NEAR(big.CurrentY(), 2 * 253, 4);
}

TEST(TextLinePlacement, GivenOrCurrentPositionsAndTheRunningCharset) {
    Preview pv;
    EXPECT_EQ(pv.AddTextAt("here", "1 in", 200, prALLeft, prASNone), "El 1");
    EXPECT_EQ(std::make_pair(pv.CurrentX(), pv.CurrentY()), std::make_pair(1440, 200));  // None keeps the given position as the current one
    pv.CurrentX(300), pv.CurrentY(400), pv.Charset(161);
    const auto key = pv.AddTextAt("there", Variant::missing(), Variant::missing(), prALCenter, prASNone);
    auto text = std::dynamic_pointer_cast<cGraphicText>(pv.document().currentFrame()->Elements().Item(key));
    EXPECT_EQ(std::vector<std::int32_t>({text->Align, text->AutoStep, text->Charset}), std::vector<std::int32_t>({prALCenter, prASNone, 161}));
    const std::int32_t below = pv.FrameHeight() + 5000;  // Line never starts a page, even below the frame
    pv.AddTextAt("low", 0, below, prALLeft, prASLine);
    EXPECT_EQ(pv.CurrentY(), below + stepOf(pv));
    EXPECT_EQ(outline(pv), "Page 1 (0,0,0,0 h0 f0 top0): inside[here@1440,200, style, there@300,400, low@0," + std::to_string(below) + "] WholePage[]");
}

TEST(TextLinePlacement, FailuresAddNothingAndChangeNothing) {
    Preview pv;
    pv.CurrentX(11), pv.CurrentY(22);
    EXPECT_THAT(test::errorOf([&] { pv.AddTextAt("x", "3 furlongs"); }), test::IsError(1000, "CTwips", "Error converting : 3 furlongs"));
    for (std::int32_t step : {5, -1, 100})
        EXPECT_THAT(test::errorOf([&] { pv.AddTextAt("x", 500, 600, prALLeft, step); }), test::IsError(997, "KD5_AddTextAt", "Bad Step")) << step;
    EXPECT_EQ(outline(pv), "Page 1 (0,0,0,0 h0 f0 top0): inside[] WholePage[]");
    EXPECT_EQ(std::make_pair(pv.CurrentX(), pv.CurrentY()), std::make_pair(11, 22));
    pv.ClearPage(1);
    EXPECT_EQ(pv.AddTextAt("lost", 10, 20), "");  // without a current frame
    EXPECT_EQ(pv.TotalPages(), 1);
}

TEST(TextLineOverflow, StartsAPageOnlyWhenTheLineDoesNotFit) {
    // The line is at frame height - fromBottom, with a step of 2000. Page and Inside test the whole step, a line ending exactly on the bottom still fitting;
    // Copypage the text height (about 253) alone, whatever the leading.
    struct Row { const char* name; std::int32_t step, fromBottom; bool newPage; };
    test::forEachRow<Row>({{"page step ends on the bottom", prASPage, 2000, false}, {"page step one twip beyond", prASPage, 1999, true},
                           {"copypage text fits, the step not", prASCopypage, 1000, false}, {"copypage text does not fit", prASCopypage, 100, true},
                           {"inside step one twip beyond", prASInside, 1999, true}, {"inside step ends on the bottom", prASInside, 2000, false},
                           {"none never starts a page", prASNone, -5000, false}},
                          [](const Row& r) {
                              Preview pv;
                              pv.LeadingType(prLTAbsolute), pv.LeadingVal(2000);
                              pv.AddTextAt("line", 0, pv.FrameHeight() - r.fromBottom, prALLeft, r.step);
                              EXPECT_EQ(pv.TotalPages(), r.newPage ? 2 : 1);
                          });
}

TEST(TextLineOverflow, WhatTheNewPageHolds) {
    // Page 1 stays as it was; "*" stands for the copied frames; the current position afterwards is (x, yInSteps x step).
    struct Row { const char* name; std::function<void(Preview&, std::int32_t height, std::int32_t step)> overflow;
                 const char* page2; const char* frame; std::int32_t x, yInSteps; const char* wholePage1 = ""; };
    const char* kCopies = " header[Header text@0,0] footer[Footer text@0,0] side[Side text@0,0]";
    test::forEachRow<Row>(
        {{"page on the last line continues on a copy of the page, and the next line follows",
          [](Preview& pv, std::int32_t height, std::int32_t step) {
              EXPECT_EQ(pv.AddTextAt("Overflow", 250, height - step + 1, prALLeft, prASPage), "El 2");
              pv.AddTextAt("Next", Variant::missing(), Variant::missing(), prALLeft, prASPage);
          },
          "(1440,1440,1440,1440 h720 f720 top2160): inside[style(i), Overflow@250,0, Next@250,253] WholePage[]*", "inside", 250, 2},
         {"inside starts a fresh page with the same margins",
          [](Preview& pv, std::int32_t height, std::int32_t) { pv.AddTextAt("Overflow", 0, height, prALLeft, prASInside); },
          "(1440,1440,1440,1440 h0 f0 top1440): inside[style(i), Overflow@0,0] WholePage[]", "inside", 0, 1},
         {"inside from the header (720 deep) carries the header along",
          [](Preview& pv, std::int32_t, std::int32_t) { pv.CurrentFrame("header"), pv.AddTextAt("Too low", 0, 700, prALLeft, prASInside); },
          "(1440,1440,1440,1440 h720 f0 top2160): inside[style, Too low@0,0] WholePage[] header[Header text@0,0]", "inside", 0, 1},
         {"page from WholePage goes on in WholePage after the old content",
          [](Preview& pv, std::int32_t, std::int32_t) {
              pv.CurrentFrame("WholePage"), pv.AddTextAt("Before", 0, 0, prALLeft, prASNone);
              pv.AddTextAt("Overflow", 0, pv.FrameHeight(), prALLeft, prASPage);
          },
          "(1440,1440,1440,1440 h720 f720 top2160): inside[] WholePage[Before@0,0, style, Overflow@0,0]*", "wholepage", 0, 1,
          "Before@0,0"}},
        [&](const Row& r) {
            Preview pv;
            pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in");
            pv.CurrentFrame("header"), pv.AddTextAt("Header text", 0, 0, prALLeft, prASNone);
            pv.CurrentFrame("footer"), pv.AddTextAt("Footer text", 0, 0, prALLeft, prASNone);
            pv.AddFrame("side", "0.2 in", "3 in", "0.6 in", "2 in"), pv.AddTextAt("Side text", 0, 0, prALLeft, prASNone);
            pv.CurrentFrame("inside"), pv.FontItalic(true), pv.AddTextAt("First line", 0, 0);
            const std::int32_t step = stepOf(pv);
            r.overflow(pv, pv.FrameHeight(), step);
            std::string expected = "Page 1 (1440,1440,1440,1440 h720 f720 top2160): inside[style(i), First line@0,0] WholePage[" +
                                   std::string(r.wholePage1) + "]" + kCopies + " / Page 2 " + r.page2;
            if (expected.back() == '*') expected.replace(expected.size() - 1, 1, kCopies);
            EXPECT_EQ(outline(pv), expected);
            EXPECT_EQ(pv.CurrentPage() + " " + pv.CurrentFrame(), std::string("Page 2 ") + r.frame);
            EXPECT_EQ(pv.CurrentX(), r.x);
            EXPECT_EQ(pv.CurrentY(), r.yInSteps * step);
        });
}

TEST(GraphicTextDrawing, PrintsWithTheRunningFontAtItsPlaceInThePage) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");  // inside starts at (1440, 1440)
    pv.AddTextAt("Plain", 100, 200, prALLeft, prASNone);
    pv.FontName("Courier New"), pv.FontSize(14), pv.FontBold(false), pv.ForeColor(0x00FF00);
    const auto match = pv.AddTextAt("Changed", 300, 400, prALLeft, prASNone);
    pv.TextRotation(30), pv.AddTextAt("Turned", 1000, 2000, prALRight, prASNone);
    // The new document's attributes: Arial 11 pt, bold, underlined, black. The find match is red
    // (the printer and the files never have one). Turned text is not aligned: 96 dpi makes it
    // (1440 + 1000) / 15 = 162.7 and (1440 + 2000) / 15 = 229.3 device pixels, 11 pt 15 pixels high.
    const std::string turned = " | Print  | RotatedText 163 229 Turned font=Courier New height=-19 escapement=300 color=65280";
    const std::string plain = "FontName Arial | FontSize 11 | FontBold 1 | FontUnderline 1 | ForeColor 0 | CurrentX 1540 | CurrentY 1640 | Print Plain | "
                              "FontName Courier New | FontSize 14 | FontBold 0 | FontUnderline 1 | ForeColor ";
    for (const std::string& key : std::vector<std::string>{"", match})
        EXPECT_EQ(test::joinedOnly(test::pageCalls(pv, "Page 1", prOTScreen, key),
                                   {"FontName", "FontSize", "FontBold", "FontUnderline", "ForeColor", "CurrentX", "CurrentY", "Print", "RotatedText"}),
                  plain + (key.empty() ? "65280" : "255") + " | CurrentX 1740 | CurrentY 1840 | Print Changed" + turned);

    Preview aligned;
    aligned.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter, prALJustify}) aligned.AddTextAt("Hello", 2000, 500, align, prASNone);
    const double width = TextMeasurer::width(aligned.document().currentFrame()->CurrentStyle, "Hello");
    EXPECT_NEAR(width, 538, 10);  // "Hello" in bold Arial is 2.445 em: 538 twips at 11 pt
    // By the measured width; justified lines start where left-aligned ones do.
    EXPECT_EQ(test::printed(test::pageCalls(aligned)), "Hello@3440,1940 | Hello@" + std::to_string(roundToLong(3440 - width)) +
                                                           ",1940 | Hello@" + std::to_string(roundToLong(3440 - width / 2)) + ",1940 | Hello@3440,1940");
}

TEST(GraphicTextDrawing, PixelsAppearWhereTheTwipsSay) {
    Preview pv;  // zero margins: "inside" is the whole sheet
    const auto key = pv.AddTextAt("HHHHHH", "1 in", "2 in", prALLeft, prASNone);
    // At 96 dpi the text's top left is at (96, 192) pixels. Six H of bold Arial 11 pt are
    // 6 x 0.722 em = 63.5 pixels wide; capitals start 0.19 em below the top of the line and
    // the baseline is 0.905 em below it, with the underline a little lower.
    const auto ink = test::inkOf(test::pageImage(pv), [](QRgb c) { return QColor(c).lightness() < 128; });
    ASSERT_GT(ink.count, 100);
    EXPECT_NEAR(ink.left, 96, 2);
    EXPECT_NEAR(ink.right, 96 + 63, 3);
    EXPECT_NEAR(ink.top, 195, 2);
    EXPECT_NEAR(ink.bottom, 207.5, 2.5);
    // The same text as the find match: red, and nothing dark left.
    const QImage red = test::pageImage(pv, 1, 1.0, key);
    const auto reds = test::inkOf(red, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; });
    EXPECT_GT(reds.count, 100);
    EXPECT_NEAR(reds.left, 96, 2);
    EXPECT_EQ(test::inkOf(red, [](QRgb c) { return QColor(c).lightness() < 60; }).count, 0);
}

}  // namespace
}  // namespace kalder
