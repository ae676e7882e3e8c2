#include "cleaner/registry_paths.h"

namespace aw {

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
