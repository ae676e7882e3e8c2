#pragma once
// The values of the rule keys, read strictly: a value says exactly one thing, or it is refused
// with the reason. Nothing is looked up on the machine here.
#include "apprules/app_rules.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace aw {

template <typename T>
using RuleValue = std::variant<T, RuleProblemKind>;

// "%Variable%\rest" (the variable known, the rest empty or starting with a backslash), or a
// path without any variable, taken as written: whether it is a full path is a safety question
// (rule_safety.h), not a reading one. A "%" anywhere else is an UnknownVariable.
RuleValue<RulePath> ParseRulePath(std::string_view text);

// "HIVE[\key]" with a known hive name; trailing backslashes are dropped, an empty part inside
// the key is refused.
RuleValue<RegistryPath> ParseRegistryPath(std::string_view text);

// "mask[;mask...]": every mask a plain one (IsPlainMask) and not "." or "..".
RuleValue<std::vector<std::string>> ParseFilePatterns(std::string_view text);

// FileKey: "folder|patterns" then any of the flags RECURSE and REMOVESELF, each once.
RuleValue<FileRule> ParseFileRule(std::string_view value);

// RegKey: "key" or "key|value" (a value name is never empty).
RuleValue<RegistryRule> ParseRegistryRule(std::string_view value);

// ExcludeKey: "FILE|folder|patterns", "PATH|folder|patterns", "REG|key" or "REG|key|value".
RuleValue<Exclusion> ParseExclusion(std::string_view value);

} // namespace aw
