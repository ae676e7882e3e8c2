#pragma once
// A typed view of the skin for its painters: an element drawn in a visual state shows one
// frame of its image, and each element kind has one table from state to frame. The frame a
// table names is 1-based; an image with fewer frames than the table's frame shows its first
// frame instead, so a sparse skin still draws something sensible.

#include <array>

namespace aw::skin {

enum class ElementState { Normal = 0, Hot = 1, Pressed = 2, Focused = 3, Disabled = 4, Inactive = 5 };
inline constexpr int kElementStateCount = 6;

using FrameTable = std::array<int, kElementStateCount>;  // indexed by ElementState

// Caption buttons: 1 normal, 2 pressed, 3 hover, 4 inactive or disabled.
inline constexpr FrameTable kCaptionButtonFrames = {1, 3, 2, 1, 4, 4};
// MDI child buttons in the menu band hover with their fourth frame.
inline constexpr FrameTable kMdiButtonStateFrames = {1, 4, 2, 1, 4, 4};
// Frame borders and the menu bar: 1 while the window is active, 2 while it is not.
inline constexpr FrameTable kWindowPartFrames = {1, 1, 1, 1, 1, 2};
// Menu items: 1 normal, 4 selected.
inline constexpr FrameTable kMenuItemFrames = {1, 4, 4, 4, 1, 1};
// Push buttons: 1 normal, 2 pressed, 3 disabled, 4 mouse over, 5 focused or default.
inline constexpr FrameTable kPushButtonFrames = {1, 4, 2, 5, 3, 1};

// The frame to draw, given how many frames the element's image has.
constexpr int FrameFor(const FrameTable& table, ElementState state, int frameCount)
{
    const int frame = table[static_cast<int>(state)];
    return frame <= frameCount ? frame : 1;
}

}  // namespace aw::skin
