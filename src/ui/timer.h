#pragma once
// A timer that runs its handler on the user-interface thread, through a message-only window.
#include <windows.h>

#include <functional>

namespace aw::ui {

class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Starts (or restarts) the timer with the given interval.
    void Start(unsigned intervalMs);
    void Stop();
    bool Enabled() const { return enabled_; }

    std::function<void()> OnTimer;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    bool enabled_ = false;
};

} // namespace aw::ui
