#pragma once
// Window messages of the form skinning: the engine's private ones, and an undocumented one of
// the platform's that the skin swallows.

#include <windows.h>

namespace aw::skin {

inline constexpr UINT kMsgRepaintFrame = 0x3502;    // repaint the non-client area
inline constexpr UINT kMsgRedrawMdiFrame = 0x3516;  // to the MDI client: redraw the frame window
inline constexpr UINT kMsgReplaceScrollPainter = 0x3517;
inline constexpr UINT kMsgEngineHello = 0xBC4E;  // sent after set-up, lParam 16802
inline constexpr LPARAM kEngineHelloLParam = 16802;
// The undocumented message with which themed systems redraw a caption.
inline constexpr UINT kMsgThemedCaptionRedraw = 0xAE;

}  // namespace aw::skin
