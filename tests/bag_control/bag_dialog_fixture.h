#pragma once

#include "app/bag_control/bag_control_dialog.h"
#include "app/form_kit/form_driver.h"
#include "app/formats/cp1251.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The one field of the main window that the bag dialog reaches.
class BagFieldWindow : public Form {
public:
    explicit BagFieldWindow(MessageBoxes& boxes) : Form(boxes, "main") {
        setTabOrder({&FNBag, &FPlomba});
    }

    Control& FNBag = make("FNBag", Control::Kind::Edit);
    Control& FPlomba = make("FPlomba", Control::Kind::Edit);
};

inline QString bagLine(const QString& key, const QStringList& columns) {
    return key + u'=' + columns.join(bagListSeparator);
}

inline const QString headingLine =
    bagLine("№", {"Начальный шифр", "Последний шифр", "Позиция инкремента", "Кол-во сумок"});

class BagDialog : public testing::Test {
protected:
    // The settings file holds these lines (CR LF after each); the main window read it at start.
    void startWith(const QStringList& lines) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toCp1251(lines.isEmpty() ? QString() : lines.join("\r\n") + "\r\n"));
        file.close();
        settings = readListSettings(IniFile(path));
        open();
    }

    // As the main window's menu opens the dialog.
    void open() {
        readBagList(IniFile(path), settings);
        dialog.GetBagsValue();
        dialog.showModal();
    }

    QString fileText() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? fromCp1251(file.readAll()) : "<missing>";
    }

    // Types the first number, confirms it, and gives the count when there is one.
    void typeEntry(const QString& first, const QString& count) {
        driver.click(dialog.Button2);
        driver.type(first);
        driver.pressEnter();
        if (count.isEmpty()) return;
        driver.type(count);
        driver.pressEnter();
    }

    void addEntry(const QString& first, const QString& count) {
        typeEntry(first, count);
        driver.click(dialog.BtnOKnew);
    }

    void selectRow(int row) {
        dialog.runEvent([&] { dialog.StringGrid1.selectRow(row); });
    }

    void chooseRun(int index) { FormDriver(dialog).choose(dialog.ComboBox1, index); }

    void press(KeyPress::Code code) {
        KeyPress key;
        key.code = code;
        driver.press(key);
    }

    QStringList row(int index) const {
        QStringList cells;
        for (int column = 0; column < 5; ++column) {
            cells << dialog.StringGrid1.cell(column, index);
        }
        return cells;
    }

    Control& sb(int position) { return *dialog.aSb[position - 1]; }
    Control& sl(int position) { return *dialog.aSl[position - 1]; }

    QStringList boxTexts() const {
        QStringList texts;
        for (const auto& box : boxes.boxes) texts << box.text;
        return texts;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("korvane_tune.ini");
    ScriptedMessageBoxes boxes;
    BagFieldWindow mainWindow{boxes};
    ListSettings settings;
    TForm4 dialog{boxes, path, settings, mainWindow, mainWindow.FNBag};
    FormDriver driver{dialog};
};
