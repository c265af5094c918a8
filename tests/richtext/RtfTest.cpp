// RTF import: what each keyword writes, tables, groups, escapes, line ends, the result codes and
// hostile input; RtfImport and ShowRTF with files; and RTF files LibreOffice wrote.
#include "richtext/RtfReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QString>
#include <cstdio>
#include <sstream>
#include <string>

#include "core/Limits.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/RtfKeywords.h"
#include "richtext/cParaText.h"
#include "support/ErrorMatchers.h"
#include "support/Paragraphs.h"
#include "support/RecordedCalls.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using namespace test;
using ::testing::ElementsAre;

// Each page: its key, margins, and its "inside" frame's paragraphs as "y height width next",
// "empty" after a paragraph without lines.
std::string insideParagraphs(Preview& pv) {
    std::string out;
    for (const auto& page : pv.document().pages()) {
        out += page->Key + " " + std::to_string(page->PageMarginLeft) + "," + std::to_string(page->PageMarginRight) +
               "," + std::to_string(page->PageMarginTop) + "," + std::to_string(page->PageMarginBottom) + ":";
        for (const auto& e : page->Frames().Item(std::string_view("inside"))->Elements())
            if (auto p = std::dynamic_pointer_cast<cParaText>(e))
                out += " " + std::to_string(p->yPos) + " " + std::to_string(p->Height) + " " +
                       std::to_string(p->Width) + " " + std::to_string(p->NextY) +
                       (p->TextLines.empty() ? " empty" : "");
        out += "\n";
    }
    return out;
}

// The words every page prints, page after page.
std::vector<std::string> wordsDrawn(Preview& pv) {
    std::string all;
    for (const auto& page : pv.document().pages()) {
        const std::string calls = drawn(pageCalls(pv, *page));
        for (std::size_t at = calls.find('\''), end; at != std::string::npos; at = calls.find('\'', end + 1)) {
            end = calls.find('\'', at + 1);
            all += calls.substr(at + 1, end - at - 1) + " ";
        }
    }
    return wordsOfText(all);
}

