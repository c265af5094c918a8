// The markup lexers, tag arguments, words with their tags applied and measured, the limits on
// what tags set, and placeholder substitution ("%", blanks, missing names, values as text).
#include "richtext/MarkupLexer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unordered_map>

#include "core/Limits.h"
#include "core/Locale.h"
#include "kalder/Preview.h"
#include "richtext/ParaState.h"
#include "richtext/Substitution.h"
#include "richtext/TagArguments.h"
#include "richtext/WordBuilder.h"
#include "richtext/clex.h"
#include "support/ErrorMatchers.h"
#include "support/Paragraphs.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

using namespace test;

// A token as text itself or a tag as <sLex#cmd>; "/" when it ends a word, "_" when a space follows.
std::string describe(const cLexToken& t) {
    return (t.lxType == lxText ? t.sLex : "<" + t.sLex + "#" + std::to_string(t.cmd) + ">") + (t.bBreak ? "/" : "") +
           (t.NextIsWhite ? "_" : "");
}

template <class Lexer>
std::string tokensOf(Lexer& lexer) {
    std::string out;
    for (cLexToken t = lexer.GetToken(); t.lxType != lxEnd && out.size() < 1000; t = lexer.GetToken())
        out += (out.empty() ? "" : " ") + describe(t);
    return out;
}

enum Dialect { Para, AutoPara, Plain };

TEST(MarkupLexer, Tokens) {
    struct Row {
        std::string name;  // the text
        Dialect dialect;
        std::string tokens;
    };
    forEachRow<Row>(
        {
            {"a<bd>b", Para, "a <bd#2> b/"}, {"<BD 1>x", Para, "<BD 1#2> x/"}, {"<bdx>y", Para, "<bdx#0> y/"},
            {"<bd1>", Para, "<bd1#0>/"}, {"<><b>", Para, "<#0> <b#0>/"}, {"a b\tc\nd ", Para, "a/_ b/ c/ d/_"},
            {"a\rb \r\nc", Para, "ab/_ c/"}, {"shown <bd hidden", Para, "shown/_"},
            {"a<zl>b<zr>", Para, "a <zl#4> b <zr#5>/"}, {"a\n\nb", Para, "a/ b/"},
            {"a\n\nb", AutoPara, "a/ <nl#9>/ <<nl>#9>/ b/"}, {"a\n\r\r\nb", AutoPara, "a/ <nl#9>/ <<nl>#9>/ b/"},
            {"a\nb", AutoPara, "a/ b/"}, {"<ac 65><ac 128>", Para, "<A#1> <\u20AC#1>/"},
            // 128..159 are Windows-1252; 233 is the same there and in Latin-1. No character for 0,
            // negative codes, surrogates and beyond U+10FFFF.
            {"<ac 127><ac 150><ac 159><ac 160><ac 233><ac 2047><ac 2048><ac 55295><ac 55296><ac 57343><ac 57344>"
             "<ac 65535><ac 65536><ac 1114111><ac 1114112><ac 0><ac -1>", Para,
             "<\x7F#1> <\u2013#1> <\u0178#1> <\u00A0#1> <\u00E9#1> <\u07FF#1> <\u0800#1> <\uD7FF#1> <#1> <#1> "
             "<\uE000#1> <\uFFFF#1> <\U00010000#1> <\U0010FFFF#1> <#1> <#1> <#1>/"},
            {"<ac 99999999999>", Para, "<#1>/"},
            {"a\tb c", Plain, "a\tb/_ c/"}, {"a\nb\n\nc", Plain, "a/ <nl#9>/ b/ <nl#9>/ <nl#9>/ c/"},
            {"<b\rd 1>x", Plain, "<bd 1#2> x/"}, {"x <it", Plain, "x/_"},
        },
        [](const Row& row) {
            clex plain;
            plain.TokenString(row.name);
            MarkupLexer para(row.name, MarkupLexer::Dialect::Paragraph, row.dialect == AutoPara);
            EXPECT_EQ(row.dialect == Plain ? tokensOf(plain) : tokensOf(para), row.tokens);
        });
}

TEST(MarkupLexer, ArgumentsAreConvertedAsTheTagNeedsAndTheLexerRemembersHowFarItLooked) {
    MarkupLexer lexer("<fs   10,5  ><bd 0><bd><xp 12.5><co 1;2;3><zz any thing> one two three");
    for (const Variant& expected : {Variant(10.5F), Variant(false), Variant(true), Variant(12) /* half to even */,
                                    Variant("1;2;3"), Variant("any thing")})
        EXPECT_EQ(lexer.GetToken().Param, expected);
    lexer.GetToken();
    EXPECT_EQ(lexer.seen(), 61u);  // "one" and the blank that ended it
    lexer.GetToken();
    EXPECT_EQ(lexer.seen(), 65u);
}

