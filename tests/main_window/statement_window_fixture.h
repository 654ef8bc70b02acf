#pragma once

#include "app/form_kit/form_driver.h"
#include "app/formats/cp1251.h"
#include "app/main_window/statement_window.h"
#include "tests/support/scripted_message_boxes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class FakeDefaultsStore : public DefaultsStore {
public:
    std::optional<DefaultValues> readKey() const override { return values; }

    std::optional<DefaultValues> values;
};

// A program folder in a temporary directory, and the statement window started in it.
class StatementWindowTest : public testing::Test {
protected:
    StatementWindowTest() {
        defaults.values = DefaultValues{{"KODYPIN", "7"},
                                        {"YPINSHIFR", "ПИ-7"},
                                        {"ACCDT", "20202810000000000001"},
                                        {"ACCKT", "40702810900000000015"}};
    }

    void writeSettings(const QString& text) { writeFile("korvane_tune.ini", toCp1251(text)); }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TForm1& start() {
        window = std::make_unique<TForm1>(MainWindowContext{boxes, defaults, dir.path(), "korvane",
                                                            [this] { return today; },
                                                            [this] { ++layoutActivations; }});
        driver = std::make_unique<FormDriver>(*window);
        return *window;
    }

    QTemporaryDir dir;
    ScriptedMessageBoxes boxes;
    FakeDefaultsStore defaults;
    QDate today{2026, 3, 5};
    int layoutActivations = 0;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<FormDriver> driver;
};

// An entry of account mode with the revenue and ПА groups open.
inline recTuningDate accountEntry() {
    recTuningDate data;
    data.kodYpin = 1501;
    data.bankName = "Банк";
    data.cusName = "Получатель";
    data.pinName = "Пункт";
    data.pinShifr = "ПИ-015";
    data.tipYbgs = "1";
    data.group = "3";
    data.tipZay = "2";
    data.accDtDef = "20202";
    data.accKtDef = "40702";
    data.BIC = "040000777";
    data.INN = "0000123456";
    data.Kpp = "000001001";
    data.Okato = "00000000001";
    data.skpDef1 = "02";
    data.skpDef3 = "12";
    data.skpDef2Z = "51";
    data.skpDef3Z = "52";
    data.BICCus = "040000778";
    data.BankNameCus = "Банк получателя";
    data.accCusDef = "40821-1";
    data.accCusBPADef = "40821-2";
    data.accCusPADef = "40821-3";
    data.ASkp = {{5, "Пять"}};
    data.ASkp1 = {{2, "Выручка", ""}};
    data.ASkp2 = {{11, "БПА", ""}};
    data.ASkp3 = {{12, "ПА", ""}, {52, "Забалансовый", "З"}};
    data.ISYPSK = "Y";
    data.isLabel = false;
    data.kodBsdg = "15";
    data.numSubDog = "ДС-1";
    data.datBeg = "01.02.2026";
    data.subKlassName = "Подкласс";
    return data;
}
