// Named styles and the current attributes: AddStyle (sizes in points or with a unit),
// GetStyle's description text, ModifyStyle's property names, ApplyStyle, and the attribute
// properties that record each change as a style-change element of the current frame. The
// expected texts are in golden/Styles.txt, "." as the decimal mark.
#include "kalder/Preview.h"

#include <gmock/gmock.h>

#include <string>
#include <tuple>

#include "core/Locale.h"
#include "document/cChangeStyle.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"

namespace kalder {
namespace {

using namespace test;

std::string expected(const std::string& name) {
    return withMark(golden(KALDER_TEST_DATA "/golden/Styles.txt", name)) + "\n";
}

std::shared_ptr<cFrame> insideOf(Preview& pv) { return pv.document().pages().Item(1)->Frames().Item("inside"); }

const cStyle& recorded(const cFrame& frame, std::int32_t position) {
    auto change = std::dynamic_pointer_cast<cChangeStyle>(frame.Elements().Item(position));
    if (!change) throw std::runtime_error("no style change at " + std::to_string(position));
    return change->Style();
}

// Each recorded style change of the frame: its key, then every field of its style but the key.
std::string changesText(const cFrame& frame) {
    std::string text;
    for (std::int32_t i = 1; i <= frame.Elements().Count(); ++i) {
        const cStyle& s = recorded(frame, i);
        text += frame.Elements().Item(i)->Key() + ": " + s.FontName;
        for (double v : {double(s.FontSize), double(s.Bold), double(s.Italic), double(s.Underline),
                         double(s.Strikethru), double(s.ForeColor), double(s.BackColor), double(s.LeadingType),
                         s.LeadingVal, double(s.TextRotation), double(s.Charset), double(s.Orientation),
                         double(s.FillStyle), double(s.FillColor), double(s.LineStyle.LineType),
                         double(s.LineStyle.LineWidth), double(s.LineStyle.Color), double(s.PageSize)})
            text += " " + formatNumber(v);
        text += "\n";
    }
    return text;
}

// GetStyle describes every named style: the standard ones; AddStyle with defaults, with every
// argument and with sizes in points or with a unit; leading types and rotations; and one style
// per ModifyStyle property name (in any case), so that a name setting another field shows.
TEST(NamedStyles, AddStyleModifyStyleAndGetStyleDescribeEveryField) {
    Preview pv;
    EXPECT_EQ(pv.AddStyle("Plain"), "Plain");
    pv.AddStyle("Mark", "Courier New", 9, true, false, true, 255, 65280);  // Bold, Underline, Italic
    pv.ModifyStyle("MARK", "FontStrikeThru", true);
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5/Plain/Mark");
    EXPECT_EQ(pv.AddStyle("normal", "Courier New", 30), "normal");  // a used name keeps the existing style
    int n = 0;
    // Both marks are decimal marks in a measure.
    for (const Variant& size : {Variant(24), Variant("24"), Variant("24 pt"), Variant("0.5 in"), Variant("300 tw"),
                                Variant(10.5), Variant("10,5"), Variant("10.5")})
        pv.AddStyle("Size " + std::to_string(++n), "Arial", size);
    for (const auto& [type, val, rotation] :
         {std::tuple{prLTPercent, 150.0, 0}, {prLTPercent, 12.5, 0}, {prLTAbsolute, 240.0, 0},
          {prLTIncrement, 30.0, 0}, {prLTIncrement, -50.0, 450}, {prLTIncrement, 0.0, -15}}) {
        const std::string name = "Leading " + std::to_string(++n);
        pv.AddStyle(name); pv.ModifyStyle(name, "LeadingType", type); pv.ModifyStyle(name, "Val", val);
        pv.ModifyStyle(name, "Rotation", rotation);
    }
    for (const auto& [prop, value] : std::initializer_list<std::pair<const char*, Variant>>{
             {"FONTNAME", Variant("Courier New")}, {"FontSize", Variant(12)}, {"fontsize", Variant("12 pt")},
             {"fontbold", Variant(true)}, {"FontItalic", Variant(true)}, {"fontUnderline", Variant(true)},
             {"FontStrikeThru", Variant(true)}, {"forecolor", Variant(255)}, {"BackColor", Variant(65280)},
             {"LineColor", Variant(12)}, {"linetype", Variant(2)}, {"LineWidth", Variant(15)},
             {"Rotation", Variant(900)}, {"FillStyle", Variant(6)}, {"FILLCOLOR", Variant(7)},
             {"PageSize", Variant(prPSLetter)}, {"Leading", Variant(prLTPercent)},
             {"leadingtype", Variant(prLTAbsolute)}, {"Val", Variant(30)}, {"val", Variant(-40)}}) {
        const std::string name = "Set " + std::to_string(++n) + " " + prop;
        pv.AddStyle(name); pv.ModifyStyle(name, prop, value);
    }
    std::string described;
    for (const cStyle& s : pv.document().NamedStyles) described += pv.GetStyle(s.Key) + "\n";
    EXPECT_EQ(described, expected("Described"));
    EXPECT_EQ(pv.GetStyle("Normal", true), pv.GetStyle("Normal"));  // the line argument changes nothing
    EXPECT_EQ(pv.GetStyle("Heading6") + pv.GetStyle(""), "");
}

TEST(ModifyStyle, AnUnknownNameOrAValueThatDoesNotConvertChangesNothing) {
    Preview pv;
    const cStyle before = *pv.document().NamedStyles.find("Normal");
    // Field names that are not property names, near misses and the empty name raise 5 without text.
    for (const char* prop : {"Bold", "LeadingVal", "Strikethru", "FontStrikethrough", "Font Name", " FontBold", ""})
        EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", prop, 1); }), IsError(5, "ModifyStyle", "")) << prop;
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Nowhere", "FontBold", 1); }),
                IsError(5, "ModifyStyle", "Style not found : Nowhere"));
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontBold", "perhaps"); }), IsError(13, "", kTypeMismatchText));
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontSize", "12 pica"); }),
                IsError(1000, "CTwips", "Error converting : 12 pica"));
    EXPECT_EQ(*pv.document().NamedStyles.find("Normal"), before);
}

