#include "bmp_writer.h"

#include <algorithm>
#include <map>

namespace aw::skinart {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bitCount) { return ((static_cast<std::uint32_t>(width) * bitCount + 31) / 32) * 4; }

void PutHeaders(std::vector<std::uint8_t>& out, const skin::PixelImage& image, int bitCount, std::uint32_t paletteSize)
{
    const std::uint32_t pixelOffset = 14 + 40 + 4 * paletteSize;
    const std::uint32_t pixelBytes = RowBytes(image.width, bitCount) * static_cast<std::uint32_t>(image.height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + pixelBytes);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height));  // bottom-up
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitCount));
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
}

void PadRow(std::vector<std::uint8_t>& out, std::size_t rowStart, std::uint32_t rowBytes)
{
    while (out.size() - rowStart < rowBytes) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const skin::PixelImage& image)
{
    std::map<skin::Colour, std::uint8_t> palette;
    for (const skin::DibPixel p : image.pixels) {
        palette.emplace(skin::FromDibPixel(p), 0);
        if (palette.size() > 256) break;
    }
    std::vector<std::uint8_t> out;
    if (palette.size() <= 256) {
        std::uint8_t index = 0;
        for (auto& entry : palette) entry.second = index++;
        PutHeaders(out, image, 8, static_cast<std::uint32_t>(palette.size()));
        for (const auto& entry : palette) {
            out.push_back(static_cast<std::uint8_t>(skin::BlueOf(entry.first)));
            out.push_back(static_cast<std::uint8_t>(skin::GreenOf(entry.first)));
            out.push_back(static_cast<std::uint8_t>(skin::RedOf(entry.first)));
            out.push_back(0);
        }
        for (int y = image.height - 1; y >= 0; --y) {
            const std::size_t rowStart = out.size();
            for (int x = 0; x < image.width; ++x) out.push_back(palette.at(image.At(x, y) & 0xFFFFFF));
            PadRow(out, rowStart, RowBytes(image.width, 8));
        }
        return out;
    }
    PutHeaders(out, image, 24, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const skin::Colour c = image.At(x, y);
            out.push_back(static_cast<std::uint8_t>(skin::BlueOf(c)));
            out.push_back(static_cast<std::uint8_t>(skin::GreenOf(c)));
            out.push_back(static_cast<std::uint8_t>(skin::RedOf(c)));
        }
        PadRow(out, rowStart, RowBytes(image.width, 24));
    }
    return out;
}

}  // namespace aw::skinart
