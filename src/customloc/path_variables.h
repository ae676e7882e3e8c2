#pragma once
// The variables of "FIL:" and "DIR:" paths, replaced given their values. Pure: where the values
// come from is the caller's business.
#include <functional>
#include <string>
#include <string_view>

namespace aw {

enum class PathVariable {
    SystemFolder,
    WindowsFolder,
    TempFolder,
    AppData,
    LocalAppData,
    ProgramFiles,
    CommonAppData,
    UserName,
};

struct PathVariableName {
    std::string_view Name;
    PathVariable Variable;
};

// The variables in the order they are replaced.
constexpr PathVariableName kPathVariables[] = {
    {"%SYSDIR%", PathVariable::SystemFolder},
    {"%WINDIR%", PathVariable::WindowsFolder},
    {"%TEMP%", PathVariable::TempFolder},
    {"%APPDATA%", PathVariable::AppData},
    {"%LOC_APPDATA%", PathVariable::LocalAppData},
    {"%PROGRAMFILES%", PathVariable::ProgramFiles},
    {"%ALLUSERS_APPDATA%", PathVariable::CommonAppData},
    {"%USERNAME%", PathVariable::UserName},
};

using PathVariableValues = std::function<std::string(PathVariable)>;

// Replaces every occurrence of each variable, letter case ignored, one variable after the
// other in the table's order; text a value brings in is not searched again for the same
// variable, but later variables are looked for in it. A value is asked for only when its
// variable occurs.
std::string SubstitutePathVariables(std::string_view text, const PathVariableValues& valueOf);

} // namespace aw
