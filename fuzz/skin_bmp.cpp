// Decodes arbitrary bytes as a bitmap entry.

#include <cstddef>
#include <cstdint>

#include "skin/package/bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    aw::skin::PixelImage image;
    const bool decoded = aw::skin::DecodeBmp(data, size, image);
    if (decoded != !image.Empty())
        __builtin_trap();
    if (decoded && image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        __builtin_trap();
    for (std::uint32_t p : image.pixels) {
        if (p > 0xFFFFFFu)
            __builtin_trap();
    }
    return 0;
}