// golden/rtf-markup.txt: "RTF => markup" a line, a failed parse as its error text; ^HH is the byte HH
// (control bytes on both sides, bytes above 127 in the RTF).
TEST(RtfImport, Markup) {
    const auto escaped = [](std::string_view text, bool high) {
        std::string out;
        for (const unsigned char c : text) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "^%02X", c);
            const bool coded = c < 0x20 || c == 0x7f || c == '^' || (high && c >= 0x80);
            out += coded ? hex : std::string(1, static_cast<char>(c));
        }
        return out;
    };
    std::istringstream rows(golden("rtf-markup.txt"));
    int count = 0;
    for (std::string line; std::getline(rows, line);) {
        if (line.starts_with('#')) continue;
        std::string rtf = line.substr(0, line.find(" => "));
        for (std::size_t at; (at = rtf.find('^')) != std::string::npos;)
            rtf.replace(at, 3, 1, static_cast<char>(std::stoi(rtf.substr(at + 1, 2), nullptr, 16)));
        EXPECT_EQ(escaped(rtf, true) + " => " + escaped(rtf::importRtfText(rtf), false), line);
        ++count;
    }
    EXPECT_EQ(count, 47);
    const std::string deepest(limits::kRtfGroupDepth, '{');
    EXPECT_EQ(rtf::importRtfText(deepest + "x" + std::string(limits::kRtfGroupDepth, '}') + "{y}"), "xy");  // freed
    EXPECT_EQ(rtf::importRtfText(deepest + "{"), "Error parsing file:-4 (groups nested more than 100 deep, at byte 100)");
    EXPECT_EQ(rtf::importRtfText("{\\fonttbl{\\f0 " + std::string(10000, 'n') + ";}}x"),
              "<ff " + std::string(limits::kRtfFontNameBytes, 'n') + ">x");
    EXPECT_TRUE(rtf::readRtf("x}").markup.empty());
    EXPECT_EQ(rtf::importRtfText("\\" + std::string(1'000'000, 'a') + " x"), "x");
    EXPECT_EQ(rtf::importRtfText("\\li" + std::string(1'000'000, '9') + " x"), "<li 2147483647>x");
    EXPECT_EQ(rtf::importRtfText(std::string(1'000'000, '{')), "Error parsing file:-4 (groups nested more than 100 deep, at byte 100)");
    EXPECT_EQ(rtf::importRtfText(std::string(1'000'000, '}')), "Error parsing file:-5 (a \"}\" that closes no group, at byte 0)");
    // A long font name switched on and off many times: the markup grows with the input only.
    std::string input = "{\\fonttbl{\\f0 A;}{\\f1 " + std::string(100'000, 'n') + ";}}";
    for (int i = 0; i < 20'000; ++i) input += "{\\f1}";
    EXPECT_LT(rtf::importRtfText(input).size(), 20'000u * 2 * (limits::kRtfFontNameBytes + 6));
}

TEST(RtfImport, KeywordTable) {
    int destinations = 0;
    for (const auto& k : rtf::keywordTable()) {
        EXPECT_EQ(rtf::findKeyword(k.name), &k) << k.name;
        // Every skipped destination hides its group, formatting inside it included.
        if (k.kind == rtf::KeywordKind::Destination && ++destinations && k.name != "fonttbl" && k.name != "colortbl")
            EXPECT_EQ(rtf::importRtfText("a{\\" + std::string(k.name) + " hidden \\b\\fs40 text{\\i deeper}}b"), "ab")
                << k.name;
    }
    // 31 skipped destinations and the two tables, 49 other keywords.
    EXPECT_EQ(std::to_string(destinations) + " of " + std::to_string(rtf::keywordTable().size()), "33 of 82");
    EXPECT_EQ(rtf::findKeyword("bx"), nullptr);
    EXPECT_EQ(rtf::findKeyword(""), nullptr);
}

// A document in the shape word processors write: header tables, a style sheet, an
// information group, a picture and formatted paragraphs.
TEST(RtfImport, SampleDocument) {
    Preview pv;
    EXPECT_EQ(pv.RtfImport(std::string(KALDER_TEST_DATA) + "/golden/sample.rtf"),
              "<ff Times New Roman><fi 0><li 0><ri 0><rr><ce><ff Arial><fs 16>Title<nl>\r\n"
              "<fi 0><li 0><ri 0><rr><rr><li 720><ts 2880>Name<tb><bd 1>Value<bd 0> été "
              "<co 255;0;0>red<co 0;0;0><sl>next<nl>\r\n"
              "<ac 147>q<ac 148> a{b}c <zl>tag<zr><nl>\r\n"
              "<fs 12><ff Times New Roman>");  // closing the outer group restores its size and font
}

TEST(RtfImportFile, ReadsTheFileInBinaryAndRaisesWhenItCannot) {
    ScratchDir dir;
    Preview pv;
    EXPECT_EQ(pv.RtfImport(dir.write("bad.rtf", "{\\rtf1 x}}")), "Error parsing file:-5 (a \"}\" that closes no group, at byte 9)");
    EXPECT_EQ(pv.RtfImport(dir.write("empty.rtf", "")), "");
    EXPECT_THAT(errorOf([&] { pv.RtfImport(""); }), IsError(-69, "Kalder", "The filename is missing"));
    EXPECT_THAT(errorOf([&] { pv.RtfImport(dir.file("none.rtf")); }),
                IsError(53, "RtfImport", "File not found: " + dir.file("none.rtf")));
    EXPECT_THAT(errorOf([&] { pv.RtfImport(dir.path().string()); }),
                IsError(53, "RtfImport", "File not found: " + dir.path().string()));
    EXPECT_THAT(errorOf([&] { pv.ShowRTF("/nonexistent/kalder.rtf"); }),
                IsError(53, "RtfImport", "File not found: /nonexistent/kalder.rtf"));
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_EQ(pv.document().currentPage()->Frames().Item(std::string_view("inside"))->Elements().Count(), 0);
}

TEST(ShowRtf, ALongDocumentFlowsOverPagesWithEveryWordOnce) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\r\n";
    std::vector<std::string> words;
    for (int p = 1; p <= 60; ++p)
        for (int w = 1; w <= 40; ++w) {
            words.push_back("p" + std::to_string(p) + "w" + std::to_string(w));
            rtf += (w == 1 ? "\\pard\\fs24 " : "") + words.back() + (w == 40 ? " \\par\r\n" : " ");
        }
    ScratchDir dir;
    Preview pv;
    pv.AddFirstPage("1 in", "1.5 in", "1 in", "0.75 in");
    pv.ShowRTF(dir.write("long.rtf", rtf + "}"));
    std::string pages;
    for (int n = 1; n <= 7; ++n)
        pages += "Page " + std::to_string(n) + " 1440,2160,1440,1080: 0 14318 8310 " + (n < 7 ? "14098\n" : "8778\n");
    EXPECT_EQ(insideParagraphs(pv), pages);
    EXPECT_EQ(wordsDrawn(pv), words);
    // The position ends below the last line, on the last page.
    EXPECT_EQ(pv.CurrentPage(), "Page " + std::to_string(pv.TotalPages()));
    EXPECT_EQ(pv.CurrentY(), pv.ParaNextY());
}

TEST(ShowRtf, WhereItStartsAndWhereItStops) {
    ScratchDir dir;
    const std::string file = dir.write("short.rtf", "{\\rtf1 one two three\\par}");
    Preview below;  // in "inside": from the current position
    below.CurrentFrame("inside");
    below.CurrentY(3000);
    below.ShowRTF(file);
    EXPECT_EQ(insideParagraphs(below), "Page 1 0,0,0,0: 3000 13838 11910 3492\n");
    Preview other;  // from another frame: at the top of "inside"
    other.AddFrame("box", "1 in", "1 in", "2 in", "2 in");
    other.CurrentY(3000);
    other.ShowRTF(file);
    EXPECT_EQ(other.CurrentFrame(), "inside");
    EXPECT_EQ(insideParagraphs(other), "Page 1 0,0,0,0: 0 16838 11910 492\n");
    Preview full;  // less than a line left: on a new page
    full.CurrentFrame("inside");
    full.CurrentY(full.FrameHeight() - 10);
    full.ShowRTF(file);
    EXPECT_EQ(insideParagraphs(full),
              "Page 1 0,0,0,0: 16828 10 11910 16828 empty\nPage 2 0,0,0,0: 0 16838 11910 492\n");
    EXPECT_THAT(wordsDrawn(full), ElementsAre("one", "two", "three"));
    // An 800-point line is higher than a whole page: no page could take it, so no more are added.
    Preview tall;
    tall.ShowRTF(dir.write("tall.rtf", "{\\rtf1 small\\par\\fs1600 HUGE\\par}"));
    EXPECT_EQ(insideParagraphs(tall), "Page 1 0,0,0,0: 0 16838 11910 492\nPage 2 0,0,0,0: 0 16838 11910 0 empty\n");
    EXPECT_THAT(wordsDrawn(tall), ElementsAre("small"));
    Preview bad;
    bad.ShowRTF(dir.write("bad.rtf", "{\\rtf1 text}}"));
    EXPECT_THAT(wordsDrawn(bad), ElementsAre("Error", "parsing", "file:-5", "(a", "\"}\"", "that", "closes", "no", "group,",
                                             "at", "byte", "12)"));
}

// RTF written by LibreOffice from golden/formatting.html and golden/layout.fodt (tab stops,
// indents, a tab, a line break, a formatted span and RTF's own special characters). One
// LibreOffice run converts both (it takes several seconds), so the checks sit in one test.
TEST(RtfFromLibreOffice, FormattingAndTextComeThrough) {
    if (runTool("command -v soffice").status != 0)
        GTEST_SKIP() << "soffice (LibreOffice, package libreoffice-writer-nogui) is not installed";
    ScratchDir dir;
    const std::string path = dir.path().string(), data = std::string(KALDER_TEST_DATA) + "/golden/";
    const ToolResult run = runTool("timeout 240 soffice -env:UserInstallation=file://" + path + "/profile --headless " +
                                   "--convert-to 'rtf:Rich Text Format' --outdir '" + path + "/out' '" + data +
                                   "formatting.html' '" + data + "layout.fodt'");
    const std::string file = dir.read("out/formatting.rtf"), layout = dir.read("out/layout.rtf");
    ASSERT_FALSE(file.empty() || layout.empty()) << run.output << "\nexit status " << run.status;

    std::string markup = rtf::importRtfText(file);
    // The alignment in force where a word first starts: the last alignment tag before it.
    const auto alignAt = [&](const char* word) {
        const std::string head = markup.substr(0, markup.find(word));
        std::string tag = "none";
        for (std::size_t best = 0; const char* a : {"<rr>", "<rl>", "<ce>", "<ju>"})
            if (const auto at = head.rfind(a); at != std::string::npos && at + 1 > best) best = at + 1, tag = a;
        return tag;
    };
    EXPECT_EQ(alignAt("Bold") + alignAt("Right") + alignAt("Justified"), "<ce><rl><ju>");
    // Every truncation of a real file ends in a named code with UTF-8 markup.
    for (std::size_t n = 0; n < file.size(); ++n) {
        const rtf::ReadResult t = rtf::readRtf(std::string_view(file).substr(0, n));
        ASSERT_THAT(static_cast<int>(t.code), ::testing::AnyOf(-2, -4, -5, -9)) << n;
        // Well-formed UTF-8 survives the round trip through UTF-16.
        ASSERT_EQ(QString::fromUtf8(t.markup).toUtf8().toStdString(), t.markup) << n;
    }
    // Shown in a document, each word is drawn in its font, weight, colour and alignment.
    Preview pv;
    pv.ShowRTF(dir.write("formatting.rtf", file));
    EXPECT_EQ(drawn(pageCalls(pv, *pv.document().currentPage())) + "\n", golden("formatting.calls"));

    // Indents and stops come before the paragraph's text; LibreOffice writes the stops from
    // the page margin, the left indent added. The second paragraph starts without them.
    markup = rtf::importRtfText(layout);
    EXPECT_EQ(
        markup,
        "<ff Liberation Serif><fi 0><li 0><ri 0><rr><bd 0><it 0><ul 0><fs 12><co 0;0;0><ff Liberation Serif><fs "
        "12><rr><ts 4320><ts 5760><li 1440><ri 720><fi 360>Name<tb>Value<sl>Next line<nl>\r\n<fi 0><li 0><ri "
        "0><rr><tc><bd 0><it 0><ul 0><fs 12><co 0;0;0><co 0;0;0><ff Liberation Serif><fs 12><rr>Plain <co 0;0;255><fs "
        "15><bd 1>blue bold<bd 0><fs 12><co 0;0;0> after{brace}\\back space<nl>\r\n<ff Liberation Serif><co 0;0;0>");
}

}  // namespace
}  // namespace kalder
