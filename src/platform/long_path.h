#pragma once
// The form in which a path is handed to the system's wide calls. No Win32 here.
//
// The system reads a path as written only up to MAX_PATH characters; longer ones must be given
// in the "\\?\" form, which it takes literally: no "/" turned into "\", no doubled separator
// collapsed, no "." or ".." resolved, no trailing dot or space trimmed. So a path goes as it
// stands while it is short, and a long one is first brought to the form the system would have
// made of it, or refused where that form is not certain.
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// Paths of fewer UTF-16 units go to the system as they are: MAX_PATH (260) less the room the
// system keeps for an 8.3 name when it creates a folder.
constexpr std::size_t kPlainPathUnits = 248;

// The UTF-8 text to convert and hand to a wide call:
//  - a path shorter than kPlainPathUnits, or one already in a device form ("\\?\", "\\.\",
//    "\??\"), exactly as given;
//  - a longer fully qualified path, "X:\..." or "\\server\share\...", as "\\?\X:\..." or
//    "\\?\UNC\server\share\...", with "/" read as "\", runs of separators as one, "." levels
//    dropped and ".." levels taking away the level before them.
// Nothing for a longer path that is relative or drive-relative, that climbs above its root, or
// that has a level ending in a dot or a space (the system trims those from a plain path, so
// what it would name is not certain).
std::optional<std::string> WideCallPath(std::string_view path);

} // namespace aw
