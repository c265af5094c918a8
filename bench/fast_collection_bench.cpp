// FastCollection against std::unordered_map<std::string, ...> on the same work in the same run:
// add 1,000,000 items under distinct string keys, then look every one up by key, and (ours
// only; the map has no positions) by index. Compare the "per item" times of the pairs:
//   build/bench/kalder_bench --benchmark_filter='Keyed|Unordered'
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "core/KeyedCollection.h"
#include "kalder/FastCollection.h"

namespace {

constexpr int kItems = 1'000'000;

const std::vector<std::string>& keys() {
    static const std::vector<std::string> k = [] {
        std::vector<std::string> out;
        out.reserve(kItems);
        for (int i = 0; i < kItems; ++i) out.push_back("Key " + std::to_string(static_cast<long long>(i) * 7919 % 10'000'019));
        return out;
    }();
    return k;
}

void KeyedAdd(benchmark::State& state) {
    const auto& k = keys();
    for (auto _ : state) {
        kalder::KeyedCollection<kalder::Variant> c;
        for (int i = 0; i < kItems; ++i) c.add(kalder::Variant(i), k[i]);
        benchmark::DoNotOptimize(c.size());
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void UnorderedAdd(benchmark::State& state) {
    const auto& k = keys();
    for (auto _ : state) {
        std::unordered_map<std::string, kalder::Variant> m;
        for (int i = 0; i < kItems; ++i) m.emplace(k[i], kalder::Variant(i));
        benchmark::DoNotOptimize(m.size());
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void FastCollectionLookupByKey(benchmark::State& state) {
    const auto& k = keys();
    kalder::FastCollection c;
    for (int i = 0; i < kItems; ++i) c.Add(kalder::Variant(i), k[i]);
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < kItems; ++i) sum += c.ItemByKey(k[i]).toLong();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void KeyedLookupByKey(benchmark::State& state) {
    const auto& k = keys();
    kalder::KeyedCollection<kalder::Variant> c;
    for (int i = 0; i < kItems; ++i) c.add(kalder::Variant(i), k[i]);
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < kItems; ++i) sum += c.find(k[i])->toLong();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void UnorderedLookupByKey(benchmark::State& state) {
    const auto& k = keys();
    std::unordered_map<std::string, kalder::Variant> m;
    for (int i = 0; i < kItems; ++i) m.emplace(k[i], kalder::Variant(i));
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < kItems; ++i) sum += m.find(k[i])->second.toLong();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

void FastCollectionLookupByIndex(benchmark::State& state) {
    const auto& k = keys();
    kalder::FastCollection c;
    for (int i = 0; i < kItems; ++i) c.Add(kalder::Variant(i), k[i]);
    for (auto _ : state) {
        long sum = 0;
        for (int i = 1; i <= kItems; ++i) sum += c.ItemByIndex(i).toLong();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

BENCHMARK(KeyedAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(UnorderedAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(KeyedLookupByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(FastCollectionLookupByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(UnorderedLookupByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(FastCollectionLookupByIndex)->Unit(benchmark::kMillisecond);

}  // namespace
