#include "lumetra/message/field_coder.h"

#include "lumetra/message/text_trim.h"

namespace lumetra {

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, char to) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, from.size()) == from) {
            result.push_back(to);
            i += from.size();
        } else {
            result.push_back(text[i++]);
        }
    }
    return result;
}

// "\r", then "\n", then "\\". Replacing "\\" again and again from the start until none is left
// turns any run of backslashes into one; that is done here in a single pass.
std::string Unescape(std::string_view value) {
    const std::string text = ReplaceAll(ReplaceAll(value, "\\r", '\r'), "\\n", '\n');
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '\\' || result.empty() || result.back() != '\\') result.push_back(c);
    }
    return result;
}

bool OnlyEqualSigns(std::string_view text) {
    return text.find_first_not_of('=') == std::string_view::npos;
}

} // namespace

std::string CodeFields(const TStringArray& lines, const TDLLDocRec& doc) {
    std::string out;
    for (size_t n = 0; n < lines.Count(); ++n) {
        const std::string_view line = TrimBlanks(lines.Line(n));
        const size_t equals = line.find('=');
        // A line without "=" has no value and codes nothing.
        if (equals == std::string_view::npos) continue;
        std::string_view key = TrimControls(line.substr(0, equals));
        std::string_view rawValue = line.substr(equals + 1);
        if (OnlyEqualSigns(rawValue)) continue;
        if (const size_t semicolon = key.find(';'); semicolon != std::string_view::npos) {
            key = TrimControls(key.substr(0, semicolon));
        }
        const TDocFieldRec* field = doc.FieldByKey(key);
        if (field == nullptr) continue;
        std::string value = Unescape(TrimBlanks(rawValue));
        if (field->maxLength > 0 && value.size() > static_cast<size_t>(field->maxLength)) {
            value.resize(static_cast<size_t>(field->maxLength));
        }
        if (value.empty()) continue;
        out += field->CodeText();
        out += ':';
        out += value;
        out += '\t';
    }
    out += '-';
    return out;
}

} // namespace lumetra
