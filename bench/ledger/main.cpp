// The ledger through Kalder's column report: the rows of an SQLite table read through
// SqlRecordset and laid out as ReportLab's platypus table lays them out in rl_table.py (see
// run_ledger.sh): A4 portrait, one-inch margins, Arial 8 pt, the columns id, date, account,
// description, quantity, price and amount with the table's widths, the numbers on the right,
// the header on every page, a heading and a "Total <region>" row per region and a grand total,
// a 0.5 pt rule under the header and above every total. Prints the seconds it took and the
// page count.
//   usage: kalder_ledger ledger.db out.pdf [ROWS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "kalder/Preview.h"
#include "kalder/Report.h"
#include "kalder/SqlRecordset.h"

namespace {

// ReportLab's table cells keep 6 pt on either side of their text: the same space on either side
// of each column's text area puts every value where the peer draws it, and each column takes
// the peer's width in all.
constexpr std::int32_t kPad = 120;  // twips

std::int32_t inches(double in) { return static_cast<std::int32_t>(in * 1440 + 0.5); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: kalder_ledger ledger.db out.pdf [ROWS]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::string sql = "SELECT id, date, account, description, quantity, price, amount, region FROM ledger "
                      "ORDER BY region, id";
    if (argc == 4) {
        const long long limit = std::atoll(argv[3]);
        if (limit <= 0) {
            std::cerr << "ROWS is a positive number of rows\n";
            return 2;
        }
        sql += " LIMIT " + std::to_string(limit);
    }
    try {
        kalder::Preview pv;
        pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", 0, 0, kalder::prPSA4);
        pv.CurrentFrame("inside");
        // The document starts in a bold, underlined heading style; the ledger is plain text.
        pv.FontName("Arial");
        pv.FontSize(8);
        pv.FontBold(false);
        pv.FontUnderline(false);
        // Rows as tall as the peer's: its leading of 1.2 x 8 pt and 1 pt of padding above and
        // below, 11.6 pt, so that both put the same rows on a page.
        pv.LeadingType(kalder::prLTAbsolute);
        pv.LeadingVal(232);

        using kalder::Variant;
        // Prices and amounts with two decimals and no thousands separator, as the peer prints
        // the file's text: {digits, leading digit, parentheses for negatives, group digits}.
        const Variant money(Variant::Array{Variant(2), Variant(true), Variant(false), Variant(false)});
        const Variant plain;
        struct Col {
            const char* id;
            const char* title;
            double width;  // inches, the peer's
            std::int32_t align, format, calc;
            const Variant& fmt;
        };
        const Col cols[] = {
            {"id", "Id", 0.5, kalder::prCALeft, kalder::prFMGeneral, kalder::prCCNone, plain},
            {"date", "Date", 0.7, kalder::prCALeft, kalder::prFMGeneral, kalder::prCCNone, plain},
            {"account", "Account", 0.95, kalder::prCALeft, kalder::prFMGeneral, kalder::prCCNone, plain},
            {"description", "Description", 2.35, kalder::prCALeft, kalder::prFMGeneral, kalder::prCCNone, plain},
            {"quantity", "Qty", 0.4, kalder::prCARight, kalder::prFMGeneral, kalder::prCCNone, plain},
            {"price", "Price", 0.6, kalder::prCARight, kalder::prFMNumber, kalder::prCCNone, money},
            {"amount", "Amount", 0.77, kalder::prCARight, kalder::prFMNumber, kalder::prCCSum, money},
        };
        for (const Col& c : cols)
            pv.NewColumn(c.id, c.title, inches(c.width) - 2 * kPad, kPad, kPad, 0, c.align, c.fmt, c.format, c.calc);
        // The region groups without a column of its own, as the peer's does. Last, so that the
        // group headings and the "Total" labels start at the id column's text, where the peer's
        // headings start.
        pv.NewColumn("region", "", 0, 0, 0, 0, kalder::prCALeft, plain, kalder::prFMGeneral, kalder::prCCNone);
        pv.ModifyReport("region", Variant::missing(), true);
        // The peer's rules are 0.5 pt.
        kalder::cReport& report = pv.Report();
        report.HorizontalLine.LineWidth = 10;
        report.LineBefore.LineWidth = 10;

        auto rows = kalder::SqlRecordset::open(argv[1], sql);
        pv.RecordsetReport(*rows);
        pv.ExportPDF(argv[2]);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%.3f %d\n", s, pv.TotalPages());
    } catch (const kalder::AutomationError& e) {
        std::cerr << "kalder_ledger: error " << e.number() << " " << e.source() << ": " << e.description() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "kalder_ledger: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
