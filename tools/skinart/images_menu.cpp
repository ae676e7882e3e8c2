// Popup menus: the panel behind every menu and the item states drawn over it.

#include "raster.h"
#include "skin_images.h"
#include "theme.h"

namespace aw::skinart {

using namespace theme;

PixelImage DrawMenuBackground()
{
    PixelImage f(16, 16, kMenuBorder);
    Fill(f, MakeRect(1, 1, 14, 14), kMenu);
    return f;
}

PixelImage DrawMenuItem()
{
    // 1 normal and 3, 5 spare: transparent, the panel shows through. 2 separator: a line five
    // rows above the bottom (the separator is cut from the frame's lowest rows). 4 selected:
    // a rounded teal bar inset from the menu's edges.
    constexpr int w = 24, h = 22;
    return Frames(5, w, h, [](PixelImage& f, int k) {
        if (k == 2) HLine(f, 4, w - 4, h - 5, kMenuSeparator);
        if (k == 4) FillRoundRect(f, MakeRect(2, 1, w - 4, h - 2), 3, kMenuSelect, kMenu);
    });
}

}  // namespace aw::skinart
