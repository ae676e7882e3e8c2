#include "cleaner/registry_primitives.h"

#include "cleaner/registry_paths.h"
#include "platform/registry_key.h"

namespace aw {

namespace {

// Deleting asks for KEY_WRITE, and for a tree also KEY_ENUMERATE_SUB_KEYS to walk it.
constexpr REGSAM kWriteAccess = KEY_WRITE;                            // 0x20006
constexpr REGSAM kTreeAccess = KEY_WRITE | KEY_ENUMERATE_SUB_KEYS;    // 0x2000E

} // namespace

bool RegRemoveValue(HKEY root, const std::string& valuePath)
{
    ValueKey value = OpenValueKey(root, valuePath, kWriteAccess);
    return value.Key && value.Key.DeleteValue(value.Name);
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
        std::string name;
        LONG result = key.SubKeyName(0, name);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            return false;
        std::string child = keyPath.back() == '\\' ? keyPath : keyPath + "\\";
        if (!RegRemoveKeyTree(root, child + name))
            return false;
    }
    key.Reset();
    return DeleteRegistryKey(root, keyPath);
}

bool RegKeyLeft(HKEY root, const std::string& keyPath)
{
    return IsDeletableKeyPath(keyPath) && RegKeyPresent(root, keyPath);
}

bool RegValueLeft(HKEY root, const std::string& valuePath)
{
    return RegValueExists(root, valuePath);
}

} // namespace aw
