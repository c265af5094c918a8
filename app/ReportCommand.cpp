// kalder report DATABASE SQL OUT: a column report of a query's rows, in the layout of
// RecordsetReport: A4, one-inch margins, a column per field sized to its widest value,
// numbers on the right, the header on every page, "Page n of N" in the footer; optional
// groups on one column and calculations per column.
#include <iostream>
#include <map>

#include "Commands.h"
#include "kalder/Preview.h"
#include "kalder/Report.h"
#include "kalder/SqlRecordset.h"

namespace kalder::app {

int report(const std::vector<std::string>& args) {
    if (args.size() < 4) {
        std::cerr << "usage: kalder report DATABASE SQL OUT [--group COLUMN] [--sum|--count|--min|--max|--avg COLUMN]... "
                     "[--font-size PT]\n";
        return 2;
    }
    static const std::map<std::string, std::int32_t> calcs = {
        {"--sum", prCCSum}, {"--count", prCCCount}, {"--min", prCCMin}, {"--max", prCCMax}, {"--avg", prCCAverage}};
    std::string group, fontSize = "8";
    std::vector<std::pair<std::string, std::int32_t>> calculations;
    for (std::size_t i = 4; i < args.size(); ++i) {
        if (i + 1 >= args.size()) {
            std::cerr << "kalder: " << args[i] << " needs a value\n";
            return 2;
        }
        if (args[i] == "--group") group = args[++i];
        else if (args[i] == "--font-size") fontSize = args[++i];
        else if (auto c = calcs.find(args[i]); c != calcs.end()) calculations.emplace_back(args[++i], c->second);
        else {
            std::cerr << "kalder: unknown option " << args[i] << '\n';
            return 2;
        }
    }
    Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", 0, "0.5 in", prPSA4);
    pv.CurrentFrame("footer");
    // The document starts in a bold, underlined heading style: reports read in plain text.
    pv.FontName("Arial"), pv.FontSize(8), pv.FontBold(false), pv.FontUnderline(false);
    pv.AddPageNumberAt("Page ??", Variant::missing(), Variant::missing(), true);
    pv.CurrentFrame("inside");
    pv.FontName("Arial"), pv.FontSize(fontSize), pv.FontBold(false), pv.FontUnderline(false);
    auto rows = SqlRecordset::open(args[1], args[2]);
    pv.ReportHeaders(*rows);
    for (const auto& col : pv.Report().ReportCols.NewEnum())
        if (col->FormatType != prFMGeneral && col->FormatType != prFMDateTime) col->Align = prCARight;
    for (const auto& [id, calc] : calculations) pv.ModifyColumn(id, Variant::missing(), -1, -1, -1, -1, -1,
                                                                Variant::missing(), -1, calc);
    if (!group.empty()) {
        pv.Report().ReportCols.Item(group);  // an unknown column fails here, naming it
        // The group's value heads each group: its column need not show it again.
        pv.ModifyColumn(group, "", 0, 0, 0);
        pv.ModifyReport(group, Variant::missing(), true);
    }
    pv.RecordsetReport(*rows, false, true);
    return writeDocument(pv, args[3], "the report");
}

}  // namespace kalder::app
