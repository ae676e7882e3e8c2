#include "ui/page_control.h"

#include <commctrl.h>

namespace aw::ui {

TabSheet::TabSheet(std::string name, std::string caption) : WinControl(std::move(name), "TTabSheet")
{
    caption_ = std::move(caption);
}

HWND TabSheet::CreateWindowHandle(HWND parent)
{
    EnsureWindowClass("TTabSheet");
    const Bounds& b = bounds_;
    // Hidden until its page is chosen.
    return CreateWindowExA(WS_EX_CONTROLPARENT, "TTabSheet", caption_.c_str(), WS_CHILD | WS_CLIPCHILDREN, b.Left,
                           b.Top, b.Width, b.Height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool TabSheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(hwnd_, &area);
        FillBackground(reinterpret_cast<HDC>(wParam), area);
        result = 1;
        return true;
    }
    if (message == WM_PAINT && HasGraphicChildren()) {
        PaintDC paint(hwnd_);
        PaintGraphicChildren(paint.Get());
        result = 0;
        return true;
    }
    return WinControl::HandleMessage(message, wParam, lParam, result);
}

PageControl::PageControl(std::string name) : WinControl(std::move(name), "TPageControl") {}

HWND PageControl::CreateWindowHandle(HWND parent)
{
    const Bounds& b = bounds_;
    HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, b.Left, b.Top, b.Width,
                                  b.Height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return nullptr;
    // Pages added before the window existed: their tabs, and their sheets placed in the area
    // the tabs leave (which depends on the font), before the sheets' own windows are made.
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    for (size_t i = 0; i < pages_.size(); ++i)
        InsertTab(window, static_cast<int>(i), pages_[i]->Caption());
    const Bounds area = PageArea(window);
    for (TabSheet* page : pages_)
        SetChildBounds(*page, area);
    return window;
}

void PageControl::HandleTreeCreated()
{
    if (activeIndex_ >= 0)
        SendMessageA(hwnd_, TCM_SETCURSEL, activeIndex_, 0);
    ShowActivePage();
}

void PageControl::InsertTab(HWND tabs, int index, const std::string& caption)
{
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

Bounds PageControl::PageArea(HWND tabs) const
{
    RECT display{0, 0, bounds_.Width, bounds_.Height};
    if (tabs)
        SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return Bounds{display.left, display.top, display.right - display.left, display.bottom - display.top};
}

TabSheet& PageControl::AddPage(std::string name, std::string caption)
{
    if (hwnd_)
        InsertTab(hwnd_, PageCount(), caption);
    else if (activeIndex_ < 0)
        activeIndex_ = 0; // a tab control selects its first tab
    TabSheet& page = Add<TabSheet>(PageArea(hwnd_), std::move(name), std::move(caption));
    pages_.push_back(&page);
    ShowActivePage();
    return page;
}

int PageControl::ActivePageIndex() const
{
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0)) : activeIndex_;
}

void PageControl::SetActivePageIndex(int index)
{
    if (!hwnd_) {
        activeIndex_ = index >= 0 && index < PageCount() ? index : activeIndex_;
        return;
    }
    SendMessageA(hwnd_, TCM_SETCURSEL, index, 0);
    ShowActivePage();
}

void PageControl::FreePage(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    TabSheet* sheet = pages_[static_cast<size_t>(index)];
    pages_.erase(pages_.begin() + index);
    if (!hwnd_) {
        sheet->SetVisible(false); // its window, when made, stays hidden
        if (activeIndex_ >= PageCount())
            activeIndex_ = PageCount() - 1;
        return;
    }
    SendMessageA(hwnd_, TCM_DELETEITEM, index, 0);
    if (sheet->Handle())
        DestroyWindow(sheet->Handle());
    if (ActivePageIndex() < 0 && PageCount() > 0)
        SendMessageA(hwnd_, TCM_SETCURSEL, index < PageCount() ? index : PageCount() - 1, 0);
    ShowActivePage();
}

void PageControl::ShowActivePage()
{
    if (!hwnd_)
        return;
    int active = ActivePageIndex();
    for (size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i]->Handle(), static_cast<int>(i) == active ? SW_SHOW : SW_HIDE);
}

bool PageControl::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->code == TCN_SELCHANGE) {
        ShowActivePage();
        if (OnChange)
            OnChange(ActivePageIndex());
        result = 0;
        return true;
    }
    return false;
}

} // namespace aw::ui
