#pragma once
// The one notification-area icon of the process, as the first version of NOTIFYICONDATAA
// (88 bytes). Filled once; the same record is passed to every add and delete, whose results
// are not looked at (adding a present icon or deleting an absent one is harmless).
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace aw {

constexpr UINT TrayCallbackMessage = WM_USER + 1; // 1025

class TrayIcon {
public:
    void Fill(HWND window, HICON icon, const std::string& tip);
    void Add() const;
    void Remove() const;
    const NOTIFYICONDATAA& Record() const { return data_; }

private:
    NOTIFYICONDATAA data_{};
};

} // namespace aw
