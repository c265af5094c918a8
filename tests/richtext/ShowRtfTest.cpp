// ShowRTF: an RTF file poured as paragraphs over as many pages as it needs, checked through
// the document tree and through what the pages draw on the recording target.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "richtext/RtfTestSupport.h"
#include "richtext/cParaText.h"
#include "support/ErrorMatchers.h"

namespace kalder {
namespace {

using test::errorOf;
using test::IsError;

std::vector<std::shared_ptr<cParaText>> paragraphsOn(const cPage& page) {
    std::vector<std::shared_ptr<cParaText>> out;
    auto inside = page.Frames().Item(std::string_view("inside"));
    if (!inside) return out;
    for (const auto& e : inside->Elements())
        if (auto p = std::dynamic_pointer_cast<cParaText>(e)) out.push_back(p);
    return out;
}

// The words a page prints, in drawing order.
std::vector<std::string> wordsPrinted(Preview& pv, cPage& page) {
    RecordingDrawTarget target;
    DrawingLayer layer(target);
    RenderContext ctx(layer, &pv.document());
    page.Preview(ctx);
    std::string all;
    for (const auto& call : target.callsStartingWith("Print ")) all += call.substr(6) + " ";
    std::istringstream in(all);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::vector<std::string> allWordsPrinted(Preview& pv) {
    std::vector<std::string> words;
    for (const auto& page : pv.document().pages()) {
        const auto more = wordsPrinted(pv, *page);
        words.insert(words.end(), more.begin(), more.end());
    }
    return words;
}

// Paragraphs of numbered words, long enough for several pages.
struct LongDocument {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\r\n";
    std::vector<std::string> words;
    explicit LongDocument(int paragraphs) {
        for (int p = 1; p <= paragraphs; ++p) {
            rtf += "\\pard\\fs24 ";
            for (int w = 1; w <= 40; ++w) {
                const std::string word = "p" + std::to_string(p) + "w" + std::to_string(w);
                rtf += word + " ";
                words.push_back(word);
            }
            rtf += "\\par\r\n";
        }
        rtf += "}";
    }
};

TEST(ShowRtf, LongDocumentFlowsOverPagesWithEveryWordOnce) {
    test::ScratchDir dir("showrtf");
    const LongDocument doc(60);
    Preview pv;
    pv.AddFirstPage("1 in", "1.5 in", "1 in", "0.75 in");
    pv.ShowRTF(dir.write("long.rtf", doc.rtf));

    ASSERT_GT(pv.TotalPages(), 2);
    std::int32_t n = 0;
    for (const auto& page : pv.document().pages()) {
        SCOPED_TRACE(page->Key);
        ++n;
        EXPECT_EQ(page->Key, "Page " + std::to_string(n));
        EXPECT_EQ(page->PageMarginLeft, 1440);
        EXPECT_EQ(page->PageMarginRight, 2160);
        EXPECT_EQ(page->PageMarginTop, 1440);
        EXPECT_EQ(page->PageMarginBottom, 1080);
        const auto paras = paragraphsOn(*page);
        ASSERT_EQ(paras.size(), 1u);
        EXPECT_EQ(paras[0]->yPos, 0);
        EXPECT_EQ(paras[0]->Width, page->PageInsideWidth());
        EXPECT_LE(paras[0]->NextY, page->PageInsideHeight());
        EXPECT_FALSE(paras[0]->TextLines.empty());
    }
    EXPECT_EQ(allWordsPrinted(pv), doc.words);
    // The position ends below the last line, on the last page.
    EXPECT_EQ(pv.CurrentPage(), "Page " + std::to_string(pv.TotalPages()));
    EXPECT_EQ(pv.CurrentY(), pv.ParaNextY());
}

TEST(ShowRtf, StartsAtTheCurrentPositionOfTheInsideFrame) {
    test::ScratchDir dir("showrtf");
    const std::string file = dir.write("short.rtf", "{\\rtf1 one two three\\par}");

    Preview below;
    below.CurrentFrame("inside");
    below.CurrentY(3000);
    below.ShowRTF(file);
    auto paras = paragraphsOn(*below.document().currentPage());
    ASSERT_EQ(paras.size(), 1u);
    EXPECT_EQ(paras[0]->yPos, 3000);
    EXPECT_EQ(paras[0]->Height, below.FrameHeight() - 3000);
    EXPECT_EQ(below.TotalPages(), 1);

    // From another frame the text goes to the top of "inside".
    Preview other;
    other.AddFrame("box", "1 in", "1 in", "2 in", "2 in");
    other.CurrentY(3000);
    other.ShowRTF(file);
    EXPECT_EQ(other.CurrentFrame(), "inside");
    paras = paragraphsOn(*other.document().currentPage());
    ASSERT_EQ(paras.size(), 1u);
    EXPECT_EQ(paras[0]->yPos, 0);
}

TEST(ShowRtf, NoRoomLeftOnThePageContinuesOnANewOne) {
    test::ScratchDir dir("showrtf");
    Preview pv;
    pv.CurrentFrame("inside");
    pv.CurrentY(pv.FrameHeight() - 10);  // less than one line
    pv.ShowRTF(dir.write("short.rtf", "{\\rtf1 one two three\\par}"));
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(allWordsPrinted(pv), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(ShowRtf, ALineTooTallForAnyPageEndsTheLayout) {
    test::ScratchDir dir("showrtf");
    Preview pv;
    // 1638 pt is higher than a whole page: no page could take it, so none is added.
    pv.ShowRTF(dir.write("tall.rtf", "{\\rtf1 small\\par\\fs3276 HUGE\\par}"));
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(allWordsPrinted(pv), (std::vector<std::string>{"small"}));
}

TEST(ShowRtf, AParseErrorShowsItsText) {
    test::ScratchDir dir("showrtf");
    Preview pv;
    pv.ShowRTF(dir.write("bad.rtf", "{\\rtf1 text}}"));
    EXPECT_EQ(allWordsPrinted(pv), (std::vector<std::string>{"Error", "parsing", "file:-5"}));
}

TEST(ShowRtf, AFileThatCannotBeReadRaisesAndAddsNothing) {
    Preview pv;
    EXPECT_THAT(errorOf([&] { pv.ShowRTF("/nonexistent/kalder.rtf"); }), IsError(53, "RtfImport", "File not found"));
    EXPECT_EQ(pv.TotalPages(), 1);
    EXPECT_TRUE(paragraphsOn(*pv.document().currentPage()).empty());
}

}  // namespace
}  // namespace kalder
