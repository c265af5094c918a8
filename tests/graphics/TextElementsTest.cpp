// Page numbers (their text, numbering types and drawing), Roman numerals, references to
// other elements, and the watermark: its frame under everything, its turn along the sheet's
// diagonal, its size and place (its pixels are compared with poppler's in PdfPixelsTest).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "core/TextMeasurer.h"
#include "graphics/cPageNo.h"
#include "support/RecordedCalls.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using Ints = std::vector<std::int32_t>;

std::string shownOn(Preview& pv, const std::string& page, bool withDocument = true) {
    return test::printed(test::pageCalls(pv, page, prOTScreen, "", withDocument));
}

// A document of `pages` pages whose current page is `current`.
void makePages(Preview& pv, int pages, const std::string& current) {
    while (pv.TotalPages() < pages) pv.AddPage();
    pv.CurrentPage(current);
}

TEST(PageNumberText, RomanNumbers) {
    Preview pv;
    for (const auto& [number, roman] : std::vector<std::pair<std::int32_t, const char*>>{
             {1999, "MCMXCIX"}, {4, "IV"}, {0, ""}, {-7, ""}, {9, "IX"}, {14, "XIV"}, {40, "XL"}, {90, "XC"},
             {400, "CD"}, {900, "CM"}, {3999, "MMMCMXCIX"}, {4000, "MMMM"}, {2024, "MMXXIV"}})
        EXPECT_EQ(pv.RomanNumber(number), roman) << number;
}

TEST(PageNumberText, LaterPagesKeepTheTypeAndTheLogicalNumberCounts) {
    Preview pv;
    pv.PageNumberType(prPTRoman);
    pv.AddPage();
    EXPECT_EQ(std::to_string(pv.PageNumberType()) + " " + pv.Page(), std::to_string(prPTRoman) + " II");
    pv.PageNumberType(prPTArabic);  // on page 2 only
    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.Page(true), "I/II");
    makePages(pv, 4, "Page 4");
    pv.document().currentPage()->LogicalPageNo = 12;
    EXPECT_EQ(pv.Page(true), "12/4");
}

// Page 3 of 10: the current page's number as text, and a page-number element drawn at (100, 200).
TEST(PageNumberElement, DrawsTheDefinitionWithTheNumberOfItsPage) {
    struct Row { const char* name; std::int32_t type; bool maxPages; const char* text; const char* definition; const char* shown; };
    test::forEachRow<Row>({{"arabic", prPTArabic, false, "3", "Page ?? of the report", "Page 3 of the report@100,200"},
                           {"arabic with the count", prPTArabic, true, "3/10", "Page ?? of the report", "Page 3/10 of the report@100,200"},
                           {"roman, only the first placeholder", prPTRoman, false, "III", "?? and ??", "III and ??@100,200"},
                           {"roman with the count in roman", prPTRoman, true, "III/X", "- ?? -", "- III/X -@100,200"},
                           {"unknown type", 2, false, "error", "??", "error@100,200"},
                           {"unknown type with the count; no placeholder", -1, true, "error", "Confidential", "Confidential@100,200"},
                           {"bare placeholder", prPTArabic, false, "3", "??", "3@100,200"}},
                          [](const Row& r) {
                              Preview pv;
                              makePages(pv, 10, "Page 3");
                              pv.PageNumberType(r.type);
                              EXPECT_EQ(pv.PageNumberType(), r.type);
                              EXPECT_EQ(pv.Page(r.maxPages), r.text);
                              EXPECT_EQ(pv.PageNumber(r.maxPages), r.text);
                              pv.AddPageNumberAt(r.definition, 100, 200, r.maxPages);
                              EXPECT_EQ(shownOn(pv, "Page 3"), r.shown);
                          });
    // Aligned by the width of "p. 12/12" as shown, not of the definition.
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    while (pv.TotalPages() < 12) pv.AddPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter}) pv.AddPageNumberAt("p. ??", 3000, 100, true, align);
    const double width = TextMeasurer::width(pv.document().currentFrame()->CurrentStyle, "p. 12/12");
    EXPECT_GT(width, TextMeasurer::width(pv.document().currentFrame()->CurrentStyle, "p. ??"));
    EXPECT_EQ(shownOn(pv, "Page 12"), "p. 12/12@4440,1540 | p. 12/12@" + std::to_string(roundToLong(4440 - width)) +
                                          ",1540 | p. 12/12@" + std::to_string(roundToLong(4440 - width / 2)) + ",1540");
}

