#include "ui/application.h"

#include "platform/wide_text.h"
#include "ui/form.h"

#include <commctrl.h>

namespace aw::ui {

Application& Application::Instance()
{
    static Application application;
    return application;
}

Application::Application()
{
    seams_.MessageBox = [](const std::string& text, const std::string& caption, unsigned style) {
        return ::MessageBoxA(nullptr, AnsiForDisplay(text).c_str(), caption.c_str(), style);
    };
    seams_.ErrorBox = [this](const std::string& text) {
        // Error texts may name a file, in UTF-8.
        ::MessageBoxA(mainForm_ ? mainForm_->Handle() : nullptr, AnsiForDisplay(text).c_str(), title_.c_str(),
                      MB_OK | MB_ICONSTOP);
    };
    seams_.ExitProcess = [](unsigned code) { ::ExitProcess(code); };
    seams_.TickCount = [] { return static_cast<std::uint32_t>(::GetTickCount()); };
    seams_.Sleep = [](unsigned ms) { ::Sleep(ms); };
}

void Application::Initialize()
{
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
}

bool Application::PreTranslate(MSG& message)
{
    // Dialog keys (Tab, arrows between buttons, Enter, Escape) for the form the message is for.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!root)
        return false;
    if (!dynamic_cast<Form*>(WinControl::FromHandle(root)))
        return false;
    if (message.message == WM_KEYDOWN || message.message == WM_CHAR || message.message == WM_SYSCHAR ||
        message.message == WM_SYSKEYDOWN)
        return IsDialogMessageA(root, &message) != FALSE;
    return false;
}

void Application::Run(bool showMainForm)
{
    if (mainForm_ && showMainForm)
        mainForm_->Show();
    MSG message;
    while (!terminated_) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    terminated_ = true;
}

void Application::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void Application::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::HandleException(const std::exception& error)
{
    if (seams_.ErrorBox)
        seams_.ErrorBox(error.what());
}

int Application::ShowMessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    return seams_.MessageBox(text, caption, style);
}

void Application::EndProcess(unsigned exitCode)
{
    seams_.ExitProcess(exitCode);
}

std::uint32_t Application::TickCount()
{
    return seams_.TickCount();
}

void Application::Sleep(unsigned milliseconds)
{
    seams_.Sleep(milliseconds);
}

} // namespace aw::ui
