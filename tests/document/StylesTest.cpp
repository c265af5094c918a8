// Named styles and the current attributes: AddStyle (sizes in points or with a unit),
// GetStyle's description text, ModifyStyle's property names, ApplyStyle, and the attribute
// properties that record each change as a style-change element of the current frame. The
// values of the standard styles are pinned by the saved new document in XmlFormatTest.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/cChangeStyle.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::errorOf;
using test::IsError;
using test::withMark;

const cStyle& named(const Preview& pv, const std::string& name) { return *pv.document().NamedStyles.find(name); }

std::shared_ptr<cFrame> insideOf(Preview& pv) { return pv.document().pages().Item(1)->Frames().Item("inside"); }

const cStyle& recorded(const cFrame& frame, std::int32_t position) {
    auto change = std::dynamic_pointer_cast<cChangeStyle>(frame.Elements().Item(position));
    if (!change) throw std::runtime_error("no style change at " + std::to_string(position));
    return change->Style();
}

// GetStyle, GetAllStyles, AddStyle

TEST(GetStyle, DescribesEveryFieldAndAnUndefinedNameIsEmpty) {
    Preview pv;
    const std::string normal =
        "Style: Normal; Font: Times New Roman; Size: 10.0; Bold:  False; Underline:  False; Italic:  False; Fore: 0; "
        "Back: 16777215; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; FillStyle: 0; FillColor: 0; "
        "PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0";
    EXPECT_EQ(pv.GetStyle("Normal"), withMark(normal));
    EXPECT_EQ(pv.GetStyle("Normal", true), withMark(normal));  // the line argument changes nothing
    EXPECT_EQ(pv.GetStyle("Heading6") + pv.GetStyle(""), "");
    // Unset arguments keep the defaults of a new record; the order is Bold, Underline, Italic.
    EXPECT_EQ(pv.AddStyle("Plain"), "Plain");
    pv.AddStyle("Mark", "Courier New", 9, true, false, true, 255, 65280);
    pv.ModifyStyle("Mark", "FontStrikeThru", true);
    for (auto [prop, value] : {std::pair{"LineWidth", 15}, {"LineType", 2}, {"LineColor", 12}, {"FillStyle", 6},
                               {"FillColor", 7}, {"PageSize", prPSLetter}})
        pv.ModifyStyle("Mark", prop, value);
    EXPECT_EQ(pv.GetStyle("Plain") + "\n" + pv.GetStyle("Mark"),
              withMark("Style: Plain; Font: Arial; Size: 10.0; Bold:  False; Underline:  False; Italic:  False; "
                       "Fore: 0; Back: 0; Strikethru:  False; Leading: Increment, Val: 0.0; Rotation: 0.0; "
                       "FillStyle: 1; FillColor: 16777215; PageSize: 9; LineWidth: 0; LineType: 0; Line Color: 0\n"
                       "Style: Mark; Font: Courier New; Size: 9.0; Bold:  True; Underline:  False; Italic:  True; "
                       "Fore: 255; Back: 65280; Strikethru:  True; Leading: Increment, Val: 0.0; Rotation: 0.0; "
                       "FillStyle: 6; FillColor: 7; PageSize: 1; LineWidth: 15; LineType: 2; Line Color: 12"));
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5/Plain/Mark");
    // A used name keeps the existing style.
    EXPECT_EQ(pv.AddStyle("normal", "Courier New", 30), "normal");
    EXPECT_EQ(named(pv, "Normal").FontName + "/" + named(pv, "Normal").Key, "Times New Roman/Normal");
    EXPECT_EQ(pv.document().NamedStyles.Count(), 8);
}

struct SizeRow { const char* name; Variant size; float twips; };

