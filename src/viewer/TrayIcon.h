// The tray icon that stands for the preview window while it is shown (where the desktop has
// a system tray): a double-click brings the window back, its menu offers Restore, Quit and
// About. It goes away with the window.
#pragma once

#include <QIcon>
#include <QObject>
#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace kalder {

class TrayIcon final : public QObject {
public:
    TrayIcon(const QIcon& icon, const QString& tip, QObject* parent);
    ~TrayIcon() override;

    std::function<void()> onRestore;
    std::function<void()> onExit;
    std::function<void()> onAbout;

    void setIcon(const QIcon& icon);
    void setTip(const QString& tip);

private:
    QSystemTrayIcon* icon_;
    QMenu* menu_;
};

}  // namespace kalder
