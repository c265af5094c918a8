#!/usr/bin/env python3
"""A letter poured from an RTF file (letter.rtf) over as many pages as it needs.
    python3 letter.py OUT.pdf"""
import pathlib
import sys

import kalder

HERE = pathlib.Path(__file__).resolve().parent

pv = kalder.Preview()
pv.AddFirstPage("2.5 cm", "2.5 cm", "2 cm", "2 cm", "0 cm", "0 cm", kalder.prPSA4)
pv.DocInfoSet("Title", "Your order of 28 November")
pv.DrawPicture(str(HERE / "logo.png"), kalder.prSTInternal, pv.FrameWidth - pv.C_Twips("3 cm"), 0, "3 cm", "1.5 cm")
# The letter's own formatting starts from plain text, not from the page's heading style.
pv.FontBold, pv.FontUnderline = False, False
pv.ShowRTF(str(HERE / "letter.rtf"))
pv.ExportPDF(sys.argv[1] if len(sys.argv) > 1 else "letter.pdf")
