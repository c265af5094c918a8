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
    bool PDFEmbedFonts = false;

    // Set when a print run or an export of EndDocument has completed; cleared when the
    // printer setup dialog opens.
    bool outputDone = false;

    // What the printer setup dialog offers.
    bool ShowPrintToFile = true;
    bool ShowPrintOrientation = true;
    bool ShowPrintOrientationAsPreview = true;
    bool ShowPaperSizeSelection = true;
    bool ShowPrinterSetup = true;
    std::int32_t ShowExportList = 255;  // ePreviewExport bits

    // The printer the print run uses when the document names none: empty means the system's
    // default printer (or the first one when the system names no default).
    std::string currentPrinter;

    // The current printer's metrics; the defaults until a printer is read. Read on first
    // use, as asking the print system can take a moment.
    PrinterMetrics printer;
    std::string deviceName;
    std::string driverName;
    std::string port;
    bool printerRead = false;
};

}  // namespace kalder
