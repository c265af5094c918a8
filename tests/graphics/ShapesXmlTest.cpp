// The XML form of the drawn kinds: drawing after a round trip through the document format,
// an ellipse's full turn, polygon vertices read from damaged counts, and Copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "support/DocumentTestSupport.h"
#include "document/XmlItems.h"

#include "graphics/cPolygon.h"
#include "graphics/cSymbol.h"
#include "support/RecordedCalls.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

// One of each drawn kind, with values that differ from every default: keys "El 1" .. "El 10".
void drawOneOfEach(Preview& pv) {
    pv.DrawLine(10, -20, 30000, 40, prLBBoxFill);
    pv.DrawCircle(100, 200, 300);
    pv.DrawArc(100, 200, 300, 0.25f, 4.5f, 0.75f);
    pv.DrawEllipse(-5, 6, 700, 80);
    pv.DrawRoundRect(1, 2, 3, 4, 5);
    pv.DrawPolygon({{0, 0}, {-1440, 720}, {2880, 123456}});
    pv.DrawPSet(7, 8);
    pv.DrawSymbol("internal", "checkbox", false, 11, 12, 13);  // the state is not part of the form
    pv.DrawSymbol("DejaVu Sans <&>", "\u2713 \"x\"", false, 21, 22, 23);
    pv.DrawArrow(prARAngle, 90, prARSharp, 180, 1, 2, 3, 4);
}

std::string xmlOf(const ElementPtr& e) {
    std::string out;
    e->SaveXMLString(out);
    return out;
}

TEST(DrawnXml, EveryKindIsDrawnAsBeforeAfterADocumentRoundTrip) {
    test::FrameDoc doc;
    Preview& pv = doc.pv;
    drawOneOfEach(pv);
    pv.CurrentFrame("inside");
    pv.AddTextAt("Gr\u00fc\u00dfe <&> \"quoted\"", 1234, 567, prALCenter, prASNone);
    pv.AddTextAt("  spaced  ", -20, 30, prALRight, prASCopypage);
    pv.AddPageNumberAt("<Page ?? & more>", 111, 222, false, prALRight);
    pv.AddPageNumberAt("??", -5, 6, true, prALCenter);
    pv.Watermark("CONFIDENTIAL");
    pv.AddPage();
    pv.AddReference("Page 1", "inside", "El 1");
    Preview back;
    back.LoadXML(pv.SaveXMLString());
    // The ellipse too, whose full turn reads back as a slightly different single from seven digits.
    EXPECT_EQ(test::joined(test::pageCalls(back, "Page 1")), test::joined(test::pageCalls(pv, "Page 1")));
    EXPECT_EQ(test::joined(test::pageCalls(back, "Page 2")), test::joined(test::pageCalls(pv, "Page 2")));
    // The watermark's style change prints nothing first; the reference on page 2 draws the first text.
    EXPECT_EQ(test::printed(test::pageCalls(back, "Page 1")),
              "@, | Gr\u00fc\u00dfe <&> \"quoted\"@170,567 |   spaced  @-1023,30 | <Page 1 & more>@-1674,222 | 1/2@-158,6 | "
              "\u2713 \"x\"@1488,3009");
    EXPECT_EQ(test::printed(test::pageCalls(back, "Page 2")), "Gr\u00fc\u00dfe <&> \"quoted\"@170,567");

    pugi::xml_document dom;  // an ellipse keeps its full turn in seven digits
    ASSERT_TRUE(dom.load_string(xmlOf(doc.frame->Elements().Item(std::string_view("El 4"))).c_str()));
    EXPECT_EQ(std::string(dom.child("Element").child_value("dEnd")), test::withMark("6.283185"));
}

TEST(DrawnXml, PolygonVertexCount) {
    const std::string two = "<xPos1>1</xPos1><yPos1>2</yPos1><xPos2>3</xPos2><yPos2>4</yPos2>";
    using Vertices = std::vector<std::pair<int, int>>;
    struct Row { const char* name; std::string items; Vertices vertices; };
    test::forEachRow<Row>({{"count as written", "<nVerts>2</nVerts>" + two, {{1, 2}, {3, 4}}},
                           {"items found by name in any order", "<nVerts>2</nVerts><yPos2>4</yPos2><xPos2>3</xPos2><yPos1>2</yPos1><xPos1>1</xPos1>", {{1, 2}, {3, 4}}},
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

TEST(DrawnCopy, SameKindAndFieldsAndIndependent) {
    test::FrameDoc doc;
    drawOneOfEach(doc.pv);
    for (const ElementPtr& e : doc.frame->Elements()) {
        const ElementPtr copy = e->Copy();
        EXPECT_TRUE(copy.get() != e.get() && typeid(*copy) == typeid(*e)) << e->Key();
        EXPECT_EQ(xmlOf(copy), xmlOf(e));
    }
    auto polygon = doc.element<cPolygon>("El 6");
    auto copy = std::dynamic_pointer_cast<cPolygon>(polygon->Copy());
    copy->Poly[0].X = 99, copy->Poly.push_back({5, 5});
    EXPECT_EQ(std::make_pair(polygon->Poly.size(), polygon->Poly[0].X), std::make_pair(std::size_t(3), 0));
    auto symbol = doc.element<cSymbol>(doc.pv.DrawSymbol("internal", "radio", true, 0, 0, 300));
    EXPECT_TRUE(std::dynamic_pointer_cast<cSymbol>(symbol->Copy())->Param.toBool());  // the state is copied too
}

}  // namespace
}  // namespace kalder
