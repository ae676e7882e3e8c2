#include "skin/forms/caption_buttons.h"

#include <algorithm>

#include "skin/draw/gdi_pixels.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/window_queries.h"
#include "skin/manager/skinned_window.h"

namespace aw::skin {

namespace {

// The size a button takes: a frame of its image, or the small icon for an icon button that
// has no image.
SIZE ButtonSize(const TWinSysButton& button)
{
    const TDataSkinSysButton& e = button.Element();
    if (e.image) {
        const SIZE size = BitmapSize(e.image.Get());
        return SIZE{size.cx / std::max(e.FrameCount, 1), size.cy};
    }
    if (button.IsIconButton()) return SIZE{::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
    return SIZE{0, 0};
}

}  // namespace

void CaptionButtonSet::Create()
{
    buttons_.clear();
    for (const auto& element : form_.SkinData().Skin().captionButtons) {
        buttons_.push_back(std::make_unique<TWinSysButton>(form_, *element));
        if (buttons_.back()->IsIconButton()) BuildIconBitmap();
    }
}

void CaptionButtonSet::BuildIconBitmap()
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    UniqueBitmap bitmap = CreateBitmap32(PixelImage(cx, cy, kMagenta));
    if (!bitmap) return;
    if (const HICON icon = WindowIcon(form_.Handle())) {
        MemoryDC dc;
        SelectedObject selected(dc.Get(), bitmap.Get());
        if (selected.Ok()) ::DrawIconEx(dc.Get(), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
    }
    iconBitmap_ = std::move(bitmap);
}

void CaptionButtonSet::Layout(int windowWidth, const CaptionState& state, const Rect& title,
                              const FrameMetrics& metrics)
{
    const HWND window = form_.Handle();
    auto ask = [window](int visibility, int action) {
        return ::SendMessageA(window, kMsgCaptionButtonVisible, static_cast<WPARAM>(visibility), action) > 0;
    };
    const TDataSkinObject* menuBar = form_.SkinData().Slot(SkinSlot::MenuBar);
    const int menuLeft = menuBar ? menuBar->LeftWidth : 0;
    for (auto& button : buttons_) {
        const CaptionButtonTraits traits = button->Traits();
        const SIZE size = ButtonSize(*button);
        button->visible = size.cx > 0 && CaptionButtonVisible(traits, state, ask);
        button->enabled = CaptionButtonEnabled(traits, state);
        button->rect =
            CaptionButtonRect(traits, size.cx, size.cy, windowWidth, title.left, title.right, metrics, menuLeft);
    }
}

void CaptionButtonSet::Draw(HDC buffer)
{
    for (auto& button : buttons_) button->Draw(buffer);
}

TWinSysButton* CaptionButtonSet::At(POINT p) const
{
    for (const auto& button : buttons_)
        if (button->visible && button->Element().Action >= 0 && Contains(button->rect, p)) return button.get();
    return nullptr;
}

int CaptionButtonSet::WidestRightXCoord() const
{
    int widest = 0;
    for (const auto& button : buttons_)
        if (button->visible && button->Element().Align == 1) widest = std::max(widest, button->Element().XCoord);
    return widest;
}

int CaptionButtonSet::MdiButtonsLeft() const
{
    int left = -1;
    for (const auto& button : buttons_)
        if (button->visible && button->IsMdiButton())
            left = left < 0 ? button->rect.left : std::min(left, button->rect.left);
    return left;
}

}  // namespace aw::skin
