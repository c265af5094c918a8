// The preview window's construction, settings, position, tray icon and closing; the page
// display is in PreviewWindowPages.cpp, the commands in PreviewWindowCommands.cpp.
#include "viewer/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "platform/FormTranslator.h"
#include "viewer/FindDialog.h"
#include "viewer/PageView.h"
#include "viewer/TrayIcon.h"
#include "viewer/WindowIcons.h"
#include "viewer/WindowSettings.h"

namespace kalder {

namespace {

constexpr const char* kSettingsOrganisation = "Kalder";
constexpr const char* kSettingsApplication = "Kalder";
constexpr const char* kPositionSection = "PreviewPosition";

// Keys of the buttons each Show* setting governs.
constexpr const char* kZoomKeys[] = {"Zoom", "UnZoom", "ComboZoom", "100Pc", "PageWidth", "WholePage", "2Pages"};
constexpr const char* kArrowKeys[] = {"First", "Previous", "Next", "Last", "BlankArrow"};

QIcon iconFromBytes(const std::vector<std::uint8_t>& data) {
    QPixmap pm;
    if (!pm.loadFromData(data.data(), static_cast<uint>(data.size()))) return {};
    return QIcon(pm);
}

QIcon iconFromFile(const std::string& file) {
    if (file.empty()) return {};
    QIcon icon(QString::fromStdString(file));
    return icon.availableSizes().isEmpty() && icon.pixmap(16).isNull() ? QIcon() : icon;
}

}  // namespace

PreviewWindow::PreviewWindow(Preview& pv) : pv_(pv) {
    setObjectName(QStringLiteral("frmPreview"));
    view_ = new PageView(this);
    view_->setObjectName(QStringLiteral("Container"));
    setCentralWidget(view_);
    buildToolbar();
    buildStatusBar();

    view_->onPagePress = [this](Qt::MouseButton button) {
        if (!pv_.windowSettings().AllowMouseToZoom) return;
        if (button == Qt::LeftButton) zoomIn();
        if (button == Qt::RightButton) zoomOut();
    };
    view_->onKey = [this](QKeyEvent& key) { return handleKey(key); };
    view_->onWheel = [this](int delta) { scrollByWheel(delta); };
    view_->onResize = [this] { refreshZoom(); };
    view_->onScroll = [this] {
        if (!refreshing_) showPages();
    };

    // Room for a portrait page at a readable size, within the screen.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    resize(std::min(1000, screen.width() * 9 / 10), std::min(960, screen.height() * 9 / 10));

    pv_.windowSettings().open.window = this;
    pv_.windowSettings().open.close = [](PreviewWindow* w) { delete w; };
}

PreviewWindow::~PreviewWindow() {
    // The zoom box reports its text when it loses the focus, which it does while the window's
    // children are deleted.
    zoomBox_->blockSignals(true);
    zoomBox_->lineEdit()->blockSignals(true);
    OpenWindow& link = pv_.windowSettings().open;
    if (link.window == this) link.window = nullptr;
}

QAction* PreviewWindow::addButton(const std::string& key, const char* tipLiteral, std::function<void()> run) {
    auto* a = new QAction(toolbarIcon(key), QString::fromUtf8(tipLiteral), this);
    a->setObjectName(QString::fromStdString(key));
    a->setToolTip(QString::fromUtf8(tipLiteral));
    if (run)
        connect(a, &QAction::triggered, this, [run = std::move(run)] {
            try {
                run();
            } catch (...) {
                // A handler that fails leaves the window as it is.
            }
        });
    toolbar_->addAction(a);
    actions_[key] = a;
    return a;
}

void PreviewWindow::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("TopToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);

    addButton("Exit", "Exit the preview display@44", [this] { close(); });
    toolbar_->addSeparator();
    addButton("Zoom", "Make a zoom of the document@42", [this] { zoomIn(); });
    addButton("UnZoom", "Make an unzoom of the document@41", [this] { zoomOut(); });

    zoomBox_ = new QComboBox(toolbar_);
    zoomBox_->setObjectName(QStringLiteral("cbSize"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setToolTip(QStringLiteral("Zoom Control@57"));
    zoomBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    zoomBox_->lineEdit()->setObjectName(QStringLiteral("lbSize"));
    zoomBox_->lineEdit()->setToolTip(QStringLiteral("Zoom Control@57"));
    QAction* combo = toolbar_->addWidget(zoomBox_);
    combo->setObjectName(QStringLiteral("ComboZoom"));
    actions_["ComboZoom"] = combo;
    // A pick from the list; Enter on a typed text that is also in the list comes here too.
    connect(zoomBox_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { selectZoom(zoomBox_->itemText(index)); });
    connect(zoomBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const QString typed = zoomBox_->lineEdit()->text();
        if (zoomBox_->findText(typed) < 0) selectZoom(typed);
    });
    toolbar_->addSeparator();

    addButton("Print", "Print the document@43", [this] { makePrint(); });
    addButton("PrintDirect", "Print the document@94", [this] { printDirect(); });
    // The mail button has no action; it is kept for its key and never shown.
    addButton("Mail", "Send by mail@77", {})->setVisible(false);
    addButton("Find", "Find text in the document@68", [this] { openFind(); });
    addButton("First", "Display the first page@37", [this] { firstPage(); });
    addButton("Previous", "Display the previous page@38", [this] { previousPage(); });
    addButton("Next", "Display the next page@39", [this] { nextPage(); });
    addButton("Last", "Display the last page@40", [this] { lastPage(); });
    actions_["BlankArrow"] = toolbar_->addSeparator();
    actions_["BlankArrow"]->setObjectName(QStringLiteral("BlankArrow"));
    // The zoom buttons select an entry of the zoom list, as a pick from the list would.
    addButton("100Pc", "100%", [this] { selectZoom(QStringLiteral("100%")); });
    addButton("PageWidth", "Page Width@54", [this] { selectZoom(QString::fromStdString(kalder::tr(kPageWidthLiteral))); });
    addButton("WholePage", "Whole Page@55", [this] { selectZoom(QString::fromStdString(kalder::tr(kWholePageLiteral))); });
    addButton("2Pages", "Two Page@56", [this] { selectZoom(QString::fromStdString(kalder::tr(kTwoPagesLiteral))); });
    actions_["CUSTOM2"] = toolbar_->addSeparator();
    actions_["CUSTOM2"]->setObjectName(QStringLiteral("CUSTOM2"));
    addButton("Copy", "Copy to Clipboard@76", [this] { copyPage(); });
    addButton("CUSTOM", "Custom button@72", [this] { customButton(); });
    addButton("About", "About@6", [this] { about(); });
}

void PreviewWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    iconPanel_ = new QLabel(bar);
    iconPanel_->setObjectName(QStringLiteral("StatusIcon"));
    pagePanel_ = new QLabel(bar);
    pagePanel_->setObjectName(QStringLiteral("Page"));
    pagePanel_->setToolTip(QStringLiteral("Double click to choose the page@53"));
    pagePanel_->setMinimumWidth(120);
    pagePanel_->installEventFilter(this);
    bar->addWidget(iconPanel_);
    bar->addWidget(pagePanel_, 1);
}

QAction* PreviewWindow::action(const std::string& key) const {
    auto it = actions_.find(key);
    return it == actions_.end() ? nullptr : it->second;
}

void PreviewWindow::fillZoomList() {
    zoomBox_->clear();
    for (const char* entry : kZoomPercentEntries) zoomBox_->addItem(QString::fromLatin1(entry));
    const ZoomNames names = currentZoomNames();
    for (const std::string* name : {&names.pageWidth, &names.wholePage, &names.twoPages})
        zoomBox_->addItem(QString::fromStdString(*name));
}

void PreviewWindow::load() {
    translateForm(*this, kalder::tr);
    fillZoomList();
    applySettings();
    restorePosition();
    cache_.clear();
    highlight_ = {};
    highlightPage_ = 0;
    shownDocument_ = &pv_.document();
    page_ = pageCount() > 0 ? 1 : 0;
    selectZoom(QString::fromStdString(zoomTextForProperty(pv_.windowSettings().Zoom, currentZoomNames())));
}

void PreviewWindow::applySettings() {
    const WindowSettings& ws = pv_.windowSettings();
    setWindowTitle(QString::fromStdString(ws.Caption));
    setLayoutDirection(ws.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    QIcon icon = iconFromBytes(ws.IconData);
    if (icon.isNull()) icon = iconFromFile(ws.IconFilename);
    if (icon.isNull()) icon = applicationIcon();
    setWindowIcon(icon);
    QIcon statusIcon = iconFromFile(ws.StatusBarIconFile);
    if (statusIcon.isNull()) statusIcon = icon;
    iconPanel_->setPixmap(statusIcon.pixmap(16, 16));

    toolbar_->setVisible(ws.ShowToolbar);
    statusBar()->setVisible(ws.ShowStatusBar);
    iconPanel_->setVisible(ws.ShowStatusBarIcon);
    action("Print")->setVisible(ws.ShowPrintButton);
    action("PrintDirect")->setVisible(ws.ShowPrintDirectButton);
    action("Find")->setVisible(ws.ShowFindButton);
    action("Copy")->setVisible(ws.ShowCopyClipboardButton);
    action("CUSTOM")->setVisible(ws.ShowCustomButton);
    for (const char* key : kZoomKeys) action(key)->setVisible(ws.ShowZoomButton);
    for (const char* key : kArrowKeys) action(key)->setVisible(ws.ShowArrows);
    for (QToolButton* b : toolbar_->findChildren<QToolButton*>()) b->setAutoRaise(ws.ToolbarIE4);

    if (tray_) {
        tray_->setIcon(icon);
        tray_->setTip(windowTitle());
    }
    if (isVisible()) updateTray();
    if (page_ > 0) showPages();
}

void PreviewWindow::showWithState() {
    const WindowSettings& ws = pv_.windowSettings();
    if (ws.WindowState == prMinimized)
        showMinimized();
    else if (ws.WindowState == prMaximized)
        showMaximized();
    else
        showNormal();
    raise();
    activateWindow();
    view_->setFocus();
    updateTray();
}

double PreviewWindow::twipsPerPixel() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void PreviewWindow::restorePosition() {
    const WindowSettings& ws = pv_.windowSettings();
    std::int32_t left = ws.LeftPositionPreviewWindow;
    std::int32_t top = ws.TopPositionPreviewWindow;
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    settings.beginGroup(QString::fromLatin1(kPositionSection));
    if (left == -1) left = settings.value(QStringLiteral("Left"), -1).toInt();
    if (top == -1) top = settings.value(QStringLiteral("Top"), -1).toInt();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (left == -1 && top == -1) {
        move(area.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    const double tpp = twipsPerPixel();
    int x = left == -1 ? pos().x() : static_cast<int>(std::lround(left / tpp));
    int y = top == -1 ? pos().y() : static_cast<int>(std::lround(top / tpp));
    // Keep the title bar on the screen, whatever screen the position was saved on.
    x = std::clamp(x, area.left() - width() + 100, std::max(area.left(), area.right() - 100));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - 50));
    move(x, y);
}

void PreviewWindow::savePosition() {
    const double tpp = twipsPerPixel();
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    settings.beginGroup(QString::fromLatin1(kPositionSection));
    settings.setValue(QStringLiteral("Left"), static_cast<int>(std::lround(pos().x() * tpp)));
    settings.setValue(QStringLiteral("Top"), static_cast<int>(std::lround(pos().y() * tpp)));
}

void PreviewWindow::updateTray() {
    const bool wanted =
        pv_.windowSettings().ShowTrayIcon && isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    if (wanted && !tray_) {
        tray_ = new TrayIcon(windowIcon(), windowTitle(), this);
        tray_->onRestore = [this] {
            showNormal();
            raise();
            activateWindow();
        };
        tray_->onExit = [this] { close(); };
        tray_->onAbout = [this] { about(); };
    } else if (!wanted && tray_) {
        delete tray_;
        tray_ = nullptr;
    }
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    savePosition();
    delete tray_;
    tray_ = nullptr;
    if (find_) find_->close();
    cache_.clear();
    event->accept();
    emit closed();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pagePanel_ && event->type() == QEvent::MouseButtonDblClick) {
        try {
            openGoToPage();
        } catch (...) {
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kalder
