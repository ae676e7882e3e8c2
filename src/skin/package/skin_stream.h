#pragma once
// The two framings of a compressed skin:
//  - SkinStream, the stored property: a signed 32-bit length L, then L bytes of CompressedSkin
//    (nothing follows when L is zero or negative, and then there is no skin);
//  - CompressedSkin: a signed 32-bit decompressed size S, then the LZ bit stream.
// A skin file on disk holds the CompressedSkin alone.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw::skin {

// Extracts the CompressedSkin from SkinStream property bytes. Returns false (and an empty
// `compressed`) when the property holds no skin or claims more bytes than it has.
bool ReadSkinStreamProperty(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& compressed);

// The property bytes for a CompressedSkin: its length and, if it is not empty, the bytes.
std::vector<std::uint8_t> WriteSkinStreamProperty(const std::vector<std::uint8_t>& compressed);

// The decompressed size S stored at the start of a CompressedSkin; false when the data is
// shorter than the four bytes.
bool ReadCompressedSize(const std::uint8_t* data, std::size_t size, std::int32_t& decompressedSize);

}  // namespace aw::skin
