#pragma once
// Where the user's folders lie on this machine. Every call asks the system again; nothing is
// kept. A folder the system cannot name is the empty string.
#include <string>

namespace aw {

// CSIDL numbers the program uses.
constexpr int kCsidlRecent = 8;
constexpr int kCsidlAppData = 26;
constexpr int kCsidlLocalAppData = 28;
constexpr int kCsidlInternetCache = 32;
constexpr int kCsidlCookies = 33;
constexpr int kCsidlHistory = 34;
constexpr int kCsidlCommonAppData = 35;
constexpr int kCsidlProgramFiles = 38;

// The special folder's path as the shell gives it, without a trailing backslash.
std::string GetSpecialFolder(int csidl);
// Normally without a trailing backslash.
std::string GetWindowsFolder();
std::string GetSystemFolder();
// With the trailing backslash the system gives.
std::string GetTempFolder();
// The folder of the running executable, ending in a backslash.
std::string GetExeFolder();

} // namespace aw
