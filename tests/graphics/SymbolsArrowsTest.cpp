// Symbols (font characters and the internal box, radio and check box) and arrows: the calls
// they make, the head geometry, the errors for unknown symbols, and real pixels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "graphics/ShapeTestSupport.h"
#include "graphics/cArrow.h"
#include "graphics/cSymbol.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::errorOf;
using test::IsError;
using test::ShapeDoc;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const QRgb kBlack = qRgb(0, 0, 0), kRed = qRgb(255, 0, 0), kWhite = qRgb(255, 255, 255);

struct SymbolRow {
    const char* name;
    std::function<void(Preview&)> build;  // centred on (1800, 3600), size 600
    std::vector<std::string> calls;
};

const std::vector<std::string> kBox = {"DrawWidth 1", "DrawStyle 0", "FillStyle 1", "Line 1500 3300 2100 3900 color=0 box=1"};
// The X, held a fifth of the side (120) off the outline.
const std::vector<std::string> kCheckedBox = {
    "DrawWidth 1", "DrawStyle 0", "FillStyle 1", "Line 1500 3300 2100 3900 color=0 box=1",
    "DrawStyle 0", "DrawWidth 1", "Line 1620 3420 1980 3780 color=0 box=0",
    "DrawStyle 0", "DrawWidth 1", "Line 1620 3780 1980 3420 color=0 box=0"};

TEST(SymbolsRender, InternalSymbols) {
    test::forEachRow<SymbolRow>(
        {{"radio unchecked is one circle, filled white", [](Preview& pv) {
              pv.FillColor(255), pv.DrawSymbol("internal", "radio", false, 300, 600, 600); },
          {"DrawWidth 1", "DrawStyle 0", "FillStyle 0", "FillColor 16777215", "Circle 1800 3600 300 color=0 aspect=1"}},
         {"radio checked adds a solid dot of a quarter size in the line colour", [](Preview& pv) {
              pv.LineColor(255), pv.FillStyle(vbFSTransparent), pv.DrawSymbol("internal", "radio", true, 300, 600, 600); },
          {"DrawWidth 1", "DrawStyle 0", "FillStyle 1", "FillColor 16777215", "Circle 1800 3600 300 color=255 aspect=1",
           "DrawWidth 1", "DrawStyle 0", "FillStyle 0", "FillColor 255", "Circle 1800 3600 150 color=255 aspect=1"}},
         {"checkbox unchecked", [](Preview& pv) { pv.DrawSymbol("internal", "checkbox", false, 300, 600, 600); }, kBox},
         {"checkbox checked", [](Preview& pv) { pv.DrawSymbol("internal", "checkbox", -1, 300, 600, 600); }, kCheckedBox},
         {"checkbox checked by the text True",
          [](Preview& pv) { pv.DrawSymbol("internal", "checkbox", "True", 300, 600, 600); }, kCheckedBox},
         {"checkbox with a state that is no truth value",
          [](Preview& pv) { pv.DrawSymbol("internal", "checkbox", "maybe", 300, 600, 600); }, kBox},
         {"box has no mark even when checked", [](Preview& pv) { pv.DrawSymbol("internal", "box", true, 300, 600, 600); },
          kBox},
         {"odd size keeps its full side", [](Preview& pv) { pv.DrawSymbol("internal", "box", false, 300, 600, 601); },
          {"DrawWidth 1", "DrawStyle 0", "FillStyle 1", "Line 1500 3300 2101 3901 color=0 box=1"}}},
        [](const SymbolRow& row) {
            ShapeDoc doc;
            row.build(doc.pv);
            EXPECT_THAT(doc.render(), ElementsAreArray(row.calls));
        });
}

TEST(SymbolsRender, FontSymbolIsPrintedInItsFontAtItsSize) {
    ShapeDoc doc;
    doc.pv.DrawSymbol("DejaVu Sans", "\u2713", false, 300, 600, 600);
    const auto calls = doc.render();
    EXPECT_THAT(calls, ::testing::IsSupersetOf({"FontName DejaVu Sans", "FontSize 30", "Print \u2713"}));
}

