// Text lines: AddTextAt's placement, line step and page overflow, and how a graphic-text
// element draws (recorded calls and real pixels) and travels through the XML format.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "core/TextMeasurer.h"
#include "document/cChangeStyle.h"
#include "document/cDocument.h"
#include "graphics/cGraphicText.h"
#include "platform/PageImage.h"
#include "support/ErrorMatchers.h"

namespace kalder {
namespace {

using test::errorOf;
using test::IsError;
using ::testing::ElementsAre;

std::shared_ptr<cFrame> frameOf(Preview& pv, const std::string& page, const std::string& frame) {
    auto p = pv.document().pages().Item(std::string_view(page));
    return p ? p->Frames().Item(std::string_view(frame)) : nullptr;
}

std::shared_ptr<cGraphicText> textOf(const std::shared_ptr<cFrame>& frame, const std::string& key) {
    return frame ? std::dynamic_pointer_cast<cGraphicText>(frame->Elements().Item(std::string_view(key))) : nullptr;
}

// The texts of a frame's graphic-text elements, in order.
std::vector<std::string> textsIn(const std::shared_ptr<cFrame>& frame) {
    std::vector<std::string> out;
    if (!frame) return out;
    for (const auto& e : frame->Elements())
        if (auto t = std::dynamic_pointer_cast<cGraphicText>(e)) out.push_back(t->Text);
    return out;
}

std::int32_t stepOf(const cStyle& s) { return roundToLong(TextMeasurer::height(s)); }

// One text as the recording target saw it printed: the attributes in force at its Print.
struct Printed {
    std::string text, font, size, bold, underline, color, x, y;
};

std::vector<Printed> printed(const std::vector<std::string>& calls) {
    std::vector<Printed> out;
    Printed now;
    auto value = [](const std::string& call, const char* name) -> std::string {
        const std::string prefix = std::string(name) + " ";
        return call.rfind(prefix, 0) == 0 ? call.substr(prefix.size()) : std::string();
    };
    for (const auto& c : calls) {
        if (auto v = value(c, "FontName"); !v.empty()) now.font = v;
        if (auto v = value(c, "FontSize"); !v.empty()) now.size = v;
        if (auto v = value(c, "FontBold"); !v.empty()) now.bold = v;
        if (auto v = value(c, "FontUnderline"); !v.empty()) now.underline = v;
        if (auto v = value(c, "ForeColor"); !v.empty()) now.color = v;
        if (auto v = value(c, "CurrentX"); !v.empty()) now.x = v;
        if (auto v = value(c, "CurrentY"); !v.empty()) now.y = v;
        if (auto v = value(c, "Print"); !v.empty()) {
            now.text = v;
            out.push_back(now);
        }
    }
    return out;
}

std::vector<std::string> startingWith(const std::vector<std::string>& calls, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

std::vector<std::string> drawCalls(Preview& pv, const std::string& page, std::int32_t mode = prOTScreen,
                                   const std::string& highlight = "") {
    RecordingDrawTarget target;
    DrawingLayer layer(target, mode);
    RenderContext ctx(layer, &pv.document());
    ctx.highlightKey = highlight;
    pv.document().pages().Item(std::string_view(page))->Preview(ctx);
    return target.calls;
}

// ---------------------------------------------------------------------------------------
// The line step

struct StepRow {
    const char* name;
    std::int32_t leadingType;
    double leadingVal;
    // The step expected from the height of the running font.
    std::int32_t (*expected)(double height);
    friend void PrintTo(const StepRow& r, std::ostream* os) { *os << r.name; }
};

class TextLineStepTable : public ::testing::TestWithParam<StepRow> {};

TEST_P(TextLineStepTable, TwoLinesWithoutPositionAreOneStepApart) {
    Preview pv;
    pv.LeadingType(GetParam().leadingType);
    pv.LeadingVal(GetParam().leadingVal);
    const double height = TextMeasurer::height(pv.document().currentFrame()->CurrentStyle);
    const std::int32_t step = GetParam().expected(height);
    const auto first = pv.AddTextAt("first");
    const auto second = pv.AddTextAt("second");
    auto inside = frameOf(pv, "Page 1", "inside");
    EXPECT_EQ(textOf(inside, first)->yPos, 0);
    EXPECT_EQ(textOf(inside, second)->yPos, step);
    EXPECT_EQ(pv.CurrentY(), 2 * step);
    EXPECT_EQ(pv.CurrentX(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Leading, TextLineStepTable,
    ::testing::Values(
        StepRow{"IncrementZeroIsOneTextHeight", prLTIncrement, 0, [](double h) { return roundToLong(h); }},
        StepRow{"IncrementAddsTwips", prLTIncrement, 100, [](double h) { return roundToLong(h + 100); }},
        StepRow{"Percent150IsOneAndAHalfHeights", prLTPercent, 150, [](double h) { return roundToLong(h * 1.5); }},
        StepRow{"Percent0StaysOnTheLine", prLTPercent, 0, [](double) { return 0; }},
        StepRow{"AbsoluteIgnoresTheFont", prLTAbsolute, 300, [](double) { return 300; }},
        StepRow{"AbsoluteHalfRoundsDownToEven", prLTAbsolute, 100.5, [](double) { return 100; }},
        StepRow{"AbsoluteHalfRoundsUpToEven", prLTAbsolute, 101.5, [](double) { return 102; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLineStep, TheTextHeightIsTheFontsLineSpacing) {
    // Arial 11 pt (the new document's attributes) is metric-compatible with Liberation Sans,
    // whose line spacing is 1.149 em: 220 x 1.149 = 253 twips.
    Preview pv;
    pv.AddTextAt("a");
    EXPECT_NEAR(pv.CurrentY(), 253, 3);
    // Percent leading scales that height, so 150 % is half as much again.
    Preview wide;
    wide.LeadingType(prLTPercent);
    wide.LeadingVal(150);
    wide.AddTextAt("a");
    EXPECT_NEAR(wide.CurrentY(), 1.5 * pv.CurrentY(), 1.0);
}

TEST(TextLineStep, FollowsTheFontOfTheRunningAttributes) {
    Preview pv;
    pv.FontSize(22);  // twice the new document's 11 pt
    pv.AddTextAt("big");
    EXPECT_NEAR(pv.CurrentY(), 2 * 253, 4);
}

// ---------------------------------------------------------------------------------------
// Placement and the steps that do not change page

TEST(TextLinePlacement, NoneKeepsTheGivenPositionAsCurrent) {
    Preview pv;
    const auto key = pv.AddTextAt("here", "1 in", 200, prALLeft, prASNone);
    EXPECT_EQ(key, "El 1");
    EXPECT_EQ(pv.CurrentX(), 1440);
    EXPECT_EQ(pv.CurrentY(), 200);
    auto text = textOf(frameOf(pv, "Page 1", "inside"), key);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text, "here");
    EXPECT_EQ(text->xPos, 1440);
    EXPECT_EQ(text->yPos, 200);
    EXPECT_EQ(text->AutoStep, prASNone);
}

TEST(TextLinePlacement, MissingPositionsTakeTheCurrentOnes) {
    Preview pv;
    pv.CurrentX(300);
    pv.CurrentY(400);
    const auto key = pv.AddTextAt("there", Variant::missing(), Variant::missing(), prALCenter, prASNone);
    auto text = textOf(frameOf(pv, "Page 1", "inside"), key);
    EXPECT_EQ(text->xPos, 300);
    EXPECT_EQ(text->yPos, 400);
    EXPECT_EQ(text->Align, prALCenter);
}

TEST(TextLinePlacement, LineNeverStartsAPageEvenBelowTheFrame) {
    Preview pv;
    const std::int32_t below = pv.FrameHeight() + 5000;
    pv.AddTextAt("low", 0, below, prALLeft, prASLine);
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.CurrentPage(), "Page 1");
    EXPECT_EQ(pv.CurrentY(), below + stepOf(pv.document().currentFrame()->CurrentStyle));
}

TEST(TextLinePlacement, TextTakesTheRunningCharset) {
    Preview pv;
    pv.Charset(161);
    auto text = textOf(frameOf(pv, "Page 1", "inside"), pv.AddTextAt("x"));
    EXPECT_EQ(text->Charset, 161);
}

TEST(TextLinePlacement, WithoutACurrentFrameAddsNothing) {
    Preview pv;
    pv.ClearPage(1);
    EXPECT_EQ(pv.AddTextAt("lost", 10, 20), "");
    EXPECT_EQ(pv.TotalPages(), 1);
}

TEST(TextLinePlacement, ABadMeasureFailsWithTheConversionError) {
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.AddTextAt("x", "3 furlongs"); }),
                IsError(1000, "CTwips", "Error converting : 3 furlongs"));
    EXPECT_EQ(frameOf(pv, "Page 1", "inside")->Elements().Count(), 0);
}

TEST(TextLinePlacement, BadStepsFailWith997AndChangeNothing) {
    for (std::int32_t step : {5, -1, 100}) {
        SCOPED_TRACE(step);
        Preview pv;
        pv.CurrentX(11);
        pv.CurrentY(22);
        EXPECT_THAT(errorOf([&] { pv.AddTextAt("x", 500, 600, prALLeft, step); }),
                    IsError(997, "KD5_AddTextAt", "Bad Step"));
        EXPECT_EQ(frameOf(pv, "Page 1", "inside")->Elements().Count(), 0);
        EXPECT_EQ(pv.TotalPages(), 1);
        EXPECT_EQ(pv.CurrentX(), 11);
        EXPECT_EQ(pv.CurrentY(), 22);
    }
}

// ---------------------------------------------------------------------------------------
// Page overflow

// A page with header, footer and a frame of the caller's, each holding a line, and a bold
// running style in "inside" that the overflow has to carry over.
struct FilledPage {
    Preview pv;
    std::int32_t step = 0;
    std::int32_t height = 0;

    FilledPage() {
        pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in");
        pv.CurrentFrame("header");
        pv.AddTextAt("Header text", 0, 0, prALLeft, prASNone);
        pv.CurrentFrame("footer");
        pv.AddTextAt("Footer text", 0, 0, prALLeft, prASNone);
        pv.AddFrame("side", "0.2 in", "3 in", "0.6 in", "2 in");
        pv.AddTextAt("Side text", 0, 0, prALLeft, prASNone);
        pv.CurrentFrame("inside");
        pv.FontItalic(true);
        pv.AddTextAt("First line", 0, 0);
        step = stepOf(pv.document().currentFrame()->CurrentStyle);
        height = pv.FrameHeight();
    }
};

TEST(TextLineOverflow, PageOnTheLastLineContinuesOnACopyOfThePage) {
    FilledPage f;
    Preview& pv = f.pv;
    const cStyle running = pv.document().currentFrame()->CurrentStyle;
    const auto key = pv.AddTextAt("Overflow", 250, f.height - f.step + 1, prALLeft, prASPage);

    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 250);
    EXPECT_EQ(pv.CurrentY(), f.step);
    // The old page keeps what it had; the text is at the top of the new page's inside frame,
    // after a style change with the attributes it was written with.
    EXPECT_THAT(textsIn(frameOf(pv, "Page 1", "inside")), ElementsAre("First line"));
    auto inside = frameOf(pv, "Page 2", "inside");
    ASSERT_TRUE(inside);
    ASSERT_EQ(inside->Elements().Count(), 2);
    auto change = std::dynamic_pointer_cast<cChangeStyle>(inside->Elements().Item(1));
    ASSERT_TRUE(change);
    EXPECT_EQ(change->Style(), running);
    EXPECT_TRUE(change->Style().Italic);
    EXPECT_EQ(key, "El 2");
    auto text = textOf(inside, key);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text, "Overflow");
    EXPECT_EQ(text->xPos, 250);
    EXPECT_EQ(text->yPos, 0);
    // The other frames come with their content.
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "header")), ElementsAre("Header text"));
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "footer")), ElementsAre("Footer text"));
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "side")), ElementsAre("Side text"));
    // The next line follows on the new page.
    const auto next = pv.AddTextAt("Next", Variant::missing(), Variant::missing(), prALLeft, prASPage);
    EXPECT_EQ(textOf(inside, next)->yPos, f.step);
    EXPECT_EQ(pv.TotalPages(), 2);
}

