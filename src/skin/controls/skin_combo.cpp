// Combo boxes and date-time pickers: the control draws its text, the painter the edge and the
// drop-down button round it.

#include "skin/controls/skin_common_controls.h"

#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skinning.h"
#include "skin/data/optional_user32.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"

namespace aw::skin {

namespace {

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int Frames(const TDataSkinObject* element) { return std::max(1, element ? element->FrameCount : 1); }

int FrameIn(const TDataSkinObject* element, ControlState state)
{
    return std::min(FourStateFrame(state, Frames(element)), Frames(element));
}

void Ring(HDC dc, const RECT& rect, Colour colour)
{
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FrameRect(dc, &rect, brush.Get());
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return AsciiUpper(name);
}

}  // namespace

void DrawComboArrow(HDC dc, const TSkinData& data, const RECT& rect, ControlState state)
{
    ::FillRect(dc, &rect, data.ButtonFaceBrush());
    const TDataSkinObject* arrow = data.Slot(SkinSlot::ComboxArrow);
    const TDataSkinObject* button = data.Slot(SkinSlot::ComboButton);
    if (arrow && arrow->image) {
        DrawStretchedFrame(dc, rect, arrow->image.Get(), true, Frames(arrow), FrameIn(arrow, state));
    } else if (button && button->image) {
        DrawElementFrame(dc, rect, button->image.Get(), false, button->Tile != 0, button->Trans != 0, Frames(button),
                         FrameIn(button, state), button->GetMargins());
    } else {
        RECT r = rect;
        UINT kind = DFCS_SCROLLCOMBOBOX;
        if (state == ControlState::Pressed) kind |= DFCS_PUSHED;
        if (state == ControlState::Disabled) kind |= DFCS_INACTIVE;
        ::DrawFrameControl(dc, &r, DFC_SCROLL, kind);
    }
}

// --- Combo box ----------------------------------------------------------------------------

void TSkinComBox::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    // An extended combo box shows an ordinary one inside itself: that one is drawn.
    if (ClassOf(window) == "COMBOBOXEX32") {
        HWND inner = reinterpret_cast<HWND>(::SendMessageA(window, CBEM_GETCOMBOCONTROL, 0, 0));
        if (inner) window = inner;
    }
    TSkinControl::Attach(window, control, data, form, backgroundMode);
    // The drop-down list is a window of its own, outside the form: its scroll bar gets the
    // scroll-bar painter here, and shows while the list is dropped.
    const auto comboInfo = User32Extras().getComboBoxInfo;
    if (!comboInfo || !data.SkinControls.Contains(xcScrollbar)) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!comboInfo(window_, &info) || !info.hwndList || info.hwndList == window_ || form.IsSkinned(info.hwndList))
        return;
    // A simple combo box's list lies inside it and scrolls with the combo's own painter.
    if (::GetAncestor(info.hwndList, GA_PARENT) != ::GetDesktopWindow()) return;
    auto painter = std::make_unique<TComboxScrollBar>();
    TComboxScrollBar* raw = painter.get();
    form.Register(std::move(painter));
    raw->Attach(info.hwndList, nullptr, data, form, false);
}

bool TSkinComBox::Dropped() const { return ::SendMessageA(window_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TSkinComBox::AfterMessage(Message& m)
{
    switch (m.msg) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_COMMAND:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
        PaintNow(nullptr);
        break;
    case WM_MOUSEMOVE:
        if (!mouseOver_) {
            mouseOver_ = true;
            TrackMouseLeave();
            PaintNow(nullptr);
        }
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        PaintNow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinComBox::DrawEdge(HDC dc, const ComboLayout& layout, ControlState state)
{
    const RECT whole = ToRECT(layout.edge);
    // The combined image holds edge and button in one frame per state.
    const TDataSkinObject* button = data_->Slot(SkinSlot::ComboButton);
    if (button && button->image && button->Style == 2) {
        DrawElementFrame(dc, whole, button->image.Get(), false, button->Tile != 0, button->Trans != 0, Frames(button),
                         FrameIn(button, state), button->GetMargins());
        return;
    }
    const TDataSkinObject* sunk = data_->Slot(SkinSlot::SunkEdge);
    if (sunk && sunk->image)
        DrawElementFrame(dc, whole, sunk->image.Get(), false, sunk->Tile != 0, sunk->Trans != 0, Frames(sunk),
                         FrameIn(sunk, state), sunk->GetMargins());
    else
        Ring(dc, whole, SkinColour(csButtonShadow));
    DrawComboArrow(dc, *data_, ToRECT(layout.button), state);
}

void TSkinComBox::Draw(HDC dc, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    const ComboLayout layout = LayOutCombo(width, height, ::GetSystemMetrics(SM_CXHSCROLL) + 2);
    ControlState state = ControlState::Normal;
    if (!Enabled()) state = ControlState::Disabled;
    else if (Dropped()) state = ControlState::Pressed;
    else if (mouseOver_) state = ControlState::Hot;
    SavedDC saved(dc);
    // The text (and a drop-down combo's edit) stays as the control drew it.
    ::ExcludeClipRect(dc, layout.text.left, layout.text.top, layout.text.right, layout.text.bottom);
    BackBuffer buffer(dc, width, height);
    buffer.Fill(data_->ButtonFaceBrush());
    DrawEdge(buffer.Get(), layout, state);
    buffer.CopyTo(rect.left, rect.top);
}

// --- Date-time picker ---------------------------------------------------------------------

bool TSkinDateTime::Dropped() const { return ::SendMessageA(window_, DTM_GETMONTHCAL, 0, 0) != 0; }

void TSkinDateTime::DrawEdge(HDC dc, const ComboLayout& layout, ControlState state)
{
    RECT whole = ToRECT(layout.edge);
    Ring(dc, whole, SkinColour(csButtonShadow));
    ::InflateRect(&whole, -1, -1);
    Ring(dc, whole, SkinColour(csButtonFace));
    // With an up-down control instead of the drop-down button, that control is a child window
    // of its own (and gets its own painter).
    if (::GetWindowLongA(window_, GWL_STYLE) & DTS_UPDOWN) return;
    RECT client{};
    ::GetClientRect(window_, &client);
    RECT button = ToRECT(layout.button);
    // The picker's own button lies at the right of its client area.
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    RECT window{};
    ::GetWindowRect(window_, &window);
    const int border = origin.x - window.left;
    button.right = border + client.right;
    button.left = button.right - ::GetSystemMetrics(SM_CXVSCROLL);
    DrawComboArrow(dc, *data_, button, state);
}

}  // namespace aw::skin
