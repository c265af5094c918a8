// Printing on a real CUPS server: the cups-pdf queues of scripts/cups.sh turn each job into a
// PDF file, which pdfinfo and pdftoppm read back. Each page of the test documents carries a
// black square whose position tells its page number, so the order of the sheets can be read
// from the pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QComboBox>
#include <QRadioButton>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "core/QtRuntime.h"
#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "print/OutputSettings.h"
#include "print/Printers.h"
#include "print/frmPrinterSetup.h"
#include "PrintTestSupport.h"
#include "support/ErrorMatchers.h"

using namespace kalder;
using kalder::test::errorOf;
using kalder::test::runCommand;
namespace fs = std::filesystem;

namespace {

constexpr int kDotsPerInch = 20;  // the resolution sheets are read back at

// scripts/cups.sh of the checkout, found upwards from the working folder or the test program.
fs::path cupsScript() {
    std::error_code ec;
    for (fs::path start : {fs::current_path(ec), fs::read_symlink("/proc/self/exe", ec).parent_path()})
        for (fs::path dir = start; !dir.empty(); dir = dir.parent_path()) {
            if (fs::exists(dir / "scripts" / "cups.sh")) return dir / "scripts" / "cups.sh";
            if (dir == dir.root_path()) break;
        }
    return {};
}

bool cupsReady() {
    static const bool ready = [] {
        auto queuesUp = [] {
            return runCommand("lpstat -p KalderPDF && lpstat -p KalderTrays && lpstat -p KalderRejects").status == 0;
        };
        if (queuesUp()) return true;
        const fs::path script = cupsScript();
        if (!script.empty()) runCommand("'" + script.string() + "'");
        return queuesUp();
    }();
    return ready;
}

// Where the queues write (see scripts/cups.sh).
fs::path outputFolder() {
    const char* dir = std::getenv("KALDER_CUPS_PDF_DIR");
    return dir && *dir ? fs::path(dir) : fs::path("/var/spool/cups-pdf/Kalder");
}

// A job title no other test uses, so its file is found even when tests print at once.
std::string uniqueTitle() {
    static int n = 0;
    return "KT" + std::to_string(::getpid()) + "x" + std::to_string(++n);
}

// The PDF cups-pdf wrote for the job with `title`, once complete; empty after 60 seconds.
fs::path waitForJobFile(const std::string& title) {
    const fs::path folder = outputFolder();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(title, 0) == 0 && !std::isalnum(static_cast<unsigned char>(name[title.size()])) &&
                test::pdfPageCount(entry.path()) > 0)
                return entry.path();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
}

// The CUPS job number cups-pdf wrote into the file name ("...-job_12.pdf").
int jobIdOf(const fs::path& file) {
    std::smatch m;
    const std::string name = file.filename().string();
    return std::regex_search(name, m, std::regex("job_([0-9]+)")) ? std::stoi(m[1]) : 0;
}

// One attribute of a CUPS job as ipptool prints it ("copies (integer) = 2" gives "2").
std::string jobAttribute(int jobId, const std::string& attribute) {
    const auto r = runCommand("ipptool -tv ipp://localhost/jobs/" + std::to_string(jobId) + " get-job-attributes.test");
    std::smatch m;
    if (std::regex_search(r.output, m, std::regex("\\n\\s*" + attribute + " \\([^)]*\\) = ([^\\n]*)"))) return m[1];
    return {};
}

struct Gray {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    bool dark(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)] < 128; }
};

Gray readPgm(const fs::path& file) {
    Gray g;
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> g.width >> g.height >> maxValue;
    in.get();
    g.pixels.resize(static_cast<std::size_t>(g.width * g.height));
    in.read(reinterpret_cast<char*>(g.pixels.data()), static_cast<std::streamsize>(g.pixels.size()));
    return g;
}

struct Sheet {
    int marker = 0;        // the page number the square says
    int inkWidth = 0;      // extent of everything dark
    int inkHeight = 0;
};

