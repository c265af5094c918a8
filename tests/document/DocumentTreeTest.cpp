// The document tree: what a new document holds, page geometry and the paper-size table, the
// standard frames, the rules of the frame, page and element collections, generated element
// keys, and the factory that makes elements by kind number.
#include "document/cDocument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "kalder/Enums.h"
#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "DocumentTestSupport.h"

namespace kalder {
namespace {

using test::elementKeys;
using test::errorOf;
using test::frameKeys;
using test::IsError;
using test::kDuplicateKeyText;
using test::pageKeys;
using test::Rect;
using test::rectOf;
using ::testing::ElementsAre;

constexpr std::int32_t kA4Width = 11910;
constexpr std::int32_t kA4Height = 16838;

// ---------------------------------------------------------------------------------------
// A new document

TEST(NewDocument, HasPageOneWithInsideAndWholePageOnly) {
    cDocument doc;
    ASSERT_EQ(doc.PagesCount(), 1);
    auto page = doc.pages().Item(1);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Key, "Page 1");
    EXPECT_EQ(page->PageSize(), prPSA4);
    EXPECT_EQ(page->LogicalPageNo, 1);
    EXPECT_EQ(page->PageNoType, prPTArabic);
    EXPECT_EQ(page->PageMarginLeft, 0);
    EXPECT_EQ(page->PageMarginTop, 0);
    EXPECT_EQ(page->PageMarginRight, 0);
    EXPECT_EQ(page->PageMarginBottom, 0);
    EXPECT_EQ(page->PageHeaderSize, 0);
    EXPECT_EQ(page->PageFooterSize, 0);
    EXPECT_FALSE(page->ShowPrintable);

    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage"));
    auto inside = page->Frames().Item("inside");
    auto whole = page->Frames().Item("WholePage");
    ASSERT_TRUE(inside && whole);
    EXPECT_EQ(inside->FrameType, kFrameInside);
    EXPECT_EQ(rectOf(*inside), (Rect{0, 0, kA4Width, kA4Height}));
    EXPECT_EQ(whole->FrameType, kFrameWholePage);
    EXPECT_EQ(rectOf(*whole), (Rect{0, 0, kA4Width, kA4Height}));
    EXPECT_EQ(inside->Elements().Count(), 0);

    EXPECT_EQ(doc.CurrentPage(), "Page 1");
    EXPECT_EQ(doc.CurrentFrame(), "inside");
    EXPECT_EQ(doc.CurrentX, 0);
    EXPECT_EQ(doc.CurrentY, 0);
    EXPECT_EQ(doc.currentFrame(), inside);
}

TEST(NewDocument, CurrentAttributesAreThoseOfHeading5) {
    cDocument doc;
    const cStyle* heading5 = doc.NamedStyles.find("Heading5");
    ASSERT_TRUE(heading5);
    EXPECT_EQ(doc.Style, *heading5);
    // The page and its frames start from copies of it, so the builder's attribute reads
    // answer "Arial", 11 pt, bold and underlined on a new document.
    auto page = doc.pages().Item(1);
    EXPECT_EQ(page->Style, *heading5);
    for (const auto& f : page->Frames()) {
        EXPECT_EQ(f->Style, *heading5) << f->Key;
        EXPECT_EQ(f->CurrentStyle, *heading5) << f->Key;
    }
    Preview pv;
    EXPECT_EQ(pv.FontName(), "Arial");
    EXPECT_FLOAT_EQ(pv.FontSize(), 11.0f);
    EXPECT_TRUE(pv.FontBold());
    EXPECT_TRUE(pv.FontUnderline());
    EXPECT_FALSE(pv.FontItalic());
}

TEST(NewDocument, StylesAreCopiesNotShared) {
    // Changing the document style afterwards must not reach the page made from it.
    cDocument doc;
    doc.Style.FontName = "Courier New";
    EXPECT_EQ(doc.pages().Item(1)->Style.FontName, "Arial");
    EXPECT_EQ(doc.NamedStyles.find("Heading5")->FontName, "Arial");
}

TEST(NewDocument, HasTheSixNamedStylesInOrder) {
    cDocument doc;
    EXPECT_THAT(doc.NamedStyles.keys(),
                ElementsAre("Normal", "Heading1", "Heading2", "Heading3", "Heading4", "Heading5"));
}

TEST(NewDocument, HasOneCreationDateItemOfToday) {
    const std::string before = shortDateToday();
    cDocument doc;
    const std::string after = shortDateToday();
    ASSERT_EQ(doc.DocInfo.size(), 1u);
    EXPECT_EQ(doc.DocInfo[0].first, "CreationDate");
    EXPECT_TRUE(doc.DocInfo[0].second == before || doc.DocInfo[0].second == after) << doc.DocInfo[0].second;
    EXPECT_FALSE(doc.DocInfo[0].second.empty());
}

// ---------------------------------------------------------------------------------------
// Keys are found without regard to case; frame keys keep the case they were made with, the
// current-frame key is kept in lower case and must still find its frame.

TEST(Keys, LookupsIgnoreCase) {
    cDocument doc;
    auto page = doc.pages().Item("PAGE 1");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Key, "Page 1");
    auto whole = page->Frames().Item("wholepage");
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->Key, "WholePage");
    EXPECT_TRUE(doc.NamedStyles.find("HEADING1"));
    EXPECT_FALSE(doc.pages().Item("Page 2"));
}

