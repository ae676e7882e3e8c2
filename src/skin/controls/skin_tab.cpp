#include "skin/controls/skin_painters.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
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
    // Tabs on the sides or at the bottom keep the native look: the skin's images are drawn for
    // tabs on top only.
    if (Side() != 0) active_ = false;
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

void TSkinTab::Draw(HDC dc, const RECT& rect)
{
    TDataSkinBorder* tabs = data_->Skin().BorderSlot(SkinSlot::Tabs);
    if (!tabs) return;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    RECT display = client;
    ::SendMessageA(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const RECT page = ToRECT(TabPageRect(ToRect(display), 0));

    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    COLORREF face = ResolveColour(data_->SkinColour(csButtonFace));
    if (control_) {
        if (auto colour = control_->PublishedProperty("Color")) face = static_cast<COLORREF>(std::stoul(*colour));
    }
    {
        Brush brush(::CreateSolidBrush(face));
        ::FillRect(b, &client, brush.Get());
    }

    // The pane first: the selected tab is drawn over its top edge, open into its page.
    const bool paneFromPaneElement = tabs->Style != 0;
    TDataSkinObject* paneElement = data_->Slot(SkinSlot::TabPane);
    HBITMAP pane = paneFromPaneElement ? (paneElement ? paneElement->image.Get() : nullptr) : tabs->image2.Get();
    if (pane) {
        const Margins margins = paneFromPaneElement ? paneElement->GetMargins() : kBorderPaneMargins;
        DrawElementFrame(b, page, pane, false, false, false, 1, 1, margins);
    }
    if (tabs->image) {
        SelectedObject font(b, ControlFont());
        ::SetBkMode(b, TRANSPARENT);
        const int count = static_cast<int>(::SendMessageA(window_, TCM_GETITEMCOUNT, 0, 0));
        const int selected = static_cast<int>(::SendMessageA(window_, TCM_GETCURSEL, 0, 0));
        for (int i = 0; i < count; ++i) {
            RECT tab{};
            ::SendMessageA(window_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
            char text[kTabTextLimit + 1] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(window_, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            const bool isSelected = i == selected;
            RECT drawn = tab;
            if (isSelected) {
                // The selected tab stands out of the row and joins the pane, as a native one does.
                ::InflateRect(&drawn, 2, 0);
                drawn.top -= 2;
                drawn.bottom = page.top + 1;
            }
            DrawElementFrame(b, drawn, tabs->image.Get(), false, tabs->Tile != 0, tabs->Trans != 0, tabs->FrameCount,
                             TabFrame(isSelected), tabs->GetMargins());
            ::SetTextColor(b, ResolveColour(isSelected ? tabs->MouseOverColour2 : tabs->NormalColour2));
            RECT textRect = drawn;
            if (isSelected) textRect.bottom = tab.bottom;
            ::DrawTextA(b, text, -1, &textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
            if (closeBoxes_) {
                const RECT box = ToRECT(TabCloseBox(ToRect(tab)));
                Pen pen(::CreatePen(PS_SOLID, 1, ResolveColour(tabs->NormalColour2)));
                SelectedObject usePen(b, pen.Get());
                ::MoveToEx(b, box.left, box.top, nullptr);
                ::LineTo(b, box.right, box.bottom);
                ::MoveToEx(b, box.right - 1, box.top, nullptr);
                ::LineTo(b, box.left - 1, box.bottom);
            }
        }
    }

    buffer.CopyTo(rect.left, rect.top);
}

}  // namespace aw::skin
