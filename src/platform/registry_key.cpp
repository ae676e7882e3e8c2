#include "platform/registry_key.h"

#include "platform/registry_path.h"
#include "platform/wide_text.h"

#include <cstring>

namespace aw {

namespace {

// The access masks the helpers below ask for.
constexpr REGSAM kWriteAccess = KEY_WRITE; // 0x20006
constexpr REGSAM kReadAccess = KEY_READ;   // 0x20019

// A key name the registry can hold is at most 255 characters.
constexpr DWORD kKeyNameChars = 256;

// The wide form of a key path or value name. A text that is not well-formed names nothing
// (never the empty name, which would be the root key itself or the default value).
std::optional<std::wstring> Name(const std::string& text)
{
    return WideFromUtf8(text);
}

std::optional<std::vector<unsigned char>> QueryValue(HKEY key, const std::wstring& name, DWORD& type)
{
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<unsigned char> data(size);
    // A value that grew between the two questions no longer fits and fails with
    // ERROR_MORE_DATA: it is reported as unreadable rather than cut short.
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

} // namespace

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access)
{
    std::optional<std::wstring> wide = Name(path);
    HKEY key = nullptr;
    return wide && RegOpenKeyExW(root, wide->c_str(), 0, access, &key) == ERROR_SUCCESS ? RegistryKey(key)
                                                                                        : RegistryKey();
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access)
{
    std::optional<std::wstring> wide = Name(path);
    HKEY key = nullptr;
    return wide && RegCreateKeyExW(root, wide->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                                   nullptr) == ERROR_SUCCESS
               ? RegistryKey(key)
               : RegistryKey();
}

bool RegistryKey::HasValue(const std::string& name) const
{
    std::optional<std::wstring> wide = Name(name);
    return *this && wide && RegQueryValueExW(Get(), wide->c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::SetString(const std::string& name, const std::string& text) const
{
    std::optional<std::wstring> wideName = Name(name);
    std::optional<std::wstring> wideText = WideFromUtf8(text);
    if (!*this || !wideName || !wideText)
        return false;
    const auto bytes = static_cast<DWORD>((wideText->size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(Get(), wideName->c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideText->c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::string& name) const
{
    std::optional<std::wstring> wide = Name(name);
    return *this && wide && RegDeleteValueW(Get(), wide->c_str()) == ERROR_SUCCESS;
}

LONG RegistryKey::SubKeyName(DWORD index, std::string& name) const
{
    wchar_t buffer[kKeyNameChars] = {};
    DWORD length = kKeyNameChars;
    const LONG result = RegEnumKeyExW(Get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name = Utf8FromWide(std::wstring_view(buffer, length));
    return result;
}

LONG RegistryKey::ValueName(DWORD index, std::string& name) const
{
    // Value names may be up to 16,383 characters.
    std::wstring buffer(16384, L'\0');
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG result = RegEnumValueW(Get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name = Utf8FromWide(std::wstring_view(buffer.data(), length));
    return result;
}

bool DeleteRegistryKey(HKEY root, const std::string& path)
{
    std::optional<std::wstring> wide = Name(path);
    return wide && !wide->empty() && RegDeleteKeyW(root, wide->c_str()) == ERROR_SUCCESS;
}

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
    std::optional<std::wstring> name = Name(value.Name);
    return value.Key && name &&
           RegSetValueExW(value.Key.Get(), name->c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
               ERROR_SUCCESS;
}

bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text)
{
    ValueKey value = OpenValueKey(root, valuePath, kWriteAccess, true);
    return value.Key.SetString(value.Name, text);
}

std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType)
{
    ValueKey value = OpenValueKey(root, valuePath, kReadAccess);
    std::optional<std::wstring> name = Name(value.Name);
    if (!value.Key || !name)
        return std::nullopt;
    DWORD type = 0;
    auto data = QueryValue(value.Key.Get(), *name, type);
    if (!data || type != expectedType)
        return std::nullopt;
    return data;
}

std::optional<std::string> RegReadString(HKEY root, const std::string& valuePath)
{
    auto data = RegReadValue(root, valuePath, REG_SZ);
    if (!data)
        return std::nullopt;
    // Normally the text is every unit but the terminating zero. Values written without a
    // terminator (or with an empty size, or an odd one) exist too, so the text ends at the
    // first zero or at the last whole unit, whichever comes first.
    std::wstring text(data->size() / sizeof(wchar_t), L'\0');
    if (!text.empty())
        std::memcpy(text.data(), data->data(), text.size() * sizeof(wchar_t));
    auto zero = text.find(L'\0');
    if (zero != std::wstring::npos)
        text.resize(zero);
    return Utf8FromWide(text);
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

bool RegKeyPresent(HKEY root, const std::string& keyPath)
{
    const std::optional<std::wstring> name = Name(keyPath);
    if (!name)
        return false;
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExW(root, name->c_str(), 0, kReadAccess, &opened);
    const RegistryKey owned(result == ERROR_SUCCESS ? opened : nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

} // namespace aw
