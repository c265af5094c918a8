// The printer setup dialog under Qt's offscreen platform: its controls and captions, the file
// kinds it offers, its input filters and its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QValidator>
#include <filesystem>

#include "core/QtRuntime.h"
#include "document/cDocument.h"
#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "print/OutputSettings.h"
#include "print/frmPrinterSetup.h"
#include "PrintTestSupport.h"

using namespace kalder;
namespace fs = std::filesystem;

namespace {

template <class W>
W* control(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList items(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

void type(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
    }
}

class PrinterSetupDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApplication();
        ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(settings_.path.string()));
        pv.AddPage();
        pv.onPrintCancel = [this] { ++cancelled; };
        pv.onPrintComplete = [this] { ++completed; };
    }
    test::TempFolder settings_;
    Preview pv;
    int cancelled = 0, completed = 0;
};

TEST_F(PrinterSetupDialog, ControlsCarryTheirNamesAndResolvedCaptions) {
    frmPrinterSetup dialog(pv, 1);
    EXPECT_EQ(dialog.windowTitle(), "Print Setup");
    for (const char* name : {"cbPrinter", "cbSize", "cbSource", "cbOddEven", "cbFile"}) control<QComboBox>(dialog, name);
    for (const char* name : {"tbPages", "tbCopies", "tbFile"}) control<QLineEdit>(dialog, name);
    for (const char* name : {"framePaper", "frameOrientation"}) control<QGroupBox>(dialog, name);
    control<QToolButton>(dialog, "pictFile");
    struct Caption {
        const char* name;
        const char* text;
    };
    for (const Caption& c : {Caption{"cmdSetup", "Setup"}, Caption{"cmdPrint", "&OK"}, Caption{"cmdCancel", "&Cancel"},
                             Caption{"cmdAbout", "About"}})
        if (auto* b = control<QPushButton>(dialog, c.name)) EXPECT_EQ(b->text(), c.text) << c.name;
    for (const Caption& c : {Caption{"optPortrait", "&Portrait"}, Caption{"optLandscape", "&Landscape"},
                             Caption{"optAsIs", "As Preview"}, Caption{"optAllPage", "&All"},
                             Caption{"optCurrentPage", "Curr&ent page"}, Caption{"optPage", "Pa&ges"}})
        if (auto* b = control<QRadioButton>(dialog, c.name)) EXPECT_EQ(b->text(), c.text) << c.name;
    EXPECT_EQ(control<QCheckBox>(dialog, "chkCollate")->text(), "C&ollate Copies");
    EXPECT_EQ(control<QCheckBox>(dialog, "chkFile")->text(), "Print to &file");
    EXPECT_EQ(control<QGroupBox>(dialog, "framePaper")->title(), "Paper");
    EXPECT_EQ(items(control<QComboBox>(dialog, "cbOddEven")), (QStringList{"All pages", "Odd pages", "Even pages"}));
    EXPECT_EQ(items(control<QComboBox>(dialog, "cbFile")),
              (QStringList{"Structured file", "RTF file", "PDF file", "JPeg", "Bitmap file"}));
}

TEST_F(PrinterSetupDialog, ReplacedInterfaceTextsShowInTheCaptions) {
    InterfaceTexts::instance().setText(12, "Druckeinrichtung");
    frmPrinterSetup dialog(pv, 1);
    InterfaceTexts::instance().setText(12, "Print Setup");
    EXPECT_EQ(dialog.windowTitle(), "Druckeinrichtung");
}

