// Column reports as readers see them: a ledger from SQLite read back by pdftotext (rows in
// order, totals equal to the sums sqlite3 computes, the header on every page, groups going on
// "(continued)"); PostgreSQL NULLs and a connection lost midway; and the row writer's cells.
#include <gtest/gtest.h>

#include <QStandardItemModel>
#include <regex>

#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "document/cDocument.h"
#include "graphics/cGraphicText.h"
#include "kalder/Preview.h"
#include "kalder/Report.h"
#include "kalder/SqlRecordset.h"
#include "reports/MemoryRecordset.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::test {
namespace {

void plainA5(Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in", 0, 0, prPSA5);
    pv.FontName("Arial"), pv.FontSize(9), pv.FontBold(false), pv.FontUnderline(false);
}

// The text lines of the current frame as "text@x" (x of the anchor), and "[kind]" for others.
std::string cells(Preview& pv) {
    std::string out;
    for (const auto& e : pv.document().currentFrame()->Elements()) {
        if (auto t = std::dynamic_pointer_cast<cGraphicText>(e)) out += t->Text + "@" + std::to_string(t->xPos) + " ";
        else if (e->ElementType() != ekChangeStyle) out += "[" + std::to_string(e->ElementType()) + "] ";
    }
    return out;
}

TEST(ColumnReport, SqliteLedgerReadsBackInOrderWithTotalsHeadersAndContinuedGroups) {
    ScratchDir dir;
    const std::string db = dir.file("ledger.db");
    ASSERT_EQ(runTool("sqlite3 '" + db + "' \"CREATE TABLE ledger(id INTEGER, region TEXT, name TEXT, amount REAL); "
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 150) "
                      "INSERT INTO ledger SELECT i, CASE WHEN i <= 90 THEN 'East' ELSE 'North' END, 'item ' || i, "
                      "CASE WHEN i = 7 THEN NULL ELSE (i * 7919 % 100000) / 100.0 END FROM n;\"")
                  .status, 0);
    Preview pv;
    plainA5(pv);
    const Variant twoDigits(Variant::Array{2, true, false, false});
    pv.NewColumn("id", "Id", 700, 0, 100, 0, prCARight, "", prFMGeneral, prCCCount);
    pv.NewColumn("region", "", 0, 0, 0, 0, prCALeft, "", prFMGeneral, prCCNone);
    pv.NewColumn("name", "Name", 1800, 100, 100, 0, prCALeft, "", prFMGeneral, prCCNone);
    pv.NewColumn("amount", "Amount", 1300, 100, 0, 300, prCADecimal, twoDigits, prFMNumber, prCCSum);
    pv.ModifyReport("region", true, true, true, true, true);
    auto rows = SqlRecordset::open(db, "SELECT * FROM ledger ORDER BY region, id");
    pv.RecordsetReport(*rows);
    const std::string pdf = dir.file("ledger.pdf");
    pv.ExportPDF(pdf);
    EXPECT_TRUE(PassesQpdf(pdf));

    const std::string text = runTool("pdftotext -layout '" + pdf + "' -").output;
    std::vector<int> ids;
    static const std::regex row(R"((^|\n) *(\d+) +item (\d+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[2], (*it)[3]);
        ids.push_back(std::stoi((*it)[2]));
    }
    ASSERT_EQ(ids.size(), 150u);
    for (int i = 0; i < 150; ++i) EXPECT_EQ(ids[static_cast<std::size_t>(i)], i + 1);
    // Totals as sqlite3 sums them; the NULL amount is left out and its cell blank.
    const std::string sums = runTool("sqlite3 '" + db + "' \"SELECT region, count(id), printf('%.2f', total(amount)) "
                                     "FROM ledger GROUP BY region UNION ALL SELECT 'Grand', count(*), "
                                     "printf('%.2f', total(amount)) FROM ledger\"").output;
    for (const std::string line : {"East|90|", "North|60|", "Grand|150|"}) {
        const std::size_t at = sums.find(line);
        ASSERT_NE(at, std::string::npos) << sums;
        std::string sum = sums.substr(at + line.size(), sums.find('\n', at) - at - line.size());
        std::replace(sum.begin(), sum.end(), '.', decimalMark());
        const std::string label = line[0] == 'G' ? "Grand total" : "Total " + line.substr(0, line.find('|'));
        const std::string count = line.substr(line.find('|') + 1, line.size() - line.find('|') - 2);
        EXPECT_TRUE(std::regex_search(text, std::regex(count + " +" + label + " +" +
                                                       std::regex_replace(sum, std::regex("[.,]"), "\\$&"))))
            << label << " " << sum;
    }
    EXPECT_TRUE(std::regex_search(text, std::regex("\n *7 +item 7 *\n"))) << "the NULL amount's cell is blank";
    const int pages = std::stoi(pdfInfo(pdf, "Pages"));
    EXPECT_GE(pages, 3);
    const std::regex header("Amount");
    EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), header), {}), pages);
    EXPECT_NE(text.find("East (continued)"), std::string::npos);
}

