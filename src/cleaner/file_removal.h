#pragma once
// The one way the cleaner deletes a file it has already found, and the check that makes sure
// the file is the entry it names and not something a link leads to.
#include <windows.h>

#include <string>
#include <string_view>

namespace aw {

// A folder as the system resolves it, every link on the way followed. Entries found in the
// folder are checked against it before they are deleted: a link to a file elsewhere resolves
// to some other folder or name. Under Wine a host link to a file looks like a plain file (no
// reparse attribute) and deleting it by name removes its target, so the name alone proves
// nothing.
class FolderAnchor {
public:
    explicit FolderAnchor(const std::string& folder);

    bool valid() const { return !resolved_.empty(); }
    // True when the open handle is the entry `name` of this folder.
    bool Holds(HANDLE entry, std::string_view name) const;

private:
    std::string resolved_;
};

// Deletes the entry `name` of the anchored folder, found at path with the given attributes.
// The file is opened once, checked against the anchor and deleted through the same handle, so
// nothing can swap a link in between. Entries that carry the reparse attribute (file links on
// Windows) and entries that resolve anywhere else are left alone. Read-only files have the
// attribute cleared first; it is put back when the file still cannot be deleted. Hidden and
// system files delete as they are.
//
// A file that stays says why: another program holds it open (InUse), the user may not change it
// (Denied), it went before it could be removed (Gone), or any other failure (Failed). A link or
// an entry that resolves elsewhere is refused by the safety rules (NotOwnEntry): not a failure.
enum class Removal { Removed, Failed, NotOwnEntry, InUse, Denied, Gone };
Removal RemovalFailureFromError(DWORD error);
// True for the outcomes that leave a file the run meant to remove where it was.
constexpr bool LeavesFile(Removal removal)
{
    return removal == Removal::Failed || removal == Removal::InUse || removal == Removal::Denied;
}
Removal RemoveFoundFile(const FolderAnchor& folder, const std::string& path, std::string_view name, DWORD attributes);

// True when the file at path is the entry `name` of the anchored folder: the check alone, for
// callers that hand the path to another service (deletion at the next start).
bool IsOwnEntry(const FolderAnchor& folder, const std::string& path, std::string_view name);

// Splits a file path at its last separator: the folder (with its separator) and the name.
// False when there is no folder part or no name.
bool SplitFilePath(const std::string& path, std::string& folder, std::string& name);

} // namespace aw
