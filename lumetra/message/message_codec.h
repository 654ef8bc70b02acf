#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "lumetra/message/doc_id.h"
#include "lumetra/message/seed_source.h"

namespace lumetra {

inline constexpr std::string_view kPreparedMagic = "KVT";
inline constexpr std::string_view kPreparedVersion = "400";
inline constexpr char kCodecModeN = 'N';

// Settings of one codec run.
struct TCodecParams {
    char mode = 0;
    uint32_t length = 0;       // bytes of the input
    uint32_t dataChecksum = 0; // CRC-32 of the body of the last run
};

// Turns field text into a prepared string. Mode "N", the only one: "KVT", the identifier's
// text form, "400", "N", TAB, the body's CRC-32 (least significant byte first), then the body:
// the scrambled form (4 seed bytes first) of the input length's low 16 bits and the LZHUF code
// of the input.
class TMessageCodec {
public:
    explicit TMessageCodec(SeedSource seed = ClockSeed) : seed_(std::move(seed)) {}

    void SetInput(std::string_view text);
    // False, and no change, for any mode but "N".
    bool SetMode(char letter);
    void SetIdentifier(TDocIdClass id) { identifier_ = id; }

    // False when no mode is set.
    bool Run();

    const TCodecParams& parameters() const { return parameters_; }
    const std::string& Header() const { return header_; }
    const std::string& Output() const { return output_; }

private:
    SeedSource seed_;
    std::string input_;
    TCodecParams parameters_;
    std::string header_;
    std::string output_;
    TDocIdClass identifier_;
};

} // namespace lumetra
