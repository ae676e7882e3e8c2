#include "skin/forms/win_skin_form.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/handle.h"
#include "platform/window_subclass.h"
#include "skin/controls/control_skinning.h"
#include "skin/data/element_states.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/manager/skin_manager.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

constexpr UINT_PTR kSkinSubclassId = 0x534B;  // 'SK'; stacks on the framework's own subclass
constexpr UINT_PTR kHoverTimerId = 0x3550;
constexpr int kHoverIntervalMs = 250;
// The application's hint pauses (the framework keeps the platform's usual values).
constexpr int kHintPauseMs = 500;
constexpr int kHintHidePauseMs = 2500;
constexpr int kRegionBatch = 500;

ImageSize SizeOf(const TDataSkinObject& element)
{
    const SIZE size = BitmapSize(element.image.Get());
    return ImageSize{size.cx, size.cy, std::max(element.FrameCount, 1)};
}

HICON WindowIcon(HWND window)
{
    auto icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICON));
    return icon;
}

std::string WindowText(HWND window)
{
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int got = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool Contains(const Rect& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool IsSystemCommandId(UINT id)
{
    switch (id & 0xFFF0) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW: case SC_PREVWINDOW:
    case SC_CLOSE: case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

int SystemMenuGlyph(UINT id)
{
    switch (id & 0xFFF0) {
    case SC_RESTORE: return 0;
    case SC_MAXIMIZE: return 1;
    case SC_MINIMIZE: return 2;
    case SC_CLOSE: return 3;
    default: return -1;
    }
}

}  // namespace

// --- non-client objects -----------------------------------------------------------------------

void TNCObject::Press()
{
    if (form_.Hot() && form_.Hot() != this) form_.Hot()->Leave();
    if (!visible) return;
    form_.SetHot(this);
    state = 2;
    form_.PaintNonClient(false);
}

void TNCObject::Release()
{
    if (!visible) return;
    state = 3;
    form_.PaintNonClient(false);
}

void TNCObject::Hover()
{
    if (form_.Hot() == this && state != 1) return;  // already hot (or pressed): nothing changes
    if (form_.Hot() && form_.Hot() != this) form_.Hot()->Leave();
    form_.SetHot(this);
    if (!visible) return;
    state = 3;
    form_.PaintNonClient(false);
}

void TNCObject::Leave()
{
    if (!visible) return;
    if (form_.Hot() == this) form_.SetHot(nullptr);
    state = 1;
    form_.HideHint();
    form_.PaintNonClient(false);
}

CaptionButtonTraits TWinSysButton::Traits() const
{
    return CaptionButtonTraits{element_.Action, element_.Align, element_.XCoord, element_.YCoord, element_.Visibility,
                             element_.Visibility1};
}

void TWinSysButton::Draw(HDC buffer)
{
    if (!visible) return;
    const RECT place = ToRECT(rect);
    if (element_.Action == 3 || element_.Action == 11) {
        // The window's icon, which opens the system menu.
        const int cx = ::GetSystemMetrics(SM_CXSMICON);
        const int cy = ::GetSystemMetrics(SM_CYSMICON);
        if (const HICON icon = WindowIcon(form_.Handle()))
            ::DrawIconEx(buffer, place.left, place.top, icon, cx, cy, 0, nullptr, DI_NORMAL);
        else if (const HBITMAP copy = form_.SkinData().AppIconCopy())
            DrawTransparent(buffer, place, copy, kMagenta);
        return;
    }
    if (!element_.image) return;
    const int frames = std::max(element_.FrameCount, 1);
    const int frame = form_.Hot() == this ? CaptionButtonMouseFrame(state, enabled, IsMdiButton(), frames)
                                          : CaptionButtonPaintFrame(form_.Active(), enabled, frames);
    DrawStretchedFrame(buffer, place, element_.image.Get(), true, frames, frame);
}

namespace {
UniqueFont SystemMenuFont()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof metrics.lfMessageFont;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return UniqueFont();
    return UniqueFont(::CreateFontIndirectA(&metrics.lfMenuFont));
}
}  // namespace

void TMenuBtn::Draw(HDC buffer)
{
    const TSkinData& data = form_.SkinData();
    RECT place = ToRECT(rect);
    const bool lit = state != 1 && enabled;
    if (lit) {
        UniqueBrush fill(::CreateSolidBrush(ResolveColour(data.SkinColour(csHilight))));
        ::FillRect(buffer, &place, fill.Get());
    }
    UniqueFont font = SystemMenuFont();
    SelectedObject selected(buffer, font.Get());
    ::SetBkMode(buffer, TRANSPARENT);
    const ColourSlot slot = !enabled ? csButtonShadow : lit ? csHilightText : csMenuBarText;
    ::SetTextColor(buffer, ResolveColour(data.SkinColour(slot)));
    ::DrawTextA(buffer, text.c_str(), static_cast<int>(text.size()), &place, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// --- the menu bar -----------------------------------------------------------------------------

void TWinSkinMenu::Build(HMENU menu)
{
    menu_ = menu;
    items_.clear();
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[81] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 80;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const bool enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        items_.push_back(std::make_unique<TMenuBtn>(form_, text, info.wID, info.hSubMenu, enabled));
    }
}

void TWinSkinMenu::Layout(const Rect& band, HDC measure)
{
    const TDataSkinObject* element = form_.SkinData().Slot(SkinSlot::MenuBar);
    MenuBarLayout layout;
    layout.band = band;
    layout.hasElement = element != nullptr;
    layout.elementLeft = element ? element->LeftWidth : 0;
    layout.elementRight = element ? element->RightWidth : 0;
    layout.rightToLeft = form_.RightToLeft();
    for (const auto& button : form_.Buttons())
        if (button->visible && button->IsMdiButton())
            layout.mdiButtonsLeft = layout.mdiButtonsLeft < 0 ? button->rect.left
                                                              : std::min(layout.mdiButtonsLeft, button->rect.left);
    UniqueFont font = SystemMenuFont();
    SelectedObject selected(measure, font.Get());
    for (const auto& item : items_) {
        SIZE size{};
        ::GetTextExtentPoint32A(measure, item->text.c_str(), static_cast<int>(item->text.size()), &size);
        layout.textWidths.push_back(size.cx);
    }
    const std::vector<Rect> rects = LayoutMenuBarItems(layout);
    for (std::size_t i = 0; i < items_.size() && i < rects.size(); ++i) items_[i]->rect = rects[i];
}

void TWinSkinMenu::Paint(HDC buffer, const Rect& band, bool active)
{
    if (band.IsEmpty()) return;
    const TSkinData& data = form_.SkinData();
    const TDataSkinObject* element = data.Slot(SkinSlot::MenuBar);
    const RECT area = ToRECT(band);
    if (element && element->image) {
        const int frame = FrameFor(kWindowPartFrames, active ? ElementState::Normal : ElementState::Inactive, 2);
        if (element->Tile == 1)
            DrawElementFrame(buffer, area, element->image.Get(), true, false, false, 2, frame, element->GetMargins());
        else
            DrawThreePart(buffer, area, element->image.Get(), true, false, 2, frame, element->GetMargins());
    } else {
        UniqueBrush fill(::CreateSolidBrush(ResolveColour(data.SkinColour(csMenubar))));
        ::FillRect(buffer, &area, fill.Get());
    }
    Layout(band, buffer);
    for (auto& item : items_) item->Draw(buffer);
}

// --- the form skin ----------------------------------------------------------------------------

TWinSkinForm::TWinSkinForm(HWND window, ui::Control* form, std::string className, TSkinData& data)
    : window_(window), form_(form), className_(std::move(className)), data_(data)
{
    if (form_ && data_.OnBeforeSkinForm) data_.OnBeforeSkinForm(data_, window_, className_);
    originalStyle_ = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_STYLE));
    RECT client{};
    ::GetClientRect(window_, &client);
    clientSize_ = SIZE{client.right, client.bottom};
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    originalWindowSize_ = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    // The system menu exists only while the window has WS_SYSMENU, so it is fetched first.
    systemMenu_ = ::GetSystemMenu(window_, FALSE);
    SetUp();
}

