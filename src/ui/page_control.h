#pragma once
// Tabbed pages: a tab control whose pages are containers shown one at a time.
#include "ui/control.h"

#include <functional>

namespace aw::ui {

class TabSheet : public WinControl {
public:
    TabSheet(std::string name, std::string caption);

protected:
    HWND CreateWindowHandle(HWND parent) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class PageControl : public WinControl {
public:
    explicit PageControl(std::string name);

    TabSheet& AddPage(std::string name, std::string caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Frees a page: its tab goes and its sheet's window is destroyed.
    void FreePage(int index);

    // After the user has moved to another page; given the new page's index.
    std::function<void(int index)> OnChange;

protected:
    HWND CreateWindowHandle(HWND parent) override;
    void HandleTreeCreated() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    static void InsertTab(HWND tabs, int index, const std::string& caption);
    // The pages' area inside the control, from the tab control's own layout once it has one.
    Bounds PageArea(HWND tabs) const;
    void ShowActivePage();
    std::vector<TabSheet*> pages_;
    int activeIndex_ = -1; // kept while the control has no window
};

} // namespace aw::ui
