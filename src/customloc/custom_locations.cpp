#include "customloc/custom_locations.h"

#include "cleaner/file_primitives.h"
#include "cleaner/folder_tree.h"
#include "customloc/registry_roots.h"
#include "customloc/script_parser.h"
#include "customloc/system_path_variables.h"
#include "platform/file_system.h"
#include "platform/registry_key.h"

#include <windows.h>

#include <new>

namespace aw {

namespace {

constexpr char kRecursiveMode[] = "RECURSIVE";

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// A folder such as "\Logs" (what "%APPDATA%\Logs" becomes when the variable has no value) lies
// on the current drive. The cleaner's primitives accept only fully qualified folders, so the
// path is qualified here: the line then acts on exactly the folder the system would find, and
// a path that comes down to the drive's root is still refused by them.
std::string QualifyRootRelative(const std::string& folder)
{
    if (folder.size() < 2 || !IsSeparator(folder[0]) || IsSeparator(folder[1]))
        return folder;
    return FullPathOf(folder);
}

HKEY RootHandle(const std::string& rootName)
{
    std::uint32_t handle = RootKeyFromName(rootName);
    if (handle == 0)
        return nullptr;
    // As the SDK defines the predefined keys: the 32-bit number, sign-extended.
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(handle)));
}

struct LineRunner {
    bool IndexDat;
    CleanCounters& Counters;
    CleanSink& Sink;

    void operator()(const IgnoredLine&) const {}

    void operator()(const FileLine& line) const
    {
        // One file, named exactly: a folder or a wildcard pattern names no file.
        std::string path = ExpandPathVariables(line.Path);
        if (FileExists(path))
            DeleteTraceFile(path, Counters, Sink);
    }

    void operator()(const FolderLine& line) const
    {
        std::string folder = QualifyRootRelative(ExpandPathVariables(line.Folder));
        if (!FolderExists(folder))
            return;
        if (line.Mode == kRecursiveMode)
            DeleteFolderTree(folder, "*.*", IndexDat, Counters, Sink);
        else
            DeleteFilesInFolder(folder, line.Mode, Counters, Sink);
    }

    void operator()(const RegistryLine& line) const
    {
        HKEY root = RootHandle(line.RootName);
        if (!root)
            return;
        // A value of that name goes first; then the key is left alone even when the value
        // could not be removed.
        if (RegValueExists(root, line.Path)) {
            RemoveValueCounted(Sink, root, line.Path, Counters);
            return;
        }
        if (RegKeyPresent(root, line.Path))
            RemoveKeyCounted(Sink, root, line.Path, Counters);
    }
};

} // namespace

void RunCustomLocations(const std::vector<std::string>& lines, bool indexDat, CleanCounters& counters, CleanSink& sink)
{
    const LineRunner runner{indexDat, counters, sink};
    for (const std::string& line : lines) {
        try {
            std::visit(runner, ParseScriptLine(line));
        } catch (const std::bad_alloc&) {
            // Out of memory on one line: what it names stays and is counted as left; the
            // script goes on.
            counters.countLeft(false);
        }
    }
}

void RunCustomLocationsOfRequest(const CleanRequest& request, CleanCounters& counters)
{
    RunCustomLocations(request.ScriptLines, request.IndexDatOption, counters, SinkOf(request));
}

} // namespace aw
