#pragma once
// Parameters of the skin package's LZ compression: LZ77 over a 4096-byte window whose
// literals and match lengths share one adaptive Huffman code and whose match positions use
// a fixed prefix code (the LZHUF scheme). The classic names are given beside each constant.

#include <array>
#include <cstdint>

namespace aw::skin::lzh {

inline constexpr int kWindowSize = 4096;                            // N
inline constexpr int kMaxMatch = 60;                                // F
inline constexpr int kThreshold = 2;                                // THRESHOLD: shortest match is 3
inline constexpr int kSymbolCount = 256 - kThreshold + kMaxMatch;   // N_CHAR = 314
inline constexpr int kTreeSize = 2 * kSymbolCount - 1;              // T = 627
inline constexpr int kRoot = kTreeSize - 1;                         // R = 626
inline constexpr int kMaxFreq = 0x8000;                             // MAX_FREQ: rebuild limit
inline constexpr int kRingSize = kWindowSize + kMaxMatch - 1;       // 4155, the first 4096 are the window
inline constexpr int kRingStart = kWindowSize - kMaxMatch;          // 4036: bytes before it start as blanks

// A symbol below 256 is a literal byte; symbol s >= 256 is a match of s - 253 bytes (3..60).
inline constexpr int kFirstMatchSymbol = 256;
inline constexpr int MatchLength(int symbol) { return symbol - 255 + kThreshold; }
inline constexpr int MatchSymbol(int length) { return length + 255 - kThreshold; }

// Match positions: the first byte read selects the upper six bits of the position (d_code)
// and the total length of the position's prefix code (d_len). Each row covers a range of
// first bytes and hands out the codes from `firstCode` on, each code repeated `run` times.
struct PositionTableRow {
    int firstByte;
    int lastByte;
    int firstCode;
    int run;
    int codeLength;
};

inline constexpr PositionTableRow kPositionTable[] = {
    // first byte   d_code            d_len
    {0x00, 0x1F,  0, 32, 3},   // 0
    {0x20, 0x4F,  1, 16, 4},   // 1, 2, 3 in runs of 16
    {0x50, 0x8F,  4,  8, 5},   // 4 to 11 in runs of 8
    {0x90, 0xBF, 12,  4, 6},   // 12 to 23 in runs of 4
    {0xC0, 0xEF, 24,  2, 7},   // 24 to 47 in runs of 2
    {0xF0, 0xFF, 48,  1, 8},   // 48 to 63, one each
};

struct PositionCodes {
    std::array<std::uint8_t, 256> upperBits{};   // d_code
    std::array<std::uint8_t, 256> codeLength{};  // d_len
};

constexpr PositionCodes MakePositionCodes()
{
    PositionCodes codes;
    for (const PositionTableRow& row : kPositionTable) {
        for (int i = row.firstByte; i <= row.lastByte; ++i) {
            codes.upperBits[i] = static_cast<std::uint8_t>(row.firstCode + (i - row.firstByte) / row.run);
            codes.codeLength[i] = static_cast<std::uint8_t>(row.codeLength);
        }
    }
    return codes;
}

inline constexpr PositionCodes kPositionCodes = MakePositionCodes();

}  // namespace aw::skin::lzh
