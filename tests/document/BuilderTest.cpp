// Builder operations of Preview: starting and adding pages, page templates, frames, the
// current page, frame and position, page geometry, document information, and deleting or
// clearing parts of the document.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/Locale.h"
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
using test::frameKeys;
using test::IsError;
using test::pageKeys;
using test::Rect;
using test::rectOf;
using ::testing::ElementsAre;

constexpr std::int32_t kA4Width = 11910;
constexpr std::int32_t kA4Height = 16838;

std::shared_ptr<cPage> pageOf(Preview& pv, const std::string& key) { return pv.document().pages().Item(key); }
std::shared_ptr<cFrame> frameOf(Preview& pv, const std::string& page, const std::string& frame) {
    auto p = pageOf(pv, page);
    return p ? p->Frames().Item(frame) : nullptr;
}

// ---------------------------------------------------------------------------------------
// AddFirstPage, AddPage, NewPage

TEST(AddFirstPage, OnANewDocumentGivesPageOneThenFailsOnceThereAreTwoPages) {
    Preview pv;
    EXPECT_EQ(pv.AddFirstPage(), "Page 1");
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.AddPage(), "Page 2");
    pv.CurrentPage("Page 1");
    EXPECT_THAT(errorOf([&] { pv.AddFirstPage("1 in"); }), IsError(897, "AddFirstPage", "More than one page"));
    EXPECT_THAT(pageKeys(pv.document()), ElementsAre("Page 1", "Page 2"));
    EXPECT_EQ(pv.CurrentPage(), "Page 1");
    EXPECT_EQ(pv.PageMarginLeft(), 0);
}

TEST(AddFirstPage, ReplacesTheNewDocumentsPageWithAFreshOne) {
    Preview pv;
    auto old = pageOf(pv, "Page 1");
    pv.FontBold(false);  // an element in the old page's inside frame
    pv.CurrentX(50);
    EXPECT_EQ(pv.AddFirstPage("1 in", "0.5 in", "10 mm", "1 cm", "0.25 in", "12 pt", prPSLetter), "Page 1");
    auto page = pageOf(pv, "Page 1");
    ASSERT_TRUE(page);
    EXPECT_NE(page, old);
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(page->LogicalPageNo, 1);
    EXPECT_EQ(page->PageSize(), prPSLetter);
    EXPECT_EQ(pv.PageMarginLeft(), 1440);
    EXPECT_EQ(pv.PageMarginRight(), 720);
    EXPECT_EQ(pv.PageMarginTop(), 567);
    EXPECT_EQ(pv.PageMarginBottom(), 567);
    EXPECT_EQ(pv.PageHeaderSize(), 360);
    EXPECT_EQ(pv.PageFooterSize(), 240);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header", "footer"));
    EXPECT_EQ(page->Frames().Item("inside")->Elements().Count(), 0);
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 0);
}

TEST(AddFirstPage, OnADocumentWithoutPagesGivesPageOne) {
    Preview pv;
    pv.DeletePage(1);
    ASSERT_EQ(pv.TotalPages(), 0);
    EXPECT_EQ(pv.AddFirstPage(), "Page 1");
    EXPECT_EQ(pv.TotalPages(), 1);
}

TEST(AddPage, WithoutArgumentsHasZeroMarginsTheDocumentPageSizeAndTwoFrames) {
    Preview pv;
    pv.document().Style.PageSize = prPSLegal;
    pv.CurrentX(10);
    pv.CurrentY(20);
    EXPECT_EQ(pv.AddPage(), "Page 2");
    auto page = pageOf(pv, "Page 2");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->PageSize(), prPSLegal);
    EXPECT_EQ(page->LogicalPageNo, 2);
    for (auto margin : {page->PageMarginLeft, page->PageMarginTop, page->PageMarginRight, page->PageMarginBottom,
                        page->PageHeaderSize, page->PageFooterSize})
        EXPECT_EQ(margin, 0);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage"));
    EXPECT_EQ(rectOf(*page->Frames().Item("inside")), (Rect{0, 0, 12240, 20160}));
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.CurrentY(), 0);
}

struct PageSizeRow {
    const char* name;
    Variant given;
    std::int32_t expected;
};

