// Output dispatch: every destination, the -69 errors, what is reset and which events are raised,
// and the settings a new Preview starts with.
#include "document/cDocument.h"
#include "print/OutputSettings.h"
#include "support/Printing.h"
#include "viewer/WindowSettings.h"

using namespace kalder;
using namespace kalder::test;
namespace fs = std::filesystem;

namespace {

// A three-page document whose Copies are reset along with it.
struct Counted : CountedPreview {
    Counted() { pv.AddTextAt("first page"), pv.AddPage(), pv.AddPage(), pv.Copies(3); }
    std::string state() const { return joined(pv.TotalPages(), pv.Copies(), complete); }  // "1|1|1|" once reset
};

TEST(EndDocument, NewPreviewSettingsAndThePaperOfAPage) {
    Preview pv;
    EXPECT_EQ(joined(pv.Output(), pv.OutputFile(), pv.OutputFileType(), pv.SetPrintToFile(), pv.PrintQuality(),
                     pv.ColorMode(), pv.AllowPrinterDialog(), pv.DirectPrinting(), pv.QuitAfterPrint(),
                     pv.PrintJobTitle(), pv.PDFCompression(), pv.Copies(), pv.Collate(), pv.PagesOpt(), pv.OddEven(),
                     pv.OrientOpt(), pv.PageRange(), pv.PrinterName(), pv.PaperBin(), pv.PaperSize(),
                     pv.ShowPrintToFile(), pv.ShowPrintOrientation(), pv.ShowPrintOrientationAsPreview(),
                     pv.ShowPaperSizeSelection(), pv.ShowPrinterSetup(), pv.ShowExportList()),
              joined(prOTDefault, "", 255, false, prPQMedium, prCMColor, true, false, false, "", 99, 1, true, prPOAll,
                     prOEBoth, prOOAsIs, "", "", prBNAuto, prPSA4, true, true, true, true, true, 255));
    // The paper of a page, which leaves the document's own untouched.
    pv.AddPage(), pv.PaperBin(prBNManual, "Page 2"), pv.PaperSize(prPSLetter, "Page 2");
    pv.PaperBin(prBNLower, "No such page"), pv.SetPrinter("Office");
    EXPECT_EQ(joined(pv.PaperBin("Page 2"), pv.PaperSize("Page 2"), pv.PaperBin(), pv.PaperSize(),
                     pv.PaperBin("No such page"), pv.PrinterName()),
              joined(prBNManual, prPSLetter, prBNAuto, prPSA4, prBNAuto, "Office"));
}

TEST(EndDocument, DestinationsWithoutANameOrWriterRaiseAfterTheReset) {
    ScratchDir dir;
    struct RaiseRow { const char* name; std::vector<int> outputs; const char* text; bool named = true; };
    forEachRow<RaiseRow>({
            {"no file name", {prOTStructured, prOTTextFile, prOTRTFFile, prOTHTMLFile, prOTBITMAPFile, prOTJPEGFile,
                              prOTPDFFile}, "The filename is missing", false},
            {"unknown outputs", {11, -1}, "Output destination not handled"},
        }, [&](const RaiseRow& row) {
            for (int output : row.outputs) {
                SCOPED_TRACE(output);
                Counted c;
                if (row.named) c.pv.OutputFile((dir.path() / "out.txt").string());
                EXPECT_THAT(errorOf([&] { c.pv.EndDocument(output); }), IsError(-69, "Kalder", row.text));
                EXPECT_EQ(c.state() + std::to_string(c.pv.Output()), "1|1|1|" + std::to_string(output));
            }
        });
}

TEST(EndDocument, FilesAreWrittenThenTheDocumentReset) {
    // The files made; the error and the state after: "1|1|1|" reset, or a document that was kept.
    struct FileRow { const char* name; int thisOutput; std::string file; std::vector<std::string> made;
                     const char* after = "1|1|1|"; };
    forEachRow<FileRow>({
            {"structured file of the Output setting", prOTDefault, "doc.xml", {"doc.xml"}},
            {"ThisOutput replaces Output", prOTPDFFile, "doc.pdf", {"doc.pdf"}},
            {"page images named from the file less its extension", prOTBITMAPFile, "pages.bmp",
             {"pages1.bmp", "pages2.bmp", "pages3.bmp"}},
            {"jpeg images", prOTJPEGFile, "shot.jpg", {"shot1.jpg", "shot2.jpg", "shot3.jpg"}},
            {"text file", prOTTextFile, "doc.txt", {"doc.txt"}},
            {"HTML pages in a folder named as the file less its extension", prOTHTMLFile, "site.htm", {"site"}},
            {"rtf file", prOTRTFFile, "doc.rtf", {"doc.rtf"}},
            {"a failing writer keeps the document", prOTPDFFile, "no-such-folder/doc.pdf", {},
             "75|Path/File access error : |3|3|0|"},
        }, [&](const FileRow& row) {
            ScratchDir dir;
            Counted c;
            const fs::path file = dir.path() / row.file;
            c.pv.Output(prOTStructured), c.pv.OutputFile(file.string());
            const auto error = errorOf([&] { c.pv.EndDocument(row.thisOutput); });
            const std::string raised = error ? joined(error->number(), error->description().substr(0, 25)) : "";
            EXPECT_EQ(raised + c.state(), row.after);
            if (error) return;
            EXPECT_EQ(dir.entries(), row.made);
            if (file.extension() == ".xml") {  // what was written is the document as it was
                EXPECT_TRUE(PassesXmllint(file.string()));
                Preview back; back.LoadXMLFromFile(file.string());
                EXPECT_EQ(back.TotalPages(), 3);
            }
            if (file.extension() == ".pdf") EXPECT_TRUE(PassesQpdf(file.string()));
            if (file.extension() == ".pdf") EXPECT_EQ(pdfInfo(file.string(), "Pages"), "3");
            if (file.extension() == ".rtf") EXPECT_EQ(readFile(file.string()).rfind("{\\rtf\r\n", 0), 0u);
            EXPECT_EQ(joined(c.pv.outputSettings().outputDone, c.pv.Output()),
                      joined(true, row.thisOutput == prOTDefault ? prOTStructured : row.thisOutput));
        });
}

TEST(EndDocument, DefaultOutputShowsThePreviewWindowThenEvents) {
    Counted c;
    c.pv.windowSettings().Modal = false;  // return at once
    c.pv.EndDocument(prOTDefault, prBNManual);
    // optPaperBin goes into the document's settings.
    EXPECT_EQ(c.state() + joined(c.pv.Output(), c.pv.PaperBin()), "3|3|0|" + joined(prOTScreen, prBNManual));
    c.pv.GenerateEndPrint();  // nothing was printed or exported yet: no event
    c.pv.outputSettings().outputDone = true;
    c.pv.GenerateEndPrint(), c.pv.GeneratePrintCancel(), c.pv.GenerateCustomButton();
    EXPECT_EQ(joined(c.complete, c.cancel, c.custom), "1|1|1|");
    Preview silent;  // no handlers: nothing happens
    silent.outputSettings().outputDone = true, silent.GenerateCustomButton(), silent.GeneratePrintCancel();
    silent.GenerateEndPrint();
}

TEST(EndDocument, WithoutAPrintSystemTheMetricsKeepTheirDefaults) {
    // A scheduler nobody answers on: no printer is reachable. Only in a process of its own
    // (as CTest runs it), since the print system is asked once.
    ::setenv("CUPS_SERVER", "/nonexistent/kalder-no-cups.sock", 1);
    Preview pv, landscape;
    landscape.Orientation(prORLandscape);
    EXPECT_EQ(joined(pv.TwipsPerPixelX(), pv.TwipsPerPixelY(), pv.MarginWidth(), pv.MarginHeight(), pv.PrintWidth(),
                     pv.PrintHeight(), pv.DeviceName(), pv.Port(), landscape.PrintWidth(), landscape.PrintHeight()),
              "2.4|2.4|360|240|11508|15363|||15363|11508|");
    Counted c;  // printing without a printer fails and keeps the document
    const auto error = errorOf([&] { c.pv.EndDocument(prOTPrinter); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(std::to_string(error->number()) + "|" + c.state(), "482|3|3|0|");
}

}  // namespace