TEST(PageNumberElement, IsWorkedOutWhenDrawnOnThePageItIsOn) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in");
    pv.CurrentFrame("header");  // copied with its page number onto the next page; drawn after inside
    pv.AddPageNumberAt("Page ??", 0, 0, true);
    pv.AddPageTemplate();
    pv.CurrentFrame("inside");
    pv.AddPageNumberAt("??", 0, 300, true);
    EXPECT_EQ(shownOn(pv, "Page 2"), "2/2@1440,2460 | Page 2/2@1440,1440");
    pv.AddPage(), pv.AddPage(), pv.AddPage();
    EXPECT_EQ(shownOn(pv, "Page 2"), "2/5@1440,2460 | Page 2/5@1440,1440");
    pv.DeletePage(1);  // the count changes; the remaining pages keep their numbers
    EXPECT_EQ(shownOn(pv, "Page 2"), "2/4@1440,2460 | Page 2/4@1440,1440");
    pv.CurrentPage("Page 2"), pv.PageNumberType(prPTRoman);
    EXPECT_EQ(shownOn(pv, "Page 2"), "II/IV@1440,2460 | Page II/IV@1440,1440");
    // A frame drawn on its own finds its page; the copied header's element still names page 1.
    auto& page2 = *pv.document().pages().Item(std::string_view("Page 2"));
    EXPECT_EQ(test::printed(test::frameCalls(*page2.Frames().Item("header"), &pv.document())) + " | " +
                  test::printed(test::frameCalls(*page2.Frames().Item("inside"), &pv.document())), "Page II/IV@1440,1440 | II/IV@1440,2460");
}

TEST(PageNumberElement, AddTakesTheCurrentPositionAndPageAndNeedsAFrame) {
    Preview pv;
    makePages(pv, 2, "Page 2");
    pv.CurrentX(70), pv.CurrentY(80);
    auto number = std::dynamic_pointer_cast<cPageNo>(pv.document().currentFrame()->Elements().Item(pv.AddPageNumberAt("??")));
    EXPECT_EQ(number->Key() + " " + number->PageKey + " " + number->Definition, "El 1 Page 2 ??");
    EXPECT_EQ(Ints({number->xPos, number->yPos, number->MaxPages, number->Align, pv.CurrentX(), pv.CurrentY()}),
              Ints({70, 80, false, prALLeft, 70, 80}));  // the position stays where it was
    EXPECT_EQ(shownOn(pv, "Page 2", false), "");      // nothing is drawn without a document
    pv.ClearPage(2);
    EXPECT_EQ(pv.AddPageNumberAt("??", 0, 0), "");
}

