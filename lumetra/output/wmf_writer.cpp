#include "lumetra/output/data_stream.h"
#include "lumetra/output/dib.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/whole_file.h"

#include <algorithm>
#include <initializer_list>

namespace lumetra {
namespace {

constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSetStretchBltMode = 0x0107;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kCreatePen = 0x02FA;
constexpr std::uint16_t kCreateBrush = 0x02FC;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kStretchDib = 0x0F43;
constexpr std::uint16_t kEndOfFile = 0x0000;

constexpr std::size_t kPlaceableBytes = 22;
constexpr std::int16_t kUnitsPerInch = 2540;
constexpr std::uint32_t kSourceCopy = 0xCC0020;
constexpr std::int16_t kColorOnColor = 3;
// Metafile coordinates and bitmap sizes are signed 16-bit numbers.
constexpr int kMaxCoordinate = 32767;

void WritePlaceableHeader(TDataStream& out, const ModuleMatrix& matrix) {
    const std::uint16_t words[] = {
        0xCDD7,        0x9AC6, 0, 0, 0, std::uint16_t(matrix.width), std::uint16_t(matrix.height),
        kUnitsPerInch, 0,      0};
    std::uint16_t checksum = 0;
    for (const std::uint16_t word : words) {
        out.WriteU16(word);
        checksum ^= word;
    }
    out.WriteU16(checksum);
}

void WriteMetaHeader(TDataStream& out, std::uint32_t totalWords, std::uint16_t objects,
                     std::uint32_t largestRecord) {
    out.WriteU16(1); // on disk
    out.WriteU16(9); // header words
    out.WriteU16(0x0300);
    out.WriteU32(totalWords);
    out.WriteU16(objects);
    out.WriteU32(largestRecord);
    out.WriteU16(0);
}

class WmfRecords {
public:
    explicit WmfRecords(TDataStream& out) : out_(out) {}

    // Parameters in file order, which for coordinates is y before x.
    void Record(std::uint16_t function, std::initializer_list<std::int16_t> words) {
        Begin(function, words.size());
        for (const std::int16_t word : words) out_.WriteI16(word);
    }
    void Begin(std::uint16_t function, std::size_t parameterWords) {
        const std::uint32_t words = 3 + std::uint32_t(parameterWords);
        out_.WriteU32(words);
        out_.WriteU16(function);
        largest_ = std::max(largest_, words);
    }
    // Each new object takes the lowest free slot; we never free one.
    void SelectNewObject(std::uint16_t function, std::initializer_list<std::int16_t> words) {
        Record(function, words);
        Record(kSelectObject, {std::int16_t(objects_++)});
    }
    std::uint16_t Objects() const { return objects_; }
    std::uint32_t Largest() const { return largest_; }

private:
    TDataStream& out_;
    std::uint16_t objects_ = 0;
    std::uint32_t largest_ = 0;
};

void DrawModules(WmfRecords& records, const ModuleMatrix& matrix) {
    // Solid pens of width 0 (one device pixel) and solid brushes; colours low word first.
    records.SelectNewObject(kCreatePen, {0, 0, 0, -1, 0x00FF});
    records.SelectNewObject(kCreateBrush, {0, -1, 0x00FF, 0});
    records.Record(kRectangle, {std::int16_t(matrix.height), std::int16_t(matrix.width), 0, 0});
    records.SelectNewObject(kCreatePen, {0, 0, 0, 0, 0});
    records.SelectNewObject(kCreateBrush, {0, 0, 0, 0});
    for (int r = 0; r < matrix.height; ++r)
        for (int c = 0; c < matrix.width; ++c)
            if (matrix.Dark(c, r))
                records.Record(kRectangle, {std::int16_t(r + 1), std::int16_t(c + 1),
                                            std::int16_t(r), std::int16_t(c)});
}

void DrawBitmap(TDataStream& out, WmfRecords& records, const ModuleMatrix& matrix, const Dib& dib) {
    records.Record(kSetStretchBltMode, {kColorOnColor});
    records.Begin(kStretchDib, 2 + 1 + 8 + (kDibHeaderBytes + dib.imageBytes) / 2);
    out.WriteU32(kSourceCopy);
    out.WriteU16(0); // palette of colours
    out.WriteI16(std::int16_t(dib.size.height));
    out.WriteI16(std::int16_t(dib.size.width));
    out.WriteI16(0); // source y, x
    out.WriteI16(0);
    out.WriteI16(std::int16_t(matrix.height));
    out.WriteI16(std::int16_t(matrix.width));
    out.WriteI16(0); // destination y, x
    out.WriteI16(0);
    AppendDib(out, matrix, dib);
}

} // namespace

bool WriteWmf(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept {
    return WriteBuiltFile(fileName, [&](TDataStream& out) {
        if (!ScaledSize(matrix, 1) || matrix.width > kMaxCoordinate ||
            matrix.height > kMaxCoordinate)
            return false;
        const bool vector = moduleSize == 0;
        const auto dib = PlanDib(matrix, moduleSize);
        if (!vector &&
            (!dib || dib->size.width > kMaxCoordinate || dib->size.height > kMaxCoordinate))
            return false;

        WritePlaceableHeader(out, matrix);
        WriteMetaHeader(out, 0, 0, 0);
        WmfRecords records(out);
        // y grows downwards, as in the placeable header's box: readers that take a negative
        // extent handle a negative bitmap height badly.
        records.Record(kSetWindowExt, {std::int16_t(matrix.height), std::int16_t(matrix.width)});
        records.Record(kSetWindowOrg, {0, 0});
        if (vector)
            DrawModules(records, matrix);
        else
            DrawBitmap(out, records, matrix, *dib);
        records.Record(kEndOfFile, {});

        const auto totalWords = std::uint32_t((out.Size() - kPlaceableBytes) / 2);
        out.SetPosition(kPlaceableBytes);
        WriteMetaHeader(out, totalWords, records.Objects(), records.Largest());
        return true;
    });
}

} // namespace lumetra