struct OverflowRow {
    const char* name;
    std::int32_t step;
    std::int32_t leadingVal;     // absolute leading; 0 keeps the font's height as the step
    std::int32_t fromBottom;     // the line is placed at y = frame height - fromBottom
    bool newPage;
    friend void PrintTo(const OverflowRow& r, std::ostream* os) { *os << r.name; }
};

class TextLineOverflowTable : public ::testing::TestWithParam<OverflowRow> {};

TEST_P(TextLineOverflowTable, StartsAPageOnlyWhenTheLineDoesNotFit) {
    const OverflowRow& row = GetParam();
    Preview pv;
    if (row.leadingVal) {
        pv.LeadingType(prLTAbsolute);
        pv.LeadingVal(row.leadingVal);
    }
    const std::int32_t y = pv.FrameHeight() - row.fromBottom;
    pv.AddTextAt("line", 0, y, prALLeft, row.step);
    EXPECT_EQ(pv.TotalPages(), row.newPage ? 2 : 1);
}

// The font's height is about 253 twips.
INSTANTIATE_TEST_SUITE_P(
    Rows, TextLineOverflowTable,
    ::testing::Values(
        // prASPage tests the whole step; a line that ends exactly on the bottom still fits.
        OverflowRow{"PageStepEndsOnTheBottom", prASPage, 2000, 2000, false},
        OverflowRow{"PageStepOneTwipBeyond", prASPage, 2000, 1999, true},
        // prASCopypage tests the text height alone, whatever the leading.
        OverflowRow{"CopypageTextFitsThoughTheStepDoesNot", prASCopypage, 2000, 1000, false},
        OverflowRow{"CopypageTextDoesNotFit", prASCopypage, 2000, 100, true},
        OverflowRow{"InsideStepOneTwipBeyond", prASInside, 2000, 1999, true},
        OverflowRow{"InsideStepEndsOnTheBottom", prASInside, 2000, 2000, false},
        OverflowRow{"NoneNeverStartsAPage", prASNone, 2000, -5000, false},
        OverflowRow{"LineNeverStartsAPage", prASLine, 2000, -5000, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLineOverflow, InsideStartsAFreshPageWithTheSameMargins) {
    FilledPage f;
    Preview& pv = f.pv;
    const auto key = pv.AddTextAt("Overflow", 0, f.height, prALLeft, prASInside);
    ASSERT_EQ(pv.TotalPages(), 2);
    auto page = pv.document().pages().Item(2);
    EXPECT_EQ(page->PageMarginLeft, 1440);
    EXPECT_EQ(page->PageMarginRight, 1440);
    EXPECT_EQ(page->PageMarginTop, 1440);
    EXPECT_EQ(page->PageMarginBottom, 1440);
    std::vector<std::string> frames;
    for (const auto& fr : page->Frames()) frames.push_back(fr->Key);
    EXPECT_THAT(frames, ElementsAre("inside", "WholePage"));
    auto inside = frameOf(pv, "Page 2", "inside");
    EXPECT_THAT(textsIn(inside), ElementsAre("Overflow"));
    EXPECT_EQ(textOf(inside, key)->yPos, 0);
    EXPECT_TRUE(std::dynamic_pointer_cast<cChangeStyle>(inside->Elements().Item(1))->Style().Italic);
    EXPECT_EQ(pv.CurrentY(), f.step);
}

TEST(TextLineOverflow, InsideFromTheHeaderCarriesTheHeaderAlong) {
    FilledPage f;
    Preview& pv = f.pv;
    pv.CurrentFrame("header");
    pv.AddTextAt("Too low", 0, 700, prALLeft, prASInside);  // the header is 720 deep
    ASSERT_EQ(pv.TotalPages(), 2);
    auto page = pv.document().pages().Item(2);
    EXPECT_EQ(page->PageHeaderSize, 720);
    EXPECT_EQ(page->PageFooterSize, 0);
    EXPECT_EQ(page->PageInsideTop, 1440 + 720);
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "header")), ElementsAre("Header text"));
    EXPECT_EQ(frameOf(pv, "Page 2", "footer"), nullptr);
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "inside")), ElementsAre("Too low"));
}

