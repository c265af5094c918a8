#include "viewer/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "host/InterfaceTexts.h"

namespace kalder {

namespace {
QString text(std::string_view literal) { return QString::fromStdString(tr(literal)); }
}  // namespace

TrayIcon::TrayIcon(const QIcon& icon, const QString& tip, QObject* parent)
    : QObject(parent), icon_(new QSystemTrayIcon(icon, this)), menu_(new QMenu) {
    // The restore entry has no text of its own in the table: the window's caption names it.
    menu_->addAction(tip, this, [this] { if (onRestore) onRestore(); });
    menu_->addAction(text("&Quit@4"), this, [this] { if (onExit) onExit(); });
    menu_->addAction(text("About@6"), this, [this] { if (onAbout) onAbout(); });
    icon_->setContextMenu(menu_);
    icon_->setToolTip(tip);
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick && onRestore) onRestore();
    });
    icon_->show();
}

TrayIcon::~TrayIcon() {
    icon_->hide();
    delete menu_;  // a context menu is not owned by the tray icon
}

void TrayIcon::setIcon(const QIcon& icon) { icon_->setIcon(icon); }

void TrayIcon::setTip(const QString& tip) {
    icon_->setToolTip(tip);
    if (!menu_->actions().isEmpty()) menu_->actions().first()->setText(tip);
}

}  // namespace kalder
