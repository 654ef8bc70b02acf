#include "app/form_kit/form_driver.h"
#include "tests/form_kit/test_form.h"

#include <gtest/gtest.h>

namespace {

class ControlsTest : public testing::Test {
protected:
    ScriptedMessageBoxes boxes;
    TestForm form{boxes};
    FormDriver driver{form};
};

TEST_F(ControlsTest, TypingRespectsLimitSelectionAndReadOnly) {
    form.first.maxLength = 5;
    int changes = 0;
    form.first.onChange = [&](Control&) { ++changes; };
    driver.focus(form.first);
    driver.type("abcdefg");
    EXPECT_EQ(form.first.text(), "abcde");
    driver.typeOver(form.first, "xy");
    EXPECT_EQ(form.first.text(), "xy");
    driver.pressBackspace();
    EXPECT_EQ(form.first.text(), "x");
    form.first.setText("x");
    EXPECT_EQ(changes, 8) << "five typed, one replaced, one deleted, none for an equal text";

    form.readOnlyEdit.setText("kept");
    driver.click(form.readOnlyEdit);
    driver.type("z");
    EXPECT_EQ(form.readOnlyEdit.text(), "kept");
}

TEST_F(ControlsTest, ValueListShowsOneBlankRowWhenEmpty) {
    ValueListEditor& list = form.list;
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.key(1), "");
    list.deleteRow(1);
    EXPECT_EQ(list.entryCount(), 0) << "the blank row is not an entry";

    list.setKey(1, "1");
    EXPECT_EQ(list.entryCount(), 1);
    EXPECT_EQ(list.appendRow("2", "Б2"), 2);
    list.currentRow = 2;
    list.deleteRow(2);
    EXPECT_EQ(list.currentRow, 1);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.key(1), "1");
}

TEST_F(ControlsTest, TypingIntoValueListNeedsEditingOn) {
    ValueListEditor& list = form.list;
    list.appendRow("1", "");
    driver.focus(list);
    driver.type("А1");
    EXPECT_EQ(list.value(1), "");
    list.readOnly = false;
    driver.type("А1");
    EXPECT_EQ(list.value(1), "А1");
}

} // namespace
