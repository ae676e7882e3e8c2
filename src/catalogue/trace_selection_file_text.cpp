#include "catalogue/trace_selection_file_text.h"

namespace aw {

std::string_view TraceEntryValue(bool ticked)
{
    return ticked ? "True" : "False";
}

bool IsTickedEntry(std::string_view value)
{
    return value == "True";
}

std::vector<std::string> SplitZeroSeparatedList(const char* list, std::size_t size)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (list[i] != '\0')
            continue;
        if (i == start)
            break; // the empty string that ends the list
        names.emplace_back(list + start, i - start);
        start = i + 1;
    }
    return names;
}

} // namespace aw
