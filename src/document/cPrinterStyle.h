// Printer settings of a document (and of a page, for paper size and bin).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "kalder/cLineStyle.h"

namespace kalder {

struct cPrinterStyle {
    std::int32_t Copies = 1;
    std::int32_t PaperBin = 7;   // ePaperBin: automatic
    std::int32_t PaperSize = 9;  // ePaperSize: A4
    bool ShowPageBorder = false;
    std::optional<cLineStyle> PageBorder;
    bool ShowCropMarks = false;
    bool Signature = false;
    std::int32_t PagesOpt = 1;   // ePagesOpt: all pages
    std::int32_t OddEven = 3;    // eOddEven: both
    std::int32_t OrientOpt = 3;  // eOrientOpt: as is
    std::string PageRange;       // page list for a range, page number for the current page
    std::string PrinterName;     // empty: the current printer
    bool Collate = true;
};

}  // namespace kalder
