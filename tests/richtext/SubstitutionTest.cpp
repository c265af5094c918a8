// Placeholder substitution: the rules for "%", blanks, missing names and values as text,
// through Preview with a FastCollection and through the internal lookups.
#include "richtext/Substitution.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/Locale.h"
#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using test::errorOf;
using test::forEachRow;
using test::IsError;

struct Row {
    const char* name;
    std::string input;
    std::string output;
};

class SubstitutionTest : public ::testing::Test {
protected:
    SubstitutionTest() {
        params.Add("Smith", "name");
        params.Add(42, "count");
        params.Add(true, "flag");
        params.Add("", "empty");
        params.Add("%other%", "nested");
        params.Add("a b", "two words");
    }
    FastCollection params;
    Preview pv;
};

TEST_F(SubstitutionTest, Rules) {
    forEachRow<Row>(
        {
            {"no sign comes back unchanged", "plain text, 100 percent", "plain text, 100 percent"},
            {"empty template", "", ""},
            {"one placeholder", "Dear %name%,", "Dear Smith,"},
            {"several, side by side", "%name%%count%", "Smith42"},
            {"two adjacent signs give one", "100%% sure", "100% sure"},
            {"blanks only between the signs give one", "a% %b", "a%b"},
            {"blanks around the name are removed", "Dear % name %!", "Dear Smith!"},
            {"blanks inside the name stay", "[%two words%]", "[a b]"},
            {"keys compare without regard to case", "%NAME%", "Smith"},
            {"a missing name, and the text after it", "Hi %nobody% there", "Hi ?missing param? there"},
            {"a single sign at the end", "50%", "50%unbalanced%"},
            {"a lone sign alone", "%", "%unbalanced%"},
            {"a sign after a placeholder", "%name% 5%", "Smith 5%unbalanced%"},
            {"three signs: one pair and a lone one", "%name%x%", "Smithx%unbalanced%"},
            {"values are not substituted again", "%nested%", "%other%"},
            {"an empty value", "[%empty%]", "[]"},
            {"numbers and booleans as text", "%count% %flag%", "42 True"},
            {"tabs are not blanks", "%\tname%", "?missing param?"},
            {"UTF-8 text around it", "Grüße, %name% – €", "Grüße, Smith – €"},
        },
        [&](const Row& row) {
            const std::string input = row.input;
            EXPECT_EQ(pv.Substitution(input, params), row.output);
            EXPECT_EQ(input, row.input);
        });
}

TEST_F(SubstitutionTest, NoLengthLimit) {
    // Far beyond what a 16-bit position could reach, with placeholders at both ends.
    std::string input = "%name%" + std::string(100'000, 'x') + "%count%";
    const std::string out = pv.Substitution(input, params);
    EXPECT_EQ(out.size(), 5 + 100'000 + 2);
    EXPECT_EQ(out.substr(0, 5), "Smith");
    EXPECT_EQ(out.substr(out.size() - 2), "42");

    std::string many;
    for (int i = 0; i < 20'000; ++i) many += "%name%";
    EXPECT_EQ(pv.Substitution(many, params).size(), 20'000u * 5);
}

TEST_F(SubstitutionTest, AValueThatIsNoTextIsATypeMismatch) {
    params.Add(Variant(std::shared_ptr<Object>(std::make_shared<FastCollection>())), "object");
    EXPECT_THAT(errorOf([&] { pv.Substitution("%object%", params); }), IsError(13, "", "Type mismatch"));
}

TEST(SubstitutionLookups, MapsAndFunctions) {
    const std::map<std::string, Variant> ordered = {{"a", 1}, {"b", "two"}};
    EXPECT_EQ(substitute("%a%-%b%-%A%", ordered), "1-two-?missing param?");

    const std::unordered_map<std::string, Variant> hashed = {{"x", 2.5}};
    // Numbers become text in the user's locale, as a Variant always does.
    EXPECT_EQ(substitute("[% x %]", hashed), std::string("[2") + decimalMark() + "5]");

    int calls = 0;
    const SubstitutionLookup lookup = [&](std::string_view name) -> std::optional<Variant> {
        ++calls;
        if (name == "n") return Variant(7);
        return std::nullopt;
    };
    EXPECT_EQ(substitute("%n%%%% n %%m%", lookup), "7%7?missing param?");
    EXPECT_EQ(calls, 3);  // "%%" never asks
}

}  // namespace
}  // namespace kalder
