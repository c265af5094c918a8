# A document built from Python, judged by qpdf, pdftotext, pdfinfo and xmllint.
import gc
import weakref

import pytest

import kalder
from conftest import pdf_text, png, run


def build(pv, tmp_path):
    pv.AddStyle("Title", "Arial", 18, Bold=True)
    pv.ApplyStyle("Title")
    pv.AddTextAt("Quarterly statement", "1 in", 1440)
    pv.FontBold = False
    pv.FontSize = "10 pt"
    pv.AddTextAt("Second line")
    pv.DrawLine("1 in", "2 in", "7 in", "2 in")
    pv.DrawPolygon([(1440, 4000), (2880, 4000), (2160, 5000)])
    (tmp_path / "logo.png").write_bytes(png())
    pv.DrawPicture(str(tmp_path / "logo.png"), kalder.prSTInternal, "6 in", "1 in", "1 in", "0.75 in")
    pv.DrawPictureMemory(png(8, 8, (0, 0, 200)), 1440, 6000)
    pv.DrawWidth = 20
    pv.AddBarCode("590123412345", kalder.prEAN13, "1 in", "5 in", 95 * 20)
    pv.AddPage()
    pv.AddTextAt("Page two")
    pv.AddPageNumberAt("Page ??", 1440, 9000, MaxPages=True)


def test_a_document_exports_to_every_file_kind(tmp_path):
    pv = kalder.Preview()
    build(pv, tmp_path)
    assert pv.TotalPages == 2
    pv.ExportPDF(str(tmp_path / "d.pdf"))
    text = pdf_text(tmp_path / "d.pdf")
    assert "Quarterly statement" in text and "Page two" in text and "Page 2/2" in text
    assert "Pages:           2" in run("pdfinfo", str(tmp_path / "d.pdf"))
    run("pdftoppm", "-r", "150", "-f", "1", "-l", "1", "-png", str(tmp_path / "d.pdf"), str(tmp_path / "p"))
    assert run("zbarimg", "-q", str(next(tmp_path.glob("p*.png")))).strip() == "EAN-13:5901234123457"
    pv.ExportRTF(str(tmp_path / "d.rtf"))
    assert "Rich Text Format" in run("file", "-b", str(tmp_path / "d.rtf"))
    pv.ExportHTML(str(tmp_path / "html"))
    assert "Page two" in "".join(p.read_text() for p in (tmp_path / "html").iterdir() if p.suffix in (".htm", ".html"))
    pv.ExportText(str(tmp_path / "d.txt"))
    assert "Second line" in (tmp_path / "d.txt").read_text()
    pv.SaveXML(str(tmp_path / "d.xml"))
    run("xmllint", "--noout", str(tmp_path / "d.xml"))
    again = kalder.Preview()
    again.LoadXMLFromFile(str(tmp_path / "d.xml"))
    assert again.TotalPages == 2


@pytest.mark.parametrize("output, name", [(kalder.prOTPDFFile, "e.pdf"), (kalder.prOTTextFile, "e.txt")])
def test_end_document_writes_the_file_and_starts_a_new_document(tmp_path, output, name):
    pv = kalder.Preview()
    pv.AddTextAt("Ended")
    pv.OutputFile = str(tmp_path / name)
    pv.EndDocument(output)
    assert "Ended" in (pdf_text(tmp_path / name) if name.endswith(".pdf") else (tmp_path / name).read_text())
    assert "Ended" not in pv.SaveXMLString()


def test_measures_as_str_or_number_and_defaults_give_the_same_document():
    by_text, by_number = kalder.Preview(), kalder.Preview()
    by_text.AddTextAt("x", "1 in", "25.4 mm")
    by_text.AddBarCode("12345670", kalder.prEAN8)
    by_number.AddTextAt("x", 1440, 1440.0, kalder.prALLeft, kalder.prASLine)
    by_number.AddBarCode("12345670", kalder.prEAN8, None, None, None, None, False, kalder.prQRLevelM)
    assert by_text.SaveXMLString() == by_number.SaveXMLString()
    by_text.FrameLeft = "0.5 in"
    assert by_text.FrameLeft == 720 and by_text.C_Twips("12 pt") == 240


