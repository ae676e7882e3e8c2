#pragma once
// The preview window: the ticked categories with what a Clean would remove from each, a
// total, and a Clean button. Closing it removes nothing.
#include "cleaner/clean_plan.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"

#include <functional>

namespace aw {

class PreviewForm : public ui::Form {
public:
    // `clean` runs the main window's Clean command.
    PreviewForm(CleanPlan plan, std::function<void()> clean);

    void Build();
    // A category row opens or closes; a column click on "Size" sorts by size.
    void ToggleRow(int row);
    void SortBySize();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const;

    ui::VirtualListView* List = nullptr;
    ui::Label* Total = nullptr;
    ui::Button* CleanButton = nullptr;

private:
    struct CategorySum {
        std::vector<std::size_t> Entries;
        std::int32_t Files = 0;
        std::int32_t Others = 0;
        std::int64_t Bytes = 0;
        bool Open = false;
    };
    struct Row {
        std::size_t Category;
        std::ptrdiff_t Entry; // -1 for the category's own row
    };
    void Refresh();

    CleanPlan plan_;
    std::function<void()> clean_;
    std::vector<CategorySum> sums_;
    std::vector<std::size_t> order_; // categories in the order shown
    std::vector<Row> rows_;
    bool bySize_ = false;
};

} // namespace aw
