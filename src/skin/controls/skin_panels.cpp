#include "skin/controls/skin_painters.h"

#include "skin/controls/control_skinning.h"
#include "skin/controls/skin_common_controls.h"
#include "skin/manager/attach_rules.h"

#include <commctrl.h>

#include <vector>

#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

void FrameRing(HDC dc, const RECT& rect, COLORREF colour)
{
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FrameRect(dc, &rect, brush.Get());
}

// The engine asks an edit to paint now: wParam a device context or none, lParam the marker,
// answered with the marker.
constexpr UINT kMsgEnginePaint = 0xBC4A;
constexpr LPARAM kEngineMarker = 16802;

RECT Shrunk(const RECT& rect, int by) { return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

// The font with bold, italic and underline taken off.
UniqueFont PlainFont(HFONT font)
{
    LOGFONTA log{};
    ::GetObjectA(font, sizeof log, &log);
    log.lfWeight = FW_NORMAL;
    log.lfItalic = FALSE;
    log.lfUnderline = FALSE;
    log.lfStrikeOut = FALSE;
    return UniqueFont(::CreateFontIndirectA(&log));
}

}  // namespace

void DrawEditBorder(HWND window, HDC dc, const RECT& rect, Colour shadow)
{
    RECT client{};
    ::GetClientRect(window, &client);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width == client.right || height == client.bottom) return;  // an edit without a border
    FrameRing(dc, rect, shadow);
    FrameRing(dc, Shrunk(rect, 1), RGB(255, 255, 255));
    FrameRing(dc, Shrunk(rect, 2), RGB(255, 255, 255));
}

// --- Status bar ---------------------------------------------------------------------------

bool TSkinStatusBar::BeforeMessage(Message& m)
{
    return !PaintsWholly(m) && TSkinControl::BeforeMessage(m);
}

