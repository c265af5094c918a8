// The printer family of Preview: the document's printer settings, the output settings kept
// for the Preview, the printer setup dialog's settings and the current printer's metrics.
#include "kalder/Preview.h"

#include "document/cDocument.h"
#include "print/CurrentPrinter.h"
#include "print/OutputSettings.h"

namespace kalder {

namespace {

// The record a page name selects: that page's, else the document's.
cPrinterStyle* pageRecord(cDocument& doc, const std::string& pageName) {
    if (pageName.empty()) return &doc.PrinterStyle;
    const auto page = doc.pages().Item(pageName);
    return page ? &page->PrinterStyle : nullptr;
}

const cPrinterStyle& pageRecordOrDocument(const cDocument& doc, const std::string& pageName) {
    if (!pageName.empty())
        if (const auto page = doc.pages().Item(pageName)) return page->PrinterStyle;
    return doc.PrinterStyle;
}

// The settings with the current printer read, on first use (output_ is owned, so a const
// member may fill it in).
const OutputSettings& readPrinter(OutputSettings& settings, const cDocument& doc) {
    ensurePrinterRead(settings, doc);
    return settings;
}

}  // namespace

std::int32_t Preview::Copies() const { return doc_->PrinterStyle.Copies; }
void Preview::Copies(std::int32_t copies) { doc_->PrinterStyle.Copies = copies; }
bool Preview::Collate() const { return doc_->PrinterStyle.Collate; }
void Preview::Collate(bool collate) { doc_->PrinterStyle.Collate = collate; }
std::int32_t Preview::PagesOpt() const { return doc_->PrinterStyle.PagesOpt; }
void Preview::PagesOpt(std::int32_t option) { doc_->PrinterStyle.PagesOpt = option; }
std::int32_t Preview::OddEven() const { return doc_->PrinterStyle.OddEven; }
void Preview::OddEven(std::int32_t option) { doc_->PrinterStyle.OddEven = option; }
std::int32_t Preview::OrientOpt() const { return doc_->PrinterStyle.OrientOpt; }
void Preview::OrientOpt(std::int32_t option) { doc_->PrinterStyle.OrientOpt = option; }
std::string Preview::PageRange() const { return doc_->PrinterStyle.PageRange; }
void Preview::PageRange(const std::string& range) { doc_->PrinterStyle.PageRange = range; }
std::string Preview::PrinterName() const { return doc_->PrinterStyle.PrinterName; }
void Preview::PrinterName(const std::string& name) { doc_->PrinterStyle.PrinterName = name; }
void Preview::SetPrinter(const std::string& PrinterName) { doc_->PrinterStyle.PrinterName = PrinterName; }

std::int32_t Preview::PaperBin(const std::string& pageName) const {
    return pageRecordOrDocument(*doc_, pageName).PaperBin;
}
void Preview::PaperBin(std::int32_t bin, const std::string& pageName) {
    if (cPrinterStyle* r = pageRecord(*doc_, pageName)) r->PaperBin = bin;
}
std::int32_t Preview::PaperSize(const std::string& pageName) const {
    return pageRecordOrDocument(*doc_, pageName).PaperSize;
}
void Preview::PaperSize(std::int32_t size, const std::string& pageName) {
    if (cPrinterStyle* r = pageRecord(*doc_, pageName)) r->PaperSize = size;
}

std::int32_t Preview::PrintQuality() const { return output_->PrintQuality; }
void Preview::PrintQuality(std::int32_t quality) { output_->PrintQuality = quality; }
std::int32_t Preview::ColorMode() const { return output_->ColorMode; }
void Preview::ColorMode(std::int32_t mode) { output_->ColorMode = mode; }
std::string Preview::PrintJobTitle() const { return output_->PrintJobTitle; }
void Preview::PrintJobTitle(const std::string& title) { output_->PrintJobTitle = title; }
bool Preview::DirectPrinting() const { return output_->DirectPrinting; }
void Preview::DirectPrinting(bool on) { output_->DirectPrinting = on; }
bool Preview::AllowPrinterDialog() const { return output_->AllowPrinterDialog; }
void Preview::AllowPrinterDialog(bool on) { output_->AllowPrinterDialog = on; }
bool Preview::QuitAfterPrint() const { return output_->QuitAfterPrint; }
void Preview::QuitAfterPrint(bool on) { output_->QuitAfterPrint = on; }
std::int32_t Preview::PDFCompression() const { return output_->PDFCompression; }
void Preview::PDFCompression(std::int32_t level) { output_->PDFCompression = level; }
bool Preview::PDFEmbedFonts() const { return output_->PDFEmbedFonts; }
void Preview::PDFEmbedFonts(bool on) { output_->PDFEmbedFonts = on; }

bool Preview::ShowPrintToFile() const { return output_->ShowPrintToFile; }
void Preview::ShowPrintToFile(bool on) { output_->ShowPrintToFile = on; }
bool Preview::ShowPrintOrientation() const { return output_->ShowPrintOrientation; }
void Preview::ShowPrintOrientation(bool on) { output_->ShowPrintOrientation = on; }
bool Preview::ShowPrintOrientationAsPreview() const { return output_->ShowPrintOrientationAsPreview; }
void Preview::ShowPrintOrientationAsPreview(bool on) { output_->ShowPrintOrientationAsPreview = on; }
bool Preview::ShowPaperSizeSelection() const { return output_->ShowPaperSizeSelection; }
void Preview::ShowPaperSizeSelection(bool on) { output_->ShowPaperSizeSelection = on; }
bool Preview::ShowPrinterSetup() const { return output_->ShowPrinterSetup; }
void Preview::ShowPrinterSetup(bool on) { output_->ShowPrinterSetup = on; }
std::int32_t Preview::ShowExportList() const { return output_->ShowExportList; }
void Preview::ShowExportList(std::int32_t kinds) { output_->ShowExportList = kinds; }

double Preview::TwipsPerPixelX() const { return readPrinter(*output_, *doc_).printer.TwipsPerPixelX; }
double Preview::TwipsPerPixelY() const { return readPrinter(*output_, *doc_).printer.TwipsPerPixelY; }
std::int32_t Preview::MarginWidth() const { return readPrinter(*output_, *doc_).printer.MarginWidth; }
std::int32_t Preview::MarginHeight() const { return readPrinter(*output_, *doc_).printer.MarginHeight; }
std::int32_t Preview::PrintWidth() const { return readPrinter(*output_, *doc_).printer.PrintWidth; }
std::int32_t Preview::PrintHeight() const { return readPrinter(*output_, *doc_).printer.PrintHeight; }
std::string Preview::DeviceName() const { return readPrinter(*output_, *doc_).deviceName; }
std::string Preview::DriverName() const { return readPrinter(*output_, *doc_).driverName; }
std::string Preview::Port() const { return readPrinter(*output_, *doc_).port; }

}  // namespace kalder
