#include "skin/data/optional_user32.h"

namespace aw::skin {

namespace {

template <typename Fn>
Fn Resolve(HMODULE module, const char* name)
{
    // The cast through a generic pointer keeps the compiler quiet about the function-type change.
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace

OptionalUser32 LookUpUser32Extras()
{
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    OptionalUser32 found;
    found.getScrollBarInfo = Resolve<OptionalUser32::GetScrollBarInfoFn>(user32, "GetScrollBarInfo");
    found.trackMouseEvent = Resolve<OptionalUser32::TrackMouseEventFn>(user32, "TrackMouseEvent");
    found.getComboBoxInfo = Resolve<OptionalUser32::GetComboBoxInfoFn>(user32, "GetComboBoxInfo");
    found.disableProcessWindowsGhosting =
        Resolve<OptionalUser32::DisableProcessWindowsGhostingFn>(user32, "DisableProcessWindowsGhosting");
    return found;
}

const OptionalUser32& User32Extras()
{
    static const OptionalUser32 extras = LookUpUser32Extras();
    return extras;
}

}  // namespace aw::skin
