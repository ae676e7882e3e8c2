#pragma once
// Painters for the common controls beyond the program's own windows: combo boxes and date-time
// pickers, progress bars, track bars, up-down controls, list views with their headers, tool
// bars, and the bit, speed and menu buttons.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "skin/controls/control_geometry.h"
#include "skin/controls/skin_painters.h"

namespace aw::skin {

// A painter that draws the whole control itself: the control's own painting and erasing never
// run while it is active, and the messages that change what the control shows repaint it.
class TSkinSelfPainted : public TSkinControl {
protected:
    bool BeforeMessage(Message& m) override;
    void AfterMessage(Message& m) override;
    // Whether a message (already handled by the control) changes the picture.
    virtual bool Repaints(const Message& m) const;
    // Draws the skin's picture of the control on `dc` (a buffer the size of the window).
    virtual void DrawControl(HDC dc, int width, int height) = 0;
    void Draw(HDC dc, const RECT& rect) override;
    void PaintNow(HDC dc) override;

    // The left button went down on the control and the control still holds the mouse.
    bool Held() const { return pressed_ && ::GetCapture() == window_; }

    bool mouseOver_ = false;
    POINT cursor_{-1, -1};  // the cursor in client coordinates while over the control
    bool pressed_ = false;
    bool painting_ = false;
};

class TSkinProgress : public TSkinSelfPainted {
protected:
    bool Repaints(const Message& m) const override;
    void DrawControl(HDC dc, int width, int height) override;
};

class TSkinTrackBar : public TSkinSelfPainted {
protected:
    void DrawControl(HDC dc, int width, int height) override;

private:
    // A horizontal thumb image turned to stand upright, made when first needed.
    HBITMAP TurnedThumb(const TDataSkinObject* thumb);
    UniqueBitmap turned_;
    HBITMAP turnedFrom_ = nullptr;
};

class TSkinUpDown : public TSkinSelfPainted {
protected:
    void DrawControl(HDC dc, int width, int height) override;
};

class TSkinHeader : public TSkinSelfPainted {
protected:
    bool Repaints(const Message& m) const override;
    void DrawControl(HDC dc, int width, int height) override;
};

// Tool bars: the generated tool-bar background behind the buttons, and each hot, pressed,
// checked or disabled button framed from the ToolBars element (the push-button image for a skin
// without one); the control draws its buttons' images and text over the frames, its own edges
// and backgrounds switched off through its drawing notifications.
class TSkinToolbar : public TSkinSelfPainted {
public:
    ~TSkinToolbar() override;

protected:
    void DrawControl(HDC dc, int width, int height) override;

private:
    static LRESULT CALLBACK SinkProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT ItemPrePaint(NMTBCUSTOMDRAW& draw);
    // Receives the control's notifications while it draws for the painter; the others go on
    // to the window that normally receives them.
    HWND sink_ = nullptr;
    HWND notified_ = nullptr;
};

// Media players: each visible button drawn as a push button in its state, with the button's
// sign in the button-text colour.
class TSkinMP : public TSkinSelfPainted {
protected:
    void DrawControl(HDC dc, int width, int height) override;
};

// Combo boxes (drop-down and drop-down list; for a ComboBoxEx its inner combo box): the edge
// and drop-down button drawn from the skin round the text the control draws itself.
class TSkinComBox : public TSkinControl {
public:
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;

protected:
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;
    virtual bool Dropped() const;
    // The edge round the text area (the text area itself is left alone).
    virtual void DrawEdge(HDC dc, const ComboLayout& layout, ControlState state);
    bool mouseOver_ = false;
};

// Date-time pickers: the edit's border, and the drop-down button as a combo box's arrow; a
// picker showing an up-down control leaves that to its own painter.
class TSkinDateTime : public TSkinComBox {
protected:
    bool Dropped() const override;
    void DrawEdge(HDC dc, const ComboLayout& layout, ControlState state) override;
};

// List views: the scroll bars of the scroll-bar painter and a header painter on the header.
class TSkinListView : public TSkinScrollbar {
public:
    void Attach(HWND window, ui::Control* control, TSkinData& data, ControlSkins& form, bool backgroundMode) override;
};

// Tab controls showing their tabs as buttons: each tab drawn as a push button, the selected one
// pressed.
class TSkinTabBtn : public TSkinTab {
protected:
    void AfterMessage(Message& m) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    int hot_ = -1;
};

// Bit and speed buttons: the push button with the control's bitmap or icon at its left.
class TSkinBitButton : public TSkinButton {
protected:
    void Draw(HDC dc, const RECT& rect) override;
};

// Menu buttons: the push button with a drop-down arrow at its right.
class TSkinMenuButton : public TSkinButton {
protected:
    void Draw(HDC dc, const RECT& rect) override;
};

// The combo arrow (the generated ComboxArrow, else the ComboButton element) in a state,
// over a ButtonFace fill.
void DrawComboArrow(HDC dc, const TSkinData& data, const RECT& rect, ControlState state);

// The painter for a bare window of a standard common-control class that the dispatch reaches
// only through an OnSkinControl handler (up-downs, list views, headers, tool bars); null for
// other classes.
std::unique_ptr<TSkinControl> CommonControlPainter(HWND window);

}  // namespace aw::skin