// A source that lets the server end its connection after 40 rows.
class Interrupted final : public Recordset {
public:
    Interrupted(std::unique_ptr<SqlRecordset> rows, std::string kill) : rows_(std::move(rows)), kill_(std::move(kill)) {}
    std::vector<RecordField> fields() const override { return rows_->fields(); }
    void moveFirst() override { rows_->moveFirst(); }
    void moveNext() override {
        if (++read_ == 40) runTool(kill_);
        rows_->moveNext();
    }
    bool atEnd() const override { return rows_->atEnd(); }
    Variant value(std::size_t i) const override { return rows_->value(i); }

private:
    std::unique_ptr<SqlRecordset> rows_;
    std::string kill_;
    int read_ = 0;
};

TEST(ColumnReport, PostgresNullsUnknownColumnsAndAConnectionLostMidway) {
    const std::string pg = readFile(KALDER_POSTGRES_STATE).substr(0, readFile(KALDER_POSTGRES_STATE).find('\n'));
    ASSERT_FALSE(pg.empty()) << "no PostgreSQL server (CTest's Postgres fixture)";
    Preview pv;
    plainA5(pv);
    pv.NewColumn("missing", "Missing", 900, 0, 0, 0, prCALeft, "", prFMGeneral, prCCNone);
    auto one = SqlRecordset::open(pg, "select 1 as n");
    const auto before = pv.document().currentFrame()->Elements().Count();
    EXPECT_THAT(errorOf([&] { pv.RecordsetReport(*one, true); }),
                IsError(3265, "RecordsetReport",
                        "Item cannot be found in the collection corresponding to the requested name or ordinal: missing"));
    EXPECT_EQ(pv.document().currentFrame()->Elements().Count(), before) << "nothing is written";

    pv.NewReport();
    auto nulls = SqlRecordset::open(pg, "select n, case when n = 2 then null else n * 1.5 end as v "
                                        "from generate_series(1, 3) n");
    pv.RecordsetReport(*nulls, true);
    EXPECT_NE(cells(pv).find("n@150 v@"), std::string::npos) << cells(pv);
    EXPECT_EQ(std::regex_search(cells(pv), std::regex(" 2@150 [^ ]+@[0-9]+ 3@")), false) << "row 2 has no v";

    pv.NewReport();
    const std::string name = "kalder_report_" + std::to_string(::getpid());
    Interrupted lost(SqlRecordset::open(pg + " application_name=" + name, "select n from generate_series(1, 100000) n"),
                     "psql -X -At '" + pg + "' -c \"select pg_terminate_backend(pid) from pg_stat_activity where "
                     "application_name = '" + name + "'\"");
    const std::int32_t pages = pv.TotalPages();
    EXPECT_EQ(errorOf([&] { pv.RecordsetReport(lost, true); }).value_or(AutomationError(0, "", "")).source(),
              "SqlRecordset");
    EXPECT_GT(pv.TotalPages(), pages) << "the rows read before stay in the document";
    ScratchDir dir;
    pv.ExportPDF(dir.file("after.pdf"));
    EXPECT_TRUE(PassesQpdf(dir.file("after.pdf")));
}