TEST(Reference, DrawsTheElementInTheReferencesFrame) {
    // References as page, frame, element; coordinates count from the frame that holds the
    // reference: (1440 + 100, 1440 + 200).
    struct Row { const char* name; std::vector<std::array<const char*, 3>> references; const char* page2; };
    test::forEachRow<Row>(
        {{"found", {{"Page 1", "inside", "El 1"}}, "Referenced@1540,1640"},
         {"keys found without regard to case", {{"PAGE 1", "Inside", "el 1"}}, "Referenced@1540,1640"},
         {"missing page", {{"Page 9", "inside", "El 1"}}, ""},
         {"missing frame", {{"Page 1", "header", "El 1"}}, ""},
         {"missing element", {{"Page 1", "inside", "El 2"}}, ""},
         {"all empty", {{"", "", ""}}, ""},
         {"to itself or in a circle draws nothing and ends; a real one still draws",
          {{"Page 2", "inside", "El 1"}, {"Page 2", "inside", "El 3"}, {"Page 2", "inside", "El 2"}, {"Page 1", "inside", "El 1"}},
          "Referenced@1540,1640"}},
        [](const Row& r) {
            Preview pv;
            pv.AddTextAt("Referenced", 100, 200, prALLeft, prASNone);
            pv.AddPage("1 in", "1 in", "1 in", "1 in");
            for (const auto& [page, frame, element] : r.references) pv.AddReference(page, frame, element);
            EXPECT_EQ(pv.AddReference("", "", ""), "El " + std::to_string(r.references.size() + 1));
            EXPECT_EQ(shownOn(pv, "Page 2"), r.page2);
            EXPECT_EQ(shownOn(pv, "Page 1"), "Referenced@100,200");  // still drawn in its own place
        });
    // A referenced style change acts on the reference's frame.
    Preview pv;
    pv.FontBold(false);  // "El 1" of page 1's inside: a style change to regular
    pv.AddPage();
    pv.AddTextAt("bold", 0, 100, prALLeft, prASNone);
    pv.AddReference("Page 1", "inside", "El 1");
    pv.AddTextAt("regular", 0, 400, prALLeft, prASNone);
    EXPECT_EQ(test::joinedOnly(test::pageCalls(pv, "Page 2"), {"FontBold", "Print"}), "FontBold 1 | Print bold | FontBold 0 | Print regular");
}

// The style and text of the watermark's `pair`th line on the current page.
std::pair<cStyle, std::shared_ptr<cGraphicText>> watermarkOf(Preview& pv, int pair = 0) {
    auto frame = pv.document().currentPage()->Frames().Item("watermark");
    auto change = std::dynamic_pointer_cast<cChangeStyle>(frame->Elements().Item(1 + 2 * pair));
    return {change->Style(), std::dynamic_pointer_cast<cGraphicText>(frame->Elements().Item(2 + 2 * pair))};
}

TEST(Watermark, AddsAFrameUnderEverythingDrawnFirstAndLeavesThePositionAlone) {
    Preview pv;
    pv.AddTextAt("over it", 2000, 2000);
    pv.CurrentX(12), pv.CurrentY(34);
    pv.Watermark("CONFIDENTIAL");
    EXPECT_EQ(test::outline(pv), "Page 1 (0,0,0,0 h0 f0 top0): watermark[style, CONFIDENTIAL@193,14457] inside[over it@2000,2000] WholePage[]");
    auto frame = pv.document().currentPage()->Frames().Item("watermark");  // the whole sheet
    EXPECT_EQ(Ints({frame->FrameType, frame->xPos, frame->yPos, frame->Width, frame->Height, frame->Elements().Count()}),
              Ints({4, 0, 0, 11910, 16838, 2}));
    // Light grey E5E5E5 in the current font, neither bold nor italic, and not underlined
    // though the new document's running style is.
    const cStyle style = watermarkOf(pv).first;
    EXPECT_EQ(style.FontName, "Arial");
    EXPECT_EQ(Ints({style.ForeColor, style.Bold, style.Italic, style.Underline, style.Strikethru, pv.FontUnderline()}),
              Ints({15066597, false, false, false, false, true}));
    EXPECT_EQ(pv.CurrentPage() + " " + pv.CurrentFrame() + " " + std::to_string(pv.CurrentX()) + "," + std::to_string(pv.CurrentY()), "Page 1 inside 12,34");
    EXPECT_EQ(test::joinedOnly(test::pageCalls(pv), {"RotatedText", "Print"}),
              "Print  | RotatedText 13 964 CONFIDENTIAL font=Arial height=-150 escapement=550 color=15066597 | Print over it");

    Preview given;
    given.Watermark("DRAFT", 0x0000FF, "Times New Roman", true, true);
    const auto [font, _] = watermarkOf(given);
    EXPECT_EQ(font.FontName + " " + std::to_string(font.ForeColor) + " " + std::to_string(font.Bold) + std::to_string(font.Italic), "Times New Roman 255 11");
}

