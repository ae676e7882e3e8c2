#pragma once
// Traces.ini: the ticked categories kept from one run of the program to the next. Every entry
// is written or read through the platform's profile services with its own open and close, so
// the file keeps whatever else it holds (other sections and keys, their order).
#include "ui/tree_view.h"

#include <string>
#include <string_view>

namespace aw {

// The file named `fileName` in the executable's folder. Nothing is done when that folder
// cannot be told (a bare file name would make the profile services use the Windows folder).
void SaveTraceSelection(const std::string& fileName, ui::TreeView& tree);
void LoadTraceSelection(const std::string& fileName, ui::TreeView& tree);

// The same for a file given by its full path.
void SaveTraceSelectionAt(const std::string& path, ui::TreeView& tree);
void LoadTraceSelectionAt(const std::string& path, ui::TreeView& tree);

// Writes one entry (creating the file, the section or the key as needed, replacing a value in
// place). A failure is ignored.
void WriteTraceEntry(const std::string& path, const std::string& section, const std::string& key,
                     std::string_view value);

// Sets the node from one entry: when the file has a section named exactly `section`
// (case-sensitive), the node is ticked if the key's value is exactly "True" and unticked
// otherwise; without such a section, or without the file, the node keeps its state. Key names
// are matched by the profile services, which ignore their case.
void ReadTraceEntry(const std::string& path, const std::string& section, const std::string& key,
                    ui::TreeNode node);

} // namespace aw
