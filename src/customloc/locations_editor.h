#pragma once
// The script editor on the settings window's "Advanced" page: the memo holds the live script,
// the edit a line to add; "+", "Help", "Load" and "Save" act on them and on the files beside the
// executable.
#include "ui/controls.h"

namespace aw {

constexpr char kLocationsFileName[] = "Locations.txt";
constexpr char kExamplesFileName[] = "CL_Examples.txt";

namespace locations_editor {

// "+": the line's text, trimmed, becomes the script's last line unless a line already reads exactly
// so. Nothing when the line is empty; it keeps its text.
void AddLine(const ui::Edit& line, ui::Memo& script);
// "Help": opens CL_Examples.txt through the shell, when it exists.
void OpenExamples();
// "Load": the script takes the lines of Locations.txt, when it exists.
void LoadLocations(ui::Memo& script);
// "Save": the script's lines replace Locations.txt's content. An empty editor writes nothing, so the
// file keeps what it held. A write error is thrown to the application's error box.
void SaveLocations(const ui::Memo& script);

} // namespace locations_editor

// Loads Locations.txt into the editor when the main window is shown, as "Load" does.
void LoadLocationsAtShow(ui::Memo& script);

// Gives the four buttons their handlers. The controls must outlive the buttons' use.
void WireLocationsEditor(ui::Memo& script, ui::Edit& line, ui::Button& addButton, ui::Button& helpButton,
                         ui::Button& loadButton, ui::Button& saveButton);

} // namespace aw