TWinSkinForm::~TWinSkinForm()
{
    if (subclassed_) Unskin();
}

void TWinSkinForm::SetUp()
{
    TSkinManage* manager = TSkinManage::Current();
    if (manager) manager->SetActivityState(1);

    const auto style = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_EXSTYLE));
    if (exStyle & style_bits::kExMdiChild) windowKind_ = 2;
    else if (::FindWindowExA(window_, nullptr, "MDIClient", nullptr)) windowKind_ = 1;
    frameSkinning_ = data_.SkinControls.Contains(xcMainMenu) &&
                     !(windowKind_ == 2 && data_.Options.Contains(xoMDIChildBorder));
    border_ = BorderKindOf(style, exStyle, className_);
    standardDialog_ = IsStandardDialogClass(className_);
    caps_ = CaptionCapabilitiesOf(style, exStyle, systemMenu_ != nullptr);
    rightToLeft_ = (exStyle & style_bits::kExLeftScrollBar) != 0;
    ReadWindowState();
    // The system menu is drawn natively on the 9x family.
    if (manager && manager->Windows9x()) data_.SkinControls.Exclude(xcSystemMenu);

    subclassed_ = aw::subclass::Set(window_, &TWinSkinForm::SubclassProc, kSkinSubclassId,
                                      reinterpret_cast<DWORD_PTR>(this)) != FALSE;

    if (windowKind_ == 1) {
        mdiClient_ = ::FindWindowExA(window_, nullptr, "MDIClient", nullptr);
        savedMenuUpdate_ = data_.MenuUpdate;
        aw::subclass::Set(mdiClient_, &TWinSkinForm::MdiClientProc, kSkinSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    if (frameSkinning_) {
        if (::GetMenu(window_) && windowKind_ != 2) {
            menuBar_ = std::make_unique<TWinSkinMenu>(*this);
            TakeNativeMenu();
        }
        TSkinManage* current = TSkinManage::Current();
        const bool mdiMaximized = current && current->MDIMaximized();
        if (windowState_ != 2 && !(windowKind_ == 2 && mdiMaximized)) RemoveCaptionStyles();
        ComputeFrameMetrics();
        // An MDI child gets at least the platform's caption height above its client area.
        if (windowKind_ == 2) {
            const int wanted = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFRAME);
            if (metrics_.top < wanted) extraTop_ = wanted - metrics_.top;
            metrics_.menuBar = extraTop_;  // the band under the title, filled with the face colour
            if (windowState_ == 1 && current) current->SetMDIMaximized(true);
        }
    } else {
        state_ = fsSetUp;
    }
    ::SendMessageA(window_, kMsgEngineHello, 0, kEngineHelloLParam);
}

void TWinSkinForm::TakeNativeMenu()
{
    const HMENU menu = ::GetMenu(window_);
    if (!menu || !menuBar_) return;
    nativeMenu_ = menu;
    menuBar_->Build(menu);
    ::SetMenu(window_, nullptr);  // the platform draws no menu bar of its own
}

void TWinSkinForm::ReadWindowState()
{
    if (::IsZoomed(window_)) windowState_ = 1;
    else if (::IsIconic(window_)) windowState_ = 2;
    else windowState_ = 0;
}

void TWinSkinForm::RemoveCaptionStyles()
{
    const auto style = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_STYLE));
    const std::uint32_t without = WithoutCaptionButtons(style);
    if (without != style) ::SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(without));
    captionStylesRemoved_ = true;
}

void TWinSkinForm::RestoreCaptionStyles()
{
    if (!captionStylesRemoved_) return;
    captionStylesRemoved_ = false;
    const auto style = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_STYLE));
    const std::uint32_t buttons =
        originalStyle_ & (style_bits::kSysMenu | style_bits::kMinimizeBox | style_bits::kMaximizeBox);
    if ((style | buttons) != style) ::SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(style | buttons));
}

void TWinSkinForm::ComputeFrameMetrics()
{
    if (!data_.SkinReady()) return;
    const auto& b = data_.Skin().borders;
    metrics_ = FrameMetricsFromBorders(border_, SizeOf(b[bsLeft]), SizeOf(b[bsRight]), SizeOf(b[bsTop]),
                                       SizeOf(b[bsBottom]), menuBar_ ? ::GetSystemMetrics(SM_CYMENU) : 0);
    ReloadSkinObjects();
}

