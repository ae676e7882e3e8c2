#pragma once
// Byte builders shared by the skin package tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aw::skin::test {

using Bytes = std::vector<std::uint8_t>;

// "1011 0..." -> bytes, most significant bit first, padded with zero bits; blanks ignored.
inline Bytes BitsToBytes(std::string_view bits)
{
    Bytes out;
    int count = 0;
    std::uint8_t pending = 0;
    for (char c : bits) {
        if (c != '0' && c != '1')
            continue;
        pending = static_cast<std::uint8_t>((pending << 1) | (c == '1'));
        if (++count == 8) {
            out.push_back(pending);
            pending = 0;
            count = 0;
        }
    }
    if (count > 0)
        out.push_back(static_cast<std::uint8_t>(pending << (8 - count)));
    return out;
}

inline void PutInt32(Bytes& out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

inline void PutInt16(Bytes& out, int v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutText(Bytes& out, std::string_view text)
{
    for (char c : text)
        out.push_back(static_cast<std::uint8_t>(c));
}

// A BMP file with a BITMAPINFOHEADER: `rows` are the pixel rows as stored (already padded
// to four bytes), `palette` the colour table as 0x00RRGGBB values.
inline Bytes MakeBmp(std::int32_t width, std::int32_t height, int bitCount, const std::vector<std::uint32_t>& palette,
                     const Bytes& rows, std::uint32_t compression = 0, const std::vector<std::uint32_t>& masks = {})
{
    Bytes out;
    const std::uint32_t headers = 14 + 40 + static_cast<std::uint32_t>(masks.size() * 4 + palette.size() * 4);
    PutText(out, "BM");
    PutInt32(out, static_cast<std::int32_t>(headers + rows.size()));
    PutInt32(out, 0);
    PutInt32(out, static_cast<std::int32_t>(headers));
    PutInt32(out, 40);
    PutInt32(out, width);
    PutInt32(out, height);
    PutInt16(out, 1);
    PutInt16(out, bitCount);
    PutInt32(out, static_cast<std::int32_t>(compression));
    PutInt32(out, static_cast<std::int32_t>(rows.size()));
    PutInt32(out, 2835);
    PutInt32(out, 2835);
    PutInt32(out, static_cast<std::int32_t>(palette.size()));
    PutInt32(out, 0);
    for (std::uint32_t m : masks)
        PutInt32(out, static_cast<std::int32_t>(m));
    for (std::uint32_t c : palette) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        out.push_back(0);
    }
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

}  // namespace aw::skin::test
