#pragma once
// The GDI scope guards under the names the drawing code uses.
#include "platform/gdi.h"

namespace aw::skin {

using Bitmap = aw::UniqueBitmap;
using Brush = aw::UniqueBrush;
using Pen = aw::UniquePen;
using Font = aw::UniqueFont;
using Region = aw::UniqueRegion;
using aw::MemoryDC;
using aw::SelectedObject;
using aw::StretchMode;
using aw::WindowDC;

// A DC of a whole window, its non-client area included (GetWindowDC), released on scope exit.
class WholeWindowDC : public WindowDC {
public:
    explicit WholeWindowDC(HWND window) : WindowDC(window, true) {}
};

// Saves a DC's state (clip region, selections, modes) and restores it on scope exit.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(dc ? ::SaveDC(dc) : 0) {}
    ~SavedDC()
    {
        if (saved_) ::RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace aw::skin
