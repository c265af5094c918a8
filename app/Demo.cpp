#include "Demo.h"

#include <QColor>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/QtRuntime.h"
#include "kalder/Preview.h"
#include "kalder/SqlRecordset.h"

namespace kalder::app {

namespace {

// Page 1: text lines, page numbers in the header and footer, a bordered frame.
void textPage(Preview& pv) {
    pv.CurrentFrame("header");
    pv.FontName("Arial");
    pv.FontSize(9);
    pv.FontUnderline(false);
    pv.FontBold(false);
    pv.AddTextAt("Kalder demo", 0, 0, prALLeft, prASNone);
    pv.AddPageNumberAt("Page ?? of the demo", pv.FrameWidth(), 0, true, prALRight);

    pv.CurrentFrame("inside");
    pv.ApplyStyle("Title");
    pv.AddTextAt("Documents from code");
    pv.ApplyStyle("Body");
    for (const char* line : {"Pages, frames and text lines placed in twips or in units:",
                             "\"1 in\", \"25 mm\", \"2.5 cm\", \"12 pt\".",
                             "Every line steps down by the leading of its style."})
        pv.AddTextAt(line);
    pv.ForeColor(0x0000C0);
    pv.AddTextAt("Right aligned, in red", pv.PageInsideWidth(), Variant::missing(), prALRight);
    pv.ForeColor(0);
    pv.AddTextAt("Centred", pv.PageInsideWidth() / 2, Variant::missing(), prALCenter);

    pv.AddFrame("summary", "1 in", "4 in", "6.27 in", "1.5 in");
    pv.ShowBorder(true);
    pv.BorderColor(0x808080);
    pv.ApplyStyle("Body");
    pv.AddTextAt("A frame with a border; its contents count from its top-left corner.", "0.1 in", "0.1 in");
    pv.Watermark("DRAFT");
}

// Page 2 (landscape A5): every kind of shape, symbol and arrow.
void shapesPage(Preview& pv) {
    pv.AddPage("15 mm", "15 mm", "15 mm", "15 mm", Variant::missing(), Variant::missing(), prPSA5);
    pv.Orientation(prORLandscape);
    pv.FontUnderline(false);
    pv.FontSize(10);
    pv.AddTextAt("Shapes, symbols and arrows", 0, 0, prALLeft, prASNone);
    pv.DrawWidth(20);
    pv.LineColor(0x804000);
    pv.DrawLine("0 cm", "1 cm", "4 cm", "2 cm");
    pv.DrawLine("5 cm", "1 cm", "9 cm", "3 cm", prLBBox);
    pv.FillStyle(0);
    pv.FillColor(0xE0E0FF);
    pv.DrawLine("10 cm", "1 cm", "14 cm", "3 cm", prLBBoxFill);
    pv.FillColor(0xC0FFC0);
    pv.DrawCircle("2 cm", "5.5 cm", "1.5 cm");
    pv.DrawEllipse("7 cm", "5.5 cm", "2 cm", "1 cm");
    pv.FillStyle(1);
    pv.DrawArc("12 cm", "5.5 cm", "1.5 cm", 0.0f, 3.1415926f, 1.0f);
    pv.FillStyle(0);
    pv.FillColor(0xFFE0C0);
    pv.DrawRoundRect("0 cm", "8 cm", "4 cm", "10 cm", "0.5 cm");
    pv.DrawPolygon({{2835, 4536}, {4536, 5670}, {3969, 4252}, {5103, 4536}});
    pv.DrawPSet("15 cm", "8 cm");
    pv.DrawSymbol("internal", "box", false, "11 cm", "9 cm", "0.6 cm");
    pv.DrawSymbol("internal", "checkbox", true, "12 cm", "9 cm", "0.6 cm");
    pv.DrawSymbol("internal", "radio", true, "13 cm", "9 cm", "0.6 cm");
    pv.DrawSymbol("DejaVu Sans", "\xE2\x9C\x88", Variant(), "14.5 cm", "9 cm", "0.8 cm");
    pv.DrawArrow(prARAngle, "0.4 cm", prARSharp, "0.5 cm", "0 cm", "11.5 cm", "9 cm", "11.5 cm");
}

// Pages 4 and on: a long justified text poured page after page through ParaText, which hands
// back what did not fit, prefixed so that it goes on with the same formatting.
void flowingText(Preview& pv) {
    static const char* const words[] = {"ledger", "account", "balance", "report", "quarter", "invoice", "payment",
                                        "revenue", "summary", "amount", "the", "of", "and", "a", "for", "with"};
    std::string text = "<ju><fs 11>";
    std::uint64_t seed = 20240601;
    for (int paragraph = 0; paragraph < 24; ++paragraph) {
        text += "Section " + std::to_string(paragraph + 1) + ". ";
        for (int w = 0; w < 140; ++w) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;  // a fixed sequence of words
            text += words[(seed >> 33) % (sizeof words / sizeof *words)];
            text += (w % 17 == 16) ? ". " : " ";
        }
        text += "\r\n";
    }
    pv.AddPage("1 in", "1 in", "1 in", "1 in");
    pv.FontName("Times New Roman");
    pv.FontUnderline(false);
    pv.FontBold(false);
    while (!text.empty()) {
        const std::string before = text;
        pv.ParaText(text);
        if (text.empty() || text == before) break;  // done, or a page too small for one line
        pv.AddPage("1 in", "1 in", "1 in", "1 in");
    }
}

// One barcode of every kind, bars of 0.5 mm modules (six dots at 300 dpi, enough for any
// scanner), and a picture made in memory.
void barcodePage(Preview& pv) {
    pv.AddPage("1 in", "1 in", "1 in", "1 in");
    pv.ApplyStyle("Body");
    pv.AddTextAt("Barcodes of every kind, and a picture.");
    constexpr std::int32_t kModule = 28;  // twips, about 0.5 mm
    pv.DrawWidth(kModule);
    struct Code { std::int32_t type; const char* data; bool check; };
    const Code codes[] = {{prEAN13, "400638133393", false}, {prEAN8, "9638507", false},
                          {prUPCA, "03600029145", false},   {prUPCE, "0123456", false},
                          {prCode39, "KALDER-26", false},  {prCodaBar, "A40156B", false},
                          {prITF, "12345670", false},        {prCode128, "Kalder 128", false},
                          {prPostNet, "12345", false}};
    std::int32_t y = 700;
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        const Code& c = codes[i];
        const std::int32_t x = i % 2 ? 5200 : 0;
        const std::int32_t width = pv.BarCodeModules(c.data, c.type, c.check) * kModule;
        pv.AddBarCode(c.data, c.type, x, y, width, c.type == prPostNet ? 360 : 1100, c.check);
        if (i % 2 || i + 1 == std::size(codes)) y += 1800;
    }
    const std::int32_t side = pv.BarCodeModules("https://kalder.example/demo", prQRCode) * kModule;
    pv.AddBarCode("https://kalder.example/demo", prQRCode, 5200, y, side, side);

