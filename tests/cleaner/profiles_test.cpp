// Folder services and profile discovery against the prefix's own folders and registry.
#include "cleaner/browser_profiles.h"
#include "cleaner/file_primitives.h"
#include "cleaner/wine_support.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aw {
namespace {

class FolderServices : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
};

TEST_F(FolderServices, SpecialFoldersComeAsTheShellGivesThem)
{
    for (int csidl : {kCsidlAppData, kCsidlLocalAppData, kCsidlProgramFiles, kCsidlCommonAppData}) {
        std::string folder = GetSpecialFolder(csidl);
        EXPECT_EQ(test::ShellFolder(csidl), folder) << csidl;
        ASSERT_FALSE(folder.empty()) << csidl;
        EXPECT_NE('\\', folder.back()) << folder;
    }
    EXPECT_EQ("", GetSpecialFolder(0x7E)); // no such folder
}

TEST_F(FolderServices, AScopeKeepsTheFirstAnswersUntilItsOutermostLevelEnds)
{
    // Without its folder the shell no longer names the Internet cache: that shows which calls
    // asked the shell and which were answered from the scope.
    const std::string cache = GetSpecialFolder(kCsidlInternetCache);
    ASSERT_FALSE(cache.empty());
    {
        SpecialFolderScope outer;
        EXPECT_EQ(cache, GetSpecialFolder(kCsidlInternetCache));
        test::EmptyFolder(cache);
        ASSERT_TRUE(RemoveDirectoryA(cache.c_str()));
        {
            SpecialFolderScope inner;
            EXPECT_EQ(cache, GetSpecialFolder(kCsidlInternetCache));
        }
        EXPECT_EQ(cache, GetSpecialFolder(kCsidlInternetCache));
        // Another folder is asked for itself, not given the cache's answer.
        EXPECT_EQ(test::ShellFolder(kCsidlAppData), GetSpecialFolder(kCsidlAppData));
    }
    EXPECT_EQ("", GetSpecialFolder(kCsidlInternetCache));
    ASSERT_TRUE(CreateDirectoryA(cache.c_str(), nullptr));
    EXPECT_EQ(cache, GetSpecialFolder(kCsidlInternetCache));
}

TEST_F(FolderServices, SystemFoldersAndTheProgramsOwnFolder)
{
    EXPECT_TRUE(test::IsFolder(GetWindowsFolder()));
    EXPECT_TRUE(test::IsFolder(GetSystemFolder()));
    std::string temp = GetTempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ('\\', temp.back());
    EXPECT_TRUE(test::IsFolder(temp));

    std::string exe = GetExeFolder();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ('\\', exe.back());
    EXPECT_TRUE(test::PathExists(exe + "test_cleaner_primitives.exe")) << exe;
}

// A user whose folders the code page cannot spell (here the roaming folder, moved through the
// registry as Windows moves it): the shell's answer comes back exactly, and files are found
// and removed through it.
TEST_F(FolderServices, SpecialFoldersTheCodePageCannotSpellComeBackExactly)
{
    const wchar_t* const keys[] = {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                                   L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
    struct Saved {
        HKEY Key = nullptr;
        DWORD Type = 0;
        std::vector<BYTE> Data;
        bool Present = false;
    } saved[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, keys[i], 0, KEY_READ | KEY_WRITE, &saved[i].Key));
        DWORD size = 0;
        saved[i].Present = RegQueryValueExW(saved[i].Key, L"AppData", nullptr, &saved[i].Type, nullptr, &size) == ERROR_SUCCESS;
        saved[i].Data.resize(size);
        if (saved[i].Present)
            RegQueryValueExW(saved[i].Key, L"AppData", nullptr, &saved[i].Type, saved[i].Data.data(), &size);
    }
    const std::string roaming = GetSpecialFolder(kCsidlAppData);
    const std::string moved = roaming + "\\" + test::kCyrillicName + " " + test::kEmojiName;
    test::Seeds seeds;
    seeds.file(moved + "\\" + test::kChineseName, 9);
    const std::wstring value = test::Wide(moved);
    RegSetValueExW(saved[0].Key, L"AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));

    const std::string answer = GetSpecialFolder(kCsidlAppData);
    CleanCounters counters;
    const bool removed = DeleteTraceFile(answer + "\\" + test::kChineseName, counters);

    for (Saved& s : saved) {
        if (s.Present)
            RegSetValueExW(s.Key, L"AppData", 0, s.Type, s.Data.data(), static_cast<DWORD>(s.Data.size()));
        RegCloseKey(s.Key);
    }
    EXPECT_EQ(moved, answer);
    EXPECT_TRUE(removed);
    EXPECT_EQ(9, counters.BytesCleaned);
    EXPECT_EQ(roaming, GetSpecialFolder(kCsidlAppData));
}

class BrowserProfiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { roaming_ = test::ShellFolder(kCsidlAppData); }

    void writeIni(const std::string& relative, const std::string& content) { seeds_.text(roaming_ + "\\" + relative, content); }

    std::string roaming_;
    test::Seeds seeds_;
};

const char* kTwoProfiles = "[General]\r\nStartWithLastProfile=1\r\n\r\n"
                           "[Profile1]\r\nName=other\r\nIsRelative=1\r\nPath=Profiles/second.default\r\n\r\n"
                           "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/first.default\r\nDefault=1\r\n";

TEST_F(BrowserProfiles, OnlyProfileZeroIsUsedAndItsSlashesOpenAsStored)
{
    writeIni("Mozilla\\Firefox\\profiles.ini", kTwoProfiles);
    seeds_.file(roaming_ + "\\Mozilla\\Firefox\\Profiles\\first.default\\places.sqlite", 12);

    EXPECT_EQ(roaming_ + "\\Mozilla\\Firefox\\", GetFirefoxRoot());
    EXPECT_EQ("Profiles/first.default", GetFirefoxProfilePath());
    std::string folder = GetFirefoxProfileFolder();
    EXPECT_EQ(roaming_ + "\\Mozilla\\Firefox\\Profiles/first.default\\", folder);
    EXPECT_TRUE(FileExists(folder + "places.sqlite"));
}

TEST_F(BrowserProfiles, EachBrowserReadsItsOwnProfilesIni)
{
    struct Browser {
        const char* ini;
        std::string (*profile)();
    } browsers[] = {
        {"Moonchild Productions\\Pale Moon\\profiles.ini", GetPaleMoonProfilePath},
        {"K-Meleon\\profiles.ini", GetKMeleonProfilePath},
        {"Netscape\\Navigator\\profiles.ini", GetNetscapeProfilePath},
        {"Mozilla\\SeaMonkey\\profiles.ini", GetSeaMonkeyProfilePath},
    };
    for (const Browser& b : browsers) {
        SCOPED_TRACE(b.ini);
        EXPECT_EQ("", b.profile());
        writeIni(b.ini, "[Profile0]\r\nPath=Profiles\\p0.default\r\n");
        EXPECT_EQ("Profiles\\p0.default", b.profile());
        writeIni(b.ini, "[Profile1]\r\nPath=Profiles\\p1.default\r\n");
        EXPECT_EQ("", b.profile());
        writeIni(b.ini, "[Profile0]\r\nName=no path\r\n");
        EXPECT_EQ("", b.profile());
    }
}

TEST_F(BrowserProfiles, MissingOrOverlongValuesGiveNoProfile)
{
    EXPECT_EQ("", ReadProfile0Path(roaming_ + "\\no such folder\\profiles.ini"));
    EXPECT_EQ("", ReadProfile0Path("profiles.ini")); // never the Windows folder's copy
    writeIni("AwLong\\profiles.ini", "[Profile0]\r\nPath=" + std::string(40000, 'p') + "\r\n");
    EXPECT_EQ("", ReadProfile0Path(roaming_ + "\\AwLong\\profiles.ini"));
}

} // namespace
} // namespace aw
