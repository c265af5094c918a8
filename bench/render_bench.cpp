// One A4 page of 50 text lines and 50 shapes (lines, boxes, filled boxes, circles, rounded
// rectangles) rendered into an image through the drawing layer, at 96 and at 300 dots per inch,
// against QPainter drawing the same 100 items straight onto a QImage of the same size in the
// same run. The counter "x_bare_qpainter" is the ratio (target: within 1.5).
//   build/bench/kalder_bench --benchmark_filter=Render
#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <chrono>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"

namespace {

constexpr int kItems = 50;

void buildPage(kalder::Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    pv.FontName("Arial");
    pv.FontSize(10);
    pv.FontBold(false);
    pv.FontUnderline(false);
    for (int i = 0; i < kItems; ++i)
        pv.AddTextAt("Line " + std::to_string(i + 1) + " of the ledger: account 4711, amount 1,024.00 EUR", 0,
                     i * 260, kalder::prALLeft, kalder::prASNone);
    pv.DrawWidth(15);
    pv.FillStyle(0);
    pv.FillColor(0xDDEEFF);
    for (int i = 0; i < kItems; ++i) {
        const int x = 6000 + (i % 5) * 600, y = (i / 5) * 1300;
        switch (i % 5) {
            case 0: pv.DrawLine(x, y, x + 500, y + 500); break;
            case 1: pv.DrawLine(x, y, x + 500, y + 500, kalder::prLBBox); break;
            case 2: pv.DrawLine(x, y, x + 500, y + 500, kalder::prLBBoxFill); break;
            case 3: pv.DrawCircle(x + 250, y + 250, 250); break;
            default: pv.DrawRoundRect(x, y, x + 500, y + 500, 100);
        }
    }
}

// The same items drawn directly with QPainter, in pixels at `dpi`.
QImage bare(double dpi, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    const double s = dpi / 1440.0;  // pixels per twip
    QFont f("Arial");
    f.setPointSizeF(10);
    p.setFont(f);
    for (int i = 0; i < kItems; ++i)
        p.drawText(QPointF(1440 * s, (1440 + i * 260) * s + 12),
                   QString("Line %1 of the ledger: account 4711, amount 1,024.00 EUR").arg(i + 1));
    p.setPen(QPen(Qt::black, std::max(1.0, 15 * s)));
    for (int i = 0; i < kItems; ++i) {
        const double x = (1440 + 6000 + (i % 5) * 600) * s, y = (1440 + (i / 5) * 1300) * s, d = 500 * s;
        switch (i % 5) {
            case 0: p.drawLine(QPointF(x, y), QPointF(x + d, y + d)); break;
            case 1: p.setBrush(Qt::NoBrush), p.drawRect(QRectF(x, y, d, d)); break;
            case 2: p.setBrush(QColor(0xFF, 0xEE, 0xDD)), p.drawRect(QRectF(x, y, d, d)); break;
            case 3: p.setBrush(QColor(0xFF, 0xEE, 0xDD)), p.drawEllipse(QRectF(x, y, d, d)); break;
            default: p.setBrush(QColor(0xFF, 0xEE, 0xDD)), p.drawRoundedRect(QRectF(x, y, d, d), 100 * s, 100 * s);
        }
    }
    p.end();
    return img;
}

void RenderPage(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const double dpi = static_cast<double>(state.range(0));
    kalder::Preview pv;
    buildPage(pv);
    auto& doc = pv.document();
    auto page = doc.pages().Item(1);
    kalder::PageImageOptions options;
    options.dotsPerInch = dpi;
    const QImage probe = kalder::renderPageImage(doc, *page, options);
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(kalder::renderPageImage(doc, *page, options));
        auto t1 = Clock::now();
        benchmark::DoNotOptimize(bare(dpi, probe.width(), probe.height()));
        auto t2 = Clock::now();
        ours += std::chrono::duration<double>(t1 - t0).count();
        theirs += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["pages_per_s"] = static_cast<double>(state.iterations()) / ours;
    state.counters["x_bare_qpainter"] = ours / theirs;
}

BENCHMARK(RenderPage)->Arg(96)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
