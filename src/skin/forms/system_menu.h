#pragma once
// The skinned system menu: an owner-drawn popup built from the window's own system menu (or
// the fixed items of systems that give none), opened from the icon, the caption's right
// button or Alt+Space; and the system commands its items send.

#include <windows.h>

#include "skin/forms/form_geometry.h"
#include "skin/forms/form_kinds.h"
#include "skin/forms/menu_items.h"

namespace aw::skin {

class TSkinData;

// A command identifier the skinned system menu sends through WM_COMMAND; the window gets it
// again as WM_SYSCOMMAND.
bool IsSystemCommandId(UINT id);

class SystemMenu {
public:
    explicit SystemMenu(HWND window) : window_(window) {}

    // The system menu exists only while the window has WS_SYSMENU, so it is fetched before the
    // skin takes the caption styles away.
    void Fetch() { native_ = ::GetSystemMenu(window_, FALSE); }

    bool Exists() const { return native_ != nullptr; }
    // Whether a menu about to open is this one (WM_INITMENUPOPUP).
    bool IsSystemMenu(HMENU menu) const { return menu == native_ || menu == open_; }
    // The popup open now, null when none is.
    HMENU OpenPopup() const { return open_; }

    // What decides which items are enabled.
    struct WindowFacts {
        BorderKind border = bkFixed;
        WindowState state = WindowState::Normal;
        int capabilities = 0;
    };
    enum class Opening { Opened, RepeatedTooSoon };
    // Opens the popup at a screen point and tracks it; the items' images come from the skin's
    // menu glyphs. A second request within the double-click time opens nothing: the caller
    // decides what a double click means.
    Opening Open(POINT screen, const WindowFacts& facts, TSkinData& data, MenuItemStore& items);

private:
    HWND window_;
    HMENU native_ = nullptr;  // owned by the window
    HMENU open_ = nullptr;
    DWORD lastOpenedTick_ = 0;
    bool openedOnce_ = false;
};

}  // namespace aw::skin
