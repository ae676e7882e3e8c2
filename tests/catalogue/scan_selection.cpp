#include "catalogue/scan_selection.h"

#include "catalogue/trace_catalogue.h"

#include <gtest/gtest.h>

namespace aw::test {

ScanSelection::ScanSelection()
    : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr))
{
    if (!window_)
        ADD_FAILURE() << "no window to own the clipboard";
}

ScanSelection::~ScanSelection()
{
    if (window_)
        DestroyWindow(window_);
}

CollapseGroup ScanSelection::CollapseRequests()
{
    return [this](std::string_view group) {
        if (CollapseEnabled)
            collapsed_.insert(std::string(group));
    };
}

CategoryId ScanSelection::Id(const std::string& group, const std::string& category)
{
    const std::optional<CategoryId> id = FindCategory(group, category);
    if (!id) {
        ADD_FAILURE() << "no category " << group << " > " << category;
        return CategoryId{};
    }
    return *id;
}

int ScanSelection::State(const std::string& group, const std::string& category)
{
    return selection.Contains(Id(group, category)) ? StateSelected : StateNotSelected;
}

void ScanSelection::SetState(const std::string& group, const std::string& category, int state)
{
    selection.Set(Id(group, category), state == StateSelected);
}

void ScanSelection::SetGroup(const std::string& group, int state)
{
    selection.SetGroup(group, state == StateSelected);
}

void ScanSelection::SetAll(int state)
{
    selection.SetAll(state == StateSelected);
}

std::vector<int> ScanSelection::States()
{
    std::vector<int> states;
    for (const TraceCategory& category : TraceCategories())
        states.push_back(selection.Contains(category.Id) ? StateSelected : StateNotSelected);
    return states;
}

std::vector<int> ScanSelection::GroupStates(const std::string& group)
{
    std::vector<int> states;
    for (CategoryId id : CategoriesOfGroup(group))
        states.push_back(selection.Contains(id) ? StateSelected : StateNotSelected);
    if (states.empty())
        ADD_FAILURE() << "no group " << group;
    return states;
}

std::vector<std::string> BrowserGroups()
{
    std::vector<std::string> groups;
    for (const CatalogueGroup& group : TraceCatalogue())
        if (group.Text != "Advanced" && group.Text != "Extra Traces" && group.Text != "Windows")
            groups.emplace_back(group.Text);
    return groups;
}

} // namespace aw::test