// Every sheet of a PDF as pdftoppm renders it.
std::vector<Sheet> sheetsOf(const fs::path& pdf) {
    test::TempFolder dir;
    runCommand("pdftoppm -gray -r " + std::to_string(kDotsPerInch) + " '" + pdf.string() + "' '" +
               (dir.path / "s").string() + "'");
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir.path)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<Sheet> sheets;
    for (const fs::path& f : files) {
        const Gray g = readPgm(f);
        int minX = g.width, maxX = -1, minY = g.height, maxY = -1;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                if (g.dark(x, y)) minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        Sheet s;
        if (maxX >= 0) {
            s.marker = static_cast<int>(std::lround((minX - kDotsPerInch) / (kDotsPerInch / 2.0))) + 1;
            s.inkWidth = maxX - minX + 1;
            s.inkHeight = maxY - minY + 1;
        }
        sheets.push_back(s);
    }
    return sheets;
}

std::vector<int> markers(const std::vector<Sheet>& sheets) {
    std::vector<int> out;
    for (const Sheet& s : sheets) out.push_back(s.marker);
    return out;
}

// Page n: a black 0.4-inch square, 1 inch from the top, 1 + (n - 1) / 2 inches from the left
// edge of the sheet.
void buildMarkedPages(Preview& pv, int count) {
    for (int n = 1; n <= count; ++n) {
        if (n > 1) pv.AddPage();
        pv.CurrentFrame("WholePage");
        pv.FillStyle(0);
        pv.FillColor(0);
        pv.LineColor(0);
        const int x = 1440 + (n - 1) * 720;
        pv.DrawLine(x, 1440, x + 576, 1440 + 576, prLBBoxFill);
    }
}

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cupsReady()) GTEST_SKIP() << "no CUPS server could be started (scripts/cups.sh)";
        pv.onPrintComplete = [this] { ++completed; };
        pv.PrintJobTitle(title);
    }
    void TearDown() override {
        // The jobs of this process leave their files behind; nothing else reads them.
        const std::string mine = "KT" + std::to_string(::getpid()) + "x";
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(outputFolder(), ec))
            if (entry.path().filename().string().rfind(mine, 0) == 0) fs::remove(entry.path(), ec);
    }
    // Prints on `printer` and returns the file of the job.
    fs::path print(const std::string& printer = "KalderPDF") {
        pv.SetPrinter(printer);
        pv.EndDocument(prOTPrinter);
        fs::path file = waitForJobFile(title);
        EXPECT_FALSE(file.empty()) << "no PDF for job " << title << " in " << outputFolder();
        return file;
    }
    Preview pv;
    int completed = 0;
    std::string title = uniqueTitle();
};

TEST_F(CupsPrint, ThreePagesGiveThreeSheetsInOrder) {
    buildMarkedPages(pv, 3);
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(test::pdfPageCount(file), 3);
    EXPECT_NE(runCommand("pdfinfo '" + file.string() + "'").output.find("595 x 842 pts (A4)"), std::string::npos);
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(pv.TotalPages(), 1);  // printed, so the document was reset
}

TEST_F(CupsPrint, TwoUncollatedCopiesRepeatEachPage) {
    buildMarkedPages(pv, 3);
    pv.Copies(2);
    pv.Collate(false);
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(jobAttribute(jobIdOf(file), "copies"), "");  // the printer makes no copies of its own
}

TEST_F(CupsPrint, CollatedCopiesAreLeftToThePrinter) {
    buildMarkedPages(pv, 3);
    pv.Copies(2);
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    // The job asks CUPS for two collated copies, and CUPS makes them.
    EXPECT_EQ(jobAttribute(jobIdOf(file), "copies"), "2");
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 2, 3, 1, 2, 3}));
}

TEST_F(CupsPrint, UncollatedCopiesOfASelectionAreLeftToThePrinter) {
    buildMarkedPages(pv, 3);
    pv.Copies(2);
    pv.Collate(false);
    pv.PagesOpt(prPORange);
    pv.PageRange("3,2");
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    // The job asks for two copies; cups-pdf makes collated copies only and leaves uncollated
    // ones to a printer that has none, so the file holds the selection once.
    EXPECT_EQ(jobAttribute(jobIdOf(file), "copies"), "2");
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{3, 2}));
}

