#include "apprules/rule_folders.h"

#include "cleaner/path_rules.h"
#include "platform/text.h"

#include <algorithm>

namespace aw {

namespace {

bool IsDriveRoot(std::string_view path)
{
    return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

void AddOnce(std::vector<std::string>& list, std::string path)
{
    const bool known = std::any_of(list.begin(), list.end(),
                                   [&](const std::string& other) { return EqualsIgnoringCase(other, path); });
    if (!known)
        list.push_back(std::move(path));
}

} // namespace

std::string TidyRuleFolder(std::string_view path)
{
    std::string tidy = CollapseDoubledBackslashes(path);
    if (tidy.size() > 1 && tidy.back() == '\\' && !IsDriveRoot(tidy))
        tidy.pop_back();
    return tidy;
}

void RuleFolders::Set(FolderVariable variable, std::vector<std::string> folders)
{
    auto& slot = folders_[static_cast<std::size_t>(variable)];
    slot.clear();
    for (const std::string& folder : folders)
        if (!folder.empty())
            AddOnce(slot, TidyRuleFolder(folder));
}

const std::vector<std::string>& RuleFolders::Of(FolderVariable variable) const
{
    return folders_[static_cast<std::size_t>(variable)];
}

std::vector<std::string> ExpandRulePath(const RulePath& path, const RuleFolders& folders)
{
    std::vector<std::string> paths;
    if (path.Base == FolderVariable::None) {
        paths.push_back(TidyRuleFolder(path.Rest));
        return paths;
    }
    for (const std::string& folder : folders.Of(path.Base))
        AddOnce(paths, TidyRuleFolder(folder + path.Rest));
    return paths;
}

} // namespace aw
