// Named styles and the current attributes: AddStyle (sizes in points or with a unit),
// GetStyle's description text, ModifyStyle's property names, ApplyStyle, and the attribute
// properties that record each change as a style-change element of the current frame.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/cChangeStyle.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "DocumentTestSupport.h"

namespace kalder {
namespace {

using test::elementKeys;
using test::errorOf;
using test::IsError;
using test::withMark;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const cStyle& named(const Preview& pv, const std::string& name) {
    const cStyle* s = pv.document().NamedStyles.find(name);
    if (!s) throw std::runtime_error("no style " + name);
    return *s;
}

std::shared_ptr<cFrame> insideOf(Preview& pv) { return pv.document().pages().Item(1)->Frames().Item("inside"); }

const cStyle& recorded(const cFrame& frame, std::int32_t position) {
    auto change = std::dynamic_pointer_cast<cChangeStyle>(frame.Elements().Item(position));
    if (!change) throw std::runtime_error("no style change at " + std::to_string(position));
    return change->Style();
}

// ---------------------------------------------------------------------------------------
// The named styles of a new document, as GetStyle describes them

struct DescriptionRow {
    const char* name;
    const char* description;  // numbers written with "."
};

TEST(StandardStyles, AreDescribedExactly) {
    test::forEachRow<DescriptionRow>(
        {{"Normal",
          "Style: Normal; Font: Times New Roman; Size: 10.0; Bold:  False; Underline:  False; "
          "Italic:  False; Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; "
          "Rotation: 0.0; FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; "
          "Line Color: 0"},
         {"Heading1",
          "Style: Heading1; Font: Arial; Size: 14.0; Bold:  True; Underline:  True; Italic:  False; "
          "Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
          "FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"},
         {"Heading2",
          "Style: Heading2; Font: Arial; Size: 12.0; Bold:  True; Underline:  False; Italic:  True; "
          "Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
          "FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"},
         {"Heading3",
          "Style: Heading3; Font: Arial; Size: 12.0; Bold:  True; Underline:  True; Italic:  False; "
          "Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
          "FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"},
         {"Heading4",
          "Style: Heading4; Font: Arial; Size: 12.0; Bold:  True; Underline:  False; Italic:  True; "
          "Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
          "FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"},
         {"Heading5",
          "Style: Heading5; Font: Arial; Size: 11.0; Bold:  True; Underline:  True; Italic:  False; "
          "Fore: 0; Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
          "FillStyle: 0; FillColor: 0; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"}},
        [&](const DescriptionRow& r) {
            Preview pv;
            EXPECT_EQ(pv.GetStyle(r.name), withMark(r.description));
        });
}

TEST(GetAllStyles, JoinsTheNamesInOrder) {
    Preview pv;
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5");
    pv.AddStyle("Big");
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5/Big");
}

TEST(GetStyle, OfAnUndefinedNameIsEmpty) {
    Preview pv;
    EXPECT_EQ(pv.GetStyle("Heading6"), "");
    EXPECT_EQ(pv.GetStyle(""), "");
}

TEST(GetStyle, TheLineArgumentChangesNothing) {
    Preview pv;
    EXPECT_EQ(pv.GetStyle("Normal", true), pv.GetStyle("Normal", false));
}

// ---------------------------------------------------------------------------------------
// AddStyle

struct SizeRow {
    const char* name;
    Variant size;
    float twips;
};

TEST(AddStyle, PlainNumbersArePointsAndUnitsAreMeasures) {
    test::forEachRow<SizeRow>({{"Number", Variant(24), 480},
                               {"NumericText", Variant("24"), 480},
                               {"Points", Variant("24 pt"), 480},
                               {"Inches", Variant("0.5 in"), 720},
                               {"Twips", Variant("300 tw"), 300},
                               {"Fraction", Variant(10.5), 210},
                               // Both marks are decimal marks in a measure.
                               {"CommaText", Variant("10,5"), 210},
                               {"PointText", Variant("10.5"), 210}},
                              [&](const SizeRow& r) {
                                  Preview pv;
                                  EXPECT_EQ(pv.AddStyle("Big", "Arial", r.size), "Big");
                                  EXPECT_FLOAT_EQ(named(pv, "Big").FontSize, r.twips);
                              });
}

TEST(AddStyle, BigIsDescribedWithSize24) {
    Preview pv;
    pv.AddStyle("Big", "Arial", 24);
    EXPECT_THAT(pv.GetStyle("Big"), HasSubstr(withMark("; Size: 24.0;")));
}

TEST(AddStyle, UnsetArgumentsKeepTheDefaultsOfANewRecord) {
    Preview pv;
    EXPECT_EQ(pv.AddStyle("Plain"), "Plain");
    EXPECT_EQ(pv.GetStyle("Plain"),
              withMark("Style: Plain; Font: Arial; Size: 10.0; Bold:  False; Underline:  False; Italic:  False; "
                       "Fore: 0; Back: 0; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
                       "FillStyle: 1; FillColor: 16777215; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0"));
}

TEST(AddStyle, ArgumentsGoToTheirFields) {
    // The order is Bold, Underline, Italic.
    Preview pv;
    pv.AddStyle("Mark", "Courier New", 9, true, false, true, 255, 65280);
    const cStyle& s = named(pv, "Mark");
    EXPECT_EQ(s.Key, "Mark");
    EXPECT_EQ(s.FontName, "Courier New");
    EXPECT_FLOAT_EQ(s.FontSize, 180);
    EXPECT_TRUE(s.Bold);
    EXPECT_FALSE(s.Underline);
    EXPECT_TRUE(s.Italic);
    EXPECT_EQ(s.ForeColor, 255);
    EXPECT_EQ(s.BackColor, 65280);
}

TEST(AddStyle, AUsedNameKeepsTheExistingStyle) {
    Preview pv;
    EXPECT_EQ(pv.AddStyle("normal", "Courier New", 30), "normal");
    EXPECT_EQ(named(pv, "Normal").FontName, "Times New Roman");
    EXPECT_EQ(named(pv, "Normal").Key, "Normal");
    EXPECT_EQ(pv.document().NamedStyles.Count(), 6);
}

// ---------------------------------------------------------------------------------------
// GetStyle: the leading part and the rotation

struct LeadingRow {
    const char* name;
    std::int32_t leadingType;
    double leadingVal;
    std::int32_t rotation;
    const char* expected;  // the part from "; Leading" to before "; FillStyle", "." as mark
};

TEST(GetStyle, DescribesTheLeadingByItsTypeAndTheRotation) {
    test::forEachRow<LeadingRow>(
        {{"Percent", prLTPercent, 150, 0, "; Leading: Percent, Val: 150%; Rotation: 0.0"},
         {"PercentFraction", prLTPercent, 12.5, 0, "; Leading: Percent, Val: 12.5%; Rotation: 0.0"},
         {"Absolute", prLTAbsolute, 240, 0, "; Leading: Absolute, Val: 12.0; Rotation: 0.0"},
         {"Increment", prLTIncrement, 30, 0, "; Leading: Increment, Val: 1.5; Rotation: 0.0"},
         {"NegativeIncrement", prLTIncrement, -50, 0, "; Leading: Increment, Val: -2.5; Rotation: 0.0"},
         {"Rotation", prLTIncrement, 0, 450, "; Leading: Increment, Val: 0.0; Rotation: 45.0"},
         {"NegativeRotation", prLTIncrement, 0, -15, "; Leading: Increment, Val: 0.0; Rotation: -1.5"}},
        [&](const LeadingRow& r) {
            Preview pv;
            pv.AddStyle("S");
            pv.ModifyStyle("S", "LeadingType", r.leadingType);
            pv.ModifyStyle("S", "Val", r.leadingVal);
            pv.ModifyStyle("S", "Rotation", r.rotation);
            const std::string d = pv.GetStyle("S");
            const std::string after = "; Strikethru:  False";
            const auto from = d.find(after) + after.size();
            const auto to = d.find("; FillStyle:");
            ASSERT_NE(to, std::string::npos) << d;
            EXPECT_EQ(d.substr(from, to - from), withMark(r.expected));
        });
}

// ---------------------------------------------------------------------------------------
// ModifyStyle: property names compare without regard to case

struct ModifyRow {
    const char* name;
    const char* prop;
    Variant value;
    std::function<void(const cStyle&)> check;
};

TEST(ModifyStyle, EachPropertyNameWhateverItsCaseSetsItsField) {
    test::forEachRow<ModifyRow>(
        {{"FontName", "FONTNAME", Variant("Arial"), [](const cStyle& s) { EXPECT_EQ(s.FontName, "Arial"); }},
         {"FontSizePoints", "FontSize", Variant(12), [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 240); }},
         {"FontSizeMeasure", "fontsize", Variant("12 pt"), [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 240); }},
         {"FontBold", "fontbold", Variant(true), [](const cStyle& s) { EXPECT_TRUE(s.Bold); }},
         {"FontItalic", "FontItalic", Variant(true), [](const cStyle& s) { EXPECT_TRUE(s.Italic); }},
         {"FontUnderline", "fontUnderline", Variant(true), [](const cStyle& s) { EXPECT_TRUE(s.Underline); }},
         {"FontStrikeThru", "FontStrikeThru", Variant(true), [](const cStyle& s) { EXPECT_TRUE(s.Strikethru); }},
         {"ForeColor", "forecolor", Variant(255), [](const cStyle& s) { EXPECT_EQ(s.ForeColor, 255); }},
         {"BackColor", "BackColor", Variant(65280), [](const cStyle& s) { EXPECT_EQ(s.BackColor, 65280); }},
         {"LineColor", "LineColor", Variant(12), [](const cStyle& s) { EXPECT_EQ(s.LineStyle.Color, 12); }},
         {"LineType", "linetype", Variant(2), [](const cStyle& s) { EXPECT_EQ(s.LineStyle.LineType, 2); }},
         {"LineWidth", "LineWidth", Variant(15), [](const cStyle& s) { EXPECT_EQ(s.LineStyle.LineWidth, 15); }},
         {"Rotation", "Rotation", Variant(900), [](const cStyle& s) { EXPECT_EQ(s.TextRotation, 900); }},
         {"FillStyle", "FillStyle", Variant(1), [](const cStyle& s) { EXPECT_EQ(s.FillStyle, 1); }},
         {"FillColor", "FILLCOLOR", Variant(7), [](const cStyle& s) { EXPECT_EQ(s.FillColor, 7); }},
         {"PageSize", "PageSize", Variant(prPSLetter), [](const cStyle& s) { EXPECT_EQ(s.PageSize, 1); }},
         {"Leading", "Leading", Variant(prLTPercent), [](const cStyle& s) { EXPECT_EQ(s.LeadingType, prLTPercent); }},
         {"LeadingType", "leadingtype", Variant(prLTAbsolute),
          [](const cStyle& s) { EXPECT_EQ(s.LeadingType, prLTAbsolute); }},
         {"Val", "Val", Variant(1.25), [](const cStyle& s) { EXPECT_DOUBLE_EQ(s.LeadingVal, 1.25); }},
         {"ValLowerCase", "val", Variant(-40), [](const cStyle& s) { EXPECT_DOUBLE_EQ(s.LeadingVal, -40); }}},
        [&](const ModifyRow& r) {
            Preview pv;
            pv.ModifyStyle("NORMAL", r.prop, r.value);
            r.check(named(pv, "Normal"));
        });
}

