#include "cleaner/registry_paths.h"

namespace aw {

std::optional<ValuePath> SplitValuePath(std::string_view text)
{
    auto slash = text.rfind('\\');
    if (slash == std::string_view::npos)
        return std::nullopt;
    return ValuePath{std::string(text.substr(0, slash)), std::string(text.substr(slash + 1))};
}

bool IsDeletableKeyPath(std::string_view keyPath)
{
    int levels = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= keyPath.size(); ++i) {
        if (i == keyPath.size() || keyPath[i] == '\\') {
            if (i > start)
                ++levels;
            start = i + 1;
        }
    }
    return levels >= 2;
}

} // namespace aw
