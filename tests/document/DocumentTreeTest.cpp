// The document tree and the builder operations of Preview on it: pages, bands, frames, the
// paper-size table, the page, frame and element collections, generated element keys, the
// element factory, the current page, frame and position, and document information. A page is
// compared as one text (support pageText), so every field of its geometry is pinned at once.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "core/Locale.h"
#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "support/DocumentTestSupport.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::checkTextRows;
using test::onPageOne;
using test::onPreview;
using test::pageOf;
using test::state;
using test::where;
using test::errorOf;
using test::framesText;
using test::frameText;
using test::IsError;
using test::kDuplicateKeyText;
using test::pageKeys;
using test::pageText;
using ::testing::ElementsAre;

const Variant kNone = Variant::missing();
const std::string kWhole = "\n  WholePage 0 (0, 0) 11910 x 16838";
const std::string kNewPage =
    "Page 1: size 9 11910 x 16838 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 11910 16838\n"
    "  inside 1 (0, 0) 11910 x 16838" + kWhole;

TEST(NewDocument, HoldsPageOneWithInsideAndWholePageAndCopiesOfHeading5) {
    Preview pv;
    cDocument& doc = pv.document();
    EXPECT_EQ(state(pv), "Page 1/inside 0,0\n" + kNewPage);
    EXPECT_EQ(doc.currentFrame(), doc.pages().Item(1)->Frames().Item("inside"));
    const cStyle heading5 = *doc.NamedStyles.find("Heading5");
    EXPECT_TRUE(doc.Style == heading5 && doc.pages().Item(1)->Style == heading5);
    for (const auto& f : doc.pages().Item(1)->Frames()) {
        EXPECT_EQ(f->Style, heading5) << f->Key;
        EXPECT_EQ(f->CurrentStyle, heading5) << f->Key;
    }
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
    EXPECT_EQ(where(pv), "Page 1/wholepage 0,0");
    EXPECT_EQ(doc.currentFrame()->Key, "WholePage");
    Preview other;  // two previews hold two documents
    pv.AddPage();
    EXPECT_EQ(other.TotalPages(), 1);
}

struct PaperRow {
    const char* name;
    std::int32_t paperSize, orientation, userWidth, userHeight, width, height;
};

TEST(PaperSizes, GiveTheSheetSizeByPaperSizeAndOrientation) {
    // A4 twice over: 11907 x 16840 under 0 and as the user fallback, 11910 x 16838 under 9.
    const int P = prORPortrait, L = prORLandscape, U = prPSUserDefine;
    test::forEachRow<PaperRow>(
        {{"Zero", 0, P, 0, 0, 11907, 16840},           {"Letter", prPSLetter, P, 0, 0, 12240, 15840},
         {"Tabloid", prPSTabloid, P, 0, 0, 15840, 24480}, {"Legal", prPSLegal, P, 0, 0, 12240, 20160},
         {"A3", prPSA3, P, 0, 0, 16838, 23811},          {"A4", prPSA4, P, 0, 0, 11910, 16838},
         {"A4Small", prPSA4Small, P, 0, 0, 11910, 16838}, {"A5", prPSA5, P, 0, 0, 8391, 11910},
         {"Quarto", prPSQuarto, P, 0, 0, 12189, 15591},   {"Note", prPSNote, P, 0, 0, 12240, 15840},
         {"ESheet", prPSESheet, P, 0, 0, 48960, 63360},   {"EnvelopeDL", prPSEnvDL, P, 0, 0, 6236, 12472},
         {"EnvelopePersonal", prPSEnvPersonal, P, 0, 0, 5292, 9360},
         {"FanfoldLegalGerman", prPSFanfoldLglGerman, P, 0, 0, 12240, 18720},
         // Only the width decides whether a user size is there.
         {"UserWithoutSize", U, P, 0, 0, 11907, 16840},   {"UserWithHeightOnly", U, P, 0, 5000, 11907, 16840},
         {"UserWithWidthOnly", U, P, 10000, 0, 10000, 0}, {"UserWithSize", U, P, 10000, 5000, 10000, 5000},
         {"UserSizeIgnoredForA4", prPSA4, P, 10000, 5000, 11910, 16838},
         {"BelowRange", -1, P, 0, 0, 0, 0},               {"AboveRange", 43, P, 10000, 5000, 0, 0},
         {"LandscapeLetter", prPSLetter, L, 0, 0, 15840, 12240}, {"LandscapeA4", prPSA4, L, 0, 0, 16838, 11910},
         {"LandscapeUser", U, L, 10000, 5000, 5000, 10000}},
        [](const PaperRow& r) {
            cPage page;
            page.Style.Orientation = r.orientation;
            page.PageWidth(r.userWidth);
            page.PageHeight(r.userHeight);
            page.PageSize(r.paperSize);
            EXPECT_EQ(page.PageWidth(), r.width);
            EXPECT_EQ(page.PageHeight(), r.height);
            EXPECT_EQ(page.PageInsideRight, r.width);  // the inside rectangle follows the sheet
            EXPECT_EQ(page.PageInsideBottom, r.height);
        });
}

