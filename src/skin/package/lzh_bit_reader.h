#pragma once
// Bit input of the LZ decoder: a 16-bit buffer consumed from its top bit, topped up a byte at
// a time whenever fewer than 9 bits are left. Reading past the input yields zero bytes, so a
// truncated stream still decodes (to garbage) and never reads outside its buffer.

#include <cstddef>
#include <cstdint>

#include "skin/package/lzh_constants.h"

namespace aw::skin::lzh {

class BitReader {
public:
    BitReader(const std::uint8_t* begin, const std::uint8_t* end) : next_(begin), end_(end) {}

    int ReadBit()
    {
        Fill();
        const int bit = buffer_ >> 15;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
        --count_;
        return bit;
    }

    int ReadByte()
    {
        Fill();
        const int byte = buffer_ >> 8;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
        count_ -= 8;
        return byte;
    }

    // Input bytes taken into the buffer so far (at most the input's size).
    const std::uint8_t* Next() const { return next_; }

private:
    void Fill()
    {
        while (count_ <= 8) {
            const unsigned byte = next_ < end_ ? *next_++ : 0u;
            buffer_ = static_cast<std::uint16_t>(buffer_ | (byte << (8 - count_)));
            count_ += 8;
        }
    }

    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint16_t buffer_ = 0;
    int count_ = 0;
};

// A match position (the distance back from the write index, minus one): the first byte
// picks the upper six bits and how many more bits follow; the low six bits are the last six
// bits read.
inline int ReadMatchPosition(BitReader& bits)
{
    const int first = bits.ReadByte();
    int i = first;
    for (int extra = kPositionCodes.codeLength[first] - 2; extra > 0; --extra)
        i = (i << 1) + bits.ReadBit();
    return (kPositionCodes.upperBits[first] << 6) | (i & 0x3F);
}

}  // namespace aw::skin::lzh
