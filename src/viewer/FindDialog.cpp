#include "viewer/FindDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/InterfaceTexts.h"
#include "platform/FormTranslator.h"

namespace kalder {

namespace {

bool sameSearch(const SearchOptions& a, const SearchOptions& b) {
    return a.text == b.text && a.matchCase == b.matchCase && a.wholeWord == b.wholeWord && a.allPages == b.allPages;
}

}  // namespace

FindDialog::FindDialog(std::function<const cDocument&()> document, QWidget* parent)
    : QDialog(parent), document_(std::move(document)) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find@59"));

    auto* what = new QLabel(QStringLiteral("&Find What :@60"), this);
    cbFind_ = new QComboBox(this);
    cbFind_->setObjectName(QStringLiteral("cbFind"));
    cbFind_->setEditable(true);
    cbFind_->setInsertPolicy(QComboBox::NoInsert);
    cbFind_->setMinimumContentsLength(24);
    what->setBuddy(cbFind_);

    chkFindWhole_ = new QCheckBox(QStringLiteral("Find Whole Word &Only@64"), this);
    chkFindWhole_->setObjectName(QStringLiteral("chkFindWhole"));
    chkMatchCase_ = new QCheckBox(QStringLiteral("Match Ca&se@65"), this);
    chkMatchCase_->setObjectName(QStringLiteral("chkMatchCase"));

    auto* scope = new QGroupBox(QStringLiteral("Search@61"), this);
    optCurrentPage_ = new QRadioButton(QStringLiteral("Current &Page@62"), scope);
    optCurrentPage_->setObjectName(QStringLiteral("optCurrentPage"));
    optAllPage_ = new QRadioButton(QStringLiteral("&All pages@63"), scope);
    optAllPage_->setObjectName(QStringLiteral("optAllPage"));
    optAllPage_->setChecked(true);
    auto* scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(optCurrentPage_);
    scopeLayout->addWidget(optAllPage_);

    cmdFindNext_ = new QPushButton(QStringLiteral("Find &Next@66"), this);
    cmdFindNext_->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel@46"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(what);
    row->addWidget(cbFind_, 1);
    auto* options = new QVBoxLayout;
    options->addWidget(chkFindWhole_);
    options->addWidget(chkMatchCase_);
    options->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(options, 1);
    middle->addWidget(scope);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFindNext_);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(row);
    left->addLayout(middle);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 1);
    all->addLayout(buttons);

    connect(cmdFindNext_, &QPushButton::clicked, this, [this] { findNext(); });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    translateForm(*this, kalder::tr);
}

void FindDialog::keyPressEvent(QKeyEvent* event) {
    // F3 repeats the search here too, as it does in the window.
    if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
        findNext();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FindDialog::hasSearchText() const { return !cbFind_->currentText().isEmpty(); }

SearchOptions FindDialog::options() const {
    SearchOptions o;
    o.text = cbFind_->currentText().toStdString();
    o.matchCase = chkMatchCase_->isChecked();
    o.wholeWord = chkFindWhole_->isChecked();
    o.allPages = optAllPage_->isChecked();
    return o;
}

bool FindDialog::findNext() {
    const QString text = cbFind_->currentText();
    if (text.isEmpty()) return false;
    if (cbFind_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        cbFind_->addItem(text);
        cbFind_->setCurrentText(text);
    }
    const SearchOptions o = options();
    if (!sameSearch(o, lastOptions_)) position_ = {};
    lastOptions_ = o;

    const std::int32_t page = currentPage ? currentPage() : 1;
    if (const auto match = kalder::findNext(document_(), page, o, position_)) {
        position_ = match->position;
        if (onFound) onFound(*match);
        return true;
    }
    position_ = {};
    if (onNotFound) onNotFound();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention"), QString::fromStdString(kalder::tr("Not found@67")),
                    QMessageBox::Ok, isVisible() ? static_cast<QWidget*>(this) : parentWidget());
    box.exec();
    return false;
}

}  // namespace kalder
