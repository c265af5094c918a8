// KeyedCollection<T>: the structure behind FastCollection and the document's collections,
// used here with value types a Variant cannot hold (move-only, plain structs).
#include "core/KeyedCollection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kalder/AutomationError.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::errorOf;
using test::forEachRow;
using test::IsError;
using test::kBadIndexText;
using test::kDuplicateKeyText;
using test::kInvalidCallText;
using ::testing::ElementsAre;

using Boxes = KeyedCollection<std::unique_ptr<int>>;

std::vector<int> values(const Boxes& c) {
    std::vector<int> out;
    for (const auto& p : c) out.push_back(*p);
    return out;
}

// Items 1, 2, 3 under "one", "two", "three".
Boxes threeBoxes(CompareModes mode = CompareText) {
    Boxes c(mode);
    c.add(std::make_unique<int>(1), "one");
    c.add(std::make_unique<int>(2), "two");
    c.add(std::make_unique<int>(3), "three");
    return c;
}

TEST(KeyedCollection, MoveOnlyValuesStayInPlace) {
    Boxes c;
    int& first = *c.add(std::make_unique<int>(1), "one");
    int* address = &first;
    for (int i = 2; i <= 3000; ++i) c.add(std::make_unique<int>(i), "k" + std::to_string(i));
    first = 100;  // the returned reference is the stored value
    EXPECT_EQ(*c.at(1), 100);
    EXPECT_EQ(c.at(1).get(), address);
    EXPECT_EQ(c.size(), 3000u);
    EXPECT_FALSE(c.empty());
}

TEST(KeyedCollection, FindAndContains) {
    Boxes c = threeBoxes();
    ASSERT_NE(c.find("TWO"), nullptr);
    EXPECT_EQ(**c.find("TWO"), 2);
    EXPECT_EQ(c.find("four"), nullptr);
    EXPECT_EQ(c.find(""), nullptr);
    const Boxes& cc = c;
    ASSERT_NE(cc.find("three"), nullptr);
    EXPECT_EQ(**cc.find("three"), 3);
    EXPECT_TRUE(c.contains("One"));
    EXPECT_FALSE(c.contains("on"));
    EXPECT_EQ(c.indexOf("three"), 3);
    EXPECT_EQ(c.indexOf("four"), 0);
    **c.find("one") = 11;
    EXPECT_EQ(*c.byKey("ONE"), 11);
}

TEST(KeyedCollection, InsertAtAcceptsOnePastTheEnd) {
    Boxes c = threeBoxes();
    c.insertAt(1, std::make_unique<int>(0), "zero");
    c.insertAt(5, std::make_unique<int>(4), "four");  // Count + 1 appends
    c.insertAt(3, std::make_unique<int>(15));
    EXPECT_THAT(values(c), ElementsAre(0, 1, 15, 2, 3, 4));
    EXPECT_THAT(c.keys(), ElementsAre("zero", "one", "", "two", "three", "four"));
    EXPECT_EQ(c.indexOf("two"), 4);
    EXPECT_EQ(c.indexOf("four"), 6);
}

TEST(KeyedCollection, InsertAtOutsideFailsWithoutChange) {
    Boxes c = threeBoxes();
    EXPECT_THAT(errorOf([&] { c.insertAt(0, std::make_unique<int>(9), "x"); }),
                IsError(5, "FastCollection.Add", kInvalidCallText));
    EXPECT_THAT(errorOf([&] { c.insertAt(5, std::make_unique<int>(9), "x"); }),
                IsError(5, "FastCollection.Add", kInvalidCallText));
    // The key is checked before the position.
    EXPECT_THAT(errorOf([&] { c.insertAt(0, std::make_unique<int>(9), "one"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_THAT(errorOf([&] { c.add(std::make_unique<int>(9), "Two"); }),
                IsError(457, "FastCollection.Add", kDuplicateKeyText));
    EXPECT_THAT(values(c), ElementsAre(1, 2, 3));
    EXPECT_FALSE(c.contains("x"));
}

TEST(KeyedCollection, ErrorsNameTheCallingMember) {
    Boxes c = threeBoxes();
    EXPECT_THAT(errorOf([&] { c.at(0); }), IsError(381, "FastCollection.ItemByIndex", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.at(4, "Item (Get)"); }), IsError(381, "FastCollection.Item (Get)", kBadIndexText));
    const Boxes& cc = c;
    EXPECT_THAT(errorOf([&] { cc.at(-1); }), IsError(381, "FastCollection.ItemByIndex", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.byKey("x"); }), IsError(381, "FastCollection.ItemByKey", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.byKey("x", "Item (Let)"); }), IsError(381, "FastCollection.Item (Let)", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.keyAt(4); }), IsError(381, "FastCollection.Key (Get)", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.rename(0, "x"); }), IsError(381, "FastCollection.Key (LET)", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.rename(1, "TWO"); }), IsError(457, "FastCollection.Key (LET)", kDuplicateKeyText));
    EXPECT_THAT(errorOf([&] { c.removeAt(4); }), IsError(381, "FastCollection.RemoveByIndex", kBadIndexText));
    EXPECT_THAT(errorOf([&] { c.removeAt(0, "Remove"); }), IsError(381, "FastCollection.Remove", kBadIndexText));
    EXPECT_THAT(
        errorOf([&] { c.setCompareMode(CompareBinary); }),
        IsError(387, "FastCollection.CompareMode (Let)", "Cannot change CompareMode. The collection contains items."));
    EXPECT_THAT(values(c), ElementsAre(1, 2, 3));
    EXPECT_THAT(c.keys(), ElementsAre("one", "two", "three"));
}

