#include "skin/forms/mdi_client.h"

#include "platform/window_subclass.h"
#include "skin/forms/win_skin_form.h"
#include "skin/manager/skin_manager.h"

namespace aw::skin {

namespace {
constexpr UINT_PTR kMdiClientSubclassId = 0x534B;  // 'SK', as the frame's own
}  // namespace

MdiClientSkin::MdiClientSkin(HWND client, TWinSkinForm& frame, TSkinData& data)
    : client_(client), frame_(frame), data_(data), savedMenuUpdate_(data.MenuUpdate)
{
    aw::subclass::Set(client_, &MdiClientSkin::SubclassProc, kMdiClientSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

MdiClientSkin::~MdiClientSkin()
{
    if (::IsWindow(client_)) aw::subclass::Remove(client_, &MdiClientSkin::SubclassProc, kMdiClientSubclassId);
    data_.MenuUpdate = savedMenuUpdate_;
}

LRESULT CALLBACK MdiClientSkin::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return reinterpret_cast<MdiClientSkin*>(self)->Handle(message, wParam, lParam);
}

LRESULT MdiClientSkin::Previous(UINT message, WPARAM wParam, LPARAM lParam)
{
    return aw::subclass::CallNext(client_, message, wParam, lParam);
}

LRESULT MdiClientSkin::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    TSkinManage* manager = TSkinManage::Current();
    switch (message) {
    case WM_NCCALCSIZE:
        if (!data_.Options.Contains(xoMDIScrollbar)) {
            const LONG style = ::GetWindowLongA(client_, GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL))
                ::SetWindowLongA(client_, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
        break;
    case WM_MDICREATE: data_.MenuUpdate = false; break;
    case WM_MDIDESTROY: {
        const LRESULT result = Previous(message, wParam, lParam);
        ChildDestroyed();
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (manager && manager->MDIMaximized()) manager->SetMDIMaximized(false);
        break;
    case WM_MDISETMENU: {
        const LRESULT result = Previous(message, wParam, lParam);
        if (wParam) frame_.TakeNewMenu();
        return result;
    }
    case kMsgRedrawMdiFrame:
        ::RedrawWindow(frame_.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    default: break;
    }
    return Previous(message, wParam, lParam);
}

// With no active child left, the frame's own menu comes back to the menu bar.
void MdiClientSkin::ChildDestroyed()
{
    BOOL maximized = FALSE;
    const auto active =
        reinterpret_cast<HWND>(::SendMessageA(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIMaximized(active && maximized);
    if (active) return;
    data_.MenuUpdate = savedMenuUpdate_;
    frame_.RestoreMenuBar();
}

}  // namespace aw::skin
