#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/grey_image.h"

namespace lumetra::test {

// A fresh folder, removed with its content when the test ends.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    size_t Count() const;

private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string FileContent(const std::filesystem::path& name);

// Reads the symbol(s) in the image with zxing-cpp and reverses the message coding: the
// message's lines, or one line "read failed: " and the result code.
std::vector<std::string> ReadBackLines(const tool::GreyImage& image);

} // namespace lumetra::test