void TWinSkinForm::CreateCaptionButtons()
{
    hot_ = nullptr;
    buttons_.clear();
    for (const auto& element : data_.Skin().captionButtons) {
        buttons_.push_back(std::make_unique<TWinSysButton>(*this, *element));
        if (element->Action == 3 || element->Action == 11) BuildIconBitmap();
    }
}

void TWinSkinForm::ReloadSkinObjects()
{
    // Everything else is read from the skin data at every paint; only the caption buttons hold
    // references to its element objects, which a new skin replaces.
    CreateCaptionButtons();
}

void TWinSkinForm::RecomputeFrame()
{
    ComputeFrameMetrics();
    if (state_ == fsSetUp || state_ == fsPaintable) {
        ::SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        regionSize_ = SIZE{-1, -1};
        BuildRegion();
    }
}

void TWinSkinForm::Repaint() { PaintNonClient(true); }

void TWinSkinForm::ShowMdiMaximized(bool maximized)
{
    if (windowKind_ != 2) return;
    if (maximized) RestoreCaptionStyles();
    else RemoveCaptionStyles();
    ::SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinSkinForm::BuildIconBitmap()
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    UniqueBitmap bitmap = CreateBitmap24(PixelImage(cx, cy, kMagenta));
    if (!bitmap) return;
    if (const HICON icon = WindowIcon(window_)) {
        MemoryDC dc;
        SelectedObject selected(dc.Get(), bitmap.Get());
        if (selected.Ok()) ::DrawIconEx(dc.Get(), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
    }
    iconBitmap_ = std::move(bitmap);
}

// Every control of the window, nested ones included, goes through the control dispatch. A
// handler of OnSkinControl sees each control the dispatch offers it and may supply a painter of
// its own: a control painter is attached like the skin's own; any other object is kept with the
// form until it unskins.
void TWinSkinForm::SkinControls()
{
    ControlSkinHooks hooks;
    if (data_.OnSkinControl) {
        hooks.onSkinControl = [this](HWND form, HWND control, ui::Control* frameworkControl,
                                     const std::string&, bool&) -> std::unique_ptr<TSkinControl> {
            std::unique_ptr<ControlPainter> painter;
            // The handler sees the class as the control reports it, not the dispatch's upper-cased key.
            const std::string controlClass = frameworkControl ? frameworkControl->ClassName() : ClassNameOf(control);
            data_.OnSkinControl(data_, form, control, controlClass, painter);
            if (auto* typed = dynamic_cast<TSkinControl*>(painter.get())) {
                painter.release();
                return std::unique_ptr<TSkinControl>(typed);
            }
            if (painter) painters_.push_back(std::move(painter));
            return nullptr;
        };
    }
    SkinControlsOf(window_, data_, std::move(hooks));
}

void TWinSkinForm::FinishAttach()
{
    BuildIconBitmap();
    SkinControls();
    if (state_ == fsCreated && frameSkinning_) {
        const auto style = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_STYLE));
        if (windowKind_ == 2) {
            if (windowState_ == 2) {
                RestoreCaptionStyles();
            } else if (windowState_ == 0) {
                state_ = fsApplyingFrame;
                ApplyFrame();
                state_ = fsSetUp;
                BuildRegion();
            }
        } else if (!(style & WS_CHILD) && border_ != bkNoCaption && windowState_ != 2) {
            state_ = fsApplyingFrame;
            ApplyFrame();
            state_ = fsSetUp;
            BuildRegion();
        }
    }
    if (data_.OnAfterSkinForm) data_.OnAfterSkinForm(data_, window_, className_);
    state_ = fsSetUp;
    if (frameSkinning_) PaintNonClient(true);
    hoverTimerOn_ = ::SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr) != 0;
}

std::string TWinSkinForm::ClassNameOf(HWND window)
{
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(std::max(length, 0)));
}

