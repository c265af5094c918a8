// The keyed collection: FastCollection, the public one, member by member with its errors; then
// what KeyedCollection<T> adds for the document's own collections (move-only values, version).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/KeyedCollection.h"
#include "kalder/FastCollection.h"
#include "support/CoreOutcome.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using namespace test;
using V = Variant;
const V none = V::missing();
constexpr const char* k387 = "!387 CompareMode (Let): Cannot change CompareMode. The collection contains items.";

struct Marker : Object {};
V anObject() { return V(std::shared_ptr<Object>(std::make_shared<Marker>())); }
std::string show(const V& v) { return v.isObject() ? "obj" : v.toString(); }

// outcomeOf with the collection's own source shortened: "!381 Item (Get)".
template <class F>
std::string outcome(F&& call) {
    std::string out = outcomeOf(call);
    if (const auto at = out.find("FastCollection."); at != std::string::npos) out.erase(at, 15);
    return out;
}

// "key:value" per item in order ("-" for no key), read through every route at once: Keys,
// NewEnum, range-for, Key(i); every key must find its own position again, in upper case too.
std::string dump(const FastCollection& c) {
    std::string out;
    const std::vector<std::string> keys = c.Keys();
    const std::vector<V> values = c.NewEnum();
    std::int32_t i = 0;
    for (const V& v : c) {
        const std::string& k = keys.at(i++);
        EXPECT_EQ(v, values.at(i - 1));
        EXPECT_EQ(c.Key(i), k);
        std::string probe = k;
        for (char& ch : probe) ch = c.CompareMode() == CompareText && ch >= 'a' && ch <= 'z' ? char(ch - 32) : ch;
        if (!k.empty()) EXPECT_EQ(c.IndexFromKey(probe), i) << k;
        out += (out.empty() ? "" : " ") + (k.empty() ? std::string("-") : k) + ":" + show(v);
    }
    EXPECT_EQ(i, c.Count());
    return out;
}

// Items 10, 20, 30 under the keys "a", "b", "c".
void fillAbc(FastCollection& c) {
    for (const char* key : {"a", "b", "c"}) c.Add((c.Count() + 1) * 10, key);
}
constexpr const char* kAbc = "a:10 b:20 c:30";

TEST(FastCollection, StartsEmptyWithDefaultsAndKeepsValuesAsGiven) {
    auto c = std::make_shared<FastCollection>();
    EXPECT_EQ(dump(*c), "");
    EXPECT_EQ(show(c->AllowUpdates()) + " " + show(c->CompareMode() == CompareText) + " " + show(c->Increment()),
              "False True 4000");
    // Increment stores a sixteenth of what it is given, at least 4.
    for (const auto& [set, get] :
         {std::pair{100, 6}, {79, 4}, {80, 5}, {0, 4}, {-1600, 4}, {4000, 250}, {INT32_MAX, INT32_MAX / 16}}) {
        c->Increment(set);
        EXPECT_EQ(c->Increment(), get) << set;
    }
    EXPECT_EQ(outcome([&] { return show((c->Add(1, "a", 1), V())); }), "!5 Add");  // no item to be before
    EXPECT_EQ(outcome([&] { return show((c->Add(1, "a", none, 1), V())); }), "!5 Add");
    c->AllowUpdates(true);
    const std::vector<V> values = {std::int16_t{1}, 1, 1.0f, 1.0, "1", V::date(1), V(), anObject(), V(V::Array{1})};
    c->Clone(values);
    EXPECT_EQ(c->NewEnum(), values);  // type and value
    c->Clear();
    EXPECT_TRUE(c->AllowUpdates());  // settings outlive Clear
    c->Add("x", "k");                // a Variant carries the collection as an object
    EXPECT_EQ(V(std::shared_ptr<Object>(c)).objectAs<FastCollection>()->ItemByKey("K"), V("x"));
}

// Each row on a fresh a, b, c collection: what the call returns or raises, and what the
// collection then holds (nullptr: as it was; every failing call must leave it so).
struct Row { const char* name; std::function<V(FastCollection&)> op; std::string outcome; const char* state = nullptr; };
#define DO(...) [](FastCollection& c) -> V { __VA_ARGS__; return {}; }
#define GET(...) [](FastCollection& c) -> V { return __VA_ARGS__; }
#define LET(...) DO(c.AllowUpdates(true); __VA_ARGS__)

