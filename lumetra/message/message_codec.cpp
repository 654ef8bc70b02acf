#include "lumetra/message/message_codec.h"

#include "lumetra/message/crc32.h"
#include "lumetra/message/lzhuf_compress.h"
#include "lumetra/message/scrambler.h"

namespace lumetra {

namespace {

void AppendLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

} // namespace

void TMessageCodec::SetInput(std::string_view text) {
    input_ = text;
    parameters_.length = static_cast<uint32_t>(text.size());
}

bool TMessageCodec::SetMode(char letter) {
    if (letter != kCodecModeN) return false;
    parameters_.mode = letter;
    return true;
}

bool TMessageCodec::Run() {
    if (parameters_.mode != kCodecModeN) return false;
    std::string plain;
    AppendLittleEndian(plain, parameters_.length, 2);
    plain += Compress(input_);
    const std::string body = Scramble(plain, seed_());
    parameters_.dataChecksum = Crc32(body);

    header_ = std::string(kPreparedMagic) + identifier_.Text() + std::string(kPreparedVersion) +
              parameters_.mode + '\t';
    AppendLittleEndian(header_, parameters_.dataChecksum, 4);
    output_ = header_ + body;
    return true;
}

} // namespace lumetra
