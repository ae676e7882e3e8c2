#include "customloc/registry_roots.h"

#include "platform/text.h"

namespace aw {

namespace {

// The predefined roots in the order of their handles (HKEY_CLASSES_ROOT is 0x80000000).
constexpr std::string_view kRootNames[] = {
    "HKEY_CLASSES_ROOT",
    "HKEY_CURRENT_USER",
    "HKEY_LOCAL_MACHINE",
    "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA",
    "HKEY_CURRENT_CONFIG",
    "HKEY_DYN_DATA",
};

constexpr std::uint32_t kFirstRootHandle = 0x80000000u;

} // namespace

std::optional<std::string> ExpandRootAbbreviation(std::string_view abbreviation)
{
    if (abbreviation == "HKCU")
        return std::string("HKEY_CURRENT_USER");
    if (abbreviation == "HKLM")
        return std::string("HKEY_LOCAL_MACHINE");
    return std::nullopt;
}

std::uint32_t RootKeyFromName(std::string_view name)
{
    for (std::uint32_t i = 0; i < std::size(kRootNames); ++i)
        if (EqualsIgnoringCase(kRootNames[i], name))
            return kFirstRootHandle + i;
    return 0;
}

} // namespace aw
