#include "lumetra/message/field_text.h"

namespace lumetra {

namespace {

// The item a TAB-separated piece starts, or nothing when the piece continues a value.
std::optional<FieldItem> ItemOfPiece(std::string_view piece, const TDLLDocRec& doc) {
    const size_t colon = piece.find(':');
    if (colon == std::string_view::npos || doc.FieldByCodeText(piece.substr(0, colon)) == nullptr) {
        return std::nullopt;
    }
    return FieldItem{std::string(piece.substr(0, colon)), std::string(piece.substr(colon + 1))};
}

} // namespace

std::optional<std::vector<FieldItem>> ParseFieldText(std::string_view text, const TDLLDocRec& doc) {
    if (text.empty() || text.back() != '-') return std::nullopt;
    text.remove_suffix(1);
    std::vector<FieldItem> items;
    while (!text.empty()) {
        const size_t tab = text.find('\t');
        // Every item ends with a TAB, so text left without one is not field text.
        if (tab == std::string_view::npos) return std::nullopt;
        const std::string_view piece = text.substr(0, tab);
        text.remove_prefix(tab + 1);
        if (std::optional<FieldItem> item = ItemOfPiece(piece, doc)) {
            items.push_back(std::move(*item));
        } else if (!items.empty()) {
            items.back().value += '\t';
            items.back().value += piece;
        } else {
            return std::nullopt;
        }
    }
    return items;
}

std::string MessageOfFields(const TDLLDocRec& doc, const std::vector<FieldItem>& items) {
    std::string message = "Ostrel" + doc.id.Text() + "\r\n";
    for (const FieldItem& item : items) {
        const TDocFieldRec* field = doc.FieldByCodeText(item.code);
        if (field == nullptr) continue;
        message += field->MessageKey();
        message += '=';
        for (const char c : item.value) {
            if (c == '\r') {
                message += "\\r";
            } else if (c == '\n') {
                message += "\\n";
            } else {
                message += c;
            }
        }
        message += "\r\n";
    }
    return message;
}

} // namespace lumetra
