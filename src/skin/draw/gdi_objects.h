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
class WholeWindowDC {
public:
    explicit WholeWindowDC(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
    ~WholeWindowDC()
    {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WholeWindowDC(const WholeWindowDC&) = delete;
    WholeWindowDC& operator=(const WholeWindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
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
