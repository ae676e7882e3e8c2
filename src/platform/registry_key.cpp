#include "platform/registry_key.h"

#include "platform/registry_path.h"

namespace aw {

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    return RegOpenKeyExA(root, path.c_str(), 0, access, &key) == ERROR_SUCCESS ? RegistryKey(key) : RegistryKey();
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) ==
                   ERROR_SUCCESS
               ? RegistryKey(key)
               : RegistryKey();
}

bool RegistryKey::HasValue(const std::string& name) const
{
    return *this && RegQueryValueExA(Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

namespace {

// The access masks the helpers below ask for.
constexpr REGSAM kWriteAccess = KEY_WRITE; // 0x20006
constexpr REGSAM kReadAccess = KEY_READ;   // 0x20019

} // namespace

ValueKey OpenValueKey(HKEY root, const std::string& valuePath, REGSAM access, bool create)
{
    auto path = SplitValuePath(valuePath);
    if (!path)
        return ValueKey{};
    return ValueKey{create ? RegistryKey::Create(root, path->Key, access) : RegistryKey::Open(root, path->Key, access),
                    path->Name};
}

bool RegWriteValue(HKEY root, const std::string& valuePath, DWORD type, const void* data, DWORD size)
{
    ValueKey value = OpenValueKey(root, valuePath, kWriteAccess, true);
    return value.Key && RegSetValueExA(value.Key.Get(), value.Name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                       size) == ERROR_SUCCESS;
}

bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text)
{
    return RegWriteValue(root, valuePath, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType)
{
    ValueKey value = OpenValueKey(root, valuePath, kReadAccess);
    if (!value.Key)
        return std::nullopt;
    const HKEY key = value.Key.Get();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, value.Name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<unsigned char> data(size);
    // A value that grew between the two questions no longer fits and fails with
    // ERROR_MORE_DATA: it is reported as unreadable rather than cut short.
    if (RegQueryValueExA(key, value.Name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size) !=
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
    ValueKey value = OpenValueKey(root, valuePath, kReadAccess);
    return value.Key && value.Key.HasValue(value.Name);
}

bool RegKeyExists(HKEY root, const std::string& keyPath)
{
    return static_cast<bool>(RegistryKey::Open(root, keyPath, kReadAccess));
}

} // namespace aw