TEST(AddPage, PageSizeZeroOrNoneTakesTheDocumentStyles) {
    test::forEachRow<PageSizeRow>({{"Missing", Variant::missing(), prPSA5},
                                   {"Zero", Variant(0), prPSA5},
                                   {"Given", Variant(prPSLetter), prPSLetter},
                                   {"GivenAsText", Variant("5"), prPSLegal},
                                   // A size that is no number is a skipped step.
                                   {"NotANumber", Variant("big"), prPSA5}},
                                  [&](const PageSizeRow& r) {
                                      Preview pv;
                                      pv.document().Style.PageSize = prPSA5;
                                      const Variant none = Variant::missing();
                                      ASSERT_EQ(pv.AddPage(none, none, none, none, none, none, r.given), "Page 2");
                                      EXPECT_EQ(pv.PageSize(), r.expected);
                                  });
}

TEST(NewPage, InchMarginsWithHalfInchBands) {
    Preview pv;
    ASSERT_EQ(pv.NewPage("1 in", "1 in", "1 in", "1 in", "0.5 in", "0.5 in"), "Page 2");
    auto page = pageOf(pv, "Page 2");
    EXPECT_EQ(page->PageSize(), prPSA4);
    EXPECT_EQ(pv.PageInsideLeft(), 1440);
    EXPECT_EQ(pv.PageInsideTop(), 2160);
    EXPECT_EQ(pv.PageInsideRight(), kA4Width - 1440);
    EXPECT_EQ(pv.PageInsideBottom(), kA4Height - 2160);
    EXPECT_EQ(pv.PageInsideWidth(), kA4Width - 2880);
    EXPECT_EQ(pv.PageInsideHeight(), kA4Height - 4320);
    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header", "footer"));
    EXPECT_EQ(rectOf(*page->Frames().Item("inside")), (Rect{1440, 2160, kA4Width - 2880, kA4Height - 4320}));
    EXPECT_EQ(rectOf(*page->Frames().Item("header")), (Rect{1440, 1440, kA4Width - 2880, 720}));
    EXPECT_EQ(rectOf(*page->Frames().Item("footer")), (Rect{1440, kA4Height - 2160, kA4Width - 2880, 720}));
    EXPECT_EQ(rectOf(*page->Frames().Item("WholePage")), (Rect{0, 0, kA4Width, kA4Height}));
}

TEST(NewPage, AMeasureThatDoesNotConvertCountsAsZeroAndThePageIsStillAdded) {
    Preview pv;
    ASSERT_EQ(pv.NewPage("1 inch", "1 in", "abc in", "720"), "Page 2");
    EXPECT_EQ(pv.PageMarginLeft(), 0);
    EXPECT_EQ(pv.PageMarginRight(), 1440);
    EXPECT_EQ(pv.PageMarginTop(), 0);
    EXPECT_EQ(pv.PageMarginBottom(), 720);
}

TEST(NewPage, MeasuresRoundHalfToEven) {
    Preview pv;
    pv.NewPage(2.5, 3.5, "0.01 in", "1.25 pt");
    EXPECT_EQ(pv.PageMarginLeft(), 2);
    EXPECT_EQ(pv.PageMarginRight(), 4);
    EXPECT_EQ(pv.PageMarginTop(), 14);
    EXPECT_EQ(pv.PageMarginBottom(), 25);
}

// ---------------------------------------------------------------------------------------
// After DeletePage the computed key can be one a remaining page has.

TEST(DeletePage, SecondOfFourThenAddPageFindsItsKeyTaken) {
    Preview pv;
    for (int i = 0; i < 3; ++i) pv.AddPage();
    auto page4 = pageOf(pv, "Page 4");
    pv.DeletePage(2);
    EXPECT_THAT(pageKeys(pv.document()), ElementsAre("Page 1", "Page 3", "Page 4"));
    // Remaining pages keep their logical numbers.
    EXPECT_EQ(pageOf(pv, "Page 3")->LogicalPageNo, 3);
    EXPECT_EQ(pageOf(pv, "Page 4")->LogicalPageNo, 4);

    pv.CurrentPage("Page 1");
    pv.CurrentFrame("WholePage");
    pv.CurrentX(99);
    EXPECT_EQ(pv.AddPage("1 in"), "");
    EXPECT_EQ(pv.TotalPages(), 3);
    EXPECT_EQ(pageOf(pv, "Page 4"), page4);
    EXPECT_EQ(page4->PageMarginLeft, 0);
    EXPECT_EQ(pv.CurrentPage(), "Page 4");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 0);
}

