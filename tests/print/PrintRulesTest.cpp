// The rules of printing apart from a printer: the page list people type, the plan of a print
// run (pages, repetitions, printer copies, orientation changes, sheet breaks) and its drawing
// on a recording device, the file kinds print-to-file offers, and the printer metrics from
// what a printer reports.
#include "core/Progress.h"
#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"
#include "print/ExportKinds.h"
#include "print/PageRange.h"
#include "print/PrintDevice.h"
#include "print/PrintPlan.h"
#include "print/PrintRun.h"
#include "print/PrinterGeometry.h"
#include "support/Printing.h"

using namespace kalder;
using namespace kalder::test;

namespace {

TEST(PageRange, ParsesTheListsPeopleType) {
    struct RangeRow { const char* name; std::string text; std::vector<std::int16_t> expected; };
    forEachRow<RangeRow>({
            {"items and a range", "1,3,5-12", {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}},
            {"order is kept", "9,1,4-5", {9, 1, 4, 5}}, {"duplicates are kept", "2,2", {2, 2}},
            {"reversed range adds nothing", "5-3", {}}, {"single-page range", "4-4", {4}},
            {"letters are skipped", "1-3x,7", {1, 2, 3, 7}}, {"blank text", " \t\r\n", {}}, {"empty text", "", {}},
            {"open range ends at 0", "3-", {}}, {"dash without number is skipped", "-5", {5}},
            {"second dash closes the range", "1-3-6", {1, 2, 3, 6}}, {"double dash", "2--4", {4}},
            {"blanks inside a number join digits", "1 2", {12}}, {"trailing comma", "7,", {7}},
            {"empty items", ",,3,,", {3}}, {"zero is kept for the run to skip", "0,1", {0, 1}},
            {"largest 16-bit page", "32767", {32767}}, {"range up to the largest", "32766-32767", {32766, 32767}},
            {"one past 16 bits is dropped", "32768,2", {2}},
            {"range ending past 16 bits is dropped", "32766-40000,1", {1}},
            {"range starting past 16 bits is dropped", "99999-2,3", {3}},
        }, [](const RangeRow& row) { EXPECT_EQ(parsePageRange(row.text), row.expected); });
    struct NumberRow { const char* name; std::string text; int expected; };
    forEachRow<NumberRow>({
            {"plain", "3", 3}, {"blanks first", " \t 12", 12}, {"text after", "7abc", 7}, {"list", "4,5", 4},
            {"empty", "", 0}, {"no number", "x2", 0}, {"negative", "-2", -2}, {"plus sign", "+5", 5},
            {"largest", "2147483647", 2147483647}, {"one past the largest", "2147483648", 0},
        }, [](const NumberRow& row) { EXPECT_EQ(leadingPageNumber(row.text), row.expected); });
}

constexpr int P = prORPortrait;
constexpr int L = prORLandscape;

// Each sheet as its page, the orientation it prints in, then "!" where the orientation is
// set before it, "+" where a new sheet starts and "_" where an empty line is printed.
std::string outline(const PrintPlan& plan) {
    std::string out;
    for (const PlannedPage& s : plan.sheets) {
        if (!out.empty()) out += ' ';
        out += std::to_string(s.page) + (s.orientation == L ? "L" : s.orientation == P ? "P" : "?");
        out += std::string(s.setOrientation ? "!" : "") + (s.newSheet ? "+" : "") + (s.blankLine ? "_" : "");
    }
    return out;
}

cPrinterStyle style(int pagesOpt, int copies = 1, bool collate = true, std::string range = {}, int oddEven = prOEBoth,
                    int orientOpt = prOOAsIs) {
    cPrinterStyle s;
    s.PagesOpt = pagesOpt, s.Copies = copies, s.Collate = collate, s.PageRange = std::move(range);
    s.OddEven = oddEven, s.OrientOpt = orientOpt;
    return s;
}

std::vector<std::int32_t> portrait(int pages) { return std::vector<std::int32_t>(pages, P); }

TEST(PrintPlan, SheetsCopiesAndOrientations) {
    // The orientation of each page, then the sheets.
    struct PlanRow { const char* name; cPrinterStyle settings; std::vector<std::int32_t> pages; const char* sheets;
                     int printerCopies = 1; };
    forEachRow<PlanRow>({
            {"all pages once", style(prPOAll), portrait(3), "1P! 2P+ 3P+"},
            {"two copies collated: the printer copies", style(prPOAll, 2, true), portrait(3), "1P! 2P+ 3P+", 2},
            {"two copies uncollated: each page twice in a row", style(prPOAll, 2, false), portrait(3),
             "1P! 1P+ 2P+ 2P+ 3P+ 3P+"},
            {"uncollated range leaves copies to the printer", style(prPORange, 2, false, "1-2"), portrait(3),
             "1P!_ 2P+_", 2},
            {"uncollated odd pages leave copies to the printer", style(prPOOddEven, 3, false, "", prOEOdd),
             portrait(3), "1P!_ 3P+_", 3},
            {"zero copies print once", style(prPOAll, 0, false), portrait(2), "1P! 2P+"},
            {"current page", style(prPOCurrent, 1, true, "2"), portrait(3), "2P!_"},
            {"current page, the last", style(prPOCurrent, 1, true, "3"), portrait(3), "3P!_"},
            {"current page one past the document", style(prPOCurrent, 1, true, "4"), portrait(3), ""},
            {"current page without a number", style(prPOCurrent, 1, true, ""), portrait(3), ""},
            {"range in its order with duplicates", style(prPORange, 1, true, "3,1,1"), portrait(3), "3P!_ 1P+_ 1P+_"},
            {"range skips pages beyond the document", style(prPORange, 1, true, "0,2,4-6,3"), portrait(4),
             "2P!_ 4P+_ 3P+_"},
            {"even pages of five", style(prPOOddEven, 1, true, "", prOEEven), portrait(5), "2P!_ 4P+_"},
            {"odd pages of five", style(prPOOddEven, 1, true, "", prOEOdd), portrait(5), "1P!_ 3P+_ 5P+_"},
            {"both of odd and even", style(prPOOddEven, 1, true, "", prOEBoth), portrait(3), "1P!_ 2P+_ 3P+_"},
            {"unknown page option plans nothing", style(7), portrait(3), ""},
            {"empty document", style(prPOAll), {}, ""},
            {"as is follows the pages", style(prPOAll), {P, L, L, P}, "1P! 2L!+ 3L+ 4P!+"},
            {"portrait forces portrait, set where the pages change",
             style(prPOAll, 1, true, "", prOEBoth, prOOPortrait), {P, L, P}, "1P! 2P!+ 3P!+"},
            {"landscape forces landscape", style(prPOAll, 1, true, "", prOEBoth, prOOLandscape), {P, P}, "1L! 2L+"},
            {"repeated pages keep their orientation", style(prPOAll, 2, false), {L, P}, "1L! 1L+ 2P!+ 2P+"},
            // Pages 1 and 3 are landscape, page 2 portrait: printing 1 then 3 needs no change.
            {"orientation compares with the previous sheet", style(prPORange, 1, true, "1,3"), {L, P, L},
             "1L!_ 3L+_"},
        }, [](const PlanRow& row) {
            const PrintPlan plan = planPrintRun(row.settings, row.pages);
            EXPECT_EQ(outline(plan) + " / " + joined(plan.printerCopies, plan.printerCollate),
                      row.sheets + (" / " + joined(row.printerCopies, row.settings.Collate)));
        });
}

// A print device that records sheets and orientation changes into the same stream as the
// drawing calls, and can fail at a given sheet.
class RecordingPrintDevice final : public PrintDevice {
public:
    RecordingDrawTarget target;
    int failAtSheet = 0, sheets = 0;
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