def test_real_failures_raise_automation_errors_with_their_numbers(tmp_path):
    pv = kalder.Preview()
    cases = [(lambda: pv.C_Twips("3 furlongs"), 1000, "CTwips"),
             (lambda: pv.DrawPicture(str(tmp_path / "gone.png"), kalder.prSTInternal, 0, 0), 53, None),
             (lambda: pv.DrawPictureMemory(b"no picture", 0, 0), 481, "DrawPictureMemory"),
             (lambda: pv.LoadXMLFromFile(str(tmp_path / "gone.xml")), -98, "Kalder")]
    for call, number, source in cases:
        with pytest.raises(kalder.AutomationError) as caught:
            call()
        assert caught.value.number == number and str(caught.value) == caught.value.description
        assert source is None or caught.value.source == source
    assert "gone.png" in str(pytest.raises(kalder.AutomationError, cases[1][0]).value)


def test_an_exception_in_an_event_callback_surfaces_and_the_preview_stays_usable(tmp_path):
    pv = kalder.Preview()
    calls = []
    def fail():
        calls.append("complete")
        raise RuntimeError("callback failed")
    pv.onPrintComplete = fail
    pv.AddTextAt("First")
    pv.OutputFile = str(tmp_path / "first.pdf")
    with pytest.raises(RuntimeError, match="callback failed"):
        pv.EndDocument(kalder.prOTPDFFile)
    assert "First" in pdf_text(tmp_path / "first.pdf") and calls == ["complete"]
    pv.onPrintComplete = None
    pv.onCustomButtonClick = lambda: calls.append("button")
    pv.GenerateCustomButton()
    pv.AddTextAt("Second")
    pv.ExportPDF(str(tmp_path / "second.pdf"))
    assert "Second" in pdf_text(tmp_path / "second.pdf") and calls[-1] == "button"
    with pytest.raises(TypeError):
        pv.onPrintCancel = 42


def test_progress_counts_pages_and_stops_an_export_keeping_the_earlier_file(tmp_path):
    pv = kalder.Preview()
    build(pv, tmp_path)
    seen = []
    pv.onProgress = lambda done, total: seen.append((done, total))
    pv.ExportPDF(str(tmp_path / "out.pdf"))
    before = (tmp_path / "out.pdf").read_bytes()
    assert seen == [(1, 2), (2, 2)]
    pv.onProgress = lambda done, total: True
    with pytest.raises(kalder.AutomationError) as stopped:
        pv.ExportPDF(str(tmp_path / "out.pdf"))
    assert (stopped.value.number, stopped.value.description) == (18, "User interrupt occurred")
    def fail(done, total):
        raise ValueError("no more")
    pv.onProgress = fail
    with pytest.raises(ValueError, match="no more"):
        pv.ExportPDF(str(tmp_path / "out.pdf"))
    assert (tmp_path / "out.pdf").read_bytes() == before
    assert sorted(p.name for p in tmp_path.iterdir()) == ["logo.png", "out.pdf"]


def test_fast_collection_is_a_mapping_and_a_sequence():
    c = kalder.FastCollection()
    c.Add(10, "a")
    c.Add("x", "b")
    c.Add(2.5, "first", before=1)
    assert (len(c), c.Count, list(c)) == (3, 3, [2.5, 10, "x"])
    assert c[1] == 2.5 and c["A"] == 10 and c.Item("b") == "x" and "a" in c and "z" not in c
    with pytest.raises(kalder.AutomationError) as caught:
        c.Add(1, "a")
    assert caught.value.number == 457
    with pytest.raises(kalder.AutomationError, match="") as caught:
        c[1] = 5
    assert caught.value.number == 383
    c.AllowUpdates = True
    c["a"] = 11
    c.Remove("first")
    del c[1]
    assert list(c) == ["x"] and c.Keys() == ["b"]
    assert list(kalder.FastCollection({"k": None, "n": 1})) == [None, 1]
    assert kalder.Preview().Substitution("%who% owes %sum%", {"who": "Ann", "sum": 3}) == "Ann owes 3"


def test_a_preview_held_by_its_own_callback_is_collected():
    pv = kalder.Preview()
    pv.onPrintComplete = lambda: pv.KillDoc()
    gone = weakref.ref(pv)
    del pv
    gc.collect()
    assert gone() is None
