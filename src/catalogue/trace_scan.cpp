#include "catalogue/trace_scan.h"

#include "catalogue/scan_table.h"
#include "catalogue/trace_tree.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"
#include "cleaner/system_location_source.h"
#include "platform/clipboard.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "platform/registry_key.h"
#include "platform/text.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace aw {

namespace {

// Locks a global memory block for one scope.
class LockedGlobal {
public:
    explicit LockedGlobal(HANDLE memory)
        : memory_(memory), data_(memory ? static_cast<const char*>(GlobalLock(memory)) : nullptr)
    {
    }
    ~LockedGlobal()
    {
        if (data_)
            GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    const char* data() const { return data_; }
    SIZE_T size() const { return data_ ? GlobalSize(memory_) : 0; }

private:
    HANDLE memory_;
    const char* data_;
};

// The clipboard's content as text; empty when it holds none. Another program wrote the block,
// so the text is read no further than the block's size, terminated or not.
std::string ClipboardAsText(HWND owner)
{
    OpenedClipboard clipboard(owner);
    if (!clipboard.isOpen())
        throw std::runtime_error(kClipboardError);
    LockedGlobal text(GetClipboardData(CF_TEXT));
    if (!text.data())
        return std::string();
    const char* begin = text.data();
    const char* end = begin;
    for (SIZE_T left = text.size(); left > 0 && *end != '\0'; --left)
        ++end;
    return std::string(begin, end);
}

// True when the path is the folder (which ends in a backslash) or lies below it.
bool LiesWithin(const std::optional<std::string>& path, const std::string& folder)
{
    if (!path)
        return false;
    const std::string text = AsciiLower(CollapseDoubledBackslashes(WithTrailingBackslash(*path)));
    return text.rfind(AsciiLower(CollapseDoubledBackslashes(folder)), 0) == 0;
}

// A file of the folder that the row's mask takes and its keep mask leaves.
bool HoldsFileToRemove(const TraceAction& action, const std::string& folder)
{
    const std::string pattern = WithTrailingBackslash(folder) + std::string(action.Mask);
    if (!FitsPathLimit(pattern))
        return false;
    for (DirectorySearch search(pattern); search.found(); search.next()) {
        const std::string name = search.name();
        if (!search.isDirectory() && MatchesMask(name, action.Mask) &&
            (action.Keep.empty() || !MatchesMask(name, action.Keep)))
            return true;
    }
    return false;
}

class Scanner {
public:
    Scanner(ui::TreeView& tree, std::size_t scriptLineCount) : tree_(tree), scriptLines_(scriptLineCount) {}

    void ApplyCategoryTest(const CategoryScanTest& test, ui::TreeNode category)
    {
        if (test.Probe == ScanProbe::NotTested)
            return;
        if (IsFound(test))
            SelectTraceNode(category);
        else if (test.Absent == WhenAbsent::Untick)
            category.SetStateIndex(StateNotSelected);
    }

    // The browser's folder, or else any of the locations the cleaner deletes for it. Nothing lies
    // below a folder that does not exist: the rows within the browser's folder are passed over.
    bool IsPresent(const BrowserScanTest& test)
    {
        std::optional<std::string> folder = ScanPath(test.Base, test.Relative, places_);
        if (folder && FolderExists(*folder))
            return true;
        for (const TraceAction& action : TraceLocationTable()) {
            if (action.Group != test.Group || !ShowsBrowserPresence(action))
                continue;
            if (folder && LiesWithin(RowFolder(action, places_), *folder))
                continue;
            for (const std::string& location : BuildLocations(action, places_))
                if (LooksForFolder(action) ? FolderExists(location) : FileExists(location))
                    return true;
        }
        return false;
    }

    void ApplyBrowserTest(bool present, ui::TreeNode group)
    {
        if (present)
            SelectTraceNode(group);
        else
            group.Collapse(); // asks the tree, which refuses while collapsing is disabled
    }

private:
    bool IsFound(const CategoryScanTest& test)
    {
        switch (test.Probe) {
        case ScanProbe::NotTested:
            return false;
        case ScanProbe::ScriptHasLines:
            return scriptLines_ > 0;
        case ScanProbe::KeyExists:
            return RegKeyExists(HKEY_CURRENT_USER, test.Relative);
        case ScanProbe::ClipboardText:
            return !IsBlankText(ClipboardAsText(tree_.Handle()));
        case ScanProbe::CleanerFinds:
            return CleanerFindsTraces(test.Group, test.Category);
        case ScanProbe::FolderNotEmpty:
        case ScanProbe::FolderExists:
        case ScanProbe::FileExists:
            break;
        }
        std::optional<std::string> path = ScanPath(test.Base, test.Relative, places_);
        if (!path)
            return false;
        if (test.Probe == ScanProbe::FolderNotEmpty)
            return !IsFolderEmpty(*path);
        if (test.Probe == ScanProbe::FolderExists)
            return FolderExists(*path);
        return FileExists(*path);
    }

    bool CleanerFindsTraces(std::string_view group, std::string_view category)
    {
        for (const TraceAction& action : ActionsFor(group, category)) {
            for (const std::string& location : BuildLocations(action, places_)) {
                switch (action.Kind) {
                case ActionKind::Key:
                    if (RegKeyExists(HKEY_CURRENT_USER, location))
                        return true;
                    break;
                case ActionKind::Value:
                    if (RegValueExists(HKEY_CURRENT_USER, location))
                        return true;
                    break;
                case ActionKind::Files:
                    if (HoldsFileToRemove(action, location))
                        return true;
                    break;
                case ActionKind::Tree:
                    if (!IsFolderEmpty(location))
                        return true;
                    break;
                default:
                    if (ActsOnFileSystem(action.Kind) && FileExists(location))
                        return true;
                    break;
                }
            }
        }
        return false;
    }

    ui::TreeView& tree_;
    std::size_t scriptLines_;
    SystemLocationSource places_{SystemLocationSource::Profiles::Remember};
};

} // namespace

void SelectTraceNode(ui::TreeNode node)
{
    if (!node)
        return;
    if (node.Level() == 0) {
        for (ui::TreeNode child = node.FirstChild(); child; child = child.NextSibling())
            child.SetStateIndex(StateSelected);
        return;
    }
    node.SetStateIndex(StateSelected);
}

void ScanTraces(ui::TreeView& tree, std::size_t scriptLineCount)
{
    Scanner scanner(tree, scriptLineCount);
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        const std::string groupText = group.Text();
        const BrowserScanTest* browser = BrowserScanTestFor(groupText);
        const bool present = browser && scanner.IsPresent(*browser);
        for (ui::TreeNode category = group.FirstChild(); category; category = category.NextSibling()) {
            for (const CategoryScanTest* test : CategoryScanTestsFor(groupText, category.Text()))
                scanner.ApplyCategoryTest(*test, category);
            // A browser is looked for once; its finding applies at each of its categories.
            if (browser)
                scanner.ApplyBrowserTest(present, group);
        }
    }
}

} // namespace aw
