#pragma once
// The hint under a hovered caption button ("Close", "Maximize", ...), shown in the skin's
// tracking tooltip once the mouse has rested on the button long enough, and hidden again.

#include <windows.h>

#include <string>

namespace aw::skin {

class TSkinData;

class CaptionHint {
public:
    CaptionHint(HWND window, TSkinData& data) : window_(window), data_(data) {}

    // One tick of the hover timer, `intervalMs` long, with the mouse resting on a caption
    // button whose hint is `text` (empty when it has none). `at` is where the hint shows.
    void Tick(int intervalMs, const std::string& text, POINT at);
    // Hides the hint and starts the hover time again.
    void Hide();
    // The mouse is not over a caption button: the hover time starts again.
    void ResetHoverTime() { hoverTimeMs_ = 0; }
    // The hint text showing now (empty when none).
    const std::string& Shown() const { return shown_; }

private:
    void Show(const std::string& text, POINT at);

    HWND window_;
    TSkinData& data_;
    int hoverTimeMs_ = 0;
    std::string shown_;
};

}  // namespace aw::skin