TEST(AddStyle, PlainNumbersArePointsAndUnitsAreMeasures) {
    test::forEachRow<SizeRow>({{"Number", Variant(24), 480}, {"NumericText", Variant("24"), 480},
                               {"Points", Variant("24 pt"), 480}, {"Inches", Variant("0.5 in"), 720},
                               {"Twips", Variant("300 tw"), 300}, {"Fraction", Variant(10.5), 210},
                               // Both marks are decimal marks in a measure.
                               {"CommaText", Variant("10,5"), 210}, {"PointText", Variant("10.5"), 210}},
                              [&](const SizeRow& r) {
                                  Preview pv;
                                  EXPECT_EQ(pv.AddStyle("Big", "Arial", r.size), "Big");
                                  EXPECT_FLOAT_EQ(named(pv, "Big").FontSize, r.twips);
                              });
}

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
            pv.AddStyle("S"); pv.ModifyStyle("S", "LeadingType", r.leadingType);
            pv.ModifyStyle("S", "Val", r.leadingVal); pv.ModifyStyle("S", "Rotation", r.rotation);
            const std::string d = pv.GetStyle("S");
            const auto from = d.find("; Leading");
            EXPECT_EQ(d.substr(from, d.find("; FillStyle:") - from), withMark(r.expected));
        });
}

// ModifyStyle: property names compare without regard to case; the row names the one change
// the style must show, every other field staying as it was.

struct ModifyRow { const char* name; const char* prop; Variant value; std::function<void(cStyle&)> change; };

TEST(ModifyStyle, EachPropertyNameWhateverItsCaseSetsItsFieldOnly) {
    test::forEachRow<ModifyRow>(
        {{"FontName", "FONTNAME", Variant("Arial"), [](cStyle& s) { s.FontName = "Arial"; }},
         {"FontSizePoints", "FontSize", Variant(12), [](cStyle& s) { s.FontSize = 240; }},
         {"FontSizeMeasure", "fontsize", Variant("12 pt"), [](cStyle& s) { s.FontSize = 240; }},
         {"FontBold", "fontbold", Variant(true), [](cStyle& s) { s.Bold = true; }},
         {"FontItalic", "FontItalic", Variant(true), [](cStyle& s) { s.Italic = true; }},
         {"FontUnderline", "fontUnderline", Variant(true), [](cStyle& s) { s.Underline = true; }},
         {"FontStrikeThru", "FontStrikeThru", Variant(true), [](cStyle& s) { s.Strikethru = true; }},
         {"ForeColor", "forecolor", Variant(255), [](cStyle& s) { s.ForeColor = 255; }},
         {"BackColor", "BackColor", Variant(65280), [](cStyle& s) { s.BackColor = 65280; }},
         {"LineColor", "LineColor", Variant(12), [](cStyle& s) { s.LineStyle.Color = 12; }},
         {"LineType", "linetype", Variant(2), [](cStyle& s) { s.LineStyle.LineType = 2; }},
         {"LineWidth", "LineWidth", Variant(15), [](cStyle& s) { s.LineStyle.LineWidth = 15; }},
         {"Rotation", "Rotation", Variant(900), [](cStyle& s) { s.TextRotation = 900; }},
         {"FillStyle", "FillStyle", Variant(1), [](cStyle& s) { s.FillStyle = 1; }},
         {"FillColor", "FILLCOLOR", Variant(7), [](cStyle& s) { s.FillColor = 7; }},
         {"PageSize", "PageSize", Variant(prPSLetter), [](cStyle& s) { s.PageSize = 1; }},
         {"Leading", "Leading", Variant(prLTPercent), [](cStyle& s) { s.LeadingType = prLTPercent; }},
         {"LeadingType", "leadingtype", Variant(prLTAbsolute), [](cStyle& s) { s.LeadingType = prLTAbsolute; }},
         {"Val", "Val", Variant(1.25), [](cStyle& s) { s.LeadingVal = 1.25; }},
         {"ValLowerCase", "val", Variant(-40), [](cStyle& s) { s.LeadingVal = -40; }}},
        [&](const ModifyRow& r) {
            Preview pv;
            cStyle expected = named(pv, "Normal");
            r.change(expected);
            pv.ModifyStyle("NORMAL", r.prop, r.value);
            EXPECT_EQ(named(pv, "Normal"), expected);
        });
}

