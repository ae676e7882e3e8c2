#pragma once
// The geometry of a skinned window frame, as plain functions: the kind of border and the
// caption capabilities a window's styles give, the frame metrics the border images give, where
// each caption button sits and when it shows, where the title text goes, how the platform's hit
// test is corrected, and the rectangles of a window region cut from transparent border pixels.
// The window code only executes these.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/draw/colour.h"
#include "skin/draw/pixel_image.h"
#include "skin/draw/rect.h"
#include "skin/forms/hot_tracker.h"

namespace aw::skin {

// Style bits the frame code reads (the platform's values, so that this file needs no
// platform header).
namespace style_bits {
inline constexpr std::uint32_t kCaption = 0x00C00000;      // WS_CAPTION
inline constexpr std::uint32_t kThickFrame = 0x00040000;   // WS_THICKFRAME
inline constexpr std::uint32_t kSysMenu = 0x00080000;      // WS_SYSMENU
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;  // WS_MINIMIZEBOX
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;  // WS_MAXIMIZEBOX
inline constexpr std::uint32_t kPopup = 0x80000000;        // WS_POPUP
inline constexpr std::uint32_t kModalFrame = 0x00000080;   // DS_MODALFRAME
inline constexpr std::uint32_t kExDlgModalFrame = 0x00000001;  // WS_EX_DLGMODALFRAME
inline constexpr std::uint32_t kExContextHelp = 0x00000400;    // WS_EX_CONTEXTHELP
inline constexpr std::uint32_t kExLeftScrollBar = 0x00004000;  // WS_EX_LEFTSCROLLBAR
inline constexpr std::uint32_t kExMdiChild = 0x00000040;       // WS_EX_MDICHILD
}  // namespace style_bits

enum BorderKind { bkSizeable = 0, bkFixed = 1, bkNoCaption = 2, bkDialog = 3 };

// Caption capabilities, taken from the styles before the skin changes them.
enum CaptionCapability : int {
    capMaximize = 1,
    capMinimize = 2,
    capContextHelp = 4,
    capSystemMenu = 8,
};

// The standard dialog classes, which always get the dialog border.
bool IsStandardDialogClass(const std::string& className);

BorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle, const std::string& className);
int CaptionCapabilitiesOf(std::uint32_t style, std::uint32_t exStyle, bool hasSystemMenu);

// The caption styles the skin takes away while it draws the caption buttons itself, and the
// ones unskinning puts back: those the capabilities recorded.
std::uint32_t WithoutCaptionButtons(std::uint32_t style);
std::uint32_t WithCaptionButtons(std::uint32_t style, int capabilities);

struct FrameMetrics {
    int left = 0;
    int top = 0;  // the title height
    int right = 0;
    int bottom = 0;
    int menuBar = 0;
    bool operator==(const FrameMetrics& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom && menuBar == o.menuBar;
    }
};

struct ImageSize {
    int width = 0;
    int height = 0;
    int frames = 1;
};

// Left and right border images hold their frames side by side, top and bottom ones stack
// them; a border is one frame thick. A window without a caption has no skinned frame.
FrameMetrics FrameMetricsFromBorders(BorderKind kind, const ImageSize& left, const ImageSize& right,
                                     const ImageSize& top, const ImageSize& bottom, int menuBarHeight);

// The window size that keeps a client area of the given size under the frame.
struct Size2 {
    int width = 0;
    int height = 0;
};
Size2 WindowSizeForClient(const FrameMetrics& m, int clientWidth, int clientHeight, bool mdiChild);

// The client rectangle inside a window rectangle (both in the same coordinates).
Rect ClientRectInWindow(const FrameMetrics& m, const Rect& window);

// A standard dialog widened so that its whole title fits: the new width and how far every
// child moves right.
struct DialogWidening {
    int width = 0;
    int childShift = 0;
};
DialogWidening WidenForTitle(int width, int textShift, int textWidth, int textRightClip);

// What decides whether a caption button shows.
struct CaptionState {
    bool maximized = false;
    bool active = true;
    int capabilities = 0;
    BorderKind border = bkFixed;
    bool standardDialog = false;
    bool mdiChildMaximizedWithMenuBar = false;
};

