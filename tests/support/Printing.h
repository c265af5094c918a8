// Helpers of the print tests: a temporary folder, running a command, page counts by pdfinfo,
// and the CUPS test printers of scripts/cups.sh, whose cups-pdf queues turn each job into a
// PDF file that pdfinfo and pdftoppm read back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/RecordingDrawTarget.h"
#include "kalder/Preview.h"
#include "print/PrintDevice.h"

namespace kalder::test {

struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("kalder-print-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a shell command, standard error joined to standard output.
inline CommandResult runCommand(const std::string& command) {
    CommandResult r;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return r;
    std::array<char, 512> buf{};
    while (fgets(buf.data(), buf.size(), pipe)) r.output += buf.data();
    r.status = pclose(pipe);
    return r;
}

// What pdfinfo says of a PDF file ("" when it cannot read one).
inline std::string pdfInfo(const std::filesystem::path& file) {
    const CommandResult r = runCommand("pdfinfo '" + file.string() + "'");
    return r.status == 0 ? r.output : std::string();
}

// The page count pdfinfo reads from a PDF file; -1 when it cannot read one.
inline int pdfPageCount(const std::filesystem::path& file) {
    const std::string info = pdfInfo(file);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The values written one after another, each followed by "|", to compare many at once.
template <class... T>
std::string joined(const T&... values) {
    std::ostringstream out;
    ((out << values << '|'), ...);
    return out.str();
}

// A Preview that counts the events it raises.
struct CountedPreview {
    Preview pv;
    int complete = 0, cancel = 0, custom = 0;
    CountedPreview() {
        pv.onPrintComplete = [this] { ++complete; };
        pv.onPrintCancel = [this] { ++cancel; };
        pv.onCustomButtonClick = [this] { ++custom; };
    }
};

// A print device that records sheets and orientation changes into the same stream as the
// drawing calls, and can fail at a given sheet.
class RecordingPrintDevice final : public PrintDevice {
public:
    RecordingDrawTarget target;
    int failAtSheet = 0;
    int sheets = 0;
    bool finished = false, aborted = false, landscape = false;

    void setOrientation(std::int32_t o) override {
        landscape = o == prORLandscape;
        target.calls.push_back("Orientation " + std::to_string(o));
    }
    DrawTarget& startSheet() override {
        if (++sheets == failAtSheet) throw AutomationError(482, "Kalder", "Printer error");
        target.calls.push_back("Sheet");
        return target;
    }
    PrinterGeometry geometry() const override {
        // 600 dpi, 50 pixels (120 twips) unprintable at the left and 25 (60 twips) at the top.
        return PrinterGeometry{600, 600, 50, 25, landscape ? 290.0 : 200.0, landscape ? 200.0 : 290.0, landscape};
    }
    void finish() override { finished = true; }
    void abort() noexcept override { aborted = true; }

    // The sheets as the texts printed on each ("" for an empty line), with the orientation
    // changes between them.
    std::string outline() const {
        std::string out;
        for (const std::string& c : target.calls) {
            if (c == "Sheet" || c.rfind("Orientation", 0) == 0) out += (out.empty() ? "" : " | ") + c;
            else if (c.rfind("Print ", 0) == 0) out += " '" + c.substr(6) + "'";
        }
        return out;
    }
};

// ---- The CUPS test printers --------------------------------------------------------------

// Starts the queues through scripts/cups.sh (found upwards from the working folder or the
// test program) unless they are up; false when there is no CUPS to be had.
inline bool cupsReady() {
    namespace fs = std::filesystem;
    static const bool ready = [] {
        auto queuesUp = [] {
            return runCommand("lpstat -p KalderPDF && lpstat -p KalderTrays && lpstat -p KalderRejects").status == 0;
        };
        if (queuesUp()) return true;
        std::error_code ec;
        for (fs::path start : {fs::current_path(ec), fs::read_symlink("/proc/self/exe", ec).parent_path()})
            for (fs::path dir = start; !dir.empty() && dir != dir.root_path(); dir = dir.parent_path())
                if (fs::exists(dir / "scripts" / "cups.sh")) {
                    runCommand("'" + (dir / "scripts" / "cups.sh").string() + "'");
                    return queuesUp();
                }
        return false;
    }();
    return ready;
}

// Where the queues write (see scripts/cups.sh).
inline std::filesystem::path cupsOutputFolder() {
    const char* dir = std::getenv("KALDER_CUPS_PDF_DIR");
    return dir && *dir ? std::filesystem::path(dir) : std::filesystem::path("/var/spool/cups-pdf/Kalder");
}

// A job title no other job uses, so its file is found even when tests print at once.
inline std::string uniqueJobTitle() {
    static int n = 0;
    return "KT" + std::to_string(::getpid()) + "x" + std::to_string(++n);
}

// Removes the files the jobs of this process left behind.
inline void removeJobFiles() {
    const std::string mine = "KT" + std::to_string(::getpid()) + "x";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(cupsOutputFolder(), ec))
        if (entry.path().filename().string().rfind(mine, 0) == 0) std::filesystem::remove(entry.path(), ec);
}

// The PDF cups-pdf wrote for the job with `title`, once complete; empty after 60 seconds.
inline std::filesystem::path waitForJobFile(const std::string& title) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(cupsOutputFolder(), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(title, 0) == 0 && !std::isalnum(static_cast<unsigned char>(name[title.size()])) &&
                pdfPageCount(entry.path()) > 0)
                return entry.path();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
}

// The CUPS job number cups-pdf wrote into the file name ("...-job_12.pdf").
inline int jobIdOf(const std::filesystem::path& file) {
    std::smatch m;
    const std::string name = file.filename().string();
    return std::regex_search(name, m, std::regex("job_([0-9]+)")) ? std::stoi(m[1]) : 0;
}

// One attribute of a CUPS job as ipptool prints it ("copies (integer) = 2" gives "2"); "" when
// the job has none.
inline std::string jobAttribute(int jobId, const std::string& attribute) {
    const auto r = runCommand("ipptool -tv ipp://localhost/jobs/" + std::to_string(jobId) + " get-job-attributes.test");
    std::smatch m;
    if (std::regex_search(r.output, m, std::regex("\\n\\s*" + attribute + " \\([^)]*\\) = ([^\\n]*)"))) return m[1];
    return {};
}

// Prints `pv` on `printer` under a job title of its own and returns the file of the job.
inline std::filesystem::path printJob(Preview& pv, const std::string& printer = "KalderPDF") {
    const std::string title = uniqueJobTitle();
    pv.PrintJobTitle(title);
    pv.SetPrinter(printer);
    pv.EndDocument(prOTPrinter);
    std::filesystem::path file = waitForJobFile(title);
    EXPECT_FALSE(file.empty()) << "no PDF for job " << title << " in " << cupsOutputFolder();
    return file;
}

// Tests that print on the test printers; skipped where no CUPS server can be started.
class CupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cupsReady()) GTEST_SKIP() << "no CUPS server could be started (scripts/cups.sh)";
    }
    void TearDown() override { removeJobFiles(); }
};

