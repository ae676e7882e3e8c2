#pragma once
// A real trace tree in a window of its own, built the way the main window builds it (all
// groups expanded), with a switch that answers its collapsing requests, and shorthands for
// reading and setting category states by their (group, category) texts.
#include "catalogue/trace_tree.h"
#include "ui/form.h"

#include <string>
#include <vector>

namespace aw::test {

class TraceTreeWindow {
public:
    TraceTreeWindow();

    ui::TreeView& Tree() { return *tree_; }
    HWND Handle() const { return form_.Handle(); }

    // Answers every collapse request of the tree.
    bool CollapseEnabled = true;

    ui::TreeNode Group(const std::string& group);
    ui::TreeNode Node(const std::string& group, const std::string& category);
    int State(const std::string& group, const std::string& category);
    void SetState(const std::string& group, const std::string& category, int state);
    void SetGroup(const std::string& group, int state);
    void SetAll(int state);
    bool Expanded(const std::string& group);

    // Every category's state in walking order.
    std::vector<int> States();
    // The states of one group's categories, in order.
    std::vector<int> GroupStates(const std::string& group);

private:
    ui::Form form_;
    ui::TreeView* tree_ = nullptr;
};

// The groups that are browsers: every group but "Advanced", "Extra Traces" and "Windows".
std::vector<std::string> BrowserGroups();

} // namespace aw::test
