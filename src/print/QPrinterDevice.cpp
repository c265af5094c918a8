#include "print/QPrinterDevice.h"

#include <QPrintEngine>
#include <QPrinterInfo>

#include <cstdlib>

#include "core/QtRuntime.h"
#include "platform/WidgetApplication.h"
#include "kalder/AutomationError.h"
#include "kalder/Enums.h"
#include "print/CupsLibrary.h"

namespace kalder {

namespace {
// Widgets need a QApplication: whenever this code is part of the program, it is the one.
const bool kWidgetApplication = registerApplicationMaker(makeWidgetApplication);
}  // namespace

namespace {

// Qt's CUPS engine passes this property's (name, value) pairs to the job as CUPS options; it
// is how Qt's own print dialog sets a PPD's options, and the only way to choose an input slot.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

[[noreturn]] void printerError(const std::string& detail = {}) {
    throw AutomationError(482, "Kalder", detail.empty() ? "Printer error" : "Printer error : " + detail);
}

}  // namespace

int resolutionFor(std::int32_t printQuality, const QList<int>& supported) {
    int wanted = 600;
    switch (printQuality) {
        case prPQDraft: wanted = 150; break;
        case prPQLow: wanted = 300; break;
        case prPQMedium: wanted = 600; break;
        case prPQHigh: wanted = 1200; break;
        default: wanted = printQuality > 0 ? printQuality : 600;
    }
    if (supported.isEmpty()) return wanted;
    int best = supported.first();
    for (int r : supported)
        if (std::abs(r - wanted) < std::abs(best - wanted)) best = r;
    return best;
}

PrinterGeometry geometryOf(const QPrinter& printer) {
    PrinterGeometry g;
    const int dpi = printer.resolution();
    g.dotsPerInchX = g.dotsPerInchY = dpi > 0 ? dpi : 600;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    g.offsetX = page.left() - paper.left();
    g.offsetY = page.top() - paper.top();
    const QRectF pageMm = printer.pageRect(QPrinter::Millimeter);
    g.printableWidthMm = pageMm.width();
    g.printableHeightMm = pageMm.height();
    g.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return g;
}

QPrinterDevice::QPrinterDevice(const PrintJobOptions& o)
    : printer_(QPrinterInfo::printerInfo(QString::fromStdString(o.printer)), QPrinter::HighResolution) {
    if (!printer_.isValid() || printer_.printerName() != QString::fromStdString(o.printer))
        printerError("no printer " + o.printer);
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setResolution(resolutionFor(o.printQuality,
                                         QPrinterInfo::printerInfo(printer_.printerName()).supportedResolutions()));
    if (o.pageSize) printer_.setPageSize(*o.pageSize);
    printer_.setCopyCount(o.copies < 1 ? 1 : o.copies);
    printer_.setCollateCopies(o.collate);
    printer_.setDocName(QString::fromStdString(o.title));
    if (!o.inputSlot.empty() && printer_.printEngine())
        printer_.printEngine()->setProperty(kCupsOptions,
                                            QStringList{QStringLiteral("InputSlot"), QString::fromStdString(o.inputSlot)});
}

QPrinterDevice::~QPrinterDevice() { abort(); }

void QPrinterDevice::setOrientation(std::int32_t orientation) {
    printer_.setPageOrientation(orientation == prORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

DrawTarget& QPrinterDevice::startSheet() {
    if (!started_) {
        if (!painter_.begin(&printer_)) printerError();
        started_ = true;
    } else if (!printer_.newPage()) {
        printerError();
    }
    const double tpp = 1440.0 / (printer_.resolution() > 0 ? printer_.resolution() : 600);
    target_ = std::make_unique<QtDrawTarget>(painter_, tpp, tpp);
    return *target_;
}

PrinterGeometry QPrinterDevice::geometry() const { return geometryOf(printer_); }

void QPrinterDevice::finish() {
    if (!started_) return;
    // A request that succeeds, so that the status read below is the one of the job Qt
    // submits while the painter ends (Qt does not report it). Without libcups Qt has no CUPS
    // plugin either, so there is no job status to read.
    const CupsLibrary* cups = cupsLibrary();
    if (cups) {
        if (cups_dest_t* dest =
                cups->cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer_.printerName().toLocal8Bit().constData(), nullptr))
            cups->cupsFreeDests(1, dest);
    }
    target_.reset();
    started_ = false;
    const bool ended = painter_.end();
    if (!ended) printerError();
    if (cups && cups->cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) printerError(cups->cupsLastErrorString());
}

void QPrinterDevice::abort() noexcept {
    if (!started_) return;
    started_ = false;
    target_.reset();
    printer_.abort();
    if (painter_.isActive()) painter_.end();
}

}  // namespace kalder
