// FastCollection: the public keyed collection. Every member, its errors (number, source and
// text), positions before and after removals and inserts, key comparison under both modes.
#include "kalder/FastCollection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
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
using test::kReadOnlyText;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kCompareModeText = "Cannot change CompareMode. The collection contains items.";

struct Marker : Object {};

Variant anObject() { return Variant(std::shared_ptr<Object>(std::make_shared<Marker>())); }

// Keys and values in item order, to show that a failing call changed nothing.
struct Snapshot {
    std::vector<std::string> keys;
    std::vector<Variant> values;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const FastCollection& c) { return {c.Keys(), c.NewEnum()}; }

// The keys in order joined into one string; unkeyed items show as "-".
std::string order(const FastCollection& c) {
    std::string out;
    for (const std::string& k : c.Keys()) out += k.empty() ? "-" : k;
    return out;
}

// Items 10, 20, 30 under the keys "a", "b", "c".
void fillAbc(FastCollection& c) {
    c.Add(10, "a");
    c.Add(20, "b");
    c.Add(30, "c");
}

class FastCollectionAbc : public ::testing::Test {
protected:
    FastCollectionAbc() { fillAbc(c); }
    FastCollection c;
};

// ---------------------------------------------------------------------------------------
// A fresh collection

TEST(FastCollectionNew, StartsEmptyWithDefaults) {
    FastCollection c;
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.AllowUpdates());
    EXPECT_EQ(c.CompareMode(), CompareText);
    EXPECT_EQ(c.Increment(), 4000);
    EXPECT_THAT(c.Keys(), IsEmpty());
    EXPECT_THAT(c.NewEnum(), IsEmpty());
    int seen = 0;
    for (const Variant& v : c) {
        (void)v;
        ++seen;
    }
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(c.begin(), c.end());
    EXPECT_FALSE(c.KeyExists("a"));
    EXPECT_EQ(c.IndexFromKey("a"), 0);
}

TEST(FastCollectionNew, IsAnObjectAVariantCanCarry) {
    auto c = std::make_shared<FastCollection>();
    c->Add("x", "k");
    Variant v{std::shared_ptr<Object>(c)};
    ASSERT_NE(v.objectAs<FastCollection>(), nullptr);
    EXPECT_EQ(v.objectAs<FastCollection>()->ItemByKey("k"), Variant("x"));
}

// ---------------------------------------------------------------------------------------
// Errors: every member, number, source and text; the collection stays as it was

using Call = std::function<void(FastCollection&)>;

struct ErrorRow {
    const char* name;
    Call call;
    std::int32_t number;
    const char* source;
    const char* description;
};

// A fresh a, b, c collection per row; the call must fail and leave it as it was.
void checkError(const ErrorRow& row) {
    FastCollection c;
    fillAbc(c);
    const Snapshot before = snapshot(c);
    EXPECT_THAT(errorOf([&] { row.call(c); }), IsError(row.number, row.source, row.description));
    EXPECT_EQ(c.Count(), 3);
    EXPECT_TRUE(snapshot(c) == before) << "now " << order(c);
    EXPECT_EQ(c.IndexFromKey("a"), 1);
    EXPECT_EQ(c.IndexFromKey("c"), 3);
}

ErrorRow addError(const char* name, std::int32_t number, Call call) {
    return {name, std::move(call), number, "FastCollection.Add", number == 457 ? kDuplicateKeyText : kInvalidCallText};
}

ErrorRow badIndex(const char* name, const char* source, Call call) {
    return {name, std::move(call), 381, source, kBadIndexText};
}

// The call runs with AllowUpdates on.
Call unlocked(Call call) {
    return [call](FastCollection& c) {
        c.AllowUpdates(true);
        call(c);
    };
}

