#include "print/PrintRun.h"

#include <QCoreApplication>

#include "core/Progress.h"
#include "core/QtRuntime.h"
#include "document/PaperSizes.h"
#include "document/RenderContext.h"
#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "print/CurrentPrinter.h"
#include "print/OutputSettings.h"
#include "print/Printers.h"
#include "print/QPrinterDevice.h"

namespace kalder {

namespace {

void processPendingEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

std::vector<std::int32_t> pageOrientations(const cDocument& doc) {
    std::vector<std::int32_t> orientations;
    for (const auto& page : doc.pages()) orientations.push_back(page->Style.Orientation);
    return orientations;
}

std::optional<QPageSize> paperFor(const std::string& printer, const cDocument& doc, std::int32_t code) {
    if (code == prPSUserDefine) {
        // The user size of the first page, as the document's pages share it.
        const auto first = doc.pages().Item(1);
        const PaperExtent e = paperExtent(code, first ? first->UserWidth() : 0, first ? first->UserHeight() : 0);
        if (e.width <= 0 || e.height <= 0) return std::nullopt;
        return QPageSize(QSizeF(e.width / 20.0, e.height / 20.0), QPageSize::Point, QString(), QPageSize::ExactMatch);
    }
    return pageSizeOfCode(printer, code);
}

}  // namespace

void executePrintPlan(const PrintPlan& plan, cDocument& doc, PrintDevice& device, PrinterMetrics& metrics) {
    const std::int32_t docOrientation = documentOrientation(doc);
    try {
        std::int32_t done = 0;
        for (const PlannedPage& sheet : plan.sheets) {
            const auto page = doc.pages().Item(sheet.page);
            if (!page) continue;
            if (sheet.setOrientation) {
                device.setOrientation(sheet.orientation);
                metrics = printerMetricsOf(device.geometry(), docOrientation);
            }
            DrawTarget& target = device.startSheet();
            DrawingLayer layer(target, prOTPrinter, 1.0);
            layer.setPrinter(metrics);
            RenderContext ctx(layer, &doc);
            page->Preview(ctx);
            if (sheet.blankLine) target.Print("");
            processPendingEvents();
            // A cancel request throws: the job is aborted below and never reaches the queue.
            reportPage(++done, static_cast<std::int32_t>(plan.sheets.size()));
        }
        device.finish();
    } catch (...) {
        device.abort();
        throw;
    }
}

void printDocument(Preview& pv) {
    const ProgressScope progress(pv.onProgress, "PrintDoc");
    OutputSettings& settings = pv.outputSettings();
    cDocument& doc = pv.document();
    const cPrinterStyle& record = doc.PrinterStyle;

    ensureGuiApplication();
    ensurePrinterRead(settings, doc);
    const std::int32_t savedWidth = settings.printer.PrintWidth;
    const std::int32_t savedHeight = settings.printer.PrintHeight;
    const std::string savedPrinter = settings.currentPrinter;

    const std::string chosen = matchPrinter(record.PrinterName);
    if (!chosen.empty()) settings.currentPrinter = chosen;
    auto restorePrinter = [&] {
        if (chosen.empty()) return;
        settings.currentPrinter = savedPrinter;
        refreshPrinterMetrics(settings, doc);
    };

    try {
        refreshPrinterMetrics(settings, doc);
        const std::string printer = currentPrinterName(settings);
        if (printer.empty()) throw AutomationError(482, "Kalder", "Printer error : no printer is installed");

        const PrintPlan plan = planPrintRun(record, pageOrientations(doc));
        if (!plan.sheets.empty()) {
            PrintJobOptions job;
            job.printer = printer;
            job.printQuality = settings.PrintQuality;
            job.pageSize = paperFor(printer, doc, record.PaperSize);
            job.inputSlot = binKeyword(printer, record.PaperBin);
            job.copies = plan.printerCopies;
            job.collate = plan.printerCollate;
            job.title = settings.PrintJobTitle.empty() ? "Kalder" : settings.PrintJobTitle;
            QPrinterDevice device(job);
            executePrintPlan(plan, doc, device, settings.printer);
        }

        settings.outputDone = true;
        refreshPrinterMetrics(settings, doc);
        settings.printer.PrintWidth = savedWidth;
        settings.printer.PrintHeight = savedHeight;
        processPendingEvents();
        pv.GenerateEndPrint();
    } catch (...) {
        restorePrinter();
        throw;
    }
    restorePrinter();
}

}  // namespace kalder
