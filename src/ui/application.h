#pragma once
// The application object: its title, the message loop, ProcessMessages, the error box for an
// error that reached a handler, and the seams through which tests replace message boxes, the
// process end, the clock and sleeping.
#include <windows.h>

#include "ui/seams.h"

#include <exception>
#include <string>

namespace aw::ui {

class Form;

class Application {
public:
    static Application& Instance();

    // Registers the common controls the framework uses.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The form whose final close ends the application.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Runs the message loop until Terminate; shows the main form first when `showMainForm`.
    void Run(bool showMainForm);
    // Dispatches every pending message, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    void HandleException(const std::exception& error);

    Seams& GetSeams() { return seams_; }
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style);
    void EndProcess(unsigned exitCode);
    std::uint32_t TickCount();
    void Sleep(unsigned milliseconds);

private:
    Application();
    bool PreTranslate(MSG& message);

    std::string title_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    Seams seams_;
};

} // namespace aw::ui
