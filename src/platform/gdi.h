#pragma once
// Owning wrappers for GDI objects and image lists, and scope guards for device contexts:
// every bitmap, brush, font, image list, memory DC, saved DC state, selection and stretch mode
// is undone by a destructor, so an early return or an exception in a painter never leaks a
// handle or leaves an object selected into a DC.
#include "platform/handle.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace aw {

// Objects released with DeleteObject (bitmap, brush, pen, font, region) and image lists
// (comctl32).
template <typename Object>
using UniqueGdiObject = UniqueResource<ClosedWith<Object, &::DeleteObject>>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueImageList = UniqueResource<ClosedWith<HIMAGELIST, &::ImageList_Destroy>>;

// The header of an uncompressed device-independent bitmap; a negative height lays the rows out
// top-down.
inline BITMAPINFO DibInfo(int width, int height, int bitCount)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory DC compatible with `reference` (the screen when null), deleted on scope exit.
class MemoryDC : public UniqueResource<ClosedWith<HDC, &::DeleteDC>> {
public:
    explicit MemoryDC(HDC reference = nullptr) : UniqueResource(::CreateCompatibleDC(reference)) {}
};

// A DC borrowed from a window and given back on scope exit: its client area (GetDC; the
// screen when the window is null) or, with `wholeWindow`, the whole window with its
// non-client area (GetWindowDC).
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window))
    {
    }
    ~WindowDC()
    {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

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

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject()
    {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // False when the object could not be selected (for example a bitmap already selected
    // into another DC).
    bool Ok() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Sets a DC's stretch mode for the scope.
class StretchMode {
public:
    StretchMode(HDC dc, int mode) : dc_(dc), previous_(::SetStretchBltMode(dc, mode)) {}
    ~StretchMode()
    {
        if (previous_) ::SetStretchBltMode(dc_, previous_);
    }
    StretchMode(const StretchMode&) = delete;
    StretchMode& operator=(const StretchMode&) = delete;

private:
    HDC dc_;
    int previous_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~PaintDC() { ::EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace aw
