#pragma once
// What the user does with the trace tree: ticking and the bulk commands (which change the
// selection the tree shows), collapsing the groups with nothing ticked, and scrolling back to
// the top.
#include "cleaner/trace_selection.h"
#include "ui/tree_view.h"

namespace aw {

// Flips the node's category in the selection; a group node or no node: nothing.
void ToggleNodeCategory(const ui::TreeNode& node, TraceSelection& selection);

// With a group selected in the tree, ticks (unticks) its categories; with a category selected,
// every category; with nothing selected, nothing.
void CheckAllTraces(const ui::TreeView& tree, TraceSelection& selection);
void UncheckAllTraces(const ui::TreeView& tree, TraceSelection& selection);

// Collapses every group none of whose categories is ticked (each collapse still asks the
// tree's collapsing event).
void CollapseUnselectedGroups(ui::TreeView& tree);

// Expands every group with at least one ticked category: the groups a full expansion followed
// by CollapseUnselectedGroups leaves open. The tree's first line stays the first in view.
void ExpandSelectedGroups(ui::TreeView& tree);

// Scrolls the tree to its first line, letting the application process its messages between
// the steps.
void ScrollTreeToTop(ui::TreeView& tree);

} // namespace aw
