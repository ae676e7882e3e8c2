// The painters that draw their whole control: the self-painting base, progress bars, track bars
// and up-down controls.

#include "skin/controls/skin_common_controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>

#include <algorithm>

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"

namespace aw::skin {

namespace {

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int Frames(const TDataSkinObject* element) { return std::max(1, element ? element->FrameCount : 1); }

SIZE FrameSize(const TDataSkinObject* element)
{
    BITMAP info{};
    if (!element || !element->image || !::GetObjectA(element->image.Get(), sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth / Frames(element), info.bmHeight};
}

void Ring(HDC dc, const RECT& rect, Colour colour)
{
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FrameRect(dc, &rect, brush.Get());
}

bool Inside(const RECT& rect, POINT p) { return ::PtInRect(&rect, p) != FALSE; }

}  // namespace

// --- The self-painting base ---------------------------------------------------------------

bool TSkinSelfPainted::BeforeMessage(Message& m)
{
    if (PaintsWholly(m))
        return false;
    switch (m.msg) {
    case WM_PRINTCLIENT:
        PaintNow(reinterpret_cast<HDC>(m.wParam));
        return false;
    default:
        return true;
    }
}

bool TSkinSelfPainted::Repaints(const Message& m) const
{
    switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_CAPTURECHANGED:
    case WM_SIZE:
        return true;
    default:
        // The control's own messages: what they set is shown at once.
        return m.msg >= WM_USER && m.msg < 0x3000;
    }
}

void TSkinSelfPainted::AfterMessage(Message& m)
{
    bool repaint = false;
    switch (m.msg) {
    case WM_MOUSEMOVE:
        cursor_ = POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (!mouseOver_) TrackMouseLeave();
        mouseOver_ = true;
        repaint = true;
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        cursor_ = POINT{-1, -1};
        repaint = true;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        cursor_ = POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        // Pressed while the control holds the mouse after a press, until the release.
        pressed_ = m.msg != WM_LBUTTONUP && ::GetCapture() == window_;
        repaint = true;
        break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        pressed_ = false;
        repaint = true;
        break;
    default:
        repaint = Repaints(m);
        break;
    }
    if (repaint && !painting_ && ::IsWindow(window_)) ::InvalidateRect(window_, nullptr, FALSE);
}

void TSkinSelfPainted::PaintNow(HDC dc)
{
    RECT client{};
    ::GetClientRect(window_, &client);
    if (dc) {
        Draw(dc, client);
    } else {
        WindowDC own(window_);
        if (own.Get()) Draw(own.Get(), client);
    }
}

void TSkinSelfPainted::Draw(HDC dc, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    painting_ = true;
    try {
        BackBuffer buffer(dc, width, height);
        DrawControl(buffer.Get(), width, height);
        buffer.CopyTo(rect.left, rect.top);
    } catch (const std::exception& error) {
        GiveUp(error.what());
    } catch (...) {
        GiveUp(nullptr);
    }
    painting_ = false;
}

// --- Progress bar -------------------------------------------------------------------------

bool TSkinProgress::Repaints(const Message& m) const
{
    return TSkinSelfPainted::Repaints(m) || m.msg == WM_TIMER;  // a marquee moves on its timer
}

void TSkinProgress::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, data_->ButtonFaceBrush());
    const TDataSkinObject* bar = data_->Slot(SkinSlot::Progress);
    const TDataSkinObject* chunk = data_->Slot(SkinSlot::ProgressChunk);
    Margins margins{1, 1, 1, 1};
    if (bar && bar->image) {
        DrawElementFrame(dc, whole, bar->image.Get(), false, bar->Tile != 0, bar->Trans != 0, Frames(bar), 1,
                         bar->GetMargins());
        margins = bar->GetMargins();
    } else {
        Ring(dc, whole, SkinColour(csButtonShadow));
    }
    const Rect inner{margins.left, margins.top, width - margins.right, height - margins.bottom};
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    const bool vertical = (style & PBS_VERTICAL) != 0;
    PBRANGE range{};
    ::SendMessageA(window_, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(::SendMessageA(window_, PBM_GETPOS, 0, 0));
    // A smooth bar is one chunk as long as the filled part.
    int chunkLength = vertical ? inner.Height() : inner.Width();
    if (!(style & PBS_SMOOTH) && chunk && chunk->image) {
        const SIZE size = FrameSize(chunk);
        chunkLength = vertical ? size.cy : size.cx;
    }
    for (const Rect& r : ProgressChunks(inner, vertical, position, range.iLow, range.iHigh, chunkLength)) {
        if (chunk && chunk->image)
            DrawStretchedFrame(dc, ToRECT(r), chunk->image.Get(), chunk->Trans != 0, Frames(chunk), 1);
        else if (bar && bar->image && Frames(bar) >= 2)
            DrawElementFrame(dc, ToRECT(r), bar->image.Get(), false, bar->Tile != 0, bar->Trans != 0, Frames(bar), 2,
                             bar->GetMargins());
        else {
            UniqueBrush fill(::CreateSolidBrush(SkinColour(csHilight)));
            const RECT rr = ToRECT(r);
            ::FillRect(dc, &rr, fill.Get());
        }
    }
}

