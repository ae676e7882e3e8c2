#pragma once
// Colours as the skin engine keeps them: 32-bit values in the platform's order (red in the
// low byte). A value with the top bit set names a system colour whose index is its low byte
// (the skin stores them as 0xFF000000 plus the index); it is resolved only when drawn.

#include <cstdint>

namespace aw::skin {

using Colour = std::uint32_t;

constexpr Colour kMagenta = 0xFF00FF;  // the transparent key of every skin image
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

constexpr Colour Rgb(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr Colour SystemColour(int index) { return 0xFF000000u | static_cast<Colour>(index & 0xFF); }

// How system colours become plain ones; the Win32 side passes the platform's lookup.
using SystemColourLookup = Colour (*)(int index);

// A plain colour keeps its three channels; a system colour goes through `lookup` (black
// without one).
Colour ResolveColour(Colour colour, SystemColourLookup lookup);

// Weighted mix: below 100 the weight is a percentage of c1, from 100 up it is per mille.
// Weights outside 0..1000 are clamped, so no channel can leave 0..255.
Colour Blend(Colour c1, Colour c2, int weight, SystemColourLookup lookup);

// A pixel of the skin's images and of 32-bit device-independent bitmaps: 0x00RRGGBB, blue in
// the low byte (see pixel_image.h).
using DibPixel = std::uint32_t;

constexpr DibPixel ToDibPixel(Colour c)
{
    return static_cast<DibPixel>(BlueOf(c) | (GreenOf(c) << 8) | (RedOf(c) << 16));
}
constexpr Colour FromDibPixel(DibPixel pixel)
{
    return Rgb(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF));
}

}  // namespace aw::skin