TEST(FastCollectionError, Add) {
    forEachRow<ErrorRow>(
        {addError("DuplicateKey", 457, [](FastCollection& c) { c.Add(9, "b"); }),
         addError("DuplicateKeyOtherCase", 457, [](FastCollection& c) { c.Add(9, "B"); }),
         // The key is checked before the position.
         addError("DuplicateKeyAndBadBefore", 457, [](FastCollection& c) { c.Add(9, "b", 99); }),
         addError("DuplicateKeyWithGoodBefore", 457, [](FastCollection& c) { c.Add(9, "a", 1); }),
         addError("BeforeZero", 5, [](FastCollection& c) { c.Add(9, "x", 0); }),
         addError("BeforeCountPlusOne", 5, [](FastCollection& c) { c.Add(9, "x", 4); }),
         addError("AfterZero", 5, [](FastCollection& c) { c.Add(9, "x", Variant::missing(), 0); }),
         addError("AfterCountPlusOne", 5, [](FastCollection& c) { c.Add(9, "x", Variant::missing(), 4); }),
         addError("BeforeNegative", 5, [](FastCollection& c) { c.Add(9, "x", -1); }),
         addError("BeforeTrueIsMinusOne", 5, [](FastCollection& c) { c.Add(9, "x", true); }),
         addError("AfterFalseIsZero", 5, [](FastCollection& c) { c.Add(9, "x", Variant::missing(), false); }),
         addError("AfterHalfRoundsToZero", 5, [](FastCollection& c) { c.Add(9, "x", Variant::missing(), 0.5); }),
         addError("BeforeUnknownKey", 5, [](FastCollection& c) { c.Add(9, "x", "zz"); }),
         // A string names a key, never a position.
         addError("BeforeNumericString", 5, [](FastCollection& c) { c.Add(9, "x", "1"); }),
         addError("BeforeEmptyString", 5, [](FastCollection& c) { c.Add(9, "x", ""); }),
         addError("BeforeObject", 5, [](FastCollection& c) { c.Add(9, "x", anObject()); }),
         addError("BeforeBeyondLong", 5, [](FastCollection& c) { c.Add(9, "x", 1e10); }),
         addError("BeforeAndAfter", 5, [](FastCollection& c) { c.Add(9, "x", 1, 1); }),
         addError("BeforeAndAfterKeys", 5, [](FastCollection& c) { c.Add(9, "x", "a", "b"); })},
        checkError);
}

TEST(FastCollectionError, Item) {
    forEachRow<ErrorRow>(
        {badIndex("GetZero", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(0); }),
         badIndex("GetCountPlusOne", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(4); }),
         badIndex("GetUnknownKey", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item("zz"); }),
         badIndex("GetNumericStringIsAKey", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item("1"); }),
         badIndex("GetEmptyKey", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(""); }),
         badIndex("GetEmptyVariant", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(Variant()); }),
         badIndex("GetMissing", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(Variant::missing()); }),
         badIndex("GetObject", "FastCollection.Item (Get)", [](FastCollection& c) { c.Item(anObject()); }),
         badIndex("GetSubscript", "FastCollection.Item (Get)", [](FastCollection& c) { (void)c[Variant(99)]; }),
         // Replacing is refused before the position is looked at.
         ErrorRow{"LetLocked", [](FastCollection& c) { c.Item(1, Variant(5)); }, 383, "FastCollection.Item (Let)",
                  kReadOnlyText},
         ErrorRow{"LetLockedBadIndex", [](FastCollection& c) { c.Item(99, Variant(5)); }, 383,
                  "FastCollection.Item (Let)", kReadOnlyText},
         ErrorRow{"SetLocked", [](FastCollection& c) { c.Item("a", anObject()); }, 383, "FastCollection.Item (Set)",
                  kReadOnlyText},
         badIndex("LetZero", "FastCollection.Item (Let)", unlocked([](FastCollection& c) { c.Item(0, Variant(5)); })),
         badIndex("LetCountPlusOne", "FastCollection.Item (Let)",
                  unlocked([](FastCollection& c) { c.Item(4, Variant(5)); })),
         badIndex("LetUnknownKey", "FastCollection.Item (Let)",
                  unlocked([](FastCollection& c) { c.Item("zz", Variant(5)); })),
         badIndex("LetObjectKey", "FastCollection.Item (Let)",
                  unlocked([](FastCollection& c) { c.Item(anObject(), Variant(5)); })),
         badIndex("SetUnknownKey", "FastCollection.Item (Set)",
                  unlocked([](FastCollection& c) { c.Item("zz", anObject()); })),
         badIndex("SetCountPlusOne", "FastCollection.Item (Set)",
                  unlocked([](FastCollection& c) { c.Item(4, anObject()); }))},
        checkError);
}

