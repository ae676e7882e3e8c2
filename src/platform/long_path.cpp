#include "platform/long_path.h"

#include "platform/text.h"
#include "platform/unicode_text.h"

#include <vector>

namespace aw {

namespace {

// "\\?\", "\\.\" (or with forward slashes) and the kernel's "\??\": the caller has chosen the
// system's own form on purpose.
bool IsDevicePath(std::string_view path)
{
    if (path.size() >= 4 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]) && (path[2] == '?' || path[2] == '.') &&
        IsPathSeparator(path[3]))
        return true;
    return path.substr(0, 4) == "\\??\\";
}

} // namespace

std::optional<std::string> WideCallPath(std::string_view path)
{
    if (Utf16Length(path) < kPlainPathUnits || IsDevicePath(path))
        return std::string(path);

    std::string out;
    std::size_t rootLevels = 0; // levels that ".." may not take away: a share's server and name
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsPathSeparator(path[2])) {
        out = "\\\\?\\";
        out += path.substr(0, 2);
        out += '\\';
        path.remove_prefix(3);
    } else if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
        out = "\\\\?\\UNC\\";
        path.remove_prefix(2);
        rootLevels = 2;
    } else {
        return std::nullopt;
    }

    std::vector<std::string_view> levels;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsPathSeparator(path[i]))
            continue;
        const std::string_view level = path.substr(start, i - start);
        start = i + 1;
        if (level.empty() || level == ".")
            continue;
        if (level == "..") {
            if (levels.size() <= rootLevels)
                return std::nullopt;
            levels.pop_back();
            continue;
        }
        if (level.back() == '.' || level.back() == ' ')
            return std::nullopt;
        levels.push_back(level);
    }
    if (levels.size() < rootLevels)
        return std::nullopt;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0)
            out += '\\';
        out += levels[i];
    }
    if (!levels.empty() && !path.empty() && IsPathSeparator(path.back()))
        out += '\\';
    return out;
}

} // namespace aw
