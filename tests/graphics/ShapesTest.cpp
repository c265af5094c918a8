// Lines, boxes, circles, arcs, ellipses, rounded rectangles, polygons, points, symbols and
// arrows: the calls the drawing surface receives (frame offset, pens, fills, zoom, the
// printer's margins), the pixels of real page images and of a PDF, their XML form and Copy.
#include <QRect>
#include <functional>
#include <pugixml.hpp>

#include "document/XmlItems.h"
#include "graphics/cLine.h"
#include "graphics/cPolygon.h"
#include "graphics/cSymbol.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/Printing.h"
#include "support/RecordedCalls.h"

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
    test::forEachRow<CallsRow>(
        {{"line with the default pen, then a type, colour and width thinner than a pixel (one pixel)",
          [](auto& pv) { pv.DrawLine(100, 200, 300, 400); pv.LineType(vbDash); pv.LineColor(255); pv.DrawWidth(7);
                         pv.DrawLine(0, 0, 1440, 0); },
          kPen + "Line 1600 3200 1800 3400 color=0 box=0 | DrawStyle 1 | DrawWidth 1 | "
                 "Line 1500 3000 2940 3000 color=255 box=0"},
         // 200 twips on a 15-twips-per-pixel screen: round(13.33) = 13, at half zoom round(6.5) = 6.
         {"pen width at full zoom", [](auto& pv) { pv.DrawWidth(200); pv.DrawLine(0, 0, 1000, 0); },
          "DrawStyle 0 | DrawWidth 13 | Line 1500 3000 2500 3000 color=0 box=0"},
         {"pen width at half zoom", [](auto& pv) { pv.DrawWidth(200); pv.DrawLine(0, 0, 1000, 0); },
          "DrawStyle 0 | DrawWidth 6 | Line 750 1500 1250 1500 color=0 box=0", prOTScreen, 0.5},
         {"a box ignores a solid fill, a filled box takes it, and a transparent fill is an outline",
          [](auto& pv) { pv.FillColor(255); pv.DrawLine(0, 0, 1500, 750, prLBBox); pv.DrawWidth(45);
                         pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); pv.FillStyle(vbFSTransparent);
                         pv.DrawLine(0, 0, 1500, 750, prLBBoxFill); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line 1500 3000 3000 3750 color=0 box=1 | FillColor 255 | "
          "FillStyle 0 | DrawWidth 3 | DrawStyle 0 | Line 1500 3000 3000 3750 color=0 box=1 | FillColor 255 | "
          "FillStyle 1 | DrawWidth 3 | DrawStyle 0 | Line 1500 3000 3000 3750 color=0 box=1"},
         {"line-box value outside the enumeration draws nothing", [](auto& pv) { pv.DrawLine(0, 0, 9, 9, 7); }, ""},
         {"offset beyond 32 bits leaves only that element undrawn",
          [](auto& pv) { pv.DrawLine(INT32_MAX - 100, 0, 0, 0); pv.DrawPSet(0, 0); }, "PSet 1500 3000 color=0"},
         {"circle with the running fill, the last hatch",
          [](auto& pv) { pv.FillStyle(vbDiagonalCross); pv.DrawCircle(300, 600, 450); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 7 | FillColor 0 | Circle 1800 3600 450 color=0 aspect=1"},
         // An arc with both angles 0 is whole, its aspect from the radii; one ending at a full turn
         // stops at 6.27: the end rounded to a hundredth, less one. An ellipse gives the larger
         // radius and its aspect.
         {"arcs and ellipses",
          [](auto& pv) { pv.DrawArc(300, 600, 450, 0, 0, 0.5f); pv.DrawArc(300, 600, 450, 0.5f, 6.2831853f, 0.5f);
                         pv.DrawArc(0, 0, 300, 0, 1.5707963f, 1); pv.DrawEllipse(300, 600, 600, 300);
                         pv.DrawEllipse(300, 600, 300, 600); },
          kFill + "Circle 1800 3600 450 color=0 aspect=1 | " + kFill +
              "Arc 1800 3600 450 color=0 start=0.5 end=6.27 aspect=0.5 | " + kFill +
              "Arc 1500 3000 300 color=0 start=0 end=1.56 aspect=1 | " + kFill +
              "Circle 1800 3600 600 color=0 aspect=0.5 | " + kFill + "Circle 1800 3600 600 color=0 aspect=2"},
         {"rounded rectangles in device pixels; a pattern fill shows no interior",
          [](auto& pv) { pv.DrawRoundRect(150, 300, 1650, 1200, 150); pv.FillStyle(vbDiagonalCross);
                         pv.DrawRoundRect(0, 0, 1500, 1500, 300); },
          kPen + "RoundRect 110 220 210 280 10 10 brush=0 pen=0 | " + kPen +
              "RoundRect 100 200 200 300 20 20 brush=hollow pen=0"},
         {"polygons in device pixels; a pattern fill shows no interior, and an empty one draws nothing",
          [](auto& pv) { pv.FillColor(0xFF0000); pv.LineColor(255); pv.DrawPolygon({{0, 0}, {300, 0}, {150, 300}});
                         pv.FillStyle(vbHorizontalLine); pv.DrawPolygon({{0, 0}, {300, 0}, {150, 300}});
                         pv.DrawPolygon({}); },
          kPen + "Polygon 100,200 120,200 110,220 brush=16711680 pen=255 | " + kPen +
              "Polygon 100,200 120,200 110,220 brush=hollow pen=255"},
         {"point in the running fore colour", [](auto& pv) { pv.ForeColor(255); pv.DrawPSet(15, 30); },
          "PSet 1515 3030 color=255"},
         {"printer, portrait", printerShapes, printerCalls("1240 2960 1440 3160", "1140 2760", "475 1150 975 2150"),
          prOTPrinter},
         {"printer, landscape",
          [&](auto& pv) { printerShapes(pv); pv.document().currentFrame()->Style.Orientation = prORLandscape; },
          printerCalls("1360 2840 1560 3040", "1260 2640", "525 1100 1025 2100"), prOTPrinter},
         // Size 600. An unchecked radio is one circle, filled white; a checked one adds a solid
         // dot of a quarter size in the line colour. The checked box's X is held a fifth of the
         // side off the outline.
         {"radios",
          [](auto& pv) { pv.FillColor(255); pv.DrawSymbol("internal", "radio", false, 300, 600, 600);
                         pv.LineColor(255); pv.FillStyle(vbFSTransparent);
                         pv.DrawSymbol("internal", "radio", true, 300, 600, 600); },
          "DrawWidth 1 | DrawStyle 0 | FillStyle 0 | FillColor 16777215 | Circle 1800 3600 300 color=0 aspect=1 | "
          "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | FillColor 16777215 | Circle 1800 3600 300 color=255 aspect=1 | "
          "DrawWidth 1 | DrawStyle 0 | FillStyle 0 | FillColor 255 | Circle 1800 3600 150 color=255 aspect=1"},
         {"checkbox unchecked, checked by -1 or the text True, unchecked by a state of no truth value",
          [](auto& pv) { for (Variant state : {Variant(false), Variant(-1), Variant("True"), Variant("maybe")})
                             pv.DrawSymbol("internal", "checkbox", state, 300, 600, 600); },
          kBox + " | " + kChecked + " | " + kChecked + " | " + kBox},
         {"a box has no mark even when checked; an odd size keeps its full side",
          [](auto& pv) { pv.DrawSymbol("internal", "box", true, 300, 600, 600);
                         pv.DrawSymbol("internal", "box", false, 300, 600, 601); },
          kBox + " | DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line 1500 3300 2101 3901 color=0 box=1"},
         {"an unknown symbol from a file (ids are exact) fails when drawn, and the frame goes on",
          [](auto& pv) { auto unknown = std::make_shared<cSymbol>(); unknown->SetName = "internal";
                         unknown->SymbolId = "Box", pv.document().currentFrame()->addElement(unknown);
                         pv.DrawPSet(0, 0); },
          "PSet 1500 3000 color=0"},
         {"font symbol in its font at its size",
          [](auto& pv) { pv.DrawSymbol("DejaVu Sans", "\u2713", false, 300, 600, 600); },
          "FontName DejaVu Sans | FontSize 30 | FontBold 1 | FontItalic 0 | FontStrikethru 0 | FontUnderline 1 | "
          "ForeColor 0 | FontCharset 0 | CurrentX 1549 | CurrentY 3251 | Print \u2713"},
         {"arrows without heads, or of no length (no direction for a head), are one line",
          [](auto& pv) { pv.DrawArrow(prARSharp, 0, prARAngle, 0, 0, 0, 1500, 750);
                         pv.DrawArrow(prARSharp, 300, prARAngle, 300, 100, 100, 100, 100); },
          kPen + "Line 1500 3000 3000 3750 color=0 box=0 | " + kPen + "Line 1600 3100 1600 3100 color=0 box=0"},
         // An angled head at the start: two strokes, 300 back along the shaft and 300 x tan 30 =
         // 173.2 to either side; at the end of a shaft of slope 4/3, 500 back and 288.7 across:
         // (-300 +- 230.9, -400 -+ 173.2). A sharp head is filled in the line colour.
         {"heads",
          [](auto& pv) { pv.DrawArrow(prARAngle, 300, prARSharp, 0, 0, 0, 0, 1500);
                         pv.DrawArrow(prARSharp, 0, prARAngle, 500, 0, 0, 900, 1200);
                         pv.LineColor(255); pv.FillStyle(vbFSTransparent);
                         pv.DrawArrow(prARSharp, 0, prARSharp, 300, 0, 0, 1500, 0); },
          kPen + "Line 1500 3000 1500 4500 color=0 box=0 | " + kPen + "Line 1500 3000 1327 3300 color=0 box=0 | " +
              kPen + "Line 1500 3000 1673 3300 color=0 box=0 | " + kPen + "Line 1500 3000 2400 4200 color=0 box=0 | " +
              kPen + "Line 2400 4200 2331 3627 color=0 box=0 | " + kPen + "Line 2400 4200 1869 3973 color=0 box=0 | " +
              kPen + "Line 1500 3000 3000 3000 color=255 box=0 | " + kPen +
              "Polygon 200,200 180,188 180,212 brush=255 pen=255"}},
        [](const CallsRow& row) {
            FrameDoc doc;
            row.build(doc.pv);
            EXPECT_EQ(test::joinedCalls(doc.calls(row.mode, row.zoom)), row.calls);
            EXPECT_EQ(test::joinedCalls(doc.calls(row.mode, row.zoom)), row.calls) << "drawn again";
        });
}

// A page can outline the printer's printable area on screen; a landscape sheet turns the margins.
TEST(ShapesRender, PrintableFrameFollowsTheOrientation) {
    for (const auto& [orientation, box] :
         {std::pair{prORPortrait, "360 240 11868 15603"}, std::pair{prORLandscape, "240 360 11748 15723"}}) {
        Preview pv;
        pv.Orientation(orientation), pv.document().currentPage()->ShowPrintable = true;
        EXPECT_EQ(test::joinedCalls(test::pageCalls(pv)),
                  "DrawWidth 1 | DrawStyle 0 | FillStyle 1 | Line " + std::string(box) + " color=0 box=1");
    }
}

TEST(ShapesAdd, MeasuresConvertedCurrentPositionTakenAFrameNeededUnknownSymbolsRefused) {
    FrameDoc doc;
    auto line = doc.element<cLine>(doc.pv.DrawLine("1 in", "0.5 in", "10 mm", 0));
    EXPECT_EQ(test::joined(line->x1, line->y1, line->x2, line->y2, line->BF), "1440|720|567|0|0|");
    EXPECT_THAT(test::errorOf([&] { doc.pv.DrawCircle("1 yd", 0, 0); }),
                test::IsError(1000, "CTwips", "Error converting : 1 yd"));
    doc.pv.CurrentX(120); doc.pv.CurrentY(240); doc.pv.FontSize(18);
    auto symbol = doc.element<cSymbol>(doc.pv.DrawSymbol("internal", "box", false));
    EXPECT_EQ(test::joined(symbol->xPos, symbol->yPos, symbol->Size), "120|240|360|");
    EXPECT_THAT(test::errorOf([&] { doc.pv.DrawSymbol("internal", "star", true, 0, 0, 300); }),
                test::IsError(5, "DrawSymbol", "Unknown symbol : star"));
    EXPECT_EQ(doc.frame->Elements().Count(), 3);  // line, font size change, box: nothing for the failures
    doc.pv.ClearPage(1);
    EXPECT_EQ(doc.pv.DrawPolygon({{0, 0}, {1, 1}}), "");
}

// Real page images, 15 twips a pixel: the frame's (1500, 3000) twips are (100, 200) pixels.
// (PdfPixelsTest holds every kind's image to the PDF's.)
TEST(ShapesPixels, ArcsTurnCounterClockwiseAndPatternFillsShowNoInterior) {
    // Centre (300, 300), radius 100, a quarter turn from 3 o'clock (to 1.56 rad); a font symbol
    // without text shows nothing.
    FrameDoc arc;
    arc.pv.DrawArc(3000, 1500, 1500, 0, 1.5707963f, 1), arc.pv.DrawSymbol("DejaVu Sans", "", true, 6000, 3000, 720);
    EXPECT_LE(test::offBy(test::inkOf(test::pageImage(arc.pv)), {301, 200, 400, 300}), 1);
    FrameDoc doc;
    doc.pv.FillColor(0xFF0000), doc.pv.FillStyle(vbCross), doc.pv.DrawRoundRect(1500, 0, 4500, 1500, 300);
    doc.pv.DrawPolygon({{1500, 3000}, {4500, 3000}, {3000, 4500}});
    doc.pv.FillStyle(vbFSSolid), doc.pv.DrawPolygon({{6000, 3000}, {9000, 3000}, {7500, 4500}});
    const QImage image = test::pageImage(doc.pv);
    EXPECT_EQ(test::offBy(test::inkOf(image), {200, 200, 700, 500}), 0) << test::inkOf(image);
    EXPECT_EQ(test::inkOf(image.copy(QRect(210, 210, 180, 80))).count, 0);  // the rounded rectangle's inside
    // The pattern polygon's inside, its outline, and the solid one's inside (blue: red is the low byte).
    EXPECT_EQ(test::joined(image.pixel(300, 420), image.pixel(200, 400), image.pixel(600, 420)),
              test::joined(qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 255)));
}

