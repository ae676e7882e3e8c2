#include "apprules/rule_names.h"

#include "platform/text.h"

namespace aw {

namespace {

template <typename Row, std::size_t N>
const Row* FindRow(const Row (&table)[N], std::string_view name)
{
    for (const Row& row : table)
        if (EqualsIgnoringCase(row.Name, name))
            return &row;
    return nullptr;
}

// The field of the row of that name.
template <typename Row, std::size_t N, typename Field>
std::optional<Field> FindField(const Row (&table)[N], std::string_view name, Field Row::*field)
{
    if (const Row* row = FindRow(table, name))
        return row->*field;
    return std::nullopt;
}

} // namespace

std::optional<RuleKeyName> FindRuleKey(std::string_view name)
{
    if (const RuleKeyName* row = FindRow(kRuleKeyNames, name))
        return *row;
    return std::nullopt;
}

std::optional<std::string_view> FindCategoryName(std::string_view number)
{
    // Numbers are compared exactly: "03021" or "3021 " is not a number the file writes.
    for (const CategoryNumber& row : kCategoryNumbers)
        if (row.Number == number)
            return row.Name;
    return std::nullopt;
}

std::optional<FolderVariable> FindFolderVariable(std::string_view name)
{
    return FindField(kFolderVariableNames, name, &FolderVariableName::Variable);
}

std::optional<RegistryHive> FindRegistryHive(std::string_view name)
{
    return FindField(kRegistryHiveNames, name, &RegistryHiveName::Hive);
}

std::optional<FileFlag> FindFileFlag(std::string_view name)
{
    return FindField(kFileFlagNames, name, &FileFlagName::Flag);
}

std::optional<ExclusionKind> FindExclusionKind(std::string_view name)
{
    return FindField(kExclusionKindNames, name, &ExclusionKindName::Kind);
}

std::string_view FolderVariableText(FolderVariable variable)
{
    for (const FolderVariableName& row : kFolderVariableNames)
        if (row.Variable == variable)
            return row.Name;
    return {};
}

std::string RegistryPathText(const RegistryPath& path)
{
    std::string text;
    for (const RegistryHiveName& row : kRegistryHiveNames) {
        if (row.Hive == path.Hive) {
            text = std::string(row.Name); // the short name comes first in the table
            break;
        }
    }
    if (!path.Key.empty())
        text += '\\' + path.Key;
    return text;
}

} // namespace aw