TEST(SymbolsRender, UnknownInternalSymbol) {
    ShapeDoc doc;
    EXPECT_THAT(errorOf([&] { doc.pv.DrawSymbol("internal", "star", true, 0, 0, 300); }),
                IsError(5, "DrawSymbol", "Unknown symbol : star"));
    EXPECT_EQ(doc.frame->Elements().Count(), 0);

    // One that got into the document anyway (a loaded file) fails when drawn; the frame leaves
    // it out and goes on.
    auto symbol = std::make_shared<cSymbol>();
    symbol->SetName = "internal";
    symbol->SymbolId = "Box";
    doc.frame->addElement(symbol);
    doc.pv.DrawPSet(0, 0);
    EXPECT_THAT(doc.render(), ElementsAre("PSet 1500 3000 color=0"));
    RecordingDrawTarget target;
    DrawingLayer layer(target);
    RenderContext ctx(layer);
    EXPECT_THAT(errorOf([&] { symbol->Preview(*doc.frame, ctx); }), IsError(5, "DrawSymbol", "Unknown symbol : Box"));
}

TEST(SymbolsRender, LeftOutPositionAndSizeAreTheCurrentOnes) {
    ShapeDoc doc;
    doc.pv.CurrentX(120);
    doc.pv.CurrentY(240);
    doc.pv.FontSize(18);
    auto symbol = doc.element<cSymbol>(doc.pv.DrawSymbol("internal", "box", false));
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->xPos, 120);
    EXPECT_EQ(symbol->yPos, 240);
    EXPECT_EQ(symbol->Size, 360);
}

TEST(SymbolsPixels, FontSymbolIsCentredOnItsPoint) {
    // Centre at page (4500, 6000) twips = (300, 400) pixels, font size 48 pixels.
    ShapeDoc doc;
    doc.pv.DrawSymbol("DejaVu Sans", "\u25A0", false, 3000, 3000, 720);
    doc.pv.DrawSymbol("DejaVu Sans", "", true, 6000, 3000, 720);  // no text: nothing to see
    const auto ink = test::inkOf(doc.image());
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 300, 2.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 400, 8.0);
    EXPECT_LT(ink.right, 400);
}

TEST(SymbolsPixels, CheckedRadioHasAFilledCentre) {
    // Centres (300, 400) and (500, 400) pixels; ring radius 30 pixels, dot 15.
    ShapeDoc doc;
    doc.pv.DrawSymbol("internal", "radio", true, 3000, 3000, 900);
    doc.pv.DrawSymbol("internal", "radio", false, 6000, 3000, 900);
    const QImage image = doc.image();
    EXPECT_EQ(image.pixel(308, 400), kBlack);
    EXPECT_EQ(image.pixel(322, 400), kWhite);  // between dot and ring
    EXPECT_EQ(image.pixel(500, 400), kWhite);  // unchecked: no dot
    EXPECT_EQ(image.pixel(530, 400), kBlack);  // but its ring
}

TEST(ArrowsRender, WithoutHeadsIsOneLine) {
    ShapeDoc doc;
    doc.pv.DrawArrow(prARSharp, 0, prARAngle, 0, 0, 0, 1500, 750);
    EXPECT_THAT(doc.render(), ElementsAre("DrawStyle 0", "DrawWidth 1", "Line 1500 3000 3000 3750 color=0 box=0"));
}