TEST(ModifyStyle, AnUnknownNameOrAValueThatDoesNotConvertChangesNothing) {
    Preview pv;
    const cStyle before = named(pv, "Normal");
    // Field names that are not property names, near misses and the empty name raise 5 without text.
    for (const char* prop : {"Bold", "LeadingVal", "Strikethru", "FontStrikethrough", "Font Name", " FontBold", ""})
        EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", prop, 1); }), IsError(5, "ModifyStyle", "")) << prop;
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontBold", "perhaps"); }),
                IsError(13, "", test::kTypeMismatchText));
    EXPECT_THAT(errorOf([&] { pv.ModifyStyle("Normal", "FontSize", "12 pica"); }),
                IsError(1000, "CTwips", "Error converting : 12 pica"));
    EXPECT_EQ(named(pv, "Normal"), before);
}

// ApplyStyle sets name, size, bold, underline, italic, fore and back colour one at a time,
// each recorded change holding the attributes up to that point.

std::string changesText(const cFrame& frame) {
    std::string text;
    for (std::int32_t i = 1; i <= frame.Elements().Count(); ++i) {
        const cStyle& s = recorded(frame, i);
        text += frame.Elements().Item(i)->Key() + ": " + s.FontName + " " + std::to_string(int(s.FontSize)) + " " +
                std::to_string(s.Bold) + std::to_string(s.Underline) + std::to_string(s.Italic) + " " +
                std::to_string(s.ForeColor) + " " + std::to_string(s.BackColor) + "\n";
    }
    return text;
}

TEST(ApplyStyle, RecordsSevenChangesInItsOrderAfterTheFramesElements) {
    Preview pv;
    pv.AddStyle("Mark", "Courier New", 9, false, false, true, 255, 65280); pv.ApplyStyle("mark");
    EXPECT_EQ(changesText(*insideOf(pv)),
              "El 1: Courier New 220 110 0 16777215\nEl 2: Courier New 180 110 0 16777215\n"
              "El 3: Courier New 180 010 0 16777215\nEl 4: Courier New 180 000 0 16777215\n"
              "El 5: Courier New 180 001 0 16777215\nEl 6: Courier New 180 001 255 16777215\n"
              "El 7: Courier New 180 001 255 65280\n");
    EXPECT_EQ(recorded(*insideOf(pv), 7), insideOf(pv)->CurrentStyle);
    EXPECT_FLOAT_EQ(pv.document().Style.FontSize, 180);  // the size also becomes the document's
    pv.ApplyStyle("Heading1");
    const std::string text = changesText(*insideOf(pv));
    EXPECT_EQ(text.substr(text.find("El 8:")),
              "El 8: Arial 180 001 255 65280\nEl 9: Arial 280 001 255 65280\nEl 10: Arial 280 101 255 65280\n"
              "El 11: Arial 280 111 255 65280\nEl 12: Arial 280 110 255 65280\nEl 13: Arial 280 110 0 65280\n"
              "El 14: Arial 280 110 0 16777215\n");
    pv.ApplyStyle("Heading9");  // an undefined name adds nothing
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 14);
}

// Attribute properties: each set changes the current frame's running style and records a
// copy of it as one style-change element.

struct AttributeRow {
    const char* name;
    std::function<void(Preview&)> set;
    std::function<void(cStyle&)> change;
    std::function<double(const Preview&)> read;
    double readValue;
};

// A row sets `Name` to `value`, which must make `field` of the style `to`, and reads back `read`.
#define KALDER_SET(row, Name, value, field, to, read)                                                \
    {#row, [](Preview& p) { p.Name(value); }, [](cStyle& s) { s.field = to; },                        \
     [](const Preview& p) { return double(p.Name()); }, read}
