#pragma once
// What a community rule may never act on, however it is written. Applied to every folder and
// key after its variables and wildcards are expanded, before anything is handed to the
// cleaning primitives; pure text rules over the machine's folders the caller gives.
//
// The rules see paths as text: a short (8.3) alias or a letter case outside ASCII can name a
// protected folder in other words. Parts that look like aliases are refused here; the Win32
// side checks the long path the system reports for the folder it has opened once more.
#include "apprules/folder_wildcards.h"
#include "apprules/rule_folders.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

enum class Refusal {
    NotAFullPath,       // relative, drive-relative ("C:x"), a share or a device: only "X:\..." is cleaned
    DriveRoot,          // "X:\" itself
    DotPart,            // a part ".", ".." or made only of dots and spaces
    AmbiguousPart,      // a part the system could read as another: ending in "." or " " (dropped),
                        // with ":" (a stream), "/" (a separator), "~" and a digit (a short alias),
                        // or a wildcard left unexpanded
    ProtectedFolder,    // one of the machine's own folders, a folder holding one, or a folder
                        // directly inside a container (see SafetyRules)
    KeptFolder,         // a folder Ashwarden's built-in locations keep
    WildcardOverFolder, // a wildcard part directly inside a protected folder, container or
                        // drive root that is not followed by a named part: it would range over
                        // every program's or user's folder
    TooManyFolders,     // the wildcards matched more than kMaxWildcardFolders folders
    RegistryOutside,    // a key outside HKCU and HKLM\Software
    RegistryTooHigh,    // a shared registry root or a key directly below one
};

// Whether a part of a folder path means exactly what it says: not a dot part, not ambiguous
// (wildcards aside, which the caller allows where it expands them).
std::optional<Refusal> CheckFolderPart(std::string_view part);

// A few words for the log ("protected folder").
std::string_view RefusalName(Refusal refusal);

// Whether deleting in `folder` (at every depth when `recursive`) would touch what a built-in
// location keeps; given by the caller, which knows its location table.
using KeptFolderCheck = std::function<bool(const std::string& folder, bool recursive)>;

class SafetyRules {
public:
    // Protected: every folder of the table, the system's own folders inside %WinDir%
    // (kProtectedWindowsFolders) and `more` (the user's Desktop, Downloads, Pictures, ... as the
    // caller knows them); each of them and every folder holding one. Containers, whose direct
    // sub-folders are protected as well: every drive root, the folder holding the user's
    // profile (the other users' profiles), the user's profile (the user's own folders) and
    // %Public% (the folders every user shares).
    SafetyRules(const RuleFolders& folders, std::vector<std::string> more, KeptFolderCheck kept);

    // Whether a tidied folder, wildcards expanded, may be cleaned.
    std::optional<Refusal> CheckFolder(const std::string& folder, bool recursive) const;

    // Whether a tidied folder with wildcards may be expanded at all: a full path whose parts
    // pass CheckFolderPart, without WildcardOverFolder.
    std::optional<Refusal> CheckWildcards(std::string_view folder) const;

private:
    bool IsProtectedOrHoldsOne(const FolderParts& folder) const;
    bool IsInsideContainer(const FolderParts& folder) const;
    bool IsProtectedOrContainer(const FolderParts& folder) const;

    std::vector<FolderParts> protected_;
    std::vector<FolderParts> containers_;
    KeptFolderCheck kept_;
};

// The folders inside %WinDir% the system cannot run without.
constexpr std::string_view kProtectedWindowsFolders[] = {"System32", "SysWOW64", "WinSxS"};

// Whether a key (or a value of it) may be removed: only below HKCU and HKLM\Software, and at
// least two levels below the deepest shared root that holds it (kSharedRegistryRoots), so a
// rule never takes a whole vendor's or the system's settings.
std::optional<Refusal> CheckRegistryKey(const RegistryPath& key);

struct SharedRegistryRoot {
    RegistryHive Hive;
    std::string_view Key;
};

// The first of each hive is its whole area; the others are keys many programs share.
constexpr SharedRegistryRoot kSharedRegistryRoots[] = {
    {RegistryHive::CurrentUser, ""},
    {RegistryHive::CurrentUser, "Software\\Classes"},
    {RegistryHive::CurrentUser, "Software\\Microsoft"},
    {RegistryHive::CurrentUser, "Software\\Microsoft\\Windows"},
    {RegistryHive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion"},
    {RegistryHive::CurrentUser, "Software\\Policies"},
    {RegistryHive::CurrentUser, "Software\\Wow6432Node"},
    {RegistryHive::LocalMachine, "Software"},
    {RegistryHive::LocalMachine, "Software\\Classes"},
    {RegistryHive::LocalMachine, "Software\\Microsoft"},
    {RegistryHive::LocalMachine, "Software\\Microsoft\\Windows"},
    {RegistryHive::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"},
    {RegistryHive::LocalMachine, "Software\\Policies"},
    {RegistryHive::LocalMachine, "Software\\Wow6432Node"},
    {RegistryHive::LocalMachine, "Software\\Wow6432Node\\Classes"},
    {RegistryHive::LocalMachine, "Software\\Wow6432Node\\Microsoft"},
};

} // namespace aw