TEST(ModifyStyle, AnUnknownPropertyNameRaisesFiveWithoutDescriptionAndChangesNothing) {
    // Field names that are not property names, near misses and the empty name.
    for (const char* prop : {"Bold", "LeadingVal", "Strikethru", "FontStrikethrough", "Font Name", " FontBold", ""}) {
        SCOPED_TRACE(prop);
        Preview pv;
        const cStyle before = named(pv, "Normal");
        EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", prop, 1); }), IsError(5, "ModifyStyle", ""));
        EXPECT_EQ(named(pv, "Normal"), before);
    }
}

TEST(ModifyStyle, AValueThatDoesNotConvertChangesNothing) {
    Preview pv;
    const cStyle before = named(pv, "Normal");
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontBold", "perhaps"); }),
                IsError(13, "", test::kTypeMismatchText));
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontSize", "12 pica"); }),
                IsError(1000, "CTwips", "Error converting : 12 pica"));
    EXPECT_EQ(named(pv, "Normal"), before);
}

// ---------------------------------------------------------------------------------------
// ApplyStyle

TEST(ApplyStyle, Heading1InAnEmptyFrameAddsSevenStyleChanges) {
    Preview pv;
    pv.ApplyStyle("Heading1");
    auto inside = insideOf(pv);
    EXPECT_THAT(elementKeys(*inside), ElementsAre("El 1", "El 2", "El 3", "El 4", "El 5", "El 6", "El 7"));
    for (const auto& e : inside->Elements()) EXPECT_EQ(e->ElementType(), ekChangeStyle) << e->Key();
    const cStyle& s = inside->CurrentStyle;
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_FLOAT_EQ(s.FontSize, 280);
    EXPECT_TRUE(s.Bold);
    EXPECT_TRUE(s.Underline);
    EXPECT_FALSE(s.Italic);
    EXPECT_EQ(s.ForeColor, 0);
    EXPECT_EQ(s.BackColor, 0xFFFFFF);
    EXPECT_EQ(recorded(*inside, 7), s);
    // The size also becomes the document's.
    EXPECT_FLOAT_EQ(pv.document().Style.FontSize, 280);
}

