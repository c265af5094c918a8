// The output family of Preview: EndDocument, the output settings and the events. The routing
// sits above the viewer and the print run, which know nothing of each other: the window's
// print buttons come from here too (windowPrintingOf).
#include "kalder/Preview.h"

#include <QCoreApplication>
#include <optional>

#include "document/cDocument.h"
#include "print/FileOutput.h"
#include "print/OutputSettings.h"
#include "print/PrintRun.h"
#include "print/PrinterSetup.h"
#include "viewer/ShowWindow.h"
#include "viewer/WindowPrinting.h"

namespace kalder {

namespace {

void processPendingEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace

WindowPrinting windowPrintingOf(Preview& pv) {
    WindowPrinting printing;
    printing.withDialog = [&pv](QWidget* parent, std::int32_t currentPage) {
        const SetupResult result = showPrinterSetup(pv, parent, currentPage);
        return result != SetupResult::Cancelled && pv.outputSettings().outputDone;
    };
    printing.direct = [&pv] { printDocument(pv); };
    return printing;
}

void Preview::EndDocument(std::int32_t ThisOutput, std::int32_t optPaperBin) {
    OutputSettings& s = *output_;
    if (ThisOutput != prOTDefault) s.Output = ThisOutput;
    if (s.Output == prOTDefault) s.Output = prOTScreen;
    if (optPaperBin != -1) doc_->PrinterStyle.PaperBin = optPaperBin;
    const std::int32_t output = s.Output;

    // What printing and exporting leave behind: the flag, PrintComplete, and a new document
    // for the next one.
    auto finish = [&](bool raiseComplete) {
        s.outputDone = true;
        processPendingEvents();
        if (raiseComplete) GenerateEndPrint();
        doc_ = std::make_unique<cDocument>();
    };

    if (output == prOTScreen) {
        showPreviewWindow(*this);
        return;
    }
    if (output == prOTPrinter) {
        printDocument(*this);  // raises PrintComplete itself, as it does for the window
        finish(false);
        return;
    }
    if (output == prOTPrinterDialog) {
        const SetupResult result = showPrinterSetup(*this);
        // A cancelled dialog keeps the document.
        if (result != SetupResult::Cancelled && s.outputDone) finish(result == SetupResult::Exported);
        return;
    }

    // A missing file name or an unhandled destination is reported after the reset, as the
    // document is ended either way; a writer's own failure keeps the document.
    std::optional<AutomationError> deferred;
    try {
        writeFileOutput(*this, output);
    } catch (const AutomationError& e) {
        if (e.number() != -69) throw;
        deferred = e;
    }
    finish(true);
    if (deferred) throw *deferred;
}

std::int32_t Preview::Output() const { return output_->Output; }
void Preview::Output(std::int32_t output) { output_->Output = output; }
std::string Preview::OutputFile() const { return output_->OutputFile; }
void Preview::OutputFile(const std::string& file) { output_->OutputFile = file; }
std::int32_t Preview::OutputFileType() const { return output_->OutputFileType; }
void Preview::OutputFileType(std::int32_t type) { output_->OutputFileType = type; }
bool Preview::SetPrintToFile() const { return output_->SetPrintToFile; }
void Preview::SetPrintToFile(bool on) { output_->SetPrintToFile = on; }

void Preview::GenerateCustomButton() {
    if (onCustomButtonClick) onCustomButtonClick();
}

void Preview::GenerateEndPrint() {
    if (output_->outputDone && onPrintComplete) onPrintComplete();
}

void Preview::GeneratePrintCancel() {
    if (onPrintCancel) onPrintCancel();
}

}  // namespace kalder
