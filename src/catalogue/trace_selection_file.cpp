#include "catalogue/trace_selection_file.h"

#include "catalogue/trace_selection_file_text.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/profile_file.h"

#include <windows.h>

#include <exception>
#include <optional>
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

// Writes one entry. A failure is passed over: the next entry is written as if nothing happened.
void WriteTraceEntry(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value)
{
    try {
        WriteProfileValue(path, std::string(section), std::string(key), std::string(value));
    } catch (const std::exception&) {
    }
}

// The file's section names; nothing when there is no such file or it cannot be read.
std::optional<std::vector<std::string>> ReadableSections(const std::string& path)
{
    if (!FileExists(path))
        return std::nullopt;
    try {
        return SectionNames(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The tick one entry gives: nothing without the section (or when the file cannot be read).
std::optional<bool> ReadTraceEntry(const std::string& path, const std::vector<std::string>& sections,
                                   std::string_view section, std::string_view key)
{
    std::optional<bool> ticked;
    try {
        for (const std::string& name : sections)
            if (name == section)
                ticked = IsTickedEntry(ReadProfileValue(path, name, std::string(key), kValueBuffer));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return ticked;
}

} // namespace

void SaveTraceSelectionAt(const std::string& path, const TraceSelection& selection)
{
    for (const TraceCategory& category : TraceCategories())
        WriteTraceEntry(path, category.Group, category.Text, TraceEntryValue(selection.Contains(category.Id)));
}

void LoadTraceSelectionAt(const std::string& path, TraceSelection& selection)
{
    const std::optional<std::vector<std::string>> sections = ReadableSections(path);
    if (!sections)
        return;
    for (const TraceCategory& category : TraceCategories())
        if (const std::optional<bool> ticked = ReadTraceEntry(path, *sections, category.Group, category.Text))
            selection.Set(category.Id, *ticked);
}

void SaveNamedTicks(const std::string& fileName, const std::vector<NamedTick>& ticks)
{
    const std::string path = BesideExecutable(fileName);
    if (path.empty())
        return;
    for (const NamedTick& tick : ticks)
        WriteTraceEntry(path, tick.Group, tick.Category, TraceEntryValue(tick.Ticked));
}

void LoadNamedTicks(const std::string& fileName, std::vector<NamedTick>& ticks)
{
    const std::string path = BesideExecutable(fileName);
    const std::optional<std::vector<std::string>> sections =
        path.empty() ? std::nullopt : ReadableSections(path);
    if (!sections)
        return;
    for (NamedTick& tick : ticks)
        if (const std::optional<bool> ticked = ReadTraceEntry(path, *sections, tick.Group, tick.Category))
            tick.Ticked = *ticked;
}

void SaveTraceSelection(const std::string& fileName, const TraceSelection& selection)
{
    std::string path = BesideExecutable(fileName);
    if (!path.empty())
        SaveTraceSelectionAt(path, selection);
}

void LoadTraceSelection(const std::string& fileName, TraceSelection& selection)
{
    std::string path = BesideExecutable(fileName);
    if (!path.empty())
        LoadTraceSelectionAt(path, selection);
}

} // namespace aw
