// The markup lexers and the word builder: tokens of the paragraph and plain-line dialects,
// tag arguments, words with their tags applied and measured, and the limits on what tags set.
#include "richtext/MarkupLexer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Limits.h"
#include "richtext/ParaState.h"
#include "richtext/TagArguments.h"
#include "richtext/WordBuilder.h"
#include "richtext/clex.h"
#include "support/TableTest.h"
#include "ParaTestSupport.h"

namespace kalder {
namespace {

using test::arial;
using test::forEachRow;
using test::widthOf;
using ::testing::ElementsAre;

// A token as one short string: text as itself, a tag as <sLex#cmd>; "/" when it ends a word
// (bBreak), "_" when a space follows (NextIsWhite).
std::string describe(const cLexToken& t) {
    std::string s = t.lxType == lxText ? t.sLex : "<" + t.sLex + "#" + std::to_string(t.cmd) + ">";
    if (t.bBreak) s += "/";
    if (t.NextIsWhite) s += "_";
    return s;
}

template <class Lexer>
std::vector<std::string> tokensOf(Lexer& lexer) {
    std::vector<std::string> out;
    for (int guard = 0; guard < 1000; ++guard) {
        const cLexToken t = lexer.GetToken();
        if (t.lxType == lxEnd) return out;
        out.push_back(describe(t));
    }
    ADD_FAILURE() << "no end token";
    return out;
}

std::vector<std::string> paragraphTokens(const std::string& text, bool autoPara = false) {
    MarkupLexer lexer(text, MarkupLexer::Dialect::Paragraph, autoPara);
    return tokensOf(lexer);
}

std::vector<std::string> plainTokens(const std::string& text) {
    clex lexer;
    lexer.TokenString(text);
    return tokensOf(lexer);
}

struct TokenRow {
    const char* name;
    std::string text;
    bool autoPara;
    std::vector<std::string> tokens;
};

TEST(MarkupLexer, ParagraphTokens) {
    forEachRow<TokenRow>(
        {
            {"LetterTagLetterHaveNoBreakBetween", "a<bd>b", false, {"a", "<bd#2>", "b/"}},
            {"TagNamesIgnoreCase", "<BD 1>x", false, {"<BD 1#2>", "x/"}},
            {"NameLongerThanTwoLettersIsUnknown", "<bdx>y", false, {"<bdx#0>", "y/"}},
            {"ThirdCharacterMustBeABlank", "<bd1>", false, {"<bd1#0>/"}},
            {"EmptyAndOneLetterTagsAreUnknown", "<><b>", false, {"<#0>", "<b#0>/"}},
            {"SpaceTabAndLineFeedSeparate", "a b\tc\nd ", false, {"a/_", "b/", "c/", "d/_"}},
            {"CarriageReturnsAreNeverSeen", "a\rb \r\nc", false, {"ab/_", "c/"}},
            {"UnterminatedTagHidesTheRest", "shown <bd hidden", false, {"shown/_"}},
            {"LessThanEndsAText", "a<zl>b<zr>", false, {"a", "<zl#4>", "b", "<zr#5>/"}},
            {"BlankLineIsWhiteSpaceWithoutAutoPara", "a\n\nb", false, {"a/", "b/"}},
            {"BlankLineGivesTwoBreaksWithAutoPara", "a\n\nb", true, {"a/", "<nl#9>/", "<<nl>#9>/", "b/"}},
            {"ReturnsBetweenTheLineFeedsAreSkipped", "a\n\r\r\nb", true, {"a/", "<nl#9>/", "<<nl>#9>/", "b/"}},
            {"SingleLineFeedStaysWhiteWithAutoPara", "a\nb", true, {"a/", "b/"}},
            {"CharacterCodeInsertsItsCharacter", "<ac 65><ac 128>", false, {"<A#1>", "<\u20AC#1>/"}},
            {"HugeCharacterCodeInsertsNothing", "<ac 99999999999>", false, {"<#1>/"}},
        },
        [](const TokenRow& row) { EXPECT_EQ(paragraphTokens(row.text, row.autoPara), row.tokens); });
}

TEST(MarkupLexer, PlainLineTokens) {
    forEachRow<TokenRow>(
        {
            {"TabIsText", "a\tb c", false, {"a\tb/_", "c/"}},
            {"EveryLineFeedBreaks", "a\nb\n\nc", false, {"a/", "<nl#9>/", "b/", "<nl#9>/", "<nl#9>/", "c/"}},
            {"TagsLoseTheirCarriageReturns", "<b\rd 1>x", false, {"<bd 1#2>", "x/"}},
            {"UnterminatedTagEnds", "x <it", false, {"x/_"}},
        },
        [](const TokenRow& row) { EXPECT_EQ(plainTokens(row.text), row.tokens); });
}

TEST(MarkupLexer, ArgumentsAreConvertedAsTheTagNeeds) {
    MarkupLexer lexer("<fs   10,5  ><bd 0><bd><xp 12.5><co 1;2;3><zz any thing>");
    auto next = [&] { return lexer.GetToken().Param; };
    EXPECT_EQ(next(), Variant(10.5F));
    EXPECT_EQ(next(), Variant(false));
    EXPECT_EQ(next(), Variant(true));
    EXPECT_EQ(next(), Variant(12));  // halves go to the even neighbour
    EXPECT_EQ(next(), Variant("1;2;3"));
    EXPECT_EQ(next(), Variant("any thing"));
}

TEST(MarkupLexer, TheLexerRemembersHowFarItLooked) {
    MarkupLexer lexer("one two three");
    lexer.GetToken();
    // "one" and the blank that ended it.
    EXPECT_EQ(lexer.seen(), 4u);
    lexer.GetToken();
    EXPECT_EQ(lexer.seen(), 8u);
}

// ---------------------------------------------------------------------------------------
// Tag arguments

TEST(TagArguments, Conversions) {
    struct Row {
        const char* name;
        std::string arg;
        std::int32_t whole;
        float points;
        double leading;
    };
    forEachRow<Row>(
        {
            {"Integer", "12", 12, 12, 12},
            {"CommaDecimal", "10,5", 10, 10.5F, 10},
            {"PointDecimal", "10.5", 10, 10.5F, 10.5},
            {"HalfToEven", "11.5", 12, 11.5F, 11.5},
            {"Negative", "-3", -3, -3, -3},
            {"Letters", "abc", 0, 0, 0},
            {"NumberThenLetters", "12px", 0, 0, 12},
            {"Beyond32Bits", "3000000000", 0, 3e9F, 3e9},
            {"Empty", "", 0, 0, 0},
            {"NotANumber", "nan", 0, 0, 0},
            {"Exponent", "1e3", 0, 0, 1000},
        },
        [](const Row& row) {
            EXPECT_EQ(tagWhole(row.arg), row.whole);
            EXPECT_FLOAT_EQ(tagPoints(row.arg), row.points);
            EXPECT_DOUBLE_EQ(leadingNumber(row.arg), row.leading);
        });
}

TEST(TagArguments, Colours) {
    struct Row {
        const char* name;
        std::string arg;
        std::optional<std::int32_t> color;
    };
    forEachRow<Row>(
        {
            {"Black", "0;0;0", 0},
            {"Components", "1;2;3", 1 + 2 * 256 + 3 * 65536},
            {"BlanksAroundComponents", "255; 128; 64", 255 + 128 * 256 + 64 * 65536},
            {"NoSemicolonHasNoEffect", "255", std::nullopt},
            {"OneSemicolonLeavesGreenAndBlueZero", "255;128", 255},
            {"ComponentsAreClamped", "300;-5;x", 255},
        },
        [](const Row& row) { EXPECT_EQ(tagColor(row.arg), row.color); });
}

TEST(TagArguments, CharacterCodes) {
    EXPECT_EQ(characterOfCode(65), "A");
    EXPECT_EQ(characterOfCode(233), "\u00E9");  // e acute, the same in Latin-1 and Windows-1252
    EXPECT_EQ(characterOfCode(150), "\u2013");  // en dash in Windows-1252
    EXPECT_EQ(characterOfCode(0x263A), "\u263A");
    EXPECT_EQ(characterOfCode(0), "");
    EXPECT_EQ(characterOfCode(-1), "");
    EXPECT_EQ(characterOfCode(0xD800), "");
    EXPECT_EQ(characterOfCode(0x110000), "");
}

// ---------------------------------------------------------------------------------------
// Words

struct Words {
    std::string text;
    MarkupLexer lexer;
    ParaState state;
    PageNumbering pages;
    WordBuilder builder;
    explicit Words(std::string t, const cStyle& style = arial(), bool autoPara = false)
        : text(std::move(t)), lexer(text, MarkupLexer::Dialect::Paragraph, autoPara), builder(lexer, state, pages) {
        state.reset(style);
    }
    std::vector<std::string> all() {
        std::vector<std::string> out;
        for (cWord w = builder.GetWord(); !w.empty(); w = builder.GetWord()) {
            std::string s;
            for (const auto& t : w.Tokens) s += describe(t);
            out.push_back(s);
        }
        return out;
    }
};

TEST(WordBuilder, TagBetweenLettersMakesOneWordDrawnInTwoStyles) {
    Words words("a<bd>b c");
    const cWord w = words.builder.GetWord();
    ASSERT_EQ(w.Tokens.size(), 3u);
    cStyle bold = arial();
    bold.Bold = true;
    EXPECT_EQ(w.Tokens[0].Width, widthOf(arial(), "a"));
    EXPECT_EQ(w.Tokens[2].Width, widthOf(bold, "b"));
    EXPECT_EQ(w.Width, widthOf(arial(), "a") + widthOf(bold, "b"));
    // The space after the word is one of the style in force at its end.
    EXPECT_EQ(w.SpaceWidth, widthOf(bold, " "));
    EXPECT_TRUE(words.state.Style.Bold);
}

TEST(WordBuilder, WordsEndAtBreaksAndBeforeTagsThatStartAWord) {
    Words words("abc<xp 100>def <tb>x<li 5>y z<nl>next<sl>end");
    EXPECT_THAT(words.all(), ElementsAre("abc", "<xp 100#7>def/_", "<tb#17>x", "<li 5#22>y/_", "z<nl#9>",
                                         "next<sl#10>", "end/"));
}

TEST(WordBuilder, InsertedTextIsMeasuredLikeText) {
    Words words("<zl>a<zr> <ac 66> <dm><dn><ss>");
    const cStyle s = arial();
    EXPECT_EQ(words.builder.GetWord().Width, widthOf(s, "<") + widthOf(s, "a") + widthOf(s, ">"));
    EXPECT_EQ(words.builder.GetWord().Width, widthOf(s, "B"));
    // One em is the font size (200 twentieths of a point are 200 twips), one en half of it.
    EXPECT_EQ(words.builder.GetWord().Width, 200 + 100 + widthOf(s, " "));
}

TEST(WordBuilder, TokensCarryTheFontMeasuresInForce) {
    Words words("a<fs 20>b");
    const cWord w = words.builder.GetWord();
    const auto small = TextMeasurer::metrics(arial(10));
    const auto big = TextMeasurer::metrics(arial(20));
    EXPECT_EQ(w.Tokens[0].TokenAscend, std::nearbyint(small.ascent));
    EXPECT_EQ(w.Tokens[2].TokenAscend, std::nearbyint(big.ascent));
    EXPECT_EQ(w.WordAscend, std::nearbyint(big.ascent));
    EXPECT_EQ(w.WordDescend, std::nearbyint(big.descent));
}

TEST(WordBuilder, PutBackRestoresPositionAndState) {
    Words words("one <bd><ts 500><ce>two three");
    words.builder.GetWord();
    const auto before = words.lexer.state();
    const ParaState stateBefore = words.state;
    const cWord two = words.builder.GetWord();
    EXPECT_TRUE(words.state.Style.Bold);
    words.builder.putBack();
    EXPECT_EQ(words.lexer.state().position, before.position);
    EXPECT_EQ(words.state.Style, stateBefore.Style);
    EXPECT_TRUE(words.state.TabStops.empty());
    EXPECT_EQ(words.state.Alignment, alignLeft);
    // Read again, the word is the same.
    EXPECT_EQ(words.builder.GetWord().Width, two.Width);
}

TEST(WordBuilder, StyleTags) {
    struct Row {
        const char* name;
        std::string text;
        void (*expect)(const cStyle&);
    };
    forEachRow<Row>(
        {
            {"UpperCaseBoldWithArgument", "<BD 1>", [](const cStyle& s) { EXPECT_TRUE(s.Bold); }},
            {"BoldOff", "<bd><bd 0>", [](const cStyle& s) { EXPECT_FALSE(s.Bold); }},
            {"ItalicUnderlineStrike", "<it><ul><st>",
             [](const cStyle& s) { EXPECT_TRUE(s.Italic && s.Underline && s.Strikethru); }},
            {"SizeWithComma", "<fs 10,5>", [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 210); }},
            {"SizeWithPoint", "<fs 10.5>", [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 210); }},
            {"SizeNotANumberLeavesTheSize", "<fs big>", [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 200); }},
            {"SizeZeroLeavesTheSize", "<fs 0>", [](const cStyle& s) { EXPECT_FLOAT_EQ(s.FontSize, 200); }},
            {"ColourWithoutSemicolonChangesNothing", "<co 255>",
             [](const cStyle& s) { EXPECT_EQ(s.ForeColor, 0x123456); }},
            {"ColourBlack", "<co 0;0;0>", [](const cStyle& s) { EXPECT_EQ(s.ForeColor, 0); }},
            {"FontName", "<ff Courier New>", [](const cStyle& s) { EXPECT_EQ(s.FontName, "Courier New"); }},
            {"EmptyFontNameChangesNothing", "<ff>", [](const cStyle& s) { EXPECT_EQ(s.FontName, "Arial"); }},
            {"Leading", "<lv 1;150>",
             [](const cStyle& s) {
                 EXPECT_EQ(s.LeadingType, 1);
                 EXPECT_EQ(s.LeadingVal, 150);
             }},
            {"LeadingWithoutSemicolon", "<lv 1>", [](const cStyle& s) { EXPECT_EQ(s.LeadingType, 3); }},
            {"UnknownTagChangesNothing", "<qq 7>", [](const cStyle& s) { EXPECT_FALSE(s.Bold); }},
        },
        [](const Row& row) {
            cStyle start = arial();
            start.ForeColor = 0x123456;
            Words words(row.text, start);
            words.all();
            row.expect(words.state.Style);
        });
}

