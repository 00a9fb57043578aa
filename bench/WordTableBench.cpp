#include <benchmark/benchmark.h>

#include "WordStream.h"
#include "core/engine/WordTable.h"

namespace tagsmith::bench {
namespace {

// Counts a stream of occurrences into an empty table: the per-word cost during a scan.
// Arguments: vocabulary size, number of occurrences.
void BM_WordTableAddOccurrence(benchmark::State& state) {
    const WordStream stream(static_cast<std::size_t>(state.range(0)),
                            static_cast<std::size_t>(state.range(1)));
    WordTable table;
    for (auto _ : state) {
        table.ResetTable();
        for (const WordOccurrence& occurrence : stream.Occurrences()) {
            std::string word = occurrence.word;
            table.AddOccurrence(word, occurrence.weight, occurrence.exempt);
        }
        benchmark::DoNotOptimize(table.WordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
    state.counters["rows"] = static_cast<double>(table.WordCount());
}
BENCHMARK(BM_WordTableAddOccurrence)
    ->Args({1000, 100000})
    ->Args({10000, 100000})
    ->Args({50000, 1000000})
    ->Args({200000, 2000000})
    ->Unit(benchmark::kMillisecond);

// The steps after the scan on a filled table: threshold, case variants, normalisation, and one
// walk over every row as the word list makes it. Argument: vocabulary size.
void BM_WordTablePostProcessing(benchmark::State& state) {
    const auto vocabulary = static_cast<std::size_t>(state.range(0));
    const WordStream stream(vocabulary, vocabulary * 10);
    WordTable filled;
    for (const WordOccurrence& occurrence : stream.Occurrences()) {
        std::string word = occurrence.word;
        filled.AddOccurrence(word, occurrence.weight, occurrence.exempt);
    }
    for (auto _ : state) {
        state.PauseTiming();
        WordTable table = filled;
        state.ResumeTiming();
        table.ApplyThreshold(2);
        table.MergeCaseVariants();
        table.NormaliseValues();
        float sum = 0.0f;
        for (std::int32_t i = 1; i <= table.WordCount(); ++i) sum += table.Entry(i).KeyValue;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rows"] = static_cast<double>(filled.WordCount());
}
BENCHMARK(BM_WordTablePostProcessing)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tagsmith::bench
