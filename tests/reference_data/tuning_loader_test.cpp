#include "app/reference_data/tuning_loader.h"
#include "tests/reference_data/fixed_defaults_store.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/reference_data/recording_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString noSettings = QStringLiteral("Нет настроек пункта инкассации!");

class TuningLoaderTest : public testing::Test {
protected:
    void write(const QString& name, const QString& inner) {
        writeFile(dir.path(), name, dataXml(inner));
    }

    TuningLoader loader() {
        return TuningLoader(DataFolder(dir.path(), testProgram), store, boxes, window);
    }

    QStringList boxTexts() const {
        QStringList texts;
        for (const auto& box : boxes.boxes) texts.append(box.text);
        return texts;
    }

    QTemporaryDir dir;
    FixedDefaultsStore store;
    ScriptedMessageBoxes boxes;
    RecordingWindow window;
};

TEST_F(TuningLoaderTest, DefaultEntryOfTheFirstFileWins) {
    write(QStringLiteral("a.xml"),
          QStringLiteral(R"(<DATA KODYPIN="1"/><DATA KODYPIN="x" DEFAULT="Y"/>
        <DATA KODYPIN="2" DEFAULT="y"/><DATA KODYPIN="3" DEFAULT="Y"/>)"));
    write(QStringLiteral("b.xml"), QStringLiteral(R"(<DATA KODYPIN="4" DEFAULT="Y"/>)"));
    recTuning selection;
    EXPECT_TRUE(loader().loadStartupTuning(selection));
    EXPECT_EQ(selection, (recTuning{QStringLiteral("a"), 2}));
    ASSERT_EQ(window.applied.size(), 1);
    EXPECT_EQ(window.applied[0].kodYpin, 2);
    EXPECT_EQ(window.captions, QStringList{QStringLiteral("Препроводительная ведомость a(2)")});
    EXPECT_EQ(window.clears, 0);
}

TEST_F(TuningLoaderTest, DefaultEntryInALaterFileBeatsAnEarlierPlainOne) {
    write(QStringLiteral("a.xml"), QStringLiteral(R"(<DATA KODYPIN="1"/>)"));
    write(QStringLiteral("b.xml"),
          QStringLiteral(R"(<DATA KODYPIN="2"/><DATA KODYPIN="3" DEFAULT="Y"/>)"));
    recTuning selection;
    EXPECT_TRUE(loader().loadStartupTuning(selection));
    EXPECT_EQ(selection, (recTuning{QStringLiteral("b"), 2}));
    ASSERT_EQ(window.applied.size(), 1);
    EXPECT_EQ(window.applied[0].kodYpin, 3);
}

TEST_F(TuningLoaderTest, WithoutDefaultTheFirstValidEntryOfTheFirstFileWithOne) {
    writeFile(dir.path(), QStringLiteral("0.xml"),
              dataXml(QStringLiteral(R"(<DATA KODYPIN="7"/>)"), QStringLiteral("Other")));
    writeFile(dir.path(), QStringLiteral("1.xml"), "<Korvane><DATA KODYPIN=\"8\"/>");
    write(QStringLiteral("a.xml"), QStringLiteral(R"(<DATA/><DATA KODYPIN="abc"/>)"));
    write(QStringLiteral("b.xml"),
          QStringLiteral(R"(<DATA/><DATA KODYPIN="5"/><DATA KODYPIN="6"/>)"));
    write(QStringLiteral("c.xml"), QStringLiteral(R"(<DATA KODYPIN="9"/>)"));
    recTuning selection;
    EXPECT_TRUE(loader().loadStartupTuning(selection));
    EXPECT_EQ(selection, (recTuning{QStringLiteral("b"), 1}));
    ASSERT_EQ(window.applied.size(), 1);
    EXPECT_EQ(window.applied[0].kodYpin, 5);
    EXPECT_EQ(window.captions, QStringList{QStringLiteral("Препроводительная ведомость b")});
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(TuningLoaderTest, WithoutDataFilesTheRegistryDefaultsAreUsed) {
    write(QStringLiteral("a.xml"), QStringLiteral(R"(<DATA KODYPIN=""/>)"));
    store = FixedDefaultsStore(DefaultValues{{"KODYPIN", "1501"},
                                             {"BANKNAME", "Банк"},
                                             {"SKP", " 5"},
                                             {"ACCKT", "40702"},
                                             {"BANKBIC", "040000001"}});
    recTuning selection{QStringLiteral("keep"), 3};
    EXPECT_TRUE(loader().loadStartupTuning(selection));
    EXPECT_EQ(selection, (recTuning{QStringLiteral("keep"), 3}));
    EXPECT_TRUE(window.applied.isEmpty());
    ASSERT_EQ(window.registryDefaults.size(), 1);
    const RegistryDefaults& defaults = window.registryDefaults[0];
    EXPECT_EQ(defaults.kodYpin, "1501");
    EXPECT_EQ(defaults.BankName, "Банк");
    EXPECT_EQ(defaults.skpDef, QString("05"));
    EXPECT_EQ(defaults.accKtDef, "40702");
    EXPECT_EQ(defaults.Bic, "040000001");
    EXPECT_EQ(defaults.cusName, QString());
    EXPECT_EQ(window.captions, QStringList{QStringLiteral("Препроводительная ведомость")});
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(TuningLoaderTest, RegistryFallbackFailures) {
    const struct {
        const char* name;
        std::optional<DefaultValues> key;
        bool loaded;
        QStringList warnings;
        bool applied;
        std::optional<QString> skpDef; // nothing: skpDef keeps its value
    } cases[] = {
        {"no key", std::nullopt, false, {noSettings}, false, std::nullopt},
        {"no code", DefaultValues{{"BANKNAME", "Банк"}}, false, {noSettings}, true, QString()},
        {"bad symbol",
         DefaultValues{{"KODYPIN", "1"}, {"SKP", "1000"}},
         true,
         {QStringLiteral("Введите корректное значение СКП формате \"900\"!")},
         true,
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store = FixedDefaultsStore(c.key);
        boxes.boxes.clear();
        window.registryDefaults.clear();
        recTuning selection;
        EXPECT_EQ(loader().loadStartupTuning(selection), c.loaded);
        EXPECT_EQ(boxTexts(), c.warnings);
        for (const auto& box : boxes.boxes)
            EXPECT_EQ(box.caption, QStringLiteral("Предупреждение"));
        ASSERT_EQ(window.registryDefaults.size(), c.applied ? 1 : 0);
        if (c.applied) {
            EXPECT_EQ(window.registryDefaults[0].skpDef, c.skpDef);
        }
    }
}

TEST_F(TuningLoaderTest, LoadsAChosenEntryAndClearsTheStatement) {
    write(QStringLiteral("a.xml"),
          QStringLiteral(R"(<DATA KODYPIN="1"/><DATA/><DATA KODYPIN="2"/>)"));
    EXPECT_TRUE(loader().loadTuningEntry({QStringLiteral("a"), 2}));
    ASSERT_EQ(window.applied.size(), 1);
    EXPECT_EQ(window.applied[0].kodYpin, 2);
    EXPECT_EQ(window.clears, 1);
    EXPECT_TRUE(window.captions.isEmpty());
}

TEST_F(TuningLoaderTest, AChosenEntryThatIsGoneChangesNothing) {
    write(QStringLiteral("a.xml"), QStringLiteral(R"(<DATA KODYPIN="1"/><DATA KODYPIN="2"/>)"));
    writeFile(dir.path(), QStringLiteral("broken.xml"), "<Korvane><DATA KODYPIN=\"1\"/>");
    writeFile(dir.path(), QStringLiteral("other.xml"),
              dataXml(QStringLiteral(R"(<DATA KODYPIN="1"/>)"), QStringLiteral("Other")));
    const recTuning gone[] = {{QStringLiteral("a"), 3},      {QStringLiteral("a"), 0},
                              {QStringLiteral("A"), 1},      {QStringLiteral("missing"), 1},
                              {QStringLiteral("broken"), 1}, {QStringLiteral("other"), 1}};
    for (const recTuning& selection : gone)
        EXPECT_FALSE(loader().loadTuningEntry(selection)) << selection.fileTuning.toStdString();
    EXPECT_TRUE(window.applied.isEmpty());
    EXPECT_EQ(window.clears, 0);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

} // namespace
