// Text lines (placement, line step, page overflow, drawing), page numbers and Roman numerals,
// references, and the watermark: its frame, turn, size and place (its pixels: PdfPixelsTest).
#include <functional>

#include "core/Limits.h"
#include "core/TextMeasurer.h"
#include "graphics/cPageNo.h"
#include "support/Ink.h"
#include "support/Printing.h"
#include "support/RecordedCalls.h"

namespace kalder {
namespace {

using namespace test;

const std::string kBare = "Page 1 (0,0,0,0 h0 f0 top0): ";  // a page without margins, header or footer

const cStyle& styleOf(Preview& pv) { return pv.document().currentFrame()->CurrentStyle; }
std::string at(Preview& pv) { return joined(pv.CurrentX(), pv.CurrentY()); }

std::string shownOn(Preview& pv, const std::string& page, bool withDocument = true) {
    return printed(pageCalls(pv, page, prOTScreen, "", withDocument));
}

// A document of `pages` pages whose current page is `current`.
void makePages(Preview& pv, int pages, const std::string& current) {
    while (pv.TotalPages() < pages) pv.AddPage();
    pv.CurrentPage(current);
}

TEST(TextLineStep, TwoLinesWithoutPositionAreOneStepApart) {
    struct Row { const char* name; std::int32_t type; double val; std::int32_t (*step)(double fontHeight); };
    forEachRow<Row>({{"increment 0 is one text height", prLTIncrement, 0, [](double h) { return roundToLong(h); }},
                     {"increment adds twips", prLTIncrement, 100, [](double h) { return roundToLong(h + 100); }},
                     {"percent 150 is 1.5 heights", prLTPercent, 150, [](double h) { return roundToLong(h * 1.5); }},
                     {"percent 0 stays on the line", prLTPercent, 0, [](double) { return 0; }},
                     {"absolute ignores the font", prLTAbsolute, 300, [](double) { return 300; }},
                     {"absolute .5 rounds down to even", prLTAbsolute, 100.5, [](double) { return 100; }},
                     {"absolute .5 rounds up to even", prLTAbsolute, 101.5, [](double) { return 102; }}},
                    [](const Row& r) {
                        Preview pv; pv.LeadingType(r.type); pv.LeadingVal(r.val);
                        const auto step = r.step(TextMeasurer::height(styleOf(pv)));
                        pv.AddTextAt("first"), pv.AddTextAt("second");
                        EXPECT_EQ(at(pv), joined(0, 2 * step));
                    });
    // Arial 11 pt (the new document's) is metric-compatible with Liberation Sans, whose line
    // spacing is 1.149 em: 220 x 1.149 = 253 twips (as the overflow below has it); twice that at 22 pt.
    Preview big; big.FontSize(22), big.AddTextAt("big");
    EXPECT_NEAR(big.CurrentY(), 2 * 253, 4);
}

TEST(TextLinePlacement, GivenOrCurrentPositionsTheRunningCharsetAndFailures) {
    Preview pv;
    EXPECT_EQ(pv.AddTextAt("here", "1 in", 200, prALLeft, prASNone), "El 1");
    EXPECT_EQ(at(pv), "1440|200|");  // None makes the given position current
    pv.CurrentX(300); pv.CurrentY(400); pv.Charset(161);
    const auto key = pv.AddTextAt("there", Variant::missing(), Variant::missing(), prALCenter, prASNone);
    auto text = std::dynamic_pointer_cast<cGraphicText>(pv.document().currentFrame()->Elements().Item(key));
    EXPECT_EQ(joined(text->Align, text->AutoStep, text->Charset), joined(prALCenter, prASNone, 161));
    const std::int32_t below = pv.FrameHeight() + 5000;  // Line never starts a page, even below the frame
    pv.AddTextAt("low", 0, below, prALLeft, prASLine);
    EXPECT_EQ(pv.CurrentY(), below + 253);
    EXPECT_EQ(outline(pv), kBare + "inside[here@1440,200, style, there@300,400, low@0," + std::to_string(below) +
                               "] WholePage[]");
    // Failures add nothing and change nothing.
    Preview failing; failing.CurrentX(11); failing.CurrentY(22);
    EXPECT_THAT(errorOf([&] { failing.AddTextAt("x", "3 furlongs"); }),
                IsError(1000, "CTwips", "Error converting : 3 furlongs"));
    for (std::int32_t step : {5, -1, 100})
        EXPECT_THAT(errorOf([&] { failing.AddTextAt("x", 500, 600, prALLeft, step); }),
                    IsError(997, "KD5_AddTextAt", "Bad Step")) << step;
    EXPECT_EQ(outline(failing) + at(failing), kBare + "inside[] WholePage[]11|22|");
    failing.ClearPage(1);
    EXPECT_EQ(failing.AddTextAt("lost", 10, 20) + joined(failing.TotalPages()), "1|");  // without a current frame
}

TEST(TextLineOverflow, StartsAPageOnlyWhenTheLineDoesNotFitAndWhatItHolds) {
    // The line is at frame height - fromBottom, with a step of 2000. Page and Inside test the
    // whole step, a line ending exactly on the bottom still fitting; Copypage the text height
    // (about 253) alone, whatever the leading.
    struct Row { const char* name; std::int32_t step, fromBottom; bool newPage; };
    forEachRow<Row>({{"page step ends on the bottom", prASPage, 2000, false},
                     {"page step one twip beyond", prASPage, 1999, true},
                     {"copypage text fits, the step not", prASCopypage, 1000, false},
                     {"copypage text does not fit", prASCopypage, 100, true},
                     {"inside step one twip beyond", prASInside, 1999, true},
                     {"inside step ends on the bottom", prASInside, 2000, false},
                     {"none never starts a page", prASNone, -5000, false}},
                    [](const Row& r) {
                        Preview pv; pv.LeadingType(prLTAbsolute); pv.LeadingVal(2000);
                        pv.AddTextAt("line", 0, pv.FrameHeight() - r.fromBottom, prALLeft, r.step);
                        EXPECT_EQ(pv.TotalPages(), r.newPage ? 2 : 1);
                    });
    // Page 1 stays as it was; "*" stands for its header and footer, copied. Then where the next
    // line goes, the step being 253.
    struct PageRow { const char* name; std::function<void(Preview&)> overflow; const char* page2, *next;
                     const char* wholePage1 = ""; };
    const char* kBands = " header[Header text@0,0] footer[Footer text@0,0]";
    forEachRow<PageRow>(
        {{"page on the last line continues on a copy of the page, and the next line follows",
          [](Preview& pv) { pv.AddTextAt("Overflow", 250, pv.FrameHeight() - 252, prALLeft, prASPage);
                            pv.AddTextAt("Next", Variant::missing(), Variant::missing(), prALLeft, prASPage); },
          "(1440,1440,1440,1440 h720 f720 top2160): inside[style(i), Overflow@250,0, Next@250,253] WholePage[]*",
          "Page 2 inside 250|506|"},
         {"inside starts a fresh page with the same margins",
          [](Preview& pv) { pv.AddTextAt("Overflow", 0, pv.FrameHeight(), prALLeft, prASInside); },
          "(1440,1440,1440,1440 h0 f0 top1440): inside[style(i), Overflow@0,0] WholePage[]", "Page 2 inside 0|253|"},
         {"inside from the header (720 deep) carries the header alone along",
          [](Preview& pv) { pv.CurrentFrame("header"), pv.AddTextAt("Too low", 0, 700, prALLeft, prASInside); },
          "(1440,1440,1440,1440 h720 f0 top2160): inside[style, Too low@0,0] WholePage[] header[Header text@0,0]",
          "Page 2 inside 0|253|"},
         {"page from WholePage goes on in WholePage after the old content",
          [](Preview& pv) { pv.CurrentFrame("WholePage"), pv.AddTextAt("Before", 0, 0, prALLeft, prASNone);
                            pv.AddTextAt("Overflow", 0, pv.FrameHeight(), prALLeft, prASPage); },
          "(1440,1440,1440,1440 h720 f720 top2160): inside[] WholePage[Before@0,0, style, Overflow@0,0]*",
          "Page 2 wholepage 0|253|", "Before@0,0"}},
        [&](const PageRow& r) {
            Preview pv; pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in");
            pv.CurrentFrame("header"), pv.AddTextAt("Header text", 0, 0, prALLeft, prASNone);
            pv.CurrentFrame("footer"), pv.AddTextAt("Footer text", 0, 0, prALLeft, prASNone);
            pv.CurrentFrame("inside"), pv.FontItalic(true), pv.AddTextAt("First line", 0, 0);
            r.overflow(pv);
            std::string expected = "Page 1 (1440,1440,1440,1440 h720 f720 top2160): inside[style(i), First line@0,0] "
                                   "WholePage[" + std::string(r.wholePage1) + "]" + kBands + " / Page 2 " + r.page2;
            if (expected.back() == '*') expected.replace(expected.size() - 1, 1, kBands);
            EXPECT_EQ(outline(pv) + " => " + pv.CurrentPage() + " " + pv.CurrentFrame() + " " + at(pv),
                      expected + " => " + r.next);
        });
}

TEST(GraphicTextDrawing, PrintsWithTheRunningFontAtItsPlaceInThePageAndItsPixels) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");  // inside starts at (1440, 1440)
    pv.AddTextAt("Plain", 100, 200, prALLeft, prASNone); pv.FontName("Courier New"); pv.FontSize(14);
    pv.FontBold(false); pv.ForeColor(0x00FF00);
    const auto match = pv.AddTextAt("Changed", 300, 400, prALLeft, prASNone);
    pv.TextRotation(30); pv.AddTextAt("Turned", 1000, 2000, prALRight, prASNone);
    // The new document's attributes: Arial 11 pt, bold, underlined, black; the changes from Arial
    // 10 plain black are shown before each text. The find match is red
    // (the printer and the files never have one). Turned text is not aligned: 96 dpi makes it
    // (1440 + 1000) / 15 = 162.7 and (1440 + 2000) / 15 = 229.3 device pixels, 11 pt 15 pixels high.
    for (const std::string& key : std::vector<std::string>{"", match})
        EXPECT_EQ(drawn(pageCalls(pv, "Page 1", prOTScreen, key)),
                  "Size=11 Bold=1 Underline=1 CurrentY=1640 'Plain'@1540 Name=Courier New Size=14 Bold=0 ForeColor=" +
                      std::string(key.empty() ? "65280" : "255") + " CurrentY=1840 'Changed'@1740 ''@1740 "
                      "RotatedText=163 229 Turned font=Courier New height=-19 escapement=300 color=65280 ");