TEST(KeyedCollection, RemoveKeyTellsWhetherItRemoved) {
    Boxes c = threeBoxes();
    EXPECT_TRUE(c.removeKey("TWO"));
    EXPECT_FALSE(c.removeKey("two"));
    EXPECT_FALSE(c.removeKey(""));
    EXPECT_THAT(values(c), ElementsAre(1, 3));
    EXPECT_EQ(c.indexOf("three"), 2);
    c.removeAt(1);
    EXPECT_EQ(c.indexOf("three"), 1);
    EXPECT_EQ(c.Count(), 1);
}

TEST(KeyedCollection, RenameMovesTheKey) {
    Boxes c = threeBoxes();
    c.rename(2, "deux");
    EXPECT_FALSE(c.contains("two"));
    EXPECT_EQ(c.indexOf("DEUX"), 2);
    EXPECT_EQ(c.keyAt(2), "deux");
    c.rename(2, "");
    EXPECT_FALSE(c.contains("deux"));
    EXPECT_EQ(c.keyAt(2), "");
    c.rename(2, "two");
    EXPECT_EQ(*c.byKey("two"), 2);
    c.rename(2, "Two");  // its own key in other case
    EXPECT_EQ(c.keyAt(2), "Two");
    EXPECT_EQ(c.indexOf("two"), 2);
}

TEST(KeyedCollection, IteratorsGiveValuesAndKeys) {
    Boxes c = threeBoxes();
    c.add(std::make_unique<int>(4));
    std::vector<std::string> keys;
    for (auto it = c.begin(); it != c.end(); ++it) {
        keys.push_back(it.key());
        **it *= 10;
    }
    EXPECT_THAT(keys, ElementsAre("one", "two", "three", ""));
    EXPECT_THAT(values(c), ElementsAre(10, 20, 30, 40));
    const Boxes& cc = c;
    EXPECT_EQ(cc.end() - cc.begin(), 4);
    EXPECT_EQ(**(cc.begin() + 2), 30);
    EXPECT_EQ((cc.begin() + 2).key(), "three");
}

TEST(KeyedCollection, BinaryModeFromConstruction) {
    Boxes c = threeBoxes(CompareBinary);
    EXPECT_EQ(c.compareMode(), CompareBinary);
    EXPECT_FALSE(c.contains("ONE"));
    c.add(std::make_unique<int>(4), "ONE");
    EXPECT_EQ(c.indexOf("ONE"), 4);
    EXPECT_EQ(c.indexOf("one"), 1);
}

TEST(KeyedCollection, ClearKeepsModeAndStep) {
    Boxes c = threeBoxes(CompareBinary);
    c.setStep(7);
    c.clear();
    EXPECT_TRUE(c.empty());
    EXPECT_FALSE(c.contains("one"));
    EXPECT_EQ(c.compareMode(), CompareBinary);
    EXPECT_EQ(c.step(), 7);
    c.add(std::make_unique<int>(5), "one");
    EXPECT_EQ(c.indexOf("one"), 1);
    c.clear();
    c.setCompareMode(CompareText);
    EXPECT_EQ(c.compareMode(), CompareText);
}

TEST(KeyedCollection, StepIsStoredAsGiven) {
    Boxes c;
    c.setStep(1);
    EXPECT_EQ(c.step(), 1);
    for (int i = 0; i < 100; ++i) c.add(std::make_unique<int>(i));
    EXPECT_EQ(c.Count(), 100);
    c.setStep(0);
    EXPECT_EQ(c.step(), 0);
    for (int i = 100; i < 200; ++i) c.add(std::make_unique<int>(i));
    EXPECT_EQ(*c.at(200), 199);
}

TEST(KeyedCollection, OneBucketGrowsWithTheKeys) {
    Boxes c(CompareText, 0);  // rounded up to one bucket
    for (int i = 0; i < 5000; ++i) c.add(std::make_unique<int>(i), "k" + std::to_string(i));
    for (int i = 0; i < 5000; i += 7) ASSERT_EQ(c.indexOf("K" + std::to_string(i)), i + 1);
    Boxes odd(CompareBinary, 3);  // rounded up to four
    for (int i = 0; i < 100; ++i) odd.add(std::make_unique<int>(i), "k" + std::to_string(i));
    EXPECT_EQ(odd.indexOf("k99"), 100);
    EXPECT_EQ(odd.indexOf("K99"), 0);
}

