// Encodes the same payloads with TAztCoder, zint and zxing-cpp's writer in one run and prints a
// side-by-side table: symbols per second, data bits and symbol side, with the ratios to zint.
// Data bits are the data words times the word size, read from each symbol's mode message, so they
// include bit stuffing and the padding of the last word; TAztCoder's plan bits (the optimised
// stream before stuffing) stand beside them.
#include "lumetra/encoder/symbol_sizes.h"
#include "lumetra/encoder/tazt_coder.h"
#include "tests/encoder/mode_message_reader.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <benchmark/benchmark.h>
#include <zint.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Payload {
    std::string name;
    std::string bytes;
};

// What an encoder made of a payload, read from its mode message.
struct Outcome {
    int size = 0;
    int dataBits = 0;
};

template <class Dark> Outcome Inspect(int size, Dark dark) {
    const auto message = lumetra::testing::ReadModeMessage(
        [&](int x, int y) { return dark(size / 2 + x, size / 2 + y); });
    return {size, message.dataWords * lumetra::WordSize(message.layers)};
}

std::vector<Payload> Payloads() {
    const std::string statement =
        "0402300 bag A123 seal 555, sum 1,005.00 RUB\r\nDate: 05.03.2016 10:30; client Klient 1. "
        "Account 40702810900000000001/30101810400000000225 (symbol 02)\r\n";
    std::mt19937 rng(2026);
    std::vector<Payload> payloads;
    for (int length : {20, 60, 150, 300, 1000}) {
        std::string text;
        while (static_cast<int>(text.size()) < length) text += statement;
        text.resize(length);
        payloads.push_back({"text" + std::to_string(length), text});
        std::string binary(length, '\0');
        for (char& c : binary) c = static_cast<char>(rng());
        payloads.push_back({"binary" + std::to_string(length), binary});
    }
    std::string prepared(200, '\0');
    for (char& c : prepared) c = static_cast<char>(rng());
    payloads.push_back({"prepared200", prepared});
    return payloads;
}

Outcome EncodeLumetra(const std::string& data) {
    lumetra::TAztCoder coder;
    coder.SetData(data);
    if (coder.Encode() != 0) return {};
    const int stride = (coder.Width() + 7) / 8;
    const std::vector<uint8_t>& m = coder.Matrix();
    return Inspect(coder.Height(),
                   [&](int c, int r) { return (m[r * stride + c / 8] >> (7 - c % 8)) & 1; });
}

Outcome EncodeZint(const std::string& data) {
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_AZTEC;
    symbol->input_mode = DATA_MODE;
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size())) >= ZINT_ERROR)
        return {};
    const zint_symbol* s = symbol.get();
    return Inspect(s->rows,
                   [&](int c, int r) { return (s->encoded_data[r][c >> 3] >> (c & 7)) & 1; });
}

// Error-correction level 2 of 8 is zxing's nearest to the 23 % that TAztCoder and zint default to.
Outcome EncodeZxing(const std::string& data) {
    std::wstring latin1;
    for (char c : data) latin1 += static_cast<wchar_t>(static_cast<unsigned char>(c));
    const ZXing::BitMatrix matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::Aztec)
                                        .setEncoding(ZXing::CharacterSet::ISO8859_1)
                                        .setEccLevel(2)
                                        .setMargin(0)
                                        .encode(latin1, 0, 0);
    return Inspect(matrix.height(), [&](int c, int r) { return matrix.get(c, r); });
}

int PlanBits(const std::string& data) {
    lumetra::TAztCoder coder;
    coder.SetData(data);
    coder.EstimateFit(0);
    return coder.TotalBits();
}

struct Encoder {
    const char* name;
    Outcome (*encode)(const std::string&);
};
const Encoder kEncoders[] = {
    {"lumetra", EncodeLumetra}, {"zint", EncodeZint}, {"zxing", EncodeZxing}};

// Keeps each benchmark's median over the repetitions (the machine is shared, so single runs
// wander) for the table after the usual console output.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            auto& row = rows_[run.run_name.function_name];
            row.rate = run.counters.at("items_per_second");
            row.bits = run.counters.at("data_bits");
            row.size = run.counters.at("size");
            row.planBits = run.counters.at("plan_bits");
        }
    }

    void PrintTable(const std::vector<Payload>& payloads) {
        std::printf("\n| payload | lumetra sym/s | zint sym/s | zxing sym/s | rate lumetra/zint | "
                    "data bits lumetra / zint / zxing | bits lumetra/zint | lumetra plan bits | "
                    "side lumetra / zint / zxing |\n"
                    "|---|---:|---:|---:|---:|---|---:|---:|---|\n");
        for (const Payload& payload : payloads) {
            if (!rows_.contains("aztec/" + payload.name + "/lumetra")) continue;
            const Row& l = rows_["aztec/" + payload.name + "/lumetra"];
            const Row& z = rows_["aztec/" + payload.name + "/zint"];
            const Row& x = rows_["aztec/" + payload.name + "/zxing"];
            std::printf("| %s | %.0f | %.0f | %.0f | %.2f | %.0f / %.0f / %.0f | %.2f | %.0f | "
                        "%.0f / %.0f / %.0f |\n",
                        payload.name.c_str(), l.rate, z.rate, x.rate, l.rate / z.rate, l.bits,
                        z.bits, x.bits, l.bits / z.bits, l.planBits, l.size, z.size, x.size);
        }
    }

private:
    struct Row {
        double rate = 0;
        double bits = 0;
        double size = 0;
        double planBits = 0;
    };
    std::map<std::string, Row> rows_;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<Payload> payloads = Payloads();
    for (const Payload& payload : payloads) {
        for (const Encoder& encoder : kEncoders) {
            benchmark::RegisterBenchmark(("aztec/" + payload.name + "/" + encoder.name).c_str(),
                                         [&payload, &encoder](benchmark::State& state) {
                                             Outcome outcome;
                                             for (auto _ : state) {
                                                 outcome = encoder.encode(payload.bytes);
                                                 benchmark::DoNotOptimize(outcome);
                                             }
                                             state.SetItemsProcessed(state.iterations());
                                             state.counters["data_bits"] = outcome.dataBits;
                                             state.counters["size"] = outcome.size;
                                             state.counters["plan_bits"] =
                                                 encoder.encode == EncodeLumetra
                                                     ? PlanBits(payload.bytes)
                                                     : 0;
                                         })
                ->Repetitions(5)
                ->DisplayAggregatesOnly();
        }
    }
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable(payloads);
    benchmark::Shutdown();
    return 0;
}
