#include "apprules/rule_values.h"

#include "apprules/rule_names.h"
#include "apprules/rule_safety.h"
#include "apprules/rule_text.h"
#include "cleaner/path_rules.h"

namespace aw {

namespace {

bool IsDotName(std::string_view name)
{
    return name == "." || name == "..";
}

// An exclusion is matched as text: a folder the system reads otherwise than written would keep
// nothing, and its entry would remove what the author meant to keep.
bool IsPlainExclusionFolder(const RulePath& folder)
{
    std::string_view rest = folder.Rest;
    if (folder.Base == FolderVariable::None) {
        if (SplitFullPath(rest).Drive.empty())
            return false;
        rest.remove_prefix(2);
    }
    for (std::string_view part : SplitAt(rest, '\\'))
        if (!part.empty() && CheckFolderPart(part))
            return false;
    return true;
}

template <typename T>
bool Failed(const RuleValue<T>& value, RuleProblemKind& why)
{
    if (const auto* problem = std::get_if<RuleProblemKind>(&value)) {
        why = *problem;
        return true;
    }
    return false;
}

} // namespace

RuleValue<RulePath> ParseRulePath(std::string_view text)
{
    if (text.empty())
        return RuleProblemKind::MalformedValue;
    RulePath path;
    if (text.front() == '%') {
        const std::size_t close = text.find('%', 1);
        if (close == std::string_view::npos)
            return RuleProblemKind::UnknownVariable;
        auto variable = FindFolderVariable(text.substr(0, close + 1));
        if (!variable)
            return RuleProblemKind::UnknownVariable;
        path.Base = *variable;
        text.remove_prefix(close + 1);
        // "%AppData%Vendor" would join two names into one.
        if (!text.empty() && text.front() != '\\')
            return RuleProblemKind::MalformedValue;
    }
    if (text.find('%') != std::string_view::npos)
        return RuleProblemKind::UnknownVariable;
    path.Rest = std::string(text);
    return path;
}

RuleValue<RegistryPath> ParseRegistryPath(std::string_view text)
{
    const std::size_t slash = text.find('\\');
    auto hive = FindRegistryHive(text.substr(0, slash));
    if (!hive)
        return RuleProblemKind::MalformedValue;
    std::string_view key = slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    if (!key.empty()) {
        for (std::string_view part : SplitAt(key, '\\'))
            if (part.empty())
                return RuleProblemKind::MalformedValue;
    }
    return RegistryPath{*hive, std::string(key)};
}

RuleValue<std::vector<std::string>> ParseFilePatterns(std::string_view text)
{
    std::vector<std::string> patterns;
    for (std::string_view pattern : SplitAt(text, ';')) {
        if (!IsPlainMask(pattern) || IsDotName(pattern))
            return RuleProblemKind::MalformedValue;
        patterns.emplace_back(pattern);
    }
    return patterns;
}

RuleValue<FileRule> ParseFileRule(std::string_view value)
{
    const auto fields = SplitAt(value, '|');
    if (fields.size() < 2)
        return RuleProblemKind::MalformedValue;
    RuleProblemKind why{};
    auto folder = ParseRulePath(fields[0]);
    if (Failed(folder, why))
        return why;
    auto patterns = ParseFilePatterns(fields[1]);
    if (Failed(patterns, why))
        return why;
    FileRule rule;
    rule.Folder = std::move(std::get<RulePath>(folder));
    rule.Patterns = std::move(std::get<std::vector<std::string>>(patterns));
    bool recurseGiven = false;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        auto flag = FindFileFlag(fields[i]);
        if (!flag)
            return RuleProblemKind::UnknownFlag;
        bool& given = *flag == FileFlag::Recurse ? recurseGiven : rule.RemoveSelf;
        if (given)
            return RuleProblemKind::MalformedValue;
        given = true;
    }
    // REMOVESELF empties the folder before removing it, so it walks every depth as well.
    rule.Recurse = recurseGiven || rule.RemoveSelf;
    return rule;
}

RuleValue<RegistryRule> ParseRegistryRule(std::string_view value)
{
    const auto fields = SplitAt(value, '|');
    if (fields.size() > 2)
        return RuleProblemKind::MalformedValue;
    RuleProblemKind why{};
    auto key = ParseRegistryPath(fields[0]);
    if (Failed(key, why))
        return why;
    RegistryRule rule;
    rule.Key = std::move(std::get<RegistryPath>(key));
    if (fields.size() == 2) {
        if (fields[1].empty())
            return RuleProblemKind::MalformedValue;
        rule.Value = std::string(fields[1]);
    }
    return rule;
}

RuleValue<Exclusion> ParseExclusion(std::string_view value)
{
    const auto fields = SplitAt(value, '|');
    auto kind = FindExclusionKind(fields[0]);
    if (!kind)
        return RuleProblemKind::MalformedValue;
    Exclusion exclusion;
    exclusion.Kind = *kind;
    RuleProblemKind why{};
    if (*kind == ExclusionKind::Registry) {
        if (fields.size() < 2)
            return RuleProblemKind::MalformedValue;
        auto parsed = ParseRegistryRule(value.substr(fields[0].size() + 1));
        if (Failed(parsed, why))
            return why;
        exclusion.Key = std::move(std::get<RegistryRule>(parsed).Key);
        exclusion.Value = std::move(std::get<RegistryRule>(parsed).Value);
        return exclusion;
    }
    if (fields.size() != 3)
        return RuleProblemKind::MalformedValue;
    auto folder = ParseRulePath(fields[1]);
    if (Failed(folder, why))
        return why;
    auto patterns = ParseFilePatterns(fields[2]);
    if (Failed(patterns, why))
        return why;
    if (!IsPlainExclusionFolder(std::get<RulePath>(folder)))
        return RuleProblemKind::MalformedValue;
    exclusion.Folder = std::move(std::get<RulePath>(folder));
    exclusion.Patterns = std::move(std::get<std::vector<std::string>>(patterns));
    return exclusion;
}

} // namespace aw