void checkRow(const Row& row) {
    FastCollection c;
    fillAbc(c);
    EXPECT_EQ(outcome([&] { return show(row.op(c)); }), row.outcome);
    EXPECT_EQ(dump(c), row.state ? row.state : kAbc);
}

TEST(FastCollection, Members) {
    forEachRow<Row>(
        {{"ItemFirst", GET(c.Item(1)), "10"}, {"ItemLast", GET(c.Item(3)), "30"},
         {"ItemKeyOtherCase", GET(c.Item("B")), "20"}, {"ItemTieToEven", GET(c.Item(2.5)), "20"},
         {"ItemInt16", GET(c.Item(std::int16_t{3})), "30"}, {"Subscript", GET(c[V("c")]), "30"},
         {"ItemByIndex", GET(c.ItemByIndex(2)), "20"}, {"ItemByKey", GET(c.ItemByKey("A")), "10"},
         {"KeyExists", GET(c.KeyExists("c")), "True"}, {"KeyNotThere", GET(c.KeyExists("d")), "False"},
         {"IndexFromKey", GET(c.IndexFromKey("C")), "3"}, {"IndexNoKey", GET(c.IndexFromKey("d")), "0"},
         {"Key", GET(c.Key(2)), "b"}, {"AddWithoutKeys", DO(c.Add(1); c.Add(3, "")), "", "a:10 b:20 c:30 -:1 -:3"},
         // Clone appends the values without their keys.
         {"Clone", DO(FastCollection o; o.Add(1, "a"); o.Add("two", "x"); c.Clone(o)), "", "a:10 b:20 c:30 -:1 -:two"},
         {"CloneValues", DO(c.Clone(std::vector<V>{5, "s"}); c.Clone(std::vector<V>{})), "", "a:10 b:20 c:30 -:5 -:s"},
         {"CloneItself", DO(c.Clone(c)), "", "a:10 b:20 c:30 -:10 -:20 -:30"},
         {"RemoveFirst", DO(c.RemoveByIndex(1)), "", "b:20 c:30"}, {"RemoveMiddle", DO(c.RemoveByIndex(2)), "", "a:10 c:30"},
         {"RemoveLast", DO(c.RemoveByIndex(3)), "", "a:10 b:20"}, {"RemoveByKey", DO(c.RemoveByKey("B")), "", "a:10 c:30"},
         {"RemoveByKeyNotThere", DO(c.RemoveByKey("zz"); c.RemoveByKey(""); c.Remove("zz")), ""},
         {"RemoveStringIsAKey", DO(c.Add(40, "2"); c.Remove("2")), ""},
         {"RemoveNumber", DO(c.Remove(2)), "", "a:10 c:30"}, {"RemoveTieUp", DO(c.Remove(1.5)), "", "a:10 c:30"},
         {"RemoveTieDown", DO(c.Remove(2.5)), "", "a:10 c:30"}, {"RemoveInt16", DO(c.Remove(std::int16_t{3})), "", "a:10 b:20"},
         {"RemoveUnkeyed", DO(c.Add(40, {}, 2); c.RemoveByIndex(2)), ""},
         {"RemovedKeyIsFree", DO(c.RemoveByKey("b"); c.Add(21, "B")), "", "a:10 c:30 B:21"},
         {"KeyLet", DO(c.Key(2, "beta"); c.Add(40, "b")), "", "a:10 beta:20 c:30 b:40"},
         {"KeyLetOwnKeyOtherCase", DO(c.Key(1, "A")), "", "A:10 b:20 c:30"},
         {"KeyLetEmptyDropsTheKey", DO(c.Key(3, "")), "", "a:10 b:20 -:30"},
         {"KeyLetOnUnkeyed", DO(c.Key(3, ""); c.Key(3, "gamma"); c.Add(40, "c")), "", "a:10 b:20 gamma:30 c:40"},
         {"RenamedRemoves", DO(c.Key(1, "first"); c.RemoveByKey("first"); c.Add(1, "a")), "", "b:20 c:30 a:1"},
         {"ItemLet", LET(c.Item(2, "two"); c.Item("C", 33)), "", "a:10 b:two c:33"},
         {"ItemSet", LET(c.Item(1, anObject())), "", "a:obj b:20 c:30"},
         {"Clear", DO(c.Clear(); c.Clear(); c.Add(1, "A")), "", "A:1"},
         // Once empty again, by removing or clearing, the mode may change.
         {"ModeWhenRemovedToEmpty",
          DO(c.RemoveByKey("b"); c.Remove(2); c.Remove(1); c.CompareMode(CompareBinary); c.Add(1, "k"); c.Add(2, "K")), "",
          "k:1 K:2"},
         {"ModeWhenCleared", DO(c.Clear(); c.CompareMode(CompareBinary); c.CompareMode(CompareText); c.Add(1, "k")), "",
          "k:1"}},
        checkRow);
}

