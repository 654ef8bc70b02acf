// Every format is opened by a reader that shares no code with us, and the modules it sees must be
// ours: libtiff's tiffinfo, ImageMagick for TIFF, BMP, GIF and WMF, libwmf's wmf2svg and
// libemf2svg's emf2svg-conv (rendered by librsvg where the drawing is a bitmap).
#include "lumetra/output/image_writers.h"
#include "readers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <regex>

namespace lumetra {
namespace {

using namespace test;

enum class Format { Tiff, Bmp, Gif, Emf, Wmf };

struct ReaderCase {
    const char* name;
    Format format;
    int moduleSize;
    int width, height;
    int pixelsPerModule; // of a raster format; 0 for a metafile
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

::testing::AssertionResult HaveTools(std::initializer_list<const char*> paths) {
    for (const char* path : paths)
        if (!ToolFound(path))
            return ::testing::AssertionFailure()
                   << "reader " << path << " missing: run scripts/install-deps and configure again";
    return ::testing::AssertionSuccess();
}

bool Write(Format format, const ModuleMatrix& matrix, int moduleSize, const std::string& file) {
    switch (format) {
    case Format::Tiff:
        return WriteTiff(matrix, moduleSize, file);
    case Format::Bmp:
        return WriteBmp(matrix, moduleSize, file);
    case Format::Gif:
        return WriteGif(matrix, moduleSize, file);
    case Format::Emf:
        return WriteEmf(matrix, moduleSize, file);
    case Format::Wmf:
        return WriteWmf(matrix, moduleSize, file);
    }
    return false;
}

const char* Extension(Format format) {
    const char* extensions[] = {".tif", ".bmp", ".gif", ".emf", ".wmf"};
    return extensions[int(format)];
}

Bitmap ConvertToPbm(const std::string& options, const std::string& file) {
    std::string pbm;
    RunTool(std::string(KV_CONVERT) + " " + options + " " + Quoted(file) +
                " -threshold 50% -compress none pbm:- 2>/dev/null",
            pbm);
    return ParsePlainPbm(pbm);
}

std::string ReadText(const std::string& file) {
    const auto bytes = ReadBytes(file);
    return {bytes.begin(), bytes.end()};
}

// emf2svg places the drawing at the header's bounds, far inside a page of 65534 pixels; librsvg
// renders only the part under the picture.
ModuleMatrix RenderEmfBitmap(const std::string& svgFile, int width, int height) {
    const std::string svg = ReadText(svgFile);
    std::smatch shift, image;
    const std::regex translate("translate\\(([-0-9.]+),\\s*([-0-9.]+)\\)");
    const std::regex placement("<image width=\"([0-9.]+)\" height=\"([0-9.]+)\" "
                               "x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"");
    if (!std::regex_search(svg, shift, translate) || !std::regex_search(svg, image, placement))
        return {};
    const Area area{std::stod(image[3]), std::stod(image[4]), std::stod(image[1]),
                    std::stod(image[2])};
    const std::string png = svgFile + ".png";
    std::string ignored;
    if (!RunTool(std::string(KV_RSVG) + " --left=" + std::to_string(-std::stod(shift[1])) +
                     " --top=" + std::to_string(-std::stod(shift[2])) +
                     " --page-width=" + std::to_string(int(area.x + area.width) + 1) +
                     " --page-height=" + std::to_string(int(area.y + area.height) + 1) + " -o " +
                     Quoted(png) + " " + Quoted(svgFile),
                 ignored))
        return {};
    return SampleModules(ConvertToPbm("", png), area, width, height);
}

// What a reader of a metafile shows as the modules.
ModuleMatrix ReadMetafile(Format format, int moduleSize, const std::string& file, int width,
                          int height) {
    const std::string svg = file + ".svg";
    std::string ignored;
    if (format == Format::Wmf) {
        if (moduleSize != 0) {
            // 2540 units per inch, one unit a module: eight pixels per module.
            const Bitmap bitmap = ConvertToPbm("-density 20320", file);
            return SampleModules(bitmap, {0, 0, double(bitmap.width), double(bitmap.height)}, width,
                                 height);
        }
        if (!RunTool(std::string(KV_WMF2SVG) + " -o " + Quoted(svg) + " " + Quoted(file), ignored))
            return {};
        return ModulesFromSvgRectangles(ReadText(svg), width, height);
    }
    if (!RunTool(std::string(KV_EMF2SVG) + " -i " + Quoted(file) + " -o " + Quoted(svg), ignored))
        return {};
    return moduleSize == 0 ? ModulesFromSvgRectangles(ReadText(svg), width, height)
                           : RenderEmfBitmap(svg, width, height);
}

class IndependentReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(IndependentReader, SeesExactlyOurDarkModules) {
    const ReaderCase& c = GetParam();
    ASSERT_TRUE(HaveTools({KV_CONVERT, KV_WMF2SVG, KV_EMF2SVG, KV_RSVG}));
    const ModuleMatrix matrix = Scatter(c.width, c.height, 3);
    ScratchDir dir;
    const std::string file = dir.File(std::string("code") + Extension(c.format));
    ASSERT_TRUE(Write(c.format, matrix, c.moduleSize, file));

    if (c.pixelsPerModule == 0) {
        const ModuleMatrix seen = ReadMetafile(c.format, c.moduleSize, file, c.width, c.height);
        ASSERT_TRUE(seen.Valid()) << "the reader's drawing could not be read back";
        EXPECT_EQ(seen.bits, matrix.bits);
        return;
    }
    const Bitmap bitmap = ConvertToPbm("", file);
    const int s = c.pixelsPerModule;
    ASSERT_EQ(bitmap.width, c.width * s);
    ASSERT_EQ(bitmap.height, c.height * s);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            ASSERT_EQ(bitmap.Black(x, y), matrix.Dark(x / s, y / s)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, IndependentReader,
    testing::Values(ReaderCase{"Tiff", Format::Tiff, 1, 19, 19, 1},
                    ReaderCase{"TiffScaled", Format::Tiff, 3, 59, 19, 3},
                    ReaderCase{"Bmp", Format::Bmp, 1, 19, 19, 1},
                    ReaderCase{"BmpScaled", Format::Bmp, 4, 19, 59, 4},
                    ReaderCase{"Gif", Format::Gif, 2, 23, 17, 2},
                    // 453 x 453 pixels of noise: the LZW table fills and restarts many times
                    ReaderCase{"GifLarge", Format::Gif, 3, 151, 151, 3},
                    ReaderCase{"EmfVector", Format::Emf, 0, 27, 19, 0},
                    ReaderCase{"EmfBitmap", Format::Emf, 4, 27, 19, 0},
                    ReaderCase{"WmfVector", Format::Wmf, 0, 27, 19, 0},
                    ReaderCase{"WmfBitmap", Format::Wmf, 2, 27, 19, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndependentReader, TiffinfoReadsTheDirectoryWithoutComplaint) {
    ASSERT_TRUE(HaveTools({KV_TIFFINFO}));
    ScratchDir dir;
    ASSERT_TRUE(WriteTiff(Scatter(59, 19), 3, dir.File("code.tif")));
    std::string info;
    ASSERT_TRUE(
        RunTool(std::string(KV_TIFFINFO) + " " + Quoted(dir.File("code.tif")) + " 2>&1", info));
    EXPECT_NE(info.find("Image Width: 177 Image Length: 57"), std::string::npos) << info;
    EXPECT_NE(info.find("Compression Scheme: None"), std::string::npos) << info;
    EXPECT_NE(info.find("Photometric Interpretation: min-is-white"), std::string::npos) << info;
    EXPECT_NE(info.find("Rows/Strip: 57"), std::string::npos) << info;
    EXPECT_EQ(info.find("arning"), std::string::npos) << info;
}

TEST(IndependentReader, ImageMagickSeesTheGifComment) {
    ASSERT_TRUE(HaveTools({KV_IDENTIFY}));
    ScratchDir dir;
    ASSERT_TRUE(WriteGif(Scatter(19, 19), 1, dir.File("code.gif")));
    std::string comment;
    ASSERT_TRUE(
        RunTool(std::string(KV_IDENTIFY) + " -format %c " + Quoted(dir.File("code.gif")), comment));
    EXPECT_EQ(comment, "Quillon Writer");
}

} // namespace
} // namespace lumetra