TEST(TagArguments, Conversions) {
    struct Row {
        std::string name, values;  // the argument; whole, points, leading number, colour ("-" for none)
    };
    forEachRow<Row>(
        {
            {"12", "12 12 12 -"}, {"10,5", "10 10.5 10 -"}, {"10.5", "10 10.5 10.5 -"}, {"11.5", "12 11.5 11.5 -"},
            {"-3", "-3 -3 -3 -"}, {"abc", "0 0 0 -"}, {"12px", "0 0 12 -"}, {"3000000000", "0 3e+09 3e+09 -"},
            {"", "0 0 0 -"}, {"nan", "0 0 0 -"}, {"1e3", "0 0 1000 -"}, {"0;0;0", "0 0 0 0"}, {"1;2;3", "0 0 1 197121"},
            {"255; 128; 64", "0 0 255 4227327"}, {"255;128", "0 0 255 255"}, {"300;-5;x", "0 0 300 255"},
            {"0.5;1.5;254.5", "0 0 0.5 16646656"},
        },
        [](const Row& row) {
            std::ostringstream out;
            const auto colour = tagColor(row.name);
            out << tagWhole(row.name) << ' ' << tagPoints(row.name) << ' ' << leadingNumber(row.name) << ' ';
            out << (colour ? std::to_string(*colour) : "-");
            EXPECT_EQ(out.str(), row.values);
        });
}


// Builds words from markup over a state that starts in `style`.
struct Words {
    std::string text;
    MarkupLexer lexer;
    ParaState state;
    PageNumbering pages;
    WordBuilder builder;
    explicit Words(std::string t, const cStyle& style = arial())
        : text(std::move(t)), lexer(text), builder(lexer, state, pages) {
        state.reset(style);
    }
    // Each word's tokens, then its width, space, ascent and descent, a line each.
    std::string all() {
        std::string out;
        for (cWord w = builder.GetWord(); !w.empty(); w = builder.GetWord()) {
            for (const auto& t : w.Tokens) out += describe(t) + (t.Width ? "=" + std::to_string(t.Width) : "");
            out += " " + std::to_string(w.Width) + "+" + std::to_string(w.SpaceWidth) + " " +
                   std::to_string(w.WordAscend) + "/" + std::to_string(w.WordDescend) + "\n";
        }
        return out;
    }
    // Style and paragraph state as "name=value" words.
    std::string stateText() {
        const cStyle& s = state.Style;
        std::ostringstream out;
        out << "ff=" << s.FontName << " fs=" << s.FontSize << " bd=" << s.Bold << " it=" << s.Italic
            << " ul=" << s.Underline << " st=" << s.Strikethru << " co=" << s.ForeColor << " lv=" << s.LeadingType
            << ";" << s.LeadingVal << " align=" << state.Alignment << " li=" << state.LeftIndent
            << " ri=" << state.RightIndent << " ts=";
        for (const auto stop : state.TabStops) out << stop << ",";
        return out.str();
    }
};

// Each text's words, a line each, in golden/words.txt. The space after a word is one of the
// style in force at its end; one em is the font size (200 twentieths of a point are 200 twips).
TEST(WordBuilder, Words) {
    std::string all;
    for (const char* text : {"a<bd>b c", "abc<xp 100>def <tb>x<li 5>y z<nl>next<sl>end",
                             "<zl>a<zr> <ac 66> <dm><dn><ss>", "a<fs 20>b", "x<pg>"})
        all += "== " + std::string(text) + "\n" + Words(text).all();
    EXPECT_EQ(all, golden("words.txt"));
}


