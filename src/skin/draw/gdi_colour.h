#pragma once
// The colour operations with the platform's system colours plugged in, and the cached
// gradient fill.

#include <windows.h>

#include "skin/draw/colour.h"

namespace aw::skin {

// GetSysColor for a system-colour index.
Colour PlatformSystemColour(int index);

// A system colour resolved through the platform; plain colours keep their three channels.
Colour ResolveColour(Colour colour);

// Blend(c1, c2, weight) with system colours resolved first (see colour.h).
Colour Blend(Colour c1, Colour c2, int weight);

// Fills rect with a two-colour gradient, top to bottom when `vertical`, else left to right.
// Nothing is drawn when rect has no extent or is not visible in the target; only the part
// inside the target's clip box is painted. Line colours come from a process-wide ring cache
// of the last sixteen gradients.
void GradientFill(HDC target, const RECT& rect, Colour from, bool vertical, Colour to);

}  // namespace aw::skin
