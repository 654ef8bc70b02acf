// The exports that paint the smallest fitting symbol arrangement into a caller's raster.
#include "lumetra/api/lumetra.h"

#include <algorithm>
#include <cstdint>

#include "lumetra/api/encode_symbol.h"
#include "lumetra/api/guarded.h"
#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/message/prepare_message.h"
#include "lumetra/message/registered_documents.h"
#include "lumetra/printing/print_size_search.h"
#include "lumetra/printing/raster_painting.h"

namespace lumetra {
namespace {

constexpr int32_t kMaxLayers = 32;
constexpr int32_t kMaxSymbols = 26;
// PrintSize tries one symbol and up to seven more.
constexpr int32_t kPrintSizeMoreSymbols = 7;

struct Request {
    LumxRaster* raster;
    const char* message;
    const char* traceFolder;
};

// Prepares the message, searches within the limits and paints the result at `scale`; `count`
// and `size` receive what PrintSizeEx reports.
int32_t SearchAndPaint(const Request& request, SearchLimits limits, int scale, int32_t* count,
                       int32_t* size) {
    const PreparedMessage fields = PrepareMessage(MessageText(request.message), true);
    if (fields.result != kPrepareOk) return LUMX_NO_DATA;
    if (!request.raster) return LUMX_BAD_PARAMETERS;

    // A prepared message always names a registered type.
    const TDocManager& types = DocumentTypes();
    const char mode = types.entries()[static_cast<size_t>(types.IndexOf(fields.id))].mode;
    const SearchResult found = SearchPrintSize(fields.bytes, fields.id, mode, limits,
                                               request.traceFolder ? request.traceFolder : "");
    if (count) *count = found.count;
    if (found.result != LUMX_OK) return found.result;
    if (size) {
        size[0] = found.matrix.width;
        size[1] = found.matrix.height;
    }
    return PaintRaster(*request.raster, found.matrix, scale);
}

void ClearRaster(LumxRaster* raster) {
    if (raster) raster->width = raster->height = 0;
}

} // namespace
} // namespace lumetra

using namespace lumetra;

extern "C" {

int32_t PrintSize(LumxRaster* raster, const char* message, int32_t maxSize, int32_t moduleSize,
                  const char* traceFolder) {
    ClearRaster(raster);
    return Guarded([&]() -> int32_t {
        if (MessageText(message).empty()) return LUMX_NO_DATA;
        if (moduleSize < 1) return LUMX_BAD_PARAMETERS;
        const SearchLimits limits{1, TAztCoder::LayersForSize(maxSize / moduleSize), 1,
                                  1 + kPrintSizeMoreSymbols};
        return SearchAndPaint({raster, message, traceFolder}, limits, moduleSize, nullptr, nullptr);
    });
}

int32_t PrintSizeEx(LumxRaster* raster, const char* message, int32_t firstLayers,
                    int32_t moreLayers, int32_t firstCount, int32_t moreCount, int32_t* size,
                    int32_t* count, const char* traceFolder) {
    ClearRaster(raster);
    if (count) *count = 0;
    if (size) size[0] = size[1] = 0;
    return Guarded([&]() -> int32_t {
        if (MessageText(message).empty()) return LUMX_NO_DATA;
        if (firstLayers < 1 || firstLayers > kMaxLayers || moreLayers < 0 || firstCount < 1 ||
            firstCount > kMaxSymbols || moreCount < 0)
            return LUMX_BAD_PARAMETERS;
        const SearchLimits limits{
            firstLayers,
            static_cast<int32_t>(std::min<int64_t>(int64_t{firstLayers} + moreLayers, kMaxLayers)),
            firstCount,
            static_cast<int32_t>(std::min<int64_t>(int64_t{firstCount} + moreCount, kMaxSymbols))};
        return SearchAndPaint({raster, message, traceFolder}, limits, 1, count, size);
    });
}
}
