// Planning of a print run: which pages go to the printer, in which order, how many times,
// in which orientation, and how many copies the printer itself makes. Pure: it needs the
// printer settings and the orientation of each page, no printer.
#pragma once

#include <cstdint>
#include <vector>

#include "document/cPrinterStyle.h"

namespace kalder {

struct PlannedPage {
    std::int32_t page = 0;            // 1-based page number in the document
    std::int32_t orientation = 1;     // eOrientation the printer prints this sheet in
    bool setOrientation = false;      // the printer's orientation is set before this sheet
    bool newSheet = false;            // a new printer page is started before this sheet
    bool blankLine = false;           // an empty line is printed, so an empty page still feeds a sheet

    friend bool operator==(const PlannedPage&, const PlannedPage&) = default;
};

struct PrintPlan {
    std::int32_t printerCopies = 1;  // the copy count handed to the printer
    bool printerCollate = true;
    std::vector<PlannedPage> sheets;
};

// pageOrientations holds the style orientation (eOrientation) of pages 1..n in order.
//
// Copies: collated, or not collated with another page option than prPOAll, leave the copies
// to the printer; not collated with prPOAll sends each page Copies times in a row (1,1,2,2,..)
// with printer copies 1. Pages: prPOAll every page; prPOCurrent the page leadingPageNumber(
// PageRange); prPORange the parsed page list in its order, duplicates kept; prPOOddEven the
// pages passing OddEven (prOEBoth or any other value passes all). Pages outside the document
// are skipped, and an unknown PagesOpt plans nothing.
// Orientation: set before the first sheet and before each sheet whose page's own orientation
// differs from the previous sheet's page: prOOPortrait gives 1, prOOLandscape 2, prOOAsIs the
// page's own.
PrintPlan planPrintRun(const cPrinterStyle& settings, const std::vector<std::int32_t>& pageOrientations);

}  // namespace kalder
