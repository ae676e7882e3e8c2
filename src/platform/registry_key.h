#pragma once
// An open registry key that is closed on every path. The predefined root keys are never
// wrapped: only keys this program opened or created are owned.
#include <windows.h>

#include <string>
#include <utility>

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

    // Closes early, for callers that must let go of the key before deleting it.
    void close();

private:
    RegistryKey(HKEY key, LONG error) : key_(key), error_(error) {}
    HKEY key_ = nullptr;
    LONG error_ = ERROR_INVALID_HANDLE;
};

} // namespace aw
