// Printer metrics from what a printer reports, and the values without a printer.
#include <gtest/gtest.h>

#include "kalder/Enums.h"
#include "print/PrinterGeometry.h"
#include "support/TableTest.h"

using namespace kalder;

namespace {

struct MetricsRow {
    const char* name;
    PrinterGeometry geometry;
    int documentOrientation;
    PrinterMetrics expected;
};

PrinterMetrics metrics(double tppX, double tppY, int mw, int mh, int pw, int ph) {
    return PrinterMetrics{tppX, tppY, mw, mh, pw, ph};
}

TEST(PrinterGeometry, MetricsFromThePrinter) {
    // A4 at 600 dpi with 1/6 inch (100 pixels) unprintable at left and top, 203 x 271 mm printable.
    const PrinterGeometry a4{600, 600, 100, 100, 202.94, 270.6, false};
    PrinterGeometry a4Landscape = a4;
    a4Landscape.landscape = true;
    a4Landscape.printableWidthMm = 270.6;
    a4Landscape.printableHeightMm = 202.94;
    test::forEachRow<MetricsRow>(
        {
            {"portrait printer, portrait document", a4, prORPortrait, metrics(2.4, 2.4, 240, 240, 11508, 15363)},
            {"portrait printer, landscape document swaps", a4, prORLandscape, metrics(2.4, 2.4, 240, 240, 15363, 11508)},
            {"landscape printer does not swap", a4Landscape, prORLandscape, metrics(2.4, 2.4, 240, 240, 15363, 11508)},
            {"1200 by 600 dpi", PrinterGeometry{1200, 600, 167, 50, 100.4, 50.6, false}, prORPortrait,
             metrics(1.2, 2.4, 200, 120, 5669, 2891)},
            {"no resolution gives the defaults", PrinterGeometry{0, 0, 1, 1, 1, 1, false}, prORPortrait,
             metrics(2.4, 2.4, 360, 240, 11508, 15363)},
        },
        [](const MetricsRow& row) {
            const PrinterMetrics m = printerMetricsOf(row.geometry, row.documentOrientation);
            EXPECT_DOUBLE_EQ(m.TwipsPerPixelX, row.expected.TwipsPerPixelX);
            EXPECT_DOUBLE_EQ(m.TwipsPerPixelY, row.expected.TwipsPerPixelY);
            EXPECT_EQ(m.MarginWidth, row.expected.MarginWidth);
            EXPECT_EQ(m.MarginHeight, row.expected.MarginHeight);
            EXPECT_EQ(m.PrintWidth, row.expected.PrintWidth);
            EXPECT_EQ(m.PrintHeight, row.expected.PrintHeight);
        });
}

TEST(PrinterGeometry, DefaultsWithoutAPrinter) {
    const PrinterMetrics portrait = defaultPrinterMetrics(prORPortrait);
    EXPECT_DOUBLE_EQ(portrait.TwipsPerPixelX, 2.4);
    EXPECT_EQ(portrait.MarginWidth, 360);
    EXPECT_EQ(portrait.MarginHeight, 240);
    EXPECT_EQ(portrait.PrintWidth, 11508);
    EXPECT_EQ(portrait.PrintHeight, 15363);
    const PrinterMetrics landscape = defaultPrinterMetrics(prORLandscape);
    EXPECT_EQ(landscape.PrintWidth, 15363);
    EXPECT_EQ(landscape.PrintHeight, 11508);
}

}  // namespace
