// What one issue costs: composing alone, and the whole issue with lock, atomic settings
// write and log append on the real file system.
#include <benchmark/benchmark.h>

#include "counter.h"
#include "number_format.h"
#include "support/test_platform.h"

namespace {

void BM_ComposeNumber(benchmark::State& state) {
    vexo::NumberFormat f{"RE-", vexo::kPrefixYYYY_MM, vexo::kSepDash, "/", 4, false};
    const vexo::LocalTime date{2008, 3, 5, 14, 7, 9};
    int64_t counter = 17;
    for (auto _ : state) benchmark::DoNotOptimize(vexo::ComposeNumber(f, counter++, date));
}
BENCHMARK(BM_ComposeNumber);

void BM_DrawNumber(benchmark::State& state) {
    vexo::testing::TestPlatform platform;
    platform.WriteDataFile("vexo.ini",
                           "[Optionen]\r\nTextBefore=\"RE-\"\r\nPrefix=3\r\nSep=2\r\n"
                           "TextAfter=\"/\"\r\nPadding=3\r\n[Zaehler]\r\nCounter=1\r\n");
    for (auto _ : state) benchmark::DoNotOptimize(vexo::DrawNumber("Makro "));
}
BENCHMARK(BM_DrawNumber)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
