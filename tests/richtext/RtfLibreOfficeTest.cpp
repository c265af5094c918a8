// RTF written by LibreOffice from documents described here: the markup must give each word the
// formatting the document gave it and the text must come through unchanged; every truncation
// of a real file stays within the named result codes; ShowRTF draws the words in their fonts.
//
// One LibreOffice run converts every document (it takes several seconds), so the checks sit
// in one test.
#include "kalder/Preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfTestSupport.h"

namespace kalder {
namespace {

using ::testing::HasSubstr;

const char* const kFormattingHtml = R"(<html><head><meta charset="utf-8"></head><body>
<p style="text-align:center"><b>Bold</b> <i>Italic</i> <u>Under</u> <s>Struck</s></p>
<p><span style="font-family:'Courier New'; font-size:18pt">Courier</span> <span style="color:#ff0000">Red</span> “double” ‘single’ – — • é &lt;a&gt;</p>
<p style="text-align:right">Right</p>
<p style="text-align:justify">Justified</p>
</body></html>
)";

// Tab stops, indents, a tab, a line break, a formatted span and RTF's own special characters.
const char* const kLayoutFodt = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:automatic-styles>
  <style:style style:name="P1" style:family="paragraph">
   <style:paragraph-properties fo:margin-left="1in" fo:margin-right="0.5in" fo:text-indent="0.25in">
    <style:tab-stops><style:tab-stop style:position="2in"/><style:tab-stop style:position="3in" style:type="right"/></style:tab-stops>
   </style:paragraph-properties>
  </style:style>
  <style:style style:name="T1" style:family="text">
   <style:text-properties fo:font-size="15pt" fo:font-weight="bold" fo:color="#0000ff"/>
  </style:style>
 </office:automatic-styles>
 <office:body><office:text>
  <text:p text:style-name="P1">Name<text:tab/>Value<text:line-break/>Next line</text:p>
  <text:p>Plain <text:span text:style-name="T1">blue bold</text:span> after{brace}\back<text:s/>space</text:p>
 </office:text></office:body>
</office:document>
)";

// What the recording target had set when each text was printed.
struct PrintState {
    std::string font, size, bold, colour;
};

std::map<std::string, PrintState> printStates(const std::vector<std::string>& calls) {
    std::map<std::string, PrintState> out;
    PrintState now;
    for (const std::string& call : calls) {
        const auto space = call.find(' ');
        const std::string name = call.substr(0, space), value = space == std::string::npos ? "" : call.substr(space + 1);
        if (name == "FontName") now.font = value;
        else if (name == "FontSize") now.size = value;
        else if (name == "FontBold") now.bold = value;
        else if (name == "ForeColor") now.colour = value;
        else if (name == "Print") out.emplace(value, now);
    }
    return out;
}

