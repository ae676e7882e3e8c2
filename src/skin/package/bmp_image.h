#pragma once
// Decoding of the bitmap entries of a skin package (Windows BMP files) into a plain pixel
// buffer. The window-system side turns a DibImage into a device bitmap.
//
// Accepted: BITMAPCOREHEADER and BITMAPINFOHEADER (and its longer V4/V5 forms), 1-, 4- and
// 8-bit palettised, 16-bit (5-5-5 or bit fields), 24-bit and 32-bit (plain or bit fields),
// bottom-up or top-down. Compressed (RLE, JPEG, PNG) bitmaps are refused.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw::skin {

// Refused above these sizes: no skin image comes near them.
inline constexpr std::int32_t kMaxBmpDimension = 16384;
inline constexpr std::int64_t kMaxBmpPixels = 16 * 1024 * 1024;

// A 32-bit image, rows top-down, each pixel 0x00RRGGBB: in memory the bytes B, G, R, 0,
// which is the layout of a 32-bit top-down device-independent bitmap.
struct DibImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    void Clear();
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes a BMP file. On failure `image` is left empty and false is returned.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, DibImage& image);

}  // namespace aw::skin
