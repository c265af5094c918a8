// Printing on a real CUPS server (the queues of scripts/cups.sh): cups-pdf turns each job into
// a PDF file whose sheets pdfinfo and pdftoppm read back; the square on each page tells its
// page number, and ipptool reads the job's attributes.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <regex>
#include <thread>

#include "core/QtRuntime.h"
#include "print/OutputSettings.h"
#include "print/Printers.h"
#include "print/frmPrinterSetup.h"
#include "support/Ink.h"
#include "support/Printing.h"

using namespace kalder;
using namespace kalder::test;
namespace fs = std::filesystem;

namespace {

// Whether the queues of scripts/cups.sh (which `make test` runs first) are up.
bool cupsReady() {
    static const bool ready = runTool("lpstat -p KalderPDF -p KalderTrays -p KalderRejects").status == 0;
    return ready;
}

fs::path cupsOutputFolder() {
    const char* dir = std::getenv("KALDER_CUPS_PDF_DIR");
    return dir && *dir ? fs::path(dir) : fs::path("/var/spool/cups-pdf/Kalder");
}

// A job title no other job uses, so its file is found even when tests print at once.
std::string uniqueJobTitle() {
    static int n = 0;
    return "KT" + std::to_string(::getpid()) + "x" + std::to_string(++n);
}

// The PDF cups-pdf wrote for the job with `title`, once complete; empty after 60 seconds.
fs::path waitForJobFile(const std::string& title) {
    for (const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(std::chrono::milliseconds(200))) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(cupsOutputFolder(), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(title, 0) == 0 && !std::isalnum(static_cast<unsigned char>(name[title.size()])) &&
                std::atoi(pdfInfo(entry.path().string(), "Pages").c_str()) > 0)
                return entry.path();
        }
    }
    return {};
}

// One attribute of the job that wrote `file` ("...-job_12.pdf") as ipptool prints it
// ("copies (integer) = 2" gives "2"); "" when the job has none.
std::string jobAttribute(const fs::path& file, const std::string& attribute) {
    std::smatch m;
    const std::string name = file.filename().string();
    if (!std::regex_search(name, m, std::regex("job_([0-9]+)"))) return "no job number";
    const auto r = runTool("ipptool -tv ipp://localhost/jobs/" + m[1].str() + " get-job-attributes.test");
    if (std::regex_search(r.output, m, std::regex("\\n\\s*" + attribute + " \\([^)]*\\) = ([^\\n]*)"))) return m[1];
    return {};
}

// Prints `pv` on `printer` under a job title of its own and returns the file of the job.
fs::path printJob(Preview& pv, const std::string& printer = "KalderPDF") {
    const std::string title = uniqueJobTitle();
    pv.PrintJobTitle(title), pv.SetPrinter(printer), pv.EndDocument(prOTPrinter);
    fs::path file = waitForJobFile(title);
    EXPECT_FALSE(file.empty()) << "no PDF for job " << title << " in " << cupsOutputFolder();
    return file;
}

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cupsReady()) GTEST_SKIP() << "the CUPS queues are not up: run scripts/cups.sh";
    }
    void TearDown() override {  // removes the files the jobs of this process left behind
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(cupsOutputFolder(), ec))
            if (entry.path().filename().string().rfind("KT" + std::to_string(::getpid()) + "x", 0) == 0)
                fs::remove(entry, ec);
    }
    CountedPreview counted;
    Preview& pv = counted.pv;
};

// The ink of every sheet of a PDF as pdftoppm renders it in grey at 20 dots per inch.
std::vector<InkBox> sheetsOf(const fs::path& pdf) {
    ScratchDir dir;
    runTool("pdftoppm -gray -r 20 '" + pdf.string() + "' '" + dir.file("s") + "'");
    std::vector<InkBox> sheets;
    for (const std::string& name : dir.entries())
        sheets.push_back(inkOf(QImage(QString::fromStdString(dir.file(name))), [](QRgb p) { return qGray(p) < 128; }));
    return sheets;
}

// The page number each sheet's square tells (0 for a sheet without ink).
std::string markers(const fs::path& pdf) {
    std::string out;
    for (const InkBox& s : sheetsOf(pdf))
        out += std::to_string(s.empty() ? 0 : static_cast<int>(std::lround((s.left - 20) / 10.0)) + 1) + " ";
    return out;
}

