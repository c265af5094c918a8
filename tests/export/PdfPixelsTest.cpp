// A page as poppler's pdftoppm draws our PDF and as our own renderer draws it, at the same
// resolution: shapes and text land in the same places.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"

namespace fs = std::filesystem;

namespace {

bool dark(QRgb p) { return qGray(p) < 160; }

TEST(PdfPixels, PopplerDrawsThePageWhereOurRendererDrawsIt) {
    kalder::Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    pv.DrawWidth(30);
    pv.FillStyle(0);
    pv.FillColor(0x000000);
    pv.DrawLine("0 in", "0 in", "2 in", "1 in", kalder::prLBBoxFill);
    pv.DrawLine("3 in", "0 in", "5 in", "1 in", kalder::prLBBox);
    pv.DrawCircle("1 in", "3 in", "0.75 in");
    pv.FontName("Arial");
    pv.FontSize(28);
    pv.FontBold(true);
    pv.FontUnderline(false);
    pv.AddTextAt("HHHH HHHH", "0 in", "5 in");

    const fs::path base = fs::temp_directory_path() / ("kalder-pixels-" + std::to_string(::getpid()));
    const std::string pdf = base.string() + ".pdf";
    pv.ExportPDF(pdf);
    const std::string cmd = "pdftoppm -r 96 -png -singlefile '" + pdf + "' '" + base.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    QImage theirs((base.string() + ".png").c_str());
    fs::remove(pdf);
    fs::remove(base.string() + ".png");
    ASSERT_FALSE(theirs.isNull());

    auto& doc = pv.document();
    QImage ours = kalder::renderPageImage(doc, *doc.pages().Item(1));
    ASSERT_EQ(ours.size(), theirs.size());

    // Dark pixels that only one of the two has, as a share of the dark pixels: edges may
    // differ by a pixel (anti-aliasing, stroke placement), the figures may not.
    long both = 0, onlyOne = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const bool a = dark(ours.pixel(x, y)), b = dark(theirs.pixel(x, y));
            both += a && b;
            onlyOne += a != b;
        }
    ASSERT_GT(both, 5000);
    EXPECT_LT(static_cast<double>(onlyOne) / static_cast<double>(both), 0.25)
        << onlyOne << " pixels differ, " << both << " agree";
    // The filled box's middle is dark in both, and the paper beside it white in both.
    EXPECT_TRUE(dark(ours.pixel(192, 144)) && dark(theirs.pixel(192, 144)));
    EXPECT_FALSE(dark(ours.pixel(600, 700)) || dark(theirs.pixel(600, 700)));
}

}  // namespace
