// libLumetra.so shows callers exactly the documented names.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

TEST(SharedLibrary, ExportsExactlyTheDocumentedNames) {
    const std::string command = std::string(KV_NM) + " -D --defined-only " + KV_LUMETRA_LIBRARY;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
    ASSERT_EQ(pclose(pipe), 0) << command;

    std::set<std::string> names;
    std::istringstream lines(output);
    for (std::string address, kind, name; lines >> address >> kind >> name;) names.insert(name);
    const std::set<std::string> documented = {
        "Lumx_GetVersion",
        "Lumx_EnCode_IPictureDisp",
        "Lumx_GetErrorString",
        "Lumx_GetErrorStringW",
        "Lumx_GetErrorStringA",
        "Lumx_EnCode_File",
        "Lumx_EnCode_FileW",
        "Lumx_EnCode_FileA",
        "Lumx_EnCode_Str",
        "Lumx_EnCode_StrW",
        "Lumx_EnCode_StrA",
        "PrintCode",
        "DelCode",
        "PrintSize",
        "PrintSizeEx",
        "Lumx_PictureAddRef",
        "Lumx_PictureRelease",
        "Lumx_PictureWidth",
        "Lumx_PictureHeight",
        "Lumx_PictureStride",
        "Lumx_PictureBits",
    };
    EXPECT_EQ(names, documented);
}

} // namespace
