#include "lumetra/output/unique_name.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace lumetra {

std::string UniqueName(const std::string& folder, const std::string& extension) {
    const std::string prefix = folder.ends_with('/') ? folder : folder + '/';
    for (;;) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08X", unsigned(std::rand() % 0x7FFFFFFF));
        std::string name = prefix + digits + extension;
        struct stat info;
        if (lstat(name.c_str(), &info) != 0) return name;
    }
}

} // namespace lumetra
