#pragma once
// What the user does with the trace tree: ticking, the bulk commands, collapsing the groups
// with nothing ticked, and scrolling back to the top.
#include "ui/tree_view.h"

namespace aw {

// Flips a category between StateNotSelected and StateSelected; groups and no node: nothing.
void ToggleNodeState(ui::TreeNode node);

// With a group selected, ticks (unticks) its categories; with a category selected, every
// category of the tree; with nothing selected, nothing.
void CheckAllTraces(ui::TreeView& tree);
void UncheckAllTraces(ui::TreeView& tree);

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
