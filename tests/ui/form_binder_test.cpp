#include "app/formats/input_error.h"
#include "app/ui/form_layout.h"
#include "app/ui/form_window.h"
#include "app/ui/qt_message_boxes.h"
#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Two fields and a button, with handlers that record what reached them.
class ProbeForm : public Form {
public:
    explicit ProbeForm(MessageBoxes& boxes) : Form(boxes, QStringLiteral("Проба")) {
        place(first, 10, 30, 120, 21);
        place(second, 150, 30, 120, 21);
        place(button, 10, 80, 100, 27);
        place(note, 150, 80, 100, 21);
        first.label = QStringLiteral("Первое");
        button.setText(QStringLiteral("Кнопка"));
        setTabOrder({&first, &second, &button});
        first.onExit = [this](Control&, Control* gaining) { exitsTo.append(gaining); };
        button.onClick = [this](Control&) { ++clicks; };
    }

    Control& first = make("first", Control::Kind::Edit);
    Control& second = make("second", Control::Kind::Edit);
    Control& button = make("button", Control::Kind::Button);
    Control& note = make("note", Control::Kind::Label);

    QList<Control*> exitsTo;
    int clicks = 0;
};

class FormBinderTest : public testing::Test {
protected:
    FormBinderTest() {
        window.binder().bindRemaining();
        showActive(window);
        window.binder().applyFocus();
    }

    QLineEdit& edit(const Control& control) {
        return *static_cast<QLineEdit*>(window.binder().widgetOf(control));
    }
    QWidget& widget(const Control& control) { return *window.binder().widgetOf(control); }
    void focusFirst() {
        edit(form.first).setFocus();
        ASSERT_TRUE(form.isFocused(form.first));
    }

    QtMessageBoxes boxes;
    ProbeForm form{boxes};
    FormWindow window{form, QSize(300, 120)};
};

TEST_F(FormBinderTest, WidgetsMirrorTheModelAfterAnEvent) {
    form.first.onChange = [this](Control&) {
        Control& second = form.second;
        second.setText(QStringLiteral("слишком длинный текст"));
        second.maxLength = 5;
        second.colour = clRed;
        second.fontColour = clWhite;
        second.readOnly = true;
        second.hint = QStringLiteral("Подсказка");
        second.showHint = true;
        place(second, 160, 40, 90, 23);
        second.label = QStringLiteral("Второе");
        form.note.visible = false;
        form.button.enabled = false;
        form.caption = QStringLiteral("Новый заголовок");
    };
    focusFirst();
    QTest::keyClicks(&edit(form.first), QStringLiteral("1"));

    QLineEdit& second = edit(form.second);
    // A text the program set is never cut to the typing limit.
    EXPECT_EQ(second.text(), QStringLiteral("слишком длинный текст"));
    EXPECT_EQ(second.palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(second.palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_TRUE(second.isReadOnly());
    EXPECT_EQ(second.toolTip(), QStringLiteral("Подсказка"));
    EXPECT_EQ(second.geometry(), QRect(160, 40, 90, 23));
    EXPECT_TRUE(widget(form.note).isHidden());
    EXPECT_FALSE(widget(form.button).isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Новый заголовок"));
    QLabel* label = nullptr;
    for (QLabel* shown : window.findChildren<QLabel*>()) {
        if (shown->text() == QStringLiteral("Второе")) label = shown;
    }
    ASSERT_NE(label, nullptr);
    EXPECT_LT(label->geometry().bottom(), second.geometry().top());

    second.setReadOnly(false);
    form.second.setText(QString());
    form.first.onChange = nullptr;
    QTest::keyClicks(&edit(form.first), QStringLiteral("2"));
    EXPECT_EQ(second.maxLength(), 5);
}

TEST_F(FormBinderTest, TypingReachesTheModelWithItsCaret) {
    int changes = 0;
    form.first.onChange = [&](Control&) { ++changes; };
    focusFirst();
    QTest::keyClicks(&edit(form.first), QStringLiteral("123"));
    QTest::keyClick(&edit(form.first), Qt::Key_Left);
    // The caret reaches the model with the next event.
    int caretSeen = -1;
    form.first.onKeyPress = [&](Control& sender, KeyPress&) { caretSeen = sender.selStart; };
    QTest::keyClick(&edit(form.first), Qt::Key_Return);
    EXPECT_EQ(form.first.text(), QStringLiteral("123"));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(caretSeen, 2);
}

struct EnterCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool ctrl;
};

class EnterKeyTest : public FormBinderTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKeyTest, ReachesTheKeyHandlerWhichMovesTheFocus) {
    const EnterCase& c = GetParam();
    QList<KeyPress> seen;
    form.first.onKeyPress = [&](Control&, KeyPress& key) {
        seen.append(key);
        if (key.code != KeyPress::Enter) return;
        key.handled = true;
        form.focus(key.ctrl ? form.button : form.second);
    };
    focusFirst();
    QTest::keyClick(&edit(form.first), c.key, c.modifiers);

    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].code, KeyPress::Enter);
    EXPECT_EQ(seen[0].ctrl, c.ctrl);
    QWidget& expected = widget(c.ctrl ? form.button : form.second);
    EXPECT_EQ(QApplication::focusWidget(), &expected);
    EXPECT_EQ(form.exitsTo, QList<Control*>{c.ctrl ? &form.button : &form.second});
}

