#include "customloc/path_variables.h"

#include "platform/text.h"

namespace aw {

namespace {

// Position of the first occurrence of name at or after from, letter case ignored.
std::size_t FindIgnoringCase(std::string_view text, std::string_view name, std::size_t from)
{
    if (name.empty() || text.size() < name.size())
        return std::string_view::npos;
    for (std::size_t i = from; i + name.size() <= text.size(); ++i)
        if (EqualsIgnoringCase(text.substr(i, name.size()), name))
            return i;
    return std::string_view::npos;
}

std::string ReplaceAll(std::string_view text, std::string_view name, const std::string& value)
{
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = FindIgnoringCase(text, name, 0); at != std::string_view::npos;
         at = FindIgnoringCase(text, name, from)) {
        out.append(text.substr(from, at - from));
        out.append(value);
        from = at + name.size();
    }
    out.append(text.substr(from));
    return out;
}

} // namespace

std::string SubstitutePathVariables(std::string_view text, const PathVariableValues& valueOf)
{
    std::string result(text);
    for (const PathVariableName& variable : kPathVariables) {
        if (FindIgnoringCase(result, variable.Name, 0) == std::string_view::npos)
            continue;
        result = ReplaceAll(result, variable.Name, valueOf(variable.Variable));
    }
    return result;
}

} // namespace aw
