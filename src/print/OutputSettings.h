// The output and printer settings of a Preview: where EndDocument sends the document and how
// the print run uses the printer. Defaults are those of a new Preview.
#pragma once

#include <cstdint>
#include <string>

#include "core/DrawingLayer.h"

namespace kalder {

struct OutputSettings {
    std::int32_t Output = 0;          // OutputType: prOTDefault
    std::string OutputFile;
    std::int32_t OutputFileType = 255;  // ePreviewExport: every export offered
    bool SetPrintToFile = false;
    std::int32_t PrintQuality = -3;   // PrintQualityType: medium
    std::int32_t ColorMode = 2;       // ColorModeType: colour
    bool AllowPrinterDialog = true;
    bool DirectPrinting = false;
    bool QuitAfterPrint = false;
    std::string PrintJobTitle;
    std::int32_t PDFCompression = 99;

    // Set when a print run or an export of EndDocument has completed; cleared when the
    // printer setup dialog opens.
    bool outputDone = false;

    // The current printer's metrics; the defaults until a printer is read.
    PrinterMetrics printer;
    std::string deviceName;
    std::string driverName;
    std::string port;
};

}  // namespace kalder
