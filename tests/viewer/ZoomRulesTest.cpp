// The zoom rules on their own: what a zoom text selects, what each mode fits, the steps and
// the stored Zoom property.
#include <gtest/gtest.h>

#include "kalder/Enums.h"
#include "support/TableTest.h"
#include "viewer/ZoomRules.h"

namespace kalder {
namespace {

const ZoomNames kNames{"Page Width", "Whole Page", "Two Pages"};

TEST(ZoomRules, WhatAZoomTextSelects) {
    struct Row {
        const char* name;
        const char* text;
        int pages;
        ZoomMode mode;
        double percent;
        bool twoPages;
        const char* shown;
    };
    test::forEachRow<Row>(
        {
            {"a list percentage", "75%", 3, ZoomMode::Percent, 75, false, "75%"},
            {"a typed number", "80", 3, ZoomMode::Percent, 80, false, "80%"},
            {"text after the percent sign is ignored", "60% please", 3, ZoomMode::Percent, 60, false, "60%"},
            {"blanks around the number", " 90 ", 3, ZoomMode::Percent, 90, false, "90%"},
            {"above the cap", "300", 3, ZoomMode::Percent, 175, false, "175%"},
            {"just at the cap", "175", 3, ZoomMode::Percent, 175, false, "175%"},
            {"not a number", "abc", 3, ZoomMode::Percent, 100, false, "100%"},
            {"empty", "", 3, ZoomMode::Percent, 100, false, "100%"},
            {"zero", "0", 3, ZoomMode::Percent, 100, false, "100%"},
            {"negative", "-20", 3, ZoomMode::Percent, 100, false, "100%"},
            {"page width", "Page Width", 3, ZoomMode::PageWidth, 100, false, "Page Width"},
            {"whole page", "Whole Page", 3, ZoomMode::WholePage, 100, false, "Whole Page"},
            {"two pages", "Two Pages", 2, ZoomMode::TwoPages, 100, true, "Two Pages"},
            {"two pages of a one-page document", "Two Pages", 1, ZoomMode::WholePage, 100, false, "Whole Page"},
            {"names compare exactly", "two pages", 3, ZoomMode::Percent, 100, false, "100%"},
        },
        [](const Row& row) {
            const ZoomChoice c = chooseZoom(row.text, row.pages, kNames);
            EXPECT_EQ(c.mode, row.mode);
            if (c.mode == ZoomMode::Percent) EXPECT_DOUBLE_EQ(c.percent, row.percent);
            EXPECT_EQ(c.twoPages, row.twoPages);
            EXPECT_EQ(c.text, row.shown);
        });
}

TEST(ZoomRules, EitherDecimalMarkIsTyped) {
    EXPECT_DOUBLE_EQ(chooseZoom("62.5", 1, kNames).percent, 62.5);
    EXPECT_DOUBLE_EQ(chooseZoom("62,5%", 1, kNames).percent, 62.5);
}

// An A4 page (11906 x 16838 twips) in an area of 900 x 600 pixels at 15 twips per pixel,
// scroll bars 16 pixels.
ZoomGeometry a4In(double w, double h) { return {11906, 16838, w, h, 240, 240}; }

TEST(ZoomRules, WhatEachModeFits) {
    struct Row {
        const char* name;
        ZoomMode mode;
        double percent;
        ZoomGeometry g;
        double expected;
        bool vbar;
        bool hbar;
    };
    const ZoomGeometry wide = a4In(13500, 9000);
    test::forEachRow<Row>(
        {
            {"whole page: the height limits", ZoomMode::WholePage, 0, wide, (9000 - 100) * 100.0 / 16838, false, false},
            {"whole page: the width limits", ZoomMode::WholePage, 0, a4In(6000, 30000), (6000 - 100) * 100.0 / 11906,
             false, false},
            {"page width, taller than the area: bar first", ZoomMode::PageWidth, 0, wide,
             (13500 - 100 - 240) * 100.0 / 11906, true, false},
            {"page width, fits in height", ZoomMode::PageWidth, 0, a4In(6000, 30000), (6000 - 100) * 100.0 / 11906,
             false, false},
            {"two pages", ZoomMode::TwoPages, 0, wide,
             std::min((13500 - 150) * 100.0 / (2 * 11906), (9000 - 100) * 100.0 / 16838), false, false},
            {"percent fits", ZoomMode::Percent, 50, wide, 50, false, false},
            {"percent taller only", ZoomMode::Percent, 75, wide, 75, true, false},
            {"percent wider and taller", ZoomMode::Percent, 150, wide, 150, true, true},
            {"percent wider only", ZoomMode::Percent, 100, a4In(11000, 30000), 100, false, true},
            {"the vertical bar takes room from the width", ZoomMode::Percent, 100, a4In(12000, 16000), 100, true,
             true},
            {"the horizontal bar takes room from the height", ZoomMode::Percent, 100, a4In(11000, 17000), 100,
             true, true},
            {"fits are capped", ZoomMode::WholePage, 0, a4In(60000, 60000), 175, false, false},
        },
        [](const Row& row) {
            const ZoomFit fit = fitZoom(row.mode, row.percent, row.g);
            EXPECT_NEAR(fit.percent, row.expected, 1e-9);
            EXPECT_EQ(fit.verticalBar, row.vbar);
            EXPECT_EQ(fit.horizontalBar, row.hbar);
        });
}

TEST(ZoomRules, StepsAndFactor) {
    struct Row {
        const char* name;
        double from;
        double in;
        double out;
    };
    test::forEachRow<Row>(
        {
            {"in the middle", 100, 125, 75},
            {"near the top", 160, 175, 135},
            {"at the top", 175, 175, 150},
            {"near the bottom", 40, 65, 25},
            {"at the bottom", 25, 50, 25},
            {"a fitted percentage steps from its whole part", 63.7, 88, 38},
        },
        [](const Row& row) {
            EXPECT_DOUBLE_EQ(zoomedIn(row.from), row.in);
            EXPECT_DOUBLE_EQ(zoomedOut(row.from), row.out);
        });
    EXPECT_DOUBLE_EQ(zoomFactorOf(75), 0.75);
    EXPECT_DOUBLE_EQ(zoomFactorOf(0), 1.0);
    EXPECT_DOUBLE_EQ(zoomFactorOf(-3), 1.0);
}

TEST(ZoomRules, TheZoomPropertyAsStoredAndOpened) {
    struct Row {
        const char* name;
        std::int32_t given;
        std::int32_t stored;
        const char* opens;
    };
    test::forEachRow<Row>(
        {
            {"a percentage", 75, 75, "75"},
            {"the stored maximum", 200, 200, "200"},
            {"above it", 300, 200, "200"},
            {"zero", 0, 0, "0"},
            {"two pages", prZMTwoPages, prZMTwoPages, "Two Pages"},
            {"whole page", prZMWholePage, prZMWholePage, "Whole Page"},
            {"page width", prZMPageWidth, prZMPageWidth, "Page Width"},
            {"the default opens at the whole page", prZMDefault, prZMDefault, "Whole Page"},
            {"below -4", -5, prZMDefault, "Whole Page"},
        },
        [](const Row& row) {
            EXPECT_EQ(storedZoom(row.given), row.stored);
            EXPECT_EQ(zoomTextForProperty(row.stored, kNames), row.opens);
        });
    // 200 opens at the cap.
    EXPECT_DOUBLE_EQ(chooseZoom(zoomTextForProperty(300, kNames), 1, kNames).percent, 175);
}

}  // namespace
}  // namespace kalder
