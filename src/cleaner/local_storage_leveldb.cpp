#include "cleaner/local_storage_leveldb.h"

#include <leveldb/db.h>
#include <leveldb/env.h>
#include <leveldb/helpers/memenv.h>
#include <leveldb/iterator.h>
#include <leveldb/write_batch.h>

#include <algorithm>
#include <cstdarg>
#include <map>
#include <memory>
#include <set>
#include <string_view>

namespace aw {

namespace {

// Without a logger of its own, LevelDB writes a "LOG" into the database's folder (renaming the
// browser's to "LOG.old") before it even takes the lock, and its messages can name the keys of
// the entries being removed.
class SilentLogger : public leveldb::Logger {
public:
    void Logv(const char*, std::va_list) override {}
};

leveldb::Options StoreOptions(leveldb::Env* env, leveldb::Logger* logger)
{
    leveldb::Options options; // Chromium's comparator (byte-wise) and compression (Snappy)
    options.env = env;
    options.info_log = logger;
    options.create_if_missing = false;
    options.paranoid_checks = true;
    return options;
}

std::string FileIn(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

// The files that make up the database: CURRENT, MANIFEST-*, *.log, *.ldb and *.sst. (Not LOCK
// and LOG, which are the running program's own.)
bool IsDatabaseFile(std::string_view name)
{
    auto endsWith = [&](std::string_view suffix) {
        return name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
    };
    return name == "CURRENT" || name.substr(0, 9) == "MANIFEST-" || endsWith(".log") || endsWith(".ldb") ||
           endsWith(".sst");
}

std::uint64_t DatabaseFileBytes(leveldb::Env* env, const std::string& folder)
{
    std::vector<std::string> names;
    if (!env->GetChildren(folder, &names).ok())
        return 0;
    std::uint64_t total = 0;
    for (const std::string& name : names) {
        std::uint64_t size = 0;
        if (IsDatabaseFile(name) && env->GetFileSize(FileIn(folder, name), &size).ok())
            total += size;
    }
    return total;
}

LocalStorageOutcome OutcomeOfFailedOpen(const leveldb::Status& status)
{
    // The lock file held, or a file open for writing elsewhere, reads as an I/O error.
    return status.IsIOError() ? LocalStorageOutcome::InUse : LocalStorageOutcome::Unreadable;
}

// Copies the database's files into an environment in memory, under the same names.
LocalStorageOutcome CopyIntoMemory(leveldb::Env* disk, leveldb::Env* memory, const std::string& folder)
{
    std::vector<std::string> names;
    if (!disk->GetChildren(folder, &names).ok())
        return LocalStorageOutcome::InUse;
    memory->CreateDir(folder);
    std::string buffer(64 * 1024, '\0');
    for (const std::string& name : names) {
        if (!IsDatabaseFile(name))
            continue;
        leveldb::SequentialFile* rawIn = nullptr;
        if (!disk->NewSequentialFile(FileIn(folder, name), &rawIn).ok())
            return LocalStorageOutcome::InUse;
        std::unique_ptr<leveldb::SequentialFile> in(rawIn);
        leveldb::WritableFile* rawOut = nullptr;
        if (!memory->NewWritableFile(FileIn(folder, name), &rawOut).ok())
            return LocalStorageOutcome::Unreadable;
        std::unique_ptr<leveldb::WritableFile> out(rawOut);
        while (true) {
            leveldb::Slice chunk;
            if (!in->Read(buffer.size(), &chunk, &buffer[0]).ok())
                return LocalStorageOutcome::InUse;
            if (chunk.empty())
                break;
            if (!out->Append(chunk).ok())
                return LocalStorageOutcome::Unreadable;
        }
        out->Close();
    }
    return LocalStorageOutcome::Read;
}

// Walks every key, deciding by the list; `onRemoved` is called with each key of a site that is
// not kept. False when the walk met damage.
template <typename OnRemoved>
bool WalkSites(leveldb::DB& db, const KeepList& keep, LocalStorageSurvey& survey, OnRemoved onRemoved)
{
    leveldb::ReadOptions read;
    read.verify_checksums = true;
    read.fill_cache = false;
    std::unique_ptr<leveldb::Iterator> it(db.NewIterator(read));
    std::map<std::string, std::size_t> siteIndex;
    for (it->SeekToFirst(); it->Valid(); it->Next()) {
        const std::string_view key(it->key().data(), it->key().size());
        const LocalStorageKey kind = ClassifyLocalStorageKey(key);
        if (kind.Kind != LocalStorageKeyKind::SiteEntry && kind.Kind != LocalStorageKeyKind::SiteMetadata) {
            ++survey.OtherKeys;
            continue;
        }
        // The origin as the key writes it: between the prefix and the NUL or the end.
        const std::size_t start = kind.Kind == LocalStorageKeyKind::SiteEntry ? 1 : key.find(':') + 1;
        const std::string origin(key.substr(start, key.find('\0', start) - start));
        auto [place, added] = siteIndex.try_emplace(origin, survey.Sites.size());
        if (added)
            survey.Sites.push_back(LocalStorageSite{origin, kind.Origin.Host, keep.KeepsHost(kind.Origin.Host), 0, 0});
        LocalStorageSite& site = survey.Sites[place->second];
        ++site.Entries;
        site.Bytes += it->key().size() + it->value().size();
        if (!site.Kept)
            onRemoved(it->key());
    }
    return it->status().ok();
}

LocalStorageSurvey SurveyOpenDatabase(leveldb::DB& db, const KeepList& keep)
{
    LocalStorageSurvey survey;
    survey.Outcome = WalkSites(db, keep, survey, [](const leveldb::Slice&) {}) ? LocalStorageOutcome::Read
                                                                               : LocalStorageOutcome::Unreadable;
    return survey;
}

std::unique_ptr<leveldb::DB> OpenStore(const leveldb::Options& options, const std::string& folder,
                                       leveldb::Status& status)
{
    leveldb::DB* raw = nullptr;
    status = leveldb::DB::Open(options, folder, &raw);
    return std::unique_ptr<leveldb::DB>(status.ok() ? raw : nullptr);
}

// The database's lock, held by this program.
class StoreLock {
public:
    StoreLock(leveldb::Env* env, const std::string& folder) : env_(env)
    {
        if (!env_->LockFile(FileIn(folder, "LOCK"), &lock_).ok())
            lock_ = nullptr;
    }
    ~StoreLock()
    {
        if (lock_)
            env_->UnlockFile(lock_);
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool held() const { return lock_ != nullptr; }

private:
    leveldb::Env* env_;
    leveldb::FileLock* lock_ = nullptr;
};

std::set<std::string> FilesOf(leveldb::Env* env, const std::string& folder)
{
    std::vector<std::string> names;
    env->GetChildren(folder, &names);
    std::set<std::string> files(names.begin(), names.end());
    files.erase(".");
    files.erase("..");
    return files;
}

// A MANIFEST keeps, as each level's compaction pointer, the last key the latest compaction of
// that level read: after removing sites, a removed key, which every later MANIFEST copies.
// LevelDB's repair writes a MANIFEST that lists the tables as they are and holds no compaction
// pointer; it moves the old MANIFEST and the (empty) log into the folder "lost", from which
// they are deleted. (Anything else the repair moved there, a table it could not read, is left.)
// The repair takes no lock of its own, so the database's lock is held meanwhile.
bool WriteManifestOfTheTablesAsTheyAre(leveldb::Env* env, const std::string& folder, const leveldb::Options& options)
{
    const std::string lost = FileIn(folder, "lost");
    const bool hadLost = env->FileExists(lost);
    const std::set<std::string> lostBefore = FilesOf(env, lost);
    bool repaired = false;
    {
        StoreLock lock(env, folder);
        repaired = lock.held() && leveldb::RepairDB(folder, options).ok();
    }
    bool onlyOldRecords = true;
    for (const std::string& name : FilesOf(env, lost)) {
        if (lostBefore.count(name))
            continue;
        if (name.substr(0, 9) == "MANIFEST-" || (name.size() > 4 && name.substr(name.size() - 4) == ".log"))
            env->RemoveFile(FileIn(lost, name));
        else
            onlyOldRecords = false;
    }
    if (!hadLost && onlyOldRecords)
        env->RemoveDir(lost);
    return repaired && onlyOldRecords;
}

} // namespace

namespace {

// Opens a copy in memory of the store in `folder`; null, with the outcome saying why, when it
// cannot be read.
std::unique_ptr<leveldb::DB> OpenCopy(const std::string& folder, std::unique_ptr<leveldb::Env>& memory,
                                      leveldb::Logger& logger, LocalStorageOutcome& outcome, std::uint64_t& bytes)
{
    outcome = LocalStorageOutcome::NoDatabase;
    if (std::any_of(folder.begin(), folder.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        outcome = LocalStorageOutcome::UnsupportedPath;
        return nullptr;
    }
    leveldb::Env* disk = leveldb::Env::Default();
    if (!disk->FileExists(FileIn(folder, "CURRENT")))
        return nullptr;
    bytes = DatabaseFileBytes(disk, folder);
    if (bytes > kMaxLocalStorageBytes) {
        outcome = LocalStorageOutcome::TooLarge;
        return nullptr;
    }
    memory.reset(leveldb::NewMemEnv(disk));
    outcome = CopyIntoMemory(disk, memory.get(), folder);
    if (outcome != LocalStorageOutcome::Read)
        return nullptr;
    leveldb::Status status;
    std::unique_ptr<leveldb::DB> db = OpenStore(StoreOptions(memory.get(), &logger), folder, status);
    if (!db)
        outcome = LocalStorageOutcome::Unreadable;
    return db;
}

} // namespace

LocalStorageSurvey SurveyLocalStorage(const std::string& folder, const KeepList& keep)
{
    LocalStorageSurvey survey;
    std::unique_ptr<leveldb::Env> memory;
    SilentLogger logger;
    std::uint64_t bytes = 0;
    std::unique_ptr<leveldb::DB> db = OpenCopy(folder, memory, logger, survey.Outcome, bytes);
    if (!db)
        return survey;
    survey = SurveyOpenDatabase(*db, keep);
    survey.FileBytes = bytes;
    return survey;
}

std::optional<bool> IndexNamesKeptSite(const std::string& folder, const KeepList& keep,
                                       std::optional<SiteOrigin> (*originOfKey)(std::string_view))
{
    std::unique_ptr<leveldb::Env> memory;
    SilentLogger logger;
    std::uint64_t bytes = 0;
    LocalStorageOutcome outcome = LocalStorageOutcome::NoDatabase;
    std::unique_ptr<leveldb::DB> db = OpenCopy(folder, memory, logger, outcome, bytes);
    if (!db)
        return outcome == LocalStorageOutcome::NoDatabase ? std::optional<bool>(false) : std::nullopt;
    leveldb::ReadOptions read;
    read.verify_checksums = true;
    read.fill_cache = false;
    std::unique_ptr<leveldb::Iterator> it(db->NewIterator(read));
    for (it->SeekToFirst(); it->Valid(); it->Next()) {
        const std::optional<SiteOrigin> origin = originOfKey(std::string_view(it->key().data(), it->key().size()));
        if (origin && keep.KeepsHost(origin->Host))
            return true;
    }
    return it->status().ok() ? std::optional<bool>(false) : std::nullopt;
}

LocalStorageClean CleanLocalStorage(const std::string& folder, const KeepList& keep)
{
    LocalStorageClean result;
    const LocalStorageSurvey survey = SurveyLocalStorage(folder, keep);
    result.Outcome = survey.Outcome;
    if (survey.Outcome != LocalStorageOutcome::Read)
        return result;
    result.FileBytesBefore = result.FileBytesAfter = survey.FileBytes;
    if (std::all_of(survey.Sites.begin(), survey.Sites.end(), [](const LocalStorageSite& site) { return site.Kept; })) {
        result.Outcome = LocalStorageOutcome::NothingToRemove;
        return result;
    }

    leveldb::Env* disk = leveldb::Env::Default();
    SilentLogger logger;
    const leveldb::Options options = StoreOptions(disk, &logger);
    leveldb::Status status;
    {
        std::unique_ptr<leveldb::DB> db = OpenStore(options, folder, status);
        if (!db) {
            result.Outcome = OutcomeOfFailedOpen(status);
            return result;
        }
        // Decided again under the lock: the browser may have written since the survey.
        leveldb::WriteBatch removals;
        LocalStorageSurvey current;
        const bool walked = WalkSites(*db, keep, current, [&](const leveldb::Slice& key) {
            removals.Delete(key);
            ++result.EntriesRemoved;
        });
        result.SitesRemoved = static_cast<std::size_t>(std::count_if(
            current.Sites.begin(), current.Sites.end(), [](const LocalStorageSite& site) { return !site.Kept; }));
        leveldb::WriteOptions write;
        write.sync = true;
        if (!walked || (result.EntriesRemoved > 0 && !db->Write(write, &removals).ok())) {
            result.Outcome = LocalStorageOutcome::Unreadable;
            result.EntriesRemoved = result.SitesRemoved = 0;
            return result;
        }
        if (result.EntriesRemoved == 0) {
            result.Outcome = LocalStorageOutcome::NothingToRemove;
            return result;
        }
        // Rewrites every table without the removed entries and their deletion marks, and starts
        // a new, empty log.
        db->CompactRange(nullptr, nullptr);
    }
    result.Outcome = LocalStorageOutcome::Cleaned;
    result.ManifestRewritten = WriteManifestOfTheTablesAsTheyAre(disk, folder, options);
    {
        // Sorts the tables into levels again; the compactions record only keys that stay. Then
        // checks that no entry of a site that is not kept is left.
        std::unique_ptr<leveldb::DB> db = OpenStore(options, folder, status);
        if (db) {
            db->CompactRange(nullptr, nullptr);
            LocalStorageSurvey after;
            std::size_t left = 0;
            if (!WalkSites(*db, keep, after, [&](const leveldb::Slice&) { ++left; }) || left > 0)
                result.Outcome = LocalStorageOutcome::Unreadable;
        }
    }
    result.FileBytesAfter = DatabaseFileBytes(disk, folder);
    return result;
}

} // namespace aw
