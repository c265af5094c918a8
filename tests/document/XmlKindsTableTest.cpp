// Every element kind, and the frame, page and style records, through their XML form. Each row
// is a saved form written out by hand, with a value off the default in every item: a fresh
// object loads it and must save the same bytes as text; saved as a DOM instead, loaded into
// another fresh object and saved as text, it must give them again. xmllint judges the text.
#include <gtest/gtest.h>

#include "support/DocumentTestSupport.h"
#include "document/ElementFactory.h"
#include "document/StyleXml.h"

namespace kalder {
namespace {

struct KindRow {
    const char* name;
    std::string xml;  // "." as the decimal mark
};

const std::string kLineStyle = "<LineStyle><LineType>1</LineType><LineWidth>2</LineWidth><Color>3</Color></LineStyle>";
const std::string kStyle =
    "<Style Key=\"Q&amp;A &quot;x&quot; &lt;y&gt;\"><FontName>Courier New</FontName><FontSize>210.5</FontSize>"
    "<Bold>True</Bold><Italic>True</Italic><Underline>True</Underline><StrikeThru>True</StrikeThru>"
    "<ForeColor>1</ForeColor><BackColor>2</BackColor><LeadingType>4</LeadingType><LeadingVal>2.75</LeadingVal>"
    "<TextRotation>90</TextRotation><Charset>2</Charset><Orientation>2</Orientation><FillStyle>6</FillStyle>"
    "<FillColor>1193046</FillColor>" + kLineStyle + "<PageSize>42</PageSize></Style>";

std::string element(int type, const std::string& items) {
    return "<Element Key=\"El &lt;1&gt; &amp; 2\" Type=\"" + std::to_string(type) + "\">" + items + "</Element>";
}

const KindRow kRows[] = {
    {"Line", element(1, "<X1>-1</X1><Y1>2</Y1><X2>30000</X2><Y2>4</Y2><BF>2</BF>")},
    {"Ellipse", element(2, "<xPos>-5</xPos><yPos>6</yPos><XRad>7</XRad><YRad>8</YRad><dStart>0.25</dStart>"
                           "<dEnd>4.5</dEnd><dAspect>0.75</dAspect>")},
    {"GraphicText", element(3, "<Text> Gr\u00fc\u00dfe &lt;&amp;&gt; &quot;q&quot;&#13;\n</Text><xPos>1</xPos>"
                               "<yPos>2</yPos><Align>2</Align><AutoStep>0</AutoStep>")},
    {"ParaText", element(4, "<Text>&lt;b&gt;x&lt;/b&gt; y</Text><xPos>1</xPos><yPos>2</yPos><Width>3</Width>"
                            "<Height>4</Height><AutoPara>True</AutoPara>")},
    {"CheckedSymbol", element(5, "<SetName>internal</SetName><SymbolId>checkbox</SymbolId><Size>3</Size>"
                                 "<xPos>4</xPos><yPos>5</yPos><Param>True</Param>")},
    {"FontSymbol", element(5, "<SetName>F</SetName><SymbolId>x</SymbolId><Size>3</Size><xPos>4</xPos><yPos>5</yPos>")},
    {"FormKeptAsRead", element(6, "<Form Name=\"a &amp; b\"><Control Left=\"1\">x</Control></Form><xPos>1</xPos>")},
    {"BarCodeWithCheck", element(7, "<xPos>1</xPos><yPos>2</yPos><BarWidth>3</BarWidth><BarHeight>4</BarHeight>"
                                    "<Data>A&amp;B</Data><BarCodeType>1</BarCodeType><CheckDigit>True</CheckDigit>")},
    {"QrCode", element(7, "<xPos>1</xPos><yPos>2</yPos><BarWidth>3</BarWidth><BarHeight>4</BarHeight>"
                          "<Data>x</Data><BarCodeType>9</BarCodeType><QRLevel>3</QRLevel>")},
    {"InternalPicture", element(8, "<xPos>1</xPos><yPos>2</yPos><Width>3</Width><Height>4</Height><PictureType>bmp"
                                   "</PictureType><StoreType>1</StoreType><FilNam>a&amp;b.bmp</FilNam><PixData>424D3A"
                                   "0000000000000036000000280000000100000001000000010018000000000004000000130B0000130B"
                                   "000000000000000000000000FF00</PixData>")},
    {"DamagedPicture", element(8, "<xPos>1</xPos><yPos>2</yPos><Width>3</Width><Height>4</Height><PictureType>png"
                                  "</PictureType><StoreType>1</StoreType><FilNam></FilNam><PixData>4G2</PixData>")},
    {"ExternalPicture", element(8, "<xPos>1</xPos><yPos>2</yPos><Width>3</Width><Height>4</Height><PictureType>gif"
                                   "</PictureType><StoreType>0</StoreType><FilNam>/x/logo.gif</FilNam>")},
    {"Arrow", element(9, "<X1>1</X1><Y1>2</Y1><X2>3</X2><Y2>4</Y2><ArrowSizeStart>5</ArrowSizeStart>"
                         "<ArrowSizeEnd>6</ArrowSizeEnd><ArrowTypeStart>1</ArrowTypeStart>"
                         "<ArrowTypeEnd>1</ArrowTypeEnd>")},
    {"PageNumberOfTotal", element(10, "<PageKey>P&amp;1</PageKey><Definition>&lt;??&gt;</Definition><xPos>1</xPos>"
                                      "<yPos>2</yPos><Align>1</Align><MaxPages>True</MaxPages>")},
    {"PageNumber",
     element(10, "<PageKey>P</PageKey><Definition>#</Definition><xPos>1</xPos><yPos>2</yPos><Align>2</Align>")},
    {"Reference", element(11, "<PageKey>P</PageKey><FrameKey>F</FrameKey><ElementKey>E</ElementKey>")},
    {"Point", element(12, "<X1>7</X1><Y1>-8</Y1>")},
    {"Polygon",
     element(13, "<nVerts>2</nVerts><xPos1>3</xPos1><yPos1>1</yPos1><xPos2>-1440</xPos2><yPos2>720</yPos2>")},
    {"RoundRect", element(14, "<X1>1</X1><Y1>2</Y1><X2>3</X2><Y2>4</Y2><Radius>5</Radius>")},
    {"ChangeStyle", element(15, kStyle)},
    {"Style", kStyle},
    {"Frame", "<Frame Key=\"F &lt;1&gt;\"><FrameType>2</FrameType><xPos>1</xPos><yPos>2</yPos><Width>3</Width>"
              "<Height>4</Height><Border>" + kLineStyle + "</Border><ShowBorder>True</ShowBorder>" +
                  "<Rotation>90</Rotation>" + kStyle + "<Elements></Elements></Frame>"},
    // Landscape: the sheet is saved as seen and loaded back as the user size, turned.
    {"LandscapeUserSizedPage",
     "<Page Key=\"P &amp; 2\">" + kStyle +
         "<PageSize>42</PageSize><LogicalPageNo>5</LogicalPageNo><PageNoType>1</PageNoType>"
         "<PageMarginLeft>1</PageMarginLeft><PageMarginTop>2</PageMarginTop><PageMarginRight>3</PageMarginRight>"
         "<PageMarginBottom>4</PageMarginBottom><PageHeaderSize>5</PageHeaderSize><PageFooterSize>6</PageFooterSize>"
         "<PageWidth>10000</PageWidth><PageHeight>5000</PageHeight><Printable>" + kLineStyle +
         "</Printable><ShowPrintable>True</ShowPrintable><Frames></Frames></Page>"},
};

// Loads a fresh object of the kind `node` holds and saves it to `out`.
void reload(pugi::xml_node node, ItemWriter& out) {
    const std::string kind = node.name();
    auto reloadRecord = [&](auto record) { record.loadXml(ItemReader(node)); record.writeXml(out); };
    if (kind == "Style") return saveStyle(out, loadStyle(ItemReader(node)));
    if (kind == "Frame") return reloadRecord(cFrame());
    if (kind == "Page") return reloadRecord(cPage());
    ElementPtr e = ElementFactory::instance().create(node.attribute("Type").as_int());
    e->LoadXML(node);
    e->writeXml(out);
}

class XmlKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(XmlKinds, LoadedFormSavesBackUnchangedAsTextAndAsDom) {
    const std::string xml = test::withMark(GetParam().xml);
    pugi::xml_document given, saved;
    ASSERT_TRUE(given.load_string(xml.c_str(), kXmlParseOptions));
    std::string text, again;
    StringItemWriter textOut(text), againOut(again);
    DomItemWriter domOut(saved);
    reload(given.first_child(), textOut);
    reload(given.first_child(), domOut);
    reload(saved.first_child(), againOut);  // the DOM form, loaded and saved as text
    EXPECT_EQ(text, xml);
    EXPECT_EQ(again, xml);

    test::ScratchDir dir;
    test::writeFile(dir.file("saved.xml"), text);
    EXPECT_TRUE(test::PassesXmllint(dir.file("saved.xml")));
}

INSTANTIATE_TEST_SUITE_P(Every, XmlKinds, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<KindRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalder
