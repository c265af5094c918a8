// How a paragraph draws and travels: the calls the recording target receives (positions,
// fonts, underline under the gaps, page numbers of the page drawn), pixels of a real render,
// the layout after an XML round trip, and the PDF file as poppler's pdftotext and qpdf
// read it.
#include "richtext/cParaText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "ParaTestSupport.h"

namespace fs = std::filesystem;

namespace kalder {
namespace {

using test::arial;
using test::lineWords;
using test::LoremWords;
using test::widthOf;
using test::wordsOf;
using test::wordsOfText;
using ::testing::ElementsAre;

constexpr std::int32_t kFrameX = 1500;
constexpr std::int32_t kFrameY = 3000;

// A document whose current frame "para" sits at (1500, 3000), running style Arial 10 plain.
struct ParaDoc {
    Preview pv;
    std::shared_ptr<cFrame> frame;
    ParaDoc() {
        pv.AddFrame("para", kFrameX, kFrameY, 6000, 6000);
        pv.FontName("Arial");
        pv.FontSize(10);
        pv.FontBold(false);
        pv.FontUnderline(false);
        frame = pv.document().currentFrame();
    }
    std::shared_ptr<cParaText> add(std::string text, const Variant& x = Variant::missing(),
                                   const Variant& y = Variant::missing()) {
        pv.ParaText(text, x, y);
        return std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(frame->Elements().Count()));
    }
    std::vector<std::string> render(const cDocument* doc = nullptr) {
        RecordingDrawTarget target;
        DrawingLayer layer(target);
        RenderContext ctx(layer, doc);
        frame->Preview(ctx);
        return target.calls;
    }
};

// One text as the recording target printed it, with the attributes in force at its Print.
struct Printed {
    std::string text, font, size, bold, underline, color;
    int x = 0, y = 0;
};

std::vector<Printed> printed(const std::vector<std::string>& calls) {
    std::vector<Printed> out;
    Printed now;
    auto value = [](const std::string& call, const char* name) -> std::optional<std::string> {
        const std::string prefix = std::string(name) + " ";
        if (call.rfind(prefix, 0) != 0) return std::nullopt;
        return call.substr(prefix.size());
    };
    for (const auto& c : calls) {
        if (auto v = value(c, "FontName")) now.font = *v;
        if (auto v = value(c, "FontSize")) now.size = *v;
        if (auto v = value(c, "FontBold")) now.bold = *v;
        if (auto v = value(c, "FontUnderline")) now.underline = *v;
        if (auto v = value(c, "ForeColor")) now.color = *v;
        if (auto v = value(c, "CurrentX")) now.x = std::stoi(*v);
        if (auto v = value(c, "CurrentY")) now.y = std::stoi(*v);
        if (auto v = value(c, "Print")) {
            now.text = *v;
            out.push_back(now);
        }
    }
    return out;
}

std::vector<std::string> textsOf(const std::vector<Printed>& runs) {
    std::vector<std::string> out;
    for (const auto& r : runs) out.push_back(r.text);
    return out;
}

// ---------------------------------------------------------------------------------------
// Recorded drawing

TEST(ParagraphRender, WordsAndTheSpacesBetweenThemAreDrawnWhereLayoutPutThem) {
    ParaDoc d;
    d.add("Hello <bd>bold<bd 0> world", 100, 200);
    const auto runs = printed(d.render());
    // No space run after "bold": a tag, not a blank, follows it.
    ASSERT_THAT(textsOf(runs), ElementsAre("Hello", " ", "bold", "world"));
    const cStyle s = arial();
    cStyle b = s;
    b.Bold = true;
    const int left = kFrameX + 100;
    EXPECT_EQ(runs[0].x, left);
    EXPECT_EQ(runs[0].y, kFrameY + 200);
    EXPECT_EQ(runs[1].x, left + widthOf(s, "Hello"));
    EXPECT_EQ(runs[2].x, left + widthOf(s, "Hello") + widthOf(s, " "));
    EXPECT_EQ(runs[2].bold, "1");
    // The gap after the word is a space of the style in force when its text was measured.
    EXPECT_EQ(runs[3].x, runs[2].x + widthOf(b, "bold") + widthOf(b, " "));
    EXPECT_EQ(runs[3].bold, "0");
    for (const auto& r : runs) {
        EXPECT_EQ(r.font, "Arial");
        EXPECT_EQ(r.size, "10");
    }
}

TEST(ParagraphRender, UnderlineContinuesUnderTheGapsOfUnderlinedText) {
    ParaDoc d;
    d.add("<ul>under lined<ul 0> plain");
    const auto runs = printed(d.render());
    ASSERT_THAT(textsOf(runs), ElementsAre("under", " ", "lined", "plain"));
    EXPECT_EQ(runs[0].underline, "1");
    EXPECT_EQ(runs[1].underline, "1");  // the gap inside the underlined words
    EXPECT_EQ(runs[2].underline, "1");
    EXPECT_EQ(runs[3].underline, "0");  // no space drawn after "lined": the tag ends the run
}

TEST(ParagraphRender, TagsChangeFontSizeAndColour) {
    ParaDoc d;
    d.add("<ff Courier New><fs 14>x <co 255;0;0>red <zl>tag<zr> <ac 66>");
    const auto runs = printed(d.render());
    ASSERT_THAT(textsOf(runs), ElementsAre("x", " ", "red", " ", "<", "tag", ">", "B"));
    EXPECT_EQ(runs[0].font, "Courier New");
    EXPECT_EQ(runs[0].size, "14");
    EXPECT_EQ(runs[0].color, "0");
    EXPECT_EQ(runs[2].color, "255");
    cStyle courier = arial(14);
    courier.FontName = "Courier New";
    EXPECT_EQ(runs[5].x, runs[4].x + widthOf(courier, "<"));
}

TEST(ParagraphRender, RunsOfDifferentSizesShareTheBaseline) {
    ParaDoc d;
    d.add("a<fs 20>B");
    const auto runs = printed(d.render());
    ASSERT_EQ(runs.size(), 2u);
    const double small = TextMeasurer::metrics(arial(10)).ascent;
    const double big = TextMeasurer::metrics(arial(20)).ascent;
    EXPECT_EQ(runs[1].y, kFrameY);
    EXPECT_EQ(runs[0].y, kFrameY + std::nearbyint(big) - std::nearbyint(small));
}

TEST(ParagraphRender, BlanksTabsAndPositionsMoveThePen) {
    ParaDoc d;
    d.add("<ts 2000>a<tb>b <xp 4000>c <dm>d");
    const auto runs = printed(d.render());
    ASSERT_THAT(textsOf(runs), ElementsAre("a", "b", " ", "c", " ", "d"));
    EXPECT_EQ(runs[1].x, kFrameX + 2000);
    EXPECT_EQ(runs[3].x, kFrameX + 4000);
    // One em (the 10-point size, 200 twips) before "d", after the space that follows "c".
    EXPECT_EQ(runs[5].x, runs[4].x + widthOf(arial(), " ") + 200);
}

TEST(ParagraphRender, JustifiedLinesEndAtTheRightEdge) {
    ParaDoc d;
    LoremWords gen(41);
    auto para = d.add("<ju>" + gen.text(100));
    ASSERT_GT(para->TextLines.size(), 2u);
    const auto runs = printed(d.render());
    // The last word of the first line: the run before the first run at the left edge again.
    std::size_t firstOfSecond = 1;
    while (firstOfSecond < runs.size() && runs[firstOfSecond].x != kFrameX) ++firstOfSecond;
    ASSERT_LT(firstOfSecond, runs.size());
    const Printed& last = runs[firstOfSecond - 2];  // the space run follows the last word
    EXPECT_EQ(runs[firstOfSecond - 1].text, " ");
    const int right = last.x + widthOf(arial(), last.text);
    EXPECT_LE(right, kFrameX + 6000);
    EXPECT_GT(right, kFrameX + 6000 - 20);
}

TEST(ParagraphRender, PageNumbersAreThoseOfThePageDrawn) {
    Preview pv;
    pv.AddFrame("band", 500, 500, 8000, 1000);
    // Without an argument (anything but "0") the page count follows.
    std::string text = "Page <pg 0> of <pg>";
    pv.ParaText(text);
    pv.AddPageTemplate();
    pv.AddPageTemplate();
    auto draw = [&](const char* page, const cDocument* doc) {
        RecordingDrawTarget target;
        DrawingLayer layer(target);
        RenderContext ctx(layer, doc);
        pv.document().pages().Item(std::string_view(page))->Preview(ctx);
        return textsOf(printed(target.calls));
    };
    EXPECT_THAT(draw("Page 3", &pv.document()), ElementsAre("Page", " ", "3", "of", " ", "3/3"));
    EXPECT_THAT(draw("Page 1", &pv.document()), ElementsAre("Page", " ", "1", "of", " ", "1/3"));
    // Without the document the numbers laid out on the first page, when it had one page, stay.
    EXPECT_THAT(draw("Page 3", nullptr), ElementsAre("Page", " ", "1", "of", " ", "1/1"));
    pv.CurrentPage("Page 2");
    pv.PageNumberType(prPTRoman);
    EXPECT_THAT(draw("Page 2", &pv.document()), ElementsAre("Page", " ", "II", "of", " ", "II/III"));
}

TEST(ParagraphRender, TextIsDrawnInsideItsRectangleOnARealPage) {
    ParaDoc d;
    d.add("<rl>right", 0, 0);
    d.add("left", 0, 1000);
    const QImage image = renderPageImage(d.pv.document(), *d.pv.document().currentPage(), {1.0, 96.0, ""});
    // Ink of the right-aligned word ends at the frame's right edge (7500 twips = 500 px);
    // the left word starts at its left edge (100 px).
    int right = 0, left = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (y < (kFrameY + 500) / 15) right = std::max(right, x);
                if (y > (kFrameY + 1000) / 15) left = std::min(left, x);
            }
    EXPECT_NEAR(right, 500, 3);
    EXPECT_NEAR(left, 100, 3);
}