// Files draw hatches, the last of them too: pdftoppm shows the diagonal cross of a 2-inch box
// (60 pixels at 30 dots per inch) as red lines across all of it, leaving most of it white.
TEST(ShapesPdf, TheDiagonalCrossHatchFillsABox) {
    test::ScratchDir dir;
    Preview pv;
    pv.FillStyle(vbDiagonalCross), pv.FillColor(255), pv.DrawLine(0, 0, 2880, 2880, prLBBoxFill);
    pv.ExportPDF(dir.file("hatch.pdf"));
    ASSERT_TRUE(test::PassesQpdf(dir.file("hatch.pdf")));
    test::runTool("pdftoppm -r 30 -png -singlefile '" + dir.file("hatch.pdf") + "' '" + dir.file("hatch") + "'");
    const auto red = test::inkOf(QImage(QString::fromStdString(dir.file("hatch.png"))),
                                 [](QRgb p) { return qRed(p) > 160 && qGreen(p) < 120; });
    EXPECT_LE(test::offBy(red, {0, 0, 60, 60}), 2) << red;
    EXPECT_LT(red.count, 60 * 60 / 2) << red;
}

std::string xmlOf(const ElementPtr& e) { std::string out; e->SaveXMLString(out); return out; }

TEST(DrawnXml, CopyKeepsEveryKindAndPolygonCountsAreChecked) {
    // One of each drawn kind, with values that differ from every default: keys "El 1" .. "El 10".
    FrameDoc doc;
    Preview& pv = doc.pv;
    pv.DrawLine(10, -20, 30000, 40, prLBBoxFill); pv.DrawCircle(100, 200, 300);
    pv.DrawArc(100, 200, 300, 0.25f, 4.5f, 0.75f); pv.DrawEllipse(-5, 6, 700, 80);
    pv.DrawRoundRect(1, 2, 3, 4, 5); pv.DrawPolygon({{0, 0}, {-1440, 720}, {2880, 123456}}); pv.DrawPSet(7, 8);
    pv.DrawSymbol("internal", "checkbox", true, 11, 12, 13);
    pv.DrawSymbol("DejaVu Sans <&>", "\u2713 \"x\"", false, 21, 22, 23);
    pv.DrawArrow(prARAngle, 90, prARSharp, 180, 1, 2, 3, 4);
    // Copy keeps the kind and the fields (the checkbox's state among them) in a new object.
    for (const ElementPtr& e : doc.frame->Elements()) {
        const ElementPtr copy = e->Copy();
        EXPECT_TRUE(copy.get() != e.get() && typeid(*copy) == typeid(*e)) << e->Key();
        EXPECT_EQ(xmlOf(copy), xmlOf(e));
    }
    pugi::xml_document dom;  // an ellipse keeps its full turn in seven digits
    ASSERT_TRUE(dom.load_string(xmlOf(doc.element<cElement>("El 4")).c_str()));
    EXPECT_EQ(std::string(dom.child("Element").child_value("dEnd")), test::withMark("6.283185"));
    // Polygon vertices read from damaged counts: as written, found by name in any order, fewer,
    // none, a negative count, and a huge one capped by the items there are.
    const std::string two = "<xPos1>1</xPos1><yPos1>2</yPos1><xPos2>3</xPos2><yPos2>4</yPos2>";
    for (const auto& [items, vertices] : std::vector<std::pair<std::string, std::string>>{
             {"<nVerts>2</nVerts>" + two, "1,2 3,4 "},
             {"<nVerts>2</nVerts><yPos2>4</yPos2><xPos2>3</xPos2><yPos1>2</yPos1><xPos1>1</xPos1>", "1,2 3,4 "},
             {"<nVerts>1</nVerts>" + two, "1,2 "}, {two, ""}, {"<nVerts>-3</nVerts>" + two, ""},
             {"<nVerts>2000000000</nVerts>" + two, "1,2 3,4 "}}) {
        ASSERT_TRUE(dom.load_string(("<Element Key=\"El 1\" Type=\"13\">" + items + "</Element>").c_str()));
        cPolygon loaded;
        loaded.LoadXML(dom.child("Element"));
        std::string got;
        for (const auto& v : loaded.Poly) got += std::to_string(v.X) + "," + std::to_string(v.Y) + " ";
        EXPECT_EQ(got, vertices) << items;
    }
}

}  // namespace
}  // namespace kalder
