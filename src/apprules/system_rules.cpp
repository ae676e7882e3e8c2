#include "apprules/system_rules.h"

#include "cleaner/location_builder.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"
#include "cleaner/system_location_source.h"
#include "platform/directory_search.h"
#include "platform/folder_services.h"
#include "platform/registry_key.h"

#include <algorithm>
#include <memory>

namespace aw {

namespace {

// CSIDL numbers only these rules use.
constexpr int kCsidlFavorites = 6;
constexpr int kCsidlStartMenu = 11;
constexpr int kCsidlMyMusic = 13;
constexpr int kCsidlMyVideo = 14;
constexpr int kCsidlDesktopDirectory = 16;
constexpr int kCsidlPersonal = 5;
constexpr int kCsidlMyPictures = 39;
constexpr int kCsidlProfile = 40;
constexpr int kCsidlCommonFiles = 43;

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lowered;
}

bool IsAtOrBelow(const std::string& path, const std::string& folder)
{
    return path == folder || (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                              (path[folder.size()] == '\\' || folder.back() == '\\'));
}

// The folders the location table keeps something in (a "Files" or "Tree" row with a Keep
// mask), tidied and in lower case.
std::vector<std::string> KeptLocationFolders()
{
    std::vector<std::string> kept;
    SystemLocationSource source(SystemLocationSource::Profiles::Remember);
    for (const TraceAction& action : TraceLocationTable()) {
        if (action.Keep.empty() || (action.Kind != ActionKind::Files && action.Kind != ActionKind::Tree))
            continue;
        for (const std::string& location : BuildLocations(action, source))
            kept.push_back(Lowered(TidyRuleFolder(location)));
    }
    std::sort(kept.begin(), kept.end());
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    return kept;
}

std::string ParentFolder(const std::string& folder)
{
    const std::string tidy = TidyRuleFolder(folder);
    const std::size_t slash = tidy.rfind('\\');
    return slash == std::string::npos ? std::string() : tidy.substr(0, slash);
}

} // namespace

std::vector<std::string> SystemRuleMachine::SubfolderNames(const std::string& folder) const
{
    std::vector<std::string> names;
    for (DirectorySearch search(WithTrailingBackslash(folder) + "*"); search.found(); search.next())
        if (search.isDirectory() && !search.isReparsePoint() && !IsDotEntry(search.name()))
            names.push_back(search.name());
    return names;
}

bool SystemRuleMachine::HasEntryMatching(const std::string& folder, std::string_view mask) const
{
    for (DirectorySearch search(WithTrailingBackslash(folder) + "*"); search.found(); search.next())
        if (!IsDotEntry(search.name()) && MatchesMask(search.name(), mask))
            return true;
    return false;
}

bool SystemRuleMachine::KeyExists(const RegistryPath& key) const
{
    // A 32-bit program sees HKLM\Software through the 32-bit view; a 64-bit application's key
    // is in the other one. Detection looks in both (32-bit Windows ignores the flag).
    const HKEY root = HiveRoot(key.Hive);
    return static_cast<bool>(RegistryKey::Open(root, key.Key, KEY_READ)) ||
           static_cast<bool>(RegistryKey::Open(root, key.Key, KEY_READ | KEY_WOW64_64KEY));
}

HKEY HiveRoot(RegistryHive hive)
{
    switch (hive) {
    case RegistryHive::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryHive::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryHive::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryHive::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

RuleFolders SystemRuleFolders()
{
    RuleFolders folders;
    const std::string local = GetSpecialFolder(kCsidlLocalAppData);
    const std::string windows = GetWindowsFolder();
    folders.Set(FolderVariable::AppData, {GetSpecialFolder(kCsidlAppData)});
    folders.Set(FolderVariable::LocalAppData, {local});
    // LocalLow lies beside Local; the shell of older systems has no name for it.
    const std::string appDataRoot = ParentFolder(local);
    folders.Set(FolderVariable::LocalLowAppData, {appDataRoot.empty() ? std::string() : appDataRoot + "\\LocalLow"});
    folders.Set(FolderVariable::ProgramData, {GetSpecialFolder(kCsidlCommonAppData)});
    // A 32-bit program is given the 32-bit folders; the environment names the 64-bit ones.
    folders.Set(FolderVariable::ProgramFiles, {GetSpecialFolder(kCsidlProgramFiles), EnvironmentValue("ProgramW6432")});
    folders.Set(FolderVariable::CommonProgramFiles,
                {GetSpecialFolder(kCsidlCommonFiles), EnvironmentValue("CommonProgramW6432")});
    folders.Set(FolderVariable::UserProfile, {GetSpecialFolder(kCsidlProfile)});
    folders.Set(FolderVariable::Public, {EnvironmentValue("PUBLIC")});
    folders.Set(FolderVariable::SystemDrive, {windows.size() >= 2 && windows[1] == ':' ? windows.substr(0, 2) : ""});
    folders.Set(FolderVariable::WinDir, {windows});
    folders.Set(FolderVariable::Documents, {GetSpecialFolder(kCsidlPersonal)});
    return folders;
}

SafetyRules SystemSafetyRules(const RuleFolders& folders)
{
    std::vector<std::string> more;
    for (int csidl : {kCsidlDesktopDirectory, kCsidlPersonal, kCsidlMyPictures, kCsidlMyMusic, kCsidlMyVideo,
                      kCsidlFavorites, kCsidlStartMenu})
        more.push_back(GetSpecialFolder(csidl));
    const std::string profile = GetSpecialFolder(kCsidlProfile);
    if (!profile.empty())
        more.push_back(profile + "\\Downloads");
    more.erase(std::remove(more.begin(), more.end(), std::string()), more.end());
    auto kept = std::make_shared<const std::vector<std::string>>(KeptLocationFolders());
    return SafetyRules(folders, std::move(more), [kept](const std::string& folder, bool recursive) {
        const std::string lowered = Lowered(folder);
        for (const std::string& keptFolder : *kept) {
            // The folder itself, one inside it (what it keeps may be there), or, deleting at
            // every depth, one that holds it.
            if (IsAtOrBelow(lowered, keptFolder) || (recursive && IsAtOrBelow(keptFolder, lowered)))
                return true;
        }
        return false;
    });
}

} // namespace aw