TEST(Watermark, TurnsToTheDiagonalOfTheSheet) {
    struct Row { const char* name; std::int32_t paper; bool landscape; std::int32_t degrees; };  // atan(height / width), rounded
    test::forEachRow<Row>({{"A4 portrait: atan(16838 / 11910) = 54.7", prPSA4, false, 55}, {"A4 landscape: 35.3", prPSA4, true, 35},
                           {"Letter: atan(15840 / 12240) = 52.3", prPSLetter, false, 52},
                           {"Legal: atan(20160 / 12240) = 58.7", prPSLegal, false, 59}, {"square", prPSUserDefine, false, 45}},
                          [](const Row& r) {
                              Preview pv;
                              pv.PageWidth(10000), pv.PageHeight(10000), pv.PageSize(r.paper);
                              if (r.landscape) pv.Orientation(prORLandscape);
                              pv.Watermark("CONFIDENTIAL");
                              EXPECT_EQ(watermarkOf(pv).first.TextRotation, r.degrees);
                          });
}

TEST(Watermark, SpansMostOfTheDiagonalCentredAndStaysOnTheSheet) {
    // A short text is bounded by the sheet before it spans four fifths of the diagonal.
    for (const char* text : {"CONFIDENTIAL", "FOR INTERNAL USE ONLY - DO NOT DISTRIBUTE", "X"}) {
        SCOPED_TRACE(text);
        Preview pv;
        pv.Watermark(text);
        const auto [style, line] = watermarkOf(pv);
        const double W = 11910, H = 16838, w = TextMeasurer::width(style, text), h = TextMeasurer::metrics(style).height;
        EXPECT_TRUE(std::string(text) == "X" ? w / std::hypot(W, H) < 0.8 : std::abs(w / std::hypot(W, H) - 0.8) <= 0.01) << w;
        // The corners of the turned line: top left, along the text, across it, and both.
        const double a = style.TextRotation * std::acos(-1.0) / 180, x = line->xPos, y = line->yPos;
        const double ux = w * std::cos(a), uy = -w * std::sin(a), vx = h * std::sin(a), vy = h * std::cos(a);
        for (const auto& [cx, cy] : {std::pair{x, y}, {x + ux, y + uy}, {x + vx, y + vy}, {x + ux + vx, y + uy + vy}})
            EXPECT_TRUE(cx >= -2 && cx <= W + 2 && cy >= -2 && cy <= H + 2) << cx << "," << cy;
        EXPECT_NEAR(x + (ux + vx) / 2, W / 2, 2);  // the middle of the line is the middle of the sheet
        EXPECT_NEAR(y + (uy + vy) / 2, H / 2, 2);
    }
}

TEST(Watermark, ASecondCallJoinsTheFirstOnThatPageOnlyAndAnEmptyOneAddsNothing) {
    Preview pv;
    pv.Watermark("ONE"), pv.Watermark("TWO"), pv.AddPage(), pv.Watermark("");
    const std::string page1 = "Page 1 (0,0,0,0 h0 f0 top0): watermark[style, ONE@0,11549, style, TWO@0,11775] inside[] WholePage[]";
    EXPECT_EQ(test::outline(pv), page1 + " / Page 2 (0,0,0,0 h0 f0 top0): inside[] WholePage[]");
    pv.Watermark("THREE");
    EXPECT_EQ(test::outline(pv), page1 + " / Page 2 (0,0,0,0 h0 f0 top0): watermark[style, THREE@0,12867] inside[] WholePage[]");
}

}  // namespace
}  // namespace kalder
