#pragma once
// A top-level window built in code: its window class is the form's class name ("TForm1"), it
// has a fixed single border with the system menu and the minimise box, a client size, a font,
// and create, show and close events. It can be shown modeless or modal.
#include "ui/control.h"

namespace aw::ui {

enum class CloseAction { None, Hide, Free };

class Form : public WinControl {
public:
    Form(std::string name, const char* className, int clientWidth, int clientHeight);

    // Creates the window (hidden) and runs OnCreate. Controls are added from OnCreate's caller.
    void CreateForm();
    // For a form built without CreateForm: creates its window (hidden) and its controls' windows
    // from their state, the first time a window is needed. Showing and closing ask for it.
    void HandleNeeded();

    void Show();
    void Hide();
    // Shows the form modally: other windows of the thread are disabled until it closes.
    void ShowModal();
    bool Modal() const { return modal_; }
    // Asks the form to close, as the close box does.
    void Close();
    bool IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

    std::function<void()> OnCreate;
    // Runs every time the form goes from hidden to visible, before it is drawn.
    std::function<void()> OnShow;
    std::function<void(CloseAction&)> OnClose;
    // Messages the form's owner wants to see first (tray callbacks, session end).
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> OnMessage;

protected:
    HWND CreateWindowHandle(HWND parent) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DoClose();
    int clientWidth_;
    int clientHeight_;
    bool modal_ = false;
};

} // namespace aw::ui
