// RTF import: what each keyword writes, the result codes and their texts, group restores,
// tables, line ends, and input that must neither crash nor hang the reader.
#include "richtext/RtfReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Limits.h"
#include "kalder/Preview.h"
#include "richtext/RtfKeywords.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "richtext/RtfTestSupport.h"

namespace kalder {
namespace {

using rtf::ResultCode;
using test::errorOf;
using test::forEachRow;
using test::IsError;

// Markup of a successful parse; a failed one shows as its error text, so that a row that
// expects markup names the code it got instead.
std::string markupOf(std::string_view rtf) { return rtf::importRtfText(rtf); }

struct MarkupRow {
    const char* name;
    std::string rtf;
    std::string markup;
};

TEST(RtfKeywords, EachKeywordWritesItsMarkup) {
    forEachRow<MarkupRow>(
        {
            {"bold on, parameter 0 off", R"(\b word\b0 rest)", "<bd 1>word<bd 0>rest"},
            {"bold with a parameter keeps it", R"(\b2 x)", "<bd 2>x"},
            {"italic", R"(\i x\i0 y)", "<it 1>x<it 0>y"},
            {"underline and ulnone", R"(\ul x\ulnone y)", "<ul 1>x<ul 0>y"},
            {"strike", R"(\strike x\strike0 y)", "<st 1>x<st 0>y"},
            {"font size in half-points", R"(\fs24 x)", "<fs 12>x"},
            {"odd half-points", R"(\fs21 x)", "<fs 10.5>x"},
            {"tab", R"(a\tab b)", "a<tb>b"},
            {"pard", R"(\pard x)", "<fi 0><li 0><ri 0><rr>x"},
            {"par ends the paragraph with CR LF", R"(a\par b)", "a<nl>\r\nb"},
            {"plain", R"(\plain x)", "<bd 0><it 0><ul 0><fs 12>x"},
            {"tab stop", R"(\tx720 x)", "<ts 720>x"},
            {"tab kinds and leaders have no effect", R"(\tqr\tqc\tqdec\tldot\tlhyh\tlul\tlth\tleq x)", "x"},
            {"alignments", R"(\ql\qr\qc\qj x)", "<rr><rl><ce><ju>x"},
            {"indents keep their sign", R"(\fi-360\li720\ri360 x)", "<fi -360><li 720><ri 360>x"},
            {"an indent without parameter is 0", R"(\li x)", "<li 0>x"},
            {"escaped braces and backslash", R"(\{a\}\\)", "{a}\\"},
            {"typographic characters as ac tags", R"(\bullet\lquote\rquote\ldblquote\rdblquote\endash\emdash)",
             "<ac 149><ac 145><ac 146><ac 147><ac 148><ac 150><ac 151>"},
            {"spaces and line", R"(\emspace\enspace\~\line)", "<dm><dn><ss><sl>"},
            {"deff writes nothing", R"(\deff1 x)", "x"},
            {"unknown keywords are ignored", R"(\lang1033\sb240 x\unknownword y)", "xy"},
            {"RTF keywords are case-sensitive", R"(\B x)", "x"},
            {"private1 is a name, private2 is not", R"({\private1 hidden}{\private2 shown})", "shown"},
            {"one blank after a control word is eaten", R"(\b  x)", "<bd 1> x"},
            {"no blank is eaten after a control symbol", R"(\{ x)", "{ x"},
            {"a hyphen without digits is text", R"(\li-x)", "<li 0>-x"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfKeywords, SkippedDestinationsHideTheirGroup) {
    for (std::string name : {"author", "buptim", "comment", "creatim", "doccomm", "footer", "footerf", "footerl",
                             "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "header", "headerf", "headerl",
                             "headerr", "info", "keywords", "operator", "pict", "printim", "private1", "revtim",
                             "rxe", "stylesheet", "subject", "tc", "title", "txe", "xe"}) {
        SCOPED_TRACE(name);
        // Formatting inside the group must not leak out either.
        EXPECT_EQ(markupOf("a{\\" + name + " hidden \\b\\fs40 text{\\i deeper}}b"), "ab");
    }
}

TEST(RtfKeywords, EveryKeywordIsKnownWithItsKind) {
    using K = rtf::KeywordKind;
    const std::vector<std::pair<const char*, K>> expected = {
        {"b", K::Property},          {"ul", K::Property},          {"ulnone", K::Property},
        {"i", K::Property},          {"strike", K::Property},      {"tab", K::Character},
        {"*", K::Special},           {"f", K::Property},           {"fs", K::Property},
        {"deff", K::Property},       {"pard", K::Property},        {"par", K::Property},
        {"plain", K::Property},      {"tx", K::Property},          {"tqr", K::Property},
        {"tqc", K::Property},        {"tqdec", K::Property},       {"tldot", K::Property},
        {"tlhyh", K::Property},      {"tlul", K::Property},        {"tlth", K::Property},
        {"tleq", K::Property},       {"ql", K::Property},          {"qr", K::Property},
        {"qc", K::Property},         {"qj", K::Property},          {"fi", K::Property},
        {"li", K::Property},         {"ri", K::Property},          {"red", K::Property},
        {"green", K::Property},      {"blue", K::Property},        {"cf", K::Property},
        {"fonttbl", K::Destination}, {"colortbl", K::Destination}, {"{", K::Character},
        {"}", K::Character},         {"\\", K::Character},        {"bullet", K::Character},
        {"lquote", K::Character},    {"rquote", K::Character},     {"ldblquote", K::Character},
        {"rdblquote", K::Character}, {"endash", K::Character},     {"emdash", K::Character},
        {"'", K::Special},           {"emspace", K::Character},    {"enspace", K::Character},
        {"~", K::Character},         {"line", K::Character},       {"bin", K::Special},
    };
    for (const auto& [name, kind] : expected) {
        SCOPED_TRACE(name);
        const rtf::Keyword* k = rtf::findKeyword(name);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->kind, kind);
        EXPECT_FALSE(k->useDefaultAlways);
    }
    // The 31 skipped destinations (checked by behaviour above) make up the rest.
    EXPECT_EQ(rtf::keywordTable().size(), expected.size() + 31);
    for (const auto& k : rtf::keywordTable()) EXPECT_EQ(rtf::findKeyword(k.name), &k) << k.name;
    EXPECT_EQ(rtf::findKeyword("bx"), nullptr);
    EXPECT_EQ(rtf::findKeyword(""), nullptr);
}

TEST(RtfTables, FontTableNamesTheFonts) {
    forEachRow<MarkupRow>(
        {
            {"default font leads, f switches",
             R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;}}\deff1 a\f0 b)",
             "<ff Times New Roman>a<ff Arial>b"},
            {"font 0 is the default without deff", R"({\fonttbl{\f0 Arial;}{\f1 Times;}}x)", "<ff Arial>x"},
            {"entries without their own groups", R"({\fonttbl\f0 Arial;\f1 Times;}\f1 x)", "<ff Arial><ff Times>x"},
            {"alternative names in star groups are skipped", R"({\fonttbl{\f0 Liberation Serif{\*\falt Times};}}x)",
             "<ff Liberation Serif>x"},
            {"a hex escape in a name", R"({\fonttbl{\f0 Caf\'e9;}}x)", "<ff Café>x"},
            {"no default font named: no leading tag", R"({\fonttbl{\f2 Arial;}}x)", "x"},
            {"an unknown font writes nothing", R"({\fonttbl{\f0 Arial;}}\f7 x)", "<ff Arial>x"},
            {"angle brackets cannot end the tag", R"({\fonttbl{\f0 A<b>c;}}x)", "<ff Abc>x"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfTables, FontNamesAreBounded) {
    const std::string longName(10000, 'n');
    const std::string markup = markupOf("{\\fonttbl{\\f0 " + longName + ";}}x");
    EXPECT_EQ(markup, "<ff " + std::string(limits::kRtfFontNameBytes, 'n') + ">x");
}

TEST(RtfTables, ColourTableIndexesFromZeroWithTheAutomaticColour) {
    forEachRow<MarkupRow>(
        {
            {"auto entry first, as writers do",
             R"({\colortbl;\red255\green0\blue0;\red0\green128\blue255;}\cf1 a\cf2 b\cf0 c)",
             "<co 255;0;0>a<co 0;128;255>b<co 0;0;0>c"},
            {"a table without the auto entry", R"({\colortbl\red10\green20\blue30;\red1\green2\blue3;}\cf0 a\cf1 b)",
             "<co 10;20;30>a<co 1;2;3>b"},
            {"beyond the table is black", R"({\colortbl;\red255\green0\blue0;}\cf9 a\cf-1 b)",
             "<co 0;0;0>a<co 0;0;0>b"},
            {"an entry missing a component is automatic", R"({\colortbl\red255\green9;\red1\green2\blue3;}\cf0 a)",
             "<co 0;0;0>a"},
            {"components are clamped to a byte", R"({\colortbl\red999\green-4\blue7;}\cf0 a)", "<co 255;0;7>a"},
            {"no table at all", R"(\cf1 a)", "<co 0;0;0>a"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfGroups, ClosingAGroupRestoresWhatItChanged) {
    forEachRow<MarkupRow>(
        {
            {"italic around one word", R"({\i word} after)", "<it 1>word<it 0> after"},
            {"nothing changed, nothing written", R"(a{b}c)", "abc"},
            {"every property, in order",
             R"({\fonttbl{\f0 A;}{\f1 B;}}{\colortbl;\red255\green0\blue0;}{\b\i\ul\strike\fs30\f1\cf1 x}y)",
             "<ff A><bd 1><it 1><ul 1><st 1><fs 15><ff B><co 255;0;0>x"
             "<bd 0><it 0><ul 0><st 0><fs 12><ff A><co 0;0;0>y"},
            {"restores the value saved, not 0", R"(\b {\b0 x}y)", "<bd 1><bd 0>x<bd 1>y"},
            {"nested groups restore level by level", R"({\b{\i x}y}z)", "<bd 1><it 1>x<it 0>y<bd 0>z"},
            {"a property set back inside the group writes nothing", R"({\b x\b0 }y)", "<bd 1>x<bd 0>y"},
            {"plain writes strike and colour off only when on", R"({\colortbl;\red1\green2\blue3;}\strike\cf1\plain x)",
             "<st 1><co 1;2;3><bd 0><it 0><ul 0><fs 12><st 0><co 0;0;0>x"},
            {"pard clears the tab stops it set", R"(\tx100\pard x\pard y)", "<ts 100><fi 0><li 0><ri 0><rr><tc>x"
                                                                             "<fi 0><li 0><ri 0><rr>y"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfGroups, StarSkipsOnlyUnknownDestinations) {
    forEachRow<MarkupRow>(
        {
            {"unknown after \\* skips the group", R"(a{\*\generator Writer 1.0;}b)", "ab"},
            {"known after \\* is obeyed", R"({\*\b x}y)", "<bd 1>x<bd 0>y"},
            {"unknown without \\* is ignored, text shown", R"({\unknownthing shown})", "shown"},
            {"the flag belongs to the next keyword only", R"({\*\b\unknownthing x})", "<bd 1>x<bd 0>"},
            {"nested groups of a skipped group stay hidden", R"({\*\userprops{\propname a}{\staticval b}}c)", "c"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfText, CharactersAndEscapes) {
    forEachRow<MarkupRow>(
        {
            {"angle brackets become escapes", "a<b>c", "a<zl>b<zr>c"},
            {"hex e9 is e acute", R"(caf\'e9)", "café"},
            {"hex digits in upper case", R"(\'E9)", "é"},
            {"Windows-1252 quotes by hex", R"(\'93x\'94)", "\u201Cx\u201D"},
            {"a hex angle bracket is escaped", R"(\'3c)", "<zl>"},
            {"a hex tab is a tab tag", R"(\'09)", "<tb>"},
            {"a hex line feed is CR LF", R"(\'0a)", "\r\n"},
            {"other control characters are dropped", R"(a\'00\'07b)", "ab"},
            {"a raw tab is a tab tag", "a\tb", "a<tb>b"},
            {"raw high bytes are Windows-1252", "\xe9\x80", "é€"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfText, LineEndsAreNeverTextButEndControlWords) {
    forEachRow<MarkupRow>(
        {
            {"CR LF inside text vanish", "wo\r\nrd", "word"},
            {"a line end ends a control word", "\\b\r\nword", "<bd 1>word"},
            {"a line end after the parameter", "\\fs30\nword", "<fs 15>word"},
            {"a line end between hex digits", "\\'e\r\n9", "é"},
            {"a backslash before a line end is a paragraph end", "a\\\r\nb", "a<nl>\r\nb"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfText, ParametersAreClampedNotWrapped) {
    forEachRow<MarkupRow>(
        {
            {"huge positive", R"(\li99999999999999999999999 x)", "<li 2147483647>x"},
            {"huge negative", R"(\li-99999999999999999999999 x)", "<li -2147483648>x"},
            {"font size above the limit", R"(\fs99999 x)", "<fs 1638>x"},
            {"font size at the limit", R"(\fs3276 x)", "<fs 1638>x"},
            {"font size just below the limit", R"(\fs3275 x)", "<fs 1637.5>x"},
            {"font size without parameter is ignored", R"(\fs x)", "x"},
            {"font size 0 is ignored", R"(\fs0 x)", "x"},
            {"negative font size is ignored", R"(\fs-4 x)", "x"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

TEST(RtfText, BinaryDataIsSkippedUnread) {
    forEachRow<MarkupRow>(
        {
            {"braces and backslashes inside", "{\\pict\\bin6 }}\\'zz}after", "after"},
            {"count beyond the end", R"(x\bin99999999 {{{)", "x"},
            {"negative count skips nothing", R"(\bin-5 x)", "x"},
            {"line ends inside are data too", "\\bin2 \r\nx", "x"},
        },
        [](const MarkupRow& row) { EXPECT_EQ(markupOf(row.rtf), row.markup); });
}

std::string repeat(std::string_view piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

struct CodeRow {
    const char* name;
    std::string rtf;
    ResultCode code;
};

TEST(RtfResultCodes, EachFailureHasItsCode) {
    const std::string deepest(limits::kRtfGroupDepth, '{');
    forEachRow<CodeRow>(
        {
            {"empty input", "", ResultCode::Success},
            {"closing brace without opening", "}", ResultCode::UnmatchedClose},
            {"one closing brace too many", "{a}}", ResultCode::UnmatchedClose},
            {"a letter after \\'", R"(\'zz)", ResultCode::InvalidHexDigit},
            {"second digit invalid", R"(\'4g)", ResultCode::InvalidHexDigit},
            {"a brace after \\'", R"({\'})", ResultCode::InvalidHexDigit},
            {"invalid hex even in a skipped group", R"({\info \'zz})", ResultCode::InvalidHexDigit},
            {"groups at the limit", deepest + "x", ResultCode::Success},
            {"groups at the limit, closed", deepest + std::string(limits::kRtfGroupDepth, '}'), ResultCode::Success},
            {"one group more than the limit", deepest + "{", ResultCode::GroupsTooDeep},
            {"groups opened and closed many times", repeat("{a}", 5000), ResultCode::Success},
            {"unterminated group ends at the end", R"({\rtf1 {\b text)", ResultCode::Success},
            {"truncated after \\'", R"(x\')", ResultCode::Success},
            {"truncated after one hex digit", R"(x\'4)", ResultCode::Success},
            {"truncated after a backslash", "x\\", ResultCode::Success},
            {"truncated in a parameter", R"(\fs2)", ResultCode::Success},
        },
        [](const CodeRow& row) { EXPECT_EQ(rtf::readRtf(row.rtf).code, row.code); });
}

TEST(RtfResultCodes, FailuresReturnOnlyTheErrorText) {
    EXPECT_EQ(rtf::importRtfText("some text}"), "Error parsing file:-5");
    EXPECT_EQ(rtf::importRtfText(R"(text \'zz)"), "Error parsing file:-9");
    EXPECT_EQ(rtf::importRtfText(std::string(limits::kRtfGroupDepth + 1, '{')), "Error parsing file:-4");
    EXPECT_TRUE(rtf::readRtf("x}").markup.empty());
}

// A document in the shape word processors write: header tables, a style sheet, an
// information group, a picture and formatted paragraphs.
const std::string kSampleDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0 Arial{\\*\\falt Helvetica};}}\r\n"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\stylesheet{\\s0\\b\\fs40 Normal;}{\\*\\cs10 Default;}}\r\n"
    "{\\info{\\title Sample}{\\author Someone}{\\creatim\\yr2024\\mo1\\dy2}}\r\n"
    "{\\*\\generator Word;}\\viewkind4\\uc1\\pard\\qc\\f1\\fs32 Title\\par\r\n"
    "\\pard\\ql\\li720\\tx2880 Name\\tab {\\b Value} \\'e9t\\'e9 {\\cf1 red}\\line next\\par\r\n"
    "{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}\r\n"
    "\\ldblquote q\\rdblquote  a\\{b\\}c <tag>\\par\r\n"
    "}\r\n";

TEST(RtfDocument, SampleDocument) {
    const rtf::ReadResult r = rtf::readRtf(kSampleDocument);
    ASSERT_TRUE(r.ok()) << static_cast<int>(r.code);
    EXPECT_EQ(r.markup,
              "<ff Times New Roman><fi 0><li 0><ri 0><rr><ce><ff Arial><fs 16>Title<nl>\r\n"
              "<fi 0><li 0><ri 0><rr><rr><li 720><ts 2880>Name<tb><bd 1>Value<bd 0> été "
              "<co 255;0;0>red<co 0;0;0><sl>next<nl>\r\n"
              "<ac 147>q<ac 148> a{b}c <zl>tag<zr><nl>\r\n"
              // closing the outermost group restores the size and font it started with
              "<fs 12><ff Times New Roman>");
    EXPECT_EQ(test::visibleText(r.markup), "Title\nName\tValue été red\nnext\n\u201Cq\u201D a{b}c <tag>\n");
}

TEST(RtfRobustness, RandomBytes) {
    // RTF's own characters are made frequent so that the inputs reach deep into the reader.
    const std::string alphabet = "{}\\\\\\'''abfsulix0123456789-;<> \r\n\t\x93\xe9\x00\xff*";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), length(0, 400);
    const std::set<ResultCode> named = {ResultCode::Success, ResultCode::UnmatchedClose, ResultCode::InvalidHexDigit,
                                        ResultCode::GroupsTooDeep};
    for (int i = 0; i < 3000; ++i) {
        std::string input(length(random), ' ');
        for (char& c : input) c = alphabet[pick(random)];
        rtf::ReadResult r;
        ASSERT_NO_THROW(r = rtf::readRtf(input)) << i;
        ASSERT_TRUE(named.count(r.code)) << i;
        ASSERT_TRUE(test::isUtf8(r.markup)) << i;
    }
}

TEST(RtfRobustness, HostileShapesEndQuickly) {
    EXPECT_EQ(rtf::readRtf(std::string(1'000'000, '{')).code, ResultCode::GroupsTooDeep);
    EXPECT_EQ(rtf::readRtf(std::string(1'000'000, '}')).code, ResultCode::UnmatchedClose);
    EXPECT_EQ(rtf::readRtf("\\" + std::string(1'000'000, 'a') + " x").markup, "x");
    EXPECT_EQ(rtf::readRtf("\\li" + std::string(1'000'000, '9') + " x").markup, "<li 2147483647>x");

    // A long font name switched on and off many times: the markup grows with the input only.
    std::string input = "{\\fonttbl{\\f0 A;}{\\f1 " + std::string(100'000, 'n') + ";}}";
    for (int i = 0; i < 20'000; ++i) input += "{\\f1}";
    const rtf::ReadResult r = rtf::readRtf(input);
    ASSERT_TRUE(r.ok());
    EXPECT_LT(r.markup.size(), 20'000u * 2 * (limits::kRtfFontNameBytes + 6));
}

// ---- Preview::RtfImport ---------------------------------------------------------------------

TEST(RtfImportFile, ReadsTheFileInBinary) {
    test::ScratchDir dir("rtfimport");
    Preview pv;
    EXPECT_EQ(pv.RtfImport(dir.write("a.rtf", "{\\rtf1 {\\b x}\r\n\\par}")), "<bd 1>x<bd 0><nl>\r\n");
    EXPECT_EQ(pv.RtfImport(dir.write("bad.rtf", "{\\rtf1 x}}")), "Error parsing file:-5");
    EXPECT_EQ(pv.RtfImport(dir.write("empty.rtf", "")), "");
}

TEST(RtfImportFile, FilesThatCannotBeRead) {
    test::ScratchDir dir("rtfimport");
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.RtfImport(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_THAT(errorOf([&] { pv.RtfImport((dir.path() / "none.rtf").string()); }),
                IsError(53, "RtfImport", "File not found"));
    EXPECT_THAT(errorOf([&] { pv.RtfImport(dir.path().string()); }), IsError(53, "RtfImport", "File not found"));
}

}  // namespace
}  // namespace kalder
