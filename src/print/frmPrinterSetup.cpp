#include "print/frmPrinterSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Locale.h"
#include "core/QtRuntime.h"
#include "platform/WidgetApplication.h"
#include "core/Version.h"
#include "document/cDocument.h"
#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "print/CurrentPrinter.h"
#include "print/ExportKinds.h"
#include "print/FileOutput.h"
#include "print/ProgressDialog.h"
#include "print/OutputSettings.h"
#include "print/PrintRun.h"
#include "print/Printers.h"

namespace kalder {

namespace {
// Widgets need a QApplication: whenever this code is part of the program, it is the one.
const bool kWidgetApplication = registerApplicationMaker(makeWidgetApplication);
}  // namespace

namespace {

QString text(std::string_view literal) { return QString::fromStdString(tr(literal)); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

// Selects a line edit's whole text when it gets the focus (after Qt has placed the cursor).
class SelectAllOnFocus final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
};

// A small sheet with lines of text, upright or on its side.
QPixmap sheetPicture(bool landscape) {
    const int w = landscape ? 40 : 30, h = landscape ? 30 : 40;
    QPixmap pixmap(w + 1, h + 1);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, w, h);
    for (int y = 6; y < h - 4; y += 5) p.drawLine(5, y, w - 5, y);
    return pixmap;
}

void selectData(QComboBox* box, std::int32_t value) {
    const int i = box->findData(value);
    if (i >= 0) box->setCurrentIndex(i);
}

constexpr const char* kSettingsOrganisation = "Kalder";
constexpr const char* kSettingsApplication = "Kalder";

}  // namespace

frmPrinterSetup::frmPrinterSetup(Preview& pv, std::int32_t currentPage, QWidget* parent)
    : QDialog(parent), pv_(pv), currentPage_(currentPage) {
    setObjectName("frmPrinterSetup");
    setModal(true);
    buildControls();
    fillPrinters();
    fillPaperLists();
    applySettings();
    pv_.outputSettings().outputDone = false;
}

