#pragma once
// What the non-client area of a skinned form is painted with: the borders (or, minimized, the
// title bar alone) and the title text. The form composes them with the menu bar and the
// caption buttons in one buffer.

#include <windows.h>

#include <string>

#include "skin/draw/rect.h"
#include "skin/forms/form_geometry.h"

namespace aw::skin {

class TSkinData;

// The Left, Right, Bottom and Top borders round a window `width` x `height`, each with frame 1
// while active and frame 2 while inactive. Minimized, the buffer is filled with ButtonFace and
// the Top border spans the whole width.
void DrawFrameBorders(HDC buffer, int width, int height, const TSkinData& data, const FrameMetrics& metrics,
                      bool active, bool minimized);

// What places the title text.
struct TitleFacts {
    int width = 0;  // of the window
    const FrameMetrics* metrics = nullptr;
    bool active = false;
    bool dialogBorder = false;
    bool popupWindow = false;
    bool rightToLeft = false;
    int widestRightButtonXCoord = 0;
};

// Draws " " + `text` in the title bar, over the title's TextBack image when the skin has one,
// and returns the text's rectangle.
Rect DrawTitleText(HDC buffer, const std::string& text, const TSkinData& data, const TitleFacts& facts);

}  // namespace aw::skin
