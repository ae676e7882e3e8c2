#include "ui/timer.h"

#include "ui/application.h"

#include <stdexcept>

namespace aw::ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr char kTimerClass[] = "TTimerWindow";
} // namespace

Timer::Timer()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(instance, kTimerClass, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Timer::WindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kTimerClass;
        if (!RegisterClassExA(&wc))
            throw std::runtime_error("Cannot register the timer window class");
    }
    window_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    if (!window_)
        throw std::runtime_error("Cannot create the timer window");
}

Timer::~Timer()
{
    Stop();
    if (window_)
        DestroyWindow(window_);
}

void Timer::Start(unsigned intervalMs)
{
    // A timer the system refuses is reported as not running rather than silently never firing.
    enabled_ = SetTimer(window_, kTimerId, intervalMs, nullptr) != 0;
}

void Timer::Stop()
{
    if (enabled_)
        KillTimer(window_, kTimerId);
    enabled_ = false;
}

LRESULT CALLBACK Timer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_TIMER) {
        auto* self = reinterpret_cast<Timer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && self->OnTimer) {
            try {
                self->OnTimer();
            } catch (const std::exception& error) {
                Application::Instance().HandleException(error);
            }
        }
        return 0;
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace aw::ui
