# Column reports from Python: an SQLite ledger made with sqlite3, totals read back by pdftotext
# against the sums of the decimal module; rows as dicts and collections; a Python recordset.
import decimal
import re
import sqlite3

import kalder
from conftest import pdf_text

AMOUNTS = [decimal.Decimal(f"{(i * 7919) % 100000 / 100:.2f}") for i in range(1, 61)]


def ledger(tmp_path):
    db = tmp_path / "ledger.db"
    with sqlite3.connect(db) as con:
        con.execute("CREATE TABLE ledger(id INTEGER, region TEXT, amount NUMERIC(10, 2))")
        con.executemany("INSERT INTO ledger VALUES (?, ?, ?)",
                        [(i, "East" if i <= 35 else "North", str(a)) for i, a in enumerate(AMOUNTS, 1)])
    return str(db)


def columns(pv):
    pv.NewColumn("id", "Id", 700, 0, 100, 0, kalder.prCARight, "", kalder.prFMGeneral, kalder.prCCCount)
    pv.NewColumn("region", "Region", 1200, 100, 100, 0, kalder.prCALeft, "", kalder.prFMGeneral, kalder.prCCNone)
    pv.NewColumn("amount", "Amount", 1500, 100, 0, 300, kalder.prCADecimal, [2, True, False, False],
                 kalder.prFMNumber, kalder.prCCSum)


def total(text, label):
    return decimal.Decimal(re.search(label + r" +([\d,]+\.\d\d)", text).group(1).replace(",", ""))


def test_a_recordset_report_totals_what_decimal_sums(tmp_path):
    pv = kalder.Preview()
    columns(pv)
    pv.ModifyReport(GroupCol="region", LineBeforeCalc=True)
    pv.RecordsetReport(kalder.SqlRecordset(ledger(tmp_path), "SELECT * FROM ledger ORDER BY region, id"))
    pv.ExportPDF(str(tmp_path / "ledger.pdf"))
    text = pdf_text(tmp_path / "ledger.pdf")
    assert total(text, "Total East") == sum(AMOUNTS[:35])
    assert total(text, "Total North") == sum(AMOUNTS[35:])
    assert total(text, "Grand total") == sum(AMOUNTS)
    assert pv.Report.ReportCols.Count == 3 and pv.Report.ReportCols["amount"].CalcType == kalder.prCCSum


def test_rows_from_dicts_collections_and_a_python_recordset_give_the_same_totals(tmp_path):
    class Rows(kalder.Recordset):
        def __init__(self):
            super().__init__()
            self.at = 0
        def fields(self): return [("id", 3), ("region", 202), ("amount", 5)]
        def moveFirst(self): self.at = 0
        def moveNext(self): self.at += 1
        def atEnd(self): return self.at >= len(AMOUNTS)
        def value(self, index): return [self.at + 1, "East", float(AMOUNTS[self.at])][index]

    rows = [{"id": i, "region": "East", "amount": float(a)} for i, a in enumerate(AMOUNTS, 1)]
    texts = []
    for feed in (lambda pv: pv.ArrayReport(rows), lambda pv: pv.ArrayReport(map(kalder.FastCollection, rows)),
                 lambda pv: pv.RecordsetReport(Rows())):
        pv = kalder.Preview()
        columns(pv)
        feed(pv)
        pv.ExportPDF(str(tmp_path / "rows.pdf"))
        texts.append(pdf_text(tmp_path / "rows.pdf"))
        assert total(texts[-1], "Grand total") == sum(AMOUNTS)
    assert texts[0] == texts[1] == texts[2]
