#pragma once
// The machine's folders that rule paths start from, and the expansion of a rule path into the
// full paths it names. The caller fills the table (the Win32 side from the system, the tests
// with made-up folders), so this stays pure.
#include "apprules/app_rules.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

class RuleFolders {
public:
    // Replaces the folders of a variable. %ProgramFiles% and %CommonProgramFiles% are given
    // both the 32-bit and the 64-bit folder where the machine has both; every other variable
    // one folder (%SystemDrive% as "C:"). Empty texts are dropped, each folder is tidied
    // (TidyRuleFolder), and a folder given twice (letter case ignored) is kept once.
    void Set(FolderVariable variable, std::vector<std::string> folders);
    const std::vector<std::string>& Of(FolderVariable variable) const;

private:
    std::array<std::vector<std::string>, kFolderVariableCount> folders_;
};

// Runs of backslashes collapsed into one and a trailing one dropped, except the one of a
// drive root ("C:\").
std::string TidyRuleFolder(std::string_view path);

// Every full path a rule path names, tidied: one for each folder of its variable (none when
// the machine has none, never the rest alone), or, without a variable, the text itself.
// Wildcards stay in it (folder_wildcards.h).
std::vector<std::string> ExpandRulePath(const RulePath& path, const RuleFolders& folders);

} // namespace aw
