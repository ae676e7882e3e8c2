#pragma once
// What the skin manager attaches: one skinning object per top-level window and one per open
// menu window, made by a factory the form skinning supplies. The manager owns what it makes
// and only drives these objects through the calls below.

#include <windows.h>

#include <memory>
#include <string>

namespace aw::ui {
class Control;
}

namespace aw::skin {

class TSkinData;

// Engine-private window messages.
inline constexpr UINT kMsgFinishAttach = 0x3503;         // posted after attaching: wParam 0, lParam 1000
inline constexpr UINT kMsgPainterSwitch = 0x3506;        // a control painter on or off
inline constexpr UINT kMsgCaptionButtonAction = 0x3514;  // a caption button was used
inline constexpr UINT kMsgCaptionButtonVisible = 0x3515; // is a caption button visible?
inline constexpr UINT kMsgSkinnedQuery = 0x3523;         // a skinned window answers 1
inline constexpr LPARAM kFinishAttachLParam = 1000;

// The set-up state of a skinned form: created, set up (its frame applied), set up with
// painting allowed, being destroyed, applying its frame, and destroyed (its window is gone; it
// only waits for the manager to free it).
enum class FormState { Created = 0, SetUp = 1, Paintable = 3, Destroying = 4, ApplyingFrame = 5, Destroyed = 6 };

class SkinnedForm {
public:
    virtual ~SkinnedForm() = default;
    virtual HWND Handle() const = 0;
    virtual TSkinData& SkinData() const = 0;
    virtual FormState State() const = 0;
    virtual void SetState(FormState state) = 0;
    virtual bool IsMdiChild() const = 0;
    // Restores the window's own procedure and look.
    virtual void Unskin() = 0;
    virtual void ReloadSkinObjects() = 0;
    virtual void RecomputeFrame() = 0;
    virtual void Repaint() = 0;
    // The form's size grip was created.
    virtual void TakeSizeGrip(HWND grip) = 0;
    // Skinned border (false) or the native maximized look (true) of an MDI child.
    virtual void ShowMdiMaximized(bool maximized) = 0;
};

class SkinnedPopup {
public:
    virtual ~SkinnedPopup() = default;
    virtual HWND Handle() const = 0;
    // Gives the menu window its own procedure back.
    virtual void Restore() = 0;
};

class SkinnedWindowFactory {
public:
    virtual ~SkinnedWindowFactory() = default;
    // `form` is the framework form or control bound to `window`, null for a bare window.
    virtual std::unique_ptr<SkinnedForm> CreateForm(HWND window, ui::Control* form, const std::string& className,
                                                    TSkinData& data) = 0;
    virtual std::unique_ptr<SkinnedPopup> CreatePopup(HWND window, TSkinData& data) = 0;
};

}  // namespace aw::skin
