#pragma once
// Window subclassing with the calling convention of the common controls' subclass functions
// (the same SUBCLASSPROC callbacks, the newest subclass sees a message first, CallNext passes it
// on), but with each window's chain kept in the process's own memory. The system's version
// finds the chain through a window property on every message, which costs a round trip to the
// window server per message and per subclass on some platforms.
#include <windows.h>
#include <commctrl.h>

namespace aw::subclass {

// Adds (proc, id) in front of the window's chain, or changes its data when it is already there.
bool Set(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);

// Removes (proc, id); the window gets its own procedure back once its chain is empty.
bool Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id);

// The data (proc, id) was installed with, when it is installed.
bool Get(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data);

// Passes the message to the next subclass of the chain, or to the window's own procedure.
LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace aw::subclass
