#pragma once
// The program's entries in the current user's Run key, through which Windows starts it at
// logon: to clean once and end ("-clean"), or hidden in the tray ("-startup").
#include "ui/controls.h"

#include <string>

namespace aw {

constexpr int AutostartClean = 1;
constexpr int AutostartStartup = 2;

// The Run key below HKEY_CURRENT_USER.
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The entry's data: the executable's path in double quotes, so that the switch stays the first
// argument whatever the path holds, then the mode's switch. Empty for an unknown mode.
std::string AutostartCommand(const std::string& exePath, int mode);

// Writes (enable) or deletes (not enable) the Run-key value of that name, for the running
// executable. Nothing happens when the Run key cannot be opened, when the value to delete does
// not exist, or for an unknown mode. A failed write throws std::runtime_error
// "Failed to set data for '<name>'".
void SetAutostart(const std::string& valueName, bool enable, int mode);

// The handlers of "Delete selected traces when Windows starts" and "Start with Windows": the
// entries are named after the application's title ("<title> Schedule", "<title> Startup").
void OnCleanAtWindowsStartClicked(const ui::CheckBox& cleanAtStart);
void OnStartWithWindowsClicked(const ui::CheckBox& startWithWindows);

} // namespace aw
