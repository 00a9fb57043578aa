#include <benchmark/benchmark.h>

#include "WordStream.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/WordTable.h"

namespace tagsmith::bench {
namespace {

// Composes the tag from a ranked table of many rows without limits, after begin phrases of the
// given length: every row is tested against the whole tag so far.
// Arguments: vocabulary size, length of the begin phrases in characters.
void BM_ComposeWithoutLimits(benchmark::State& state) {
    const auto vocabulary = static_cast<std::size_t>(state.range(0));
    const WordStream stream(vocabulary, vocabulary * 4);
    WordTable table;
    for (const WordOccurrence& occurrence : stream.Occurrences()) {
        std::string word = occurrence.word;
        table.AddOccurrence(word, occurrence.weight, occurrence.exempt);
    }
    table.NormaliseValues();
    std::string phrases;
    for (std::size_t k = 0; phrases.size() < static_cast<std::size_t>(state.range(1)); ++k) {
        phrases += MadeUpWord(k * 7919) + (k % 5 == 4 ? ", " : " ");
    }
    GeneratorSettings settings;
    settings.txbMaxNumKeywordsInMetaTag = "0";
    settings.txbMaxNumBytesInMetaTag = "0";
    for (auto _ : state) {
        settings.txbBeginMetaTagWith = phrases;
        const std::string tag = ComposeMetaTag(table, settings, TextEncoding::Utf8).tag;
        benchmark::DoNotOptimize(tag.data());
    }
    state.counters["rows"] = static_cast<double>(table.WordCount());
}
BENCHMARK(BM_ComposeWithoutLimits)
    ->Args({10000, 100})
    ->Args({50000, 100})
    ->Args({50000, 100000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tagsmith::bench