std::string added(std::int32_t l, std::int32_t r, std::int32_t t, std::int32_t b, std::int32_t h, std::int32_t f,
                  bool init = true, std::int32_t size = prPSA4) {
    cDocument d;
    return pageText(*d.AddPage("P", init, l, r, t, b, h, f, size));
}

TEST(Pages, BandsMarginsAndSheetGiveTheFramesTheirPlaces) {
    checkTextRows({
        {"WithoutInitNoFrameIsMade", [] { return added(1440, 720, 360, 180, 90, 45, false, prPSLetter); },
         "P: size 1 12240 x 15840 no 2/0 margins 1440 360 720 180 bands 90 45 inside 1440 450 11520 15615"},
        {"SetHeaderMakesTheBandOnceAndMovesIt",
         [] { return onPageOne([](cPage& p) {
                 p.PageHeaderSize = 720, p.SetHeader(), p.PageMarginTop = 1440, p.PageMarginLeft = 100, p.SetHeader();
             }); },
         "Page 1: size 9 11910 x 16838 no 1/0 margins 100 1440 0 0 bands 720 0 inside 100 2160 11910 16838\n"
         "  inside 1 (100, 2160) 11810 x 14678" + kWhole + "\n  header 2 (100, 1440) 11810 x 720"},
        {"BandsWithoutDepthMakeNothing", [] { return onPageOne([](cPage& p) { p.SetFooter(), p.SetHeader(); }); },
         kNewPage},
        // A cleared page given frames by name: "inside", "header" and "footer" are placed as
        // the standard frames of those names, whatever type they were made with.
        {"SetInsidePlacesTheStandardFramesByTheirKeys",
         [] { return onPageOne([](cPage& p) {
                 p.Clear();
                 for (const char* name : {"inside", "Header", "footer", "box"}) {
                     auto f = p.AddFrame(name);
                     f->xPos = f->yPos = 1, f->Width = f->Height = 2;
                 }
                 p.PageMarginLeft = 1440, p.PageMarginTop = p.PageMarginBottom = 720;
                 p.PageHeaderSize = 360, p.PageFooterSize = 540, p.SetInside();
             }); },
         "Page 1: size 9 11910 x 16838 no 1/0 margins 1440 720 0 720 bands 360 540 inside 1440 1080 11910 15578\n"
         "  inside 0 (1440, 1080) 10470 x 14498\n  Header 0 (1440, 720) 10470 x 360\n"
         "  footer 0 (1440, 15578) 10470 x 540\n  box 0 (1, 1) 2 x 2"},
        // SetInside turns the inside and gives every frame the page's orientation.
        {"SetInsideTurnsWithThePage",
         [] {
             std::string orientations;
             const std::string text = onPageOne([&](cPage& p) {
                 p.AddFrame("box"), p.Style.Orientation = prORLandscape, p.SetInside();
                 for (const auto& f : p.Frames()) orientations += " " + std::to_string(f->Style.Orientation);
             });
             return text + orientations;
         },
         "Page 1: size 9 16838 x 11910 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 16838 11910\n"
         "  inside 1 (0, 0) 16838 x 11910" + kWhole + "\n  box 0 (0, 0) 0 x 0 2 2 2"},
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
    test::forEachRow<OverflowRow>(
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
                p.PageMarginLeft = 100, p.PageMarginTop = 200, p.PageMarginRight = 300, p.PageMarginBottom = 400;
                p.SetInside();
                p.PageMarginLeft = r.left, p.PageMarginTop = r.top, p.PageMarginRight = r.right;
                p.PageMarginBottom = r.bottom, p.PageHeaderSize = r.header;
                p.SetInside();
            });
            const auto from = text.find("margins");
            EXPECT_EQ(text.substr(from, text.find(kWhole) - from), r.expected);
        });
}

