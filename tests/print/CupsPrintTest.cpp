// Printing on a real CUPS server: each job becomes a PDF file (cups-pdf) whose sheets pdfinfo
// and pdftoppm read back; the square on each page tells its page number.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>

#include "core/QtRuntime.h"
#include "print/OutputSettings.h"
#include "print/Printers.h"
#include "print/frmPrinterSetup.h"
#include "support/ErrorMatchers.h"
#include "support/Printing.h"
#include "support/TableTest.h"

using namespace kalder;
using namespace kalder::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* kA4 = "595 x 842 pts (A4)";

using CupsPrint = CupsTest;

struct JobRow {
    const char* name;
    int pages;
    std::vector<int> sheets;
    const char* copies = "";  // the job's copies attribute: "" when the printer makes none
    int count = 1;            // the Copies setting
    bool collate = true;
    int pagesOpt = prPOAll;
    const char* range = "";
    int oddEven = prOEBoth;
    int paperSize = prPSA4;
    const char* paper = kA4;  // as pdfinfo reports it
    int bin = prBNAuto;
    const char* printer = "KalderPDF";
    const char* attribute = "";  // another job attribute and its value
    const char* value = "";
};

TEST_F(CupsPrint, JobsComeOutAsTheSettingsSay) {
    forEachRow<JobRow>(
        {
            {"three pages in order", 3, {1, 2, 3}},
            {"uncollated copies repeat each page", 3, {1, 1, 2, 2, 3, 3}, "", 2, false},
            {"collated copies are left to the printer", 3, {1, 2, 3, 1, 2, 3}, "2", 2, true},
            // cups-pdf makes collated copies only, so the file holds the selection once.
            {"uncollated copies of a selection are left to the printer", 3, {3, 2}, "2", 2, false, prPORange, "3,2"},
            {"a page list in its order", 12, {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}, "", 1, true, prPORange, "1,3,5-12"},
            {"even pages of five", 5, {2, 4}, "", 1, true, prPOOddEven, "", prOEEven},
            {"odd pages of five", 5, {1, 3, 5}, "", 1, true, prPOOddEven, "", prOEOdd},
            {.name = "paper size", .pages = 1, .sheets = {1}, .paperSize = prPSLegal, .paper = "612 x 1008 pts"},
            {.name = "bin, on a printer named in another case", .pages = 1, .sheets = {1}, .bin = prBNLower,
             .printer = "kaldertrays", .attribute = "InputSlot", .value = "Lower"},
            {.name = "an unknown printer prints on the current one", .pages = 1, .sheets = {1},
             .printer = "No Such Printer", .attribute = "job-printer-uri", .value = "ipp://localhost:631/printers/KalderPDF"},
        },
        [](const JobRow& row) {
            CountedPreview counted;
            Preview& pv = counted.pv;
            buildMarkedPages(pv, row.pages);
            pv.Copies(row.count);
            pv.Collate(row.collate);
            pv.PagesOpt(row.pagesOpt);
            pv.PageRange(row.range);
            pv.OddEven(row.oddEven);
            pv.PaperSize(row.paperSize);
            pv.PaperBin(row.bin);
            pv.outputSettings().currentPrinter = "KalderPDF";
            const fs::path file = printJob(pv, row.printer);
            if (file.empty()) return;
            EXPECT_EQ(markers(sheetsOf(file)), row.sheets);
            EXPECT_NE(pdfInfo(file).find(row.paper), std::string::npos) << pdfInfo(file);
            EXPECT_EQ(jobAttribute(jobIdOf(file), "copies"), row.copies);
            if (*row.attribute) EXPECT_EQ(jobAttribute(jobIdOf(file), row.attribute), row.value);
            EXPECT_EQ(counted.complete, 1);
            EXPECT_EQ(pv.TotalPages(), 1);  // printed, so the document was reset
            EXPECT_EQ(pv.Copies(), 1);
        });
}

TEST_F(CupsPrint, LandscapePagesArriveTurnedUnlessForcedPortrait) {
    // A bar five inches wide and half an inch high on a portrait and a landscape page. The
    // sheet stays portrait, so the landscape page arrives turned: its bar stands upright.
    auto bars = [](Preview& pv) {
        for (int n = 1; n <= 2; ++n) {
            if (n == 2) pv.AddPage(), pv.Orientation(prORLandscape);
            pv.CurrentFrame("WholePage");
            pv.FillStyle(0);
            pv.FillColor(0);
            pv.DrawLine(1440, 1440, 1440 * 6, 1440 + 720, prLBBoxFill);
        }
    };
    Preview asIs, forced;
    bars(asIs);
    bars(forced);
    forced.OrientOpt(prOOPortrait);
    forced.PagesOpt(prPORange);
    forced.PageRange("2");
    const auto turned = sheetsOf(printJob(asIs));
    const auto upright = sheetsOf(printJob(forced));
    ASSERT_EQ(turned.size(), 2u);
    ASSERT_EQ(upright.size(), 1u);
    EXPECT_GT(turned[0].inkWidth, 4 * turned[0].inkHeight);
    EXPECT_GT(turned[1].inkHeight, 4 * turned[1].inkWidth);
    EXPECT_GT(upright[0].inkWidth, 4 * upright[0].inkHeight);
}

