// Paragraph layout of about 200 A4 pages of justified text, poured page by page with the
// ParaText loop, against two references measured in the same run on the same text:
//   - every word's width measured alone with the text measurer (the floor: layout measures
//     each word once, so the rest of the ratio is the layout's own cost; target 2x or less);
//   - Qt's QTextDocument laying the same paragraphs out, justified, into pages of the same
//     size, margins and font (a peer).
// The text is the "paragraphs" corpus of /work/shared/bench/gen_corpus.py (splitmix64, seed
// 20240602, 1830 paragraphs of 3..8 sentences of 6..18 lorem words), regenerated here.
//   build-richtext/bench/kalder_bench --benchmark_filter=Paragraph
// Counters: layout_vs_measure = layout / measure-alone; qt_vs_layout = QTextDocument / layout;
// pages and qt_pages = the pages each produced.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/QtRuntime.h"
#include "core/TextMeasurer.h"
#include "kalder/Preview.h"

namespace {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {
        s_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = s_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t n) { return next() % n; }

private:
    std::uint64_t s_;
};

constexpr const char* kLorem[] = {
    "lorem", "ipsum", "dolor", "sit", "amet", "consectetur", "adipiscing", "elit", "sed", "do", "eiusmod",
    "tempor", "incididunt", "ut", "labore", "et", "dolore", "magna", "aliqua", "enim", "ad", "minim", "veniam",
    "quis", "nostrud", "exercitation", "ullamco", "laboris", "nisi", "aliquip", "ex", "ea", "commodo", "consequat",
    "duis", "aute", "irure", "in", "reprehenderit", "voluptate", "velit", "esse", "cillum", "eu", "fugiat",
    "nulla", "pariatur", "excepteur", "sint", "occaecat", "cupidatat", "non", "proident", "sunt", "culpa", "qui",
    "officia", "deserunt", "mollit", "anim", "id", "est", "laborum", "at", "vero", "eos", "accusamus", "iusto",
    "odio", "dignissimos", "ducimus", "blanditiis", "praesentium", "voluptatum", "deleniti", "atque", "corrupti",
    "quos", "dolores", "quas", "molestias", "excepturi", "obcaecati", "cupiditate", "provident", "similique",
    "mollitia", "animi", "dolorum", "fuga", "harum", "quidem", "rerum", "facilis", "expedita", "distinctio", "nam",
    "libero", "tempore", "cum", "soluta", "nobis", "eligendi", "optio", "cumque", "nihil", "impedit", "quo",
    "minus", "maxime", "placeat", "facere", "possimus", "omnis", "voluptas", "assumenda", "repellendus",
    "temporibus", "autem", "quibusdam", "officiis", "debitis", "necessitatibus", "saepe", "eveniet",
    "voluptates", "repudiandae", "recusandae", "itaque", "earum", "hic", "tenetur", "sapiente", "delectus",
    "reiciendis", "maiores", "alias", "perferendis", "doloribus", "asperiores", "repellat"};
constexpr std::uint64_t kLoremCount = sizeof(kLorem) / sizeof(kLorem[0]);
constexpr std::uint64_t kSeed = 20240601 + 1;
constexpr int kParagraphs = 1830;

// The corpus: one paragraph per entry, as gen_corpus.py writes them.
const std::vector<std::string>& paragraphs() {
    static const std::vector<std::string> out = [] {
        SplitMix64 rng(kSeed);
        std::vector<std::string> ps;
        for (int p = 0; p < kParagraphs; ++p) {
            std::string para;
            for (std::uint64_t s = 0, n = 3 + rng.below(6); s < n; ++s) {
                std::vector<std::string> ws;
                for (std::uint64_t w = 0, m = 6 + rng.below(13); w < m; ++w) ws.emplace_back(kLorem[rng.below(kLoremCount)]);
                ws[0][0] = static_cast<char>(ws[0][0] - 'a' + 'A');
                if (!para.empty()) para += ' ';
                for (std::size_t i = 0; i < ws.size(); ++i) para += (i ? " " : "") + ws[i];
                para += '.';
            }
            ps.push_back(std::move(para));
        }
        return ps;
    }();
    return out;
}

