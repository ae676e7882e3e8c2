#pragma once
// Registry keys and values. An open registry key is closed on every path. The predefined root keys are never
// wrapped: only keys this program opened or created are owned.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace aw {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { close(); }

    RegistryKey(RegistryKey&& other) noexcept
        : key_(std::exchange(other.key_, nullptr)), error_(std::exchange(other.error_, ERROR_INVALID_HANDLE))
    {
    }
    RegistryKey& operator=(RegistryKey&& other) noexcept
    {
        if (this != &other) {
            close();
            key_ = std::exchange(other.key_, nullptr);
            error_ = std::exchange(other.error_, ERROR_INVALID_HANDLE);
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // RegOpenKeyExA; an empty key on failure, whose error() tells why.
    static RegistryKey open(HKEY root, const std::string& path, REGSAM access);
    // RegCreateKeyExA (no class, non-volatile); an empty key on failure, whose error() tells why.
    static RegistryKey create(HKEY root, const std::string& path, REGSAM access);

    bool valid() const { return key_ != nullptr; }
    explicit operator bool() const { return valid(); }
    HKEY get() const { return key_; }
    // ERROR_SUCCESS for an open key; the system's reason otherwise (ERROR_FILE_NOT_FOUND for a
    // key that does not exist, ERROR_ACCESS_DENIED, ...).
    LONG error() const { return error_; }

    // Whether the open key holds a value of that name ("" is the default value).
    bool hasValue(const std::string& name) const;

    // Closes early, for callers that must let go of the key before deleting it.
    void close();

private:
    RegistryKey(HKEY key, LONG error) : key_(key), error_(error) {}
    HKEY key_ = nullptr;
    LONG error_ = ERROR_INVALID_HANDLE;
};

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

bool RegWriteValue(HKEY root, const std::string& valuePath, DWORD type, const void* data, DWORD size);
bool RegWriteString(HKEY root, const std::string& valuePath, const std::string& text);

// The stored bytes, when the value exists and has the expected type.
std::optional<std::vector<unsigned char>> RegReadValue(HKEY root, const std::string& valuePath, DWORD expectedType);
// A REG_SZ value's text, without its terminating zero.
std::optional<std::string> RegReadString(HKEY root, const std::string& valuePath);

bool RegValueExists(HKEY root, const std::string& valuePath);
bool RegKeyExists(HKEY root, const std::string& keyPath);

} // namespace aw