TEST(Keys, CurrentFrameIsStoredInLowerCaseAndStillFindsTheFrame) {
    cDocument doc;
    doc.CurrentFrame("WholePage");
    EXPECT_EQ(doc.CurrentFrame(), "wholepage");
    auto frame = doc.currentFrame();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Key, "WholePage");
}

// ---------------------------------------------------------------------------------------
// Paper sizes: portrait twips by ePaperSize, width and height exchanged in landscape.

struct PaperRow {
    const char* name;
    std::int32_t paperSize;
    std::int32_t orientation;
    std::int32_t userWidth, userHeight;
    std::int32_t width, height;
};

TEST(PaperSizes, GiveTheSheetSizeByPaperSizeAndOrientation) {
    // A4 twice over: 11907 x 16840 under 0 and as the user fallback, 11910 x 16838 under 9.
    test::forEachRow<PaperRow>({{"Zero", 0, prORPortrait, 0, 0, 11907, 16840},
                                {"Letter", prPSLetter, prORPortrait, 0, 0, 12240, 15840},
                                {"Tabloid", prPSTabloid, prORPortrait, 0, 0, 15840, 24480},
                                {"Legal", prPSLegal, prORPortrait, 0, 0, 12240, 20160},
                                {"A3", prPSA3, prORPortrait, 0, 0, 16838, 23811},
                                {"A4", prPSA4, prORPortrait, 0, 0, 11910, 16838},
                                {"A4Small", prPSA4Small, prORPortrait, 0, 0, 11910, 16838},
                                {"A5", prPSA5, prORPortrait, 0, 0, 8391, 11910},
                                {"Quarto", prPSQuarto, prORPortrait, 0, 0, 12189, 15591},
                                {"Note", prPSNote, prORPortrait, 0, 0, 12240, 15840},
                                {"ESheet", prPSESheet, prORPortrait, 0, 0, 48960, 63360},
                                {"EnvelopeDL", prPSEnvDL, prORPortrait, 0, 0, 6236, 12472},
                                {"EnvelopePersonal", prPSEnvPersonal, prORPortrait, 0, 0, 5292, 9360},
                                {"FanfoldLegalGerman", prPSFanfoldLglGerman, prORPortrait, 0, 0, 12240, 18720},
                                {"UserWithoutSize", prPSUserDefine, prORPortrait, 0, 0, 11907, 16840},
                                // Only the width decides whether a user size is there.
                                {"UserWithHeightOnly", prPSUserDefine, prORPortrait, 0, 5000, 11907, 16840},
                                {"UserWithWidthOnly", prPSUserDefine, prORPortrait, 10000, 0, 10000, 0},
                                {"UserWithSize", prPSUserDefine, prORPortrait, 10000, 5000, 10000, 5000},
                                {"UserSizeIgnoredForA4", prPSA4, prORPortrait, 10000, 5000, 11910, 16838},
                                {"BelowRange", -1, prORPortrait, 0, 0, 0, 0},
                                {"AboveRange", 43, prORPortrait, 10000, 5000, 0, 0},
                                {"LandscapeLetter", prPSLetter, prORLandscape, 0, 0, 15840, 12240},
                                {"LandscapeA4", prPSA4, prORLandscape, 0, 0, 16838, 11910},
                                {"LandscapeUser", prPSUserDefine, prORLandscape, 10000, 5000, 5000, 10000}},
                               [](const PaperRow& r) {
                                   cPage page;
                                   page.Style.Orientation = r.orientation;
                                   page.PageWidth(r.userWidth);
                                   page.PageHeight(r.userHeight);
                                   page.PageSize(r.paperSize);
                                   EXPECT_EQ(page.PageWidth(), r.width);
                                   EXPECT_EQ(page.PageHeight(), r.height);
                                   // The inside rectangle follows the sheet.
                                   EXPECT_EQ(page.PageInsideRight, r.width);
                                   EXPECT_EQ(page.PageInsideBottom, r.height);
                               });
}

