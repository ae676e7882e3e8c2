#pragma once
// The control painters this program draws: push buttons, check boxes and radio buttons, the
// status bar, edits, panels and group boxes, tab controls and their sheets, and scroll bars.

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/control_states.h"
#include "skin/controls/scroll_geometry.h"
#include "skin/controls/skin_control.h"

namespace aw::skin {

// The Tag that gives a button or check box the parent's background instead of a filled face.
inline constexpr int kTransparentTag = 5555;
// The Tag that gives a page control's tabs close boxes.
inline constexpr int kCloseBoxTag = 7777;
// Asked of the form when a tab's close box is clicked: wParam the tab control, lParam the tab.
// An answer of 0 frees the tab's page.
inline constexpr UINT kMsgCloseTab = 0x3507;

class TSkinButton : public TSkinControl {
public:
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;

    bool Pressed() const { return pressed_; }
    bool MouseOver() const { return mouseOver_; }
    // The frame the next paint shows.
    int CurrentFrame() const;

protected:
    bool BeforeMessage(Message& m) override;
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    void Click();
    bool foreign_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
    bool mouseOver_ = false;
};

// Check boxes and, with `radio`, radio buttons.
class TSkinCheckBox : public TSkinControl {
public:
    explicit TSkinCheckBox(bool radio = false) : radio_(radio) {}
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;
    int CurrentFrame() const;

protected:
    bool BeforeMessage(Message& m) override;
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    HBITMAP Image() const;
    int FrameCount() const;
    CheckMark Mark() const;
    bool radio_;
    bool transparent_ = false;
    bool mouseOver_ = false;
    int recordedCheck_ = 0;  // BM_SETCHECK's wParam + 1, 0 before any
};

class TSkinStatusBar : public TSkinControl {
protected:
    bool BeforeMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;
};

// Edits: the border drawn in the skin's shadow colour; an up-down control inside the edit gets
// its own painter.
class TSkinEdit : public TSkinControl {
protected:
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    bool upDownLooked_ = false;
};

// Panels: the face in the skin's colour (background mode) and a bordered panel's border in the
// skin's shadow colour.
class TSkinBox : public TSkinControl {
protected:
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;
};

class TSkinGroupBox : public TSkinControl {
protected:
    bool BeforeMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;
};

class TSkinTab : public TSkinControl {
public:
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;
    bool HasCloseBoxes() const { return closeBoxes_; }

protected:
    bool BeforeMessage(Message& m) override;
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    int Side() const;
    // The page image turned to the tabs' side, made when first needed.
    HBITMAP PaneFor(HBITMAP pane, int side);
    bool closeBoxes_ = false;
    UniqueBitmap turnedPane_;
    HBITMAP turnedFrom_ = nullptr;
    int turnedSide_ = 0;
};

// A tab control's page: its face in the skin's ButtonFace.
class TSkinTabSheet : public TSkinControl {
protected:
    bool BeforeMessage(Message& m) override;
};

class TSkinScrollbar;

// Where a skinned bar lies and what it shows, as the platform or the control reports it.
struct BarGeometry {
    RECT screen{};        // the bar's rectangle on the screen
    int length = 0;       // along its axis
    ThumbSpan thumb;      // along the axis, from the bar's start
    bool enabled = false;
    bool visible = false;
    bool operator==(const BarGeometry& other) const;
};

// A window of its own laid over one of a control's native scroll bars, or over a whole
// scroll-bar control; it draws the bar from the skin and hands presses to the control, so that
// the control's own scrolling runs.
class TWScrollbar {
public:
    enum Mode { NativeHorizontal = 0, NativeVertical = 1, ScrollBarControl = 2 };

    TWScrollbar(TSkinScrollbar& owner, HWND control, Mode mode);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    HWND Handle() const { return window_; }
    bool Vertical() const { return vertical_; }
    // Lies over the native bar (or the control), or hides when that is hidden.
    void Place();
    void Repaint();
    void NoteScrollCode(int code) { lastCode_ = code; }
    ScrollPart HotPart() const { return hot_; }
    bool Pressed() const { return pressed_; }
    void Reparent(HWND parent);
    // A press on the bar that the control received itself (at a screen point): the bar shows
    // it until EndPress. NoteHover follows the cursor over the bar the same way.
    void NotePress(POINT screen);
    void EndPress();
    void NoteHover(POINT screen);
    // The native bar as the platform reports it; false when it cannot be had (or in mode 2).
    bool NativeInfo(SCROLLBARINFO& info) const;
    BarGeometry Geometry() const;

    static const char* ClassName();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void Press(POINT client);
    ScrollPart HitTest(POINT client) const;

    TSkinScrollbar& owner_;
    HWND control_;
    Mode mode_;
    bool vertical_;
    HWND window_ = nullptr;
    bool popup_ = false;
    int arrow_;
    ScrollPart hot_ = ScrollPart::None;
    bool pressed_ = false;
    POINT pressAt_{};
    int thumbAtPress_ = 0;
    int lastCode_ = -1;
};

class TSkinScrollbar : public TSkinControl {
public:
    ~TSkinScrollbar() override;
    // Attaches to a control with native scroll bars: two bar windows over them.
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;
    void Detach() override;

    // The bar over the native horizontal or vertical bar; for a scroll-bar control, its one bar
    // whichever is asked.
    TWScrollbar* Bar(bool vertical) const;
    TSkinData& Data() const { return *data_; }
    // Places both bars and repaints them when the native bars changed.
    void SyncBars(bool force);

protected:
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;
    void Restore() override;

private:
    std::unique_ptr<TWScrollbar> horizontal_;
    std::unique_ptr<TWScrollbar> vertical_;
    bool addedClipSiblings_ = false;
    bool fixedColorSet_ = false;
    std::string savedFixedColor_;
    bool drawsBorder_ = false;
    BarGeometry last_[2];
    bool syncing_ = false;
};

// The scroll bars of a combo box's drop-down list, shown while the list is dropped.
class TComboxScrollBar : public TSkinScrollbar {
protected:
    bool BeforeMessage(Message& m) override;
    void AfterMessage(Message& m) override;

private:
    bool pressing_ = false;
};

// The edit border: a ring in the shadow colour and two white rings inside it, unless the
// window has no border (its client area as wide or as high as the window).
void DrawEditBorder(HWND window, HDC dc, const RECT& rect, Colour shadow);

}  // namespace aw::skin
