// The barcode element: what the renderer asks of the surface (module pitch, colours, the text
// centred below), its XML form, and the real test: scanners (zbarimg) read every symbology
// back from a 300 dpi page image and from the PDF drawn by poppler.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "graphics/barcodes/Symbol.h"
#include "core/TextMeasurer.h"
#include "graphics/cBarCode.h"
#include "platform/PageImage.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/RecordedCalls.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using test::FrameDoc;

// The Line calls as "x:colour" and the Print calls with the position they are printed at.
std::string bars(const std::vector<std::string>& calls) {
    std::string out, x, y;
    for (const std::string& c : calls) {
        std::istringstream in(c);
        std::string name, x1, y1, x2, y2, color;
        in >> name >> x1 >> y1 >> x2 >> y2 >> color;
        if (name == "Line") out += x1 + ":" + color.substr(6) + " ";
        if (name == "CurrentX") x = x1;
        if (name == "CurrentY") y = x1;
        if (name == "Print") out += "'" + c.substr(6) + "'@" + x + "," + y;
    }
    return out;
}

TEST(BarcodeElement, ModulesAtIntegerPitchInLineColourAndWhiteWithTheDataCentredBelow) {
    FrameDoc d;
    d.pv.LineColor(0x102030);
    // 67 modules in 1005 twips: pitch 15. The key counts the style change before it.
    EXPECT_EQ(d.pv.AddBarCode("96-38507", prEAN8, 300, 600, 1005, 900), "oElement 2");
    EXPECT_EQ(d.pv.CurrentY(), 1500);
    const std::string modules = barcodes::encode(prEAN8, "96-38507", false).rows.front();
    std::string expected;
    for (std::size_t i = 0; i < modules.size(); ++i)  // x = 1500 + 300 + i * 15 + 1
        expected += std::to_string(1801 + 15 * static_cast<int>(i)) + ":" +
                    (modules[i] == '1' ? std::to_string(0x102030) : std::to_string(0xFFFFFF)) + " ";
    const double half = TextMeasurer::width(d.frame->Style, "96-38507") / 2;
    const long textX = std::lround(1800 + 502.5 - half);
    expected += "'96-38507'@" + std::to_string(textX) + ",";
    const std::string got = bars(d.calls());
    EXPECT_EQ(got.substr(0, got.rfind(',') + 1), expected);
    EXPECT_EQ(got.substr(got.rfind(',') + 1), "4500");  // 3000 + 600 + 900

    // Narrower than its modules: pitch 0, every bar on one x. Data that does not encode
    // draws nothing at all, not even its text; a second element's key counts on.
    d.pv.AddBarCode("1234567", prEAN8, 0, 0, 60);
    EXPECT_EQ(d.pv.AddBarCode("123", prEAN8, 0, 0), "oElement 4");
    EXPECT_EQ(d.pv.DrawLine(0, 0, 1, 1), "El 5");
    const std::string narrow = bars(d.calls()).substr(got.size());
    EXPECT_EQ(narrow.substr(0, 26), "1501:1056816 1501:16777215");
    EXPECT_EQ(std::count(narrow.begin(), narrow.end(), '\''), 2);  // one text: the 1234567's
    EXPECT_THAT(test::errorOf([&] { d.pv.BarCodeModules("123", prEAN8); }),
                test::IsError(barcodes::kEncodeError, "EAN 8",
                              "The string to encode is limited to 7. The check digit is added automatically."));
}

