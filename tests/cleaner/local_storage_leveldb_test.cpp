// Chromium's Local Storage under Wine, on copies of the store Chromium wrote for the fixture:
// reading it changes nothing, cleaning it removes exactly the entries of the sites not kept and
// leaves a database LevelDB opens with every check on, and a store a browser holds or that is
// damaged is left as it is.
#include "cleaner/browser_fixture.h"
#include "cleaner/local_storage_leveldb.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <leveldb/db.h>
#include <leveldb/env.h>
#include <leveldb/table.h>
#include <windows.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace aw {
namespace {

using namespace std::string_literals;
using Entries = std::map<std::string, std::string>;

// The fixture's own store: one site, http://127.0.0.1:8417, with one entry.
const Entries kFixtureEntries = {
    {"META:http://127.0.0.1:8417", "\x08\xEC\x92\xF8\xE1\x9B\x94\xF0\x17\x10\x30"},
    {"METAACCESS:http://127.0.0.1:8417", "\x08\xEC\x92\xF8\xE1\x9B\x94\xF0\x17"},
    {"VERSION", "1"},
    {"_http://127.0.0.1:8417\0\x01" "fixture_local"s, "\x01local storage of the fixture page"},
};

KeepList ListOf(std::initializer_list<const char*> sites)
{
    KeepList keep;
    for (const char* site : sites)
        keep.Add(site);
    return keep;
}

// The database opened by LevelDB with every check on; empty when it does not open.
Entries ReadEntries(const std::string& folder)
{
    leveldb::Options options;
    options.paranoid_checks = true;
    leveldb::DB* raw = nullptr;
    Entries entries;
    if (!leveldb::DB::Open(options, folder, &raw).ok())
        return entries;
    std::unique_ptr<leveldb::DB> db(raw);
    leveldb::ReadOptions read;
    read.verify_checksums = true;
    std::unique_ptr<leveldb::Iterator> it(db->NewIterator(read));
    for (it->SeekToFirst(); it->Valid(); it->Next())
        entries[it->key().ToString()] = it->value().ToString();
    EXPECT_TRUE(it->status().ok()) << it->status().ToString();
    return entries;
}

void WriteEntries(const std::string& folder, const Entries& entries)
{
    leveldb::DB* raw = nullptr;
    ASSERT_TRUE(leveldb::DB::Open(leveldb::Options(), folder, &raw).ok());
    std::unique_ptr<leveldb::DB> db(raw);
    for (const auto& [key, value] : entries)
        ASSERT_TRUE(db->Put(leveldb::WriteOptions(), key, value).ok());
}

// Every file of the folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& [name, size] : test::FilesBelow(folder))
        files[name] = test::ReadWholeFile(folder + "\\" + name);
    return files;
}

// Everything the folder keeps: the bytes of its files, and the keys and values (deleted and
// replaced ones too) of its tables as LevelDB reads them, since their blocks may be compressed.
std::string EverythingIn(const std::string& folder)
{
    std::string all;
    for (const auto& [name, bytes] : Snapshot(folder)) {
        all += bytes;
        if (name.size() < 4 || name.substr(name.size() - 4) != ".ldb")
            continue;
        leveldb::RandomAccessFile* rawFile = nullptr;
        EXPECT_TRUE(leveldb::Env::Default()->NewRandomAccessFile(folder + "\\" + name, &rawFile).ok()) << name;
        std::unique_ptr<leveldb::RandomAccessFile> file(rawFile);
        leveldb::Table* rawTable = nullptr;
        if (!file || !leveldb::Table::Open(leveldb::Options(), file.get(), bytes.size(), &rawTable).ok()) {
            ADD_FAILURE() << "unreadable table " << name;
            continue;
        }
        std::unique_ptr<leveldb::Table> table(rawTable);
        std::unique_ptr<leveldb::Iterator> it(table->NewIterator(leveldb::ReadOptions()));
        for (it->SeekToFirst(); it->Valid(); it->Next())
            all += it->key().ToString() + it->value().ToString();
    }
    return all;
}

bool Holds(const std::string& everything, const std::string& text)
{
    return everything.find(text) != std::string::npos;
}

