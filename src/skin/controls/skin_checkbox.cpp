#include "skin/controls/skin_painters.h"

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/manager/skin_manager.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

// Focus rectangles are left out of skinned check boxes on this platform generation: the
// version the manager recorded when it hooked the user-interface thread decides.
bool PlatformDrawsCheckFocus()
{
    const TSkinManage* manager = TSkinManage::Current();
    const DWORD version = manager ? manager->PlatformVersion() : ::GetVersion();
    return LOBYTE(LOWORD(version)) != 6;
}

}  // namespace

void TSkinCheckBox::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    transparent_ = (control && control->Tag() == kTransparentTag) || data.Options.Contains(xoTransparent);
    TSkinControl::Attach(window, control, data, form, backgroundMode);
}

HBITMAP TSkinCheckBox::Image() const
{
    const TDataSkinButton& buttons = data_->Skin().buttons;
    return radio_ ? buttons.radioImage.Get() : buttons.checkImage.Get();
}

int TSkinCheckBox::FrameCount() const
{
    const TDataSkinButton& buttons = data_->Skin().buttons;
    const int count = radio_ ? buttons.RadioButtonFrame : buttons.CheckButtonFrame;
    return count > 0 ? count : 1;
}

CheckMark TSkinCheckBox::Mark() const
{
    const LRESULT state = ::SendMessageA(window_, BM_GETSTATE, 0, 0);
    CheckMark mark = (state & BST_CHECKED) ? CheckMark::Checked : CheckMark::Unchecked;
    if (control_) {
        if (auto text = control_->PublishedProperty("State")) CheckMarkFromStateText(*text, mark);
        if (control_->PublishedProperty("DataBinding")) return CheckMark::Unchecked;
        if (control_->PublishedProperty("DataField") && recordedCheck_ > 0)
            mark = recordedCheck_ == 1 ? CheckMark::Unchecked : recordedCheck_ == 2 ? CheckMark::Checked : CheckMark::Mixed;
    }
    if (state & BST_INDETERMINATE) mark = CheckMark::Mixed;
    return mark;
}

int TSkinCheckBox::CurrentFrame() const
{
    const bool pushed = (::SendMessageA(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    return CheckFrame(Mark(), Enabled(), mouseOver_, pushed, FrameCount());
}

bool TSkinCheckBox::BeforeMessage(Message& m)
{
    switch (m.msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (!Image()) break;
        PaintForMessage(m);
        m.result = 0;
        return false;
    case WM_ERASEBKGND:
        if (!transparent_) break;
        {
            RECT area;
            ::GetClientRect(window_, &area);
            PaintParentBackground(window_, reinterpret_cast<HDC>(m.wParam), area);
        }
        m.result = 1;
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinCheckBox::AfterMessage(Message& m)
{
    switch (m.msg) {
    case BM_SETCHECK:
        recordedCheck_ = static_cast<int>(m.wParam) + 1;
        PaintNow(nullptr);
        break;
    case WM_MOUSEMOVE:
        if (!mouseOver_) {
            mouseOver_ = true;
            PaintNow(nullptr);
        }
        TrackMouseLeave();
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        PaintNow(nullptr);
        break;
    // The native box draws its pushed state and focus straight onto the screen on these.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case BM_SETSTATE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
        if (Image()) PaintNow(nullptr);
        else TSkinControl::AfterMessage(m);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinCheckBox::Draw(HDC dc, const RECT& rect)
{
    HBITMAP image = Image();
    if (!image) return;
    BITMAP info{};
    ::GetObjectA(image, sizeof info, &info);
    const int boxWidth = info.bmWidth / FrameCount();
    const int boxHeight = info.bmHeight;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    const bool textOnLeft = (style & BS_LEFTTEXT) != 0;
    const bool rtl = (::GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const CheckBoxLayout layout = LayOutCheckBox(width, height, boxWidth, boxHeight, textOnLeft);

    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    RECT area{0, 0, width, height};
    if (transparent_) PaintParentBackground(window_, b, area);
    else ::FillRect(b, &area, data_->ButtonFaceBrush());
    const RECT box{layout.box.left, layout.box.top, layout.box.right, layout.box.bottom};
    DrawStretchedFrame(b, box, image, true, FrameCount(), CurrentFrame());

    const std::string caption = CaptionText();
    COLORREF colour = control_ ? control_->FontColor() : ::GetSysColor(COLOR_BTNTEXT);
    if (!Enabled()) colour = ::GetSysColor(COLOR_BTNSHADOW);
    SelectedObject font(b, ControlFont());
    ::SetTextColor(b, colour);
    ::SetBkMode(b, TRANSPARENT);
    RECT text{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
    UINT format = DT_WORDBREAK | (rtl ? DT_RTLREADING : 0) | (rtl && textOnLeft ? DT_RIGHT : DT_LEFT);
    RECT measured = text;
    ::DrawTextA(b, caption.c_str(), static_cast<int>(caption.size()), &measured, format | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    const int textWidth = measured.right - measured.left;
    text.top = (height - textHeight) / 2;
    text.bottom = text.top + textHeight;
    ::DrawTextA(b, caption.c_str(), static_cast<int>(caption.size()), &text, format);
    if (Focused() && !caption.empty() && PlatformDrawsCheckFocus()) {
        const int left = (rtl && textOnLeft) ? text.right - textWidth : text.left;
        RECT focus{left - 2, text.top - 1, left + textWidth + 2, text.bottom + 1};
        IntersectClipRect(b, layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom);
        ::SetTextColor(b, RGB(0, 0, 0));
        ::SetBkColor(b, RGB(255, 255, 255));
        ::DrawFocusRect(b, &focus);
        ::SelectClipRgn(b, nullptr);
    }
    buffer.CopyTo(rect.left, rect.top);
}

}  // namespace aw::skin
