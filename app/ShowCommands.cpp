#include "ShowCommands.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <cctype>

#include "kalder/Preview.h"
#include "viewer/ShowWindow.h"
#include "viewer/WindowShot.h"
#include "viewer/ZoomRules.h"

namespace kalder::app {

namespace {

int bad(const std::string& message) {
    std::cerr << "kalder: " << message << '\n' << "usage:\n" << kShowUsage;
    return 2;
}

std::string lowerExtension(const std::string& file) {
    std::string ext = std::filesystem::path(file).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// A file that is not a saved document is laid out on A4 pages with 0.75 in margins, in plain
// text rather than the document's default heading look.
void plainPage(Preview& pv) {
    pv.AddFirstPage("0.75 in", "0.75 in", "0.75 in", "0.75 in");
    pv.FontBold(false);
    pv.FontItalic(false);
    pv.FontUnderline(false);
}

// One line of the file per text line, on as many pages as it takes; tabs every 8 columns.
// Text that is not UTF-8 is read as Latin-1, the usual other encoding of such files.
void layOutText(Preview& pv, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw AutomationError(-98, "Kalder", "Can not read the file : " + file);
    plainPage(pv);
    pv.FontName("Courier New");
    pv.FontSize(10);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        if (text.contains(QChar::ReplacementCharacter))
            text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        QString expanded;
        for (QChar c : text) {
            if (c == u'\t')
                expanded += QString(8 - expanded.size() % 8, u' ');
            else
                expanded += c;
        }
        pv.AddTextAt(expanded.toStdString(), Variant::missing(), Variant::missing(), prALLeft, prASPage);
    }
}

void loadFile(Preview& pv, const std::string& file) {
    const std::string ext = lowerExtension(file);
    if (ext == ".rtf") {
        const std::string markup = pv.RtfImport(file);
        if (markup.rfind("Error parsing file:", 0) == 0) throw AutomationError(-98, "Kalder", markup);
        plainPage(pv);
        pv.ShowRTF(file);
    } else if (ext == ".txt" || ext == ".text") {
        layOutText(pv, file);
    } else {
        pv.LoadXMLFromFile(file);
    }
}

// The zoom box text for a --zoom value.
std::optional<QString> zoomText(const std::string& value) {
    const ZoomNames names = currentZoomNames();
    if (value == "width" || value == "page-width") return QString::fromStdString(names.pageWidth);
    if (value == "whole" || value == "page" || value == "whole-page") return QString::fromStdString(names.wholePage);
    if (value == "two" || value == "two-pages") return QString::fromStdString(names.twoPages);
    std::string digits = value;
    if (!digits.empty() && digits.back() == '%') digits.pop_back();
    double percent = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), percent);
    // The window's zoom runs from 1 % to 1000 %, as render's --zoom does: a value beyond is
    // refused, not silently ignored.
    if (res.ec != std::errc{} || res.ptr != digits.data() + digits.size() || percent < 1 || percent > 1000)
        return std::nullopt;
    return QString::fromStdString(digits) + u'%';
}

bool parseSize(const std::string& value, QSize& size) {
    const auto x = value.find('x');
    if (x == std::string::npos) return false;
    int w = 0, h = 0;
    auto a = std::from_chars(value.data(), value.data() + x, w);
    auto b = std::from_chars(value.data() + x + 1, value.data() + value.size(), h);
    if (a.ec != std::errc{} || b.ec != std::errc{} || a.ptr != value.data() + x ||
        b.ptr != value.data() + value.size() || w < 200 || h < 150 || w > 8000 || h > 8000)
        return false;
    size = QSize(w, h);
    return true;
}

}  // namespace

int showWindow(Preview& pv) {
    // Without a display the window would wait, unseen, for a close that never comes.
    if (ensureWidgetApplication() && QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        std::cerr << "kalder: there is no display to show the window on (try kalder show FILE --screenshot OUT.png)\n";
        return 1;
    }
    pv.Modal(true);
    if (!showPreviewWindow(pv)) {
        std::cerr << "kalder: the preview window cannot be shown here\n";
        return 1;
    }
    return 0;
}

int showCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) return bad("show needs a file");
    std::string screenshot;
    WindowShot shot;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--screenshot" && hasValue) {
            screenshot = args[++i];
        } else if (a == "--zoom" && hasValue) {
            const auto text = zoomText(args[++i]);
            if (!text) return bad("--zoom takes a percentage from 1 to 1000, width, whole or two");
            shot.zoom = *text;
        } else if (a == "--page" && hasValue) {
            const std::string& n = args[++i];
            auto res = std::from_chars(n.data(), n.data() + n.size(), shot.page);
            if (res.ec != std::errc{} || res.ptr != n.data() + n.size() || shot.page < 1)
                return bad("--page takes a page number");
        } else if (a == "--size" && hasValue) {
            if (!parseSize(args[++i], shot.size)) return bad("--size takes WIDTHxHEIGHT in pixels");
        } else {
            return bad("unknown option " + a);
        }
    }
    if (screenshot.empty() && (!shot.zoom.isEmpty() || shot.page != 1))
        return bad("--zoom and --page go with --screenshot");
    // Drawn off screen: no display is needed, none is used. Set before Qt starts.
    if (!screenshot.empty()) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    Preview pv;
    loadFile(pv, args[1]);
    if (screenshot.empty()) return showWindow(pv);
    if (shot.page > pv.TotalPages()) return bad("the document has " + std::to_string(pv.TotalPages()) + " pages");
    const QImage image = grabPreviewWindow(pv, shot);
    if (image.isNull() || !image.save(QString::fromStdString(screenshot), "PNG")) {
        std::cerr << "kalder: could not write " << screenshot << '\n';
        return 1;
    }
    std::cout << "wrote " << screenshot << " (" << image.width() << "x" << image.height() << ")\n";
    return 0;
}

}  // namespace kalder::app
