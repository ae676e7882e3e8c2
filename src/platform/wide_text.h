#pragma once
// Where the program's UTF-8 texts meet the system's UTF-16 and ANSI ones. Every name the
// program hands to a wide call, and every name a wide call gives back, passes through here.
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// The UTF-16 form of a UTF-8 text; nothing when the text is not well-formed, so that a bad
// name never turns into the empty one (which names the root of a registry key, or nothing).
std::optional<std::wstring> WideFromUtf8(std::string_view text);
// The UTF-8 form of what the system gave.
std::string Utf8FromWide(std::wstring_view text);

// A path as a wide call takes it: the "\\?\" form when it is long (platform/long_path.h);
// nothing when it names nothing.
std::optional<std::wstring> WidePath(std::string_view path);

// Texts in the system's ANSI code page (files written by earlier versions, or by programs that
// know no other) and back. Nothing when the UTF-8 text holds a character the code page cannot
// spell, or one it would spell as another (no best-fit letters).
std::string Utf8FromAnsi(std::string_view ansi);
std::optional<std::string> AnsiFromUtf8(std::string_view text);
// A UTF-8 text for a window that shows ANSI text (a message box): what the code page cannot
// spell becomes the system's stand-in character.
std::string AnsiForDisplay(std::string_view text);

} // namespace aw
