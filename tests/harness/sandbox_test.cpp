// The programs under test delete files. These tests prove that, inside the test sandbox, they
// cannot reach the host's files: no drive maps the host root, and the \\?\unix\ escape that
// Wine offers sees only the few folders the sandbox shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(Sandbox, UnixEscapeSeesOnlyTheSandbox)
{
    EXPECT_FALSE(Exists("\\\\?\\unix\\root"));
    EXPECT_FALSE(Exists("\\\\?\\unix\\home"));
    EXPECT_FALSE(Exists("\\\\?\\unix\\var"));
    EXPECT_FALSE(Exists("\\\\?\\unix\\opt"));

    const std::set<std::string> allowed = {"usr", "etc", "bin", "sbin", "lib", "lib32", "lib64",
                                           "proc", "dev", "tmp"};
    for (const auto& name : ListFolder("\\\\?\\unix")) {
        if (allowed.count(name))
            continue;
        // The only other entry is the first folder of the path to the source tree.
        char src[MAX_PATH] = {};
        GetEnvironmentVariableA("AW_SANDBOX_TOP", src, sizeof src);
        EXPECT_EQ(name, std::string(src)) << "unexpected host folder visible: " << name;
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
