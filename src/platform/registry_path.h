#pragma once
// How a registry value is written as one string. No registry access here.
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// A registry value addressed by one string: the key path and the value name, split at the
// last backslash. "Software\App\" names the default (unnamed) value of "Software\App".
struct ValuePath {
    std::string Key;
    std::string Name;
};

// Empty when the text holds no backslash: such a path names no value.
std::optional<ValuePath> SplitValuePath(std::string_view text);

} // namespace aw
