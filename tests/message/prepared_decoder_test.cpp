#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lumetra/message/crc32.h"
#include "lumetra/message/lzhuf_compress.h"
#include "lumetra/message/prepare_message.h"
#include "lumetra/message/prepared_decoder.h"
#include "lumetra/message/registered_documents.h"
#include "lumetra/message/scrambler.h"
#include "tests/message/char_classes.h"

namespace lumetra {
namespace {

using testing_support::ClassOf;
using testing_support::InversePermutation;

constexpr size_t kHeaderSize = 14;

// A message of random lines with keys of the type's field table and values that code unchanged
// and fit their fields: escapes, Windows-1251 letters and the record marks, no blank at the ends.
std::string RandomMessage(const TDLLDocRec& doc, std::mt19937& random) {
    static constexpr std::string_view kPieces[] = {"\xCE\xCE\xCE",
                                                   "\xCF\xF0\xE8\xEC\xE5\xF0",
                                                   "\xB5"
                                                   "1|",
                                                   "\\r",
                                                   "\\n",
                                                   "1000.00",
                                                   "|",
                                                   " ",
                                                   "RUR",
                                                   "=",
                                                   ";",
                                                   ":",
                                                   "-"};
    std::string message = "Ostrel" + doc.id.Text() + "\r\n";
    const int lineCount = static_cast<int>(random() % 12);
    for (int n = 0; n < lineCount; ++n) {
        const TDocFieldRec& field = doc.fields[random() % doc.fields.size()];
        if (!field.IsCoded()) continue;
        const size_t limit = field.maxLength > 0 ? static_cast<size_t>(field.maxLength) : 400;
        std::string value = "v";
        const size_t target = random() % limit;
        while (value.size() < target) value += kPieces[random() % std::size(kPieces)];
        value.resize(std::min(value.size(), limit - 1));
        value += 'e';
        message += std::string(field.MessageKey()) + "=" + value + "\r\n";
    }
    return message;
}

TEST(DecodePrepared, GivesRandomMessagesBack) {
    const std::array<uint8_t, 256> inverse = InversePermutation();
    std::mt19937 random(2024);
    for (int round = 0; round < 150; ++round) {
        const TDLLDocRec& doc = DocumentTypes().entries()[round % 2];
        const std::string message = RandomMessage(doc, random);
        const uint32_t counter = random();
        const PreparedMessage raw = PrepareMessage(message, true);
        const PreparedMessage prepared = PrepareMessage(message, false, [=] { return counter; });
        ASSERT_EQ(prepared.result, kPrepareOk);

        const DecodedMessage decoded = DecodePrepared(prepared.bytes);
        ASSERT_EQ(decoded.status, DecodeStatus::kOk) << message;
        EXPECT_EQ(decoded.id, doc.id);
        EXPECT_EQ(decoded.fieldText, raw.bytes);
        EXPECT_EQ(decoded.message, message);

        const std::string_view body = std::string_view(prepared.bytes).substr(kHeaderSize);
        const std::string plain = Unscramble(body);
        for (size_t i = 0; i < plain.size(); ++i) {
            ASSERT_EQ(ClassOf(static_cast<uint8_t>(body[i + 4])),
                      ClassOf(inverse[static_cast<uint8_t>(plain[i])]))
                << "byte " << i << " of " << message;
        }
    }
}

TEST(DecodePrepared, ItemsAndMessageOfTheWorkedExample) {
    const PreparedMessage prepared = PrepareMessage(
        "Ostrel13\r\nA=2024/17\r\nD=  Test \\n shop \r\nF=\r\nX=unused\r\n0=a\tb", false);
    const DecodedMessage decoded = DecodePrepared(prepared.bytes);
    ASSERT_EQ(decoded.status, DecodeStatus::kOk);
    const std::vector<FieldItem> items = {{"2", "2024/17"}, {"5", "Test \n shop"}, {"8", "a\tb"}};
    EXPECT_EQ(decoded.items, items);
    EXPECT_EQ(decoded.message, "Ostrel13\r\nA=2024/17\r\nD=Test \\n shop\r\n0=a\tb\r\n");
}

// The length in front of the code keeps 16 bits; a longer field text still comes back whole.
TEST(DecodePrepared, FieldTextsPast64KiB) {
    std::string value;
    for (int i = 0; value.size() < 70'000; ++i) value += std::to_string(i) + ";";
    const PreparedMessage prepared = PrepareMessage("Ostrel0J\r\n41=" + value, false);
    const DecodedMessage decoded = DecodePrepared(prepared.bytes);
    ASSERT_EQ(decoded.status, DecodeStatus::kOk);
    EXPECT_EQ(decoded.fieldText, "41:" + value + "\t-");
}

// A prepared string around a chosen plain body (length and code), with a correct checksum.
std::string Assemble(std::string_view id, std::string_view plain) {
    const std::string body = Scramble(plain, 5);
    const uint32_t crc = Crc32(body);
    std::string out = "KVT" + std::string(id) + "400N\t";
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(crc >> (8 * i)));
    return out + body;
}

std::string Plain(uint16_t length, std::string_view code) {
    return std::string{static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)} +
           std::string(code);
}

struct BadCase {
    const char* name;
    std::string prepared;
    DecodeStatus status;
};

class DecodeFailures : public testing::TestWithParam<BadCase> {};

TEST_P(DecodeFailures, SayWhatIsWrong) {
    EXPECT_EQ(DecodePrepared(GetParam().prepared).status, GetParam().status);
}

const std::string kFieldText = "2:2024/17\t5:ABC\t-";
const std::string kGood = Assemble("13", Plain(kFieldText.size(), Compress(kFieldText)));

std::string Flipped(std::string text, size_t at) {
    text[at] = static_cast<char>(text[at] ^ 0x01);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Lumetra, DecodeFailures,
    testing::Values(
        BadCase{"Empty", "", DecodeStatus::kBadHeader},
        BadCase{"NoMagic", "XVT" + kGood.substr(3), DecodeStatus::kBadHeader},
        BadCase{"OtherVersion", "KVT13401N" + kGood.substr(9), DecodeStatus::kBadHeader},
        BadCase{"OtherMode", "KVT13400B" + kGood.substr(9), DecodeStatus::kBadHeader},
        BadCase{"HeaderCut", kGood.substr(0, 12), DecodeStatus::kBadHeader},
        BadCase{"UnknownType", "KVT12" + kGood.substr(5), DecodeStatus::kUnknownDocument},
        BadCase{"ChecksumChanged", Flipped(kGood, 10), DecodeStatus::kCrcMismatch},
        BadCase{"BodyChanged", Flipped(kGood, kGood.size() - 1), DecodeStatus::kCrcMismatch},
        BadCase{"BodyCut", kGood.substr(0, kGood.size() - 1), DecodeStatus::kCrcMismatch},
        BadCase{"NoLength", Assemble("13", "\x01"), DecodeStatus::kTruncated},
        BadCase{"CodeCut",
                Assemble("13", Plain(kFieldText.size(), Compress(kFieldText).substr(0, 6))),
                DecodeStatus::kTruncated},
        BadCase{"CodeLonger",
                Assemble("13", Plain(kFieldText.size(), Compress(kFieldText) + "\x7F\x7F")),
                DecodeStatus::kLengthMismatch},
        BadCase{"NotFieldText", Assemble("13", Plain(5, Compress("hello"))),
                DecodeStatus::kBadFieldText},
        BadCase{"UnknownCode", Assemble("13", Plain(5, Compress("9:x\t-"))),
                DecodeStatus::kBadFieldText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodePrepared, ReadsBothIdentifierForms) {
    for (const std::string_view id : {"0J", "DC13"}) {
        const DecodedMessage decoded = DecodePrepared(Assemble(id, Plain(1, Compress("-"))));
        ASSERT_EQ(decoded.status, DecodeStatus::kOk) << id;
        EXPECT_EQ(decoded.message, "Ostrel" + TDocIdClass(id).Text() + "\r\n");
    }
}

} // namespace
} // namespace lumetra
