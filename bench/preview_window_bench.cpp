// The two moments of the preview window a reader feels: repainting the shown page (scrolling,
// uncovering the window) and moving to the next page. Pages of 500 elements (400 lines of
// text and 100 lines and boxes), at the whole page and at 175 %. Each is reported with a
// ratio to its reference in the same run:
//   PreviewWindowRepaint  "x_bare_draw": the window's repaint of its page area from the page
//       cache, against a bare QPainter::drawImage of the same area: the pixels the area shows,
//       as one image, drawn into an image of the area's size;
//   PreviewWindowNextPage "x_render": showing the next page (not yet drawn), against drawing
//       that page once through the drawing layer (renderPageImage) at the same zoom; the
//       switch includes the window's painting of what changed ("paint_ms" of it), as the
//       event loop sends it. At 175 % the page is taller than the window, which draws the
//       rows in view at once and the rest when idle; the idle part is not in the figure.
//   Before timing, the window settles (events processed) as a window the user looks at.
//   build/bench/kalder_bench --benchmark_filter=PreviewWindow
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <ctime>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "viewer/PageView.h"
#include "viewer/PreviewWindow.h"
#include "viewer/ShowWindow.h"

namespace {

// The thread's own processor time: the window draws on this thread only, and other work on a
// busy machine does not count against it.
double now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
constexpr int kPages = 24;  // more than the page cache keeps, so every next page is drawn anew
constexpr int kTextLines = 400;
constexpr int kShapes = 100;

void buildPages(kalder::Preview& pv) {
    pv.AddFirstPage("0.5 in", "0.5 in", "0.5 in", "0.5 in");
    for (int p = 0; p < kPages; ++p) {
        if (p > 0) pv.AddPage("0.5 in", "0.5 in", "0.5 in", "0.5 in");
        pv.FontName("Arial");
        pv.FontSize(5);
        for (int i = 0; i < kTextLines; ++i) {
            const int column = i % 4, row = i / 4;
            pv.AddTextAt("Row " + std::to_string(row) + " column " + std::to_string(column) + " of page " +
                             std::to_string(p + 1),
                         column * 2600, row * 150, kalder::prALLeft, kalder::prASNone);
        }
        for (int i = 0; i < kShapes; ++i)
            pv.DrawLine(i * 100, 15100, i * 100 + 1500, 15600 + (i % 5) * 100, i % 2 ? kalder::prLBBox : kalder::prLBLine);
    }
}

// A window of the document, shown off screen at a usual size, at the zoom of the argument:
// 0 the whole page, else a percentage.
kalder::PreviewWindow& windowFor(kalder::Preview& pv, int zoom) {
    kalder::ensureWidgetApplication();
    buildPages(pv);
    kalder::PreviewWindow& w = kalder::previewWindowOf(pv);
    w.load();
    w.resize(1000, 800);
    w.show();
    QCoreApplication::processEvents();
    w.selectZoom(zoom ? QString::number(zoom) : QStringLiteral("Whole Page"));
    // Settled as a window the user looks at: the rest of the page drawn, the view composed.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return w;
}

void PreviewWindowRepaint(benchmark::State& state) {
    kalder::Preview pv;
    kalder::PreviewWindow& w = windowFor(pv, static_cast<int>(state.range(0)));
    QWidget& area = *w.pageView().viewport();
    // The reference puts the same pixels on the same area in one call: the shown area as one
    // image, drawn into an image of the area's size.
    const QImage shown = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage bare(shown.size(), QImage::Format_ARGB32_Premultiplied);
    bare.setDevicePixelRatio(shown.devicePixelRatio());
    constexpr int kBatch = 20;
    double window = 0, reference = 0;
    for (auto _ : state) {
        const double t0 = now();
        for (int i = 0; i < kBatch; ++i) area.repaint();
        const double t1 = now();
        for (int i = 0; i < kBatch; ++i) {
            QPainter p(&bare);
            p.drawImage(0, 0, shown);
        }
        const double t2 = now();
        const double one = (t1 - t0) / kBatch;
        state.SetIterationTime(one);
        window += one;
        reference += (t2 - t1) / kBatch;
    }
    state.counters["x_bare_draw"] = window / reference;
    state.counters["bare_ms"] = reference * 1000 / static_cast<double>(state.iterations());
    state.counters["renders"] = static_cast<double>(w.cache().renders());
}

void PreviewWindowNextPage(benchmark::State& state) {
    kalder::Preview pv;
    kalder::PreviewWindow& w = windowFor(pv, static_cast<int>(state.range(0)));
    double window = 0, reference = 0, paint = 0;
    for (auto _ : state) {
        const int next = w.currentPage() % kPages + 1;
        state.PauseTiming();
        kalder::PageImageOptions options;
        options.zoom = w.zoomPercent() / 100;
        options.dotsPerInch = w.logicalDpiX();
        kalder::cPage& page = *pv.document().pages().Item(next);
        // Drawn once before it is timed, so that the reference and the window both find the
        // page's fonts and measured texts ready.
        benchmark::DoNotOptimize(kalder::renderPageImage(pv.document(), page, options));
        const double t0 = now();
        benchmark::DoNotOptimize(kalder::renderPageImage(pv.document(), page, options));
        const double t1 = now();
        state.ResumeTiming();
        if (w.currentPage() == kPages)
            w.firstPage();  // a wrap is a page switch too
        else
            w.nextPage();
        const double tm = now();
        // What the event loop does next: paint what the switch changed, and nothing else.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const double t2 = now();
        paint += t2 - tm;
        reference += (t1 - t0);
        window += (t2 - t1);
    }
    state.counters["x_render"] = window / reference;
    state.counters["render_ms"] = reference * 1000 / static_cast<double>(state.iterations());
    state.counters["paint_ms"] = paint * 1000 / static_cast<double>(state.iterations());
}

BENCHMARK(PreviewWindowRepaint)->Arg(0)->Arg(175)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(PreviewWindowNextPage)->Arg(0)->Arg(175)->Unit(benchmark::kMillisecond)->Iterations(24);

}  // namespace
