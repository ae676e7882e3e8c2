#pragma once
// The framework's side of the manager's lookups: the form or control bound to a window, and
// the screen's forms (the framework forms among the thread's top-level windows).

#include <windows.h>

#include <string>
#include <vector>

namespace aw::ui {
class Control;
}

namespace aw::skin {

ui::Control* FrameworkControlOf(HWND window);
// The thread's top-level windows that carry a framework form, in the system's window order.
std::vector<HWND> ScreenForms();
std::string WindowClassName(HWND window);

}  // namespace aw::skin
