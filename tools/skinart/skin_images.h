#pragma once
// The skin's bitmaps: one drawing function per package entry, and the sizes the skin
// description relies on. Frame layouts (what each frame of a strip shows) are documented in
// the skin description, res/skin/le4-blackc.ini.

#include <string>
#include <vector>

#include "skin/draw/pixel_image.h"

namespace aw::skinart {

// Measures the description repeats; keep them in step with res/skin/le4-blackc.ini.
namespace layout {
constexpr int kBorder = 4;         // left, right and bottom border thickness
constexpr int kTitle = 30;         // title bar height (Top border frame height)
constexpr int kTopRadius = 7;      // window corners
constexpr int kBottomRadius = 4;
constexpr int kBorderMiddle = 8;   // stretched rows of the side borders
constexpr int kTopWidth = 64;      // Top border frame width
constexpr int kTopMargin = 12;     // its unscaled ends (TopTopHeight, TopBotHeight)
constexpr int kCaptionW = 28;      // caption button frame
constexpr int kCaptionH = 20;
constexpr int kCaptionY = 5;
constexpr int kCloseX = 36;        // caption buttons' XCoord, measured from the right edge
constexpr int kMaximizeX = 66;
constexpr int kMinimizeX = 96;
constexpr int kIconX = 10;
constexpr int kIconY = 7;
constexpr int kTextShift = 32;
constexpr int kScroll = 17;        // scroll-bar part size (Scrollbar image height)
constexpr int kMdiW = 16;          // MDI control button frame
constexpr int kMdiH = 14;
}  // namespace layout

struct SkinBitmap {
    std::string name;          // the package entry name
    skin::PixelImage (*draw)();
};

// Every bitmap of the skin, in package order.
const std::vector<SkinBitmap>& SkinBitmaps();

// The window frame (images_frame.cpp)
skin::PixelImage DrawFrameLeft();
skin::PixelImage DrawFrameRight();
skin::PixelImage DrawFrameTop();
skin::PixelImage DrawFrameBottom();
skin::PixelImage DrawMinCaption();
skin::PixelImage DrawCloseButton();
skin::PixelImage DrawMaxButton();
skin::PixelImage DrawMinButton();
skin::PixelImage DrawRestoreButton();
skin::PixelImage DrawMdiButtons();

// Controls on the client face (images_controls.cpp)
skin::PixelImage DrawButtons();
skin::PixelImage DrawCheckBox();
skin::PixelImage DrawRadioButton();
skin::PixelImage DrawProgress();
skin::PixelImage DrawProgressChunk();
skin::PixelImage DrawSpin();
skin::PixelImage DrawSpinArrow();
skin::PixelImage DrawSpinH();
skin::PixelImage DrawSpinHArrow();
skin::PixelImage DrawTrackThumbH();
skin::PixelImage DrawTrackBottom();

// Bars: scroll bars, tabs, combo box, status bar, header (images_bars.cpp)
skin::PixelImage DrawScrollArrows();
skin::PixelImage DrawScrollHThumb();
skin::PixelImage DrawScrollVThumb();
skin::PixelImage DrawScrollHBar();
skin::PixelImage DrawScrollVBar();
skin::PixelImage DrawTab();
skin::PixelImage DrawTabSheet();
skin::PixelImage DrawComboButton();
skin::PixelImage DrawStatusBar();
skin::PixelImage DrawHeader();
skin::PixelImage DrawExtraImages();

// Menus (images_menu.cpp)
skin::PixelImage DrawMenuBackground();
skin::PixelImage DrawMenuItem();

}  // namespace aw::skinart
