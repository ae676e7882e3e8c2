#include "skin/forms/nc_objects.h"

#include <algorithm>

#include "skin/draw/draw_primitives.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/window_queries.h"

namespace aw::skin {

void TNCObject::Press() { form_.ApplyHotEffects(form_.HotObjects().Press(*this)); }

void TNCObject::Release() { form_.ApplyHotEffects(form_.HotObjects().Release(*this)); }

void TNCObject::Hover() { form_.ApplyHotEffects(form_.HotObjects().Hover(*this)); }

void TNCObject::Leave() { form_.ApplyHotEffects(form_.HotObjects().Leave(*this)); }

CaptionButtonTraits TWinSysButton::Traits() const
{
    return CaptionButtonTraits{element_.Action, element_.Align,      element_.XCoord,
                               element_.YCoord, element_.Visibility, element_.Visibility1};
}

void TWinSysButton::Draw(HDC buffer)
{
    if (!visible) return;
    const RECT place = ToRECT(rect);
    if (IsIconButton()) {
        const int cx = ::GetSystemMetrics(SM_CXSMICON);
        const int cy = ::GetSystemMetrics(SM_CYSMICON);
        if (const HICON icon = WindowIcon(form_.Handle()))
            ::DrawIconEx(buffer, place.left, place.top, icon, cx, cy, 0, nullptr, DI_NORMAL);
        else if (const HBITMAP copy = form_.SkinData().AppIconCopy())
            DrawTransparent(buffer, place, copy, kMagenta);
        return;
    }
    if (!element_.image) return;
    const int frames = std::max(element_.FrameCount, 1);
    const int frame = form_.Hot() == this ? CaptionButtonMouseFrame(state, enabled, IsMdiButton(), frames)
                                          : CaptionButtonPaintFrame(form_.Active(), enabled, frames);
    DrawStretchedFrame(buffer, place, element_.image.Get(), true, frames, frame);
}

}  // namespace aw::skin
