#pragma once

#include "lumetra/output/module_matrix.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumetra::test {

// A matrix drawn as text rows, '#' for a dark module.
ModuleMatrix MatrixOf(const std::vector<std::string>& rows);
// An irregular pattern (no row or column repeats another) with a dark top-left module.
ModuleMatrix Scatter(int width, int height, std::uint32_t seed = 1);
int CountDark(const ModuleMatrix& matrix);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
std::uint16_t U16(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::int32_t I32(const std::vector<std::uint8_t>& bytes, std::size_t at);

// A fresh folder removed with everything in it when the test ends.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path_;
};

} // namespace lumetra::test

namespace lumetra::test {

// Bit x (most significant first) of row y in rows of rowBytes bytes starting at `offset`.
bool PixelBit(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t rowBytes,
              int x, int y);

} // namespace lumetra::test
