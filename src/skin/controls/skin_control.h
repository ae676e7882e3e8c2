#pragma once
// TSkinControl: the base of the control painters. A painter hooks one control's window (a
// subclass stacked on whatever the control already has), sees every message first, suppresses
// or completes the control's own painting and draws it from the skin. It belongs to the form's
// painter list (ControlSkins), is freed when its window is destroyed, and on detach gives the
// control back exactly as it was.

#include <windows.h>

#include <memory>
#include <string>

#include "skin/data/control_painter.h"
#include "skin/data/skin_data.h"
#include "skin/manager/skinned_window.h"

namespace aw::ui {
class Control;
}

namespace aw::skin {

class ControlSkins;

// A painter's life: attached, or its window was destroyed.
inline constexpr int kPainterAttached = 1;
inline constexpr int kPainterWindowDestroyed = 6;

class TSkinControl : public ControlPainter {
public:
    TSkinControl() = default;
    ~TSkinControl() override;
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // A framework control (`control` given) or a bare window (`control` null).
    virtual void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode);
    void AttachHandle(HWND window, TSkinData& data, ControlSkins& form) { Attach(window, nullptr, data, form, false); }
    // Stops painting and gives the control its colour and ParentBackground back.
    virtual void Detach();

    HWND Handle() const { return window_; }
    ui::Control* FrameworkControl() const { return control_; }
    bool Active() const { return active_; }
    int LifeState() const { return lifeState_; }
    bool BackgroundMode() const { return backgroundMode_; }

    // Draws the control now on `dc`, or on its own window DC when dc is null.
    virtual void PaintNow(HDC dc);
    virtual void Refresh();

protected:
    struct Message {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
    };

    // False: the painter handled the message, the control never sees it. True: the control's
    // own handling runs, then AfterMessage.
    virtual bool BeforeMessage(Message& m);
    // For painters that draw the whole control: WM_PAINT paints it (on the DC the message
    // brings, else between BeginPaint and EndPaint) and WM_ERASEBKGND is answered as done, so
    // the control's own painting never runs. True when the message was one of the two.
    bool PaintsWholly(Message& m);
    // Paints the control for a WM_PAINT or WM_PRINTCLIENT: on the DC the message brings, else
    // between BeginPaint and EndPaint.
    void PaintForMessage(const Message& m);
    virtual void AfterMessage(Message& m);
    virtual void Draw(HDC dc, const RECT& rect) {}
    // Undoes what a member changed on the window beyond the base's own changes.
    virtual void Restore() {}

    // The control's own handling of a message.
    LRESULT CallPrevious(const Message& m) const;
    // The control's published property, or the fallback.
    std::string Property(const char* name, const std::string& fallback = {}) const;
    std::string CaptionText() const;
    HFONT ControlFont() const;
    bool Focused() const { return ::GetFocus() == window_; }
    bool Enabled() const { return (::GetWindowLongA(window_, GWL_STYLE) & WS_DISABLED) == 0; }
    Colour SkinColour(ColourSlot slot) const;
    // Asks for WM_MOUSELEAVE once the cursor leaves the window.
    void TrackMouseLeave() const;
    // The painter failed: the fault is reported to the skin component, and the control is
    // drawn by itself from then on.
    void GiveUp(const char* what);

    HWND window_ = nullptr;
    ui::Control* control_ = nullptr;
    TSkinData* data_ = nullptr;
    ControlSkins* form_ = nullptr;
    bool backgroundMode_ = false;
    bool foreignBackground_ = false;
    bool active_ = false;
    bool attached_ = false;
    int lifeState_ = 0;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void Unhook();

    bool hooked_ = false;
    bool colourSaved_ = false;
    std::string savedColour_;
    bool parentBackgroundCleared_ = false;
};

// The parent's background under a child's rectangle, drawn on `dc` at the child's origin.
void PaintParentBackground(HWND child, HDC dc, const RECT& rect);

// An off-screen bitmap the size of a rectangle, copied to the target when done.
class BackBuffer {
public:
    BackBuffer(HDC target, int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    HDC Get() const { return dc_.Get(); }
    // Paints the whole buffer with the brush (the painters' usual first step).
    void Fill(HBRUSH brush) const;
    // Copies the buffer to the target at (x, y).
    void CopyTo(int x, int y) const;

private:
    HDC target_;
    int width_;
    int height_;
    MemoryDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace aw::skin