TEST_F(PrinterSetupDialog, OpensOnTheDocumentsSettings) {
    pv.OrientOpt(prOOLandscape);
    pv.Collate(false);
    pv.Copies(4);
    pv.PagesOpt(prPORange);
    pv.PageRange("2");
    pv.outputSettings().outputDone = true;
    frmPrinterSetup dialog(pv, 1);
    EXPECT_TRUE(control<QRadioButton>(dialog, "optLandscape")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, "optAllPage")->isChecked());  // always opens on all pages
    EXPECT_EQ(control<QLineEdit>(dialog, "tbPages")->text(), "");
    EXPECT_FALSE(control<QCheckBox>(dialog, "chkCollate")->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, "tbCopies")->text(), "4");
    EXPECT_FALSE(control<QWidget>(dialog, "pictLandscape")->isHidden());
    EXPECT_TRUE(control<QWidget>(dialog, "pictPortrait")->isHidden());
    EXPECT_FALSE(pv.outputSettings().outputDone);  // opening clears it
}

TEST_F(PrinterSetupDialog, ExportListFollowsTheOfferedKinds) {
    pv.ShowExportList(prELPDF + prELRTF);
    frmPrinterSetup onlyTwo(pv, 1);
    auto* cbFile = control<QComboBox>(onlyTwo, "cbFile");
    EXPECT_EQ(items(cbFile), (QStringList{"RTF file", "PDF file"}));
    EXPECT_EQ(cbFile->itemData(0).toInt(), 1);
    EXPECT_EQ(cbFile->itemData(1).toInt(), 31);

    pv.ShowExportList(255);
    pv.OutputFileType(prELJPEG + prELStructured);
    frmPrinterSetup byType(pv, 1);
    EXPECT_EQ(items(control<QComboBox>(byType, "cbFile")), (QStringList{"Structured file", "JPeg"}));
}

TEST_F(PrinterSetupDialog, SettingsShowAndEnableTheirControls) {
    pv.ShowPrintToFile(false);
    pv.ShowPrintOrientation(false);
    pv.ShowPrintOrientationAsPreview(false);
    pv.ShowPaperSizeSelection(false);
    pv.ShowPrinterSetup(false);
    pv.AllowPrinterDialog(false);
    frmPrinterSetup dialog(pv, 1);
    for (const char* name : {"chkFile", "cbFile", "tbFile", "pictFile"})
        EXPECT_FALSE(control<QWidget>(dialog, name)->isEnabled()) << name;
    EXPECT_TRUE(control<QWidget>(dialog, "frameOrientation")->isHidden());
    EXPECT_TRUE(control<QWidget>(dialog, "optAsIs")->isHidden());
    EXPECT_TRUE(control<QWidget>(dialog, "framePaper")->isHidden());
    EXPECT_TRUE(control<QWidget>(dialog, "cmdSetup")->isHidden());
    EXPECT_FALSE(control<QWidget>(dialog, "cbPrinter")->isEnabled());

    Preview shown;
    frmPrinterSetup defaults(shown, 1);
    EXPECT_TRUE(control<QWidget>(defaults, "chkFile")->isEnabled());
    EXPECT_FALSE(control<QWidget>(defaults, "framePaper")->isHidden());
    EXPECT_TRUE(control<QWidget>(defaults, "cbPrinter")->isEnabled());
}

TEST_F(PrinterSetupDialog, InputFilters) {
    frmPrinterSetup dialog(pv, 1);
    auto* pages = control<QLineEdit>(dialog, "tbPages");
    auto* copies = control<QLineEdit>(dialog, "tbCopies");
    type(pages, "1,3x-5 ");
    EXPECT_EQ(pages->text(), "1,3-5");
    EXPECT_TRUE(control<QRadioButton>(dialog, "optPage")->isChecked());  // typing chooses the page list
    copies->clear();
    type(copies, "2a-1");
    EXPECT_EQ(copies->text(), "21");
}

TEST_F(PrinterSetupDialog, FileNameGetsTheExtensionOfTheChosenKind) {
    frmPrinterSetup dialog(pv, 1);
    auto* cbFile = control<QComboBox>(dialog, "cbFile");
    auto* tbFile = control<QLineEdit>(dialog, "tbFile");
    cbFile->setCurrentIndex(cbFile->findData(31));
    tbFile->setText("report");
    emit tbFile->editingFinished();
    EXPECT_EQ(tbFile->text(), "report.pdf");
    tbFile->setText("notes.txt");
    emit tbFile->editingFinished();
    EXPECT_EQ(tbFile->text(), "notes.txt");
}