TEST(FastCollectionError, OtherMembers) {
    forEachRow<ErrorRow>(
        {badIndex("ItemByIndexZero", "FastCollection.ItemByIndex", [](FastCollection& c) { c.ItemByIndex(0); }),
         badIndex("ItemByIndexCountPlusOne", "FastCollection.ItemByIndex", [](FastCollection& c) { c.ItemByIndex(4); }),
         badIndex("ItemByKeyUnknown", "FastCollection.ItemByKey", [](FastCollection& c) { c.ItemByKey("zz"); }),
         badIndex("ItemByKeyEmpty", "FastCollection.ItemByKey", [](FastCollection& c) { c.ItemByKey(""); }),
         badIndex("KeyGetZero", "FastCollection.Key (Get)", [](FastCollection& c) { c.Key(0); }),
         badIndex("KeyGetCountPlusOne", "FastCollection.Key (Get)", [](FastCollection& c) { c.Key(4); }),
         badIndex("KeyLetZero", "FastCollection.Key (LET)", [](FastCollection& c) { c.Key(0, "x"); }),
         badIndex("KeyLetCountPlusOne", "FastCollection.Key (LET)", [](FastCollection& c) { c.Key(4, "x"); }),
         ErrorRow{"KeyLetDuplicate", [](FastCollection& c) { c.Key(1, "c"); }, 457, "FastCollection.Key (LET)",
                  kDuplicateKeyText},
         ErrorRow{"KeyLetDuplicateOtherCase", [](FastCollection& c) { c.Key(1, "C"); }, 457, "FastCollection.Key (LET)",
                  kDuplicateKeyText},
         badIndex("RemoveByIndexZero", "FastCollection.RemoveByIndex", [](FastCollection& c) { c.RemoveByIndex(0); }),
         badIndex("RemoveByIndexCountPlusOne", "FastCollection.RemoveByIndex",
                  [](FastCollection& c) { c.RemoveByIndex(4); }),
         badIndex("RemoveNumberZero", "FastCollection.RemoveByIndex", [](FastCollection& c) { c.Remove(0); }),
         badIndex("RemoveNumberCountPlusOne", "FastCollection.RemoveByIndex", [](FastCollection& c) { c.Remove(4.0); }),
         badIndex("RemoveEmptyVariant", "FastCollection.RemoveByIndex", [](FastCollection& c) { c.Remove(Variant()); }),
         badIndex("RemoveObject", "FastCollection.RemoveByIndex", [](FastCollection& c) { c.Remove(anObject()); }),
         ErrorRow{"CompareModeWithItems", [](FastCollection& c) { c.CompareMode(CompareBinary); }, 387,
                  "FastCollection.CompareMode (Let)", kCompareModeText},
         // Even setting the mode it already has fails while items are held.
         ErrorRow{"CompareModeSameWithItems", [](FastCollection& c) { c.CompareMode(CompareText); }, 387,
                  "FastCollection.CompareMode (Let)", kCompareModeText}},
        checkError);
}

// ---------------------------------------------------------------------------------------
// Add: positions

struct PositionRow {
    const char* name;
    Variant before;
    Variant after;
    const char* order;  // keys in order after adding "x" to a, b, c
};

void checkAddAt(const PositionRow& row) {
    FastCollection c;
    fillAbc(c);
    c.Add(99, "x", row.before, row.after);
    EXPECT_EQ(order(c), row.order);
    EXPECT_EQ(c.Count(), 4);
    EXPECT_EQ(c.ItemByKey("x"), Variant(99));
    // Every other key still finds its own position.
    for (std::int32_t i = 1; i <= c.Count(); ++i) EXPECT_EQ(c.IndexFromKey(c.Key(i)), i);
}

TEST(FastCollectionAdd, PutsTheItemWhereAsked) {
    forEachRow<PositionRow>({PositionRow{"End", Variant::missing(), Variant::missing(), "abcx"},
                             PositionRow{"EmptyMeansNone", Variant(), Variant(), "abcx"},
                             PositionRow{"BeforeFirst", Variant(1), Variant::missing(), "xabc"},
                             PositionRow{"BeforeLast", Variant(3), Variant::missing(), "abxc"},
                             PositionRow{"AfterFirst", Variant::missing(), Variant(1), "axbc"},
                             PositionRow{"AfterLast", Variant::missing(), Variant(3), "abcx"},
                             PositionRow{"BeforeKey", Variant("b"), Variant::missing(), "axbc"},
                             PositionRow{"AfterKey", Variant::missing(), Variant("b"), "abxc"},
                             PositionRow{"BeforeFirstKey", Variant("a"), Variant::missing(), "xabc"},
                             PositionRow{"AfterLastKey", Variant::missing(), Variant("c"), "abcx"},
                             PositionRow{"BeforeKeyOtherCase", Variant("C"), Variant::missing(), "abxc"},
                             PositionRow{"BeforeDouble", Variant(2.0), Variant::missing(), "axbc"},
                             PositionRow{"BeforeInt16", Variant(std::int16_t{2}), Variant::missing(), "axbc"},
                             // A fractional position rounds half to even.
                             PositionRow{"BeforeTieDown", Variant(2.5), Variant::missing(), "axbc"},
                             PositionRow{"BeforeTieUp", Variant(1.5), Variant::missing(), "axbc"},
                             PositionRow{"AfterTie", Variant::missing(), Variant(2.5), "abxc"}},
                            checkAddAt);
}

