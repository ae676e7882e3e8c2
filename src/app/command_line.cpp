#include "app/command_line.h"

namespace aw {

StartMode ParseStartMode(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return StartMode::Normal;
    if (arguments[0] == "-startup")
        return StartMode::Startup;
    if (arguments[0] == "-clean")
        return StartMode::Clean;
    if (arguments[0] == "-preview" && arguments.size() >= 2 && !arguments[1].empty())
        return StartMode::Preview;
    return StartMode::Normal;
}

std::string CleanLogArgument(const std::vector<std::string>& arguments)
{
    const StartMode mode = ParseStartMode(arguments);
    if ((mode != StartMode::Clean && mode != StartMode::Startup) || arguments.size() < 3 || arguments[1] != "-log")
        return std::string();
    return arguments[2];
}

} // namespace aw
