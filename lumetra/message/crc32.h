#pragma once

#include <cstdint>
#include <string_view>

namespace lumetra {

// CRC-32 of ISO 3309 / ITU-T V.42 (reflected 04C11DB7, initial and final complement).
uint32_t Crc32(std::string_view bytes);

} // namespace lumetra
