#include "platform/registry_key.h"

namespace aw {

RegistryKey RegistryKey::open(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::create(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

void RegistryKey::close()
{
    if (key_)
        RegCloseKey(key_);
    key_ = nullptr;
}

} // namespace aw
