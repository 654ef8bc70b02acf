// Preparing the statement's barcode message, and LZHUF alone on its field text. No main of its
// own: linked with benchmark_main.
#include <benchmark/benchmark.h>

#include <string>

#include "lumetra/message/lzhuf_compress.h"
#include "lumetra/message/prepare_message.h"

namespace {

// The worked statement example, in Windows-1251.
const std::string kStatement =
    "Ostrel13\r\nA=045712\r\nB=20160305\r\nC=ER\r\nD=\xCE\xCE\xCE \xCF\xF0\xE8\xEC\xE5\xF0\r\n"
    "E=\xCA\xEB\xE8\xE5\xED\xF2 1\r\nF=\r\n"
    "0=\xB5"
    "1|\xC8||57|20160305103000|2|A123|\xD0|555|||||\xB5"
    "2|"
    "\xB5"
    "3|1|B|\xC3|10|1000.00|100.00|RUR|||1||||||||\xB5"
    "4|"
    "\xB5"
    "3|1|C|\xC3|5|5.00|1.00|RUR|||1||||||||\xB5"
    "4|"
    "\xB5"
    "3|1||\xC3||1005.00||RUR||||||||||02||1|\xB5"
    "4|\xB5"
    "5\r\n";

void BM_PrepareMessage(benchmark::State& state) {
    for (auto _ : state) {
        lumetra::PreparedMessage prepared = lumetra::PrepareMessage(kStatement, false);
        benchmark::DoNotOptimize(prepared.bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kStatement.size()));
}
BENCHMARK(BM_PrepareMessage);

void BM_Compress(benchmark::State& state) {
    const std::string fieldText = lumetra::PrepareMessage(kStatement, true).bytes;
    for (auto _ : state) {
        std::string code = lumetra::Compress(fieldText);
        benchmark::DoNotOptimize(code);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fieldText.size()));
}
BENCHMARK(BM_Compress);

} // namespace