// ---------------------------------------------------------------------------------------
// XML

std::string run(const std::string& cmd) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((cmd + " 2>&1").c_str(), "r"), pclose);
    std::string out;
    std::array<char, 512> buf{};
    while (pipe && fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

struct TempFile {
    fs::path path;
    explicit TempFile(const std::string& name)
        : path(fs::temp_directory_path() / ("kalder-para-" + std::to_string(::getpid()) + "-" + name)) {}
    ~TempFile() { fs::remove(path); }
};

TEST(ParagraphXml, TheLayoutComesBackAfterLoading) {
    ParaDoc d;
    d.pv.FontSize(12);  // the paragraph is laid out in the frame's running style at its place
    LoremWords gen(43);
    const std::string text = "<ju>Markup & <zl>escapes<zr> " + gen.text(60) + "\r\nnext";
    auto para = d.add(text, "0.5 in", 250);
    para->AutoPara = true;
    para->FlowParaText(d.frame->CurrentStyle, para->Text);

    Preview loaded;
    loaded.LoadXML(d.pv.SaveXMLString());
    auto frame = loaded.document().pages().Item(1)->Frames().Item(std::string_view("para"));
    ASSERT_TRUE(frame);
    auto back = std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(para->Key()));
    ASSERT_TRUE(back);
    EXPECT_EQ(lineWords(back->TextLines), lineWords(para->TextLines));
    ASSERT_EQ(back->TextLines.size(), para->TextLines.size());
    for (std::size_t i = 0; i < para->TextLines.size(); ++i) {
        EXPECT_EQ(back->TextLines[i].wordPositions(), para->TextLines[i].wordPositions()) << i;
        EXPECT_EQ(back->TextLines[i].LineTop, para->TextLines[i].LineTop) << i;
    }
    EXPECT_EQ(back->NextY, para->NextY);
}

