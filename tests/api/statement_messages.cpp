#include "statement_messages.h"

#include <map>

#include "lumetra/api/code_page.h"

namespace lumetra::test {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kMicro = '\xB5';

std::string Cp1251(std::string_view utf8) {
    return Recode(utf8, kUtf8, kWindows1251).value();
}

int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::string Digits(std::mt19937& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += char('0' + Between(random, 0, 9));
    return digits;
}

// Cyrillic letters (bytes C0-FF), with blanks, digits and quotes between words.
std::string Name(std::mt19937& random, int length) {
    std::string name;
    while (int(name.size()) < length) {
        const int kind = Between(random, 0, 9);
        name += kind == 0   ? ' '
                : kind == 1 ? char('0' + Between(random, 0, 9))
                : kind == 2 ? '"'
                            : char(Between(random, 0xC0, 0xFF));
    }
    return name;
}

std::string Amount(std::mt19937& random) {
    return std::to_string(Between(random, 0, 9999999)) + "." + Digits(random, 2);
}

std::string Line(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + std::string(kCrLf);
}

std::string Marker(int digit) {
    return std::string(1, kMicro) + char('0' + digit) + "|";
}

} // namespace

std::string ExampleStatement() {
    return Cp1251("Ostrel13\r\n"
                  "A=045712\r\n"
                  "B=20160305\r\n"
                  "C=ER\r\n"
                  "D=ООО Пример\r\n"
                  "E=Клиент 1\r\n"
                  "F=\r\n"
                  "0=µ1|И||57|20160305103000|2|A123|Р|555|||||µ2|µ3|1|B|Г|10|1000.00|100.00|RUR|||"
                  "1||||||||µ4|µ3|1|C|Г|5|5.00|1.00|RUR|||1||||||||µ4|µ3|1||Г||1005.00||RUR||||||||"
                  "||02||1|µ4|µ5\r\n");
}

std::string RandomStatement(std::mt19937& random) {
    const std::string requestTypes = Cp1251("ИСК");
    const std::string bagTypes = Cp1251("РТП");
    const std::string rouble = Cp1251("Г");

    std::string record = Marker(1) + requestTypes[Between(random, 0, 2)] + "||" +
                         std::to_string(Between(random, 1, 9999)) + "|" + Digits(random, 14) + "|" +
                         std::to_string(Between(random, 0, 9)) + "|" +
                         (Between(random, 0, 3) == 0 ? Cp1251("б/н") : Digits(random, 6)) + "|" +
                         bagTypes[Between(random, 0, 2)] + "|" +
                         Digits(random, Between(random, 0, 8)) + "||||" +
                         Digits(random, Between(random, 0, 3)) + "|" + Marker(2);
    for (int row = Between(random, 0, 15); row > 0; --row)
        record += Marker(3) + "1|" + (Between(random, 0, 1) ? "B" : "C") + "|" + rouble + "|" +
                  std::to_string(Between(random, 1, 9999)) + "|" + Amount(random) + "|" +
                  Amount(random) + "|RUR|||1||||||||" + Marker(4);
    for (int row = Between(random, 0, 9); row > 0; --row)
        record += Marker(3) + "1||" + rouble + "||" + Amount(random) + "||RUR||||||||||" +
                  Digits(random, 2) + "|" + Digits(random, Between(random, 0, 2)) + "|" +
                  std::to_string(Between(random, 1, 3)) + "|" + Marker(4);
    record += std::string(1, kMicro) + "5";

    return "Ostrel13" + std::string(kCrLf) +
           Line("A", Digits(random, 4) + Digits(random, Between(random, 1, 22))) +
           Line("B", Digits(random, 8)) + Line("C", "ER") +
           Line("D", Name(random, Between(random, 1, 300))) +
           Line("E", Name(random, Between(random, 0, 100))) + Line("F", "") + Line("0", record);
}

std::vector<std::string> ExpectedLines(std::string_view message) {
    // Type "13": the keys in their order and the lengths their values are cut to.
    const std::map<std::string, size_t> maxLength = {
        {"1", 8}, {"A", 20}, {"B", 16}, {"C", 2}, {"D", 255}, {"E", 255}, {"F", 20}, {"0", 1024}};
    const std::vector<std::string> lines = LinesOf(message);
    std::vector<std::string> expected = {lines.at(0)};
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t equals = lines[i].find('=');
        const std::string key = lines[i].substr(0, equals);
        std::string value = lines[i].substr(equals + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t") + 1);
        if (value.empty() || !maxLength.contains(key)) continue;
        expected.push_back(key + "=" + value.substr(0, maxLength.at(key)));
    }
    return expected;
}

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace lumetra::test