TEST(DeletePage, ARangeRemovesEveryPageInIt) {
    Preview pv;
    for (int i = 0; i < 4; ++i) pv.AddPage();
    pv.DeletePage(2, 4);
    EXPECT_THAT(pageKeys(pv.document()), ElementsAre("Page 1", "Page 5"));
    pv.DeletePage(7);  // beyond the last page: nothing
    EXPECT_EQ(pv.TotalPages(), 2);
    pv.DeletePage(1, 2);
    EXPECT_EQ(pv.TotalPages(), 0);
}

TEST(DeletePage, NextPageNumberFollowsTheLastRemainingPage) {
    Preview pv;
    pv.AddPage();
    pv.AddPage();
    pv.DeletePage(3);
    EXPECT_EQ(pv.AddPage(), "Page 3");
    EXPECT_EQ(pageOf(pv, "Page 3")->LogicalPageNo, 3);
}

// ---------------------------------------------------------------------------------------
// ClearPage and ClearFrame

TEST(ClearPage, LeavesThePageWithoutFramesSoAddersFindNoCurrentFrame) {
    Preview pv;
    pv.ClearPage(1);
    EXPECT_EQ(pv.TotalPages(), 1);
    auto page = pageOf(pv, "Page 1");
    EXPECT_EQ(page->Frames().Count(), 0);
    EXPECT_FALSE(pv.document().currentFrame());
    // An attribute set would add a style-change element to the current frame: there is none.
    pv.FontBold(false);
    pv.ShowBorder(true);
    pv.FrameLeft("1 in");
    EXPECT_EQ(page->Frames().Count(), 0);
    EXPECT_EQ(pv.FrameLeft(), 0);
    EXPECT_FALSE(pv.ShowBorder());
    // Choosing the page again finds no first frame.
    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.CurrentFrame(), "");
}

TEST(ClearPage, ARangeClearsEachPageAndKeepsThem) {
    Preview pv;
    pv.AddPage();
    pv.AddPage();
    pv.ClearPage(1, 2);
    EXPECT_EQ(pageOf(pv, "Page 1")->Frames().Count(), 0);
    EXPECT_EQ(pageOf(pv, "Page 2")->Frames().Count(), 0);
    EXPECT_EQ(pageOf(pv, "Page 3")->Frames().Count(), 2);
    EXPECT_EQ(pv.TotalPages(), 3);
}

TEST(ClearFrame, RemovesTheCurrentFramesElementsAndKeysStartAgain) {
    Preview pv;
    pv.FontBold(false);
    pv.FontBold(true);
    auto inside = frameOf(pv, "Page 1", "inside");
    ASSERT_EQ(inside->Elements().Count(), 2);
    pv.ClearFrame();
    EXPECT_EQ(inside->Elements().Count(), 0);
    pv.FontItalic(true);
    EXPECT_THAT(elementKeys(*inside), ElementsAre("El 1"));
}

// ---------------------------------------------------------------------------------------
// AddPageTemplate

