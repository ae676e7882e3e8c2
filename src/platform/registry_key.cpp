#include "platform/registry_key.h"

namespace aw {

RegistryKey RegistryKey::open(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(root, path.c_str(), 0, access, &key);
    return error == ERROR_SUCCESS ? RegistryKey(key, error) : RegistryKey(nullptr, error);
}

RegistryKey RegistryKey::create(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    LONG error = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                                 nullptr);
    return error == ERROR_SUCCESS ? RegistryKey(key, error) : RegistryKey(nullptr, error);
}

void RegistryKey::close()
{
    if (key_)
        RegCloseKey(key_);
    key_ = nullptr;
}

} // namespace aw
