#pragma once
// The one way the cleaner deletes a file it has already found.
#include <windows.h>

#include <string>

namespace aw {

// Deletes the file at path, whose attributes the caller already knows (from the directory
// entry or GetFileAttributesA). Read-only files need their attribute cleared first; it is put
// back when the file still cannot be deleted. Hidden and system files delete as they are.
bool RemoveFoundFile(const std::string& path, DWORD attributes);

} // namespace aw
