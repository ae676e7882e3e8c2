// The deletion primitives on real files of the prefix: a private folder below the user's
// temporary folder, removed after every test.
#include "cleaner/file_primitives.h"
#include "cleaner/folder_tree.h"
#include "cleaner/wine_support.h"
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace aw {
namespace {

using test::PathExists;
using test::Seeds;

class FilePrimitives : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }

    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "aw-primitives-" + std::to_string(GetCurrentProcessId());
        test::RemoveTree(root_);
        seeds_.folder(root_);
    }
    void TearDown() override
    {
        seeds_.clean();
        test::RemoveTree(root_);
    }

    std::string at(const std::string& relative) const { return root_ + "\\" + relative; }

    std::string root_;
    Seeds seeds_;
    CleanCounters counters_;
};

TEST_F(FilePrimitives, FilesInFolderDeletesProtectedFilesButNoSubFolder)
{
    seeds_.file(at("f\\readonly.txt"), 11, FILE_ATTRIBUTE_READONLY);
    seeds_.file(at("f\\hidden.txt"), 22, FILE_ATTRIBUTE_HIDDEN);
    seeds_.file(at("f\\system.txt"), 33, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    seeds_.file(at("f\\sub\\inner.txt"), 44);

    DeleteFilesInFolder(at("f"), "*.*", counters_);

    EXPECT_FALSE(PathExists(at("f\\readonly.txt")));
    EXPECT_FALSE(PathExists(at("f\\hidden.txt")));
    EXPECT_FALSE(PathExists(at("f\\system.txt")));
    EXPECT_TRUE(PathExists(at("f\\sub\\inner.txt")));
    EXPECT_EQ(3, counters_.FilesDeleted);
    EXPECT_EQ(66, counters_.BytesCleaned);
}

TEST_F(FilePrimitives, FilesInFolderKeepsWhatTheMaskDoesNotName)
{
    seeds_.file(at("m\\History"), 1);
    seeds_.file(at("m\\History-journal"), 2);
    seeds_.file(at("m\\Archived History"), 4);
    seeds_.file(at("m\\report.log"), 8);
    seeds_.file(at("m\\report.logbook"), 16);
    seeds_.folder(at("m\\History Index"));

    DeleteFilesInFolder(at("m\\"), "History*", counters_);
    DeleteFilesInFolder(at("m\\"), "*.log", counters_);

    EXPECT_FALSE(PathExists(at("m\\History")));
    EXPECT_FALSE(PathExists(at("m\\History-journal")));
    EXPECT_FALSE(PathExists(at("m\\report.log")));
    EXPECT_TRUE(PathExists(at("m\\Archived History")));
    EXPECT_TRUE(PathExists(at("m\\report.logbook")));
    EXPECT_TRUE(PathExists(at("m\\History Index")));
    EXPECT_EQ(3, counters_.FilesDeleted);
    EXPECT_EQ(11, counters_.BytesCleaned);
}

TEST_F(FilePrimitives, FolderTreeCountsOnlyTheTopLevel)
{
    seeds_.file(at("t\\a.bin"), 100);
    seeds_.file(at("t\\b.bin"), 200, FILE_ATTRIBUTE_READONLY);
    seeds_.file(at("t\\sub\\c.bin"), 1000);
    seeds_.file(at("t\\sub\\d.bin"), 1000, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    seeds_.file(at("t\\sub\\deeper\\e.bin"), 1000);

    DeleteFolderTree(at("t"), "*.*", false, counters_);

    for (const char* gone : {"t\\a.bin", "t\\b.bin", "t\\sub\\c.bin", "t\\sub\\d.bin", "t\\sub\\deeper\\e.bin", "t\\sub"})
        EXPECT_FALSE(PathExists(at(gone))) << gone;
    EXPECT_TRUE(test::IsFolder(at("t")));
    EXPECT_EQ(2, counters_.FilesDeleted);
    EXPECT_EQ(300, counters_.BytesCleaned);
}

TEST_F(FilePrimitives, FolderTreeWalksAPathWithDoubledSeparators)
{
    seeds_.file(at("dd\\x\\top.bin"), 5);
    seeds_.file(at("dd\\x\\sub\\inner.bin"), 7);

    DeleteFolderTree(root_ + "\\\\dd\\\\x\\", "*.*", false, counters_);

    EXPECT_FALSE(PathExists(at("dd\\x\\top.bin")));
    EXPECT_FALSE(PathExists(at("dd\\x\\sub")));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(5, counters_.BytesCleaned);
}

TEST_F(FilePrimitives, LockedIndexDatIsRegisteredForRebootOnlyWithTheFlag)
{
    test::ClearPendingDeletionsAtReboot();
    seeds_.file(at("ie\\index.dat"), 10);
    seeds_.file(at("ie\\Low\\index.dat"), 20);
    seeds_.file(at("ie\\Index.DAT"), 30);
    seeds_.file(at("ie\\other.dat"), 40);
    seeds_.file(at("ie\\cookie.txt"), 50);
    auto registered = [&](const std::string& relative) {
        auto pending = test::PendingDeletionsAtReboot();
        std::string suffix = at(relative);
        return std::any_of(pending.begin(), pending.end(), [&](const std::string& entry) {
            return entry.size() >= suffix.size() && entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) == 0;
        });
    };
    {
        test::LockedFile top(at("ie\\index.dat")), low(at("ie\\Low\\index.dat")), upper(at("ie\\Index.DAT")),
            other(at("ie\\other.dat"));
        ASSERT_TRUE(top.locked() && low.locked() && upper.locked() && other.locked());

        DeleteFolderTree(at("ie"), "*.*", false, counters_);
        EXPECT_TRUE(test::PendingDeletionsAtReboot().empty());
        EXPECT_EQ(1, counters_.FilesDeleted); // cookie.txt

        counters_.reset();
        DeleteFolderTree(at("ie"), "*.*", true, counters_);
        EXPECT_TRUE(registered("ie\\index.dat"));
        EXPECT_TRUE(registered("ie\\Low\\index.dat"));
        EXPECT_FALSE(registered("ie\\Index.DAT"));
        EXPECT_FALSE(registered("ie\\other.dat"));
        EXPECT_EQ(0, counters_.FilesDeleted);
        EXPECT_TRUE(PathExists(at("ie\\index.dat")));
    }
    test::ClearPendingDeletionsAtReboot();
}

TEST_F(FilePrimitives, SingleFilesAreCountedWithTheirFullSize)
{
    const std::int64_t fiveGigabytes = 5LL * 1024 * 1024 * 1024;
    seeds_.file(at("big.bin"), fiveGigabytes);
    ASSERT_EQ(fiveGigabytes, test::SizeOnDisk(at("big.bin")));
    EXPECT_EQ(fiveGigabytes, FileSizeOf(at("big.bin")));

    DeleteTraceFile(at("big.bin"), counters_);
    DeleteTraceFile(at("missing.bin"), counters_);
    DeleteTraceFile(root_, counters_); // a folder is no file

    EXPECT_FALSE(PathExists(at("big.bin")));
    EXPECT_TRUE(test::IsFolder(root_));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(fiveGigabytes, counters_.BytesCleaned);
}

TEST_F(FilePrimitives, DeleteFileNowLeavesAFileItCannotDeleteAsItWas)
{
    seeds_.file(at("ro.txt"), 3, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    {
        test::LockedFile lock(at("ro.txt"));
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(DeleteFileNow(at("ro.txt")));
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
                  GetFileAttributesA(at("ro.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    }
    EXPECT_TRUE(DeleteFileNow(at("ro.txt")));
    EXPECT_FALSE(DeleteFileNow(at("ro.txt")));
    EXPECT_FALSE(DeleteFileNow(root_));
    EXPECT_FALSE(DeleteFileAtReboot(at("ro.txt")));
}

// The three questions differ only in what kind of entry they accept.
TEST_F(FilePrimitives, ExistenceChecksTellFilesFromFolders)
{
    seeds_.file(at("file.txt"), 1);
    seeds_.folder(at("folder"));
    EXPECT_TRUE(FileExists(at("file.txt")) && aw::PathExists(at("file.txt")));
    EXPECT_FALSE(FolderExists(at("file.txt")));
    EXPECT_TRUE(FolderExists(at("folder")) && aw::PathExists(at("folder")) && PlainFolderExists(at("folder\\")));
    EXPECT_FALSE(FileExists(at("folder")));
    EXPECT_FALSE(FileExists(at("missing")) || FolderExists(at("missing")) || aw::PathExists(at("missing")));
    EXPECT_FALSE(aw::PathExists(""));
}

TEST_F(FilePrimitives, FolderIsEmptyWhenMissingOrHoldingNothing)
{
    EXPECT_TRUE(IsFolderEmpty(at("missing")));
    seeds_.folder(at("empty"));
    EXPECT_TRUE(IsFolderEmpty(at("empty")));
    EXPECT_TRUE(IsFolderEmpty(at("empty\\")));
    seeds_.file(at("one\\file.txt"), 1);
    EXPECT_FALSE(IsFolderEmpty(at("one")));
    seeds_.folder(at("nested\\sub"));
    EXPECT_FALSE(IsFolderEmpty(at("nested")));
}

// Names the ANSI code page cannot spell, in a folder whose files lie more than 300 characters
// down: the single-file operations and a mask reach them by their exact names, and count them.
// (Trees of such names, through the cleaning run, are in run_test.cpp.)
TEST_F(FilePrimitives, NamesOfAnyScriptAndLengthAreRemovedAndCounted)
{
    std::string deep = at("long");
    while (deep.size() < 300)
        deep += "\\" + test::kCyrillicName + " level";
    std::int64_t size = 10;
    for (const std::string& name : test::kUnspellableNames) {
        seeds_.file(deep + "\\" + name, size);
        size *= 2;
    }
    seeds_.file(deep + "\\keep.bin", 1);
    const std::string emoji = deep + "\\" + test::kEmojiName;
    ASSERT_GT(emoji.size(), 300u);
    EXPECT_EQ(40, FileSizeOf(emoji));
    EXPECT_TRUE(IsOwnFile(emoji));

    EXPECT_TRUE(DeleteTraceFile(emoji, counters_));
    // The mask "*\u0447\u0451\u0442.docx", matched against the exact name.
    DeleteFilesInFolder(deep, "*" + test::kCyrillicName.substr(4), counters_);
    EXPECT_FALSE(PathExists(emoji));
    EXPECT_FALSE(PathExists(deep + "\\" + test::kCyrillicName));
    EXPECT_TRUE(PathExists(deep + "\\" + test::kChineseName));
    EXPECT_TRUE(PathExists(deep + "\\keep.bin"));
    EXPECT_EQ(2, counters_.FilesDeleted);
    EXPECT_EQ(40 + 10, counters_.BytesCleaned);
}

// A file the walk finds but cannot reach by its plain path (a trailing dot, which the system
// drops from a plain path and which the long form would keep) stays where it is, and a file
// that stays is never counted: not at the top of a tree, nor in a long folder.
TEST_F(FilePrimitives, AFileThatStaysIsNeverCounted)
{
    std::string deep = at("stay");
    while (deep.size() < 300)
        deep += "\\level";
    const std::wstring kept[] = {test::ExactPath(at("stay\\kept.")), test::ExactPath(deep + "\\kept.")};
    seeds_.file(at("stay\\gone.bin"), 5);
    seeds_.file(deep + "\\gone.bin", 7);
    for (const std::wstring& path : kept) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        CloseHandle(h);
    }

    DeleteFolderTree(at("stay"), "*.*", false, counters_);
    DeleteFilesInFolder(deep, "*.*", counters_);

    for (const std::wstring& path : kept) {
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
        DeleteFileW(path.c_str());
    }
    EXPECT_FALSE(PathExists(at("stay\\gone.bin")));
    EXPECT_FALSE(PathExists(deep + "\\gone.bin"));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(5, counters_.BytesCleaned);
}

} // namespace
} // namespace aw
