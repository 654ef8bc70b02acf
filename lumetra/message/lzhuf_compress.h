#pragma once

#include <string>
#include <string_view>

namespace lumetra {

// LZHUF code of `input`: LZSS over a 4096-byte ring with adaptive Huffman codes. The code carries
// neither the length nor an end mark; the reader needs the length from elsewhere. An empty input
// gives an empty code.
std::string Compress(std::string_view input);

} // namespace lumetra