// ---------------------------------------------------------------------------------------
// Header and footer bands

TEST(PageBands, HeaderSitsOnTheTopMarginAndPushesTheInsideDown) {
    cDocument doc;
    auto page = doc.AddPage("P", true, 0, 0, 720, 0, 1080, 0, prPSA4);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header"));
    auto header = page->Frames().Item("header");
    EXPECT_EQ(header->FrameType, kFrameHeader);
    EXPECT_EQ(rectOf(*header), (Rect{0, 720, kA4Width, 1080}));
    EXPECT_EQ(page->PageInsideTop, 1800);
    EXPECT_EQ(rectOf(*page->Frames().Item("inside")), (Rect{0, 1800, kA4Width, kA4Height - 1800}));
}

TEST(PageBands, FooterSitsOnTheInsideBottom) {
    cDocument doc;
    auto page = doc.AddPage("P", true, 1440, 1440, 0, 1440, 0, 720, prPSA4);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "footer"));
    const std::int32_t insideBottom = kA4Height - 1440 - 720;
    EXPECT_EQ(page->PageInsideBottom, insideBottom);
    auto footer = page->Frames().Item("footer");
    EXPECT_EQ(footer->FrameType, kFrameFooter);
    EXPECT_EQ(rectOf(*footer), (Rect{1440, insideBottom, kA4Width - 2880, 720}));
    // WholePage keeps the sheet whatever the margins.
    EXPECT_EQ(rectOf(*page->Frames().Item("WholePage")), (Rect{0, 0, kA4Width, kA4Height}));
}

TEST(PageBands, BothBandsComeInTableOrder) {
    cDocument doc;
    auto page = doc.AddPage("P", true, 0, 0, 0, 0, 500, 600, prPSA4);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header", "footer"));
}

TEST(PageBands, SetHeaderCreatesTheBandOnceAndSetInsideMovesIt) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->PageHeaderSize = 720;
    page->SetHeader();
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header"));
    page->PageMarginTop = 1440;
    page->PageMarginLeft = 100;
    page->SetHeader();  // no second header frame
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header"));
    EXPECT_EQ(rectOf(*page->Frames().Item("header")), (Rect{100, 1440, kA4Width - 100, 720}));
    EXPECT_EQ(page->PageInsideTop, 2160);
}

TEST(PageBands, SetFooterWithoutDepthCreatesNothing) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->SetFooter();
    page->SetHeader();
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage"));
}

TEST(PageBands, SetInsidePlacesTheStandardFramesByTheirKeys) {
    // A page cleared and given frames by name: "inside", "header" and "footer" are still
    // placed as the standard frames of those names, whatever type they were made with.
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->Clear();
    for (const char* name : {"inside", "Header", "footer", "box"}) {
        auto f = page->AddFrame(name);
        ASSERT_TRUE(f) << name;
        f->xPos = f->yPos = 1;
        f->Width = f->Height = 2;
    }
    page->PageMarginLeft = 1440;
    page->PageMarginTop = 720;
    page->PageMarginBottom = 720;
    page->PageHeaderSize = 360;
    page->PageFooterSize = 540;
    page->SetInside();
    const std::int32_t insideBottom = kA4Height - 720 - 540;
    EXPECT_EQ(rectOf(*page->Frames().Item("inside")), (Rect{1440, 1080, kA4Width - 1440, insideBottom - 1080}));
    EXPECT_EQ(rectOf(*page->Frames().Item("header")), (Rect{1440, 720, kA4Width - 1440, 360}));
    EXPECT_EQ(rectOf(*page->Frames().Item("footer")), (Rect{1440, insideBottom, kA4Width - 1440, 540}));
    EXPECT_EQ(rectOf(*page->Frames().Item("box")), (Rect{1, 1, 2, 2}));
}