#define KALDER_ATTR(Name, value, field, read) KALDER_SET(Name, Name, value, field, value, read)

TEST(AttributeProperties, EachSetRecordsOneStyleChangeInTheCurrentFrame) {
    test::forEachRow<AttributeRow>(
        {KALDER_SET(FontSizePoints, FontSize, 12, FontSize, 240, 12),
         KALDER_SET(FontSizeMeasure, FontSize, "0.25 in", FontSize, 360, 18),
         KALDER_SET(FontSizeFraction, FontSize, 10.5, FontSize, 210, 10.5),
         KALDER_ATTR(FontBold, false, Bold, 0), KALDER_ATTR(FontItalic, true, Italic, 1),
         KALDER_ATTR(FontUnderline, false, Underline, 0), KALDER_ATTR(FontStrikethru, true, Strikethru, 1),
         KALDER_ATTR(ForeColor, 255, ForeColor, 255), KALDER_ATTR(BackColor, 65280, BackColor, 65280),
         KALDER_ATTR(FillColor, 0xFF0000, FillColor, 0xFF0000), KALDER_ATTR(FillStyle, 1, FillStyle, 1),
         KALDER_ATTR(LineColor, 99, LineStyle.Color, 99), KALDER_ATTR(LineType, 3, LineStyle.LineType, 3),
         KALDER_ATTR(DrawWidth, 30, LineStyle.LineWidth, 30), KALDER_ATTR(TextRotation, 450, TextRotation, 450),
         KALDER_ATTR(LeadingType, prLTAbsolute, LeadingType, prLTAbsolute),
         KALDER_ATTR(LeadingVal, 1.5, LeadingVal, 1.5), KALDER_ATTR(Charset, 161, Charset, 161)},
        [&](const AttributeRow& r) {
            Preview pv;
            pv.AddFrame("Box", 0, 0, 1440, 1440);
            auto box = pv.document().currentFrame();
            cStyle expected = box->CurrentStyle, documentStyle = pv.document().Style;
            r.change(expected);
            r.set(pv);
            EXPECT_EQ(test::frameText(*box), "Box 0 (0, 0) 1440 x 1440 [El 1]");
            EXPECT_EQ(recorded(*box, 1), expected);
            EXPECT_EQ(box->CurrentStyle, expected);
            EXPECT_DOUBLE_EQ(r.read(pv), r.readValue);
            // Other frames and the frame's starting style stay as they were.
            EXPECT_EQ(insideOf(pv)->Elements().Count(), 0);
            EXPECT_EQ(box->Style, pv.document().pages().Item(1)->Style);
            // Only the size travels to the document style (and from there to the pages added next).
            documentStyle.FontSize = expected.FontSize;
            EXPECT_EQ(pv.document().Style, documentStyle);
        });
}

TEST(AttributeProperties, FontNameAndEachRecordedChangeIsACopyOfThatMoment) {
    Preview pv;
    pv.FontName("Courier New"); pv.FontItalic(true);
    EXPECT_EQ(pv.FontName(), "Courier New");
    EXPECT_EQ(changesText(*insideOf(pv)),
              "El 1: Courier New 220 110 0 16777215\nEl 2: Courier New 220 111 0 16777215\n");
    // A size that does not convert changes nothing.
    pv.FontSize("12 pica"); pv.FontSize("twelve");
    EXPECT_EQ(insideOf(pv)->Elements().Count(), 2);
    EXPECT_FLOAT_EQ(pv.FontSize(), 11);
    pv.FontSize(14);  // the size reaches pages added later
    pv.AddPage();
    EXPECT_FLOAT_EQ(pv.FontSize(), 14);
    EXPECT_FLOAT_EQ(pv.document().currentPage()->Style.FontSize, 280);
}

}  // namespace
}  // namespace kalder
