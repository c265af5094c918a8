// The watermark: its frame under everything else, its turn along the sheet's diagonal, its
// size and place, and what a real render of it looks like.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
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
#include "support/TableTest.h"

namespace kalder {
namespace {

using ::testing::ElementsAre;

constexpr std::int32_t kLightGrey = 15066597;  // E5E5E5

std::vector<std::string> frameKeys(const cPage& page) {
    std::vector<std::string> keys;
    for (const auto& f : page.Frames()) keys.push_back(f->Key);
    return keys;
}

// The watermark's style and text, as added to the current page's "watermark" frame.
struct Added {
    std::shared_ptr<cFrame> frame;
    cStyle style;
    std::shared_ptr<cGraphicText> text;
};

Added watermarkOf(Preview& pv, int elementPair = 0) {
    Added a;
    a.frame = pv.document().currentPage()->Frames().Item("watermark");
    if (!a.frame) return a;
    auto change = std::dynamic_pointer_cast<cChangeStyle>(a.frame->Elements().Item(1 + 2 * elementPair));
    if (change) a.style = change->Style();
    a.text = std::dynamic_pointer_cast<cGraphicText>(a.frame->Elements().Item(2 + 2 * elementPair));
    return a;
}

const double kPi = std::acos(-1.0);

// The corners of the turned line (top-left first, then along the text, then across).
std::vector<std::pair<double, double>> cornersOf(const Added& a) {
    const double w = TextMeasurer::width(a.style, a.text->Text), h = TextMeasurer::metrics(a.style).height;
    const double r = a.style.TextRotation * kPi / 180;
    const double ux = std::cos(r), uy = -std::sin(r), vx = std::sin(r), vy = std::cos(r);
    const double x = a.text->xPos, y = a.text->yPos;
    return {{x, y}, {x + w * ux, y + w * uy}, {x + h * vx, y + h * vy}, {x + w * ux + h * vx, y + w * uy + h * vy}};
}

// ---------------------------------------------------------------------------------------
// The frame and the attributes

TEST(Watermark, AddsAFrameUnderEverythingAndLeavesThePositionAlone) {
    Preview pv;
    pv.AddTextAt("body");
    pv.CurrentX(12);
    pv.CurrentY(34);
    pv.Watermark("CONFIDENTIAL");

    auto& page = *pv.document().currentPage();
    EXPECT_THAT(frameKeys(page), ElementsAre("watermark", "inside", "WholePage"));
    const Added a = watermarkOf(pv);
    ASSERT_TRUE(a.frame && a.text);
    EXPECT_EQ(a.frame->FrameType, 4);
    EXPECT_EQ(a.frame->xPos, 0);
    EXPECT_EQ(a.frame->yPos, 0);
    EXPECT_EQ(a.frame->Width, 11910);
    EXPECT_EQ(a.frame->Height, 16838);
    EXPECT_EQ(a.frame->Elements().Count(), 2);
    EXPECT_EQ(a.text->Text, "CONFIDENTIAL");
    EXPECT_EQ(a.style.ForeColor, kLightGrey);
    EXPECT_EQ(a.style.FontName, "Arial");  // the current font when no font is given
    EXPECT_FALSE(a.style.Bold);
    EXPECT_FALSE(a.style.Italic);
    // The new document's running style is underlined; a watermark is not.
    EXPECT_TRUE(pv.FontUnderline());
    EXPECT_FALSE(a.style.Underline);
    EXPECT_FALSE(a.style.Strikethru);

    EXPECT_EQ(pv.CurrentPage(), "Page 1");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 12);
    EXPECT_EQ(pv.CurrentY(), 34);
    EXPECT_EQ(page.Frames().Item("inside")->Elements().Count(), 1);
}

TEST(Watermark, TakesTheFontColourAndEmphasisGiven) {
    Preview pv;
    pv.Watermark("DRAFT", 0x0000FF, "Times New Roman", true, true);
    const Added a = watermarkOf(pv);
    EXPECT_EQ(a.style.FontName, "Times New Roman");
    EXPECT_TRUE(a.style.Bold);
    EXPECT_TRUE(a.style.Italic);
    EXPECT_EQ(a.style.ForeColor, 0x0000FF);
}

TEST(Watermark, TurnsToTheDiagonalOfTheSheet) {
    struct Row {
        const char* name;
        std::int32_t paper;
        bool landscape;
        std::int32_t degrees;  // atan(height / width), rounded
    };
    test::forEachRow<Row>({{"A4 portrait", prPSA4, false, 55},   // atan(16838 / 11910) = 54.7
                           {"A4 landscape", prPSA4, true, 35},   // 35.3
                           {"Letter", prPSLetter, false, 52},    // atan(15840 / 12240) = 52.3
                           {"Legal", prPSLegal, false, 59},      // atan(20160 / 12240) = 58.7
                           {"square", prPSUserDefine, false, 45}},
                          [](const Row& r) {
                              Preview pv;
                              pv.PageWidth(10000);
                              pv.PageHeight(10000);
                              pv.PageSize(r.paper);
                              if (r.landscape) pv.Orientation(prORLandscape);
                              pv.Watermark("CONFIDENTIAL");
                              EXPECT_EQ(watermarkOf(pv).style.TextRotation, r.degrees);
                          });
}

TEST(Watermark, SpansMostOfTheDiagonalCentredAndStaysOnTheSheet) {
    struct Row {
        const char* name;
        const char* text;
        bool spansFourFifths;  // a short text is bounded by the sheet first
    };
    test::forEachRow<Row>({{"long text", "CONFIDENTIAL", true},
                           {"very long text", "FOR INTERNAL USE ONLY - DO NOT DISTRIBUTE", true},
                           {"short text", "X", false}},
                          [](const Row& r) {
                              Preview pv;
                              pv.Watermark(r.text);
                              const Added a = watermarkOf(pv);
                              ASSERT_TRUE(a.text);
                              const double W = 11910, H = 16838, diagonal = std::hypot(W, H);
                              const double share = TextMeasurer::width(a.style, r.text) / diagonal;
                              if (r.spansFourFifths)
                                  EXPECT_NEAR(share, 0.8, 0.01);
                              else
                                  EXPECT_LT(share, 0.8);
                              const auto c = cornersOf(a);
                              for (const auto& [x, y] : c) {
                                  EXPECT_GE(x, -2);
                                  EXPECT_LE(x, W + 2);
                                  EXPECT_GE(y, -2);
                                  EXPECT_LE(y, H + 2);
                              }
                              // The middle of the line is the middle of the sheet.
                              EXPECT_NEAR((c[0].first + c[3].first) / 2, W / 2, 2);
                              EXPECT_NEAR((c[0].second + c[3].second) / 2, H / 2, 2);
                          });
}

TEST(Watermark, ASecondCallJoinsTheFirstOnThatPageOnly) {
    Preview pv;
    pv.Watermark("ONE");
    pv.Watermark("TWO");
    EXPECT_THAT(frameKeys(*pv.document().currentPage()), ElementsAre("watermark", "inside", "WholePage"));
    EXPECT_EQ(watermarkOf(pv, 1).text->Text, "TWO");
    pv.AddPage();
    EXPECT_THAT(frameKeys(*pv.document().currentPage()), ElementsAre("inside", "WholePage"));
    pv.Watermark("THREE");
    EXPECT_EQ(watermarkOf(pv).text->Text, "THREE");
    EXPECT_EQ(pv.document().pages().Item(1)->Frames().Item("watermark")->Elements().Count(), 4);
}

TEST(Watermark, AnEmptyTextAddsNothing) {
    Preview pv;
    pv.Watermark("");
    EXPECT_THAT(frameKeys(*pv.document().currentPage()), ElementsAre("inside", "WholePage"));
}

TEST(Watermark, IsDrawnFirstAndTurned) {
    Preview pv;
    pv.AddTextAt("over it", 2000, 2000);
    pv.Watermark("CONFIDENTIAL");
    RecordingDrawTarget target;
    DrawingLayer layer(target);
    RenderContext ctx(layer, &pv.document());
    pv.document().currentPage()->Preview(ctx);
    std::vector<std::string> marks;
    for (const auto& c : target.calls)
        if (c.rfind("RotatedText", 0) == 0 || c.rfind("Print over", 0) == 0) marks.push_back(c.substr(0, c.find(' ')));
    EXPECT_THAT(marks, ElementsAre("RotatedText", "Print"));
    const auto turned = target.callsStartingWith("RotatedText");
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_NE(turned[0].find(" CONFIDENTIAL font=Arial "), std::string::npos);
    EXPECT_NE(turned[0].find(" escapement=550 color=15066597"), std::string::npos);
}

// ---------------------------------------------------------------------------------------
// Pixels

TEST(WatermarkPixels, LightGreyAlongTheDiagonalFromBottomLeftToTopRight) {
    Preview pv;
    pv.Watermark("CONFIDENTIAL");
    const QImage img = renderPageImage(pv.document(), *pv.document().currentPage(), {1.0, 96.0});
    const int w = img.width(), h = img.height();  // 794 x 1123
    auto inkNear = [&](int cx, int cy, int radius) {
        int n = 0;
        for (int y = std::max(0, cy - radius); y <= std::min(h - 1, cy + radius); ++y)
            for (int x = std::max(0, cx - radius); x <= std::min(w - 1, cx + radius); ++x)
                if (QColor(img.pixel(x, y)).lightness() < 250) ++n;
        return n;
    };
    // Ink at every tenth of the diagonal the text covers (it spans its middle 80%).
    for (double t = 0.15; t <= 0.86; t += 0.1) {
        SCOPED_TRACE(t);
        EXPECT_GT(inkNear(static_cast<int>(t * w), static_cast<int>((1 - t) * h), 50), 50);
    }
    // Nothing in the corners away from that diagonal.
    EXPECT_EQ(inkNear(100, 100, 90), 0);
    EXPECT_EQ(inkNear(w - 100, h - 100, 90), 0);
    // Light grey only: nothing darker than the colour itself (E5 = 229).
    int darkest = 255, inked = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int l = QColor(img.pixel(x, y)).lightness();
            darkest = std::min(darkest, l);
            if (l < 250) ++inked;
        }
    EXPECT_GE(darkest, 225);
    EXPECT_LE(darkest, 232);
    EXPECT_GT(inked, 20000);
}

// ---------------------------------------------------------------------------------------
// XML

TEST(WatermarkXml, TheFrameAndItsTextComeBack) {
    Preview pv;
    pv.AddTextAt("body");
    pv.Watermark("CONFIDENTIAL");
    Preview back;
    back.LoadXML(pv.SaveXMLString());
    auto& page = *back.document().pages().Item(1);
    EXPECT_THAT(frameKeys(page), ElementsAre("watermark", "inside", "WholePage"));
    EXPECT_EQ(page.Frames().Item("watermark")->FrameType, 4);
    auto draw = [](Preview& p) {
        RecordingDrawTarget target;
        DrawingLayer layer(target);
        RenderContext ctx(layer, &p.document());
        p.document().pages().Item(1)->Preview(ctx);
        return target.calls;
    };
    EXPECT_EQ(draw(back), draw(pv));
}

}  // namespace
}  // namespace kalder
