// The find routine over a document built through the public API.
#include <gtest/gtest.h>

#include "document/cDocument.h"
#include "support/TableTest.h"
#include "viewer/TextSearch.h"
#include "WindowTestSupport.h"

namespace kalder {
namespace {

TEST(TextSearch, WhatMatches) {
    struct Row {
        const char* name;
        const char* text;
        const char* wanted;
        bool matchCase;
        bool whole;
        bool expected;
    };
    test::forEachRow<Row>(
        {
            {"lower finds capitals", "THE CAT", "cat", false, false, true},
            {"lower finds mixed case", "The Cat", "cat", false, false, true},
            {"match case tells them apart", "The Cat", "cat", true, false, false},
            {"match case, same case", "The Cat", "Cat", true, false, true},
            {"inside a longer word", "Concatenate", "cat", false, false, true},
            {"whole word: not inside a longer word", "Concatenate", "cat", false, true, false},
            {"whole word: the whole text", "cat", "cat", false, true, true},
            {"whole word: at the start before a blank", "cat sat", "cat", false, true, true},
            {"whole word: at the end after a blank", "a big cat", "cat", false, true, true},
            {"whole word: between blanks", "the cat sat", "cat", false, true, true},
            {"whole word: only blanks bound words", "the cat, sat", "cat", false, true, false},
            {"whole word: a later occurrence counts", "cats and a cat", "cat", false, true, true},
            {"non-ASCII without case", "ÉTÉ chaud", "été", false, true, true},
            {"empty search text", "anything", "", false, false, false},
            {"absent", "dog", "cat", false, false, false},
        },
        [](const Row& row) { EXPECT_EQ(textMatches(row.text, row.wanted, row.matchCase, row.whole), row.expected); });
}

class FindNextTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::buildPages(pv, {{"Alpha beta", "the cat sat", "Concatenate"},
                              {"CAT in capitals", "another line"},
                              {"Mixed Cat case", "cat"}});
    }
    // The texts found one after another, following the search position as the dialog does.
    std::vector<std::string> walk(SearchOptions o, std::int32_t startPage = 1) {
        std::vector<std::string> found;
        SearchPosition last;
        std::int32_t page = startPage;
        while (auto m = findNext(pv.document(), page, o, last)) {
            last = m->position;
            page = m->pageNumber;
            auto frame = pv.document().pages().Item(m->position.page)->Frames().Item(m->position.frame);
            found.push_back(*searchableText(*frame->Elements().Item(m->position.element)));
            if (found.size() > 20) break;
        }
        return found;
    }
    Preview pv;
};

TEST_F(FindNextTest, RepeatedSearchMovesOnToTheEnd) {
    SearchOptions o;
    o.text = "cat";
    EXPECT_EQ(walk(o), (std::vector<std::string>{"the cat sat", "Concatenate", "CAT in capitals", "Mixed Cat case",
                                                 "cat"}));
}

TEST_F(FindNextTest, WholeWordAndMatchCase) {
    SearchOptions o;
    o.text = "cat";
    o.wholeWord = true;
    EXPECT_EQ(walk(o), (std::vector<std::string>{"the cat sat", "CAT in capitals", "Mixed Cat case", "cat"}));
    o.matchCase = true;
    EXPECT_EQ(walk(o), (std::vector<std::string>{"the cat sat", "cat"}));
}

TEST_F(FindNextTest, StartsAtTheCurrentPage) {
    SearchOptions o;
    o.text = "cat";
    EXPECT_EQ(walk(o, 2), (std::vector<std::string>{"CAT in capitals", "Mixed Cat case", "cat"}));
}

TEST_F(FindNextTest, CurrentPageOnly) {
    SearchOptions o;
    o.text = "cat";
    o.allPages = false;
    EXPECT_EQ(walk(o, 2), (std::vector<std::string>{"CAT in capitals"}));
    EXPECT_FALSE(findNext(pv.document(), 2, {"nothing", false, false, false}, {}));
}

TEST_F(FindNextTest, ALastMatchOnAnotherPageDoesNotSkipThisOne) {
    SearchOptions o;
    o.text = "cat";
    const auto first = findNext(pv.document(), 3, o, {});
    ASSERT_TRUE(first);
    // The user went back to page 1: the search starts there, not after the page-3 match.
    const auto again = findNext(pv.document(), 1, o, first->position);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pageNumber, 1);
}

TEST(TextSearchEmpty, NothingToFind) {
    Preview pv;
    pv.document().pages().Clear();
    EXPECT_FALSE(findNext(pv.document(), 1, {"cat", false, false, true}, {}));
    Preview other;
    EXPECT_FALSE(findNext(other.document(), 1, {"", false, false, true}, {}));
}

}  // namespace
}  // namespace kalder