    // The sheets as the texts printed on each ("" for an empty line), the orientation changes
    // between them, then how the job ended.
    std::string outline() const {
        std::string out;
        for (const std::string& c : target.calls) {
            if (c == "Sheet" || c.rfind("Orientation", 0) == 0) out += (out.empty() ? "" : " | ") + c;
            else if (c.rfind("Print ", 0) == 0) out += " '" + c.substr(6) + "'";
        }
        return out + (finished ? " | finished" : "") + (aborted ? " | aborted" : "");
    }
};

TEST(PrintRun, DrawsThePlannedSheetsInOrder) {
    // Page n, in its orientation, prints "page n".
    struct RunRow { const char* name; cPrinterStyle settings; std::vector<std::int32_t> pages; int failAtSheet;
                    const char* outline; int cancelAfter = 0; };
    forEachRow<RunRow>({
            {"uncollated copies, orientation set where it changes", style(prPOAll, 2, false), {P, L, P}, 0,
             "Orientation 1 | Sheet 'page 1' | Sheet 'page 1' | Orientation 2 | Sheet 'page 2' | Sheet 'page 2' | "
             "Orientation 1 | Sheet 'page 3' | Sheet 'page 3' | finished"},
            // The empty line makes an empty page still feed a sheet.
            {"a selection prints an empty line on each sheet", style(prPORange, 1, true, "2,1"), {P, P}, 0,
             "Orientation 1 | Sheet 'page 2' '' | Sheet 'page 1' '' | finished"},
            {"a failing printer abandons the job", style(prPOAll), {P, P, P}, 2,
             "Orientation 1 | Sheet 'page 1' | aborted"},
            {"a cancel request abandons the job", style(prPOAll), {P, P, P}, 0,
             "Orientation 1 | Sheet 'page 1' | Sheet 'page 2' | aborted", 2},
        }, [](const RunRow& row) {
            const ProgressScope progress([&](std::int32_t done, std::int32_t, bool& cancel) {
                cancel = done == row.cancelAfter;
            }, "PrintDoc");
            Preview pv;
            for (std::size_t n = 1; n <= row.pages.size(); ++n) {
                if (n > 1) pv.AddPage();
                pv.Orientation(row.pages[n - 1]), pv.AddTextAt("page " + std::to_string(n), 1440, 1440);
            }
            RecordingPrintDevice device;
            device.failAtSheet = row.failAtSheet;
            PrinterMetrics metrics;
            const PrintPlan plan = planPrintRun(row.settings, row.pages);
            const auto error = errorOf([&] { executePrintPlan(plan, pv.document(), device, metrics); });
            EXPECT_EQ(device.outline(), row.outline);
            if (row.failAtSheet) EXPECT_THAT(error, IsError(482, "Kalder", "Printer error"));
            if (row.cancelAfter) EXPECT_THAT(error, IsError(18, "PrintDoc", "User interrupt occurred"));
            // Printer mode with the device's margins: the text one inch in from the inside
            // frame (at 0 on a page without margins) is at 1440 less the margin.
            EXPECT_EQ(metrics, (PrinterMetrics{2.4, 2.4, 120, 60, 11338, 16440}));
            EXPECT_EQ(device.target.callsStartingWith("CurrentX").at(0), "CurrentX 1320");
        });
}

std::string entries(int mask) {
    std::string out;
    for (const ExportKind& k : offeredExports(mask))
        out += std::string(out.empty() ? "" : ", ") + k.entry + " " + std::to_string(k.itemData) + " " + k.extension;
    return out;
}

TEST(ExportKinds, OfferedKindsAndFileNames) {
    struct ListRow { const char* name; int mask; std::string entries; };  // each entry, item data, extension
    forEachRow<ListRow>({
            {"all", 255,
             "Structured file@49 0 .xml, RTF file@73 1 .rtf, PDF file 31 .pdf, JPeg 127 .jpg, Bitmap@71 63 .bmp"},
            {"HTML and text are never offered", prELHTML + prELText, ""}, {"none", 0, ""},
            {"JPEG before bitmap", prELBitmap + prELJPEG, "JPeg 127 .jpg, Bitmap@71 63 .bmp"},
        }, [](const ListRow& row) { EXPECT_EQ(entries(row.mask), row.entries); });
    EXPECT_EQ(exportFilter(offeredExports(prELPDF + prELStructured)),
              "Structured file (*.xml);;PDF file (*.pdf);;All files (*.*)");
    EXPECT_EQ(exportFilter({}), "All files (*.*)");
    // The default extension only when the name has none.
    struct NameRow { const char* name; std::string file; int itemData; std::string expected; };
    forEachRow<NameRow>({
            {"pdf appended", "/tmp/report", 31, "/tmp/report.pdf"}, {"xml appended", "out", 0, "out.xml"},
            {"html", "page", 3, "page.htm"}, {"text", "page", 15, "page.txt"}, {"bitmap", "img", 63, "img.bmp"},
            {"jpeg", "img", 127, "img.jpg"}, {"rtf", "doc", 1, "doc.rtf"},
            {"a dot keeps the name", "report.txt", 31, "report.txt"},
            {"a dotted folder does not count", "/home/a.b/report", 31, "/home/a.b/report.pdf"},
            {"blank stays blank", "  ", 31, "  "}, {"unknown kind adds nothing", "x", 5, "x"},
        }, [](const NameRow& row) { EXPECT_EQ(withDefaultExtension(row.file, row.itemData), row.expected); });
    const auto all = offeredExports(255);
    // The last three are not offered, not among the kinds given, and a dot in a folder name.
    EXPECT_EQ(joined(itemDataOfFile("/x/y.PDF", all), itemDataOfFile("a.jpeg", all), itemDataOfFile("a.xml", all),
                           itemDataOfFile("a.htm", all), itemDataOfFile("a.pdf", offeredExports(prELRTF)),
                           itemDataOfFile("/x.pdf/name", all)),
              "31|127|0|-1|-1|-1|");
    EXPECT_EQ(joined(outputTypeOf(31), outputTypeOf(3), outputTypeOf(2)), joined(prOTPDFFile, prOTHTMLFile, 0));
}

TEST(PrinterGeometry, MetricsFromThePrinter) {
    struct MetricsRow { const char* name; PrinterGeometry geometry; int documentOrientation; PrinterMetrics expected; };
    // A4 at 600 dpi with 1/6 inch (100 pixels) unprintable at left and top, 203 x 271 mm printable.
    const PrinterGeometry a4{600, 600, 100, 100, 202.94, 270.6, false};
    const PrinterGeometry a4Landscape{600, 600, 100, 100, 270.6, 202.94, true};
    forEachRow<MetricsRow>({
            {"portrait printer, portrait document", a4, prORPortrait, {2.4, 2.4, 240, 240, 11508, 15363}},
            {"portrait printer, landscape document swaps", a4, prORLandscape, {2.4, 2.4, 240, 240, 15363, 11508}},
            {"landscape printer does not swap", a4Landscape, prORLandscape, {2.4, 2.4, 240, 240, 15363, 11508}},
            {"1200 by 600 dpi", PrinterGeometry{1200, 600, 167, 50, 100.4, 50.6, false}, prORPortrait,
             {1.2, 2.4, 200, 120, 5669, 2891}},
            {"no resolution gives the defaults", PrinterGeometry{0, 0, 1, 1, 1, 1, false}, prORPortrait,
             {2.4, 2.4, 360, 240, 11508, 15363}},
        }, [](const MetricsRow& row) {
            EXPECT_EQ(printerMetricsOf(row.geometry, row.documentOrientation), row.expected);
        });
}

}  // namespace
