#include "app/tree_selection.h"

#include "app/trace_tree.h"
#include "ui/application.h"

namespace aw {

namespace {

void SetAllTraces(const ui::TreeView& tree, TraceSelection& selection, bool ticked)
{
    ui::TreeNode selected = tree.Selected();
    if (!selected)
        return;
    if (selected.HasChildren()) {
        for (ui::TreeNode child = selected.FirstChild(); child; child = child.NextSibling())
            if (const std::optional<CategoryId> id = CategoryOfNode(child))
                selection.Set(*id, ticked);
        return;
    }
    selection.SetAll(ticked);
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

void ToggleNodeCategory(const ui::TreeNode& node, TraceSelection& selection)
{
    if (const std::optional<CategoryId> id = CategoryOfNode(node))
        selection.Flip(*id);
}

void CheckAllTraces(const ui::TreeView& tree, TraceSelection& selection)
{
    SetAllTraces(tree, selection, true);
}

void UncheckAllTraces(const ui::TreeView& tree, TraceSelection& selection)
{
    SetAllTraces(tree, selection, false);
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
