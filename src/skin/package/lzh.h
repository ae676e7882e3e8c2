#pragma once
// TLZH: the decompressor of the skin package (LZ77 window with adaptive Huffman coding).

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "skin/package/memory_stream.h"

namespace aw::skin {

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

class TLZH {
public:
    // Throws ElzhException when the dictionary tables cannot be allocated.
    TLZH();
    ~TLZH();
    TLZH(const TLZH&) = delete;
    TLZH& operator=(const TLZH&) = delete;

    // Decodes symbols from `input` (from its position on; the position moves past the bytes
    // taken) until at least `count` bytes have been written to `output` at its position.
    // The last match is copied whole, so up to 59 bytes more than `count` may be written.
    // Missing input reads as zero bytes. A count of zero or less decodes nothing.
    void Decode(std::int32_t count, MemoryStream& input, MemoryStream& output);

private:
    struct Tables;
    std::unique_ptr<Tables> tables_;
};

}  // namespace aw::skin
