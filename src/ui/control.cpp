#include "ui/control.h"

#include <stdexcept>

#include "platform/wide_text.h"
#include "platform/window_subclass.h"
#include "ui/application.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>
#include <set>
#include <stdexcept>

namespace aw::ui {

namespace {

constexpr UINT_PTR kSubclassId = 0x4157; // 'AW'

} // namespace

void InvalidateShown(HWND window, const RECT* area)
{
    // A window that is not on screen is drawn whole when it shows; marking it costs a request
    // to the window server for nothing.
    if (window && IsWindowVisible(window))
        InvalidateRect(window, area, TRUE);
}

// --- Control -------------------------------------------------------------------------------

void Control::SetCaption(const std::string& caption)
{
    caption_ = caption;
    Invalidate();
}

void Control::SetFont(const FontSpec& font)
{
    font_ = font;
    fontSet_ = true;
    fontHandle_.Reset();
    Invalidate();
}

void Control::SetColor(COLORREF color)
{
    color_ = color;
    Invalidate();
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    Invalidate();
}

void Control::Invalidate()
{
    if (!parent_ || !parent_->Handle())
        return;
    RECT area{bounds_.Left, bounds_.Top, bounds_.Left + bounds_.Width, bounds_.Top + bounds_.Height};
    InvalidateShown(parent_->Handle(), &area);
}

HFONT Control::FontHandle()
{
    if (!fontHandle_) {
        LOGFONTA log{};
        log.lfHeight = -font_.Height;
        log.lfWeight = font_.Bold ? FW_BOLD : FW_NORMAL;
        log.lfUnderline = font_.Underline ? TRUE : FALSE;
        log.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(log.lfFaceName, font_.Name.c_str(), LF_FACESIZE);
        fontHandle_.Reset(CreateFontIndirectA(&log));
    }
    return fontHandle_.Get();
}

std::optional<std::string> Control::PublishedProperty(std::string_view name) const
{
    if (name == "Tag")
        return std::to_string(tag_);
    if (name == "Caption" || name == "Text")
        return Caption();
    if (name == "Name")
        return name_;
    if (name == "Color")
        return std::to_string(color_);
    if (name == "Visible")
        return Visible() ? "True" : "False";
    return std::nullopt;
}

bool Control::SetPublishedProperty(std::string_view name, const std::string& value)
{
    try {
        if (name == "Tag") {
            SetTag(std::stoi(value));
            return true;
        }
        if (name == "Color") {
            SetColor(static_cast<COLORREF>(std::stoul(value)));
            return true;
        }
    } catch (const std::exception&) {
        return false; // not a number: the property keeps its value
    }
    return false;
}

// --- WinControl ----------------------------------------------------------------------------

WinControl::~WinControl()
{
    // The windows go before the objects. Destroying this window destroys the children's windows
    // too, and each child's WM_NCDESTROY unbinds it while its object is still whole. Freeing the
    // children first would leave this window dispatching (WM_PARENTNOTIFY for every child
    // destroyed, focus changes) while children_ still held the children already freed.
    if (hwnd_)
        DestroyWindow(hwnd_); // WM_NCDESTROY detaches and clears hwnd_
    // Moved out first, so that nothing reached while a child is freed sees a half-cleared list.
    std::vector<std::unique_ptr<Control>> children = std::move(children_);
    children.clear();
}

Control* WinControl::FromHandle(HWND window)
{
    // The control is the data of its subclass, which the process keeps in its own memory: asking
    // for it costs no round trip to the window server, and it is asked on every notification.
    DWORD_PTR data = 0;
    if (!window || !aw::subclass::Get(window, &WinControl::SubclassProc, kSubclassId, &data))
        return nullptr;
    return static_cast<Control*>(reinterpret_cast<WinControl*>(data));
}

Control* WinControl::FindChild(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child.get();
        if (auto* win = dynamic_cast<WinControl*>(child.get()))
            if (Control* found = win->FindChild(name))
                return found;
    }
    return nullptr;
}

void WinControl::AdoptChild(std::unique_ptr<Control> child, const Bounds& bounds)
{
    Control& ref = *child;
    ref.SetParentControl(this);
    ref.SetBoundsField(bounds);
    if (!ref.fontSet_) {
        ref.font_ = font_; // parent font, as designed forms inherit it
    }
    children_.push_back(std::move(child));
    if (auto* win = dynamic_cast<WinControl*>(&ref)) {
        if (hwnd_)
            win->CreateHandleTree(hwnd_);
    } else {
        ref.Invalidate();
    }
}

void WinControl::CreateHandleTree(HWND parent)
{
    HWND window = CreateWindowHandle(parent);
    Attach(window);
    if (!window)
        return;
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    if (!visible_)
        ShowWindow(window, SW_HIDE);
    if (!enabled_)
        EnableWindow(window, FALSE);
    for (const auto& child : children_)
        if (auto* win = dynamic_cast<WinControl*>(child.get()))
            win->CreateHandleTree(window);
    HandleTreeCreated();
}

