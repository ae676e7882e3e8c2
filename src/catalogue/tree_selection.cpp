#include "catalogue/tree_selection.h"

#include "catalogue/trace_tree.h"
#include "ui/application.h"

namespace aw {

namespace {

void SetAllTraces(ui::TreeView& tree, int state)
{
    ui::TreeNode selected = tree.Selected();
    if (!selected)
        return;
    if (selected.HasChildren()) {
        for (ui::TreeNode child = selected.FirstChild(); child; child = child.NextSibling())
            child.SetStateIndex(state);
        return;
    }
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling())
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            child.SetStateIndex(state);
}

// True when every child of the node is unticked (a node without children counts as such).
bool NoneSelected(const ui::TreeNode& node)
{
    for (ui::TreeNode child = node.FirstChild(); child; child = child.NextSibling())
        if (child.StateIndex() != StateNotSelected)
            return false;
    return true;
}

} // namespace

void ToggleNodeState(ui::TreeNode node)
{
    if (!node)
        return;
    int state = node.StateIndex();
    if (state == StateNotSelected)
        node.SetStateIndex(StateSelected);
    else if (state == StateSelected)
        node.SetStateIndex(StateNotSelected);
}

void CheckAllTraces(ui::TreeView& tree)
{
    SetAllTraces(tree, StateSelected);
}

void UncheckAllTraces(ui::TreeView& tree)
{
    SetAllTraces(tree, StateNotSelected);
}

void CollapseUnselectedGroups(ui::TreeView& tree)
{
    for (ui::TreeNode& node : tree.AllNodes())
        if (node.HasChildren() && NoneSelected(node))
            node.Collapse();
}

void ExpandSelectedGroups(ui::TreeView& tree)
{
    for (ui::TreeNode& node : tree.AllNodes())
        if (node.HasChildren() && !NoneSelected(node))
            node.Expand();
    // Under Wine, expanding a group below the lines in view scrolls its categories into view;
    // the first line stays in view, as it does for a full expansion of the unshown tree.
    const HWND handle = tree.Handle();
    SendMessageA(handle, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, SendMessageA(handle, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

void ScrollTreeToTop(ui::TreeView& tree)
{
    // Line by line with the waiting messages handled before each step, as a user's scrolling
    // would go, and no further than the top: once the first line shows, a step changes
    // nothing. One step per pixel of height is more than the tree can ever have lines.
    const HWND handle = tree.Handle();
    auto atTop = [handle] {
        const LPARAM first = SendMessageA(handle, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0);
        return first == 0 || first == SendMessageA(handle, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    };
    int steps = tree.GetBounds().Height;
    ui::Application::Instance().ProcessMessages();
    for (int i = 0; i < steps && !atTop(); ++i) {
        SendMessageA(handle, WM_VSCROLL, SB_LINEUP, 0);
        ui::Application::Instance().ProcessMessages();
    }
}

} // namespace aw
