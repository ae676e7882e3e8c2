#include "app/preview_form.h"

#include "app/clean_summary.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <numeric>

namespace aw {

PreviewForm::PreviewForm(CleanPlan plan, std::function<void()> clean)
    : ui::Form("PreviewForm", "TPreviewForm", 600, 420), plan_(std::move(plan)), clean_(std::move(clean))
{
    Summarise();
}

PreviewForm::PreviewForm(Planner planner, std::function<void()> clean) : PreviewForm(CleanPlan{}, std::move(clean))
{
    ready_ = false;
    worker_ = std::thread([this, planner = std::move(planner)] {
        try {
            computed_ = planner(progress_);
        } catch (...) {
            failed_ = true;  // said so in the window, rather than an empty or partial list
        }
        done_.store(true, std::memory_order_release);
    });
}

PreviewForm::~PreviewForm()
{
    progress_.Cancel = true;
    if (worker_.joinable())
        worker_.join();
}

void PreviewForm::Summarise()
{
    sums_.assign(plan_.Categories.size(), CategorySum{});
    for (std::size_t i = 0; i < plan_.Entries.size(); ++i) {
        const PlanEntry& entry = plan_.Entries[i];
        CategorySum& sum = sums_[entry.Category];
        sum.Entries.push_back(i);
        sum.Bytes += entry.Bytes;
        if (entry.Kind == PlanKind::File)
            ++sum.Files;
        else if (entry.Kind != PlanKind::Kept) // listed, but nothing of it goes
            ++sum.Others;
    }
    order_.resize(sums_.size());
    std::iota(order_.begin(), order_.end(), 0);
}

void PreviewForm::Build()
{
    SetCaption("Preview");
    CreateForm();
    List = &Add<ui::VirtualListView>(ui::Bounds{8, 8, 584, 346}, "ListView1");
    List->SetColumns({{"What would be removed", 400}, {"Items", 70}, {"Size", 90}});
    List->CellText = [this](int row, int column) { return Cell(row, column); };
    List->OnRowClick = [this](int row) { ToggleRow(row); };
    List->OnColumnClick = [this](int column) {
        if (column == 2)
            SortBySize();
    };
    Total = &Add<ui::Label>(ui::Bounds{8, 366, 400, 16}, "Label1", "");
    CleanButton = &Add<ui::Button>(ui::Bounds{416, 386, 85, 25}, "Button1", "Clean");
    CleanButton->OnClick = [this] {
        Close();
        if (clean_)
            clean_();
    };
    auto& close = Add<ui::Button>(ui::Bounds{507, 386, 85, 25}, "Button2", "Close");
    close.OnClick = [this] { Close(); };
    NotRemovedButton = &Add<ui::Button>(ui::Bounds{325, 386, 85, 25}, "NotRemovedButton", "Not Removed");
    NotRemovedButton->OnClick = [this] { ToggleNotRemoved(); };
    NotRemovedButton->SetEnabled(ready_ && !left_.Results.empty());
    if (ready_) {
        ShowTotal();
        Refresh();
        return;
    }
    CleanButton->SetEnabled(false);
    Total->SetCaption("Looking for what a Clean would remove...");
    poll_.OnTimer = [this] { Poll(); };
    poll_.Start(250);
}

void PreviewForm::Poll()
{
    if (!done_.load(std::memory_order_acquire)) {
        Total->SetCaption("Looking for what a Clean would remove... " +
                          std::to_string(progress_.Found.load(std::memory_order_relaxed)) + " items so far");
        return;
    }
    poll_.Stop();
    worker_.join();
    plan_ = std::move(computed_);
    Summarise();
    ready_ = true;
    ShowTotal();
    CleanButton->SetEnabled(true);
    NotRemovedButton->SetEnabled(!left_.Results.empty());
    Refresh();
}

void PreviewForm::ToggleNotRemoved()
{
    if (!ready_ || (!showingLeft_ && left_.Results.empty()))
        return;
    std::swap(plan_, left_.Plan);
    showingLeft_ = !showingLeft_;
    bySize_ = false;
    Summarise();
    if (List) {
        List->SetColumnTitle(0, showingLeft_ ? "Not removed by the last Clean" : "What would be removed");
        List->SetColumnTitle(1, showingLeft_ ? "Why" : "Items");
        NotRemovedButton->SetCaption(showingLeft_ ? "Preview" : "Not Removed");
        CleanButton->SetEnabled(!showingLeft_);
    }
    if (Total)
        ShowTotal();
    Refresh();
}

void PreviewForm::ShowTotal()
{
    if (failed_) {
        Total->SetCaption("The preview could not be worked out.");
        return;
    }
    if (showingLeft_) {
        Total->SetCaption("Not removed by the last Clean: " + std::to_string(plan_.Entries.size()) + " items");
        return;
    }
    std::int64_t total = plan_.TotalBytes();
    Total->SetCaption("Total: " + std::to_string(plan_.Entries.size()) + " items, " +
                      (total == 0 ? std::string("0 bytes") : FormatSize(total, UserDecimalSeparator())));
}

void PreviewForm::Refresh()
{
    rows_.clear();
    for (std::size_t c : order_) {
        rows_.push_back({c, -1});
        if (!sums_[c].Open)
            continue;
        std::vector<std::size_t> entries = sums_[c].Entries;
        if (bySize_)
            std::stable_sort(entries.begin(), entries.end(), [this](std::size_t a, std::size_t b) {
                return plan_.Entries[a].Bytes > plan_.Entries[b].Bytes;
            });
        for (std::size_t e : entries)
            rows_.push_back({c, static_cast<std::ptrdiff_t>(e)});
    }
    if (List)
        List->SetRowCount(RowCount());
}

void PreviewForm::ToggleRow(int row)
{
    if (row < 0 || row >= RowCount() || rows_[static_cast<std::size_t>(row)].Entry >= 0)
        return;
    CategorySum& sum = sums_[rows_[static_cast<std::size_t>(row)].Category];
    sum.Open = !sum.Open;
    Refresh();
}

void PreviewForm::SortBySize()
{
    bySize_ = true;
    std::stable_sort(order_.begin(), order_.end(),
                     [this](std::size_t a, std::size_t b) { return sums_[a].Bytes > sums_[b].Bytes; });
    Refresh();
}

std::string PreviewForm::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount())
        return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const char separator = UserDecimalSeparator();
    if (r.Entry < 0) {
        const TraceCategoryRef& ref = plan_.Categories[r.Category];
        const CategorySum& sum = sums_[r.Category];
        switch (column) {
        case 0: return std::string(sum.Open ? "- " : "+ ") + ref.Group + " > " + ref.Category;
        case 1: return std::to_string(sum.Files + sum.Others);
        default: return sum.Bytes == 0 ? std::string("0 bytes") : FormatSize(sum.Bytes, separator);
        }
    }
    const PlanEntry& entry = plan_.Entries[static_cast<std::size_t>(r.Entry)];
    switch (column) {
    case 0: return "      " + entry.Path;
    case 1:
        if (showingLeft_)
            return EntryResultName(left_.Results[static_cast<std::size_t>(r.Entry)]);
        return entry.Kind == PlanKind::Rows ? std::to_string(entry.Rows) + " rows" : PlanKindName(entry.Kind);
    default:
        if (entry.Kind == PlanKind::Rows)
            return "about " + FormatSize(entry.Bytes, separator);
        return entry.Kind != PlanKind::File ? std::string() :
               entry.Bytes == 0              ? std::string("0 bytes") :
                                               FormatSize(entry.Bytes, separator);
    }
}

} // namespace aw
