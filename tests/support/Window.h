// Driving windows and dialogs under Qt's offscreen platform: a Preview with a few pages of
// text lines, its window loaded and shown at a fixed size, the events a user's keys would
// send, modal windows answered, and the state of named controls as one line of text.
#pragma once

#include <gtest/gtest.h>

#include <QtWidgets>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "viewer/PageView.h"
#include "viewer/PreviewWindow.h"
#include "viewer/ShowWindow.h"
#include "viewer/WindowSettings.h"

namespace kalder::test {

// Page n holds the lines of texts[n - 1], one under the other from the inside frame's top.
inline void buildPages(Preview& pv, const std::vector<std::vector<std::string>>& texts) {
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (std::size_t n = 0; n < texts.size(); ++n) {
        if (n > 0) pv.AddPage("1 in", "1 in", "1 in", "1 in");
        pv.FontName("Arial"), pv.FontSize(12), pv.FontBold(false), pv.FontUnderline(false);
        for (const std::string& line : texts[n]) pv.AddTextAt(line);
    }
}

inline void sendKey(QWidget& target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(&target, &press);
}

// Types into the zoom box and presses Enter, as a user would.
inline void typeZoom(PreviewWindow& w, const QString& text) {
    w.zoomBox().lineEdit()->setText(text);
    sendKey(*w.zoomBox().lineEdit(), Qt::Key_Return);
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

// The pixels of `image` within `area` for which `test` holds.
inline int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixelColor(x, y));
    return n;
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
    void TearDown() override { pv.SetLanguage(prEnglish); }

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