void WinControl::Attach(HWND window)
{
    hwnd_ = window;
    if (!window)
        return;
    aw::subclass::Set(window, &WinControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void WinControl::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (!hwnd_)
        return;
    if (wideText_)
        SetWindowTextW(hwnd_, WideFromUtf8(caption).value_or(std::wstring()).c_str());
    else
        SetWindowTextA(hwnd_, caption.c_str());
}

std::string WinControl::Caption() const
{
    if (!hwnd_)
        return caption_;
    if (wideText_) {
        const int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(hwnd_, text.data(), length + 1);
        text.resize(static_cast<size_t>(got > 0 ? got : 0));
        return Utf8FromWide(text);
    }
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(got));
    return text;
}

void WinControl::SetFont(const FontSpec& font)
{
    Control::SetFont(font);
    if (hwnd_)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void WinControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (hwnd_)
        ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void WinControl::Invalidate()
{
    InvalidateShown(hwnd_, nullptr);
}

void WinControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (hwnd_)
        EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool WinControl::Enabled() const
{
    return hwnd_ ? IsWindowEnabled(hwnd_) != FALSE : enabled_;
}

void WinControl::SetFocus()
{
    if (hwnd_)
        ::SetFocus(hwnd_);
}

HWND WinControl::CreateWideTextChild(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent)
{
    wideText_ = true;
    const std::wstring text = WideFromUtf8(caption_).value_or(std::wstring());
    const Bounds& b = bounds_;
    return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, b.Left, b.Top, b.Width,
                           b.Height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT WinControl::CallDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    return aw::subclass::CallNext(hwnd_, message, wParam, lParam);
}

bool WinControl::HasGraphicChildren() const
{
    for (const auto& child : children_)
        if (child->IsGraphic())
            return true;
    return false;
}

void WinControl::FillBackground(HDC dc, const RECT& area)
{
    // One brush for the current colour, made again only when the colour has changed.
    if (!backgroundBrush_ || brushColor_ != color_) {
        backgroundBrush_.Reset(CreateSolidBrush(color_));
        brushColor_ = color_;
    }
    FillRect(dc, &area, backgroundBrush_.Get());
}

void WinControl::PaintGraphicChildren(HDC dc)
{
    for (const auto& child : children_) {
        if (child->IsGraphic() && child->Visible())
            child->PaintOn(dc);
    }
}

Control* WinControl::GraphicChildAt(POINT point) const
{
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const Control& child = **it;
        if (!child.IsGraphic() || !child.Visible())
            continue;
        const Bounds& b = child.GetBounds();
        if (point.x >= b.Left && point.x < b.Left + b.Width && point.y >= b.Top && point.y < b.Top + b.Height)
            return it->get();
    }
    return nullptr;
}

bool WinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            if (auto* child = dynamic_cast<WinControl*>(FromHandle(reinterpret_cast<HWND>(lParam)))) {
                child->OnCommand(HIWORD(wParam));
                result = 0;
                return true;
            }
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (auto* child = dynamic_cast<WinControl*>(FromHandle(header->hwndFrom)))
            return child->OnNotify(header, result);
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (auto* child = dynamic_cast<WinControl*>(FromHandle(reinterpret_cast<HWND>(lParam)))) {
            if (HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

bool WinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (ReflectToChild(message, wParam, lParam, result))
        return true;
    if (!HasGraphicChildren())
        return false;
    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(hwnd_, &point);
            if (Control* child = GraphicChildAt(point)) {
                if (HCURSOR cursor = child->Cursor()) {
                    ::SetCursor(cursor);
                    result = TRUE;
                    return true;
                }
            }
        }
        return false;
    case WM_LBUTTONDOWN:
        pressedGraphic_ = GraphicChildAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return false;
    case WM_LBUTTONUP: {
        Control* child = GraphicChildAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        Control* pressed = pressedGraphic_;
        pressedGraphic_ = nullptr;
        if (child && child == pressed && child->OnClick) {
            child->OnClick();
            result = 0;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

LRESULT WinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        LRESULT result = 0;
        if (HandleMessage(message, wParam, lParam, result))
            return result;
    } catch (const std::exception& error) {
        Application::Instance().HandleException(error);
        return 0;
    }
    return aw::subclass::CallNext(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data)
{
    auto* self = reinterpret_cast<WinControl*>(data);
    if (message == WM_NCDESTROY) {
        aw::subclass::Remove(window, &WinControl::SubclassProc, kSubclassId);
        self->hwnd_ = nullptr;
        return aw::subclass::CallNext(window, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

const char* EnsureWindowClass(const char* className, UINT style, int background, HICON icon, HICON smallIcon)
{
    // The classes this process registered, remembered here: asking the system first would cost
    // a round trip to the window server per window made.
    static std::set<std::string, std::less<>> registered;
    if (registered.count(std::string_view(className)))
        return className;
    static const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = arrow;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = className;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error(std::string("Cannot register the window class ") + className);
    registered.emplace(className);
    return className;
}

HICON ApplicationIcon()
{
    static const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    return icon;
}

HICON ApplicationSmallIcon()
{
    // The icon resource's own small image, as Windows picks for a class registered without
    // one; some platforms would shrink the large image instead, at a cost of several requests
    // to the window server.
    static const HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon;
}

} // namespace aw::ui
