#include "customloc/system_path_variables.h"

#include "platform/folder_services.h"

namespace aw {

std::string CurrentUserName()
{
    return LoggedOnUserName().value_or("Unknown");
}

std::string PathVariableValue(PathVariable variable)
{
    switch (variable) {
    case PathVariable::SystemFolder: return GetSystemFolder();
    case PathVariable::WindowsFolder: return GetWindowsFolder();
    case PathVariable::TempFolder: return GetTempFolder();
    case PathVariable::AppData: return GetSpecialFolder(kCsidlAppData);
    case PathVariable::LocalAppData: return GetSpecialFolder(kCsidlLocalAppData);
    case PathVariable::ProgramFiles: return GetSpecialFolder(kCsidlProgramFiles);
    case PathVariable::CommonAppData: return GetSpecialFolder(kCsidlCommonAppData);
    case PathVariable::UserName: return CurrentUserName();
    }
    return std::string();
}

std::string ExpandPathVariables(std::string_view text)
{
    return SubstitutePathVariables(text, PathVariableValue);
}

} // namespace aw