// --- Track bar ----------------------------------------------------------------------------

void TSkinTrackBar::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, data_->ButtonFaceBrush());
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    const bool vertical = (style & TBS_VERT) != 0;

    RECT channel{};
    ::SendMessageA(window_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    // Some versions of the control report a vertical channel as if it lay horizontally.
    if (vertical && channel.right - channel.left > channel.bottom - channel.top)
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    const TDataSkinObject* verticalTrack = data_->Slot(SkinSlot::TrackVert);
    const TDataSkinObject* track = vertical && verticalTrack && verticalTrack->image ? verticalTrack
                                                                                     : data_->Slot(SkinSlot::Track);
    if (track && track->image)
        DrawElementFrame(dc, channel, track->image.Get(), false, track->Tile != 0, track->Trans != 0, Frames(track),
                         Enabled() || Frames(track) < 2 ? 1 : 2, track->GetMargins());
    else
        Ring(dc, channel, SkinColour(csButtonShadow));

    RECT native{};
    ::SendMessageA(window_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&native));
    const int minimum = static_cast<int>(::SendMessageA(window_, TBM_GETRANGEMIN, 0, 0));
    const int maximum = static_cast<int>(::SendMessageA(window_, TBM_GETRANGEMAX, 0, 0));
    const int position = static_cast<int>(::SendMessageA(window_, TBM_GETPOS, 0, 0));
    const int channelStart = vertical ? channel.top : channel.left;
    const int channelEnd = vertical ? channel.bottom : channel.right;

    // Tick marks in the shadow colour on the side (or sides) the control puts them.
    if (!(style & TBS_NOTICKS)) {
        UniqueBrush tick(::CreateSolidBrush(SkinColour(csButtonShadow)));
        const bool both = (style & TBS_BOTH) != 0;
        const bool before = both || (style & TBS_TOP) != 0;
        const bool after = both || (style & TBS_TOP) == 0;
        const int count = static_cast<int>(::SendMessageA(window_, TBM_GETNUMTICS, 0, 0));
        // Ticks at the minimum, the maximum and the values the control holds between them,
        // placed as the thumb is for the same value.
        const int length = vertical ? height : width;
        std::vector<int> at;
        auto place = [&](int value) {
            at.push_back(TrackThumbStart(channelStart, channelEnd, value, minimum, maximum, 0, length - 1));
        };
        place(minimum);
        place(maximum);
        for (int i = 0; i + 2 < count; ++i) place(static_cast<int>(::SendMessageA(window_, TBM_GETTIC, i, 0)));
        for (int p : at) {
            RECT marks[2] = {};
            if (vertical) {
                marks[0] = RECT{native.left - 5, p, native.left - 2, p + 1};
                marks[1] = RECT{native.right + 2, p, native.right + 5, p + 1};
            } else {
                marks[0] = RECT{p, native.top - 5, p + 1, native.top - 2};
                marks[1] = RECT{p, native.bottom + 2, p + 1, native.bottom + 5};
            }
            if (before) ::FillRect(dc, &marks[0], tick.Get());
            if (after) ::FillRect(dc, &marks[1], tick.Get());
        }
    }
    if (style & TBS_NOTHUMB) return;

    static constexpr SkinSlot kSlots[] = {SkinSlot::TrackbarThumbHorz, SkinSlot::TrackbarThumbVert,
                                          SkinSlot::TrackbarThumbUp,   SkinSlot::TrackbarThumbDown,
                                          SkinSlot::TrackbarThumbLeft, SkinSlot::TrackbarThumbRight};
    auto firstOf = [&](bool asVertical) -> const TDataSkinObject* {
        for (ThumbImage which : TrackThumbImages(asVertical, (style & TBS_BOTH) != 0, (style & TBS_TOP) != 0)) {
            const TDataSkinObject* candidate = data_->Slot(kSlots[static_cast<int>(which)]);
            if (candidate && candidate->image) return candidate;
        }
        return nullptr;
    };
    const TDataSkinObject* thumb = firstOf(vertical);
    HBITMAP thumbImage = thumb ? thumb->image.Get() : nullptr;
    SIZE size = FrameSize(thumb);
    if (!thumb && vertical) {
        // A skin without vertical thumbs: the horizontal one turned a quarter turn
        // counter-clockwise, so that its top (the side of top ticks) faces left.
        thumb = firstOf(false);
        thumbImage = thumb ? TurnedThumb(thumb) : nullptr;
        size = SIZE{FrameSize(thumb).cy, FrameSize(thumb).cx};
    }
    if (!thumb || !thumbImage) {
        ::FillRect(dc, &native, data_->ButtonFaceBrush());
        Ring(dc, native, SkinColour(csButtonShadow));
        return;
    }
    RECT at{};
    if (vertical) {
        const int top = TrackThumbStart(channelStart, channelEnd, position, minimum, maximum, size.cy, height);
        const int left = (native.left + native.right - size.cx) / 2;
        at = RECT{left, top, left + size.cx, top + size.cy};
    } else {
        const int left = TrackThumbStart(channelStart, channelEnd, position, minimum, maximum, size.cx, width);
        const int top = (native.top + native.bottom - size.cy) / 2;
        at = RECT{left, top, left + size.cx, top + size.cy};
    }
    ControlState state = ControlState::Normal;
    if (!Enabled()) state = ControlState::Disabled;
    else if (Held()) state = ControlState::Pressed;
    else if (mouseOver_ && (Inside(at, cursor_) || Inside(native, cursor_))) state = ControlState::Hot;
    else if (Focused()) state = ControlState::Focused;
    DrawStretchedFrame(dc, at, thumbImage, thumb->Trans != 0, Frames(thumb),
                       std::min(FourStateFrame(state, Frames(thumb)), Frames(thumb)));
}