// ---------------------------------------------------------------------------------------
// Paragraph state and limits

TEST(ParaState, TabStopsStayAscendingWhateverTheOrder) {
    Words words("<ts 3000><ts 1000><ts 2000><ts 1000>");
    words.all();
    EXPECT_THAT(words.state.TabStops, ElementsAre(1000, 2000, 3000));
    Words cleared("<ts 3000><tc><ts 10>");
    cleared.all();
    EXPECT_THAT(cleared.state.TabStops, ElementsAre(10));
}

TEST(ParaStateLimits, TabStopsUpToTheLimit) {
    std::string many;
    for (std::size_t i = 1; i <= limits::kMarkupTabStops + 1; ++i) many += "<ts " + std::to_string(i * 10) + ">";
    Words words(many);
    words.all();
    ASSERT_EQ(words.state.TabStops.size(), limits::kMarkupTabStops);
    EXPECT_EQ(words.state.TabStops.back(), static_cast<std::int32_t>(limits::kMarkupTabStops * 10));
}

TEST(ParaStateLimits, FontSizeUpToTheLimit) {
    Words at("<fs 1638>");
    at.all();
    EXPECT_FLOAT_EQ(at.state.Style.FontSize, limits::kMarkupFontPoints * 20);
    Words above("<fs 1639>");
    above.all();
    EXPECT_FLOAT_EQ(above.state.Style.FontSize, limits::kMarkupFontPoints * 20);
    Words below("<fs 1637>");
    below.all();
    EXPECT_FLOAT_EQ(below.state.Style.FontSize, 1637 * 20);
}

TEST(ParaStateLimits, OffsetsUpToTheLimit) {
    const std::string limit = std::to_string(limits::kMarkupOffsetTwips);
    const std::string above = std::to_string(limits::kMarkupOffsetTwips + 1);
    Words words("<li " + limit + "><ri " + above + "><ts -" + above + ">");
    words.all();
    EXPECT_EQ(words.state.LeftIndent, limits::kMarkupOffsetTwips);
    EXPECT_EQ(words.state.RightIndent, limits::kMarkupOffsetTwips);
    EXPECT_THAT(words.state.TabStops, ElementsAre(-limits::kMarkupOffsetTwips));
}

TEST(ParaStateLimits, FontNameUpToTheLimit) {
    const std::string atLimit(limits::kMarkupFontNameBytes, 'F');
    Words words("<ff " + atLimit + ">");
    words.all();
    EXPECT_EQ(words.state.Style.FontName, atLimit);
    Words longer("<ff " + atLimit + "G>");
    longer.all();
    EXPECT_EQ(longer.state.Style.FontName, atLimit);
}

}  // namespace
}  // namespace kalder
