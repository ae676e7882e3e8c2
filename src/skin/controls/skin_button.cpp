#include "skin/controls/skin_painters.h"

#include <windowsx.h>

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/manager/attach_rules.h"
#include "ui/control.h"
#include "ui/controls.h"

namespace aw::skin {

namespace {

// The button's own timer, which the painter stops so that the native button cannot repaint.
constexpr UINT_PTR kButtonTimer = 1;

std::string ClassNameOf(HWND window)
{
    char name[128] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

void TSkinButton::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    const std::string className = AsciiLower(control ? control->ClassName() : ClassNameOf(window));
    foreign_ = className.rfind("trz", 0) == 0 || className.rfind("tel", 0) == 0;
    int tag = 0;
    if (control) tag = control->Tag();
    transparent_ = tag == kTransparentTag || data.Options.Contains(xoTransparent);
    TSkinControl::Attach(window, control, data, form, backgroundMode);
}

int TSkinButton::CurrentFrame() const
{
    const bool isDefault = AsciiLower(Property("Default")) == "true";
    return kPushButtonFrames[PushButtonState(Enabled(), pressed_, mouseOver_, Focused() || isDefault)];
}

bool TSkinButton::BeforeMessage(Message& m)
{
    if (PaintsWholly(m))
        return false;
    switch (m.msg) {
    case WM_TIMER:
        ::KillTimer(window_, kButtonTimer);
        m.result = 0;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The native button never sees the press, so it never takes the capture or pushes
        // itself in; the click comes from the release below.
        if (!Focused()) ::SetFocus(window_);
        pressed_ = true;
        PaintNow(nullptr);
        m.result = 0;
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinButton::AfterMessage(Message& m)
{
    switch (m.msg) {
    case WM_SETTEXT:
        PaintNow(nullptr);
        break;
    case WM_KEYDOWN:
        if (m.wParam == VK_SPACE) {
            pressed_ = true;
            PaintNow(nullptr);
        }
        break;
    case WM_KEYUP:
        if (m.wParam == VK_SPACE) {
            pressed_ = false;
            PaintNow(nullptr);
        }
        break;
    case WM_MOUSEMOVE:
        if (Enabled() && !mouseOver_) {
            mouseOver_ = true;
            PaintNow(nullptr);
        }
        TrackMouseLeave();
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            PaintNow(nullptr);
            Click();
        }
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        pressed_ = false;
        PaintNow(nullptr);
        break;
    // The native button draws its state, focus and default look straight onto the screen on
    // these; the skin paints over it at once.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        PaintNow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinButton::Click()
{
    if (control_) {
        if (auto* button = dynamic_cast<ui::Button*>(control_)) button->Click();
        else if (control_->OnClick) control_->OnClick();
        return;
    }
    HWND parent = ::GetParent(window_);
    if (AsciiLower(ClassNameOf(window_)) != "tbutton") {
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window_), BN_CLICKED),
                       reinterpret_cast<LPARAM>(window_));
    } else {
        ::SendMessageA(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(window_));
    }
}

void TSkinButton::Draw(HDC dc, const RECT& rect)
{
    const TDataSkinButton& element = data_->Skin().buttons;
    if (!element.image) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int frame = CurrentFrame();
    const bool focused = Focused();

    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    RECT area{0, 0, width, height};
    if (transparent_) PaintParentBackground(window_, b, area);
    else ::FillRect(b, &area, data_->ButtonFaceBrush());
    DrawElementFrame(b, area, element.image.Get(), false, element.Tile != 0, element.Trans != 0, kButtonsFrames,
                     frame, element.GetMargins());

    Colour colour = element.NormalColour2;
    if (frame == kPushButtonFrames.hot && element.HasMouseOverColour2) colour = element.MouseOverColour2;
    if (frame == kPushButtonFrames.pressed && element.HasPressedColour2) colour = element.PressedColour2;
    if (frame == kPushButtonFrames.disabled) colour = ::GetSysColor(COLOR_BTNSHADOW);

    const std::string caption = ButtonCaptionText(CaptionText());
    SelectedObject font(b, ControlFont());
    ::SetTextColor(b, ResolveColour(colour));
    ::SetBkMode(b, TRANSPARENT);
    const bool rtl = (::GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const UINT format = DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | (rtl ? DT_RTLREADING : 0);
    RECT text{2, 2, width - 2, height - 2};
    RECT measured = text;
    ::DrawTextA(b, caption.c_str(), static_cast<int>(caption.size()), &measured, format | DT_CALCRECT);
    const int textWidth = measured.right - measured.left;
    const int textHeight = measured.bottom - measured.top;
    text.left = (width - textWidth) / 2;
    text.right = text.left + textWidth;
    text.top = (height - textHeight) / 2;
    text.bottom = text.top + textHeight;
    ::DrawTextA(b, caption.c_str(), static_cast<int>(caption.size()), &text, format);
    if (focused && !data_->Options.Contains(xoNoFocusRect)) {
        RECT focus{text.left - 2, text.top - 2, text.right + 2, text.bottom + 2};
        ::SetTextColor(b, RGB(0, 0, 0));
        ::SetBkColor(b, RGB(255, 255, 255));
        ::DrawFocusRect(b, &focus);
    }
    buffer.CopyTo(rect.left, rect.top);
}

}  // namespace aw::skin