TEST(ApplyStyle, SetsTheAttributesOneAtATimeInItsOrder) {
    // Name, size, bold, underline, italic, fore colour, back colour: each recorded change
    // holds the attributes up to that point.
    Preview pv;
    pv.AddStyle("Mark", "Courier New", 9, false, false, true, 255, 65280);
    pv.ApplyStyle("mark");
    auto inside = insideOf(pv);
    ASSERT_EQ(inside->Elements().Count(), 7);
    const cStyle &e1 = recorded(*inside, 1), &e2 = recorded(*inside, 2), &e3 = recorded(*inside, 3),
                 &e4 = recorded(*inside, 4), &e5 = recorded(*inside, 5), &e6 = recorded(*inside, 6),
                 &e7 = recorded(*inside, 7);
    EXPECT_EQ(e1.FontName, "Courier New");
    EXPECT_FLOAT_EQ(e1.FontSize, 220);
    EXPECT_FLOAT_EQ(e2.FontSize, 180);
    EXPECT_TRUE(e2.Bold);
    EXPECT_FALSE(e3.Bold);
    EXPECT_TRUE(e3.Underline);
    EXPECT_FALSE(e4.Underline);
    EXPECT_FALSE(e4.Italic);
    EXPECT_TRUE(e5.Italic);
    EXPECT_EQ(e5.ForeColor, 0);
    EXPECT_EQ(e6.ForeColor, 255);
    EXPECT_EQ(e6.BackColor, 0xFFFFFF);
    EXPECT_EQ(e7.BackColor, 65280);
}

