#pragma once
// The fixed trace tree: 28 groups and their 166 categories, in display order: the program's
// first 19 groups and the groups of today's browser families (cleaner/browser_families.h).
// The texts are identifiers as well as labels (Traces.ini, the scan and the cleaning run use
// them), so they are never reworded.
#include <string_view>
#include <vector>

namespace aw {

struct CatalogueGroup {
    std::string_view Text;
    std::vector<std::string_view> Categories;
};

constexpr int kTraceGroupCount = 28;
constexpr int kTraceCategoryCount = 166;

// Groups in display order, each with its categories in order.
const std::vector<CatalogueGroup>& TraceCatalogue();

} // namespace aw
