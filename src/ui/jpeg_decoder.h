#pragma once
// JPEG pictures decoded with libjpeg into top-down 24-bit BGR rows (the layout of a bottom-up
// DIB turned around), each row padded to four bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw::ui {

struct DecodedPicture {
    int Width = 0;
    int Height = 0;
    int Stride = 0;                  // bytes per row
    std::vector<std::uint8_t> Pixels; // Height rows of Stride bytes, BGR, top row first
};

// Returns false (and leaves `picture` empty) for data libjpeg cannot decode.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, DecodedPicture& picture);

} // namespace aw::ui
