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
    Files,      // DeleteFilesInFolder(location, mask): that folder's matching files only
    Tree,       // DeleteFolderTree(location, "*.*", index.dat option): everything below
    Key,        // RegRemoveKeyTree(HKEY_CURRENT_USER, location)
    Value,      // RegRemoveValue(HKEY_CURRENT_USER, location), location a ValuePath
    RecycleBin, // empty every drive's recycle bin
    Clipboard,  // replace the clipboard's content by an empty text
    Script,     // run the custom location script
};

// Where a location starts. Every folder but SystemDir and FirefoxProfile gets a trailing
// backslash before the literal is appended.
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
    FirefoxProfile,  // the Firefox profile folder, which already ends in a backslash
};

// The "Path" of section "Profile0" of a browser's profiles.ini, inserted into a location.
enum class ProfilePart { None, Firefox, PaleMoon, KMeleon, Netscape, SeaMonkey };

enum class ExistenceTest { None, FileExists, FolderExists, KeyExists, ValueExists };

// One action. The location is Base (+ "\") + Literal, and, when Profile is not None,
// + the profile path + Tail.
struct TraceAction {
    std::string_view Group;
    std::string_view Category;
    ActionKind Kind;
    BaseFolder Base;
    std::string_view Literal;
    ProfilePart Profile;
    std::string_view Tail;
    std::string_view Mask; // Files only
    ExistenceTest Test;
};

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