TEST(BarcodeElement, DefaultsAndTheXmlFormKeepWhatDraws) {
    Preview pv;
    pv.CurrentX(100), pv.CurrentY(200);
    pv.AddBarCode("KALDER", prCode39, Variant::missing(), Variant::missing(), Variant::missing(), Variant::missing(),
                  true);
    pv.AddBarCode("https://kalder.example", prQRCode, "1 in", "2 in", "1 in", "1 in", false, prQRLevelH);
    const auto el = pv.document().currentFrame()->Elements().Item(1);
    const auto code39 = std::dynamic_pointer_cast<cBarCode>(el);
    EXPECT_EQ(std::vector<std::int32_t>({code39->xPos, code39->yPos, code39->BarWidth, code39->BarHeight}),
              std::vector<std::int32_t>({100, 200, 1400, 720}));
    const std::string xml = pv.SaveXMLString();
    EXPECT_NE(xml.find("<xPos>100</xPos><yPos>200</yPos><BarWidth>1400</BarWidth><BarHeight>720</BarHeight>"
                       "<Data>KALDER</Data><BarCodeType>1</BarCodeType><CheckDigit>True</CheckDigit>"),
              std::string::npos) << xml;
    EXPECT_NE(xml.find("<BarCodeType>9</BarCodeType><QRLevel>3</QRLevel>"), std::string::npos);
    Preview back;
    back.LoadXML(xml);
    EXPECT_EQ(back.SaveXMLString(), xml);
    EXPECT_EQ(test::joinedCalls(test::pageCalls(back)), test::joinedCalls(test::pageCalls(pv)));
}

struct Scan {
    std::int32_t type;
    const char* data;
    const char* read;  // what zbarimg reports
};

const Scan kScans[] = {
    {prEAN13, "400638133393", "EAN-13:4006381333931"}, {prEAN8, "9638507", "EAN-8:96385074"},
    {prUPCA, "03600029145", "UPC-A:036000291452"},     {prUPCE, "0123456", "UPC-E:01234565"},
    {prCode39, "KALDER-26", "CODE-39:KALDER-26"},      {prCodaBar, "A40156B", "Codabar:A40156B"},
    {prITF, "12345670", "I2/5:12345670"},              {prCode128, "Kalder 128", "CODE-128:Kalder 128"},
    {prQRCode, "https://kalder.example/\xC3\xA9t\xC3\xA9", "QR-Code:https://kalder.example/\xC3\xA9t\xC3\xA9"},
};

std::string scanned(const std::string& image) {
    auto r = test::runTool("zbarimg -q --nodbus -Supca.enable -Supce.enable -Sisbn13.disable '" + image + "'");
    std::vector<std::string> lines;
    std::istringstream in(r.output);
    for (std::string line; std::getline(in, line);)
        if (line.find(':') != std::string::npos && line.rfind("Connection", 0) != 0) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return test::joinedCalls(lines);
}

TEST(BarcodeElement, ScannersReadEverySymbologyFromPageImagesAndPdf) {
    Preview pv;
    constexpr std::int32_t kModule = 28;  // 0.5 mm: six dots at 300 dpi
    pv.DrawWidth(kModule);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < std::size(kScans); ++i) {
        const Scan& s = kScans[i];
        const std::int32_t width = pv.BarCodeModules(s.data, s.type) * kModule;
        pv.AddBarCode(s.data, s.type, i % 2 ? 5200 : 0, static_cast<std::int32_t>(i / 2) * 2000, width,
                      s.type == prQRCode ? width : 1100);
        expected.push_back(s.read);
    }
    std::sort(expected.begin(), expected.end());
    const test::ScratchDir dir;
    const QImage page = test::pageImage(pv, 1, 1.0, "", 300);
    ASSERT_TRUE(page.save(QString::fromStdString(dir.file("page.png"))));
    EXPECT_EQ(scanned(dir.file("page.png")), test::joinedCalls(expected));
    pv.ExportPDF(dir.file("codes.pdf"));
    ASSERT_TRUE(test::PassesQpdf(dir.file("codes.pdf")));
    test::runTool("pdftoppm -r 300 -png -singlefile '" + dir.file("codes.pdf") + "' '" + dir.file("pdf") + "'");
    EXPECT_EQ(scanned(dir.file("pdf.png")), test::joinedCalls(expected));
}

}  // namespace
}  // namespace kalder
