#include "skin/manager/form_directory.h"

#include "ui/control.h"
#include "ui/form.h"

namespace aw::skin {

ui::Control* FrameworkControlOf(HWND window) { return ui::WinControl::FromHandle(window); }

namespace {
BOOL CALLBACK CollectForm(HWND window, LPARAM list)
{
    if (dynamic_cast<ui::Form*>(FrameworkControlOf(window)))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> ScreenForms()
{
    std::vector<HWND> forms;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectForm, reinterpret_cast<LPARAM>(&forms));
    return forms;
}

std::string WindowClassName(HWND window)
{
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace aw::skin