TEST(TextLineOverflow, PageFromWholePageGoesOnInWholePage) {
    Preview pv;
    pv.CurrentFrame("WholePage");
    pv.AddTextAt("Before", 0, 0, prALLeft, prASNone);
    pv.AddTextAt("Overflow", 0, pv.FrameHeight(), prALLeft, prASPage);
    ASSERT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(pv.CurrentFrame(), "wholepage");
    // The copied WholePage holds the old page's content, then the carried style and the line.
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "WholePage")), ElementsAre("Before", "Overflow"));
    EXPECT_THAT(textsIn(frameOf(pv, "Page 2", "inside")), ElementsAre());
}

// ---------------------------------------------------------------------------------------
// Drawing

TEST(GraphicTextDrawing, PrintsWithTheRunningFontAtItsPlaceInThePage) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");  // inside starts at (1440, 1440)
    pv.AddTextAt("Plain", 100, 200, prALLeft, prASNone);
    pv.FontName("Courier New");
    pv.FontSize(14);
    pv.FontBold(false);
    pv.ForeColor(0x00FF00);
    pv.AddTextAt("Changed", 300, 400, prALLeft, prASNone);
    const auto texts = printed(drawCalls(pv, "Page 1"));
    ASSERT_EQ(texts.size(), 2u);
    // The new document's attributes: Arial 11 pt, bold, underlined, black.
    EXPECT_EQ(texts[0].text, "Plain");
    EXPECT_EQ(texts[0].font, "Arial");
    EXPECT_EQ(texts[0].size, "11");
    EXPECT_EQ(texts[0].bold, "1");
    EXPECT_EQ(texts[0].underline, "1");
    EXPECT_EQ(texts[0].color, "0");
    EXPECT_EQ(texts[0].x, "1540");
    EXPECT_EQ(texts[0].y, "1640");
    EXPECT_EQ(texts[1].text, "Changed");
    EXPECT_EQ(texts[1].font, "Courier New");
    EXPECT_EQ(texts[1].size, "14");
    EXPECT_EQ(texts[1].bold, "0");
    EXPECT_EQ(texts[1].color, "65280");
    EXPECT_EQ(texts[1].x, "1740");
    EXPECT_EQ(texts[1].y, "1840");
}

