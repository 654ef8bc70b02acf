// The lumetra command line: help, its exit codes and texts, and the ways a message gets in.
#include <gtest/gtest.h>

#include <fstream>

#include "api_test_support.h"
#include "lumetra/api/code_page.h"
#include "lumetra/message/prepare_message.h"
#include "statement_messages.h"
#include "tool_runner.h"

namespace lumetra::test {
namespace {

std::string Utf8(const std::string& cp1251) {
    return Recode(cp1251, kWindows1251, kUtf8).value();
}

void WriteFile(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}

TEST(ToolHelp, EveryCommandDescribesItself) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"encode", "--help"}, {"decode", "-h"}}) {
        const ToolRun run = RunLumetra(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.starts_with("Usage: lumetra")) << run.out;
    }
    EXPECT_EQ(RunLumetra({}).exitCode, 25);
    EXPECT_EQ(RunLumetra({"print"}).exitCode, 25);
}

struct Failure {
    std::vector<std::string> arguments; // "@" stands for the scratch folder
    std::string input;
    int exitCode;
    std::string text; // part of the standard error
};

TEST(ToolFailures, ExitWithTheResultCodeAndSayWhy) {
    ScratchFolder scratch;
    const std::string folder = scratch.File("");
    WriteFile(folder + "not_an_image.txt", "Ostrel13");
    WriteFile(folder + "blank.pgm", "P5 40 40 255\n" + std::string(1600, '\xFF'));
    WriteFile(folder + "garbage.bin", "not prepared bytes");
    std::string damaged = PrepareMessage(ExampleStatement(), false).bytes;
    damaged.back() ^= 1;
    WriteFile(folder + "damaged.bin", damaged);

    const std::vector<Failure> failures = {
        {{"encode", "-o", "@s.bmp", "Ostrel99"}, "", 15, "Тип документа не поддерживается"},
        {{"encode", "-o", "@s.png", "Ostrel13"}, "", 25, "Некорректные параметры"},
        {{"encode", "-o", "@missing/s.bmp", "Ostrel13"}, "", 36, "Ошибка Ввода/Вывода"},
        {{"encode", "-o", "@s.bmp", "-s", "100", "Ostrel13"}, "", 28, "Слишком много данных"},
        {{"encode", "-o", "@s.bmp"}, "", 27, "Недопустимый буфер данных"},
        {{"encode", "-o", "@s.bmp", "-i", "@missing.txt"}, "", 36, "missing.txt"},
        {{"encode", "-o", "@s.bmp", "--utf8", "Ostrel13\nD=\xE2\x82\xAC\xF0\x9F\x98\x80"},
         "",
         25,
         "Windows-1251"},
        {{"encode", "Ostrel13"}, "", 25, "no output file"},
        {{"encode", "-o", "@s.bmp", "-s", "many", "Ostrel13"}, "", 25, "--size-mode"},
        {{"encode", "-o", "@s.bmp", "--colour", "Ostrel13"}, "", 25, "unknown option"},
        {{"decode"}, "", 25, "no file"},
        {{"decode", "@missing.pgm"}, "", 36, "Ошибка Ввода/Вывода"},
        {{"decode", "@not_an_image.txt"}, "", 25, "not a PBM, PGM, PPM or BMP image"},
        {{"decode", "@blank.pgm"}, "", 12, "Данные не прочитаны сканером"},
        {{"decode", "--prepared", "@garbage.bin"}, "", 16, "Формат данных документа"},
        {{"decode", "--prepared", "@damaged.bin"}, "", 29, "Ошибка контрольной суммы данных"},
    };
    for (const Failure& failure : failures) {
        std::vector<std::string> arguments = failure.arguments;
        for (std::string& argument : arguments)
            if (argument.starts_with('@')) argument = folder + argument.substr(1);
        const ToolRun run = RunLumetra(arguments, failure.input);
        EXPECT_EQ(run.exitCode, failure.exitCode) << arguments.back() << ": " << run.err;
        EXPECT_NE(run.err.find(failure.text), std::string::npos) << run.err;
        EXPECT_EQ(scratch.Count(), 4u) << "no image left after " << arguments.back();
    }
}

TEST(ToolRoundTrip, Utf8FromStandardInputWithLineFeedsOnly) {
    ScratchFolder scratch;
    const std::string message = "Ostrel13\nA=77\nD=ООО «Ромашка»\nE=Иванов И.И.\n";
    const ToolRun encoded = RunLumetra(
        {"encode", "--utf8", "-o", scratch.File("s.gif"), "-m", "3", "-r", "-n", "2"}, message);
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err;
    ASSERT_EQ(RunProgram(KV_CONVERT, {scratch.File("s.gif"), scratch.File("s.pbm")}).exitCode, 0);
    const ToolRun decoded = RunLumetra({"decode", "-u", scratch.File("s.pbm")});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_EQ(decoded.out, "Ostrel13\nA=77\nD=ООО «Ромашка»\nE=Иванов И.И.\n");
}

TEST(ToolRoundTrip, MessageFileAndPreparedBytes) {
    ScratchFolder scratch;
    WriteFile(scratch.File("message.txt"), ExampleStatement());
    const ToolRun encoded =
        RunLumetra({"encode", "-i", scratch.File("message.txt"), "-o", scratch.File("s.wmf")});
    EXPECT_EQ(encoded.exitCode, 0) << encoded.err;

    WriteFile(scratch.File("prepared.bin"), PrepareMessage(ExampleStatement(), false).bytes);
    const ToolRun decoded = RunLumetra({"decode", "--prepared", scratch.File("prepared.bin")});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_EQ(LinesOf(decoded.out), ExpectedLines(ExampleStatement()));
    EXPECT_EQ(Utf8(LinesOf(decoded.out).at(4)), "D=ООО Пример");
}

TEST(ToolRoundTrip, MissingSymbolOfASetIs17) {
    ScratchFolder scratch;
    const ToolRun encoded =
        RunLumetra({"encode", "-o", scratch.File("s.bmp"), "-n", "3"}, ExampleStatement());
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err;
    const ToolRun whole = RunLumetra({"decode", scratch.File("s.bmp")});
    EXPECT_EQ(whole.exitCode, 0) << whole.err;

    const auto image = tool::ParseImage(FileContent(scratch.File("s.bmp")));
    ASSERT_TRUE(image);
    const std::string side = std::to_string(image->height);
    ASSERT_EQ(RunProgram(KV_CONVERT, {scratch.File("s.bmp"), "-crop", side + "x" + side + "+0+0",
                                      "+repage", scratch.File("first.pgm")})
                  .exitCode,
              0);
    const ToolRun part = RunLumetra({"decode", scratch.File("first.pgm")});
    EXPECT_EQ(part.exitCode, 17);
    EXPECT_NE(part.err.find("Данные в штрих-коде были усечены"), std::string::npos) << part.err;
}

} // namespace
} // namespace lumetra::test
