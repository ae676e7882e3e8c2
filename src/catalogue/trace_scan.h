#pragma once
// The scan: looks at the machine and ticks the categories whose traces are present. It only
// reads (folders, files, keys, the clipboard's text, the length of the custom-location script)
// and changes nothing but category states and the collapsed state of browser groups.
#include "ui/tree_view.h"

#include <cstddef>

namespace aw {

// The error raised when another program holds the clipboard open.
constexpr char kClipboardError[] = "Cannot open clipboard";

// Walks the tree in display order and applies every test of each (group, category): a found
// trace ticks its category; a missing one unticks it or leaves it, as its test says. A browser
// whose folder exists gets all its categories ticked; one whose folder is missing is collapsed
// (if the tree allows it) and keeps its states. `scriptLineCount` is the number of lines of the
// custom-location script.
//
// Throws std::runtime_error(kClipboardError) at "Windows" > "Clipboard Cache" when the clipboard
// cannot be opened; the categories after it are then not looked at.
void ScanTraces(ui::TreeView& tree, std::size_t scriptLineCount);

// The scan's way of ticking: a group gets every category ticked, a category itself.
void SelectTraceNode(ui::TreeNode node);

} // namespace aw