TEST(AddPageTemplate, CopiesGeometryStyleAndFramesButNotTheInsideElements) {
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "0.5 in", "0.5 in", "0.5 in", "0.25 in", prPSLetter);
    pv.Orientation(prORLandscape);
    pv.FontItalic(true);  // inside: El 1
    pv.AddFrame("Box", "1 in", "1 in", "2 in", "1 in");
    pv.ShowBorder(true);
    pv.FontName("Courier New");  // Box: El 1
    pv.FontBold(false);          // Box: El 2
    pv.CurrentFrame("header");
    pv.FontSize(9);  // header: El 1
    auto source = pageOf(pv, "Page 1");

    pv.CurrentPage("Page 1");
    EXPECT_EQ(pv.AddPageTemplate(), "Page 2");
    auto page = pageOf(pv, "Page 2");
    ASSERT_TRUE(page);
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(page->LogicalPageNo, 2);
    EXPECT_EQ(page->PageSize(), prPSLetter);
    EXPECT_EQ(page->Style, source->Style);
    EXPECT_EQ(page->PageWidth(), 15840);
    EXPECT_EQ(page->PageHeight(), 12240);
    EXPECT_EQ(page->PageMarginLeft, 1440);
    EXPECT_EQ(page->PageMarginTop, 720);
    EXPECT_EQ(page->PageHeaderSize, 720);
    EXPECT_EQ(page->PageFooterSize, 360);
    EXPECT_EQ(page->PageInsideTop, source->PageInsideTop);
    EXPECT_EQ(page->PageInsideBottom, source->PageInsideBottom);

    EXPECT_THAT(frameKeys(*page), ElementsAre("inside", "WholePage", "header", "footer", "Box"));
    for (const auto& original : source->Frames()) {
        auto copy = page->Frames().Item(original->Key);
        ASSERT_TRUE(copy) << original->Key;
        EXPECT_NE(copy, original);
        EXPECT_EQ(rectOf(*copy), rectOf(*original)) << original->Key;
        EXPECT_EQ(copy->FrameType, original->FrameType) << original->Key;
        EXPECT_EQ(copy->ShowBorder, original->ShowBorder) << original->Key;
        EXPECT_EQ(copy->Style, original->Style) << original->Key;
    }
    EXPECT_EQ(page->Frames().Item("inside")->Elements().Count(), 0);
    EXPECT_EQ(source->Frames().Item("inside")->Elements().Count(), 1);
    auto box = page->Frames().Item("Box");
    ASSERT_THAT(elementKeys(*box), ElementsAre("El 1", "El 2"));
    EXPECT_NE(box->Elements().Item(1), source->Frames().Item("Box")->Elements().Item(1));
    EXPECT_EQ(std::dynamic_pointer_cast<cChangeStyle>(box->Elements().Item(2))->Style().FontName, "Courier New");
    EXPECT_THAT(elementKeys(*page->Frames().Item("header")), ElementsAre("El 1"));
}

TEST(AttributeChanges, EqualChangesOnTwoPagesShareOneStyle) {
    Preview pv;
    pv.AddFirstPage(0, 0, 0, 0, Variant::missing(), Variant::missing(), prPSA4);
    pv.FontBold(true);
    pv.AddPage();
    pv.FontBold(true);
    auto changeOn = [&](const std::string& page) {
        return std::dynamic_pointer_cast<cChangeStyle>(frameOf(pv, page, "inside")->Elements().Item(1));
    };
    ASSERT_TRUE(changeOn("Page 1") && changeOn("Page 2"));
    EXPECT_EQ(&changeOn("Page 1")->Style(), &changeOn("Page 2")->Style());
    EXPECT_TRUE(changeOn("Page 2")->Style().Bold);
}

TEST(AddPageTemplate, KeepsAUserSizedLandscapeSheet) {
    Preview pv;
    pv.PageWidth(10000);
    pv.PageHeight(5000);
    pv.PageSize(prPSUserDefine);
    pv.Orientation(prORLandscape);
    ASSERT_EQ(pv.PageWidth(), 5000);
    ASSERT_EQ(pv.AddPageTemplate(), "Page 2");
    EXPECT_EQ(pv.PageSize(), prPSUserDefine);
    EXPECT_EQ(pv.Orientation(), prORLandscape);
    EXPECT_EQ(pv.PageWidth(), 5000);
    EXPECT_EQ(pv.PageHeight(), 10000);
    EXPECT_EQ(pv.PageInsideRight(), 5000);
}

TEST(AddPageTemplate, NamedSourcePage) {
    Preview pv;
    pv.AddPage("1 in");
    pv.AddPage("2 in");
    ASSERT_EQ(pv.AddPageTemplate("page 2"), "Page 4");
    EXPECT_EQ(pv.PageMarginLeft(), 1440);
    EXPECT_EQ(pv.AddPageTemplate("Page 9"), "");
    EXPECT_EQ(pv.TotalPages(), 4);
}

