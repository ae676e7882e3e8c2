#pragma once
// Text rules for the paths the cleaner builds and walks. No file system access here.
#include <string>
#include <string_view>

namespace aw {

// The longest path the system's wide calls take, in UTF-16 units, terminating zero included.
// A path fits when it does in its "\\?\" form (paths are UTF-8). Longer paths are skipped,
// never cut down to some other, shorter path.
constexpr std::size_t kPathLimit = 32767;
bool FitsPathLimit(std::string_view path);

// Adds a backslash unless the text already ends in one (or in a forward slash).
std::string WithTrailingBackslash(std::string path);

// Replaces every run of backslashes by one, except the two that open a UNC or device path.
// Paths are joined from a folder with a trailing backslash and a fragment that starts with
// one, so doubled separators are normal.
std::string CollapseDoubledBackslashes(std::string_view path);

// True only for a fully qualified folder ("X:\..." or "\\server\share\...") that still names
// something below its root once "." and ".." are resolved. Empty paths, relative paths, drive
// roots, UNC shares and device paths are refused: deleting "in" any of them would take a whole
// drive, or whatever happens to be the current directory.
bool IsSafeFolderTarget(std::string_view path);

// The directory entries every search returns and every walk skips.
bool IsDotEntry(std::string_view name);

// Case-insensitive wildcard match of a long file name against a mask ("*", "?"). "*.*" matches
// every name, also one without a dot. Directory searches also match a file's 8.3 alias, so a
// search for "*.log" returns "notes.logbook" (alias "NOTES~1.LOG"); filtering the long name
// again keeps the deletion to what the mask says.
bool MatchesMask(std::string_view name, std::string_view mask);

// A mask names files of one folder: not empty, no separator, no drive.
bool IsPlainMask(std::string_view mask);

// Plain masks joined by single backslashes ("sub*\\name.*"): entries of nested folders.
bool IsPlainMaskPath(std::string_view path);
// The first mask of such a path, and what follows its backslash (empty for the last mask).
struct MaskLevel {
    std::string_view Here;
    std::string_view Below;
};
MaskLevel SplitMaskPath(std::string_view path);

// "index.dat", whole name, case-sensitive: only this name is ever registered for deletion at
// the next system start.
bool IsIndexDatName(std::string_view name);

// True when `resolved`, the path the system reports for an open directory entry, is the entry
// `name` of the folder the system reports as `resolvedFolder`: the same text, ASCII letters
// compared without case. Anything else means a link led somewhere else.
bool IsEntryOfFolder(std::string_view resolvedFolder, std::string_view name, std::string_view resolved);

} // namespace aw
