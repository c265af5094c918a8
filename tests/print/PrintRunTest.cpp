// Driving a planned run on a device: which page lands on which sheet, orientation calls,
// margins taken from the device, and a device that fails half-way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "print/PrintRun.h"
#include "support/ErrorMatchers.h"

using namespace kalder;
using kalder::test::errorOf;
using kalder::test::IsError;

namespace {

// Records sheets and orientation changes into the same stream as the drawing calls.
class FakeDevice final : public PrintDevice {
public:
    RecordingDrawTarget target;
    int failAtSheet = 0;
    int sheets = 0;
    bool finished = false;
    bool aborted = false;
    bool landscape = false;

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

    // The sheets as the texts printed on each, with the orientation changes between them.
    std::vector<std::string> outline() const {
        std::vector<std::string> out;
        for (const std::string& c : target.calls) {
            if (c == "Sheet" || c.rfind("Orientation", 0) == 0) out.push_back(c);
            else if (c.rfind("Print page", 0) == 0) out.back() += " " + c.substr(6);
        }
        return out;
    }
};

// A document whose page n prints "page n" one inch from the top left of its inside frame.
void buildPages(Preview& pv, int count, const std::vector<int>& landscapePages = {}) {
    for (int n = 1; n <= count; ++n) {
        if (n > 1) pv.AddPage();
        for (int l : landscapePages)
            if (l == n) pv.Orientation(prORLandscape);
        pv.AddTextAt("page " + std::to_string(n), 1440, 1440);
    }
}

TEST(PrintRun, DrawsThePlannedSheetsInOrder) {
    Preview pv;
    buildPages(pv, 3, {2});
    cPrinterStyle s;
    s.Copies = 2;
    s.Collate = false;
    const PrintPlan plan = planPrintRun(s, {prORPortrait, prORLandscape, prORPortrait});
    FakeDevice device;
    PrinterMetrics metrics;
    executePrintPlan(plan, pv.document(), device, metrics);
    EXPECT_TRUE(device.finished);
    EXPECT_FALSE(device.aborted);
    EXPECT_EQ(device.outline(), (std::vector<std::string>{"Orientation 1", "Sheet page 1", "Sheet page 1",
                                                          "Orientation 2", "Sheet page 2", "Sheet page 2",
                                                          "Orientation 1", "Sheet page 3", "Sheet page 3"}));
}

TEST(PrintRun, DrawsInPrinterModeWithTheDevicesMargins) {
    Preview pv;
    buildPages(pv, 1);
    const PrintPlan plan = planPrintRun(cPrinterStyle{}, {prORPortrait});
    FakeDevice device;
    PrinterMetrics metrics;
    executePrintPlan(plan, pv.document(), device, metrics);
    EXPECT_DOUBLE_EQ(metrics.TwipsPerPixelX, 2.4);
    EXPECT_EQ(metrics.MarginWidth, 120);
    EXPECT_EQ(metrics.MarginHeight, 60);
    // The text one inch in from the inside frame: the frame's left plus 1440, less the margin.
    const auto x = device.target.callsStartingWith("CurrentX");
    ASSERT_FALSE(x.empty());
    const int frameLeft = pv.document().pages().Item(1)->PageInsideLeft;
    EXPECT_EQ(x.front(), "CurrentX " + std::to_string(frameLeft + 1440 - 120));
}

TEST(PrintRun, SelectionsPrintAnEmptyLineOnEachSheet) {
    Preview pv;
    pv.AddPage();  // two empty pages
    cPrinterStyle s;
    s.PagesOpt = prPORange;
    s.PageRange = "2,1";
    FakeDevice device;
    PrinterMetrics metrics;
    executePrintPlan(planPrintRun(s, {prORPortrait, prORPortrait}), pv.document(), device, metrics);
    EXPECT_EQ(device.target.callsStartingWith("Print").size(), 2u);
    EXPECT_EQ(device.sheets, 2);
}

TEST(PrintRun, AFailingPrinterAbandonsTheJob) {
    Preview pv;
    buildPages(pv, 3);
    FakeDevice device;
    device.failAtSheet = 2;
    PrinterMetrics metrics;
    const PrintPlan plan = planPrintRun(cPrinterStyle{}, {prORPortrait, prORPortrait, prORPortrait});
    EXPECT_THAT(errorOf([&] { executePrintPlan(plan, pv.document(), device, metrics); }),
                IsError(482, "Kalder", "Printer error"));
    EXPECT_TRUE(device.aborted);
    EXPECT_FALSE(device.finished);
    EXPECT_EQ(device.outline(), (std::vector<std::string>{"Orientation 1", "Sheet page 1"}));
}

}  // namespace