TEST(DocumentAddPage, NumbersFollowThePreviousPageTheStyleIsACopyAndAUsedKeyRaises457) {
    cDocument doc;
    for (int i = 2; i <= 5; ++i) doc.AddPage("Page " + std::to_string(i), true, 0, 0, 0, 0, 0, 0, prPSA4);
    doc.pages().Item(5)->PageNoType = prPTRoman;  // the number type follows the page before too
    doc.pages().Item(5)->LogicalPageNo = 20;
    doc.Style.FontName = "Courier New", doc.Style.Orientation = prORLandscape;
    auto next = doc.AddPage("Page 6", true, 0, 0, 0, 0, 0, 0, prPSA4);
    std::string numbers;
    for (const auto& p : doc.pages()) numbers += std::to_string(p->LogicalPageNo) + " ";
    EXPECT_EQ(numbers, "1 2 3 4 20 21 ");
    EXPECT_EQ(pageText(*next), "Page 6: size 9 16838 x 11910 no 21/1 margins 0 0 0 0 bands 0 0 inside 0 0 16838 11910\n"
                               "  inside 1 (0, 0) 16838 x 11910\n  WholePage 0 (0, 0) 16838 x 11910");
    EXPECT_EQ(next->Style, doc.Style);
    doc.Style.FontName = "Times New Roman";
    EXPECT_EQ(next->Style.FontName, "Courier New");
    for (const char* key : {"Page 1", "page 1", "PAGE 1"})
        EXPECT_THAT(errorOf([&] { doc.AddPage(key, true, 1, 2, 3, 4, 5, 6, prPSLetter); }),
                    IsError(457, "FastCollection.Add", kDuplicateKeyText)) << key;
    auto page = std::make_shared<cPage>();
    EXPECT_THAT(errorOf([&] { doc.pages().AddPage(page, "Page 1"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_EQ(page->Key, "");
    EXPECT_EQ(pageText(*doc.pages().Item(1)), kNewPage);
    EXPECT_EQ(doc.PagesCount(), 6);
    doc.pages().Clear();  // the first page of an empty document is number one, arabic
    EXPECT_EQ(pageText(*doc.AddPage("X", false, 0, 0, 0, 0, 0, 0, prPSA4)).substr(0, 30), "X: size 9 16838 x 11910 no 1/0");
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
    EXPECT_THAT(errorOf([&] { frames.Add("INSIDE", 9); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
    auto frame = std::make_shared<cFrame>();
    EXPECT_FALSE(frames.AddFrame(frame, "wholepage"));  // reports nothing
    EXPECT_EQ(frame->Key, "");
    EXPECT_EQ(framesText(*page), "under 4 (0, 0) 0 x 0\ninside 1 (0, 0) 11910 x 16838\nWholePage 0 (0, 0) 11910 x 16838\n"
                                 "top 2 (0, 0) 0 x 0\nbottom 3 (0, 0) 0 x 0\nbox 0 (0, 0) 0 x 0\nt6 5 (0, 0) 0 x 0\n"
                                 "t7 5 (0, 0) 0 x 0\nt8 -1 (0, 0) 0 x 0\nt9 99 (0, 0) 0 x 0");
    EXPECT_EQ(frames.IndexOf("box"), 6);  // the frames after the underlay keep their positions by key
    EXPECT_TRUE(frames.AddFrame(frame, "Box2"));
    EXPECT_EQ(frame->Key, "Box2");
    auto inside = frames.Item("inside");  // Clear empties every frame, then removes them
    inside->AddChangeStyle(doc.Style);
    page->Clear();
    EXPECT_EQ(frames.Count() + inside->Elements().Count(), 0);
    cFrames alone;  // type 4 in an empty collection
    ASSERT_TRUE(alone.Add("under", kFrameUnderlay) && alone.Add("next", 7));
    EXPECT_EQ(alone.Item(1)->Key + " " + alone.Item(2)->Key, "under next");
}

TEST(Frames, CopyCopiesEverythingAndTheElementsAsNewObjects) {
    cFrame f;
    f.Key = "Box";
    f.xPos = 1, f.yPos = 2, f.Width = 3, f.Height = 4;
    f.Border = {2, 15, 255}, f.ShowBorder = true, f.Rotation = 900, f.FrameType = 7;
    f.Style.FontName = "Courier New", f.CurrentStyle.FontName = "Times New Roman";
    f.AddChangeStyle(f.Style);
    f.Elements().Add("bare", ekLine);
    auto c = f.Copy();
    EXPECT_EQ(frameText(*c), "Box 7 (1, 2) 3 x 4 border 2 15 255 [El 1 bare]");
    EXPECT_EQ(c->Style, f.Style);
    EXPECT_EQ(c->CurrentStyle, f.CurrentStyle);
    EXPECT_EQ(c->Rotation, 900);
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
    EXPECT_THAT(errorOf([&] { frame.AddChangeStyle(cStyle{}); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_EQ(frameText(frame), " 0 (0, 0) 0 x 0 [El 2]");
    cElements elements;
    auto first = elements.Add("El 1", ekLine);
    EXPECT_THAT(errorOf([&] { elements.Add("el 1", ekArrow); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
    auto other = std::make_shared<cElement>(ekSymbol);
    EXPECT_THAT(errorOf([&] { elements.AddElement(other, "EL 1"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_EQ(other->Key(), "");
    ASSERT_EQ(elements.Count(), 1);
    EXPECT_EQ(elements.Item("el 1"), first);
    EXPECT_EQ(first->ElementType(), ekLine);  // a bare element carries only its type
    EXPECT_EQ(cElement().ElementType(), -1);
    // A style change makes its style the frame's running style; its copy is its own.
    cStyle s;
    s.FontName = "Courier New";
    cChangeStyle change(s);
    change.linkAfterLoad(frame);
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
    EXPECT_TRUE(factory.has(ekChangeStyle));
    EXPECT_TRUE(std::dynamic_pointer_cast<cChangeStyle>(factory.create(ekChangeStyle)));
}

// Preview's builder: each row builds, then answers where the builder stands and the current page.

TEST(Builder, PagesFramesAndThePositionEndWhereExpected) {
    const std::string letter = "Page 1: size 1 12240 x 15840 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 12240 15840\n"
                               "  inside 1 (0, 0) 12240 x 15840\n  WholePage 0 (0, 0) 12240 x 15840";
    checkTextRows({
        {"AddFirstPageReplacesTheOnlyPage",
         [] { return onPreview([](Preview& pv) {
                 pv.FontBold(false);  // an element in the old page's inside frame
                 pv.CurrentX(50);
                 pv.AddFirstPage("1 in", "0.5 in", "10 mm", "1 cm", "0.25 in", "12 pt", prPSLetter);
             }); },
         "Page 1/inside 0,0\n"
         "Page 1: size 1 12240 x 15840 no 1/0 margins 1440 567 720 567 bands 360 240 inside 1440 927 11520 15033\n"
         "  inside 1 (1440, 927) 10080 x 14106\n  WholePage 0 (0, 0) 12240 x 15840\n"
         "  header 2 (1440, 567) 10080 x 360\n  footer 3 (1440, 15033) 10080 x 240"},
        {"AddFirstPageOnADocumentWithoutPages",
         [] { return onPreview([](Preview& pv) { pv.DeletePage(1), pv.AddFirstPage(); }); },
         "Page 1/inside 0,0\n" + kNewPage},
        {"AddPageWithoutArgumentsTakesTheDocumentPageSize",
         [] { return onPreview([](Preview& pv) {
                 pv.document().Style.PageSize = prPSLegal;
                 pv.CurrentX(10), pv.CurrentY(20), pv.AddPage();
             }); },
         "Page 2/inside 0,0\nPage 2: size 5 12240 x 20160 no 2/0 margins 0 0 0 0 bands 0 0 inside 0 0 12240 20160\n"
         "  inside 1 (0, 0) 12240 x 20160\n  WholePage 0 (0, 0) 12240 x 20160"},
        {"NewPageInchMarginsWithHalfInchBands",
         [] { return onPreview([](Preview& pv) { pv.NewPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in"); }); },
         "Page 2/inside 0,0\n"
         "Page 2: size 9 11910 x 16838 no 2/0 margins 1440 1440 1440 1440 bands 720 720 inside 1440 2160 10470 14678\n"
         "  inside 1 (1440, 2160) 9030 x 12518" + kWhole +
             "\n  header 2 (1440, 1440) 9030 x 720\n  footer 3 (1440, 14678) 9030 x 720"},
        // After DeletePage the computed key can be one a remaining page has: nothing is added.
        {"DeletePageThenAddPageFindsItsKeyTaken",
         [] { return onPreview([](Preview& pv) {
                 for (int i = 0; i < 3; ++i) pv.AddPage();
                 pv.DeletePage(2);
                 pv.CurrentPage("Page 1"), pv.CurrentFrame("WholePage"), pv.CurrentX(99);
                 pv.AddPage("1 in");
             }); },
         "Page 4/inside 0,0\nPage 4: size 9 11910 x 16838 no 4/0 margins 0 0 0 0 bands 0 0 inside 0 0 11910 16838\n"
         "  inside 1 (0, 0) 11910 x 16838" + kWhole},
        {"ReadingCurrentPageWithNoneCreatesOne",
         [] { return onPreview([](Preview& pv) {
                 pv.document().Style.PageSize = prPSLetter;
                 pv.document().CurrentPage("");
                 pv.CurrentPage();
             }); },
         "Page 2/inside 0,0\n"
         "Page 2: size 1 12240 x 15840 no 2/0 margins 720 720 1440 1440 bands 1080 0 inside 720 1800 10800 14400\n"
         "  inside 1 (720, 1800) 10080 x 12600\n  WholePage 0 (0, 0) 12240 x 15840\n  header 2 (720, 720) 10080 x 1080"},
        {"MarginsMoveTheInsideAndTheBands",
         [] { return onPreview([](Preview& pv) {
                 pv.PageHeaderSize(360), pv.PageFooterSize(540), pv.PageMarginLeft("1 in");
                 pv.PageMarginRight("0.5 in"), pv.PageMarginTop(100), pv.PageMarginBottom(200);
             }); },
         "Page 1/inside 0,0\n"
         "Page 1: size 9 11910 x 16838 no 1/0 margins 1440 100 720 200 bands 360 540 inside 1440 460 11190 16098\n"
         "  inside 1 (1440, 460) 9750 x 15638" + kWhole +
             "\n  header 2 (1440, 100) 9750 x 360\n  footer 3 (1440, 16098) 9750 x 540"},
        // A band set above zero makes its frame once; back to zero the frame stays, without depth.
        {"BandsInTheOrderSet",
         [] { return onPreview([](Preview& pv) {
                 pv.PageFooterSize("0.5 in"), pv.PageHeaderSize("0.25 in");
                 pv.PageHeaderSize("0.5 in"), pv.PageHeaderSize(0);
             }); },
         "Page 1/inside 0,0\nPage 1: size 9 11910 x 16838 no 1/0 margins 0 0 0 0 bands 0 720 inside 0 0 11910 16118\n"
         "  inside 1 (0, 0) 11910 x 16118" + kWhole + "\n  footer 3 (0, 16118) 11910 x 720\n  header 2 (0, 0) 11910 x 0"},
        {"PageSizeOnAOnePageDocument", [] { return onPreview([](Preview& pv) { pv.PageSize(prPSLetter); }); },
         "Page 1/inside 0,0\n" + letter},
        {"OrientationOnAOnePageDocument", [] { return onPreview([](Preview& pv) { pv.Orientation(prORLandscape); }); },
         "Page 1/inside 0,0\nPage 1: size 9 16838 x 11910 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 16838 11910\n"
         "  inside 1 (0, 0) 16838 x 11910\n  WholePage 0 (0, 0) 16838 x 11910"},
        // Width and height write the user size that only the user paper size uses.
        {"UserSizeUnused", [] { return onPreview([](Preview& pv) { pv.PageWidth(10000), pv.PageHeight(5000); }); },
         "Page 1/inside 0,0\n" + kNewPage},
        {"UserSizeUsed",
         [] { return onPreview([](Preview& pv) { pv.PageWidth(10000), pv.PageHeight(5000), pv.PageSize(prPSUserDefine); }); },
         "Page 1/inside 0,0\nPage 1: size 42 10000 x 5000 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 10000 5000\n"
         "  inside 1 (0, 0) 10000 x 5000\n  WholePage 0 (0, 0) 10000 x 5000"},
        {"AddFrameMakesItCurrent",
         [] { return onPreview([](Preview& pv) { pv.CurrentX(5), pv.AddFrame("Box", "1 in", "2 in", "3 in", "10 mm"); }); },
         "Page 1/box 0,0\n" + kNewPage + "\n  Box 0 (1440, 2880) 4320 x 567"},
        // A used name adds nothing and keeps the current frame; a bad measure leaves its side at zero.
        {"AddFrameUsedNameAndBadMeasure",
         [] { return onPreview([](Preview& pv) {
                 pv.AddFrame("Box", 1, 2, 3, 4), pv.CurrentFrame("inside"), pv.CurrentY(7);
                 pv.AddFrame("BOX", 10, 20, 30, 40), pv.AddFrame("Odd", "1 inch", "1 in", "abc in", 100);
                 pv.CurrentFrame("inside");
                 pv.document().CurrentPage("Nowhere"), pv.AddFrame("Late", 1, 2, 3, 4), pv.CurrentPage("Page 1");
             }); },
         "Page 1/inside 0,0\n" + kNewPage + "\n  Box 0 (1, 2) 3 x 4\n  Odd 0 (0, 1440) 0 x 100"},
        {"FramePropertiesAndABadMeasureKeepsTheOldValue",
         [] { return onPreview([](Preview& pv) {
                 pv.AddFrame("Box", 0, 0, 0, 0), pv.FrameLeft("1 in"), pv.FrameTop("0.5 in"), pv.FrameWidth("2 cm");
                 pv.FrameHeight(300), pv.FrameLeft("3 furlongs"), pv.FrameWidth("x in");
                 pv.ShowBorder(true), pv.BorderColor(0x0000FF);
                 pv.CurrentX(-1440), pv.CurrentY(123456);  // the position is kept without conversion
             }); },
         "Page 1/box -1440,123456\n" + kNewPage + "\n  Box 0 (1440, 720) 1134 x 300 border 0 0 255"},
        // "Header" finds the header frame; an unknown frame or page key changes only the position.
        {"CurrentFrameWhateverTheCaseAndUnknownKeys",
         [] { return onPreview([](Preview& pv) {
                 pv.PageHeaderSize("0.5 in"), pv.AddPage(), pv.CurrentPage("Page 1"), pv.CurrentX(3);
                 pv.CurrentFrame("Header"), pv.CurrentY(4), pv.CurrentFrame("footer"), pv.CurrentX(3);
                 pv.CurrentPage("Page 7");
             }); },
         "Page 1/header 0,0\nPage 1: size 9 11910 x 16838 no 1/0 margins 0 0 0 0 bands 720 0 inside 0 720 11910 16838\n"
         "  inside 1 (0, 720) 11910 x 16118" + kWhole + "\n  header 2 (0, 0) 11910 x 720"},
        {"CurrentPageSelectsThePageAndItsFirstFrame",
         [] { return onPreview([](Preview& pv) {
                 pv.AddPage(), pv.document().pages().Item(1)->Frames().Add("under", 4), pv.CurrentX(3);
                 pv.CurrentPage("page 1");
             }); },
         "Page 1/under 0,0\nPage 1: size 9 11910 x 16838 no 1/0 margins 0 0 0 0 bands 0 0 inside 0 0 11910 16838\n"
         "  under 4 (0, 0) 0 x 0\n  inside 1 (0, 0) 11910 x 16838" + kWhole},
        {"ClearFrameKeysStartAgain",
         [] { return onPreview([](Preview& pv) { pv.FontBold(false), pv.FontBold(true), pv.ClearFrame(), pv.FontItalic(true); }); },
         "Page 1/inside 0,0\n" + kNewPage.substr(0, kNewPage.find(kWhole)) + " [El 1]" + kWhole},
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

struct PageSizeRow {
    const char* name;
    Variant given;
    std::int32_t expected;
};

TEST(Builder, AddPageSizeZeroOrNoneTakesTheDocumentStyles) {
    test::forEachRow<PageSizeRow>({{"Missing", kNone, prPSA5},
                                   {"Zero", Variant(0), prPSA5},
                                   {"Given", Variant(prPSLetter), prPSLetter},
                                   {"GivenAsText", Variant("5"), prPSLegal},
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

TEST(Builder, ClearPageLeavesPagesWithoutFramesSoAttributeSetsFindNoFrame) {
    Preview pv;
    pv.AddPage(), pv.AddPage(), pv.CurrentPage("Page 1"), pv.ClearPage(1, 2);
    EXPECT_EQ(pageText(pv, "Page 2"), "Page 2: size 9 11910 x 16838 no 2/0 margins 0 0 0 0 bands 0 0 inside 0 0 11910 16838");
    EXPECT_EQ(pageOf(pv, "Page 3")->Frames().Count(), 2);
    EXPECT_FALSE(pv.document().currentFrame());
    pv.FontBold(false), pv.ShowBorder(true), pv.FrameLeft("1 in");  // there is no frame to change
    EXPECT_EQ(pageOf(pv, "Page 1")->Frames().Count() + pv.FrameLeft() + pv.ShowBorder(), 0);
    pv.CurrentPage("Page 1");  // choosing the page again finds no first frame
    EXPECT_EQ(pv.CurrentFrame(), "");
}

TEST(Builder, AddPageTemplateCopiesGeometryStyleAndFramesButNotTheInsideElements) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "0.5 in", "0.5 in", "0.5 in", "0.25 in", prPSLetter);
    pv.Orientation(prORLandscape), pv.FontItalic(true);  // inside: El 1
    pv.AddFrame("Box", "1 in", "1 in", "2 in", "1 in"), pv.ShowBorder(true);
    pv.FontName("Courier New"), pv.FontBold(false);  // Box: El 1, El 2
    pv.CurrentFrame("header"), pv.FontSize(9);        // header: El 1
    auto source = pageOf(pv, "Page 1");
    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.AddPageTemplate(), "Page 2");
    auto page = pageOf(pv, "Page 2");
    EXPECT_EQ(state(pv),
              "Page 2/inside 0,0\n"
              "Page 2: size 1 15840 x 12240 no 2/0 margins 1440 720 1440 720 bands 720 360 inside 1440 1440 14400 11160\n"
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
    pv.PageWidth(10000), pv.PageHeight(5000), pv.PageSize(prPSUserDefine), pv.Orientation(prORLandscape);
    ASSERT_EQ(pv.AddPageTemplate(), "Page 2");
    EXPECT_EQ(pageText(pv, "Page 2"), "Page 2: size 42 5000 x 10000 no 2/0 margins 0 0 0 0 bands 0 0 inside 0 0 5000 10000\n"
                                      "  inside 1 (0, 0) 5000 x 10000\n  WholePage 0 (0, 0) 5000 x 10000");
    EXPECT_EQ(pv.PageSize() * 10 + pv.Orientation(), prPSUserDefine * 10 + prORLandscape);
    pv.AddPage("1 in"), pv.AddPage("2 in");
    ASSERT_EQ(pv.AddPageTemplate("page 3"), "Page 5");
    EXPECT_EQ(pv.PageMarginLeft(), 1440);
    EXPECT_EQ(pv.AddPageTemplate("Page 9"), "");
    EXPECT_EQ(pv.TotalPages(), 5);
}

TEST(Builder, EqualAttributeChangesOnTwoPagesShareOneStyle) {
    Preview pv;
    pv.AddFirstPage(0, 0, 0, 0, kNone, kNone, prPSA4), pv.FontBold(true), pv.AddPage(), pv.FontBold(true);
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

#define KALDER_MEASURE(Name) {#Name, [](Preview& p, const Variant& v) { p.Name(v); }, [](const Preview& p) { return p.Name(); }}

TEST(Builder, PageMeasuresAreWholeTwipsAndABadMeasureKeepsTheOldValue) {
    test::forEachRow<MeasureRow>({KALDER_MEASURE(PageMarginLeft), KALDER_MEASURE(PageMarginRight),
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
    pv.PageSize(prPSLetter), pv.Orientation(prORLandscape);
    EXPECT_EQ(pv.document().Style.PageSize * 10 + pv.document().Style.Orientation, prPSLetter * 10 + prORLandscape);
    pv.AddPage();  // the next page takes them from the document style
    EXPECT_EQ(std::to_string(pv.PageSize()) + " " + std::to_string(pv.Orientation()) + " " + std::to_string(pv.PageWidth()),
              "1 2 15840");
    pv.PageSize(prPSLegal), pv.Orientation(prORPortrait);  // with several pages only the current page changes
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
    pv.DocInfoSet("Author", "Ann"), pv.DocInfoSet("Title", "Report");
    pv.DocInfoSet("author", "lower"), pv.DocInfoSet("Author", "Bob");
    std::string items;
    for (const auto& [name, value] : pv.document().DocInfo) items += name + "=" + (name == "CreationDate" ? "" : value) + ";";
    EXPECT_EQ(items, "CreationDate=;Title=Report;author=lower;Author=Bob;");
    pv.document().DocInfo.emplace_back("Title", "two");
    EXPECT_EQ(pv.DocInfoGet("Title"), "Report");
    pv.AddStyle("Big", "Arial", 24), pv.AddPage(), pv.CurrentX(7), pv.KillDoc();  // KillDoc starts a new document
    EXPECT_EQ(state(pv), "Page 1/inside 0,0\n" + kNewPage);
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5");
    EXPECT_EQ(pv.DocInfoGet("Author"), "not found");
}

}  // namespace
}  // namespace kalder
