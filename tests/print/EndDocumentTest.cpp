// Output dispatch: every destination, the -69 errors, what is reset and which events are raised,
// and the settings a new Preview starts with.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "print/OutputSettings.h"
#include "PrintTestSupport.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "viewer/WindowSettings.h"

using namespace kalder;
using kalder::test::errorOf;
using kalder::test::IsError;
namespace fs = std::filesystem;

namespace {

constexpr const char* kMissing = "The filename is missing";
constexpr const char* kNotHandled = "Output destination not handled";

// A Preview with a three-page document and counters on its events.
struct Counted {
    Preview pv;
    int complete = 0, cancel = 0, custom = 0;
    Counted() {
        pv.onPrintComplete = [this] { ++complete; };
        pv.onPrintCancel = [this] { ++cancel; };
        pv.onCustomButtonClick = [this] { ++custom; };
        pv.AddTextAt("first page");
        pv.AddPage();
        pv.AddPage();
        pv.Copies(3);  // reset along with the document
    }
    bool documentWasReset() const { return pv.TotalPages() == 1 && pv.Copies() == 1; }
};

TEST(EndDocument, NewPreviewSettings) {
    Preview pv;
    EXPECT_EQ(pv.Output(), prOTDefault);
    EXPECT_EQ(pv.OutputFile(), "");
    EXPECT_EQ(pv.OutputFileType(), 255);
    EXPECT_FALSE(pv.SetPrintToFile());
    EXPECT_EQ(pv.PrintQuality(), prPQMedium);
    EXPECT_EQ(pv.ColorMode(), prCMColor);
    EXPECT_TRUE(pv.AllowPrinterDialog());
    EXPECT_FALSE(pv.DirectPrinting());
    EXPECT_FALSE(pv.QuitAfterPrint());
    EXPECT_EQ(pv.PrintJobTitle(), "");
    EXPECT_EQ(pv.PDFCompression(), 99);
    EXPECT_EQ(pv.Copies(), 1);
    EXPECT_TRUE(pv.Collate());
    EXPECT_EQ(pv.PagesOpt(), prPOAll);
    EXPECT_EQ(pv.OddEven(), prOEBoth);
    EXPECT_EQ(pv.OrientOpt(), prOOAsIs);
    EXPECT_EQ(pv.PageRange(), "");
    EXPECT_EQ(pv.PrinterName(), "");
    EXPECT_EQ(pv.PaperBin(), prBNAuto);
    EXPECT_EQ(pv.PaperSize(), prPSA4);
    EXPECT_TRUE(pv.ShowPrintToFile());
    EXPECT_TRUE(pv.ShowPrintOrientation());
    EXPECT_TRUE(pv.ShowPrintOrientationAsPreview());
    EXPECT_TRUE(pv.ShowPaperSizeSelection());
    EXPECT_TRUE(pv.ShowPrinterSetup());
    EXPECT_EQ(pv.ShowExportList(), 255);
}

TEST(EndDocument, PaperBinAndSizeOfAPage) {
    Preview pv;
    pv.AddPage();
    pv.PaperBin(prBNManual, "Page 2");
    pv.PaperSize(prPSLetter, "Page 2");
    EXPECT_EQ(pv.PaperBin("Page 2"), prBNManual);
    EXPECT_EQ(pv.PaperSize("Page 2"), prPSLetter);
    EXPECT_EQ(pv.PaperBin(), prBNAuto);  // the document's is untouched
    EXPECT_EQ(pv.PaperSize(), prPSA4);
    pv.PaperBin(prBNLower, "No such page");
    EXPECT_EQ(pv.PaperBin(), prBNAuto);
    EXPECT_EQ(pv.PaperBin("No such page"), prBNAuto);
    pv.SetPrinter("Office");
    EXPECT_EQ(pv.PrinterName(), "Office");
}

struct MissingNameRow {
    const char* name;
    int output;
};

TEST(EndDocument, FileOutputWithoutANameRaisesAfterTheReset) {
    test::forEachRow<MissingNameRow>(
        {{"structured", prOTStructured}, {"text", prOTTextFile}, {"rtf", prOTRTFFile}, {"html", prOTHTMLFile},
         {"bitmap", prOTBITMAPFile}, {"jpeg", prOTJPEGFile}, {"pdf", prOTPDFFile}},
        [](const MissingNameRow& row) {
            Counted c;
            EXPECT_THAT(errorOf([&] { c.pv.EndDocument(row.output); }), IsError(-69, "Kalder", kMissing));
            EXPECT_TRUE(c.documentWasReset());
            EXPECT_EQ(c.complete, 1);
            EXPECT_EQ(c.pv.Output(), row.output);
        });
}

struct NotHandledRow {
    const char* name;
    int output;
};

TEST(EndDocument, DestinationsNotHandledRaiseAfterTheReset) {
    test::TempFolder dir;
    test::forEachRow<NotHandledRow>(
        {{"text writer not in the library", prOTTextFile}, {"rtf writer not in the library", prOTRTFFile},
         {"html writer not in the library", prOTHTMLFile}, {"unknown output", 11}, {"negative output", -1}},
        [&](const NotHandledRow& row) {
            Counted c;
            c.pv.OutputFile((dir.path / "out.txt").string());
            EXPECT_THAT(errorOf([&] { c.pv.EndDocument(row.output); }), IsError(-69, "Kalder", kNotHandled));
            EXPECT_TRUE(c.documentWasReset());
            EXPECT_EQ(c.complete, 1);
        });
}

TEST(EndDocument, StructuredFileIsWrittenThenTheDocumentReset) {
    test::TempFolder dir;
    Counted c;
    const fs::path file = dir.path / "doc.xml";
    c.pv.Output(prOTStructured);
    c.pv.OutputFile(file.string());
    c.pv.EndDocument();
    EXPECT_EQ(test::runCommand("xmllint --noout '" + file.string() + "'").status, 0);
    EXPECT_TRUE(c.documentWasReset());
    EXPECT_EQ(c.complete, 1);
    EXPECT_TRUE(c.pv.outputSettings().outputDone);
    EXPECT_EQ(c.pv.Output(), prOTStructured);  // the destination is kept for the next document
    // What was written is the document as it was: three pages.
    Preview back;
    back.LoadXMLFromFile(file.string());
    EXPECT_EQ(back.TotalPages(), 3);
}

TEST(EndDocument, ThisOutputReplacesOutput) {
    test::TempFolder dir;
    Counted c;
    const fs::path file = dir.path / "doc.pdf";
    c.pv.Output(prOTStructured);
    c.pv.OutputFile(file.string());
    c.pv.EndDocument(prOTPDFFile);
    EXPECT_EQ(c.pv.Output(), prOTPDFFile);
    EXPECT_EQ(test::pdfPageCount(file), 3);
    EXPECT_TRUE(c.documentWasReset());
}

TEST(EndDocument, PageImagesAreNamedFromTheFileLessItsExtension) {
    test::TempFolder dir;
    Counted c;
    c.pv.OutputFile((dir.path / "pages.bmp").string());
    c.pv.EndDocument(prOTBITMAPFile);
    EXPECT_TRUE(fs::exists(dir.path / "pages1.bmp"));
    EXPECT_TRUE(fs::exists(dir.path / "pages3.bmp"));
    EXPECT_FALSE(fs::exists(dir.path / "pages.bmp"));
    EXPECT_TRUE(c.documentWasReset());

    Counted j;
    j.pv.OutputFile((dir.path / "shot.jpg").string());
    j.pv.EndDocument(prOTJPEGFile);
    EXPECT_TRUE(fs::exists(dir.path / "shot2.jpg"));
}

TEST(EndDocument, AFailingWriterKeepsTheDocument) {
    test::TempFolder dir;
    Counted c;
    c.pv.OutputFile((dir.path / "no-such-folder" / "doc.pdf").string());
    const auto error = errorOf([&] { c.pv.EndDocument(prOTPDFFile); });
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->number(), -69);
    EXPECT_EQ(c.pv.TotalPages(), 3);
    EXPECT_EQ(c.complete, 0);
}

