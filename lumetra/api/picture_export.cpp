// The export that hands the symbol over as a picture object.
#include "lumetra/api/lumetra.h"

#include "lumetra/api/encode_symbol.h"
#include "lumetra/api/guarded.h"
#include "lumetra/output/make_picture.h"

using namespace lumetra;

namespace {

// What the statement program has always received when it passed zeros.
constexpr int32_t kDefaultPictureSizeMode = 23;

} // namespace

extern "C" int32_t Lumx_EnCode_IPictureDisp(const char* message, LumxPicture** picture,
                                            int32_t sizeMode, int32_t symbolCount,
                                            int32_t moduleSize, int32_t rotate) {
    if (picture) *picture = nullptr;
    return Guarded([&]() -> int32_t {
        if (!picture) return LUMX_BAD_PARAMETERS;
        const EncodedSymbol symbol =
            EncodeSymbol(MessageText(message), sizeMode == 0 ? kDefaultPictureSizeMode : sizeMode,
                         symbolCount, (rotate & 0xFF) != 0);
        if (symbol.result != LUMX_OK) return symbol.result;
        *picture = MakePicture(symbol.matrix, moduleSize == 0 ? 1 : moduleSize);
        return *picture ? LUMX_OK : LUMX_BAD_PARAMETERS;
    });
}
