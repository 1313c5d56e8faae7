// Reader plus writer on albums of every size: a 15-track album, a full 99-track disc, and
// synthetic sheets of 1,000 and 10,000 tracks that show the work grows linearly.
#include "engine/sheet.hpp"
#include "engine/text.hpp"
#include "support/synthetic_sheet.hpp"

#include <benchmark/benchmark.h>

#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using cuepad::testing::SheetStyle;

void parseAndGenerate(benchmark::State& state, SheetStyle style) {
    const std::string text = cuepad::testing::synthesizeSheet(static_cast<int>(state.range(0)), style);
    for (auto _ : state) {
        cuepad::CueSheet sheet;
        sheet.loadText(text);
        std::string out = cuepad::CueSheet::generateText(sheet.header, sheet.tracks);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
}
// A full disc of 99 short tracks, the most tracks a disc holds.
BENCHMARK_CAPTURE(parseAndGenerate, plain, SheetStyle::Plain)->Arg(99)->Unit(benchmark::kMicrosecond);
// A rich 15-track album, the same at 99 tracks, and synthetic sheets far beyond any disc.
BENCHMARK_CAPTURE(parseAndGenerate, rich, SheetStyle::Rich)
    ->Arg(15)->Arg(99)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void parseOnly(benchmark::State& state) {
    const std::string text = cuepad::testing::synthesizeSheet(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        cuepad::CueSheet sheet;
        sheet.loadText(text);
        benchmark::DoNotOptimize(sheet.tracks.data());
    }
}
BENCHMARK(parseOnly)->Arg(99)->Unit(benchmark::kMicrosecond);

// For scale: one memchr pass over the sheet's bytes, line by line.
void memchrLines(benchmark::State& state) {
    const std::string text = cuepad::testing::synthesizeSheet(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* const end = text.data() + text.size();
        for (const char* p = text.data(); p < end; ++p, ++lines) {
            p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (p == nullptr) break;
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(memchrLines)->Arg(99)->Unit(benchmark::kMicrosecond);

// A sheet written with LF line ends is one long line; the block search must stay linear on it.
void parseLfOnly(benchmark::State& state) {
    std::string text = cuepad::testing::synthesizeSheet(static_cast<int>(state.range(0)));
    std::erase(text, '\r');
    for (auto _ : state) {
        cuepad::CueSheet sheet;
        sheet.loadText(text);
        benchmark::DoNotOptimize(sheet.tracks.data());
    }
}
BENCHMARK(parseLfOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Searching from a start inside a long run of two-byte characters finds the boundary locally.
void findTextInChineseRun(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < state.range(0); ++i) text += "\xD6\xD0";  // 中
    text += "TRACK ";
    for (auto _ : state) {
        benchmark::DoNotOptimize(cuepad::findText(text, "TRACK ", cuepad::textLength(text) / 2));
    }
}
BENCHMARK(findTextInChineseRun)->Arg(1000)->Arg(100000);

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Keep freed memory in the process: otherwise every iteration on a large sheet pays for the
    // kernel handing fresh pages back (very costly in virtual machines), which a program that
    // opens one sheet pays once. The figures then show the work itself.
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
