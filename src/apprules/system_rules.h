#pragma once
// The application rules on this machine: its folders, its file system and registry as the
// rules ask about them, and the safety rules with the folders this machine protects.
#include "apprules/rule_folders.h"
#include "apprules/rule_machine.h"
#include "apprules/rule_safety.h"

#include <windows.h>

#include <string>
#include <vector>

namespace aw {

// Answers from the file system and the registry, every name through the wide calls.
class SystemRuleMachine final : public RuleMachine {
public:
    std::vector<std::string> SubfolderNames(const std::string& folder) const override;
    bool HasEntryMatching(const std::string& folder, std::string_view mask) const override;
    bool KeyExists(const RegistryPath& key) const override;
};

// The root key of a hive.
HKEY HiveRoot(RegistryHive hive);

// The folders of every variable as the system names them for this user.
RuleFolders SystemRuleFolders();

// The safety rules over those folders: the user's own folders (Desktop, Documents, Pictures,
// Music, Videos, Favorites, Downloads, the Start menu) protected, and every folder a built-in
// location keeps something in refused.
SafetyRules SystemSafetyRules(const RuleFolders& folders);

} // namespace aw
