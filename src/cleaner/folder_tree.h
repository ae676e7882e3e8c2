#pragma once
// Deleting whole folder trees.
#include "cleaner/clean_counters.h"
#include "cleaner/clean_sink.h"

#include <functional>
#include <string>
#include <string_view>

namespace aw {

// Deletes everything below the folder whose names match the mask (the program always passes
// "*.*"): files at every depth, and the sub-folders once emptied. The folder itself stays.
// Only the files that lay directly in the folder, and that the walk removed, are counted. With the index.dat flag, a file
// named exactly "index.dat" that cannot be deleted is registered for deletion at the next
// system start (and not counted).
//
// A linked directory (junction, symbolic link, mount point) is never entered: the link
// itself is removed and its target left alone. The folder given is not walked at all when it
// is itself such a link, or when it is not a folder below a drive or share root.
void DeleteFolderTree(const std::string& folder, const std::string& mask, bool indexDat, CleanCounters& counters,
                      CleanSink& sink = DefaultSink());

// DeleteFolderTree with mask "*.*", except that what `keep` names stays: the entries directly in
// the folder whose names match it, with everything below them; or, for masks joined by
// backslashes ("AutomaticDestinations\\f01b*"), the matching entries of the matching
// sub-folders, which stay with them while everything else in them goes.
void DeleteFolderTreeKeeping(const std::string& folder, const std::string& keep, bool indexDat, CleanCounters& counters,
                             CleanSink& sink = DefaultSink());

// DeleteFolderTreeKeeping, except that an entry directly in the folder for which keepsEntry
// (given its name, its path and whether it is a folder) is true stays too, handed to the sink as
// kept storage: the folders or files of the sites a user keeps, in a store of one per site.
using SiteEntryKeeper = std::function<bool(std::string_view name, const std::string& path, bool isFolder)>;
void DeleteFolderTreeKeepingSites(const std::string& folder, const std::string& keep, const SiteEntryKeeper& keepsEntry,
                                  bool indexDat, CleanCounters& counters, CleanSink& sink = DefaultSink());

// The same walk, counting nothing.
void DeleteSubfolderTree(const std::string& folder, const std::string& mask, bool indexDat);

} // namespace aw