// ---------------------------------------------------------------------------------------
// PDF, read back by poppler and checked by qpdf

TEST(ParagraphPdf, AJustifiedTextOverPagesReadsBackWordForWord) {
    LoremWords gen(47);
    std::string text = "<ju>";
    std::vector<std::string> expected;
    for (int para = 0; para < 30; ++para) {
        for (int i = 0; i < 90; ++i) {
            std::string w = gen.next();
            expected.push_back(w);
            if (gen.below(13) == 0) w = "<ul>" + w + "<ul 0>";
            if (gen.below(11) == 0) w = "<it>" + w + "<it 0>";
            text += w + " ";
        }
        text += "\r\n";
    }
    Preview pv;
    // The body ends above the footer band (11.69 - 1.5 in).
    pv.AddFirstPage("1 in", "1 in", "1 in", "1.5 in");
    pv.FontName("Times New Roman");
    pv.FontSize(11);
    pv.FontBold(false);
    pv.FontUnderline(false);
    int pages = 1;
    for (; pages < 50; ++pages) {
        pv.ParaText(text);
        if (text.empty()) break;
        pv.AddPage("1 in", "1 in", "1 in", "1.5 in");
    }
    ASSERT_GE(pages, 3);
    std::string footer = "Page <pg 0> of <pg 1>";
    pv.CurrentPage("Page 2");
    pv.AddFrame("foot", "1 in", "10.5 in", "6 in", "0.5 in");
    pv.ParaText(footer);

    TempFile file("para.pdf");
    pv.ExportPDF(file.path.string());
    const std::string check = run("qpdf --check '" + file.path.string() + "'");
    EXPECT_NE(check.find("No syntax or stream encoding errors found"), std::string::npos) << check;
    EXPECT_EQ(check.find("WARNING"), std::string::npos) << check;
    const std::string info = run("pdfinfo '" + file.path.string() + "'");
    const std::size_t count = info.find("Pages:");
    ASSERT_NE(count, std::string::npos) << info;
    EXPECT_EQ(std::stoi(info.substr(count + 6)), pages) << info;

    const std::string all = run("pdftotext -q '" + file.path.string() + "' -");
    std::vector<std::string> words = wordsOfText(all);
    // The footer on page 2: its words sit after that page's body text.
    const auto footerAt = std::find(words.begin(), words.end(), "Page");
    ASSERT_NE(footerAt, words.end()) << all.substr(0, 2000);
    EXPECT_THAT(std::vector<std::string>(footerAt, footerAt + 4),
                ElementsAre("Page", "2", "of", "2/" + std::to_string(pages)));
    words.erase(footerAt, footerAt + 4);
    EXPECT_EQ(words, expected);
}

}  // namespace
}  // namespace kalder
