#pragma once
// The script's path variables with this machine's and user's values, asked afresh each time.
#include "customloc/path_variables.h"

#include <string>
#include <string_view>

namespace aw {

// The logged-on user's name; "Unknown" when the system does not tell.
std::string CurrentUserName();

// The value of one variable: a folder from the folder services (no trailing backslash added
// or removed; the temporary folder keeps the one the system gives) or the user's name.
std::string PathVariableValue(PathVariable variable);

// Every variable of the text replaced by its value.
std::string ExpandPathVariables(std::string_view text);

} // namespace aw