    Preview aligned; aligned.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter, prALJustify})
        aligned.AddTextAt("Hello", 2000, 500, align, prASNone);
    const double width = TextMeasurer::width(styleOf(aligned), "Hello");
    // By the measured width; justified lines start where left-aligned ones do.
    EXPECT_EQ(printed(pageCalls(aligned)), "Hello@3440,1940 | Hello@" + std::to_string(roundToLong(3440 - width)) +
                                               ",1940 | Hello@" + std::to_string(roundToLong(3440 - width / 2)) +
                                               ",1940 | Hello@3440,1940");
    Preview hs;  // zero margins: "inside" is the whole sheet
    const auto hsKey = hs.AddTextAt("HHHHHH", "1 in", "2 in", prALLeft, prASNone);
    // At 96 dpi the text's top left is at (96, 192) pixels. Six H of bold Arial 11 pt are
    // 6 x 0.722 em = 63.5 pixels wide; capitals start 0.19 em below the top of the line and
    // the baseline is 0.905 em below it, with the underline a little lower.
    const auto ink = inkOf(pageImage(hs), [](QRgb c) { return QColor(c).lightness() < 128; });
    EXPECT_LE(offBy(ink, {96, 195, 159, 207}), 2) << ink;
    // The same text as the find match: red, and nothing dark left.
    const QImage red = pageImage(hs, 1, 1.0, hsKey);
    EXPECT_GT(inkOf(red, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }).count, 100);
    EXPECT_EQ(inkOf(red, [](QRgb c) { return QColor(c).lightness() < 60; }).count, 0);
}

