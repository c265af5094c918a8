// The printer setup dialog under Qt's offscreen platform: its controls and captions, the file
// kinds it offers, its input filters and its buttons.
#include "core/QtRuntime.h"
#include "host/InterfaceTexts.h"
#include "print/OutputSettings.h"
#include "print/frmPrinterSetup.h"
#include "support/Printing.h"
#include "support/Window.h"

using namespace kalder;
using kalder::test::child;
using kalder::test::comboItems;
using kalder::test::describe;
namespace fs = std::filesystem;

namespace {

class PrinterSetupDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApplication();  // the print code makes a widget application, as the dialog needs
        ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings_.path().string()));
        pv.AddPage();
    }
    test::ScratchDir settings_;
    test::CountedPreview counted;
    Preview& pv = counted.pv;
};

TEST_F(PrinterSetupDialog, ControlsCarryTheirNamesAndResolvedCaptions) {
    frmPrinterSetup dialog(pv, 1);
    EXPECT_EQ(dialog.windowTitle(), "Print Setup");
    EXPECT_EQ(describe(dialog, {"cmdSetup", "cmdPrint", "cmdCancel", "cmdAbout", "optPortrait", "optLandscape",
                                "optAsIs", "optAllPage", "optCurrentPage", "optPage", "chkCollate", "chkFile",
                                "framePaper", "frameOrientation", "pictFile", "cbPrinter", "cbSize", "cbSource",
                                "tbPages", "tbCopies", "tbFile", "pictPortrait", "pictLandscape"}),
              "cmdSetup=Setup, cmdPrint=&OK, cmdCancel=&Cancel, cmdAbout=About, optPortrait=&Portrait, "
              "optLandscape=&Landscape, optAsIs=As Preview:checked, optAllPage=&All:checked, "
              "optCurrentPage=Curr&ent page, optPage=Pa&ges, chkCollate=C&ollate Copies:checked, "
              "chkFile=Print to &file, framePaper=Paper, frameOrientation=Orientation, pictFile, cbPrinter, cbSize, "
              "cbSource, tbPages, tbCopies, tbFile, pictPortrait, pictLandscape:hidden");
    EXPECT_EQ(comboItems(child<QComboBox>(dialog, "cbOddEven")), "All pages=3, Odd pages=1, Even pages=2");
    EXPECT_EQ(comboItems(child<QComboBox>(dialog, "cbFile")),
              "Structured file=0, RTF file=1, PDF file=31, JPeg=127, Bitmap file=63");

    InterfaceTexts::instance().setText(12, "Druckeinrichtung");
    frmPrinterSetup replaced(pv, 1);
    InterfaceTexts::instance().setText(12, "Print Setup");
    EXPECT_EQ(replaced.windowTitle(), "Druckeinrichtung");
    // The file kinds follow the export list, or the output file types.
    pv.ShowExportList(prELPDF + prELRTF);
    frmPrinterSetup onlyTwo(pv, 1);
    EXPECT_EQ(comboItems(child<QComboBox>(onlyTwo, "cbFile")), "RTF file=1, PDF file=31");
    pv.ShowExportList(255), pv.OutputFileType(prELJPEG + prELStructured);
    frmPrinterSetup byType(pv, 1);
    EXPECT_EQ(comboItems(child<QComboBox>(byType, "cbFile")), "Structured file=0, JPeg=127");
}

TEST_F(PrinterSetupDialog, OpensOnTheDocumentsSettings) {
    pv.OrientOpt(prOOLandscape), pv.Collate(false), pv.Copies(4), pv.PagesOpt(prPORange), pv.PageRange("2");
    pv.outputSettings().outputDone = true;
    frmPrinterSetup dialog(pv, 1);
    // Always opens on all pages.
    EXPECT_EQ(describe(dialog, {"optLandscape", "optAllPage", "chkCollate", "pictLandscape", "pictPortrait"}),
              "optLandscape=&Landscape:checked, optAllPage=&All:checked, chkCollate=C&ollate Copies, pictLandscape, "
              "pictPortrait:hidden");
    EXPECT_EQ(child<QLineEdit>(dialog, "tbPages").text() + "|" + child<QLineEdit>(dialog, "tbCopies").text(), "|4");
    EXPECT_FALSE(pv.outputSettings().outputDone);  // opening clears it
    // Settings that hide and disable controls.
    pv.OrientOpt(prOOAsIs), pv.ShowPrintToFile(false), pv.ShowPrintOrientation(false), pv.AllowPrinterDialog(false);
    pv.ShowPrintOrientationAsPreview(false), pv.ShowPaperSizeSelection(false), pv.ShowPrinterSetup(false);
    frmPrinterSetup hidden(pv, 1);
    EXPECT_EQ(describe(hidden, {"chkFile", "cbFile", "tbFile", "pictFile", "frameOrientation", "optAsIs", "framePaper",
                                "cmdSetup", "cbPrinter"}),
              "chkFile=Print to &file:disabled, cbFile:disabled, tbFile:disabled, pictFile:disabled, "
              "frameOrientation=Orientation:hidden, optAsIs=As Preview:checked:hidden, framePaper=Paper:hidden, "
              "cmdSetup=Setup:hidden, cbPrinter:disabled");
}

