#include "skin/forms/form_frame.h"

#include <algorithm>
#include <vector>

#include "platform/gdi.h"
#include "skin/data/skin_data.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/forms/frame_painter.h"
#include "skin/forms/window_queries.h"

namespace aw::skin {

namespace {

// ExtCreateRegion takes the rectangles of a transparent border in batches of this many.
constexpr std::size_t kRegionBatch = 500;

std::uint32_t StyleOf(HWND window) { return static_cast<std::uint32_t>(::GetWindowLongA(window, GWL_STYLE)); }

void AddRectangle(UniqueRegion& region, const Rect& r)
{
    UniqueRegion piece(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
    ::CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
}

void AddRuns(UniqueRegion& region, const std::vector<Rect>& runs, int width, int height)
{
    for (std::size_t start = 0; start < runs.size(); start += kRegionBatch) {
        const std::size_t count = std::min(kRegionBatch, runs.size() - start);
        std::vector<char> bytes(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(count);
        data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        data->rdh.rcBound = RECT{0, 0, width, height};
        auto* rects = reinterpret_cast<RECT*>(data->Buffer);
        for (std::size_t i = 0; i < count; ++i) rects[i] = ToRECT(runs[start + i]);
        UniqueRegion piece(::ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), data));
        if (piece) ::CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
    }
}

// The borders as they are drawn while active, read back to find their transparent pixels.
PixelImage BorderPixels(const FormFrame::Shape& shape, const TSkinData& data, int width, int height)
{
    Dib32 dib = CreateDib32(width, height);
    if (!dib) return PixelImage{};
    {
        MemoryDC dc;
        SelectedObject selected(dc.Get(), dib.bitmap.Get());
        DrawFrameBorders(dc.Get(), width, height, data, shape.metrics, true, shape.minimized);
    }
    ::GdiFlush();
    PixelImage pixels(width, height);
    std::copy(dib.bits, dib.bits + pixels.pixels.size(), pixels.pixels.begin());
    return pixels;
}

UniqueRegion RegionOf(const std::vector<RegionPart>& parts, const FormFrame::Shape& shape, const TSkinData& data,
                      int width, int height)
{
    if (parts.empty()) return UniqueRegion(::CreateRectRgn(0, 0, width, height));
    const PixelImage pixels = BorderPixels(shape, data, width, height);
    UniqueRegion region(
        ::CreateRectRgn(parts[0].rect.left, parts[0].rect.top, parts[0].rect.right, parts[0].rect.bottom));
    for (std::size_t p = 1; p < parts.size(); ++p) {
        const Rect& r = parts[p].rect;
        if (r.IsEmpty()) continue;
        if (!parts[p].fromPixels || pixels.Empty())
            AddRectangle(region, r);
        else
            AddRuns(region, OpaqueRuns(pixels, r, kMagenta), width, height);
    }
    return region;
}

}  // namespace

void FormFrame::RecordOriginal()
{
    originalStyle_ = StyleOf(window_);
    RECT client{};
    ::GetClientRect(window_, &client);
    clientSize_ = SIZE{client.right, client.bottom};
    originalWindowSize_ = WindowSize(window_);
}

void FormFrame::RemoveCaptionStyles()
{
    const std::uint32_t style = StyleOf(window_);
    const std::uint32_t without = WithoutCaptionButtons(style);
    if (without != style) ::SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(without));
    captionStylesRemoved_ = true;
}

void FormFrame::RestoreCaptionStyles()
{
    if (!captionStylesRemoved_) return;
    captionStylesRemoved_ = false;
    const std::uint32_t style = StyleOf(window_);
    const std::uint32_t buttons =
        originalStyle_ & (style_bits::kSysMenu | style_bits::kMinimizeBox | style_bits::kMaximizeBox);
    if ((style | buttons) != style) ::SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style | buttons));
}

void FormFrame::Apply(const Fit& fit, const TSkinData& data)
{
    if (fit.state == WindowState::Maximized) {
        NotifyFrameChanged(window_);
        return;
    }
    Size2 size = WindowSizeForClient(fit.metrics, clientSize_.cx, clientSize_.cy, fit.mdiChild);
    if (fit.standardDialog && !widened_) {
        widened_ = true;
        WholeWindowDC dc(window_);
        SelectedObject font(dc.Get(), data.CaptionFont());
        const std::string text = WindowText(window_);
        SIZE extent{};
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
        const TDataSkinTitle& title = data.Skin().title;
        const DialogWidening widening = WidenForTitle(size.width, title.LeftWidth, extent.cx, title.RightWidth);
        if (widening.childShift > 0) {
            childShift_ = widening.childShift;
            size.width = widening.width;
            ShiftChildren(childShift_);
        }
    }
    ::SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                   SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    ::GetClientRect(window_, &client);
    skinnedClientSize_ = SIZE{client.right, client.bottom};
}

void FormFrame::ShiftChildren(int dx)
{
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(child, nullptr, r.left + dx, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FormFrame::BuildRegion(const Shape& shape, const TSkinData& data)
{
    const SIZE size = WindowSize(window_);
    if (size.cx <= 0 || size.cy <= 0) return;
    if (size.cx == regionSize_.cx && size.cy == regionSize_.cy && !shape.sameSizeToo) return;

    const auto& b = data.Skin().borders;
    const BorderTrans trans{b[bsLeft].Trans != 0, b[bsRight].Trans != 0, b[bsTop].Trans != 0, b[bsBottom].Trans != 0};
    UniqueRegion region =
        RegionOf(RegionParts(shape.metrics, size.cx, size.cy, trans, shape.border), shape, data, size.cx, size.cy);
    if (region && ::SetWindowRgn(window_, region.Get(), TRUE)) {
        region.Release();  // the window owns it now
        regionSet_ = true;
        regionSize_ = size;
    }
}

void FormFrame::RemoveRegion(bool redraw)
{
    if (!regionSet_) return;
    ::SetWindowRgn(window_, nullptr, redraw);
    regionSet_ = false;
}

void FormFrame::GiveBackNativeFrame(const RECT& client)
{
    if (childShift_ > 0) {
        ShiftChildren(-childShift_);
        childShift_ = 0;
    }
    constexpr UINT kFlags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (::IsZoomed(window_) || ::IsIconic(window_)) {
        ::SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFlags | SWP_NOSIZE);
    } else if (client.right == skinnedClientSize_.cx && client.bottom == skinnedClientSize_.cy) {
        ::SetWindowPos(window_, nullptr, 0, 0, originalWindowSize_.cx, originalWindowSize_.cy, kFlags);
    } else {
        RECT frame{0, 0, client.right, client.bottom};
        ::AdjustWindowRectEx(&frame, StyleOf(window_), ::GetMenu(window_) != nullptr,
                             static_cast<DWORD>(::GetWindowLongA(window_, GWL_EXSTYLE)));
        ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, kFlags);
    }
    ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace aw::skin
