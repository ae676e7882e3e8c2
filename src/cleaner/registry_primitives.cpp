#include "cleaner/registry_primitives.h"

#include "cleaner/registry_paths.h"
#include "platform/registry_key.h"

namespace aw {

namespace {

// The access masks the program asks for: KEY_WRITE, KEY_READ, and KEY_WRITE plus
// KEY_ENUMERATE_SUB_KEYS for walking a tree it deletes.
constexpr REGSAM kWriteAccess = KEY_WRITE;                            // 0x20006
constexpr REGSAM kReadAccess = KEY_READ;                              // 0x20019
constexpr REGSAM kTreeAccess = KEY_WRITE | KEY_ENUMERATE_SUB_KEYS;    // 0x2000E
constexpr DWORD kSubKeyNameChars = 1024;

} // namespace

bool RegWriteValue(HKEY root, const std::string& valuePath, DWORD type, const void* data, DWORD size)
{
    auto path = SplitValuePath(valuePath);
    if (!path)
        return false;
    RegistryKey key = RegistryKey::create(root, path->Key, kWriteAccess);
    if (!key)
        return false;
    return RegSetValueExA(key.get(), path->Name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text)
{
    return RegWriteValue(root, valuePath, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType)
{
    auto path = SplitValuePath(valuePath);
    if (!path)
        return std::nullopt;
    RegistryKey key = RegistryKey::open(root, path->Key, kReadAccess);
    if (!key)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), path->Name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<unsigned char> data(size);
    // A value that grew between the two questions no longer fits and fails with
    // ERROR_MORE_DATA: it is reported as unreadable rather than cut short.
    if (RegQueryValueExA(key.get(), path->Name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size) !=
            ERROR_SUCCESS ||
        type != expectedType)
        return std::nullopt;
    data.resize(size);
    return data;
}

std::optional<std::string> RegReadString(HKEY root, const std::string& valuePath)
{
    auto data = RegReadValue(root, valuePath, REG_SZ);
    if (!data)
        return std::nullopt;
    // Normally the text is every byte but the terminating zero. Values written without a
    // terminator (or with an empty size) exist too, so the text ends at the first zero or at
    // the end of the data, whichever comes first.
    std::string text(data->begin(), data->end());
    auto zero = text.find('\0');
    if (zero != std::string::npos)
        text.resize(zero);
    return text;
}

bool RegValueExists(HKEY root, const std::string& valuePath)
{
    auto path = SplitValuePath(valuePath);
    if (!path)
        return false;
    RegistryKey key = RegistryKey::open(root, path->Key, kReadAccess);
    if (!key)
        return false;
    return RegQueryValueExA(key.get(), path->Name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY root, const std::string& keyPath)
{
    return RegistryKey::open(root, keyPath, kReadAccess).valid();
}

bool RegRemoveValue(HKEY root, const std::string& valuePath)
{
    auto path = SplitValuePath(valuePath);
    if (!path)
        return false;
    RegistryKey key = RegistryKey::open(root, path->Key, kWriteAccess);
    if (!key)
        return false;
    return RegDeleteValueA(key.get(), path->Name.c_str()) == ERROR_SUCCESS;
}

bool RegRemoveKeyTree(HKEY root, const std::string& keyPath)
{
    if (!IsDeletableKeyPath(keyPath))
        return false;
    RegistryKey key = RegistryKey::open(root, keyPath, kTreeAccess);
    if (!key)
        return false;
    for (;;) {
        // Always the first sub-key: the one before it has just been deleted.
        char name[kSubKeyNameChars] = {};
        DWORD length = kSubKeyNameChars;
        LONG result = RegEnumKeyExA(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            return false;
        std::string child = keyPath.back() == '\\' ? keyPath : keyPath + "\\";
        if (!RegRemoveKeyTree(root, child + std::string(name, length)))
            return false;
    }
    key.close();
    return RegDeleteKeyA(root, keyPath.c_str()) == ERROR_SUCCESS;
}

} // namespace aw