TEST(GraphicTextDrawing, AlignmentPlacesTheTextByItsMeasuredWidth) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter, prALJustify})
        pv.AddTextAt("Hello", 2000, 500, align, prASNone);
    const auto texts = printed(drawCalls(pv, "Page 1"));
    ASSERT_EQ(texts.size(), 4u);
    const double left = std::stod(texts[0].x), right = std::stod(texts[1].x), centre = std::stod(texts[2].x);
    const double width = TextMeasurer::width(pv.document().currentFrame()->CurrentStyle, "Hello");
    // "Hello" in bold Arial is 2.445 em: 538 twips at 11 pt.
    EXPECT_NEAR(width, 538, 10);
    EXPECT_EQ(left, 3440);
    EXPECT_EQ(right, roundToLong(3440 - width));
    EXPECT_EQ(centre, roundToLong(3440 - width / 2));
    EXPECT_EQ(texts[3].x, texts[0].x) << "justified lines start where left-aligned ones do";
    for (const auto& t : texts) EXPECT_EQ(t.y, "1940");
}

TEST(GraphicTextDrawing, TheFindMatchIsRed) {
    Preview pv;
    pv.ForeColor(0x123456);
    pv.AddTextAt("other", 0, 1000);
    const auto match = pv.AddTextAt("match");
    const auto screen = printed(drawCalls(pv, "Page 1", prOTScreen, match));
    ASSERT_EQ(screen.size(), 2u);
    EXPECT_EQ(screen[0].color, std::to_string(0x123456));
    EXPECT_EQ(screen[1].color, "255");
    // Without a match (the printer and the files never have one) nothing is red.
    for (const auto& t : printed(drawCalls(pv, "Page 1"))) EXPECT_NE(t.color, "255");
}

