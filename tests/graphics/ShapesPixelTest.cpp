// Shapes in real page images (96 dots per inch: 15 twips per pixel): they land where their
// twips say, at full and half zoom, and fill as the running style says.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/ShapeTestSupport.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::ShapeDoc;

const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255), kBlue = qRgb(0, 0, 255);

struct ZoomRow {
    const char* name;
    double zoom;
    int left, top, right, bottom;  // the outline's pixels
};

TEST(ShapesPixels, BoxLandsOnItsTwips) {
    // Frame at (1500, 3000); the box from (1500, 0) to (4500, 1500) in it is page (3000, 3000)
    // to (6000, 4500) twips: 200..400 by 200..300 pixels at full zoom.
    test::forEachRow<ZoomRow>({{"full zoom", 1.0, 200, 200, 400, 300}, {"half zoom", 0.5, 100, 100, 200, 150}},
                              [](const ZoomRow& row) {
                                  ShapeDoc doc;
                                  doc.pv.DrawLine(1500, 0, 4500, 1500, prLBBox);
                                  const QImage image = doc.image(row.zoom);
                                  const auto ink = test::inkOf(image);
                                  EXPECT_EQ(ink.left, row.left);
                                  EXPECT_EQ(ink.top, row.top);
                                  EXPECT_EQ(ink.right, row.right);
                                  EXPECT_EQ(ink.bottom, row.bottom);
                                  const int midX = (row.left + row.right) / 2, midY = (row.top + row.bottom) / 2;
                                  EXPECT_EQ(image.pixel(row.left, midY), kBlack);
                                  EXPECT_EQ(image.pixel(midX, row.bottom), kBlack);
                                  EXPECT_EQ(image.pixel(midX, midY), kWhite);  // an outline only
                              });
}

TEST(ShapesPixels, FilledBoxIsFilledAndTransparentFillIsNot) {
    ShapeDoc doc;
    doc.pv.FillColor(0xFF0000);  // blue: red is the low byte
    doc.pv.DrawLine(1500, 0, 4500, 1500, prLBBoxFill);
    doc.pv.FillStyle(vbFSTransparent);
    doc.pv.DrawLine(1500, 3000, 4500, 4500, prLBBoxFill);
    const QImage image = doc.image();
    EXPECT_EQ(image.pixel(300, 250), kBlue);
    EXPECT_EQ(image.pixel(201, 201), kBlue);
    EXPECT_EQ(image.pixel(200, 250), kBlack);  // the outline in the line colour
    EXPECT_EQ(image.pixel(300, 450), kWhite);
    EXPECT_EQ(image.pixel(200, 450), kBlack);
}

TEST(ShapesPixels, ArcEndsWhereItsAnglesSay) {
    // Centre (300, 300) pixels, radius 100, from 3 o'clock a quarter turn counter-clockwise
    // (drawn to 1.56 rad): ink only in the upper right quadrant, from (400, 300) to (301, 200).
    ShapeDoc doc;
    doc.pv.DrawArc(3000, 1500, 1500, 0, 1.5707963f, 1);
    const auto ink = test::inkOf(doc.image());
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR(ink.left, 300 + 100 * std::cos(1.56), 1.5);
    EXPECT_NEAR(ink.top, 200, 1);
    EXPECT_NEAR(ink.right, 400, 1);
    EXPECT_NEAR(ink.bottom, 300, 1);
}

TEST(ShapesPixels, EllipseHasBothRadii) {
    // Centre (300, 300) pixels, radii 100 and 50 pixels.
    ShapeDoc doc;
    doc.pv.DrawEllipse(3000, 1500, 1500, 750);
    const auto ink = test::inkOf(doc.image());
    EXPECT_NEAR(ink.left, 200, 1);
    EXPECT_NEAR(ink.right, 400, 1);
    EXPECT_NEAR(ink.top, 250, 1);
    EXPECT_NEAR(ink.bottom, 350, 1);
}

TEST(ShapesPixels, PatternFilledRoundRectAndPolygonShowNoInterior) {
    ShapeDoc doc;
    doc.pv.FillColor(0xFF0000);
    doc.pv.FillStyle(vbCross);
    doc.pv.DrawRoundRect(1500, 0, 4500, 1500, 300);
    doc.pv.DrawPolygon({{1500, 3000}, {4500, 3000}, {3000, 4500}});
    doc.pv.FillStyle(vbFSSolid);
    doc.pv.DrawPolygon({{6000, 3000}, {9000, 3000}, {7500, 4500}});
    const QImage image = doc.image();
    for (int x = 210; x < 390; x += 7)
        for (int y = 210; y < 290; y += 7) ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(image.pixel(300, 420), kWhite);
    EXPECT_EQ(image.pixel(200, 400), kBlack);  // the polygon's first corner
    EXPECT_EQ(image.pixel(600, 420), kBlue);   // the solid one is filled
}

}  // namespace
}  // namespace kalder