TEST(ApplyStyle, KeysContinueAfterTheFramesElements) {
    Preview pv;
    pv.FontBold(false);
    pv.ApplyStyle("Normal");
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 8);
    EXPECT_EQ(insideOf(pv)->Elements().Item(8)->Key(), "El 8");
}

TEST(ApplyStyle, OfAnUndefinedNameAddsNothing) {
    Preview pv;
    pv.ApplyStyle("Heading9");
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 0);
}

// ---------------------------------------------------------------------------------------
// Attribute properties: each set changes the current frame's running style and records a
// copy of it as one style-change element.

struct AttributeRow {
    const char* name;
    std::function<void(Preview&)> set;
    std::function<void(const cStyle&, const Preview&)> check;  // the recorded style, the reads
};

TEST(AttributeProperties, EachSetRecordsOneStyleChangeInTheCurrentFrame) {
    test::forEachRow<AttributeRow>({{"FontName", [](Preview& p) { p.FontName("Courier New"); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.FontName, "Courier New");
                                         EXPECT_EQ(p.FontName(), "Courier New");
                                     }},
                                    {"FontSizePoints", [](Preview& p) { p.FontSize(12); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_FLOAT_EQ(s.FontSize, 240);
                                         EXPECT_FLOAT_EQ(p.FontSize(), 12);
                                         EXPECT_FLOAT_EQ(p.document().Style.FontSize, 240);
                                     }},
                                    {"FontSizeMeasure", [](Preview& p) { p.FontSize("0.25 in"); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_FLOAT_EQ(s.FontSize, 360);
                                         EXPECT_FLOAT_EQ(p.FontSize(), 18);
                                         EXPECT_FLOAT_EQ(p.document().Style.FontSize, 360);
                                     }},
                                    {"FontSizeFraction", [](Preview& p) { p.FontSize(10.5); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_FLOAT_EQ(s.FontSize, 210);
                                         EXPECT_FLOAT_EQ(p.FontSize(), 10.5);
                                     }},
                                    {"FontBold", [](Preview& p) { p.FontBold(false); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_FALSE(s.Bold);
                                         EXPECT_FALSE(p.FontBold());
                                     }},
                                    {"FontItalic", [](Preview& p) { p.FontItalic(true); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_TRUE(s.Italic);
                                         EXPECT_TRUE(p.FontItalic());
                                     }},
                                    {"FontUnderline", [](Preview& p) { p.FontUnderline(false); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_FALSE(s.Underline);
                                         EXPECT_FALSE(p.FontUnderline());
                                     }},
                                    {"FontStrikethru", [](Preview& p) { p.FontStrikethru(true); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_TRUE(s.Strikethru);
                                         EXPECT_TRUE(p.FontStrikethru());
                                     }},
                                    {"ForeColor", [](Preview& p) { p.ForeColor(255); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.ForeColor, 255);
                                         EXPECT_EQ(p.ForeColor(), 255);
                                     }},
                                    {"BackColor", [](Preview& p) { p.BackColor(65280); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.BackColor, 65280);
                                         EXPECT_EQ(p.BackColor(), 65280);
                                     }},
                                    {"FillColor", [](Preview& p) { p.FillColor(0xFF0000); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.FillColor, 0xFF0000);
                                         EXPECT_EQ(p.FillColor(), 0xFF0000);
                                     }},
                                    {"FillStyle", [](Preview& p) { p.FillStyle(1); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.FillStyle, 1);
                                         EXPECT_EQ(p.FillStyle(), 1);
                                     }},
                                    {"LineColor", [](Preview& p) { p.LineColor(99); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.LineStyle.Color, 99);
                                         EXPECT_EQ(p.LineColor(), 99);
                                     }},
                                    {"LineType", [](Preview& p) { p.LineType(3); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.LineStyle.LineType, 3);
                                         EXPECT_EQ(p.LineType(), 3);
                                     }},
                                    {"DrawWidth", [](Preview& p) { p.DrawWidth(30); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.LineStyle.LineWidth, 30);
                                         EXPECT_EQ(p.DrawWidth(), 30);
                                     }},
                                    {"TextRotation", [](Preview& p) { p.TextRotation(450); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.TextRotation, 450);
                                         EXPECT_EQ(p.TextRotation(), 450);
                                     }},
                                    {"LeadingType", [](Preview& p) { p.LeadingType(prLTAbsolute); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.LeadingType, prLTAbsolute);
                                         EXPECT_EQ(p.LeadingType(), prLTAbsolute);
                                     }},
                                    {"LeadingVal", [](Preview& p) { p.LeadingVal(1.5); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_DOUBLE_EQ(s.LeadingVal, 1.5);
                                         EXPECT_DOUBLE_EQ(p.LeadingVal(), 1.5);
                                     }},
                                    {"Charset", [](Preview& p) { p.Charset(161); },
                                     [](const cStyle& s, const Preview& p) {
                                         EXPECT_EQ(s.Charset, 161);
                                         EXPECT_EQ(p.Charset(), 161);
                                     }}},
                                   [&](const AttributeRow& r) {
                                       Preview pv;
                                       pv.AddFrame("Box", 0, 0, 1440, 1440);
                                       auto box = pv.document().currentFrame();
                                       const cStyle documentStyle = pv.document().Style;
                                       r.set(pv);
                                       ASSERT_THAT(elementKeys(*box), ElementsAre("El 1"));
                                       EXPECT_EQ(box->Elements().Item(1)->ElementType(), ekChangeStyle);
                                       EXPECT_EQ(recorded(*box, 1), box->CurrentStyle);
                                       r.check(box->CurrentStyle, pv);
                                       // Other frames and the frame's starting style stay as they were.
                                       EXPECT_EQ(insideOf(pv)->Elements().Count(), 0);
                                       EXPECT_EQ(box->Style, pv.document().pages().Item(1)->Style);
                                       // Only the size travels to the document style (and from there to the pages added
                                       // next).
                                       cStyle expected = documentStyle;
                                       expected.FontSize = box->CurrentStyle.FontSize;
                                       EXPECT_EQ(pv.document().Style, expected);
                                   });
}

