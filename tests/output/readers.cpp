#include "readers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <unistd.h>

namespace lumetra::test {

bool RunTool(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[65536];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    return pclose(pipe) == 0;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool ToolFound(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

Bitmap ParsePlainPbm(const std::string& text) {
    std::istringstream in(text);
    const auto next = [&in, &text](std::string& token) {
        while (in >> token && token.starts_with('#')) in.ignore(text.size(), '\n');
        return bool(in);
    };
    std::string magic, width, height;
    if (!next(magic) || magic != "P1" || !next(width) || !next(height)) return {};
    Bitmap bitmap{std::stoi(width), std::stoi(height), {}};
    for (char c; in >> c;) bitmap.black.push_back(c == '1');
    if (bitmap.black.size() != std::size_t(bitmap.width) * bitmap.height) return {};
    return bitmap;
}

ModuleMatrix SampleModules(const Bitmap& bitmap, Area area, int width, int height) {
    ModuleMatrix matrix = ModuleMatrix::Blank(width, height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            const int x = int(std::floor(area.x + (c + 0.5) * area.width / width));
            const int y = int(std::floor(area.y + (r + 0.5) * area.height / height));
            if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return {};
            if (bitmap.Black(x, y)) matrix.SetDark(c, r);
        }
    return matrix;
}

namespace {

double Attribute(std::string_view element, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const auto at = element.find(key);
    return at == std::string_view::npos ? NAN
                                        : std::strtod(element.data() + at + key.size(), nullptr);
}

enum class Fill { Black, White, Other };

// emf2svg writes fill="#000000", wmf2svg a style with fill:black.
Fill FillOf(std::string_view element) {
    const auto has = [element](std::string_view text) {
        return element.find(text) != std::string_view::npos;
    };
    if (has("fill=\"#000000\"") || has("fill:black")) return Fill::Black;
    if (has("fill=\"#FFFFFF\"") || has("fill:white")) return Fill::White;
    return Fill::Other;
}

} // namespace

ModuleMatrix ModulesFromSvgRectangles(const std::string& svg, int width, int height) {
    ModuleMatrix matrix = ModuleMatrix::Blank(width, height);
    bool haveBackground = false;
    double x0 = 0, y0 = 0, step_x = 0, step_y = 0;
    for (auto at = svg.find("<rect "); at != std::string::npos; at = svg.find("<rect ", at + 1)) {
        const std::string_view element(svg.data() + at, svg.find('>', at) - at);
        const double x = Attribute(element, "x"), y = Attribute(element, "y");
        const double w = Attribute(element, "width"), h = Attribute(element, "height");
        const Fill fill = FillOf(element);
        if (!haveBackground && fill == Fill::White) {
            haveBackground = true;
            x0 = x, y0 = y, step_x = w / width, step_y = h / height;
            continue;
        }
        // A dark module is one module large and lies on the module grid.
        const double c = (x - x0) / step_x, r = (y - y0) / step_y;
        if (!haveBackground || fill != Fill::Black || std::abs(w / step_x - 1) > 0.01 ||
            std::abs(h / step_y - 1) > 0.01 || std::abs(c - std::round(c)) > 0.01 ||
            std::abs(r - std::round(r)) > 0.01 || std::round(c) < 0 || std::round(c) >= width ||
            std::round(r) < 0 || std::round(r) >= height)
            return {};
        matrix.SetDark(int(std::round(c)), int(std::round(r)));
    }
    return haveBackground ? matrix : ModuleMatrix{};
}

} // namespace lumetra::test