    QImage logo(240, 120, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int py = 0; py < logo.height(); ++py)
        for (int px = 0; px < logo.width(); ++px)
            if ((px - 60) * (px - 60) + (py - 60) * (py - 60) < 55 * 55 || (px > 130 && py > 20 && py < 100))
                logo.setPixelColor(px, py, QColor::fromHsv(px * 300 / logo.width(), 200, 220));
    pv.DrawPictureMemory(logo, 0, y, "2 in", "1 in");
}

// A column report from an SQLite database made here: sales grouped by region, a total per
// region and a grand total, the header repeated on the next page.
void reportPage(Preview& pv) {
    ensureGuiApplication();  // Qt loads its database drivers through the application
    QTemporaryDir dir;
    const QString file = dir.filePath("sales.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "kalder-demo");
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.exec("CREATE TABLE sales(region TEXT, city TEXT, month TEXT, units INTEGER, revenue REAL)");
        const char* regions[] = {"North", "South", "East", "West"};
        const char* cities[] = {"Aberdeen", "Bristol", "Cardiff", "Dover", "Exeter", "Falmouth"};
        for (int i = 0; i < 96; ++i)
            q.exec(QString("INSERT INTO sales VALUES('%1', '%2', '2026-%3', %4, %5)")
                       .arg(regions[i % 4], cities[i % 6], QString::number(i % 12 + 1).rightJustified(2, '0'))
                       .arg(20 + i * 37 % 180)
                       .arg((20 + i * 37 % 180) * (12.5 + i % 7), 0, 'f', 2));
    }
    QSqlDatabase::removeDatabase("kalder-demo");
    pv.AddPage("1 in", "1 in", "1 in", "1 in");
    pv.FontName("Arial"), pv.FontSize(14), pv.FontBold(true), pv.FontUnderline(false);
    pv.AddTextAt("Sales by region, from an SQLite database");
    pv.FontSize(10), pv.FontBold(false);
    pv.CurrentY(pv.CurrentY() + 200);
    pv.NewReport();
    pv.NewColumn("region", "", 0, 0, 0, 0, prCALeft, "", prFMGeneral, prCCNone);
    pv.NewColumn("city", "City", 2200, 100, 100, 0, prCALeft, "", prFMGeneral, prCCNone);
    pv.NewColumn("month", "Month", 1200, 100, 100, 0, prCALeft, "", prFMGeneral, prCCNone);
    pv.NewColumn("units", "Units", 1000, 100, 100, 0, prCARight, 0, prFMNumber, prCCSum);
    pv.NewColumn("revenue", "Revenue", 1800, 100, 100, 300, prCADecimal, 2, prFMNumber, prCCSum);
    pv.ModifyReport("region", true, true, false, true, false);
    auto rows = SqlRecordset::open(file.toStdString(), "SELECT * FROM sales ORDER BY region, month, city");
    pv.RecordsetReport(*rows);
}

}  // namespace

void buildDemo(Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "0.75 in", "0.75 in", "0.5 in", "0.5 in", prPSA4);
    pv.DocInfoSet("Title", "Kalder demo");
    pv.DocInfoSet("Author", "Kalder");
    pv.AddStyle("Title", "Arial", 24, true, false, false, 0x800000);
    pv.AddStyle("Body", "Times New Roman", "11 pt");
    pv.ModifyStyle("Body", "Leading", prLTPercent);
    pv.ModifyStyle("Body", "Val", 120);

    textPage(pv);
    shapesPage(pv);

    // Page 3: a copy of page 1's layout (header, footer and the summary frame come along).
    pv.AddPageTemplate("Page 1");
    pv.ApplyStyle("Body");
    pv.AddTextAt("A page made from page 1 as a template.");

    flowingText(pv);
    barcodePage(pv);
    reportPage(pv);
}

}  // namespace kalder::app
