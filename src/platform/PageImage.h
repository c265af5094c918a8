// A page drawn into an image: the surface of the page images (bitmap and JPEG export, the
// `kalder render` command) and of the preview window's page picture.
#pragma once

#include <QImage>
#include <string>

#include "core/DrawingLayer.h"

namespace kalder {

class cDocument;
class cPage;
class Preview;

struct PageImageOptions {
    double zoom = 1.0;          // 1.0 = 100 %
    double dotsPerInch = 96.0;  // resolution of the image at 100 %
    std::string highlightKey;   // element key of the last find match, drawn in red
    // The printer the page is previewed for: text is drawn where this printer prints it
    // (its printable extent), and a page that shows its printable area shows this one's.
    PrinterMetrics printer;
    // Only these image rows [rowsFrom, rowsTo) are filled and drawn when rowsTo > rowsFrom;
    // the other rows of a recycled image keep their pixels. Drawing a page in bands gives
    // the same pixels as drawing it whole.
    int rowsFrom = 0;
    int rowsTo = 0;
};

// The metrics of the Preview's current printer (read from it on first use).
PrinterMetrics currentPrinterMetrics(const Preview& pv);

// The size of the page's image at these options, in pixels.
QSize pageImageSize(const cPage& page, const PageImageOptions& options);

// The page at the zoom: (page width x zoom / twips-per-pixel) pixels wide, white, with every
// frame and element drawn through the drawing layer in screen mode.
QImage renderPageImage(const cDocument& doc, const cPage& page, const PageImageOptions& options = {});
// The same, drawn into `recycled` when it is not shared and has the page's size and format:
// a cache that drops one page for another reuses its memory rather than asking the system
// for fresh pages.
QImage renderPageImage(const cDocument& doc, const cPage& page, const PageImageOptions& options,
                       QImage&& recycled);

}  // namespace kalder
