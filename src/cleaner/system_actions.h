#pragma once
// The two actions of the "Windows" group that have no location.
#include <windows.h>

namespace aw {

// Empties the recycle bins of every drive without asking; the shell's progress window, owned
// by owner, and its sound stay on. Counts nothing.
void EmptyRecycleBins(HWND owner);

// Replaces whatever the clipboard holds, in any format, by an empty text. Counts nothing.
void ClearClipboard(HWND owner);

} // namespace aw
