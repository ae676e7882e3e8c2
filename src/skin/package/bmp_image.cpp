#include "skin/package/bmp_image.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "skin/package/byte_order.h"

namespace aw::skin {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitFields = 3;

std::uint32_t ReadUInt32LE(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(ReadInt32LE(p));
}

// One colour channel of a bit-field pixel: where it sits and how wide it is.
struct Channel {
    int shift = 0;
    int bits = 0;

    static Channel FromMask(std::uint32_t mask)
    {
        Channel c;
        if (mask == 0)
            return c;
        while (!(mask & 1u)) {
            mask >>= 1;
            ++c.shift;
        }
        while (mask & 1u) {
            mask >>= 1;
            ++c.bits;
        }
        return c;
    }

    std::uint32_t Extract(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
        const std::uint64_t v = (pixel >> shift) & max;
        return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
    }
};

struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;   // positive: bottom-up rows
    int bitCount = 0;
    std::uint32_t compression = kCompressionRgb;
    std::array<Channel, 3> channels;   // red, green, blue for 16- and 32-bit pixels
    std::vector<std::uint32_t> palette;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

bool ReadHeader(const std::uint8_t* data, std::size_t size, BmpLayout& layout, std::size_t& headerEnd)
{
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return false;
    const std::uint32_t headerSize = ReadUInt32LE(data + 14);
    if (headerSize < kCoreHeaderSize || headerSize > size - kFileHeaderSize)
        return false;
    const std::uint8_t* h = data + kFileHeaderSize;
    if (headerSize == kCoreHeaderSize) {
        layout.width = ReadUInt16LE(h + 4);
        layout.height = ReadUInt16LE(h + 6);
        layout.bitCount = ReadUInt16LE(h + 10);
    } else if (headerSize >= kInfoHeaderSize) {
        layout.width = ReadInt32LE(h + 4);
        layout.height = ReadInt32LE(h + 8);
        layout.bitCount = ReadUInt16LE(h + 14);
        layout.compression = ReadUInt32LE(h + 16);
    } else {
        return false;
    }
    headerEnd = kFileHeaderSize + headerSize;
    return true;
}

bool CheckFormat(const BmpLayout& layout)
{
    if (layout.width <= 0 || layout.width > kMaxBmpDimension || layout.height == 0 ||
        layout.height < -kMaxBmpDimension || layout.height > kMaxBmpDimension)
        return false;
    if (static_cast<std::int64_t>(layout.width) * std::abs(layout.height) > kMaxBmpPixels)
        return false;
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return layout.compression == kCompressionRgb;
    case 16:
    case 32:
        return layout.compression == kCompressionRgb || layout.compression == kCompressionBitFields;
    default:
        return false;
    }
}

// Bit-field masks sit right after the 40-byte header, inside the header for the V4/V5 forms
// and as three extra fields for the plain one.
bool ReadChannels(const std::uint8_t* data, std::size_t size, std::uint32_t headerSize, BmpLayout& layout,
                  std::size_t& headerEnd)
{
    if (layout.compression != kCompressionBitFields) {
        const bool is16 = layout.bitCount == 16;
        layout.channels = {Channel::FromMask(is16 ? 0x7C00u : 0xFF0000u), Channel::FromMask(is16 ? 0x03E0u : 0xFF00u),
                           Channel::FromMask(is16 ? 0x001Fu : 0xFFu)};
        return true;
    }
    const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
    if (masks + 12 > size)
        return false;
    for (int i = 0; i < 3; ++i)
        layout.channels[i] = Channel::FromMask(ReadUInt32LE(data + masks + 4 * i));
    if (headerSize == kInfoHeaderSize)
        headerEnd += 12;
    return true;
}

bool ReadPalette(const std::uint8_t* data, std::size_t size, bool core, std::size_t& offset, BmpLayout& layout)
{
    if (layout.bitCount > 8)
        return true;
    const std::uint32_t full = 1u << layout.bitCount;
    std::uint32_t count = full;
    if (!core) {
        const std::uint32_t used = ReadUInt32LE(data + kFileHeaderSize + 32);
        if (used > 0 && used < full)
            count = used;
    }
    const std::size_t entrySize = core ? 3 : 4;
    if (offset > size || count * entrySize > size - offset)
        return false;
    layout.palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data + offset + i * entrySize;
        layout.palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (static_cast<std::uint32_t>(e[1]) << 8) | e[0];
    }
    offset += count * entrySize;
    return true;
}

std::uint32_t PaletteColour(const BmpLayout& layout, unsigned index)
{
    return index < layout.palette.size() ? layout.palette[index] : 0u;
}

std::uint32_t ChannelsColour(const BmpLayout& layout, std::uint32_t value)
{
    return (layout.channels[0].Extract(value) << 16) | (layout.channels[1].Extract(value) << 8) |
           layout.channels[2].Extract(value);
}

void DecodeRow(const BmpLayout& layout, const std::uint8_t* row, std::uint32_t* out)
{
    const int w = layout.width;
    switch (layout.bitCount) {
    case 1:
        for (int x = 0; x < w; ++x)
            out[x] = PaletteColour(layout, (row[x >> 3] >> (7 - (x & 7))) & 1u);
        break;
    case 4:
        for (int x = 0; x < w; ++x)
            out[x] = PaletteColour(layout, (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4));
        break;
    case 8:
        for (int x = 0; x < w; ++x)
            out[x] = PaletteColour(layout, row[x]);
        break;
    case 16:
        for (int x = 0; x < w; ++x)
            out[x] = ChannelsColour(layout, ReadUInt16LE(row + 2 * x));
        break;
    case 24:
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = row + 3 * x;
            out[x] = (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
        }
        break;
    case 32:
        for (int x = 0; x < w; ++x)
            out[x] = ChannelsColour(layout, ReadUInt32LE(row + 4 * x));
        break;
    }
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, PixelImage& image)
{
    image.Clear();
    BmpLayout layout;
    std::size_t offset = 0;
    if (!data || !ReadHeader(data, size, layout, offset) || !CheckFormat(layout))
        return false;
    const std::uint32_t headerSize = ReadUInt32LE(data + 14);
    if (!ReadChannels(data, size, headerSize, layout, offset) ||
        !ReadPalette(data, size, headerSize == kCoreHeaderSize, offset, layout))
        return false;

    // The file header's pixel offset wins when it points past the headers; some writers
    // leave it zero.
    const std::uint32_t pixelOffset = ReadUInt32LE(data + 10);
    layout.pixelOffset = (pixelOffset >= kFileHeaderSize + headerSize && pixelOffset < size) ? pixelOffset : offset;
    layout.stride = ((static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(std::abs(layout.height));
    if (layout.pixelOffset > size || layout.stride * rows > size - layout.pixelOffset)
        return false;

    const bool bottomUp = layout.height > 0;
    image.width = layout.width;
    image.height = static_cast<int>(rows);
    image.pixels.resize(static_cast<std::size_t>(layout.width) * rows);
    for (std::size_t y = 0; y < rows; ++y) {
        const std::size_t sourceRow = bottomUp ? rows - 1 - y : y;
        DecodeRow(layout, data + layout.pixelOffset + sourceRow * layout.stride,
                  image.pixels.data() + y * static_cast<std::size_t>(layout.width));
    }
    return true;
}

}  // namespace aw::skin