TEST(KeyedCollection, ManyKeysAcrossRehashes) {
    // Far more keys than the initial buckets, removed and renamed while the table grows.
    constexpr int kKeys = 20000;
    Boxes c;
    for (int i = 0; i < kKeys; ++i) {
        c.add(std::make_unique<int>(i), "K" + std::to_string(i));
        if (i % 1000 == 999) c.removeKey("k" + std::to_string(i - 500));
        if (i % 1500 == 0) c.rename(c.Count(), "R" + std::to_string(i));
    }
    for (std::int32_t pos = 1; pos <= c.Count(); ++pos) ASSERT_EQ(c.indexOf(c.keyAt(pos)), pos) << c.keyAt(pos);
    EXPECT_FALSE(c.contains("K499"));
    EXPECT_TRUE(c.contains("k498"));
    EXPECT_FALSE(c.contains("K0"));
    EXPECT_TRUE(c.contains("r0"));
    EXPECT_EQ(c.Count(), kKeys - kKeys / 1000);
}

TEST(KeyedCollection, MovedToHoldsTheItems) {
    Boxes a = threeBoxes();
    Boxes b(std::move(a));
    EXPECT_EQ(b.indexOf("three"), 3);
    Boxes d;
    d.add(std::make_unique<int>(9), "nine");
    d = std::move(b);
    EXPECT_THAT(values(d), ElementsAre(1, 2, 3));
    EXPECT_FALSE(d.contains("nine"));
    EXPECT_EQ(*d.byKey("two"), 2);
}

TEST(KeyedCollection, MovedFromCanBeFilledAgain) {
    Boxes a = threeBoxes();
    Boxes b(std::move(a));
    a.clear();
    EXPECT_FALSE(a.contains("one"));
    for (int i = 0; i < 3000; ++i) a.add(std::make_unique<int>(i), "k" + std::to_string(i));
    EXPECT_EQ(a.indexOf("K2999"), 3000);
    EXPECT_EQ(b.indexOf("one"), 1);  // the other one is untouched

    Boxes c = threeBoxes();
    Boxes d;
    d = std::move(c);
    c.clear();
    c.add(std::make_unique<int>(1), "one");
    EXPECT_EQ(c.indexOf("ONE"), 1);
    EXPECT_EQ(d.indexOf("one"), 1);
}

// A plain struct as value type: byKey and at hand out the stored value itself.
struct Page {
    std::string title;
    int number = 0;
};

TEST(KeyedCollection, ReferencesReachTheStoredValue) {
    KeyedCollection<Page> pages;
    pages.add({"Cover", 1}, "Page 1");
    pages.add({"Body", 2}, "Page 2");
    pages.byKey("page 2").title = "Contents";
    pages.at(1).number = 0;
    EXPECT_EQ(pages.at(2).title, "Contents");
    EXPECT_EQ(pages.find("PAGE 1")->number, 0);
}

// ---------------------------------------------------------------------------------------
// Case folding of keys

struct FoldRow {
    const char* name;
    const char* key;
    const char* folded;
};

void checkFoldKeyCase(const FoldRow& row) { EXPECT_EQ(foldKeyCase(row.key), row.folded); }

TEST(FoldKeyCase, Folds) {
    forEachRow<FoldRow>({FoldRow{"Empty", "", ""}, FoldRow{"Ascii", "Page 1", "page 1"},
                         FoldRow{"AsciiPunctuation", "@[`{AZ", "@[`{az"},
                         FoldRow{"Umlaut", "\xC3\x84PFEL", "\xC3\xA4pfel"},            // ÄPFEL -> äpfel
                         FoldRow{"AsciiThenUmlaut", "ZU\xC3\x9C", "zu\xC3\xBC"},       // ZUÜ -> zuü
                         FoldRow{"Cyrillic", "\xD0\x9F\xD0\xA0", "\xD0\xBF\xD1\x80"},  // ПР -> пр
                         FoldRow{"LowerUnchanged", "\xC3\xA4x", "\xC3\xA4x"},
                         // Bytes that are no UTF-8 stay as they are; only ASCII letters fold.
                         FoldRow{"Latin1Byte",
                                 "AB\xC4"
                                 "CD",
                                 "ab\xC4"
                                 "cd"},
                         FoldRow{"TruncatedSequence", "X\xC3", "x\xC3"}},
                        checkFoldKeyCase);
}

TEST(FoldKeyCaseInvalid, DistinctBytesStayDistinct) {
    EXPECT_NE(foldKeyCase("\xC4"), foldKeyCase("\xD6"));
    EXPECT_NE(foldKeyCase("a\xFF"), foldKeyCase("a\xFE"));
}

}  // namespace
}  // namespace kalder
