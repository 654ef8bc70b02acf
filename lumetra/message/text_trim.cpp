#include "lumetra/message/text_trim.h"

namespace lumetra {

namespace {

template <typename Predicate> std::string_view Trim(std::string_view text, Predicate trimmed) {
    while (!text.empty() && trimmed(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && trimmed(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    return Trim(text, [](unsigned char c) { return c == 0 || c == '\t' || c == ' '; });
}

std::string_view TrimControls(std::string_view text) {
    return Trim(text, [](unsigned char c) { return c <= ' '; });
}

} // namespace lumetra