TEST_F(CupsPrint, PageListPrintsInItsOrder) {
    buildMarkedPages(pv, 12);
    pv.PagesOpt(prPORange);
    pv.PageRange("1,3,5-12");
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 3, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(CupsPrint, EvenPagesOfFive) {
    buildMarkedPages(pv, 5);
    pv.PagesOpt(prPOOddEven);
    pv.OddEven(prOEEven);
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{2, 4}));
}

TEST_F(CupsPrint, LandscapePageComesOutLandscape) {
    // A bar five inches wide and half an inch high on a portrait and on a landscape page. The
    // sheet stays portrait, so the landscape page arrives turned: its bar stands upright.
    for (int n = 1; n <= 2; ++n) {
        if (n == 2) {
            pv.AddPage();
            pv.Orientation(prORLandscape);
        }
        pv.CurrentFrame("WholePage");
        pv.FillStyle(0);
        pv.FillColor(0);
        pv.DrawLine(1440, 1440, 1440 * 6, 1440 + 720, prLBBoxFill);
    }
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    const auto sheets = sheetsOf(file);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_GT(sheets[0].inkWidth, 4 * sheets[0].inkHeight);
    EXPECT_GT(sheets[1].inkHeight, 4 * sheets[1].inkWidth);

    // Forced portrait prints the landscape page upright like the first.
    Preview forced;
    forced.PrintJobTitle(uniqueTitle());
    forced.AddPage();
    forced.Orientation(prORLandscape);
    forced.CurrentFrame("WholePage");
    forced.FillStyle(0);
    forced.FillColor(0);
    forced.DrawLine(1440, 1440, 1440 * 6, 1440 + 720, prLBBoxFill);
    forced.OrientOpt(prOOPortrait);
    forced.PagesOpt(prPORange);
    forced.PageRange("2");
    forced.SetPrinter("KalderPDF");
    forced.EndDocument(prOTPrinter);
    const fs::path upright = waitForJobFile(forced.PrintJobTitle());
    ASSERT_FALSE(upright.empty());
    const auto one = sheetsOf(upright);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_GT(one[0].inkWidth, 4 * one[0].inkHeight);
}

TEST_F(CupsPrint, PaperBinsAreThePrintersInputSlots) {
    const auto bins = paperBins("KalderTrays");
    ASSERT_EQ(bins.size(), 4u);
    EXPECT_EQ(bins[0], (PaperChoice{prBNAuto, "Automatic Selection", "Auto"}));
    EXPECT_EQ(bins[1], (PaperChoice{prBNUpper, "Upper Tray", "Upper"}));
    EXPECT_EQ(bins[2], (PaperChoice{prBNLower, "Lower Tray", "Lower"}));
    EXPECT_EQ(bins[3], (PaperChoice{prBNManual, "Manual Feed", "Manual"}));
    EXPECT_TRUE(paperBins("KalderPDF").empty());

    buildMarkedPages(pv, 1);
    pv.PaperBin(prBNLower);
    const fs::path file = print("kaldertrays");  // found without regard to case
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(jobAttribute(jobIdOf(file), "InputSlot"), "Lower");
}

TEST_F(CupsPrint, PaperSizeOfTheRecord) {
    const auto sizes = paperSizes("KalderPDF");
    EXPECT_TRUE(std::any_of(sizes.begin(), sizes.end(), [](const PaperChoice& c) { return c.code == prPSA4 && c.name == "A4"; }));
    EXPECT_TRUE(std::any_of(sizes.begin(), sizes.end(), [](const PaperChoice& c) { return c.code == prPSLegal; }));
    buildMarkedPages(pv, 1);
    pv.PaperSize(prPSLegal);
    const fs::path file = print();
    ASSERT_FALSE(file.empty());
    EXPECT_NE(runCommand("pdfinfo '" + file.string() + "'").output.find("612 x 1008 pts"), std::string::npos);
}

TEST_F(CupsPrint, ARefusedJobRaisesAndKeepsTheDocument) {
    buildMarkedPages(pv, 2);
    pv.outputSettings().currentPrinter = "KalderPDF";
    pv.SetPrinter("KalderRejects");
    const auto error = errorOf([&] { pv.EndDocument(prOTPrinter); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), 482);
    EXPECT_EQ(error->source(), "Kalder");
    EXPECT_EQ(error->description().rfind("Printer error : ", 0), 0u) << error->description();
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_EQ(completed, 0);
    EXPECT_EQ(pv.outputSettings().currentPrinter, "KalderPDF");  // the chosen printer was put back
}