// Page n: a black 0.4-inch square, 1 inch from the top, 1 + (n - 1) / 2 inches from the left
// edge of the sheet, so the order of the sheets can be read from the pixels.
void buildMarkedPages(Preview& pv, int count) {
    for (int n = 1; n <= count; ++n) {
        if (n > 1) pv.AddPage();
        pv.CurrentFrame("WholePage"), pv.FillStyle(0), pv.FillColor(0), pv.LineColor(0);
        const int x = 1440 + (n - 1) * 720;
        pv.DrawLine(x, 1440, x + 576, 1440 + 576, prLBBoxFill);
    }
}

constexpr const char* kA4 = "595 x 842 pts (A4)";

// A job of `pages` pages: the page number on each sheet (by its square), the job's copies
// attribute ("" when the printer makes none), the settings, the paper as pdfinfo reports it,
// and another job attribute with its value.
struct JobRow {
    const char* name; int pages; const char* sheets, *copies = "";
    int count = 1; bool collate = true; int pagesOpt = prPOAll; const char* range = "";
    int oddEven = prOEBoth, paperSize = prPSA4; const char* paper = kA4; int bin = prBNAuto;
    const char* printer = "KalderPDF", *attribute = "", *value = "";
};

TEST_F(CupsPrint, JobsComeOutAsTheSettingsSay) {
    forEachRow<JobRow>({
            {"three pages in order", 3, "1 2 3 "},
            {"uncollated copies repeat each page", 3, "1 1 2 2 3 3 ", "", 2, false},
            {"collated copies are left to the printer", 3, "1 2 3 1 2 3 ", "2", 2, true},
            // cups-pdf makes collated copies only, so the file holds the selection once.
            {"uncollated copies of a selection are left to the printer", 3, "3 2 ", "2", 2, false, prPORange, "3,2"},
            {"a page list in its order", 12, "1 3 5 6 7 8 9 10 11 12 ", "", 1, true, prPORange, "1,3,5-12"},
            {"even pages of five", 5, "2 4 ", "", 1, true, prPOOddEven, "", prOEEven},
            {"odd pages of five", 5, "1 3 5 ", "", 1, true, prPOOddEven, "", prOEOdd},
            {.name = "paper size", .pages = 1, .sheets = "1 ", .paperSize = prPSLegal, .paper = "612 x 1008 pts"},
            {.name = "bin, on a printer named in another case", .pages = 1, .sheets = "1 ", .bin = prBNLower,
             .printer = "kaldertrays", .attribute = "InputSlot", .value = "Lower"},
            {.name = "an unknown printer prints on the current one", .pages = 1, .sheets = "1 ",
             .printer = "No Such Printer", .attribute = "job-printer-uri",
             .value = "ipp://localhost:631/printers/KalderPDF"},
        }, [](const JobRow& row) {
            CountedPreview counted;
            Preview& pv = counted.pv;
            buildMarkedPages(pv, row.pages);
            pv.Copies(row.count), pv.Collate(row.collate), pv.PagesOpt(row.pagesOpt), pv.PageRange(row.range);
            pv.OddEven(row.oddEven), pv.PaperSize(row.paperSize), pv.PaperBin(row.bin);
            pv.outputSettings().currentPrinter = "KalderPDF";
            const fs::path file = printJob(pv, row.printer);
            if (file.empty()) return;
            EXPECT_EQ(markers(file), row.sheets);
            EXPECT_THAT(runTool("pdfinfo '" + file.string() + "'").output, ::testing::HasSubstr(row.paper));
            EXPECT_EQ(jobAttribute(file, "copies"), row.copies);
            if (*row.attribute) EXPECT_EQ(jobAttribute(file, row.attribute), row.value);
            EXPECT_EQ(joined(counted.complete, pv.TotalPages(), pv.Copies()), "1|1|1|");  // printed, so reset
        });
}

