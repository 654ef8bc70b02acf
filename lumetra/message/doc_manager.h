#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lumetra/message/doc_id.h"

namespace lumetra {

inline constexpr uint32_t kFieldFlagDate = 2;   // carried, not used by the coder
inline constexpr uint32_t kFieldFlagTable = 32; // carried, not used by the coder
inline constexpr uint32_t kFieldFlagsSkipped = 8 | 16;

// One entry of a document type's field table.
struct TDocFieldRec {
    std::string key;   // the message's key; empty when the code is the key
    uint32_t kind = 0; // nonzero: an entry the field coder skips
    std::string code;  // hexadecimal
    std::string name;
    int32_t maxLength = 0; // longer values are cut; 0 means no limit
    uint32_t flags = 0;

    std::string_view MessageKey() const { return key.empty() ? std::string_view(code) : key; }
    bool IsCoded() const { return kind == 0 && (flags & kFieldFlagsSkipped) == 0; }
    // The code as the field text writes it: upper-case hexadecimal without leading zeros.
    std::string CodeText() const;
};

// A registered document type coded by its field table.
struct TDLLDocRec {
    TDocIdClass id;
    std::string title; // Windows-1251
    char mode = 'N';   // message codec mode
    uint8_t kind = 2;  // 2: coded by the field table
    std::vector<TDocFieldRec> fields;

    // The first coded entry for a message key or a field text code; null when there is none.
    const TDocFieldRec* FieldByKey(std::string_view key) const;
    const TDocFieldRec* FieldByCodeText(std::string_view codeText) const;
};

// Registry of document types in registration order.
class TDocManager {
public:
    // `idNumber` holds the identifier's characters as its bytes, most significant first, without
    // leading zero bytes (at least two): 0x3133 registers "13". `titleHex` is the title's
    // Windows-1251 bytes as hexadecimal text.
    void Register(uint32_t idNumber, std::string_view titleHex, char mode,
                  std::vector<TDocFieldRec> fields);
    // Index of the first entry whose identifier equals `id`, or -1.
    int IndexOf(TDocIdClass id) const;
    const std::vector<TDLLDocRec>& entries() const { return entries_; }

private:
    std::vector<TDLLDocRec> entries_;
};

} // namespace lumetra
