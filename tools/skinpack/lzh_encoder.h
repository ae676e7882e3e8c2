#pragma once
// The LZ encoder that matches the skin package decoder: LZ77 over a 4096-byte window with
// a binary-tree match finder, literals and match lengths coded with the shared adaptive
// Huffman tree, match positions with the fixed prefix code. Output is deterministic.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw::skinpack {

// The bit stream alone (empty for empty input).
std::vector<std::uint8_t> LzhEncode(const std::uint8_t* data, std::size_t size);

// A CompressedSkin: the decompressed size as a signed 32-bit little-endian number, then the
// bit stream. The input must be shorter than 2 GB.
std::vector<std::uint8_t> CompressSkin(const std::vector<std::uint8_t>& package);

}  // namespace aw::skinpack
