#include "platform/registry_path.h"

namespace aw {

std::optional<ValuePath> SplitValuePath(std::string_view text)
{
    auto slash = text.rfind('\\');
    if (slash == std::string_view::npos)
        return std::nullopt;
    return ValuePath{std::string(text.substr(0, slash)), std::string(text.substr(slash + 1))};
}

} // namespace aw