// What Chromium holds while it runs: the lock file, locked, and its log, open for writing.
class HeldFile {
public:
    HeldFile(const std::string& path, bool lock)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        OVERLAPPED at = {};
        held_ = handle_ != INVALID_HANDLE_VALUE &&
                (!lock || LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                                     MAXDWORD, &at));
    }
    ~HeldFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return held_; }

private:
    HANDLE handle_;
    bool held_ = false;
};

class LocalStorageLevelDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::RequireSandbox();
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        work_ = std::string(temp) + "aw-local-storage";
        test::RemoveTree(work_);
        store_ = work_ + "\\leveldb";
        ASSERT_TRUE(test::CopyTree(std::string(test::kFixtureStage) +
                                       "\\Local\\Google\\Chrome\\User Data\\Default\\Local Storage\\leveldb",
                                   store_));
    }
    void TearDown() override { test::RemoveTree(work_); }

    std::string work_;
    std::string store_;
};

TEST_F(LocalStorageLevelDb, ReadingTheStoreChromiumWroteChangesNothing)
{
    const auto before = Snapshot(store_);
    ASSERT_EQ(before.count("000003.log"), 1u);

    const LocalStorageSurvey survey = SurveyLocalStorage(store_, ListOf({"example.org"}));
    ASSERT_EQ(survey.Outcome, LocalStorageOutcome::Read);
    ASSERT_EQ(survey.Sites.size(), 1u);
    EXPECT_EQ(survey.Sites[0].Origin, "http://127.0.0.1:8417");
    EXPECT_EQ(survey.Sites[0].Host, "127.0.0.1");
    EXPECT_FALSE(survey.Sites[0].Kept);
    EXPECT_EQ(survey.Sites[0].Entries, 3u);
    EXPECT_EQ(survey.OtherKeys, 1u); // VERSION
    EXPECT_EQ(Snapshot(store_), before);

    // Its one site kept: nothing to remove, and the store is not even opened for writing.
    const LocalStorageClean clean = CleanLocalStorage(store_, ListOf({"127.0.0.1"}));
    EXPECT_EQ(clean.Outcome, LocalStorageOutcome::NothingToRemove);
    EXPECT_EQ(Snapshot(store_), before);

    // Every key and value Chromium wrote, as LevelDB reads them.
    EXPECT_EQ(ReadEntries(store_), kFixtureEntries);
}

TEST_F(LocalStorageLevelDb, RemovesTheSitesNotKeptFromTheStoreChromiumWrote)
{
    const LocalStorageClean clean = CleanLocalStorage(store_, ListOf({"example.org"}));
    EXPECT_EQ(clean.Outcome, LocalStorageOutcome::Cleaned);
    EXPECT_EQ(clean.EntriesRemoved, 3u);
    EXPECT_EQ(clean.SitesRemoved, 1u);
    EXPECT_TRUE(clean.ManifestRewritten);

    // Nothing of the site is left in any file: not in a table, a log, or the MANIFEST.
    const std::string everything = EverythingIn(store_);
    for (const char* trace : {"127.0.0.1", "fixture_local", "local storage of the fixture page"})
        EXPECT_FALSE(Holds(everything, trace)) << trace;
    // A database as Chromium keeps one: CURRENT names the one MANIFEST, which names Chromium's
    // comparator; the browser's LOCK and LOG are still there.
    const auto files = Snapshot(store_);
    std::string manifest = files.at("CURRENT");
    manifest = manifest.substr(0, manifest.find('\n'));
    ASSERT_EQ(files.count(manifest), 1u) << manifest;
    EXPECT_NE(files.at(manifest).find("leveldb.BytewiseComparator"), std::string::npos);
    int manifests = 0;
    for (const auto& [name, bytes] : files)
        manifests += name.rfind("MANIFEST-", 0) == 0;
    EXPECT_EQ(manifests, 1);
    EXPECT_EQ(files.count("LOCK"), 1u);
    EXPECT_EQ(files.at("LOG"), Snapshot(test::kFixtureStage + std::string("\\Local\\Google\\Chrome\\User Data\\Default"
                                                                        "\\Local Storage\\leveldb")).at("LOG"));
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(name.find('\\'), std::string::npos) << name; // no "lost" folder left

    EXPECT_EQ(ReadEntries(store_), (Entries{{"VERSION", "1"}}));
}

