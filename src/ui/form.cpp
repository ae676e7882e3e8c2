#include "ui/form.h"

#include "ui/application.h"

#include <vector>

namespace aw::ui {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

struct DisabledWindows {
    std::vector<HWND> windows;
    HWND except;
};

BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM data)
{
    auto* disabled = reinterpret_cast<DisabledWindows*>(data);
    if (window != disabled->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

Form::Form(std::string name, const char* className, int clientWidth, int clientHeight)
    : WinControl(std::move(name), className), clientWidth_(clientWidth), clientHeight_(clientHeight)
{
}

HWND Form::CreateWindowHandle(HWND)
{
    EnsureWindowClass(className_, CS_DBLCLKS, COLOR_BTNFACE, ApplicationIcon(), ApplicationSmallIcon());
    RECT frame{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int left = work.left + ((work.right - work.left) - width) / 2;
    int top = work.top + ((work.bottom - work.top) - height) / 2;
    bounds_ = Bounds{left, top, width, height};
    return CreateWindowExA(kFormExStyle, className_, caption_.c_str(), kFormStyle, left, top, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Form::CreateForm()
{
    HWND window = CreateWindowHandle(nullptr);
    Attach(window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    if (OnCreate)
        OnCreate();
}

void Form::HandleNeeded()
{
    if (!hwnd_)
        CreateHandleTree(nullptr);
}

void Form::Show()
{
    HandleNeeded();
    ShowWindow(hwnd_, SW_SHOW);
    if (IsIconic(hwnd_))
        ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
    BringWindowToTop(hwnd_);
}

void Form::Hide()
{
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

void Form::ShowModal()
{
    if (modal_)
        return;
    HandleNeeded();
    DisabledWindows disabled{{}, hwnd_};
    EnumThreadWindows(GetCurrentThreadId(), DisableThreadWindow, reinterpret_cast<LPARAM>(&disabled));
    modal_ = true;
    Show();
    Application& application = Application::Instance();
    for (;;) {
        application.ProcessMessages();
        if (!modal_ || !IsWindowVisible(hwnd_) || application.Terminated())
            break;
        WaitMessage();
    }
    modal_ = false;
    for (HWND window : disabled.windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    Hide();
}

void Form::Close()
{
    if (!hwnd_)
        return; // never shown: nothing to close
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void Form::DoClose()
{
    Application& application = Application::Instance();
    CloseAction action = application.MainForm() == this ? CloseAction::Free : CloseAction::Hide;
    if (OnClose)
        OnClose(action);
    switch (action) {
    case CloseAction::None:
        break;
    case CloseAction::Hide:
        modal_ = false;
        Hide();
        break;
    case CloseAction::Free:
        modal_ = false;
        Hide();
        if (application.MainForm() == this)
            application.Terminate();
        break;
    }
}

bool Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (OnMessage && OnMessage(message, wParam, lParam, result))
        return true;
    switch (message) {
    case WM_SHOWWINDOW:
        // Only a real hidden-to-visible change, not a parent opening or restoring.
        if (wParam && lParam == 0 && !IsWindowVisible(hwnd_) && OnShow)
            OnShow();
        break;
    case WM_CLOSE:
        DoClose();
        result = 0;
        return true;
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(hwnd_, &area);
        FillBackground(reinterpret_cast<HDC>(wParam), area);
        result = 1;
        return true;
    }
    case WM_PAINT:
        if (HasGraphicChildren()) {
            PaintDC paint(hwnd_);
            PaintGraphicChildren(paint.Get());
            result = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return WinControl::HandleMessage(message, wParam, lParam, result);
}

} // namespace aw::ui
