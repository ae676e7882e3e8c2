#include "catalogue/trace_selection_file.h"

#include "catalogue/trace_selection_file_text.h"
#include "catalogue/trace_tree.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/profile_file.h"

#include <windows.h>

#include <exception>
#include <vector>

namespace aw {

namespace {

// Section lists longer than this are not read: no file of the program comes near it.
constexpr std::size_t kMaxSectionList = 1 << 20;
// Longer than any value that can tick a category, so a cut-short value never reads as "True".
constexpr std::size_t kValueBuffer = 64;

std::vector<std::string> SectionNames(const std::string& path)
{
    const std::string list = ProfileSectionList(path, kMaxSectionList);
    return SplitZeroSeparatedList(list.data(), list.size());
}

// Full path of a file in the executable's folder, or empty when that folder is unknown.
std::string BesideExecutable(const std::string& fileName)
{
    std::string folder = GetExeFolder();
    return folder.empty() ? std::string() : folder + fileName;
}

} // namespace

void WriteTraceEntry(const std::string& path, const std::string& section, const std::string& key,
                     std::string_view value)
{
    try {
        WriteProfileValue(path, section, key, std::string(value));
    } catch (const std::exception&) {
        // The next entry is written as if nothing happened.
    }
}

void ReadTraceEntry(const std::string& path, const std::string& section, const std::string& key,
                    ui::TreeNode node)
{
    if (!node || !FileExists(path))
        return;
    try {
        for (const std::string& name : SectionNames(path)) {
            if (name != section)
                continue;
            bool ticked = IsTickedEntry(ReadProfileValue(path, name, key, kValueBuffer));
            node.SetStateIndex(ticked ? StateSelected : StateNotSelected);
        }
    } catch (const std::exception&) {
        // The node keeps the state it has now.
    }
}

void SaveTraceSelectionAt(const std::string& path, ui::TreeView& tree)
{
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        std::string section = group.Text();
        for (ui::TreeNode category = group.FirstChild(); category; category = category.NextSibling())
            WriteTraceEntry(path, section, category.Text(),
                            TraceEntryValue(category.StateIndex() == StateSelected));
    }
}

void LoadTraceSelectionAt(const std::string& path, ui::TreeView& tree)
{
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        std::string section = group.Text();
        for (ui::TreeNode category = group.FirstChild(); category; category = category.NextSibling())
            ReadTraceEntry(path, section, category.Text(), category);
    }
}

void SaveTraceSelection(const std::string& fileName, ui::TreeView& tree)
{
    std::string path = BesideExecutable(fileName);
    if (!path.empty())
        SaveTraceSelectionAt(path, tree);
}

void LoadTraceSelection(const std::string& fileName, ui::TreeView& tree)
{
    std::string path = BesideExecutable(fileName);
    if (!path.empty())
        LoadTraceSelectionAt(path, tree);
}

} // namespace aw
