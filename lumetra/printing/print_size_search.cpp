#include "lumetra/printing/print_size_search.h"

#include <cstdlib>
#include <sys/stat.h>

#include "lumetra/api/lumetra.h"
#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/message/message_codec.h"
#include "lumetra/output/unique_name.h"
#include "lumetra/output/whole_file.h"

namespace lumetra {
namespace {

constexpr int32_t kFullRangeModes = 200;
constexpr int32_t kSearchCorrectionPercent = 23;

void WriteTrace(const std::string& traceFolder, const std::string& bytes) {
    if (traceFolder.empty()) return;
    std::string folder = traceFolder;
    if (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return;
    TDataStream data;
    data.Write(bytes);
    WriteWholeFile(UniqueName(folder, ".tmp"), data);
}

} // namespace

SearchResult SearchPrintSize(std::string_view fieldText, TDocIdClass id, char mode,
                             SearchLimits limits, const std::string& traceFolder) {
    TMessageCodec codec;
    codec.SetInput(fieldText);
    codec.SetIdentifier(id);
    if (!codec.SetMode(mode) || !codec.Run()) return {LUMX_UNKNOWN_ERROR, 0, {}};
    WriteTrace(traceFolder, codec.Output());

    TAztCoder coder;
    int32_t layers = limits.firstLayers;
    int32_t count = limits.firstCount;
    coder.SetSizeMode(kFullRangeModes + layers);
    coder.SetSymbolCount(count);
    // The ID only has to tell this message's symbols from another's.
    if (count > 1) coder.SetMessageId(std::string(1, char('A' + std::rand() % 26)));
    coder.SetData(codec.Output());
    for (;;) {
        const int32_t budget = coder.EstimateFit(kSearchCorrectionPercent);
        if (coder.TotalBits() < budget) break;
        if (layers < limits.lastLayers) {
            coder.SetSizeMode(kFullRangeModes + ++layers);
        } else if (count < limits.lastCount) {
            coder.SetSymbolCount(++count);
            layers = limits.firstLayers;
            coder.SetSizeMode(kFullRangeModes + layers);
        } else {
            break; // Encode reports that nothing within the limits holds the data
        }
    }
    const int32_t result = coder.Encode();
    if (result != LUMX_OK) return {result, count, {}};
    return {result, count, ModuleMatrix{coder.Width(), coder.Height(), coder.Matrix()}};
}

} // namespace lumetra
