#include "print/Printers.h"

#include <QPrinterInfo>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "core/QtRuntime.h"
#include "platform/WidgetApplication.h"
#include "host/InterfaceTexts.h"
#include "kalder/Enums.h"
#include "print/CupsLibrary.h"

namespace kalder {

namespace {
// Widgets need a QApplication: whenever this code is part of the program, it is the one.
const bool kWidgetApplication = registerApplicationMaker(makeWidgetApplication);
}  // namespace

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool sameWord(std::string_view a, std::string_view b) { return upper(a) == upper(b); }

// The input choices of a queue's PPD as (keyword, text) pairs (see CupsLibrary.h for why
// the PPD interface).
std::vector<std::pair<std::string, std::string>> inputSlots(const std::string& printer) {
    std::vector<std::pair<std::string, std::string>> choices;
    const CupsLibrary* cups = cupsLibrary();
    if (printer.empty() || !cups) return choices;
    const char* file = cups->cupsGetPPD(printer.c_str());
    if (!file) return choices;
    const std::string path = file;
    if (ppd_file_t* ppd = cups->ppdOpenFile(path.c_str())) {
        if (ppd_option_t* option = cups->ppdFindOption(ppd, "InputSlot"))
            for (int i = 0; i < option->num_choices; ++i)
                choices.emplace_back(option->choices[i].choice, option->choices[i].text);
        cups->ppdClose(ppd);
    }
    ::unlink(path.c_str());  // cupsGetPPD hands out a temporary copy
    return choices;
}

// Texts for the standard bins that come without a name.
std::string standardBinText(std::int32_t code) {
    switch (code) {
        case prBNUpper: return tr("Paper from the upper bin@28");
        case prBNLower: return tr("Paper from the lower bin@29");
        case prBNMiddle: return tr("Paper from the middle bin@30");
        case prBNManual: return tr("Manual insertion of each sheet@31");
        case prBNEnvelope: return tr("Envelopes from the envelope feeder@32");
        case prBNAuto: return tr("Paper from the current default bin@33");
        default: return {};
    }
}

}  // namespace

std::vector<std::string> printerNames() {
    ensureGuiApplication();
    std::vector<std::string> names;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(utf8(n));
    return names;
}

std::string defaultPrinterName() {
    ensureGuiApplication();
    const QString def = QPrinterInfo::defaultPrinterName();
    if (!def.isEmpty()) return utf8(def);
    const QStringList all = QPrinterInfo::availablePrinterNames();
    return all.isEmpty() ? std::string() : utf8(all.first());
}

std::string matchPrinter(std::string_view name) {
    if (name.empty()) return {};
    for (const std::string& n : printerNames())
        if (sameWord(n, name)) return n;
    return {};
}

PrinterIdentity printerIdentity(const std::string& printer) {
    PrinterIdentity id;
    if (printer.empty()) return id;
    ensureGuiApplication();
    id.driverName = utf8(QPrinterInfo::printerInfo(QString::fromStdString(printer)).makeAndModel());
    const CupsLibrary* cups = cupsLibrary();
    if (!cups) return id;
    if (cups_dest_t* dest = cups->cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr)) {
        if (const char* uri = cups->cupsGetOption("device-uri", dest->num_options, dest->options)) id.port = uri;
        cups->cupsFreeDests(1, dest);
    }
    return id;
}

std::int32_t standardBinCode(std::string_view keyword) {
    static constexpr std::pair<const char*, std::int32_t> kBins[] = {
        {"Upper", prBNUpper},         {"OnlyOne", prBNUpper},       {"Lower", prBNLower},
        {"Middle", prBNMiddle},       {"Manual", prBNManual},       {"ManualFeed", prBNManual},
        {"Envelope", prBNEnvelope},   {"EnvManual", prBNEnvManual}, {"Auto", prBNAuto},
        {"AutoSelect", prBNAuto},     {"Tractor", prBNTractor},     {"SmallFormat", prBNSmallFmt},
        {"LargeFormat", prBNLargeFmt}, {"LargeCapacity", prBNLargeCapacity}, {"Cassette", prBNCassette},
        {"FormSource", prBNFormSource},
    };
    for (const auto& [word, code] : kBins)
        if (sameWord(word, keyword)) return code;
    return 0;
}

std::optional<QPageSize> standardPageSize(std::int32_t code) {
    // ePaperSize numbers 1..41 are the paper numbers printers have long used, which Qt
    // knows as "Windows ids"; 42 is Kalder's user-defined size.
    if (code < prPSLetter || code > prPSFanfoldLglGerman) return std::nullopt;
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom) return std::nullopt;
    return QPageSize(id);
}

std::int32_t standardPaperCode(const QPageSize& size) {
    const int code = size.windowsId();
    if (code < prPSLetter || code > prPSFanfoldLglGerman) return 0;
    const auto back = standardPageSize(code);
    return back && back->id() == size.id() ? code : 0;
}

std::vector<PaperChoice> paperSizes(const std::string& printer) {
    std::vector<PaperChoice> sizes;
    if (printer.empty()) return sizes;
    ensureGuiApplication();
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
    if (info.isNull()) return sizes;
    const QList<QPageSize> all = info.supportedPageSizes();
    for (qsizetype i = 0; i < all.size(); ++i) {
        PaperChoice c;
        c.code = standardPaperCode(all[i]);
        // Two names of one size (Letter and ANSI A) keep the number for the first only.
        if (c.code == 0 || std::any_of(sizes.begin(), sizes.end(), [&](const PaperChoice& s) { return s.code == c.code; }))
            c.code = kFirstPrinterCode + static_cast<std::int32_t>(i);
        c.name = utf8(all[i].name());
        c.key = utf8(all[i].key());
        sizes.push_back(std::move(c));
    }
    return sizes;
}

std::vector<PaperChoice> paperBins(const std::string& printer) {
    std::vector<PaperChoice> bins;
    const auto choices = inputSlots(printer);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        PaperChoice c;
        c.key = choices[i].first;
        c.code = standardBinCode(c.key);
        if (c.code == 0 || std::any_of(bins.begin(), bins.end(), [&](const PaperChoice& b) { return b.code == c.code; }))
            c.code = kFirstPrinterCode + static_cast<std::int32_t>(i);
        c.name = choices[i].second.empty() ? standardBinText(c.code) : choices[i].second;
        if (c.name.empty()) c.name = c.key;
        bins.push_back(std::move(c));
    }
    return bins;
}

std::optional<QPageSize> pageSizeOfCode(const std::string& printer, std::int32_t code) {
    if (code >= kFirstPrinterCode) {
        for (const PaperChoice& c : paperSizes(printer))
            if (c.code == code) {
                const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
                for (const QPageSize& s : info.supportedPageSizes())
                    if (utf8(s.key()) == c.key) return s;
            }
        return std::nullopt;
    }
    return standardPageSize(code);
}

std::string binKeyword(const std::string& printer, std::int32_t code) {
    for (const PaperChoice& c : paperBins(printer))
        if (c.code == code) return c.key;
    return {};
}

}  // namespace kalder
