#pragma once
// How a stored option value reads: a number (with the user's decimal separator) is checked
// when it is not zero; otherwise "True" or "False" in any letter case; anything else, the
// empty text included, is no value at all and leaves the option as it is.
#include <optional>
#include <string_view>

namespace aw {

std::optional<bool> ParseOptionValue(std::string_view text, char decimalSeparator);

// "-1" for checked, "0" for unchecked.
const char* OptionValueText(bool checked);

} // namespace aw
