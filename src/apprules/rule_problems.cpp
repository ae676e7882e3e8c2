#include "apprules/rule_problems.h"

namespace aw {

namespace {

// In the order of RuleProblemKind.
constexpr std::string_view kProblemNames[] = {
    "file too large",
    "not UTF-8",
    "line too long",
    "not text",
    "malformed line",
    "line outside an entry",
    "unknown key",
    "duplicate key",
    "malformed value",
    "unknown variable",
    "unknown flag",
    "unknown category",
    "too many rules",
    "malformed section",
    "duplicate entry",
    "too many entries",
    "no category",
    "nothing to clean",
    "unreadable exclusion",
};
static_assert(std::size(kProblemNames) == kRuleProblemKindCount);

} // namespace

std::string_view RuleProblemName(RuleProblemKind kind)
{
    return kProblemNames[static_cast<std::size_t>(kind)];
}

void ProblemLog::Add(RuleProblemKind kind, std::size_t line)
{
    ++total_;
    ++counts_[static_cast<std::size_t>(kind)];
    if (recorded_.size() < recordLimit_)
        recorded_.push_back({kind, line});
}

} // namespace aw
