#include "lumetra/encoder/symbol_table.h"

namespace lumetra {
namespace {

constexpr void SetCode(TSymbolCodes& s, TAztMode mode, int first, int second = -1) {
    s.count[mode] = second < 0 ? 1 : 2;
    s.code[mode] = {static_cast<uint8_t>(first), static_cast<uint8_t>(second < 0 ? 0 : second)};
}

constexpr TSymbolClass ClassOf(const TSymbolCodes& s) {
    const bool upper = s.count[kUpper] > 0, lower = s.count[kLower] > 0;
    const bool mixed = s.count[kMixed] > 0, punct = s.count[kPunct] > 0;
    const bool digit = s.count[kDigit] > 0;
    const int textModes = upper + lower + mixed + punct + digit;
    if (textModes == 0) return kClassBinary;
    if (textModes == 1 && lower) return kClassLower;
    if (textModes == 1 && mixed) return kClassMixed;
    if (textModes == 1 && digit) return kClassDigit;
    return kClassAny;
}

constexpr TSymbolTable BuildTable() {
    TSymbolTable t{};
    for (int b = 0; b < 256; ++b) SetCode(t[b], kBinary, b);
    for (int b = 'A'; b <= 'Z'; ++b) SetCode(t[b], kUpper, b - 'A' + 2);
    for (int b = 'a'; b <= 'z'; ++b) SetCode(t[b], kLower, b - 'a' + 2);
    for (int b = '0'; b <= '9'; ++b) SetCode(t[b], kDigit, b - '0' + 2);
    for (TAztMode mode : {kUpper, kLower, kMixed, kDigit}) SetCode(t[' '], mode, 1);
    for (int b = 1; b <= 13; ++b) SetCode(t[b], kMixed, b + 1);
    for (int b = 27; b <= 31; ++b) SetCode(t[b], kMixed, b - 12);
    constexpr char mixedTail[] = "@\\^_`|~\x7f";
    for (int i = 0; mixedTail[i] != 0; ++i)
        SetCode(t[static_cast<uint8_t>(mixedTail[i])], kMixed, 20 + i);
    SetCode(t[13], kPunct, 1);
    constexpr char punct[] = "!\"#$%&'()*+,-./:;<=>?[]{}";
    for (int i = 0; punct[i] != 0; ++i) SetCode(t[static_cast<uint8_t>(punct[i])], kPunct, 6 + i);
    SetCode(t[','], kDigit, 12);
    SetCode(t['.'], kDigit, 13);

    SetCode(t[kPairCrLf], kPunct, 2);
    SetCode(t[kPairCrLf], kMixed, 14, 11);
    SetCode(t[kPairCrLf], kBinary, 13, 10);
    SetCode(t[kPairDotSpace], kPunct, 3);
    SetCode(t[kPairDotSpace], kDigit, 13, 1);
    SetCode(t[kPairDotSpace], kBinary, '.', ' ');
    SetCode(t[kPairCommaSpace], kPunct, 4);
    SetCode(t[kPairCommaSpace], kDigit, 12, 1);
    SetCode(t[kPairCommaSpace], kBinary, ',', ' ');
    SetCode(t[kPairColonSpace], kPunct, 5);
    SetCode(t[kPairColonSpace], kBinary, ':', ' ');

    for (auto& s : t) s.symbolClass = ClassOf(s);
    return t;
}

constexpr TSymbolTable kTable = BuildTable();

} // namespace

const TSymbolTable& AztSymbolTable() {
    return kTable;
}

} // namespace lumetra
