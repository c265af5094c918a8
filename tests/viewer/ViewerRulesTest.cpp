// The rules of the preview window on their own: what a zoom text selects, what each zoom mode
// fits, the steps and the stored Zoom property; what the find routine matches and where it
// goes next.
#include <gtest/gtest.h>

#include <sstream>

#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "support/TableTest.h"
#include "support/Window.h"
#include "viewer/TextSearch.h"
#include "viewer/ZoomRules.h"

namespace kalder {
namespace {

const ZoomNames kNames{"Page Width", "Whole Page", "Two Pages"};

// The box's text, the mode, and the percentage of a percent mode ("two pages" when so).
std::string described(const ZoomChoice& c) {
    const char* modes[] = {"percent", "whole page", "page width", "two pages mode"};
    std::ostringstream out;
    out << c.text << ", " << modes[static_cast<int>(c.mode)];
    if (c.mode == ZoomMode::Percent) out << " " << c.percent;
    out << (c.twoPages ? ", two pages" : "");
    return out.str();
}

TEST(ZoomRules, WhatAZoomTextSelects) {
    struct Row { const char* name; const char* text; int pages; const char* selects; };
    test::forEachRow<Row>({
            {"a list percentage", "75%", 3, "75%, percent 75"}, {"a typed number", "80", 3, "80%, percent 80"},
            {"text after the percent sign", "60% please", 3, "60%, percent 60"},
            {"blanks around the number", " 90 ", 3, "90%, percent 90"},
            {"above the cap", "300", 3, "175%, percent 175"},
            {"just at the cap", "175", 3, "175%, percent 175"}, {"just below it", "174", 3, "174%, percent 174"},
            {"not a number", "abc", 3, "100%, percent 100"}, {"empty", "", 3, "100%, percent 100"},
            {"zero", "0", 3, "100%, percent 100"}, {"negative", "-20", 3, "100%, percent 100"},
            {"just above zero", "1", 3, "1%, percent 1"}, {"page width", "Page Width", 3, "Page Width, page width"},
            {"whole page", "Whole Page", 3, "Whole Page, whole page"},
            {"two pages", "Two Pages", 2, "Two Pages, two pages mode, two pages"},
            {"two pages of a one-page document", "Two Pages", 1, "Whole Page, whole page"},
            {"names compare exactly", "two pages", 3, "100%, percent 100"},
        }, [](const Row& row) { EXPECT_EQ(described(chooseZoom(row.text, row.pages, kNames)), row.selects); });
    // Either decimal mark is typed; the box then shows the user's own.
    EXPECT_DOUBLE_EQ(chooseZoom("62.5", 1, kNames).percent, 62.5);
    EXPECT_DOUBLE_EQ(chooseZoom("62,5%", 1, kNames).percent, 62.5);
}

// An A4 page (11906 x 16838 twips) in an area of the given size, scroll bars 240 twips.
ZoomGeometry a4In(double w, double h) { return {11906, 16838, w, h, 240, 240}; }

TEST(ZoomRules, WhatEachModeFits) {
    struct Row { const char* name; ZoomMode mode; double percent; ZoomGeometry g; double expected; bool vbar, hbar; };
    const ZoomGeometry wide = a4In(13500, 9000), tall = a4In(6000, 30000);
    using enum ZoomMode;
    // Fits leave 100 twips of margin, two pages 150 across.
    test::forEachRow<Row>({
            {"whole page: the height limits", WholePage, 0, wide, 8900 * 100.0 / 16838, false, false},
            {"whole page: the width limits", WholePage, 0, tall, 5900 * 100.0 / 11906, false, false},
            {"page width, taller: bar first", PageWidth, 0, wide, (13400 - 240) * 100.0 / 11906, true, false},
            {"page width, fits in height", PageWidth, 0, tall, 5900 * 100.0 / 11906, false, false},
            {"two pages", TwoPages, 0, wide, std::min(13350 * 100.0 / (2 * 11906), 8900 * 100.0 / 16838), false, false},
            {"percent fits", Percent, 50, wide, 50, false, false},
            {"percent taller only", Percent, 75, wide, 75, true, false},
            {"percent wider and taller", Percent, 150, wide, 150, true, true},
            {"percent wider only", Percent, 100, a4In(11000, 30000), 100, false, true},
            {"the vertical bar takes room from the width", Percent, 100, a4In(12000, 16000), 100, true, true},
            {"the horizontal bar takes room from the height", Percent, 100, a4In(11000, 17000), 100, true, true},
            {"just fits", Percent, 100, a4In(11906, 16838), 100, false, false},
            {"fits are capped", WholePage, 0, a4In(60000, 60000), 175, false, false},
        }, [](const Row& row) {
            const ZoomFit fit = fitZoom(row.mode, row.percent, row.g);
            EXPECT_NEAR(fit.percent, row.expected, 1e-9);
            EXPECT_EQ(fit.verticalBar, row.vbar);
            EXPECT_EQ(fit.horizontalBar, row.hbar);
        });
}

TEST(ZoomRules, StepsFactorAndTheStoredProperty) {
    struct Step { const char* name; double from, in, out; };
    test::forEachRow<Step>({
            {"in the middle", 100, 125, 75}, {"near the top", 160, 175, 135}, {"at the top", 175, 175, 150},
            {"near the bottom", 40, 65, 25}, {"at the bottom", 25, 50, 25}, {"one above the bottom", 26, 51, 25},
            {"a fitted percentage steps from its whole part", 63.7, 88, 38},
        }, [](const Step& row) {
            EXPECT_DOUBLE_EQ(zoomedIn(row.from), row.in);
            EXPECT_DOUBLE_EQ(zoomedOut(row.from), row.out);
        });
    EXPECT_EQ(std::vector<double>({zoomFactorOf(75), zoomFactorOf(0), zoomFactorOf(-3)}),
              std::vector<double>({0.75, 1, 1}));
    struct Stored { const char* name; std::int32_t given, stored; const char* opens; };
    test::forEachRow<Stored>({
            {"a percentage", 75, 75, "75"}, {"the stored maximum", 200, 200, "200"}, {"above it", 201, 200, "200"},
            {"zero", 0, 0, "0"}, {"two pages", prZMTwoPages, prZMTwoPages, "Two Pages"},
            {"whole page", prZMWholePage, prZMWholePage, "Whole Page"},
            {"page width", prZMPageWidth, prZMPageWidth, "Page Width"},
            {"the default opens at the whole page", prZMDefault, prZMDefault, "Whole Page"},
            {"below -4", -5, prZMDefault, "Whole Page"},
        }, [](const Stored& row) {
            EXPECT_EQ(storedZoom(row.given), row.stored);
            EXPECT_EQ(zoomTextForProperty(row.stored, kNames), row.opens);
        });
    // 200 opens at the cap.
    EXPECT_DOUBLE_EQ(chooseZoom(zoomTextForProperty(300, kNames), 1, kNames).percent, 175);
}

TEST(TextSearch, WhatMatches) {
    struct Row { const char* name; const char* text; const char* wanted; bool matchCase, whole, expected; };
    test::forEachRow<Row>({
            {"lower finds capitals", "THE CAT", "cat", false, false, true},
            {"and mixed case", "The Cat", "cat", false, false, true},
            {"match case tells them apart", "The Cat", "cat", true, false, false},
            {"match case, same case", "The Cat", "Cat", true, false, true},
            {"inside a longer word", "Concatenate", "cat", false, false, true},
            {"whole word: not inside a longer one", "Concatenate", "cat", false, true, false},
            {"whole word: the whole text", "cat", "cat", false, true, true},
            {"whole word: first, before a blank", "cat sat", "cat", false, true, true},
            {"whole word: last, after a blank", "a big cat", "cat", false, true, true},
            {"whole word: only blanks bound words", "the cat, sat", "cat", false, true, false},
            {"whole word: a later occurrence counts", "cats and a cat", "cat", false, true, true},
            {"non-ASCII without case", "ÉTÉ chaud", "été", false, true, true},
            {"empty search text", "anything", "", false, false, false}, {"absent", "dog", "cat", false, false, false},
        }, [](const Row& row) {
            EXPECT_EQ(textMatches(row.text, row.wanted, row.matchCase, row.whole), row.expected);
        });
}

TEST(TextSearch, FindNextWalksFromTheCurrentPage) {
    Preview pv;
    test::buildPages(pv, {{"Alpha beta", "the cat sat", "Concatenate"},
                          {"CAT in capitals", "another line"},
                          {"Mixed Cat case", "cat"}});
    // The texts found one after another from `page`, following the search position as the
    // dialog does.
    auto walk = [&](SearchOptions o, std::int32_t page) {
        std::string found;
        SearchPosition last;
        for (int n = 0; n < 20; ++n) {
            const auto m = findNext(pv.document(), page, o, last);
            if (!m) break;
            last = m->position;
            page = m->pageNumber;
            auto frame = pv.document().pages().Item(last.page)->Frames().Item(last.frame);
            found += std::to_string(page) + ":" + *searchableText(*frame->Elements().Item(last.element)) + "; ";
        }
        return found;
    };
    EXPECT_EQ(walk({"cat", false, false, true}, 1),
              "1:the cat sat; 1:Concatenate; 2:CAT in capitals; 3:Mixed Cat case; 3:cat; ");
    EXPECT_EQ(walk({"cat", false, true, true}, 1), "1:the cat sat; 2:CAT in capitals; 3:Mixed Cat case; 3:cat; ");
    EXPECT_EQ(walk({"cat", true, true, true}, 1), "1:the cat sat; 3:cat; ");
    EXPECT_EQ(walk({"cat", false, false, true}, 2), "2:CAT in capitals; 3:Mixed Cat case; 3:cat; ");
    EXPECT_EQ(walk({"cat", false, false, false}, 2), "2:CAT in capitals; ");  // the current page only
    EXPECT_EQ(walk({"nothing", false, false, false}, 2), "");
    EXPECT_EQ(walk({"", false, false, true}, 1), "");
    // The user went back to page 1 after a match on page 3: the search starts there, not
    // after the page-3 match.
    const auto onThree = findNext(pv.document(), 3, {"cat", false, false, true}, {});
    ASSERT_TRUE(onThree);
    const auto again = findNext(pv.document(), 1, {"cat", false, false, true}, onThree->position);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pageNumber, 1);
    pv.document().pages().Clear();
    EXPECT_FALSE(findNext(pv.document(), 1, {"cat", false, false, true}, {}));
}

}  // namespace
}  // namespace kalder
