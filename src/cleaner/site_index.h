#pragma once
// Chromium's stores whose sites are tied together by one index ("File System", "Service
// Worker"): whether a kept site's data may be in one, read from copies, changing nothing.
#include "cleaner/keep_list.h"
#include "cleaner/site_stores.h"

#include <string>

namespace aw {

// True when the store's index, or a per-site part of it, names a kept site, and also when that
// cannot be told (an index that cannot be read, a cache folder whose owner is not understood).
bool StoreHoldsKeptSite(SiteStore store, const std::string& folder, const KeepList& keep);

} // namespace aw
