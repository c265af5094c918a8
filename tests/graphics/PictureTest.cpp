// Pictures: reading files (natural size, type, every error), the XML form's PixData (the file's
// bytes back unchanged; damaged data kept as it was), pictures from memory, and the PDF checked
// by poppler: one image object however often a picture is placed, JPEG files as they are,
// transparency as a soft mask, and pixels that agree with the page image.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <zlib.h>

#include "graphics/cPicture.h"
#include "support/ErrorMatchers.h"
#include "support/Ink.h"
#include "support/RecordedCalls.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using test::errorOf;
using test::IsError;

// A 96 x 48 picture: a blue disc on yellow (or on nothing), at `dpi` dots per inch.
std::string pictureFile(const test::ScratchDir& dir, const std::string& name, const char* format, int dpi = 96,
                        bool transparent = false) {
    QImage image(96, 48, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(transparent ? QColor(Qt::transparent) : QColor(255, 220, 0));
    QPainter p(&image);
    p.setBrush(QColor(20, 60, 200)), p.drawEllipse(24, 0, 48, 48), p.end();
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm), image.setDotsPerMeterY(dpm);
    EXPECT_TRUE(image.save(QString::fromStdString(dir.file(name)), format));
    return dir.file(name);
}

std::string pictureCalls(Preview& pv) { return test::joinedOnly(test::pageCalls(pv), {"PaintPicture"}); }

TEST(Pictures, FilesGiveTheirNaturalSizeAndTypeOrAClearError) {
    const test::ScratchDir dir;
    Preview pv;
    const std::string png = pictureFile(dir, "Logo.PNG", "png"), scan = pictureFile(dir, "scan", "png", 300);
    pv.DrawPicture(png, prSTInternal, 100, 200);                  // 96 x 48 at 96 dpi: 1440 x 720
    pv.DrawPicture(scan, prSTExternal, 0, 0, Variant::missing());  // 96 dots at 300 dpi: 461 twips
    pv.DrawPicture(dir.file("later.png"), prSTExternal, 0, 0, 500, 400);  // not read until drawn
    std::string kept;
    for (const auto& el : pv.document().currentFrame()->Elements())
        if (const auto p = std::dynamic_pointer_cast<cPicture>(el))
            kept += p->PictureType + ":" + std::to_string(p->Width) + "x" + std::to_string(p->Height) + ":" +
                    std::to_string(p->pix.isNull()) + " ";
    EXPECT_EQ(kept, "png:1440x720:0 :461x230:1 png:500x400:1 ");
    // The missing external file draws nothing and raises nothing; once written, it draws.
    const std::string first = "PaintPicture 96x48 100 200 1440 720 | PaintPicture 96x48 0 0 461 230";
    EXPECT_EQ(pictureCalls(pv), first);
    EXPECT_EQ((pictureFile(dir, "later.png", "png"), pictureCalls(pv)), first + " | PaintPicture 96x48 0 0 500 400");

    // A picture header that claims 20,000 x 20,000 pixels: refused before any pixel is read.
    std::string huge = test::readFile(png);
    huge.replace(16, 8, std::string("\0\0\x4E\x20\0\0\x4E\x20", 8));
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(huge.data() + 12), 17);
    for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    for (const auto& [file, number, text] : std::initializer_list<std::tuple<std::string, int, std::string>>{
             {dir.file("gone.png"), 53, "File not found: " + dir.file("gone.png")},
             {dir.write("chart.wmf", std::string("\xD7\xCD\xC6\x9A\0\0\0\0", 8)), 481,
              "Invalid picture: Windows metafiles (wmf, emf) cannot be drawn here; save the picture as PNG or SVG"},
             {dir.write("junk.png", "\x89PNG\r\n\x1A\n no picture"), 481, "Invalid picture: Unable to read image data"},
             {dir.write("big.png", huge), 481,
              "Invalid picture: 20000 x 20000 pixels are more than a picture may have (67108864)"}}) {
        SCOPED_TRACE(file);
        const std::size_t before = pv.document().currentFrame()->Elements().Count();
        EXPECT_THAT(errorOf([&, &file = file] { pv.DrawPicture(file, prSTInternal, 0, 0); }), IsError(number, "DrawPicture", text));
        EXPECT_EQ(pv.document().currentFrame()->Elements().Count(), before);
    }
}

