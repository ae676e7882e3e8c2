#pragma once
// The trace tree on the main window: the view of the selection. Every category node carries its
// category's identity; the tree shows which are ticked and hands the user's ticks to the
// selection, which the program owns.
#include "cleaner/trace_selection.h"
#include "ui/tree_view.h"

#include <optional>
#include <string>

namespace aw {

constexpr int StateNotSelected = 1;
constexpr int StateSelected = 2;

// Fills the tree from the catalogue: every group without a state image, every category with
// StateNotSelected and its identity, siblings sorted by the control. Also installs the
// check-box state images.
void BuildTraceTree(ui::TreeView& tree);

// The 16×16 state images: a placeholder (never shown), the empty box and the ticked box.
HIMAGELIST CreateCheckBoxImages();

void SetNodeBold(const ui::TreeNode& node, bool bold);
void BoldGroupNodes(ui::TreeView& tree);

// The category a node shows; nothing for a group node or no node.
std::optional<CategoryId> CategoryOfNode(const ui::TreeNode& node);

// Gives every category node the state of its category in the selection.
void ShowSelection(ui::TreeView& tree, const TraceSelection& selection);

// The group node with this text, or an empty node.
ui::TreeNode FindGroupNode(ui::TreeView& tree, std::string_view group);

// The category node of (group, category), or an empty node.
ui::TreeNode FindTraceNode(ui::TreeView& tree, const std::string& group, const std::string& category);

} // namespace aw
