#include "skin/controls/skin_painters.h"

#include <windowsx.h>
#include <commctrl.h>

#include <cstring>

#include "skin/data/optional_user32.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/manager/attach_rules.h"
#include "ui/control.h"

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

// Messages after which a control's native bars may have changed without a scroll message.
bool MayMoveBars(UINT msg)
{
    switch (msg) {
    case WM_PAINT:
    case WM_SETTEXT:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_SETREDRAW:
    case WM_SETFONT:
    case WM_TIMER:
    case EM_REPLACESEL:
    case EM_SETSEL:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case EM_SETHANDLE:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_ENABLE_ARROWS:
    case LB_SETTOPINDEX:
    case LB_SETCURSEL:
    case LB_SETCARETINDEX:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case TVM_INSERTITEMA:
    case TVM_INSERTITEMW:
    case TVM_DELETEITEM:
    case TVM_EXPAND:
    case TVM_ENSUREVISIBLE:
    case TVM_SELECTITEM:
    case TVM_SETITEMA:
    case TVM_SETITEMW:
    case TVM_SORTCHILDREN:
        return true;
    default:
        return false;
    }
}

std::string WindowClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

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

bool BarGeometry::operator==(const BarGeometry& other) const
{
    return ::EqualRect(&screen, &other.screen) && length == other.length && thumb.start == other.thumb.start &&
           thumb.end == other.thumb.end && enabled == other.enabled && visible == other.visible;
}

namespace {

bool ScrollBarControlIsVertical(HWND control)
{
    if (auto* framework = ui::WinControl::FromHandle(control)) {
        if (auto kind = framework->PublishedProperty("Kind")) return AsciiLower(*kind) != "sbhorizontal";
    }
    return (::GetWindowLongA(control, GWL_STYLE) & SBS_VERT) != 0;
}

}  // namespace

TWScrollbar::TWScrollbar(TSkinScrollbar& owner, HWND control, Mode mode)
    : owner_(owner), control_(control), mode_(mode),
      vertical_(mode == ScrollBarControl ? ScrollBarControlIsVertical(control) : mode == NativeVertical),
      arrow_(::GetSystemMetrics(SM_CXHSCROLL))
{
    // A control that is a window of its own (a combo box's drop-down list) gets bars of its own
    // kind: owned by it, above it, and never taking the activation from it.
    popup_ = ::GetAncestor(control, GA_PARENT) == ::GetDesktopWindow();
    if (popup_)
        window_ = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, ClassName(), "", WS_POPUP, 0, 0,
                                    0, 0, control, nullptr, ::GetModuleHandleA(nullptr), this);
    else
        window_ = ::CreateWindowExA(0, ClassName(), "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, ::GetParent(control),
                                    nullptr, ::GetModuleHandleA(nullptr), this);
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
    if (!query || mode_ == ScrollBarControl) return false;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    return query(control_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
}

BarGeometry TWScrollbar::Geometry() const
{
    BarGeometry g;
    if (mode_ == ScrollBarControl) {
        // A scroll-bar control is the bar: its bounds and its scroll information.
        ::GetWindowRect(control_, &g.screen);
        g.length = vertical_ ? g.screen.bottom - g.screen.top : g.screen.right - g.screen.left;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (!::GetScrollInfo(control_, SB_CTL, &info)) return g;
        g.thumb = ThumbFromRange(g.length, arrow_, ScrollRange{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos});
        g.enabled = ::IsWindowEnabled(control_) != FALSE;
        g.visible = (::GetWindowLongA(control_, GWL_STYLE) & WS_VISIBLE) != 0;
        return g;
    }
    SCROLLBARINFO info;
    if (!NativeInfo(info)) return g;
    g.screen = info.rcScrollBar;
    g.length = vertical_ ? g.screen.bottom - g.screen.top : g.screen.right - g.screen.left;
    g.thumb = ThumbSpan{info.xyThumbTop, info.xyThumbBottom};
    g.enabled = !(info.rgstate[0] & kStateUnavailable);
    g.visible = !(info.rgstate[0] & kStateInvisible) && (::GetWindowLongA(control_, GWL_STYLE) & WS_VISIBLE) &&
                g.screen.right > g.screen.left && g.screen.bottom > g.screen.top;
    return g;
}

