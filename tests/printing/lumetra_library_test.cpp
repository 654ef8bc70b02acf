#include "app/formats/cp1251.h"
#include "app/printing/lumetra_library.h"
#include "app/printing/print_run.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

// The barcode library this build made, bound by name as the program binds it.
class LumetraLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.load(LUMETRA_LIBRARY_PATH)) << loader.errorText().toStdString();
    }

    static QByteArray statementMessage() {
        return toCp1251("Ostrel13\r\nA=045712\r\nB=20160305\r\nC=ER\r\nD=ООО Пример\r\n"
                        "E=Клиент 1\r\nF=\r\n0=µ1|И||57|20160305103000|2|A123|Р|555|||||µ2|"
                        "µ3|1|B|Г|10|1000.00|100.00|RUR|||1||||||||µ4|µ5\r\n");
    }

    LibraryLoader loader;
    LumetraLibrary library{loader};
};

TEST_F(LumetraLibraryTest, EncodesTheStatementAsTwoPixelsPerModule) {
    EXPECT_TRUE(library.hasFunction("Lumx_EnCode_IPictureDisp"));
    EXPECT_FALSE(library.hasFunction("Lumx_NoSuchFunction"));
    MonoPicture picture;
    ASSERT_EQ(library.encodePicture(statementMessage(), picture), 0);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width, picture.height);
    EXPECT_EQ(picture.width % 2, 0);
    EXPECT_GE(picture.stride * 8, picture.width);
    EXPECT_EQ(picture.bits.size(), qsizetype(picture.height) * picture.stride);
    int dark = 0;
    for (int y = 0; y < picture.height; y += 2)
        for (int x = 0; x < picture.width; x += 2) {
            const bool module = picture.isDark(x, y);
            dark += module;
            ASSERT_EQ(picture.isDark(x + 1, y + 1), module) << x << "," << y;
        }
    EXPECT_GT(dark, 0);
    EXPECT_LT(dark, picture.width * picture.height / 4);
}

TEST_F(LumetraLibraryTest, RefusedMessageGivesTheLibraryErrorText) {
    MonoPicture picture;
    const qint32 status = library.encodePicture("not a document\r\n", picture);
    EXPECT_NE(status, 0);
    EXPECT_TRUE(picture.isNull());
    QByteArray text;
    ASSERT_EQ(library.errorString(status, text), 0);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_LE(text.size(), 99);
}

TEST_F(LumetraLibraryTest, VersionNamesTheStatementDocumentType) {
    QByteArray text;
    ASSERT_EQ(library.version(text), 0);
    EXPECT_TRUE(text.startsWith("13")) << text.toStdString();
}

} // namespace