TEST_F(CupsPrint, LandscapePagesArriveTurnedUnlessForcedPortrait) {
    // A bar five inches wide and half an inch high on a portrait and a landscape page. The
    // sheet stays portrait, so the landscape page arrives turned: its bar stands upright.
    Preview asIs, forced;
    for (Preview* pv : {&asIs, &forced})
        for (int n = 1; n <= 2; ++n) {
            if (n == 2) pv->AddPage(), pv->Orientation(prORLandscape);
            pv->CurrentFrame("WholePage"), pv->FillStyle(0), pv->FillColor(0);
            pv->DrawLine(1440, 1440, 1440 * 6, 1440 + 720, prLBBoxFill);
        }
    forced.OrientOpt(prOOPortrait), forced.PagesOpt(prPORange), forced.PageRange("2");
    const auto turned = sheetsOf(printJob(asIs)), upright = sheetsOf(printJob(forced));
    ASSERT_EQ(joined(turned.size(), upright.size()), "2|1|");
    auto lying = [](const InkBox& s) { return s.right - s.left > 4 * (s.bottom - s.top); };
    auto standing = [](const InkBox& s) { return s.bottom - s.top > 4 * (s.right - s.left); };
    EXPECT_TRUE(lying(turned[0]) && standing(turned[1]) && lying(upright[0])) << turned[0] << turned[1] << upright[0];
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
    EXPECT_EQ(pv.outputSettings().currentPrinter + pv.DeviceName(), "KalderPDFKalderPDF");
    buildMarkedPages(pv, 2);
    pv.SetPrinter("KalderRejects");
    const auto error = errorOf([&] { pv.EndDocument(prOTPrinter); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(joined(error->number(), error->source(), error->description().substr(0, 16)),
              "482|Kalder|Printer error : |");
    EXPECT_EQ(joined(pv.TotalPages(), counted.complete, pv.outputSettings().currentPrinter), "2|1|KalderPDF|");

    // Page images clip text where this printer does: 16,000 twips down is beyond the printable
    // height a printer is assumed to have (15,363), inside the one this printer reports (16,440).
    Preview clip;
    clip.outputSettings().currentPrinter = "KalderPDF";
    clip.CurrentFrame("WholePage"), clip.AddTextAt("Near the bottom", 1440, 16000, prALLeft, prASNone);
    const std::string base = (fs::temp_directory_path() / "kalder-clip-").string();
    clip.ExportBMP(base);
    const QImage image(QString::fromStdString(base + "1.bmp"));
    fs::remove(base + "1.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(inkOf(image.copy(96, 16000 / 15, 304, 20), [](QRgb p) { return qGray(p) < 128; }).count, 0);
}

TEST_F(CupsPrint, PrintedBarcodesScanAndPicturesLandInPlace) {
    Preview pv;
    pv.DrawWidth(28);
    pv.AddBarCode("400638133393", prEAN13, "1 in", "1 in", 95 * 28, 1100);
    pv.AddBarCode("https://kalder.example", prQRCode, "5 in", "1 in", "1 in", "1 in");
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(QColor(220, 0, 0));
    pv.DrawPictureMemory(red, "1 in", "6 in", "2 in", "1 in");
    const fs::path file = printJob(pv);
    if (file.empty()) return;
    const ScratchDir dir;
    runTool("pdftoppm -r 300 -png -singlefile '" + file.string() + "' '" + dir.file("sheet") + "'");
    EXPECT_EQ(runTool("zbarimg -q --nodbus '" + dir.file("sheet.png") + "' 2>/dev/null").output,
              "QR-Code:https://kalder.example\nEAN-13:4006381333931\n");
    // The picture: 2 x 1 inches of red from the sheet's 1-inch and 6-inch marks (in tenths).
    const auto box = inkOf(QImage(QString::fromStdString(dir.file("sheet.png"))),
                           [](QRgb p) { return qRed(p) > 150 && qGreen(p) < 80; });
    EXPECT_EQ(joined(std::lround(box.left / 30.0), std::lround(box.top / 30.0), std::lround(box.right / 30.0),
                     std::lround(box.bottom / 30.0)), "10|60|30|70|");
}

TEST_F(CupsPrint, TheDialogPrintsWhatItsControlsSay) {
    ensureGuiApplication();
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
    EXPECT_EQ(joined(pv.PagesOpt(), pv.OddEven(), counted.complete), joined(prPOOddEven, prOEOdd, 1));
    EXPECT_EQ(markers(waitForJobFile(title)), "1 3 ");
}

}  // namespace
