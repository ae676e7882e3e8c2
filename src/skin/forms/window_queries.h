#pragma once
// Small questions the form skinning asks of a window and the platform, and the conversions
// between the platform's rectangles and the engine's.

#include <windows.h>

#include <string>

#include "platform/gdi.h"
#include "skin/draw/rect.h"

namespace aw::skin {

// The window's small icon, else its large one, from the window or its class; null for none.
HICON WindowIcon(HWND window);
std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
// The platform's menu font, as menus and the skinned menu bar use it.
UniqueFont SystemMenuFont();

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
inline bool Contains(const Rect& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A screen point packed in a message's lParam.
inline POINT PointOf(LPARAM packed)
{
    return POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

// The window's size, from its window rectangle.
SIZE WindowSize(HWND window);

// Frame changes without moving, sizing, reordering or activating the window.
void NotifyFrameChanged(HWND window);

}  // namespace aw::skin
