#include "apprules/folder_wildcards.h"

#include "cleaner/path_rules.h"

namespace aw {

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

} // namespace

bool HasWildcard(std::string_view text)
{
    return text.find_first_of("*?") != std::string_view::npos;
}

FolderParts SplitFullPath(std::string_view path)
{
    FolderParts split;
    if (path.size() < 2 || !IsDriveLetter(path[0]) || path[1] != ':' || (path.size() > 2 && path[2] != '\\'))
        return split;
    split.Drive = std::string(path.substr(0, 2));
    std::size_t start = 3;
    for (std::size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            if (i > start)
                split.Parts.emplace_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return split;
}

WildcardFolders ExpandFolderWildcards(std::string_view folder, const RuleMachine& machine, std::size_t limit)
{
    WildcardFolders result;
    if (!HasWildcard(folder)) {
        result.Folders.emplace_back(folder);
        return result;
    }
    const FolderParts split = SplitFullPath(folder);
    if (split.Drive.empty())
        return result;
    std::vector<std::string> current{split.Drive + '\\'};
    for (const std::string& part : split.Parts) {
        std::vector<std::string> next;
        for (const std::string& base : current) {
            if (!HasWildcard(part)) {
                next.push_back(Join(base, part));
                continue;
            }
            for (const std::string& name : machine.SubfolderNames(base)) {
                if (IsDotEntry(name) || name.find_first_of("\\/") != std::string::npos || !MatchesMask(name, part))
                    continue;
                if (next.size() == limit) {
                    result.TooMany = true;
                    return result;
                }
                next.push_back(Join(base, name));
            }
        }
        current = std::move(next);
        if (current.empty())
            break;
    }
    result.Folders = std::move(current);
    return result;
}

} // namespace aw
