#!/usr/bin/env python3
"""A database report: makes an SQLite file of sales (sales.db, beside the PDF), then prints
them grouped by region with sums and averages.
    python3 report.py OUT.pdf"""
import pathlib
import sqlite3
import sys

import kalder

out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "report.pdf").resolve()
db = out.with_name("sales.db")

# Twelve months of sales in four regions; the figures follow a fixed rule, so every run gives
# the same report.
db.unlink(missing_ok=True)
with sqlite3.connect(db) as con:
    con.execute("CREATE TABLE sales(region TEXT, month TEXT, orders INTEGER, revenue NUMERIC(12, 2))")
    rows = []
    for r, region in enumerate(("East", "North", "South", "West")):
        for m in range(1, 13):
            orders = 40 + (r * 17 + m * 23) % 61
            rows.append((region, f"2026-{m:02d}", orders, round(orders * (18.5 + (r * 7 + m * 3) % 11), 2)))
    con.executemany("INSERT INTO sales VALUES (?, ?, ?, ?)", rows)
con.close()

pv = kalder.Preview()
pv.AddFirstPage("2 cm", "2 cm", "1.5 cm", "1.5 cm", "1.2 cm", "0 cm", kalder.prPSA4)
pv.CurrentFrame = "header"
pv.FontName, pv.FontSize, pv.FontBold, pv.FontUnderline = "Arial", 14, True, False
pv.AddTextAt("Sales by region, 2026")
pv.CurrentFrame = "inside"
pv.FontName, pv.FontSize, pv.FontBold, pv.FontUnderline = "Arial", 9, False, False

two_digits = [2, True, False, False]
pv.NewColumn("region", "", 0, 0, 0, 0, kalder.prCALeft, "", kalder.prFMGeneral, kalder.prCCNone)
pv.NewColumn("month", "Month", 1400, 0, 100, 0, kalder.prCALeft, "", kalder.prFMGeneral, kalder.prCCNone)
pv.NewColumn("orders", "Orders", 1100, 100, 100, 0, kalder.prCARight, "", kalder.prFMGeneral, kalder.prCCSum)
pv.NewColumn("average", "Per order", 1300, 100, 100, 300, kalder.prCADecimal, two_digits, kalder.prFMNumber,
             kalder.prCCAverage)
pv.NewColumn("revenue", "Revenue", 1800, 100, 100, 300, kalder.prCADecimal, two_digits, kalder.prFMNumber,
             kalder.prCCSum)
pv.ModifyReport(GroupCol="region", LineAroundReport=True, LineBeforeCalc=True, ShowHorizontalLines=True)
sales = kalder.SqlRecordset(str(db), "SELECT region, month, orders, round(revenue / orders, 2) AS average, "
                                    "revenue FROM sales ORDER BY region, month")
pv.RecordsetReport(sales, etsStep=kalder.prASInside)
pv.ExportPDF(str(out))