TEST(PageNumberText, RomanNumbersAndLaterPages) {
    Preview pv;
    for (const auto& [number, roman] : std::vector<std::pair<std::int32_t, const char*>>{
             {1999, "MCMXCIX"}, {4, "IV"}, {0, ""}, {-7, ""}, {9, "IX"}, {14, "XIV"}, {40, "XL"}, {90, "XC"},
             {400, "CD"}, {900, "CM"}, {3999, "MMMCMXCIX"}, {4000, "MMMM"}, {2024, "MMXXIV"}})
        EXPECT_EQ(pv.RomanNumber(number), roman) << number;
    // Later pages keep the type (Arabic set on page 2 leaves page 1 Roman), and the logical number counts.
    pv.PageNumberType(prPTRoman), pv.AddPage();
    const std::string page2 = joined(pv.PageNumberType(), pv.Page());
    pv.PageNumberType(prPTArabic), pv.CurrentPage("Page 1");
    const std::string page1 = pv.Page(true);
    makePages(pv, 4, "Page 4"), pv.document().currentPage()->LogicalPageNo = 12;
    EXPECT_EQ(page2 + " " + page1 + " " + pv.Page(true), joined(prPTRoman, "II") + " I/II 12/4");
}

// Page 3 of 10: the current page's number as text, and a page-number element drawn at (100, 200).
TEST(PageNumberElement, DrawsTheDefinitionWithTheNumberOfItsPage) {
    struct Row { const char* name; std::int32_t type; bool maxPages; const char* text, *definition, *shown; };
    forEachRow<Row>({{"arabic", prPTArabic, false, "3", "Page ?? of the report", "Page 3 of the report"},
                     {"arabic with the count", prPTArabic, true, "3/10", "Page ?? of the report",
                      "Page 3/10 of the report"},
                     {"roman, only the first placeholder", prPTRoman, false, "III", "?? and ??", "III and ??"},
                     {"roman with the count in roman", prPTRoman, true, "III/X", "- ?? -", "- III/X -"},
                     {"unknown type", 2, false, "error", "??", "error"},
                     {"unknown type with the count; no placeholder", -1, true, "error", "Confidential",
                      "Confidential"},
                     {"bare placeholder", prPTArabic, false, "3", "??", "3"}},
                    [](const Row& r) {
                        Preview pv; makePages(pv, 10, "Page 3"), pv.PageNumberType(r.type);
                        pv.AddPageNumberAt(r.definition, 100, 200, r.maxPages);
                        EXPECT_EQ(joined(pv.PageNumberType(), pv.Page(r.maxPages), pv.PageNumber(r.maxPages),
                                         shownOn(pv, "Page 3")),
                                  joined(r.type, r.text, r.text, std::string(r.shown) + "@100,200"));
                    });
    // Aligned by the width of "p. 12/12" as shown, not of the definition.
    Preview pv; pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    while (pv.TotalPages() < 12) pv.AddPage("1 in", "1 in", "1 in", "1 in");
    for (std::int32_t align : {prALLeft, prALRight, prALCenter}) pv.AddPageNumberAt("p. ??", 3000, 100, true, align);
    const double width = TextMeasurer::width(styleOf(pv), "p. 12/12");
    EXPECT_EQ(shownOn(pv, "Page 12"), "p. 12/12@4440,1540 | p. 12/12@" + std::to_string(roundToLong(4440 - width)) +
                                          ",1540 | p. 12/12@" + std::to_string(roundToLong(4440 - width / 2)) +
                                          ",1540");
}

