#pragma once
// What each trace category deletes: one row per action, in the order of the trace tree, a
// category's actions in the order they are carried out. Pure data.
#include <cstddef>
#include <string_view>
#include <vector>

namespace aw {

enum class ActionKind {
    None,       // the category exists in the tree but deletes nothing
    File,       // DeleteTraceFile(location)
    Database,   // a database file and its "-wal", "-shm" and "-journal" companions, the
                // companions only once the database itself is gone
    PlacesHistory,   // the history rows of a Mozilla places database (and of the favicons
                     // database beside it), cleaned in place: bookmarks and keywords stay
    PlacesDownloads, // the download list inside a Mozilla places database, cleaned in place
    AutofillHistory, // the values typed into forms and the search engines taken from visited
                     // sites, kept in a Chromium "Web Data" database, cleaned in place:
                     // addresses, cards and the user's search engines stay
    Files,      // DeleteFilesInFolder(location, mask): that folder's matching files only
    Tree,       // DeleteFolderTree(location, "*.*", index.dat option): everything below
    TreeKeeping, // a tree but for the entries at its top whose names match the mask (the
                 // storage that belongs to the browser's extensions)
    Key,        // RegRemoveKeyTree(HKEY_CURRENT_USER, location)
    Value,      // RegRemoveValue(HKEY_CURRENT_USER, location), location a ValuePath
    RecycleBin, // empty every drive's recycle bin
    Clipboard,  // replace the clipboard's content by an empty text
    Script,     // run the custom location script
};

// Where a location starts. Every folder but SystemDir, FirefoxRoot and FirefoxProfile gets a
// trailing backslash before the literal is appended.
enum class BaseFolder {
    None,            // registry locations and system actions
    RoamingAppData,  // special folder 26
    LocalAppData,    // special folder 28
    ProgramFiles,    // special folder 38
    Recent,          // special folder 8
    InternetCache,   // special folder 32
    InternetCookies, // special folder 33
    InternetHistory, // special folder 34
    WindowsDir,
    SystemDir,       // taken as it is, no backslash added
    FirefoxProfile,  // every Firefox profile folder (with a backslash after it)
    FirefoxRoot,     // Firefox's own folder, where its profiles.ini lies; ends in a backslash
};

// A browser's profiles, each inserted into a location in turn: every profile its profiles.ini
// lists, or, for ChromiumProfiles, every sub-folder of the user-data folder (base + literal)
// that holds a "Preferences" file.
enum class ProfilePart { None, Firefox, PaleMoon, KMeleon, Netscape, SeaMonkey, ChromiumProfiles };

enum class ExistenceTest { None, FileExists, FolderExists, KeyExists, ValueExists };

// One action. The location is Base (+ "\") + Literal, and, when Profile is not None,
// + the profile path + Tail, once for every profile. A profile kept outside the browser's
// folder replaces Base + Literal: its folder serves as both its roaming and its local folder.
struct TraceAction {
    std::string_view Group;
    std::string_view Category;
    ActionKind Kind;
    BaseFolder Base;
    std::string_view Literal;
    ProfilePart Profile;
    std::string_view Tail;
    std::string_view Mask; // Files: what is deleted; TreeKeeping: what stays
    ExistenceTest Test;
};

// True for the kinds that act on files and folders (as opposed to registry entries and the
// system actions).
bool ActsOnFileSystem(ActionKind kind);

// Every row, in tree order.
const std::vector<TraceAction>& TraceLocationTable();

// The rows of one category, found by its (group, category) texts compared whole and
// case-sensitively; empty for a pair the table does not know.
struct ActionRange {
    const TraceAction* First = nullptr;
    std::size_t Count = 0;
    const TraceAction* begin() const { return First; }
    const TraceAction* end() const { return First + Count; }
    bool empty() const { return Count == 0; }
};
ActionRange ActionsFor(std::string_view group, std::string_view category);

} // namespace aw
