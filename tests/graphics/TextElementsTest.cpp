// Page numbers (their text, numbering types and drawing), Roman numerals, references to other
// elements, and the XML form of both kinds.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "core/TextMeasurer.h"
#include "document/cDocument.h"
#include "graphics/cPageNo.h"
#include "graphics/cReference.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// What the recording target printed, with the position in force at each Print.
struct Printed {
    std::string text, x, y, bold;
    friend bool operator==(const Printed&, const Printed&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Printed& p) {
        return os << "\"" << p.text << "\" at " << p.x << "," << p.y << " bold " << p.bold;
    }
};

std::vector<Printed> printedOn(Preview& pv, const std::string& pageKey, bool withDocument = true) {
    RecordingDrawTarget target;
    DrawingLayer layer(target);
    RenderContext ctx(layer, withDocument ? &pv.document() : nullptr);
    pv.document().pages().Item(std::string_view(pageKey))->Preview(ctx);
    std::vector<Printed> out;
    Printed now;
    for (const auto& c : target.calls) {
        if (c.rfind("CurrentX ", 0) == 0) now.x = c.substr(9);
        if (c.rfind("CurrentY ", 0) == 0) now.y = c.substr(9);
        if (c.rfind("FontBold ", 0) == 0) now.bold = c.substr(9);
        if (c.rfind("Print ", 0) == 0) {
            now.text = c.substr(6);
            out.push_back(now);
        }
    }
    return out;
}

std::vector<std::string> textsOn(Preview& pv, const std::string& pageKey) {
    std::vector<std::string> out;
    for (const auto& p : printedOn(pv, pageKey)) out.push_back(p.text);
    return out;
}

// A document of `pages` pages whose current page is `current`.
void makePages(Preview& pv, int pages, const std::string& current) {
    while (pv.TotalPages() < pages) pv.AddPage();
    pv.CurrentPage(current);
}

// ---------------------------------------------------------------------------------------
// Roman numerals and the page-number text

TEST(RomanNumber, Table) {
    struct Row {
        const char* name;
        std::int32_t number;
        const char* roman;
    };
    Preview pv;
    test::forEachRow<Row>({{"1999", 1999, "MCMXCIX"},
                           {"4", 4, "IV"},
                           {"0 is empty", 0, ""},
                           {"negative is empty", -7, ""},
                           {"9", 9, "IX"},
                           {"14", 14, "XIV"},
                           {"40", 40, "XL"},
                           {"90", 90, "XC"},
                           {"400", 400, "CD"},
                           {"900", 900, "CM"},
                           {"3999", 3999, "MMMCMXCIX"},
                           {"thousands repeat M", 4000, "MMMM"},
                           {"2024", 2024, "MMXXIV"}},
                          [&](const Row& r) { EXPECT_EQ(pv.RomanNumber(r.number), r.roman); });
}

TEST(PageNumberText, OfTheCurrentPageByTypeAndMaxPages) {
    struct Row {
        const char* name;
        std::int32_t type;
        bool maxPages;
        const char* text;
    };
    test::forEachRow<Row>({{"arabic", prPTArabic, false, "3"},
                           {"arabic with the count", prPTArabic, true, "3/10"},
                           {"roman", prPTRoman, false, "III"},
                           {"roman with the count in roman", prPTRoman, true, "III/X"},
                           {"unknown type", 2, false, "error"},
                           {"unknown type with the count", -1, true, "error"}},
                          [](const Row& r) {
                              Preview pv;
                              makePages(pv, 10, "Page 3");
                              pv.PageNumberType(r.type);
                              EXPECT_EQ(pv.PageNumberType(), r.type);
                              EXPECT_EQ(pv.Page(r.maxPages), r.text);
                              EXPECT_EQ(pv.PageNumber(r.maxPages), r.text);
                          });
}

TEST(PageNumberText, PagesAddedLaterKeepTheNumberingType) {
    Preview pv;
    pv.PageNumberType(prPTRoman);
    pv.AddPage();
    EXPECT_EQ(pv.PageNumberType(), prPTRoman);
    EXPECT_EQ(pv.Page(), "II");
    // Changing it on one page leaves the pages before it as they were.
    pv.PageNumberType(prPTArabic);
    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.Page(true), "I/II");
}

TEST(PageNumberText, FollowsTheLogicalPageNumber) {
    Preview pv;
    makePages(pv, 4, "Page 4");
    pv.document().currentPage()->LogicalPageNo = 12;
    EXPECT_EQ(pv.Page(true), "12/4");
}

// ---------------------------------------------------------------------------------------
// Page-number elements

