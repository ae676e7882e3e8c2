#pragma once
// The standard controls the two windows use.
#include "ui/control.h"

namespace aw::ui {

class Button : public WinControl {
public:
    Button(std::string name, std::string caption);
    bool Default = false;

    // Presses the button as a click does.
    void Click();
    std::optional<std::string> PublishedProperty(std::string_view name) const override;

protected:
    HWND CreateWindowHandle(HWND parent) override;
    void OnCommand(int code) override;
};

// A check box whose state is the framework's: a click flips it, and every change of state, by
// the user or by the program, runs OnClick once; setting the same state runs nothing.
class CheckBox : public WinControl {
public:
    CheckBox(std::string name, std::string caption, bool checked = false);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    HWND CreateWindowHandle(HWND parent) override;
    void OnCommand(int code) override;

private:
    bool checked_;
};

// The two edits hold the user's own text (script lines, paths) in UTF-16 windows: their text is
// UTF-8 here, whatever the code page.
class Edit : public WinControl {
public:
    explicit Edit(std::string name);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

protected:
    HWND CreateWindowHandle(HWND parent) override;
};

// A multi-line editor with both scroll bars whose content is a list of lines.
class Memo : public WinControl {
public:
    explicit Memo(std::string name);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);

protected:
    HWND CreateWindowHandle(HWND parent) override;
};

// A panel: a container painted in its colour, with or without a single border.
class Panel : public WinControl {
public:
    Panel(std::string name, bool singleBorder);

protected:
    HWND CreateWindowHandle(HWND parent) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool singleBorder_;
};

class StatusBar : public WinControl {
public:
    explicit StatusBar(std::string name);
    void SetPanels(const std::vector<std::pair<int, std::string>>& widthAndText);
    std::string PanelText(int index) const;

protected:
    HWND CreateWindowHandle(HWND parent) override;
};

// Graphic controls: painted by their parent, no window.
class Label : public Control {
public:
    Label(std::string name, std::string caption);
    bool Transparent = true;
    HCURSOR HandCursor = nullptr;
    bool IsGraphic() const override { return true; }
    void PaintOn(HDC dc) override;
    HCURSOR Cursor() const override { return HandCursor; }
};

// A separator line (a lowered horizontal bevel).
class Bevel : public Control {
public:
    explicit Bevel(std::string name) : Control(std::move(name), "TBevel") {}
    bool IsGraphic() const override { return true; }
    void PaintOn(HDC dc) override;
};

} // namespace aw::ui