TEST(ArrowsRender, Heads) {
    // A sharp head at the end of a horizontal shaft: tip (3000, 3000), 300 back along the
    // shaft and 300 x tan 30 = 173.2 to either side, in device pixels; filled in the line colour.
    ShapeDoc doc;
    doc.pv.LineColor(255);
    doc.pv.FillStyle(vbFSTransparent);
    doc.pv.DrawArrow(prARSharp, 0, prARSharp, 300, 0, 0, 1500, 0);
    EXPECT_THAT(doc.render(), ElementsAre("DrawStyle 0", "DrawWidth 1", "Line 1500 3000 3000 3000 color=255 box=0",
                                          "DrawStyle 0", "DrawWidth 1", "Polygon 200,200 180,188 180,212 brush=255 pen=255"));
    // An angled head at the start of a vertical shaft: two strokes.
    ShapeDoc vertical;
    vertical.pv.DrawArrow(prARAngle, 300, prARSharp, 0, 0, 0, 0, 1500);
    EXPECT_THAT(vertical.render(), ElementsAre("DrawStyle 0", "DrawWidth 1", "Line 1500 3000 1500 4500 color=0 box=0",
                                               "DrawStyle 0", "DrawWidth 1", "Line 1500 3000 1327 3300 color=0 box=0",
                                               "DrawStyle 0", "DrawWidth 1", "Line 1500 3000 1673 3300 color=0 box=0"));
    // A shaft of no length has no direction for a head.
    ShapeDoc point;
    point.pv.DrawArrow(prARSharp, 300, prARAngle, 300, 100, 100, 100, 100);
    EXPECT_EQ(point.render().size(), 3u);
}

struct Direction {
    const char* name;
    int dx, dy;
};

TEST(ArrowsGeometry, SidesLieThirtyDegreesOffTheShaftAtHeadLengthAlongIt) {
    constexpr double kDegree = 3.14159265358979 / 180;
    test::forEachRow<Direction>(
        {{"east", 1, 0}, {"north-east", 1, -1}, {"north", 0, -1}, {"west", -1, 0}, {"south-west", -1, 1},
         {"south", 0, 1}, {"shallow", 3, 1}, {"steep", -1, 7}},
        [&](const Direction& d) {
            const POLYVERT tip{5000, 5000}, from{tip.X - 2000 * d.dx, tip.Y - 2000 * d.dy};
            const auto sides = cArrow::headSides(from, tip, 600);
            const double sx = from.X - tip.X, sy = from.Y - tip.Y, shaft = std::hypot(sx, sy);
            double across[2];
            for (int i = 0; i < 2; ++i) {
                const double vx = sides[i].X - tip.X, vy = sides[i].Y - tip.Y, along = (vx * sx + vy * sy) / shaft;
                across[i] = (sx * vy - sy * vx) / shaft;
                EXPECT_NEAR(along, 600, 1.0);
                EXPECT_NEAR(std::atan2(std::fabs(across[i]), along), 30 * kDegree, 0.2 * kDegree);
            }
            EXPECT_LT(across[0] * across[1], 0) << "both sides on one side of the shaft";
        });
}

TEST(ArrowsPixels, SharpHeadIsFilledAndAngleHeadIsOpen) {
    // Shafts along y = 200 and y = 400 pixels ending at x = 300, heads 40 pixels long: 20 back
    // from the tip a head is 2 x 11.5 pixels wide.
    ShapeDoc doc;
    doc.pv.LineColor(255);
    doc.pv.DrawArrow(prARSharp, 0, prARSharp, 600, 0, 0, 3000, 0);
    doc.pv.DrawArrow(prARSharp, 0, prARAngle, 600, 0, 3000, 3000, 3000);
    const QImage image = doc.image();
    EXPECT_EQ(image.pixel(280, 194), kRed);
    EXPECT_EQ(image.pixel(280, 206), kRed);
    EXPECT_EQ(image.pixel(310, 200), kWhite);  // nothing beyond the tip
    EXPECT_EQ(image.pixel(280, 394), kWhite);
    EXPECT_EQ(image.pixel(280, 406), kWhite);
    int strokes = 0;
    for (int y = 384; y <= 416; ++y) strokes += y != 400 && image.pixel(280, y) == kRed && image.pixel(280, y - 1) != kRed;
    EXPECT_EQ(strokes, 2);
}

}  // namespace
}  // namespace kalder