TEST_F(LocalStorageLevelDb, KeepsTheEntriesOfTheKeptSitesExactly)
{
    const Entries kept = {
        {"_https://mail.example.com\0\x01session"s, "\x01mail-kept-4711"},
        {"META:https://mail.example.com", "\x08\x80\x01\x10\x2a"},
        {"_https://www.example.org\0\x01pref"s, "\x00o\x00r\x00g"s},
        {"ZZ:a key of no known form", "stays"},
    };
    const Entries removed = {
        {"_https://tracker.test\0\x01id"s, "\x01tracker-removed-0815"},
        {"META:https://tracker.test", "\x08\x02"},
        {"METAACCESS:https://tracker.test", "\x08\x03"},
        {"_https://badexample.org\0\x01x"s, "\x01lookalike-removed-2"},
    };
    Entries all = kept;
    all.insert(removed.begin(), removed.end());
    WriteEntries(store_, all);

    const LocalStorageClean clean = CleanLocalStorage(store_, ListOf({"mail.example.com", "example.org"}));
    EXPECT_EQ(clean.Outcome, LocalStorageOutcome::Cleaned);
    EXPECT_EQ(clean.EntriesRemoved, 7u); // the fixture's three, the tracker's three, the look-alike's one
    EXPECT_EQ(clean.SitesRemoved, 3u);

    EXPECT_TRUE(clean.ManifestRewritten);
    const std::string everything = EverythingIn(store_);
    EXPECT_TRUE(Holds(everything, "mail-kept-4711"));
    for (const char* trace : {"tracker.test", "tracker-removed-0815", "badexample", "lookalike-removed-2", "127.0.0.1"})
        EXPECT_FALSE(Holds(everything, trace)) << trace;

    Entries expected = kept;
    expected["VERSION"] = "1";
    EXPECT_EQ(ReadEntries(store_), expected);
}

TEST_F(LocalStorageLevelDb, AStoreABrowserHoldsOrThatIsDamagedIsLeftAsItIs)
{
    const KeepList keep = ListOf({"example.org"});
    const auto before = Snapshot(store_);
    {
        // Chromium's lock: the files can still be read, but the database cannot be opened.
        HeldFile lock(store_ + "\\LOCK", true);
        ASSERT_TRUE(lock.held());
        EXPECT_EQ(SurveyLocalStorage(store_, keep).Outcome, LocalStorageOutcome::Read);
        EXPECT_EQ(CleanLocalStorage(store_, keep).Outcome, LocalStorageOutcome::InUse);
        EXPECT_EQ(Snapshot(store_), before);
    }
    {
        // Its log, open for writing: not even read.
        HeldFile log(store_ + "\\000003.log", false);
        ASSERT_TRUE(log.held());
        EXPECT_EQ(SurveyLocalStorage(store_, keep).Outcome, LocalStorageOutcome::InUse);
        EXPECT_EQ(CleanLocalStorage(store_, keep).Outcome, LocalStorageOutcome::InUse);
        EXPECT_EQ(Snapshot(store_), before);
    }

    // One byte of a value changed: the log record's checksum no longer holds.
    std::string log = before.at("000003.log");
    const std::size_t value = log.find("fixture page");
    ASSERT_NE(value, std::string::npos);
    log[value] ^= 0x20;
    std::ofstream(store_ + "\\000003.log", std::ios::binary | std::ios::trunc) << log;
    const auto damaged = Snapshot(store_);
    EXPECT_EQ(SurveyLocalStorage(store_, keep).Outcome, LocalStorageOutcome::Unreadable);
    EXPECT_EQ(CleanLocalStorage(store_, keep).Outcome, LocalStorageOutcome::Unreadable);
    EXPECT_EQ(Snapshot(store_), damaged);

    // A folder that holds no database: nothing is created in it.
    const std::string empty = work_ + "\\empty";
    ASSERT_TRUE(CreateDirectoryA(empty.c_str(), nullptr));
    EXPECT_EQ(CleanLocalStorage(empty, keep).Outcome, LocalStorageOutcome::NoDatabase);
    EXPECT_TRUE(test::FilesBelow(empty).empty());

    // A UTF-8 path LevelDB's ANSI calls would misread ("J\xC3\xBCrgen" is "Jürgen").
    EXPECT_EQ(CleanLocalStorage(work_ + "\\J\xC3\xBCrgen\\leveldb", keep).Outcome,
              LocalStorageOutcome::UnsupportedPath);
}

} // namespace
} // namespace aw
