#pragma once

#include <string>

namespace lumetra {

// `folder`, a "/" unless it ends in one, eight upper-case hexadecimal digits of a pseudo-random
// number below 7FFFFFFF and `extension`, drawn again while such a file exists. The library seeds
// the C generator once when it is loaded.
std::string UniqueName(const std::string& folder, const std::string& extension);

} // namespace lumetra
