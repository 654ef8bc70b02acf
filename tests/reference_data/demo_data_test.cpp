#include "app/reference_data/tuning_loader.h"
#include "tests/reference_data/fixed_defaults_store.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/reference_data/recording_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace {

// The data shipped for `make run` start in three-account mode and offer a single-symbol entry.
TEST(DemoData, LoadsBothEntries) {
    FixedDefaultsStore noKey;
    ScriptedMessageBoxes boxes;
    RecordingWindow window;
    TuningLoader loader(DataFolder(QStringLiteral(DEMO_DATA_FOLDER), testProgram), noKey, boxes,
                        window);
    recTuning selection;
    ASSERT_TRUE(loader.loadStartupTuning(selection));
    EXPECT_EQ(selection, (recTuning{QStringLiteral("Korvane"), 1}));
    ASSERT_TRUE(loader.loadTuningEntry({QStringLiteral("Korvane"), 2}));
    ASSERT_EQ(window.applied.size(), 2);

    const recTuningDate& accounts = window.applied[0];
    EXPECT_EQ(accounts.bankName, QStringLiteral("АО «Банк Кедровая Падь»"));
    EXPECT_EQ(accounts.skpDef, QString());
    EXPECT_EQ((QStringList{accounts.skpDef1, accounts.skpDef2, accounts.skpDef3}),
              (QStringList{"02", "11", "12"}));
    EXPECT_FALSE(accounts.ASkp1.isEmpty());
    EXPECT_FALSE(accounts.ASkp2.isEmpty());
    EXPECT_FALSE(accounts.ASkp3.isEmpty());

    const recTuningDate& single = window.applied[1];
    EXPECT_EQ(single.skpDef, QStringLiteral("02"));
    EXPECT_FALSE(single.ASkp.isEmpty());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

} // namespace