// Add before or after a position or a key: item 99 under "x" goes where the order of keys says.
TEST(FastCollection, AddPutsTheItemWhereAsked) {
    struct Row { const char* name; V before, after; const char* order; };
    forEachRow<Row>({{"End", none, none, "abcx"}, {"EmptyMeansNone", V(), V(), "abcx"}, {"BeforeFirst", 1, none, "xabc"},
                     {"BeforeLast", 3, none, "abxc"}, {"AfterFirst", none, 1, "axbc"}, {"AfterLast", none, 3, "abcx"},
                     {"BeforeKey", "b", none, "axbc"}, {"AfterKey", none, "b", "abxc"}, {"BeforeFirstKey", "a", none, "xabc"},
                     {"AfterLastKey", none, "c", "abcx"}, {"BeforeKeyOtherCase", "C", none, "abxc"},
                     {"BeforeDouble", 2.0, none, "axbc"}, {"BeforeInt16", std::int16_t{2}, none, "axbc"},
                     // A fractional position rounds half to even.
                     {"BeforeTieDown", 2.5, none, "axbc"}, {"BeforeTieUp", 1.5, none, "axbc"}, {"AfterTie", none, 2.5, "abxc"}},
                    [](const Row& row) {
                        FastCollection c;
                        fillAbc(c);
                        c.Add(99, "x", row.before, row.after);
                        const char* items[] = {"a:10", "b:20", "c:30", "x:99"};
                        std::string want;
                        for (const char* k = row.order; *k; ++k)
                            want += (k == row.order ? "" : " ") + std::string(items[*k == 'x' ? 3 : *k - 'a']);
                        EXPECT_EQ(dump(c), want);
                    });
}

// Each call fails with the error named, from a fresh a, b, c collection that it leaves as it was.
TEST(FastCollection, FailingCallsChangeNothing) {
    struct Row { const char* name; std::vector<std::function<V(FastCollection&)>> calls; };  // name: the outcome
    forEachRow<Row>(
        {{"!381 Item (Get)", {GET(c.Item(0)), GET(c.Item(4)), GET(c.Item("zz")), GET(c.Item("1")), GET(c.Item("")),
                              GET(c.Item(V())), GET(c.Item(V::missing())), GET(c.Item(anObject())), GET(c[V(99)])}},
         {"!381 ItemByIndex", {GET(c.ItemByIndex(0)), GET(c.ItemByIndex(4))}},
         {"!381 ItemByKey", {GET(c.ItemByKey("zz")), GET(c.ItemByKey(""))}},
         {"!381 Key (Get)", {GET(c.Key(0)), GET(c.Key(4))}},
         // A used key is reported before the position; a string position is always a key.
         {"!457 Add", {DO(c.Add(9, "b")), DO(c.Add(9, "B")), DO(c.Add(9, "b", 99))}},
         {"!5 Add", {DO(c.Add(9, "x", 0)), DO(c.Add(9, "x", 4)), DO(c.Add(9, "x", none, 0)), DO(c.Add(9, "x", none, 4)),
                     DO(c.Add(9, "x", true)), DO(c.Add(9, "x", none, 0.5)), DO(c.Add(9, "x", "zz")),
                     DO(c.Add(9, "x", "1")), DO(c.Add(9, "x", "")), DO(c.Add(9, "x", anObject())),
                     DO(c.Add(9, "x", 1e10)), DO(c.Add(9, "x", 1, 1)), DO(c.Add(9, "x", "a", "b"))}},
         {"!381 RemoveByIndex", {DO(c.RemoveByIndex(0)), DO(c.RemoveByIndex(4)), DO(c.Remove(0)), DO(c.Remove(4.0)),
                                 DO(c.Remove(V())), DO(c.Remove(anObject()))}},
         {"!381 Key (LET)", {DO(c.Key(0, "x")), DO(c.Key(4, "x"))}},
         {"!457 Key (LET)", {DO(c.Key(1, "c")), DO(c.Key(1, "C"))}},
         // Replacing is refused while AllowUpdates is off, before the position is looked at.
         {"!383 Item (Let)", {DO(c.Item(1, V(5))), DO(c.Item(99, 5))}},
         {"!383 Item (Set)", {DO(c.Item("a", anObject()))}},
         {"!381 Item (Let)", {LET(c.Item(0, 5)), LET(c.Item(4, 5)), LET(c.Item("zz", 5)), LET(c.Item(anObject(), 5))}},
         {"!381 Item (Set)", {LET(c.Item("zz", anObject())), LET(c.Item(4, anObject()))}},
         // Even to the mode it already has.
         {k387, {DO(c.CompareMode(CompareBinary)), DO(c.CompareMode(CompareText))}}},
        [](const Row& row) {
            for (std::size_t i = 0; i < row.calls.size(); ++i) {
                FastCollection c;
                fillAbc(c);
                EXPECT_EQ(outcome([&] { return show(row.calls[i](c)); }), row.name) << "call " << i;
                EXPECT_EQ(dump(c), kAbc) << "call " << i;
            }
        });
}

