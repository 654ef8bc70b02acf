#include "lumetra/message/doc_manager.h"

#include <charconv>

namespace lumetra {

namespace {

std::string IdTextOfNumber(uint32_t number) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char byte = static_cast<char>(number >> shift);
        if (byte != 0 || !text.empty() || shift <= 8) text.push_back(byte);
    }
    return text;
}

std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        unsigned byte = 0;
        std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

} // namespace

std::string TDocFieldRec::CodeText() const {
    unsigned long value = 0;
    std::from_chars(code.data(), code.data() + code.size(), value, 16);
    char text[sizeof(value) * 2];
    const auto end = std::to_chars(text, text + sizeof(text), value, 16).ptr;
    std::string result(text, end);
    for (char& c : result) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

const TDocFieldRec* TDLLDocRec::FieldByKey(std::string_view key) const {
    for (const TDocFieldRec& field : fields) {
        if (field.IsCoded() && field.MessageKey() == key) return &field;
    }
    return nullptr;
}

const TDocFieldRec* TDLLDocRec::FieldByCodeText(std::string_view codeText) const {
    for (const TDocFieldRec& field : fields) {
        if (field.IsCoded() && field.CodeText() == codeText) return &field;
    }
    return nullptr;
}

void TDocManager::Register(uint32_t idNumber, std::string_view titleHex, char mode,
                           std::vector<TDocFieldRec> fields) {
    entries_.push_back(
        {TDocIdClass(IdTextOfNumber(idNumber)), FromHex(titleHex), mode, 2, std::move(fields)});
}

int TDocManager::IndexOf(TDocIdClass id) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

} // namespace lumetra
