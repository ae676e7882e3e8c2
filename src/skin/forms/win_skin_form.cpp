#include "skin/forms/win_skin_form.h"

#include <algorithm>

#include "platform/gdi.h"
#include "platform/window_subclass.h"
#include "skin/controls/control_skinning.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/forms/frame_painter.h"
#include "skin/forms/window_queries.h"
#include "skin/manager/skin_manager.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

constexpr UINT_PTR kSkinSubclassId = 0x534B;  // 'SK'; stacks on the framework's own subclass

std::uint32_t StyleOf(HWND window) { return static_cast<std::uint32_t>(::GetWindowLongA(window, GWL_STYLE)); }

}  // namespace

// --- attaching --------------------------------------------------------------------------------

TWinSkinForm::TWinSkinForm(HWND window, ui::Control* form, std::string className, TSkinData& data)
    : window_(window), form_(form), className_(std::move(className)), data_(data), frame_(window), systemMenu_(window),
      buttons_(*this), hint_(window, data)
{
    if (form_ && data_.OnBeforeSkinForm) data_.OnBeforeSkinForm(data_, window_, className_);
    frame_.RecordOriginal();
    systemMenu_.Fetch();
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
    ReadStyles();
    // The system menu is drawn natively on the 9x family.
    if (manager && manager->Windows9x()) data_.SkinControls.Exclude(xcSystemMenu);

    subclassed_ = aw::subclass::Set(window_, &TWinSkinForm::SubclassProc, kSkinSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (kind_ == WindowKind::MdiFrame)
        mdiClient_ =
            std::make_unique<MdiClientSkin>(::FindWindowExA(window_, nullptr, "MDIClient", nullptr), *this, data_);
    if (frameSkinning_)
        SetUpFrame();
    else
        state_ = FormState::SetUp;
    ::SendMessageA(window_, kMsgEngineHello, 0, kEngineHelloLParam);
}

// The window kind, frame skinning, border kind, caption capabilities and window state, from
// the styles before the skin changes them.
void TWinSkinForm::ReadStyles()
{
    const std::uint32_t style = StyleOf(window_);
    const auto exStyle = static_cast<std::uint32_t>(::GetWindowLongA(window_, GWL_EXSTYLE));
    if (exStyle & style_bits::kExMdiChild)
        kind_ = WindowKind::MdiChild;
    else if (::FindWindowExA(window_, nullptr, "MDIClient", nullptr))
        kind_ = WindowKind::MdiFrame;
    frameSkinning_ =
        data_.SkinControls.Contains(xcMainMenu) && !(IsMdiChild() && data_.Options.Contains(xoMDIChildBorder));
    border_ = BorderKindOf(style, exStyle, className_);
    standardDialog_ = IsStandardDialogClass(className_);
    caps_ = CaptionCapabilitiesOf(style, exStyle, systemMenu_.Exists());
    rightToLeft_ = (exStyle & style_bits::kExLeftScrollBar) != 0;
    ReadWindowState();
}

void TWinSkinForm::SetUpFrame()
{
    if (::GetMenu(window_) && !IsMdiChild()) {
        menuBar_ = std::make_unique<TWinSkinMenu>(*this);
        TakeNativeMenu();
    }
    TSkinManage* manager = TSkinManage::Current();
    const bool mdiMaximized = manager && manager->MDIMaximized();
    if (windowState_ != WindowState::Minimized && !(IsMdiChild() && mdiMaximized)) frame_.RemoveCaptionStyles();
    RecomputeMetrics();
    // An MDI child gets at least the platform's caption height above its client area.
    if (IsMdiChild()) {
        const int wanted = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFRAME);
        if (metrics_.top < wanted) extraTop_ = wanted - metrics_.top;
        metrics_.menuBar = extraTop_;  // the band under the title, filled with the face colour
        if (windowState_ == WindowState::Maximized && manager) manager->SetMDIMaximized(true);
    }
}

void TWinSkinForm::TakeNativeMenu()
{
    const HMENU menu = ::GetMenu(window_);
    if (!menu || !menuBar_) return;
    nativeMenu_ = menu;
    menuBar_->Build(menu);
    ::SetMenu(window_, nullptr);  // the platform draws no menu bar of its own
}

void TWinSkinForm::TakeNewMenu()
{
    if (!menuBar_) return;
    TakeNativeMenu();
    PaintNonClient(true);
}

void TWinSkinForm::RestoreMenuBar()
{
    if (menuBar_ && nativeMenu_) menuBar_->Build(nativeMenu_);
    PaintNonClient(true);
}

