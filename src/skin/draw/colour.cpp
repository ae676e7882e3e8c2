#include "skin/draw/colour.h"

namespace aw::skin {

Colour ResolveColour(Colour colour, SystemColourLookup lookup)
{
    if (!IsSystemColour(colour)) return colour & 0xFFFFFF;
    return lookup ? lookup(SystemColourIndex(colour)) & 0xFFFFFF : kBlack;
}

Colour Blend(Colour c1, Colour c2, int weight, SystemColourLookup lookup)
{
    const Colour a = ResolveColour(c1, lookup);
    const Colour b = ResolveColour(c2, lookup);
    const int w = weight < 0 ? 0 : (weight > 1000 ? 1000 : weight);
    const int scale = w < 100 ? 100 : 1000;
    auto mix = [&](int first, int second) { return (second * (scale - w) + first * w + scale / 2) / scale; };
    return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

}  // namespace aw::skin
