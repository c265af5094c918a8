#include "platform/PageImage.h"

#include <climits>
#include <QPainter>
#include <cmath>

#include "core/DrawingLayer.h"
#include "core/QtRuntime.h"
#include "document/RenderContext.h"
#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/QtDrawTarget.h"

namespace kalder {

PrinterMetrics currentPrinterMetrics(const Preview& pv) {
    PrinterMetrics m;
    m.TwipsPerPixelX = pv.TwipsPerPixelX();
    m.TwipsPerPixelY = pv.TwipsPerPixelY();
    m.MarginWidth = pv.MarginWidth();
    m.MarginHeight = pv.MarginHeight();
    m.PrintWidth = pv.PrintWidth();
    m.PrintHeight = pv.PrintHeight();
    return m;
}

QSize pageImageSize(const cPage& page, const PageImageOptions& options) {
    const double zoom = options.zoom > 0 ? options.zoom : 1.0;
    const double dpi = options.dotsPerInch > 0 ? options.dotsPerInch : 96.0;
    const double tpp = 1440.0 / dpi;
    // Saturated, not wrapped: a page far beyond any image stays far beyond the limit callers
    // check, instead of becoming a small or negative size.
    auto pixels = [&](double twips) {
        return static_cast<int>(std::clamp(std::round(twips * zoom / tpp), 1.0, static_cast<double>(INT_MAX)));
    };
    return QSize(pixels(page.PageWidth()), pixels(page.PageHeight()));
}

QImage renderPageImage(const cDocument& doc, const cPage& page, const PageImageOptions& options) {
    return renderPageImage(doc, page, options, QImage());
}

QImage renderPageImage(const cDocument& doc, const cPage& page, const PageImageOptions& options,
                       QImage&& recycled) {
    ensureGuiApplication();
    const double zoom = options.zoom > 0 ? options.zoom : 1.0;
    const double dpi = options.dotsPerInch > 0 ? options.dotsPerInch : 96.0;
    const double tpp = 1440.0 / dpi;
    const QSize size = pageImageSize(page, options);
    const int w = size.width();
    const int h = size.height();
    QImage image = std::move(recycled);
    if (image.size() != QSize(w, h) || image.format() != QImage::Format_RGB32) image = QImage(w, h, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    const bool band = options.rowsTo > options.rowsFrom && (options.rowsFrom > 0 || options.rowsTo < h);
    if (!band) image.fill(Qt::white);
    QPainter painter(&image);
    if (band) {
        const QRect rows(0, std::max(0, options.rowsFrom), w, std::min(h, options.rowsTo) - std::max(0, options.rowsFrom));
        painter.fillRect(rows, Qt::white);
        painter.setClipRect(rows);
    }
    QtDrawTarget target(painter, tpp, tpp);
    DrawingLayer layer(target, prOTScreen, zoom);
    layer.setScreenResolution(tpp, tpp);
    layer.setPrinter(options.printer);
    RenderContext ctx(layer, &doc);
    ctx.highlightKey = options.highlightKey;
    page.Preview(ctx);
    painter.end();
    return image;
}

}  // namespace kalder
