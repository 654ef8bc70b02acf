#pragma once

#include "tests/main_window/statement_window_fixture.h"

#include <QStringList>

// Account mode with all three groups open; the ПА list holds the one secondary symbol 52.
inline recTuningDate allGroupsEntry() {
    recTuningDate data = accountEntry();
    data.skpDef2 = "11";
    data.skpDef2Z = "51";
    data.skpDef3Z = "";
    return data;
}

// The collection point of the barcode examples.
inline recTuningDate exampleEntry() {
    recTuningDate data = allGroupsEntry();
    data.pinShifr = "0457";
    data.kodYpin = 57;
    data.tipZay = "И";
    data.group = "2";
    data.tipYbgs = "Р";
    data.kodBsdg = "";
    data.cusName = "ООО Пример";
    return data;
}

// The statement window with reference data applied and its clock stopped.
class GridTest : public StatementWindowTest {
protected:
    TForm1& startWith(const recTuningDate& entry) {
        TForm1& form = start();
        form.applyTuningData(entry);
        form.clock = [] { return QDateTime(QDate(2016, 3, 5), QTime(10, 30)); };
        return form;
    }

    // The example entry with the worked example's header: statement 12 of 05.03.2016, bag A123,
    // seal 555, and the given person handing the bag over.
    TForm1& startExampleHeader(const QString& fio) {
        TForm1& form = startWith(exampleEntry());
        form.NVedName.setText("12");
        form.SetValueForNVedName();
        form.FDateCreate.setText("05.03.2016");
        form.FFIO.setText(fio);
        form.FNBag.setText("A123");
        form.FPlomba.setText("555");
        return form;
    }

    // Types over the field and leaves it with Tab.
    void enter(Control& field, const QString& text) {
        driver->typeOver(field, text);
        driver->pressTab();
    }

    QStringList warnings() const {
        QStringList texts;
        for (const auto& box : boxes.boxes) {
            if (box.caption == QStringLiteral("Предупреждение")) texts << box.text;
        }
        return texts;
    }
};
