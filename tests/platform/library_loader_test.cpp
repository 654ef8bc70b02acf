#include "app/platform/library_loader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Answer = int (*)();

TEST(LibraryLoader, LoadsALibraryAndFindsItsFunctionsByName) {
    LibraryLoader library;
    ASSERT_TRUE(library.load(QStringLiteral(PROBE_LIBRARY))) << library.errorText().toStdString();
    EXPECT_TRUE(library.isLoaded());
    const Answer answer = library.function<Answer>("kv_probe_answer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(library.function("kv_probe_missing"), nullptr);

    library.unload();
    EXPECT_FALSE(library.isLoaded());
    EXPECT_EQ(library.function("kv_probe_answer"), nullptr);
}

TEST(LibraryLoader, FailsCleanlyOnFilesThatAreNoLibrary) {
    QTemporaryDir dir;
    QFile text(dir.filePath(QStringLiteral("libText.so")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library");
    text.close();
    for (const QString& path :
         {dir.filePath(QStringLiteral("libMissing.so")), text.fileName(), dir.path(), QString()}) {
        LibraryLoader library;
        EXPECT_FALSE(library.load(path)) << path.toStdString();
        EXPECT_FALSE(library.isLoaded());
        EXPECT_FALSE(library.errorText().isEmpty());
        EXPECT_EQ(library.function("kv_probe_answer"), nullptr);
    }
}

TEST(LibraryLoader, AFailedLoadLeavesNothingLoaded) {
    LibraryLoader library;
    ASSERT_TRUE(library.load(QStringLiteral(PROBE_LIBRARY)));
    EXPECT_FALSE(library.load(QStringLiteral("/nonexistent/libLumetra.so")));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_TRUE(library.load(QStringLiteral(PROBE_LIBRARY)));
    EXPECT_TRUE(library.errorText().isEmpty());
}

} // namespace