TEST(ParaState, TagsAndTheirLimits) {
    struct Row {
        std::string name, state;  // the markup and what it changed
    };
    const std::string name128(limits::kMarkupFontNameBytes, 'F');
    std::string stops, kept;  // one tab stop more than the limit
    for (std::size_t i = 1; i <= limits::kMarkupTabStops + 1; ++i) stops += "<ts " + std::to_string(i * 10) + ">";
    for (std::size_t i = 1; i <= limits::kMarkupTabStops; ++i) kept += std::to_string(i * 10) + ",";
    forEachRow<Row>(
        {
            {"<BD 1><it><Ul><st>", "bd=1 it=1 ul=1 st=1"}, {"<BD 1><it><ul><st><bd 0><it 0><ul 0><st 0>", ""},
            {"<fs 10,5>", "fs=210"}, {"<fs 9.5>", "fs=190"}, {"<fs 12><fs big><fs 0><fs -3>", "fs=240"},
            {"<fs 1637>", "fs=32740"}, {"<fs 1638>", "fs=32760"}, {"<fs 1639>", "fs=32760"}, {"<co 255>", ""},
            {"<co 0;0;0>", "co=0"}, {"<ff Courier New><ff>", "ff=Courier New"},
            {"<ff " + name128 + "G>", "ff=" + name128}, {"<lv 1;150><lv 2>", "lv=1;150"}, {"<qq 7>", ""},
            {"<ce><rl><ju><li 300><ri -20>", "align=3 li=300 ri=-20"}, {"<ce>", "align=2"}, {"<ce><xp 5>", ""},
            {"<ju><rr>", ""}, {"<ts 3000><ts 1000><ts 2000><ts 1000>", "ts=1000,2000,3000,"},
            {"<ts 3000><tc><ts 10>", "ts=10,"}, {stops, "ts=" + kept},
            {"<li 16777216><ri 16777217><ts -16777217><ts 16777215>", "li=16777216 ri=16777216 ts=-16777216,16777215,"},
        },
        [](const Row& row) {
            cStyle start = arial();
            start.ForeColor = 0x123456;
            Words words(row.name, start);
            const std::string before = " " + words.stateText() + " ";
            words.all();
            // Only what changed from the start.
            std::istringstream after(words.stateText());
            std::string changed;
            for (std::string w; after >> w;)
                if (before.find(" " + w + " ") == std::string::npos) changed += (changed.empty() ? "" : " ") + w;
            EXPECT_EQ(changed, row.state);
        });
}

// Placeholder substitution through Preview with a FastCollection and through the internal lookups.
TEST(Substitution, Rules) {
    FastCollection params;
    for (const auto& [value, key] : std::initializer_list<std::pair<Variant, const char*>>{
             {"Smith", "name"}, {42, "count"}, {true, "flag"}, {"", "empty"}, {"%other%", "nested"},
             {"a b", "two words"}})
        params.Add(value, key);
    Preview pv;
    struct Row {
        std::string name, output;  // the template and what it gives
    };
    forEachRow<Row>(
        {
            {"plain text, 100 percent", "plain text, 100 percent"}, {"", ""}, {"Dear %name%,", "Dear Smith,"},
            {"%name%%count%", "Smith42"}, {"100%% sure", "100% sure"}, {"a% %b", "a%b"}, {"[%empty%]", "[]"},
            {"Dear % name %!", "Dear Smith!"}, {"[%two words%]", "[a b]"}, {"%NAME%", "Smith"},
            {"Hi %nobody% there", "Hi ?missing param? there"}, {"50%", "50%unbalanced%"}, {"%", "%unbalanced%"},
            {"%name% 5%", "Smith 5%unbalanced%"}, {"%name%x%", "Smithx%unbalanced%"}, {"%count% %flag%", "42 True"},
            {"%nested%", "%other%"},          // values are not substituted again
            {"%\tname%", "?missing param?"},  // tabs are not blanks
            {"Grüße, %name% – €", "Grüße, Smith – €"},
        },
        [&](const Row& row) {
            const std::string input = row.name;
            EXPECT_EQ(pv.Substitution(input, params), row.output);
            EXPECT_EQ(input, row.name);
        });
    // Far beyond what a 16-bit position could reach, with placeholders at both ends.
    EXPECT_EQ(pv.Substitution("%name%" + std::string(100'000, 'x') + "%count%", params),
              "Smith" + std::string(100'000, 'x') + "42");
    std::string many, smiths;
    for (int i = 0; i < 20'000; ++i) many += "%name%", smiths += "Smith";
    EXPECT_EQ(pv.Substitution(many, params), smiths);
    params.Add(Variant(std::shared_ptr<Object>(std::make_shared<FastCollection>())), "object");
    EXPECT_THAT(errorOf([&] { pv.Substitution("%object%", params); }), IsError(13, "", "Type mismatch"));
}

TEST(Substitution, MapsAndFunctions) {
    const std::map<std::string, Variant> ordered = {{"a", 1}, {"b", "two"}};
    EXPECT_EQ(substitute("%a%-%b%-%A%", ordered), "1-two-?missing param?");
    // Numbers become text in the user's locale, as a Variant always does.
    const std::unordered_map<std::string, Variant> hashed = {{"x", 2.5}};
    EXPECT_EQ(substitute("[% x %]", hashed), std::string("[2") + decimalMark() + "5]");
    int calls = 0;
    const SubstitutionLookup lookup = [&](std::string_view name) -> std::optional<Variant> {
        ++calls;
        return name == "n" ? std::optional<Variant>(Variant(7)) : std::nullopt;
    };
    EXPECT_EQ(substitute("%n%%%% n %%m%", lookup), "7%7?missing param?");
    EXPECT_EQ(calls, 3);  // "%%" never asks
}

}  // namespace
}  // namespace kalder
