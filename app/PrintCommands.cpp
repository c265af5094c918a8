#include "PrintCommands.h"

#include <charconv>
#include <iostream>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "print/CurrentPrinter.h"
#include "print/PrintPlan.h"
#include "print/Printers.h"

namespace kalder::app {

namespace {

int bad(const std::string& message) {
    std::cerr << "kalder: " << message << '\n' << "usage:\n" << kPrintUsage;
    return 2;
}

bool parseCount(const std::string& text, std::int32_t& value) {
    auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return res.ec == std::errc{} && res.ptr == text.data() + text.size() && value >= 1 && value <= 9999;
}

}  // namespace

int printCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) return bad("print needs a document");
    Preview pv;
    pv.LoadXMLFromFile(args[1]);
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--printer" && hasValue) {
            pv.SetPrinter(args[++i]);
        } else if (a == "--pages" && hasValue) {
            pv.PagesOpt(prPORange);
            pv.PageRange(args[++i]);
        } else if (a == "--copies" && hasValue) {
            std::int32_t copies = 0;
            if (!parseCount(args[++i], copies)) return bad("--copies takes a number from 1 to 9999");
            pv.Copies(copies);
        } else if (a == "--collate" || a == "--no-collate") {
            pv.Collate(a == "--collate");
        } else if (a == "--odd" || a == "--even") {
            pv.PagesOpt(prPOOddEven);
            pv.OddEven(a == "--odd" ? prOEOdd : prOEEven);
        } else if (a == "--orientation" && hasValue) {
            const std::string& o = args[++i];
            if (o == "portrait") pv.OrientOpt(prOOPortrait);
            else if (o == "landscape") pv.OrientOpt(prOOLandscape);
            else if (o == "asis") pv.OrientOpt(prOOAsIs);
            else return bad("--orientation takes portrait, landscape or asis");
        } else {
            return bad("unknown option " + a);
        }
    }

    std::string printer = matchPrinter(pv.PrinterName());
    if (printer.empty()) {
        printer = currentPrinterName(pv.outputSettings());
        if (!pv.PrinterName().empty())
            std::cerr << "kalder: no printer " << pv.PrinterName() << "; printing on "
                      << (printer.empty() ? "none" : printer) << '\n';
    }
    std::vector<std::int32_t> orientations;
    for (const auto& page : pv.document().pages()) orientations.push_back(page->Style.Orientation);
    const PrintPlan plan = planPrintRun(pv.document().PrinterStyle, orientations);

    pv.EndDocument(prOTPrinter);
    std::cout << "sent " << plan.sheets.size() << (plan.sheets.size() == 1 ? " page" : " pages") << " to "
              << printer << ", printer copies " << plan.printerCopies << '\n';
    return 0;
}

int printersCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) return bad("printers takes no arguments");
    const std::string current = defaultPrinterName();
    const std::vector<std::string> names = printerNames();
    if (names.empty()) std::cout << "no printers\n";
    for (const std::string& name : names) {
        const PrinterIdentity id = printerIdentity(name);
        std::cout << name << (name == current ? " (default)" : "") << "\n  driver: " << id.driverName
                  << "\n  port: " << id.port << "\n  paper sizes:\n";
        for (const PaperChoice& c : paperSizes(name)) std::cout << "    " << c.code << ' ' << c.name << '\n';
        const std::vector<PaperChoice> bins = paperBins(name);
        std::cout << "  paper bins:" << (bins.empty() ? " none\n" : "\n");
        for (const PaperChoice& c : bins) std::cout << "    " << c.code << ' ' << c.name << " (" << c.key << ")\n";
    }
    return 0;
}

}  // namespace kalder::app
