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

// The Line calls as "x:colour" and each Print as 'text'@x,y (the CurrentX/Y set before it).
std::string bars(const std::vector<std::string>& calls) {
    std::string out, x, y, name, a, skip, color;
    for (const std::string& c : calls) {
        std::istringstream(c) >> name >> a >> skip >> skip >> skip >> color;
        out += name == "Line" ? a + ":" + color.substr(6) + " "
                              : name == "Print" ? "'" + c.substr(6) + "'@" + x + "," + y : "";
        x = name == "CurrentX" ? a : x, y = name == "CurrentY" ? a : y;
    }
    return out;
}

TEST(BarcodeElement, ModulesAtIntegerPitchInLineColourAndWhiteWithTheDataCentredBelow) {
    FrameDoc d;
    d.pv.LineColor(0x102030);
    // 67 modules in 1005 twips: pitch 15. The key counts the style change before it.
    EXPECT_EQ(d.pv.AddBarCode("96-38507", prEAN8, 300, 600, 1005, 900), "oElement 2");
    const std::string modules = barcodes::encode(prEAN8, "96-38507", false).rows.front();
    std::string expected;
    for (std::size_t i = 0; i < modules.size(); ++i)  // x = 1500 + 300 + i * 15 + 1
        expected += std::to_string(1801 + 15 * i) + ":" + std::to_string(modules[i] == '1' ? 0x102030 : 0xFFFFFF) + " ";
    const long textX = std::lround(1800 + 502.5 - TextMeasurer::width(d.frame->Style, "96-38507") / 2);
    const std::string got = bars(d.calls());
    EXPECT_EQ(got, expected + "'96-38507'@" + std::to_string(textX) + ",4500");  // 3000 + 600 + 900

    // Narrower than its modules: pitch 0, every bar on one x. Data that does not encode
    // draws nothing at all, not even its text; keys count on. Missing place and size: the
    // current position and 1400 x 720 twips, and the position moves below the bars.
    d.pv.AddBarCode("1234567", prEAN8, 0, 0, 60);
    d.pv.CurrentX(100), d.pv.CurrentY(200);
    EXPECT_EQ(d.pv.AddBarCode("123", prEAN8), "oElement 4");
    EXPECT_EQ(d.pv.CurrentY(), 920);
    const auto code = d.element<cBarCode>("oElement 4");
    EXPECT_EQ(std::vector<std::int32_t>({code->xPos, code->yPos, code->BarWidth, code->BarHeight}),
              std::vector<std::int32_t>({100, 200, 1400, 720}));
    const std::string narrow = bars(d.calls()).substr(got.size());
    EXPECT_EQ(narrow.substr(0, 26), "1501:1056816 1501:16777215");
    EXPECT_EQ(std::count(narrow.begin(), narrow.end(), '\''), 2);  // one text: the 1234567's
    EXPECT_THAT(test::errorOf([&] { d.pv.BarCodeModules("123", prEAN8); }),
                test::IsError(barcodes::kEncodeError, "EAN 8",
                              "The string to encode is limited to 7. The check digit is added automatically."));
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
    const std::string out = test::runTool("zbarimg -q --nodbus -Supca.enable -Supce.enable -Sisbn13.disable '" +
                                          image + "' 2>/dev/null").output;
    std::vector<std::string> lines;
    for (std::istringstream in(out); std::getline(in, lines.emplace_back());) {}
    std::sort(lines.begin(), lines.end());
    return test::joinedCalls({lines.begin() + 1, lines.end()});  // the first is empty
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
