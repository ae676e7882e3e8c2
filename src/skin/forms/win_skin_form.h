#pragma once
// TWinSkinForm: the skin of one top-level window. It takes over the non-client area (frame
// metrics, borders, title, caption buttons and menu bar, all composed in one back buffer),
// does its own hit testing and mouse handling, runs the caption-button actions and replaces
// the system menu with an owner-drawn one. Its subclass stacks on whatever subclass the window
// already has and is removed again on unskin, which also restores the styles, the region, the
// menu and the size of the frame.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "platform/gdi.h"
#include "skin/forms/form_geometry.h"
#include "skin/forms/menu_items.h"
#include "skin/manager/skinned_window.h"

namespace aw::ui {
class Control;
}

namespace aw::skin {

class TWinSkinForm;

// Engine-private messages of the form skinning.
inline constexpr UINT kMsgRepaintFrame = 0x3502;       // repaint the non-client area
inline constexpr UINT kMsgRedrawMdiFrame = 0x3516;     // to the MDI client: redraw the frame window
inline constexpr UINT kMsgReplaceScrollPainter = 0x3517;
inline constexpr UINT kMsgEngineHello = 0xBC4E;        // sent after set-up, lParam 16802
inline constexpr LPARAM kEngineHelloLParam = 16802;
// The undocumented message with which themed systems redraw a caption.
inline constexpr UINT kMsgThemedCaptionRedraw = 0xAE;

// Set-up states of a skinned form.
enum FormState { fsCreated = 0, fsSetUp = 1, fsPaintable = 3, fsDestroying = 4, fsApplyingFrame = 5, fsDestroyed = 6 };

// A clickable object in the non-client area.
class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& form) : form_(form) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void Press();
    virtual void Release();
    virtual void Hover();
    virtual void Leave();
    virtual void Draw(HDC buffer) = 0;

    Rect rect;  // window coordinates
    bool visible = false;
    int state = 1;  // 1 normal, 2 pressed, 3 hover
    bool enabled = true;

protected:
    TWinSkinForm& form_;
};

// A caption button.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& form, const TDataSkinSysButton& element) : TNCObject(form), element_(element) {}
    void Draw(HDC buffer) override;
    const TDataSkinSysButton& Element() const { return element_; }
    CaptionButtonTraits Traits() const;
    bool IsMdiButton() const { return element_.Align == 100; }

private:
    const TDataSkinSysButton& element_;
};

// An item of the skinned menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& form, std::string text, UINT id, HMENU submenu, bool itemEnabled)
        : TNCObject(form), text(std::move(text)), id(id), submenu(submenu)
    {
        enabled = itemEnabled;
        visible = true;
    }
    void Draw(HDC buffer) override;

    std::string text;
    UINT id;
    HMENU submenu;
};

// The skinned menu bar: the window's native menu taken off the window and drawn in the band
// under the title.
class TWinSkinMenu {
public:
    explicit TWinSkinMenu(TWinSkinForm& form) : form_(form) {}
    // Reads `menu` item by item and lays the items out; the window keeps no native menu bar.
    void Build(HMENU menu);
    void Layout(const Rect& band, HDC measure);
    void Paint(HDC buffer, const Rect& band, bool active);
    HMENU Menu() const { return menu_; }
    std::vector<std::unique_ptr<TMenuBtn>>& Items() { return items_; }

private:
    TWinSkinForm& form_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
};

class TWinSkinForm final : public SkinnedForm {
public:
    // Attaches to `window`: with a framework form when `form` is given (AttachToForm), to the
    // bare window otherwise (AttachToWindow).
    TWinSkinForm(HWND window, ui::Control* form, std::string className, TSkinData& data);
    ~TWinSkinForm() override;

    // SkinnedForm
    HWND Handle() const override { return window_; }
    TSkinData& SkinData() const override { return data_; }
    int State() const override { return state_; }
    void SetState(int state) override { state_ = state; }
    bool IsMdiChild() const override { return windowKind_ == 2; }
    void Unskin() override;
    void ReloadSkinObjects() override;
    void RecomputeFrame() override;
    void Repaint() override;
    void TakeSizeGrip(HWND grip) override { sizeGrip_ = grip; }
    void ShowMdiMaximized(bool maximized) override;

