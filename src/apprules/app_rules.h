#pragma once
// The community's application rules (a winapp2.ini the user puts beside the program), as read:
// one entry per application, what shows it is installed, what it removes and what it keeps.
// Paths are UTF-8 and still hold their variables and wildcards; expanding and checking them is
// the resolver's job (entry_resolver.h). No Win32 here.
#include "apprules/rule_problems.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace aw {

// The folders a rule path may start with, written "%Name%" in the file (rule_names.h).
enum class FolderVariable {
    None, // the path is written whole ("C:\...")
    AppData,
    LocalAppData,
    LocalLowAppData,
    ProgramData,
    ProgramFiles,       // the 32-bit and the 64-bit program folders
    CommonProgramFiles, // the common-files folders of both
    UserProfile,
    Public,
    SystemDrive,
    WinDir,
    Documents,
};
constexpr std::size_t kFolderVariableCount = 12;

// A path as the file writes it: a variable and what follows it ("\Vendor\App\*\Cache"), or,
// with Base None, the whole text. "*" and "?" may stand in any folder part.
struct RulePath {
    FolderVariable Base = FolderVariable::None;
    std::string Rest;

    bool operator==(const RulePath& other) const { return Base == other.Base && Rest == other.Rest; }
};

enum class RegistryHive { CurrentUser, LocalMachine, ClassesRoot, Users };

// A registry key: its hive and the path below it, without a leading or trailing backslash and
// without empty parts. An empty Key is the hive itself.
struct RegistryPath {
    RegistryHive Hive = RegistryHive::CurrentUser;
    std::string Key;

    bool operator==(const RegistryPath& other) const { return Hive == other.Hive && Key == other.Key; }
};

// "DetectN" and "DetectFileN": the entry is shown when any of them is present on the machine,
// or when none was written at all. A detection line that could not be read still makes the
// entry conditional, so a misspelt path hides the entry instead of showing it everywhere.
struct Detection {
    std::vector<RegistryPath> Keys;
    std::vector<RulePath> Files; // the last part names a file or folder and may be a mask
    bool Conditional = false;
};

// "FileKeyN=folder|pattern[;pattern...][|RECURSE|REMOVESELF]".
struct FileRule {
    std::size_t Line = 0;
    RulePath Folder;
    std::vector<std::string> Patterns; // plain masks: no separator, no drive, no "." or ".."
    bool Recurse = false;              // RECURSE or REMOVESELF: matching files at every depth
    bool RemoveSelf = false;           // REMOVESELF: the emptied sub-folders and the folder itself go too
};

// "RegKeyN=key[|value]": the key with its sub-keys, or only that value of it.
struct RegistryRule {
    std::size_t Line = 0;
    RegistryPath Key;
    std::optional<std::string> Value;
};

// "ExcludeKeyN=FILE|folder\|file", "PATH|folder\|pattern", "REG|key[|value]": what the entry's
// own rules leave alone. FILE keeps matching files of that one folder, PATH matching files of
// the folder and everything below it, REG a key with its sub-keys (or one value of it).
enum class ExclusionKind { File, Path, Registry };

struct Exclusion {
    std::size_t Line = 0;
    ExclusionKind Kind = ExclusionKind::File;
    RulePath Folder;                   // File and Path
    std::vector<std::string> Patterns; // File and Path
    RegistryPath Key;                  // Registry
    std::optional<std::string> Value;  // Registry
};

struct AppEntry {
    std::string Name;     // the section's name without its closing " *"
    std::string Category; // the community category's name (from "LangSecRef") or "Section"
    std::size_t Line = 0; // of the section's header
    Detection Detect;
    std::string Warning; // empty when the entry has none
    std::vector<FileRule> Files;
    std::vector<RegistryRule> Keys;
    std::vector<Exclusion> Exclusions;
    ProblemLog Problems{kEntryProblemRecords}; // the lines of this entry that were skipped
};

struct AppRules {
    std::vector<AppEntry> Entries; // in the order of the file
    ProblemLog Problems{kFileProblemRecords}; // every problem of the file, the entries' included
};

} // namespace aw
