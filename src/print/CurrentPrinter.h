// The current printer of a Preview and the metrics read from it. The current printer is the
// one the print run uses when the document names none; it starts as the system's default.
#pragma once

#include <cstdint>
#include <string>

namespace kalder {

class cDocument;
struct OutputSettings;

// The orientation (eOrientation) of the document's current page, else of the document.
std::int32_t documentOrientation(const cDocument& doc);

// The name of the current printer; "" when the system has none.
std::string currentPrinterName(const OutputSettings& settings);

// Reads TwipsPerPixel, margins and printable size, and the device, driver and port names
// from the current printer at the set print quality; without a printer the defaults stay.
void refreshPrinterMetrics(OutputSettings& settings, const cDocument& doc);

// refreshPrinterMetrics once, on first use.
void ensurePrinterRead(OutputSettings& settings, const cDocument& doc);

}  // namespace kalder