    // What the painters and tests read.
    const FrameMetrics& Metrics() const { return metrics_; }
    BorderKind Border() const { return border_; }
    bool StandardDialog() const { return standardDialog_; }
    int Capabilities() const { return caps_; }
    bool FrameSkinning() const { return frameSkinning_; }
    bool Active() const { return active_; }
    bool RightToLeft() const { return rightToLeft_; }
    int WindowState() const { return windowState_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return buttons_; }
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    const Rect& TitleRect() const { return titleRect_; }
    TNCObject* Hot() const { return hot_; }
    void SetHot(TNCObject* object) { hot_ = object; }
    CaptionState GetCaptionState() const;
    // The hint text showing now (empty when none).
    const std::string& ShownHint() const { return shownHint_; }

    // Paints the whole non-client area through one buffer; a full repaint forgets the hot
    // object, an object's own redraw does not.
    void PaintNonClient(bool forgetHot);
    void HideHint();
    // Opens the skinned system menu at a screen point.
    void OpenSystemMenu(POINT screen);

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK MdiClientProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT MdiClientMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Takes the window's native menu into the skinned menu bar and off the window.
    void TakeNativeMenu();
    LRESULT FrameMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT Previous(UINT message, WPARAM wParam, LPARAM lParam);

    void SetUp();
    void ReadWindowState();
    void RemoveCaptionStyles();
    void RestoreCaptionStyles();
    void ComputeFrameMetrics();
    void CreateCaptionButtons();
    void LayoutButtons(int windowWidth);
    void BuildIconBitmap();
    void FinishAttach();
    void SkinControls();
    void ApplyFrame();
    void BuildRegion();
    void DrawFrameParts(HDC buffer, int width, int height);
    void DrawTitle(HDC buffer, int width);
    TNCObject* ObjectAt(POINT windowPoint) const;
    POINT ToWindowPoint(LPARAM screenPoint) const;
    void RunAction(TWinSysButton& button, POINT screen);
    void SysCommand(WPARAM command);
    void OnHoverTimer();
    void ShowHint(const std::string& text, POINT at);
    void OpenMenuBarItem(TMenuBtn& item);
    static std::string ClassNameOf(HWND window);

    HWND window_;
    ui::Control* form_;
    std::string className_;
    TSkinData& data_;
    int state_ = fsCreated;
    bool subclassed_ = false;
    bool frameSkinning_ = false;
    int windowKind_ = 0;  // 0 ordinary, 1 MDI frame, 2 MDI child
    BorderKind border_ = bkFixed;
    bool standardDialog_ = false;
    int caps_ = 0;
    bool rightToLeft_ = false;
    int windowState_ = 0;  // 0 normal, 1 maximized, 2 minimized
    bool active_ = false;
    FrameMetrics metrics_;
    int extraTop_ = 0;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    TNCObject* hot_ = nullptr;
    int hoverTime_ = 0;
    bool hoverTimerOn_ = false;
    std::string shownHint_;
    UniqueBitmap iconBitmap_;
    Rect titleRect_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    HMENU nativeMenu_ = nullptr;   // the menu the window had, given back on unskin
    HMENU systemMenu_ = nullptr;   // the window's system menu (owned by the window)
    MenuItemStore menuItems_;      // owner-drawn items of the menus open now
    HMENU openSystemPopup_ = nullptr;
    std::vector<std::unique_ptr<ControlPainter>> painters_;  // supplied by OnSkinControl
    DWORD lastSystemMenuTick_ = 0;
    bool systemMenuOpenedOnce_ = false;
    HWND sizeGrip_ = nullptr;
    HWND mdiClient_ = nullptr;
    bool savedMenuUpdate_ = true;

    // What unskinning gives back.
    std::uint32_t originalStyle_ = 0;
    SIZE clientSize_{};
    SIZE originalWindowSize_{};
    SIZE skinnedClientSize_{-1, -1};
    bool captionStylesRemoved_ = false;
    bool regionSet_ = false;
    SIZE regionSize_{-1, -1};
    bool widened_ = false;
    int childShift_ = 0;
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
