// frmPrinterSetup: the printer setup dialog. The user chooses the printer, paper size and
// bin, orientation, pages and copies, or a file to export to, and starts the print run or
// the export. The choices go into the document's printer settings and into OutputFile.
//
// Its controls carry the names the rest of Kalder and the tests know them by (objectName):
// cbPrinter, cmdSetup, framePaper with cbSize and cbSource, frameOrientation with
// optPortrait, optLandscape, optAsIs, pictPortrait and pictLandscape, optAllPage,
// optCurrentPage, optPage with tbPages, optOddEven with cbOddEven, tbCopies, chkCollate,
// chkFile with cbFile, tbFile and pictFile, cmdPrint, cmdCancel, cmdAbout. Captions are
// interface texts. Opening clears the output-done flag. Errors of the print run or an export
// started here do not leave the dialog; lastError() tells what happened.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "print/PrinterSetup.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace kalder {

class Preview;

class frmPrinterSetup final : public QDialog {
public:
    frmPrinterSetup(Preview& pv, std::int32_t currentPage, QWidget* parent = nullptr);

    SetupResult outcome() const noexcept { return outcome_; }
    const QString& lastError() const noexcept { return lastError_; }

    // What the buttons do.
    void print();
    void cancel();
    void browse();
    void showPrinterProperties();
    void showAbout();

    // A file chosen in the browse dialog: into tbFile, its kind selected in cbFile, its
    // folder remembered as the next start folder.
    void fileChosen(const QString& path);
    // Where the browse dialog starts: the remembered folder, else the program's folder.
    static QString startFolder();

    void reject() override;  // closing the window is Cancel

private:
    void buildControls();
    void fillPrinters();
    void fillPaperLists();
    void choosePrinter(int index);
    void applySettings();
    void normaliseFileName();
    void showOrientationPicture();
    std::int32_t selectedFileKind() const;

    Preview& pv_;
    std::int32_t currentPage_;
    SetupResult outcome_ = SetupResult::Cancelled;
    QString lastError_;

    QComboBox* cbPrinter_ = nullptr;
    QPushButton* cmdSetup_ = nullptr;
    QGroupBox* framePaper_ = nullptr;
    QComboBox* cbSize_ = nullptr;
    QComboBox* cbSource_ = nullptr;
    QGroupBox* frameOrientation_ = nullptr;
    QRadioButton* optPortrait_ = nullptr;
    QRadioButton* optLandscape_ = nullptr;
    QRadioButton* optAsIs_ = nullptr;
    QLabel* pictPortrait_ = nullptr;
    QLabel* pictLandscape_ = nullptr;
    QRadioButton* optAllPage_ = nullptr;
    QRadioButton* optCurrentPage_ = nullptr;
    QRadioButton* optPage_ = nullptr;
    QLineEdit* tbPages_ = nullptr;
    QRadioButton* optOddEven_ = nullptr;
    QComboBox* cbOddEven_ = nullptr;
    QLineEdit* tbCopies_ = nullptr;
    QCheckBox* chkCollate_ = nullptr;
    QCheckBox* chkFile_ = nullptr;
    QComboBox* cbFile_ = nullptr;
    QLineEdit* tbFile_ = nullptr;
    QToolButton* pictFile_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdAbout_ = nullptr;
};

}  // namespace kalder