TEST(PageNumberElement, IsWorkedOutWhenDrawnOnThePageItIsOnAndAddedAtThePosition) {
    Preview pv; pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", "0.5 in");
    pv.CurrentFrame("header");  // copied with its page number onto the next page; drawn after inside
    pv.AddPageNumberAt("Page ??", 0, 0, true); pv.AddPageTemplate(); pv.CurrentFrame("inside");
    pv.AddPageNumberAt("??", 0, 300, true);
    for (int i = 0; i < 3; ++i) pv.AddPage();
    pv.DeletePage(1);  // the count changes; the remaining pages keep their numbers
    EXPECT_EQ(shownOn(pv, "Page 2"), "2/4@1440,2460 | Page 2/4@1440,1440");
    pv.CurrentPage("Page 2"); pv.PageNumberType(prPTRoman);
    EXPECT_EQ(shownOn(pv, "Page 2"), "II/IV@1440,2460 | Page II/IV@1440,1440");
    // A frame drawn on its own finds its page; the copied header's element still names page 1.
    auto& page2 = *pv.document().pages().Item(std::string_view("Page 2"));
    EXPECT_EQ(printed(frameCalls(*page2.Frames().Item("header"), &pv.document())) + " | " +
                  printed(frameCalls(*page2.Frames().Item("inside"), &pv.document())),
              "Page II/IV@1440,1440 | II/IV@1440,2460");
    // Added at the current position and page, which stay; it needs a frame.
    Preview added;
    makePages(added, 2, "Page 2"), added.CurrentX(70), added.CurrentY(80);
    const auto key = added.AddPageNumberAt("??");
    auto number = std::dynamic_pointer_cast<cPageNo>(added.document().currentFrame()->Elements().Item(key));
    EXPECT_EQ(joined(number->Key(), number->PageKey, number->Definition, number->xPos, number->yPos, number->MaxPages,
                     number->Align, at(added)),
              joined("El 1", "Page 2", "??", 70, 80, false, prALLeft, "70|80|"));
    EXPECT_EQ(shownOn(added, "Page 2", false), "");  // nothing is drawn without a document
    added.ClearPage(2);
    EXPECT_EQ(added.AddPageNumberAt("??", 0, 0), "");
}