TEST(RtfFromLibreOffice, FormattingAndTextComeThrough) {
    test::ScratchDir dir("rtf-libreoffice");
    const test::LibreOfficeRtf lo =
        test::convertWithLibreOffice(dir, {{"formatting.html", kFormattingHtml}, {"layout.fodt", kLayoutFodt}});
    if (!lo.available) GTEST_SKIP() << "soffice (LibreOffice, package libreoffice-writer-nogui) is not installed";
    ASSERT_EQ(lo.rtf.size(), 2u) << lo.log;

    {
        SCOPED_TRACE("formatting.html");
        const std::string& file = lo.rtf.at("formatting.html");
        const rtf::ReadResult r = rtf::readRtf(file);
        ASSERT_TRUE(r.ok()) << static_cast<int>(r.code);
        EXPECT_EQ(test::visibleText(r.markup),
                  "Bold Italic Under Struck\nCourier Red “double” ‘single’ – — • é <a>\nRight\nJustified\n");
        const auto words = test::wordStyles(r.markup);
        const auto& bold = words.at("Bold");
        EXPECT_TRUE(bold.bold);
        EXPECT_EQ(bold.align, "ce");
        EXPECT_EQ(bold.size, "12");
        EXPECT_TRUE(words.at("Italic").italic);
        EXPECT_FALSE(words.at("Italic").bold);
        EXPECT_TRUE(words.at("Under").underline);
        EXPECT_FALSE(words.at("Under").italic);
        EXPECT_TRUE(words.at("Struck").strike);
        EXPECT_FALSE(words.at("Struck").underline);
        EXPECT_EQ(words.at("Courier").font, "Courier New");
        EXPECT_EQ(words.at("Courier").size, "18");
        EXPECT_FALSE(words.at("Courier").strike);
        EXPECT_EQ(words.at("Red").colour, "255;0;0");
        EXPECT_NE(words.at("Red").font, "Courier New");
        EXPECT_EQ(words.at("Red").size, "12");
        EXPECT_NE(words.at("“double”").colour, "255;0;0");
        EXPECT_EQ(words.at("Right").align, "rl");
        EXPECT_EQ(words.at("Justified").align, "ju");
        EXPECT_THAT(r.markup, HasSubstr("<zl>a<zr>"));

        // Every truncation of a real file ends in a named code with no exception.
        const std::set<rtf::ResultCode> named = {rtf::ResultCode::Success, rtf::ResultCode::UnmatchedClose,
                                                 rtf::ResultCode::InvalidHexDigit, rtf::ResultCode::GroupsTooDeep};
        for (std::size_t n = 0; n < file.size(); ++n) {
            const rtf::ReadResult t = rtf::readRtf(std::string_view(file).substr(0, n));
            ASSERT_TRUE(named.count(t.code)) << n;
            ASSERT_TRUE(test::isUtf8(t.markup)) << n;
        }

        // Shown in a document, each word is drawn in its font, weight and colour.
        Preview pv;
        pv.ShowRTF(dir.write("formatting.rtf", file));
        RecordingDrawTarget target;
        DrawingLayer layer(target);
        RenderContext ctx(layer, &pv.document());
        pv.document().currentPage()->Preview(ctx);
        const auto printed = printStates(target.calls);
        ASSERT_TRUE(printed.count("Bold") && printed.count("Italic") && printed.count("Red") &&
                    printed.count("Courier"));
        EXPECT_EQ(printed.at("Bold").bold, "1");
        EXPECT_EQ(printed.at("Italic").bold, "0");
        EXPECT_EQ(printed.at("Red").colour, "255");
        EXPECT_EQ(printed.at("Italic").colour, "0");
        EXPECT_EQ(printed.at("Courier").font, "Courier New");
        EXPECT_EQ(printed.at("Courier").size, "18");
        EXPECT_EQ(printed.at("Red").size, "12");
    }
    {
        SCOPED_TRACE("layout.fodt");
        const rtf::ReadResult r = rtf::readRtf(lo.rtf.at("layout.fodt"));
        ASSERT_TRUE(r.ok()) << static_cast<int>(r.code);
        EXPECT_EQ(test::visibleText(r.markup), "Name\tValue\nNext line\nPlain blue bold after{brace}\\back space\n");
        // Indents and stops come before the paragraph's text; LibreOffice writes the stops
        // from the page margin, the left indent added.
        const std::string beforeName = r.markup.substr(0, r.markup.find("Name"));
        for (const char* tag : {"<ts 4320>", "<ts 5760>", "<li 1440>", "<ri 720>", "<fi 360>"})
            EXPECT_THAT(beforeName, HasSubstr(tag));
        EXPECT_THAT(r.markup, HasSubstr("Name<tb>Value<sl>Next line"));
        const auto words = test::wordStyles(r.markup);
        EXPECT_TRUE(words.at("blue").bold);
        EXPECT_EQ(words.at("blue").size, "15");
        EXPECT_EQ(words.at("blue").colour, "0;0;255");
        EXPECT_FALSE(words.at("after{brace}\\back").bold);
        EXPECT_EQ(words.at("after{brace}\\back").size, "12");
        EXPECT_NE(words.at("after{brace}\\back").colour, "0;0;255");
        // The second paragraph starts without the first one's stops and indents.
        const std::size_t next = r.markup.find("Next line");
        const std::string beforePlain = r.markup.substr(next, r.markup.find("Plain") - next);
        EXPECT_THAT(beforePlain, HasSubstr("<li 0><ri 0><rr><tc>"));
    }
}

}  // namespace
}  // namespace kalder
