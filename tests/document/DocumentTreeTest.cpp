// The document tree and the builder operations of Preview on it: pages, bands, frames, the
// paper-size table, the page, frame and element collections, generated element keys, the
// element factory, the current page, frame and position, and document information. A page is
// compared as one text (support pageText), so every field of its geometry is pinned at once.
#include "kalder/Preview.h"

#include <gmock/gmock.h>

#include <climits>
#include <map>
#include <sstream>

#include "core/Locale.h"
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
const std::string kWhole = "\n  WholePage 0 (0, 0) 11910 x 16838";
// A page with only the inside and WholePage frames, both covering the sheet.
std::string plainPage(const std::string& key, int size, const std::string& no, int width, int height) {
    const std::string w = std::to_string(width), h = std::to_string(height), sheet = w + " x " + h;
    return key + ": size " + std::to_string(size) + " " + sheet + " no " + no +
           " margins 0 0 0 0 bands 0 0 inside 0 0 " + w + " " + h + "\n  inside 1 (0, 0) " + sheet +
           "\n  WholePage 0 (0, 0) " + sheet;
}
const std::string kNewPage = plainPage("Page 1", 9, "1/0", 11910, 16838);
const std::string kDuplicate = kDuplicateKeyText;

// The expected text of a page-building row, by row name, from golden/PageStates.txt.
std::string golden(const std::string& name) {
    static const std::map<std::string, std::string> texts = [] {
        std::map<std::string, std::string> m;
        std::istringstream in(readFile(KALDER_TEST_DATA "/golden/PageStates.txt"));
        std::string line, *text = nullptr;
        while (std::getline(in, line))
            if (line.rfind("== ", 0) == 0) text = &m[line.substr(3)];
            else if (text) *text += (text->empty() ? "" : "\n") + line;
        return m;
    }();
    auto it = texts.find(name);
    return it == texts.end() ? "no golden text" : it->second;
}

// A row changes page one of a new document (or a new Preview); the text it leaves is golden.
template <class Target>
struct ChangeRow { const char* name; std::function<void(Target&)> change; };

void checkPages(std::initializer_list<ChangeRow<cPage>> rows) {
    forEachRow<ChangeRow<cPage>>(rows, [](const auto& r) { EXPECT_EQ(onPageOne(r.change), golden(r.name)); });
}

void checkBuilds(std::initializer_list<ChangeRow<Preview>> rows) {
    forEachRow<ChangeRow<Preview>>(rows, [](const auto& r) { EXPECT_EQ(onPreview(r.change), golden(r.name)); });
}

