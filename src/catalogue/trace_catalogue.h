#pragma once
// The fixed trace tree: 19 groups and their 106 categories, in display order. The texts are
// identifiers as well as labels (Traces.ini, the scan and the cleaning run use them), so they
// are never reworded.
#include <string_view>
#include <vector>

namespace aw {

struct CatalogueGroup {
    std::string_view Text;
    std::vector<std::string_view> Categories;
};

constexpr int kTraceGroupCount = 19;
constexpr int kTraceCategoryCount = 106;

// Groups in display order, each with its categories in order.
const std::vector<CatalogueGroup>& TraceCatalogue();

} // namespace aw