void TWinSkinForm::TakeStateOfCommand(UINT command)
{
    if (command == SC_MINIMIZE)
        windowState_ = WindowState::Minimized;
    else if (command == SC_MAXIMIZE)
        windowState_ = WindowState::Maximized;
    else if (command == SC_RESTORE)
        windowState_ = WindowState::Normal;
}

void TWinSkinForm::ReadWindowState()
{
    if (::IsZoomed(window_))
        windowState_ = WindowState::Maximized;
    else if (::IsIconic(window_))
        windowState_ = WindowState::Minimized;
    else
        windowState_ = WindowState::Normal;
}

void TWinSkinForm::RecomputeMetrics()
{
    if (!data_.SkinReady()) return;
    const auto& b = data_.Skin().borders;
    auto sizeOf = [](const TDataSkinObject& element) {
        const SIZE size = BitmapSize(element.image.Get());
        return ImageSize{size.cx, size.cy, std::max(element.FrameCount, 1)};
    };
    metrics_ = FrameMetricsFromBorders(border_, sizeOf(b[bsLeft]), sizeOf(b[bsRight]), sizeOf(b[bsTop]),
                                       sizeOf(b[bsBottom]), menuBar_ ? ::GetSystemMetrics(SM_CYMENU) : 0);
    ReloadSkinObjects();
}

void TWinSkinForm::ReloadSkinObjects()
{
    // Everything else is read from the skin data at every paint; only the caption buttons hold
    // references to its element objects, which a new skin replaces.
    hot_.Clear();
    buttons_.Create();
}

void TWinSkinForm::RecomputeFrame()
{
    RecomputeMetrics();
    if (!IsSetUp()) return;
    NotifyFrameChanged(window_);
    frame_.ForgetRegionSize();
    BuildRegion();
}

void TWinSkinForm::Repaint() { PaintNonClient(true); }

void TWinSkinForm::ShowMdiMaximized(bool maximized)
{
    if (!IsMdiChild()) return;
    if (maximized)
        frame_.RestoreCaptionStyles();
    else
        frame_.RemoveCaptionStyles();
    NotifyFrameChanged(window_);
}

