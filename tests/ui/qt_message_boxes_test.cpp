#include "app/ui/qt_message_boxes.h"
#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(QtMessageBoxes, ShowsTheRussianCaptionsAndReturnsThePressedButton) {
    QtMessageBoxes boxes;
    const QList<MsgButton> all{MsgButton::Yes,      MsgButton::No,    MsgButton::OK,
                               MsgButton::Cancel,   MsgButton::Abort, MsgButton::Retry,
                               MsgButton::Ignore,   MsgButton::All,   MsgButton::NoToAll,
                               MsgButton::YesToAll, MsgButton::Help,  MsgButton::Close};
    for (const MsgButton pressed : all) {
        QStringList captions;
        QString windowCaption;
        QMessageBox::Icon icon = QMessageBox::Information;
        whenModalShows([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            windowCaption = box.windowTitle();
            icon = box.icon();
            for (QAbstractButton* button : box.buttons()) captions << button->text();
            buttonWithText(box, buttonCaption(pressed))->click();
        });
        EXPECT_EQ(boxes.showMessageBox(QStringLiteral("Информация"), QStringLiteral("Текст"), all),
                  pressed);
        EXPECT_EQ(windowCaption, QStringLiteral("Информация"));
        EXPECT_EQ(icon, QMessageBox::NoIcon);
        EXPECT_EQ(captions, (QStringList{"Да", "Нет", "Подтвердить", "Отказаться", "Прервать",
                                         "Повторить", "Игнорировать", "Все", "Нет для всех",
                                         "Да для всех", "Помощь", "Закрыть"}));
    }
}

TEST(QtMessageBoxes, ClosingThroughTheFrameAnswersCancel) {
    QtMessageBoxes boxes;
    whenModalShows([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(boxes.askYesNo(QStringLiteral("Продолжить печать?")), MsgButton::Cancel);
    whenModalShows([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(boxes.showWarning(QStringLiteral("Внимание")), MsgButton::Cancel);
}

TEST(QtMessageBoxes, WarningAndQuestionCarryTheirCaptions) {
    QtMessageBoxes boxes;
    QString caption;
    whenModalShows([&](QWidget& modal) {
        caption = modal.windowTitle();
        buttonWithText(modal, QStringLiteral("Да"))->click();
    });
    EXPECT_EQ(boxes.showWarning(QStringLiteral("Текст")), MsgButton::Yes);
    EXPECT_EQ(caption, QStringLiteral("Предупреждение"));
    whenModalShows([&](QWidget& modal) {
        caption = modal.windowTitle();
        buttonWithText(modal, QStringLiteral("Нет"))->click();
    });
    EXPECT_EQ(boxes.askYesNo(QStringLiteral("Текст")), MsgButton::No);
    EXPECT_EQ(caption, QStringLiteral("Подтверждение"));
}

TEST(QtMessageBoxes, TheGeneralErrorBoxShowsTheProgramsTitleAndTheText) {
    QtMessageBoxes boxes;
    QString caption;
    QString text;
    whenModalShows([&](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        caption = box.windowTitle();
        text = box.text();
        box.accept();
    });
    boxes.showError(QStringLiteral("Введите сумму кратную номиналу!"));
    EXPECT_EQ(caption, QStringLiteral("Препроводительная ведомость"));
    EXPECT_EQ(text, QStringLiteral("Введите сумму кратную номиналу!"));
}

} // namespace
