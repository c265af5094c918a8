// A database report: an SQLite file of sales made here, reported by region with a total per
// region and a grand total, the header on every page. Usage: report OUT.pdf
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <iostream>

#include "kalder/Preview.h"
#include "kalder/Report.h"
#include "kalder/SqlRecordset.h"

namespace {

void makeDatabase(const QString& file) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "example");
    db.setDatabaseName(file);
    db.open();
    QSqlQuery q(db);
    q.exec("CREATE TABLE sales(region TEXT, city TEXT, month TEXT, units INTEGER, revenue REAL)");
    const char* regions[] = {"North", "South", "East", "West"};
    const char* cities[] = {"Aberdeen", "Bristol", "Cardiff", "Dover", "Exeter", "Falmouth"};
    q.prepare("INSERT INTO sales VALUES(?, ?, ?, ?, ?)");
    for (int i = 0; i < 240; ++i) {
        const int units = 20 + i * 37 % 180;
        q.addBindValue(regions[i % 4]);
        q.addBindValue(cities[i % 6]);
        q.addBindValue(QString("2026-%1").arg(i % 12 + 1, 2, 10, QChar('0')));
        q.addBindValue(units);
        q.addBindValue(units * (12.5 + i % 7));
        q.exec();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: report OUT.pdf\n";
        return 2;
    }
    // Qt loads its database drivers through the application, and the report's fonts need a
    // GUI one (the library makes one itself when the program has none).
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    makeDatabase(dir.filePath("sales.db"));
    QSqlDatabase::removeDatabase("example");
    using namespace kalder;
    try {
        Preview pv;
        pv.AddFirstPage("2 cm", "2 cm", "2 cm", "2 cm", 0, "1 cm", prPSA4);
        pv.CurrentFrame("footer");
        pv.FontName("Arial"), pv.FontSize(8), pv.FontBold(false), pv.FontUnderline(false);
        pv.AddPageNumberAt("Page ??", pv.FrameWidth(), 0, true, prALRight);
        pv.CurrentFrame("inside");
        pv.FontName("Arial"), pv.FontSize(14), pv.FontBold(true), pv.FontUnderline(false);
        pv.AddTextAt("Sales by region, 2026");
        pv.FontSize(10), pv.FontBold(false);
        pv.CurrentY(pv.CurrentY() + 200);
        pv.NewColumn("region", "", 0, 0, 0, 0, prCALeft, "", prFMGeneral, prCCNone);  // heads its groups
        pv.NewColumn("city", "City", 2600, 100, 100, 0, prCALeft, "", prFMGeneral, prCCCount);
        pv.NewColumn("month", "Month", 1400, 100, 100, 0, prCALeft, "", prFMGeneral, prCCNone);
        pv.NewColumn("units", "Units", 1200, 100, 100, 0, prCARight, 0, prFMNumber, prCCSum);
        pv.NewColumn("revenue", "Revenue", 2000, 100, 100, 300, prCADecimal, 2, prFMNumber, prCCSum);
        pv.ModifyReport("region", true, true, false, true, false);
        auto rows = SqlRecordset::open(dir.filePath("sales.db").toStdString(),
                                       "SELECT * FROM sales ORDER BY region, month, city");
        pv.RecordsetReport(*rows);
        pv.ExportPDF(argv[1]);
    } catch (const AutomationError& e) {
        std::cerr << "report: error " << e.number() << " (" << e.source() << "): " << e.description() << '\n';
        return 1;
    }
    return 0;
}