void TWScrollbar::Place()
{
    if (!window_) return;
    TDataSkinObject* parts = owner_.Data().Slot(SkinSlot::Scrollbar);
    const BarGeometry g = Geometry();
    if (!parts || !parts->image || !g.visible) {
        ::ShowWindow(window_, SW_HIDE);
        return;
    }
    if (popup_) {
        const RECT& r = g.screen;
        ::SetWindowPos(window_, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOACTIVATE | SWP_SHOWWINDOW);
        return;
    }
    HWND parent = ::GetParent(control_);
    if (::GetParent(window_) != parent) ::SetParent(window_, parent);
    RECT r = g.screen;
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
    if (window_ && parent && !popup_) ::SetParent(window_, parent);
    Place();
}

void TWScrollbar::Repaint()
{
    if (window_ && ::IsWindowVisible(window_))
        ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

ScrollPart TWScrollbar::HitTest(POINT client) const
{
    const BarGeometry g = Geometry();
    if (g.length <= 0) return ScrollPart::None;
    return HitTestScrollBar(vertical_ ? client.y : client.x, arrow_, g.length, g.thumb);
}

void TWScrollbar::NotePress(POINT screen)
{
    POINT client = screen;
    ::ScreenToClient(window_, &client);
    pressAt_ = screen;
    thumbAtPress_ = Geometry().thumb.start;
    hot_ = HitTest(client);
    pressed_ = true;
    Repaint();
}

void TWScrollbar::EndPress()
{
    pressed_ = false;
    Repaint();
}

void TWScrollbar::NoteHover(POINT screen)
{
    POINT client = screen;
    ::ScreenToClient(window_, &client);
    RECT area{};
    ::GetClientRect(window_, &area);
    const ScrollPart part = ::PtInRect(&area, client) ? HitTest(client) : ScrollPart::None;
    if (part == hot_) return;
    hot_ = part;
    Repaint();
}

void TWScrollbar::Press(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(window_, &screen);
    NotePress(screen);
    ::ReleaseCapture();
    // The control runs its own scrolling, as if its native bar had been pressed; the call
    // returns when the button is released.
    HWND self = window_;
    if (mode_ == ScrollBarControl)
        ::SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    else
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
    case WM_MOUSEACTIVATE:
        return popup_ ? MA_NOACTIVATE : ::DefWindowProcA(window_, msg, wParam, lParam);
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
        if (mode_ == ScrollBarControl) {
            ::PostMessageA(control_, WM_LBUTTONUP, MK_LBUTTON, lParam);
            Repaint();
            return 0;
        }
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
    const BarGeometry g = Geometry();
    if (!parts || !parts->image || !g.visible) return;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    const RECT& r = g.screen;
    if (r.right - r.left != width || r.bottom - r.top != height) return;  // not placed yet
    const bool enabled = g.enabled;
    const int length = g.length;
    BITMAP partsInfo{};
    ::GetObjectA(parts->image.Get(), sizeof partsInfo, &partsInfo);
    const int thickness = PartThickness(partsInfo.bmHeight, arrow_);

    ThumbSpan thumbSpan = g.thumb;
    if (pressed_ && hot_ == ScrollPart::Thumb && mode_ != ScrollBarControl) {
        // The native bar's thumb follows the cursor only once the drag ends; the skinned one
        // follows it all along.
        POINT cursor{};
        ::GetCursorPos(&cursor);
        const int delta = vertical_ ? cursor.y - pressAt_.y : cursor.x - pressAt_.x;
        const int start = DraggedThumbStart(thumbAtPress_, delta, arrow_, length, thumbSpan.Length());
        thumbSpan = ThumbSpan{start, start + thumbSpan.Length()};
    }
    const ScrollBarLayout layout =
        LayoutScrollBar(vertical_, width, height, arrow_, thickness, thumbSpan, partsInfo.bmHeight);

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
    if (enabled && thumb && thumb->image && horzThumb && thumbSpan.Length() > 0) {
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
    if (control_) {
        if (auto fixed = control_->PublishedProperty("FixedColor")) {
            savedFixedColor_ = *fixed;
            fixedColorSet_ = control_->SetPublishedProperty(
                "FixedColor", std::to_string(ResolveColour(data.SkinColour(csButtonFace))));
        }
    }
    if (AsciiLower(WindowClassOf(window_)) == "scrollbar") {
        vertical_ = std::make_unique<TWScrollbar>(*this, window_, TWScrollbar::ScrollBarControl);
    } else {
        horizontal_ = std::make_unique<TWScrollbar>(*this, window_, TWScrollbar::NativeHorizontal);
        vertical_ = std::make_unique<TWScrollbar>(*this, window_, TWScrollbar::NativeVertical);
    }
    SyncBars(true);
    ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::Detach() { TSkinControl::Detach(); }

TWScrollbar* TSkinScrollbar::Bar(bool vertical) const
{
    if (!horizontal_) return vertical_.get();
    return vertical ? vertical_.get() : horizontal_.get();
}

void TSkinScrollbar::Restore()
{
    horizontal_.reset();
    vertical_.reset();
    if (fixedColorSet_ && control_) control_->SetPublishedProperty("FixedColor", savedFixedColor_);
    fixedColorSet_ = false;
    if (addedClipSiblings_) {
        ::SetWindowLongA(window_, GWL_STYLE, ::GetWindowLongA(window_, GWL_STYLE) & ~WS_CLIPSIBLINGS);
        addedClipSiblings_ = false;
    }
}

void TSkinScrollbar::SyncBars(bool force)
{
    // Reading a scroll-bar control's state sends it messages, which come back here.
    if (syncing_) return;
    syncing_ = true;
    for (int i = 0; i < 2; ++i) {
        TWScrollbar* bar = i == 0 ? horizontal_.get() : vertical_.get();
        if (!bar) continue;
        const BarGeometry g = bar->Geometry();
        if (!force && g == last_[i]) continue;
        last_[i] = g;
        bar->Place();
        bar->Repaint();
    }
    syncing_ = false;
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
    default:
        TSkinControl::AfterMessage(m);
        // The control moves its bars itself (keys, new content, expanded items): follow it.
        // Queries, which the cleaning reads the tree with by the thousand, change nothing.
        if (MayMoveBars(m.msg)) SyncBars(false);
        break;
    }
}

// --- A combo box's drop-down list -----------------------------------------------------------

bool TComboxScrollBar::BeforeMessage(Message& m)
{
    // While the list is dropped it holds the mouse, so presses on its bar come to it rather
    // than to the bar window; the list scrolls as it always does and the bar shows the press.
    TWScrollbar* bar = Bar(true);
    if (bar && ::IsWindowVisible(bar->Handle())) {
        POINT screen{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ::ClientToScreen(window_, &screen);
        RECT area{};
        ::GetWindowRect(bar->Handle(), &area);
        switch (m.msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (::PtInRect(&area, screen)) {
                bar->NotePress(screen);
                pressing_ = true;
            }
            break;
        case WM_MOUSEMOVE:
            if (!bar->Pressed()) bar->NoteHover(screen);
            break;
        default:
            break;
        }
    }
    return TSkinScrollbar::BeforeMessage(m);
}

void TComboxScrollBar::AfterMessage(Message& m)
{
    if (pressing_ && (m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONDBLCLK)) {
        // The list's own scrolling has run to the release.
        pressing_ = false;
        if (TWScrollbar* bar = Bar(true)) bar->EndPress();
        SyncBars(true);
    }
    TSkinScrollbar::AfterMessage(m);
}

void TSkinScrollbar::Draw(HDC dc, const RECT& rect)
{
    if (drawsBorder_) DrawEditBorder(window_, dc, rect, SkinColour(csButtonShadow));
}

}  // namespace aw::skin
