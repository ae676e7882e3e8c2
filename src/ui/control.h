#pragma once
// The base of every control of the window framework. A control has a design name, a tag, a
// caption, a font and a colour, and a position relative to its parent. Windowed controls own an
// HWND and can be found from it; graphic controls (labels, images, bevels) have none and are
// painted and hit-tested by their windowed parent, which lets them be transparent.
#include <windows.h>

#include "platform/gdi.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw::ui {

struct FontSpec {
    std::string Name = "MS Sans Serif";
    int Height = 12; // character height in pixels
    bool Bold = false;
    bool Underline = false;
};

struct Bounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class WinControl;

class Control {
public:
    Control(std::string name, const char* className) : name_(std::move(name)), className_(className) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    // The framework's class name ("TButton", "TCheckBox", ...), which the skin engine's class
    // tests use.
    const char* ClassName() const { return className_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    const Bounds& GetBounds() const { return bounds_; }
    WinControl* Parent() const { return parent_; }

    virtual std::string Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);
    const FontSpec& Font() const { return font_; }
    virtual void SetFont(const FontSpec& font);
    COLORREF Color() const { return color_; }
    virtual void SetColor(COLORREF color);
    // Text colour (labels).
    COLORREF FontColor() const { return fontColor_; }
    void SetFontColor(COLORREF color) { fontColor_ = color; Invalidate(); }

    virtual bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    // The published properties the skin engine asks for by name, as text; empty when the
    // control has no such property.
    virtual std::optional<std::string> PublishedProperty(std::string_view name) const;
    // Sets a published property from its text; false when the control has no such property.
    virtual bool SetPublishedProperty(std::string_view name, const std::string& value);

    virtual void Invalidate();

    // Graphic controls only: painting and clicks, delivered by the parent.
    virtual bool IsGraphic() const { return false; }
    virtual void PaintOn(HDC dc) {}
    virtual HCURSOR Cursor() const { return nullptr; }
    std::function<void()> OnClick;

protected:
    friend class WinControl;
    void SetParentControl(WinControl* parent) { parent_ = parent; }
    void SetBoundsField(const Bounds& bounds) { bounds_ = bounds; }
    HFONT FontHandle();

    std::string name_;
    const char* className_;
    int tag_ = 0;
    std::string caption_;
    FontSpec font_;
    bool fontSet_ = false;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    COLORREF fontColor_ = GetSysColor(COLOR_WINDOWTEXT);
    bool visible_ = true;
    Bounds bounds_;
    WinControl* parent_ = nullptr;

private:
    UniqueFont fontHandle_;
};

// A control with a window of its own. Its window procedure is a subclass installed right after
// creation (one mechanism for the framework's own classes and the system's controls alike), and
// the control is bound to the window through that subclass until WM_NCDESTROY.
// A child added to a control that has no window yet keeps its state (caption, font, visibility,
// enabled state and its own values) in the object; its window is made with its parent's, from
// that state, so a form built in code costs no windows until it is first needed.
class WinControl : public Control {
public:
    using Control::Control;
    ~WinControl() override;

    HWND Handle() const { return hwnd_; }
    static Control* FromHandle(HWND window);

    // Creates the child at `bounds` inside `this`; the child is owned by this control.
    template <typename T, typename... Args>
    T& Add(const Bounds& bounds, Args&&... args)
    {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        AdoptChild(std::move(child), bounds);
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
    Control* FindChild(std::string_view name) const;

    void SetCaption(const std::string& caption) override;
    std::string Caption() const override;
    void SetFont(const FontSpec& font) override;
    void SetVisible(bool visible) override;
    void Invalidate() override;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetFocus();

protected:
    // Creates the window; called once the control has a parent and bounds.
    virtual HWND CreateWindowHandle(HWND parent) = 0;
    // Runs once this control's window and its children's windows exist.
    virtual void HandleTreeCreated() {}
    void Attach(HWND window);
    static void SetChildBounds(Control& child, const Bounds& bounds) { child.SetBoundsField(bounds); }
    // Creates this control's window inside `parent`, brings it to the object's state, and then
    // the windows of the children added so far.
    void CreateHandleTree(HWND parent);

    // The control's own messages. Return true when handled (result in `result`).
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Notifications the parent received for this control (WM_COMMAND code, WM_NOTIFY).
    virtual void OnCommand(int code) {}
    virtual bool OnNotify(NMHDR* header, LRESULT& result) { return false; }
    // WM_CTLCOLOR* for this control; return a brush, or nullptr for the default.
    virtual HBRUSH OnControlColor(HDC dc) { return nullptr; }

    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // Creates the child window of a control whose text is the user's own (a path, a script
    // line): a Unicode window, whose caption is set and read through the wide calls, so that no
    // name the ANSI code page cannot spell is lost. Other controls keep the ANSI calls.
    HWND CreateWideTextChild(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent);
    // Paints the background and the graphic children; containers call it from WM_PAINT.
    void PaintGraphicChildren(HDC dc);
    bool HasGraphicChildren() const;
    void FillBackground(HDC dc, const RECT& area);

    HWND hwnd_ = nullptr;
    // Set by controls whose window is made with CreateWideTextChild.
    bool wideText_ = false;

private:
    void AdoptChild(std::unique_ptr<Control> child, const Bounds& bounds);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    Control* GraphicChildAt(POINT point) const;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    std::vector<std::unique_ptr<Control>> children_;
    Control* pressedGraphic_ = nullptr;
    UniqueBrush backgroundBrush_;
    COLORREF brushColor_ = CLR_INVALID;
    bool enabled_ = true;
};

// Marks the window (or `area` of it) for redrawing, when it is on screen at all.
void InvalidateShown(HWND window, const RECT* area = nullptr);

// Registers (once) a window class whose procedure is DefWindowProcA; the framework's own
// windows get their behaviour from the subclass. Only top-level windows show a class icon.
const char* EnsureWindowClass(const char* className, UINT style = CS_DBLCLKS, int background = COLOR_BTNFACE,
                              HICON icon = nullptr, HICON smallIcon = nullptr);
// The program's icon (resource 1), large and small, loaded once.
HICON ApplicationIcon();
HICON ApplicationSmallIcon();

} // namespace aw::ui
