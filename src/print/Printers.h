// The printers of the system as the print run and the printer setup dialog see them: CUPS
// queues through Qt's print support, with libcups for what Qt does not expose (the paper
// bins, which are a PPD's input slots, and the port, which is the queue's device URI);
// libcups is loaded on the first such question (CupsLibrary.h).
//
// Paper and bin codes: a paper size that Kalder's ePaperSize knows keeps that number (A4 is
// 9); a bin of a standard input slot keeps its ePaperBin number (Auto is 7); the printer's
// other sizes and bins get codes from 256 up, in the order the printer lists them.
//
// Every call asks the print system afresh; none throws. Without a print system the lists
// are empty; without libcups the bins are empty and the port is blank.
#pragma once

#include <QPageSize>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

struct PaperChoice {
    std::int32_t code = 0;
    std::string name;  // as the printer names it
    std::string key;   // the page size key or the input slot keyword

    friend bool operator==(const PaperChoice&, const PaperChoice&) = default;
};

constexpr std::int32_t kFirstPrinterCode = 256;

std::vector<std::string> printerNames();
// The system's default printer, else the first printer, else "".
std::string defaultPrinterName();
// The installed printer whose name equals `name` compared in upper case; "" when none.
std::string matchPrinter(std::string_view name);

struct PrinterIdentity {
    std::string driverName;  // the make and model of the queue's driver
    std::string port;        // the queue's device URI
};
PrinterIdentity printerIdentity(const std::string& printer);

std::vector<PaperChoice> paperSizes(const std::string& printer);
std::vector<PaperChoice> paperBins(const std::string& printer);

// The ePaperBin number of a standard PPD input slot keyword ("Upper" 1, "Auto" 7, compared
// without case); 0 for a keyword of the printer's own.
std::int32_t standardBinCode(std::string_view keyword);
// The ePaperSize number of a Qt page size; 0 when Kalder has none for it.
std::int32_t standardPaperCode(const QPageSize& size);
// The page size of an ePaperSize number (not the user-defined size); nullopt when unknown.
std::optional<QPageSize> standardPageSize(std::int32_t code);

// The page size a paper code stands for on the printer; nullopt when neither the standard
// table nor the printer knows it.
std::optional<QPageSize> pageSizeOfCode(const std::string& printer, std::int32_t code);
// The input slot keyword of a bin code on the printer; "" when the printer has no such bin.
std::string binKeyword(const std::string& printer, std::int32_t code);

}  // namespace kalder
