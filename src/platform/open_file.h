#pragma once
// Files opened by name, and the name the system gives an open file.
#include "platform/handle.h"

#include <windows.h>

#include <string>

namespace aw {

// CreateFileW on the path (UTF-8, any length); an empty handle when it cannot be opened or the
// path names nothing. GetLastError tells why.
UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                      DWORD flags = FILE_ATTRIBUTE_NORMAL);

// The system's own name of an open file or folder, every link on the way resolved, in the
// kernel's form ("\??\C:\..." under Wine, "\Device\HarddiskVolume2\..." on Windows), as UTF-8
// in `name`, however long. False, with `name` empty, when the system does not answer.
bool ResolvedNameOf(HANDLE handle, std::string& name);

// Reads at most `limit` bytes from the start of a file into `text`; false when it cannot be
// opened or read. Every sharing mode is allowed, so a file another program has open is read too.
bool ReadFileStart(const std::string& path, std::size_t limit, std::string& text);

} // namespace aw