TEST(GraphicTextDrawing, RotatedTextIsTurnedAndNotAligned) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    pv.TextRotation(30);
    pv.AddTextAt("Turned", 1000, 2000, prALRight, prASNone);
    const auto calls = drawCalls(pv, "Page 1");
    EXPECT_TRUE(printed(calls).empty());
    // 96 dpi: (1440 + 1000) / 15 = 162.7 and (1440 + 2000) / 15 = 229.3 device pixels, an
    // 11 pt font 15 pixels high, turned by 30 degrees.
    EXPECT_THAT(startingWith(calls, "RotatedText"),
                ElementsAre("RotatedText 163 229 Turned font=Arial height=-15 escapement=300 color=0"));
}

// Dark pixels of a page image and the box around them.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

template <class IsInk>
InkBox inkOf(const QImage& img, IsInk isInk) {
    InkBox box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isInk(QColor(img.pixel(x, y)))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
                ++box.count;
            }
    return box;
}

TEST(GraphicTextDrawing, PixelsAppearWhereTheTwipsSay) {
    Preview pv;  // zero margins: "inside" is the whole sheet
    const auto key = pv.AddTextAt("HHHHHH", "1 in", "2 in", prALLeft, prASNone);
    auto& page = *pv.document().pages().Item(1);
    const QImage img = renderPageImage(pv.document(), page, {1.0, 96.0});
    // At 96 dpi the text's top left is at (96, 192) pixels. Six H of bold Arial 11 pt are
    // 6 x 0.722 em = 63.5 pixels wide; capitals start 0.19 em below the top of the line and
    // the baseline is 0.905 em below it, with the underline a little lower.
    const InkBox ink = inkOf(img, [](QColor c) { return c.lightness() < 128; });
    ASSERT_GT(ink.count, 100);
    EXPECT_NEAR(ink.left, 96, 2);
    EXPECT_NEAR(ink.right, 96 + 63, 3);
    EXPECT_NEAR(ink.top, 195, 2);
    EXPECT_GE(ink.bottom, 205);
    EXPECT_LE(ink.bottom, 210);

    // The same text as the find match: red, and nothing black left.
    const QImage red = renderPageImage(pv.document(), page, {1.0, 96.0, key});
    const InkBox reds = inkOf(red, [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; });
    EXPECT_GT(reds.count, 100);
    EXPECT_NEAR(reds.left, 96, 2);
    EXPECT_EQ(inkOf(red, [](QColor c) { return c.lightness() < 60; }).count, 0);
}

// ---------------------------------------------------------------------------------------
// XML

TEST(GraphicTextXml, DrawnAsBeforeAfterLoading) {
    Preview pv;
    pv.AddTextAt("Grüße <&> \"quoted\"", 1234, 567, prALCenter, prASNone);
    pv.AddTextAt("  spaced  ", -20, 30, prALRight, prASCopypage);
    Preview back;
    back.LoadXML(pv.SaveXMLString());
    EXPECT_EQ(printed(drawCalls(back, "Page 1")).size(), 2u);
    EXPECT_EQ(drawCalls(back, "Page 1"), drawCalls(pv, "Page 1"));
}

}  // namespace
}  // namespace kalder