TEST(FastCollection, KeysMatchUnderTheCompareMode) {
    struct Row { const char* name; CompareModes mode; const char *stored, *probe; bool same; };
    const CompareModes text = CompareText, binary = CompareBinary;
    forEachRow<Row>(
        {{"AsciiCase", text, "Key", "KEY", true}, {"Umlaut", text, "\xC3\x84pfel", "\xC3\xA4PFEL", true},  // Äpfel, äPFEL
         {"AsciiThenUmlaut", text, "Z\xC3\xBCrich", "Z\xC3\x9CRICH", true},                               // Zürich, ZÜRICH
         {"Cyrillic", text, "\xD0\x9F\xD1\x80\xD0\xB8", "\xD0\x9F\xD0\xA0\xD0\x98", true},                // При, ПРИ
         {"AccentMatters", text, "\xC3\x84pfel", "Apfel", false}, {"TrailingBlank", text, "Key", "Key ", false},
         {"PrefixIsOtherKey", text, "Key", "Ke", false},
         // Bytes that are no UTF-8 (a Latin-1 "Ä" and "Ö") are still two keys.
         {"InvalidUtf8Distinct", text, "\xC4pfel", "\xD6pfel", false},
         {"InvalidUtf8AsciiCase", text, "\xC4pfel", "\xC4PFEL", true}, {"BinaryIdentical", binary, "Key", "Key", true},
         {"BinaryAsciiCase", binary, "Key", "KEY", false},
         {"BinaryUmlaut", binary, "\xC3\x84pfel", "\xC3\xA4pfel", false},
         // Keys of equal hash (with the GNU library's hash) stay apart.
         {"HashTwinsOtherLength", text, "k41913X", "k61133", false}, {"HashTwins", text, "k12618x", "K84546X", false}},
        [](const Row& row) {
            FastCollection c;
            c.CompareMode(row.mode);
            c.Add(1, row.stored);
            EXPECT_EQ(c.IndexFromKey(row.probe), row.same ? 1 : 0);
            EXPECT_EQ(outcome([&] { return show((c.Add(2, row.probe), V())); }), row.same ? "!457 Add" : "");
            c.RemoveByKey(row.stored);
            EXPECT_EQ(c.IndexFromKey(row.probe), row.same ? 0 : 1);
        });
    // Folding changes ASCII letters only, not their neighbours, and in bytes that are no
    // UTF-8 nothing else.
    EXPECT_EQ(foldKeyCase("Page 1 @[`{AZ"), "page 1 @[`{az");
    EXPECT_EQ(foldKeyCase("AB\xC4" "CD X\xC3"), "ab\xC4" "cd x\xC3");
    EXPECT_EQ(foldKeyCase("\xC3\x84PFEL \xD0\x9F\xD0\xA0 \xC3\xA4"), "\xC3\xA4pfel \xD0\xBF\xD1\x80 \xC3\xA4");  // ÄPFEL ПР ä
}

