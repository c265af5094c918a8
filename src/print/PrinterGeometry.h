// The printer metrics the drawing layer and callers read (twips per pixel, unprintable
// margin, printable size), computed from what a printer reports. Pure, so the rules are
// tested without a printer.
#pragma once

#include <cstdint>

#include "core/DrawingLayer.h"

namespace kalder {

// What a printer reports for its current paper and orientation.
struct PrinterGeometry {
    double dotsPerInchX = 600;
    double dotsPerInchY = 600;
    double offsetX = 0;            // device pixels from the sheet's left edge to the printable area
    double offsetY = 0;            // device pixels from the sheet's top edge to the printable area
    double printableWidthMm = 0;
    double printableHeightMm = 0;
    bool landscape = false;
};

// The metrics without a printer: 2.4 twips per pixel, margins 360 x 240, printable 11508 x
// 15363 twips, width and height exchanged when the document is landscape.
PrinterMetrics defaultPrinterMetrics(std::int32_t documentOrientation);

// Twips per pixel = 1440 / dots per inch; margins = offset x twips per pixel; printable size
// = whole millimetres x 1440 / 25.4, cut to whole twips. Width and height are exchanged when
// the printer is not landscape but the document is.
PrinterMetrics printerMetricsOf(const PrinterGeometry& geometry, std::int32_t documentOrientation);

}  // namespace kalder
