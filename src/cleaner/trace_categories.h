#pragma once
// Every trace category by identity: its place in the order of the trace tree. The location
// table keeps a category's rows together and in that order, so an identity finds its rows
// without comparing a text; the texts are for what the user and the stored files see.
#include "cleaner/location_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

enum class CategoryId : std::uint16_t {};

constexpr std::size_t IndexOf(CategoryId id)
{
    return static_cast<std::size_t>(id);
}

struct TraceCategory {
    CategoryId Id;
    std::string_view Group; // the group's text in the tree, its section in Traces.ini
    std::string_view Text;  // the category's text in the tree, its key in Traces.ini
    ActionRange Actions;    // its rows of the location table
};

// A category as a user or a file names it: its group's text and its own.
struct TraceCategoryRef {
    std::string Group;
    std::string Category;
};

// Every category in tree order: TraceCategories()[i].Id is CategoryId(i).
const std::vector<TraceCategory>& TraceCategories();
const TraceCategory& CategoryInfo(CategoryId id);

// The category named by these texts, compared whole and case-sensitively; nothing for texts
// no category has.
std::optional<CategoryId> FindCategory(std::string_view group, std::string_view category);

// The identities of one group's categories, in order; empty for a text no group has.
std::vector<CategoryId> CategoriesOfGroup(std::string_view group);

// The rows of the location table that carry out a category.
ActionRange ActionsFor(CategoryId id);

} // namespace aw