// ---------------------------------------------------------------------------------------
// Frames and the current page, frame and position

TEST(AddFrame, AddsAFrameOnTheCurrentPageAndMakesItCurrent) {
    Preview pv;
    pv.CurrentX(5);
    EXPECT_EQ(pv.AddFrame("Box", "1 in", "2 in", "3 in", "10 mm"), "Box");
    auto box = frameOf(pv, "Page 1", "Box");
    ASSERT_TRUE(box);
    EXPECT_EQ(rectOf(*box), (Rect{1440, 2880, 4320, 567}));
    EXPECT_EQ(box->FrameType, 0);
    EXPECT_EQ(box->Style, pageOf(pv, "Page 1")->Style);
    EXPECT_EQ(pv.CurrentFrame(), "box");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.FrameLeft(), 1440);
    EXPECT_EQ(pv.FrameTop(), 2880);
    EXPECT_EQ(pv.FrameWidth(), 4320);
    EXPECT_EQ(pv.FrameHeight(), 567);
}

TEST(AddFrame, AUsedNameAddsNothingAndKeepsTheCurrentFrame) {
    Preview pv;
    pv.AddFrame("Box", 1, 2, 3, 4);
    pv.CurrentFrame("inside");
    pv.CurrentY(7);
    EXPECT_EQ(pv.AddFrame("BOX", 10, 20, 30, 40), "");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentY(), 0);
    EXPECT_THAT(frameKeys(*pageOf(pv, "Page 1")), ElementsAre("inside", "WholePage", "Box"));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "Box")), (Rect{1, 2, 3, 4}));
}

TEST(AddFrame, AMeasureThatDoesNotConvertLeavesThatSideAtZero) {
    Preview pv;
    EXPECT_EQ(pv.AddFrame("Box", "1 inch", "1 in", "abc in", 100), "Box");
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "Box")), (Rect{0, 1440, 0, 100}));
}

TEST(AddFrame, WithoutACurrentPageAddsNothing) {
    Preview pv;
    pv.document().CurrentPage("Nowhere");
    EXPECT_EQ(pv.AddFrame("Box", 1, 2, 3, 4), "");
    EXPECT_EQ(pageOf(pv, "Page 1")->Frames().Count(), 2);
}

TEST(CurrentFrame, HeaderWrittenWithCapitalFindsTheHeaderFrame) {
    Preview pv;
    pv.PageMarginTop("0.5 in");
    pv.PageHeaderSize("0.5 in");
    pv.CurrentX(3);
    pv.CurrentFrame("Header");
    EXPECT_EQ(pv.CurrentFrame(), "header");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.FrameTop(), 720);
    EXPECT_EQ(pv.FrameHeight(), 720);
}

TEST(CurrentFrame, WholePageIsStoredInLowerCase) {
    Preview pv;
    pv.CurrentFrame("WholePage");
    EXPECT_EQ(pv.CurrentFrame(), "wholepage");
    EXPECT_EQ(pv.FrameWidth(), kA4Width);
}

TEST(CurrentFrame, AnUnknownKeyChangesOnlyThePosition) {
    Preview pv;
    pv.CurrentX(3);
    pv.CurrentY(4);
    pv.CurrentFrame("footer");  // no footer band on this page
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.CurrentY(), 0);
}

TEST(CurrentPage, WriteSelectsThePageAndItsFirstFrame) {
    Preview pv;
    pv.AddPage();
    auto under = pageOf(pv, "Page 1")->Frames().Add("under", 4);
    ASSERT_TRUE(under);
    pv.CurrentX(3);
    pv.CurrentPage("page 1");
    EXPECT_EQ(pv.document().currentPage(), pageOf(pv, "Page 1"));
    EXPECT_EQ(pv.CurrentFrame(), "under");
    EXPECT_EQ(pv.CurrentX(), 0);
}

TEST(CurrentPage, AnUnknownKeyChangesOnlyThePosition) {
    Preview pv;
    pv.AddPage();
    pv.CurrentFrame("WholePage");
    pv.CurrentX(3);
    pv.CurrentY(4);
    pv.CurrentPage("Page 7");
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.CurrentFrame(), "wholepage");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.CurrentY(), 0);
}