TEST(EndDocument, DefaultOutputShowsThePreviewWindowAndKeepsTheDocument) {
    Counted c;
    c.pv.windowSettings().Modal = false;  // return at once
    c.pv.EndDocument(prOTDefault, prBNManual);
    EXPECT_EQ(c.pv.Output(), prOTScreen);
    EXPECT_EQ(c.pv.TotalPages(), 3);
    EXPECT_EQ(c.pv.PaperBin(), prBNManual);  // optPaperBin goes into the document's settings
    EXPECT_EQ(c.complete, 0);
}

TEST(EndDocument, Events) {
    Counted c;
    c.pv.GenerateEndPrint();  // nothing was printed or exported yet
    EXPECT_EQ(c.complete, 0);
    c.pv.outputSettings().outputDone = true;
    c.pv.GenerateEndPrint();
    EXPECT_EQ(c.complete, 1);
    c.pv.GeneratePrintCancel();
    EXPECT_EQ(c.cancel, 1);
    c.pv.GenerateCustomButton();
    EXPECT_EQ(c.custom, 1);

    Preview silent;  // no handlers: nothing happens
    silent.GenerateCustomButton();
    silent.GeneratePrintCancel();
    silent.outputSettings().outputDone = true;
    silent.GenerateEndPrint();
}

TEST(EndDocument, WithoutAPrintSystemTheMetricsKeepTheirDefaults) {
    // A scheduler nobody answers on: no printer is reachable (each test runs in its own process).
    ::setenv("CUPS_SERVER", "/nonexistent/kalder-no-cups.sock", 1);
    Preview pv;
    EXPECT_DOUBLE_EQ(pv.TwipsPerPixelX(), 2.4);
    EXPECT_DOUBLE_EQ(pv.TwipsPerPixelY(), 2.4);
    EXPECT_EQ(pv.MarginWidth(), 360);
    EXPECT_EQ(pv.MarginHeight(), 240);
    EXPECT_EQ(pv.PrintWidth(), 11508);
    EXPECT_EQ(pv.PrintHeight(), 15363);
    EXPECT_EQ(pv.DeviceName(), "");
    EXPECT_EQ(pv.Port(), "");

    Preview landscape;
    landscape.Orientation(prORLandscape);
    EXPECT_EQ(landscape.PrintWidth(), 15363);
    EXPECT_EQ(landscape.PrintHeight(), 11508);

    // Printing without a printer fails and keeps the document.
    Counted c;
    const auto error = errorOf([&] { c.pv.EndDocument(prOTPrinter); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), 482);
    EXPECT_EQ(c.pv.TotalPages(), 3);
    EXPECT_EQ(c.complete, 0);
}

}  // namespace
