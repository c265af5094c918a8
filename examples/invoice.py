#!/usr/bin/env python3
"""An invoice: logo, address block, the lines from invoice.csv as a column report with a
total, a summary with VAT through Tabulate, an EAN-13 barcode and "Page X of Y" on every page.
    python3 invoice.py OUT.pdf"""
import csv
import decimal
import pathlib
import sys

import kalder

HERE = pathlib.Path(__file__).resolve().parent
VAT = decimal.Decimal("0.20")

pv = kalder.Preview()
pv.AddFirstPage("2 cm", "2 cm", "1.5 cm", "1.5 cm", "0 cm", "1 cm", kalder.prPSA4)
pv.DocInfoSet("Title", "Invoice 2026-0117")

# Letterhead: the logo on the left, the sender on the right.
pv.DrawPicture(str(HERE / "logo.png"), kalder.prSTInternal, 0, 0, "3 cm", "1.5 cm")
pv.FontName, pv.FontSize, pv.FontBold, pv.FontUnderline = "Arial", 16, True, False
pv.AddTextAt("Northwind Office Supply", "8 cm", 0)
pv.FontSize, pv.FontBold = 9, False
for line in ("12 Harbour Road", "Bristol BS1 4QA", "VAT GB 123 4567 89"):
    pv.AddTextAt(line, "8 cm")

# The customer's address and the invoice's own details.
pv.FontSize = 10
pv.CurrentY = pv.C_Twips("3.5 cm")
for line in ("Bill to:", "Ms Ada Fernsby", "Fernsby & Daughters Ltd", "4 Mill Lane", "York YO1 7HH"):
    pv.AddTextAt(line, 0)
pv.CurrentY = pv.C_Twips("3.5 cm")
for line in ("Invoice 2026-0117", "Date: 6 December 2026", "Due: 5 January 2027"):
    pv.AddTextAt(line, "11 cm")
pv.FontBold = True
pv.FontSize = 14
pv.AddTextAt("Invoice", 0, "6.5 cm")
pv.FontSize, pv.FontBold = 9, False

# The lines: amounts in decimal, so that the total is exact; the report adds them up again.
with open(HERE / "invoice.csv", newline="") as f:
    lines = list(csv.DictReader(f, delimiter=";"))
rows, net = [], decimal.Decimal(0)
for line in lines:
    amount = int(line["quantity"]) * decimal.Decimal(line["unit_price"])
    net += amount
    rows.append({"sku": line["sku"], "description": line["description"], "quantity": int(line["quantity"]),
                 "price": float(line["unit_price"]), "amount": float(amount)})
two_digits = [2, True, False, False]
pv.NewColumn("sku", "Item", 800, 0, 100, 0, kalder.prCALeft, "", kalder.prFMGeneral, kalder.prCCNone)
pv.NewColumn("description", "Description", 3600, 100, 100, 0, kalder.prCALeft, "", kalder.prFMGeneral,
             kalder.prCCNone)
pv.NewColumn("quantity", "Qty", 600, 100, 100, 0, kalder.prCARight, "", kalder.prFMGeneral, kalder.prCCSum)
pv.NewColumn("price", "Unit price", 1200, 100, 100, 300, kalder.prCADecimal, two_digits, kalder.prFMNumber,
             kalder.prCCNone)
pv.NewColumn("amount", "Amount", 1400, 100, 0, 300, kalder.prCADecimal, two_digits, kalder.prFMNumber,
             kalder.prCCSum)
pv.ModifyReport(LineBeforeCalc=True, ShowHorizontalLines=True)
pv.ArrayReport(rows, kalder.prASInside)

# The summary under the table, right-aligned on the amount column.
vat = (net * VAT).quantize(decimal.Decimal("0.01"), decimal.ROUND_HALF_EVEN)
defs = ["l 4600;1800", "r 6600;1400"]
pv.CurrentY = pv.CurrentY + 200
for label, value in (("Net", net), ("VAT 20 %", vat), ("Total due", net + vat)):
    pv.FontBold = label == "Total due"
    pv.Tabulate([label, f"{value:,.2f}"], defs, etsStep=kalder.prASInside)

# The payment reference as an EAN-13 symbol below the summary (12 digits; the symbol adds the
# check digit), its bars a whole number of modules wide.
pv.FontBold = False
pv.CurrentY = pv.CurrentY + 300
pv.AddTextAt("Payment reference", 0)
modules = pv.BarCodeModules("501234567890", kalder.prEAN13)
pv.DrawWidth = 20
pv.AddBarCode("501234567890", kalder.prEAN13, 0, None, modules * 20, "1.5 cm")

# "Page X of Y" in the footer of every page, now that the count is known. Pages the report
# added have no footer yet: giving them a footer size makes one.
total = pv.TotalPages
for n in range(1, total + 1):
    pv.CurrentPage = f"Page {n}"
    if pv.PageFooterSize == 0:
        pv.PageFooterSize = "1 cm"
    pv.CurrentFrame = "footer"
    pv.FontName, pv.FontSize, pv.FontBold, pv.FontUnderline = "Arial", 9, False, False
    pv.AddTextAt(f"Page {n} of {total}", pv.FrameWidth, 0, kalder.prALRight, kalder.prASNone)

pv.ExportPDF(sys.argv[1] if len(sys.argv) > 1 else "invoice.pdf")