TEST(Reference, DrawsTheElementInTheReferencesFrame) {
    // References as page, frame, element; coordinates count from the frame that holds the
    // reference: (1440 + 100, 1440 + 200).
    struct Row { const char* name; std::vector<std::array<const char*, 3>> references; const char* page2; };
    forEachRow<Row>(
        {{"found", {{"Page 1", "inside", "El 1"}}, "Referenced@1540,1640"},
         {"keys found without regard to case", {{"PAGE 1", "Inside", "el 1"}}, "Referenced@1540,1640"},
         {"missing page, frame or element, or all empty",
          {{"Page 9", "inside", "El 1"}, {"Page 1", "header", "El 1"}, {"Page 1", "inside", "El 2"}, {"", "", ""}}, ""},
         {"to itself or in a circle draws nothing and ends; a real one still draws",
          {{"Page 2", "inside", "El 1"}, {"Page 2", "inside", "El 3"}, {"Page 2", "inside", "El 2"},
           {"Page 1", "inside", "El 1"}},
          "Referenced@1540,1640"}},
        [](const Row& r) {
            Preview pv; pv.AddTextAt("Referenced", 100, 200, prALLeft, prASNone);
            pv.AddPage("1 in", "1 in", "1 in", "1 in");
            for (const auto& [page, frame, element] : r.references) pv.AddReference(page, frame, element);
            EXPECT_EQ(pv.AddReference("", "", ""), "El " + std::to_string(r.references.size() + 1));
            // The referenced text is still drawn in its own place.
            EXPECT_EQ(shownOn(pv, "Page 2") + " / " + shownOn(pv, "Page 1"),
                      std::string(r.page2) + " / Referenced@100,200");
        });
    // A long chain (each link names the one before, the first the text) draws the text once
    // for every link; each link is resolved once, so this takes no longer than the links.
    Preview chain; chain.AddTextAt("Referenced", 100, 200, prALLeft, prASNone);
    chain.AddPage("1 in", "1 in", "1 in", "1 in");
    chain.AddReference("Page 1", "inside", "El 1");
    constexpr int kLinks = 20000;
    for (int i = 1; i < kLinks; ++i) chain.AddReference("Page 2", "inside", "El " + std::to_string(i));
    const std::string drawn = shownOn(chain, "Page 2");
    std::size_t count = 0;
    for (auto at = drawn.find("Referenced@1540,1640"); at != std::string::npos; at = drawn.find("Referenced@", at + 1)) ++count;
    EXPECT_EQ(count, kLinks);
    // A referenced style change acts on the reference's frame.
    Preview pv; pv.FontBold(false);  // "El 1" of page 1's inside: a style change to regular
    pv.AddPage(); pv.AddTextAt("bold", 0, 100, prALLeft, prASNone); pv.AddReference("Page 1", "inside", "El 1");
    pv.AddTextAt("regular", 0, 400, prALLeft, prASNone);
    EXPECT_EQ(joinedOnly(pageCalls(pv, "Page 2"), {"FontBold", "Print"}),
              "FontBold 1 | Print bold | FontBold 0 | Print regular");
}

// The style of the watermark's first line on the current page.
cStyle watermarkStyle(Preview& pv) {
    auto frame = pv.document().currentPage()->Frames().Item("watermark");
    return std::dynamic_pointer_cast<cChangeStyle>(frame->Elements().Item(1))->Style();
}

