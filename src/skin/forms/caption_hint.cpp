#include "skin/forms/caption_hint.h"

#include <commctrl.h>

#include "skin/data/skin_data.h"

namespace aw::skin {

namespace {

// The application's hint pauses (the framework keeps the platform's usual values). The hint
// shows after twice the hint pause and stays for the hide pause.
constexpr int kHintPauseMs = 500;
constexpr int kHintHidePauseMs = 2500;
constexpr int kShowFromMs = 2 * kHintPauseMs;
constexpr int kHideFromMs = kShowFromMs + kHintHidePauseMs;
constexpr int kMaxHintWidth = 500;

TOOLINFOA ToolOf(HWND window)
{
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = window;
    info.uId = 1;
    return info;
}

}  // namespace

void CaptionHint::Tick(int intervalMs, const std::string& text, POINT at)
{
    hoverTimeMs_ += intervalMs;
    if (text.empty()) return;
    if (hoverTimeMs_ >= kShowFromMs && hoverTimeMs_ < kHideFromMs) {
        if (shown_.empty()) Show(text, at);
    } else if (hoverTimeMs_ >= kHideFromMs) {
        Hide();
        hoverTimeMs_ = kHideFromMs;  // stays hidden until the mouse leaves
    }
}

void CaptionHint::Show(const std::string& text, POINT at)
{
    const HWND tip = data_.HintWindow();
    shown_ = text;
    if (!tip) return;
    TOOLINFOA info = ToolOf(window_);
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.lpszText = shown_.data();
    ::SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, kMaxHintWidth);
    ::SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    ::SendMessageA(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void CaptionHint::Hide()
{
    hoverTimeMs_ = 0;
    if (shown_.empty()) return;
    shown_.clear();
    const HWND tip = data_.HintWindow();
    if (!tip) return;
    TOOLINFOA info = ToolOf(window_);
    ::SendMessageA(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    ::SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace aw::skin
