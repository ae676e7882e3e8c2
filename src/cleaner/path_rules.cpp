#include "cleaner/path_rules.h"

#include "platform/text.h"
#include "platform/unicode_text.h"

#include <vector>

namespace aw {

namespace {

std::vector<std::string_view> SplitComponents(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsPathSeparator(path[i])) {
            if (i > start)
                parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// The platform drops trailing dots and spaces from path components, so "..." or ". " can mean
// the current or the parent folder. Anything made only of dots and spaces is treated as ".."
// except a lone ".", which is the folder itself.
enum class ComponentRole { Name, Self, Parent };

ComponentRole RoleOf(std::string_view part)
{
    if (part == ".")
        return ComponentRole::Self;
    for (char c : part)
        if (c != '.' && c != ' ')
            return ComponentRole::Name;
    return ComponentRole::Parent;
}

// Number of named levels below the root once "." and ".." are resolved; -1 when ".." climbs
// above the root.
int DepthBelowRoot(const std::vector<std::string_view>& parts, std::size_t first)
{
    int depth = 0;
    for (std::size_t i = first; i < parts.size(); ++i) {
        switch (RoleOf(parts[i])) {
        case ComponentRole::Name: ++depth; break;
        case ComponentRole::Self: break;
        case ComponentRole::Parent:
            if (--depth < 0)
                return -1;
            break;
        }
    }
    return depth;
}

} // namespace

bool FitsPathLimit(std::string_view path)
{
    // "\\?\UNC\" takes the place of a share's "\\": six more units at most. A UTF-8 text
    // has at least as many bytes as UTF-16 units, so most paths need no counting.
    constexpr std::size_t kLongFormRoom = 6;
    return path.size() + kLongFormRoom < kPathLimit || Utf16Length(path) + kLongFormRoom < kPathLimit;
}

std::string WithTrailingBackslash(std::string path)
{
    if (path.empty() || !IsPathSeparator(path.back()))
        path += '\\';
    return path;
}

std::string CollapseDoubledBackslashes(std::string_view path)
{
    std::string out;
    out.reserve(path.size());
    // The two backslashes that open "\\server\share" or "\\?\C:\" are not a doubled separator.
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        out = "\\\\";
        path.remove_prefix(2);
        while (!path.empty() && path.front() == '\\')
            path.remove_prefix(1);
    }
    for (char c : path)
        if (!(c == '\\' && !out.empty() && out.back() == '\\'))
            out += c;
    return out;
}

bool IsSafeFolderTarget(std::string_view path)
{
    // Device and long-path prefixes: "\\?\C:\x", "\\.\C:\x", "\\?\UNC\server\share\x".
    bool unc = false;
    if (path.size() >= 4 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]) && (path[2] == '?' || path[2] == '.') &&
        IsPathSeparator(path[3])) {
        path.remove_prefix(4);
        if (path.size() >= 4 && (path.substr(0, 3) == "UNC" || path.substr(0, 3) == "unc") && IsPathSeparator(path[3])) {
            path.remove_prefix(4);
            unc = true;
        } else if (!(path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')) {
            return false; // a device or volume name, never a folder to clean
        }
    } else if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
        path.remove_prefix(2);
        unc = true;
    }

    if (unc) {
        // server and share form the root.
        auto parts = SplitComponents(path);
        if (parts.size() < 2 || RoleOf(parts[0]) != ComponentRole::Name || RoleOf(parts[1]) != ComponentRole::Name)
            return false;
        return DepthBelowRoot(parts, 2) > 0;
    }

    // "X:\..." only: "X:folder" is relative to that drive's current directory.
    if (path.size() < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || !IsPathSeparator(path[2]))
        return false;
    return DepthBelowRoot(SplitComponents(path.substr(3)), 0) > 0;
}

bool IsDotEntry(std::string_view name)
{
    return name == "." || name == "..";
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // Iterative glob match with one backtrack point for the last '*'.
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool IsPlainMask(std::string_view mask)
{
    return !mask.empty() && mask.find_first_of("\\/:") == std::string_view::npos;
}

MaskLevel SplitMaskPath(std::string_view path)
{
    const std::size_t separator = path.find('\\');
    if (separator == std::string_view::npos)
        return {path, {}};
    return {path.substr(0, separator), path.substr(separator + 1)};
}

bool IsPlainMaskPath(std::string_view path)
{
    for (MaskLevel level = SplitMaskPath(path);; level = SplitMaskPath(level.Below)) {
        if (!IsPlainMask(level.Here) || IsDotEntry(level.Here))
            return false;
        if (level.Below.empty())
            return path.back() != '\\';
    }
}

bool IsIndexDatName(std::string_view name)
{
    return name == "index.dat";
}

bool IsEntryOfFolder(std::string_view resolvedFolder, std::string_view name, std::string_view resolved)
{
    if (resolvedFolder.empty() || name.empty() || IsDotEntry(name))
        return false;
    // A drive root is reported with its separator, every other folder without one.
    const bool separated = IsPathSeparator(resolvedFolder.back());
    const std::size_t expected = resolvedFolder.size() + (separated ? 0 : 1) + name.size();
    if (resolved.size() != expected)
        return false;
    if (!EqualsIgnoringCase(resolved.substr(0, resolvedFolder.size()), resolvedFolder))
        return false;
    std::size_t at = resolvedFolder.size();
    if (!separated && resolved[at++] != '\\')
        return false;
    return EqualsIgnoringCase(resolved.substr(at), name);
}

} // namespace aw
