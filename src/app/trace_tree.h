#pragma once
// The trace tree built from the catalogue, and the operations every part of the program uses
// on it: bold groups, the state of each category, the walk in display order.
#include "cleaner/clean_run.h"
#include "ui/tree_view.h"

namespace aw {

constexpr int StateNotSelected = 1;
constexpr int StateSelected = 2;

// Fills the tree from the catalogue: every group without a state image, every category with
// StateNotSelected, siblings sorted by the control. Also installs the check-box state images.
void BuildTraceTree(ui::TreeView& tree);

// The 16×16 state images: a placeholder (never shown), the empty box and the ticked box.
HIMAGELIST CreateCheckBoxImages();

void SetNodeBold(const ui::TreeNode& node, bool bold);
void BoldGroupNodes(ui::TreeView& tree);

// True when at least one category has StateSelected.
bool AnyTraceSelected(ui::TreeView& tree);

// The ticked categories in walking order.
std::vector<TraceCategoryRef> SelectedTraces(ui::TreeView& tree);

// The category node of (group, category), or an empty node.
ui::TreeNode FindTraceNode(ui::TreeView& tree, const std::string& group, const std::string& category);

} // namespace aw
