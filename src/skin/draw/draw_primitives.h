#pragma once
// The primitives every skin painter draws with. Each builds its result off screen and puts it
// on the target with one block transfer, so a half-drawn element never flickers. Frame
// indexes are 1-based; images hold their frames side by side unless `stacked`.

#include <windows.h>

#include "skin/draw/colour.h"
#include "skin/draw/rect.h"

namespace aw::skin {

// Nine-part scaling of frame `frameIndex` over `dest` (see PlanNinePart). With `transparent`
// the image's magenta pixels leave the target unchanged. Nothing is drawn for an inverted or
// empty destination or a missing image.
void DrawElementFrame(HDC target, const RECT& dest, HBITMAP image, bool stacked, bool tileCentre, bool transparent,
                      int frameCount, int frameIndex, const Margins& margins);

// Left margin, middle repeated across, right margin, all stretched to the full height.
// Only margins.left and margins.right are used.
void DrawThreePart(HDC target, const RECT& rect, HBITMAP image, bool stacked, bool transparent, int frameCount,
                   int frameIndex, const Margins& margins);

// The whole frame (side by side) stretched over rect.
void DrawStretchedFrame(HDC target, const RECT& rect, HBITMAP image, bool transparent, int frameCount, int frameIndex);

// The frame (side by side) unscaled and centred in rect, cut to it.
void DrawCentredFrame(HDC target, const RECT& rect, HBITMAP image, bool transparent, int frameCount, int frameIndex);

// Draws `bitmap` unscaled at rect's top-left corner, cut to rect; exactly the pixels of the
// key colour leave the target unchanged.
void DrawTransparent(HDC target, const RECT& rect, HBITMAP bitmap, Colour key);

}  // namespace aw::skin