TEST(PageBands, SetInsideGivesEveryFrameThePageOrientation) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->AddFrame("box");
    page->Style.Orientation = prORLandscape;
    page->SetInside();
    for (const auto& f : page->Frames()) EXPECT_EQ(f->Style.Orientation, prORLandscape) << f->Key;
    EXPECT_EQ(page->PageInsideRight, kA4Height);
    EXPECT_EQ(page->PageInsideBottom, kA4Width);
}

// SetInside: a field whose difference leaves the 32-bit range keeps its value, and the
// fields after it are still computed.
struct OverflowRow {
    const char* name;
    std::function<void(cPage&)> change;
    std::function<void(const cPage&)> check;
};

TEST(SetInside, AnOverflowingFieldKeepsItsValue) {
    test::forEachRow<OverflowRow>({{"TopPlusHeader",
                                    [](cPage& p) {
                                        p.PageMarginTop = INT32_MAX - 10;
                                        p.PageHeaderSize = 11;
                                        p.PageMarginBottom = 500;
                                    },
                                    [](const cPage& p) {
                                        EXPECT_EQ(p.PageInsideTop, 200);
                                        EXPECT_EQ(p.PageInsideBottom, kA4Height - 500);
                                        EXPECT_EQ(p.PageInsideRight, kA4Width - 300);
                                    }},
                                   {"TopPlusHeaderJustFits",
                                    [](cPage& p) {
                                        p.PageMarginTop = INT32_MAX - 10;
                                        p.PageHeaderSize = 10;
                                    },
                                    [](const cPage& p) { EXPECT_EQ(p.PageInsideTop, INT32_MAX); }},
                                   {"WidthMinusRight",
                                    [](cPage& p) {
                                        p.PageMarginRight = INT32_MIN + 5;
                                        p.PageMarginBottom = 500;
                                    },
                                    [](const cPage& p) {
                                        EXPECT_EQ(p.PageInsideRight, kA4Width - 300);
                                        EXPECT_EQ(p.PageInsideBottom, kA4Height - 500);
                                    }},
                                   {"HeightMinusBottomMinusFooter",
                                    [](cPage& p) {
                                        p.PageMarginBottom = INT32_MIN + 5;
                                        p.PageMarginLeft = 50;
                                    },
                                    [](const cPage& p) {
                                        EXPECT_EQ(p.PageInsideBottom, kA4Height - 400);
                                        EXPECT_EQ(p.PageInsideLeft, 50);
                                    }},
                                   {"InsideFrameWidth", [](cPage& p) { p.PageMarginLeft = INT32_MIN + 5; },
                                    [](const cPage& p) {
                                        // The inside rectangle itself fits; only the frame's width would not.
                                        EXPECT_EQ(p.PageInsideLeft, INT32_MIN + 5);
                                        auto inside = p.Frames().Item("inside");
                                        EXPECT_EQ(inside->xPos, INT32_MIN + 5);
                                        EXPECT_EQ(inside->Width, kA4Width - 300 - 100);
                                        EXPECT_EQ(inside->Height, kA4Height - 400 - 200);
                                    }}},
                                  [](const OverflowRow& r) {
                                      cDocument doc;
                                      auto page = doc.pages().Item(1);
                                      page->PageMarginLeft = 100;
                                      page->PageMarginTop = 200;
                                      page->PageMarginRight = 300;
                                      page->PageMarginBottom = 400;
                                      page->SetInside();
                                      ASSERT_EQ(page->PageInsideRight, kA4Width - 300);
                                      r.change(*page);
                                      page->SetInside();
                                      r.check(*page);
                                  });
}

// ---------------------------------------------------------------------------------------
// cDocument.AddPage: numbering, styles, duplicate keys

TEST(DocumentAddPage, LogicalNumbersFollowThePreviousPage) {
    cDocument doc;
    for (int i = 2; i <= 5; ++i) doc.AddPage("Page " + std::to_string(i), true, 0, 0, 0, 0, 0, 0, prPSA4);
    ASSERT_EQ(doc.PagesCount(), 5);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(doc.pages().Item(i)->LogicalPageNo, i);
    // The number type follows the page before too.
    doc.pages().Item(5)->PageNoType = prPTRoman;
    doc.pages().Item(5)->LogicalPageNo = 20;
    auto next = doc.AddPage("Page 6", true, 0, 0, 0, 0, 0, 0, prPSA4);
    EXPECT_EQ(next->LogicalPageNo, 21);
    EXPECT_EQ(next->PageNoType, prPTRoman);
}

