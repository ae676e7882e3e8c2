#pragma once
// Decoding of the bitmap entries of a skin package (Windows BMP files) straight into the skin's
// one pixel format (PixelImage: 32-bit, top-down, 0x00RRGGBB), which the window-system side
// copies into a DIB section as it is.
//
// Accepted: BITMAPCOREHEADER and BITMAPINFOHEADER (and its longer V4/V5 forms), 1-, 4- and
// 8-bit palettised, 16-bit (5-5-5 or bit fields), 24-bit and 32-bit (plain or bit fields),
// bottom-up or top-down. Compressed (RLE, JPEG, PNG) bitmaps are refused.

#include <cstddef>
#include <cstdint>

#include "skin/draw/pixel_image.h"

namespace aw::skin {

// Refused above these sizes: no skin image comes near them.
inline constexpr std::int32_t kMaxBmpDimension = 16384;
inline constexpr std::int64_t kMaxBmpPixels = 16 * 1024 * 1024;

// Decodes a BMP file. On failure `image` is left empty and false is returned.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, PixelImage& image);

}  // namespace aw::skin
