#include "app/tray_icon.h"

#include <cstring>

namespace aw {

void TrayIcon::Fill(HWND window, HICON icon, const std::string& tip)
{
    data_ = NOTIFYICONDATAA{};
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, tip.c_str(), sizeof data_.szTip);
    data_.hWnd = window;
    data_.uCallbackMessage = TrayCallbackMessage;
    data_.uID = 1;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
}

void TrayIcon::Add() const
{
    Shell_NotifyIconA(NIM_ADD, const_cast<NOTIFYICONDATAA*>(&data_));
}

void TrayIcon::Remove() const
{
    Shell_NotifyIconA(NIM_DELETE, const_cast<NOTIFYICONDATAA*>(&data_));
}

} // namespace aw
