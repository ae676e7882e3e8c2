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

} // namespace aw
