#include "lumetra/message/prepared_decoder.h"

#include <optional>

#include "lumetra/message/crc32.h"
#include "lumetra/message/lzhuf_decompress.h"
#include "lumetra/message/message_codec.h"
#include "lumetra/message/registered_documents.h"
#include "lumetra/message/scrambler.h"

namespace lumetra {

namespace {

constexpr size_t kSeedSize = 4;
constexpr size_t kLengthSize = 2;

struct Header {
    TDocIdClass id;
    uint32_t checksum = 0;
    size_t size = 0;
};

uint32_t LittleEndian(std::string_view bytes) {
    uint32_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;) value = (value << 8) | static_cast<uint8_t>(bytes[i]);
    return value;
}

// The identifier's text form has two or four bytes; the fixed part after it tells which.
std::optional<Header> ReadHeader(std::string_view prepared) {
    if (!prepared.starts_with(kPreparedMagic)) return std::nullopt;
    const std::string tail = std::string(kPreparedVersion) + kCodecModeN + '\t';
    for (const size_t idSize : {2, 4}) {
        const size_t tailAt = kPreparedMagic.size() + idSize;
        const size_t checksumAt = tailAt + tail.size();
        if (prepared.size() >= checksumAt + 4 && prepared.substr(tailAt, tail.size()) == tail) {
            return Header{TDocIdClass(prepared.substr(kPreparedMagic.size(), idSize)),
                          LittleEndian(prepared.substr(checksumAt, 4)), checksumAt + 4};
        }
    }
    return std::nullopt;
}

DecodedMessage Failure(DecodeStatus status, TDocIdClass id = {}) {
    return {status, id, {}, {}, {}};
}

} // namespace

DecodedMessage DecodePrepared(std::string_view prepared) {
    const std::optional<Header> header = ReadHeader(prepared);
    if (!header) return Failure(DecodeStatus::kBadHeader);
    const TDocManager& types = DocumentTypes();
    const int index = types.IndexOf(header->id);
    if (index < 0) return Failure(DecodeStatus::kUnknownDocument, header->id);
    const std::string_view body = prepared.substr(header->size);
    if (body.size() < kSeedSize + kLengthSize) return Failure(DecodeStatus::kTruncated, header->id);
    if (Crc32(body) != header->checksum) return Failure(DecodeStatus::kCrcMismatch, header->id);

    const std::string plain = Unscramble(body);
    const auto length = static_cast<uint16_t>(LittleEndian(std::string_view(plain).substr(0, 2)));
    DecompressResult text = Decompress(std::string_view(plain).substr(kLengthSize), length);
    if (text.status == DecompressStatus::kTruncated) {
        return Failure(DecodeStatus::kTruncated, header->id);
    }
    if (text.status == DecompressStatus::kLengthMismatch) {
        return Failure(DecodeStatus::kLengthMismatch, header->id);
    }
    const TDLLDocRec& doc = types.entries()[static_cast<size_t>(index)];
    std::optional<std::vector<FieldItem>> items = ParseFieldText(text.bytes, doc);
    if (!items) return Failure(DecodeStatus::kBadFieldText, header->id);

    std::string message = MessageOfFields(doc, *items);
    return {DecodeStatus::kOk, header->id, std::move(text.bytes), std::move(*items),
            std::move(message)};
}

} // namespace lumetra