INSTANTIATE_TEST_SUITE_P(
    MainAndKeypad, EnterKeyTest,
    testing::Values(EnterCase{"Return", Qt::Key_Return, Qt::NoModifier, false},
                    EnterCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, false},
                    EnterCase{"CtrlReturn", Qt::Key_Return, Qt::ControlModifier, true},
                    EnterCase{"CtrlKeypadEnter", Qt::Key_Enter,
                              Qt::ControlModifier | Qt::KeypadModifier, true}),
    [](const testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

TEST_F(FormBinderTest, TabFollowsTheFormsOrderPastReadOnlyFields) {
    form.second.readOnly = true;
    window.binder().pushAll();
    focusFirst();
    QTest::keyClick(&edit(form.first), Qt::Key_Tab);
    EXPECT_TRUE(form.isFocused(form.button));
    EXPECT_EQ(QApplication::focusWidget(), &widget(form.button));
}

TEST_F(FormBinderTest, ClickingAButtonTellsTheFieldLeftWhereTheFocusGoes) {
    focusFirst();
    QTest::mouseClick(&widget(form.button), Qt::LeftButton);
    EXPECT_EQ(form.exitsTo, QList<Control*>{&form.button});
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(FormBinderTest, EnterPressesTheFocusedButton) {
    widget(form.button).setFocus();
    QTest::keyClick(&widget(form.button), Qt::Key_Return);
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(FormBinderTest, AFieldThatKeepsTheFocusStopsTheClick) {
    form.first.onExit = [this](Control& sender, Control* gaining) {
        form.exitsTo.append(gaining);
        form.focus(sender);
    };
    focusFirst();
    QTest::mouseClick(&widget(form.button), Qt::LeftButton);
    EXPECT_EQ(form.clicks, 0);
    EXPECT_TRUE(form.isFocused(form.first));
    EXPECT_EQ(QApplication::focusWidget(), &edit(form.first));
}

TEST_F(FormBinderTest, AMessageBoxInAnExitHandlerDoesNotRunTheExitTwice) {
    form.first.onExit = [this](Control& sender, Control* gaining) {
        form.exitsTo.append(gaining);
        form.focus(sender);
        boxes.showWarning(QStringLiteral("Неверное значение"));
        // The desktop may give the window its focus back before the handler ends; Qt then
        // hands it to the widget clicked.
        showActive(window);
    };
    focusFirst();
    bool boxShown = false;
    whenModalShows([&](QWidget& modal) {
        boxShown = true;
        buttonWithText(modal, QStringLiteral("Да"))->click();
    });
    QTest::mouseClick(&widget(form.second), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &edit(form.first));

    EXPECT_TRUE(boxShown);
    EXPECT_EQ(form.exitsTo, QList<Control*>{&form.second});
    EXPECT_TRUE(form.isFocused(form.first));
}

TEST_F(FormBinderTest, AnInputErrorNoHandlerCaughtReachesTheErrorBox) {
    form.first.onKeyPress = [](Control&, KeyPress& key) {
        if (key.code == KeyPress::Enter) throw PVErrInput(QStringLiteral("Ошибка ввода"));
    };
    focusFirst();
    QString shownText;
    whenModalShows([&](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        shownText = box.text();
        box.accept();
    });
    QTest::keyClick(&edit(form.first), Qt::Key_Return);
    EXPECT_EQ(shownText, QStringLiteral("Ошибка ввода"));
}

TEST_F(FormBinderTest, ClosingTheFormEndsItsModalRun) {
    form.button.onClick = [this](Control&) { form.closeWith(ModalResult::OK); };
    QTimer::singleShot(0, [&] { QTest::mouseClick(&widget(form.button), Qt::LeftButton); });
    EXPECT_EQ(form.showModal(), ModalResult::OK);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