TEST(DocumentAddPage, FirstPageOfAnEmptyDocumentIsNumberOne) {
    cDocument doc;
    doc.pages().Clear();
    auto page = doc.AddPage("X", true, 0, 0, 0, 0, 0, 0, prPSA4);
    EXPECT_EQ(page->LogicalPageNo, 1);
    EXPECT_EQ(page->PageNoType, prPTArabic);
}

TEST(DocumentAddPage, WithoutInitTheRectangleIsComputedButNoFrameMade) {
    cDocument doc;
    auto page = doc.AddPage("X", false, 1440, 720, 360, 180, 90, 45, prPSLetter);
    EXPECT_EQ(page->Frames().Count(), 0);
    EXPECT_EQ(page->PageSize(), prPSLetter);
    EXPECT_EQ(page->PageInsideLeft, 1440);
    EXPECT_EQ(page->PageInsideTop, 450);
    EXPECT_EQ(page->PageInsideRight, 12240 - 720);
    EXPECT_EQ(page->PageInsideBottom, 15840 - 180 - 45);
}

TEST(DocumentAddPage, PageStyleIsACopyOfTheDocumentStyle) {
    cDocument doc;
    doc.Style.FontName = "Courier New";
    doc.Style.Orientation = prORLandscape;
    auto page = doc.AddPage("X", true, 0, 0, 0, 0, 0, 0, prPSA4);
    EXPECT_EQ(page->Style, doc.Style);
    EXPECT_EQ(page->PageWidth(), kA4Height);
    EXPECT_EQ(rectOf(*page->Frames().Item("WholePage")), (Rect{0, 0, kA4Height, kA4Width}));
    doc.Style.FontName = "Times New Roman";
    EXPECT_EQ(page->Style.FontName, "Courier New");
}

TEST(DocumentAddPage, UsedKeyRaises457AndAddsNothing) {
    cDocument doc;
    auto first = doc.pages().Item(1);
    first->PageMarginLeft = 77;
    for (const char* key : {"Page 1", "page 1", "PAGE 1"}) {
        EXPECT_THAT(errorOf([&] { doc.AddPage(key, true, 1, 2, 3, 4, 5, 6, prPSLetter); }),
                    IsError(457, "FastCollection.Add", kDuplicateKeyText))
            << key;
        EXPECT_EQ(doc.PagesCount(), 1);
        EXPECT_EQ(doc.pages().Item(1), first);
        EXPECT_EQ(first->PageMarginLeft, 77);
    }
}