TEST_F(PrinterSetupDialog, BrowsedFileSelectsItsKindAndIsRemembered) {
    const QString before = frmPrinterSetup::startFolder();
    EXPECT_EQ(before, QCoreApplication::applicationDirPath());  // nothing remembered yet
    test::TempFolder folder;
    frmPrinterSetup dialog(pv, 1);
    const QString file = QString::fromStdString((folder.path / "shot.jpg").string());
    dialog.fileChosen(file);
    EXPECT_EQ(control<QLineEdit>(dialog, "tbFile")->text(), file);
    EXPECT_EQ(control<QComboBox>(dialog, "cbFile")->currentData().toInt(), 127);
    EXPECT_EQ(frmPrinterSetup::startFolder(), QString::fromStdString(folder.path.string()));
    EXPECT_EQ(QSettings("Kalder", "Kalder").value("LastFolder/Folder").toString(),
              QString::fromStdString(folder.path.string()));
}

TEST_F(PrinterSetupDialog, PrintToFileExportsTheChosenKind) {
    test::TempFolder folder;
    frmPrinterSetup dialog(pv, 1);
    control<QCheckBox>(dialog, "chkFile")->setChecked(true);
    auto* cbFile = control<QComboBox>(dialog, "cbFile");
    cbFile->setCurrentIndex(cbFile->findData(31));
    control<QLineEdit>(dialog, "tbFile")->setText(QString::fromStdString((folder.path / "out").string()) + "  ");
    dialog.print();
    EXPECT_EQ(dialog.outcome(), SetupResult::Exported) << dialog.lastError().toStdString();
    EXPECT_EQ(pv.OutputFile(), (folder.path / "out.pdf").string());
    EXPECT_EQ(test::pdfPageCount(folder.path / "out.pdf"), 2);
    EXPECT_TRUE(pv.outputSettings().outputDone);
}

TEST_F(PrinterSetupDialog, ExportErrorsStayInTheDialog) {
    frmPrinterSetup dialog(pv, 1);
    control<QCheckBox>(dialog, "chkFile")->setChecked(true);
    auto* cbFile = control<QComboBox>(dialog, "cbFile");
    cbFile->setCurrentIndex(cbFile->findData(1));  // RTF: no writer yet
    control<QLineEdit>(dialog, "tbFile")->setText("/tmp/kalder-never.rtf");
    dialog.print();
    EXPECT_EQ(dialog.outcome(), SetupResult::Cancelled);
    EXPECT_TRUE(dialog.lastError().contains("Output destination not handled"));
    EXPECT_FALSE(pv.outputSettings().outputDone);
}

TEST_F(PrinterSetupDialog, CancelRaisesPrintCancelAndKeepsTheDocument) {
    pv.Output(prOTPrinterDialog);
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            if (auto* cancel = modal->findChild<QPushButton*>("cmdCancel")) cancel->click();
    });
    pv.EndDocument();
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(completed, 0);
    EXPECT_EQ(pv.TotalPages(), 2);
    EXPECT_FALSE(pv.outputSettings().outputDone);
}

TEST_F(PrinterSetupDialog, DirectPrintingActsWithoutWaiting) {
    test::TempFolder folder;
    pv.DirectPrinting(true);
    pv.SetPrintToFile(true);
    pv.OutputFile((folder.path / "direct.xml").string());
    pv.EndDocument(prOTPrinterDialog);  // no one presses a button
    EXPECT_TRUE(fs::exists(folder.path / "direct.xml"));
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(pv.TotalPages(), 1);  // exported, so the document was reset
}

}  // namespace