// Thousands of keys removed, inserted and renamed through every route while the bucket table
// grows: every item is where the model says, and no removed key is found.
TEST(FastCollection, ManyKeysThroughEveryRoute) {
    std::vector<std::pair<std::string, int>> model;
    std::vector<std::string> removed;
    FastCollection c;
    c.Increment(1);  // the smallest step still grows
    for (int n = 0, pos = 0; n < 20000; ++n) {
        const std::string key = "K" + std::to_string(n);
        if (n % 100 != 99) {
            c.Add(n, key);
            model.emplace_back(key, n);
            continue;
        }
        const int route = n / 100 % 4;
        pos = (pos + 7919) % c.Count() + 1;
        removed.push_back(model[pos - 1].first);
        if (route == 0) c.RemoveByIndex(pos);
        if (route == 1) c.RemoveByKey(removed.back());
        if (route == 2) c.Remove(V(removed.back()));
        if (route == 3) c.Remove(V(pos));
        model.erase(model.begin() + pos - 1);
        pos = (pos + 104729) % c.Count() + 1;
        const V at = route < 2 ? V(pos) : V(model[pos - 1].first);  // before, after, before, after
        c.Add(n, key, route % 2 ? none : at, route % 2 ? at : none);
        model.insert(model.begin() + pos - 1 + route % 2, {key, n});
        if (n % 1000 != 999) continue;
        removed.push_back(model[pos - 1].first);
        model[pos - 1].first = "R" + key;
        c.Key(pos, model[pos - 1].first);
    }
    std::string want;
    for (const auto& [k, v] : model) want += (want.empty() ? "" : " ") + k + ":" + std::to_string(v);
    EXPECT_EQ(dump(c), want);
    for (const std::string& key : removed) EXPECT_FALSE(c.KeyExists(key)) << key;
}

// KeyedCollection<T> beyond what FastCollection shows, with move-only values.
using Boxes = KeyedCollection<std::unique_ptr<int>>;

// As dump() above: "key:value" in order, each key found again at its position.
std::string dump(const Boxes& c) {
    std::string out;
    for (auto it = c.begin(); it != c.end(); ++it) {
        const auto pos = static_cast<std::int32_t>(it - c.begin()) + 1;
        if (!it.key().empty()) EXPECT_EQ(c.indexOf(it.key()), pos) << it.key();
        EXPECT_EQ(c.keyAt(pos), it.key());
        out += (out.empty() ? "" : " ") + (it.key().empty() ? std::string("-") : it.key()) + ":" + std::to_string(**it);
    }
    return out;
}

std::unique_ptr<int> box(int v) { return std::make_unique<int>(v); }
Boxes threeBoxes(CompareModes mode = CompareText) {
    Boxes c(mode);
    for (const char* key : {"one", "two", "three"}) c.add(box(c.Count() + 1), key);
    return c;
}