HBITMAP TSkinTrackBar::TurnedThumb(const TDataSkinObject* thumb)
{
    HBITMAP source = thumb->image.Get();
    if (turned_ && turnedFrom_ == source) return turned_.Get();
    turned_ = CreateBitmap32(FramesRotated(ReadPixels(source), Frames(thumb), false));
    turnedFrom_ = source;
    return turned_.Get();
}

// --- Up-down ------------------------------------------------------------------------------

void TSkinUpDown::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, data_->ButtonFaceBrush());
    const bool horizontal = (::GetWindowLongA(window_, GWL_STYLE) & UDS_HORZ) != 0;
    const TDataSkinBorder* element = data_->Skin().BorderSlot(horizontal ? SkinSlot::UpDownHorz : SkinSlot::UpDownVert);
    const UpDownLayout layout = LayOutUpDown(width, height, horizontal);
    const bool held = Held();
    for (int i = 0; i < 2; ++i) {
        const RECT r = ToRECT(i == 0 ? layout.first : layout.second);
        ControlState state = ControlState::Normal;
        if (!Enabled()) state = ControlState::Disabled;
        else if (held && Inside(r, cursor_)) state = ControlState::Pressed;
        else if (mouseOver_ && Inside(r, cursor_)) state = ControlState::Hot;
        const int frame = UpDownFrame(i == 1, state);
        if (element && element->image) {
            DrawElementFrame(dc, r, element->image.Get(), false, element->Tile != 0, element->Trans != 0, 8, frame,
                             element->GetMargins());
            if (element->image2) DrawCentredFrame(dc, r, element->image2.Get(), true, 8, frame);
        } else {
            UINT kind = horizontal ? (i == 0 ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) : (i == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
            if (state == ControlState::Pressed) kind |= DFCS_PUSHED;
            if (state == ControlState::Disabled) kind |= DFCS_INACTIVE;
            RECT rr = r;
            ::DrawFrameControl(dc, &rr, DFC_SCROLL, kind);
        }
    }
}

}  // namespace aw::skin