TEST(Watermark, AFrameUnderEverythingTurnedToTheDiagonalLeavesThePositionAloneAndJoinsASecondOne) {
    Preview pv;
    pv.AddTextAt("over it", 2000, 2000); pv.CurrentX(12); pv.CurrentY(34); pv.Watermark("CONFIDENTIAL");
    EXPECT_EQ(outline(pv), kBare + "watermark[style, CONFIDENTIAL@193,14457] inside[over it@2000,2000] WholePage[]");
    auto frame = pv.document().currentPage()->Frames().Item("watermark");  // the whole sheet
    EXPECT_EQ(joined(frame->FrameType, frame->xPos, frame->yPos, frame->Width, frame->Height), "4|0|0|11910|16838|");
    // Light grey E5E5E5 in the current font, neither bold nor italic, and not underlined
    // though the new document's running style is.
    const cStyle style = watermarkStyle(pv);
    EXPECT_EQ(joined(style.FontName, style.ForeColor, style.Bold, style.Italic, style.Underline, style.Strikethru,
                     pv.FontUnderline(), pv.CurrentPage(), pv.CurrentFrame(), at(pv)),
              "Arial|15066597|0|0|0|0|1|Page 1|inside|12|34||");
    EXPECT_EQ(joinedOnly(pageCalls(pv), {"RotatedText", "Print"}),
              "Print  | RotatedText 13 964 CONFIDENTIAL font=Arial height=-150 escapement=550 color=15066597 | "
              "Print over it");

    Preview given; given.Watermark("DRAFT", 0x0000FF, "Times New Roman", true, true);
    const cStyle font = watermarkStyle(given);
    EXPECT_EQ(joined(font.FontName, font.ForeColor, font.Bold, font.Italic), "Times New Roman|255|1|1|");
    // A second call joins the first on that page only; an empty one adds nothing.
    Preview twice; twice.Watermark("ONE"); twice.Watermark("TWO"); twice.AddPage(); twice.Watermark("");
    const std::string page1 = kBare + "watermark[style, ONE@0,11549, style, TWO@0,11775] inside[] WholePage[] / " +
                              "Page 2 (0,0,0,0 h0 f0 top0): ";
    EXPECT_EQ(outline(twice), page1 + "inside[] WholePage[]");
    twice.Watermark("THREE");
    EXPECT_EQ(outline(twice), page1 + "watermark[style, THREE@0,12867] inside[] WholePage[]");
    // It turns to the diagonal: atan(height / width), rounded.
    struct Row { const char* name; std::int32_t paper; bool landscape; std::int32_t degrees; };
    forEachRow<Row>({{"A4 portrait: atan(16838 / 11910) = 54.7", prPSA4, false, 55},
                     {"A4 landscape: 35.3", prPSA4, true, 35},
                     {"Letter: atan(15840 / 12240) = 52.3", prPSLetter, false, 52},
                     {"Legal: atan(20160 / 12240) = 58.7", prPSLegal, false, 59},
                     {"square", prPSUserDefine, false, 45}},
                    [](const Row& r) {
                        Preview pv; pv.PageWidth(10000); pv.PageHeight(10000); pv.PageSize(r.paper);
                        if (r.landscape) pv.Orientation(prORLandscape);
                        pv.Watermark("CONFIDENTIAL");
                        EXPECT_EQ(watermarkStyle(pv).TextRotation, r.degrees);
                    });
    // The line spans four fifths of the diagonal, centred; a short one is bounded by the sheet first.
    Preview wide, narrow;
    wide.Watermark("FOR INTERNAL USE ONLY - DO NOT DISTRIBUTE"), narrow.Watermark("X");
    EXPECT_EQ(joinedOnly(pageCalls(wide), {"RotatedText"}) + " / " + joinedOnly(pageCalls(narrow), {"RotatedText"}),
              "RotatedText 60 997 FOR INTERNAL USE ONLY - DO NOT DISTRIBUTE font=Arial height=-46 escapement=550 "
              "color=15066597 / RotatedText 0 532 X font=Arial height=-612 escapement=550 color=15066597");
    // One letter on the largest sheet stops at the largest font size, so the document saves and loads.
    Preview huge; huge.PageSize(prPSUserDefine); huge.PageWidth(288000); huge.PageHeight(288000); huge.Watermark("X");
    EXPECT_EQ(watermarkStyle(huge).FontSize, limits::kFontSizeTwentieths);
}

}  // namespace
}  // namespace kalder