TEST(DocumentAddPage, PagesAddPageWithAUsedKeyLeavesThePageKeyUnset) {
    cDocument doc;
    auto page = std::make_shared<cPage>();
    EXPECT_THAT(errorOf([&] { doc.pages().AddPage(page, "Page 1"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_EQ(page->Key, "");
    EXPECT_THAT(pageKeys(doc), ElementsAre("Page 1"));
}

// ---------------------------------------------------------------------------------------
// Frames: the standard types exist once each, type 4 goes first, names are unique.

TEST(FramesAdd, RefusesASecondFrameOfAStandardType) {
    for (std::int32_t type : {kFrameWholePage, kFrameInside}) {
        cDocument doc;
        auto page = doc.pages().Item(1);
        EXPECT_FALSE(page->Frames().Add("another", type)) << type;
        EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage")) << type;
    }
}

TEST(FramesAdd, HeaderAndFooterTypesOnceEach) {
    cDocument doc;
    cFrames& frames = doc.pages().Item(1)->Frames();
    auto head = frames.Add("top", kFrameHeader);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->Key, "top");
    EXPECT_EQ(head->FrameType, kFrameHeader);
    EXPECT_FALSE(frames.Add("top2", kFrameHeader));
    ASSERT_TRUE(frames.Add("bottom", kFrameFooter));
    EXPECT_FALSE(frames.Add("bottom2", kFrameFooter));
    EXPECT_EQ(frames.Count(), 4);
}

TEST(FramesAdd, TypeFourGoesBeforeEveryOtherFrame) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->AddFrame("box");
    auto under = page->Frames().Add("under", kFrameUnderlay);
    ASSERT_TRUE(under);
    EXPECT_EQ(under->FrameType, kFrameUnderlay);
    EXPECT_THAT(frameKeys(*page), ElementsAre("under", "inside", "WholePage", "box"));
    EXPECT_EQ(page->Frames().Item(1), under);
    EXPECT_FALSE(page->Frames().Add("under2", kFrameUnderlay));
    // The frames after it keep their keys and positions by key.
    EXPECT_EQ(page->Frames().IndexOf("box"), 4);
}

TEST(FramesAdd, TypeFourInAnEmptyCollectionIsTheOnlyFrame) {
    cFrames frames;
    ASSERT_TRUE(frames.Add("under", kFrameUnderlay));
    ASSERT_TRUE(frames.Add("next", 7));
    std::vector<std::string> keys;
    for (const auto& f : frames) keys.push_back(f->Key);
    EXPECT_THAT(keys, ElementsAre("under", "next"));
}

TEST(FramesAdd, OtherTypesRepeatAndGoLast) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    ASSERT_TRUE(page->Frames().Add("a", 5));
    ASSERT_TRUE(page->Frames().Add("b", 5));
    ASSERT_TRUE(page->Frames().Add("c", -1));
    ASSERT_TRUE(page->Frames().Add("d", 99));
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "a", "b", "c", "d"));
}

TEST(FramesAdd, UsedNameRaises457AndAddsNothing) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    EXPECT_THAT(errorOf([&] { page->Frames().Add("INSIDE", 9); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage"));
}

TEST(FramesAddFrame, UsedKeyAddsNothingAndReportsNothing) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    auto frame = std::make_shared<cFrame>();
    EXPECT_FALSE(page->Frames().AddFrame(frame, "wholepage"));
    EXPECT_EQ(frame->Key, "");
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage"));
    EXPECT_TRUE(page->Frames().AddFrame(frame, "Box"));
    EXPECT_EQ(frame->Key, "Box");
}

TEST(PageAddFrame, CallerFramesAreTypeZeroWithACopyOfThePageStyle) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    page->Style.FontName = "Courier New";
    auto box = page->AddFrame("Box");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Key, "Box");
    EXPECT_EQ(box->FrameType, kFrameWholePage);
    EXPECT_EQ(box->Style, page->Style);
    EXPECT_EQ(box->CurrentStyle, page->Style);
    EXPECT_FALSE(page->AddFrame("BOX"));
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "Box"));
}

TEST(PageClear, EmptiesEveryFrameThenRemovesThem) {
    cDocument doc;
    auto page = doc.pages().Item(1);
    auto inside = page->Frames().Item("inside");
    inside->AddChangeStyle(doc.Style);
    page->Clear();
    EXPECT_EQ(page->Frames().Count(), 0);
    EXPECT_EQ(inside->Elements().Count(), 0);
}

