// Lines, boxes, circles, arcs, ellipses, rounded rectangles, polygons, points, symbols and
// arrows: the calls the drawing surface receives (frame offset, pens, fills, zoom, the
// printer's margins), the pixels of real page images, their XML form and Copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRect>
#include <cmath>
#include <functional>
#include <pugixml.hpp>

#include "document/XmlItems.h"
#include "graphics/cArrow.h"
#include "graphics/cEllipse.h"
#include "graphics/cLine.h"
#include "graphics/cPolygon.h"
#include "graphics/cSymbol.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/RecordedCalls.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::FrameDoc;

// What a row draws into the frame at (1500, 3000), and the calls it makes.
struct CallsRow { const char* name; std::function<void(Preview&)> build; std::string calls;
                  std::int32_t mode = prOTScreen; double zoom = 1.0; };

// The pen, and the pen with the fill, in the order each kind sets them.
const std::string kPen = "DrawStyle 0 | DrawWidth 1 | ";
const std::string kFill = "DrawWidth 1 | DrawStyle 0 | FillStyle 0 | FillColor 0 | ";
const std::string kBox = "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line 1500 3300 2100 3900 color=0 box=1";
const std::string kChecked = kBox + " | " + kPen + "Line 1620 3420 1980 3780 color=0 box=0 | " + kPen +
                             "Line 1620 3780 1980 3420 color=0 box=0";

std::string printerCalls(const std::string& line, const std::string& circle, const std::string& roundRect) {
    return "DrawStyle 0 | DrawWidth 5 | Line " + line + " color=0 box=0 | DrawWidth 5 | DrawStyle 0 | FillStyle 0 | "
           "FillColor 0 | Circle " + circle + " 240 color=0 aspect=1 | DrawStyle 0 | DrawWidth 5 | RoundRect " +
           roundRect + " 100 100 brush=0 pen=0";
}

