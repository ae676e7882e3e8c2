#pragma once
// The registry roots a script line may name. Pure: roots are given as the numbers of the
// predefined handles, which the runner turns into HKEYs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// "HKCU" gives "HKEY_CURRENT_USER", "HKLM" gives "HKEY_LOCAL_MACHINE", exactly; anything else,
// full root names included, gives no root.
std::optional<std::string> ExpandRootAbbreviation(std::string_view abbreviation);

// The predefined handle of a full root name (letter case ignored): 0x80000000 plus its place in
// the table of the seven roots. 0 for a name that is not in the table.
std::uint32_t RootKeyFromName(std::string_view name);

} // namespace aw
