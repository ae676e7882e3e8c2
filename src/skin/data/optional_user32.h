#pragma once
// user32 entry points that older systems lack, looked up once when first asked for.

#include <windows.h>

namespace aw::skin {

struct OptionalUser32 {
    using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
    using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
    using DisableProcessWindowsGhostingFn = VOID(WINAPI*)();

    GetScrollBarInfoFn getScrollBarInfo = nullptr;
    TrackMouseEventFn trackMouseEvent = nullptr;
    GetComboBoxInfoFn getComboBoxInfo = nullptr;
    DisableProcessWindowsGhostingFn disableProcessWindowsGhosting = nullptr;
};

// The process's lookup, made on the first call.
const OptionalUser32& User32Extras();

// A lookup made now, for tests and for callers that must not share the process's one.
OptionalUser32 LookUpUser32Extras();

}  // namespace aw::skin
