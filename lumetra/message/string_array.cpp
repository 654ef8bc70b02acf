#include "lumetra/message/string_array.h"

namespace lumetra {

TStringArray TStringArray::SplitLines(std::string_view text) {
    TStringArray lines;
    lines.text_.reserve(text.size());
    size_t lineStart = 0;
    for (const char c : text) {
        if (c == '\r') {
            lines.ends_.push_back(lines.text_.size());
            lineStart = lines.text_.size();
        } else if (c != '\n') {
            lines.text_.push_back(c);
        }
    }
    if (lines.text_.size() > lineStart) lines.ends_.push_back(lines.text_.size());
    return lines;
}

std::string_view TStringArray::Line(size_t index) const {
    return std::string_view(text_).substr(Start(index), ends_[index] - Start(index));
}

void TStringArray::Remove(size_t index) {
    const size_t start = Start(index);
    const size_t length = ends_[index] - start;
    text_.erase(start, length);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(index));
    for (size_t i = index; i < ends_.size(); ++i) ends_[i] -= length;
}

} // namespace lumetra
