#include "lumetra/message/prepare_message.h"

#include <array>
#include <optional>

#include "lumetra/message/field_coder.h"
#include "lumetra/message/message_codec.h"
#include "lumetra/message/registered_documents.h"
#include "lumetra/message/string_array.h"

namespace lumetra {

namespace {

constexpr std::array<std::string_view, 2> kHeaderWords = {"Quillon", "Ostrel"};

// The rest of the header line after its header word, untrimmed; nothing without a header word.
std::optional<std::string_view> IdentifierText(std::string_view header) {
    for (const std::string_view word : kHeaderWords) {
        if (header.starts_with(word)) return header.substr(word.size());
    }
    return std::nullopt;
}

PreparedMessage Failure(int32_t result, TDocIdClass id = {}) {
    return {result, id, {}};
}

PreparedMessage Prepare(std::string_view text, bool raw, const SeedSource& seed) {
    if (text.empty()) return Failure(kPrepareInvalidBuffer);
    TStringArray lines = TStringArray::SplitLines(text);
    if (lines.Count() == 0) return Failure(kPrepareNoLine);
    const std::optional<std::string_view> idText = IdentifierText(lines.Line(0));
    if (!idText) return Failure(kPrepareUnsupportedDocument);
    const TDocIdClass id(*idText);
    // A comment line with ";" and no "=" may follow; like every line without "=" it codes nothing.
    lines.Remove(0);

    const TDocManager& types = DocumentTypes();
    const int index = types.IndexOf(id);
    if (index < 0) return Failure(kPrepareUnsupportedDocument, id);
    const TDLLDocRec& doc = types.entries()[static_cast<size_t>(index)];
    std::string fieldText = CodeFields(lines, doc);
    if (raw) return {kPrepareOk, id, std::move(fieldText)};

    TMessageCodec codec(seed);
    codec.SetInput(fieldText);
    codec.SetIdentifier(id);
    if (!codec.SetMode(doc.mode) || !codec.Run()) return Failure(kPrepareUnknownError, id);
    return {kPrepareOk, id, codec.Output()};
}

} // namespace

PreparedMessage PrepareMessage(std::string_view text, bool raw, const SeedSource& seed) {
    try {
        return Prepare(text, raw, seed);
    } catch (...) {
        return Failure(kPrepareUnknownError);
    }
}

} // namespace lumetra
