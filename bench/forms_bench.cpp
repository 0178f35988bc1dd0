// The log viewer on a log of a million numbers: opening (file read, index, column widths and
// the first page) and sorting by each column, with the memory the table holds.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <random>

#include "issue_log.h"
#include "log_table.h"
#include "support/test_platform.h"

namespace {

using vexo::forms::LogTable;

constexpr int kRows = 1000000;
constexpr size_t kPageRows = 20;

// A log as years of use write it: numbers in order, times rising, a few hosts and users.
const std::string& LogPathWithMillionRows() {
    static vexo::testing::TempFolder folder;
    static const std::string path = [] {
        std::string p = folder.path() + "/vexolog.csv";
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::string header(vexo::kLogHeader);
        std::fputs((header + "\r\n").c_str(), f);
        const char* apps[] = {"Excel 12.0", "Word 12.0", "Word 11.0", "InfoPath 12.0", "Makro "};
        const char* users[] = {"buchhaltung", "mueller", "Schmidt", "sekretariat"};
        std::mt19937 random(7);
        vexo::LocalTime t{2008, 1, 1, 8, 0, 0};
        for (int i = 1; i <= kRows; ++i) {
            t.second += static_cast<int>(random() % 50);
            t.minute += t.second / 60, t.second %= 60;
            t.hour += t.minute / 60, t.minute %= 60;
            t.day += t.hour / 24, t.hour %= 24;
            t.month += (t.day - 1) / 28, t.day = (t.day - 1) % 28 + 1;
            t.year += (t.month - 1) / 12, t.month = (t.month - 1) % 12 + 1;
            char number[32];
            std::snprintf(number, sizeof number, "RE-%04d-%02d/%07d", t.year, t.month, i);
            std::string line =
                vexo::FormatLogLine(number, t, apps[random() % 5], users[random() % 4]) + "\r\n";
            std::fputs(line.c_str(), f);
        }
        std::fclose(f);
        return p;
    }();
    return path;
}

size_t FileSize(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    size_t size = static_cast<size_t>(std::ftell(f));
    std::fclose(f);
    return size;
}

void ReportMemory(benchmark::State& state, const LogTable& table, size_t file_size) {
    state.counters["rows"] = static_cast<double>(table.RowCount());
    state.counters["file_MB"] = static_cast<double>(file_size) / 1e6;
    state.counters["held_per_file"] = static_cast<double>(table.MemoryBytes()) / file_size;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}

void BM_OpenLogAndFirstPage(benchmark::State& state) {
    const std::string& path = LogPathWithMillionRows();
    size_t file_size = FileSize(path);
    std::optional<LogTable> table;
    for (auto _ : state) {
        table.reset();
        table = LogTable::ReadFile(path);
        for (int c = 0; c < vexo::forms::kLogColumnCount; ++c)
            benchmark::DoNotOptimize(table->Field(table->LongestFieldPosition(c), c));
        for (size_t row = 0; row < kPageRows; ++row)
            for (int c = 0; c < vexo::forms::kLogColumnCount; ++c)
                benchmark::DoNotOptimize(table->Field(row, c));
    }
    ReportMemory(state, *table, file_size);
}
BENCHMARK(BM_OpenLogAndFirstPage)->Unit(benchmark::kMillisecond);

// Each iteration sorts the other way, as a second click on the header does.
void BM_SortLog(benchmark::State& state) {
    const std::string& path = LogPathWithMillionRows();
    auto table = LogTable::ReadFile(path);
    int column = static_cast<int>(state.range(0));
    bool ascending = true;
    for (auto _ : state) {
        table->SortBy(column, ascending);
        ascending = !ascending;
        for (size_t row = 0; row < kPageRows; ++row) benchmark::DoNotOptimize(table->Field(row, 0));
    }
    ReportMemory(state, *table, FileSize(path));
}
BENCHMARK(BM_SortLog)->DenseRange(0, 3)->ArgNames({"column"})->Unit(benchmark::kMillisecond);

void BM_TypeAheadSearch(benchmark::State& state) {
    auto table = LogTable::ReadFile(LogPathWithMillionRows());
    table->SortBy(vexo::forms::kColumnUser, false);  // no halving: a full scan at worst
    for (auto _ : state) benchmark::DoNotOptimize(table->FindPrefix(0, "RE-9", 0));
}
BENCHMARK(BM_TypeAheadSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
