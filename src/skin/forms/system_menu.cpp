#include "skin/forms/system_menu.h"

#include "platform/handle.h"
#include "skin/data/skin_data.h"
#include "skin/manager/skin_manager.h"

namespace aw::skin {

namespace {

// The image of an item in the menu-glyph list.
int SystemMenuGlyph(UINT id)
{
    switch (id & 0xFFF0) {
    case SC_RESTORE: return 0;
    case SC_MAXIMIZE: return 1;
    case SC_MINIMIZE: return 2;
    case SC_CLOSE: return 3;
    default: return -1;
    }
}

bool ItemEnabled(UINT id, const SystemMenu::WindowFacts& facts)
{
    switch (id & 0xFFF0) {
    case SC_RESTORE: return facts.state != WindowState::Normal;
    case SC_MOVE: return facts.state != WindowState::Maximized;
    case SC_SIZE: return facts.border == bkSizeable && facts.state == WindowState::Normal;
    case SC_MINIMIZE: return (facts.capabilities & capMinimize) && facts.state != WindowState::Minimized;
    case SC_MAXIMIZE: return (facts.capabilities & capMaximize) && facts.state != WindowState::Maximized;
    default: return true;
    }
}

void AppendCommand(HMENU popup, UINT id, const char* text, const SystemMenu::WindowFacts& facts)
{
    ::AppendMenuA(popup, MF_STRING | (ItemEnabled(id, facts) ? 0 : MF_GRAYED), id, text);
}

void CopyNativeItems(HMENU native, HMENU popup, const SystemMenu::WindowFacts& facts)
{
    const int count = ::GetMenuItemCount(native);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!::GetMenuItemInfoA(native, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.fType & MFT_SEPARATOR)
            ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendCommand(popup, info.wID, text, facts);
    }
}

// The fixed items of systems that give no system menu.
void AppendFixedItems(HMENU popup, const SystemMenu::WindowFacts& facts)
{
    AppendCommand(popup, SC_RESTORE, "Restore", facts);
    AppendCommand(popup, SC_MAXIMIZE, "Maximize", facts);
    AppendCommand(popup, SC_MINIMIZE, "Minimize", facts);
    ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(popup, MF_STRING, SC_CLOSE, "Close\tALT+F4");
}

}  // namespace

bool IsSystemCommandId(UINT id)
{
    switch (id & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE: return true;
    default: return false;
    }
}

SystemMenu::Opening SystemMenu::Open(POINT screen, const WindowFacts& facts, TSkinData& data, MenuItemStore& items)
{
    const DWORD now = ::GetTickCount();
    if (openedOnce_ && now - lastOpenedTick_ < ::GetDoubleClickTime()) return Opening::RepeatedTooSoon;
    openedOnce_ = true;
    lastOpenedTick_ = now;
    if (TSkinManage* manager = TSkinManage::Current()) manager->SetPopupKind(PopupKind::System);

    UniqueMenu popup(::CreatePopupMenu());
    if (!popup) return Opening::Opened;
    if (native_ && ::GetMenuItemCount(native_) > 0)
        CopyNativeItems(native_, popup.Get(), facts);
    else
        AppendFixedItems(popup.Get(), facts);
    ::SetMenuDefaultItem(popup.Get(), SC_CLOSE, FALSE);
    items.Adopt(popup.Get(), data.MenuGlyphs(), [](UINT id) { return SystemMenuGlyph(id); });
    open_ = popup.Get();
    ::TrackPopupMenu(popup.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_,
                     nullptr);
    open_ = nullptr;
    items.Release(popup.Get());
    return Opening::Opened;
}

}  // namespace aw::skin
