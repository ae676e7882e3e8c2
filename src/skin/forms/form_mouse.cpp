// The non-client mouse of a skinned form: what is under the mouse, pressing, releasing and
// double-clicking caption buttons and menu-bar items, what caption buttons do, and the hover
// timer that notices the mouse leaving and shows the caption hint.

#include "skin/forms/win_skin_form.h"

#include "skin/forms/window_queries.h"
#include "skin/manager/skin_manager.h"

namespace aw::skin {

POINT TWinSkinForm::ToWindowPoint(LPARAM screenPoint) const
{
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    const POINT p = PointOf(screenPoint);
    return POINT{p.x - outer.left, p.y - outer.top};
}

// A caption button at the point, else a menu-bar item.
TNCObject* TWinSkinForm::ObjectAt(POINT p) const
{
    if (TWinSysButton* button = buttons_.At(p)) return button;
    return menuBar_ ? menuBar_->ItemAt(p) : nullptr;
}

std::optional<LRESULT> TWinSkinForm::OnNcMouseMove(LPARAM lParam)
{
    if (!active_) return std::nullopt;
    if (TNCObject* object = ObjectAt(ToWindowPoint(lParam))) {
        object->Hover();
        return 0;
    }
    if (TNCObject* hot = hot_.Hot()) hot->Leave();
    return std::nullopt;
}

std::optional<LRESULT> TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    hint_.Hide();
    if (TNCObject* object = ObjectAt(ToWindowPoint(lParam))) {
        if (!active_) ::SetForegroundWindow(window_);
        object->Press();
        if (auto* item = dynamic_cast<TMenuBtn*>(object)) menuBar_->Open(*item);
        return 0;
    }
    // A maximized window cannot be dragged by its caption.
    if (windowState_ == WindowState::Maximized && wParam == HTCAPTION && active_)
        return Previous(WM_NCLBUTTONDOWN, HTMENU, lParam);
    return std::nullopt;
}

std::optional<LRESULT> TWinSkinForm::OnNcLButtonUp(LPARAM lParam)
{
    TNCObject* object = ObjectAt(ToWindowPoint(lParam));
    if (!object) return std::nullopt;
    if (auto* button = dynamic_cast<TWinSysButton*>(object); button && button == hot_.Hot()) {
        button->Release();
        RunAction(*button, PointOf(lParam));
    }
    return 0;
}

// A double click on the icon closes the window; one on the caption maximizes or restores it.
std::optional<LRESULT> TWinSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    auto* button = dynamic_cast<TWinSysButton*>(ObjectAt(ToWindowPoint(lParam)));
    if (button && button->IsIconButton()) {
        StopHoverTimer();
        ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (wParam == HTCAPTION && !button) {
        if (windowState_ != WindowState::Normal) {
            SysCommand(SC_RESTORE);
            return 0;
        }
        if (caps_ & capMaximize) {
            SysCommand(SC_MAXIMIZE);
            return 0;
        }
    }
    if (button) return 0;
    return std::nullopt;
}

// The right button on the caption opens the skinned system menu; the platform would open its
// own on the button's release.
std::optional<LRESULT> TWinSkinForm::OnNcRButton(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam != HTCAPTION || IsMdiChild()) return std::nullopt;
    if (message == WM_NCRBUTTONDOWN) OpenSystemMenu(PointOf(lParam));
    return 0;
}

// Asks for a maximize, restore or minimize and takes the new state at once.
void TWinSkinForm::SysCommand(WPARAM command)
{
    TakeStateOfCommand(static_cast<UINT>(command));
    ::PostMessageA(window_, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::RunAction(TWinSysButton& button, POINT screen)
{
    const HWND mdiClient = ::FindWindowExA(window_, nullptr, "MDIClient", nullptr);
    auto sendToActiveChild = [mdiClient](WPARAM command) {
        const HWND child =
            mdiClient ? reinterpret_cast<HWND>(::SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
        if (child) ::SendMessageA(child, WM_SYSCOMMAND, command, 0);
    };
    switch (CaptionActionOf(button.Element().Action)) {
    case CaptionAction::Close:
        StopHoverTimer();
        ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CaptionAction::MaximizeOrRestore:
        if (!button.enabled) break;
        if (IsMdiChild() && windowState_ != WindowState::Maximized)
            if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIMaximized(true);
        SysCommand(windowState_ == WindowState::Maximized ? SC_RESTORE : SC_MAXIMIZE);
        break;
    case CaptionAction::MinimizeOrRestore:
        if (button.enabled) SysCommand(windowState_ == WindowState::Minimized ? SC_RESTORE : SC_MINIMIZE);
        break;
    case CaptionAction::SystemMenu: OpenSystemMenu(POINT{screen.x + 1, screen.y + 1}); break;
    case CaptionAction::ContextHelp: ::PostMessageA(window_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); break;
    case CaptionAction::MdiMinimize: sendToActiveChild(SC_MINIMIZE); break;
    case CaptionAction::MdiRestore: sendToActiveChild(SC_RESTORE); break;
    case CaptionAction::MdiClose: sendToActiveChild(SC_CLOSE); break;
    case CaptionAction::Notify:
        ::PostMessageA(window_, kMsgCaptionButtonAction, static_cast<WPARAM>(button.Element().Action), 0);
        break;
    }
}

void TWinSkinForm::OpenSystemMenu(POINT screen)
{
    const SystemMenu::WindowFacts facts{border_, windowState_, caps_};
    if (systemMenu_.Open(screen, facts, data_, menuItems_) == SystemMenu::Opening::Opened) return;
    // Asked again within the double-click time: the icon clicked twice closes the window.
    if (dynamic_cast<TWinSysButton*>(hot_.Hot())) {
        StopHoverTimer();
        ::PostMessageA(window_, WM_CLOSE, 0, 0);
    }
}

void TWinSkinForm::OnHoverTimer()
{
    TNCObject* hot = hot_.Hot();
    if (!hot) {
        hint_.ResetHoverTime();
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    if (!Contains(hot->rect, POINT{cursor.x - outer.left, cursor.y - outer.top})) {
        hot->Leave();
        hint_.ResetHoverTime();
        return;
    }
    auto* button = dynamic_cast<TWinSysButton*>(hot);
    if (!button || !data_.Options.Contains(xoCaptionButtonHint)) return;
    hint_.Tick(kHoverIntervalMs, CaptionButtonHint(button->Element().Action),
               POINT{outer.left + button->rect.left, cursor.y + 24});
}

}  // namespace aw::skin
