#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lumetra/message/doc_id.h"
#include "lumetra/output/module_matrix.h"

namespace lumetra {

// Full-range symbols of firstLayers..lastLayers layers, firstCount..lastCount symbols; the
// search keeps within 1..32 layers and 1..26 symbols.
struct SearchLimits {
    int32_t firstLayers = 1;
    int32_t lastLayers = 1;
    int32_t firstCount = 1;
    int32_t lastCount = 1;
};

struct SearchResult {
    int32_t result = 0;  // the encoder's result
    int32_t count = 0;   // symbols of the arrangement tried last
    ModuleMatrix matrix; // valid when result is 0
};

// Codes the field text of a document with the codec mode `mode`, then looks for the smallest
// arrangement that holds it: more layers first, then one symbol more starting again from the
// first layers, until the data fits with 23 % error correction or the limits are reached. The
// coded bytes also go to a new .tmp file in `traceFolder` when that names an existing folder.
SearchResult SearchPrintSize(std::string_view fieldText, TDocIdClass id, char mode,
                             SearchLimits limits, const std::string& traceFolder);

} // namespace lumetra
