#include "ui/controls.h"

#include "platform/text.h"

#include <commctrl.h>

namespace aw::ui {

namespace {

HWND CreateChild(const char* windowClass, const Control& control, DWORD style, DWORD exStyle, HWND parent,
                 const std::string& text)
{
    const Bounds& b = control.GetBounds();
    return CreateWindowExA(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, b.Left, b.Top, b.Width,
                           b.Height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

// --- Button --------------------------------------------------------------------------------

Button::Button(std::string name, std::string caption) : WinControl(std::move(name), "TButton")
{
    caption_ = std::move(caption);
}

HWND Button::CreateWindowHandle(HWND parent)
{
    return CreateChild("BUTTON", *this, WS_TABSTOP | (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, parent,
                       caption_);
}

void Button::OnCommand(int code)
{
    if (code == BN_CLICKED)
        Click();
}

void Button::Click()
{
    if (OnClick)
        OnClick();
}

std::optional<std::string> Button::PublishedProperty(std::string_view name) const
{
    if (name == "Default")
        return Default ? "True" : "False";
    return WinControl::PublishedProperty(name);
}

// --- CheckBox ------------------------------------------------------------------------------

CheckBox::CheckBox(std::string name, std::string caption, bool checked)
    : WinControl(std::move(name), "TCheckBox"), checked_(checked)
{
    caption_ = std::move(caption);
}

HWND CheckBox::CreateWindowHandle(HWND parent)
{
    // BS_CHECKBOX, not BS_AUTOCHECKBOX: the state is ours, so one path (SetChecked) changes it.
    HWND window = CreateChild("BUTTON", *this, WS_TABSTOP | BS_CHECKBOX, 0, parent, caption_);
    SendMessageA(window, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    return window;
}

void CheckBox::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    if (hwnd_)
        SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick)
        OnClick();
}

void CheckBox::OnCommand(int code)
{
    if (code == BN_CLICKED)
        SetChecked(!checked_);
}

// --- Edit and Memo -------------------------------------------------------------------------

Edit::Edit(std::string name) : WinControl(std::move(name), "TEdit") {}

HWND Edit::CreateWindowHandle(HWND parent)
{
    return CreateWideTextChild(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent);
}

Memo::Memo(std::string name) : WinControl(std::move(name), "TMemo") {}

HWND Memo::CreateWindowHandle(HWND parent)
{
    return CreateWideTextChild(L"EDIT",
                               WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                                   WS_VSCROLL | WS_HSCROLL,
                               WS_EX_CLIENTEDGE, parent);
}

std::vector<std::string> Memo::Lines() const
{
    return SplitLines(Caption());
}

void Memo::SetLines(const std::vector<std::string>& lines)
{
    // The last line gets no line break, so the editor shows no empty line after it.
    std::string text = JoinLines(lines);
    if (!text.empty())
        text.resize(text.size() - 2);
    SetCaption(text);
}

void Memo::AddLine(const std::string& line)
{
    auto lines = Lines();
    lines.push_back(line);
    SetLines(lines);
}

// --- Panel ---------------------------------------------------------------------------------

Panel::Panel(std::string name, bool singleBorder) : WinControl(std::move(name), "TPanel"), singleBorder_(singleBorder)
{
    color_ = RGB(255, 255, 255);
}

HWND Panel::CreateWindowHandle(HWND parent)
{
    EnsureWindowClass("TPanel");
    return CreateChild("TPanel", *this, WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (singleBorder_ ? WS_BORDER : 0),
                       WS_EX_CONTROLPARENT, parent, caption_);
}

bool Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(hwnd_, &area);
        FillBackground(reinterpret_cast<HDC>(wParam), area);
        result = 1;
        return true;
    }
    case WM_PAINT: {
        PaintDC paint(hwnd_);
        PaintGraphicChildren(paint.Get());
        result = 0;
        return true;
    }
    default:
        return WinControl::HandleMessage(message, wParam, lParam, result);
    }
}

// --- StatusBar -----------------------------------------------------------------------------

StatusBar::StatusBar(std::string name) : WinControl(std::move(name), "TStatusBar") {}

HWND StatusBar::CreateWindowHandle(HWND parent)
{
    return CreateChild(STATUSCLASSNAMEA, *this, CCS_BOTTOM, 0, parent, "");
}

void StatusBar::SetPanels(const std::vector<std::pair<int, std::string>>& widthAndText)
{
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < widthAndText.size(); ++i) {
        right += widthAndText[i].first;
        // The last panel reaches the right edge, as a status bar's last panel does.
        edges.push_back(i + 1 == widthAndText.size() ? -1 : right);
    }
    SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < widthAndText.size(); ++i)
        SendMessageA(hwnd_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(widthAndText[i].second.c_str()));
}

std::string StatusBar::PanelText(int index) const
{
    LRESULT length = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, index, 0);
    std::string text(static_cast<size_t>(LOWORD(length)) + 1, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(length));
    return text;
}

// --- Label and Bevel -----------------------------------------------------------------------

Label::Label(std::string name, std::string caption) : Control(std::move(name), "TLabel")
{
    caption_ = std::move(caption);
}

void Label::PaintOn(HDC dc)
{
    RECT area{bounds_.Left, bounds_.Top, bounds_.Left + bounds_.Width, bounds_.Top + bounds_.Height};
    SelectedObject font(dc, FontHandle());
    SetTextColor(dc, fontColor_);
    if (Transparent) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, color_);
    }
    // Labels size themselves to their text, so they never clip it.
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
}

void Bevel::PaintOn(HDC dc)
{
    RECT area{bounds_.Left, bounds_.Top, bounds_.Left + bounds_.Width, bounds_.Top + bounds_.Height};
    DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
}

} // namespace aw::ui
