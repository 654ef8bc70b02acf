#include <gtest/gtest.h>

#include <string>

#include "lumetra/message/doc_id.h"
#include "lumetra/message/registered_documents.h"

namespace lumetra {
namespace {

struct IdCase {
    std::string text;
    uint32_t value;
    std::string textForm;
};

class DocIdTexts : public testing::TestWithParam<IdCase> {};

TEST_P(DocIdTexts, HoldTheCharactersRightAligned) {
    const TDocIdClass id(GetParam().text);
    EXPECT_EQ(id.value(), GetParam().value);
    EXPECT_EQ(id.Text(), GetParam().textForm);
}

INSTANTIATE_TEST_SUITE_P(Lumetra, DocIdTexts,
                         testing::Values(IdCase{"13", 0x33310000, "13"},
                                         IdCase{"0J", 0x4A300000, "0J"},
                                         IdCase{"DC13", 0x33314344, "13"},
                                         IdCase{"ABCD", 0x44434241, "ABCD"},
                                         IdCase{"X", 0x58000000, std::string("\0X", 2)},
                                         IdCase{"ABC", 0x43424100, std::string("\0ABC", 4)},
                                         IdCase{std::string("DC\0\0", 4), 0x4344, ""},
                                         IdCase{"", 0, ""}, IdCase{"ABCDE", 0, ""}));

TEST(DocId, DcPrefixDoesNotCount) {
    EXPECT_EQ(TDocIdClass("DC13"), TDocIdClass("13"));
    EXPECT_EQ(TDocIdClass("DC0J"), TDocIdClass("0J"));
    EXPECT_FALSE(TDocIdClass("13") == TDocIdClass("0J"));
    EXPECT_FALSE(TDocIdClass("CD13") == TDocIdClass("13"));
}

TEST(DocumentTypes, HoldTheTwoTypesInOrder) {
    const TDocManager& types = DocumentTypes();
    ASSERT_EQ(types.entries().size(), 2u);
    EXPECT_EQ(types.IndexOf(TDocIdClass("13")), 0);
    EXPECT_EQ(types.IndexOf(TDocIdClass("DC13")), 0);
    EXPECT_EQ(types.IndexOf(TDocIdClass("0J")), 1);
    EXPECT_EQ(types.IndexOf(TDocIdClass("13 ")), -1);
    EXPECT_EQ(types.IndexOf(TDocIdClass("")), -1);

    // Windows-1251 titles.
    EXPECT_EQ(types.entries()[0].title, "\xC4\xF0\xE0\xE2\xE5\xED\xE0");
    EXPECT_EQ(types.entries()[1].title,
              "\xCE\xEF\xE8\xF1\xFC \xED\xE0 \xE4\xE5\xED\xE5\xE6\xED\xF3\xFE "
              "\xED\xE0\xEB\xE8\xF7\xED\xEE\xF1\xF2\xFC/\xF6\xE5\xED\xED\xEE\xF1\xF2\xE8");
    for (const TDLLDocRec& doc : types.entries()) EXPECT_EQ(doc.mode, 'N');
}

TEST(DocumentTypes, FindCodedFieldsOnly) {
    const TDLLDocRec& statement = DocumentTypes().entries()[0];
    ASSERT_NE(statement.FieldByKey("0"), nullptr);
    EXPECT_EQ(statement.FieldByKey("0")->name, "Podval");
    // DBNAME has code 911 but is not a field of the message.
    EXPECT_EQ(statement.FieldByCodeText("911"), nullptr);
    EXPECT_EQ(statement.FieldByKey("911"), nullptr);

    const TDLLDocRec& inventory = DocumentTypes().entries()[1];
    ASSERT_NE(inventory.FieldByKey("41"), nullptr);
    EXPECT_EQ(inventory.FieldByKey("41")->name, "NOM_SUM");
    EXPECT_EQ(inventory.FieldByKey("A"), nullptr);
}

} // namespace
} // namespace lumetra
