// List views and their headers, tool bars, the bit, speed and menu buttons, and the painters a
// handler can give bare common controls.

#include "skin/controls/skin_common_controls.h"

#include "skin/controls/control_dispatch.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/controls/control_skinning.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"

namespace aw::skin {

namespace {

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int Frames(const TDataSkinObject* element) { return std::max(1, element ? element->FrameCount : 1); }

bool Inside(const RECT& rect, POINT p) { return ::PtInRect(&rect, p) != FALSE; }

}  // namespace

// --- Header -------------------------------------------------------------------------------

bool TSkinHeader::Repaints(const Message& m) const
{
    return TSkinSelfPainted::Repaints(m) || (m.msg >= HDM_FIRST && m.msg < HDM_FIRST + 0x100);
}

void TSkinHeader::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, data_->ButtonFaceBrush());
    const TDataSkinObject* bar = data_->Slot(SkinSlot::Headerbar);
    const int count = static_cast<int>(::SendMessageA(window_, HDM_GETITEMCOUNT, 0, 0));
    struct Item {
        Rect rect;
        int index;
    };
    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (::SendMessageA(window_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            items.push_back({Rect{r.left, 0, r.right, height}, i});
    }
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.rect.left < b.rect.left; });
    std::vector<Rect> rects;
    for (const Item& item : items) rects.push_back(item.rect);
    const std::vector<Rect> sections = HeaderSections(rects, width, height);

    const bool held = Held();
    SelectedObject font(dc, ControlFont());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Enabled() ? SkinColour(csButtonText) : SkinColour(csButtonShadow));
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const RECT r = ToRECT(sections[s]);
        const bool filler = s >= items.size();
        char text[260] = {};
        HDITEMA info{};
        info.mask = HDI_TEXT | HDI_FORMAT;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        if (!filler) ::SendMessageA(window_, HDM_GETITEMA, items[s].index, reinterpret_cast<LPARAM>(&info));
        ControlState state = ControlState::Normal;
        if (!Enabled()) state = ControlState::Disabled;
        else if (!filler && held && Inside(r, cursor_)) state = ControlState::Pressed;
        else if (!filler && mouseOver_ && Inside(r, cursor_)) state = ControlState::Hot;
        const bool sorted = !filler && (info.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
        if (bar && bar->image) {
            DrawElementFrame(dc, r, bar->image.Get(), false, bar->Tile != 0, bar->Trans != 0, Frames(bar),
                             std::min(HeaderFrame(state, sorted, Frames(bar)), Frames(bar)), bar->GetMargins());
        } else {
            RECT rr = r;
            ::DrawEdge(dc, &rr, state == ControlState::Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        }
        if (filler || !text[0]) continue;
        UINT align = DT_LEFT;
        if ((info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
        if ((info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
        RECT inner{r.left + 6, r.top, r.right - 6, r.bottom};
        if (state == ControlState::Pressed) ::OffsetRect(&inner, 1, 1);
        ::DrawTextA(dc, text, -1, &inner, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

// --- List view ----------------------------------------------------------------------------

void TSkinListView::Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode)
{
    TSkinScrollbar::Attach(window, control, data, form, backgroundMode);
    HWND header = reinterpret_cast<HWND>(::SendMessageA(window, LVM_GETHEADER, 0, 0));
    if (!header || form.IsSkinned(header)) return;
    auto painter = std::make_unique<TSkinHeader>();
    TSkinHeader* raw = painter.get();
    form.Register(std::move(painter));
    raw->Attach(header, nullptr, data, form, false);
}

// --- Tool bar -----------------------------------------------------------------------------

namespace {

const char* ToolbarSinkClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &::DefWindowProcA;  // the painter puts its own procedure on its sink
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "TSkinToolbarSink";
        ::RegisterClassA(&wc);
        return "TSkinToolbarSink";
    }();
    return name;
}

// The element the buttons are framed with: the tool-bar buttons, or the push buttons.
struct ToolFrames {
    HBITMAP image = nullptr;
    int frames = 1;
    bool tile = false;
    bool trans = false;
    Margins margins;
    Colour text[3]{};  // normal, mouse over, pressed
};

ToolFrames ToolFramesOf(const TSkinData& data)
{
    ToolFrames f;
    const TDataSkinObject* tools = data.Slot(SkinSlot::ToolBars);
    if (tools && tools->image) {
        f = ToolFrames{tools->image.Get(), Frames(tools), tools->Tile != 0, tools->Trans != 0, tools->GetMargins(),
                       {tools->NormalColour2, tools->MouseOverColour2, tools->PressedColour2}};
        return f;
    }
    const TDataSkinButton& button = data.Skin().buttons;
    if (!button.image) return f;
    const Colour text = ResolveColour(data.SkinColour(csButtonText));
    f = ToolFrames{button.image.Get(), 5, button.Tile != 0, button.Trans != 0, button.GetMargins(),
                   {button.HasNormalColour2 ? button.NormalColour2 : text,
                    button.HasMouseOverColour2 ? button.MouseOverColour2 : text,
                    button.HasPressedColour2 ? button.PressedColour2 : text}};
    return f;
}

}  // namespace

TSkinToolbar::~TSkinToolbar()
{
    if (sink_) ::DestroyWindow(sink_);
}

LRESULT CALLBACK TSkinToolbar::SinkProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TSkinToolbar*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(window, msg, wParam, lParam);
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == self->window_ && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return self->ItemPrePaint(*draw);
            return CDRF_DODEFAULT;
        }
    }
    if ((msg == WM_NOTIFY || msg == WM_COMMAND) && self->notified_)
        return ::SendMessageA(self->notified_, msg, wParam, lParam);
    return ::DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT TSkinToolbar::ItemPrePaint(NMTBCUSTOMDRAW& draw)
{
    const ToolFrames f = ToolFramesOf(*data_);
    if (!f.image) return CDRF_DODEFAULT;
    const UINT state = draw.nmcd.uItemState;
    const bool enabled = !(state & (CDIS_DISABLED | CDIS_INDETERMINATE)) && Enabled();
    const bool pressed = (state & CDIS_SELECTED) != 0;
    const bool checked = (state & CDIS_CHECKED) != 0;
    const bool hot = (state & CDIS_HOT) != 0;
    const int frame = ToolButtonFrame(enabled, pressed, checked, hot, f.frames);
    if (frame > 0)
        DrawElementFrame(draw.nmcd.hdc, draw.nmcd.rc, f.image, false, f.tile, f.trans, f.frames,
                         std::min(frame, f.frames), f.margins);
    Colour text = f.text[0];
    if (!enabled) text = SkinColour(csButtonShadow);
    else if (pressed || checked) text = f.text[2];
    else if (hot) text = f.text[1];
    draw.clrText = ResolveColour(text);
    draw.clrTextHighlight = draw.clrText;
    draw.clrHighlightHotTrack = draw.clrText;
    draw.nStringBkMode = TRANSPARENT;
    draw.nHLStringBkMode = TRANSPARENT;
    return TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET | TBCDRF_NOMARK | TBCDRF_NOETCHEDEFFECT;
}

void TSkinToolbar::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    const TDataSkinObject* background = data_->Slot(SkinSlot::Toolbar);
    if (background && background->image && !data_->Options.Contains(xoToolbarBK))
        DrawStretchedFrame(dc, whole, background->image.Get(), false, 1, 1);
    else
        ::FillRect(dc, &whole, data_->ButtonFaceBrush());

    // The control draws its buttons and separators, asking the sink how to: each button's frame
    // comes from the skin, its image and text from the control.
    if (!sink_) {
        sink_ = ::CreateWindowExA(0, ToolbarSinkClass(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
        if (sink_) {
            ::SetWindowLongPtrA(sink_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            ::SetWindowLongPtrA(sink_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinToolbar::SinkProc));
        }
    }
    HWND previous = nullptr;
    if (sink_) {
        previous = reinterpret_cast<HWND>(
            CallPrevious(Message{TB_SETPARENT, reinterpret_cast<WPARAM>(sink_), 0, 0}));
        notified_ = previous;
    }
    CallPrevious(Message{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT, 0});
    if (sink_) {
        CallPrevious(Message{TB_SETPARENT, reinterpret_cast<WPARAM>(previous), 0, 0});
        notified_ = nullptr;
    }
}

// --- Media player -------------------------------------------------------------------------

namespace {

// The sign of a player button, centred in `r`, in the current brush and pen.
void DrawPlayerSign(HDC dc, PlayerButton which, const RECT& r)
{
    const int size = std::max<int>(4, std::min<int>(r.right - r.left, r.bottom - r.top) / 2 - 2);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int h = size / 2;
    auto triangle = [&](int tipX, int baseX) {
        POINT p[3] = {{baseX, cy - h}, {tipX, cy}, {baseX, cy + h}};
        ::Polygon(dc, p, 3);
    };
    auto bar = [&](int left, int right, int top, int bottom) { ::Rectangle(dc, left, top, right, bottom); };
    switch (which) {
    case PlayerButton::Play: triangle(cx + h, cx - h); break;
    case PlayerButton::Pause:
        bar(cx - h, cx - h / 3, cy - h, cy + h + 1);
        bar(cx + h / 3 + 1, cx + h + 1, cy - h, cy + h + 1);
        break;
    case PlayerButton::Stop: bar(cx - h, cx + h + 1, cy - h, cy + h + 1); break;
    case PlayerButton::Next:
        triangle(cx + h / 2, cx - h);
        bar(cx + h / 2, cx + h / 2 + 2, cy - h, cy + h + 1);
        break;
    case PlayerButton::Prev:
        bar(cx - h / 2 - 2, cx - h / 2, cy - h, cy + h + 1);
        triangle(cx - h / 2, cx + h);
        break;
    case PlayerButton::Step:
        triangle(cx, cx - h);
        triangle(cx + h, cx);
        break;
    case PlayerButton::Back:
        triangle(cx, cx + h);
        triangle(cx - h, cx);
        break;
    case PlayerButton::Record: ::Ellipse(dc, cx - h, cy - h, cx + h + 1, cy + h + 1); break;
    case PlayerButton::Eject: {
        POINT p[3] = {{cx - h, cy + h / 3}, {cx, cy - h}, {cx + h, cy + h / 3}};
        ::Polygon(dc, p, 3);
        bar(cx - h, cx + h + 1, cy + h / 3 + 2, cy + h + 1);
        break;
    }
    }
}

}  // namespace

void TSkinMP::DrawControl(HDC dc, int width, int height)
{
    RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, data_->ButtonFaceBrush());
    // A framework player says which buttons it shows and which are enabled; a bare one shows
    // and enables all nine.
    const unsigned visible = control_ ? PlayerButtonSet(Property("VisibleButtons")) : (1u << kPlayerButtonCount) - 1;
    const unsigned enabledSet = control_ ? PlayerButtonSet(Property("EnabledButtons")) : (1u << kPlayerButtonCount) - 1;
    std::vector<PlayerButton> shown;
    for (int i = 0; i < kPlayerButtonCount; ++i)
        if (visible & (1u << i)) shown.push_back(static_cast<PlayerButton>(i));
    if (shown.empty()) return;
    const std::vector<Rect> rects = LayOutPlayerButtons(width, height, static_cast<int>(shown.size()));
    const TDataSkinButton& button = data_->Skin().buttons;
    const Colour text = SkinColour(csButtonText);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const RECT r = ToRECT(rects[i]);
        ControlState state = ControlState::Normal;
        if (!Enabled() || !(enabledSet & (1u << static_cast<int>(shown[i])))) state = ControlState::Disabled;
        else if (Held() && Inside(r, cursor_)) state = ControlState::Pressed;
        else if (mouseOver_ && Inside(r, cursor_)) state = ControlState::Hot;
        if (button.image) {
            DrawElementFrame(dc, r, button.image.Get(), false, button.Tile != 0, button.Trans != 0, 5,
                             kPushButtonFrames[state], button.GetMargins());
        } else {
            RECT rr = r;
            ::DrawFrameControl(dc, &rr, DFC_BUTTON,
                               DFCS_BUTTONPUSH | (state == ControlState::Pressed ? DFCS_PUSHED : 0));
        }
        Colour colour = button.HasNormalColour2 ? button.NormalColour2 : text;
        if (state == ControlState::Pressed && button.HasPressedColour2) colour = button.PressedColour2;
        if (state == ControlState::Hot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
        if (state == ControlState::Disabled) colour = SkinColour(csButtonShadow);
        UniqueBrush brush(::CreateSolidBrush(ResolveColour(colour)));
        UniquePen pen(::CreatePen(PS_SOLID, 1, ResolveColour(colour)));
        SelectedObject useBrush(dc, brush.Get());
        SelectedObject usePen(dc, pen.Get());
        DrawPlayerSign(dc, shown[i], r);
    }
}

// --- Button-style tabs --------------------------------------------------------------------

void TSkinTabBtn::AfterMessage(Message& m)
{
    if (m.msg == WM_MOUSEMOVE || m.msg == WM_MOUSELEAVE) {
        int hot = -1;
        if (m.msg == WM_MOUSEMOVE) {
            TCHITTESTINFO hit{};
            hit.pt = POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
            hot = static_cast<int>(::SendMessageA(window_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            TrackMouseLeave();
        }
        if (hot != hot_) {
            hot_ = hot;
            ::InvalidateRect(window_, nullptr, FALSE);
        }
        return;
    }
    TSkinTab::AfterMessage(m);
}

void TSkinTabBtn::Draw(HDC dc, const RECT& rect)
{
    RECT client{};
    ::GetClientRect(window_, &client);
    BackBuffer buffer(dc, client.right, client.bottom);
    HDC b = buffer.Get();
    ::FillRect(b, &client, data_->ButtonFaceBrush());
    const TDataSkinButton& button = data_->Skin().buttons;
    SelectedObject font(b, ControlFont());
    ::SetBkMode(b, TRANSPARENT);
    const int count = static_cast<int>(::SendMessageA(window_, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(::SendMessageA(window_, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT tab{};
        ::SendMessageA(window_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
        char text[81] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(window_, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        ControlState state = ControlState::Normal;
        if (!Enabled()) state = ControlState::Disabled;
        else if (i == selected) state = ControlState::Pressed;
        else if (i == hot_) state = ControlState::Hot;
        if (button.image)
            DrawElementFrame(b, tab, button.image.Get(), false, button.Tile != 0, button.Trans != 0, 5,
                             kPushButtonFrames[state], button.GetMargins());
        Colour colour = button.HasNormalColour2 ? button.NormalColour2 : SkinColour(csButtonText);
        if (state == ControlState::Pressed && button.HasPressedColour2) colour = button.PressedColour2;
        if (state == ControlState::Hot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
        if (state == ControlState::Disabled) colour = SkinColour(csButtonShadow);
        ::SetTextColor(b, ResolveColour(colour));
        ::DrawTextA(b, text, -1, &tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    buffer.CopyTo(rect.left, rect.top);
}

// --- Bit, speed and menu buttons ----------------------------------------------------------

void TSkinBitButton::Draw(HDC dc, const RECT& rect)
{
    TSkinButton::Draw(dc, rect);
    const int height = rect.bottom - rect.top;
    // The button's style says which kind of image it holds.
    const LONG style = ::GetWindowLongA(window_, GWL_STYLE);
    if (!(style & (BS_ICON | BS_BITMAP))) return;
    if (style & BS_ICON) {
        auto icon = reinterpret_cast<HICON>(::SendMessageA(window_, BM_GETIMAGE, IMAGE_ICON, 0));
        if (!icon) return;
        const int size = std::min(16, height - 4);
        ::DrawIconEx(dc, rect.left + 6, rect.top + (height - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
        return;
    }
    auto glyph = reinterpret_cast<HBITMAP>(::SendMessageA(window_, BM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!glyph || !::GetObjectA(glyph, sizeof info, &info)) return;
    // A glyph's bottom-left pixel is its transparent colour.
    MemoryDC source(dc);
    COLORREF key = 0;
    {
        SelectedObject select(source.Get(), glyph);
        key = ::GetPixel(source.Get(), 0, info.bmHeight - 1);
    }
    const int top = rect.top + (height - info.bmHeight) / 2;
    const RECT at{rect.left + 6, top, rect.left + 6 + info.bmWidth, top + info.bmHeight};
    DrawTransparent(dc, at, glyph, key);
}

void TSkinMenuButton::Draw(HDC dc, const RECT& rect)
{
    TSkinButton::Draw(dc, rect);
    const TDataSkinObject* arrow = data_->Slot(SkinSlot::ComboxArrow);
    if (!arrow || !arrow->image) return;
    const int height = rect.bottom - rect.top;
    const int size = std::min(17, height - 4);
    const RECT at{rect.right - size - 3, rect.top + (height - size) / 2, rect.right - 3, rect.top + (height + size) / 2};
    const ControlState state = !Enabled() ? ControlState::Disabled : Pressed() ? ControlState::Pressed
                               : MouseOver()                           ? ControlState::Hot
                                                                       : ControlState::Normal;
    DrawStretchedFrame(dc, at, arrow->image.Get(), true, Frames(arrow),
                       std::min(FourStateFrame(state, Frames(arrow)), Frames(arrow)));
}

std::unique_ptr<TSkinControl> CommonControlPainter(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    const std::string upper = AsciiUpper(name);
    if (upper == "MSCTLS_UPDOWN32") return std::make_unique<TSkinUpDown>();
    if (upper == "SYSLISTVIEW32") return std::make_unique<TSkinListView>();
    if (upper == "SYSHEADER32") return std::make_unique<TSkinHeader>();
    if (upper == "TOOLBARWINDOW32") return std::make_unique<TSkinToolbar>();
    return nullptr;
}

}  // namespace aw::skin
