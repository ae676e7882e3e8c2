#pragma once
// Registry keys and values. Key paths, value names and string values are UTF-8 here and go to
// the system's wide calls, so any name the registry holds can be read and removed.
#include "platform/handle.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace aw {

// An open registry key, closed on every path. The predefined root keys are never wrapped:
// only keys this program opened or created are owned.
class RegistryKey : public UniqueResource<ClosedWith<HKEY, &::RegCloseKey>> {
public:
    using UniqueResource::UniqueResource;

    // RegOpenKeyExW; an empty key on failure.
    static RegistryKey Open(HKEY root, const std::string& path, REGSAM access);
    // RegCreateKeyExW (no class, non-volatile); an empty key on failure.
    static RegistryKey Create(HKEY root, const std::string& path, REGSAM access);

    // Whether the open key holds a value of that name ("" is the default value).
    bool HasValue(const std::string& name) const;
    // Writes a REG_SZ value; false when it cannot.
    bool SetString(const std::string& name, const std::string& text) const;
    bool DeleteValue(const std::string& name) const;
    // The name of the sub-key at `index`: ERROR_SUCCESS with the name, ERROR_NO_MORE_ITEMS past
    // the last one, or the system's error.
    LONG SubKeyName(DWORD index, std::string& name) const;
    // The name of the value at `index`, the same way.
    LONG ValueName(DWORD index, std::string& name) const;
};

// Deletes a key that has no sub-keys.
bool DeleteRegistryKey(HKEY root, const std::string& path);

// Reading and writing single values addressed by a value path ("key path\value name", see
// platform/registry_path.h). Every one is silent: it returns false or nothing and leaves
// things as they were; a path without a backslash names nothing and fails at once.
// The key that holds the value a value path names, opened (or, with `create`, created) with
// `access`, and the value's name. The key is empty when the path holds no backslash or the key
// cannot be opened.
struct ValueKey {
    RegistryKey Key;
    std::string Name;
};
ValueKey OpenValueKey(HKEY root, const std::string& valuePath, REGSAM access, bool create = false);

// Stores the bytes as they are (a REG_SZ value's bytes are UTF-16 units).
bool RegWriteValue(HKEY root, const std::string& valuePath, DWORD type, const void* data, DWORD size);
bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text);

// The stored bytes, when the value exists and has the expected type.
std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType);
// A REG_SZ value's text, without its terminating zero.
std::optional<std::string> RegReadString(HKEY root, const std::string& valuePath);

bool RegValueExists(HKEY root, const std::string& valuePath);
bool RegKeyExists(HKEY root, const std::string& keyPath);
// Whether the key is there, also when this user may not open it.
bool RegKeyPresent(HKEY root, const std::string& keyPath);

} // namespace aw
