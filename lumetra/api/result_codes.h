#pragma once

#include <cstdint>
#include <string>

namespace lumetra {

// The text of a result code in UTF-8; codes without a text of their own give
// "Неизвестная ошибка 0x" and the code's 32 bits in upper-case hexadecimal.
std::string ResultText(int32_t code);

} // namespace lumetra
