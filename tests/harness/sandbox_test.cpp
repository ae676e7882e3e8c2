// The programs under test delete files. These tests prove that, inside the test sandbox, they
// cannot reach the host's files: no drive maps the host root, and the \\?\unix\ escape that
// Wine offers sees only the few folders the sandbox shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

bool Exists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

std::set<std::string> ListFolder(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.insert(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

TEST(Sandbox, NoDriveMapsTheHostRoot)
{
    EXPECT_FALSE(Exists("Z:\\"));
    char drives[512] = {};
    GetLogicalDriveStringsA(sizeof drives, drives);
    for (const char* d = drives; *d; d += strlen(d) + 1) {
        std::string root = d;
        // Every drive there is must be a folder of the sandbox, never the unix root, which
        // would show "usr" and "etc" side by side.
        auto names = ListFolder(root.substr(0, 2));
        EXPECT_FALSE(names.count("usr") && names.count("etc")) << root << " shows the host root";
    }
}

std::string Env(const char* name)
{
    char value[MAX_PATH] = {};
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

TEST(Sandbox, UnixEscapeSeesOnlyTheSandbox)
{
    // The host's root shows the system folders and the first folder of the path to the source
    // tree, nothing else.
    std::string repo = Env("AW_SANDBOX_REPO"); // e.g. /work/main
    ASSERT_FALSE(repo.empty());
    std::vector<std::string> parts;
    for (size_t start = 1; start <= repo.size();) {
        size_t slash = repo.find('/', start);
        if (slash == std::string::npos)
            slash = repo.size();
        parts.push_back(repo.substr(start, slash - start));
        start = slash + 1;
    }
    const std::set<std::string> system = {"usr", "etc", "bin", "sbin", "lib", "lib32", "lib64", "proc", "dev", "tmp"};
    auto rootEntries = ListFolder("\\\\?\\unix");
    EXPECT_FALSE(rootEntries.empty());
    for (const auto& name : rootEntries)
        EXPECT_TRUE(system.count(name) || name == parts[0]) << "host folder visible: /" << name;
    for (const char* hidden : {"root", "home", "var", "opt", "srv", "mnt"}) {
        if (parts[0] != hidden) {
            EXPECT_FALSE(Exists((std::string("\\\\?\\unix\\") + hidden).c_str())) << hidden;
        }
    }
    // Each folder on the way to the source tree shows only the next step.
    std::string folder = "\\\\?\\unix";
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        folder += "\\" + parts[i];
        if (i == 0 && parts[0] == "tmp")
            continue; // the sandbox's own /tmp holds Wine's server folder too
        auto entries = ListFolder(folder);
        EXPECT_EQ(entries, std::set<std::string>{parts[i + 1]}) << folder;
    }
}

TEST(Sandbox, SystemFoldersAreReadOnly)
{
    HANDLE file = CreateFileA("\\\\?\\unix\\usr\\aw-probe", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(file, INVALID_HANDLE_VALUE);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileA("\\\\?\\unix\\usr\\aw-probe");
    }
}

TEST(Sandbox, HomeIsPrivate)
{
    // The recycle bin of Wine is the trash of $HOME: $HOME must be the sandbox's own, and the
    // profile's user folders plain folders of the prefix rather than links into $HOME.
    char home[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("AW_HOME", home, sizeof home), 0u);
    char work[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("AW_WORK", work, sizeof work), 0u);
    EXPECT_EQ(std::string(home).rfind(work, 0), 0u) << home << " is not under " << work;
    std::string unixHome = std::string("\\\\?\\unix") + home;
    for (char& c : unixHome)
        if (c == '/')
            c = '\\';
    EXPECT_TRUE(Exists(unixHome.c_str())) << unixHome;

    char profile[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile), 0u);
    for (const char* folder : {"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos"}) {
        std::string path = std::string(profile) + "\\" + folder;
        DWORD attributes = GetFileAttributesA(path.c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
        EXPECT_EQ(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << path << " is a link";
    }
}

} // namespace
