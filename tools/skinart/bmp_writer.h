#pragma once
// Uncompressed Windows BMP files for the skin package: 8-bit palettised when the image has at
// most 256 colours, else 24-bit. The palette is sorted and no header field depends on time or
// place, so the same image always gives the same bytes.

#include <cstdint>
#include <vector>

#include "skin/draw/pixel_image.h"

namespace aw::skinart {

std::vector<std::uint8_t> EncodeBmp(const skin::PixelImage& image);

}  // namespace aw::skinart
