#pragma once
// Chromium's "Local Storage\leveldb": one LevelDB database that holds every site's entries
// ("_" origin NUL key, "META:" origin, "METAACCESS:" origin) and the database's "VERSION".
//
// Reading never changes the store: its files are copied into memory and the copy is opened.
// Cleaning opens the store itself, as Chromium does (its byte-wise comparator, its lock file,
// Snappy-compressed tables), deletes the entries of the sites that are not kept in one atomic
// batch, and compacts the whole database so that no table or log keeps the removed entries.
// LevelDB's MANIFEST still names removed keys then (the bounds of replaced tables, the
// compaction pointers); it is written anew from the tables as they are, and the database
// compacted once more. Keys of no known form and "VERSION" stay.
//
// Paths are UTF-8, as everywhere in the program. LevelDB's Windows layer opens files with the
// ANSI calls, which would read any other character than ASCII as something else: a store whose
// path holds one is left as it is (UnsupportedPath).
#include "cleaner/keep_list.h"
#include "cleaner/site_origins.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

namespace aw {

// The largest store read into memory (the sum of its files). Chromium allows a site about
// 10 MB; a larger store is left whole.
constexpr std::uint64_t kMaxLocalStorageBytes = 128ull * 1024 * 1024;

enum class LocalStorageOutcome {
    NoDatabase,      // the folder holds no database (no CURRENT): nothing opened or created
    UnsupportedPath, // the path holds a character other than ASCII: not read
    InUse,           // its lock or one of its files could not be taken: a browser holds it
    TooLarge,        // its files are larger than kMaxLocalStorageBytes: not read
    Unreadable,      // damaged, or in a form this LevelDB does not read: left as it is
    Read,            // read whole (a survey)
    NothingToRemove, // every site in it is kept: nothing was written
    Cleaned,         // the other sites' entries were removed and the database compacted
};

struct LocalStorageSite {
    std::string Origin; // as the keys hold it: "https://mail.example.com"
    std::string Host;   // canonical
    bool Kept = false;
    std::size_t Entries = 0; // keys, the site's metadata included
    std::uint64_t Bytes = 0; // of keys and values
};

struct LocalStorageSurvey {
    LocalStorageOutcome Outcome = LocalStorageOutcome::NoDatabase;
    std::vector<LocalStorageSite> Sites; // in the order their first keys come
    std::size_t OtherKeys = 0;           // "VERSION" and keys of no known form
    std::uint64_t FileBytes = 0;         // the database's files, when read
};

// What the store holds, site by site, and which sites the list keeps; read from a copy in
// memory, so nothing in the folder changes (no lock taken, no file written or renamed). Files a
// running browser holds open for writing cannot be read: InUse.
LocalStorageSurvey SurveyLocalStorage(const std::string& folder, const KeepList& keep);

struct LocalStorageClean {
    LocalStorageOutcome Outcome = LocalStorageOutcome::NoDatabase;
    std::size_t EntriesRemoved = 0;
    std::size_t SitesRemoved = 0;
    std::uint64_t FileBytesBefore = 0;
    std::uint64_t FileBytesAfter = 0;
    // The MANIFEST was written anew, so that none of the removed keys is named in it.
    bool ManifestRewritten = false;
};

// Whether one of Chromium's indexes of per-site data ("File System\Origins", "Service
// Worker\Database"), a LevelDB database read from a copy in memory, has a key of a site the list
// keeps; `originOfKey` reads a key's site. False when the folder holds no database; nullopt when
// it cannot be read (then whose data the store holds cannot be told).
std::optional<bool> IndexNamesKeptSite(const std::string& folder, const KeepList& keep,
                                       std::optional<SiteOrigin> (*originOfKey)(std::string_view));

// Removes the entries of every site the list does not keep. A store with nothing to remove is
// not opened for writing at all.
LocalStorageClean CleanLocalStorage(const std::string& folder, const KeepList& keep);

} // namespace aw