TEST(FrameCopy, CopiesEverythingAndTheElementsAsNewObjects) {
    cFrame f;
    f.Key = "Box";
    f.xPos = 1;
    f.yPos = 2;
    f.Width = 3;
    f.Height = 4;
    f.Border = {2, 15, 255};
    f.ShowBorder = true;
    f.Style.FontName = "Courier New";
    f.CurrentStyle.FontName = "Times New Roman";
    f.Rotation = 900;
    f.FrameType = 7;
    f.AddChangeStyle(f.Style);
    f.Elements().Add("bare", ekLine);

    auto c = f.Copy();
    EXPECT_EQ(c->Key, "Box");
    EXPECT_EQ(rectOf(*c), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(c->Border, f.Border);
    EXPECT_TRUE(c->ShowBorder);
    EXPECT_EQ(c->Style, f.Style);
    EXPECT_EQ(c->CurrentStyle, f.CurrentStyle);
    EXPECT_EQ(c->Rotation, 900);
    EXPECT_EQ(c->FrameType, 7);
    ASSERT_THAT(elementKeys(*c), ElementsAre("El 1", "bare"));
    for (int i = 1; i <= 2; ++i) {
        EXPECT_NE(c->Elements().Item(i), f.Elements().Item(i));
        EXPECT_EQ(c->Elements().Item(i)->ElementType(), f.Elements().Item(i)->ElementType());
    }
    auto change = std::dynamic_pointer_cast<cChangeStyle>(c->Elements().Item(1));
    ASSERT_TRUE(change);
    EXPECT_EQ(change->Style().FontName, "Courier New");

    EXPECT_EQ(f.Copy(false)->Elements().Count(), 0);
}

// ---------------------------------------------------------------------------------------
// Elements: generated keys "El n" from the count, duplicate keys, bare elements

TEST(ElementKeys, AreGeneratedFromTheCountAndRestartAfterAClear) {
    cFrame frame;
    for (int i = 0; i < 3; ++i) frame.AddChangeStyle(cStyle{});
    EXPECT_THAT(elementKeys(frame), ElementsAre("El 1", "El 2", "El 3"));
    frame.Clear();
    EXPECT_EQ(frame.AddChangeStyle(cStyle{}), "El 1");
}

TEST(ElementKeys, AGeneratedKeyAlreadyUsedRaises457AndAddsNothing) {
    // Keys come from the count, so after removing "El 1" of two the next key is "El 2" again.
    cFrame frame;
    frame.AddChangeStyle(cStyle{});
    frame.AddChangeStyle(cStyle{});
    frame.Elements().Remove(1);
    EXPECT_THAT(errorOf([&] { frame.AddChangeStyle(cStyle{}); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_THAT(elementKeys(frame), ElementsAre("El 2"));
}

TEST(ElementKeys, AddWithAUsedKeyRaises457WhateverTheCase) {
    cElements elements;
    auto first = elements.Add("El 1", ekLine);
    EXPECT_THAT(errorOf([&] { elements.Add("el 1", ekArrow); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
    auto other = std::make_shared<cElement>(ekSymbol);
    EXPECT_THAT(errorOf([&] { elements.AddElement(other, "EL 1"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_EQ(other->Key(), "");
    ASSERT_EQ(elements.Count(), 1);
    EXPECT_EQ(elements.Item(1), first);
    EXPECT_EQ(first->ElementType(), ekLine);
}

TEST(Elements, AddMakesABareElementCarryingOnlyItsType) {
    cElements elements;
    auto e = elements.Add("x", ekPicture);
    EXPECT_EQ(e->ElementType(), ekPicture);
    EXPECT_EQ(e->Key(), "x");
    EXPECT_EQ(elements.Item("X"), e);
    EXPECT_EQ(cElement().ElementType(), -1);
}

TEST(ChangeStyle, MakesItsStyleTheFrameRunningStyleAndCopiesIt) {
    cStyle s;
    s.FontName = "Courier New";
    cChangeStyle change(s);
    EXPECT_EQ(change.ElementType(), ekChangeStyle);
    cFrame frame;
    change.linkAfterLoad(frame);
    EXPECT_EQ(frame.CurrentStyle.FontName, "Courier New");
    auto copy = std::dynamic_pointer_cast<cChangeStyle>(change.Copy());
    ASSERT_TRUE(copy);
    change.Style(cStyle{});
    EXPECT_EQ(copy->Style().FontName, "Courier New");
}

// ---------------------------------------------------------------------------------------
// Element factory

TEST(ElementFactory, KindsOutsideOneToFifteenRaiseMinus69) {
    for (std::int32_t kind : {0, 16, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(kind);
        EXPECT_THAT(errorOf([&] { ElementFactory::instance().create(kind); }),
                    IsError(-69, "Kalder", "Unknown element"));
    }
}

TEST(ElementFactory, MakesEveryKindOneToFifteen) {
    const ElementFactory& factory = ElementFactory::instance();
    for (std::int32_t kind = 1; kind <= 15; ++kind) {
        ElementPtr e = factory.create(kind);
        ASSERT_TRUE(e) << kind;
        EXPECT_EQ(e->ElementType(), kind);
        EXPECT_EQ(e->Key(), "");
        EXPECT_EQ(e->Copy()->ElementType(), kind);
    }
    EXPECT_TRUE(factory.has(ekChangeStyle));
    EXPECT_TRUE(std::dynamic_pointer_cast<cChangeStyle>(factory.create(ekChangeStyle)));
    EXPECT_FALSE(factory.has(0));
    EXPECT_FALSE(factory.has(16));
}

}  // namespace
}  // namespace kalder
