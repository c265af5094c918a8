// Lines, boxes, circles, arcs, ellipses, rounded rectangles, polygons and points as the
// drawing surface receives them: frame offset, pens, fills, zoom and the printer's margins.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "graphics/ShapeTestSupport.h"
#include "graphics/cEllipse.h"
#include "graphics/cLine.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::ShapeDoc;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct RenderRow {
    const char* name;
    std::function<void(Preview&)> build;
    std::vector<std::string> calls;  // screen, zoom 1, frame at (1500, 3000)
};

void expectCalls(std::initializer_list<RenderRow> rows, bool lastOnly) {
    test::forEachRow(rows, [&](const RenderRow& row) {
        ShapeDoc doc;
        row.build(doc.pv);
        auto calls = doc.render();
        if (lastOnly && !calls.empty()) calls.erase(calls.begin(), calls.end() - 1);
        EXPECT_THAT(calls, ElementsAreArray(row.calls));
    });
}

// The standard styles fill solid black (FillStyle 0, FillColor 0) until the caller says otherwise.
TEST(ShapesRender, ExactCalls) {
    expectCalls(
        {{"line with the default pen", [](Preview& pv) { pv.DrawLine(100, 200, 300, 400); },
          {"DrawStyle 0", "DrawWidth 1", "Line 1600 3200 1800 3400 color=0 box=0"}},
         {"line type, colour, width; thinner than a pixel is one pixel",
          [](Preview& pv) { pv.LineType(vbDash), pv.LineColor(255), pv.DrawWidth(7), pv.DrawLine(0, 0, 1440, 0); },
          {"DrawStyle 1", "DrawWidth 1", "Line 1500 3000 2940 3000 color=255 box=0"}},
         {"box ignores a solid fill",
          [](Preview& pv) { pv.FillColor(255), pv.DrawLine(0, 0, 1500, 750, prLBBox); },
          {"DrawWidth 1", "DrawStyle 0", "FillStyle 1", "Line 1500 3000 3000 3750 color=0 box=1"}},
         {"filled box takes the solid fill",
          [](Preview& pv) { pv.FillColor(255), pv.DrawWidth(45), pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); },
          {"FillColor 255", "FillStyle 0", "DrawWidth 3", "DrawStyle 0", "Line 1500 3000 3000 3750 color=0 box=1"}},
         {"filled box with a transparent fill style is an outline",
          [](Preview& pv) { pv.FillStyle(vbFSTransparent), pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); },
          {"FillColor 0", "FillStyle 1", "DrawWidth 1", "DrawStyle 0", "Line 1500 3000 3000 3750 color=0 box=1"}},
         {"line-box value outside the enumeration draws nothing", [](Preview& pv) { pv.DrawLine(0, 0, 9, 9, 7); }, {}},
         {"circle with the running fill", [](Preview& pv) { pv.FillStyle(vbCross), pv.DrawCircle(300, 600, 450); },
          {"DrawWidth 1", "DrawStyle 0", "FillStyle 6", "FillColor 0", "Circle 1800 3600 450 color=0 aspect=1"}},
         {"rounded rectangle in device pixels", [](Preview& pv) { pv.DrawRoundRect(150, 300, 1650, 1200, 150); },
          {"DrawStyle 0", "DrawWidth 1", "RoundRect 110 220 210 280 10 10 brush=0 pen=0"}},
         {"polygon in device pixels",
          [](Preview& pv) { pv.FillColor(0xFF0000), pv.LineColor(255), pv.DrawPolygon({{0, 0}, {300, 0}, {150, 300}}); },
          {"DrawStyle 0", "DrawWidth 1", "Polygon 100,200 120,200 110,220 brush=16711680 pen=255"}},
         {"empty polygon draws nothing", [](Preview& pv) { pv.DrawPolygon({}); }, {}},
         {"point in the running fore colour", [](Preview& pv) { pv.ForeColor(255), pv.DrawPSet(15, 30); },
          {"PSet 1515 3030 color=255"}}},
        false);
}

TEST(ShapesRender, Figures) {
    expectCalls(
        {{"arc with both angles 0 is whole, its aspect from the radii",
          [](Preview& pv) { pv.DrawArc(300, 600, 450, 0, 0, 0.5f); }, {"Circle 1800 3600 450 color=0 aspect=1"}},
         {"arc ending at a full turn stops at 6.27",
          [](Preview& pv) { pv.DrawArc(300, 600, 450, 0.5f, 6.2831853f, 0.5f); },
          {"Arc 1800 3600 450 color=0 start=0.5 end=6.27 aspect=0.5"}},
         {"arc of a whole turn keeps its gap", [](Preview& pv) { pv.DrawArc(300, 600, 450, 0, 6.2831853f, 1); },
          {"Arc 1800 3600 450 color=0 start=0 end=6.27 aspect=1"}},
         {"quarter arc: end rounded to a hundredth, less one",
          [](Preview& pv) { pv.DrawArc(0, 0, 300, 0, 1.5707963f, 1); },
          {"Arc 1500 3000 300 color=0 start=0 end=1.56 aspect=1"}},
         {"wide ellipse", [](Preview& pv) { pv.DrawEllipse(300, 600, 600, 300); },
          {"Circle 1800 3600 600 color=0 aspect=0.5"}},
         {"tall ellipse: the larger radius with its aspect", [](Preview& pv) { pv.DrawEllipse(300, 600, 300, 600); },
          {"Circle 1800 3600 600 color=0 aspect=2"}},
         {"rounded rectangle with a transparent fill",
          [](Preview& pv) { pv.FillStyle(vbFSTransparent), pv.DrawRoundRect(0, 0, 1500, 1500, 300); },
          {"RoundRect 100 200 200 300 20 20 brush=hollow pen=0"}},
         {"rounded rectangle with a pattern fill shows no interior",
          [](Preview& pv) { pv.FillStyle(vbDiagonalCross), pv.DrawRoundRect(0, 0, 1500, 1500, 300); },
          {"RoundRect 100 200 200 300 20 20 brush=hollow pen=0"}},
         {"polygon with a pattern fill shows no interior",
          [](Preview& pv) { pv.FillStyle(vbHorizontalLine), pv.DrawPolygon({{0, 0}, {300, 0}, {150, 300}}); },
          {"Polygon 100,200 120,200 110,220 brush=hollow pen=0"}}},
        true);
}