TEST(PageNumberElement, DrawsTheDefinitionWithTheNumberOfItsPage) {
    struct Row {
        const char* name;
        const char* definition;
        bool maxPages;
        std::int32_t type;
        const char* shown;
    };
    test::forEachRow<Row>(
        {{"placeholder", "Page ?? of the report", false, prPTArabic, "Page 3 of the report"},
         {"with the count", "Page ?? of the report", true, prPTArabic, "Page 3/10 of the report"},
         {"roman with the count", "- ?? -", true, prPTRoman, "- III/X -"},
         {"only the first placeholder", "?? and ??", false, prPTArabic, "3 and ??"},
         {"no placeholder shows the text as written", "Confidential", true, prPTArabic, "Confidential"},
         {"bare placeholder", "??", false, prPTArabic, "3"}},
        [](const Row& r) {
            Preview pv;
            makePages(pv, 10, "Page 3");
            pv.PageNumberType(r.type);
            pv.AddPageNumberAt(r.definition, 100, 200, r.maxPages);
            EXPECT_THAT(printedOn(pv, "Page 3"), ElementsAre(Printed{r.shown, "100", "200", "1"}));
        });
}

TEST(PageNumberElement, IsAlignedByTheWidthOfTheTextAsShown) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    while (pv.TotalPages() < 12) pv.AddPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter}) pv.AddPageNumberAt("p. ??", 3000, 100, true, align);
    const auto shown = printedOn(pv, "Page 12");
    ASSERT_EQ(shown.size(), 3u);
    // The width is that of "p. 12/12", not of the definition.
    const double width = TextMeasurer::width(pv.document().currentFrame()->CurrentStyle, "p. 12/12");
    EXPECT_GT(width, TextMeasurer::width(pv.document().currentFrame()->CurrentStyle, "p. ??"));
    EXPECT_EQ(shown[0], (Printed{"p. 12/12", "4440", "1540", "1"}));
    EXPECT_EQ(shown[1].x, std::to_string(roundToLong(4440 - width)));
    EXPECT_EQ(shown[2].x, std::to_string(roundToLong(4440 - width / 2)));
}

TEST(PageNumberElement, IsWorkedOutWhenDrawn) {
    Preview pv;
    makePages(pv, 2, "Page 2");
    pv.AddPageNumberAt("??", 0, 300, true);
    EXPECT_THAT(textsOn(pv, "Page 2"), ElementsAre("2/2"));
    pv.AddPage();
    pv.AddPage();
    pv.AddPage();
    EXPECT_THAT(textsOn(pv, "Page 2"), ElementsAre("2/5"));
    // Deleting a page changes the count; the remaining pages keep their numbers.
    pv.DeletePage(1);
    EXPECT_THAT(textsOn(pv, "Page 2"), ElementsAre("2/4"));
    pv.CurrentPage("Page 2");
    pv.PageNumberType(prPTRoman);
    EXPECT_THAT(textsOn(pv, "Page 2"), ElementsAre("II/IV"));
}

TEST(PageNumberElement, ACopiedHeaderShowsTheNumberOfThePageItIsOn) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in");
    pv.CurrentFrame("header");
    pv.AddPageNumberAt("Page ??", 0, 0, true);
    pv.AddPageTemplate();
    pv.AddPageTemplate();
    EXPECT_THAT(textsOn(pv, "Page 1"), ElementsAre("Page 1/3"));
    EXPECT_THAT(textsOn(pv, "Page 3"), ElementsAre("Page 3/3"));
}

TEST(PageNumberElement, AddTakesTheCurrentPositionAndPage) {
    Preview pv;
    makePages(pv, 2, "Page 2");
    pv.CurrentX(70);
    pv.CurrentY(80);
    const auto key = pv.AddPageNumberAt("??");
    EXPECT_EQ(key, "El 1");
    auto number = std::dynamic_pointer_cast<cPageNo>(pv.document().currentFrame()->Elements().Item(key));
    ASSERT_TRUE(number);
    EXPECT_EQ(number->PageKey, "Page 2");
    EXPECT_EQ(number->Definition, "??");
    EXPECT_EQ(number->xPos, 70);
    EXPECT_EQ(number->yPos, 80);
    EXPECT_FALSE(number->MaxPages);
    EXPECT_EQ(number->Align, prALLeft);
    // The position stays where it was.
    EXPECT_EQ(pv.CurrentX(), 70);
    EXPECT_EQ(pv.CurrentY(), 80);
}

TEST(PageNumberElement, NothingIsDrawnWithoutADocument) {
    Preview pv;
    pv.AddPageNumberAt("??", 0, 300);
    EXPECT_THAT(printedOn(pv, "Page 1", false), IsEmpty());
}