// Every control of the window, nested ones included, goes through the control dispatch. A
// handler of OnSkinControl sees each control the dispatch offers it and may supply a painter of
// its own: a control painter is attached like the skin's own; any other object is kept with the
// form until it unskins.
void TWinSkinForm::SkinControls()
{
    ControlSkinHooks hooks;
    if (data_.OnSkinControl) {
        hooks.onSkinControl = [this](HWND form, HWND control, ui::Control* frameworkControl, const std::string&,
                                     bool&) -> std::unique_ptr<TSkinControl> {
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
    buttons_.BuildIconBitmap();
    SkinControls();
    if (state_ == FormState::Created && frameSkinning_) {
        if (IsMdiChild()) {
            if (windowState_ == WindowState::Minimized)
                frame_.RestoreCaptionStyles();
            else if (windowState_ == WindowState::Normal)
                ApplyFrame();
        } else if (!(StyleOf(window_) & WS_CHILD) && border_ != bkNoCaption && windowState_ != WindowState::Minimized) {
            ApplyFrame();
        }
    }
    if (data_.OnAfterSkinForm) data_.OnAfterSkinForm(data_, window_, className_);
    state_ = FormState::SetUp;
    if (frameSkinning_) PaintNonClient(true);
    hoverTimerOn_ = ::SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr) != 0;
}

// Resizes the window round its client area under the skinned frame, then cuts its region.
void TWinSkinForm::ApplyFrame()
{
    state_ = FormState::ApplyingFrame;
    frame_.Apply(FormFrame::Fit{metrics_, windowState_, IsMdiChild(), standardDialog_}, data_);
    state_ = FormState::SetUp;
    BuildRegion();
}

void TWinSkinForm::BuildRegion()
{
    if (!frameSkinning_ || state_ == FormState::Destroying || state_ == FormState::Destroyed) return;
    if (IsMdiChild() && windowState_ != WindowState::Normal) return;
    const bool sameSizeToo = IsMdiChild() || state_ == FormState::Paintable;
    frame_.BuildRegion(FormFrame::Shape{metrics_, border_, windowState_ == WindowState::Minimized, sameSizeToo}, data_);
}

void TWinSkinForm::Unskin()
{
    if (!subclassed_) return;
    const bool destroying = state_ == FormState::Destroying || !::IsWindow(window_);
    StopHoverTimer();
    hint_.Hide();
    hot_.Clear();
    // The controls first: each painter gives its control back before the frame changes.
    UnskinControlsOf(window_);
    RECT client{};
    ::GetClientRect(window_, &client);
    frame_.RestoreCaptionStyles();
    frame_.RemoveRegion(!destroying);
    aw::subclass::Remove(window_, &TWinSkinForm::SubclassProc, kSkinSubclassId);
    subclassed_ = false;
    mdiClient_.reset();
    if (nativeMenu_ && !destroying) ::SetMenu(window_, nativeMenu_);
    nativeMenu_ = nullptr;
    menuBar_.reset();
    buttons_.Clear();
    menuItems_.ReleaseAll();
    painters_.clear();
    if (destroying || !frameSkinning_ || state_ == FormState::Created) return;
    frame_.GiveBackNativeFrame(client);
}

// --- painting ---------------------------------------------------------------------------------

CaptionState TWinSkinForm::GetCaptionState() const
{
    CaptionState s;
    s.maximized = windowState_ == WindowState::Maximized;
    s.active = active_;
    s.capabilities = caps_;
    s.border = border_;
    s.standardDialog = standardDialog_;
    const TSkinManage* manager = TSkinManage::Current();
    s.mdiChildMaximizedWithMenuBar = manager && manager->MDIMaximized() && menuBar_ != nullptr;
    return s;
}

void TWinSkinForm::ApplyHotEffects(const HotEffects& effects)
{
    if (effects.hideHint) hint_.Hide();
    if (effects.redraw) PaintNonClient(false);
}

// The band under the title: the menu bar, or the extra top space of an MDI child.
void TWinSkinForm::DrawMenuBand(HDC buffer, int width)
{
    const FrameMetrics& m = metrics_;
    if (menuBar_) {
        menuBar_->Paint(buffer, Rect{m.left, m.top, width - m.right, m.top + m.menuBar}, active_);
    } else if (extraTop_ > 0) {
        const RECT r{m.left, m.top, width - m.right, m.top + extraTop_};
        ::FillRect(buffer, &r, data_.ButtonFaceBrush());
    }
}

void TWinSkinForm::DrawTitleAndButtons(HDC buffer, int width)
{
    const CaptionState caption = GetCaptionState();
    buttons_.Layout(width, caption, titleRect_, metrics_);
    TitleFacts facts;
    facts.width = width;
    facts.metrics = &metrics_;
    facts.active = active_;
    facts.dialogBorder = border_ == bkDialog;
    facts.popupWindow = (StyleOf(window_) & WS_POPUP) != 0;
    facts.rightToLeft = rightToLeft_;
    facts.widestRightButtonXCoord = buttons_.WidestRightXCoord();
    titleRect_ = DrawTitleText(buffer, " " + WindowText(window_), data_, facts);
    buttons_.Layout(width, caption, titleRect_, metrics_);  // buttons beside the text follow it
    buttons_.Draw(buffer);
}

void TWinSkinForm::PaintNonClient(bool forgetHot)
{
    if (!IsSetUp() || border_ == bkNoCaption || IsMaximizedMdiChild()) return;
    if (forgetHot) hot_.Forget();
    const SIZE size = WindowSize(window_);
    if (size.cx <= 0 || size.cy <= 0) return;
    WholeWindowDC target(window_);
    if (!target.Get()) return;
    UniqueBitmap buffer(::CreateCompatibleBitmap(target.Get(), size.cx, size.cy));
    MemoryDC dc(target.Get());
    SelectedObject selected(dc.Get(), buffer.Get());
    if (!selected.Ok()) return;
    const bool minimized = windowState_ == WindowState::Minimized;
    try {
        DrawFrameBorders(dc.Get(), size.cx, size.cy, data_, metrics_, active_, minimized);
        if (!minimized) DrawMenuBand(dc.Get(), size.cx);
        DrawTitleAndButtons(dc.Get(), size.cx);
    } catch (const std::exception& error) {
        // A broken skin image never stops the window from working; what was drawn is shown.
        data_.ReportPaintFault("the frame of a form", error.what());
    } catch (...) {
        data_.ReportPaintFault("the frame of a form", nullptr);
    }
    SavedDC saved(target.Get());
    if (!minimized) {
        const Rect client = ClientRectInWindow(metrics_, Rect{0, 0, size.cx, size.cy});
        ::ExcludeClipRect(target.Get(), client.left, client.top, client.right, client.bottom);
    }
    ::BitBlt(target.Get(), 0, 0, size.cx, size.cy, dc.Get(), 0, 0, SRCCOPY);
}

// --- messages ---------------------------------------------------------------------------------

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return reinterpret_cast<TWinSkinForm*>(self)->Handle(message, wParam, lParam);
}