TEST(ColumnReport, CellsOfTabulateArraysGridsAndFormats) {
    Preview pv;
    plainA5(pv);
    const std::string mark(1, decimalMark());
    FastCollection values, defs;
    for (const std::string& v : std::vector<std::string>{"left", "right", "12" + mark + "5", "two\r\nlines"})
        values.Add(v);
    for (const char* d : {"l 0;1000", "R 1000;1000;color=255", "d 2000;1000", "l 3000;1500;backcolor=65535"})
        defs.Add(d);
    EXPECT_TRUE(pv.Tabulate(values, defs, 100, 0));
    const auto point = std::to_string(3100 - roundToLong(TextMeasurer::width(
                                                 pv.document().currentFrame()->CurrentStyle, mark + "00")));
    // The decimal mark sits the width of the mark and two digits inside the field's right edge.
    EXPECT_EQ(cells(pv).substr(0, cells(pv).find(" [1]")), "left@100 right@2100 12@" + point + " " + mark + "5@" + point);
    EXPECT_NE(cells(pv).find("[1] [4] "), std::string::npos) << "a yellow background, then the paragraph";
    EXPECT_EQ(pv.CurrentY(), pv.ParaNextY()) << "the row is as tall as its paragraph";

    struct Bad {
        const char* name;
        const char* says;
    };
    forEachRow<Bad>(
        {{"", "is empty"}, {"x 0", "the alignment is none of l, r, c and d"}, {"l a", "no whole number"},
         {"l 0;-5", "negative"}, {"l 0;5;colour=1", "neither color= nor backcolor="}},
        [&](const auto& row) {
            FastCollection bad;
            bad.Add(row.name);
            auto e = errorOf([&] { pv.Tabulate(values, bad); });
            ASSERT_TRUE(e);
            EXPECT_EQ(e->number(), 5);
            EXPECT_NE(e->description().find(row.says), std::string::npos) << e->description();
        });

    // ModifyColumn: -1 and missing leave a property; an unknown Id is the collection's error.
    pv.NewReport();
    pv.NewColumn("a", "A", 1000, 10, 20, 30, prCALeft, 2, prFMPercent, prCCNone);
    pv.ModifyColumn("a", Variant::missing(), 1500);
    const auto& a = *pv.Report().ReportCols.Item("A");
    EXPECT_EQ(std::to_string(a.ColWidth) + a.Title + std::to_string(a.ColSpaceLeft) + a.Fmt.toString(), "1500A102");
    EXPECT_EQ(errorOf([&] { pv.ModifyColumn("b", "B"); })->number(), 381);

    // Arrays of collections: a value that cannot be formatted shows in its cell, the report
    // ends, and then the error is raised.
    pv.ClearFrame();
    pv.CurrentY(0);
    std::vector<std::shared_ptr<FastCollection>> rows;
    for (const Variant& v : {Variant(0.125), Variant("many")}) {
        rows.push_back(std::make_shared<FastCollection>());
        rows.back()->Add(v, "a");
    }
    EXPECT_THAT(errorOf([&] { pv.ArrayReport(rows); }), IsError(13, "FormatEntry", "Error in Format"));
    EXPECT_NE(cells(pv).find("12" + mark + "50%@"), std::string::npos) << cells(pv);
    EXPECT_NE(cells(pv).find("Error in format@"), std::string::npos);

    // A grid's model: columns from its headers when the report has none.
    pv.NewReport();
    pv.ClearFrame();
    pv.CurrentX(0), pv.CurrentY(0);
    QStandardItemModel grid(2, 2);
    grid.setHorizontalHeaderLabels({"Name", ""});
    grid.setItem(0, 0, new QStandardItem("alpha"));
    grid.setItem(1, 1, new QStandardItem("beta"));
    pv.GridReport(grid);
    EXPECT_TRUE(std::regex_search(cells(pv), std::regex("^Name@150 Col 2@[0-9]+ \\[1\\] alpha@150 beta@")))
        << cells(pv);
    testing::internal::CaptureStderr();
    pv.ModifyReport("nowhere");
    pv.GridReport(grid);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Kalder: Kalder error in GridPreview GroupCol \"nowhere\" is no column\n");
}

}  // namespace
}  // namespace kalder::test
