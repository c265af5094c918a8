// Driving windows and dialogs under Qt's offscreen platform: a Preview with a few pages of
// text lines, its window loaded and shown at a fixed size, the events a user's keys, clicks
// and wheel would send, and the state of named controls as one line of text.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cctype>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "viewer/PageView.h"
#include "viewer/PreviewWindow.h"
#include "viewer/ShowWindow.h"
#include "viewer/TextSearch.h"
#include "viewer/WindowSettings.h"

namespace kalder::test {

// Page n holds the lines of texts[n - 1], one under the other from the inside frame's top.
inline void buildPages(Preview& pv, const std::vector<std::vector<std::string>>& texts) {
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (std::size_t n = 0; n < texts.size(); ++n) {
        if (n > 0) pv.AddPage("1 in", "1 in", "1 in", "1 in");
        pv.FontName("Arial");
        pv.FontSize(12);
        pv.FontBold(false);
        pv.FontUnderline(false);
        for (const std::string& line : texts[n]) pv.AddTextAt(line);
    }
}

inline void sendKey(QWidget& target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(&target, &press);
}

// Types text character by character, as key presses carrying only their text.
inline void typeText(QWidget& target, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(&target, &press);
    }
}

inline void sendPress(QWidget& target, QPoint at, Qt::MouseButton button) {
    const QPointF where(at);
    QMouseEvent press(QEvent::MouseButtonPress, where, target.mapToGlobal(where), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
}

inline void sendDoubleClick(QWidget& target) {
    const QPointF where(target.rect().center());
    QMouseEvent click(QEvent::MouseButtonDblClick, where, target.mapToGlobal(where), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &click);
}

inline void sendWheel(QWidget& target, int angle) {
    const QPointF where(target.rect().center());
    QWheelEvent wheel(where, target.mapToGlobal(where), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&target, &wheel);
}

// Types into the zoom box and presses Enter, as a user would.
inline void typeZoom(PreviewWindow& w, const QString& text) {
    QLineEdit* edit = w.zoomBox().lineEdit();
    edit->setText(text);
    sendKey(*edit, Qt::Key_Return);
}

// Runs `act` on the next modal window (message box or dialog) once it is open; the code
// that opens it blocks in its own event loop meanwhile. Deleting the returned timer stops
// the waiting (it deletes itself once it acted).
inline QTimer* whenModalOpens(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(*modal);
        }
    });
    timer->start();
    return timer;
}

template <class T = QWidget>
T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no child ") + name);
    return *found;
}

// The entries of a list box as "text=data", joined by ", " ("text" alone where no data).
inline std::string comboItems(QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i) + (box.itemData(i).isValid() ? "=" + box.itemData(i).toString() : QString());
    return out.join(", ").toStdString();
}

// The named children of `parent`, each as its name, "=" and its caption (buttons but tool
// buttons, group boxes), then ":checked", ":hidden", ":disabled" where so; joined by ", ".
inline std::string describe(QWidget& parent, std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) {
        QWidget& w = child(parent, name);
        QString s = name;
        auto* button = qobject_cast<QAbstractButton*>(&w);
        if (button && !qobject_cast<QToolButton*>(&w)) s += "=" + button->text();
        if (auto* g = qobject_cast<QGroupBox*>(&w)) s += "=" + g->title();
        if (button && button->isChecked()) s += ":checked";
        if (w.isHidden()) s += ":hidden";
        if (!w.isEnabled()) s += ":disabled";
        out << s;
    }
    return out.join(", ").toStdString();
}

// The page panel, the zoom box, the mode (and percentage), and the page buttons First,
// Previous, Next, Last as letters, capitals where enabled: "Page 2/3, 75%, mode 0 75, FPNL".
inline std::string windowState(PreviewWindow& w) {
    std::ostringstream out;
    out << w.pagePanel().text().toStdString() << ", " << w.zoomText().toStdString() << ", mode "
        << static_cast<int>(w.zoomMode());
    if (w.zoomMode() == ZoomMode::Percent) out << " " << w.zoomPercent();
    out << ", ";
    for (const char* key : {"First", "Previous", "Next", "Last"})
        out << static_cast<char>(w.action(key)->isEnabled() ? key[0] : std::tolower(key[0]));
    return out.str();
}