LRESULT TWinSkinForm::Previous(UINT message, WPARAM wParam, LPARAM lParam)
{
    return aw::subclass::CallNext(window_, message, wParam, lParam);
}

LRESULT TWinSkinForm::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> result = AnyStateMessage(message, wParam, lParam)) return *result;
    if (frameSkinning_)
        if (const std::optional<LRESULT> result = FrameMessage(message, wParam, lParam)) return *result;
    return Previous(message, wParam, lParam);
}

// The messages handled whether or not the frame is skinned, in every state.
std::optional<LRESULT> TWinSkinForm::AnyStateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        if (state_ == FormState::Created) return 0;
        return std::nullopt;
    case WM_ERASEBKGND: return OnEraseBackground(wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    case WM_NCACTIVATE:
        // Before set-up the platform must not paint its caption; the change itself goes ahead.
        if (state_ == FormState::Created && !IsMdiChild()) return TRUE;
        return std::nullopt;
    case kMsgThemedCaptionRedraw: return 0;
    case WM_INITMENUPOPUP: return OnInitMenuPopup(wParam, lParam);
    case WM_UNINITMENUPOPUP:
        menuItems_.Release(reinterpret_cast<HMENU>(wParam));
        return Previous(message, wParam, lParam);
    case WM_EXITMENULOOP:
        if (!systemMenu_.OpenPopup()) menuItems_.ReleaseAll();
        return Previous(message, wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return OnControlColour(message, wParam, lParam);
    case kMsgFinishAttach:
        if (lParam != kFinishAttachLParam) return std::nullopt;
        FinishAttach();
        return 0;
    case kMsgSkinnedQuery: ::PostMessageA(window_, kMsgEngineHello, 0, kEngineHelloLParam); return 1;
    default: return std::nullopt;
    }
}

// The messages of a skinned frame.
std::optional<LRESULT> TWinSkinForm::FrameMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: return OnSize(wParam, lParam);
    case WM_ACTIVATE: active_ = LOWORD(wParam) != WA_INACTIVE; return std::nullopt;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(wParam, lParam);
    case WM_WINDOWPOSCHANGED: ReadWindowState(); return std::nullopt;
    case WM_SETICON:
    case WM_SETTEXT: return OnCaptionChanged(message, wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_MEASUREITEM:
        if (MeasureSkinMenuItem(data_, menuItems_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        return std::nullopt;
    case WM_DRAWITEM:
        if (DrawSkinMenuItem(data_, menuItems_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        return std::nullopt;
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT: return OnNcPaint();
    case WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
    case WM_NCMOUSEMOVE: return OnNcMouseMove(lParam);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP: return OnNcLButtonUp(lParam);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: return OnNcRButton(message, wParam, lParam);
    case WM_TIMER:
        if (wParam != kHoverTimerId) return std::nullopt;
        OnHoverTimer();
        return 0;
    case kMsgRepaintFrame: PaintNonClient(true); return 0;
    default: return std::nullopt;
    }
}

LRESULT TWinSkinForm::OnEraseBackground(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Previous(WM_ERASEBKGND, wParam, lParam);
    if (form_) return result;
    RECT client{};
    ::GetClientRect(window_, &client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, data_.ButtonFaceBrush());
    return 1;
}

LRESULT TWinSkinForm::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    const HWND window = window_;
    state_ = FormState::Destroying;
    Unskin();
    const LRESULT result = aw::subclass::CallNext(window, WM_NCDESTROY, wParam, lParam);
    state_ = FormState::Destroyed;
    return result;
}

LRESULT TWinSkinForm::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    const auto menu = reinterpret_cast<HMENU>(wParam);
    if (TSkinManage* manager = TSkinManage::Current()) {
        const bool system = HIWORD(lParam) || systemMenu_.IsSystemMenu(menu);
        manager->SetPopupKind(system ? PopupKind::System : PopupKind::MenuBar);
    }
    const LRESULT result = Previous(WM_INITMENUPOPUP, wParam, lParam);
    if (frameSkinning_ && menu != systemMenu_.OpenPopup()) menuItems_.Adopt(menu, nullptr);
    return result;
}

// A bare window's static texts and buttons draw on the skin's face colour.
LRESULT TWinSkinForm::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Previous(message, wParam, lParam);
    if (form_) return result;
    ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    if (message == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(data_.ButtonFaceBrush());
    return result;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Previous(WM_SIZE, wParam, lParam);
    if (wParam == SIZE_RESTORED)
        windowState_ = WindowState::Normal;
    else if (wParam == SIZE_MINIMIZED)
        windowState_ = WindowState::Minimized;
    else if (wParam == SIZE_MAXIMIZED)
        windowState_ = WindowState::Maximized;
    if (windowState_ != WindowState::Minimized && IsSetUp()) BuildRegion();
    return result;
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Previous(WM_GETMINMAXINFO, wParam, lParam);
    ReadWindowState();
    if (windowState_ == WindowState::Minimized || IsMaximizedMdiChild())
        frame_.RestoreCaptionStyles();
    else
        frame_.RemoveCaptionStyles();
    return result;
}

// The platform's default handling of a new icon or text repaints its own caption straight
// away; the skin paints over it.
LRESULT TWinSkinForm::OnCaptionChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Previous(message, wParam, lParam);
    if (message == WM_SETICON) buttons_.BuildIconBitmap();
    PaintNonClient(true);
    return result;
}

