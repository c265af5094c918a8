// The page list people type: items, ranges, what is skipped and what is kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/PageRange.h"
#include "support/TableTest.h"

using kalder::leadingPageNumber;
using kalder::parsePageRange;

namespace {

std::vector<int> pages(const std::string& text) {
    std::vector<int> out;
    for (auto p : parsePageRange(text)) out.push_back(p);
    return out;
}

std::vector<int> span(int from, int to) {
    std::vector<int> out;
    for (int p = from; p <= to; ++p) out.push_back(p);
    return out;
}

struct RangeRow {
    const char* name;
    std::string text;
    std::vector<int> expected;
};

TEST(PageRange, ParsesTheListsPeopleType) {
    std::vector<int> withRange{1, 3};
    for (int p : span(5, 12)) withRange.push_back(p);
    kalder::test::forEachRow<RangeRow>(
        {
            {"items and a range", "1,3,5-12", withRange},
            {"reversed range adds nothing", "5-3", {}},
            {"duplicates are kept", "2,2", {2, 2}},
            {"letters are skipped", "1-3x,7", {1, 2, 3, 7}},
            {"blank text", "   ", {}},
            {"empty text", "", {}},
            {"order is kept", "9,1,4-5", {9, 1, 4, 5}},
            {"single-page range", "4-4", {4}},
            {"open range ends at 0", "3-", {}},
            {"dash without number is skipped", "-5", {5}},
            {"second dash closes the range", "1-3-6", {1, 2, 3, 6}},
            {"double dash", "2--4", {4}},
            {"blanks inside a number join digits", "1 2", {12}},
            {"trailing comma", "7,", {7}},
            {"empty items", ",,3,,", {3}},
            {"zero is kept for the run to skip", "0,1", {0, 1}},
            {"largest 16-bit page", "32767", {32767}},
            {"one past 16 bits is dropped", "32768,2", {2}},
            {"range ending past 16 bits is dropped", "32766-40000,1", {1}},
        },
        [](const RangeRow& row) { EXPECT_EQ(pages(row.text), row.expected); });
}

struct NumberRow {
    const char* name;
    std::string text;
    int expected;
};

TEST(PageRange, CurrentPageIsTheLeadingNumber) {
    kalder::test::forEachRow<NumberRow>(
        {
            {"plain", "3", 3},
            {"blanks first", "  12", 12},
            {"text after", "7abc", 7},
            {"list", "4,5", 4},
            {"empty", "", 0},
            {"no number", "x2", 0},
            {"negative", "-2", -2},
            {"too big", "99999999999", 0},
        },
        [](const NumberRow& row) { EXPECT_EQ(leadingPageNumber(row.text), row.expected); });
}

}  // namespace
