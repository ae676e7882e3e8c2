#pragma once
// The typed view of the skin the control painters draw from: a control's state maps to a frame
// of its element through one table per element, and the few layout rules of the painters
// (caption text, check-box placement, status-bar panels, tab panes and close boxes) are plain
// functions.

#include <string>
#include <vector>

#include "skin/draw/rect.h"

namespace aw::skin {

enum class ControlState { Normal, Hot, Pressed, Focused, Disabled };

// One element's frame per state.
struct StateFrames {
    int normal;
    int hot;
    int pressed;
    int focused;
    int disabled;
    int operator[](ControlState state) const;
};

// The push-button image: 1 normal, 2 pressed, 3 disabled, 4 mouse over, 5 focused or default.
inline constexpr StateFrames kPushButtonFrames{1, 4, 2, 5, 3};

// A disabled button stays disabled whatever the mouse does; then pressed, mouse over, focused
// or default.
ControlState PushButtonState(bool enabled, bool pressed, bool mouseOver, bool focusedOrDefault);

// The caption with its first "||" made a line break.
std::string ButtonCaptionText(const std::string& caption);

enum class CheckMark { Unchecked, Checked, Mixed };

// The frame of a check-box or radio image of `frameCount` frames. A twelve-frame image holds
// unchecked, checked and mixed boxes, each normal, mouse over, pressed and disabled; smaller
// images hold 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled or mixed.
int CheckFrame(CheckMark mark, bool enabled, bool mouseOver, bool pressed, int frameCount);

// The check state a framework control's published "State" text gives, if it gives one.
bool CheckMarkFromStateText(const std::string& state, CheckMark& mark);

struct CheckBoxLayout {
    Rect box;
    Rect caption;
};
// The box at the left edge (the caption 2 pixels after it) or, with the text on the left, at
// the right edge (the caption ending 2 pixels before it); vertically centred.
CheckBoxLayout LayOutCheckBox(int width, int height, int boxWidth, int boxHeight, bool textOnLeft);

// Status-bar panels as the skin draws them: each starts 2 pixels right of where the control
// puts it, and the last reaches the bar's right edge.
std::vector<Rect> StatusPanelRects(const std::vector<Rect>& controlRects, int barWidth);

enum class PanelBevel { Lowered, Raised, None };
int StatusBevelFrame(PanelBevel bevel);

// The page rectangle of a tab control around its display rectangle: 4 pixels larger each way
// and moved 1 pixel toward the tabs, which lie on `side` (0 top, 1 bottom, 2 left, 3 right).
Rect TabPageRect(const Rect& display, int side);

// Tabs on every side are drawn as if they lay on top of the page, in a strip that is then turned
// into place: flipped top to bottom for tabs at the bottom, turned a quarter turn
// counter-clockwise for tabs on the left and clockwise for tabs on the right.
//
// The strip beside the page on the tab side of a `width` x `height` control: it reaches one
// pixel into the page, so that the selected tab can cover the page's edge, and as far as the
// tabs themselves (`tabs`, the rectangle round all of them) reach.
Rect TabStripRect(int width, int height, const Rect& page, int side, const Rect& tabs);
// The page's one-pixel edge on the tabs' side, across the strip.
Rect TabPageEdge(const Rect& page, const Rect& strip, int side);
// The strip's size laid out on top: as long as the tab row, as deep as the strip.
struct StripSize {
    int width;
    int height;
};
StripSize TabStripLayoutSize(const Rect& strip, int side);
// A rectangle of the control (inside the strip) in the laid-out strip, and back.
Rect TabToLayout(const Rect& r, const Rect& strip, int side);
Rect TabFromLayout(const Rect& r, const Rect& strip, int side);
// The page image's margins once the image is turned to the tabs' side.
Margins TabPaneMargins(const Margins& onTop, int side);

// The 6 x 6 close box of a tab.
Rect TabCloseBox(const Rect& tab);

// Tab frames: 2 for the selected tab, 1 for the others.
int TabFrame(bool selected);

}  // namespace aw::skin
