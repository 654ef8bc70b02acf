#include "app/formats/message_boxes.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, ButtonCaptionsAreRussian) {
    const std::pair<MsgButton, const char*> cases[] = {
        {MsgButton::Yes, "Да"},
        {MsgButton::No, "Нет"},
        {MsgButton::OK, "Подтвердить"},
        {MsgButton::Cancel, "Отказаться"},
        {MsgButton::Abort, "Прервать"},
        {MsgButton::Retry, "Повторить"},
        {MsgButton::Ignore, "Игнорировать"},
        {MsgButton::All, "Все"},
        {MsgButton::NoToAll, "Нет для всех"},
        {MsgButton::YesToAll, "Да для всех"},
        {MsgButton::Help, "Помощь"},
        {MsgButton::Close, "Закрыть"},
    };
    for (const auto& [button, caption] : cases) EXPECT_EQ(buttonCaption(button), caption);
}

TEST(MessageBoxes, WarningAndQuestionGoThroughTheOneBox) {
    ScriptedMessageBoxes boxes;
    boxes.answers = {MsgButton::No};
    EXPECT_EQ(boxes.askYesNo("Продолжить печать?"), MsgButton::No);
    EXPECT_EQ(boxes.showWarning("Введите сумму кратную номиналу!"), MsgButton::Yes);
    EXPECT_EQ(boxes.askYesNo("Очистить?"), MsgButton::Yes); // queue empty: the first button

    ASSERT_EQ(boxes.boxes.size(), 3);
    EXPECT_EQ(boxes.boxes[0].caption, "Подтверждение");
    EXPECT_EQ(boxes.boxes[0].text, "Продолжить печать?");
    EXPECT_EQ(boxes.boxes[0].buttons, (QList<MsgButton>{MsgButton::Yes, MsgButton::No}));
    EXPECT_EQ(boxes.boxes[1].caption, "Предупреждение");
    EXPECT_EQ(boxes.boxes[1].text, "Введите сумму кратную номиналу!");
    EXPECT_EQ(boxes.boxes[1].buttons, QList<MsgButton>{MsgButton::Yes});
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST(ScriptedMessageBoxes, RecordsErrorBoxesApart) {
    ScriptedMessageBoxes boxes;
    boxes.showError("Не заполненен документ!");
    EXPECT_EQ(boxes.errors, QStringList{"Не заполненен документ!"});
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(boxes.showMessageBox("Без кнопок", "закрыт рамкой", {}), MsgButton::Cancel);
}

} // namespace
