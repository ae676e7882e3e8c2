#pragma once
// The words of the application rule file, as tables: keys, category numbers, folder
// variables, registry hives, FileKey flags and exclusion kinds. Names are matched without
// regard to ASCII letter case, as the platform's profile services match INI names.
#include "apprules/app_rules.h"

#include <optional>
#include <string>
#include <string_view>

namespace aw {

enum class RuleKey { LangSecRef, Section, Detect, DetectFile, Warning, FileKey, RegKey, ExcludeKey };

// Whether a key carries a number ("FileKey1"): never, as the file likes, or always.
enum class KeyNumbering { None, Optional, Required };

struct RuleKeyName {
    std::string_view Name;
    RuleKey Key;
    KeyNumbering Numbering;
};

constexpr RuleKeyName kRuleKeyNames[] = {
    {"LangSecRef", RuleKey::LangSecRef, KeyNumbering::None},
    {"Section", RuleKey::Section, KeyNumbering::None},
    {"Detect", RuleKey::Detect, KeyNumbering::Optional},
    {"DetectFile", RuleKey::DetectFile, KeyNumbering::Optional},
    {"Warning", RuleKey::Warning, KeyNumbering::None},
    {"FileKey", RuleKey::FileKey, KeyNumbering::Required},
    {"RegKey", RuleKey::RegKey, KeyNumbering::Required},
    {"ExcludeKey", RuleKey::ExcludeKey, KeyNumbering::Required},
};

// The community's category numbers. Numbers the browsers have of their own are not here:
// Ashwarden's own groups clean the browsers, and an entry with such a number is skipped.
struct CategoryNumber {
    std::string_view Number;
    std::string_view Name;
};

constexpr CategoryNumber kCategoryNumbers[] = {
    {"3021", "Applications"},
    {"3022", "Internet"},
    {"3023", "Multimedia"},
    {"3024", "Utilities"},
    {"3025", "Windows"},
};

struct FolderVariableName {
    std::string_view Name;
    FolderVariable Variable;
};

constexpr FolderVariableName kFolderVariableNames[] = {
    {"%AppData%", FolderVariable::AppData},
    {"%LocalAppData%", FolderVariable::LocalAppData},
    {"%LocalLowAppData%", FolderVariable::LocalLowAppData},
    {"%ProgramData%", FolderVariable::ProgramData},
    {"%ProgramFiles%", FolderVariable::ProgramFiles},
    {"%CommonProgramFiles%", FolderVariable::CommonProgramFiles},
    {"%UserProfile%", FolderVariable::UserProfile},
    {"%Public%", FolderVariable::Public},
    {"%SystemDrive%", FolderVariable::SystemDrive},
    {"%WinDir%", FolderVariable::WinDir},
    {"%Documents%", FolderVariable::Documents},
};

struct RegistryHiveName {
    std::string_view Name;
    RegistryHive Hive;
};

constexpr RegistryHiveName kRegistryHiveNames[] = {
    {"HKCU", RegistryHive::CurrentUser},
    {"HKEY_CURRENT_USER", RegistryHive::CurrentUser},
    {"HKLM", RegistryHive::LocalMachine},
    {"HKEY_LOCAL_MACHINE", RegistryHive::LocalMachine},
    {"HKCR", RegistryHive::ClassesRoot},
    {"HKEY_CLASSES_ROOT", RegistryHive::ClassesRoot},
    {"HKU", RegistryHive::Users},
    {"HKEY_USERS", RegistryHive::Users},
};

enum class FileFlag { Recurse, RemoveSelf };

struct FileFlagName {
    std::string_view Name;
    FileFlag Flag;
};

constexpr FileFlagName kFileFlagNames[] = {
    {"RECURSE", FileFlag::Recurse},
    {"REMOVESELF", FileFlag::RemoveSelf},
};

struct ExclusionKindName {
    std::string_view Name;
    ExclusionKind Kind;
};

constexpr ExclusionKindName kExclusionKindNames[] = {
    {"FILE", ExclusionKind::File},
    {"PATH", ExclusionKind::Path},
    {"REG", ExclusionKind::Registry},
};

// Look-ups in the tables above; empty for a name they do not hold.
std::optional<RuleKeyName> FindRuleKey(std::string_view name);
std::optional<std::string_view> FindCategoryName(std::string_view number);
std::optional<FolderVariable> FindFolderVariable(std::string_view name); // "%Name%", percent signs included
std::optional<RegistryHive> FindRegistryHive(std::string_view name);
std::optional<FileFlag> FindFileFlag(std::string_view name);
std::optional<ExclusionKind> FindExclusionKind(std::string_view name);

// A key as the file writes it, with the hive's short name ("HKCU\Software\Vendor").
std::string RegistryPathText(const RegistryPath& path);

// The name the file writes for a variable ("%AppData%"); empty for None.
std::string_view FolderVariableText(FolderVariable variable);

} // namespace aw
