// Pages as image files: naming, sizes as a tool nobody here wrote reads them, pixels where
// the twips say, and failures that leave nothing behind.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "document/cDocument.h"
#include "export/PageImages.h"
#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"

namespace fs = std::filesystem;
using kalder::test::errorOf;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("kalder-images-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

// What `file` says about a file.
std::string describe(const fs::path& file) {
    std::string cmd = "file -b '" + file.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 256> buf{};
    while (pipe && fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

// A document of three A4 pages, each with a bordered frame 1 inch from the top left, 2 x 1 in.
void threePages(kalder::Preview& pv) {
    pv.AddFirstPage();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) pv.AddPage();
        pv.AddFrame("box", "1 in", "1 in", "2 in", "1 in");
        pv.ShowBorder(true);
    }
}

TEST(PageImages, ThreePagesGiveThreeNumberedBitmapsOfThePageSize) {
    TempDir dir;
    kalder::Preview pv;
    threePages(pv);
    const std::string prefix = (dir.path / "page").string();
    pv.ExportBMP(prefix);
    for (int n = 1; n <= 3; ++n) {
        const fs::path f = prefix + std::to_string(n) + ".bmp";
        ASSERT_TRUE(fs::exists(f)) << f;
        // A4 is 11910 x 16838 twips; 15 twips a pixel at 96 dots per inch.
        EXPECT_NE(describe(f).find("PC bitmap"), std::string::npos) << describe(f);
        EXPECT_NE(describe(f).find("794 x 1123 x 24"), std::string::npos) << describe(f);
    }
    EXPECT_FALSE(fs::exists(prefix + "4.bmp"));
    EXPECT_FALSE(fs::exists(prefix + "0.bmp"));
}

TEST(PageImages, ALocationEndingInASeparatorNamesFilesByNumberOnly) {
    TempDir dir;
    kalder::Preview pv;
    threePages(pv);
    pv.ExportJPG(dir.path.string() + "/");
    for (int n = 1; n <= 3; ++n) {
        const fs::path f = dir.path / (std::to_string(n) + ".jpg");
        ASSERT_TRUE(fs::exists(f)) << f;
        EXPECT_NE(describe(f).find("JPEG image data"), std::string::npos) << describe(f);
        EXPECT_NE(describe(f).find("794x1123"), std::string::npos) << describe(f);
    }
}

TEST(PageImages, AFrameBorderLandsWhereItsTwipsSayAtFullAndHalfZoom) {
    kalder::Preview pv;
    threePages(pv);
    auto& doc = pv.document();
    for (double zoom : {1.0, 0.5}) {
        kalder::PageImageOptions options;
        options.zoom = zoom;
        QImage img = kalder::renderPageImage(doc, *doc.pages().Item(1), options);
        // 1 inch = 96 pixels at 100 %; the box runs from 1 in to 3 in across, 1 in to 2 in down.
        const int left = static_cast<int>(96 * zoom), top = static_cast<int>(96 * zoom);
        const int right = static_cast<int>(288 * zoom), bottom = static_cast<int>(192 * zoom);
        const int midY = (top + bottom) / 2, midX = (left + right) / 2;
        EXPECT_EQ(img.pixelColor(left, midY), Qt::black) << "zoom " << zoom;
        EXPECT_EQ(img.pixelColor(right, midY), Qt::black) << "zoom " << zoom;
        EXPECT_EQ(img.pixelColor(midX, top), Qt::black) << "zoom " << zoom;
        EXPECT_EQ(img.pixelColor(midX, bottom), Qt::black) << "zoom " << zoom;
        EXPECT_EQ(img.pixelColor(midX, midY), Qt::white) << "zoom " << zoom;
        EXPECT_EQ(img.pixelColor(left - 3, midY), Qt::white) << "zoom " << zoom;
    }
}

TEST(PageImages, AJpegReadsBackCloseToTheRenderedPage) {
    TempDir dir;
    kalder::Preview pv;
    threePages(pv);
    pv.ExportJPG((dir.path / "p").string());
    QImage jpeg((dir.path / "p1.jpg").string().c_str());
    ASSERT_FALSE(jpeg.isNull());
    // Quality 90 keeps a one-pixel black line dark and the paper white.
    EXPECT_LT(qGray(jpeg.pixel(96, 144)), 100);
    EXPECT_GT(qGray(jpeg.pixel(400, 700)), 245);
}

TEST(PageImages, AnUnwritableLocationRaisesAndLeavesNoFile) {
    TempDir dir;
    kalder::Preview pv;
    threePages(pv);
    const std::string missing = (dir.path / "no-such-folder" / "p").string();

    auto jpg = errorOf([&] { pv.ExportJPG(missing); });
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->number(), 26001);
    EXPECT_EQ(jpg->source(), "Kalder.JpegWriter");
    EXPECT_EQ(jpg->description().rfind("Failed to save to JPG " + missing + "1.jpg", 0), 0u) << jpg->description();

    auto bmp = errorOf([&] { pv.ExportBMP(missing); });
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->number(), 75);
    EXPECT_EQ(bmp->source(), "ExportBMP");
    EXPECT_TRUE(fs::is_empty(dir.path));
}

TEST(PageImages, AFileThatCannotBeReplacedEndsTheExportWithoutLeftovers) {
    TempDir dir;
    // Page 2's name is taken by a folder: page 1 is written, page 2 fails, page 3 is not tried.
    fs::create_directories(dir.path / "p2.jpg");
    kalder::Preview pv;
    threePages(pv);
    auto e = errorOf([&] { pv.ExportJPG((dir.path / "p").string()); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 26001);
    EXPECT_TRUE(fs::is_regular_file(dir.path / "p1.jpg"));
    EXPECT_FALSE(fs::exists(dir.path / "p3.jpg"));
    int entries = 0;
    for (auto& entry : fs::directory_iterator(dir.path)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 2) << "no temporary file is left beside the targets";
}

}  // namespace
