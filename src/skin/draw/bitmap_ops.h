#pragma once
// Whole-bitmap operations on element images. Each replaces the bitmap with a copy holding the
// result, a 32-bit top-down DIB section like every bitmap of the skin; an empty bitmap stays
// empty.

#include "platform/gdi.h"
#include "skin/draw/colour.h"

namespace aw::skin {

// Every pixel exactly (255, 0, 255) becomes `colour` (a system colour is resolved first).
void ReplaceMagenta(UniqueBitmap& bitmap, Colour colour);

// Left to right, and top to bottom.
void MirrorHorizontally(UniqueBitmap& bitmap);
void MirrorVertically(UniqueBitmap& bitmap);

}  // namespace aw::skin