// The skinned system menu's items arrive as commands; the window gets them as system commands.
std::optional<LRESULT> TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 || !IsSystemCommandId(LOWORD(wParam))) return std::nullopt;
    ::PostMessageA(window_, WM_SYSCOMMAND, LOWORD(wParam), 0);
    return 0;
}

std::optional<LRESULT> TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    if (command == SC_KEYMENU && ::GetCapture() == nullptr && OpenFromKeyboard(static_cast<char>(lParam))) return 0;
    TakeStateOfCommand(command);
    if (IsMdiChild() && command == SC_MINIMIZE) frame_.RestoreCaptionStyles();
    if (IsMdiChild() && command == SC_RESTORE) frame_.RemoveCaptionStyles();
    if (command == SC_RESTORE)
        if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIMaximized(false);
    return std::nullopt;
}

// Alt+Space opens the system menu at the client area's top-left corner; Alt with another key
// opens the menu-bar item of that mnemonic (the first item for none).
bool TWinSkinForm::OpenFromKeyboard(char key)
{
    if (key == ' ') {
        POINT origin{0, 0};
        ::ClientToScreen(window_, &origin);
        OpenSystemMenu(origin);
        return true;
    }
    if (key == '-' || !menuBar_) return false;
    TMenuBtn* item = menuBar_->ItemForKey(key);
    if (!item) return false;
    item->Press();
    menuBar_->Open(*item);
    return true;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    if (wParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        const RECT proposed = params->rgrc[0];
        Previous(WM_NCCALCSIZE, wParam, lParam);
        const bool whole = border_ == bkNoCaption || (IsMdiChild() && windowState_ != WindowState::Normal);
        params->rgrc[0] = whole ? proposed : ToRECT(ClientRectInWindow(metrics_, ToRect(proposed)));
        return 0;
    }
    auto* rect = reinterpret_cast<RECT*>(lParam);
    const RECT proposed = *rect;
    Previous(WM_NCCALCSIZE, wParam, lParam);
    if (border_ != bkNoCaption) *rect = ToRECT(ClientRectInWindow(metrics_, ToRect(proposed)));
    return 0;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam)
{
    const LRESULT previous = Previous(WM_NCHITTEST, wParam, lParam);
    return CorrectHitTest(static_cast<int>(previous), ToWindowPoint(lParam).y, metrics_, menuBar_ != nullptr);
}

std::optional<LRESULT> TWinSkinForm::OnNcPaint()
{
    if (border_ == bkNoCaption || IsMaximizedMdiChild()) return std::nullopt;
    PaintNonClient(true);
    return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam)
{
    active_ = wParam != FALSE;
    // The hover timer runs only while the window is active.
    if (active_) {
        StartHoverTimer();
    } else if (hoverTimerOn_) {
        StopHoverTimer();
        if (TNCObject* hot = hot_.Hot()) hot->Leave();
    }
    if (IsMdiChild()) Previous(WM_NCACTIVATE, wParam, lParam);
    PaintNonClient(true);
    return TRUE;
}

void TWinSkinForm::StartHoverTimer()
{
    if (hoverTimerOn_) return;
    hoverTimerOn_ = ::SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr) != 0;
}

void TWinSkinForm::StopHoverTimer()
{
    if (hoverTimerOn_) ::KillTimer(window_, kHoverTimerId);
    hoverTimerOn_ = false;
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