// The page and text of the match the window highlights ("2:the cat sat"); "" when none.
inline std::string highlighted(PreviewWindow& w) {
    const SearchPosition& p = w.highlight();
    if (p.empty()) return "";
    auto frame = w.preview().document().pages().Item(p.page)->Frames().Item(p.frame);
    return std::to_string(w.currentPage()) + ":" + searchableText(*frame->Elements().Item(p.element)).value_or("?");
}

// Runs `act` and tells the title and text of the message box it opened, and closed, with
// " (!)" for a warning; "" when it opened none.
inline std::string messageAfter(const std::function<void()>& act) {
    auto box = std::make_shared<std::string>();
    QPointer<QTimer> waiting = whenModalOpens([box](QWidget& modal) {
        if (auto* m = qobject_cast<QMessageBox*>(&modal))
            *box = (m->windowTitle() + ": " + m->text()).toStdString() + (m->icon() == QMessageBox::Warning ? " (!)" : "");
        modal.close();
    });
    act();
    delete waiting.data();  // none opened: stop waiting
    return *box;
}

// The pixels of `image` within `area` for which `test` holds.
inline int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

// Sends each key to the page view; tells for each the page then shown and where `bar` is:
// "top", "end" or in single steps ("1:top 1:1 2:end ").
inline std::string pressKeys(PreviewWindow& w, QScrollBar& bar, std::initializer_list<int> keys) {
    std::string out;
    for (int key : keys) {
        sendKey(w.pageView(), key);
        const int at = bar.value();
        out += std::to_string(w.currentPage()) + ":" +
               (at == 0 ? "top" : at == bar.maximum() ? "end" : std::to_string(at / bar.singleStep())) + " ";
    }
    return out;
}

// Clicks the middle of the (left) page; tells the zoom box's text then.
inline std::string clickPage(PreviewWindow& w, Qt::MouseButton button) {
    sendPress(*w.pageView().viewport(), w.pageView().leftPageRect().center(), button);
    return w.zoomText().toStdString();
}

// The toolbar buttons shown, by key, in toolbar order.
inline std::string visibleActions(PreviewWindow& w) {
    std::string out;
    for (const char* key : {"Print", "PrintDirect", "Find", "Zoom", "UnZoom", "ComboZoom", "100Pc", "PageWidth",
                            "2Pages", "Copy", "CUSTOM", "First", "Previous", "Next", "Last", "Mail", "About"})
        if (w.action(key)->isVisible()) out += std::string(out.empty() ? "" : " ") + key;
    return out;
}

// Once the application was idle, the view shows its (left) page picture where it says the
// page is, on the grey ground.
inline void expectShowsItsPage(PageView& view, const char* when) {
    QCoreApplication::processEvents();
    const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect at = view.leftPageRect().intersected(view.viewport()->rect());
    const QImage page = view.leftImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(at.isEmpty()) << when;
    EXPECT_TRUE(shown.copy(at) == page.copy(at.translated(-view.leftPageRect().topLeft()))) << when;
    if (!view.leftPageRect().contains(QPoint(1, 1))) EXPECT_EQ(shown.pixelColor(1, 1), QColor(128, 128, 128)) << when;
}

// A page drawn whole at a zoom factor, to compare pictures drawn otherwise with. Qt puts the
// first drawing of a large glyph on screen a little differently from the drawings after it
// (its glyph cache fills), so this is a second drawing.
inline QImage referencePageImage(cDocument& doc, cPage& page, double zoom, int dotsPerInch = 96) {
    PageImageOptions options;
    options.zoom = zoom;
    options.dotsPerInch = dotsPerInch;
    renderPageImage(doc, page, options);
    return renderPageImage(doc, page, options);
}

// A shown window of the Preview's document, the user's settings kept in a temporary folder.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureWidgetApplication());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    PreviewWindow& open(const QSize& size = {900, 700}) {
        PreviewWindow& w = previewWindowOf(pv);
        w.load();
        w.resize(size);
        w.show();
        QCoreApplication::processEvents();
        return w;
    }

    QTemporaryDir settingsDir;
    Preview pv;
};

}  // namespace kalder::test
