#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lumetra/message/doc_manager.h"

namespace lumetra {

// One coded field of a field text.
struct FieldItem {
    std::string code; // as written: upper-case hexadecimal
    std::string value;

    friend bool operator==(const FieldItem&, const FieldItem&) = default;
};

// The items of a field text of `doc`, in order; nothing when the text does not end with "-" or
// does not start with a code of `doc`. Field text separates items by TAB but does not escape a
// TAB inside a value, so a piece that does not start with a code of `doc` and ":" continues the
// value before it.
std::optional<std::vector<FieldItem>> ParseFieldText(std::string_view text, const TDLLDocRec& doc);

// A message that codes to `items` again: the header line "Ostrel" and the identifier, then one
// key=value line per item, each ended by CR LF; CR and LF inside a value are written "\r" and
// "\n". A value that was cut to end in a blank loses that blank when coded again.
std::string MessageOfFields(const TDLLDocRec& doc, const std::vector<FieldItem>& items);

} // namespace lumetra