TEST(Pictures, PixDataGivesTheFileBytesBackAndKeepsDamagedDataAsItWas) {
    const test::ScratchDir dir;
    Preview pv;
    const std::string jpg = pictureFile(dir, "photo.jpg", "jpg");
    pv.DrawPicture(jpg, prSTInternal, 0, 0);
    pv.DrawPictureMemory(QImage(QString::fromStdString(jpg)), 0, 0, 300, 200);
    const std::string xml = pv.SaveXMLString();
    pv.SaveXML(dir.file("doc.xml"));  // the file form writes PixData too
    EXPECT_NE(test::readFile(dir.file("doc.xml")).find(toHex(test::readFile(jpg))), std::string::npos);
    const std::size_t at = xml.find("<PixData>") + 9;
    std::string bytes;
    ASSERT_TRUE(fromHex(xml.substr(at, xml.find('<', at) - at), bytes));
    EXPECT_EQ(bytes, test::readFile(jpg));  // the file's bytes, not a re-encoding
    EXPECT_NE(xml.find("<PictureType>bmp</PictureType><StoreType>1</StoreType><FilNam></FilNam><PixData>424D"),
              std::string::npos);  // memory pictures as bitmaps: "BM"
    Preview back;
    back.LoadXML(xml);
    EXPECT_EQ(pictureCalls(back), pictureCalls(pv));

    // Odd length, a non-hex digit, bytes that are no picture: nothing drawn, nothing lost.
    for (const std::string bad : {"424", "42ZZ", "00FF00FF"}) {
        std::string damaged = xml;
        damaged.replace(at, xml.find('<', at) - at, bad);
        back.LoadXML(damaged);
        EXPECT_EQ(pictureCalls(back), "PaintPicture 96x48 0 0 300 200") << bad;
        EXPECT_EQ(back.SaveXMLString(), damaged);
    }
}

TEST(Pictures, PdfHoldsEachPictureOnceJpegAsReadAndAgreesWithThePageImage) {
    const test::ScratchDir dir;
    Preview pv;
    const std::string jpg = pictureFile(dir, "photo.jpg", "jpg"), alpha = pictureFile(dir, "a.png", "png", 96, true);
    for (int page = 1; page <= 100; ++page) {
        if (page > 1) pv.AddPage();
        pv.DrawPicture(jpg, prSTInternal, "1 in", "1 in", "4 in", "2 in");
        pv.DrawPicture(alpha, prSTExternal, "1 in", "4 in", "2 in", "1 in");
    }
    const std::string pdf = dir.file("pictures.pdf");
    pv.ExportPDF(pdf);
    ASSERT_TRUE(test::PassesQpdf(pdf));
    const std::string list = test::runTool("pdfimages -list '" + pdf + "'").output;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 2 + 100 * 3);  // image, image, smask a page
    std::string line;
    std::set<std::string> objects;  // one each, however often placed; a soft mask shares its image's
    const std::regex row(R"(^ *\d+ +\d+ +(image|smask) .* (\d+) +0 +\d+ +\d+ )");
    std::smatch m;
    for (std::istringstream in(list); std::getline(in, line);)
        if (std::regex_search(line, m, row)) objects.insert(m[2]);
    EXPECT_EQ(objects.size(), 2u) << list;
    EXPECT_NE(test::readFile(pdf).find(test::readFile(jpg)), std::string::npos);  // the JPEG file as it is

    test::runTool("pdftoppm -r 96 -f 1 -l 1 -png -singlefile '" + pdf + "' '" + dir.file("p") + "'");
    const QImage theirs(QString::fromStdString(dir.file("p.png")));
    const QImage ours = test::pageImage(pv, 1);
    ASSERT_EQ(theirs.size(), ours.size());
    // Poppler and Qt smooth a stretched picture differently at its edges; colours and places
    // agree, so the mean difference over the pictures' pixels stays small.
    double off = 0;
    for (int y = 96; y < 480; ++y)
        for (int x = 96; x < 480; ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            off += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(off / (384 * 384), 12.0);  // a colour swap gives hundreds
}

}  // namespace
}  // namespace kalder
