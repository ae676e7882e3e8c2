#pragma once
// A report-style list view whose rows are not stored in the control: it asks for each visible
// cell's text, so a list of any length opens at once. Cells are UTF-8 and shown through the
// wide messages, so a path shows exactly whatever the code page.
#include "ui/control.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace aw::ui {

class VirtualListView : public WinControl {
public:
    explicit VirtualListView(std::string name);

    // Column titles and widths; set once the control exists.
    void SetColumns(const std::vector<std::pair<std::string, int>>& titleAndWidth);
    // The number of rows; the visible ones are asked for again.
    void SetRowCount(int rows);

    std::function<std::string(int row, int column)> CellText;
    std::function<void(int column)> OnColumnClick;
    std::function<void(int row)> OnRowClick;

protected:
    HWND CreateWindowHandle(HWND parent) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    std::wstring cell_; // the text last handed to the control, alive until its next request
};

} // namespace aw::ui
