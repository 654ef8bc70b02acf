#include "api_test_support.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

#include "lumetra/message/prepared_decoder.h"
#include "statement_messages.h"
#include "tools/symbol_reader.h"

namespace lumetra::test {

ScratchFolder::ScratchFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "lumetra_api_XXXXXX").string();
    path_ = mkdtemp(name.data()) ? name : throw std::runtime_error("no scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

size_t ScratchFolder::Count() const {
    return std::distance(std::filesystem::directory_iterator(path_),
                         std::filesystem::directory_iterator());
}

std::string FileContent(const std::filesystem::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> ReadBackLines(const tool::GreyImage& image) {
    const tool::SymbolBytes read = tool::ReadSymbols(image);
    if (read.result != 0) return {"read failed: " + std::to_string(read.result)};
    const DecodedMessage decoded = DecodePrepared(read.bytes);
    if (decoded.status != DecodeStatus::kOk)
        return {"read failed: " + std::to_string(static_cast<int>(decoded.status))};
    return LinesOf(decoded.message);
}

} // namespace lumetra::test