void frmPrinterSetup::buildControls() {
    setWindowTitle(text("Print Setup@12"));
    auto* focusFilter = new SelectAllOnFocus(this);
    auto named = [](auto* w, const char* name) {
        w->setObjectName(name);
        return w;
    };

    // Printer.
    auto* framePrinter = named(new QGroupBox(text("Printer@25")), "framePrinter");
    cbPrinter_ = named(new QComboBox, "cbPrinter");
    cmdSetup_ = named(new QPushButton(text("Setup@74")), "cmdSetup");
    auto* printerRow = new QHBoxLayout(framePrinter);
    auto* printerLabel = new QLabel(text("&Name@27"));
    printerLabel->setBuddy(cbPrinter_);
    printerRow->addWidget(printerLabel);
    printerRow->addWidget(cbPrinter_, 1);
    printerRow->addWidget(cmdSetup_);

    // Paper.
    framePaper_ = named(new QGroupBox(text("Paper@18")), "framePaper");
    cbSize_ = named(new QComboBox, "cbSize");
    cbSource_ = named(new QComboBox, "cbSource");
    auto* paperGrid = new QGridLayout(framePaper_);
    auto* sizeLabel = new QLabel(text("Si&ze@20"));
    sizeLabel->setBuddy(cbSize_);
    auto* sourceLabel = new QLabel(text("&Source@19"));
    sourceLabel->setBuddy(cbSource_);
    paperGrid->addWidget(sizeLabel, 0, 0);
    paperGrid->addWidget(cbSize_, 0, 1);
    paperGrid->addWidget(sourceLabel, 1, 0);
    paperGrid->addWidget(cbSource_, 1, 1);

    // Orientation.
    frameOrientation_ = named(new QGroupBox(text("Orientation@15")), "frameOrientation");
    optPortrait_ = named(new QRadioButton(text("&Portrait@17")), "optPortrait");
    optLandscape_ = named(new QRadioButton(text("&Landscape@16")), "optLandscape");
    optAsIs_ = named(new QRadioButton(text("As Preview@92")), "optAsIs");
    pictPortrait_ = named(new QLabel, "pictPortrait");
    pictPortrait_->setPixmap(sheetPicture(false));
    pictLandscape_ = named(new QLabel, "pictLandscape");
    pictLandscape_->setPixmap(sheetPicture(true));
    auto* orientationRow = new QHBoxLayout(frameOrientation_);
    auto* orientationOptions = new QVBoxLayout;
    orientationOptions->addWidget(optPortrait_);
    orientationOptions->addWidget(optLandscape_);
    orientationOptions->addWidget(optAsIs_);
    orientationRow->addLayout(orientationOptions);
    orientationRow->addWidget(pictPortrait_);
    orientationRow->addWidget(pictLandscape_);

    // Pages.
    auto* framePages = named(new QGroupBox(text("Page range@21")), "framePages");
    optAllPage_ = named(new QRadioButton(text("&All@22")), "optAllPage");
    optCurrentPage_ = named(new QRadioButton(text("Curr&ent page@23")), "optCurrentPage");
    optPage_ = named(new QRadioButton(text("Pa&ges@48")), "optPage");
    tbPages_ = named(new QLineEdit, "tbPages");
    tbPages_->setToolTip(text("Enter page numbers and/or page ranges separated by commas.  For example: 1,3,5-12@24"));
    tbPages_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9,\\-]*"), tbPages_));
    optOddEven_ = named(new QRadioButton, "optOddEven");
    cbOddEven_ = named(new QComboBox, "cbOddEven");
    auto* pagesGrid = new QGridLayout(framePages);
    pagesGrid->addWidget(optAllPage_, 0, 0, 1, 2);
    pagesGrid->addWidget(optCurrentPage_, 1, 0, 1, 2);
    pagesGrid->addWidget(optPage_, 2, 0);
    pagesGrid->addWidget(tbPages_, 2, 1);
    pagesGrid->addWidget(optOddEven_, 3, 0);
    pagesGrid->addWidget(cbOddEven_, 3, 1);
    auto* pagesHint = new QLabel(text("Enter page numbers and/or page ranges separated by commas.  For example: 1,3,5-12@24"));
    pagesHint->setWordWrap(true);
    pagesGrid->addWidget(pagesHint, 4, 0, 1, 2);

    // Copies.
    auto* frameCopies = named(new QGroupBox(text("Copies@13")), "frameCopies");
    tbCopies_ = named(new QLineEdit, "tbCopies");
    tbCopies_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), tbCopies_));
    chkCollate_ = named(new QCheckBox(text("C&ollate Copies@95")), "chkCollate");
    auto* copiesGrid = new QGridLayout(frameCopies);
    auto* copiesLabel = new QLabel(text("N&umber of copies@14"));
    copiesLabel->setBuddy(tbCopies_);
    copiesGrid->addWidget(copiesLabel, 0, 0);
    copiesGrid->addWidget(tbCopies_, 0, 1);
    copiesGrid->addWidget(chkCollate_, 1, 0, 1, 2);

    // Print to file.
    chkFile_ = named(new QCheckBox(text("Print to &file@26")), "chkFile");
    cbFile_ = named(new QComboBox, "cbFile");
    tbFile_ = named(new QLineEdit, "tbFile");
    pictFile_ = named(new QToolButton, "pictFile");
    pictFile_->setText("...");
    pictFile_->setToolTip(text("Select File@47"));
    auto* fileGrid = new QGridLayout;
    auto* typeLabel = new QLabel(text("File Type :@80"));
    typeLabel->setBuddy(cbFile_);
    auto* nameLabel = new QLabel(text("File &Name :@11"));
    nameLabel->setBuddy(tbFile_);
    fileGrid->addWidget(chkFile_, 0, 0, 1, 3);
    fileGrid->addWidget(typeLabel, 1, 0);
    fileGrid->addWidget(cbFile_, 1, 1, 1, 2);
    fileGrid->addWidget(nameLabel, 2, 0);
    fileGrid->addWidget(tbFile_, 2, 1);
    fileGrid->addWidget(pictFile_, 2, 2);

    // Buttons.
    cmdPrint_ = named(new QPushButton(text("&OK@45")), "cmdPrint");
    cmdPrint_->setDefault(true);
    cmdCancel_ = named(new QPushButton(text("&Cancel@46")), "cmdCancel");
    cmdAbout_ = named(new QPushButton(text("About@6")), "cmdAbout");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAbout_);
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdCancel_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(framePaper_);
    middle->addWidget(frameOrientation_);
    auto* lower = new QHBoxLayout;
    lower->addWidget(framePages);
    lower->addWidget(frameCopies);
    auto* main = new QVBoxLayout(this);
    main->addWidget(framePrinter);
    main->addLayout(middle);
    main->addLayout(lower);
    main->addLayout(fileGrid);
    main->addLayout(buttons);

    for (QLineEdit* edit : {tbCopies_, tbFile_, tbPages_}) edit->installEventFilter(focusFilter);

    connect(cbPrinter_, &QComboBox::activated, this, [this](int index) { choosePrinter(index); });
    connect(cmdSetup_, &QPushButton::clicked, this, [this] { showPrinterProperties(); });
    connect(tbPages_, &QLineEdit::textEdited, this, [this] { optPage_->setChecked(true); });
    connect(cbOddEven_, &QComboBox::activated, this, [this] { optOddEven_->setChecked(true); });
    connect(optPortrait_, &QRadioButton::toggled, this, [this] { showOrientationPicture(); });
    connect(optLandscape_, &QRadioButton::toggled, this, [this] { showOrientationPicture(); });
    connect(optAsIs_, &QRadioButton::toggled, this, [this] { showOrientationPicture(); });
    connect(tbFile_, &QLineEdit::editingFinished, this, [this] { normaliseFileName(); });
    connect(pictFile_, &QToolButton::clicked, this, [this] { browse(); });
    connect(cmdPrint_, &QPushButton::clicked, this, [this] { print(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(cmdAbout_, &QPushButton::clicked, this, [this] { showAbout(); });
}

void frmPrinterSetup::fillPrinters() {
    OutputSettings& s = pv_.outputSettings();
    cbPrinter_->clear();
    for (const std::string& name : printerNames()) cbPrinter_->addItem(qs(name));
    std::string wanted = matchPrinter(pv_.document().PrinterStyle.PrinterName);
    if (wanted.empty()) wanted = currentPrinterName(s);
    const int i = cbPrinter_->findText(qs(wanted));
    if (i >= 0) cbPrinter_->setCurrentIndex(i);
}

void frmPrinterSetup::fillPaperLists() {
    const std::string printer = cbPrinter_->currentText().toStdString();
    const cPrinterStyle& record = pv_.document().PrinterStyle;
    cbSize_->clear();
    for (const PaperChoice& c : paperSizes(printer)) cbSize_->addItem(qs(c.name), c.code);
    selectData(cbSize_, record.PaperSize);
    cbSource_->clear();
    for (const PaperChoice& c : paperBins(printer)) cbSource_->addItem(qs(c.name), c.code);
    selectData(cbSource_, record.PaperBin);
}

void frmPrinterSetup::choosePrinter(int index) {
    if (index < 0) return;
    OutputSettings& s = pv_.outputSettings();
    const std::string name = matchPrinter(cbPrinter_->itemText(index).toStdString());
    if (!name.empty()) s.currentPrinter = name;
    refreshPrinterMetrics(s, pv_.document());
    fillPaperLists();
}

void frmPrinterSetup::applySettings() {
    const OutputSettings& s = pv_.outputSettings();
    const cPrinterStyle& record = pv_.document().PrinterStyle;

    for (const ExportKind& k : offeredExports(s.ShowExportList & s.OutputFileType))
        cbFile_->addItem(text(k.entry), k.itemData);
    const std::int32_t kind = itemDataOfFile(s.OutputFile, offeredExports(s.ShowExportList & s.OutputFileType));
    if (kind >= 0) selectData(cbFile_, kind);
    tbFile_->setText(qs(s.OutputFile));
    chkFile_->setChecked(s.SetPrintToFile);

    cbOddEven_->addItem(text("All pages@89"), prOEBoth);
    cbOddEven_->addItem(text("Odd pages@90"), prOEOdd);
    cbOddEven_->addItem(text("Even pages@91"), prOEEven);
    selectData(cbOddEven_, record.OddEven);

    optAllPage_->setChecked(true);
    tbPages_->clear();
    switch (record.OrientOpt) {
        case prOOPortrait: optPortrait_->setChecked(true); break;
        case prOOLandscape: optLandscape_->setChecked(true); break;
        default: optAsIs_->setChecked(true);
    }
    showOrientationPicture();
    chkCollate_->setChecked(record.Collate);
    tbCopies_->setText(QString::number(record.Copies));

    for (QWidget* w : std::initializer_list<QWidget*>{chkFile_, cbFile_, tbFile_, pictFile_})
        w->setEnabled(s.ShowPrintToFile);
    frameOrientation_->setVisible(s.ShowPrintOrientation);
    optAsIs_->setVisible(s.ShowPrintOrientationAsPreview);
    framePaper_->setVisible(s.ShowPaperSizeSelection);
    cmdSetup_->setVisible(s.ShowPrinterSetup);
    cbPrinter_->setEnabled(s.AllowPrinterDialog);
}

void frmPrinterSetup::showOrientationPicture() {
    pictPortrait_->setVisible(!optLandscape_->isChecked());
    pictLandscape_->setVisible(optLandscape_->isChecked());
}

std::int32_t frmPrinterSetup::selectedFileKind() const {
    return cbFile_->currentIndex() >= 0 ? cbFile_->currentData().toInt() : -1;
}

void frmPrinterSetup::normaliseFileName() {
    // Trimmed first, so that blanks typed after a name do not end up before its extension.
    const std::string typed(trimBlanks(tbFile_->text().toStdString()));
    const std::string name = withDefaultExtension(typed, selectedFileKind());
    if (qs(name) != tbFile_->text()) tbFile_->setText(qs(name));
}

void frmPrinterSetup::print() {
    OutputSettings& s = pv_.outputSettings();
    cPrinterStyle& record = pv_.document().PrinterStyle;
    lastError_.clear();
    try {
        if (chkFile_->isChecked()) {
            normaliseFileName();
            s.OutputFile = tbFile_->text().toStdString();
            const ProgressDialogScope progress(pv_, parentWidget());
            writeFileOutput(pv_, outputTypeOf(selectedFileKind()));
            s.outputDone = true;
            outcome_ = SetupResult::Exported;
        } else {
            if (cbPrinter_->currentIndex() >= 0) record.PrinterName = cbPrinter_->currentText().toStdString();
            if (cbSize_->currentIndex() >= 0) record.PaperSize = cbSize_->currentData().toInt();
            if (cbSource_->currentIndex() >= 0) record.PaperBin = cbSource_->currentData().toInt();
            bool numeric = false;
            const int copies = tbCopies_->text().trimmed().toInt(&numeric);
            if (numeric) record.Copies = copies;
            record.Collate = chkCollate_->isChecked();
            record.PageRange = tbPages_->text().toStdString();
            if (optCurrentPage_->isChecked()) {
                record.PagesOpt = prPOCurrent;
                record.PageRange = std::to_string(currentPage_);
            } else if (optPage_->isChecked()) {
                record.PagesOpt = prPORange;
            } else if (optOddEven_->isChecked()) {
                record.PagesOpt = prPOOddEven;
                // "All pages" with the odd/even option prints the even pages, as the list
                // has only two meaningful entries.
                record.OddEven = cbOddEven_->currentData().toInt() == prOEOdd ? prOEOdd : prOEEven;
            } else {
                record.PagesOpt = prPOAll;
            }
            record.OrientOpt = optPortrait_->isChecked()    ? prOOPortrait
                               : optLandscape_->isChecked() ? prOOLandscape
                                                            : prOOAsIs;
            const ProgressDialogScope progress(pv_, parentWidget());
            printDocument(pv_);
            outcome_ = SetupResult::Printed;
        }
    } catch (const std::exception& e) {
        lastError_ = QString::fromStdString(e.what());
    }
    done(outcome_ == SetupResult::Cancelled ? QDialog::Rejected : QDialog::Accepted);
}

void frmPrinterSetup::cancel() {
    pv_.outputSettings().outputDone = false;
    outcome_ = SetupResult::Cancelled;
    try {
        pv_.GeneratePrintCancel();
    } catch (const std::exception& e) {
        lastError_ = QString::fromStdString(e.what());
    }
    QDialog::reject();
}

void frmPrinterSetup::reject() { cancel(); }

QString frmPrinterSetup::startFolder() {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    const QString folder = settings.value("LastFolder/Folder").toString();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void frmPrinterSetup::fileChosen(const QString& path) {
    if (path.isEmpty()) return;
    tbFile_->setText(path);
    const std::int32_t kind =
        itemDataOfFile(path.toStdString(), offeredExports(pv_.outputSettings().ShowExportList &
                                                          pv_.outputSettings().OutputFileType));
    if (kind >= 0) selectData(cbFile_, kind);
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue("LastFolder/Folder", QFileInfo(path).absolutePath());
}

void frmPrinterSetup::browse() {
    const OutputSettings& s = pv_.outputSettings();
    const QString filter = qs(exportFilter(offeredExports(s.ShowExportList & s.OutputFileType)));
    fileChosen(QFileDialog::getSaveFileName(this, text("Select File@47"), startFolder(), filter));
}

void frmPrinterSetup::showPrinterProperties() {
    const QString name = cbPrinter_->currentText();
    if (name.isEmpty()) return;
    QPrinter printer(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    if (const auto size = pageSizeOfCode(name.toStdString(), cbSize_->currentData().toInt())) printer.setPageSize(*size);
    printer.setPageOrientation(optLandscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog properties(&printer, this);
    if (properties.exec() != QDialog::Accepted) return;
    const std::string key = printer.pageLayout().pageSize().key().toStdString();
    for (const PaperChoice& c : paperSizes(name.toStdString()))
        if (c.key == key) selectData(cbSize_, c.code);
    if (printer.pageLayout().orientation() == QPageLayout::Landscape)
        optLandscape_->setChecked(true);
    else if (!optAsIs_->isChecked())
        optPortrait_->setChecked(true);
}

void frmPrinterSetup::showAbout() {
    QMessageBox::about(this, text("About@6"), QStringLiteral("Kalder " KALDER_VERSION_STRING));
}

SetupResult showPrinterSetup(Preview& pv, QWidget* parent, std::int32_t currentPage) {
    ensureGuiApplication();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw AutomationError(-69, "Kalder", "Output destination not handled");
    frmPrinterSetup dialog(pv, currentPage, parent);
    if (pv.outputSettings().DirectPrinting)
        dialog.print();
    else
        dialog.exec();
    return dialog.outcome();
}

}  // namespace kalder