// ---- Reading sheets back -----------------------------------------------------------------

constexpr int kSheetDotsPerInch = 20;  // the resolution sheets are read back at

struct Sheet {
    int marker = 0;  // the page number the square of buildMarkedPages says
    int inkWidth = 0;  // extent of everything dark
    int inkHeight = 0;
};

// Every sheet of a PDF as pdftoppm renders it in grey.
inline std::vector<Sheet> sheetsOf(const std::filesystem::path& pdf) {
    namespace fs = std::filesystem;
    TempFolder dir;
    runCommand("pdftoppm -gray -r " + std::to_string(kSheetDotsPerInch) + " '" + pdf.string() + "' '" +
               (dir.path / "s").string() + "'");
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir.path)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<Sheet> sheets;
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::string magic;
        int width = 0, height = 0, maxValue = 0;
        in >> magic >> width >> height >> maxValue;
        in.get();
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height));
        in.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
        int minX = width, maxX = -1, minY = height, maxY = -1;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (pixels[static_cast<std::size_t>(y * width + x)] < 128)
                    minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        Sheet s;
        if (maxX >= 0) {
            s.marker = static_cast<int>(std::lround((minX - kSheetDotsPerInch) / (kSheetDotsPerInch / 2.0))) + 1;
            s.inkWidth = maxX - minX + 1;
            s.inkHeight = maxY - minY + 1;
        }
        sheets.push_back(s);
    }
    return sheets;
}

inline std::vector<int> markers(const std::vector<Sheet>& sheets) {
    std::vector<int> out;
    for (const Sheet& s : sheets) out.push_back(s.marker);
    return out;
}

// Page n: a black 0.4-inch square, 1 inch from the top, 1 + (n - 1) / 2 inches from the left
// edge of the sheet, so the order of the sheets can be read from the pixels.
inline void buildMarkedPages(Preview& pv, int count) {
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

}  // namespace kalder::test