TEST(CurrentPage, ReadWithNoCurrentPageFirstCreatesOne) {
    Preview pv;
    pv.document().Style.PageSize = prPSLetter;
    pv.document().CurrentPage("");
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.PageSize(), prPSLetter);
    EXPECT_EQ(pv.PageMarginLeft(), 720);
    EXPECT_EQ(pv.PageMarginRight(), 1440);
    EXPECT_EQ(pv.PageMarginTop(), 720);
    EXPECT_EQ(pv.PageMarginBottom(), 1440);
    EXPECT_EQ(pv.PageHeaderSize(), 1080);
    EXPECT_EQ(pv.PageFooterSize(), 0);
    EXPECT_THAT(frameKeys(*pageOf(pv, "Page 2")), ElementsAre("inside", "WholePage", "header"));
    // Read again: the page is there now.
    EXPECT_EQ(pv.CurrentPage(), "Page 2");
    EXPECT_EQ(pv.TotalPages(), 2);
}

TEST(CurrentPosition, IsReadAndWrittenWithoutConversion) {
    Preview pv;
    pv.CurrentX(-1440);
    pv.CurrentY(123456);
    EXPECT_EQ(pv.CurrentX(), -1440);
    EXPECT_EQ(pv.CurrentY(), 123456);
}

TEST(FrameProperties, WriteTheCurrentFrameAndABadMeasureKeepsTheOldValue) {
    Preview pv;
    pv.AddFrame("Box", 0, 0, 0, 0);
    pv.FrameLeft("1 in");
    pv.FrameTop("0.5 in");
    pv.FrameWidth("2 cm");
    pv.FrameHeight(300);
    pv.FrameLeft("3 furlongs");
    pv.FrameWidth("x in");
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "Box")), (Rect{1440, 720, 1134, 300}));
    pv.ShowBorder(true);
    pv.BorderColor(0x0000FF);
    EXPECT_TRUE(pv.ShowBorder());
    EXPECT_EQ(pv.BorderColor(), 0x0000FF);
    EXPECT_EQ(frameOf(pv, "Page 1", "Box")->Border.Color, 0x0000FF);
    EXPECT_FALSE(frameOf(pv, "Page 1", "inside")->ShowBorder);
}

// ---------------------------------------------------------------------------------------
// Page geometry of the current page

struct MeasureRow {
    const char* name;
    std::function<void(Preview&, const Variant&)> set;
    std::function<std::int32_t(const Preview&)> get;
};

TEST(PageGeometry, MeasuresAreWholeTwipsAndABadMeasureKeepsTheOldValue) {
    test::forEachRow<MeasureRow>(
        {{"MarginLeft", [](Preview& p, const Variant& v) { p.PageMarginLeft(v); },
          [](const Preview& p) { return p.PageMarginLeft(); }},
         {"MarginRight", [](Preview& p, const Variant& v) { p.PageMarginRight(v); },
          [](const Preview& p) { return p.PageMarginRight(); }},
         {"MarginTop", [](Preview& p, const Variant& v) { p.PageMarginTop(v); },
          [](const Preview& p) { return p.PageMarginTop(); }},
         {"MarginBottom", [](Preview& p, const Variant& v) { p.PageMarginBottom(v); },
          [](const Preview& p) { return p.PageMarginBottom(); }},
         {"HeaderSize", [](Preview& p, const Variant& v) { p.PageHeaderSize(v); },
          [](const Preview& p) { return p.PageHeaderSize(); }},
         {"FooterSize", [](Preview& p, const Variant& v) { p.PageFooterSize(v); },
          [](const Preview& p) { return p.PageFooterSize(); }}},
        [&](const MeasureRow& r) {
            Preview pv;
            r.set(pv, Variant("1 in"));
            ASSERT_EQ(r.get(pv), 1440);
            const Rect inside{pv.PageInsideLeft(), pv.PageInsideTop(), pv.PageInsideWidth(), pv.PageInsideHeight()};
            const std::int32_t frames = pageOf(pv, "Page 1")->Frames().Count();
            for (const char* bad : {"1 inch", "abc in", "1in", "", "9e40 in"}) {
                r.set(pv, Variant(bad));
                EXPECT_EQ(r.get(pv), 1440) << bad;
                EXPECT_EQ((Rect{pv.PageInsideLeft(), pv.PageInsideTop(), pv.PageInsideWidth(), pv.PageInsideHeight()}),
                          inside)
                    << bad;
                EXPECT_EQ(pageOf(pv, "Page 1")->Frames().Count(), frames) << bad;
            }
            r.set(pv, Variant(2.5));
            EXPECT_EQ(r.get(pv), 2);
        });
}

