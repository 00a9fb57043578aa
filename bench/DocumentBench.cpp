#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "BenchSession.h"
#include "SyntheticPage.h"

namespace tagsmith::bench {
namespace {

namespace fs = std::filesystem;

// A document written for one benchmark and removed after it.
class DocumentFile {
public:
    explicit DocumentFile(const std::string& text)
        : m_path(fs::temp_directory_path() /
                 ("tagsmith-bench-" + std::to_string(::getpid()) + ".html")) {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~DocumentFile() {
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
    DocumentFile(const DocumentFile&) = delete;
    DocumentFile& operator=(const DocumentFile&) = delete;
    std::string Path() const { return m_path.string(); }

private:
    fs::path m_path;
};

void RunDocument(benchmark::State& state, const std::string& fileName, bool generate) {
    BenchSession bench;
    std::string report;
    for (auto _ : state) {
        if (!bench.Process(fileName, generate, report)) {
            state.SkipWithError(report.c_str());
            return;
        }
        benchmark::DoNotOptimize(report.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(fileName)));
    state.counters["rows"] = static_cast<double>(bench.session.Table.WordCount());
}

// A whole document through ProcessInputFile: read, prepare, scan, rank and compose the tag.
// Arguments: size in KB, 1 for the one-line (minified) form.
void BM_ProcessInputFile(benchmark::State& state) {
    const WordStream stream(50000, 500000);
    std::string text = SyntheticPages(stream, static_cast<std::size_t>(state.range(0)) * 1024);
    if (state.range(1) == 1) text = OnOneLine(std::move(text));
    const DocumentFile file(text);
    RunDocument(state, file.Path(), true);
}
BENCHMARK(BM_ProcessInputFile)
    ->Args({1024, 0})
    ->Args({1024, 1})
    ->Args({8192, 0})
    ->Args({8192, 1})
    ->Unit(benchmark::kMillisecond);

// The same for a real document named by TAGSMITH_BENCH_DOCUMENT (bench/run builds some in
// bench/out/); skipped when the variable is not set. Argument: 1 generate, 0 list words.
void BM_ProcessRealDocument(benchmark::State& state) {
    const char* document = std::getenv("TAGSMITH_BENCH_DOCUMENT");
    if (document == nullptr || !fs::exists(document)) {
        state.SkipWithError("set TAGSMITH_BENCH_DOCUMENT to an HTML file");
        return;
    }
    RunDocument(state, document, state.range(0) == 1);
}
BENCHMARK(BM_ProcessRealDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tagsmith::bench

BENCHMARK_MAIN();
