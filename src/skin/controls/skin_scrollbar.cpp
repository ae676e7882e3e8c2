#include "skin/controls/skin_painters.h"

#include <windowsx.h>

#include <cstring>

#include "skin/data/optional_user32.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"

namespace aw::skin {

namespace {

// Accessibility states the scroll-bar information reports.
constexpr DWORD kStateUnavailable = 0x00000001;  // STATE_SYSTEM_UNAVAILABLE
constexpr DWORD kStateInvisible = 0x00008000;    // STATE_SYSTEM_INVISIBLE
constexpr int kScrollbarFrames = 23;
constexpr int kTrackFrames = 4;
// Asks a scrolled control to move its bars to another parent: wParam the new parent, lParam the
// marker, answered with the marker.
constexpr UINT kMsgReparentBars = 0xBC4B;
constexpr LPARAM kEngineMarker = 16802;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

// --- The bar window -----------------------------------------------------------------------

const char* TWScrollbar::ClassName()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &TWScrollbar::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = "TWScrollbar";
        ::RegisterClassA(&wc);
        return "TWScrollbar";
    }();
    return name;
}

TWScrollbar::TWScrollbar(TSkinScrollbar& owner, HWND control, bool vertical)
    : owner_(owner), control_(control), vertical_(vertical), arrow_(::GetSystemMetrics(SM_CXHSCROLL))
{
    window_ = ::CreateWindowExA(0, ClassName(), "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, ::GetParent(control), nullptr,
                                ::GetModuleHandleA(nullptr), this);
}

TWScrollbar::~TWScrollbar()
{
    if (window_) {
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK TWScrollbar::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* bar = reinterpret_cast<TWScrollbar*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!bar) return ::DefWindowProcA(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        bar->window_ = nullptr;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return ::DefWindowProcA(window, msg, wParam, lParam);
    }
    if (!bar->window_) bar->window_ = window;
    return bar->Handle(msg, wParam, lParam);
}

