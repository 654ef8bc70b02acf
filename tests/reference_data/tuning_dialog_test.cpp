#include "app/form_kit/form_driver.h"
#include "app/reference_data/tuning_dialog.h"
#include "tests/reference_data/fixed_defaults_store.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/reference_data/recording_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString noSettings = QStringLiteral("Нет настроек пункта инкассации!");

class TuningDialogTest : public testing::Test {
protected:
    TuningDialogTest() {
        writeFile(dir.path(), QStringLiteral("a.xml"),
                  dataXml(QStringLiteral(R"(<DATA KODYPIN="1"/><DATA/><DATA KODYPIN="2"/>)")));
        writeFile(dir.path(), QStringLiteral("b.xml"),
                  dataXml(QStringLiteral(R"(<DATA KODYPIN="3"/><DATA KODYPIN="4"/>)")));
        writeFile(dir.path(), QStringLiteral("c.xml"), "<Korvane><DATA KODYPIN=\"5\"/>");
    }

    // The cashier's part while the dialog is shown.
    void whenShown(std::function<void(FormDriver&)> actions) {
        dialog.runModal = [this, actions](Form&) {
            ++timesShown;
            itemsShown = dialog.DataComboBox.items;
            indexShown = dialog.DataComboBox.itemIndex;
            FormDriver driver(dialog);
            actions(driver);
        };
    }

    QTemporaryDir dir;
    FixedDefaultsStore noKey;
    ScriptedMessageBoxes boxes;
    RecordingWindow window;
    TDlgTuning dialog{
        boxes, TuningLoader(DataFolder(dir.path(), testProgram), noKey, boxes, window), window};
    int timesShown = 0;
    QStringList itemsShown;
    int indexShown = -1;
};

TEST_F(TuningDialogTest, ListsEveryValidEntryAndPreselectsTheOneInUse) {
    const struct {
        const char* name;
        recTuning inUse;
        int preselected;
    } cases[] = {{"registry defaults", {}, 0},
                 {"first entry", {"a", 1}, 0},
                 {"second file's second entry", {"b", 2}, 3},
                 {"file name differs in case", {"B", 2}, 0},
                 {"entry gone", {"b", 3}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        whenShown([](FormDriver& driver) { driver.closeWindow(); });
        recTuning inUse = c.inUse;
        dialog.chooseTuning(inUse);
        EXPECT_EQ(itemsShown, (QStringList{"a", "a(2)", "b", "b(2)"}));
        EXPECT_EQ(indexShown, c.preselected);
        EXPECT_EQ(dialog.ATuning, (QList<recTuning>{{"a", 1}, {"a", 2}, {"b", 1}, {"b", 2}}));
    }
}

TEST_F(TuningDialogTest, OkLoadsTheChosenEntry) {
    whenShown([this](FormDriver& driver) {
        driver.choose(dialog.DataComboBox, 1);
        driver.click(dialog.OKBtn);
    });
    recTuning inUse{QStringLiteral("b"), 2};
    dialog.chooseTuning(inUse);
    EXPECT_EQ(inUse, (recTuning{QStringLiteral("a"), 2}));
    ASSERT_EQ(window.applied.size(), 1);
    EXPECT_EQ(window.applied[0].kodYpin, 2);
    EXPECT_EQ(window.clears, 1);
    EXPECT_EQ(window.captions, QStringList{QStringLiteral("Препроводительная ведомость a(2)")});
    EXPECT_FALSE(dialog.isShowing());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(TuningDialogTest, CancelAndTheCloseBoxChangeNothing) {
    for (const bool closeBox : {false, true}) {
        whenShown([this, closeBox](FormDriver& driver) {
            driver.choose(dialog.DataComboBox, 2);
            if (closeBox)
                driver.closeWindow();
            else
                driver.click(dialog.exitBtn);
        });
        recTuning inUse{QStringLiteral("a"), 1};
        dialog.chooseTuning(inUse);
        EXPECT_EQ(inUse, (recTuning{QStringLiteral("a"), 1}));
        EXPECT_FALSE(dialog.isShowing());
    }
    EXPECT_EQ(timesShown, 2);
    EXPECT_TRUE(window.applied.isEmpty());
    EXPECT_EQ(window.clears, 0);
    EXPECT_TRUE(window.captions.isEmpty());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(TuningDialogTest, AnEntryWhoseFileWentAwayIsReportedAndChangesNothing) {
    whenShown([this](FormDriver& driver) {
        driver.choose(dialog.DataComboBox, 2);
        ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("b.xml"))));
        driver.click(dialog.OKBtn);
    });
    recTuning inUse{QStringLiteral("a"), 2};
    dialog.chooseTuning(inUse);
    EXPECT_EQ(inUse, (recTuning{QStringLiteral("a"), 2}));
    EXPECT_TRUE(window.applied.isEmpty());
    EXPECT_EQ(window.clears, 0);
    EXPECT_TRUE(window.captions.isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, noSettings);
}

TEST_F(TuningDialogTest, WithoutEntriesWarnsInsteadOfShowing) {
    for (const char* name : {"a.xml", "b.xml"})
        QFile::remove(dir.filePath(QString::fromLatin1(name)));
    whenShown([](FormDriver& driver) { driver.closeWindow(); });
    recTuning inUse;
    dialog.chooseTuning(inUse);
    EXPECT_EQ(timesShown, 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(boxes.boxes[0].text, noSettings);
}

} // namespace