TEST_F(PrinterSetupDialog, TypedAndBrowsedInput) {
    EXPECT_EQ(frmPrinterSetup::startFolder(), QCoreApplication::applicationDirPath());  // nothing remembered yet
    frmPrinterSetup dialog(pv, 1);
    auto& pages = child<QLineEdit>(dialog, "tbPages");
    auto& copies = child<QLineEdit>(dialog, "tbCopies");
    auto& tbFile = child<QLineEdit>(dialog, "tbFile");
    auto type = [](QWidget& target, const QString& text) {  // key presses carrying only their text
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(&target, &press);
        }
    };
    type(pages, "1,3x-5 "), copies.clear(), type(copies, "2a-1");
    EXPECT_EQ(pages.text() + " " + copies.text(), "1,3-5 21");
    EXPECT_TRUE(child<QRadioButton>(dialog, "optPage").isChecked());  // typing chooses the page list
    // A file name gets the extension of the chosen kind when it has none.
    auto& cbFile = child<QComboBox>(dialog, "cbFile");
    cbFile.setCurrentIndex(cbFile.findData(31));
    tbFile.setText("report"), emit tbFile.editingFinished();
    EXPECT_EQ(tbFile.text(), "report.pdf");
    // A browsed file selects its kind, and its folder is remembered.
    test::ScratchDir folder;
    const QString file = QString::fromStdString(folder.file("shot.jpg")), name = QString::fromStdString(folder.path());
    dialog.fileChosen(file);
    EXPECT_EQ(QStringList({tbFile.text(), cbFile.currentData().toString(), frmPrinterSetup::startFolder(),
                           QSettings("Kalder", "Kalder").value("LastFolder/Folder").toString()}),
              QStringList({file, "127", name, name}));
}

TEST_F(PrinterSetupDialog, PrintToFileExportsTheChosenKindOrKeepsItsError) {
    test::ScratchDir folder;
    auto printToFile = [](frmPrinterSetup& dialog, int kind, const QString& file) {
        auto& cbFile = child<QComboBox>(dialog, "cbFile");
        child<QCheckBox>(dialog, "chkFile").setChecked(true), cbFile.setCurrentIndex(cbFile.findData(kind));
        child<QLineEdit>(dialog, "tbFile").setText(file), dialog.print();
    };
    frmPrinterSetup failing(pv, 1);
    printToFile(failing, 1, "/nonexistent-kalder-folder/never.rtf");
    EXPECT_EQ(failing.outcome(), SetupResult::Cancelled);
    EXPECT_TRUE(failing.lastError().contains("Path/File access error"));
    EXPECT_FALSE(pv.outputSettings().outputDone);

    frmPrinterSetup dialog(pv, 1);
    printToFile(dialog, 31, QString::fromStdString(folder.file("out")) + "  ");
    EXPECT_EQ(dialog.outcome(), SetupResult::Exported) << dialog.lastError().toStdString();
    EXPECT_EQ(test::joined(pv.OutputFile(), test::pdfInfo(folder.file("out.pdf"), "Pages"),
                           pv.outputSettings().outputDone),
              test::joined(folder.file("out.pdf"), 2, true));
}

TEST_F(PrinterSetupDialog, EndDocumentCancelledInTheDialogOrDirect) {
    pv.Output(prOTPrinterDialog);
    test::whenModalOpens([](QWidget& modal) { child<QPushButton>(modal, "cmdCancel").click(); });
    pv.EndDocument();
    EXPECT_EQ(test::joined(counted.cancel, counted.complete, pv.TotalPages(), pv.outputSettings().outputDone),
              "1|0|2|0|");
    // Direct printing acts without waiting for a button.
    test::ScratchDir folder;
    pv.DirectPrinting(true), pv.SetPrintToFile(true), pv.OutputFile(folder.file("direct.xml"));
    pv.EndDocument(prOTPrinterDialog);  // exported, so the document was reset
    EXPECT_EQ(test::joined(fs::exists(folder.file("direct.xml")), counted.complete, pv.TotalPages()), "1|1|1|");
}

}  // namespace
