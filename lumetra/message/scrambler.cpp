#include "lumetra/message/scrambler.h"

#include <array>
#include <bit>
#include <utility>

namespace lumetra {

namespace {

// The character classes in order; a final class takes every byte not listed.
const std::array<std::string_view, 10> kClasses = {
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    std::string_view("@\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0B\x0C\x1B\x1C\x1D\x1E\x1F\\_`|~\x7F^",
                     24),
    "#'!\"$%&()+-/:;<=>?[]{}*",
    "0123456789",
    ".,",
    std::string_view("\0", 1),
    "\r",
    "\n",
    " ",
};

// Index pairs exchanged in this order to make the permutation; a run covers `count` pairs side by
// side.
struct SwapRun {
    int first;
    int second;
    int count;
};
constexpr std::array<SwapRun, 18> kSwaps = {{
    {65, 38, 1},
    {66, 36, 1},
    {78, 43, 1},
    {185, 35, 1},
    {65, 192, 25},
    {221, 1, 1},
    {222, 2, 1},
    {223, 3, 1},
    {97, 224, 26},
    {250, 4, 1},
    {251, 33, 1},
    {252, 123, 1},
    {253, 91, 1},
    {254, 93, 1},
    {255, 125, 1},
    {9, 90, 1},
    {58, 44, 1},
    {94, 42, 1},
}};

struct Tables {
    std::array<uint8_t, 256> members{};    // all classes, concatenated
    std::array<uint8_t, 256> place{};      // byte -> its index in `members`
    std::array<uint8_t, 256> classStart{}; // byte -> index of its class's first member
    std::array<uint16_t, 256> classSize{}; // byte -> number of members of its class
    std::array<uint8_t, 256> permuted{};   // the permutation
    std::array<uint8_t, 256> unpermuted{}; // its inverse
};

Tables BuildTables() {
    Tables t;
    std::array<bool, 256> listed{};
    int next = 0;
    auto addClass = [&](auto bytes) {
        const int start = next;
        for (const auto byte : bytes) t.members[next++] = static_cast<uint8_t>(byte);
        for (int i = start; i < next; ++i) {
            t.place[t.members[i]] = static_cast<uint8_t>(i);
            t.classStart[t.members[i]] = static_cast<uint8_t>(start);
            t.classSize[t.members[i]] = static_cast<uint16_t>(next - start);
            listed[t.members[i]] = true;
        }
    };
    for (const std::string_view members : kClasses) addClass(members);
    std::string rest;
    for (int byte = 0; byte < 256; ++byte) {
        if (!listed[byte]) rest.push_back(static_cast<char>(byte));
    }
    addClass(rest);

    for (int i = 0; i < 256; ++i) t.permuted[i] = static_cast<uint8_t>(i);
    for (const SwapRun& run : kSwaps) {
        for (int k = 0; k < run.count; ++k) {
            std::swap(t.permuted[run.first + k], t.permuted[run.second + k]);
        }
    }
    for (int i = 0; i < 256; ++i) t.unpermuted[t.permuted[i]] = static_cast<uint8_t>(i);
    return t;
}

const Tables& GetTables() {
    static const Tables tables = BuildTables();
    return tables;
}

// 32-bit shift register with taps 80200003; its state must never be 0.
class Generator {
public:
    explicit Generator(uint32_t state) : state_(state) {}

    uint32_t Step(uint32_t modulus) {
        for (int i = 0; i < 8; ++i) {
            const uint32_t bit = std::popcount(state_ & 0x80200003u) & 1;
            state_ = (state_ << 1) | bit;
        }
        return state_ % modulus;
    }

private:
    uint32_t state_;
};

// Position of `byte` in its class moved by `shift` (mod the class size).
uint8_t MoveInClass(uint8_t byte, uint32_t shift) {
    const Tables& t = GetTables();
    const uint32_t size = t.classSize[byte];
    const uint32_t member = t.place[byte] - t.classStart[byte];
    return t.members[t.classStart[byte] + (member + shift) % size];
}

uint32_t SeedOf(std::string_view body) {
    uint32_t seed = 0;
    for (int i = 3; i >= 0; --i) seed = (seed << 8) | static_cast<uint8_t>(body[i]);
    return seed;
}

} // namespace

std::string Scramble(std::string_view bytes, uint32_t counter) {
    const Tables& t = GetTables();
    std::string out;
    out.reserve(bytes.size() + 4);
    Generator seedGenerator(counter % 0xFFFFFFFFu + 1);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(seedGenerator.Step(255) + 1));

    Generator generator(SeedOf(out));
    for (const char x : bytes) {
        const uint8_t i = t.unpermuted[static_cast<uint8_t>(x)];
        out.push_back(static_cast<char>(MoveInClass(i, generator.Step(t.classSize[i]))));
    }
    return out;
}

std::string Unscramble(std::string_view body) {
    const Tables& t = GetTables();
    std::string out;
    if (body.size() < 4) return out;
    out.reserve(body.size() - 4);
    Generator generator(SeedOf(body));
    for (const char c : body.substr(4)) {
        const uint8_t y = static_cast<uint8_t>(c);
        const uint32_t size = t.classSize[y];
        const uint32_t r = generator.Step(size);
        out.push_back(static_cast<char>(t.permuted[MoveInClass(y, size - r)]));
    }
    return out;
}

} // namespace lumetra
