// The document tree and the builder operations of Preview on it: pages, bands, frames, the
// paper-size table, the page, frame and element collections, generated element keys, the
// element factory, the current page, frame and position, and document information. Pages are
// compared as one text (support pageText), so every field of their geometry is pinned at once;
// the expected texts of the row tables are in golden/PageStates.txt.
#include "kalder/Preview.h"

#include <gmock/gmock.h>

#include <climits>

#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "kalder/Enums.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"

namespace kalder {
namespace {

using namespace test;
using ::testing::ElementsAre;

const Variant kNone = Variant::missing();
const std::string kDuplicate = kDuplicateKeyText;

// A row changes page one of a new document (or a new Preview); the text it leaves is golden.
template <class Target>
struct ChangeRow { const char* name; std::function<void(Target&)> change; };

template <class Target, class Text>
void checkRows(std::initializer_list<ChangeRow<Target>> rows, Text text) {
    forEachRow<ChangeRow<Target>>(rows, [&](const auto& r) {
        EXPECT_EQ(text(r.change), golden(KALDER_TEST_DATA "/golden/PageStates.txt", r.name));
    });
}

// Its page is the "NewDocument" row of the builder table below; the standard styles' values
// are pinned by the saved new document in XmlFormatTest.
TEST(NewDocument, HoldsPageOneWithInsideAndWholePageAndCopiesOfHeading5) {
    Preview pv;
    cDocument& doc = pv.document();
    EXPECT_EQ(doc.currentFrame(), doc.pages().Item(1)->Frames().Item("inside"));
    EXPECT_EQ(doc.currentFrame()->CurrentStyle, *doc.NamedStyles.find("Heading5"));
    doc.Style.FontName = "Courier New";  // copies, not shared
    EXPECT_EQ(doc.pages().Item(1)->Style.FontName + doc.NamedStyles.find("Heading5")->FontName, "ArialArial");
}

struct PaperRow { const char* name; std::int32_t paperSize, orientation, userWidth, userHeight, width, height; };

TEST(PaperSizes, GiveTheSheetSizeByPaperSizeAndOrientation) {
    // A4 twice over: 11907 x 16840 under 0 and as the user fallback, 11910 x 16838 under 9.
    const int P = prORPortrait, L = prORLandscape, U = prPSUserDefine;
    forEachRow<PaperRow>(
        {{"Zero", 0, P, 0, 0, 11907, 16840}, {"Letter", prPSLetter, P, 0, 0, 12240, 15840},
         {"Tabloid", prPSTabloid, P, 0, 0, 15840, 24480}, {"Legal", prPSLegal, P, 0, 0, 12240, 20160},
         {"A3", prPSA3, P, 0, 0, 16838, 23811}, {"A4", prPSA4, P, 0, 0, 11910, 16838},
         {"A4Small", prPSA4Small, P, 0, 0, 11910, 16838}, {"A5", prPSA5, P, 0, 0, 8391, 11910},
         {"Quarto", prPSQuarto, P, 0, 0, 12189, 15591}, {"Note", prPSNote, P, 0, 0, 12240, 15840},
         {"ESheet", prPSESheet, P, 0, 0, 48960, 63360}, {"EnvelopeDL", prPSEnvDL, P, 0, 0, 6236, 12472},
         {"EnvelopePersonal", prPSEnvPersonal, P, 0, 0, 5292, 9360},
         {"FanfoldLegalGerman", prPSFanfoldLglGerman, P, 0, 0, 12240, 18720},
         // Only the width decides whether a user size is there.
         {"UserWithoutSize", U, P, 0, 0, 11907, 16840}, {"UserWithHeightOnly", U, P, 0, 5000, 11907, 16840},
         {"UserWithWidthOnly", U, P, 10000, 0, 10000, 0}, {"UserWithSize", U, P, 10000, 5000, 10000, 5000},
         {"UserSizeIgnoredForA4", prPSA4, P, 10000, 5000, 11910, 16838},
         {"BelowRange", -1, P, 0, 0, 0, 0}, {"AboveRange", 43, P, 10000, 5000, 0, 0},
         {"LandscapeLetter", prPSLetter, L, 0, 0, 15840, 12240}, {"LandscapeA4", prPSA4, L, 0, 0, 16838, 11910},
         {"LandscapeUser", U, L, 10000, 5000, 5000, 10000}},
        [](const PaperRow& r) {
            cPage page; page.Style.Orientation = r.orientation; page.PageWidth(r.userWidth);
            page.PageHeight(r.userHeight); page.PageSize(r.paperSize);
            // The inside rectangle follows the sheet.
            EXPECT_THAT((std::vector{page.PageWidth(), page.PageHeight(), page.PageInsideRight, page.PageInsideBottom}),
                        ElementsAre(r.width, r.height, r.width, r.height));
        });
}

// SetInside with margins 100 200 300 400 first, then margins and header depth whose sums may
// leave the 32-bit range: such a field keeps its value, and the fields after it are computed.
void setInsideTwice(cPage& p, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                    std::int32_t header) {
    p.PageMarginLeft = 100; p.PageMarginTop = 200; p.PageMarginRight = 300; p.PageMarginBottom = 400; p.SetInside();
    p.PageMarginLeft = left; p.PageMarginTop = top; p.PageMarginRight = right; p.PageMarginBottom = bottom;
    p.PageHeaderSize = header; p.SetInside();
}

TEST(Pages, BandsMarginsAndSheetGiveTheFramesTheirPlaces) {
    const int kMax = INT32_MAX, kMin = INT32_MIN;
    checkRows<cPage>({
        {"SetHeaderMakesTheBandOnceAndMovesIt",
         [](cPage& p) {
             p.PageHeaderSize = 720; p.SetHeader(); p.PageMarginTop = 1440; p.PageMarginLeft = 100; p.SetHeader();
         }},
        {"BandsWithoutDepthMakeNothing", [](cPage& p) { p.SetFooter(); p.SetHeader(); }},
        // A cleared page given frames by name: "inside", "header" and "footer" are placed as
        // the standard frames of those names, whatever type they were made with.
        {"SetInsidePlacesTheStandardFramesByTheirKeys",
         [](cPage& p) {
             p.Clear();
             for (const char* name : {"inside", "Header", "footer", "box"}) {
                 auto f = p.AddFrame(name);
                 f->xPos = f->yPos = 1; f->Width = f->Height = 2;
             }
             p.PageMarginLeft = 1440; p.PageMarginTop = p.PageMarginBottom = 720; p.PageHeaderSize = 360;
             p.PageFooterSize = 540; p.SetInside();
         }},
        // SetInside turns the inside, not WholePage, and gives every frame the page's orientation.
        {"SetInsideTurnsWithThePage",
         [](cPage& p) {
             p.AddFrame("box"); p.Style.Orientation = prORLandscape; p.SetInside();
             for (const auto& f : p.Frames()) f->Width += f->Style.Orientation;  // 2 on each
         }},
        {"OverflowTopPlusHeader", [&](cPage& p) { setInsideTwice(p, 100, kMax - 10, 300, 500, 11); }},
        {"OverflowTopPlusHeaderJustFits", [&](cPage& p) { setInsideTwice(p, 100, kMax - 10, 300, 400, 10); }},
        {"OverflowWidthMinusRight", [&](cPage& p) { setInsideTwice(p, 100, 200, kMin + 5, 500, 0); }},
        {"OverflowHeightMinusBottomMinusFooter", [&](cPage& p) { setInsideTwice(p, 50, 200, 300, kMin + 5, 0); }},
        // The inside rectangle itself fits; only the frame's width would not.
        {"OverflowInsideFrameWidth", [&](cPage& p) { setInsideTwice(p, kMin + 5, 200, 300, 400, 0); }},
    }, onPageOne);
}

TEST(Frames, StandardTypesOnceEachUnderlayFirstOthersRepeatLastNamesUnique) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    cFrames& frames = page->Frames();
    page->Style.FontName = "Courier New";
    auto box = page->AddFrame("box");  // a caller's frame: type 0 with a copy of the page style
    EXPECT_TRUE(box->Style == page->Style && box->CurrentStyle == page->Style && !page->AddFrame("BOX"));
    std::string added;  // 1 for each frame added
    for (const auto& [name, type] : std::initializer_list<std::pair<const char*, std::int32_t>>{
             {"another", kFrameWholePage}, {"another", kFrameInside}, {"top", kFrameHeader}, {"bottom", kFrameFooter},
             {"top2", kFrameHeader}, {"bottom2", kFrameFooter}, {"under", kFrameUnderlay}, {"under2", kFrameUnderlay},
             {"t1", 5}, {"t2", 5}, {"t3", -1}, {"t4", 99}})
        added += frames.Add(name, type) ? "1" : "0";
    EXPECT_EQ(added, "001100101111");
    EXPECT_THAT(errorOf([&] { frames.Add("INSIDE", 9); }), IsError(457, "FastCollection.Add", kDuplicate));
    auto frame = std::make_shared<cFrame>();
    EXPECT_FALSE(frames.AddFrame(frame, "wholepage"));  // reports nothing
    EXPECT_EQ(frame->Key, "");
    EXPECT_EQ(framesText(*page), "under 4 (0, 0) 0 x 0\ninside 1 (0, 0) 11910 x 16838\n"
                                 "WholePage 0 (0, 0) 11910 x 16838\nbox 0 (0, 0) 0 x 0\n"
                                 "top 2 (0, 0) 0 x 0\nbottom 3 (0, 0) 0 x 0\nt1 5 (0, 0) 0 x 0\n"
                                 "t2 5 (0, 0) 0 x 0\nt3 -1 (0, 0) 0 x 0\nt4 99 (0, 0) 0 x 0");
    EXPECT_EQ(frames.IndexOf("box"), 4);  // the frames after the underlay keep their positions by key
    EXPECT_TRUE(frames.AddFrame(frame, "Box2"));
    EXPECT_EQ(frame->Key, "Box2");
    auto inside = frames.Item("inside");  // Clear empties every frame, then removes them
    inside->AddChangeStyle(doc.Style); page->Clear();
    EXPECT_EQ(frames.Count() + inside->Elements().Count(), 0);
    cFrames alone;  // type 4 in an empty collection
    ASSERT_TRUE(alone.Add("under", kFrameUnderlay) && alone.Add("next", 7));
    EXPECT_EQ(alone.Item(1)->Key + " " + alone.Item(2)->Key, "under next");
}

TEST(Frames, CopyCopiesEverythingAndTheElementsAsNewObjects) {
    cFrame f;
    f.Key = "Box"; f.xPos = 1; f.yPos = 2; f.Width = 3; f.Height = 4; f.Border = {2, 15, 255}; f.ShowBorder = true;
    f.Rotation = 900; f.FrameType = 7; f.Style.FontName = "Courier New"; f.CurrentStyle.FontName = "Times New Roman";
    f.AddChangeStyle(f.Style); f.Elements().Add("bare", ekLine);
    auto c = f.Copy();
    EXPECT_EQ(frameText(*c) + " " + std::to_string(c->Rotation), "Box 7 (1, 2) 3 x 4 border 2 15 255 [El 1 bare] 900");
    EXPECT_TRUE(c->Style == f.Style && c->CurrentStyle == f.CurrentStyle);
    EXPECT_TRUE(c->Elements().Item(1) != f.Elements().Item(1) && c->Elements().Item(2) != f.Elements().Item(2));
    EXPECT_EQ(c->Elements().Item(2)->ElementType(), ekLine);
    EXPECT_EQ(std::dynamic_pointer_cast<cChangeStyle>(c->Elements().Item(1))->Style().FontName, "Courier New");
    EXPECT_EQ(f.Copy(false)->Elements().Count(), 0);
}

TEST(Elements, KeysComeFromTheCountSoARemovedOneCanCollide) {
    cFrame frame;
    for (int i = 0; i < 3; ++i) frame.AddChangeStyle(cStyle{});
    EXPECT_EQ(frameText(frame), " 0 (0, 0) 0 x 0 [El 1 El 2 El 3]");
    frame.Clear();
    EXPECT_EQ(frame.AddChangeStyle(cStyle{}), "El 1");
    frame.AddChangeStyle(cStyle{});
    frame.Elements().Remove(1);  // the next key is "El 2" again
    EXPECT_THAT(errorOf([&] { frame.AddChangeStyle(cStyle{}); }), IsError(457, "FastCollection.Add", kDuplicate));
    EXPECT_EQ(frameText(frame), " 0 (0, 0) 0 x 0 [El 2]");
    cElements elements;
    auto first = elements.Add("El 1", ekLine);
    EXPECT_THAT(errorOf([&] { elements.Add("el 1", ekArrow); }), IsError(457, "FastCollection.Add", kDuplicate));
    auto other = std::make_shared<cElement>(ekSymbol);
    EXPECT_THAT(errorOf([&] { elements.AddElement(other, "EL 1"); }), IsError(457, "FastCollection.Add", kDuplicate));
    EXPECT_EQ(other->Key() + std::to_string(elements.Count()), "1");
    EXPECT_EQ(elements.Item("el 1"), first);
    EXPECT_EQ(first->ElementType() * 10 + cElement().ElementType(), ekLine * 10 - 1);  // a bare element: its type
}

TEST(Elements, TheFactoryMakesKindsOneToFifteenOnly) {
    const ElementFactory& factory = ElementFactory::instance();
    for (std::int32_t kind : {0, 16, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_THAT(errorOf([&] { factory.create(kind); }), IsError(-69, "Kalder", "Unknown element")) << kind;
        EXPECT_FALSE(factory.has(kind)) << kind;
    }
    for (std::int32_t kind = 1; kind <= 15; ++kind) {
        ElementPtr e = factory.create(kind);
        EXPECT_EQ(std::to_string(e->ElementType()) + "/" + e->Key() + "/" + std::to_string(e->Copy()->ElementType()),
                  std::to_string(kind) + "//" + std::to_string(kind));
    }
    EXPECT_TRUE(factory.has(ekChangeStyle) && std::dynamic_pointer_cast<cChangeStyle>(factory.create(ekChangeStyle)));
}

// Preview's builder: each row builds, then answers where the builder stands and every page.
TEST(Builder, PagesFramesAndThePositionEndWhereExpected) {
    checkRows<Preview>({
        {"NewDocument", [](Preview&) {}},
        {"AddFirstPageReplacesTheOnlyPage",
         [](Preview& pv) {
             pv.FontBold(false);  // an element in the old page's inside frame
             pv.CurrentX(50); pv.AddFirstPage("1 in", "0.5 in", "10 mm", "1 cm", "0.25 in", "12 pt", prPSLetter);
         }},
        {"AddFirstPageOnADocumentWithoutPages",
         [](Preview& pv) { pv.AddPage(); pv.AddPage(); pv.DeletePage(1, 3); pv.AddFirstPage(); }},
        // Reading the current page with none set adds one, once.
        {"AddFirstPageFailsOnceThereAreTwoPages",
         [](Preview& pv) {
             EXPECT_EQ(pv.AddFirstPage(), "Page 1");
             EXPECT_EQ(pv.AddPage(), "Page 2");
             pv.CurrentPage("Page 1");
             EXPECT_THAT(errorOf([&] { pv.AddFirstPage("1 in"); }), IsError(897, "AddFirstPage", "More than one page"));
             pv.document().CurrentPage("");
             pv.CurrentPage();
             EXPECT_EQ(pv.CurrentPage(), "Page 3");
         }},
        {"AddPageWithoutArgumentsTakesTheDocumentPageSize",
         [](Preview& pv) { pv.document().Style.PageSize = prPSLegal; pv.CurrentX(10); pv.CurrentY(20); pv.AddPage(); }},
        {"AddPageSizeZeroOrNoneTakesTheDocumentStyles",
         [](Preview& pv) {
             pv.document().Style.PageSize = prPSA5;
             for (const Variant& size : {kNone, Variant(0), Variant(prPSLetter), Variant("5"), Variant("big")})
                 pv.AddPage(kNone, kNone, kNone, kNone, kNone, kNone, size);  // "big": a skipped step
         }},
        // Page numbers and their type follow the page before; the page style is a copy.
        {"DocumentAddPageNumbersFollowThePreviousPage",
         [](Preview& pv) {
             cDocument& doc = pv.document();
             for (int i = 2; i <= 5; ++i) doc.AddPage("Page " + std::to_string(i), true, 0, 0, 0, 0, 0, 0, prPSA4);
             doc.pages().Item(5)->PageNoType = prPTRoman; doc.pages().Item(5)->LogicalPageNo = 20;
             doc.Style.FontName = "Courier New"; doc.Style.Orientation = prORLandscape;
             auto next = doc.AddPage("Page 6", true, 0, 0, 0, 0, 0, 0, prPSA4);
             doc.Style.FontName = "Times New Roman";
             EXPECT_EQ(next->Style.FontName, "Courier New");
             auto page = std::make_shared<cPage>();
             EXPECT_THAT(errorOf([&] { doc.pages().AddPage(page, "PAGE 1"); }),
                         IsError(457, "FastCollection.Add", kDuplicate));
             EXPECT_EQ(page->Key, "");
         }},
        // Bad measures count as zero; measures round half to even.
        {"NewPageBadMeasuresAndHalfTwips",
         [](Preview& pv) {
             EXPECT_EQ(pv.NewPage("1 inch", "1 in", "abc in", "720"), "Page 2");
             pv.NewPage(2.5, 3.5, "0.01 in", "1.25 pt");
         }},
        {"NewPageInchMarginsWithHalfInchBands",
         [](Preview& pv) { pv.NewPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in"); }},
        // After DeletePage the computed key can be one a remaining page has: nothing is added.
        {"DeletePageThenAddPageFindsItsKeyTaken",
         [](Preview& pv) {
             for (int i = 0; i < 3; ++i) pv.AddPage();
             pv.DeletePage(2); pv.CurrentPage("Page 1"); pv.CurrentFrame("WholePage"); pv.CurrentX(99);
             pv.AddPage("1 in");
         }},
        // The next page number follows the last remaining page; 7 is beyond the last page.
        {"DeletePageRanges",
         [](Preview& pv) {
             for (int i = 0; i < 5; ++i) pv.AddPage();
             pv.DeletePage(2, 4); pv.DeletePage(7); pv.DeletePage(3); pv.AddPage();
         }},
        // Attribute and frame sets then find no frame to change, and the document style stays too.
        {"ClearPageLeavesPagesWithoutFramesSoAttributeSetsFindNoFrame",
         [](Preview& pv) {
             for (int i = 0; i < 4; ++i) pv.AddPage();
             pv.CurrentPage("Page 1"); pv.ClearPage(1, 2); pv.ClearPage(4);
             const cStyle documentStyle = pv.document().Style;
             pv.FontName("Courier New"); pv.FontSize(30); pv.FontBold(false); pv.LeadingVal(3); pv.ShowBorder(true);
             pv.FrameLeft("1 in"); pv.CurrentPage("Page 1");  // choosing the page again finds no first frame
             EXPECT_EQ(pv.document().Style, documentStyle);
             EXPECT_EQ(pv.CurrentFrame() + std::to_string(pv.FrameLeft() + pv.ShowBorder()), "0");
         }},
        {"ReadingCurrentPageWithNoneCreatesOne",
         [](Preview& pv) {
             pv.document().Style.PageSize = prPSLetter; pv.document().CurrentPage(""); pv.CurrentPage();
         }},
        // Each page measure in whole twips; a measure that does not convert keeps the old value.
        {"PageMeasuresAndBadMeasures",
         [](Preview& pv) {
             const std::vector<std::function<void(const Variant&)>> sets = {
                 [&](const Variant& v) { pv.PageMarginLeft(v); }, [&](const Variant& v) { pv.PageMarginRight(v); },
                 [&](const Variant& v) { pv.PageMarginTop(v); }, [&](const Variant& v) { pv.PageMarginBottom(v); },
                 [&](const Variant& v) { pv.PageHeaderSize(v); }, [&](const Variant& v) { pv.PageFooterSize(v); }};
             int n = 0;
             for (const auto& set : sets) {
                 set(Variant(std::to_string(++n) + " cm"));
                 for (const char* bad : {"1 inch", "abc in", "1in", "", "9e40 in"}) set(Variant(bad));
             }
             EXPECT_THAT((std::vector{pv.PageMarginLeft(), pv.PageMarginRight(), pv.PageMarginTop(),
                                      pv.PageMarginBottom(), pv.PageHeaderSize(), pv.PageFooterSize()}),
                         ElementsAre(567, 1134, 1701, 2268, 2835, 3402));
         }},
        {"MarginsMoveTheInsideAndTheBands",
         [](Preview& pv) {
             pv.PageHeaderSize(360); pv.PageFooterSize(540); pv.PageMarginLeft("1 in"); pv.PageMarginRight("0.5 in");
             pv.PageMarginTop(100); pv.PageMarginBottom(200);
         }},
        // A band set above zero makes its frame once; back to zero the frame stays, without depth.
        {"BandsInTheOrderSet",
         [](Preview& pv) {
             pv.PageFooterSize("0.5 in"); pv.PageHeaderSize("0.25 in"); pv.PageHeaderSize("0.5 in");
             pv.PageHeaderSize(0);
         }},
        // Width and height write the user size that only the user paper size uses.
        {"UserSizeUnused", [](Preview& pv) { pv.PageWidth(10000); pv.PageHeight(5000); }},
        // With one page they set the document style too, which the next page takes; with more, the page only.
        {"PageSizeAndOrientationSetTheDocumentStyleOnlyOnAOnePageDocument",
         [](Preview& pv) {
             pv.PageSize(prPSLetter); pv.Orientation(prORLandscape); pv.AddPage();
             EXPECT_THAT((std::vector{pv.PageSize(), pv.Orientation(), pv.PageWidth(), pv.PageInsideBottom()}),
                         ElementsAre(prPSLetter, prORLandscape, 15840, 12240));
             pv.PageSize(prPSLegal); pv.Orientation(prORPortrait); pv.AddPage();
         }},
        {"AddPageTemplateKeepsAUserSizedLandscapeSheetAndTakesANamedSource",
         [](Preview& pv) {
             pv.PageWidth(10000); pv.PageHeight(5000); pv.PageSize(prPSUserDefine); pv.Orientation(prORLandscape);
             pv.AddPageTemplate(); pv.AddPage("1 in"); pv.AddPage("2 in");
             EXPECT_EQ(pv.AddPageTemplate("page 3"), "Page 5");
             EXPECT_EQ(pv.AddPageTemplate("Page 9"), "");
         }},
        // The inside frame is copied without its elements; page and frame styles are copies too.
        {"AddPageTemplateCopiesGeometryStyleAndFrames",
         [](Preview& pv) {
             pv.AddFirstPage("1 in", "1 in", "0.5 in", "0.5 in", "0.5 in", "0.25 in", prPSLetter);
             pv.Orientation(prORLandscape); pv.FontItalic(true);
             pv.AddFrame("Box", "1 in", "1 in", "2 in", "1 in"); pv.ShowBorder(true); pv.FontName("Courier New");
             pv.FontBold(false); pv.CurrentFrame("header"); pv.FontSize(9); pv.CurrentPage("Page 1");
             EXPECT_EQ(pv.AddPageTemplate(), "Page 2");
             auto source = pageOf(pv, "Page 1"), page = pageOf(pv, "Page 2");
             EXPECT_EQ(page->Style, source->Style);
             for (const auto& original : source->Frames()) {
                 auto copy = page->Frames().Item(original->Key);
                 EXPECT_TRUE(copy != original && copy->Style == original->Style) << original->Key;
             }
         }},
        {"AddFrameMakesItCurrent",
         [](Preview& pv) { pv.CurrentX(5); pv.AddFrame("Box", "1 in", "2 in", "3 in", "10 mm"); }},
        // A used name adds nothing and keeps the current frame; a bad measure leaves its side at zero.
        {"AddFrameUsedNameAndBadMeasure",
         [](Preview& pv) {
             pv.AddFrame("Box", 1, 2, 3, 4); pv.CurrentFrame("inside"); pv.CurrentY(7);
             pv.AddFrame("BOX", 10, 20, 30, 40); pv.AddFrame("Odd", "1 inch", "1 in", "abc in", 100);
             pv.CurrentFrame("inside"); pv.document().CurrentPage("Nowhere"); pv.AddFrame("Late", 1, 2, 3, 4);
             pv.CurrentPage("Page 1");
         }},
        {"FramePropertiesAndABadMeasureKeepsTheOldValue",
         [](Preview& pv) {
             pv.AddFrame("Box", 0, 0, 0, 0); pv.FrameLeft("1 in"); pv.FrameTop("0.5 in"); pv.FrameWidth("2 cm");
             pv.FrameHeight(300); pv.FrameLeft("3 furlongs"); pv.FrameWidth("x in"); pv.ShowBorder(true);
             pv.BorderColor(0x0000FF);
             pv.CurrentX(-1440); pv.CurrentY(123456);  // the position is kept without conversion
         }},
        // "Header" finds the header frame; an unknown frame or page key changes only the position.
        {"CurrentFrameWhateverTheCaseAndUnknownKeys",
         [](Preview& pv) {
             pv.PageHeaderSize("0.5 in"); pv.AddPage(); pv.CurrentPage("Page 1"); pv.CurrentX(3);
             pv.CurrentFrame("Header"); pv.CurrentY(4); pv.CurrentFrame("footer"); pv.CurrentX(3);
             pv.CurrentPage("Page 7");
         }},
        {"CurrentPageSelectsThePageAndItsFirstFrame",
         [](Preview& pv) {
             pv.AddPage(); pv.document().pages().Item(1)->Frames().Add("under", 4); pv.CurrentX(3);
             pv.CurrentPage("page 1");
         }},
        {"ClearFrameKeysStartAgain",
         [](Preview& pv) { pv.FontBold(false); pv.FontBold(true); pv.ClearFrame(); pv.FontItalic(true); }},
    }, onPreview);
}

TEST(Builder, EqualAttributeChangesOnTwoPagesShareOneStyle) {
    Preview pv;
    pv.FontBold(false); pv.AddPage(); pv.FontBold(false);
    auto changeOn = [&](const std::string& page) {
        return std::dynamic_pointer_cast<cChangeStyle>(pageOf(pv, page)->Frames().Item("inside")->Elements().Item(1));
    };
    EXPECT_TRUE(&changeOn("Page 1")->Style() == &changeOn("Page 2")->Style() && !changeOn("Page 2")->Style().Bold);
}

TEST(DocInfo, SettingAgainMovesToTheEndAndGetAnswersTheFirst) {
    Preview pv, fresh;
    EXPECT_EQ(pv.DocInfoGet("Author") + "|" + pv.DocInfoGet("creationdate"), "not found|not found");  // exact names
    pv.DocInfoSet("Author", "Ann"); pv.DocInfoSet("Title", "Report"); pv.DocInfoSet("author", "lower");
    pv.DocInfoSet("Author", "Bob");
    std::string items;
    for (const auto& [name, value] : pv.document().DocInfo)
        items += name + "=" + (name == "CreationDate" ? "" : value) + ";";
    EXPECT_EQ(items, "CreationDate=;Title=Report;author=lower;Author=Bob;");
    pv.document().DocInfo.emplace_back("Title", "two");
    EXPECT_EQ(pv.DocInfoGet("Title"), "Report");
    pv.AddStyle("Big", "Arial", 24); pv.AddPage(); pv.CurrentX(7);
    pv.KillDoc();  // KillDoc starts a new document
    EXPECT_EQ(state(pv) + pv.GetAllStyles() + pv.DocInfoGet("Author"),
              state(fresh) + fresh.GetAllStyles() + "not found");
}

}  // namespace
}  // namespace kalder

namespace kalder {
namespace {

// The largest page side is 200 inches; one twip more is refused and leaves the page as it was.
TEST(PageSides, BeyondTheLargestPageAreRefused) {
    Preview pv;
    pv.AddPage();
    pv.PageWidth(288000), pv.PageHeight(-288000);
    EXPECT_THAT(errorOf([&] { pv.PageWidth(288001); }),
                IsError(5, "PageWidth", "PageWidth 288001 is beyond the largest page side, 288000 twips (200 inches)"));
    EXPECT_TRUE(errorOf([&] { pv.PageHeight(10000000); }));
    EXPECT_EQ(pv.document().currentPage()->UserWidth(), 288000);
}

}  // namespace
}  // namespace kalder
