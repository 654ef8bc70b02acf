#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

// Messages of the statement program's form (document type "13"), in Windows-1251, and what a
// reader must get back from their symbols.
namespace lumetra::test {

// The statement of the worked example: statement 045712 of 05.03.2016, two denomination rows
// and one symbol row.
std::string ExampleStatement();

// A statement with random fields: numbers, dates, Cyrillic names up to 300 characters, up to 15
// denomination and 9 symbol rows (so the record line may pass 1024 characters).
std::string RandomStatement(std::mt19937& random);

// The lines the message's symbol must read back as: the header line, then "key=value" for
// every key of type "13" with a value, blanks trimmed and the value cut to the key's length.
std::vector<std::string> ExpectedLines(std::string_view message);

// The lines of a text; CR LF and LF end lines.
std::vector<std::string> LinesOf(std::string_view text);

} // namespace lumetra::test
