#include <benchmark/benchmark.h>

#include "BenchSession.h"
#include "SyntheticPage.h"
#include "core/scanner/EntityDecoder.h"
#include "core/scanner/LineScanner.h"
#include "core/scanner/MarkupMarkers.h"

namespace tagsmith::bench {
namespace {

// A minified page: the synthetic pages of about `bytes` bytes on one line.
std::string MinifiedPages(std::size_t bytes) {
    const WordStream stream(20000, 200000);
    return OnOneLine(SyntheticPages(stream, bytes));
}

// Prepares a line as the pipeline does before scanning it: markers, entities, a final space.
void BM_PrepareLongLine(benchmark::State& state) {
    const std::string raw = MinifiedPages(static_cast<std::size_t>(state.range(0)) * 1024);
    for (auto _ : state) {
        std::string line = raw;
        SubstituteMarkupMarkers(line, false);
        DecodeNamedEntities(line);
        line.push_back(' ');
        benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(raw.size()));
}
BENCHMARK(BM_PrepareLongLine)->Arg(64)->Arg(1024)->Arg(8192)->Unit(benchmark::kMillisecond);

// Scans one prepared line that holds whole minified pages (META tags, scripts, comments and
// words all on one line). The throughput must not fall as the line grows.
// Argument: line length in KB.
void BM_ScanLongLine(benchmark::State& state) {
    std::string line = MinifiedPages(static_cast<std::size_t>(state.range(0)) * 1024);
    SubstituteMarkupMarkers(line, false);
    DecodeNamedEntities(line);
    line.push_back(' ');
    BenchSession bench;
    ScanState& scan = bench.session.State;
    ScanContext context{
        scan,         bench.session.Table, bench.settings, bench.commonWords, bench.ignoreList,
        bench.output, bench.view,          bench.events};
    for (auto _ : state) {
        state.PauseTiming();
        scan.Reset();
        bench.session.Table.ResetTable();
        bench.output.SetText("");
        scan.CurrentLine = line;
        state.ResumeTiming();
        ScanLine(context);
        benchmark::DoNotOptimize(scan.TotalWords);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
    state.counters["words"] = static_cast<double>(scan.TotalWords);
}
BENCHMARK(BM_ScanLongLine)->Arg(64)->Arg(1024)->Arg(8192)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tagsmith::bench
