#pragma once
// What the skin changes on a window's frame, and gives back: the caption styles the skin draws
// itself, the window's size round its client area under the skinned frame (a standard dialog
// widened so that its whole title fits), and the window region cut from transparent borders.

#include <windows.h>

#include <cstdint>

#include "skin/forms/form_geometry.h"
#include "skin/forms/form_kinds.h"

namespace aw::skin {

class TSkinData;

class FormFrame {
public:
    explicit FormFrame(HWND window) : window_(window) {}

    // Records the window's styles and sizes before the skin changes them.
    void RecordOriginal();

    // While skinned, the platform draws and handles no caption buttons of its own.
    void RemoveCaptionStyles();
    // Puts back those of the caption styles the window had.
    void RestoreCaptionStyles();

    // Resizes the window so that its client area keeps its size under the skinned frame; a
    // maximized window only has its frame recomputed.
    struct Fit {
        FrameMetrics metrics;
        WindowState state = WindowState::Normal;
        bool mdiChild = false;
        bool standardDialog = false;
    };
    void Apply(const Fit& fit, const TSkinData& data);

    // Builds and applies the window region for the window's size now. Unless `sameSizeToo`, a
    // window whose size has not changed since the last region keeps it.
    struct Shape {
        FrameMetrics metrics;
        BorderKind border = bkFixed;
        bool minimized = false;
        bool sameSizeToo = false;
    };
    void BuildRegion(const Shape& shape, const TSkinData& data);
    // The next region is built whatever the window's size.
    void ForgetRegionSize() { regionSize_ = SIZE{-1, -1}; }
    void RemoveRegion(bool redraw);

    // The native frame again round the client area the window has now (`client`); a window
    // whose client area is what the skin made it gets its own size back exactly.
    void GiveBackNativeFrame(const RECT& client);

private:
    void ShiftChildren(int dx);

    HWND window_;
    std::uint32_t originalStyle_ = 0;
    SIZE clientSize_{};
    SIZE originalWindowSize_{};
    SIZE skinnedClientSize_{-1, -1};
    bool captionStylesRemoved_ = false;
    bool regionSet_ = false;
    SIZE regionSize_{-1, -1};
    bool widened_ = false;
    int childShift_ = 0;
};

}  // namespace aw::skin
