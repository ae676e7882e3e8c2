#pragma once
// The trace tree on the main window: the view of the selection. Every category node carries its
// category's identity; the tree shows which are ticked and hands the user's ticks to the
// selection, which the program owns.
#include "apprules/app_catalogue.h"
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

// Adds the application rules' entries after every other group: a group per community
// category, in order, each entry StateNotSelected with its index in the catalogue.
void AddAppEntryNodes(ui::TreeView& tree, const AppCatalogue& apps);

// The catalogue index of the entry a node shows; nothing for any other node.
std::optional<std::size_t> AppEntryOfNode(const ui::TreeNode& node);
// True for a group node of the application rules.
bool IsAppGroupNode(const ui::TreeNode& node);

// Gives every entry node the state of its entry.
void ShowAppTicks(ui::TreeView& tree, const AppCatalogue& apps);

// The group node with this text, or an empty node.
ui::TreeNode FindGroupNode(ui::TreeView& tree, std::string_view group);

// The category node of (group, category), or an empty node.
ui::TreeNode FindTraceNode(ui::TreeView& tree, const std::string& group, const std::string& category);

} // namespace aw
