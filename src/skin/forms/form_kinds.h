#pragma once
// What a skinned form knows of its window, as types: which kind of window it is, and whether it
// is normal, maximized or minimized.

namespace aw::skin {

// An ordinary top-level window, an MDI frame (it has an "MDIClient" child) or an MDI child
// (WS_EX_MDICHILD).
enum class WindowKind { Ordinary, MdiFrame, MdiChild };

// From the window placement, and kept up to date from WM_SIZE and the system commands.
enum class WindowState { Normal, Maximized, Minimized };

}  // namespace aw::skin