struct CaptionButtonTraits {
    int action = 0;
    int align = 0;
    int xCoord = 0;
    int yCoord = 0;
    int visibility = 0;
    int visibility1 = 0;
};

// `askWindow` answers the engine's visibility query for codes 1000 to 2000.
bool CaptionButtonVisible(const CaptionButtonTraits& button, const CaptionState& state,
                          const std::function<bool(int visibility, int action)>& askWindow = nullptr);
bool CaptionButtonEnabled(const CaptionButtonTraits& button, const CaptionState& state);

// The button's rectangle in window coordinates. `titleLeft` and `titleRight` are the last
// title-text rectangle's edges (for buttons placed beside the text).
Rect CaptionButtonRect(const CaptionButtonTraits& button, int buttonWidth, int buttonHeight, int windowWidth,
                       int titleLeft, int titleRight, const FrameMetrics& metrics, int menuBarLeftWidth);

// The frame a caption button shows: in a full repaint, and while the mouse acts on it.
int CaptionButtonPaintFrame(bool active, bool enabled, int frameCount);
int CaptionButtonMouseFrame(NcState objectState, bool enabled, bool mdiButton, int frameCount);

// The hint shown under a hovered caption button; empty for actions that have none.
std::string CaptionButtonHint(int action);

// What a caption button does when released.
enum class CaptionAction { Close, MaximizeOrRestore, MinimizeOrRestore, SystemMenu, ContextHelp, MdiMinimize,
                           MdiRestore, MdiClose, Notify };
CaptionAction CaptionActionOf(int action);

// Title text placement in a title bar `width` wide and `height` high.
struct TitleInput {
    int width = 0;
    int height = 0;
    int textWidth = 0;
    int textHeight = 0;
    int alignment = 0;  // 0 left, 1 centred, 2 right
    int textShift = 0;
    int textShiftVert = 0;
    int textRightClip = 0;
    int backLeft = 0;   // TXTBackleft
    int backRight = 0;  // TXTBackRight
    bool dialogBorder = false;
    bool popupWindow = false;
    int widestRightButtonXCoord = 0;  // the largest XCoord of the right-aligned buttons
    bool rightToLeft = false;
};
// The text's rectangle: left, top, and the right edge it is clipped at.
Rect PlaceTitleText(const TitleInput& in);

// The items of a skinned menu bar, left to right, or from the right edge for right-to-left
// menus (which then stop 5 pixels before the MDI child buttons, when those show).
struct MenuBarLayout {
    Rect band;
    std::vector<int> textWidths;
    bool hasElement = false;
    int elementLeft = 0;   // the menu-bar element's LeftWidth
    int elementRight = 0;  // and RightWidth
    bool rightToLeft = false;
    int mdiButtonsLeft = -1;  // the leftmost MDI child button's left edge, -1 when none shows
};
std::vector<Rect> LayoutMenuBarItems(const MenuBarLayout& in);

// The platform's hit test code corrected for the skinned frame; `y` is in window coordinates.
inline constexpr int kHitNowhere = 0;
inline constexpr int kHitCaption = 2;
inline constexpr int kHitMenu = 5;
int CorrectHitTest(int previous, int y, const FrameMetrics& metrics, bool hasMenuBar);

// The rectangles (rows of runs) of `area` whose pixels are not the key colour: the opaque part
// of a transparent border. A pixel counts as key when each channel lies within the key's value
// and that value plus one.
std::vector<Rect> OpaqueRuns(const PixelImage& image, const Rect& area, Colour key);

// The parts of a window's region: the base rectangle inside the frame, and each border's
// rectangle with whether its opaque pixels alone count.
struct RegionPart {
    Rect rect;
    bool fromPixels = false;
};
struct BorderTrans {
    bool left = false, right = false, top = false, bottom = false;
};
// Empty when no border is transparent: the region is then the whole window.
std::vector<RegionPart> RegionParts(const FrameMetrics& m, int width, int height, const BorderTrans& trans,
                                    BorderKind kind);

}  // namespace aw::skin
