// Memory-table speed: filling an ordered fiscal-code-like table and nearest-key search on it.

#include "memtable/StandardTables.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Random 16-character codes shaped like fiscal codes (letters and digits).
std::vector<std::string> randomCodes(std::size_t count) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static const char digits[] = "0123456789";
    std::mt19937 random(2019);
    std::vector<std::string> codes;
    codes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string code(16, ' ');
        for (std::size_t c = 0; c < 16; ++c) {
            const bool digit = (c >= 6 && c <= 7) || (c >= 9 && c <= 10) || (c >= 12 && c <= 14);
            code[c] = digit ? digits[random() % 10] : letters[random() % 26];
        }
        codes.push_back(std::move(code));
    }
    return codes;
}

void fill(memtable::MemTable& table, const std::vector<std::string>& codes) {
    for (const auto& code : codes) {
        table.append();
        table.setFieldText("codice", code);
        table.post();
    }
}

void BM_OrderedAppend(benchmark::State& state) {
    const auto codes = randomCodes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto table = memtable::makeFiscalCodeTable();
        table->open();
        fill(*table, codes);
        benchmark::DoNotOptimize(table->recordCount());
        state.PauseTiming();
        table.reset();  // freeing is not part of the measured inserts
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OrderedAppend)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SeekNearest(benchmark::State& state) {
    const auto codes = randomCodes(100000);
    auto table = memtable::makeFiscalCodeTable();
    table->open();
    fill(*table, codes);
    const auto keys = randomCodes(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table->seekNearest({keys[i++ % keys.size()]}));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SeekNearest)->Unit(benchmark::kMicrosecond);

}  // namespace