bool TWScrollbar::NativeInfo(SCROLLBARINFO& info) const
{
    const auto query = User32Extras().getScrollBarInfo;
    if (!query) return false;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    return query(control_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
}

void TWScrollbar::Place()
{
    if (!window_) return;
    SCROLLBARINFO info;
    TDataSkinObject* parts = owner_.Data().Slot(SkinSlot::Scrollbar);
    const bool show = parts && parts->image && (::GetWindowLongA(control_, GWL_STYLE) & WS_VISIBLE) &&
                      NativeInfo(info) && !(info.rgstate[0] & kStateInvisible) &&
                      info.rcScrollBar.right > info.rcScrollBar.left && info.rcScrollBar.bottom > info.rcScrollBar.top;
    if (!show) {
        ::ShowWindow(window_, SW_HIDE);
        return;
    }
    HWND parent = ::GetParent(control_);
    if (::GetParent(window_) != parent) ::SetParent(window_, parent);
    RECT r = info.rcScrollBar;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    HWND above = ::GetWindow(control_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (above == window_) flags |= SWP_NOZORDER;
    if (!above) above = HWND_TOP;
    ::SetWindowPos(window_, above, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
    ::EnableWindow(window_, ::IsWindowEnabled(control_));
}

void TWScrollbar::Reparent(HWND parent)
{
    if (window_ && parent) ::SetParent(window_, parent);
    Place();
}

void TWScrollbar::Repaint()
{
    if (window_ && ::IsWindowVisible(window_))
        ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

ScrollPart TWScrollbar::HitTest(POINT client) const
{
    SCROLLBARINFO info;
    if (!NativeInfo(info)) return ScrollPart::None;
    const RECT& r = info.rcScrollBar;
    const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
    return HitTestScrollBar(vertical_ ? client.y : client.x, arrow_, length,
                            ThumbSpan{info.xyThumbTop, info.xyThumbBottom});
}

void TWScrollbar::Press(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(window_, &screen);
    pressAt_ = screen;
    SCROLLBARINFO info;
    if (NativeInfo(info)) thumbAtPress_ = info.xyThumbTop;
    hot_ = HitTest(client);
    pressed_ = true;
    Repaint();
    ::ReleaseCapture();
    // The control runs its own scrolling, as if its native bar had been pressed; the call
    // returns when the button is released.
    HWND self = window_;
    ::SendMessageA(control_, WM_NCLBUTTONDOWN, vertical_ ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
    if (!::IsWindow(self) || ::GetWindowLongPtrA(self, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(this)) return;
    pressed_ = false;
    ::ReleaseCapture();
    Repaint();
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case kMsgSkinnedQuery:
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintDC paint(window_);
        Paint(paint.Get());
        return 0;
    }
    case WM_MOUSEMOVE: {
        const ScrollPart part = HitTest(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (part != hot_) {
            hot_ = part;
            Repaint();
        }
        if (const auto track = User32Extras().trackMouseEvent) {
            TRACKMOUSEEVENT event{};
            event.cbSize = sizeof event;
            event.dwFlags = TME_LEAVE;
            event.hwndTrack = window_;
            track(&event);
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!pressed_) {
            hot_ = ScrollPart::None;
            Repaint();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP: {
        pressed_ = false;
        ::ReleaseCapture();
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(window_, &screen);
        ::PostMessageA(control_, WM_NCLBUTTONUP, vertical_ ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
        return 0;
    }
    default:
        return ::DefWindowProcA(window_, msg, wParam, lParam);
    }
}

void TWScrollbar::Paint(HDC dc)
{
    const TSkinData& data = owner_.Data();
    TDataSkinObject* parts = data.Slot(SkinSlot::Scrollbar);
    SCROLLBARINFO info;
    if (!parts || !parts->image || !NativeInfo(info) || (info.rgstate[0] & kStateInvisible)) return;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    const RECT& r = info.rcScrollBar;
    if (r.right - r.left != width || r.bottom - r.top != height) return;  // not placed yet
    const bool enabled = !(info.rgstate[0] & kStateUnavailable);
    length_ = vertical_ ? height : width;
    BITMAP partsInfo{};
    ::GetObjectA(parts->image.Get(), sizeof partsInfo, &partsInfo);
    const int thickness = PartThickness(partsInfo.bmHeight, arrow_);

    thumb_ = ThumbSpan{info.xyThumbTop, info.xyThumbBottom};
    if (pressed_ && hot_ == ScrollPart::Thumb) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        const int delta = vertical_ ? cursor.y - pressAt_.y : cursor.x - pressAt_.x;
        const int start = DraggedThumbStart(thumbAtPress_, delta, arrow_, length_, thumb_.Length());
        thumb_ = ThumbSpan{start, start + thumb_.Length()};
    }
    const ScrollBarLayout layout =
        LayoutScrollBar(vertical_, width, height, arrow_, thickness, thumb_, partsInfo.bmHeight);

    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    StretchMode stretch(b, COLORONCOLOR);
    ::FillRect(b, &client, data.ButtonFaceBrush());

    const TDataSkinObject* track = data.Slot(vertical_ ? SkinSlot::VertScroll : SkinSlot::HorzScroll);
    const TDataSkinObject* horzTrack = data.Slot(SkinSlot::HorzScroll);
    if (track && track->image)
        DrawElementFrame(b, ToRECT(layout.track), track->image.Get(), false, horzTrack && horzTrack->Tile != 0,
                         track->Trans != 0, kTrackFrames, TrackFrame(enabled), track->GetMargins());

    auto stateOf = [&](ScrollPart part) { return ScrollPartState{hot_ == part, pressed_ && hot_ == part}; };
    DrawStretchedFrame(b, ToRECT(layout.firstArrow), parts->image.Get(), true, kScrollbarFrames,
                       ArrowFrame(vertical_, false, stateOf(ScrollPart::FirstArrow), enabled));
    DrawStretchedFrame(b, ToRECT(layout.secondArrow), parts->image.Get(), true, kScrollbarFrames,
                       ArrowFrame(vertical_, true, stateOf(ScrollPart::SecondArrow), enabled));

    const TDataSkinObject* thumb = data.Slot(vertical_ ? SkinSlot::VertScrollThumb : SkinSlot::HorzScrollThumb);
    const TDataSkinObject* horzThumb = data.Slot(SkinSlot::HorzScrollThumb);
    if (enabled && thumb && thumb->image && horzThumb && thumb_.Length() > 0) {
        DrawElementFrame(b, ToRECT(layout.thumb), thumb->image.Get(), false, false, horzThumb->Trans != 0,
                         horzThumb->FrameCount, ThumbFrame(stateOf(ScrollPart::Thumb)), thumb->GetMargins());
        if (layout.hasGrip)
            DrawStretchedFrame(b, ToRECT(layout.grip), parts->image.Get(), true, kScrollbarFrames,
                               GripFrame(vertical_, stateOf(ScrollPart::Thumb)));
    }
    buffer.CopyTo(0, 0);
}

// --- The painter --------------------------------------------------------------------------

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    TSkinControl::Attach(window, control, data, form, backgroundMode);
    // The control's own painting must not reach over the bar windows that lie on it.
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) {
        ::SetWindowLongA(window_, GWL_STYLE, style | WS_CLIPSIBLINGS);
        addedClipSiblings_ = true;
    }
    drawsBorder_ = (::GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    horizontal_ = std::make_unique<TWScrollbar>(*this, window_, false);
    vertical_ = std::make_unique<TWScrollbar>(*this, window_, true);
    SyncBars(true);
    ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::Detach() { TSkinControl::Detach(); }

void TSkinScrollbar::Restore()
{
    horizontal_.reset();
    vertical_.reset();
    if (addedClipSiblings_) {
        ::SetWindowLongA(window_, GWL_STYLE, ::GetWindowLongA(window_, GWL_STYLE) & ~WS_CLIPSIBLINGS);
        addedClipSiblings_ = false;
    }
}

void TSkinScrollbar::SyncBars(bool force)
{
    for (int i = 0; i < 2; ++i) {
        TWScrollbar* bar = i == 0 ? horizontal_.get() : vertical_.get();
        if (!bar) continue;
        SCROLLBARINFO info;
        if (!bar->NativeInfo(info)) std::memset(&info, 0, sizeof info);
        if (!force && std::memcmp(&info, &lastInfo_[i], sizeof info) == 0) continue;
        lastInfo_[i] = info;
        bar->Place();
        bar->Repaint();
    }
}

void TSkinScrollbar::AfterMessage(Message& m)
{
    switch (m.msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
    case WM_STYLECHANGED:
    case WM_MOUSEWHEEL:
        SyncBars(true);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (TWScrollbar* bar = Bar(m.msg == WM_VSCROLL)) bar->NoteScrollCode(LOWORD(m.wParam));
        SyncBars(true);
        break;
    case WM_NCPAINT:
        PaintNow(nullptr);
        SyncBars(false);
        break;
    case kMsgReparentBars:
        if (m.lParam == kEngineMarker) {
            if (horizontal_) horizontal_->Reparent(reinterpret_cast<HWND>(m.wParam));
            if (vertical_) vertical_->Reparent(reinterpret_cast<HWND>(m.wParam));
            m.result = kEngineMarker;
        }
        break;
    case WM_MOUSEMOVE:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE:
    case WM_NCMOUSEMOVE:
        break;
    default:
        // The control moves its bars itself (keys, new content, expanded items): follow it.
        TSkinControl::AfterMessage(m);
        SyncBars(false);
        break;
    }
}

void TSkinScrollbar::Draw(HDC dc, const RECT& rect)
{
    if (drawsBorder_) DrawEditBorder(window_, dc, rect, SkinColour(csButtonShadow));
}

}  // namespace aw::skin
