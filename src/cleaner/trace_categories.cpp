#include "cleaner/trace_categories.h"

#include <stdexcept>

namespace aw {

namespace {

std::vector<TraceCategory> CategoriesOfTable()
{
    std::vector<TraceCategory> categories;
    for (const TraceAction& action : TraceLocationTable()) {
        if (!categories.empty() && categories.back().Group == action.Group &&
            categories.back().Text == action.Category) {
            ++categories.back().Actions.Count;
            continue;
        }
        const auto id = static_cast<CategoryId>(categories.size());
        categories.push_back(TraceCategory{id, action.Group, action.Category, ActionRange{&action, 1}});
    }
    return categories;
}

} // namespace

const std::vector<TraceCategory>& TraceCategories()
{
    static const std::vector<TraceCategory> categories = CategoriesOfTable();
    return categories;
}

const TraceCategory& CategoryInfo(CategoryId id)
{
    return TraceCategories().at(IndexOf(id));
}

std::optional<CategoryId> FindCategory(std::string_view group, std::string_view category)
{
    for (const TraceCategory& known : TraceCategories())
        if (known.Group == group && known.Text == category)
            return known.Id;
    return std::nullopt;
}

std::vector<CategoryId> CategoriesOfGroup(std::string_view group)
{
    std::vector<CategoryId> ids;
    for (const TraceCategory& known : TraceCategories())
        if (known.Group == group)
            ids.push_back(known.Id);
    return ids;
}

ActionRange ActionsFor(CategoryId id)
{
    return CategoryInfo(id).Actions;
}

} // namespace aw
