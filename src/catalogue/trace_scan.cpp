#include "catalogue/trace_scan.h"

#include "catalogue/scan_table.h"
#include "catalogue/trace_catalogue.h"
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
    Scanner(TraceSelection& selection, std::size_t scriptLineCount, HWND clipboardOwner)
        : selection_(selection), scriptLines_(scriptLineCount), clipboardOwner_(clipboardOwner)
    {
    }

    void ApplyCategoryTest(const CategoryScanTest& test, CategoryId category)
    {
        if (test.Probe == ScanProbe::NotTested)
            return;
        if (IsFound(test, category))
            selection_.Tick(category);
        else if (test.Absent == WhenAbsent::Untick)
            selection_.Untick(category);
    }

    // The browser's folder, or else any of the locations the cleaner deletes for it. Nothing lies
    // below a folder that does not exist: the rows within the browser's folder are passed over.
    bool IsPresent(const BrowserScanTest& test)
    {
        std::optional<std::string> folder = ScanPath(test.Base, test.Relative, places_);
        if (folder && FolderExists(*folder))
            return true;
        for (CategoryId category : CategoriesOfGroup(test.Group)) {
            for (const TraceAction& action : ActionsFor(category)) {
                if (!ShowsBrowserPresence(action))
                    continue;
                if (folder && LiesWithin(RowFolder(action, places_), *folder))
                    continue;
                for (const std::string& location : BuildLocations(action, places_))
                    if (LooksForFolder(action) ? FolderExists(location) : FileExists(location))
                        return true;
            }
        }
        return false;
    }

    void ApplyBrowserTest(bool present, std::string_view group, const CollapseGroup& collapseGroup)
    {
        if (present)
            selection_.SetGroup(group, true);
        else if (collapseGroup)
            collapseGroup(group);
    }

private:
    bool IsFound(const CategoryScanTest& test, CategoryId category)
    {
        switch (test.Probe) {
        case ScanProbe::NotTested:
            return false;
        case ScanProbe::ScriptHasLines:
            return scriptLines_ > 0;
        case ScanProbe::KeyExists:
            return RegKeyExists(HKEY_CURRENT_USER, test.Relative);
        case ScanProbe::ClipboardText:
            return !IsBlankText(ClipboardAsText(clipboardOwner_));
        case ScanProbe::CleanerFinds:
            return CleanerFindsTraces(category);
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

    bool CleanerFindsTraces(CategoryId category)
    {
        for (const TraceAction& action : ActionsFor(category)) {
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

    TraceSelection& selection_;
    std::size_t scriptLines_;
    HWND clipboardOwner_;
    SystemLocationSource places_{SystemLocationSource::Profiles::Remember};
};

} // namespace

void ScanTraces(TraceSelection& selection, std::size_t scriptLineCount, HWND clipboardOwner,
                const CollapseGroup& collapseGroup)
{
    Scanner scanner(selection, scriptLineCount, clipboardOwner);
    for (const CatalogueGroup& group : TraceCatalogue()) {
        const BrowserScanTest* browser = BrowserScanTestFor(group.Text);
        const bool present = browser && scanner.IsPresent(*browser);
        for (CategoryId category : CategoriesOfGroup(group.Text)) {
            for (const CategoryScanTest* test : CategoryScanTestsFor(category))
                scanner.ApplyCategoryTest(*test, category);
            // A browser is looked for once; its finding applies at each of its categories.
            if (browser)
                scanner.ApplyBrowserTest(present, group.Text, collapseGroup);
        }
    }
}

} // namespace aw
