#pragma once
// TWinSkinForm: the skin of one top-level window. It takes over the non-client area (frame
// metrics, borders, title, caption buttons and menu bar, all composed in one back buffer),
// does its own hit testing and mouse handling, runs the caption-button actions and replaces
// the system menu with an owner-drawn one. Its subclass stacks on whatever subclass the window
// already has and is removed again on unskin, which also restores the styles, the region, the
// menu and the size of the frame.
//
// The form coordinates its parts: FormFrame (styles, size and region), CaptionButtonSet and
// CaptionHint, TWinSkinMenu (the menu bar), SystemMenu, MdiClientSkin (an MDI frame's client),
// and the HotTracker of its clickable objects. Its message handler dispatches each message to
// one of its handlers.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/forms/caption_buttons.h"
#include "skin/forms/caption_hint.h"
#include "skin/forms/form_frame.h"
#include "skin/forms/form_geometry.h"
#include "skin/forms/form_kinds.h"
#include "skin/forms/form_messages.h"
#include "skin/forms/hot_tracker.h"
#include "skin/forms/mdi_client.h"
#include "skin/forms/menu_bar.h"
#include "skin/forms/menu_items.h"
#include "skin/forms/nc_objects.h"
#include "skin/forms/system_menu.h"
#include "skin/manager/skinned_window.h"

namespace aw::ui {
class Control;
}

namespace aw::skin {

class TWinSkinForm final : public SkinnedForm {
public:
    // Attaches to `window`: with a framework form when `form` is given (AttachToForm), to the
    // bare window otherwise (AttachToWindow).
    TWinSkinForm(HWND window, ui::Control* form, std::string className, TSkinData& data);
    ~TWinSkinForm() override;

    // SkinnedForm
    HWND Handle() const override { return window_; }
    TSkinData& SkinData() const override { return data_; }
    FormState State() const override { return state_; }
    void SetState(FormState state) override { state_ = state; }
    bool IsMdiChild() const override { return kind_ == WindowKind::MdiChild; }
    void Unskin() override;
    void ReloadSkinObjects() override;
    void RecomputeFrame() override;
    void Repaint() override;
    void TakeSizeGrip(HWND grip) override { sizeGrip_ = grip; }
    void ShowMdiMaximized(bool maximized) override;

    // What the parts, the painters and tests read.
    const FrameMetrics& Metrics() const { return metrics_; }
    BorderKind Border() const { return border_; }
    bool StandardDialog() const { return standardDialog_; }
    int Capabilities() const { return caps_; }
    bool FrameSkinning() const { return frameSkinning_; }
    bool Active() const { return active_; }
    bool RightToLeft() const { return rightToLeft_; }
    WindowKind Kind() const { return kind_; }
    WindowState GetWindowState() const { return windowState_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return buttons_.All(); }
    const CaptionButtonSet& CaptionButtons() const { return buttons_; }
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    const Rect& TitleRect() const { return titleRect_; }
    TNCObject* Hot() const { return hot_.Hot(); }
    HotTracker<TNCObject>& HotObjects() { return hot_; }
    CaptionState GetCaptionState() const;
    // The hint text showing now (empty when none).
    const std::string& ShownHint() const { return hint_.Shown(); }

    // Carries out what a change of the hot object asks.
    void ApplyHotEffects(const HotEffects& effects);
    // Paints the whole non-client area through one buffer; a full repaint forgets the hot
    // object, an object's own redraw does not.
    void PaintNonClient(bool forgetHot);
    // Opens the skinned system menu at a screen point.
    void OpenSystemMenu(POINT screen);
    // The MDI client's news: a new menu was set, or the last child has gone.
    void TakeNewMenu();
    void RestoreMenuBar();

private:
    static constexpr UINT_PTR kHoverTimerId = 0x3550;
    static constexpr int kHoverIntervalMs = 250;

    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Previous(UINT message, WPARAM wParam, LPARAM lParam);
    // Each returns the result of a message it has handled, nothing for one the previous
    // procedure is to handle.
    std::optional<LRESULT> AnyStateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> FrameMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Set-up and the parts of attaching.
    void SetUp();
    void ReadStyles();
    void SetUpFrame();
    void FinishAttach();
    void SkinControls();
    void ApplyFrame();
    void BuildRegion();
    void TakeNativeMenu();
    void ReadWindowState();
    // The state a minimize, maximize or restore command brings, taken before it is carried out.
    void TakeStateOfCommand(UINT command);
    // The frame metrics from the border images, and the caption buttons anew.
    void RecomputeMetrics();
    bool IsSetUp() const { return state_ == FormState::SetUp || state_ == FormState::Paintable; }
    bool IsMaximizedMdiChild() const { return IsMdiChild() && windowState_ == WindowState::Maximized; }

    // Painting.
    void DrawMenuBand(HDC buffer, int width);
    void DrawTitleAndButtons(HDC buffer, int width);

    // Message handlers (the non-client mouse ones are in form_mouse.cpp).
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptionChanged(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnCommand(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnSysCommand(WPARAM wParam, LPARAM lParam);
    bool OpenFromKeyboard(char key);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnNcPaint();
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnNcMouseMove(LPARAM lParam);
    std::optional<LRESULT> OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnNcLButtonUp(LPARAM lParam);
    std::optional<LRESULT> OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnNcRButton(UINT message, WPARAM wParam, LPARAM lParam);
    void OnHoverTimer();

    // What the mouse acts on, and what caption buttons do.
    TNCObject* ObjectAt(POINT windowPoint) const;
    POINT ToWindowPoint(LPARAM screenPoint) const;
    void RunAction(TWinSysButton& button, POINT screen);
    void SysCommand(WPARAM command);
    void StartHoverTimer();
    void StopHoverTimer();

    HWND window_;
    ui::Control* form_;
    std::string className_;
    TSkinData& data_;
    FormState state_ = FormState::Created;
    bool subclassed_ = false;
    bool frameSkinning_ = false;
    WindowKind kind_ = WindowKind::Ordinary;
    BorderKind border_ = bkFixed;
    bool standardDialog_ = false;
    int caps_ = 0;
    bool rightToLeft_ = false;
    WindowState windowState_ = WindowState::Normal;
    bool active_ = false;
    FrameMetrics metrics_;
    int extraTop_ = 0;
    Rect titleRect_;
    bool hoverTimerOn_ = false;

    FormFrame frame_;
    SystemMenu systemMenu_;
    CaptionButtonSet buttons_;
    CaptionHint hint_;
    HotTracker<TNCObject> hot_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    HMENU nativeMenu_ = nullptr;  // the menu the window had, given back on unskin
    MenuItemStore menuItems_;     // owner-drawn items of the menus open now
    std::unique_ptr<MdiClientSkin> mdiClient_;
    std::vector<std::unique_ptr<ControlPainter>> painters_;  // supplied by OnSkinControl
    HWND sizeGrip_ = nullptr;
};

// The factory the skin manager makes its per-window objects with.
class SkinWindowFactory final : public SkinnedWindowFactory {
public:
    std::unique_ptr<SkinnedForm> CreateForm(HWND window, ui::Control* form, const std::string& className,
                                            TSkinData& data) override;
    std::unique_ptr<SkinnedPopup> CreatePopup(HWND window, TSkinData& data) override;
};

// The process's one skin manager with the real factory, made on first use. Give it to skin
// components as their manager access.
SkinManagerLink* ProcessSkinManager();

}  // namespace aw::skin