// ApplyStyle sets name, size, bold, underline, italic, fore and back colour one at a time,
// each recorded change holding the attributes up to that point; the size also becomes the
// document's. An undefined name adds nothing.
TEST(ApplyStyle, RecordsSevenChangesInItsOrderAfterTheFramesElements) {
    Preview pv;
    pv.AddStyle("Mark", "Courier New", 9, false, false, true, 255, 65280); pv.ApplyStyle("mark");
    EXPECT_FLOAT_EQ(pv.document().Style.FontSize, 180);
    pv.ApplyStyle("Heading1"); pv.ApplyStyle("Heading9");
    EXPECT_EQ(changesText(*insideOf(pv)), expected("ApplyStyle"));
    EXPECT_EQ(recorded(*insideOf(pv), 14), insideOf(pv)->CurrentStyle);
}

// Each attribute set changes the current frame's running style and records a copy of it as
// one style-change element; each getter reads the running style back. Other frames and the
// frame's starting style stay; only the size travels to the document style (and from there to
// the pages added next). A size that does not convert changes nothing.
TEST(AttributeProperties, EachSetRecordsOneStyleChangeInTheCurrentFrame) {
    Preview pv;
    pv.AddFrame("Box", 0, 0, 1440, 1440);
    auto box = pv.document().currentFrame();
    const cStyle start = box->Style;
    cStyle documentStyle = pv.document().Style;
    std::string reads;
    auto read = [&](double value) { reads += formatNumber(value) + " "; };
    pv.FontSize(12); read(pv.FontSize()); pv.FontSize("0.25 in"); read(pv.FontSize());
    pv.FontSize(10.5); read(pv.FontSize()); pv.FontBold(false); read(pv.FontBold());
    pv.FontItalic(true); read(pv.FontItalic()); pv.FontUnderline(false); read(pv.FontUnderline());
    pv.FontStrikethru(true); read(pv.FontStrikethru()); pv.ForeColor(255); read(pv.ForeColor());
    pv.BackColor(65280); read(pv.BackColor()); pv.FillColor(0xFF0000); read(pv.FillColor());
    pv.FillStyle(6); read(pv.FillStyle()); pv.LineColor(99); read(pv.LineColor());
    pv.LineType(3); read(pv.LineType()); pv.DrawWidth(30); read(pv.DrawWidth());
    pv.TextRotation(450); read(pv.TextRotation()); pv.LeadingType(prLTAbsolute); read(pv.LeadingType());
    pv.LeadingVal(1.5); read(pv.LeadingVal()); pv.Charset(161); read(pv.Charset());
    pv.FontName("Courier New"); pv.FontSize("12 pica"); pv.FontSize("twelve");
    EXPECT_EQ(pv.FontName() + " " + reads, withMark("Courier New 12 18 10.5 0 1 0 1 255 65280 16711680 6 99 3 30 "
                                                    "450 2 1.5 161 "));
    EXPECT_EQ(changesText(*box), expected("Attributes"));
    EXPECT_EQ(recorded(*box, 19), box->CurrentStyle);
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 0);
    EXPECT_EQ(box->Style, start);
    documentStyle.FontSize = 210;
    EXPECT_EQ(pv.document().Style, documentStyle);
    pv.AddPage();
    EXPECT_FLOAT_EQ(pv.document().currentPage()->Style.FontSize, 210);
    EXPECT_FLOAT_EQ(pv.FontSize(), 10.5);
}

}  // namespace
}  // namespace kalder

namespace kalder {
namespace {

// Font sizes beyond the largest font (1638 pt) are taken as it.
TEST(AttributeProperties, FontSizeBeyondTheLargestIsTakenAsIt) {
    Preview pv;
    pv.AddPage();
    std::string sizes;
    for (const Variant& size : {Variant(1638), Variant(1639), Variant(-1e30), Variant("2000 pt")})
        pv.FontSize(size), sizes += formatNumber(pv.FontSize()) + " ";
    EXPECT_EQ(sizes, withMark("1638 1638 -1638 1638 "));
}

}  // namespace
}  // namespace kalder
