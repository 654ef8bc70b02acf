#include <gtest/gtest.h>

#include <string>

#include "lumetra/message/prepare_message.h"

namespace lumetra {
namespace {

using namespace std::string_literals;

struct PrepareCase {
    const char* name;
    std::string text;
    int32_t result;
    std::string fieldText; // with raw on; empty on failure
};

class PrepareRaw : public testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareRaw, GivesResultAndFieldText) {
    const PreparedMessage prepared = PrepareMessage(GetParam().text, true);
    EXPECT_EQ(prepared.result, GetParam().result);
    EXPECT_EQ(prepared.bytes, GetParam().fieldText);
}

INSTANTIATE_TEST_SUITE_P(
    Lumetra, PrepareRaw,
    testing::Values(
        PrepareCase{"WorkedExample",
                    "Ostrel13\r\nA=2024/17\r\nB=20240131\r\nC=ER\r\nD=  Test \\n shop \r\nF=\r\n"
                    "X=unused",
                    kPrepareOk, "2:2024/17\t3:20240131\t4:ER\t5:Test \n shop\t-"},
        PrepareCase{"HeaderOnly", "Ostrel13\r\n", kPrepareOk, "-"},
        PrepareCase{"QuillonWord", "Quillon13\r\nA=1", kPrepareOk, "2:1\t-"},
        PrepareCase{"DcPrefix", "OstrelDC13\r\nA=1", kPrepareOk, "2:1\t-"},
        PrepareCase{"InventoryType", "Ostrel0J\r\n41=5\r\n1=AB\r\n7=12345\r\nA=x", kPrepareOk,
                    "41:5\t1:A\t7:1234\t-"},
        PrepareCase{"CommentLineDropped", "Ostrel13\r\nx;y\r\nA=1", kPrepareOk, "2:1\t-"},
        PrepareCase{"SemicolonKeyWithValueIgnored", "Ostrel13\r\nx;y=1\r\nA=1", kPrepareOk,
                    "2:1\t-"},
        PrepareCase{"KeyCommentCut", "Ostrel13\r\nA;comment=5", kPrepareOk, "2:5\t-"},
        PrepareCase{"ThreeBackslashes", "Ostrel13\r\n0=a\\\\\\b", kPrepareOk, "8:a\\b\t-"},
        PrepareCase{"Escapes", "Ostrel13\r\nD=a\\rb\\nc\\\\nd", kPrepareOk, "5:a\rb\nc\\\nd\t-"},
        PrepareCase{"OnlyEqualSignsIsEmpty", "Ostrel13\r\nA===", kPrepareOk, "-"},
        PrepareCase{"EqualSignAfterBlank", "Ostrel13\r\nA= =", kPrepareOk, "2:=\t-"},
        PrepareCase{"BlanksAroundKeyAndValue", "Ostrel13\r\n \tA \x01= x \t", kPrepareOk, "2:x\t-"},
        PrepareCase{"RepeatedKeys", "Ostrel13\r\nA=1\r\nA=2", kPrepareOk, "2:1\t2:2\t-"},
        PrepareCase{"CutToMaxLength", "Ostrel13\r\n1=123456789", kPrepareOk, "1:12345678\t-"},
        PrepareCase{"NulInValue", "Ostrel13\r\nA=x\0y"s, kPrepareOk, "2:x\0y\t-"s},
        PrepareCase{"LoneCrSeparates", "Ostrel13\rA=1\rB=2", kPrepareOk, "2:1\t3:2\t-"},
        // A last line ended by a lone LF is kept, not lost.
        PrepareCase{"LastLineEndedByLf", "Ostrel13\r\nA=1\n", kPrepareOk, "2:1\t-"},
        PrepareCase{"Empty", "", kPrepareInvalidBuffer, ""},
        PrepareCase{"OnlyLineFeeds", "\n\n", kPrepareNoLine, ""},
        PrepareCase{"EmptyFirstLine", "\r\nOstrel13", kPrepareUnsupportedDocument, ""},
        PrepareCase{"LowerCaseWord", "ostrel13\r\nA=1", kPrepareUnsupportedDocument, ""},
        PrepareCase{"NoIdentifier", "Ostrel\r\nA=1", kPrepareUnsupportedDocument, ""},
        PrepareCase{"TrailingBlankInIdentifier", "Ostrel13 \r\nA=1", kPrepareUnsupportedDocument,
                    ""},
        PrepareCase{"LfOnlyJoinsLines", "Ostrel13\nA=1", kPrepareUnsupportedDocument, ""},
        PrepareCase{"UnregisteredType", "Ostrel12\r\nA=1", kPrepareUnsupportedDocument, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrepareMessage, IdentifierComesBackAlsoForUnknownTypes) {
    EXPECT_EQ(PrepareMessage("OstrelDC13", true).id, TDocIdClass("13"));
    EXPECT_EQ(PrepareMessage("Ostrel12", true).id.Text(), "12");
}

TEST(PrepareMessage, LongValuesAreCutToTheirField) {
    const std::string value(300, 'x');
    EXPECT_EQ(PrepareMessage("Ostrel13\r\nD=" + value, true).bytes,
              "5:" + value.substr(0, 255) + "\t-");
    const std::string record(1500, '|');
    EXPECT_EQ(PrepareMessage("Ostrel13\r\n0=" + record, true).bytes,
              "8:" + record.substr(0, 1024) + "\t-");
}

TEST(PrepareMessage, CodedMessageStartsWithItsHeader) {
    const PreparedMessage prepared = PrepareMessage("Ostrel13\r\nA=1\n", false, [] { return 42u; });
    ASSERT_EQ(prepared.result, kPrepareOk);
    EXPECT_EQ(prepared.bytes.substr(0, 10), "KVT13400N\t");
    EXPECT_EQ(PrepareMessage("Ostrel13\r\nA=1\n", false, [] { return 42u; }).bytes, prepared.bytes);
}

} // namespace
} // namespace lumetra
