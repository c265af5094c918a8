// What the preview window's print buttons do. The print run and the printer setup dialog sit
// beside the viewer, not below it, so the window receives these from the level that routes
// EndDocument (windowPrintingOf, defined there) and knows nothing else of printing.
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace kalder {

class Preview;

struct WindowPrinting {
    // The printer setup dialog over `parent`, then the print or the export the user chose;
    // true when it completed, false when cancelled. "Current page" prints `currentPage`.
    std::function<bool(QWidget* parent, std::int32_t currentPage)> withDialog;
    // Prints the document at once.
    std::function<void()> direct;
};

WindowPrinting windowPrintingOf(Preview& pv);

}  // namespace kalder
