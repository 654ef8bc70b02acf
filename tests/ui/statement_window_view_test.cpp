#include "app/formats/cp1251.h"
#include "app/ini/ini_file.h"
#include "app/ui/bag_dialog_view.h"
#include "app/ui/qt_message_boxes.h"
#include "app/ui/seal_dialog_view.h"
#include "app/ui/statement_number_dialog_view.h"
#include "app/ui/statement_window_view.h"
#include "app/ui/tuning_dialog_view.h"
#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DefaultsOnly : public DefaultsStore {
public:
    std::optional<DefaultValues> readKey() const override {
        return DefaultValues{{"KODYPIN", "7"},
                             {"YPINSHIFR", "ПИ-7"},
                             {"ACCDT", "20202810000000000001"},
                             {"ACCKT", "40702810900000000015"}};
    }
};

// The statement window and its two dialogs as the program makes them, in a temporary folder.
class StatementWindowViewTest : public testing::Test {
protected:
    StatementWindowViewTest() {
        showActive(view);
        view.binder().applyFocus();
    }

    QLineEdit& edit(const Control& control) {
        return *static_cast<QLineEdit*>(view.binder().widgetOf(control));
    }
    QAction* menuCommand(const QString& text) {
        for (QAction* action : view.findChildren<QAction*>()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }
    IniFile settings() const { return IniFile(dir.filePath(QStringLiteral("korvane_tune.ini"))); }

    QTemporaryDir dir;
    QtMessageBoxes boxes;
    DefaultsOnly defaults;
    TForm1 window{MainWindowContext{boxes, defaults, dir.path(), QStringLiteral("korvane"),
                                    [] { return QDate(2026, 3, 5); }, nullptr}};
    TDlgTuning tuning{boxes, window.tuningLoader(), window};
    StatementWindowView view{window, tuning};
    TuningDialogView tuningView{tuning, &view};
    SealDialogView sealView{window.Form3, &view};
    StatementNumberDialogView numberView{window.Form2, &view};
    BagDialogView bagView{window.Form4, &view};
};

TEST_F(StatementWindowViewTest, HasAFixedClientAreaAndNoMinimiseOrMaximise) {
    EXPECT_EQ(view.client().size(), QSize(790, 559));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
    EXPECT_FALSE(view.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(view.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(view.windowTitle(), window.caption);
}

TEST_F(StatementWindowViewTest, ShowsTheFieldsColoursAndTheFocusedField) {
    EXPECT_EQ(edit(window.FDateCreate).text(), QStringLiteral("05.03.2026"));
    EXPECT_EQ(QApplication::focusWidget(), &edit(window.FNBag));
    EXPECT_EQ(edit(window.FNBag).palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(edit(window.FPlomba).palette().color(QPalette::Base), QColor(Qt::green));
    EXPECT_EQ(edit(window.pinShifr).palette().color(QPalette::Base),
              QPalette().color(QPalette::Button));
    EXPECT_EQ(edit(window.pinShifr).text(), QStringLiteral("ПИ-7"));
    EXPECT_EQ(view.binder().widgetOf(window.clearBtn)->toolTip(), QStringLiteral("Очистить"));
    // The group frames lie over the symbol fields; a click still reaches the field.
    QLineEdit& symbol = edit(*window.SSkp[4]);
    EXPECT_EQ(view.client().childAt(symbol.geometry().center()), &symbol);
}

TEST_F(StatementWindowViewTest, TheStatementNumberSitsBesideThePrefixInMode0) {
    EXPECT_EQ(edit(window.NVedName).geometry().left(), 529);
    EXPECT_EQ(edit(window.NVedName).width(), 43);
    EXPECT_EQ(edit(window.NVedPrefix).text(), QStringLiteral("ПИ-7"));
    EXPECT_TRUE(edit(window.NVedPrefix).isVisible());
}

TEST_F(StatementWindowViewTest, MenuCommandsCarryTheirShortcuts) {
    const std::pair<const char*, QKeySequence> commands[] = {
        {"Печать", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Очистить", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"Выход", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Справка", QKeySequence(Qt::Key_F1)},
        {"Настройка", QKeySequence()},
        {"Контроль сумок", QKeySequence()},
    };
    for (const auto& [text, shortcut] : commands) {
        QAction* action = menuCommand(QString::fromUtf8(text));
        ASSERT_NE(action, nullptr) << text;
        EXPECT_EQ(action->shortcut(), shortcut) << text;
    }
}

TEST_F(StatementWindowViewTest, F1RunsTheHelpCommandOnceThereIsOne) {
    QAction* help = menuCommand(QStringLiteral("Справка"));
    EXPECT_FALSE(help->isEnabled());
    int helps = 0;
    view.setHelpCommand([&] { ++helps; });
    EXPECT_TRUE(help->isEnabled());
    QTest::keyClick(&edit(window.FNBag), Qt::Key_F1);
    EXPECT_EQ(helps, 1);
}

TEST_F(StatementWindowViewTest, CtrlLClearsWhatWasTyped) {
    QTest::keyClicks(&edit(window.FNBag), QStringLiteral("123"));
    EXPECT_EQ(window.FNBag.text(), QStringLiteral("123"));
    QTest::keyClick(&edit(window.FNBag), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(edit(window.FNBag).text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), &edit(window.FNBag));
}

TEST_F(StatementWindowViewTest, TheSealDialogOpensModallyAndWritesItsSettings) {
    bool modal = false;
    QString caption;
    whenModalShows([&](QWidget& dialog) {
        modal = dialog.isModal();
        caption = dialog.windowTitle();
        QWidget* check = sealView.binder().widgetOf(window.Form3.CheckBox1);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QTest::mouseClick(sealView.binder().widgetOf(window.Form3.exitBtn), Qt::LeftButton);
    });
    menuCommand(QStringLiteral("Контроль пломб"))->trigger();

    EXPECT_TRUE(modal);
    EXPECT_EQ(caption, QStringLiteral("Контроль пломб"));
    EXPECT_FALSE(sealView.isVisible());
    EXPECT_TRUE(window.lists.IsControlPlombs);
    EXPECT_EQ(settings().readString(QStringLiteral("Control plombs"),
                                    QStringLiteral("IsControlPlombs"), QString()),
              QStringLiteral("1"));
    EXPECT_TRUE(window.isFocused(window.FPlomba));
}

TEST_F(StatementWindowViewTest, ASealTypedIntoTheListIsSaved) {
    TForm3& seals = window.Form3;
    whenModalShows([&](QWidget&) {
        QTest::mouseClick(sealView.binder().widgetOf(seals.Button2), Qt::LeftButton);
        // QTest types Latin letters only.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A-17"));
        QTest::mouseClick(sealView.binder().widgetOf(seals.exitBtn), Qt::LeftButton);
    });
    menuCommand(QStringLiteral("Контроль пломб"))->trigger();

    EXPECT_EQ(
        settings().readString(QStringLiteral("Values plombs"), QStringLiteral("1"), QString()),
        QStringLiteral("A-17"));
    EXPECT_EQ(window.lists.PlombsValues, QStringList{QStringLiteral("1=A-17")});
}

TEST_F(StatementWindowViewTest, TheNumberDialogRelaysTheNumberFieldForItsMode) {
    QString caption;
    whenModalShows([&](QWidget& dialog) {
        caption = dialog.windowTitle();
        auto* free = buttonWithText(dialog, QStringLiteral("Доступен для редактирования"));
        QTest::mouseClick(free, Qt::LeftButton);
        QTest::mouseClick(numberView.binder().widgetOf(window.Form2.BitBtn1), Qt::LeftButton);
    });
    menuCommand(QStringLiteral("Контроль № ведомости"))->trigger();

    EXPECT_EQ(caption, QStringLiteral("Контроль № ведомости"));
    EXPECT_EQ(settings().readString(QStringLiteral("NVed Cast"), QStringLiteral("NVedCastValue"),
                                    QString()),
              QStringLiteral("2"));
    EXPECT_EQ(edit(window.NVedName).geometry().left(), 438);
    EXPECT_EQ(edit(window.NVedName).width(), 135);
    EXPECT_TRUE(edit(window.NVedPrefix).isHidden());
    EXPECT_EQ(view.focusWidget(), &edit(window.NVedName));
}

TEST_F(StatementWindowViewTest, TheDataFileDialogLoadsTheChosenEntry) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(DEMO_DATA_FOLDER "/Korvane.xml"),
                            dir.filePath(QStringLiteral("Korvane.xml"))));
    QStringList items;
    whenModalShows([&](QWidget& dialog) {
        auto* list = static_cast<QComboBox*>(tuningView.binder().widgetOf(tuning.DataComboBox));
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        QTest::mouseClick(tuningView.binder().widgetOf(tuning.OKBtn), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    menuCommand(QStringLiteral("Настройка"))->trigger();

    EXPECT_EQ(items, (QStringList{QStringLiteral("Korvane"), QStringLiteral("Korvane(2)")}));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Препроводительная ведомость Korvane"));
    EXPECT_EQ(edit(window.pinShifr).text(), window.pinShifr.text());
    EXPECT_NE(window.pinShifr.text(), QStringLiteral("ПИ-7"));
}

// Typing with real keys into the bag dialog's one-character cells: each character goes to its
// cell and moves on, Enter finds the digit run and hands over to the count.
TEST_F(StatementWindowViewTest, TheBagCellsTakeRealKeys) {
    TForm4& bags = window.Form4;
    QString typed;
    QString runText;
    bool runEnabled = false;
    whenModalShows([&](QWidget&) {
        QTest::mouseClick(bagView.binder().widgetOf(bags.Button2), Qt::LeftButton);
        ASSERT_TRUE(bags.isFocused(*bags.aSb[0]));
        for (const QChar character : QStringLiteral("AB123"))
            QTest::keyClicks(QApplication::focusWidget(), QString(character));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (Control* cell : bags.aSb) {
            typed += static_cast<QLineEdit*>(bagView.binder().widgetOf(*cell))->text();
        }
        auto* runs = static_cast<QComboBox*>(bagView.binder().widgetOf(bags.ComboBox1));
        runText = runs->currentText();
        runEnabled = runs->isEnabled();
        EXPECT_EQ(QApplication::focusWidget(), bagView.binder().widgetOf(bags.KolvoBags));
        QTest::mouseClick(bagView.binder().widgetOf(bags.Button4), Qt::LeftButton);
        QTest::mouseClick(bagView.binder().widgetOf(bags.exitBtn), Qt::LeftButton);
    });
    menuCommand(QStringLiteral("Контроль сумок"))->trigger();

    EXPECT_EQ(typed, QStringLiteral("AB123"));
    EXPECT_EQ(runText, QStringLiteral("3"));
    EXPECT_TRUE(runEnabled);
    EXPECT_FALSE(bagView.isVisible());
    // Opening the dialog the first time stores the list's heading line.
    EXPECT_FALSE(settings()
                     .readString(QStringLiteral("Values bags"), QStringLiteral("№"), QString())
                     .isEmpty());
}

} // namespace
