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
    Files,      // DeleteFilesInFolder(location, mask): that folder's matching files only,
                // but for those matching Keep
    Tree,       // DeleteFolderTree(location, "*.*", index.dat option): everything below,
                // but for what Keep names (the storage of the browser's extensions, say)
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

// A browser's profiles, each inserted into a location in turn:
//  - Firefox: every profile of Firefox's profiles.ini (its root read from the registry);
//  - ProfilesIni: every profile of the profiles.ini in the roaming application-data folder +
//    Literal, whatever the row's own base: a Mozilla-family browser keeps its profiles there
//    and its caches under the same names below the local folder;
//  - ChromiumProfiles: every sub-folder of the user-data folder (base + literal) that holds a
//    "Preferences" file;
//  - SideProfiles: every "_side_profiles" sub-folder of the profile folder in the roaming
//    application-data folder + Literal that holds a "Preferences" file (Opera's extra
//    profiles, beside the one the folder itself is).
enum class ProfilePart { None, Firefox, ProfilesIni, ChromiumProfiles, SideProfiles };

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
    std::string_view Mask; // Files: what is deleted
    ExistenceTest Test;
    // Files: the matching files that stay. Tree: what stays below the folder: a mask for
    // entries at its top, or masks joined by backslashes for entries of a sub-folder, which
    // then stays with them (a jump-list folder keeping its one file of pinned folders).
    std::string_view Keep = {};
};

// True for the kinds that act on files and folders (as opposed to registry entries and the
// system actions).
bool ActsOnFileSystem(ActionKind kind);

// Every row, in tree order: the fixed rows and those of the browser families.
const std::vector<TraceAction>& TraceLocationTable();

// The order of the trace tree's siblings: their texts compared ignoring case, as the tree
// sorts them. The catalogue's texts hold only letters, digits, spaces and hyphens, for which
// this is the platform's comparison too.
bool ComesBeforeInTree(std::string_view a, std::string_view b);

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
