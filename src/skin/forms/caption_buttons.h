#pragma once
// The caption buttons of a skinned form: one TWinSysButton per caption-button element of the
// skin, laid out and shown or hidden for the window's state at every paint, and the bitmap of
// the window's icon that the icon button stands for.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/gdi.h"
#include "skin/forms/form_geometry.h"
#include "skin/forms/nc_objects.h"

namespace aw::skin {

class TWinSkinForm;

class CaptionButtonSet {
public:
    explicit CaptionButtonSet(TWinSkinForm& form) : form_(form) {}

    // One button per caption-button element of the form's skin.
    void Create();
    void Clear() { buttons_.clear(); }
    // The window's icon drawn on magenta, for the icon button.
    void BuildIconBitmap();

    // Places every button in a window `windowWidth` wide and decides whether it shows and is
    // enabled. `title` is the last title-text rectangle, for buttons placed beside the text.
    void Layout(int windowWidth, const CaptionState& state, const Rect& title, const FrameMetrics& metrics);
    void Draw(HDC buffer);

    // The first visible button with an action whose rectangle holds the point.
    TWinSysButton* At(POINT windowPoint) const;
    const std::vector<std::unique_ptr<TWinSysButton>>& All() const { return buttons_; }
    // The largest XCoord of the visible right-aligned buttons (0 for none), which clips a
    // popup window's title.
    int WidestRightXCoord() const;
    // The left edge of the leftmost visible MDI child button, -1 when none shows.
    int MdiButtonsLeft() const;

private:
    TWinSkinForm& form_;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    UniqueBitmap iconBitmap_;
};

}  // namespace aw::skin
