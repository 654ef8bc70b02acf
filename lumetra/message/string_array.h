#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// The lines of one message: one text buffer and the end offset of each line.
class TStringArray {
public:
    // Splits a message: CR ends a line (an empty one too), LF is dropped and never ends a line,
    // so CR LF and a lone CR separate lines while a lone LF joins its neighbours. Text after the
    // last CR is a line of its own unless it is empty.
    static TStringArray SplitLines(std::string_view text);

    size_t Count() const { return ends_.size(); }
    std::string_view Line(size_t index) const;
    void Remove(size_t index);

private:
    size_t Start(size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }

    std::string text_;
    std::vector<size_t> ends_;
};

} // namespace lumetra
