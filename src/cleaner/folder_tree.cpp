#include "cleaner/folder_tree.h"

#include "cleaner/file_primitives.h"
#include "cleaner/file_removal.h"
#include "cleaner/path_rules.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"

#include <windows.h>

#include <new>

namespace aw {

namespace {

struct TreeWalk {
    std::string Mask;
    bool IndexDat;
    CleanSink& Sink;
    // Where the files the walk has to leave are counted, at any depth; none for a walk that
    // reports nothing.
    CleanCounters* Left;
};

// Deletes one file found by the walk; the top level counts it when the walk removed it.
void DeleteWalkedFile(const FolderAnchor& anchor, const std::string& path, std::string_view name,
                      const DirectorySearch& entry, const TreeWalk& walk, CleanCounters* counters)
{
    const Removal removal = walk.Sink.removeFile(anchor, path, name, entry.attributes(), entry.size());
    if (removal == Removal::NotOwnEntry)
        return;  // a link: neither it nor what it leads to is touched or counted
    if (LeavesFile(removal) && walk.Left)
        walk.Left->countLeft(removal == Removal::InUse);
    if (LeavesFile(removal) && walk.IndexDat && IsIndexDatName(name))
        DeleteFileAtReboot(path);
    // Only a file this walk removed counts. One that merely cannot be found by its path now (a
    // name the path cannot reach, or one that went meanwhile) may still be there; one only
    // registered for deletion at the next start still is.
    if (counters && removal == Removal::Removed) {
        counters->FilesDeleted += 1;
        counters->BytesCleaned += entry.size();
    }
}

// `keep` names what stays: a mask for entries of this level, or masks joined by backslashes for
// entries further down, whose folders then stay with them.
void WalkFolder(std::string base, const TreeWalk& walk, CleanCounters* counters, std::string_view keep = {},
                const SiteEntryKeeper* keepsEntry = nullptr)
{
    const MaskLevel kept = SplitMaskPath(keep);
    // base ends in a backslash. The location table joins folders and fragments with doubled
    // separators; the walk works on the cleaned text.
    base = CollapseDoubledBackslashes(base);
    const std::string pattern = base + walk.Mask;
    if (!FitsPathLimit(pattern))
        return;
    try {
        const FolderAnchor anchor(base);
        if (!anchor.valid())
            return;
        // One path buffer for the whole level: the entry's name replaces the previous one.
        std::string path;
        path.reserve(base.size() + MAX_PATH);
        path = base;
        for (DirectorySearch search(pattern); search.found() && !walk.Sink.stopping(); search.next()) {
            const std::string& name = search.name();
            if (search.isDirectory() && IsDotEntry(name))
                continue;
            if (!MatchesMask(name, walk.Mask))
                continue;
            path.resize(base.size());
            path.append(name);
            if (!FitsPathLimit(path))
                continue;
            if (!keep.empty() && MatchesMask(name, kept.Here)) {
                if (kept.Below.empty())
                    continue;
                if (search.isDirectory() && !search.isReparsePoint()) {
                    // Emptied of all but what stays, and left in place.
                    WalkFolder(path + "\\", walk, nullptr, kept.Below);
                    continue;
                }
            }
            if (keepsEntry && (*keepsEntry)(name, path, search.isDirectory())) {
                walk.Sink.keepSiteStorage(path);
                continue;
            }
            if (!search.isDirectory()) {
                DeleteWalkedFile(anchor, path, name, search, walk, counters);
            } else if (search.isReparsePoint()) {
                // Removes the link, never what it points to.
                walk.Sink.removeFolder(path);
            } else {
                WalkFolder(path + "\\", walk, nullptr);
                walk.Sink.removeFolder(path);
            }
        }
    } catch (const std::bad_alloc&) {
        // Out of memory while building a path: this folder's walk ends, what it holds stays
        // and is counted as left, and the run goes on.
        if (walk.Left)
            walk.Left->countLeft(false);
    }
}

bool IsWalkableFolder(const std::string& folder)
{
    if (!IsSafeFolderTarget(folder) || !FitsPathLimit(folder))
        return false;
    return PlainFolderExists(folder);
}

} // namespace

void DeleteFolderTree(const std::string& folder, const std::string& mask, bool indexDat, CleanCounters& counters,
                      CleanSink& sink)
{
    if (IsWalkableFolder(folder) && IsPlainMask(mask))
        WalkFolder(WithTrailingBackslash(folder), TreeWalk{mask, indexDat, sink, &counters}, &counters);
}

void DeleteFolderTreeKeeping(const std::string& folder, const std::string& keep, bool indexDat, CleanCounters& counters,
                             CleanSink& sink)
{
    if (IsWalkableFolder(folder) && IsPlainMaskPath(keep))
        WalkFolder(WithTrailingBackslash(folder), TreeWalk{"*.*", indexDat, sink, &counters}, &counters, keep);
}

void DeleteFolderTreeKeepingSites(const std::string& folder, const std::string& keep, const SiteEntryKeeper& keepsEntry,
                                  bool indexDat, CleanCounters& counters, CleanSink& sink)
{
    if (IsWalkableFolder(folder) && (keep.empty() || IsPlainMaskPath(keep)))
        WalkFolder(WithTrailingBackslash(folder), TreeWalk{"*.*", indexDat, sink, &counters}, &counters, keep, &keepsEntry);
}

void DeleteSubfolderTree(const std::string& folder, const std::string& mask, bool indexDat)
{
    if (IsWalkableFolder(folder) && IsPlainMask(mask))
        WalkFolder(WithTrailingBackslash(folder), TreeWalk{mask, indexDat, DefaultSink(), nullptr}, nullptr);
}

} // namespace aw
