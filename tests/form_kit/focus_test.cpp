#include "app/form_kit/form_driver.h"
#include "app/formats/input_error.h"
#include "tests/form_kit/test_form.h"

#include <gtest/gtest.h>

namespace {

class FocusTest : public testing::Test {
protected:
    ScriptedMessageBoxes boxes;
    TestForm form{boxes};
    FormDriver driver{form};
};

TEST_F(FocusTest, ExitHandlerLearnsTheGainingControl) {
    driver.focus(form.first);
    driver.click(form.button);
    EXPECT_EQ(form.log,
              QStringList({"enter first", "exit first to button", "enter button", "click"}));
}

TEST_F(FocusTest, ExitHandlerMaySendTheFocusBack) {
    driver.focus(form.first);
    form.first.onExit = [&](Control& sender, Control*) { form.focus(sender); };
    driver.click(form.button);
    EXPECT_TRUE(form.isFocused(form.first));
    EXPECT_EQ(form.log, QStringList({"enter first"})) << "no enter, no click";
}

TEST_F(FocusTest, ErrorInExitHandlerKeepsFocusAndReachesErrorBox) {
    driver.focus(form.first);
    form.first.onExit = [](Control&, Control*) { throw PVErrInput("Ошибка"); };
    driver.click(form.button);
    EXPECT_TRUE(form.isFocused(form.first));
    EXPECT_EQ(boxes.errors, QStringList({"Ошибка"}));
    EXPECT_FALSE(form.log.contains("click"));
}

TEST_F(FocusTest, EnterHandlerMayMoveTheFocusOn) {
    form.second.onEnter = [&](Control&) { form.focus(form.third); };
    driver.focus(form.first);
    driver.focus(form.second);
    EXPECT_TRUE(form.isFocused(form.third));
    EXPECT_EQ(form.log.last(), "enter third");
    EXPECT_TRUE(form.log.contains("exit second to third"));
}

TEST_F(FocusTest, TabSkipsWhatCannotTakeInput) {
    form.second.enabled = false;
    driver.focus(form.first);
    driver.pressTab();
    EXPECT_TRUE(form.isFocused(form.third)) << "read-only and disabled edits are skipped";
    form.button.visible = false;
    driver.pressTab();
    EXPECT_TRUE(form.isFocused(form.first)) << "wraps at the end";
    EXPECT_EQ(form.nextTabTarget(form.first, 2), &form.first);
}

TEST_F(FocusTest, UnfocusableTargetIsIgnored) {
    driver.focus(form.first);
    form.third.enabled = false;
    driver.focus(form.third);
    EXPECT_TRUE(form.isFocused(form.first));
    EXPECT_EQ(form.tabTargetFrom(form.third), &form.button);
}

TEST_F(FocusTest, KeyReleaseReachesTheControlFocusedByThen) {
    QStringList released;
    for (Control* control : {&form.first, &form.second}) {
        control->onKeyUp = [&](Control& sender, KeyPress&) { released << sender.name(); };
    }
    form.first.onKeyPress = [&](Control&, KeyPress& key) {
        key.handled = true;
        form.focus(form.second);
    };
    driver.focus(form.first);
    driver.pressEnter();
    EXPECT_EQ(released, QStringList({"second"}));
}

TEST_F(FocusTest, ModalResultTellsHowTheFormClosed) {
    form.runModal = [&](Form& shown) { FormDriver(shown).closeWindow(); };
    EXPECT_EQ(form.showModal(), ModalResult::Cancel);
    form.runModal = [&](Form& shown) { shown.closeWith(ModalResult::OK); };
    EXPECT_EQ(form.showModal(), ModalResult::OK);
    form.onCloseQuery = [] { return false; };
    form.runModal = [&](Form& shown) { shown.closeWith(ModalResult::OK); };
    EXPECT_EQ(form.showModal(), ModalResult::None);
    EXPECT_TRUE(form.isShowing());
}

TEST_F(FocusTest, CloseAskedWhileClosingDoesNotAskAgain) {
    int queries = 0;
    form.onCloseQuery = [&] {
        ++queries;
        form.close();
        return true;
    };
    form.showModal();
    EXPECT_TRUE(form.isShowing());
    driver.closeWindow();
    EXPECT_EQ(queries, 1);
    EXPECT_FALSE(form.isShowing());
}

} // namespace
