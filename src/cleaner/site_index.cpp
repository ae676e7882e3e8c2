#include "cleaner/site_index.h"

#include "cleaner/local_storage_leveldb.h"
#include "cleaner/path_rules.h"
#include "cleaner/site_origins.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "platform/open_file.h"

namespace aw {

namespace {

// The largest cache index read; Chromium's hold an origin and a few names.
constexpr std::size_t kMaxCacheIndexBytes = 64 * 1024;

// Each site's cache folder of "Service Worker\CacheStorage" names its origin in "index.txt".
bool CachesHoldKeptSite(const std::string& cacheStorage, const KeepList& keep)
{
    if (!FolderExists(cacheStorage))
        return false;
    for (DirectorySearch search(cacheStorage + "*"); search.found(); search.next()) {
        if (!search.isDirectory() || IsDotEntry(search.name()))
            continue;
        std::string index;
        if (!ReadFileStart(cacheStorage + search.name() + "\\index.txt", kMaxCacheIndexBytes, index))
            return true;
        const std::optional<SiteOrigin> origin = OriginOfCacheStorageIndex(index);
        if (!origin || keep.KeepsHost(origin->Host))
            return true;
    }
    return false;
}

} // namespace

bool StoreHoldsKeptSite(SiteStore store, const std::string& folder, const KeepList& keep)
{
    const std::string base = WithTrailingBackslash(CollapseDoubledBackslashes(folder));
    if (store == SiteStore::ChromiumFileSystem)
        return IndexNamesKeptSite(base + "Origins", keep, OriginOfFileSystemOriginsKey).value_or(true);
    if (store == SiteStore::ChromiumServiceWorker)
        return IndexNamesKeptSite(base + "Database", keep, OriginOfServiceWorkerKey).value_or(true) ||
               CachesHoldKeptSite(base + "CacheStorage\\", keep);
    return true;
}

} // namespace aw