TEST_F(CupsPrint, UnknownPrinterPrintsOnTheCurrentOne) {
    buildMarkedPages(pv, 1);
    pv.outputSettings().currentPrinter = "KalderPDF";
    const fs::path file = print("No Such Printer");
    ASSERT_FALSE(file.empty());
    EXPECT_NE(runCommand("lpstat -W completed -o KalderPDF").output.find("KalderPDF-" + std::to_string(jobIdOf(file)) + " "),
              std::string::npos);
}

TEST_F(CupsPrint, MetricsOfTheCurrentPrinterAndItsReturnAfterARun) {
    pv.outputSettings().currentPrinter = "KalderPDF";
    EXPECT_EQ(pv.DeviceName(), "KalderPDF");
    EXPECT_EQ(pv.Port(), "cups-pdf:/KalderPDF");
    EXPECT_NE(pv.DriverName().find("CUPS-PDF"), std::string::npos) << pv.DriverName();
    EXPECT_DOUBLE_EQ(pv.TwipsPerPixelX(), 2.4);  // medium quality: 600 dots per inch
    // cups-pdf leaves 10 points unprintable around A4: 200 twips, 202.94 mm printable.
    EXPECT_NEAR(pv.MarginWidth(), 200, 3);
    EXPECT_NEAR(pv.MarginHeight(), 200, 3);
    EXPECT_EQ(pv.PrintWidth(), 11508);
    EXPECT_EQ(pv.PrintHeight(), 16440);

    buildMarkedPages(pv, 1);
    ASSERT_FALSE(print("KalderTrays").empty());
    EXPECT_EQ(pv.outputSettings().currentPrinter, "KalderPDF");
    EXPECT_EQ(pv.DeviceName(), "KalderPDF");
}

TEST_F(CupsPrint, PageImagesClipTextWhereTheCurrentPrinterDoes) {
    // 16,000 twips down: beyond the printable height a printer is assumed to have (15,363),
    // inside the one this printer reports (16,440), so the image shows what the paper gets.
    pv.outputSettings().currentPrinter = "KalderPDF";
    pv.CurrentFrame("WholePage");
    pv.AddTextAt("Near the bottom", 1440, 16000, prALLeft, prASNone);
    const std::string base = (std::filesystem::temp_directory_path() / "kalder-clip-").string();
    pv.ExportBMP(base);
    const QImage image(QString::fromStdString(base + "1.bmp"));
    std::filesystem::remove(base + "1.bmp");
    ASSERT_FALSE(image.isNull());
    bool ink = false;
    for (int y = 16000 / 15; y < 16300 / 15 && !ink; ++y)
        for (int x = 96; x < 400 && !ink; ++x) ink = qGray(image.pixel(x, y)) < 128;
    EXPECT_TRUE(ink);
}

TEST_F(CupsPrint, TheDialogPrintsWhatItsControlsSay) {
    ensureGuiApplication();
    buildMarkedPages(pv, 3);
    pv.SetPrinter("KalderPDF");
    frmPrinterSetup dialog(pv, 1);
    auto* odd = dialog.findChild<QRadioButton*>("optOddEven");
    auto* oddEven = dialog.findChild<QComboBox*>("cbOddEven");
    ASSERT_TRUE(odd && oddEven);
    odd->setChecked(true);
    oddEven->setCurrentIndex(oddEven->findData(prOEOdd));
    ASSERT_EQ(dialog.findChild<QComboBox*>("cbPrinter")->currentText(), "KalderPDF");
    dialog.print();
    EXPECT_EQ(dialog.outcome(), SetupResult::Printed) << dialog.lastError().toStdString();
    EXPECT_EQ(pv.PagesOpt(), prPOOddEven);
    EXPECT_EQ(pv.OddEven(), prOEOdd);
    EXPECT_EQ(completed, 1);
    const fs::path file = waitForJobFile(title);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(markers(sheetsOf(file)), (std::vector<int>{1, 3}));
}

}  // namespace
