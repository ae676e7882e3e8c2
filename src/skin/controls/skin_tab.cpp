#include "skin/controls/skin_painters.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/control_skinning.h"
#include "skin/controls/skin_common_controls.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/manager/attach_rules.h"
#include "ui/control.h"
#include "ui/page_control.h"

namespace aw::skin {

namespace {

constexpr int kTabTextLimit = 80;
// The pane's margins when the Tabs element draws it from its own border image.
constexpr Margins kBorderPaneMargins{4, 5, 4, 4};

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void TSkinTab::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    closeBoxes_ = control && control->Tag() == kCloseBoxTag;
    TSkinControl::Attach(window, control, data, form, backgroundMode);
}

int TSkinTab::Side() const
{
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    if (style & TCS_VERTICAL) return (style & TCS_BOTTOM) ? 3 : 2;
    return (style & TCS_BOTTOM) ? 1 : 0;
}

bool TSkinTab::BeforeMessage(Message& m)
{
    if (PaintsWholly(m))
        return false;
    switch (m.msg) {
    case WM_LBUTTONDOWN: {
        if (!closeBoxes_) break;
        const POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        const int count = static_cast<int>(::SendMessageA(window_, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            RECT tab{};
            ::SendMessageA(window_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
            const RECT box = ToRECT(TabCloseBox(ToRect(tab)));
            if (!::PtInRect(&box, at)) continue;
            HWND form = ::GetAncestor(window_, GA_ROOT);
            if (::SendMessageA(form, kMsgCloseTab, reinterpret_cast<WPARAM>(window_), i) == 0) {
                if (auto* pages = dynamic_cast<ui::PageControl*>(control_)) pages->FreePage(i);
                else ::SendMessageA(window_, TCM_DELETEITEM, i, 0);
                ::InvalidateRect(window_, nullptr, TRUE);
            }
            m.result = 0;
            return false;
        }
        break;
    }
    default:
        break;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTab::AfterMessage(Message& m)
{
    // The selection moves without a paint message on some platforms.
    if (m.msg == TCM_SETCURSEL || m.msg == TCM_SETCURFOCUS || m.msg == WM_SETFOCUS || m.msg == WM_KILLFOCUS ||
        m.msg == WM_KEYDOWN) {
        Refresh();
        return;
    }
    TSkinControl::AfterMessage(m);
}

HBITMAP TSkinTab::PaneFor(HBITMAP pane, int side)
{
    if (side == 0 || !pane) return pane;
    if (turnedPane_ && turnedFrom_ == pane && turnedSide_ == side) return turnedPane_.Get();
    PixelImage image = ReadPixels(pane);
    if (side == 1) MirrorVertically(image);
    else image = Rotated(image, side == 3);
    turnedPane_ = CreateBitmap32(image);
    turnedFrom_ = pane;
    turnedSide_ = side;
    return turnedPane_.Get();
}

namespace {

// The pixels of an area of a DIB, and back: both are in the one pixel format, so each row is
// copied as it is.
PixelImage ReadArea(const Dib32& dib, const Rect& area)
{
    ::GdiFlush();
    PixelImage image(area.Width(), area.Height());
    for (int y = 0; y < image.height; ++y) {
        const DibPixel* row = dib.bits + static_cast<std::ptrdiff_t>(area.top + y) * dib.width + area.left;
        std::copy(row, row + image.width, image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width);
    }
    return image;
}

void WriteArea(Dib32& dib, const PixelImage& image, int left, int top)
{
    ::GdiFlush();
    for (int y = 0; y < image.height; ++y) {
        const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::copy(row, row + image.width, dib.bits + static_cast<std::ptrdiff_t>(top + y) * dib.width + left);
    }
}

// The strip as it lies on the control turned to lie on top, or the other way round.
PixelImage ToLayout(PixelImage image, int side)
{
    if (side == 1) MirrorVertically(image);
    else if (side >= 2) image = Rotated(image, side == 2);
    return image;
}

PixelImage FromLayout(PixelImage image, int side)
{
    if (side == 1) MirrorVertically(image);
    else if (side >= 2) image = Rotated(image, side == 3);
    return image;
}

struct TabText {
    std::string text;
    RECT rect;
    bool selected;
};

}  // namespace

void TSkinTab::Draw(HDC dc, const RECT& rect)
{
    TDataSkinBorder* tabs = data_->Skin().BorderSlot(SkinSlot::Tabs);
    if (!tabs) return;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;
    const int side = Side();
    RECT display = client;
    ::SendMessageA(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const Rect pageArea = TabPageRect(ToRect(display), side);
    const RECT page = ToRECT(pageArea);

    Dib32 canvas = CreateDib32(width, height);
    MemoryDC canvasDC(dc);
    if (!canvas || !canvasDC) return;
    SelectedObject useCanvas(canvasDC.Get(), canvas.bitmap.Get());
    HDC b = canvasDC.Get();
    COLORREF face = ResolveColour(data_->SkinColour(csButtonFace));
    if (control_) {
        if (auto colour = control_->PublishedProperty("Color")) face = static_cast<COLORREF>(std::stoul(*colour));
    }
    {
        UniqueBrush brush(::CreateSolidBrush(face));
        ::FillRect(b, &client, brush.Get());
    }

    // The pane first: the selected tab is drawn over its edge on the tabs' side, open into it.
    const bool paneFromPaneElement = tabs->Style != 0;
    TDataSkinObject* paneElement = data_->Slot(SkinSlot::TabPane);
    HBITMAP pane = paneFromPaneElement ? (paneElement ? paneElement->image.Get() : nullptr) : tabs->image2.Get();
    if (pane) {
        const Margins margins = paneFromPaneElement ? paneElement->GetMargins() : kBorderPaneMargins;
        DrawElementFrame(b, page, PaneFor(pane, side), false, false, false, 1, 1, TabPaneMargins(margins, side));
    }

    const int count = static_cast<int>(::SendMessageA(window_, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(::SendMessageA(window_, TCM_GETCURSEL, 0, 0));
    std::vector<RECT> items(static_cast<std::size_t>(std::max(count, 0)));
    Rect reach;
    for (int i = 0; i < count; ++i) {
        RECT& r = items[static_cast<std::size_t>(i)];
        ::SendMessageA(window_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        const Rect item = ToRect(r);
        reach = reach.IsEmpty() ? item
                                : Rect{std::min(reach.left, item.left), std::min(reach.top, item.top),
                                       std::max(reach.right, item.right), std::max(reach.bottom, item.bottom)};
    }
    const Rect strip = TabStripRect(width, height, pageArea, side, reach);
    if (tabs->image && !strip.IsEmpty()) {
        // The strip, with the page's edge in it, turned to lie on top; the tabs are drawn there.
        const StripSize size = TabStripLayoutSize(strip, side);
        // Where the page's edge lies in the laid-out strip: the selected tab reaches over it.
        const int pageEdge = TabToLayout(TabPageEdge(pageArea, strip, side), strip, side).bottom;
        Dib32 layout = CreateDib32(size.width, size.height);
        MemoryDC layoutDC(dc);
        if (!layout || !layoutDC) return;
        WriteArea(layout, ToLayout(ReadArea(canvas, strip), side), 0, 0);
        std::vector<TabText> texts;
        {
            SelectedObject useLayout(layoutDC.Get(), layout.bitmap.Get());
            HDC l = layoutDC.Get();
            SelectedObject font(l, ControlFont());
            ::SetBkMode(l, TRANSPARENT);
            for (int i = 0; i < count; ++i) {
                const RECT& item = items[static_cast<std::size_t>(i)];
                char text[kTabTextLimit + 1] = {};
                TCITEMA info{};
                info.mask = TCIF_TEXT;
                info.pszText = text;
                info.cchTextMax = sizeof text;
                ::SendMessageA(window_, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&info));
                const bool isSelected = i == selected;
                const RECT tab = ToRECT(TabToLayout(ToRect(item), strip, side));
                RECT drawn = tab;
                if (isSelected) {
                    // The selected tab stands out of the row and joins the pane, as a native
                    // one does.
                    ::InflateRect(&drawn, 2, 0);
                    drawn.top -= 2;
                    drawn.bottom = pageEdge;
                }
                DrawElementFrame(l, drawn, tabs->image.Get(), false, tabs->Tile != 0, tabs->Trans != 0,
                                 tabs->FrameCount, TabFrame(isSelected), tabs->GetMargins());
                RECT textRect = drawn;
                if (isSelected) textRect.bottom = tab.bottom;
                if (side == 1) {
                    // Text at the bottom is written after the strip is flipped, upright.
                    texts.push_back({text, ToRECT(TabFromLayout(ToRect(textRect), strip, side)), isSelected});
                    continue;
                }
                ::SetTextColor(l, ResolveColour(isSelected ? tabs->MouseOverColour2 : tabs->NormalColour2));
                ::DrawTextA(l, text, -1, &textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
            }
        }
        WriteArea(canvas, FromLayout(ReadArea(layout, Rect{0, 0, size.width, size.height}), side), strip.left,
                  strip.top);
        SelectedObject font(b, ControlFont());
        ::SetBkMode(b, TRANSPARENT);
        for (TabText& t : texts) {
            ::SetTextColor(b, ResolveColour(t.selected ? tabs->MouseOverColour2 : tabs->NormalColour2));
            ::DrawTextA(b, t.text.c_str(), -1, &t.rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        }
    }
    if (closeBoxes_ && tabs->image) {
        UniquePen pen(::CreatePen(PS_SOLID, 1, ResolveColour(tabs->NormalColour2)));
        SelectedObject usePen(b, pen.Get());
        for (const RECT& tab : items) {
            const RECT box = ToRECT(TabCloseBox(ToRect(tab)));
            ::MoveToEx(b, box.left, box.top, nullptr);
            ::LineTo(b, box.right, box.bottom);
            ::MoveToEx(b, box.right - 1, box.top, nullptr);
            ::LineTo(b, box.left - 1, box.bottom);
        }
    }

    // The tab scroll arrows (made when the tabs no longer fit) are a window of their own with a
    // painter of their own.
    SavedDC saved(dc);
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (AsciiLower(name) != "msctls_updown32") continue;
        if (form_ && data_->SkinControls.Contains(xcSpin) && !form_->IsSkinned(child)) {
            auto painter = std::make_unique<TSkinUpDown>();
            TSkinUpDown* raw = painter.get();
            form_->Register(std::move(painter));
            raw->Attach(child, nullptr, *data_, *form_, false);
        }
        if (!::IsWindowVisible(child)) continue;
        RECT area{};
        ::GetWindowRect(child, &area);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
        ::ExcludeClipRect(dc, rect.left + area.left, rect.top + area.top, rect.left + area.right, rect.top + area.bottom);
    }
    ::BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace aw::skin