TEST(PageNumberElement, WithoutACurrentFrameNothingIsAdded) {
    Preview pv;
    pv.ClearPage(1);
    EXPECT_EQ(pv.AddPageNumberAt("??", 0, 0), "");
}

// ---------------------------------------------------------------------------------------
// References

// Page 1 (no margins) holds a line at (100, 200) of "inside"; page 2 has inch margins.
struct ReferencePages {
    Preview pv;
    ReferencePages() {
        pv.AddTextAt("Referenced", 100, 200, prALLeft, prASNone);
        pv.AddPage("1 in", "1 in", "1 in", "1 in");
    }
};

TEST(Reference, DrawsTheElementInTheReferencesFrame) {
    ReferencePages r;
    EXPECT_EQ(r.pv.AddReference("Page 1", "inside", "El 1"), "El 1");
    // Coordinates count from the frame that holds the reference: (1440 + 100, 1440 + 200).
    EXPECT_THAT(printedOn(r.pv, "Page 2"), ElementsAre(Printed{"Referenced", "1540", "1640", "1"}));
    // The referenced element is still drawn on its own page, in its own place.
    EXPECT_THAT(printedOn(r.pv, "Page 1"), ElementsAre(Printed{"Referenced", "100", "200", "1"}));
}

TEST(Reference, KeysAreFoundWithoutRegardToCase) {
    ReferencePages r;
    r.pv.AddReference("PAGE 1", "Inside", "el 1");
    EXPECT_THAT(textsOn(r.pv, "Page 2"), ElementsAre("Referenced"));
}

TEST(Reference, AMissingKeyDrawsNothing) {
    struct Row {
        const char* name;
        const char* page;
        const char* frame;
        const char* element;
    };
    test::forEachRow<Row>({{"page", "Page 9", "inside", "El 1"},
                           {"frame", "Page 1", "header", "El 1"},
                           {"element", "Page 1", "inside", "El 2"},
                           {"all empty", "", "", ""}},
                          [](const Row& row) {
                              ReferencePages r;
                              EXPECT_EQ(r.pv.AddReference(row.page, row.frame, row.element), "El 1");
                              EXPECT_THAT(printedOn(r.pv, "Page 2"), IsEmpty());
                          });
}

TEST(Reference, ToItselfOrInACircleDrawsNothingAndEnds) {
    ReferencePages r;
    r.pv.AddReference("Page 2", "inside", "El 1");  // itself
    r.pv.AddReference("Page 2", "inside", "El 3");  // El 2 -> El 3 -> El 2
    r.pv.AddReference("Page 2", "inside", "El 2");
    r.pv.AddReference("Page 1", "inside", "El 1");  // a real one still draws
    EXPECT_THAT(textsOn(r.pv, "Page 2"), ElementsAre("Referenced"));
}

TEST(Reference, AReferencedStyleChangeActsOnTheReferencesFrame) {
    Preview pv;
    pv.FontBold(false);  // "El 1" of page 1's inside: a style change to regular
    pv.AddPage();
    pv.AddTextAt("bold", 0, 100, prALLeft, prASNone);
    pv.AddReference("Page 1", "inside", "El 1");
    pv.AddTextAt("regular", 0, 400, prALLeft, prASNone);
    const auto shown = printedOn(pv, "Page 2");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].bold, "1");
    EXPECT_EQ(shown[1].bold, "0");
}

// ---------------------------------------------------------------------------------------
// XML

TEST(PageNumberXml, DrawnAsBeforeAfterLoading) {
    Preview pv;
    makePages(pv, 3, "Page 3");
    pv.AddPageNumberAt("<Page ?? & more>", 111, 222, false, prALRight);
    pv.AddPageNumberAt("??", -5, 6, true, prALCenter);
    Preview back;
    back.LoadXML(pv.SaveXMLString());
    EXPECT_EQ(printedOn(back, "Page 3"), printedOn(pv, "Page 3"));
    EXPECT_THAT(textsOn(back, "Page 3"), ElementsAre("<Page 3 & more>", "3/3"));
}

TEST(ReferenceXml, DrawsItsElementAfterLoading) {
    ReferencePages r;
    r.pv.AddReference("Page 1", "inside", "El 1");
    Preview back;
    back.LoadXML(r.pv.SaveXMLString());
    EXPECT_THAT(printedOn(back, "Page 2"), ElementsAre(Printed{"Referenced", "1540", "1640", "1"}));
}

}  // namespace
}  // namespace kalder