// Each row on a fresh one, two, three: the result or the error, what it then holds, and
// whether the version moved on (every change must move it, a read must not; -1: either).
TEST(KeyedCollection, MembersAndVersion) {
    struct Row { const char* name; std::function<int(Boxes&)> op; std::string outcome; const char* state; int changes; };
    const char* same = "one:1 two:2 three:3";
#define BOX(...) [](Boxes& c) -> int { return __VA_ARGS__; }
    forEachRow<Row>(
        {{"Add", BOX(*c.add(box(4))), "4", "one:1 two:2 three:3 -:4", 1},
         {"InsertAtFirst", BOX(*c.insertAt(1, box(0), "zero")), "0", "zero:0 one:1 two:2 three:3", 1},
         {"InsertAtCountPlusOne", BOX(*c.insertAt(4, box(4), "four")), "4", "one:1 two:2 three:3 four:4", 1},
         {"InsertAtZero", BOX(*c.insertAt(0, box(9), "x")), "!5 Add", same, -1},
         {"InsertAtCountPlusTwo", BOX(*c.insertAt(5, box(9), "x")), "!5 Add", same, -1},
         {"InsertAtKeyBeforePosition", BOX(*c.insertAt(0, box(9), "ONE")), "!457 Add", same, -1},
         {"AtWrites", BOX(*c.at(2) = 20), "20", "one:1 two:20 three:3", 1},
         {"ByKeyWrites", BOX(*c.byKey("TWO") = 20), "20", "one:1 two:20 three:3", 1},
         {"Rename", BOX((c.rename(2, "deux"), c.indexOf("DEUX"))), "2", "one:1 deux:2 three:3", 1},
         {"RemoveAt", BOX((c.removeAt(1), c.indexOf("three"))), "2", "two:2 three:3", 1},
         {"RemoveAtNamesItsCaller", BOX((c.removeAt(0, "Remove"), 0)), "!381 Remove", same, -1},
         {"RemoveKey", BOX(c.removeKey("TWO")), "1", "one:1 three:3", 1},
         {"RemoveKeyAbsent", BOX(c.removeKey("four") + c.removeKey("")), "0", same, -1},
         {"Clear", BOX((c.clear(), c.contains("one"))), "0", "", 1},
         {"Find", BOX(**c.find("THREE") * 10 + **std::as_const(c).find("one")), "31", same, 0},
         {"FindNothing", BOX(c.find("four") == nullptr && c.find("") == nullptr), "1", same, 0},
         {"ConstAt", BOX(*std::as_const(c).at(3)), "3", same, 0},
         {"ConstAtNegative", BOX(*std::as_const(c).at(-1)), "!381 ItemByIndex", same, 0},
         {"IndexOf", BOX(c.indexOf("three") * 10 + c.indexOf("four")), "30", same, 0}},
        [](const Row& row) {
            Boxes c = threeBoxes();
            const std::uint64_t before = c.version();
            EXPECT_EQ(outcome([&] { return row.op(c); }), row.outcome);
            EXPECT_EQ(dump(c), row.state);
            if (row.changes >= 0) EXPECT_EQ(c.version() != before, row.changes == 1);
        });
#undef BOX
}

TEST(KeyedCollection, ModeStepBucketsAndIterators) {
    Boxes c = threeBoxes(CompareBinary);
    c.setStep(7);
    c.clear();
    EXPECT_TRUE(c.empty());
    EXPECT_EQ(c.compareMode(), CompareBinary);  // clear keeps mode and step
    EXPECT_EQ(c.step(), 7);
    c.setStep(0);  // grows as a vector does
    int* first = c.add(box(0), "k0").get();
    for (int i = 1; i < 100; ++i) c.add(box(i), "k" + std::to_string(i));
    EXPECT_EQ(c.at(1).get(), first);  // values stay in place
    EXPECT_EQ(c.size(), 100u);
    EXPECT_EQ(c.indexOf("k99") * 10 + c.indexOf("K99"), 1000);
    auto it = std::as_const(c).begin() + 3;
    EXPECT_EQ(*(--it)->get(), 2);
    // Zero buckets round up to one, three to four; the table doubles with the keys.
    for (std::size_t buckets : {0, 3}) {
        Boxes b(CompareText, buckets);
        b.add(box(-1));
        for (int i = 0; i < 100; ++i) b.add(box(i), "K" + std::to_string(i));
        EXPECT_EQ(b.indexOf("k0") + b.indexOf("k99"), 103);
    }
    // The moved-from collection is empty and usable; a move assignment moves the version on.
    Boxes a = threeBoxes();
    Boxes b(std::move(a));
    EXPECT_EQ(dump(a) + "|" + dump(b), "|one:1 two:2 three:3");
    for (int i = 0; i < 3000; ++i) a.add(box(i), "k" + std::to_string(i));
    EXPECT_EQ(a.indexOf("K2999"), 3000);
    Boxes d;
    d.add(box(9), "nine");
    const std::uint64_t bVersion = b.version(), dVersion = d.version();
    d = std::move(b);
    b.add(box(1), "uno");
    EXPECT_EQ(dump(b) + "|" + dump(d), "uno:1|one:1 two:2 three:3");
    EXPECT_GT(d.version(), std::max(bVersion, dVersion));
    EXPECT_NE(b.version(), bVersion);
}

}  // namespace
}  // namespace kalder
