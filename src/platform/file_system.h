#pragma once
// What lies at a path, and the few changes the program makes to folders and files by name.
// Paths are UTF-8 of any length (long ones go to the system in the "\\?\" form). Every answer
// is for the entry the path names: a link (junction, symbolic link, mount point) answers for
// itself, not for what it leads to. A path that is empty or cannot be a name names nothing.
#include <windows.h>

#include <string>

namespace aw {

// The entry's attributes; INVALID_FILE_ATTRIBUTES when there is none. With a trailing
// separator the system answers for a link's target instead.
DWORD FileAttributesOf(const std::string& path);

// Something is there: a file or a folder.
bool PathExists(const std::string& path);
// A file, not a folder.
bool FileExists(const std::string& path);
// A folder; a link to a folder counts.
bool FolderExists(const std::string& path);
// A folder that is no link itself, so a walk may enter it. Trailing separators are ignored:
// the answer is for the entry, never for a link's target.
bool PlainFolderExists(const std::string& path);

// True when the folder does not exist or holds no entry but "." and "..". A folder that
// cannot be searched is not known to be empty. The folder may end in a backslash or not.
bool IsFolderEmpty(const std::string& folder);

// Removes an empty folder, or a link to a folder (never what it leads to).
bool RemoveFolder(const std::string& path);
// Asks the system to delete the file at its next start.
bool DeleteAtNextStart(const std::string& path);
// The path made absolute as the system does it (against the current drive and folder); empty
// when the system cannot.
std::string FullPathOf(const std::string& path);
// The existing path with every short (8.3) part in its long form, as the system names it;
// empty when it does not exist or the system does not say. Short paths only (below MAX_PATH).
std::string LongPathOf(const std::string& path);

} // namespace aw
