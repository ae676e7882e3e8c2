#pragma once
// The scan: looks at the machine and ticks the categories whose traces are present. It only
// reads (folders, files, keys, the clipboard's text, the length of the custom-location script)
// and changes nothing but the selection, and asks for absent browsers' groups to be collapsed.
#include "cleaner/trace_selection.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string_view>

namespace aw {

// The error raised when another program holds the clipboard open.
constexpr char kClipboardError[] = "Cannot open clipboard";

// Where the scan reports what it does besides ticking: a browser whose folder is missing, which
// the tree collapses if it allows it.
using CollapseGroup = std::function<void(std::string_view group)>;

// Walks the categories in tree order and applies every test of each: a found trace ticks its
// category; a missing one unticks it or leaves it, as its test says. A browser whose folder
// exists gets all its categories ticked; one whose folder is missing is handed to
// `collapseGroup` at each of its categories and keeps its states. `scriptLineCount` is the
// number of lines of the custom-location script; `clipboardOwner` opens the clipboard.
//
// Throws std::runtime_error(kClipboardError) at "Windows" > "Clipboard Cache" when the clipboard
// cannot be opened; the categories after it are then not looked at, and the selection keeps
// what the scan did before.
void ScanTraces(TraceSelection& selection, std::size_t scriptLineCount, HWND clipboardOwner,
                const CollapseGroup& collapseGroup);

} // namespace aw