TEST(PageMargins, MoveTheInsideFrameAndTheBands) {
    Preview pv;
    pv.PageHeaderSize(360);
    pv.PageFooterSize(540);
    pv.PageMarginLeft("1 in");
    pv.PageMarginRight("0.5 in");
    pv.PageMarginTop(100);
    pv.PageMarginBottom(200);
    EXPECT_EQ(pv.PageInsideLeft(), 1440);
    EXPECT_EQ(pv.PageInsideTop(), 460);
    EXPECT_EQ(pv.PageInsideRight(), kA4Width - 720);
    EXPECT_EQ(pv.PageInsideBottom(), kA4Height - 740);
    const std::int32_t width = kA4Width - 2160;
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "inside")), (Rect{1440, 460, width, kA4Height - 740 - 460}));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "header")), (Rect{1440, 100, width, 360}));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "footer")), (Rect{1440, kA4Height - 740, width, 540}));
}

TEST(PageBands, ABandSetAboveZeroCreatesItsFrameOnce) {
    Preview pv;
    pv.PageFooterSize("0.5 in");
    pv.PageHeaderSize("0.25 in");
    pv.PageHeaderSize("0.5 in");
    EXPECT_THAT(frameKeys(*pageOf(pv, "Page 1")), ElementsAre("inside", "WholePage", "footer", "header"));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "header")), (Rect{0, 0, kA4Width, 720}));
    EXPECT_EQ(frameOf(pv, "Page 1", "footer")->FrameType, kFrameFooter);
    // Back to zero: the frame stays, without depth.
    pv.PageHeaderSize(0);
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "header")), (Rect{0, 0, kA4Width, 0}));
    EXPECT_EQ(pv.PageInsideTop(), 0);
}

TEST(PageSize, OnAOnePageDocumentAlsoSetsTheDocumentStyleAndResizesTheSheet) {
    Preview pv;
    pv.PageSize(prPSLetter);
    EXPECT_EQ(pv.PageSize(), prPSLetter);
    EXPECT_EQ(pv.document().Style.PageSize, prPSLetter);
    EXPECT_EQ(pv.PageWidth(), 12240);
    EXPECT_EQ(pv.PageHeight(), 15840);
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "inside")), (Rect{0, 0, 12240, 15840}));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "WholePage")), (Rect{0, 0, 12240, 15840}));
    pv.AddPage();
    EXPECT_EQ(pv.PageSize(), prPSLetter);
}

TEST(PageSize, WithSeveralPagesChangesOnlyTheCurrentPage) {
    Preview pv;
    pv.AddPage();
    pv.PageSize(prPSLegal);
    EXPECT_EQ(pv.document().Style.PageSize, prPSA4);
    EXPECT_EQ(pageOf(pv, "Page 1")->PageSize(), prPSA4);
    EXPECT_EQ(pv.PageHeight(), 20160);
}

TEST(PageWidthHeight, WritesTheUserSizeThatOnlyTheUserPaperSizeUses) {
    Preview pv;
    pv.PageWidth(10000);
    pv.PageHeight(5000);
    EXPECT_EQ(pv.PageWidth(), kA4Width);
    EXPECT_EQ(pv.PageHeight(), kA4Height);
    pv.PageSize(prPSUserDefine);
    EXPECT_EQ(pv.PageWidth(), 10000);
    EXPECT_EQ(pv.PageHeight(), 5000);
    EXPECT_EQ(pv.PageInsideRight(), 10000);
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "WholePage")), (Rect{0, 0, 10000, 5000}));
}

