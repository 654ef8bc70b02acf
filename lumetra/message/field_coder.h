#pragma once

#include <string>

#include "lumetra/message/doc_manager.h"
#include "lumetra/message/string_array.h"

namespace lumetra {

// Field text of the key=value lines of a message whose header line is already removed: for each
// line with a key of `doc`'s field table and a value, the field's code, ":", the value (unescaped
// and cut to the field's length) and a TAB; then "-". Other lines are ignored.
std::string CodeFields(const TStringArray& lines, const TDLLDocRec& doc);

} // namespace lumetra