void TWinSkinForm::ApplyFrame()
{
    if (windowState_ == 1) {
        ::SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    Size2 size = WindowSizeForClient(metrics_, clientSize_.cx, clientSize_.cy, windowKind_ == 2);
    if (standardDialog_ && !widened_) {
        widened_ = true;
        WholeWindowDC dc(window_);
        SelectedObject font(dc.Get(), data_.CaptionFont());
        const std::string text = WindowText(window_);
        SIZE extent{};
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
        const TDataSkinTitle& title = data_.Skin().title;
        const DialogWidening widening = WidenForTitle(size.width, title.LeftWidth, extent.cx, title.RightWidth);
        if (widening.childShift > 0) {
            childShift_ = widening.childShift;
            size.width = widening.width;
            for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                ::GetWindowRect(child, &r);
                ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                ::SetWindowPos(child, nullptr, r.left + childShift_, r.top, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    ::SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                   SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    ::GetClientRect(window_, &client);
    skinnedClientSize_ = SIZE{client.right, client.bottom};
}

void TWinSkinForm::DrawFrameParts(HDC buffer, int width, int height)
{
    const auto& b = data_.Skin().borders;
    auto draw = [&](const TDataSkinBorder& border, const Rect& rect, bool stacked) {
        if (!border.image || rect.IsEmpty()) return;
        const int frames = std::max(border.FrameCount, 1);
        const int frame = FrameFor(kWindowPartFrames, active_ ? ElementState::Normal : ElementState::Inactive, frames);
        const RECT r = ToRECT(rect);
        DrawElementFrame(buffer, r, border.image.Get(), stacked, border.Tile != 1, false, frames, frame,
                         border.GetMargins());
    };
    const FrameMetrics& m = metrics_;
    if (windowState_ == 2) {
        const RECT all{0, 0, width, height};
        ::FillRect(buffer, &all, data_.ButtonFaceBrush());
        draw(b[bsTop], Rect{0, 0, width, std::min(m.top, height)}, true);
        return;
    }
    draw(b[bsLeft], Rect{0, 0, m.left, height}, false);
    draw(b[bsRight], Rect{width - m.right, 0, width, height}, false);
    draw(b[bsBottom], Rect{m.left, height - m.bottom, width - m.right, height}, true);
    draw(b[bsTop], Rect{m.left, 0, width - m.right, m.top}, true);
    const Rect band{m.left, m.top, width - m.right, m.top + m.menuBar};
    if (menuBar_) {
        menuBar_->Paint(buffer, band, active_);
    } else if (extraTop_ > 0) {
        const RECT r{m.left, m.top, width - m.right, m.top + extraTop_};
        ::FillRect(buffer, &r, data_.ButtonFaceBrush());
    }
}

CaptionState TWinSkinForm::GetCaptionState() const
{
    CaptionState s;
    s.maximized = windowState_ == 1;
    s.active = active_;
    s.capabilities = caps_;
    s.border = border_;
    s.standardDialog = standardDialog_;
    const TSkinManage* manager = TSkinManage::Current();
    s.mdiChildMaximizedWithMenuBar = manager && manager->MDIMaximized() && menuBar_ != nullptr;
    return s;
}

void TWinSkinForm::LayoutButtons(int windowWidth)
{
    const CaptionState s = GetCaptionState();
    const HWND window = window_;
    auto ask = [window](int visibility, int action) {
        return ::SendMessageA(window, kMsgCaptionButtonVisible, static_cast<WPARAM>(visibility), action) > 0;
    };
    const int menuLeft = data_.Slot(SkinSlot::MenuBar) ? data_.Slot(SkinSlot::MenuBar)->LeftWidth : 0;
    for (auto& button : buttons_) {
        const TDataSkinSysButton& e = button->Element();
        const CaptionButtonTraits traits = button->Traits();
        int w = 0, h = 0;
        if (e.image) {
            const SIZE size = BitmapSize(e.image.Get());
            w = size.cx / std::max(e.FrameCount, 1);
            h = size.cy;
        } else if (e.Action == 3 || e.Action == 11) {
            w = ::GetSystemMetrics(SM_CXSMICON);
            h = ::GetSystemMetrics(SM_CYSMICON);
        }
        button->visible = w > 0 && CaptionButtonVisible(traits, s, ask);
        button->enabled = CaptionButtonEnabled(traits, s);
        button->rect = CaptionButtonRect(traits, w, h, windowWidth, titleRect_.left, titleRect_.right, metrics_, menuLeft);
    }
}

void TWinSkinForm::DrawTitle(HDC buffer, int width)
{
    const TDataSkinTitle& title = data_.Skin().title;
    const std::string text = " " + WindowText(window_);
    SelectedObject font(buffer, data_.CaptionFont());
    SIZE extent{};
    ::GetTextExtentPoint32A(buffer, text.c_str(), static_cast<int>(text.size()), &extent);

    TitleInput in;
    in.width = width;
    in.height = metrics_.top;
    in.textWidth = extent.cx;
    in.textHeight = extent.cy;
    in.alignment = title.TextAlignment;
    in.textShift = title.LeftWidth;
    in.textShiftVert = title.TopHeight;
    in.textRightClip = title.RightWidth;
    in.backLeft = title.TXTBackleft;
    in.backRight = title.TXTBackRight;
    in.dialogBorder = border_ == bkDialog;
    in.popupWindow = (::GetWindowLongA(window_, GWL_STYLE) & WS_POPUP) != 0;
    for (const auto& button : buttons_)
        if (button->visible && button->Element().Align == 1)
            in.widestRightButtonXCoord = std::max(in.widestRightButtonXCoord, button->Element().XCoord);
    in.rightToLeft = rightToLeft_;
    titleRect_ = PlaceTitleText(in);

    if (title.image) {
        const RECT back{titleRect_.left, 0, titleRect_.left + extent.cx + title.TXTBackleft + title.TXTBackRight,
                        metrics_.top};
        DrawThreePart(buffer, back, title.image.Get(), true, true, 2, active_ ? 1 : 2,
                      Margins{title.TXTBackleft, 0, title.TXTBackRight, 0});
    }
    ::SetBkMode(buffer, TRANSPARENT);
    ::SetTextColor(buffer, ResolveColour(data_.SkinColour(active_ ? csTitleTextActive : csTitleTextNoActive)));
    RECT r{titleRect_.left + title.TXTBackleft, titleRect_.top, titleRect_.right, titleRect_.bottom};
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (rightToLeft_) format |= DT_RTLREADING | DT_RIGHT;
    ::DrawTextA(buffer, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TWinSkinForm::PaintNonClient(bool forgetHot)
{
    if (state_ != fsSetUp && state_ != fsPaintable) return;
    if (border_ == bkNoCaption || (windowKind_ == 2 && windowState_ == 1)) return;
    if (forgetHot && hot_) {
        hot_->state = 1;
        hot_ = nullptr;
    }
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0) return;
    WholeWindowDC target(window_);
    if (!target.Get()) return;
    UniqueBitmap buffer(::CreateCompatibleBitmap(target.Get(), width, height));
    MemoryDC dc(target.Get());
    SelectedObject selected(dc.Get(), buffer.Get());
    if (!selected.Ok()) return;
    try {
        DrawFrameParts(dc.Get(), width, height);
        LayoutButtons(width);
        DrawTitle(dc.Get(), width);
        LayoutButtons(width);  // buttons beside the text follow it
        for (auto& button : buttons_) button->Draw(dc.Get());
    } catch (...) {
        // A broken skin image never stops the window from working.
    }
    SavedDC saved(target.Get());
    if (windowState_ != 2) {
        const Rect client = ClientRectInWindow(metrics_, Rect{0, 0, width, height});
        ::ExcludeClipRect(target.Get(), client.left, client.top, client.right, client.bottom);
    }
    ::BitBlt(target.Get(), 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::BuildRegion()
{
    if (!frameSkinning_ || state_ == fsDestroying || state_ == fsDestroyed) return;
    if (windowKind_ == 2 && windowState_ != 0) return;
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0) return;
    if (width == regionSize_.cx && height == regionSize_.cy && windowKind_ != 2 && state_ != fsPaintable) return;

    const auto& b = data_.Skin().borders;
    const BorderTrans trans{b[bsLeft].Trans != 0, b[bsRight].Trans != 0, b[bsTop].Trans != 0, b[bsBottom].Trans != 0};
    const std::vector<RegionPart> parts = RegionParts(metrics_, width, height, trans, border_);
    UniqueRegion region;
    if (parts.empty()) {
        region.Reset(::CreateRectRgn(0, 0, width, height));
    } else {
        // The borders as they are drawn, read back to find their transparent pixels.
        std::vector<Colour> pixels;
        Dib32 dib = CreateDib32(width, height);
        if (dib) {
            MemoryDC dc;
            SelectedObject selected(dc.Get(), dib.bitmap.Get());
            const bool savedActive = active_;
            active_ = true;
            DrawFrameParts(dc.Get(), width, height);
            active_ = savedActive;
            ::GdiFlush();
            pixels.resize(static_cast<std::size_t>(width) * height);
            for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = FromDibPixel(dib.bits[i]);
        }
        region.Reset(::CreateRectRgn(parts[0].rect.left, parts[0].rect.top, parts[0].rect.right, parts[0].rect.bottom));
        for (std::size_t p = 1; p < parts.size(); ++p) {
            const Rect& r = parts[p].rect;
            if (r.IsEmpty()) continue;
            if (!parts[p].fromPixels || pixels.empty()) {
                UniqueRegion piece(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
                ::CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
                continue;
            }
            const std::vector<Rect> runs = OpaqueRuns(pixels, width, height, r, kMagenta);
            for (std::size_t start = 0; start < runs.size(); start += kRegionBatch) {
                const std::size_t count = std::min<std::size_t>(kRegionBatch, runs.size() - start);
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
    }
    if (region && ::SetWindowRgn(window_, region.Get(), TRUE)) {
        region.Release();  // the window owns it now
        regionSet_ = true;
        regionSize_ = SIZE{width, height};
    }
}

void TWinSkinForm::Unskin()
{
    if (!subclassed_) return;
    const bool destroying = state_ == fsDestroying || !::IsWindow(window_);
    if (hoverTimerOn_) ::KillTimer(window_, kHoverTimerId);
    hoverTimerOn_ = false;
    HideHint();
    hot_ = nullptr;
    // The controls first: each painter gives its control back before the frame changes.
    UnskinControlsOf(window_);
    RECT client{};
    ::GetClientRect(window_, &client);
    RestoreCaptionStyles();
    if (regionSet_) {
        ::SetWindowRgn(window_, nullptr, !destroying);
        regionSet_ = false;
    }
    aw::subclass::Remove(window_, &TWinSkinForm::SubclassProc, kSkinSubclassId);
    subclassed_ = false;
    if (mdiClient_) {
        if (::IsWindow(mdiClient_)) aw::subclass::Remove(mdiClient_, &TWinSkinForm::MdiClientProc, kSkinSubclassId);
        mdiClient_ = nullptr;
        data_.MenuUpdate = savedMenuUpdate_;
    }
    if (nativeMenu_ && !destroying) ::SetMenu(window_, nativeMenu_);
    nativeMenu_ = nullptr;
    menuBar_.reset();
    buttons_.clear();
    menuItems_.ReleaseAll();
    painters_.clear();
    if (destroying || !frameSkinning_ || state_ == fsCreated) return;

    // The native frame again, round the client area the window has now. A window whose client
    // area is what the skin made it gets its own size back exactly.
    if (childShift_ > 0) {
        for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            ::GetWindowRect(child, &r);
            ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
            ::SetWindowPos(child, nullptr, r.left - childShift_, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        childShift_ = 0;
    }
    constexpr UINT kFlags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (::IsZoomed(window_) || ::IsIconic(window_)) {
        ::SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFlags | SWP_NOSIZE);
    } else if (client.right == skinnedClientSize_.cx && client.bottom == skinnedClientSize_.cy) {
        ::SetWindowPos(window_, nullptr, 0, 0, originalWindowSize_.cx, originalWindowSize_.cy, kFlags);
    } else {
        RECT frame{0, 0, client.right, client.bottom};
        ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(window_, GWL_STYLE)), ::GetMenu(window_) != nullptr,
                             static_cast<DWORD>(::GetWindowLongA(window_, GWL_EXSTYLE)));
        ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, kFlags);
    }
    ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// --- messages ---------------------------------------------------------------------------------

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    return reinterpret_cast<TWinSkinForm*>(self)->Handle(message, wParam, lParam);
}

LRESULT TWinSkinForm::Previous(UINT message, WPARAM wParam, LPARAM lParam)
{
    return aw::subclass::CallNext(window_, message, wParam, lParam);
}

LRESULT CALLBACK TWinSkinForm::MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self)
{
    return reinterpret_cast<TWinSkinForm*>(self)->MdiClientMessage(message, wParam, lParam);
}

LRESULT TWinSkinForm::MdiClientMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND client = mdiClient_;
    TSkinManage* manager = TSkinManage::Current();
    switch (message) {
    case WM_NCCALCSIZE:
        if (!data_.Options.Contains(xoMDIScrollbar)) {
            const LONG style = ::GetWindowLongA(client, GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL))
                ::SetWindowLongA(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
        break;
    case WM_MDICREATE:
        data_.MenuUpdate = false;
        break;
    case WM_MDIDESTROY: {
        const LRESULT result = aw::subclass::CallNext(client, message, wParam, lParam);
        BOOL maximized = FALSE;
        const auto active = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
        if (manager) manager->SetMDIMaximized(active && maximized);
        if (!active) {
            data_.MenuUpdate = savedMenuUpdate_;
            if (menuBar_ && nativeMenu_) menuBar_->Build(nativeMenu_);
            PaintNonClient(true);
        }
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (manager && manager->MDIMaximized()) manager->SetMDIMaximized(false);
        break;
    case WM_MDISETMENU: {
        const LRESULT result = aw::subclass::CallNext(client, message, wParam, lParam);
        if (wParam && menuBar_) {
            TakeNativeMenu();
            PaintNonClient(true);
        }
        return result;
    }
    case kMsgRedrawMdiFrame:
        ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    default:
        break;
    }
    return aw::subclass::CallNext(client, message, wParam, lParam);
}

POINT TWinSkinForm::ToWindowPoint(LPARAM screenPoint) const
{
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    return POINT{static_cast<short>(LOWORD(screenPoint)) - outer.left, static_cast<short>(HIWORD(screenPoint)) - outer.top};
}

TNCObject* TWinSkinForm::ObjectAt(POINT p) const
{
    for (const auto& button : buttons_)
        if (button->visible && button->Element().Action >= 0 && Contains(button->rect, p)) return button.get();
    if (menuBar_)
        for (const auto& item : menuBar_->Items())
            if (Contains(item->rect, p)) return item.get();
    return nullptr;
}

LRESULT TWinSkinForm::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        if (state_ == fsCreated) return 0;
        break;
    case WM_ERASEBKGND: {
        const LRESULT result = Previous(message, wParam, lParam);
        if (form_) return result;
        RECT client{};
        ::GetClientRect(window_, &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, data_.ButtonFaceBrush());
        return 1;
    }
    case WM_NCDESTROY: {
        const HWND window = window_;
        state_ = fsDestroying;
        Unskin();
        const LRESULT result = aw::subclass::CallNext(window, message, wParam, lParam);
        state_ = fsDestroyed;
        return result;
    }
    case WM_NCACTIVATE:
        // Before set-up the platform must not paint its caption; the change itself goes ahead.
        if (state_ == fsCreated && windowKind_ != 2) return TRUE;
        break;
    case kMsgThemedCaptionRedraw:
        return 0;
    case WM_INITMENUPOPUP: {
        const auto menu = reinterpret_cast<HMENU>(wParam);
        if (TSkinManage* manager = TSkinManage::Current()) {
            const bool system = HIWORD(lParam) || menu == systemMenu_ || menu == openSystemPopup_;
            manager->SetPopupKind(system ? PopupKind::System : PopupKind::MenuBar);
        }
        const LRESULT result = Previous(message, wParam, lParam);
        if (frameSkinning_ && menu != openSystemPopup_) menuItems_.Adopt(menu, nullptr);
        return result;
    }
    case WM_UNINITMENUPOPUP:
        menuItems_.Release(reinterpret_cast<HMENU>(wParam));
        return Previous(message, wParam, lParam);
    case WM_EXITMENULOOP:
        if (!openSystemPopup_) menuItems_.ReleaseAll();
        return Previous(message, wParam, lParam);
    case WM_CTLCOLORBTN: {
        const LRESULT result = Previous(message, wParam, lParam);
        if (!form_) ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return result;
    }
    case WM_CTLCOLORSTATIC: {
        const LRESULT result = Previous(message, wParam, lParam);
        if (form_) return result;
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(data_.ButtonFaceBrush());
    }
    case kMsgFinishAttach:
        if (lParam == kFinishAttachLParam) {
            FinishAttach();
            return 0;
        }
        break;
    case kMsgSkinnedQuery:
        ::PostMessageA(window_, kMsgEngineHello, 0, kEngineHelloLParam);
        return 1;
    default:
        break;
    }
    if (!frameSkinning_) return Previous(message, wParam, lParam);
    bool handled = false;
    const LRESULT result = FrameMessage(message, wParam, lParam, handled);
    return handled ? result : Previous(message, wParam, lParam);
}

LRESULT TWinSkinForm::FrameMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_SIZE: {
        const LRESULT result = Previous(message, wParam, lParam);
        if (wParam == SIZE_RESTORED) windowState_ = 0;
        else if (wParam == SIZE_MINIMIZED) windowState_ = 2;
        else if (wParam == SIZE_MAXIMIZED) windowState_ = 1;
        if (windowState_ != 2 && (state_ == fsSetUp || state_ == fsPaintable)) BuildRegion();
        return result;
    }
    case WM_ACTIVATE:
        active_ = LOWORD(wParam) != WA_INACTIVE;
        handled = false;
        return 0;
    case WM_GETMINMAXINFO: {
        const LRESULT result = Previous(message, wParam, lParam);
        ReadWindowState();
        if (windowState_ == 2 || (windowKind_ == 2 && windowState_ == 1)) RestoreCaptionStyles();
        else RemoveCaptionStyles();
        return result;
    }
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        handled = false;
        return 0;
    case WM_SETICON: {
        const LRESULT result = Previous(message, wParam, lParam);
        BuildIconBitmap();
        PaintNonClient(true);
        return result;
    }
    case WM_SETTEXT: {
        // The platform's default handling repaints its own caption straight away.
        const LRESULT result = Previous(message, wParam, lParam);
        PaintNonClient(true);
        return result;
    }
    case WM_COMMAND:
        if (lParam == 0 && IsSystemCommandId(LOWORD(wParam))) {
            ::PostMessageA(window_, WM_SYSCOMMAND, LOWORD(wParam), 0);
            return 0;
        }
        handled = false;
        return 0;
    case WM_SYSCOMMAND: {
        const UINT command = static_cast<UINT>(wParam & 0xFFF0);
        if (command == SC_KEYMENU && ::GetCapture() == nullptr) {
            const char key = static_cast<char>(lParam);
            if (key == ' ') {
                RECT outer{};
                POINT origin{0, 0};
                ::GetWindowRect(window_, &outer);
                ::ClientToScreen(window_, &origin);
                OpenSystemMenu(origin);
                return 0;
            }
            if (key != '-' && menuBar_ && !menuBar_->Items().empty()) {
                TMenuBtn* match = menuBar_->Items().front().get();
                if (key) {
                    match = nullptr;
                    for (auto& item : menuBar_->Items()) {
                        const auto amp = item->text.find('&');
                        if (amp != std::string::npos && amp + 1 < item->text.size() &&
                            ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(item->text[amp + 1])))) ==
                                ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(key))))) {
                            match = item.get();
                            break;
                        }
                    }
                }
                if (match) {
                    match->Press();
                    OpenMenuBarItem(*match);
                    return 0;
                }
            }
        }
        if (command == SC_MINIMIZE) windowState_ = 2;
        else if (command == SC_MAXIMIZE) windowState_ = 1;
        else if (command == SC_RESTORE) windowState_ = 0;
        if (windowKind_ == 2 && command == SC_MINIMIZE) RestoreCaptionStyles();
        if (windowKind_ == 2 && command == SC_RESTORE) RemoveCaptionStyles();
        if (command == SC_RESTORE)
            if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIMaximized(false);
        handled = false;
        return 0;
    }
    case WM_MEASUREITEM:
        if (MeasureSkinMenuItem(data_, menuItems_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        handled = false;
        return 0;
    case WM_DRAWITEM:
        if (DrawSkinMenuItem(data_, menuItems_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        handled = false;
        return 0;
    case WM_NCCALCSIZE: {
        if (wParam) {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
            const RECT proposed = params->rgrc[0];
            Previous(message, wParam, lParam);
            const Rect window{proposed.left, proposed.top, proposed.right, proposed.bottom};
            const bool whole = border_ == bkNoCaption || (windowKind_ == 2 && windowState_ != 0);
            params->rgrc[0] = whole ? proposed : ToRECT(ClientRectInWindow(metrics_, window));
            return 0;
        }
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const RECT proposed = *rect;
        Previous(message, wParam, lParam);
        if (border_ != bkNoCaption)
            *rect = ToRECT(ClientRectInWindow(metrics_, Rect{proposed.left, proposed.top, proposed.right, proposed.bottom}));
        return 0;
    }
    case WM_NCHITTEST: {
        const LRESULT previous = Previous(message, wParam, lParam);
        const POINT p = ToWindowPoint(lParam);
        return CorrectHitTest(static_cast<int>(previous), p.y, metrics_, menuBar_ != nullptr);
    }
    case WM_NCPAINT:
        if (border_ == bkNoCaption || (windowKind_ == 2 && windowState_ == 1)) {
            handled = false;
            return 0;
        }
        PaintNonClient(true);
        return 0;
    case WM_NCACTIVATE:
        active_ = wParam != FALSE;
        // The hover timer runs only while the window is active.
        if (active_ && !hoverTimerOn_) {
            hoverTimerOn_ = ::SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr) != 0;
        } else if (!active_ && hoverTimerOn_) {
            ::KillTimer(window_, kHoverTimerId);
            hoverTimerOn_ = false;
            if (hot_) hot_->Leave();
        }
        if (windowKind_ == 2) Previous(message, wParam, lParam);
        PaintNonClient(true);
        return TRUE;
    case WM_NCMOUSEMOVE:
        if (active_) {
            if (TNCObject* object = ObjectAt(ToWindowPoint(lParam))) {
                object->Hover();
                return 0;
            }
            if (hot_) hot_->Leave();
        }
        handled = false;
        return 0;
    case WM_NCLBUTTONDOWN: {
        HideHint();
        if (TNCObject* object = ObjectAt(ToWindowPoint(lParam))) {
            if (!active_) ::SetForegroundWindow(window_);
            object->Press();
            if (auto* item = dynamic_cast<TMenuBtn*>(object)) OpenMenuBarItem(*item);
            return 0;
        }
        if (windowState_ == 1 && wParam == HTCAPTION && active_) return Previous(message, HTMENU, lParam);
        handled = false;
        return 0;
    }
    case WM_NCLBUTTONUP: {
        TNCObject* object = ObjectAt(ToWindowPoint(lParam));
        if (!object) {
            handled = false;
            return 0;
        }
        if (auto* button = dynamic_cast<TWinSysButton*>(object); button && button == hot_) {
            button->Release();
            RunAction(*button, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        }
        return 0;
    }
    case WM_NCLBUTTONDBLCLK: {
        auto* button = dynamic_cast<TWinSysButton*>(ObjectAt(ToWindowPoint(lParam)));
        if (button && (button->Element().Action == 3 || button->Element().Action == 11)) {
            ::KillTimer(window_, kHoverTimerId);
            hoverTimerOn_ = false;
            ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        }
        if (wParam == HTCAPTION && !button) {
            if (windowState_ != 0) {
                SysCommand(SC_RESTORE);
                return 0;
            }
            if (caps_ & capMaximize) {
                SysCommand(SC_MAXIMIZE);
                return 0;
            }
        }
        if (button) return 0;
        handled = false;
        return 0;
    }
    case WM_NCRBUTTONDOWN:
        if (wParam == HTCAPTION && windowKind_ != 2) {
            OpenSystemMenu(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        }
        handled = false;
        return 0;
    case WM_NCRBUTTONUP:
        // The platform would open its own system menu from the caption on the button's release.
        if (wParam == HTCAPTION && windowKind_ != 2) return 0;
        handled = false;
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimerId) {
            OnHoverTimer();
            return 0;
        }
        handled = false;
        return 0;
    case kMsgRepaintFrame:
        PaintNonClient(true);
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void TWinSkinForm::SysCommand(WPARAM command)
{
    if (command == SC_MAXIMIZE) windowState_ = 1;
    else if (command == SC_MINIMIZE) windowState_ = 2;
    else if (command == SC_RESTORE) windowState_ = 0;
    ::PostMessageA(window_, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::RunAction(TWinSysButton& button, POINT screen)
{
    const HWND mdiClient = ::FindWindowExA(window_, nullptr, "MDIClient", nullptr);
    auto activeChild = [mdiClient]() {
        return mdiClient ? reinterpret_cast<HWND>(::SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    };
    switch (CaptionActionOf(button.Element().Action)) {
    case CaptionAction::Close:
        ::KillTimer(window_, kHoverTimerId);
        hoverTimerOn_ = false;
        ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CaptionAction::MaximizeOrRestore:
        if (!button.enabled) break;
        if (windowKind_ == 2 && windowState_ != 1)
            if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIMaximized(true);
        SysCommand(windowState_ == 1 ? SC_RESTORE : SC_MAXIMIZE);
        break;
    case CaptionAction::MinimizeOrRestore:
        if (button.enabled) SysCommand(windowState_ == 2 ? SC_RESTORE : SC_MINIMIZE);
        break;
    case CaptionAction::SystemMenu:
        OpenSystemMenu(POINT{screen.x + 1, screen.y + 1});
        break;
    case CaptionAction::ContextHelp:
        ::PostMessageA(window_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        break;
    case CaptionAction::MdiMinimize:
        if (HWND child = activeChild()) ::SendMessageA(child, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case CaptionAction::MdiRestore:
        if (HWND child = activeChild()) ::SendMessageA(child, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case CaptionAction::MdiClose:
        if (HWND child = activeChild()) ::SendMessageA(child, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CaptionAction::Notify:
        ::PostMessageA(window_, kMsgCaptionButtonAction, static_cast<WPARAM>(button.Element().Action), 0);
        break;
    }
}

void TWinSkinForm::OpenMenuBarItem(TMenuBtn& item)
{
    if (!item.submenu) {
        ::PostMessageA(window_, WM_COMMAND, item.id, 0);
        item.Leave();
        return;
    }
    if (TSkinManage* manager = TSkinManage::Current()) manager->SetPopupKind(PopupKind::MenuBar);
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    item.state = 2;
    hot_ = &item;
    PaintNonClient(false);
    ::TrackPopupMenu(item.submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, outer.left + item.rect.left,
                     outer.top + item.rect.bottom, 0, window_, nullptr);
    if (hot_ == &item) item.Leave();
}

void TWinSkinForm::OpenSystemMenu(POINT screen)
{
    const DWORD now = ::GetTickCount();
    if (systemMenuOpenedOnce_ && now - lastSystemMenuTick_ < ::GetDoubleClickTime()) {
        // The icon clicked twice: that closes the window.
        if (dynamic_cast<TWinSysButton*>(hot_)) {
            ::KillTimer(window_, kHoverTimerId);
            hoverTimerOn_ = false;
            ::PostMessageA(window_, WM_CLOSE, 0, 0);
        }
        return;
    }
    systemMenuOpenedOnce_ = true;
    lastSystemMenuTick_ = now;
    if (TSkinManage* manager = TSkinManage::Current()) manager->SetPopupKind(PopupKind::System);

    UniqueMenu popup(::CreatePopupMenu());
    if (!popup) return;
    const bool sizeable = border_ == bkSizeable;
    auto enabledFor = [&](UINT id) {
        switch (id & 0xFFF0) {
        case SC_RESTORE: return windowState_ != 0;
        case SC_MOVE: return windowState_ != 1;
        case SC_SIZE: return sizeable && windowState_ == 0;
        case SC_MINIMIZE: return (caps_ & capMinimize) && windowState_ != 2;
        case SC_MAXIMIZE: return (caps_ & capMaximize) && windowState_ != 1;
        default: return true;
        }
    };
    const int count = systemMenu_ ? ::GetMenuItemCount(systemMenu_) : 0;
    if (count > 0) {
        for (int i = 0; i < count; ++i) {
            char text[128] = {};
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text - 1;
            if (!::GetMenuItemInfoA(systemMenu_, static_cast<UINT>(i), TRUE, &info)) continue;
            if (info.fType & MFT_SEPARATOR) {
                ::AppendMenuA(popup.Get(), MF_SEPARATOR, 0, nullptr);
                continue;
            }
            ::AppendMenuA(popup.Get(), MF_STRING | (enabledFor(info.wID) ? 0 : MF_GRAYED), info.wID, text);
        }
    } else {
        // The fixed items of systems that give no system menu.
        ::AppendMenuA(popup.Get(), MF_STRING | (enabledFor(SC_RESTORE) ? 0 : MF_GRAYED), SC_RESTORE, "Restore");
        ::AppendMenuA(popup.Get(), MF_STRING | (enabledFor(SC_MAXIMIZE) ? 0 : MF_GRAYED), SC_MAXIMIZE, "Maximize");
        ::AppendMenuA(popup.Get(), MF_STRING | (enabledFor(SC_MINIMIZE) ? 0 : MF_GRAYED), SC_MINIMIZE, "Minimize");
        ::AppendMenuA(popup.Get(), MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(popup.Get(), MF_STRING, SC_CLOSE, "Close\tALT+F4");
    }
    ::SetMenuDefaultItem(popup.Get(), SC_CLOSE, FALSE);
    menuItems_.Adopt(popup.Get(), data_.MenuGlyphs(), [](UINT id) { return SystemMenuGlyph(id); });
    openSystemPopup_ = popup.Get();
    ::TrackPopupMenu(popup.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_,
                     nullptr);
    openSystemPopup_ = nullptr;
    menuItems_.Release(popup.Get());
}

void TWinSkinForm::OnHoverTimer()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    const POINT p{cursor.x - outer.left, cursor.y - outer.top};
    if (!hot_) {
        hoverTime_ = 0;
        return;
    }
    if (!Contains(hot_->rect, p)) {
        hot_->Leave();
        hoverTime_ = 0;
        return;
    }
    auto* button = dynamic_cast<TWinSysButton*>(hot_);
    if (!button || !data_.Options.Contains(xoCaptionButtonHint)) return;
    hoverTime_ += kHoverIntervalMs;
    const std::string text = CaptionButtonHint(button->Element().Action);
    if (text.empty()) return;
    if (hoverTime_ >= 2 * kHintPauseMs && hoverTime_ < 2 * kHintPauseMs + kHintHidePauseMs) {
        if (shownHint_.empty()) ShowHint(text, POINT{outer.left + button->rect.left, cursor.y + 24});
    } else if (hoverTime_ >= 2 * kHintPauseMs + kHintHidePauseMs) {
        HideHint();
        hoverTime_ = 2 * kHintPauseMs + kHintHidePauseMs;  // stays hidden until the mouse leaves
    }
}

void TWinSkinForm::ShowHint(const std::string& text, POINT at)
{
    const HWND tip = data_.HintWindow();
    shownHint_ = text;
    if (!tip) return;
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = window_;
    info.uId = 1;
    info.lpszText = shownHint_.data();
    ::SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 500);
    ::SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    ::SendMessageA(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void TWinSkinForm::HideHint()
{
    hoverTime_ = 0;
    if (shownHint_.empty()) return;
    shownHint_.clear();
    const HWND tip = data_.HintWindow();
    if (!tip) return;
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = window_;
    info.uId = 1;
    ::SendMessageA(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    ::SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// --- the factory and the process's manager -----------------------------------------------------

std::unique_ptr<SkinnedForm> SkinWindowFactory::CreateForm(HWND window, ui::Control* form, const std::string& className,
                                                           TSkinData& data)
{
    return std::make_unique<TWinSkinForm>(window, form, className, data);
}

std::unique_ptr<SkinnedPopup> SkinWindowFactory::CreatePopup(HWND window, TSkinData& data)
{
    return std::make_unique<TWinSkinPopMenu>(window, data);
}

SkinManagerLink* ProcessSkinManager()
{
    static SkinWindowFactory factory;
    static std::unique_ptr<TSkinManage> manager;
    if (!TSkinManage::Current()) manager = std::make_unique<TSkinManage>(factory);
    return TSkinManage::Current();
}

}  // namespace aw::skin
