#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumetra::test {

ModuleMatrix MatrixOf(const std::vector<std::string>& rows) {
    ModuleMatrix matrix = ModuleMatrix::Blank(int(rows.front().size()), int(rows.size()));
    for (int r = 0; r < matrix.height; ++r)
        for (int c = 0; c < matrix.width; ++c)
            if (rows[r][c] == '#') matrix.SetDark(c, r);
    return matrix;
}

ModuleMatrix Scatter(int width, int height, std::uint32_t seed) {
    ModuleMatrix matrix = ModuleMatrix::Blank(width, height);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            state = state * 1664525u + 1013904223u;
            if ((r == 0 && c == 0) || (state >> 16) % 100 < 45) matrix.SetDark(c, r);
        }
    return matrix;
}

int CountDark(const ModuleMatrix& matrix) {
    int count = 0;
    for (int r = 0; r < matrix.height; ++r)
        for (int c = 0; c < matrix.width; ++c) count += matrix.Dark(c, r);
    return count;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint16_t U16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint16_t(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return U16(bytes, at) | std::uint32_t(U16(bytes, at + 2)) << 16;
}

std::int32_t I32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::int32_t(U32(bytes, at));
}

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "output-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace lumetra::test

namespace lumetra::test {

bool PixelBit(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t rowBytes,
              int x, int y) {
    return (bytes.at(offset + y * rowBytes + x / 8) >> (7 - x % 8)) & 1;
}

} // namespace lumetra::test
