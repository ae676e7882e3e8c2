#pragma once
// The preview window: the ticked categories with what a Clean would remove from each, a
// total, and a Clean button. Closing it removes nothing.
#include "cleaner/clean_log.h"
#include "cleaner/clean_plan.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/timer.h"

#include <atomic>
#include <functional>
#include <thread>

namespace aw {

class PreviewForm : public ui::Form {
public:
    using Planner = std::function<CleanPlan(PlanProgress&)>;

    // `clean` runs the main window's Clean command.
    PreviewForm(CleanPlan plan, std::function<void()> clean);
    // The plan is worked out on a thread of its own while the window is already open and
    // answering; it shows how many items were found so far, and the list once it is complete.
    // Closing the window first stops the looking.
    PreviewForm(Planner planner, std::function<void()> clean);
    ~PreviewForm() override;

    // The plan is complete and shown (at once for a given plan).
    bool Ready() const { return ready_; }
    // What the last Clean had to leave, with why: "Not Removed" shows it in place of the plan.
    // Given before Build.
    void SetLastCleanLeft(CleanLog left) { left_ = std::move(left); }
    // Switches between the plan and the last Clean's entries left.
    void ToggleNotRemoved();
    bool ShowingNotRemoved() const { return showingLeft_; }

    void Build();
    // A category row opens or closes; a column click on "Size" sorts by size.
    void ToggleRow(int row);
    void SortBySize();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const;

    ui::VirtualListView* List = nullptr;
    ui::Label* Total = nullptr;
    ui::Button* CleanButton = nullptr;
    ui::Button* NotRemovedButton = nullptr;

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
    void Summarise();
    void ShowTotal();
    void Poll();

    CleanPlan plan_;
    // The view not shown: the last Clean's entries left while the plan is shown, and back.
    CleanLog left_;
    bool showingLeft_ = false;
    std::function<void()> clean_;
    std::vector<CategorySum> sums_;
    std::vector<std::size_t> order_; // categories in the order shown
    std::vector<Row> rows_;
    bool bySize_ = false;

    bool ready_ = true;
    PlanProgress progress_;
    std::atomic<bool> done_{false};
    bool failed_ = false;  // written by the worker before it sets done_
    CleanPlan computed_;  // written by the worker before it sets done_
    std::thread worker_;
    ui::Timer poll_;
};

} // namespace aw
