// The exports that hand out texts: the version and the texts of the result codes.
#include "lumetra/api/lumetra.h"

#include "lumetra/api/code_page.h"
#include "lumetra/api/guarded.h"
#include "lumetra/api/result_codes.h"
#include "lumetra/api/text_out.h"
#include "lumetra/message/registered_documents.h"

#include <stdexcept>
#include <string>

namespace lumetra {
namespace {

std::string VersionText() {
    std::string text;
    for (const TDLLDocRec& type : DocumentTypes().entries()) {
        if (!text.empty()) text += ";\r\n";
        text += type.id.Text();
        if (!type.title.empty()) text += '\t' + type.title;
    }
    return text;
}

std::string ResultTextIn(int32_t code, const char* characterSet) {
    const auto text = Recode(ResultText(code), kUtf8, characterSet);
    if (!text) throw std::runtime_error("result text does not convert");
    return *text;
}

} // namespace
} // namespace lumetra

using namespace lumetra;

extern "C" {

int32_t Lumx_GetVersion(int32_t bufSize, char* buffer, int32_t* length) {
    return Guarded([&] { return CopyTextOut(VersionText(), bufSize, buffer, length); },
                   LUMX_BUFFER_TOO_SMALL);
}

int32_t Lumx_GetErrorStringW(int32_t code, int32_t bufSize, char16_t* buffer, int32_t* length) {
    return Guarded([&] { return CopyTextOut(ResultTextIn(code, kUtf16), bufSize, buffer, length); },
                   LUMX_BUFFER_TOO_SMALL);
}

int32_t Lumx_GetErrorString(int32_t code, int32_t bufSize, char16_t* buffer, int32_t* length)
    __attribute__((alias("Lumx_GetErrorStringW")));

int32_t Lumx_GetErrorStringA(int32_t code, int32_t bufSize, char* buffer, int32_t* length) {
    return Guarded(
        [&] { return CopyTextOut(ResultTextIn(code, kWindows1251), bufSize, buffer, length); },
        LUMX_BUFFER_TOO_SMALL);
}
}
