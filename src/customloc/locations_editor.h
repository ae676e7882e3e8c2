#pragma once
// The script editor on the settings window's "Advanced" page: Memo1 holds the live script,
// Edit1 a line to add; "+", "Help", "Load" and "Save" act on them and on the files beside the
// executable.
#include "ui/controls.h"

namespace aw {

constexpr char kLocationsFileName[] = "Locations.txt";
constexpr char kExamplesFileName[] = "CL_Examples.txt";

namespace locations_editor {

// "+": Edit1's text, trimmed, becomes the last line unless a line already reads exactly so.
// Nothing when Edit1 is empty. Edit1 keeps its text.
void Button2Click(const ui::Edit& edit1, ui::Memo& memo1);
// "Help": opens CL_Examples.txt through the shell, when it exists.
void Button3Click();
// "Load": Memo1 takes the lines of Locations.txt, when it exists.
void Button4Click(ui::Memo& memo1);
// "Save": Memo1's lines replace Locations.txt's content. An empty editor writes nothing, so the
// file keeps what it held. A write error is thrown to the application's error box.
void Button5Click(const ui::Memo& memo1);

} // namespace locations_editor

// Loads Locations.txt into the editor when the main window is shown, as "Load" does.
void LoadLocationsAtShow(ui::Memo& memo1);

// Gives the four buttons their handlers. The controls must outlive the buttons' use.
void WireLocationsEditor(ui::Memo& memo1, ui::Edit& edit1, ui::Button& button2, ui::Button& button3,
                         ui::Button& button4, ui::Button& button5);

} // namespace aw