void TSkinStatusBar::Draw(HDC dc, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    buffer.Fill(data_->ButtonFaceBrush());
    const RECT area{0, 0, width, height};

    TDataSkinObject* edges = data_->Slot(SkinSlot::StatusBarEdges);
    UniqueFont plain = PlainFont(ControlFont());
    SelectedObject font(b, plain.Get());
    ::SetBkMode(b, TRANSPARENT);
    ::SetTextColor(b, edges ? ResolveColour(edges->NormalColour2) : ::GetSysColor(COLOR_BTNTEXT));
    const bool rtl = (::GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    auto drawEdges = [&](const RECT& r, int frame) {
        if (edges && edges->image)
            DrawElementFrame(b, r, edges->image.Get(), false, edges->Tile != 0, edges->Trans != 0, edges->FrameCount,
                             frame, edges->GetMargins());
    };
    auto textOf = [&](int index, int& type) {
        const LRESULT info = ::SendMessageA(window_, SB_GETTEXTLENGTHA, index, 0);
        type = HIWORD(info);
        std::string text(LOWORD(info) + 1, '\0');
        ::SendMessageA(window_, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(LOWORD(info));
        return text.empty() ? std::string(" ") : text;
    };

    const int parts = static_cast<int>(::SendMessageA(window_, SB_GETPARTS, 0, 0));
    const bool simple = ::SendMessageA(window_, SB_ISSIMPLE, 0, 0) != 0;
    if (simple || parts <= 0) {
        drawEdges(area, StatusBevelFrame(PanelBevel::Lowered));
        int type = 0;
        const std::string text = textOf(simple ? SB_SIMPLEID : 0, type);
        RECT r{2, 0, width - 2, height};
        ::DrawTextA(b, text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | (rtl ? DT_RIGHT : DT_LEFT) | DT_NOPREFIX);
    } else {
        std::vector<Rect> given;
        for (int i = 0; i < parts; ++i) {
            RECT r{};
            ::SendMessageA(window_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
            given.push_back(Rect{r.left, r.top, r.right, r.bottom});
        }
        const std::vector<Rect> panels = StatusPanelRects(given, width);
        for (int i = 0; i < parts; ++i) {
            const RECT r{panels[i].left, panels[i].top, panels[i].right, panels[i].bottom};
            int type = 0;
            const std::string text = textOf(i, type);
            const PanelBevel bevel = (type & SBT_NOBORDERS) ? PanelBevel::None
                                     : (type & SBT_POPOUT)  ? PanelBevel::Raised
                                                            : PanelBevel::Lowered;
            drawEdges(r, StatusBevelFrame(bevel));
            if (type & SBT_OWNERDRAW) continue;
            // Tabs in the text align it as the control does: centred after one, right after two.
            std::string shown = text;
            UINT align = DT_LEFT;
            if (shown.rfind("\t\t", 0) == 0) {
                align = DT_RIGHT;
                shown.erase(0, 2);
            } else if (shown.rfind('\t', 0) == 0) {
                align = DT_CENTER;
                shown.erase(0, 1);
            }
            if (rtl && align != DT_CENTER) align = align == DT_LEFT ? DT_RIGHT : DT_LEFT;
            RECT inner{r.left + 2, r.top, r.right - 2, r.bottom};
            ::DrawTextA(b, shown.c_str(), -1, &inner, DT_SINGLELINE | DT_VCENTER | align | DT_NOPREFIX);
        }
    }
    if (::GetWindowLongA(window_, GWL_STYLE) & SBARS_SIZEGRIP) {
        TDataSkinObject* extra = data_->Slot(SkinSlot::ExtraImages);
        if (extra && extra->image) {
            BITMAP info{};
            ::GetObjectA(extra->image.Get(), sizeof info, &info);
            const int gripWidth = info.bmWidth / (extra->FrameCount > 0 ? extra->FrameCount : 1);
            RECT grip{width - 1 - gripWidth, height - 1 - info.bmHeight, width - 1, height - 1};
            DrawStretchedFrame(b, grip, extra->image.Get(), extra->Trans != 0, extra->FrameCount, 5);
        }
    }
    buffer.CopyTo(rect.left, rect.top);

    // Owner-drawn panels are drawn by the parent, on the finished bar, inside the skin's edges.
    if (simple || parts <= 0) return;
    HWND parent = ::GetParent(window_);
    for (int i = 0; i < parts; ++i) {
        const LRESULT info = ::SendMessageA(window_, SB_GETTEXTLENGTHA, i, 0);
        if (!(HIWORD(info) & SBT_OWNERDRAW)) continue;
        RECT r{};
        ::SendMessageA(window_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
        DRAWITEMSTRUCT item{};
        item.CtlID = static_cast<UINT>(::GetDlgCtrlID(window_));
        item.itemID = static_cast<UINT>(i);
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = window_;
        item.hDC = dc;
        item.rcItem = Shrunk(r, 2);
        item.itemData = static_cast<ULONG_PTR>(::SendMessageA(window_, SB_GETTEXTA, i, 0));
        ::SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
}

// --- Edit ---------------------------------------------------------------------------------

void TSkinEdit::AfterMessage(Message& m)
{
    switch (m.msg) {
    case WM_PAINT:
    case WM_NCPAINT:
        // The edit paints its own border in its non-client area; the skin's goes over it.
        PaintNow(nullptr);
        break;
    case WM_PRINT: {
        const HDC dc = reinterpret_cast<HDC>(m.wParam);
        if (dc) PaintNow(dc);
        break;
    }
    case kMsgEnginePaint:
        if (m.lParam == kEngineMarker) {
            PaintNow(reinterpret_cast<HDC>(m.wParam));
            m.result = kEngineMarker;
        }
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinEdit::Draw(HDC dc, const RECT& rect)
{
    // An up-down control inside the edit gets its painter the first time the edit is drawn.
    if (!upDownLooked_ && data_->SkinControls.Contains(xcSpin) && form_) {
        upDownLooked_ = true;
        for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[64] = {};
            ::GetClassNameA(child, name, sizeof name);
            const std::string lower = AsciiLower(name);
            if (lower != "msctls_updown32" && lower.find("spin") == std::string::npos &&
                lower.find("updown") == std::string::npos)
                continue;
            if (!form_->IsSkinned(child)) {
                auto painter = std::make_unique<TSkinUpDown>();
                TSkinUpDown* raw = painter.get();
                form_->Register(std::move(painter));
                raw->Attach(child, nullptr, *data_, *form_, false);
            }
            break;
        }
    }
    DrawEditBorder(window_, dc, rect, SkinColour(csButtonShadow));
}

// --- Panels -------------------------------------------------------------------------------

void TSkinBox::AfterMessage(Message& m)
{
    if (m.msg == WM_NCPAINT || m.msg == WM_PAINT) PaintNow(nullptr);
    else TSkinControl::AfterMessage(m);
}

void TSkinBox::Draw(HDC dc, const RECT& rect)
{
    if (::GetWindowLongA(window_, GWL_STYLE) & WS_BORDER) FrameRing(dc, rect, SkinColour(csButtonShadow));
}

bool TSkinGroupBox::BeforeMessage(Message& m)
{
    return !PaintsWholly(m) && TSkinControl::BeforeMessage(m);
}

void TSkinGroupBox::Draw(HDC dc, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BackBuffer buffer(dc, width, height);
    HDC b = buffer.Get();
    buffer.Fill(data_->ButtonFaceBrush());
    SelectedObject font(b, ControlFont());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(b, &metrics);
    RECT frame{0, metrics.tmHeight / 2, width, height};
    FrameRing(b, frame, SkinColour(csButtonShadow));
    const std::string caption = CaptionText();
    if (!caption.empty()) {
        RECT text{8, 0, width - 8, metrics.tmHeight};
        RECT measured = text;
        ::DrawTextA(b, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
        RECT back{measured.left - 2, 0, measured.right + 2, metrics.tmHeight};
        ::FillRect(b, &back, data_->ButtonFaceBrush());
        ::SetBkMode(b, TRANSPARENT);
        ::SetTextColor(b, Enabled() ? ResolveColour(data_->SkinColour(csButtonText)) : ::GetSysColor(COLOR_BTNSHADOW));
        ::DrawTextA(b, caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    buffer.CopyTo(rect.left, rect.top);
}

// --- Tab sheet ----------------------------------------------------------------------------

bool TSkinTabSheet::BeforeMessage(Message& m)
{
    if (m.msg == WM_ERASEBKGND) {
        RECT area;
        ::GetClientRect(window_, &area);
        ::FillRect(reinterpret_cast<HDC>(m.wParam), &area, data_->ButtonFaceBrush());
        m.result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

}  // namespace aw::skin