TEST_F(CupsPrint, ThePrintersListsMetricsAndRuns) {
    EXPECT_EQ(paperBins("KalderTrays"), (std::vector<PaperChoice>{{prBNAuto, "Automatic Selection", "Auto"},
                                                                  {prBNUpper, "Upper Tray", "Upper"},
                                                                  {prBNLower, "Lower Tray", "Lower"},
                                                                  {prBNManual, "Manual Feed", "Manual"}}));
    EXPECT_TRUE(paperBins("KalderPDF").empty());
    const auto sizes = paperSizes("KalderPDF");
    auto offers = [&](auto test) { return std::any_of(sizes.begin(), sizes.end(), test); };
    EXPECT_TRUE(offers([](const PaperChoice& c) { return c.code == prPSA4 && c.name == "A4"; }));
    EXPECT_TRUE(offers([](const PaperChoice& c) { return c.code == prPSLegal; }));

    CountedPreview counted;
    Preview& pv = counted.pv;
    pv.outputSettings().currentPrinter = "KalderPDF";
    EXPECT_EQ(joined(pv.DeviceName(), pv.Port(), pv.TwipsPerPixelX(), pv.PrintWidth(), pv.PrintHeight()),
              "KalderPDF|cups-pdf:/KalderPDF|2.4|11508|16440|");  // medium quality: 600 dots per inch
    EXPECT_NE(pv.DriverName().find("CUPS-PDF"), std::string::npos) << pv.DriverName();
    // cups-pdf leaves 10 points unprintable around A4: 200 twips, 202.94 mm printable.
    EXPECT_NEAR(pv.MarginWidth(), 200, 3);
    EXPECT_NEAR(pv.MarginHeight(), 200, 3);
    // A run on another printer puts the current one back, also when the printer refuses the
    // job; a refused job raises and keeps the document.
    buildMarkedPages(pv, 1);
    ASSERT_FALSE(printJob(pv, "KalderTrays").empty());
    EXPECT_EQ(pv.outputSettings().currentPrinter, "KalderPDF");
    EXPECT_EQ(pv.DeviceName(), "KalderPDF");
    buildMarkedPages(pv, 2);
    pv.SetPrinter("KalderRejects");
    const auto error = errorOf([&] { pv.EndDocument(prOTPrinter); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(joined(error->number(), error->source(), error->description().substr(0, 16)), "482|Kalder|Printer error : |");
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(counted.complete, 1);  // the first run only
    EXPECT_EQ(pv.outputSettings().currentPrinter, "KalderPDF");
}

TEST_F(CupsPrint, PageImagesClipTextWhereTheCurrentPrinterDoes) {
    // 16,000 twips down: beyond the printable height a printer is assumed to have (15,363),
    // inside the one this printer reports (16,440), so the image shows what the paper gets.
    Preview pv;
    pv.outputSettings().currentPrinter = "KalderPDF";
    pv.CurrentFrame("WholePage");
    pv.AddTextAt("Near the bottom", 1440, 16000, prALLeft, prASNone);
    const std::string base = (fs::temp_directory_path() / "kalder-clip-").string();
    pv.ExportBMP(base);
    const QImage image(QString::fromStdString(base + "1.bmp"));
    fs::remove(base + "1.bmp");
    ASSERT_FALSE(image.isNull());
    bool ink = false;
    for (int y = 16000 / 15; y < 16300 / 15 && !ink; ++y)
        for (int x = 96; x < 400 && !ink; ++x) ink = qGray(image.pixel(x, y)) < 128;
    EXPECT_TRUE(ink);
}

TEST_F(CupsPrint, TheDialogPrintsWhatItsControlsSay) {
    ensureGuiApplication();
    CountedPreview counted;
    Preview& pv = counted.pv;
    const std::string title = uniqueJobTitle();
    pv.PrintJobTitle(title);
    buildMarkedPages(pv, 3);
    pv.SetPrinter("KalderPDF");
    frmPrinterSetup dialog(pv, 1);
    dialog.findChild<QRadioButton*>("optOddEven")->setChecked(true);
    auto* oddEven = dialog.findChild<QComboBox*>("cbOddEven");
    oddEven->setCurrentIndex(oddEven->findData(prOEOdd));
    ASSERT_EQ(dialog.findChild<QComboBox*>("cbPrinter")->currentText(), "KalderPDF");
    dialog.print();
    EXPECT_EQ(dialog.outcome(), SetupResult::Printed) << dialog.lastError().toStdString();
    EXPECT_EQ(pv.PagesOpt(), prPOOddEven);
    EXPECT_EQ(pv.OddEven(), prOEOdd);
    EXPECT_EQ(counted.complete, 1);
    const fs::path file = waitForJobFile(title);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 3}));
}

}  // namespace