// The standard styles fill solid black (FillStyle 0, FillColor 0) until the caller says otherwise.
TEST(ShapesRender, ExactCalls) {
    // Printer margins 360 (left) and 240 (top), exchanged in landscape; pen 12 / 2.4 = 5;
    // rounded rectangles in 2.4-twip device pixels: (1500 - 360) / 2.4 = 475.
    auto printerShapes = [](Preview& pv) {
        pv.DrawWidth(12); pv.DrawLine(100, 200, 300, 400); pv.DrawCircle(0, 0, 240);
        pv.DrawRoundRect(0, 0, 1200, 2400, 240);
    };
    const std::vector<POLYVERT> triangle = {{0, 0}, {300, 0}, {150, 300}};
    const std::string polygon = kPen + "Polygon 100,200 120,200 110,220 brush=";
    const std::string roundRect = kPen + "RoundRect 100 200 200 300 20 20 brush=hollow pen=0";
    // An internal symbol centred on (1800, 3600).
    auto symbol = [](const char* id, Variant state, int size = 600) {
        return [=](Preview& pv) { pv.DrawSymbol("internal", id, state, 300, 600, size); };
    };
    test::forEachRow<CallsRow>(
        {{"line with the default pen", [](auto& pv) { pv.DrawLine(100, 200, 300, 400); },
          kPen + "Line 1600 3200 1800 3400 color=0 box=0"},
         {"line type, colour, width; thinner than a pixel is one pixel",
          [](auto& pv) { pv.LineType(vbDash); pv.LineColor(255); pv.DrawWidth(7); pv.DrawLine(0, 0, 1440, 0); },
          "DrawStyle 1 | DrawWidth 1 | Line 1500 3000 2940 3000 color=255 box=0"},
         // 200 twips on a 15-twips-per-pixel screen: round(13.33) = 13, at half zoom round(6.5) = 6.
         {"pen width at full zoom", [](auto& pv) { pv.DrawWidth(200); pv.DrawLine(0, 0, 1000, 0); },
          "DrawStyle 0 | DrawWidth 13 | Line 1500 3000 2500 3000 color=0 box=0"},
         {"pen width at half zoom", [](auto& pv) { pv.DrawWidth(200); pv.DrawLine(0, 0, 1000, 0); },
          "DrawStyle 0 | DrawWidth 6 | Line 750 1500 1250 1500 color=0 box=0", prOTScreen, 0.5},
         {"box ignores a solid fill", [](auto& pv) { pv.FillColor(255); pv.DrawLine(0, 0, 1500, 750, prLBBox); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line 1500 3000 3000 3750 color=0 box=1"},
         {"filled box takes the solid fill",
          [](auto& pv) { pv.FillColor(255); pv.DrawWidth(45); pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); },
          "FillColor 255 | FillStyle 0 | DrawWidth 3 | DrawStyle 0 | Line 1500 3000 3000 3750 color=0 box=1"},
         {"filled box with a transparent fill is an outline",
          [](auto& pv) { pv.FillStyle(vbFSTransparent); pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); },
          "FillColor 0 | FillStyle 1 | DrawWidth 1 | DrawStyle 0 | Line 1500 3000 3000 3750 color=0 box=1"},
         {"line-box value outside the enumeration draws nothing", [](auto& pv) { pv.DrawLine(0, 0, 9, 9, 7); }, ""},
         {"offset beyond 32 bits leaves only that element undrawn",
          [](auto& pv) { pv.DrawLine(INT32_MAX - 100, 0, 0, 0); pv.DrawPSet(0, 0); }, "PSet 1500 3000 color=0"},
         {"circle with the running fill, the last hatch",
          [](auto& pv) { pv.FillStyle(vbDiagonalCross); pv.DrawCircle(300, 600, 450); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 7 | FillColor 0 | Circle 1800 3600 450 color=0 aspect=1"},
         {"arc with both angles 0 is whole, its aspect from the radii",
          [](auto& pv) { pv.DrawArc(300, 600, 450, 0, 0, 0.5f); }, kFill + "Circle 1800 3600 450 color=0 aspect=1"},
         {"arc ending at a full turn stops at 6.27",
          [](auto& pv) { pv.DrawArc(300, 600, 450, 0.5f, 6.2831853f, 0.5f); },
          kFill + "Arc 1800 3600 450 color=0 start=0.5 end=6.27 aspect=0.5"},
         {"quarter arc: end rounded to a hundredth, less one",
          [](auto& pv) { pv.DrawArc(0, 0, 300, 0, 1.5707963f, 1); },
          kFill + "Arc 1500 3000 300 color=0 start=0 end=1.56 aspect=1"},
         {"wide ellipse", [](auto& pv) { pv.DrawEllipse(300, 600, 600, 300); },
          kFill + "Circle 1800 3600 600 color=0 aspect=0.5"},
         {"tall ellipse: the larger radius with its aspect", [](auto& pv) { pv.DrawEllipse(300, 600, 300, 600); },
          kFill + "Circle 1800 3600 600 color=0 aspect=2"},
         {"rounded rectangle in device pixels", [](auto& pv) { pv.DrawRoundRect(150, 300, 1650, 1200, 150); },
          kPen + "RoundRect 110 220 210 280 10 10 brush=0 pen=0"},
         {"rounded rectangle with a transparent fill",
          [](auto& pv) { pv.FillStyle(vbFSTransparent); pv.DrawRoundRect(0, 0, 1500, 1500, 300); }, roundRect},
         {"rounded rectangle with a pattern fill shows no interior",
          [](auto& pv) { pv.FillStyle(vbDiagonalCross); pv.DrawRoundRect(0, 0, 1500, 1500, 300); }, roundRect},
         {"polygon in device pixels",
          [&](auto& pv) { pv.FillColor(0xFF0000); pv.LineColor(255); pv.DrawPolygon(triangle); },
          polygon + "16711680 pen=255"},
         {"polygon with a pattern fill shows no interior",
          [&](auto& pv) { pv.FillStyle(vbHorizontalLine); pv.DrawPolygon(triangle); }, polygon + "hollow pen=0"},
         {"empty polygon draws nothing", [](auto& pv) { pv.DrawPolygon({}); }, ""},
         {"point in the running fore colour", [](auto& pv) { pv.ForeColor(255); pv.DrawPSet(15, 30); },
          "PSet 1515 3030 color=255"},
         {"printer, portrait", printerShapes, printerCalls("1240 2960 1440 3160", "1140 2760", "475 1150 975 2150"),
          prOTPrinter},
         {"printer, landscape",
          [&](auto& pv) { printerShapes(pv); pv.document().currentFrame()->Style.Orientation = prORLandscape; },
          printerCalls("1360 2840 1560 3040", "1260 2640", "525 1100 1025 2100"), prOTPrinter},
         // Size 600; the checked box's X held a fifth of the side off the outline.
         {"radio unchecked is one circle, filled white",
          [](auto& pv) { pv.FillColor(255); pv.DrawSymbol("internal", "radio", false, 300, 600, 600); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 0 | FillColor 16777215 | Circle 1800 3600 300 color=0 aspect=1"},
         {"radio checked adds a solid dot of a quarter size in the line colour",
          [](auto& pv) { pv.LineColor(255); pv.FillStyle(vbFSTransparent);
                         pv.DrawSymbol("internal", "radio", true, 300, 600, 600); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | FillColor 16777215 | Circle 1800 3600 300 color=255 aspect=1 | "
          "DrawWidth 1 | DrawStyle 0 | FillStyle 0 | FillColor 255 | Circle 1800 3600 150 color=255 aspect=1"},
         {"checkbox unchecked", symbol("checkbox", false), kBox},
         {"checkbox checked", symbol("checkbox", -1), kChecked},
         {"checkbox checked by the text True", symbol("checkbox", "True"), kChecked},
         {"checkbox state no truth value", symbol("checkbox", "maybe"), kBox},
         {"box has no mark even when checked", symbol("box", true), kBox},
         {"odd size keeps its full side", symbol("box", false, 601),
          "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line 1500 3300 2101 3901 color=0 box=1"},
         {"font symbol in its font at its size",
          [](auto& pv) { pv.DrawSymbol("DejaVu Sans", "\u2713", false, 300, 600, 600); },
          "FontName DejaVu Sans | FontSize 30 | FontBold 1 | FontItalic 0 | FontStrikethru 0 | FontUnderline 1 | "
          "ForeColor 0 | FontCharset 0 | CurrentX 1549 | CurrentY 3251 | Print \u2713"},
         {"arrow without heads is one line",
          [](auto& pv) { pv.DrawArrow(prARSharp, 0, prARAngle, 0, 0, 0, 1500, 750); },
          kPen + "Line 1500 3000 3000 3750 color=0 box=0"},
         // Tip (3000, 3000), 300 back along the shaft and 300 x tan 30 = 173.2 to either side.
         {"sharp head at the end, filled in the line colour",
          [](auto& pv) { pv.LineColor(255); pv.FillStyle(vbFSTransparent);
                         pv.DrawArrow(prARSharp, 0, prARSharp, 300, 0, 0, 1500, 0); },
          kPen + "Line 1500 3000 3000 3000 color=255 box=0 | " + kPen +
              "Polygon 200,200 180,188 180,212 brush=255 pen=255"},
         {"angled head at the start: two strokes",
          [](auto& pv) { pv.DrawArrow(prARAngle, 300, prARSharp, 0, 0, 0, 0, 1500); },
          kPen + "Line 1500 3000 1500 4500 color=0 box=0 | " + kPen + "Line 1500 3000 1327 3300 color=0 box=0 | " +
              kPen + "Line 1500 3000 1673 3300 color=0 box=0"},
         {"a shaft of no length has no direction for a head",
          [](auto& pv) { pv.DrawArrow(prARSharp, 300, prARAngle, 300, 100, 100, 100, 100); },
          kPen + "Line 1600 3100 1600 3100 color=0 box=0"}},
        [](const CallsRow& row) {
            FrameDoc doc;
            row.build(doc.pv);
            EXPECT_EQ(test::joined(doc.calls(row.mode, row.zoom)), row.calls);
            EXPECT_EQ(test::joined(doc.calls(row.mode, row.zoom)), row.calls) << "drawn again";
        });
}

// A page can outline the printer's printable area on screen; a landscape sheet turns the margins.
TEST(ShapesRender, PrintableFrameFollowsTheOrientation) {
    for (const auto& [orientation, box] : {std::pair{prORPortrait, "Line 360 240 11868 15603"},
                                           std::pair{prORLandscape, "Line 240 360 11748 15723"}}) {
        Preview pv;
        pv.Orientation(orientation);
        pv.document().currentPage()->ShowPrintable = true;
        EXPECT_EQ(test::joined(test::pageCalls(pv)), "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | " + std::string(box) + " color=0 box=1");
    }
}

TEST(ShapesAdd, MeasuresConvertedCurrentPositionTakenAFrameNeededUnknownSymbolsFail) {
    using Ints = std::vector<std::int32_t>;
    FrameDoc doc;
    auto line = doc.element<cLine>(doc.pv.DrawLine("1 in", "0.5 in", "10 mm", 0));
    EXPECT_EQ(Ints({line->x1, line->y1, line->x2, line->y2, line->BF}), Ints({1440, 720, 567, 0, prLBLine}));
    EXPECT_THROW(doc.pv.DrawCircle("1 yd", 0, 0), AutomationError);
    EXPECT_EQ(doc.frame->Elements().Count(), 1);  // nothing added for the bad measure
    doc.pv.CurrentX(120); doc.pv.CurrentY(240); doc.pv.FontSize(18);
    auto symbol = doc.element<cSymbol>(doc.pv.DrawSymbol("internal", "box", false));
    EXPECT_EQ(Ints({symbol->xPos, symbol->yPos, symbol->Size}), Ints({120, 240, 360}));
    EXPECT_THAT(test::errorOf([&] { doc.pv.DrawSymbol("internal", "star", true, 0, 0, 300); }),
                test::IsError(5, "DrawSymbol", "Unknown symbol : star"));
    EXPECT_EQ(doc.frame->Elements().Count(), 3);  // line, font size change, box
    // The elements keep their own angles: 6.2831853 is drawn to 6.27, and left out is a full turn.
    EXPECT_EQ(doc.element<cEllipse>(doc.pv.DrawArc(0, 0, 300, 0.25f, 6.2831853f, 1))->dEnd, 6.2831853f);
    EXPECT_EQ(doc.element<cEllipse>(doc.pv.DrawEllipse(0, 0, 600, 300))->dEnd, 6.2831853f);
    doc.pv.ClearPage(1);
    EXPECT_EQ(doc.pv.DrawPolygon({{0, 0}, {1, 1}}), "");
    // An unknown symbol from a file fails when drawn, and the frame goes on.
    FrameDoc file;
    auto unknown = std::make_shared<cSymbol>();
    unknown->SetName = "internal"; unknown->SymbolId = "Box"; file.frame->addElement(unknown);
    file.pv.DrawPSet(0, 0);
    EXPECT_EQ(test::joined(file.calls()), "PSet 1500 3000 color=0");
    RecordingDrawTarget target;
    DrawingLayer layer(target);
    RenderContext ctx(layer);
    EXPECT_THAT(test::errorOf([&] { unknown->Preview(*file.frame, ctx); }),
                test::IsError(5, "DrawSymbol", "Unknown symbol : Box"));
}

TEST(ArrowsGeometry, SidesLieThirtyDegreesOffTheShaftAtHeadLengthAlongIt) {
    const double kDegree = std::acos(-1.0) / 180;
    for (const auto& [dx, dy] :
         std::vector<std::pair<int, int>>{{1, 0}, {1, -1}, {0, -1}, {-1, 0}, {-1, 1}, {0, 1}, {3, 1}, {-1, 7}}) {
        const POLYVERT tip{5000, 5000}, from{tip.X - 2000 * dx, tip.Y - 2000 * dy};
        const auto sides = cArrow::headSides(from, tip, 600);
        const double sx = from.X - tip.X, sy = from.Y - tip.Y, shaft = std::hypot(sx, sy);
        double across[2];
        for (int i = 0; i < 2; ++i) {
            const double vx = sides[i].X - tip.X, vy = sides[i].Y - tip.Y, along = (vx * sx + vy * sy) / shaft;
            across[i] = (sx * vy - sy * vx) / shaft;
            EXPECT_NEAR(along, 600, 1.0) << dx << "," << dy;
            EXPECT_NEAR(std::atan2(std::fabs(across[i]), along), 30 * kDegree, 0.2 * kDegree) << dx << "," << dy;
        }
        EXPECT_LT(across[0] * across[1], 0) << "both sides on one side of the shaft " << dx << "," << dy;
    }
}

const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255), kBlue = qRgb(0, 0, 255), kRed = qRgb(255, 0, 0);

struct Probe { int x, y; QRgb colour; };

// The box round all ink, the pixels it may be off, pixels of a known colour, and a rectangle all white.
struct PixelsRow { const char* name; std::function<void(Preview&)> build; test::InkBox box; int slack;
                   std::vector<Probe> probes; QRect blank = {}; double zoom = 1.0; };

// Real page images, 15 twips a pixel: the frame's (1500, 3000) twips are (100, 200) pixels.
TEST(ShapesPixels, LandWhereTheirTwipsSay) {
    // Box (1500, 0)-(4500, 1500) in the frame is page pixels 200..400 by 200..300.
    auto box = [](Preview& pv) { pv.DrawLine(1500, 0, 4500, 1500, prLBBox); };
    test::forEachRow<PixelsRow>(
        {{"box outline", box, {200, 200, 400, 300}, 0, {{200, 250, kBlack}, {300, 300, kBlack}}, {201, 201, 199, 99}},
         {"box at half zoom", box, {100, 100, 200, 150}, 0, {{100, 125, kBlack}, {150, 150, kBlack}},
          {101, 101, 99, 49}, 0.5},
         {"filled box (blue: red is the low byte), then one with a transparent fill",
          [](auto& pv) { pv.FillColor(0xFF0000); pv.DrawLine(1500, 0, 4500, 1500, prLBBoxFill);
                         pv.FillStyle(vbFSTransparent); pv.DrawLine(1500, 3000, 4500, 4500, prLBBoxFill); },
          {200, 200, 400, 500}, 0, {{300, 250, kBlue}, {201, 201, kBlue}, {200, 250, kBlack}, {200, 450, kBlack}},
          {201, 401, 199, 99}},
         // Centre (300, 300), radius 100, a quarter turn counter-clockwise from 3 o'clock (to 1.56 rad).
         {"arc", [](auto& pv) { pv.DrawArc(3000, 1500, 1500, 0, 1.5707963f, 1); }, {301, 200, 400, 300}, 1, {}},
         {"ellipse with both radii", [](auto& pv) { pv.DrawEllipse(3000, 1500, 1500, 750); }, {200, 250, 400, 350}, 1,
          {}},
         {"pattern fills show no interior; a solid one does",
          [](auto& pv) { pv.FillColor(0xFF0000); pv.FillStyle(vbCross); pv.DrawRoundRect(1500, 0, 4500, 1500, 300);
                         pv.DrawPolygon({{1500, 3000}, {4500, 3000}, {3000, 4500}}); pv.FillStyle(vbFSSolid);
                         pv.DrawPolygon({{6000, 3000}, {9000, 3000}, {7500, 4500}}); },
          {200, 200, 700, 500}, 0, {{300, 420, kWhite}, {200, 400, kBlack}, {600, 420, kBlue}}, {210, 210, 180, 80}},
         // Centre (300, 400), font size 48 pixels; a symbol without text shows nothing.
         {"font symbol centred on its point",
          [](auto& pv) { pv.DrawSymbol("DejaVu Sans", "\u25A0", false, 3000, 3000, 720);
                         pv.DrawSymbol("DejaVu Sans", "", true, 6000, 3000, 720); },
          {277, 386, 321, 422}, 2, {}},
         // Centres (300, 400) and (500, 400); ring radius 30 pixels, dot 15.
         {"checked radio has a filled centre",
          [](auto& pv) { pv.DrawSymbol("internal", "radio", true, 3000, 3000, 900);
                         pv.DrawSymbol("internal", "radio", false, 6000, 3000, 900); },
          {270, 370, 530, 430}, 0, {{308, 400, kBlack}, {322, 400, kWhite}, {500, 400, kWhite}, {530, 400, kBlack}}},
         // Shafts along y = 200 and 400 ending at x = 300, heads 40 pixels long: 20 back from
         // the tip a head is 2 x 11.5 pixels wide; the sharp one filled, the angled one two strokes.
         {"sharp head filled, angled head open",
          [](auto& pv) { pv.LineColor(255); pv.DrawArrow(prARSharp, 0, prARSharp, 600, 0, 0, 3000, 0);
                         pv.DrawArrow(prARSharp, 0, prARAngle, 600, 0, 3000, 3000, 3000); },
          {100, 177, 300, 423}, 0,
          {{280, 194, kRed}, {280, 206, kRed}, {310, 200, kWhite}, {280, 388, kRed}, {280, 406, kWhite},
           {280, 411, kRed}},
          {280, 389, 1, 11}}},
        [](const PixelsRow& row) {
            FrameDoc doc;
            row.build(doc.pv);
            const QImage image = test::pageImage(doc.pv, 1, row.zoom);
            const auto ink = test::inkOf(image);
            EXPECT_LE(test::offBy(ink, row.box), row.slack) << ink;
            for (const Probe& p : row.probes) EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
            if (!row.blank.isEmpty()) EXPECT_EQ(test::inkOf(image.copy(row.blank)).count, 0);
        });
}

// One of each drawn kind, with values that differ from every default: keys "El 1" .. "El 10".
void drawOneOfEach(Preview& pv) {
    pv.DrawLine(10, -20, 30000, 40, prLBBoxFill); pv.DrawCircle(100, 200, 300);
    pv.DrawArc(100, 200, 300, 0.25f, 4.5f, 0.75f); pv.DrawEllipse(-5, 6, 700, 80);
    pv.DrawRoundRect(1, 2, 3, 4, 5); pv.DrawPolygon({{0, 0}, {-1440, 720}, {2880, 123456}}); pv.DrawPSet(7, 8);
    pv.DrawSymbol("internal", "checkbox", false, 11, 12, 13);  // the state is not part of the form
    pv.DrawSymbol("DejaVu Sans <&>", "\u2713 \"x\"", false, 21, 22, 23);
    pv.DrawArrow(prARAngle, 90, prARSharp, 180, 1, 2, 3, 4);
}

std::string xmlOf(const ElementPtr& e) {
    std::string out;
    e->SaveXMLString(out);
    return out;
}

TEST(DrawnXml, CopyAndRoundTripKeepEveryKindAndPolygonCountsAreChecked) {
    FrameDoc doc;
    Preview& pv = doc.pv;
    drawOneOfEach(pv);
    // Copy keeps the kind and the fields, and the copy is independent.
    for (const ElementPtr& e : doc.frame->Elements()) {
        const ElementPtr copy = e->Copy();
        EXPECT_TRUE(copy.get() != e.get() && typeid(*copy) == typeid(*e)) << e->Key();
        EXPECT_EQ(xmlOf(copy), xmlOf(e));
    }
    auto polygon = doc.element<cPolygon>("El 6");
    auto copy = std::dynamic_pointer_cast<cPolygon>(polygon->Copy());
    copy->Poly[0].X = 99; copy->Poly.push_back({5, 5});
    EXPECT_EQ(std::make_pair(polygon->Poly.size(), polygon->Poly[0].X), std::make_pair(std::size_t(3), 0));
    auto symbol = doc.element<cSymbol>(pv.DrawSymbol("internal", "radio", true, 0, 0, 300));
    EXPECT_TRUE(std::dynamic_pointer_cast<cSymbol>(symbol->Copy())->Param.toBool());  // the state is copied too
    // Texts, page numbers, a watermark and a reference join the shapes for the round trip.
    pv.CurrentFrame("inside");
    pv.AddTextAt("Gr\u00fc\u00dfe <&> \"quoted\"", 1234, 567, prALCenter, prASNone);
    pv.AddTextAt("  spaced  ", -20, 30, prALRight, prASCopypage);
    pv.AddPageNumberAt("<Page ?? & more>", 111, 222, false, prALRight);
    pv.AddPageNumberAt("??", -5, 6, true, prALCenter);
    pv.Watermark("CONFIDENTIAL"); pv.AddPage(); pv.AddReference("Page 1", "inside", "El 1");
    Preview back;
    back.LoadXML(pv.SaveXMLString());
    // The ellipse too, whose full turn reads back as a slightly different single from seven digits.
    EXPECT_EQ(test::joined(test::pageCalls(back, "Page 1")), test::joined(test::pageCalls(pv, "Page 1")));
    EXPECT_EQ(test::joined(test::pageCalls(back, "Page 2")), test::joined(test::pageCalls(pv, "Page 2")));
    // The watermark's style change prints nothing first; the reference on page 2 draws the first text.
    EXPECT_EQ(test::printed(test::pageCalls(back, "Page 1")),
              "@, | Gr\u00fc\u00dfe <&> \"quoted\"@170,567 |   spaced  @-1023,30 | <Page 1 & more>@-1674,222 | "
              "1/2@-158,6 | \u2713 \"x\"@1488,3009");
    EXPECT_EQ(test::printed(test::pageCalls(back, "Page 2")), "Gr\u00fc\u00dfe <&> \"quoted\"@170,567");

    pugi::xml_document dom;  // an ellipse keeps its full turn in seven digits
    ASSERT_TRUE(dom.load_string(xmlOf(doc.frame->Elements().Item(std::string_view("El 4"))).c_str()));
    EXPECT_EQ(std::string(dom.child("Element").child_value("dEnd")), test::withMark("6.283185"));
    // Polygon vertices read from damaged counts.
    const std::string two = "<xPos1>1</xPos1><yPos1>2</yPos1><xPos2>3</xPos2><yPos2>4</yPos2>";
    using Vertices = std::vector<std::pair<int, int>>;
    struct Row { const char* name; std::string items; Vertices vertices; };
    test::forEachRow<Row>(
        {{"count as written", "<nVerts>2</nVerts>" + two, {{1, 2}, {3, 4}}},
         {"items found by name in any order",
          "<nVerts>2</nVerts><yPos2>4</yPos2><xPos2>3</xPos2><yPos1>2</yPos1><xPos1>1</xPos1>", {{1, 2}, {3, 4}}},
         {"a smaller count reads that many", "<nVerts>1</nVerts>" + two, {{1, 2}}},
         {"no count is an empty polygon", two, {}},
         {"negative count is an empty polygon", "<nVerts>-3</nVerts>" + two, {}},
         {"a huge count is capped by the items there are", "<nVerts>2000000000</nVerts>" + two, {{1, 2}, {3, 4}}}},
        [](const Row& row) {
            pugi::xml_document dom;
            ASSERT_TRUE(dom.load_string(("<Element Key=\"El 1\" Type=\"13\">" + row.items + "</Element>").c_str()));
            cPolygon polygon;
            polygon.LoadXML(dom.child("Element"));
            Vertices got;
            for (const auto& v : polygon.Poly) got.emplace_back(v.X, v.Y);
            EXPECT_EQ(got, row.vertices);
        });
}

}  // namespace
}  // namespace kalder
