#include "skin/package/skin_stream.h"

#include <cstring>

#include "skin/package/byte_order.h"

namespace aw::skin {

bool ReadSkinStreamProperty(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& compressed)
{
    compressed.clear();
    if (size < 4)
        return false;
    const std::int32_t length = ReadInt32LE(data);
    if (length <= 0 || static_cast<std::size_t>(length) > size - 4)
        return false;
    compressed.assign(data + 4, data + 4 + length);
    return true;
}

std::vector<std::uint8_t> WriteSkinStreamProperty(const std::vector<std::uint8_t>& compressed)
{
    std::vector<std::uint8_t> out(4 + compressed.size());
    WriteInt32LE(out.data(), static_cast<std::int32_t>(compressed.size()));
    if (!compressed.empty())
        std::memcpy(out.data() + 4, compressed.data(), compressed.size());
    return out;
}

bool ReadCompressedSize(const std::uint8_t* data, std::size_t size, std::int32_t& decompressedSize)
{
    if (size < 4)
        return false;
    decompressedSize = ReadInt32LE(data);
    return true;
}

}  // namespace aw::skin
