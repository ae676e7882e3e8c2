// What a community rule may never act on: folders and keys, as the resolver hands them over.
#include "apprules/rule_names.h"
#include "apprules/rule_safety.h"
#include "fake_rule_machine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace aw {
namespace {

struct FolderCase {
    const char* Folder;
    std::optional<Refusal> Expected;
};

class FolderSafety : public ::testing::Test {
protected:
    FolderSafety()
        : safety(test::MachineFolders(), {"C:\\Users\\anna\\Desktop", "C:\\Users\\anna\\Downloads\\"},
                 [this](const std::string& folder, bool recursive) {
                     asked.emplace_back(folder, recursive);
                     return folder == "C:\\Users\\anna\\AppData\\Local\\Google\\Chrome\\User Data";
                 })
    {
    }

    SafetyRules safety;
    std::vector<std::pair<std::string, bool>> asked;
};

TEST_F(FolderSafety, RootsSystemFoldersProfilesAndWhatHoldsThemAreNeverCleaned)
{
    using R = Refusal;
    const FolderCase cases[] = {
        {"C:\\", R::DriveRoot},
        {"C:", R::DriveRoot},
        {"C:folder", R::NotAFullPath},
        {"Vendor\\Relative", R::NotAFullPath},
        {"\\Vendor", R::NotAFullPath},
        {"\\\\server\\share\\folder", R::NotAFullPath},
        {"\\\\?\\C:\\Users\\anna\\AppData\\Local\\Vendor", R::NotAFullPath},
        // The machine's own folders, in any letter case, and every folder holding one.
        {"C:\\Users\\anna", R::ProtectedFolder},
        {"c:\\USERS\\Anna", R::ProtectedFolder},
        {"C:\\Users", R::ProtectedFolder},
        {"C:\\Users\\anna\\AppData", R::ProtectedFolder},
        {"C:\\Users\\anna\\AppData\\Roaming", R::ProtectedFolder},
        {"C:\\Users\\anna\\AppData\\LocalLow", R::ProtectedFolder},
        {"C:\\Windows", R::ProtectedFolder},
        {"C:\\Windows\\System32", R::ProtectedFolder},
        {"C:\\Windows\\SysWOW64", R::ProtectedFolder},
        {"C:\\Windows\\WinSxS", R::ProtectedFolder},
        {"C:\\Program Files", R::ProtectedFolder},
        {"C:\\Program Files (x86)", R::ProtectedFolder},
        {"C:\\Program Files\\Common Files", R::ProtectedFolder},
        {"C:\\ProgramData", R::ProtectedFolder},
        {"C:\\Users\\anna\\Documents", R::ProtectedFolder},
        {"C:\\Users\\anna\\Desktop", R::ProtectedFolder},
        {"C:\\Users\\anna\\Downloads", R::ProtectedFolder},
        // Directly inside a container: other users' profiles, the user's own folders, shared
        // folders, a drive's top folders.
        {"C:\\Users\\bob", R::ProtectedFolder},
        {"C:\\Users\\Default", R::ProtectedFolder},
        {"C:\\Users\\anna\\OneDrive", R::ProtectedFolder},
        {"C:\\Users\\anna\\Pictures", R::ProtectedFolder},
        {"C:\\Users\\Public\\Desktop", R::ProtectedFolder},
        {"C:\\Temp", R::ProtectedFolder},
        {"D:\\Games", R::ProtectedFolder},
        // Parts the system would read otherwise than written.
        {"C:\\Users\\anna\\AppData\\Local\\..", R::DotPart},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor\\..\\..\\..", R::DotPart},
        {"C:\\Users\\anna\\AppData\\Local\\.", R::DotPart},
        {"C:\\Users\\anna\\AppData\\Local\\...", R::DotPart},
        {"C:\\Users\\anna\\AppData\\Local\\. .\\Vendor", R::DotPart},
        {"C:\\Windows\\System32.", R::AmbiguousPart},
        {"C:\\Windows\\System32 \\Logs", R::AmbiguousPart},
        {"C:\\PROGRA~1\\Vendor", R::AmbiguousPart},
        {"C:\\Users\\ANNA~1\\AppData\\Local\\Vendor", R::AmbiguousPart},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor:stream", R::AmbiguousPart},
        {"C:\\Users\\anna\\AppData\\Local/../../Vendor", R::AmbiguousPart},
        {"C:\\Users\\anna\\AppData\\Local\\*", R::AmbiguousPart},
        // Below the protected folders, rules may clean.
        {"C:\\Users\\anna\\AppData\\Local\\Vendor", std::nullopt},
        {"C:\\Users\\anna\\AppData\\Roaming\\Vendor\\App\\Logs", std::nullopt},
        {"C:\\Windows\\Temp", std::nullopt},
        {"C:\\Windows\\System32\\LogFiles\\Vendor", std::nullopt},
        {"C:\\Program Files\\Vendor", std::nullopt},
        {"C:\\ProgramData\\Vendor", std::nullopt},
        {"C:\\Users\\anna\\.vendor\\cache", std::nullopt},
        {"C:\\Users\\anna\\Downloads\\Vendor", std::nullopt},
        {"C:\\Users\\Public\\Vendor\\Shared", std::nullopt},
        {"D:\\Games\\Vendor", std::nullopt},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor~Name", std::nullopt},
    };
    for (const FolderCase& c : cases) {
        for (bool recursive : {false, true}) {
            const auto refusal = safety.CheckFolder(c.Folder, recursive);
            EXPECT_EQ(c.Expected, refusal) << c.Folder << ": " << (refusal ? RefusalName(*refusal) : "accepted");
        }
    }
}

TEST_F(FolderSafety, BuiltInLocationsAreAskedLastWithTheRecursion)
{
    EXPECT_EQ(Refusal::KeptFolder, safety.CheckFolder("C:\\Users\\anna\\AppData\\Local\\Google\\Chrome\\User Data", true));
    EXPECT_FALSE(safety.CheckFolder("C:\\Users\\anna\\AppData\\Local\\Vendor", false));
    EXPECT_EQ(Refusal::ProtectedFolder, safety.CheckFolder("C:\\Users\\anna", true));
    EXPECT_EQ(Refusal::DotPart, safety.CheckFolder("C:\\Users\\anna\\AppData\\Local\\..\\x", true));
    const std::vector<std::pair<std::string, bool>> expected = {
        {"C:\\Users\\anna\\AppData\\Local\\Google\\Chrome\\User Data", true},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor", false},
    };
    EXPECT_EQ(expected, asked);
}

TEST_F(FolderSafety, AWildcardNeverRangesOverEveryFolderOfAProtectedOne)
{
    using R = Refusal;
    const FolderCase cases[] = {
        {"C:\\*", R::WildcardOverFolder},
        {"C:\\*\\*", R::WildcardOverFolder},
        {"C:\\Users\\*", R::WildcardOverFolder},
        {"C:\\Users\\anna\\*", R::WildcardOverFolder},
        {"C:\\Users\\anna\\AppData\\Local\\*", R::WildcardOverFolder},
        {"C:\\Users\\anna\\AppData\\Local\\Vend?r", R::WildcardOverFolder},
        {"C:\\Users\\anna\\AppData\\Local\\*\\*", R::WildcardOverFolder},
        {"C:\\Program Files\\*", R::WildcardOverFolder},
        {"C:\\Users\\anna\\AppData\\Local\\..\\*\\Cache", R::DotPart},
        {"C:\\Users\\anna\\AppData\\Local\\*.\\Cache", R::AmbiguousPart},
        {"*:\\Vendor", R::NotAFullPath},
        {"Relative\\*", R::NotAFullPath},
        // A named part after the wildcard, or a wildcard deeper down, names what it cleans.
        {"C:\\Users\\anna\\AppData\\Local\\*\\Cache", std::nullopt},
        {"C:\\*\\Vendor\\Logs", std::nullopt},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor\\*", std::nullopt},
        {"C:\\Users\\anna\\AppData\\Local\\Vendor*\\User Data\\*", std::nullopt},
    };
    for (const FolderCase& c : cases)
        EXPECT_EQ(c.Expected, safety.CheckWildcards(c.Folder)) << c.Folder;
}

TEST(RegistrySafety, OnlyKeysWellBelowTheUsersAndTheMachinesSoftware)
{
    using R = Refusal;
    using H = RegistryHive;
    const struct {
        RegistryPath Key;
        std::optional<Refusal> Expected;
    } cases[] = {
        {{H::CurrentUser, ""}, R::RegistryTooHigh},
        {{H::CurrentUser, "Software"}, R::RegistryTooHigh},
        {{H::CurrentUser, "Environment"}, R::RegistryTooHigh},
        {{H::CurrentUser, "software\\classes\\.txt"}, R::RegistryTooHigh},
        {{H::CurrentUser, "Software\\Microsoft\\Office"}, R::RegistryTooHigh},
        {{H::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"}, R::RegistryTooHigh},
        {{H::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"}, R::RegistryTooHigh},
        {{H::CurrentUser, "Software\\Policies\\Vendor"}, R::RegistryTooHigh},
        {{H::LocalMachine, "Software"}, R::RegistryTooHigh},
        {{H::LocalMachine, "Software\\Vendor"}, R::RegistryTooHigh},
        {{H::LocalMachine, "SOFTWARE\\WOW6432Node\\Vendor"}, R::RegistryTooHigh},
        {{H::LocalMachine, "Software\\Wow6432Node\\Classes\\CLSID"}, R::RegistryTooHigh},
        {{H::LocalMachine, ""}, R::RegistryOutside},
        {{H::LocalMachine, "System\\CurrentControlSet\\Services\\Vendor"}, R::RegistryOutside},
        {{H::LocalMachine, "SoftwareX\\Vendor\\App"}, R::RegistryOutside},
        {{H::ClassesRoot, ".txt\\OpenWithList\\App"}, R::RegistryOutside},
        {{H::Users, ".DEFAULT\\Software\\Vendor\\App"}, R::RegistryOutside},
        {{H::CurrentUser, "Software\\Vendor"}, std::nullopt},
        {{H::CurrentUser, "Software\\Vendor\\App\\Recent"}, std::nullopt},
        {{H::CurrentUser, "Software\\Classes\\.txt\\OpenWithList"}, std::nullopt},
        {{H::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, std::nullopt},
        {{H::CurrentUser, "Software\\Microsoft\\Office\\16.0"}, std::nullopt},
        {{H::LocalMachine, "Software\\Vendor\\App"}, std::nullopt},
        {{H::LocalMachine, "Software\\Wow6432Node\\Vendor\\App"}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, CheckRegistryKey(c.Key)) << RegistryPathText(c.Key);
}

} // namespace
} // namespace aw