TEST(AttributeProperties, EachRecordedChangeIsACopyOfThatMoment) {
    Preview pv;
    pv.FontBold(false);
    pv.FontItalic(true);
    auto inside = insideOf(pv);
    EXPECT_FALSE(recorded(*inside, 1).Italic);
    EXPECT_TRUE(recorded(*inside, 2).Italic);
    EXPECT_FALSE(recorded(*inside, 2).Bold);
}

TEST(AttributeProperties, WithoutACurrentFrameChangeNothing) {
    Preview pv;
    pv.ClearPage(1);
    const cStyle documentStyle = pv.document().Style;
    pv.FontName("Courier New");
    pv.FontSize(30);
    pv.FontBold(false);
    pv.LeadingVal(3);
    EXPECT_EQ(pv.document().Style, documentStyle);
    EXPECT_EQ(pv.document().pages().Item(1)->Frames().Count(), 0);
}

TEST(AttributeProperties, ASizeThatDoesNotConvertChangesNothing) {
    Preview pv;
    pv.FontSize("12 pica");
    pv.FontSize("twelve");
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 0);
    EXPECT_FLOAT_EQ(pv.FontSize(), 11);
    EXPECT_FLOAT_EQ(pv.document().Style.FontSize, 220);
}

TEST(AttributeProperties, TheSizeReachesPagesAddedLater) {
    Preview pv;
    pv.FontSize(14);
    pv.AddPage();
    EXPECT_FLOAT_EQ(pv.FontSize(), 14);
    EXPECT_FLOAT_EQ(pv.document().currentPage()->Style.FontSize, 280);
}

}  // namespace
}  // namespace kalder
