#include "print/PrinterGeometry.h"

#include <cmath>
#include <utility>

#include "kalder/Enums.h"

namespace kalder {

namespace {
constexpr double kTwipsPerMillimetre = 56.69291338582678;  // 1440 / 25.4
}  // namespace

PrinterMetrics defaultPrinterMetrics(std::int32_t documentOrientation) {
    PrinterMetrics m;
    if (documentOrientation == prORLandscape) std::swap(m.PrintWidth, m.PrintHeight);
    return m;
}

PrinterMetrics printerMetricsOf(const PrinterGeometry& g, std::int32_t documentOrientation) {
    PrinterMetrics m;
    if (g.dotsPerInchX <= 0 || g.dotsPerInchY <= 0) return defaultPrinterMetrics(documentOrientation);
    m.TwipsPerPixelX = 1440.0 / g.dotsPerInchX;
    m.TwipsPerPixelY = 1440.0 / g.dotsPerInchY;
    m.MarginWidth = static_cast<std::int32_t>(std::nearbyint(g.offsetX * m.TwipsPerPixelX));
    m.MarginHeight = static_cast<std::int32_t>(std::nearbyint(g.offsetY * m.TwipsPerPixelY));
    // Printers report their printable size in whole millimetres.
    const double widthMm = std::nearbyint(g.printableWidthMm);
    const double heightMm = std::nearbyint(g.printableHeightMm);
    m.PrintWidth = static_cast<std::int32_t>(std::floor(widthMm * kTwipsPerMillimetre));
    m.PrintHeight = static_cast<std::int32_t>(std::floor(heightMm * kTwipsPerMillimetre));
    if (!g.landscape && documentOrientation == prORLandscape) std::swap(m.PrintWidth, m.PrintHeight);
    return m;
}

}  // namespace kalder
