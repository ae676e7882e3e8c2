#include "cleaner/registry_primitives.h"

#include "cleaner/registry_paths.h"
#include "platform/registry_key.h"

namespace aw {

namespace {

// Deleting asks for KEY_WRITE, and for a tree also KEY_ENUMERATE_SUB_KEYS to walk it.
constexpr REGSAM kWriteAccess = KEY_WRITE;                            // 0x20006
constexpr REGSAM kTreeAccess = KEY_WRITE | KEY_ENUMERATE_SUB_KEYS;    // 0x2000E
constexpr DWORD kSubKeyNameChars = 1024;

} // namespace

bool RegRemoveValue(HKEY root, const std::string& valuePath)
{
    ValueKey value = OpenValueKey(root, valuePath, kWriteAccess);
    return value.Key && RegDeleteValueA(value.Key.Get(), value.Name.c_str()) == ERROR_SUCCESS;
}

bool RegRemoveKeyTree(HKEY root, const std::string& keyPath)
{
    if (!IsDeletableKeyPath(keyPath))
        return false;
    RegistryKey key = RegistryKey::Open(root, keyPath, kTreeAccess);
    if (!key)
        return false;
    for (;;) {
        // Always the first sub-key: the one before it has just been deleted.
        char name[kSubKeyNameChars] = {};
        DWORD length = kSubKeyNameChars;
        LONG result = RegEnumKeyExA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            return false;
        std::string child = keyPath.back() == '\\' ? keyPath : keyPath + "\\";
        if (!RegRemoveKeyTree(root, child + std::string(name, length)))
            return false;
    }
    key.Reset();
    return RegDeleteKeyA(root, keyPath.c_str()) == ERROR_SUCCESS;
}

} // namespace aw