TEST(FastCollectionAdd, PositionsNeedItems) {
    FastCollection c;
    EXPECT_THAT(errorOf([&] { c.Add(1, "a", 1); }), IsError(5, "FastCollection.Add", kInvalidCallText));
    EXPECT_THAT(errorOf([&] { c.Add(1, "a", Variant::missing(), 1); }),
                IsError(5, "FastCollection.Add", kInvalidCallText));
    EXPECT_EQ(c.Count(), 0);
    c.Add(1, "a");
    EXPECT_EQ(c.Count(), 1);
}

TEST(FastCollectionAdd, KeysAreOptional) {
    FastCollection c;
    c.Add(1);
    c.Add(2, "k");
    c.Add(3, "");
    c.Add(4);
    EXPECT_EQ(c.Count(), 4);
    EXPECT_THAT(c.Keys(), ElementsAre("", "k", "", ""));
    EXPECT_EQ(c.Key(1), "");
    EXPECT_FALSE(c.KeyExists(""));
    EXPECT_EQ(c.IndexFromKey(""), 0);
    EXPECT_EQ(c.IndexFromKey("k"), 2);
    EXPECT_THAT(c.NewEnum(), ElementsAre(Variant(1), Variant(2), Variant(3), Variant(4)));
}

TEST(FastCollectionAdd, ValuesKeepTheirTypes) {
    FastCollection c;
    Variant obj = anObject();
    c.Add(std::int16_t{1}, "int16");
    c.Add(1, "long");
    c.Add(1.0f, "single");
    c.Add(1.0, "double");
    c.Add("1", "string");
    c.Add(Variant::date(1), "date");
    c.Add(Variant(), "empty");
    c.Add(obj, "object");
    c.Add(Variant(Variant::Array{1, "a"}), "array");
    EXPECT_EQ(c.ItemByKey("int16").type(), Variant::Type::Integer);
    EXPECT_EQ(c.ItemByKey("long").type(), Variant::Type::Long);
    EXPECT_EQ(c.ItemByKey("single").type(), Variant::Type::Single);
    EXPECT_EQ(c.ItemByKey("double").type(), Variant::Type::Double);
    EXPECT_EQ(c.ItemByKey("string"), Variant("1"));
    EXPECT_EQ(c.ItemByKey("date"), Variant::date(1));
    EXPECT_TRUE(c.ItemByKey("empty").isEmpty());
    EXPECT_EQ(c.ItemByKey("object").toObject().get(), obj.toObject().get());
    EXPECT_EQ(c.ItemByKey("array"), Variant(Variant::Array{1, "a"}));
}

TEST(FastCollectionAdd, SmallIncrementStillGrows) {
    FastCollection c;
    c.Increment(1);  // the smallest step the collection keeps
    for (int i = 1; i <= 5000; ++i) c.Add(i, "k" + std::to_string(i));
    EXPECT_EQ(c.Count(), 5000);
    EXPECT_EQ(c.ItemByKey("k4321"), Variant(4321));
    EXPECT_EQ(c.ItemByIndex(5000), Variant(5000));
}

// ---------------------------------------------------------------------------------------
// Reading

TEST_F(FastCollectionAbc, ItemByPositionOrKey) {
    EXPECT_EQ(c.Item(1), Variant(10));
    EXPECT_EQ(c.Item(3), Variant(30));
    EXPECT_EQ(c.Item("b"), Variant(20));
    EXPECT_EQ(c.Item("B"), Variant(20));
    EXPECT_EQ(c.Item(2.5), Variant(20));  // half to even: 2
    EXPECT_EQ(c.Item(std::int16_t{3}), Variant(30));
    EXPECT_EQ(c[Variant(1)], Variant(10));
    EXPECT_EQ(c[Variant("c")], Variant(30));
    EXPECT_EQ(c.ItemByIndex(2), Variant(20));
    EXPECT_EQ(c.ItemByKey("A"), Variant(10));
    EXPECT_TRUE(c.KeyExists("c"));
    EXPECT_FALSE(c.KeyExists("d"));
    EXPECT_EQ(c.IndexFromKey("c"), 3);
    EXPECT_EQ(c.IndexFromKey("d"), 0);
    EXPECT_EQ(c.Key(2), "b");
    EXPECT_THAT(c.Keys(), ElementsAre("a", "b", "c"));
}

