#include "skin/controls/skin_control.h"

#include <commctrl.h>

#include <exception>

#include "platform/window_subclass.h"
#include "skin/controls/control_skinning.h"
#include "skin/data/optional_user32.h"
#include "skin/draw/gdi_colour.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

// The painter's subclass, stacked on the control's own.
constexpr UINT_PTR kPainterSubclassId = 0x534B;  // 'SK'


}  // namespace

TSkinControl::~TSkinControl() { Unhook(); }

void TSkinControl::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    window_ = window;
    control_ = control;
    data_ = &data;
    form_ = &form;
    backgroundMode_ = backgroundMode;
    hooked_ = aw::subclass::Set(window_, &TSkinControl::SubclassProc, kPainterSubclassId,
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (backgroundMode_ && control_) {
        if (!data.Options.Contains(xoParentBackGround) && Property("ParentBackground") == "True" &&
            control_->SetPublishedProperty("ParentBackground", "False")) {
            parentBackgroundCleared_ = true;
            foreignBackground_ = true;
        }
        if (auto colour = control_->PublishedProperty("Color")) {
            savedColour_ = *colour;
            colourSaved_ = control_->SetPublishedProperty(
                "Color", std::to_string(ResolveColour(data.SkinColour(csButtonFace))));
        }
    }
    active_ = true;
    attached_ = true;
    lifeState_ = kPainterAttached;
    ::InvalidateRect(window_, nullptr, TRUE);
}

void TSkinControl::Detach()
{
    active_ = false;
    if (lifeState_ != kPainterWindowDestroyed) {
        if (control_ && parentBackgroundCleared_) control_->SetPublishedProperty("ParentBackground", "True");
        if (control_ && colourSaved_) control_->SetPublishedProperty("Color", savedColour_);
        parentBackgroundCleared_ = colourSaved_ = false;
        Restore();
    }
    Unhook();
    attached_ = false;
    if (lifeState_ != kPainterWindowDestroyed && ::IsWindow(window_))
        ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::Unhook()
{
    if (!hooked_) return;
    aw::subclass::Remove(window_, &TSkinControl::SubclassProc, kPainterSubclassId);
    hooked_ = false;
}

LRESULT CALLBACK TSkinControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    auto* painter = reinterpret_cast<TSkinControl*>(self);
    if (msg == WM_NCDESTROY) {
        // The control dies: let it clean up, then the painter goes with it.
        painter->lifeState_ = kPainterWindowDestroyed;
        LRESULT result = aw::subclass::CallNext(window, msg, wParam, lParam);
        if (painter->active_) painter->Detach();
        painter->Unhook();
        if (painter->form_) painter->form_->Release(painter);
        return result;
    }
    if (msg == kMsgSkinnedQuery) return 1;
    if (msg == kMsgPainterSwitch) {
        painter->active_ = static_cast<int>(wParam) > 0;
        if (painter->active_) painter->Refresh();
        else ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return 0;
    }
    if (!painter->active_) return aw::subclass::CallNext(window, msg, wParam, lParam);
    Message m{msg, wParam, lParam, 0};
    try {
        if (painter->BeforeMessage(m)) {
            m.result = aw::subclass::CallNext(window, msg, wParam, lParam);
            painter->AfterMessage(m);
        }
    } catch (const std::exception& error) {
        // A painter's failure never reaches the control's caller.
        painter->GiveUp(error.what());
    } catch (...) {
        painter->GiveUp(nullptr);
    }
    return m.result;
}

void TSkinControl::PaintForMessage(const Message& m)
{
    if (m.wParam) {
        PaintNow(reinterpret_cast<HDC>(m.wParam));
    } else {
        PaintDC paint(window_);
        PaintNow(paint.Get());
    }
}

bool TSkinControl::PaintsWholly(Message& m)
{
    if (m.msg == WM_PAINT) {
        PaintForMessage(m);
        m.result = 0;
        return true;
    }
    if (m.msg == WM_ERASEBKGND) {
        m.result = 1;
        return true;
    }
    return false;
}

bool TSkinControl::BeforeMessage(Message& m)
{
    (void)m;
    return true;
}

void TSkinControl::AfterMessage(Message& m)
{
    switch (m.msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
        Refresh();
        break;
    case WM_PAINT:
        PaintNow(reinterpret_cast<HDC>(m.wParam));
        break;
    default:
        break;
    }
}

void TSkinControl::PaintNow(HDC dc)
{
    RECT window{};
    ::GetWindowRect(window_, &window);
    RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
    try {
        if (dc) {
            Draw(dc, rect);
        } else {
            WholeWindowDC own(window_);
            if (own.Get()) Draw(own.Get(), rect);
        }
    } catch (const std::exception& error) {
        GiveUp(error.what());
    } catch (...) {
        GiveUp(nullptr);
    }
}

void TSkinControl::GiveUp(const char* what)
{
    if (!active_) return;
    active_ = false;
    char className[64] = "";
    ::GetClassNameA(window_, className, sizeof className);
    if (data_) data_->ReportPaintFault(std::string("the painter of a ") + className, what);
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TSkinControl::Refresh()
{
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

LRESULT TSkinControl::CallPrevious(const Message& m) const
{
    return aw::subclass::CallNext(window_, m.msg, m.wParam, m.lParam);
}

std::string TSkinControl::Property(const char* name, const std::string& fallback) const
{
    if (!control_) return fallback;
    return control_->PublishedProperty(name).value_or(fallback);
}

std::string TSkinControl::CaptionText() const
{
    if (control_) {
        if (auto caption = control_->PublishedProperty("Caption")) return *caption;
    }
    char text[512] = {};
    ::GetWindowTextA(window_, text, sizeof text);
    return text;
}

HFONT TSkinControl::ControlFont() const
{
    auto font = reinterpret_cast<HFONT>(::SendMessageA(window_, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

Colour TSkinControl::SkinColour(ColourSlot slot) const { return ResolveColour(data_->SkinColour(slot)); }

void TSkinControl::TrackMouseLeave() const
{
    const auto track = User32Extras().trackMouseEvent;
    if (!track) return;
    TRACKMOUSEEVENT event{};
    event.cbSize = sizeof event;
    event.dwFlags = TME_LEAVE;
    event.hwndTrack = window_;
    track(&event);
}

void PaintParentBackground(HWND child, HDC dc, const RECT& rect)
{
    HWND parent = ::GetParent(child);
    if (!parent) return;
    POINT origin{0, 0};
    ::MapWindowPoints(child, parent, &origin, 1);
    POINT previous{};
    ::SetViewportOrgEx(dc, -origin.x - rect.left, -origin.y - rect.top, &previous);
    ::SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

BackBuffer::BackBuffer(HDC target, int width, int height)
    : target_(target), width_(width), height_(height), dc_(target),
      bitmap_(::CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1))
{
    if (dc_ && bitmap_) previous_ = ::SelectObject(dc_.Get(), bitmap_.Get());
}

BackBuffer::~BackBuffer()
{
    if (previous_) ::SelectObject(dc_.Get(), previous_);
}

void BackBuffer::Fill(HBRUSH brush) const
{
    const RECT whole{0, 0, width_, height_};
    ::FillRect(dc_.Get(), &whole, brush);
}

void BackBuffer::CopyTo(int x, int y) const
{
    if (previous_) ::BitBlt(target_, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace aw::skin
