#pragma once

#include "lumetra/output/module_matrix.h"

#include <string>
#include <vector>

namespace lumetra::test {

// Runs a shell command; its standard output, or nothing when it exits with a failure.
bool RunTool(const std::string& command, std::string& output);
// Shell-quotes one argument.
std::string Quoted(const std::string& text);
// True when the reader the build looked for is there to run.
bool ToolFound(const std::string& path);

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<bool> black; // row by row
    bool Black(int x, int y) const { return black[std::size_t(y) * width + x]; }
};

// Parses a plain bitmap ("P1"); an empty one when the text is no such bitmap.
Bitmap ParsePlainPbm(const std::string& text);

// The modules as the bitmap shows them: the pixel at each module's centre, the symbol covering
// `area` (x, y, width, height in pixels) of the bitmap.
struct Area {
    double x, y, width, height;
};
ModuleMatrix SampleModules(const Bitmap& bitmap, Area area, int width, int height);

// The modules as an SVG of filled rectangles shows them: the first, white rectangle is the
// symbol's background, each black one a dark module. Invalid when the drawing holds anything else.
ModuleMatrix ModulesFromSvgRectangles(const std::string& svg, int width, int height);

} // namespace lumetra::test
