#pragma once
// Colours written in the skin description as three decimal numbers, red green blue.

#include <string_view>

#include "skin/draw/colour.h"

namespace aw::skin {

// Scans the trimmed text for runs of decimal digits (any other character ends a run): the
// first run is red, the second green, the third blue; later runs are ignored. A run that ends
// the text counts as blue only when two runs came before it, so "10 20" is red 10 alone.
// Missing components are 0, and so is a run too long for a 32-bit integer. The result is
// red + green·256 + blue·65536 without masking, so out-of-range components spill over as they
// always have. "236 233 216" and "236,233,216" give the same colour.
Colour ParseColour(std::string_view text);

}  // namespace aw::skin