TEST(ShapesRender, PenWidthFollowsTheZoom) {
    // 200 twips on a 15-twips-per-pixel screen: round(13.33) = 13, at half zoom round(6.5) = 6.
    ShapeDoc doc;
    doc.pv.DrawWidth(200);
    doc.pv.DrawLine(0, 0, 1000, 0);
    EXPECT_THAT(doc.render(prOTScreen, 0.5), ElementsAre("DrawStyle 0", "DrawWidth 6", "Line 750 1500 1250 1500 color=0 box=0"));
    EXPECT_THAT(doc.render(), ElementsAre("DrawStyle 0", "DrawWidth 13", "Line 1500 3000 2500 3000 color=0 box=0"));
}

TEST(ShapesRender, RepeatedRendersDrawTheSameArc) {
    ShapeDoc doc;
    auto arc = doc.element<cEllipse>(doc.pv.DrawArc(0, 0, 300, 0.25f, 6.2831853f, 1));
    const auto first = doc.render();
    EXPECT_EQ(doc.render(), first);
    EXPECT_THAT(first.back(), ::testing::HasSubstr("end=6.27"));
    EXPECT_EQ(arc->dEnd, 6.2831853f);  // the element keeps its own angle

    auto ellipse = doc.element<cEllipse>(doc.pv.DrawEllipse(0, 0, 600, 300));
    EXPECT_EQ(ellipse->dEnd, 6.2831853f);  // left at the default, yet drawn whole (above)
}

TEST(ShapesRender, PrinterRemovesTheUnprintableMargins) {
    // Margins 360 (left) and 240 (top), axes exchanged in landscape. Printer pen 12 / 2.4 = 5;
    // rounded rectangles in 2.4-twip device pixels: (1500 - 360) / 2.4 = 475.
    for (const std::int32_t orientation : {prORPortrait, prORLandscape}) {
        SCOPED_TRACE(orientation);
        ShapeDoc doc;
        doc.pv.DrawWidth(12);
        doc.pv.DrawLine(100, 200, 300, 400);
        doc.pv.DrawCircle(0, 0, 240);
        doc.pv.DrawRoundRect(0, 0, 1200, 2400, 240);
        doc.frame->Style.Orientation = orientation;
        const bool portrait = orientation == prORPortrait;
        const auto calls = doc.render(prOTPrinter);
        EXPECT_THAT(calls, Contains(portrait ? "Line 1240 2960 1440 3160 color=0 box=0" : "Line 1360 2840 1560 3040 color=0 box=0"));
        EXPECT_THAT(calls, Contains(portrait ? "Circle 1140 2760 240 color=0 aspect=1" : "Circle 1260 2640 240 color=0 aspect=1"));
        EXPECT_THAT(calls, Contains(portrait ? "RoundRect 475 1150 975 2150 100 100 brush=0 pen=0"
                                             : "RoundRect 525 1100 1025 2100 100 100 brush=0 pen=0"));
        for (const auto& call : calls)
            if (call.rfind("DrawWidth", 0) == 0) EXPECT_EQ(call, "DrawWidth 5");
    }
}

TEST(ShapesRender, OffsetBeyondThirtyTwoBitsLeavesOnlyThatElementUndrawn) {
    ShapeDoc doc;
    doc.pv.DrawLine(INT32_MAX - 100, 0, 0, 0);
    doc.pv.DrawPSet(0, 0);
    EXPECT_THAT(doc.render(), ElementsAre("PSet 1500 3000 color=0"));
}

TEST(ShapesRender, AddersConvertMeasuresAndNeedAFrame) {
    ShapeDoc doc;
    auto line = doc.element<cLine>(doc.pv.DrawLine("1 in", "0.5 in", "10 mm", 0));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x1, 1440);
    EXPECT_EQ(line->y1, 720);
    EXPECT_EQ(line->x2, 567);
    EXPECT_EQ(line->BF, prLBLine);
    EXPECT_THROW(doc.pv.DrawCircle("1 yd", 0, 0), AutomationError);
    EXPECT_EQ(doc.frame->Elements().Count(), 1);  // nothing added for the bad measure
    doc.pv.ClearPage(1);
    EXPECT_EQ(doc.pv.DrawPolygon({{0, 0}, {1, 1}}), "");
}

}  // namespace
}  // namespace kalder
