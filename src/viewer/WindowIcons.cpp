#include "viewer/WindowIcons.h"

#include <QPainter>
#include <cmath>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>
#include <string>

namespace kalder {

namespace {

constexpr int kSize = 32;
const QColor kInk(60, 64, 72);
const QColor kAccent(38, 110, 190);
const QColor kPaper(255, 255, 255);
const QColor kRed(200, 50, 45);

using Drawing = std::function<void(QPainter&)>;

QIcon drawn(const Drawing& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pm(kSize * scale, kSize * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPen pen(const QColor& c, double width = 2.4) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void sheet(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void textLines(QPainter& p, const QRectF& r, int lines) {
    p.setPen(pen(QColor(150, 155, 165), 1.4));
    for (int i = 0; i < lines; ++i) {
        const double y = r.top() + 5 + i * 4;
        if (y > r.bottom() - 3) break;
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    }
}

void magnifier(QPainter& p, const QPointF& c, double radius, const QString& sign) {
    p.setPen(pen(kInk, 3.2));
    p.drawLine(c + QPointF(radius * 0.7, radius * 0.7), c + QPointF(radius * 1.75, radius * 1.75));
    p.setPen(pen(kInk, 2.4));
    p.setBrush(QColor(225, 238, 252));
    p.drawEllipse(c, radius, radius);
    p.setPen(pen(kAccent, 2.6));
    if (sign == "+" || sign == "-") p.drawLine(c - QPointF(radius * 0.5, 0), c + QPointF(radius * 0.5, 0));
    if (sign == "+") p.drawLine(c - QPointF(0, radius * 0.5), c + QPointF(0, radius * 0.5));
}

void triangle(QPainter& p, double tipX, double baseX) {
    QPainterPath path;
    path.moveTo(tipX, 16);
    path.lineTo(baseX, 7);
    path.lineTo(baseX, 25);
    path.closeSubpath();
    p.setPen(pen(kAccent, 1.6));
    p.setBrush(kAccent);
    p.drawPath(path);
}

void bar(QPainter& p, double x) {
    p.setPen(pen(kAccent, 3));
    p.drawLine(QPointF(x, 7), QPointF(x, 25));
}

void printer(QPainter& p) {
    sheet(p, QRectF(9, 3, 14, 10));
    p.setPen(pen(kInk, 1.8));
    p.setBrush(QColor(205, 210, 218));
    p.drawRoundedRect(QRectF(4, 12, 24, 12), 2.5, 2.5);
    sheet(p, QRectF(9, 19, 14, 10));
    textLines(p, QRectF(9, 18, 14, 11), 2);
}

const std::map<std::string, std::pair<const char*, Drawing>>& icons() {
    static const std::map<std::string, std::pair<const char*, Drawing>> m = {
        {"Exit", {"application-exit", [](QPainter& p) {
             p.setPen(pen(kInk, 1.8));
             p.setBrush(QColor(235, 235, 235));
             p.drawRect(QRectF(5, 4, 14, 24));
             p.setPen(pen(kRed, 3));
             p.drawLine(QPointF(13, 16), QPointF(28, 16));
             p.drawLine(QPointF(23, 11), QPointF(28, 16));
             p.drawLine(QPointF(23, 21), QPointF(28, 16));
         }}},
        {"Zoom", {"zoom-in", [](QPainter& p) { magnifier(p, {13, 13}, 8.5, "+"); }}},
        {"UnZoom", {"zoom-out", [](QPainter& p) { magnifier(p, {13, 13}, 8.5, "-"); }}},
        {"Print", {"document-print", [](QPainter& p) { printer(p); }}},
        {"PrintDirect", {"document-print-direct", [](QPainter& p) {
             printer(p);
             p.setPen(pen(kRed, 1.2));
             p.setBrush(kRed);
             QPainterPath bolt;
             bolt.moveTo(25, 1);
             bolt.lineTo(20, 9);
             bolt.lineTo(24, 9);
             bolt.lineTo(21, 16);
             bolt.lineTo(29, 6);
             bolt.lineTo(25, 6);
             bolt.closeSubpath();
             p.drawPath(bolt);
         }}},
        {"Mail", {"mail-send", [](QPainter& p) {
             p.setPen(pen(kInk, 1.8));
             p.setBrush(kPaper);
             p.drawRect(QRectF(4, 8, 24, 17));
             p.drawLine(QPointF(4, 8), QPointF(16, 18));
             p.drawLine(QPointF(28, 8), QPointF(16, 18));
         }}},
        {"Find", {"edit-find", [](QPainter& p) {
             sheet(p, QRectF(4, 3, 18, 24));
             textLines(p, QRectF(4, 3, 18, 24), 5);
             magnifier(p, {19, 18}, 6, "");
         }}},
        {"First", {"go-first", [](QPainter& p) {
             bar(p, 8);
             triangle(p, 10, 24);
         }}},
        {"Previous", {"go-previous", [](QPainter& p) { triangle(p, 9, 23); }}},
        {"Next", {"go-next", [](QPainter& p) { triangle(p, 23, 9); }}},
        {"Last", {"go-last", [](QPainter& p) {
             bar(p, 24);
             triangle(p, 22, 8);
         }}},
        {"100Pc", {"zoom-original", [](QPainter& p) {
             sheet(p, QRectF(5, 3, 22, 26));
             QFont f;
             f.setPixelSize(11);
             f.setBold(true);
             p.setFont(f);
             p.setPen(kAccent);
             p.drawText(QRectF(5, 3, 22, 26), Qt::AlignCenter, QStringLiteral("1:1"));
         }}},
        {"PageWidth", {"zoom-fit-width", [](QPainter& p) {
             sheet(p, QRectF(7, 3, 18, 26));
             textLines(p, QRectF(7, 3, 18, 26), 2);
             p.setPen(pen(kAccent, 2.4));
             p.drawLine(QPointF(3, 20), QPointF(29, 20));
             p.drawLine(QPointF(3, 20), QPointF(7, 16));
             p.drawLine(QPointF(3, 20), QPointF(7, 24));
             p.drawLine(QPointF(29, 20), QPointF(25, 16));
             p.drawLine(QPointF(29, 20), QPointF(25, 24));
         }}},
        {"WholePage", {"zoom-fit-best", [](QPainter& p) {
             sheet(p, QRectF(8, 3, 16, 26));
             textLines(p, QRectF(8, 3, 16, 26), 6);
         }}},
        {"2Pages", {"view-dual", [](QPainter& p) {
             sheet(p, QRectF(2, 6, 13, 20));
             textLines(p, QRectF(2, 6, 13, 20), 4);
             sheet(p, QRectF(17, 6, 13, 20));
             textLines(p, QRectF(17, 6, 13, 20), 4);
         }}},
        {"Copy", {"edit-copy", [](QPainter& p) {
             sheet(p, QRectF(4, 3, 16, 20));
             textLines(p, QRectF(4, 3, 16, 20), 4);
             sheet(p, QRectF(12, 9, 16, 20));
             textLines(p, QRectF(12, 9, 16, 20), 4);
         }}},
        {"CUSTOM", {"", [](QPainter& p) {
             QPainterPath star;
             for (int i = 0; i < 10; ++i) {
                 const double r = i % 2 ? 5.5 : 13;
                 const double a = (i * 36 - 90) * 3.14159265 / 180;
                 const QPointF pt(16 + r * std::cos(a), 17 + r * std::sin(a));
                 i ? star.lineTo(pt) : star.moveTo(pt);
             }
             star.closeSubpath();
             p.setPen(pen(QColor(170, 120, 0), 1.6));
             p.setBrush(QColor(245, 190, 40));
             p.drawPath(star);
         }}},
        {"About", {"help-about", [](QPainter& p) {
             p.setPen(pen(kAccent, 2));
             p.setBrush(QColor(225, 238, 252));
             p.drawEllipse(QPointF(16, 16), 12, 12);
             p.setPen(pen(kAccent, 3.2));
             p.drawPoint(QPointF(16, 10));
             p.drawLine(QPointF(16, 15), QPointF(16, 23));
         }}},
    };
    return m;
}

}  // namespace

QIcon toolbarIcon(std::string_view key) {
    const auto& m = icons();
    auto it = m.find(std::string(key));
    if (it == m.end()) return {};
    const char* themeName = it->second.first;
    if (*themeName && QIcon::hasThemeIcon(QString::fromLatin1(themeName)))
        return QIcon::fromTheme(QString::fromLatin1(themeName));
    return drawn(it->second.second);
}

QIcon applicationIcon() {
    return drawn([](QPainter& p) {
        sheet(p, QRectF(4, 2, 19, 26));
        textLines(p, QRectF(4, 2, 19, 26), 6);
        magnifier(p, {19, 18}, 6.5, "");
    });
}

}  // namespace kalder
