#pragma once
// A machine with every trace the cleaner knows: for each category, the files, folders, keys
// and values it must delete, written out as concrete paths, and decoys beside them that it
// must keep. Seeding the whole world and running one category shows that the category
// deletes exactly its own traces, whatever the others hold.
#include "cleaner/wine_support.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace aw::test {

enum class Root { Roaming, Local, ProgramFiles, Recent, InetCache, InetCookies, InetHistory, Windows, System, Registry };

enum class Role {
    Counted,   // a file the category deletes and counts
    Uncounted, // a file the category deletes inside a sub-folder of a tree, uncounted
    GoneDir,   // a sub-folder the category removes
    Kept,      // a file that must survive
    KeptDir,   // a folder that must survive (a tree's own folder)
    Key,       // a key tree the category deletes (one registry deletion)
    Value,     // a value the category deletes (one registry deletion); Path is the key
    KeptKey,
    KeptValue,
};

struct Item {
    Role Is;
    Root At;
    std::string Path; // relative to the root; for registry items the key path below HKCU
    std::string Name; // value name for Value and KeptValue
};

struct CategoryTraces {
    std::string Group;
    std::string Category;
    std::vector<Item> Items;
};

const std::vector<CategoryTraces>& TraceWorld();

// How a parameterised test names a row in its messages.
inline void PrintTo(const CategoryTraces& row, std::ostream* os)
{
    *os << row.Group << " > " << row.Category;
}

// The concrete folder of a root on this machine (with no trailing backslash).
std::string RootFolder(Root root);
std::string FullPath(const Item& item);
bool IsDeletedBy(const CategoryTraces& category, const Item& item);
bool ItemExists(const Item& item);
std::int64_t SeedSize(const Item& item);

// The profile names written into each browser's profiles.ini.
extern const char* const kFirefoxProfile0; // stored with a forward slash
extern const char* const kFirefoxProfile1;

// Seeds every item of every category, and the five profiles.ini files.
void SeedWorld(Seeds& seeds);
// The special folders that trees empty in place: emptied before a world is seeded so that
// the counts are exact.
void EmptySharedFolders();

} // namespace aw::test
