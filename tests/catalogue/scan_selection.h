#pragma once
// A selection as the main window keeps it, with what its tree would do: a window to own the
// clipboard, the groups the scan asks to collapse (refused while collapsing is disabled), and
// shorthands for reading and setting category states by their (group, category) texts.
#include "catalogue/trace_scan.h"
#include "cleaner/trace_selection.h"

#include <set>
#include <string>
#include <vector>

namespace aw::test {

// The states the tree shows.
constexpr int StateNotSelected = 1;
constexpr int StateSelected = 2;

class ScanSelection {
public:
    ScanSelection();

    ~ScanSelection();
    ScanSelection(const ScanSelection&) = delete;
    ScanSelection& operator=(const ScanSelection&) = delete;

    HWND Handle() const { return window_; }

    TraceSelection selection;
    // Answers every collapse request of the scan.
    bool CollapseEnabled = true;
    // What the scan hands its absent browsers to.
    CollapseGroup CollapseRequests();

    int State(const std::string& group, const std::string& category);
    void SetState(const std::string& group, const std::string& category, int state);
    void SetGroup(const std::string& group, int state);
    void SetAll(int state);
    // True until the scan has collapsed the group; ExpandAll opens every group again.
    bool Expanded(const std::string& group) const { return collapsed_.count(group) == 0; }
    void ExpandAll() { collapsed_.clear(); }

    // Every category's state in tree order.
    std::vector<int> States();
    // The states of one group's categories, in order.
    std::vector<int> GroupStates(const std::string& group);

private:
    CategoryId Id(const std::string& group, const std::string& category);

    HWND window_ = nullptr; // owns the clipboard while the scan reads it
    std::set<std::string> collapsed_;
};

// The groups that are browsers: every group but "Advanced", "Extra Traces" and "Windows".
std::vector<std::string> BrowserGroups();

} // namespace aw::test
