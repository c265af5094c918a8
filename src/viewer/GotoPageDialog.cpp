#include "viewer/GotoPageDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>

#include "core/Locale.h"
#include "core/Version.h"
#include "host/InterfaceTexts.h"
#include "platform/FormTranslator.h"

namespace kalder {

std::optional<std::int32_t> chosenPage(std::string_view typed, std::int32_t current, std::int32_t count) {
    const std::string_view digits = trimBlanks(typed);
    std::int32_t n = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || res.ec != std::errc{} || res.ptr != digits.data() + digits.size()) return std::nullopt;
    if (n < 1 || n > count || n == current) return std::nullopt;
    return n;
}

GotoPageDialog::GotoPageDialog(std::int32_t current, std::int32_t count, QWidget* parent)
    : QDialog(parent), current_(current), count_(count) {
    setObjectName(QStringLiteral("frmGotoPage"));
    setWindowTitle(QStringLiteral("Change the current page@36"));

    auto* label = new QLabel(QStringLiteral("Page@5"), this);
    tbPage_ = new QLineEdit(QString::number(current), this);
    tbPage_->setObjectName(QStringLiteral("tbPage"));
    tbPage_->selectAll();
    label->setBuddy(tbPage_);
    // Not a literal: the form translator leaves text without an "@" as it is.
    auto* total = new QLabel(QStringLiteral("/ %1").arg(count), this);
    total->setObjectName(QStringLiteral("lblCount"));

    auto* ok = new QPushButton(QStringLiteral("&OK@45"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel@46"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* about = new QPushButton(QStringLiteral("About@6"), this);
    about->setObjectName(QStringLiteral("cmdAbout"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(tbPage_, 1);
    row->addWidget(total);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(row);
    all->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] {
        choice_ = chosenPage(tbPage_->text().toStdString(), current_, count_);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(about, &QPushButton::clicked, this, [this] {
        QMessageBox::about(this, QString::fromStdString(kalder::tr("About@6")),
                           QStringLiteral("Kalder " KALDER_VERSION_STRING));
    });

    translateForm(*this, kalder::tr);
}

}  // namespace kalder
