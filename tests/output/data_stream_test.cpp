#include "lumetra/output/data_stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumetra {
namespace {

std::vector<std::uint8_t> Bytes(const TDataStream& stream) {
    return {stream.Bytes().begin(), stream.Bytes().end()};
}

TEST(TDataStream, WritesLittleEndianAndRewritesAHeaderInPlace) {
    TDataStream stream;
    stream.WriteU32(0);
    stream.Write("ab");
    stream.WriteI16(-2);
    stream.SetPosition(0);
    stream.WriteU32(0x11223344);
    EXPECT_EQ(stream.Position(), 4u);
    EXPECT_EQ(Bytes(stream),
              (std::vector<std::uint8_t>{0x44, 0x33, 0x22, 0x11, 'a', 'b', 0xFE, 0xFF}));
}

TEST(TDataStream, RewriteRunningPastTheEndExtendsTheData) {
    TDataStream stream;
    stream.Write("abc");
    stream.SetPosition(2);
    stream.WriteU16(0x4443);
    EXPECT_EQ(Bytes(stream), (std::vector<std::uint8_t>{'a', 'b', 'C', 'D'}));
    stream.SetPosition(100);
    EXPECT_EQ(stream.Position(), 4u);
}

TEST(TDataStream, CapacityGrowsInWholeBlocks) {
    TDataStream stream(1024);
    for (int i = 0; i < 5000; ++i) {
        stream.WriteU8(std::uint8_t(i));
        ASSERT_EQ(stream.Capacity() % 1024, 0u);
    }
    EXPECT_EQ(stream.Size(), 5000u);
    EXPECT_EQ(stream.Bytes()[4999], std::uint8_t(4999));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_EQ(stream.Position(), 0u);
}

} // namespace
} // namespace lumetra