// The standard styles' values are pinned by the saved new document in XmlFormatTest.
TEST(NewDocument, HoldsPageOneWithInsideAndWholePageAndCopiesOfHeading5) {
    Preview pv;
    cDocument& doc = pv.document();
    EXPECT_EQ(state(pv), "Page 1/inside 0,0\n" + kNewPage);
    EXPECT_EQ(doc.currentFrame(), doc.pages().Item(1)->Frames().Item("inside"));
    EXPECT_EQ(doc.currentFrame()->CurrentStyle, *doc.NamedStyles.find("Heading5"));
    EXPECT_EQ(pv.FontName() + " " + std::to_string(int(pv.FontSize() * 10)) + " " + std::to_string(pv.FontBold()) +
                  std::to_string(pv.FontUnderline()) + std::to_string(pv.FontItalic()),
              "Arial 110 110");
    doc.Style.FontName = "Courier New";  // copies, not shared
    EXPECT_EQ(doc.pages().Item(1)->Style.FontName + doc.NamedStyles.find("Heading5")->FontName, "ArialArial");
    // Keys are found without regard to case; the current-frame key is kept in lower case.
    EXPECT_EQ(doc.pages().Item("PAGE 1")->Frames().Item("wholepage")->Key, "WholePage");
    EXPECT_TRUE(doc.NamedStyles.find("HEADING1"));
    EXPECT_FALSE(doc.pages().Item("Page 2"));
    pv.CurrentFrame("WholePage");
    EXPECT_EQ(where(pv) + " " + doc.currentFrame()->Key, "Page 1/wholepage 0,0 WholePage");
    Preview other;  // two previews hold two documents
    pv.AddPage();
    EXPECT_EQ(other.TotalPages(), 1);
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

TEST(Pages, BandsMarginsAndSheetGiveTheFramesTheirPlaces) {
    checkPages({
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
    });
}

// SetInside: a field whose difference leaves the 32-bit range keeps its value, and the fields
// after it are still computed. Margins start at 100 200 300 400.
struct OverflowRow {
    const char* name;
    std::int32_t left, top, right, bottom, header;
    const char* expected;  // margins, bands, inside rectangle, inside frame
};

TEST(SetInside, AnOverflowingFieldKeepsItsValue) {
    const int kMax = INT32_MAX, kMin = INT32_MIN;
    forEachRow<OverflowRow>(
        {{"TopPlusHeader", 100, kMax - 10, 300, 500, 11,
          "margins 100 2147483637 300 500 bands 11 0 inside 100 200 11610 16338\n  inside 1 (100, 200) 11510 x 16138"},
         {"TopPlusHeaderJustFits", 100, kMax - 10, 300, 400, 10,
          "margins 100 2147483637 300 400 bands 10 0 inside 100 2147483647 11610 16438\n"
          "  inside 1 (100, 2147483647) 11510 x -2147467209"},
         {"WidthMinusRight", 100, 200, kMin + 5, 500, 0,
          "margins 100 200 -2147483643 500 bands 0 0 inside 100 200 11610 16338\n  inside 1 (100, 200) 11510 x 16138"},
         {"HeightMinusBottomMinusFooter", 50, 200, 300, kMin + 5, 0,
          "margins 50 200 300 -2147483643 bands 0 0 inside 50 200 11610 16438\n  inside 1 (50, 200) 11560 x 16238"},
         // The inside rectangle itself fits; only the frame's width would not.
         {"InsideFrameWidth", kMin + 5, 200, 300, 400, 0,
          "margins -2147483643 200 300 400 bands 0 0 inside -2147483643 200 11610 16438\n"
          "  inside 1 (-2147483643, 200) 11510 x 16238"}},
        [](const OverflowRow& r) {
            const std::string text = onPageOne([&](cPage& p) {
                p.PageMarginLeft = 100; p.PageMarginTop = 200; p.PageMarginRight = 300; p.PageMarginBottom = 400;
                p.SetInside(); p.PageMarginLeft = r.left; p.PageMarginTop = r.top; p.PageMarginRight = r.right;
                p.PageMarginBottom = r.bottom; p.PageHeaderSize = r.header; p.SetInside();
            });
            const auto from = text.find("margins");
            EXPECT_EQ(text.substr(from, text.find(kWhole) - from), r.expected);
        });
}

TEST(DocumentAddPage, NumbersFollowThePreviousPageTheStyleIsACopyAndAUsedKeyRaises457) {
    cDocument doc;
    for (int i = 2; i <= 5; ++i) doc.AddPage("Page " + std::to_string(i), true, 0, 0, 0, 0, 0, 0, prPSA4);
    doc.pages().Item(5)->PageNoType = prPTRoman;  // the number type follows the page before too
    doc.pages().Item(5)->LogicalPageNo = 20; doc.Style.FontName = "Courier New"; doc.Style.Orientation = prORLandscape;
    auto next = doc.AddPage("Page 6", true, 0, 0, 0, 0, 0, 0, prPSA4);
    std::string numbers;
    for (const auto& p : doc.pages()) numbers += std::to_string(p->LogicalPageNo) + " ";
    EXPECT_EQ(numbers, "1 2 3 4 20 21 ");
    EXPECT_EQ(pageText(*next), plainPage("Page 6", 9, "21/1", 16838, 11910));
    EXPECT_EQ(next->Style, doc.Style);
    doc.Style.FontName = "Times New Roman";
    EXPECT_EQ(next->Style.FontName, "Courier New");
    for (const char* key : {"Page 1", "page 1", "PAGE 1"})
        EXPECT_THAT(errorOf([&] { doc.AddPage(key, true, 1, 2, 3, 4, 5, 6, prPSLetter); }),
                    IsError(457, "FastCollection.Add", kDuplicate)) << key;
    auto page = std::make_shared<cPage>();
    EXPECT_THAT(errorOf([&] { doc.pages().AddPage(page, "Page 1"); }), IsError(457, "FastCollection.Add", kDuplicate));
    EXPECT_EQ(page->Key, "");
    EXPECT_EQ(pageText(*doc.pages().Item(1)), kNewPage);
    EXPECT_EQ(doc.PagesCount(), 6);
    // Without init no frame is made; the first page of an empty document is number one, arabic.
    doc.pages().Clear();
    EXPECT_EQ(pageText(*doc.AddPage("P", false, 1440, 720, 360, 180, 90, 45, prPSLetter)),
              "P: size 1 15840 x 12240 no 1/0 margins 1440 360 720 180 bands 90 45 inside 1440 450 15120 12015");
}

TEST(Frames, StandardTypesOnceEachUnderlayFirstOthersRepeatLastNamesUnique) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    cFrames& frames = page->Frames();
    EXPECT_FALSE(frames.Add("another", kFrameWholePage) || frames.Add("another", kFrameInside));
    EXPECT_TRUE(frames.Add("top", kFrameHeader) && frames.Add("bottom", kFrameFooter));
    EXPECT_FALSE(frames.Add("top2", kFrameHeader) || frames.Add("bottom2", kFrameFooter));
    page->Style.FontName = "Courier New";
    auto box = page->AddFrame("box");  // a caller's frame: type 0 with a copy of the page style
    EXPECT_TRUE(box->Style == page->Style && box->CurrentStyle == page->Style);
    EXPECT_FALSE(page->AddFrame("BOX"));
    EXPECT_TRUE(frames.Add("under", kFrameUnderlay));
    EXPECT_FALSE(frames.Add("under2", kFrameUnderlay));
    for (std::int32_t type : {5, 5, -1, 99}) EXPECT_TRUE(frames.Add("t" + std::to_string(frames.Count()), type));
    EXPECT_THAT(errorOf([&] { frames.Add("INSIDE", 9); }), IsError(457, "FastCollection.Add", kDuplicate));
    auto frame = std::make_shared<cFrame>();
    EXPECT_FALSE(frames.AddFrame(frame, "wholepage"));  // reports nothing
    EXPECT_EQ(frame->Key, "");
    EXPECT_EQ(framesText(*page), "under 4 (0, 0) 0 x 0\ninside 1 (0, 0) 11910 x 16838\n"
                                 "WholePage 0 (0, 0) 11910 x 16838\n"
                                 "top 2 (0, 0) 0 x 0\nbottom 3 (0, 0) 0 x 0\nbox 0 (0, 0) 0 x 0\nt6 5 (0, 0) 0 x 0\n"
                                 "t7 5 (0, 0) 0 x 0\nt8 -1 (0, 0) 0 x 0\nt9 99 (0, 0) 0 x 0");
    EXPECT_EQ(frames.IndexOf("box"), 6);  // the frames after the underlay keep their positions by key
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
    for (int i = 1; i <= 2; ++i) {
        EXPECT_NE(c->Elements().Item(i), f.Elements().Item(i));
        EXPECT_EQ(c->Elements().Item(i)->ElementType(), f.Elements().Item(i)->ElementType());
    }
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
    EXPECT_EQ(other->Key(), "");
    ASSERT_EQ(elements.Count(), 1);
    EXPECT_EQ(elements.Item("el 1"), first);
    EXPECT_EQ(first->ElementType(), ekLine);  // a bare element carries only its type
    EXPECT_EQ(cElement().ElementType(), -1);
    // A style change makes its style the frame's running style; its copy is its own.
    cStyle s;
    s.FontName = "Courier New"; cChangeStyle change(s); change.linkAfterLoad(frame);
    EXPECT_EQ(frame.CurrentStyle.FontName, "Courier New");
    auto copy = std::dynamic_pointer_cast<cChangeStyle>(change.Copy());
    change.Style(cStyle{});
    EXPECT_EQ(copy->Style().FontName, "Courier New");
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

// Preview's builder: each row builds, then answers where the builder stands and the current page.
TEST(Builder, PagesFramesAndThePositionEndWhereExpected) {
    checkBuilds({
        {"AddFirstPageReplacesTheOnlyPage",
         [](Preview& pv) {
             pv.FontBold(false);  // an element in the old page's inside frame
             pv.CurrentX(50); pv.AddFirstPage("1 in", "0.5 in", "10 mm", "1 cm", "0.25 in", "12 pt", prPSLetter);
         }},
        {"AddFirstPageOnADocumentWithoutPages", [](Preview& pv) { pv.DeletePage(1); pv.AddFirstPage(); }},
        {"AddPageWithoutArgumentsTakesTheDocumentPageSize",
         [](Preview& pv) { pv.document().Style.PageSize = prPSLegal; pv.CurrentX(10); pv.CurrentY(20); pv.AddPage(); }},
        {"NewPageInchMarginsWithHalfInchBands",
         [](Preview& pv) { pv.NewPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in"); }},
        // After DeletePage the computed key can be one a remaining page has: nothing is added.
        {"DeletePageThenAddPageFindsItsKeyTaken",
         [](Preview& pv) {
             for (int i = 0; i < 3; ++i) pv.AddPage();
             pv.DeletePage(2); pv.CurrentPage("Page 1"); pv.CurrentFrame("WholePage"); pv.CurrentX(99);
             pv.AddPage("1 in");
         }},
        {"ReadingCurrentPageWithNoneCreatesOne",
         [](Preview& pv) {
             pv.document().Style.PageSize = prPSLetter; pv.document().CurrentPage(""); pv.CurrentPage();
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
    });
}

TEST(Builder, AddFirstPageFailsOnceThereAreTwoPages) {
    Preview pv;
    EXPECT_EQ(pv.AddFirstPage(), "Page 1");
    EXPECT_EQ(pv.AddPage(), "Page 2");
    pv.CurrentPage("Page 1");
    EXPECT_THAT(errorOf([&] { pv.AddFirstPage("1 in"); }), IsError(897, "AddFirstPage", "More than one page"));
    EXPECT_EQ(state(pv), "Page 1/inside 0,0\n" + kNewPage);
    EXPECT_EQ(pv.TotalPages(), 2);
    pv.document().CurrentPage("");
    EXPECT_EQ(pv.CurrentPage(), "Page 3");  // read twice: the page is there now
    EXPECT_EQ(pv.CurrentPage() + std::to_string(pv.TotalPages()), "Page 33");
}

struct PageSizeRow { const char* name; Variant given; std::int32_t expected; };

TEST(Builder, AddPageSizeZeroOrNoneTakesTheDocumentStyles) {
    forEachRow<PageSizeRow>({{"Missing", kNone, prPSA5}, {"Zero", Variant(0), prPSA5},
                             {"Given", Variant(prPSLetter), prPSLetter}, {"GivenAsText", Variant("5"), prPSLegal},
                             {"NotANumber", Variant("big"), prPSA5}},  // a skipped step
                            [&](const PageSizeRow& r) {
                                Preview pv;
                                pv.document().Style.PageSize = prPSA5;
                                ASSERT_EQ(pv.AddPage(kNone, kNone, kNone, kNone, kNone, kNone, r.given), "Page 2");
                                EXPECT_EQ(pv.PageSize(), r.expected);
                            });
}

TEST(Builder, NewPageBadMeasuresCountAsZeroAndMeasuresRoundHalfToEven) {
    auto margins = [](Preview& pv) {
        return std::to_string(pv.PageMarginLeft()) + " " + std::to_string(pv.PageMarginRight()) + " " +
               std::to_string(pv.PageMarginTop()) + " " + std::to_string(pv.PageMarginBottom());
    };
    Preview pv;
    ASSERT_EQ(pv.NewPage("1 inch", "1 in", "abc in", "720"), "Page 2");
    EXPECT_EQ(margins(pv), "0 1440 0 720");
    pv.NewPage(2.5, 3.5, "0.01 in", "1.25 pt");
    EXPECT_EQ(margins(pv), "2 4 14 25");
}

TEST(Builder, DeletePageRangesAndTheNextNumberFollowsTheLastRemainingPage) {
    Preview pv;
    for (int i = 0; i < 5; ++i) pv.AddPage();
    pv.DeletePage(2, 4);
    pv.DeletePage(7);  // beyond the last page: nothing
    EXPECT_THAT(pageKeys(pv.document()), ElementsAre("Page 1", "Page 5", "Page 6"));
    pv.DeletePage(3);
    EXPECT_EQ(pv.AddPage(), "Page 3");
    EXPECT_EQ(pageOf(pv, "Page 5")->LogicalPageNo * 10 + pageOf(pv, "Page 3")->LogicalPageNo, 56);
    pv.DeletePage(1, 3);
    EXPECT_EQ(pv.TotalPages(), 0);
}

// Attribute and frame sets then find no frame to change, and the document style stays too.
TEST(Builder, ClearPageLeavesPagesWithoutFramesSoAttributeSetsFindNoFrame) {
    Preview pv;
    pv.AddPage(); pv.AddPage(); pv.AddPage(); pv.CurrentPage("Page 1"); pv.ClearPage(1, 2);
    const std::string page2 = plainPage("Page 2", 9, "2/0", 11910, 16838);
    EXPECT_EQ(pageText(pv, "Page 2"), page2.substr(0, page2.find('\n')));
    EXPECT_EQ(pageOf(pv, "Page 3")->Frames().Count(), 2);
    pv.ClearPage(3);  // one page
    EXPECT_EQ(pageOf(pv, "Page 3")->Frames().Count() * 10 + pageOf(pv, "Page 4")->Frames().Count(), 2);
    EXPECT_FALSE(pv.document().currentFrame());
    const cStyle documentStyle = pv.document().Style;
    pv.FontName("Courier New"); pv.FontSize(30); pv.FontBold(false); pv.LeadingVal(3); pv.ShowBorder(true);
    pv.FrameLeft("1 in");
    EXPECT_EQ(pv.document().Style, documentStyle);
    EXPECT_EQ(pageOf(pv, "Page 1")->Frames().Count() + pv.FrameLeft() + pv.ShowBorder(), 0);
    pv.CurrentPage("Page 1");  // choosing the page again finds no first frame
    EXPECT_EQ(pv.CurrentFrame(), "");
}

TEST(Builder, AddPageTemplateCopiesGeometryStyleAndFramesButNotTheInsideElements) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "0.5 in", "0.5 in", "0.5 in", "0.25 in", prPSLetter); pv.Orientation(prORLandscape);
    pv.FontItalic(true);  // inside: El 1
    pv.AddFrame("Box", "1 in", "1 in", "2 in", "1 in"); pv.ShowBorder(true); pv.FontName("Courier New");
    pv.FontBold(false);  // Box: El 1, El 2
    pv.CurrentFrame("header");
    pv.FontSize(9);  // header: El 1
    auto source = pageOf(pv, "Page 1");
    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.AddPageTemplate(), "Page 2");
    auto page = pageOf(pv, "Page 2");
    EXPECT_EQ(state(pv),
              "Page 2/inside 0,0\n"
              "Page 2: size 1 15840 x 12240 no 2/0 margins 1440 720 1440 720 bands 720 360 "
              "inside 1440 1440 14400 11160\n"
              "  inside 1 (1440, 1440) 12960 x 9720\n  WholePage 0 (0, 0) 15840 x 12240\n"
              "  header 2 (1440, 720) 12960 x 720 [El 1]\n  footer 3 (1440, 11160) 12960 x 360\n"
              "  Box 0 (1440, 1440) 2880 x 1440 border 0 0 0 [El 1 El 2]");
    EXPECT_EQ(frameText(*source->Frames().Item("inside")), "inside 1 (1440, 1440) 12960 x 9720 [El 1]");
    EXPECT_EQ(page->Style, source->Style);
    for (const auto& original : source->Frames()) {
        EXPECT_NE(page->Frames().Item(original->Key), original);
        EXPECT_EQ(page->Frames().Item(original->Key)->Style, original->Style) << original->Key;
    }
    auto box = page->Frames().Item("Box");  // the elements are new objects
    EXPECT_NE(box->Elements().Item(1), source->Frames().Item("Box")->Elements().Item(1));
    EXPECT_EQ(std::dynamic_pointer_cast<cChangeStyle>(box->Elements().Item(2))->Style().FontName, "Courier New");
}

TEST(Builder, AddPageTemplateKeepsAUserSizedLandscapeSheetAndTakesANamedSource) {
    Preview pv;
    pv.PageWidth(10000); pv.PageHeight(5000); pv.PageSize(prPSUserDefine); pv.Orientation(prORLandscape);
    ASSERT_EQ(pv.AddPageTemplate(), "Page 2");
    EXPECT_EQ(pageText(pv, "Page 2"), plainPage("Page 2", 42, "2/0", 5000, 10000));
    EXPECT_EQ(pv.PageSize() * 10 + pv.Orientation(), prPSUserDefine * 10 + prORLandscape);
    pv.AddPage("1 in"); pv.AddPage("2 in");
    ASSERT_EQ(pv.AddPageTemplate("page 3"), "Page 5");
    EXPECT_EQ(pv.PageMarginLeft(), 1440);
    EXPECT_EQ(pv.AddPageTemplate("Page 9"), "");
    EXPECT_EQ(pv.TotalPages(), 5);
}

TEST(Builder, EqualAttributeChangesOnTwoPagesShareOneStyle) {
    Preview pv;
    pv.AddFirstPage(0, 0, 0, 0, kNone, kNone, prPSA4); pv.FontBold(true); pv.AddPage(); pv.FontBold(true);
    auto changeOn = [&](const std::string& page) {
        return std::dynamic_pointer_cast<cChangeStyle>(pageOf(pv, page)->Frames().Item("inside")->Elements().Item(1));
    };
    EXPECT_EQ(&changeOn("Page 1")->Style(), &changeOn("Page 2")->Style());
    EXPECT_TRUE(changeOn("Page 2")->Style().Bold);
}

struct MeasureRow {
    const char* name;
    std::function<void(Preview&, const Variant&)> set;
    std::function<std::int32_t(const Preview&)> get;
};
#define KALDER_MEASURE(Name) \
    {#Name, [](Preview& p, const Variant& v) { p.Name(v); }, [](const Preview& p) { return p.Name(); }}

TEST(Builder, PageMeasuresAreWholeTwipsAndABadMeasureKeepsTheOldValue) {
    forEachRow<MeasureRow>({KALDER_MEASURE(PageMarginLeft), KALDER_MEASURE(PageMarginRight),
                            KALDER_MEASURE(PageMarginTop), KALDER_MEASURE(PageMarginBottom),
                            KALDER_MEASURE(PageHeaderSize), KALDER_MEASURE(PageFooterSize)},
                           [&](const MeasureRow& r) {
                               Preview pv;
                               r.set(pv, Variant("1 in"));
                               ASSERT_EQ(r.get(pv), 1440);
                               const std::string page = state(pv);
                               for (const char* bad : {"1 inch", "abc in", "1in", "", "9e40 in"}) {
                                   r.set(pv, Variant(bad));
                                   EXPECT_EQ(state(pv), page) << bad;
                               }
                               r.set(pv, Variant(2.5));
                               EXPECT_EQ(r.get(pv), 2);
                           });
}

TEST(Builder, PageSizeAndOrientationSetTheDocumentStyleOnlyOnAOnePageDocument) {
    Preview pv;
    pv.PageSize(prPSLetter);
    EXPECT_EQ(pageText(pv, "Page 1"), plainPage("Page 1", 1, "1/0", 12240, 15840));
    pv.Orientation(prORLandscape);
    EXPECT_EQ(pageText(pv, "Page 1"), plainPage("Page 1", 1, "1/0", 15840, 12240));
    EXPECT_EQ(pv.document().Style.PageSize * 10 + pv.document().Style.Orientation, prPSLetter * 10 + prORLandscape);
    pv.AddPage();  // the next page takes them from the document style
    EXPECT_THAT((std::vector{pv.PageSize(), pv.Orientation(), pv.PageWidth()}), ElementsAre(1, 2, 15840));
    pv.PageSize(prPSLegal);  // with several pages only the current page changes
    pv.Orientation(prORPortrait);
    EXPECT_EQ(pv.document().Style.PageSize * 10 + pv.document().Style.Orientation, prPSLetter * 10 + prORLandscape);
    EXPECT_EQ(pageOf(pv, "Page 1")->PageSize() * 10 + pageOf(pv, "Page 1")->Style.Orientation,
              prPSLetter * 10 + prORLandscape);
    EXPECT_EQ(pv.PageInsideBottom(), 20160);
}

TEST(DocInfo, CreationDateIsTodaySettingAgainMovesToTheEndAndGetAnswersTheFirst) {
    const std::string before = shortDateToday();
    Preview pv;
    const std::string after = shortDateToday();
    const std::string date = pv.DocInfoGet("CreationDate");
    EXPECT_TRUE(!date.empty() && (date == before || date == after)) << date;
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
    EXPECT_EQ(state(pv), "Page 1/inside 0,0\n" + kNewPage);
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5");
    EXPECT_EQ(pv.DocInfoGet("Author"), "not found");
}

}  // namespace
}  // namespace kalder