TEST_F(FastCollectionAbc, KeyKeepsItsSpelling) {
    c.Add(40, "MiXed");
    EXPECT_EQ(c.Key(4), "MiXed");
    EXPECT_EQ(c.IndexFromKey("mixed"), 4);
    EXPECT_THAT(c.Keys(), ElementsAre("a", "b", "c", "MiXed"));
}

// ---------------------------------------------------------------------------------------
// Replacing items

TEST_F(FastCollectionAbc, AllowUpdatesEnablesReplacing) {
    c.AllowUpdates(true);
    EXPECT_TRUE(c.AllowUpdates());
    c.Item(2, Variant("two"));
    c.Item("C", Variant(3.5));
    Variant obj = anObject();
    c.Item(1, obj);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_THAT(c.Keys(), ElementsAre("a", "b", "c"));
    EXPECT_EQ(c.ItemByKey("b"), Variant("two"));
    EXPECT_EQ(c.ItemByIndex(3), Variant(3.5));
    EXPECT_EQ(c.ItemByKey("a").toObject().get(), obj.toObject().get());

    c.AllowUpdates(false);
    EXPECT_THAT(errorOf([&] { c.Item(2, Variant(0)); }), IsError(383, "FastCollection.Item (Let)", kReadOnlyText));
    EXPECT_EQ(c.ItemByKey("b"), Variant("two"));
}

// ---------------------------------------------------------------------------------------
// Removing: later items move up one and keep their order

TEST_F(FastCollectionAbc, RemoveByIndexShiftsLaterItems) {
    c.Add(40, "d");
    c.RemoveByIndex(2);
    EXPECT_EQ(order(c), "acd");
    EXPECT_EQ(c.IndexFromKey("c"), 2);
    EXPECT_EQ(c.IndexFromKey("d"), 3);
    EXPECT_FALSE(c.KeyExists("b"));
    EXPECT_THAT(c.NewEnum(), ElementsAre(Variant(10), Variant(30), Variant(40)));
    c.RemoveByIndex(3);
    c.RemoveByIndex(1);
    EXPECT_EQ(order(c), "c");
    EXPECT_EQ(c.IndexFromKey("c"), 1);
}

TEST_F(FastCollectionAbc, RemoveByKeyAnyCase) {
    c.RemoveByKey("A");
    EXPECT_EQ(order(c), "bc");
    EXPECT_EQ(c.IndexFromKey("b"), 1);
    // A key that is not there is no error.
    c.RemoveByKey("zz");
    c.RemoveByKey("");
    EXPECT_EQ(order(c), "bc");
}

TEST_F(FastCollectionAbc, RemoveTakesPositionOrKey) {
    c.Add(40, "2");
    c.Remove("2");  // a string is a key: the item keyed "2", not the second one
    EXPECT_EQ(order(c), "abc");
    c.Remove(2);
    EXPECT_EQ(order(c), "ac");
    c.Remove(1.5);  // half to even: 2
    EXPECT_EQ(order(c), "a");
    c.Remove("missing");
    EXPECT_EQ(order(c), "a");
    c.Remove(std::int16_t{1});
    EXPECT_EQ(c.Count(), 0);
}

TEST_F(FastCollectionAbc, RemovedKeyCanBeAddedAgain) {
    c.RemoveByKey("b");
    c.Add(21, "B");
    EXPECT_EQ(order(c), "acB");
    EXPECT_EQ(c.ItemByKey("b"), Variant(21));
}

TEST_F(FastCollectionAbc, RemoveUnkeyedItems) {
    c.Add(40, {}, 2);
    c.Add(50, {}, Variant::missing(), 4);
    EXPECT_EQ(order(c), "a-bc-");
    c.RemoveByIndex(2);
    c.Remove(4);
    EXPECT_EQ(order(c), "abc");
    EXPECT_EQ(c.IndexFromKey("c"), 3);
}

