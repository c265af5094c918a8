#include "print/CurrentPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "core/QtRuntime.h"
#include "document/cDocument.h"
#include "print/OutputSettings.h"
#include "print/PrinterGeometry.h"
#include "print/Printers.h"
#include "print/QPrinterDevice.h"

namespace kalder {

std::int32_t documentOrientation(const cDocument& doc) {
    const auto page = doc.currentPage();
    return page ? page->Style.Orientation : doc.Style.Orientation;
}

std::string currentPrinterName(const OutputSettings& settings) {
    return settings.currentPrinter.empty() ? defaultPrinterName() : settings.currentPrinter;
}

void refreshPrinterMetrics(OutputSettings& settings, const cDocument& doc) {
    ensureGuiApplication();  // Qt's print support needs an application object
    settings.printerRead = true;
    const std::int32_t orientation = documentOrientation(doc);
    const std::string name = currentPrinterName(settings);
    const QPrinterInfo info = name.empty() ? QPrinterInfo() : QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull()) {
        settings.printer = defaultPrinterMetrics(orientation);
        settings.deviceName.clear();
        settings.driverName.clear();
        settings.port.clear();
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setResolution(resolutionFor(settings.PrintQuality, info.supportedResolutions()));
    settings.printer = printerMetricsOf(geometryOf(printer), orientation);
    const PrinterIdentity id = printerIdentity(name);
    settings.deviceName = name;
    settings.driverName = id.driverName;
    settings.port = id.port;
}

void ensurePrinterRead(OutputSettings& settings, const cDocument& doc) {
    if (!settings.printerRead) refreshPrinterMetrics(settings, doc);
}

}  // namespace kalder
