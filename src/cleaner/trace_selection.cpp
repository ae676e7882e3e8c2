#include "cleaner/trace_selection.h"

#include <algorithm>

namespace aw {

TraceSelection::TraceSelection() : ticked_(TraceCategories().size(), false) {}

TraceSelection TraceSelection::Named(std::initializer_list<std::pair<std::string_view, std::string_view>> names)
{
    TraceSelection selection;
    for (const auto& [group, category] : names)
        selection.TickNamed(group, category);
    return selection;
}

bool TraceSelection::TickNamed(std::string_view group, std::string_view category)
{
    const std::optional<CategoryId> id = FindCategory(group, category);
    if (id)
        Tick(*id);
    return id.has_value();
}

void TraceSelection::SetAll(bool ticked)
{
    std::fill(ticked_.begin(), ticked_.end(), ticked);
}

void TraceSelection::SetGroup(std::string_view group, bool ticked)
{
    for (CategoryId id : CategoriesOfGroup(group))
        Set(id, ticked);
}

bool TraceSelection::Empty() const
{
    return std::none_of(ticked_.begin(), ticked_.end(), [](bool ticked) { return ticked; });
}

bool TraceSelection::AnyInGroup(std::string_view group) const
{
    for (CategoryId id : CategoriesOfGroup(group))
        if (Contains(id))
            return true;
    return false;
}

std::vector<CategoryId> TraceSelection::Ticked() const
{
    std::vector<CategoryId> ids;
    for (std::size_t i = 0; i < ticked_.size(); ++i)
        if (ticked_[i])
            ids.push_back(static_cast<CategoryId>(i));
    return ids;
}

} // namespace aw