TEST_F(FastCollectionAbc, ClearEmptiesAndAllowsReuse) {
    c.AllowUpdates(true);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.KeyExists("a"));
    EXPECT_THAT(c.Keys(), IsEmpty());
    EXPECT_TRUE(c.AllowUpdates());  // settings survive
    c.Add(1, "a");
    EXPECT_EQ(c.IndexFromKey("A"), 1);
    c.Clear();
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
}

// ---------------------------------------------------------------------------------------
// Renaming keys

TEST_F(FastCollectionAbc, KeyLetRenames) {
    c.Key(2, "beta");
    EXPECT_EQ(c.Key(2), "beta");
    EXPECT_FALSE(c.KeyExists("b"));
    EXPECT_EQ(c.IndexFromKey("BETA"), 2);
    EXPECT_EQ(c.ItemByKey("beta"), Variant(20));
    EXPECT_THAT(c.Keys(), ElementsAre("a", "beta", "c"));
    // The old key is free again.
    c.Add(40, "b");
    EXPECT_EQ(c.IndexFromKey("b"), 4);
}

TEST_F(FastCollectionAbc, KeyLetToItsOwnKeyInOtherCase) {
    c.Key(1, "A");
    EXPECT_EQ(c.Key(1), "A");
    EXPECT_EQ(c.IndexFromKey("a"), 1);
    c.Key(1, "A");
    EXPECT_EQ(c.Count(), 3);
}

TEST_F(FastCollectionAbc, KeyLetEmptyRemovesTheKey) {
    c.Key(3, "");
    EXPECT_FALSE(c.KeyExists("c"));
    EXPECT_EQ(order(c), "ab-");
    EXPECT_EQ(c.ItemByIndex(3), Variant(30));
    c.Key(3, "gamma");  // an unkeyed item gets a key
    EXPECT_EQ(c.IndexFromKey("gamma"), 3);
    EXPECT_EQ(c.ItemByKey("Gamma"), Variant(30));
}

TEST_F(FastCollectionAbc, RenamedItemsStillRemoveCleanly) {
    c.Key(1, "first");
    c.RemoveByKey("first");
    EXPECT_EQ(order(c), "bc");
    EXPECT_FALSE(c.KeyExists("first"));
    EXPECT_FALSE(c.KeyExists("a"));
    c.Add(1, "first");
    c.Add(2, "a");
    EXPECT_EQ(order(c), "bcfirsta");
}

// ---------------------------------------------------------------------------------------
// Compare modes

TEST(FastCollectionCompareMode, CanChangeWhileEmpty) {
    FastCollection c;
    c.CompareMode(CompareBinary);
    EXPECT_EQ(c.CompareMode(), CompareBinary);
    c.Add(1, "a");
    c.RemoveByIndex(1);  // empty again
    c.CompareMode(CompareText);
    EXPECT_EQ(c.CompareMode(), CompareText);
    c.Add(1, "a");
    c.Clear();
    c.CompareMode(CompareBinary);
    EXPECT_EQ(c.CompareMode(), CompareBinary);
}

