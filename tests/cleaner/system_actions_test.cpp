// The two "Windows" actions without a location. Emptying the recycle bin under Wine empties
// the trash of $HOME: these tests run only in the sandbox, whose HOME is private.
#include "cleaner/clean_run.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace aw {
namespace {

std::string ClipboardText(UINT format)
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<cannot open>";
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* p = GlobalLock(data)) {
            if (format == CF_UNICODETEXT) {
                for (const wchar_t* w = static_cast<const wchar_t*>(p); *w; ++w)
                    text += static_cast<char>(*w);
            } else {
                text = static_cast<const char*>(p);
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

class SystemActions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override
    {
        window_ = CreateWindowExA(0, "STATIC", "owner", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window_);
    }
    void TearDown() override { DestroyWindow(window_); }

    CleanRequest only(const char* category) const
    {
        CleanRequest request;
        request.Selection = TraceSelection::Named({{"Windows", category}});
        request.Owner = window_;
        return request;
    }

    HWND window_ = nullptr;
    CleanCounters counters_;
};

TEST_F(SystemActions, ClipboardIsLeftHoldingAnEmptyText)
{
    ASSERT_TRUE(OpenClipboard(window_));
    EmptyClipboard();
    const char secret[] = "secret";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof secret);
    memcpy(GlobalLock(memory), secret, sizeof secret);
    GlobalUnlock(memory);
    ASSERT_NE(nullptr, SetClipboardData(CF_TEXT, memory));
    CloseClipboard();
    ASSERT_EQ("secret", ClipboardText(CF_TEXT));

    RunCleaning(only("Clipboard Cache"), counters_);

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ("", ClipboardText(CF_TEXT));
    EXPECT_EQ("", ClipboardText(CF_UNICODETEXT));
    EXPECT_EQ(0, counters_.FilesDeleted);
}

// The sandbox's private HOME as Wine reaches it: its trash is the recycle bin.
std::string HomeTrash()
{
    const char* home = std::getenv("AW_HOME");
    if (!home)
        return std::string();
    std::string path = std::string("\\\\?\\unix") + home + "/.local/share/Trash";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

int CountEntries(const std::string& folder)
{
    int count = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do
        count += strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0;
    while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

TEST_F(SystemActions, RecycleBinIsEmptiedWithoutCounting)
{
    const std::string trash = HomeTrash();
    ASSERT_FALSE(trash.empty()) << "AW_HOME is not set";
    // Wine moves deleted files to the trash only when the trash folders exist.
    test::Seeds folders;
    folders.folder(trash + "\\files");
    folders.folder(trash + "\\info");
    ASSERT_TRUE(test::IsFolder(trash + "\\files"));

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    test::Seeds seeds;
    std::string victim = std::string(temp) + "aw-recycled.txt";
    seeds.text(victim, "to the bin");
    std::string from = victim + '\0'; // double-zero terminated list
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(0, SHFileOperationA(&op));
    ASSERT_FALSE(test::PathExists(victim));
    ASSERT_EQ(1, CountEntries(trash + "\\files"));

    RunCleaning(only("Empty RecycleBin"), counters_);

    EXPECT_EQ(0, CountEntries(trash + "\\files"));
    EXPECT_EQ(0, counters_.FilesDeleted);
    EXPECT_EQ(0, counters_.BytesCleaned);
}

} // namespace
} // namespace aw
