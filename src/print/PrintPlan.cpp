#include "print/PrintPlan.h"

#include <algorithm>

#include "kalder/Enums.h"
#include "print/PageRange.h"

namespace kalder {

namespace {

std::vector<std::int32_t> selectedPages(const cPrinterStyle& s, std::int32_t count, std::int32_t& timesEach) {
    std::vector<std::int32_t> pages;
    timesEach = 1;
    switch (s.PagesOpt) {
        case prPOAll:
            if (!s.Collate) timesEach = std::max(1, s.Copies);
            for (std::int32_t p = 1; p <= count; ++p) pages.push_back(p);
            break;
        case prPOCurrent:
            pages.push_back(leadingPageNumber(s.PageRange));
            break;
        case prPORange:
            for (std::int16_t p : parsePageRange(s.PageRange)) pages.push_back(p);
            break;
        case prPOOddEven:
            for (std::int32_t p = 1; p <= count; ++p) {
                if (s.OddEven == prOEOdd && p % 2 == 0) continue;
                if (s.OddEven == prOEEven && p % 2 != 0) continue;
                pages.push_back(p);
            }
            break;
        default:
            break;
    }
    // A page the document does not have is skipped; the rest still print.
    std::erase_if(pages, [count](std::int32_t p) { return p < 1 || p > count; });
    return pages;
}

std::int32_t printerOrientation(std::int32_t orientOpt, std::int32_t pageOrientation) {
    if (orientOpt == prOOPortrait) return prORPortrait;
    if (orientOpt == prOOLandscape) return prORLandscape;
    return pageOrientation;
}

}  // namespace

PrintPlan planPrintRun(const cPrinterStyle& settings, const std::vector<std::int32_t>& pageOrientations) {
    PrintPlan plan;
    const auto count = static_cast<std::int32_t>(pageOrientations.size());
    std::int32_t timesEach = 1;
    const std::vector<std::int32_t> pages = selectedPages(settings, count, timesEach);

    plan.printerCopies = timesEach > 1 ? 1 : std::max(1, settings.Copies);
    plan.printerCollate = settings.Collate;

    std::int32_t previousOrientation = 0;
    for (std::int32_t page : pages) {
        const std::int32_t own = pageOrientations[static_cast<std::size_t>(page - 1)];
        for (std::int32_t time = 0; time < timesEach; ++time) {
            PlannedPage sheet;
            sheet.page = page;
            sheet.orientation = printerOrientation(settings.OrientOpt, own);
            sheet.setOrientation = plan.sheets.empty() || own != previousOrientation;
            sheet.newSheet = !plan.sheets.empty();
            sheet.blankLine = settings.PagesOpt != prPOAll;
            plan.sheets.push_back(sheet);
            previousOrientation = own;
        }
    }
    return plan;
}

}  // namespace kalder
