// An invoice: a logo, the sender and the address block, a table of items with their total,
// VAT and the amount due, a QR code carrying the payment reference, and "Page n/N" in the
// footer. Usage: invoice OUT.pdf
#include <QColor>
#include <QImage>
#include <cstdio>
#include <iostream>

#include "kalder/Preview.h"
#include "kalder/Report.h"

namespace {

QImage logo() {
    QImage image(360, 120, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((x - 60) * (x - 60) + (y - 60) * (y - 60) < 55 * 55 || (x > 130 && y > 35 && y < 85))
                image.setPixelColor(x, y, QColor::fromHsv(200 + x / 6, 180, 200));
    return image;
}

std::shared_ptr<kalder::FastCollection> item(const char* what, int quantity, double price) {
    auto row = std::make_shared<kalder::FastCollection>();
    row->Add(what, "item");
    row->Add(quantity, "quantity");
    row->Add(price, "price");
    row->Add(quantity * price, "amount");
    return row;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: invoice OUT.pdf\n";
        return 2;
    }
    using namespace kalder;
    try {
        Preview pv;
        pv.AddFirstPage("2 cm", "2 cm", "1.5 cm", "2 cm", "3 cm", "1 cm", prPSA4);
        pv.DocInfoSet("Title", "Invoice 2026-0142");

        // The header: logo and sender; the footer: page n of N.
        pv.CurrentFrame("header");
        pv.DrawPictureMemory(logo(), 0, 0, "3 cm", "1 cm");
        pv.FontName("Arial"), pv.FontSize(9), pv.FontBold(false), pv.FontUnderline(false);
        pv.AddTextAt("Kalder Office Supplies Ltd, 12 Harbour Road, Bristol BS1 4QA", pv.FrameWidth(), 0, prALRight);
        pv.AddTextAt("VAT GB 123 4567 89", pv.FrameWidth(), Variant::missing(), prALRight);
        pv.CurrentFrame("footer");
        pv.FontName("Arial"), pv.FontSize(8), pv.FontBold(false), pv.FontUnderline(false);
        pv.AddPageNumberAt("Page ??", pv.FrameWidth(), 0, true, prALRight);

        pv.CurrentFrame("inside");
        pv.FontName("Arial"), pv.FontSize(10), pv.FontBold(false), pv.FontUnderline(false);
        for (const char* line : {"Harriet Example", "Example Trading GmbH", "Hauptstrasse 5", "10115 Berlin", "Germany"})
            pv.AddTextAt(line);
        pv.FontSize(16), pv.FontBold(true);
        pv.AddTextAt("Invoice 2026-0142", 0, "4 cm");
        pv.FontSize(10), pv.FontBold(false);
        pv.AddTextAt("Date: 6 December 2026    Due: 5 January 2027");
        pv.CurrentY(pv.CurrentY() + 300);

        // The items: a column report over rows held as collections, its total summed.
        pv.NewColumn("item", "Item", 5200, 0, 100, 0, prCALeft, "", prFMGeneral, prCCNone);
        pv.NewColumn("quantity", "Qty", 800, 100, 100, 0, prCARight, 0, prFMNumber, prCCNone);
        pv.NewColumn("price", "Unit price", 1500, 100, 100, 0, prCARight, 2, prFMNumber, prCCNone);
        pv.NewColumn("amount", "Amount", 1600, 100, 0, 0, prCARight, 2, prFMNumber, prCCSum);
        pv.ModifyReport(Variant::missing(), false, true);
        pv.ArrayReport({item("A4 paper, 80 g, box of 2,500 sheets", 4, 21.90), item("Ballpoint pens, blue, 50", 2, 12.50),
                        item("Lever arch files, 10", 3, 18.75), item("Desk organiser, oak", 1, 64.00),
                        item("Toner cartridge, black", 2, 89.90)});

        // VAT and the amount due, right under the total, through Tabulate.
        const double net = 4 * 21.90 + 2 * 12.50 + 3 * 18.75 + 64.00 + 2 * 89.90;
        FastCollection defs;
        defs.Add("r 0;7900"), defs.Add("r 8100;1600");  // under the amount column
        for (auto [label, value] : {std::pair{"VAT 20 %", net * 0.2}, {"Amount due (EUR)", net * 1.2}}) {
            FastCollection values;
            values.Add(label);
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", value);
            values.Add(text);
            pv.Tabulate(values, defs, 0);
        }

        // Payment: the reference as a QR code, and in words.
        char payment[64];
        std::snprintf(payment, sizeof payment, "INV 2026-0142 EUR %.2f", net * 1.2);
        pv.CurrentY(pv.CurrentY() + 500);
        const std::int32_t side = pv.BarCodeModules(payment, prQRCode) * 40;
        pv.AddBarCode(payment, prQRCode, 0, Variant::missing(), side, side);
        pv.AddTextAt("Please pay within 30 days, quoting 2026-0142.", side + 300, pv.CurrentY() - side / 2);
        pv.ExportPDF(argv[1]);
    } catch (const AutomationError& e) {
        std::cerr << "invoice: error " << e.number() << " (" << e.source() << "): " << e.description() << '\n';
        return 1;
    }
    return 0;
}
