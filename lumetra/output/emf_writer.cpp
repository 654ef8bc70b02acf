#include "lumetra/output/data_stream.h"
#include "lumetra/output/dib.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/whole_file.h"

namespace lumetra {
namespace {

constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kRectangle = 43;
constexpr std::uint32_t kSetMapMode = 17;
constexpr std::uint32_t kSetStretchBltMode = 21;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kStretchDiBits = 81;
constexpr std::uint32_t kEndOfFile = 14;

constexpr std::uint32_t kHeaderBytes = 100;
constexpr std::uint32_t kStretchDiBitsBytes = 80;
constexpr std::uint32_t kHiMetric = 3;
constexpr std::uint32_t kColorOnColor = 3;
constexpr std::uint32_t kSourceCopy = 0xCC0020;
constexpr std::int32_t kBoundsLimit = 32767;

constexpr std::uint32_t kWhiteBrush = 0x80000000;
constexpr std::uint32_t kBlackBrush = 0x80000004;
constexpr std::uint32_t kWhitePen = 0x80000006;
constexpr std::uint32_t kBlackPen = 0x80000007;

void WriteBounds(TDataStream& out) {
    out.WriteI32(-kBoundsLimit);
    out.WriteI32(-kBoundsLimit);
    out.WriteI32(kBoundsLimit);
    out.WriteI32(kBoundsLimit);
}

void WriteHeader(TDataStream& out, const ModuleMatrix& matrix, std::uint32_t totalBytes,
                 std::uint32_t records) {
    out.WriteU32(kHeader);
    out.WriteU32(kHeaderBytes);
    WriteBounds(out);
    out.WriteI32(0); // frame, hundredths of a millimetre
    out.WriteI32(0);
    out.WriteI32(matrix.width);
    out.WriteI32(matrix.height);
    out.WriteU32(0x464D4520); // " EMF"
    out.WriteU32(0x10000);
    out.WriteU32(totalBytes);
    out.WriteU32(records);
    out.WriteU16(1); // handles
    out.WriteU16(0);
    out.WriteU32(0); // description: none
    out.WriteU32(0);
    out.WriteU32(0);            // palette entries
    out.WriteI32(kBoundsLimit); // reference device, pixels
    out.WriteI32(kBoundsLimit);
    out.WriteI32(100); // and millimetres
    out.WriteI32(100);
    out.WriteU32(0); // pixel format: none
    out.WriteU32(0);
    out.WriteU32(0); // no OpenGL records
}

class EmfRecords {
public:
    explicit EmfRecords(TDataStream& out) : out_(out) {}

    void Simple(std::uint32_t type, std::uint32_t value) {
        Begin(type, 12);
        out_.WriteU32(value);
    }
    void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
        Begin(kRectangle, 24);
        out_.WriteI32(left);
        out_.WriteI32(top);
        out_.WriteI32(right);
        out_.WriteI32(bottom);
    }
    void Begin(std::uint32_t type, std::uint32_t bytes) {
        out_.WriteU32(type);
        out_.WriteU32(bytes);
        ++count_;
    }
    std::uint32_t Count() const { return count_; }

private:
    TDataStream& out_;
    std::uint32_t count_ = 1; // the header
};

void DrawModules(EmfRecords& records, const ModuleMatrix& matrix) {
    records.Simple(kSelectObject, kWhitePen);
    records.Simple(kSelectObject, kWhiteBrush);
    records.Rectangle(0, 0, matrix.width, -matrix.height);
    records.Simple(kSelectObject, kBlackPen);
    records.Simple(kSelectObject, kBlackBrush);
    for (int r = 0; r < matrix.height; ++r)
        for (int c = 0; c < matrix.width; ++c)
            if (matrix.Dark(c, r)) records.Rectangle(c, -r, c + 1, -(r + 1));
}

void DrawBitmap(TDataStream& out, EmfRecords& records, const ModuleMatrix& matrix, const Dib& dib) {
    records.Simple(kSetStretchBltMode, kColorOnColor);
    records.Begin(kStretchDiBits, kStretchDiBitsBytes + kDibHeaderBytes + dib.imageBytes);
    WriteBounds(out);
    out.WriteI32(0); // destination
    out.WriteI32(0);
    out.WriteI32(0); // source
    out.WriteI32(0);
    out.WriteI32(dib.size.width);
    out.WriteI32(dib.size.height);
    out.WriteU32(kStretchDiBitsBytes); // information header follows the record's fields
    out.WriteU32(kDibHeaderBytes);
    out.WriteU32(kStretchDiBitsBytes + kDibHeaderBytes);
    out.WriteU32(dib.imageBytes);
    out.WriteU32(0); // palette of colours
    out.WriteU32(kSourceCopy);
    out.WriteI32(matrix.width);
    out.WriteI32(-matrix.height);
    AppendDib(out, matrix, dib);
}

} // namespace

bool WriteEmf(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept {
    return WriteBuiltFile(fileName, [&](TDataStream& out) {
        if (!ScaledSize(matrix, 1)) return false;
        const bool vector = moduleSize == 0;
        const auto dib = PlanDib(matrix, moduleSize);
        if (!vector && !dib) return false;

        WriteHeader(out, matrix, 0, 0);
        EmfRecords records(out);
        records.Simple(kSetMapMode, kHiMetric);
        if (vector)
            DrawModules(records, matrix);
        else
            DrawBitmap(out, records, matrix, *dib);
        records.Begin(kEndOfFile, 20);
        out.WriteU32(0);  // palette entries
        out.WriteU32(16); // palette offset
        out.WriteU32(20); // this record's size, for reading backwards

        const std::uint32_t totalBytes = std::uint32_t(out.Size());
        out.SetPosition(0);
        WriteHeader(out, matrix, totalBytes, records.Count());
        return true;
    });
}

} // namespace lumetra