std::vector<std::string> words() {
    std::vector<std::string> out;
    for (const auto& p : paragraphs()) {
        std::size_t from = 0;
        for (std::size_t at = p.find(' '); ; at = p.find(' ', from)) {
            out.push_back(p.substr(from, at == std::string::npos ? std::string::npos : at - from));
            if (at == std::string::npos) break;
            from = at + 1;
        }
    }
    return out;
}

// Page: A4, margins of one inch, Arial (Liberation Sans) 10 pt on 12 pt lines, an empty line
// after each paragraph: about 200 pages.
constexpr double kA4WidthPt = 595.276, kA4HeightPt = 841.89, kMarginPt = 72, kPoints = 10, kLinePt = 12;

kalder::cStyle bodyStyle() {
    kalder::cStyle s;
    s.FontName = "Arial";
    s.FontSize = kPoints * 20;
    return s;
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int layOutWithParaText(const std::string& text) {
    kalder::Preview pv;
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    pv.FontName("Arial");
    pv.FontSize(kPoints);
    pv.FontBold(false);
    pv.FontUnderline(false);
    std::string rest = text;
    int pages = 1;
    for (;; ++pages) {
        pv.ParaText(rest);
        if (rest.empty()) break;
        pv.AddPage("1 in", "1 in", "1 in", "1 in");
        pv.FontName("Arial");
        pv.FontSize(kPoints);
        pv.FontBold(false);
        pv.FontUnderline(false);
    }
    return pages;
}

double measureWordsAlone(const std::vector<std::string>& ws) {
    const kalder::cStyle s = bodyStyle();
    double total = 0;
    for (const auto& w : ws) total += kalder::TextMeasurer::width(s, w);
    return total;
}

int layOutWithQTextDocument(const QString& plain) {
    QTextDocument doc;
    QFont font("Arial");
    font.setPointSizeF(kPoints);
    doc.setDefaultFont(font);
    QTextOption option;
    option.setAlignment(Qt::AlignJustify);
    option.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(option);
    // Without a paint device the document lays out at the screen resolution; express the
    // page and its margins in those pixels.
    const double px = doc.documentLayout()->paintDevice() ? doc.documentLayout()->paintDevice()->logicalDpiY() / 72.0
                                                          : 96.0 / 72.0;
    doc.setDocumentMargin(kMarginPt * px);
    doc.setPageSize(QSizeF(kA4WidthPt * px, kA4HeightPt * px));
    doc.setPlainText(plain);
    QTextBlockFormat lines;
    lines.setLineHeight(kLinePt * px, QTextBlockFormat::FixedHeight);
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(lines);
    return doc.pageCount();
}

void ParagraphLayout200Pages(benchmark::State& state) {
    kalder::ensureGuiApplication();
    std::string text = "<ju><lv 2;240>";
    QString plain;
    for (std::size_t i = 0; i < paragraphs().size(); ++i) {
        if (i) {
            text += "\r\n\r\n";
            plain += "\n\n";
        }
        text += paragraphs()[i];
        plain += QString::fromStdString(paragraphs()[i]);
    }
    const std::vector<std::string> ws = words();
    measureWordsAlone(ws);  // warm the font caches for every run alike

    double layout = 0, measure = 0, qt = 0;
    int pages = 0, qtPages = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        pages = layOutWithParaText(text);
        const double l = seconds(t0);
        state.SetIterationTime(l);
        layout += l;

        t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(measureWordsAlone(ws));
        measure += seconds(t0);

        t0 = std::chrono::steady_clock::now();
        qtPages = layOutWithQTextDocument(plain);
        qt += seconds(t0);
    }
    state.counters["pages"] = pages;
    state.counters["qt_pages"] = qtPages;
    state.counters["words"] = static_cast<double>(ws.size());
    state.counters["layout_vs_measure"] = layout / measure;
    state.counters["qt_vs_layout"] = qt / layout;
    state.counters["measure_s"] = measure / static_cast<double>(state.iterations());
    state.counters["qt_s"] = qt / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(ParagraphLayout200Pages)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