TEST(FastCollectionCompareMode, BinaryKeepsCaseApart) {
    FastCollection c;
    c.CompareMode(CompareBinary);
    c.Add(1, "Key");
    c.Add(2, "KEY");
    c.Add(3, "key");
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.ItemByKey("KEY"), Variant(2));
    EXPECT_EQ(c.IndexFromKey("key"), 3);
    EXPECT_FALSE(c.KeyExists("kEY"));
    EXPECT_THAT(errorOf([&] { c.Add(4, "Key"); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
    c.Key(1, "kEY");
    EXPECT_EQ(c.IndexFromKey("kEY"), 1);
    c.RemoveByKey("KEY");
    EXPECT_THAT(c.Keys(), ElementsAre("kEY", "key"));
}

struct MatchRow {
    const char* name;
    CompareModes mode;
    const char* stored;
    const char* probe;
    bool same;
};

void checkFastCollectionKeyMatch(const MatchRow& row) {
    FastCollection c;
    c.CompareMode(row.mode);
    c.Add(1, row.stored);
    EXPECT_EQ(c.KeyExists(row.probe), row.same);
    EXPECT_EQ(c.IndexFromKey(row.probe), row.same ? 1 : 0);
    if (row.same) {
        EXPECT_EQ(c.ItemByKey(row.probe), Variant(1));
        EXPECT_THAT(errorOf([&] { c.Add(2, row.probe); }), IsError(457, "FastCollection.Add", kDuplicateKeyText));
        EXPECT_EQ(c.Count(), 1);
    } else {
        c.Add(2, row.probe);
        EXPECT_EQ(c.ItemByKey(row.stored), Variant(1));
        EXPECT_EQ(c.ItemByKey(row.probe), Variant(2));
        c.RemoveByKey(row.stored);
        EXPECT_EQ(c.IndexFromKey(row.probe), 1);
    }
}

TEST(FastCollectionKeyMatch, Text) {
    forEachRow<MatchRow>(
        {MatchRow{"AsciiCase", CompareText, "Key", "KEY", true},
         MatchRow{"Umlaut", CompareText, "\xC3\x84pfel", "\xC3\xA4PFEL", true},                   // Äpfel, äPFEL
         MatchRow{"AsciiPrefixThenUmlaut", CompareText, "Z\xC3\xBCrich", "Z\xC3\x9CRICH", true},  // Zürich, ZÜRICH
         MatchRow{"Cyrillic", CompareText, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
                  "\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", true},  // Привет, ПРИВЕТ
         MatchRow{"Greek", CompareText, "\xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1",
                  "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91", true},  // σοφία, ΣΟΦΊΑ
         MatchRow{"AccentMatters", CompareText, "\xC3\x84pfel", "Apfel", false},
         MatchRow{"TrailingBlankMatters", CompareText, "Key", "Key ", false},
         MatchRow{"PrefixIsOtherKey", CompareText, "Key", "Ke", false},
         // Bytes that are no UTF-8 (a Latin-1 "Ä" and "Ö") are still two keys.
         MatchRow{"InvalidUtf8Distinct", CompareText, "\xC4pfel", "\xD6pfel", false},
         MatchRow{"InvalidUtf8AsciiCase", CompareText, "\xC4pfel", "\xC4PFEL", true}},
        checkFastCollectionKeyMatch);
}

TEST(FastCollectionKeyMatch, Binary) {
    forEachRow<MatchRow>({MatchRow{"Identical", CompareBinary, "Key", "Key", true},
                          MatchRow{"AsciiCase", CompareBinary, "Key", "KEY", false},
                          MatchRow{"Umlaut", CompareBinary, "\xC3\x84pfel", "\xC3\xA4pfel", false},
                          MatchRow{"IdenticalUmlaut", CompareBinary, "\xC3\x84pfel", "\xC3\x84pfel", true}},
                         checkFastCollectionKeyMatch);
}

// ---------------------------------------------------------------------------------------
// Growth step

struct IncrementRow {
    const char* name;
    std::int32_t set;
    std::int32_t get;
};

void checkFastCollectionIncrement(const IncrementRow& row) {
    FastCollection c;
    c.Increment(row.set);
    EXPECT_EQ(c.Increment(), row.get);
}

TEST(FastCollectionIncrement, StoresSixteenthAtLeastFour) {
    forEachRow<IncrementRow>(
        {IncrementRow{"Hundred", 100, 6}, IncrementRow{"Ten", 10, 4}, IncrementRow{"LastAtFour", 79, 4},
         IncrementRow{"FirstAtFive", 80, 5}, IncrementRow{"SixtyFour", 64, 4}, IncrementRow{"Zero", 0, 4},
         IncrementRow{"Negative", -1600, 4}, IncrementRow{"Initial", 4000, 250}, IncrementRow{"Large", 16000, 1000},
         IncrementRow{"Max", INT32_MAX, INT32_MAX / 16}},
        checkFastCollectionIncrement);
}

// ---------------------------------------------------------------------------------------
// Clone and enumeration

TEST_F(FastCollectionAbc, CloneAppendsWithoutKeys) {
    FastCollection other;
    other.Add(1, "a");  // would clash if keys were copied
    other.Add("two", "x");
    c.Clone(other);
    EXPECT_EQ(order(c), "abc--");
    EXPECT_THAT(c.NewEnum(), ElementsAre(Variant(10), Variant(20), Variant(30), Variant(1), Variant("two")));
    EXPECT_EQ(other.Count(), 2);
    EXPECT_FALSE(c.KeyExists("x"));
}

TEST_F(FastCollectionAbc, CloneItself) {
    c.Clone(c);
    EXPECT_EQ(order(c), "abc---");
    EXPECT_THAT(c.NewEnum(), ElementsAre(Variant(10), Variant(20), Variant(30), Variant(10), Variant(20), Variant(30)));
}

TEST_F(FastCollectionAbc, CloneValues) {
    c.Clone(std::vector<Variant>{Variant(1.5), Variant("s")});
    c.Clone(std::vector<Variant>{});
    EXPECT_EQ(order(c), "abc--");
    EXPECT_EQ(c.ItemByIndex(5), Variant("s"));
}

TEST_F(FastCollectionAbc, RangeForVisitsValuesInOrder) {
    c.Add(5, "first", 1);
    std::vector<Variant> seen;
    for (const Variant& v : c) seen.push_back(v);
    EXPECT_THAT(seen, ElementsAre(Variant(5), Variant(10), Variant(20), Variant(30)));
}

TEST_F(FastCollectionAbc, NewEnumIsASnapshot) {
    std::vector<Variant> values = c.NewEnum();
    c.RemoveByIndex(1);
    c.Add(40, "d");
    c.AllowUpdates(true);
    c.Item("b", Variant(0));
    EXPECT_THAT(values, ElementsAre(Variant(10), Variant(20), Variant(30)));
    EXPECT_THAT(c.NewEnum(), ElementsAre(Variant(0), Variant(30), Variant(40)));
}

// ---------------------------------------------------------------------------------------
// A large collection: keys and positions stay right through removals and middle inserts

TEST(FastCollectionLarge, EveryKeyAndPositionResolves) {
    constexpr int kItems = 200000;
    struct Entry {
        std::string key;
        int value;
    };
    std::vector<Entry> expected;
    expected.reserve(kItems + 400);
    FastCollection c;
    for (int i = 0; i < kItems; ++i) {
        expected.push_back({"Item" + std::to_string(i), i});
        c.Add(i, expected.back().key);
    }
    ASSERT_EQ(c.Count(), kItems);

    std::mt19937 rng(20240611);
    auto anyPosition = [&] { return static_cast<std::int32_t>(rng() % expected.size()) + 1; };
    std::vector<std::string> removed;
    int next = kItems;
    for (int round = 0; round < 120; ++round) {
        // Remove one item, each round by another route.
        std::int32_t pos = anyPosition();
        const std::string key = expected[pos - 1].key;
        switch (round % 4) {
            case 0:
                c.RemoveByIndex(pos);
                break;
            case 1:
                c.RemoveByKey(key);
                break;
            case 2:
                c.Remove(Variant(key));
                break;
            default:
                c.Remove(Variant(pos));
                break;
        }
        removed.push_back(key);
        expected.erase(expected.begin() + (pos - 1));

        // Insert one in the middle, before or after a position or a key.
        pos = anyPosition();
        Entry e{"New" + std::to_string(next), next};
        ++next;
        switch (round % 4) {
            case 0:
                c.Add(e.value, e.key, Variant(pos));
                break;
            case 1:
                c.Add(e.value, e.key, Variant(expected[pos - 1].key));
                break;
            case 2:
                c.Add(e.value, e.key, Variant::missing(), Variant(pos));
                break;
            default:
                c.Add(e.value, e.key, Variant::missing(), Variant(expected[pos - 1].key));
                break;
        }
        const bool after = round % 4 >= 2;
        expected.insert(expected.begin() + (pos - 1) + (after ? 1 : 0), e);

        // Rename now and then.
        if (round % 10 == 0) {
            pos = anyPosition();
            removed.push_back(expected[pos - 1].key);
            expected[pos - 1].key = "Renamed" + std::to_string(round);
            c.Key(pos, expected[pos - 1].key);
        }
    }

    ASSERT_EQ(c.Count(), static_cast<std::int32_t>(expected.size()));
    std::vector<std::string> keys = c.Keys();
    ASSERT_EQ(keys.size(), expected.size());
    for (std::int32_t i = 1; i <= c.Count(); ++i) {
        const Entry& e = expected[i - 1];
        ASSERT_EQ(keys[i - 1], e.key) << "at " << i;
        ASSERT_EQ(c.IndexFromKey(e.key), i) << e.key;
        ASSERT_EQ(c.ItemByIndex(i).toLong(), e.value) << "at " << i;
    }
    for (std::int32_t i = 1; i <= c.Count(); i += 97) {
        std::string upper = expected[i - 1].key;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(c.ItemByKey(upper).toLong(), expected[i - 1].value) << upper;
    }
    for (const std::string& key : removed) EXPECT_FALSE(c.KeyExists(key)) << key;
}

}  // namespace
}  // namespace kalder
