// Saving and loading a large document in the XML format: 1,000 pages x 100 elements (style
// changes and frames). The load is reported as a ratio to pugixml's bare parse of the same
// file in the same run (counter "x_bare_parse"), and the loaded document's heap per element.
//   build/bench/kalder_bench --benchmark_filter=Xml
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <filesystem>

#include <pugixml.hpp>

#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "kalder/Preview.h"

namespace {

constexpr int kPages = 1000;
constexpr int kElementsPerPage = 100;

void buildLarge(kalder::Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
    for (int p = 0; p < kPages; ++p) {
        if (p > 0) pv.AddPage("1 in", "1 in", "1 in", "1 in");
        pv.AddFrame("box", "2 in", "2 in", "3 in", "1 in");
        pv.CurrentFrame("inside");
        // 99 style changes and the frame: 100 elements a page.
        for (int e = 0; e < kElementsPerPage - 1; ++e) {
            switch (e % 4) {
                case 0: pv.FontBold(e % 8 == 0); break;
                case 1: pv.ForeColor(e * 1234); break;
                case 2: pv.LeadingVal(e * 1.5); break;
                default: pv.FontName(e % 3 ? "Arial" : "Times New Roman");
            }
        }
    }
}

const std::string& largeFile() {
    static const std::string path = [] {
        auto p = (std::filesystem::temp_directory_path() / "kalder-bench-large.xml").string();
        kalder::Preview pv;
        buildLarge(pv);
        pv.SaveXML(p);
        return p;
    }();
    return path;
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

void XmlSave(benchmark::State& state) {
    kalder::Preview pv;
    buildLarge(pv);
    auto path = (std::filesystem::temp_directory_path() / "kalder-bench-save.xml").string();
    for (auto _ : state) pv.SaveXML(path);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}

void XmlBareParse(benchmark::State& state) {
    const std::string& path = largeFile();
    for (auto _ : state) {
        pugi::xml_document dom;
        benchmark::DoNotOptimize(dom.load_file(path.c_str(), kalder::kXmlParseOptions));
    }
}

void XmlLoad(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::string& path = largeFile();
    double bare = 0, whole = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto t0 = Clock::now();
        {
            pugi::xml_document dom;
            benchmark::DoNotOptimize(dom.load_file(path.c_str(), kalder::kXmlParseOptions));
        }
        bare += std::chrono::duration<double>(Clock::now() - t0).count();
        state.ResumeTiming();
        auto t1 = Clock::now();
        kalder::Preview pv;
        pv.LoadXMLFromFile(path);
        whole += std::chrono::duration<double>(Clock::now() - t1).count();
    }
    state.counters["x_bare_parse"] = whole / bare;

    kalder::Preview pv;
    pv.KillDoc();
    std::size_t before = heapInUse();
    pv.LoadXMLFromFile(path);
    std::size_t after = heapInUse();
    long elements = 0;
    for (const auto& page : pv.document().pages())
        for (const auto& frame : page->Frames()) elements += frame->Elements().Count() + 1;
    state.counters["bytes_per_element"] = static_cast<double>(after - before) / static_cast<double>(elements);
}

BENCHMARK(XmlSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(XmlBareParse)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(XmlLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