TEST(Orientation, TurnsTheSheetAndOnAOnePageDocumentTheDocumentStyle) {
    Preview pv;
    EXPECT_EQ(pv.Orientation(), prORPortrait);
    pv.Orientation(prORLandscape);
    EXPECT_EQ(pv.Orientation(), prORLandscape);
    EXPECT_EQ(pv.document().Style.Orientation, prORLandscape);
    EXPECT_EQ(pv.PageWidth(), kA4Height);
    EXPECT_EQ(pv.PageHeight(), kA4Width);
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "inside")), (Rect{0, 0, kA4Height, kA4Width}));
    EXPECT_EQ(rectOf(*frameOf(pv, "Page 1", "WholePage")), (Rect{0, 0, kA4Height, kA4Width}));
    pv.AddPage();
    EXPECT_EQ(pv.Orientation(), prORLandscape);
    EXPECT_EQ(pv.PageWidth(), kA4Height);
}

TEST(Orientation, WithSeveralPagesTurnsOnlyTheCurrentPage) {
    Preview pv;
    pv.AddPage();
    pv.Orientation(prORLandscape);
    EXPECT_EQ(pv.document().Style.Orientation, prORPortrait);
    EXPECT_EQ(pageOf(pv, "Page 1")->Style.Orientation, prORPortrait);
    EXPECT_EQ(pv.PageInsideBottom(), kA4Width);
}

// ---------------------------------------------------------------------------------------
// Document information, page count, a new document

TEST(DocInfo, CreationDateIsTodayAndAnUnsetItemIsNotFound) {
    const std::string before = shortDateToday();
    Preview pv;
    const std::string after = shortDateToday();
    const std::string date = pv.DocInfoGet("CreationDate");
    EXPECT_TRUE(date == before || date == after) << date;
    EXPECT_EQ(pv.DocInfoGet("Author"), "not found");
    EXPECT_EQ(pv.DocInfoGet("creationdate"), "not found");  // names compare exactly
}

TEST(DocInfo, SettingAnItemAgainMovesItToTheEnd) {
    Preview pv;
    pv.DocInfoSet("Author", "Ann");
    pv.DocInfoSet("Title", "Report");
    pv.DocInfoSet("author", "lower");
    pv.DocInfoSet("Author", "Bob");
    const auto& info = pv.document().DocInfo;
    ASSERT_EQ(info.size(), 4u);
    EXPECT_EQ(info[0].first, "CreationDate");
    EXPECT_EQ(info[1], (std::pair<std::string, std::string>("Title", "Report")));
    EXPECT_EQ(info[2], (std::pair<std::string, std::string>("author", "lower")));
    EXPECT_EQ(info[3], (std::pair<std::string, std::string>("Author", "Bob")));
    EXPECT_EQ(pv.DocInfoGet("Author"), "Bob");
}

TEST(DocInfo, GetAnswersTheFirstItemOfThatName) {
    Preview pv;
    pv.document().DocInfo.emplace_back("Tag", "one");
    pv.document().DocInfo.emplace_back("Tag", "two");
    EXPECT_EQ(pv.DocInfoGet("Tag"), "one");
}

TEST(KillDoc, StartsANewDocument) {
    Preview pv;
    pv.AddPage();
    pv.AddStyle("Big", "Arial", 24);
    pv.DocInfoSet("Author", "Ann");
    pv.CurrentX(7);
    pv.KillDoc();
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.CurrentPage(), "Page 1");
    EXPECT_EQ(pv.CurrentFrame(), "inside");
    EXPECT_EQ(pv.CurrentX(), 0);
    EXPECT_EQ(pv.GetAllStyles(), "Normal/Heading1/Heading2/Heading3/Heading4/Heading5");
    EXPECT_EQ(pv.DocInfoGet("Author"), "not found");
}

TEST(TwoPreviews, HoldTwoDocuments) {
    Preview a;
    Preview b;
    a.AddPage();
    EXPECT_EQ(a.TotalPages(), 2);
    EXPECT_EQ(b.TotalPages(), 1);
}

}  // namespace
}  // namespace kalder
