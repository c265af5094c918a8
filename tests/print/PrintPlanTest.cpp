// Planning the print run: pages, repetitions, printer copies, orientation changes and
// sheet breaks, without a printer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kalder/Enums.h"
#include "print/PrintPlan.h"
#include "support/TableTest.h"

using namespace kalder;

namespace {

constexpr int P = prORPortrait;
constexpr int L = prORLandscape;

std::vector<int> sentPages(const PrintPlan& plan) {
    std::vector<int> out;
    for (const auto& s : plan.sheets) out.push_back(s.page);
    return out;
}

struct PagesRow {
    const char* name;
    cPrinterStyle settings;
    int pageCount;
    std::vector<int> pages;
    int printerCopies;
};

cPrinterStyle style(int pagesOpt, int copies = 1, bool collate = true, std::string range = {}, int oddEven = prOEBoth) {
    cPrinterStyle s;
    s.PagesOpt = pagesOpt;
    s.Copies = copies;
    s.Collate = collate;
    s.PageRange = std::move(range);
    s.OddEven = oddEven;
    return s;
}

TEST(PrintPlan, PagesAndCopies) {
    test::forEachRow<PagesRow>(
        {
            {"all pages once", style(prPOAll), 3, {1, 2, 3}, 1},
            {"two copies collated: the printer copies", style(prPOAll, 2, true), 3, {1, 2, 3}, 2},
            {"two copies uncollated: each page twice in a row", style(prPOAll, 2, false), 3, {1, 1, 2, 2, 3, 3}, 1},
            {"uncollated range leaves copies to the printer", style(prPORange, 2, false, "1-2"), 3, {1, 2}, 2},
            {"uncollated odd pages leave copies to the printer", style(prPOOddEven, 3, false, "", prOEOdd), 3, {1, 3}, 3},
            {"zero copies print once", style(prPOAll, 0, false), 2, {1, 2}, 1},
            {"current page", style(prPOCurrent, 1, true, "2"), 3, {2}, 1},
            {"current page beyond the document", style(prPOCurrent, 1, true, "9"), 3, {}, 1},
            {"current page without a number", style(prPOCurrent, 1, true, ""), 3, {}, 1},
            {"range in its order with duplicates", style(prPORange, 1, true, "3,1,1"), 3, {3, 1, 1}, 1},
            {"range skips pages beyond the document", style(prPORange, 1, true, "0,2,4-6,3"), 4, {2, 4, 3}, 1},
            {"even pages of five", style(prPOOddEven, 1, true, "", prOEEven), 5, {2, 4}, 1},
            {"odd pages of five", style(prPOOddEven, 1, true, "", prOEOdd), 5, {1, 3, 5}, 1},
            {"both of odd and even", style(prPOOddEven, 1, true, "", prOEBoth), 3, {1, 2, 3}, 1},
            {"unknown page option plans nothing", style(7), 3, {}, 1},
            {"empty document", style(prPOAll), 0, {}, 1},
        },
        [](const PagesRow& row) {
            const PrintPlan plan = planPrintRun(row.settings, std::vector<std::int32_t>(row.pageCount, P));
            EXPECT_EQ(sentPages(plan), row.pages);
            EXPECT_EQ(plan.printerCopies, row.printerCopies);
            EXPECT_EQ(plan.printerCollate, row.settings.Collate);
        });
}

TEST(PrintPlan, SheetBreaksAndBlankLines) {
    const PrintPlan all = planPrintRun(style(prPOAll, 2, false), {P, P});
    ASSERT_EQ(all.sheets.size(), 4u);
    EXPECT_FALSE(all.sheets[0].newSheet);
    for (std::size_t i = 1; i < all.sheets.size(); ++i) EXPECT_TRUE(all.sheets[i].newSheet) << i;
    for (const auto& s : all.sheets) EXPECT_FALSE(s.blankLine);

    // Printing a selection prints an empty line on each sheet, so an empty page still feeds one.
    const PrintPlan range = planPrintRun(style(prPORange, 1, true, "2,1"), {P, P});
    ASSERT_EQ(range.sheets.size(), 2u);
    EXPECT_TRUE(range.sheets[0].blankLine);
    EXPECT_TRUE(range.sheets[1].blankLine);
    EXPECT_TRUE(range.sheets[1].newSheet);
}

struct OrientationRow {
    const char* name;
    int orientOpt;
    std::vector<std::int32_t> pages;
    int copies;
    bool collate;
    std::vector<int> printed;      // orientation of each sheet
    std::vector<bool> setBefore;   // orientation set before each sheet
};

TEST(PrintPlan, OrientationChanges) {
    test::forEachRow<OrientationRow>(
        {
            {"as is follows the pages", prOOAsIs, {P, L, L, P}, 1, true, {P, L, L, P}, {true, true, false, true}},
            {"portrait forces portrait, set where the pages change", prOOPortrait, {P, L, P}, 1, true, {P, P, P},
             {true, true, true}},
            {"landscape forces landscape", prOOLandscape, {P, P}, 1, true, {L, L}, {true, false}},
            {"repeated pages keep their orientation", prOOAsIs, {L, P}, 2, false, {L, L, P, P}, {true, false, true, false}},
        },
        [](const OrientationRow& row) {
            cPrinterStyle s = style(prPOAll, row.copies, row.collate);
            s.OrientOpt = row.orientOpt;
            const PrintPlan plan = planPrintRun(s, row.pages);
            std::vector<int> printed;
            std::vector<bool> setBefore;
            for (const auto& sheet : plan.sheets) {
                printed.push_back(sheet.orientation);
                setBefore.push_back(sheet.setOrientation);
            }
            EXPECT_EQ(printed, row.printed);
            EXPECT_EQ(setBefore, row.setBefore);
        });
}

TEST(PrintPlan, OrientationComparesWithThePreviousSheetNotThePreviousPage) {
    // Pages 1 and 3 are landscape, page 2 portrait: printing 1 then 3 needs no change.
    cPrinterStyle s = style(prPORange, 1, true, "1,3");
    const PrintPlan plan = planPrintRun(s, {L, P, L});
    ASSERT_EQ(plan.sheets.size(), 2u);
    EXPECT_TRUE(plan.sheets[0].setOrientation);
    EXPECT_FALSE(plan.sheets[1].setOrientation);
}

}  // namespace
